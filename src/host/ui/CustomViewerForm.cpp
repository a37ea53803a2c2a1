#include "CustomViewerForm.h"

#include "db/DataSet.h"
#include "db/DataSetTableModel.h"
#include "db/DbError.h"

#include <QAction>
#include <QCursor>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

TCustomViewerForm::TCustomViewerForm(QWidget* parent) : QWidget(parent) {
    ActionTB = new QToolBar(this);
    ActionTB->setObjectName(QStringLiteral("ActionTB"));
    ActionTB->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ActionTB->setIconSize(QSize(16, 16));

    DBG = new QTableView(this);
    DBG->setObjectName(QStringLiteral("DBG"));
    DBG->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBG->setSelectionMode(QAbstractItemView::SingleSelection);
    DBG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBG->setAlternatingRowColors(true);
    DBG->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    DBG->horizontalHeader()->setHighlightSections(false);
    DBG->setContextMenuPolicy(Qt::CustomContextMenu);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    ColumnsVisibility = NewAction(QStringLiteral("ColumnsVisibility"), tr("Kolone..."));
    ColumnsVisibility->setToolTip(tr("Izbor kolona koje se prikazuju u tabeli"));
    connect(ColumnsVisibility, &QAction::triggered, this, &TCustomViewerForm::showColumnsMenu);

    connect(DBG, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu->popup(DBG->viewport()->mapToGlobal(pos)); });
    connect(DBG, &QAbstractItemView::doubleClicked, this, &TCustomViewerForm::DBGDblClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ActionTB);
    layout->addWidget(DBG, 1);
}

TCustomViewerForm::~TCustomViewerForm() = default;

QAction* TCustomViewerForm::NewAction(const QString& name, const QString& caption, const QKeySequence& shortcut,
                                      QStyle::StandardPixmap icon) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // Active while the frame (or anything in it) has the focus, so two
        // frames in one window never compete for a key.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    if (icon != QStyle::SP_CustomBase)
        action->setIcon(style()->standardIcon(icon));
    return action;
}

QAction* TCustomViewerForm::NewSeparator() {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    return separator;
}

void TCustomViewerForm::BindGrid(DataSetTableModel* model) {
    model_ = model;
    DBG->setModel(model);
    TDataSet* dataSet = model->dataSet();
    auto syncing = std::make_shared<bool>(false);
    connect(DBG->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [dataSet, syncing](const QModelIndex& current) {
                if (*syncing || !current.isValid() || current.row() == dataSet->currentIndex())
                    return;
                *syncing = true;
                try {
                    dataSet->setCurrentIndex(current.row());
                } catch (const EAbort&) {
                } catch (const EDatabaseError&) {
                }
                *syncing = false;
            });
    const auto showCurrent = [this, dataSet, syncing] {
        if (*syncing || !DBG->model())
            return;
        *syncing = true;
        const int row = dataSet->currentIndex();
        if (row >= 0 && row < DBG->model()->rowCount())
            DBG->selectionModel()->setCurrentIndex(DBG->model()->index(row, std::max(0, DBG->currentIndex().column())),
                                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        *syncing = false;
    };
    connect(dataSet, &TDataSet::currentRowChanged, this, showCurrent);
    connect(model, &QAbstractItemModel::modelReset, this, showCurrent);
}

void TCustomViewerForm::DBGDblClick(const QModelIndex& index) {
    if (index.isValid())
        DBG->setCurrentIndex(index);
}

void TCustomViewerForm::showColumnsMenu() {
    QAbstractItemModel* model = DBG->model();
    if (!model || model->columnCount() == 0)
        return;
    QMenu menu(this);
    for (int column = 0; column < model->columnCount(); ++column) {
        QAction* entry = menu.addAction(model->headerData(column, Qt::Horizontal).toString());
        entry->setCheckable(true);
        entry->setChecked(!DBG->isColumnHidden(column));
        connect(entry, &QAction::toggled, DBG, [this, column](bool shown) { DBG->setColumnHidden(column, !shown); });
    }
    menu.exec(QCursor::pos());
}
