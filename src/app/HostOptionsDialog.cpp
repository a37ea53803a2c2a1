#include "HostOptionsDialog.h"

#include "DialogButtons.h"
#include "Kinterfaces.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

THostOptionsDialog::THostOptionsDialog(const QString& databaseText, const std::vector<IOptionsPage*>& pages,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("HostOptionsDialog"));
    setWindowTitle(tr("Opcije"));
    PageControl = new QTabWidget(this);

    auto* hostPage = new QWidget;
    auto* databaseLabel = new QLabel(tr("Program radi sa bazom podataka:"), hostPage);
    auto* database = new QLabel(databaseText, hostPage);
    database->setTextInteractionFlags(Qt::TextSelectableByMouse);
    database->setWordWrap(true);
    QFont bold = database->font();
    bold.setBold(true);
    database->setFont(bold);
    DatabaseButton = new QPushButton(tr("&Baza podataka..."), hostPage);
    DatabaseButton->setObjectName(QStringLiteral("DatabaseButton"));
    connect(DatabaseButton, &QPushButton::clicked, this, &THostOptionsDialog::databaseChangeRequested);
    auto* hostLayout = new QVBoxLayout(hostPage);
    hostLayout->addWidget(databaseLabel);
    hostLayout->addWidget(database);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(DatabaseButton);
    buttonRow->addStretch(1);
    hostLayout->addLayout(buttonRow);
    hostLayout->addStretch(1);
    PageControl->addTab(hostPage, tr("Program"));

    for (IOptionsPage* page : pages) {
        QWidget* frame = page->CreateFrame();
        if (!frame)
            continue;
        pages_.emplace_back(page, frame);
        PageControl->addTab(frame, page->GetTabCaption());
    }
    if (!pages_.empty())
        PageControl->setCurrentIndex(1);

    const TOkCancelButtons buttons = MakeOkCancelButtons(this);
    OKButton = buttons.ok;
    CancelButton = buttons.cancel;
    connect(OKButton, &QPushButton::clicked, this, &THostOptionsDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttons.row);
}

THostOptionsDialog::~THostOptionsDialog() { releasePages(); }

void THostOptionsDialog::accept() {
    for (const auto& [page, frame] : pages_) {
        if (frame && !page->CheckValues()) {
            PageControl->setCurrentWidget(frame);
            return;
        }
    }
    for (const auto& [page, frame] : pages_)
        if (frame)
            page->Update();
    QDialog::accept();
}

void THostOptionsDialog::releasePages() {
    for (const auto& [page, frame] : pages_) {
        if (!frame)
            continue;
        PageControl->removeTab(PageControl->indexOf(frame));
        frame->setParent(nullptr);
        page->DestroyFrame();
    }
    pages_.clear();
}
