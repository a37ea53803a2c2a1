#include "WidgetMessages.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <utility>

#include "HostResourceStrings.h"

namespace {

QString okCaption()
{
    return WidgetMessages::tr("U redu");
}

QString cancelCaption()
{
    return WidgetMessages::tr("Otkaži");
}

// How a message of each kind looks: window title and icon.
struct KindLook {
    QString title;
    QMessageBox::Icon boxIcon;
    QStyle::StandardPixmap styleIcon;
};

KindLook look(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information:
        return {WidgetMessages::tr("Obaveštenje"), QMessageBox::Information,
                QStyle::SP_MessageBoxInformation};
    case MessageKind::Warning:
        return {WidgetMessages::tr("Upozorenje"), QMessageBox::Warning, QStyle::SP_MessageBoxWarning};
    case MessageKind::Error:
        return {WidgetMessages::tr("Greška"), QMessageBox::Critical, QStyle::SP_MessageBoxCritical};
    case MessageKind::Question:
        break;
    }
    return {WidgetMessages::tr("Pitanje"), QMessageBox::Question, QStyle::SP_MessageBoxQuestion};
}

// QMessageBox's own button texts follow the Qt translation installed, if any;
// these are the texts the application always shows.
void setButtonCaptions(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Yes, QString::fromUtf8(_YES_CAP)},
        {QMessageBox::No, QString::fromUtf8(_NO_CAP)},
        {QMessageBox::Cancel, cancelCaption()},
        {QMessageBox::Ok, okCaption()},
    };
    for (const auto& [button, caption] : captions) {
        if (QAbstractButton* shown = box.button(button))
            shown->setText(caption);
    }
}

void setButtonCaptions(QDialogButtonBox& box)
{
    if (QPushButton* ok = box.button(QDialogButtonBox::Ok))
        ok->setText(okCaption());
    if (QPushButton* cancel = box.button(QDialogButtonBox::Cancel))
        cancel->setText(cancelCaption());
}

QMessageBox::StandardButton showBox(QWidget* parent, MessageKind kind, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton)
{
    const KindLook shownAs = look(kind);
    QMessageBox box(shownAs.boxIcon, shownAs.title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    setButtonCaptions(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void WidgetMessages::error(const QString& text)
{
    showBox(m_parent, MessageKind::Error, text, QMessageBox::Ok, QMessageBox::Ok);
}

void WidgetMessages::warning(const QString& text)
{
    showBox(m_parent, MessageKind::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void WidgetMessages::information(const QString& text)
{
    showBox(m_parent, MessageKind::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool WidgetMessages::confirm(const QString& text)
{
    return showBox(m_parent, MessageKind::Question, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Yes) == QMessageBox::Yes;
}

DialogAnswer WidgetMessages::confirmCancel(const QString& text)
{
    switch (showBox(m_parent, MessageKind::Question, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return DialogAnswer::Yes;
    case QMessageBox::No:
        return DialogAnswer::No;
    default:
        return DialogAnswer::Cancel;
    }
}

bool WidgetMessages::inputLine(const QString& caption, const QString& prompt, QString& value)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(okCaption());
    dialog.setCancelButtonText(cancelCaption());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

bool WidgetMessages::getDate(QDate& date)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(tr("Datum"));
    auto* calendar = new QCalendarWidget(&dialog);
    calendar->setSelectedDate(date.isValid() ? date : QDate::currentDate());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    setButtonCaptions(*buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(calendar);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    date = calendar->selectedDate();
    return true;
}

bool WidgetMessages::getFileName(FileDialogKind kind, const QString& caption,
                                 const QString& filter, QString& fileName)
{
    const QString chosen =
        kind == FileDialogKind::Open
            ? QFileDialog::getOpenFileName(m_parent, caption, fileName, filter)
            : QFileDialog::getSaveFileName(m_parent, caption, fileName, filter);
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    return true;
}

// A dialog with a list rather than QMessageBox's detailed text: the lines are
// the point of the message, and the "Show Details..." button is not translated.
void WidgetMessages::messageStrings(const QString& text, MessageKind kind,
                                    const QStringList& lines)
{
    QDialog dialog(m_parent);
    const KindLook shownAs = look(kind);
    dialog.setWindowTitle(shownAs.title);
    auto* iconLabel = new QLabel(&dialog);
    const int iconSize = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    iconLabel->setPixmap(dialog.style()->standardIcon(shownAs.styleIcon).pixmap(iconSize, iconSize));
    auto* textLabel = new QLabel(text, &dialog);
    textLabel->setWordWrap(true);
    auto* list = new QListWidget(&dialog);
    list->addItems(lines);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    setButtonCaptions(*buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);

    auto* header = new QHBoxLayout;
    header->addWidget(iconLabel, 0, Qt::AlignTop);
    header->addWidget(textLabel, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(header);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.exec();
}

int WidgetMessages::changeOptions(const QString& text)
{
    QMessageBox box(QMessageBox::Question, look(MessageKind::Question).title, text,
                    QMessageBox::NoButton, m_parent);
    QPushButton* change = box.addButton(tr("Promeni"), QMessageBox::AcceptRole);
    QPushButton* remove = box.addButton(tr("Ukloni"), QMessageBox::DestructiveRole);
    box.addButton(cancelCaption(), QMessageBox::RejectRole);
    box.setDefaultButton(change);
    box.exec();
    if (box.clickedButton() == change)
        return ChangeOption::Change;
    if (box.clickedButton() == remove)
        return ChangeOption::Remove;
    return ChangeOption::Nothing;
}
