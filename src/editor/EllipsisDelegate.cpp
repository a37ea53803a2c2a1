#include "EllipsisDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QToolTip>

EllipsisDelegate::EllipsisDelegate(std::function<bool()> available, const QString& toolTip, QObject* parent)
    : QStyledItemDelegate(parent), available_(std::move(available)), toolTip_(toolTip) {}

QRect EllipsisDelegate::ButtonRect(const QRect& cell) {
    const int width = std::min(cell.height() + 2, cell.width() / 2);
    return QRect(cell.right() - width + 1, cell.top(), width, cell.height());
}

void EllipsisDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (!available_() || !(option.state & QStyle::State_HasFocus)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The value keeps its whole width beside the button, not under it.
    QStyleOptionViewItem value = option;
    value.rect.setRight(ButtonRect(option.rect).left() - 1);
    QStyledItemDelegate::paint(painter, value, index);
    QStyleOptionButton button;
    button.rect = ButtonRect(option.rect);
    button.text = QStringLiteral("...");
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, widget);
}

bool EllipsisDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) {
    if (available_()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && ButtonRect(option.rect).contains(mouse->position().toPoint())) {
                emit clicked(index);
                return true;
            }
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

bool EllipsisDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) {
    // The button is drawn on the current cell only; so is its tooltip.
    if (event->type() == QEvent::ToolTip && available_() && !toolTip_.isEmpty() && view
        && index == view->currentIndex() && ButtonRect(option.rect).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), toolTip_, view->viewport(), ButtonRect(option.rect));
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
