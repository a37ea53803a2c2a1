#include "CustomNavigatorForm.h"

#include "Messages.h"
#include "db/Field.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString DateShown = QStringLiteral("dd.MM.yyyy.");

// The line edit that holds a row's value, whatever editor the row has.
QLineEdit* lineOf(QWidget* editor) {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        return line;
    return editor ? editor->findChild<QLineEdit*>() : nullptr;
}

}  // namespace

TCustomNavigatorForm::TCustomNavigatorForm(IMessages& messages, QWidget* parent)
    : QWidget(parent), messages_(messages) {
    auto* title = new QLabel(tr("Pretraga"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    SearchEditor = new QTableWidget(0, 2, this);
    SearchEditor->setObjectName(QStringLiteral("SearchEditor"));
    SearchEditor->setHorizontalHeaderLabels({tr("Polje"), tr("Vrednost")});
    SearchEditor->verticalHeader()->hide();
    SearchEditor->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    SearchEditor->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    SearchEditor->setSelectionMode(QAbstractItemView::NoSelection);
    SearchEditor->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SearchEditor->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 12);

    FindButton = new QPushButton(tr("&Traži"), this);
    FindButton->setObjectName(QStringLiteral("FindButton"));
    connect(FindButton, &QPushButton::clicked, this, &TCustomNavigatorForm::FindButtonClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(FindButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(title);
    layout->addWidget(SearchEditor, 1);
    layout->addLayout(buttons);
}

TCustomNavigatorForm::~TCustomNavigatorForm() = default;

void TCustomNavigatorForm::SetSearchProps(const QList<TSearchProp>& props) {
    props_ = props;
    SearchEditor->setRowCount(0);
    SearchEditor->setRowCount(int(props.size()));
    for (int row = 0; row < props.size(); ++row) {
        auto* caption = new QTableWidgetItem(props[row].caption);
        caption->setData(Qt::UserRole, props[row].key);
        caption->setFlags(Qt::ItemIsEnabled);
        SearchEditor->setItem(row, 0, caption);
        SearchEditor->setCellWidget(row, 1, valueEditor(props[row]));
    }
}

QWidget* TCustomNavigatorForm::valueEditor(const TSearchProp& prop) {
    switch (prop.input) {
    case TSearchInput::PickList: {
        auto* combo = new QComboBox;
        combo->addItem(QString());  // no value: the key does not take part
        combo->addItems(prop.picks);
        combo->setObjectName(prop.key);
        return combo;
    }
    case TSearchInput::Date: {
        // Dates are typed as the list shows them or chosen in the calendar;
        // a readable one is rewritten in the list's form, so the user sees
        // how it was read (the module refuses one that cannot be read).
        auto* box = new QWidget;
        box->setObjectName(prop.key);
        auto* line = new QLineEdit(box);
        line->setPlaceholderText(tr("dd.mm.gggg."));
        connect(line, &QLineEdit::editingFinished, line, [line] {
            const QDate date = ParseDateText(line->text());
            if (date.isValid())
                line->setText(date.toString(DateShown));
        });
        auto* ellipsis = new QToolButton(box);
        ellipsis->setObjectName(prop.key + QStringLiteral("Button"));
        ellipsis->setText(QStringLiteral("..."));
        ellipsis->setToolTip(tr("Izbor datuma"));
        connect(ellipsis, &QToolButton::clicked, this, [this, line] {
            QDate date = ParseDateText(line->text());
            if (!date.isValid())
                date = QDate::currentDate();
            if (messages_.getDate(date))
                line->setText(date.toString(DateShown));
        });
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(2);
        row->addWidget(line, 1);
        row->addWidget(ellipsis);
        return box;
    }
    case TSearchInput::Text:
        break;
    }
    auto* line = new QLineEdit;
    line->setObjectName(prop.key);
    return line;
}

int TCustomNavigatorForm::rowOf(const QString& key) const {
    for (int row = 0; row < props_.size(); ++row)
        if (props_[row].key == key)
            return row;
    return -1;
}

QString TCustomNavigatorForm::SearchValue(const QString& key) const {
    const int row = rowOf(key);
    if (row < 0)
        return {};
    QWidget* editor = SearchEditor->cellWidget(row, 1);
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        return combo->currentText();
    QLineEdit* line = lineOf(editor);
    return line ? line->text().trimmed() : QString();
}

void TCustomNavigatorForm::SetSearchValue(const QString& key, const QString& value) {
    const int row = rowOf(key);
    if (row < 0)
        return;
    QWidget* editor = SearchEditor->cellWidget(row, 1);
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(std::max(0, combo->findText(value)));
    else if (QLineEdit* line = lineOf(editor))
        line->setText(value);
}

void TCustomNavigatorForm::ClearSearchValues() {
    for (const TSearchProp& prop : props_)
        SetSearchValue(prop.key, QString());
}

void TCustomNavigatorForm::FindButtonClick() {
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
}
