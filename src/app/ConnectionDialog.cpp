#include "ConnectionDialog.h"

#include "DialogButtons.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/DbUrl.h"
#include "db/DefaultDatabase.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

TConnectionDialog::TConnectionDialog(const QString& currentUrl, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ConnectionDialog"));
    setWindowTitle(tr("Baza podataka"));

    auto* intro = new QLabel(tr("Izaberite gde program čuva podatke o zaradama."), this);
    intro->setWordWrap(true);

    EmbeddedRB = new QRadioButton(tr("&Ugrađena baza (datoteka na ovom računaru)"), this);
    EmbeddedRB->setObjectName(QStringLiteral("EmbeddedRB"));
    FileE = new QLineEdit(this);
    FileE->setObjectName(QStringLiteral("FileE"));
    BrowseB = new QToolButton(this);
    BrowseB->setText(QStringLiteral("…"));
    BrowseB->setToolTip(tr("Izbor datoteke"));
    auto* fileRow = new QHBoxLayout;
    fileRow->setContentsMargins(24, 0, 0, 0);
    fileRow->addWidget(FileE, 1);
    fileRow->addWidget(BrowseB);

    ServerRB = new QRadioButton(tr("&MySQL/MariaDB server (zajednička baza više računara)"), this);
    ServerRB->setObjectName(QStringLiteral("ServerRB"));
    auto* choice = new QButtonGroup(this);
    choice->addButton(EmbeddedRB);
    choice->addButton(ServerRB);

    serverBox_ = new QGroupBox(this);
    HostE = new QLineEdit(QStringLiteral("localhost"), serverBox_);
    HostE->setObjectName(QStringLiteral("HostE"));
    PortSE = new QSpinBox(serverBox_);
    PortSE->setObjectName(QStringLiteral("PortSE"));
    PortSE->setRange(1, 65535);
    PortSE->setValue(3306);
    DatabaseE = new QLineEdit(QStringLiteral("zarade"), serverBox_);
    DatabaseE->setObjectName(QStringLiteral("DatabaseE"));
    UserE = new QLineEdit(serverBox_);
    UserE->setObjectName(QStringLiteral("UserE"));
    PasswordE = new QLineEdit(serverBox_);
    PasswordE->setObjectName(QStringLiteral("PasswordE"));
    PasswordE->setEchoMode(QLineEdit::Password);
    SslCB = new QCheckBox(tr("Šifrovana &veza (TLS) - obavezna kada server nije na ovom računaru"), serverBox_);
    SslCB->setObjectName(QStringLiteral("SslCB"));
    auto* serverForm = new QFormLayout(serverBox_);
    serverForm->addRow(tr("Server:"), HostE);
    serverForm->addRow(tr("Port:"), PortSE);
    serverForm->addRow(tr("Baza:"), DatabaseE);
    serverForm->addRow(tr("Korisnik:"), UserE);
    serverForm->addRow(tr("Lozinka:"), PasswordE);
    serverForm->addRow(QString(), SslCB);

    TestButton = new QPushButton(tr("&Proveri vezu"), this);
    TestButton->setObjectName(QStringLiteral("TestButton"));
    ResultL = new QLabel(this);
    ResultL->setObjectName(QStringLiteral("ResultL"));
    ResultL->setWordWrap(true);
    ResultL->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const TOkCancelButtons buttons = MakeOkCancelButtons(this);
    OKButton = buttons.ok;
    CancelButton = buttons.cancel;
    buttons.row->insertWidget(0, TestButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(EmbeddedRB);
    layout->addLayout(fileRow);
    layout->addSpacing(6);
    layout->addWidget(ServerRB);
    layout->addWidget(serverBox_);
    layout->addWidget(ResultL);
    layout->addStretch(1);
    layout->addLayout(buttons.row);

    connect(EmbeddedRB, &QRadioButton::toggled, this, &TConnectionDialog::updateEnabled);
    connect(BrowseB, &QToolButton::clicked, this, &TConnectionDialog::browse);
    connect(TestButton, &QPushButton::clicked, this, &TConnectionDialog::TestConnection);
    connect(OKButton, &QPushButton::clicked, this, &TConnectionDialog::accept);

    showUrl(currentUrl.isEmpty() ? DefaultDatabaseUrl() : currentUrl);
    setMinimumWidth(520);
}

TConnectionDialog::~TConnectionDialog() = default;

void TConnectionDialog::showUrl(const QString& text) {
    const auto url = DbUrl::parse(text);
    FileE->setText(DefaultDatabasePath());
    if (url && url->dialect == SqlDialect::MySQL) {
        ServerRB->setChecked(true);
        HostE->setText(url->host);
        PortSE->setValue(url->port);
        DatabaseE->setText(url->database);
        UserE->setText(url->user);
        PasswordE->setText(url->password);
        SslCB->setChecked(url->ssl);
        // Certificate files are kept as the address names them.
        tlsFiles_ = *url;
    } else {
        EmbeddedRB->setChecked(true);
        if (url)
            FileE->setText(url->path);
    }
    updateEnabled();
}

void TConnectionDialog::updateEnabled() {
    const bool embedded = EmbeddedRB->isChecked();
    FileE->setEnabled(embedded);
    BrowseB->setEnabled(embedded);
    serverBox_->setEnabled(!embedded);
    ResultL->clear();
}

void TConnectionDialog::browse() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Datoteka baze podataka"), FileE->text(),
                                                      tr("Baza podataka (*.db);;Sve datoteke (*)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty())
        FileE->setText(path);
}

QString TConnectionDialog::Url() const {
    DbUrl url;
    if (EmbeddedRB->isChecked()) {
        url.dialect = SqlDialect::SQLite;
        url.path = FileE->text().trimmed();
    } else {
        url.dialect = SqlDialect::MySQL;
        url.host = HostE->text().trimmed();
        url.port = PortSE->value();
        url.database = DatabaseE->text().trimmed();
        url.user = UserE->text().trimmed();
        url.password = PasswordE->text();
        url.ssl = SslCB->isChecked();
        if (url.ssl) {
            url.sslCa = tlsFiles_.sslCa;
            url.sslCert = tlsFiles_.sslCert;
            url.sslKey = tlsFiles_.sslKey;
        }
    }
    return url.toString();
}

bool TConnectionDialog::TestConnection() {
    QString error;
    const auto url = DbUrl::parse(Url(), &error);
    if (url) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        try {
            Connection connection;
            connection.open(*url);
        } catch (const EDatabaseError& failure) {
            error = failure.message();
        }
        QApplication::restoreOverrideCursor();
    }
    if (error.isEmpty()) {
        ResultL->setStyleSheet(QStringLiteral("color: #1b5e20;"));
        ResultL->setText(tr("Veza je uspešno uspostavljena."));
        return true;
    }
    ResultL->setStyleSheet(QStringLiteral("color: #b71c1c;"));
    ResultL->setText(error);
    return false;
}

void TConnectionDialog::accept() {
    if (TestConnection())
        QDialog::accept();
}
