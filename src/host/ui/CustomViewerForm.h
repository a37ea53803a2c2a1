#pragma once

#include <QKeySequence>
#include <QList>
#include <QStyle>
#include <QWidget>

class DataSetTableModel;
class QAction;
class QMenu;
class QModelIndex;
class QTableView;
class QToolBar;

// The frame of a snap-in's viewer: a toolbar over a grid, the frame's
// actions (which the host also shows in its menu), the grid's context menu
// and the host's column-visibility command.
class TCustomViewerForm : public QWidget {
    Q_OBJECT
public:
    explicit TCustomViewerForm(QWidget* parent = nullptr);
    ~TCustomViewerForm() override;

    QToolBar* ActionTB;
    QTableView* DBG;
    // The frame's commands in menu order; separators are actions too.
    QList<QAction*> ActionList;
    QMenu* PopupMenu;
    QAction* ColumnsVisibility;

    // Shows the model's dataset in the grid and keeps the grid's current row
    // and the dataset's current record together.
    void BindGrid(DataSetTableModel* model);
    DataSetTableModel* GridModel() const { return model_; }

    // Re-evaluates which commands are enabled; derived frames decide.
    virtual void UpdateActions() {}

protected:
    // An action owned by the frame, named for lookups and tests.
    QAction* NewAction(const QString& name, const QString& caption, const QKeySequence& shortcut = {},
                       QStyle::StandardPixmap icon = QStyle::SP_CustomBase);
    QAction* NewSeparator();

protected slots:
    // The host's part of a double click on a data row: it makes that row
    // current. Derived frames add their command after calling it.
    virtual void DBGDblClick(const QModelIndex& index);

private:
    void showColumnsMenu();

    DataSetTableModel* model_ = nullptr;
};
