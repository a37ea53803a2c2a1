#include "KeyChoiceDelegate.h"

#include <QComboBox>

QWidget* KeyChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    auto* combo = new QComboBox(parent);
    for (const auto& [caption, key] : choices_(index))
        combo->addItem(caption, key);
    return combo;
}

void KeyChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    combo->setCurrentIndex(std::max(0, combo->findData(index.data(Qt::EditRole).toLongLong())));
}

void KeyChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    const auto* combo = static_cast<QComboBox*>(editor);
    model->setData(index, QString::number(combo->currentData().toLongLong()));
}
