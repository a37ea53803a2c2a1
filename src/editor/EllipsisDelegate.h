#pragma once

#include <QStyledItemDelegate>

#include <functional>

// A grid column with a "..." button at the right of its current cell (a
// data grid's ellipsis button). A click on it runs the column's action (the
// editor gives Ctrl+Enter the same effect); `available` says whether the buttons are shown
// at all (they are not on a posted document); `toolTip` says what the button opens.
class EllipsisDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    EllipsisDelegate(std::function<bool()> available, const QString& toolTip, QObject* parent);

    const QString& toolTip() const { return toolTip_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    static QRect ButtonRect(const QRect& cell);

signals:
    void clicked(const QModelIndex& index);

private:
    std::function<bool()> available_;
    QString toolTip_;
};
