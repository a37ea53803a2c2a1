#include "CliRun.h"
#include "TestDatabase.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CliResult cli(const QStringList& args) { return RunCliCaptured(args); }

}  // namespace

TEST(Cli, InitCreatesTheSchemaAndOptionsPrintsTheDefaults) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    db.open(false);
    const CliResult init = cli({QStringLiteral("--db"), db.url(), QStringLiteral("init")});
    EXPECT_EQ(0, init.code) << init.err.toStdString();
    EXPECT_TRUE(db.connection().tableExists(QStringLiteral("salaryreportunifiedcollection")));
    EXPECT_TRUE(cli({QStringLiteral("--db"), db.url(), QStringLiteral("init")}).out.contains(QStringLiteral("već ažurna")));

    const CliResult options = cli({QStringLiteral("--db=") + db.url(), QStringLiteral("options")});
    EXPECT_EQ(0, options.code) << options.err.toStdString();
    EXPECT_TRUE(options.out.contains(QStringLiteral("[Salary]\nRoundTaxes=ne\n")));
    EXPECT_TRUE(options.out.contains(QStringLiteral("NightWorkingCoef=26\n")));
    EXPECT_TRUE(options.out.contains(QStringLiteral("EmployerPensionInsuranceAccount=840-721314843-81\n")));
    EXPECT_TRUE(options.out.endsWith(QStringLiteral("[MailClient]\nOutlook=ne\n")));
}

TEST(Cli, ExplainsItselfAndFailsClearly) {
    const CliResult help = cli({QStringLiteral("--help")});
    EXPECT_EQ(0, help.code);
    EXPECT_TRUE(help.out.contains(QStringLiteral("init")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("options")));

    EXPECT_NE(0, cli({}).code);
    const CliResult unknown = cli({QStringLiteral("--db"), QStringLiteral("/tmp/x.db"), QStringLiteral("fly")});
    EXPECT_EQ(2, unknown.code);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("nepoznata komanda")));

    QTemporaryDir dir;
    const CliResult notReady = cli({QStringLiteral("--db"), dir.filePath(QStringLiteral("new.db")), QStringLiteral("options")});
    EXPECT_EQ(1, notReady.code);
    EXPECT_TRUE(notReady.err.contains(QStringLiteral("init")));

    const CliResult badUrl = cli({QStringLiteral("--db"), QStringLiteral("mysql://nobody"), QStringLiteral("init")});
    EXPECT_EQ(1, badUrl.code);
    EXPECT_TRUE(badUrl.err.startsWith(QStringLiteral("Greška:")));
}
