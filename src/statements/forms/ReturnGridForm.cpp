#include "ReturnGridForm.h"

#include "FormatFloat.h"
#include "ItemsGridSupport.h"
#include "Messages.h"
#include "ReportEngine.h"
#include "db/DataSet.h"
#include "db/DataSetTableModel.h"
#include "db/Field.h"
#include "db/SqlQuery.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TReturnGridForm::TReturnGridForm(const QString& caption, TSqlQuery& rows, Connection& connection,
                                 IMessages& messages, QWidget* parent)
    : QDialog(parent), rows_(rows), stored_(&rows), connection_(connection), messages_(messages) {
    rows.setCachedUpdates(true);
    build(caption, true);
}

TReturnGridForm::TReturnGridForm(const QString& caption, TDataSet& rows, Connection& connection,
                                 IMessages& messages, QWidget* parent)
    : QDialog(parent), rows_(rows), connection_(connection), messages_(messages) {
    build(caption, false);
}

void TReturnGridForm::build(const QString& caption, bool editable) {
    setWindowTitle(caption);
    resize(1000, 600);
    auto* layout = new QVBoxLayout(this);
    choosers_ = new QHBoxLayout;
    choosers_->addStretch(1);
    layout->addLayout(choosers_);

    auto* middle = new QHBoxLayout;
    model_ = new DataSetTableModel(&rows_, {}, this);
    model_->setReadOnly(!editable);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("DBG"));
    grid_->setModel(model_);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setSortIndicatorShown(true);
    // No arrow until the rows are sorted by a column.
    grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    // Long titles ("Šifra vrste prihoda") wrap onto a second line instead of
    // widening a column of short values.
    grid_->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    grid_->horizontalHeader()->setMinimumHeight(2 * grid_->horizontalHeader()->fontMetrics().lineSpacing() + 8);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, &TReturnGridForm::sortByColumn);
    // Columns fit what a newly opened or built set of rows holds.
    connect(model_, &QAbstractItemModel::modelReset, this, &TReturnGridForm::fitColumns);
    const GuardedRun guarded = [this](const std::function<void()>& operation) { return run(operation); };
    BindItemsGrid(grid_, model_, rows_, messages_, guarded);
    middle->addWidget(grid_, 1);
    buttons_ = new QVBoxLayout;
    buttons_->addStretch(1);
    middle->addLayout(buttons_);
    layout->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("TotalLabel"));
    bottom->addWidget(total_);
    bottom->addStretch(1);
    if (editable) {
        auto* ok = new QPushButton(tr("U redu"), this);
        ok->setObjectName(QStringLiteral("OKButton"));
        apply_ = new QPushButton(tr("Primeni"), this);
        apply_->setObjectName(QStringLiteral("ApplyButton"));
        auto* cancel = new QPushButton(tr("Otkaži"), this);
        cancel->setObjectName(QStringLiteral("CancelButton"));
        connect(ok, &QPushButton::clicked, this, [this] {
            if (apply())
                accept();
        });
        connect(apply_, &QPushButton::clicked, this, [this] { apply(); });
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        bottom->addWidget(ok);
        bottom->addWidget(apply_);
        bottom->addWidget(cancel);
    } else {
        auto* close = new QPushButton(tr("Zatvori"), this);
        close->setObjectName(QStringLiteral("CloseButton"));
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
        bottom->addWidget(close);
    }
    layout->addLayout(bottom);

    for (auto signal : {&TDataSet::dataReset, &TDataSet::stateChanged})
        connect(&rows_, signal, this, [this] { refreshTotal(); });
    connect(&rows_, &TDataSet::rowChanged, this, [this] { refreshTotal(); });
    connect(&rows_, &TDataSet::rowsInserted, this, [this] { refreshTotal(); });
    connect(&rows_, &TDataSet::rowsRemoved, this, [this] { refreshTotal(); });
}

QComboBox* TReturnGridForm::addChooser(const QString& label, const QStringList& items, int current,
                                       const std::function<void()>& changed) {
    auto* combo = new QComboBox(this);
    combo->addItems(items);
    combo->setCurrentIndex(current);
    addChooserWidget(label, combo);
    connect(combo, &QComboBox::currentIndexChanged, this, [changed] { changed(); });
    return combo;
}

void TReturnGridForm::addChooserWidget(const QString& label, QWidget* widget) {
    auto* caption = new QLabel(label, this);
    caption->setBuddy(widget);
    // Before the stretch that keeps the choosers together on the left.
    choosers_->insertWidget(choosers_->count() - 1, caption);
    choosers_->insertWidget(choosers_->count() - 1, widget);
    choosers_->insertSpacing(choosers_->count() - 1, 12);
}

QComboBox* TReturnGridForm::addYearChooser(const QList<int>& years, int year, const std::function<void()>& changed) {
    QStringList items;
    for (int y : years)
        items.append(QString::number(y));
    QComboBox* combo = addChooser(tr("Godina:"), items, std::max(0, int(years.indexOf(year))), changed);
    combo->setObjectName(QStringLiteral("YearCB"));
    return combo;
}

QComboBox* TReturnGridForm::addMonthChooser(int month, bool twoDigits, const std::function<void()>& changed) {
    QStringList items;
    for (int m = 1; m <= 12; ++m)
        items.append(twoDigits ? QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')) : QString::number(m));
    QComboBox* combo = addChooser(tr("Mesec:"), items, std::clamp(month, 1, 12) - 1, changed);
    combo->setObjectName(QStringLiteral("MonthCB"));
    return combo;
}

QPushButton* TReturnGridForm::addButton(const QString& caption, const QString& objectName,
                                        const std::function<void()>& action) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    connect(button, &QPushButton::clicked, this, [this, action] { run(action); });
    buttons_->insertWidget(buttons_->count() - 1, button);
    return button;
}

void TReturnGridForm::setColumns(const QStringList& fields) {
    model_->setColumns(fields);
    fitColumns();
}

void TReturnGridForm::fitColumns() {
    const QFontMetrics titles = grid_->horizontalHeader()->fontMetrics();
    const QFontMetrics cells = grid_->fontMetrics();
    // The first rows tell the width well enough; measuring a whole year would slow the opening.
    const int rows = std::min(model_->rowCount(), 200);
    for (int column = 0; column < model_->columnCount(); ++column) {
        const QString title = model_->headerData(column, Qt::Horizontal).toString();
        // The title on two lines, split where the longer line is shortest.
        const QStringList words = title.split(QLatin1Char(' '));
        int width = titles.horizontalAdvance(title);
        for (qsizetype split = 1; split < words.size(); ++split)
            width = std::min(width, std::max(titles.horizontalAdvance(words.mid(0, split).join(QLatin1Char(' '))),
                                             titles.horizontalAdvance(words.mid(split).join(QLatin1Char(' ')))));
        for (int row = 0; row < rows; ++row)
            width = std::max(width, cells.horizontalAdvance(model_->index(row, column).data().toString()));
        grid_->setColumnWidth(column, width + 16);
    }
}

void TReturnGridForm::setTotal(const std::function<QString()>& text) {
    totalText_ = text;
    refreshTotal();
}

void TReturnGridForm::refreshTotal() {
    if (totalText_)
        total_->setText(totalText_());
    updateApply();
}

void TReturnGridForm::updateApply() {
    if (apply_)
        apply_->setEnabled(rows_.isEditing() || rows_.updatesPending());
}

bool TReturnGridForm::apply() {
    if (!stored_)
        return true;
    const bool applied = run([this] {
        rows_.checkBrowseMode();
        stored_->applyUpdates();
    });
    refreshTotal();
    return applied;
}

bool TReturnGridForm::run(const std::function<void()>& operation) {
    return RunGuarded(messages_, operation);
}

void TReturnGridForm::removeAllRows() {
    rows_.checkBrowseMode();
    rows_.disableControls();
    try {
        rows_.first();
        while (!rows_.isEmpty())
            rows_.remove();
    } catch (...) {
        rows_.enableControls();
        throw;
    }
    rows_.enableControls();
    refreshTotal();
}

bool TReturnGridForm::dropUnsaved() {
    if (!stored_ || !(rows_.isEditing() || rows_.updatesPending()))
        return true;
    if (!messages_.confirm(tr("Izmene nisu sačuvane. Odbaciti ih?")))
        return false;
    if (rows_.isEditing())
        rows_.cancel();
    rows_.cancelUpdates();
    return true;
}

void TReturnGridForm::printGrid(const QString& title, const QString& header, const QStringList& fields) {
    print([&](TReportEngine& engine) {
        engine.ExecuteDataSetReport(title, &rows_, fields.isEmpty() ? model_->columnsShown() : fields, header);
    });
}

void TReturnGridForm::print(const std::function<void(TReportEngine&)>& operation) {
    run([&] {
        rows_.checkBrowseMode();
        TReportEngine own(this, &connection_);
        operation(engine_ ? *engine_ : own);
    });
}

void TReturnGridForm::sortByColumn(int column) {
    const TField* field = model_->fieldAt(column);
    if (!field)
        return;
    sortDescending_ = field->fieldName() == sortField_ && !sortDescending_;
    sortField_ = field->fieldName();
    if (!run([&] {
            rows_.checkBrowseMode();
            rows_.setSortFields(sortDescending_ ? sortField_ + QStringLiteral(" DESC") : sortField_);
        }))
        return;
    grid_->horizontalHeader()->setSortIndicator(column, sortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TReturnGridForm::done(int result) {
    // Closing without "U redu" keeps the table as it was.
    if (result == QDialog::Rejected && stored_) {
        if (rows_.isEditing())
            rows_.cancel();
        rows_.cancelUpdates();
    }
    QDialog::done(result);
}

QString TotalAmountText(double value) {
    return FormatFloat(QStringLiteral("#,##0.00"), value);
}

double SumOf(const TDataSet& rows, const QString& field) {
    const int index = rows.fieldByName(field)->index();
    long double sum = 0;
    for (int row = 0; row < rows.recordCount(); ++row)
        sum += (*rows.recordValues(row))[size_t(index)].toDouble();
    return double(sum);
}
