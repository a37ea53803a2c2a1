#include "ItemsGridSupport.h"

#include "Messages.h"
#include "ReportError.h"
#include "db/DataSet.h"
#include "db/DataSetTableModel.h"
#include "db/DbError.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QWheelEvent>

bool RunGuarded(IMessages& messages, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const EAbort&) {
    } catch (const EDatabaseError& error) {
        messages.error(error.message());
    } catch (const EReportError& error) {
        messages.error(error.message());
    }
    return false;
}

QPushButton* ActionButton(QAction* action, QWidget* owner) {
    auto* button = new QPushButton(action->text(), owner);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button, [button, action] {
        button->setEnabled(action->isEnabled());
        button->setText(action->text());
    });
    return button;
}

TActionButtonRow OkCancelApplyRow(QWidget* owner, QAction* ok, QAction* cancel, QAction* apply) {
    TActionButtonRow buttons{ActionButton(ok, owner), ActionButton(cancel, owner), ActionButton(apply, owner),
                             new QHBoxLayout};
    buttons.ok->setObjectName(QStringLiteral("OKButton"));
    buttons.cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons.apply->setObjectName(QStringLiteral("ApplyButton"));
    buttons.ok->setDefault(true);
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.ok);
    buttons.row->addWidget(buttons.cancel);
    buttons.row->addWidget(buttons.apply);
    return buttons;
}

void BindItemsGrid(QTableView* grid, DataSetTableModel* model, TDataSet& items, IMessages& messages,
                   const GuardedRun& run) {
    new WheelMovesOneRow(grid);
    FollowItemsCursor(grid, items, run);
    QObject::connect(model, &DataSetTableModel::editRefused, grid,
                     [&messages](const QString& text) { messages.error(text); });
}

QToolBar* NewItemsNavigator(QWidget* owner, TDataSet& items, const GuardedRun& run) {
    auto* navigator = new QToolBar(owner);
    navigator->setObjectName(QStringLiteral("Navigator"));
    const auto add = [&](QStyle::StandardPixmap icon, const QString& tip, std::function<void()> operation) {
        QAction* action = navigator->addAction(owner->style()->standardIcon(icon), tip);
        QObject::connect(action, &QAction::triggered, navigator, [run, operation] { run(operation); });
    };
    TDataSet* ds = &items;
    add(QStyle::SP_MediaSkipBackward, QObject::tr("Prvi"), [ds] { ds->first(); });
    add(QStyle::SP_MediaSeekBackward, QObject::tr("Prethodni"), [ds] { ds->prior(); });
    add(QStyle::SP_MediaSeekForward, QObject::tr("Sledeći"), [ds] { ds->next(); });
    add(QStyle::SP_MediaSkipForward, QObject::tr("Poslednji"), [ds] { ds->last(); });
    add(QStyle::SP_FileDialogNewFolder, QObject::tr("Dodaj"), [ds] { ds->append(); });
    // No confirmation: the set is not stored until it is applied.
    add(QStyle::SP_TrashIcon, QObject::tr("Izbriši"), [ds] { ds->remove(); });
    add(QStyle::SP_DialogApplyButton, QObject::tr("Upiši"), [ds] { ds->post(); });
    add(QStyle::SP_DialogCancelButton, QObject::tr("Poništi"), [ds] { ds->cancel(); });
    return navigator;
}

void FollowItemsCursor(QTableView* grid, TDataSet& items, const GuardedRun& run) {
    TDataSet* ds = &items;
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, grid,
                     [ds, run](const QModelIndex& current) {
                         if (current.isValid() && current.row() != ds->currentIndex())
                             run([ds, row = current.row()] { ds->setCurrentIndex(row); });
                     });
    const auto show = [grid, ds] {
        const int row = ds->currentIndex();
        QAbstractItemModel* model = grid->model();
        if (row >= 0 && row < model->rowCount() && grid->currentIndex().row() != row)
            grid->setCurrentIndex(model->index(row, std::max(0, grid->currentIndex().column())));
    };
    QObject::connect(ds, &TDataSet::currentRowChanged, grid, show);
    QObject::connect(grid->model(), &QAbstractItemModel::modelReset, grid, show);
}

WheelMovesOneRow::WheelMovesOneRow(QTableView* grid) : QObject(grid), grid_(grid) {
    grid->viewport()->installEventFilter(this);
}

bool WheelMovesOneRow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (delta != 0) {
        QKeyEvent key(QEvent::KeyPress, delta > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(grid_, &key);
    }
    return true;
}

PickListDelegate::PickListDelegate(QStringList picks, QString (*toStored)(const QString&), QObject* parent)
    : QStyledItemDelegate(parent), picks_(std::move(picks)), toStored_(toStored) {}

QWidget* PickListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* combo = new QComboBox(parent);
    combo->addItems(picks_);
    return combo;
}

void PickListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QComboBox*>(editor)->setCurrentText(index.data(Qt::DisplayRole).toString());
}

void PickListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    model->setData(index, toStored_(static_cast<QComboBox*>(editor)->currentText()));
}

DateEllipsisDelegate::DateEllipsisDelegate(IMessages& messages, QObject* parent)
    : QStyledItemDelegate(parent), messages_(messages) {}

QWidget* DateEllipsisDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* editor = new QWidget(parent);
    editor->setAutoFillBackground(true);
    auto* text = new QLineEdit(editor);
    auto* ellipsis = new QToolButton(editor);
    ellipsis->setText(QStringLiteral("..."));
    auto* layout = new QHBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(text, 1);
    layout->addWidget(ellipsis);
    editor->setFocusProxy(text);
    IMessages* messages = &messages_;
    QObject::connect(ellipsis, &QToolButton::clicked, editor, [messages, text] {
        QDate date = QDate::currentDate();
        if (messages->getDate(date))
            text->setText(date.toString(Qt::ISODate));
    });
    return editor;
}

void DateEllipsisDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    editor->findChild<QLineEdit*>()->setText(index.data(Qt::EditRole).toString());
}

void DateEllipsisDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    model->setData(index, editor->findChild<QLineEdit*>()->text());
}
