#include "EditorFixture.h"

#include "DBIniFile.h"
#include "ReportEngine.h"
#include "SalaryOptions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

// The editor's payment orders and e-banking files: shown and working, each
// on the stored document; Pexim stays out of sight.

namespace {

struct DetailErrands : EditorFixture {
    QTemporaryDir dir;
    QAction* entry(const char* name) { return form->PrintMenu->findChild<QAction*>(QLatin1String(name)); }
};

TEST_F(DetailErrands, OrdersPrintAndFilesAreWrittenFromTheStoredDocument) {
    const char* const accounts[][2] = {{"001", "160-0000000001001-80"}, {"002", "205-0000000002002-96"},
                                       {"003", "170-0000000003003-26"}};
    for (const auto& [code, account] : accounts)
        c->exec(QStringLiteral("UPDATE employee SET account = ? WHERE code = ?"),
                {QLatin1String(account), QLatin1String(code)});
    OpenWithAllEmployees();
    for (const char* name : {"SalaryPaymentErrandsEntire", "SalaryPaymentErrandsTextMode", "SalaryEBankExportSaga",
                             "SalaryEBankExportHalcom"}) {
        ASSERT_NE(nullptr, entry(name)) << name;
        EXPECT_TRUE(entry(name)->isVisible() && entry(name)->isEnabled()) << name;
        EXPECT_TRUE(qobject_cast<QMenu*>(entry(name)->parent())->menuAction()->isVisible()) << name;
    }
    for (QAction* later : std::as_const(form->LaterActions))
        EXPECT_FALSE(later->isVisible()) << later->text().toStdString();
    // The document's own PPP-PD return.
    EXPECT_TRUE(form->SalaryExportUnifiedCollection->isVisible() && form->SalaryExportUnifiedCollection->isEnabled());
    EXPECT_EQ(QStringLiteral("TReportUnifiedCollectionForm"),
              ModalOpenedBy([&] { form->SalaryExportUnifiedCollection->trigger(); }));

    TReportEngine engine;
    const QString pdf = dir.filePath(QStringLiteral("nalozi.pdf"));
    engine.renderToPdf(pdf);
    form->SetReportEngine(&engine);
    messages.answerText(QStringLiteral("160-0000000456789-28"));
    messages.answerText(QStringLiteral("2025-05"));
    entry("SalaryPaymentErrandsEntire")->trigger();
    EXPECT_TRUE(messages.refusals().isEmpty()) << messages.refusals().toStdString();
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_GT(dm.PaymentErrandsCDS->recordCount(), 3);

    // Cancelling the paying account prints nothing.
    QFile::remove(pdf);
    messages.answerNo();
    entry("SalaryPaymentErrandsEntire")->trigger();
    EXPECT_FALSE(QFileInfo::exists(pdf));

    // One SAGA file per order into the folder of the settings, one Halcom file.
    TDBIniFile store(*c);
    store.WriteString(SalarySection, QStringLiteral("EBankExportDir"), dir.filePath(QStringLiteral("saga-")));
    store.WriteString(SalarySection, QStringLiteral("EBankExportDirHalcom"), dir.filePath(QStringLiteral("halcom-")));
    messages.setPolicy(ScriptedMessages::AnswerPolicy::Yes);
    entry("SalaryEBankExportSaga")->trigger();
    entry("SalaryEBankExportHalcom")->trigger();
    const QDir folder(dir.path());
    EXPECT_EQ(dm.PaymentErrandsCDS->recordCount(),
              folder.entryList({QStringLiteral("saga-N*_1.xml")}, QDir::Files).size());
    EXPECT_EQ(1, folder.entryList({QStringLiteral("halcom-N*_1.txt")}, QDir::Files).size());
    EXPECT_TRUE(messages.refusals().isEmpty()) << messages.refusals().toStdString();
}

}  // namespace
