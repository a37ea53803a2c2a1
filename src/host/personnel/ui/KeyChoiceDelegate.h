#pragma once

#include <QList>
#include <QPair>
#include <QStyledItemDelegate>

#include <functional>

// Edits a reference column of a grid by choosing among named rows; the
// model receives the chosen row's key.
class KeyChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using Choices = QList<QPair<QString, qlonglong>>;  // caption, key

    explicit KeyChoiceDelegate(std::function<Choices(const QModelIndex&)> choices, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), choices_(std::move(choices)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    std::function<Choices(const QModelIndex&)> choices_;
};
