#include "ModuleLibrary.h"
#include "QStringPrinter.h"
#include "ScriptedMessages.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

class BareConsole : public IConsole {
public:
    IModule* FindModule(const QString&) override { return nullptr; }
    void SetViewerGrid(QTableView*) override {}
    IMessages& Messages() override { return messages; }
    QWidget* MainWindow() override { return nullptr; }
    ScriptedMessages messages;
};

}  // namespace

TEST(ModuleLibrary, LoadsThePayrollModuleFromItsSharedLibraryAgainAndAgain) {
    for (int round = 0; round < 2; ++round) {
        TModuleLibrary library;
        QString error;
        ASSERT_TRUE(library.Load(QStringLiteral(ZARADE_TEST_MODULE), &error)) << error.toStdString();
        ASSERT_TRUE(library.IsLoaded());
        BareConsole console;
        ISnapin* snapin = library.Factory()->CreateSnapin(console);
        ASSERT_NE(nullptr, snapin);
        EXPECT_NE(nullptr, snapin->GetViewer());
        library.Unload();
        EXPECT_FALSE(library.IsLoaded());
    }
}

TEST(ModuleLibrary, AMissingOrForeignLibraryIsReportedAndNothingStaysLoaded) {
    TModuleLibrary library;
    QString error;
    EXPECT_FALSE(library.Load(QStringLiteral("/nonexistent/zarade_salary.so"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("ne postoji"))) << error.toStdString();
    EXPECT_FALSE(library.IsLoaded());

    // A real shared library, but not one of the program's modules.
    EXPECT_FALSE(library.Load(QStringLiteral(ZARADE_TEST_NOT_A_MODULE), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("GetSnapinFactory"))) << error.toStdString();
    EXPECT_FALSE(library.IsLoaded());

    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("zarade_salary.so"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an ELF file");
    file.close();
    EXPECT_FALSE(library.Load(broken, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("ne može da se učita"))) << error.toStdString();
}

TEST(ModuleLibrary, IsLookedForInTheConfiguredFoldersFirst) {
    QTemporaryDir empty;
    const QString buildDir = QFileInfo(QStringLiteral(ZARADE_TEST_MODULE)).absolutePath();
    EXPECT_EQ(QString(), FindModuleFile(SalaryModuleFileName(), {empty.path()}));
    EXPECT_EQ(QDir::cleanPath(QStringLiteral(ZARADE_TEST_MODULE)),
              FindModuleFile(SalaryModuleFileName(), {empty.path(), buildDir}));

    qputenv("ZARADE_PLUGIN_DIR", empty.path().toLocal8Bit());
    EXPECT_EQ(empty.path(), ModuleSearchDirs().value(0));
    qunsetenv("ZARADE_PLUGIN_DIR");
    EXPECT_TRUE(ModuleSearchDirs().contains(buildDir)) << "the build tree's modules are found";
}
