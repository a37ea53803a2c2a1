#include "HostApp.h"

#include "ConnectionDialog.h"
#include "DatabasePasswords.h"
#include "DatabaseSettings.h"
#include "MainWindow.h"
#include "ModuleLibrary.h"
#include "PasswordPrompt.h"
#include "PasswordStore.h"
#include "PersonnelUi.h"
#include "SecurityModule.h"
#include "db/DefaultDatabase.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>

namespace {

// The first run asks where the data lives; a cancelled question uses the
// embedded file this time and asks again next time.
QString AskForDatabase(QSettings& settings, TDatabasePasswords& passwords) {
    TConnectionDialog dialog(DefaultDatabaseUrl());
    dialog.setWindowTitle(QObject::tr("Zarade - izbor baze podataka"));
    if (dialog.exec() != QDialog::Accepted)
        return DefaultDatabaseUrl();
    RememberDatabaseChoice(settings, passwords, dialog.Url());
    return dialog.Url();
}

}  // namespace

int RunHost(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Zarade"));
    QApplication::setApplicationName(QStringLiteral("Zarade"));
    QApplication::setApplicationVersion(QStringLiteral(ZARADE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QObject::tr("Obračun zarada"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption db(QStringLiteral("db"),
                                QObject::tr("Baza podataka: putanja do datoteke, sqlite:PUTANJA ili "
                                            "mysql://korisnik@server:port/baza[?ssl=1] (lozinku program pita)"),
                                QStringLiteral("URL"));
    const QCommandLineOption module(QStringLiteral("module"), QObject::tr("Datoteka modula zarada"),
                                    QStringLiteral("PUTANJA"));
    parser.addOption(db);
    parser.addOption(module);
    parser.process(app);

    TKeychainPasswordStore secrets(QStringLiteral("Zarade"));
    TMainWindow window;
    TDatabasePasswords passwords(secrets, [&window](const QString& displayUrl) {
        return AskDatabasePassword(&window, displayUrl);
    });
    QSettings settings;
    DatabaseUrlChoice choice = ChooseDatabaseUrl(parser.value(db), settings);
    if (choice.source == DatabaseUrlSource::Default)
        choice.url = AskForDatabase(settings, passwords);
    else if (const auto saved = DbUrl::parse(choice.url);
             choice.source == DatabaseUrlSource::Configuration && saved && !saved->password.isEmpty())
        RememberDatabaseChoice(settings, passwords, choice.url);  // an older version saved the password here

    TSecurityModule security(choice.url, window.Messages(), &passwords);
    window.SetSecurityModule(&security);
    const auto personnel = CreatePersonnelModule(&window, *security.DatabaseConnection(), window.Messages());
    window.RegisterModule(QString::fromLatin1(IID_IPersonnelModule), personnel.get());
    window.SetEmployeeRegister(
        [&] { OpenEmployeeRegister(&window, *security.DatabaseConnection(), window.Messages()); });
    window.show();

    QString modulePath = parser.value(module);
    if (modulePath.isEmpty()) {
        const QStringList dirs = ModuleSearchDirs();
        modulePath = FindModuleFile(SalaryModuleFileName(), dirs);
        if (modulePath.isEmpty())
            modulePath = QDir(dirs.constLast()).filePath(SalaryModuleFileName());
    }
    window.LoadModule(modulePath);

    const int code = app.exec();
    window.UnloadModule();
    return code;
}
