#include "SalaryComparisonUnit.h"

#include "DocumentComparison.h"
#include "Messages.h"
#include "SalaryDM.h"
#include "db/DataSetTableModel.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace {

// An amount as the grid shows it ("-6280,56", perhaps "1.234,56").
double amountOf(QString text, bool* ok) {
    text.remove(QLatin1Char(' ')).remove(QChar(0x00A0));
    if (text.contains(QLatin1Char(',')))
        text.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    return text.toDouble(ok);
}

// Numbers by size, texts as texts.
class SizeSortProxy : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        bool leftNumber = false, rightNumber = false;
        const double l = amountOf(sourceModel()->data(left).toString(), &leftNumber);
        const double r = amountOf(sourceModel()->data(right).toString(), &rightNumber);
        if (leftNumber && rightNumber)
            return std::fabs(l) < std::fabs(r);
        return QString::localeAwareCompare(sourceModel()->data(left).toString(), sourceModel()->data(right).toString())
            < 0;
    }
};

}  // namespace

TSalaryComparisonForm::TSalaryComparisonForm(TSalaryDM& dm, qint64 salaryId, qint64 previousId, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SalaryComparisonForm"));
    setWindowTitle(QStringLiteral("Razlike u odnosu na prethodni obračun"));
    FillDocumentComparison(dm, salaryId, previousId, rows_);
    QStringList columns;
    for (int i = 0; i < rows_.fieldCount(); ++i)
        if (rows_.field(i)->fieldName() != QLatin1String("changesize"))
            columns << rows_.field(i)->fieldName();
    model_ = new DataSetTableModel(&rows_, columns, this);
    model_->setReadOnly(true);
    Sorted = new SizeSortProxy(this);
    Sorted->setSourceModel(model_);
    Caption = new QLabel(QStringLiteral("Zarada %1 prema zaradi %2; promene neta po uzrocima se sabiraju u promenu neta.")
                             .arg(DocumentTitle(*dm.ZConnection(), salaryId), DocumentTitle(*dm.ZConnection(), previousId)),
                         this);
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("ComparisonGrid"));
    Grid->setModel(Sorted);
    Grid->setSortingEnabled(true);
    Grid->sortByColumn(int(columns.indexOf(QStringLiteral("netchange"))), Qt::DescendingOrder);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 6);
    Grid->verticalHeader()->hide();
    Grid->resizeColumnsToContents();
    auto* close = new QPushButton(QStringLiteral("Zatvori"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Caption);
    layout->addWidget(Grid, 1);
    layout->addLayout(buttons);
    resize(1100, 520);
}

void ComparisonShow(TSalaryDM& dm, IMessages& messages, QWidget* owner) {
    const qint64 salaryId = dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt();
    const qint64 previous = PreviousPostedDocument(*dm.ZConnection(), salaryId);
    if (previous == 0) {
        messages.warning(QStringLiteral("Nema ranije proknjižene zarade istog tipa sa kojom bi se ova uporedila."));
        return;
    }
    TSalaryComparisonForm form(dm, salaryId, previous, owner);
    form.exec();
}
