#include "AttendanceMonthDialog.h"

#include "AttendanceMonth.h"
#include "Messages.h"
#include "ReportedAction.h"
#include "db/DataSetTableModel.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

AttendanceMonthDialog::AttendanceMonthDialog(TAttendanceMonth& month, const QString& employee, IMessages& messages,
                                             QWidget* parent)
    : QDialog(parent), month_(month), messages_(messages), view_(new QTableView) {
    setWindowTitle(tr("Evidencija prisustva: %1").arg(employee));
    const QDate shown = month.Month().isValid() ? month.Month() : QDate::currentDate();
    YearSE = new QSpinBox;
    YearSE->setRange(2000, 2100);
    YearSE->setValue(shown.year());
    MonthCB = new QComboBox;
    for (int m = 1; m <= 12; ++m)
        MonthCB->addItem(QString::number(m));
    MonthCB->setCurrentIndex(shown.month() - 1);
    auto* period = new QHBoxLayout;
    period->addWidget(new QLabel(tr("Godina:")));
    period->addWidget(YearSE);
    period->addWidget(new QLabel(tr("Mesec:")));
    period->addWidget(MonthCB);
    period->addStretch();

    auto* model = new DataSetTableModel(&month.Days(), {}, this);
    view_->setModel(model);
    view_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    // Long kinds ("Sati bolov. preko 30 dana") wrap in narrow columns.
    view_->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    view_->horizontalHeader()->setMinimumHeight(4 * view_->fontMetrics().lineSpacing() + 8);
    view_->horizontalHeader()->setDefaultSectionSize(100);
    connect(model, &DataSetTableModel::editRefused, this, [this](const QString& text) { messages_.error(text); });

    auto* save = new QPushButton(tr("Sačuvaj"));
    save->setObjectName(QStringLiteral("SaveButton"));
    auto* close = new QPushButton(tr("Zatvori"));
    connect(save, &QPushButton::clicked, this, &AttendanceMonthDialog::Save);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    resize(1200, 700);

    connect(YearSE, &QSpinBox::valueChanged, this, &AttendanceMonthDialog::MonthChange);
    connect(MonthCB, &QComboBox::currentIndexChanged, this, &AttendanceMonthDialog::MonthChange);
    MonthChange();
    view_->setColumnWidth(0, 120);
}

bool AttendanceMonthDialog::settleUnsaved() {
    month_.Days().checkBrowseMode();
    if (!month_.Modified())
        return true;
    const DialogAnswer answer = messages_.confirmCancel(tr("Sati meseca nisu sačuvani. Da li da se sačuvaju?"));
    if (answer == DialogAnswer::Cancel)
        return false;
    return answer == DialogAnswer::No || Save();
}

void AttendanceMonthDialog::MonthChange() {
    const int year = YearSE->value();
    const int month = MonthCB->currentIndex() + 1;
    if (year == shownYear_ && month == shownMonth_)
        return;
    bool settled = true;
    if (shownYear_ != 0 && !RunReported(messages_, [&] { settled = settleUnsaved(); }))
        settled = false;
    if (!settled) {
        // Back to the month whose hours are still unsaved.
        const QSignalBlocker quietYear(YearSE), quietMonth(MonthCB);
        YearSE->setValue(shownYear_);
        MonthCB->setCurrentIndex(shownMonth_ - 1);
        return;
    }
    if (RunReported(messages_, [&] { month_.Open(month_.Employee(), year, month); })) {
        shownYear_ = year;
        shownMonth_ = month;
    }
}

bool AttendanceMonthDialog::Save() { return RunReported(messages_, [this] { month_.Save(); }); }

void AttendanceMonthDialog::done(int result) {
    bool settled = false;
    if (!RunReported(messages_, [&] { settled = settleUnsaved(); }) || !settled)
        return;
    QDialog::done(result);
}
