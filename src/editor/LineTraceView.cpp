#include "LineTraceView.h"

#include "LineTrace.h"
#include "TraceSet.h"
#include "db/DataSetTableModel.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

TLineTraceView::TLineTraceView(TSalaryDM& dm, QWidget* parent) : QWidget(parent), dm_(dm) {
    setObjectName(QStringLiteral("LineTraceView"));
    FillTraceSet(TCalcTrace(), steps_);
    model_ = new DataSetTableModel(&steps_, {QStringLiteral("title"), QStringLiteral("result"), QStringLiteral("rule"),
                                             QStringLiteral("inputs")},
                                   this);
    model_->setReadOnly(true);
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("LineTraceGrid"));
    Grid->setModel(model_);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setWordWrap(false);
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 6);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Grid);
}

void TLineTraceView::Refresh() {
    FillTraceSet(ExplainLine(dm_), steps_);
    Grid->resizeColumnsToContents();
    Grid->setColumnWidth(0, std::min(Grid->columnWidth(0), 330));
    Grid->setColumnWidth(2, std::min(Grid->columnWidth(2), 400));
}
