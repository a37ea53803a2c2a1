#pragma once

#include <QObject>
#include <QStringList>
#include <QStyledItemDelegate>

#include <functional>

class DataSetTableModel;
class IMessages;
class QAction;
class QHBoxLayout;
class QPushButton;
class QTableView;
class QToolBar;
class QWidget;
class TDataSet;

// Runs a dataset operation; false when it was refused (the user has been told).
using GuardedRun = std::function<bool(const std::function<void()>&)>;

// Runs the operation; a refusal by the database is shown, a silent abort is not.
bool RunGuarded(IMessages& messages, const std::function<void()>& operation);

// A button that triggers the action and follows its text and enabled state.
QPushButton* ActionButton(QAction* action, QWidget* owner);

// "U redu" (the default button), "Otkaži" and "Primeni" of a form whose
// commands are actions, on the right of one row; other buttons of the row
// go before the stretch at its start.
struct TActionButtonRow {
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* apply;
    QHBoxLayout* row;
};
TActionButtonRow OkCancelApplyRow(QWidget* owner, QAction* ok, QAction* cancel, QAction* apply);

// The navigator of an item grid: first, prior, next, last, insert, delete, post, cancel.
QToolBar* NewItemsNavigator(QWidget* owner, TDataSet& items, const GuardedRun& run);

// Keeps the grid's current row and the dataset's current record together.
void FollowItemsCursor(QTableView* grid, TDataSet& items, const GuardedRun& run);

// Makes `grid`, showing `model` over `items`, the item grid of a form: the
// wheel moves one row, the grid's row and the current record go together,
// and a value a field refuses is shown as an error.
void BindItemsGrid(QTableView* grid, DataSetTableModel* model, TDataSet& items, IMessages& messages,
                   const GuardedRun& run);

// The mouse wheel over the grid moves one row, as the arrow keys do.
class WheelMovesOneRow : public QObject {
public:
    explicit WheelMovesOneRow(QTableView* grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* grid_;
};

// A column chosen from fixed texts; the stored value is what `toStored` makes of the text.
class PickListDelegate : public QStyledItemDelegate {
public:
    PickListDelegate(QStringList picks, QString (*toStored)(const QString&), QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QStringList picks_;
    QString (*toStored_)(const QString&);
};

// A date cell with an ellipsis button: the date dialog, preset to today,
// writes the chosen date into the cell.
class DateEllipsisDelegate : public QStyledItemDelegate {
public:
    DateEllipsisDelegate(IMessages& messages, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    IMessages& messages_;
};
