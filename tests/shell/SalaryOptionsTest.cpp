#include "DBIniFile.h"
#include "QStringPrinter.h"
#include "SalaryDM.h"
#include "SalaryOptionsTabUnit.h"
#include "SalaryOptionsUnit.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"
#include "TextModeOptionsUnit.h"
#include "TextModeSettings.h"

#include <QCheckBox>
#include <QDir>
#include <QFontComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// A data module on a prepared test database, as the viewer's Load leaves it.
struct ConnectedModule {
    TestDatabase db;
    Connection& connection = db.open();
    TSalaryDM dm;
    ConnectedModule() {
        dm.SetZConnection(&connection);
        dm.LoadOptions();
    }
    TSalaryOptions Stored() { return ReadSalaryOptions(TDBIniFile(connection)); }
};

}  // namespace

TEST(SalaryOptionsPage, StoresEveryControlAndTheDataModuleAtOnceKeepingWhatItDoesNotShow) {
    REQUIRE_TEST_DATABASE();
    ConnectedModule module;
    TDBIniFile(module.connection).WriteBool(MailClientSection, QStringLiteral("Outlook"), true);
    module.dm.LoadOptions();

    TSalaryOptionsTabFrame page(module.dm);
    page.OptionsToControls();
    page.RoundTaxesCB->setChecked(true);
    page.VacOnlyForEffectiveHoursCB->setChecked(true);
    page.PrintA4ErrandsCB->setChecked(false);
    page.HolidayWorkingCoefSE->setValue(150);
    page.SickCoefSE->setValue(70);
    page.ControlsToOptions();

    TSalaryOptions expected;
    expected.RoundTaxes = true;
    expected.VacOnlyForEffectiveHours = true;
    expected.PrintA4Errands = false;
    expected.HolidayWorkingCoef = 150;
    expected.SickCoef = 70;
    expected.Outlook = true;
    EXPECT_EQ(expected, module.dm.Options);
    EXPECT_EQ(expected, module.Stored());

    // A second page shows what the first stored.
    TSalaryOptionsTabFrame again(module.dm);
    again.OptionsToControls();
    EXPECT_TRUE(again.RoundTaxesCB->isChecked());
    EXPECT_EQ(150, again.HolidayWorkingCoefSE->value());
}

TEST(SalaryOptionsDialog, OkStoresThePageAndCancelChangesNothing) {
    REQUIRE_TEST_DATABASE();
    ConnectedModule module;
    ScriptedMessages messages;
    const TSalaryOptions before = module.dm.Options;

    {
        TOptionsForm form(module.dm, messages);
        form.FOptionsTab->RoundTaxesCB->setChecked(true);
        form.FOptionsTab->NightWorkingCoefSE->setValue(40);
        form.CancelButton->click();
        EXPECT_EQ(QDialog::Rejected, form.result());
    }
    EXPECT_EQ(before, module.dm.Options);
    EXPECT_EQ(before, module.Stored());
    EXPECT_FALSE(TDBIniFile(module.connection).ValueExists(SalarySection, QStringLiteral("RoundTaxes")));

    {
        TOptionsForm form(module.dm, messages);
        EXPECT_FALSE(form.FOptionsTab->RoundTaxesCB->isChecked()) << "the cancelled change is gone";
        form.FOptionsTab->RoundTaxesCB->setChecked(true);
        form.FOptionsTab->NightWorkingCoefSE->setValue(40);
        form.OKButton->click();
        EXPECT_EQ(QDialog::Accepted, form.result());
    }
    EXPECT_TRUE(module.dm.Options.RoundTaxes);
    EXPECT_EQ(40, module.dm.Options.NightWorkingCoef);
    EXPECT_EQ(module.dm.Options, module.Stored());
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SalaryOptionsPage, StoresTheTextModeTemplatesPrinterFontAndMargin) {
    REQUIRE_TEST_DATABASE();
    ConnectedModule module;
    TTextModeSettings stored;
    stored.ReportPaymentErrands = {QStringLiteral("{Font}\n{NalogPrimalac}"), QStringLiteral("2"), QString()};
    stored.PrinterIndex = 4;  // a printer this workstation does not have
    stored.LeftMargin = 3;
    {
        TDBIniFile store(module.connection);
        WriteTextModeSettings(store, stored);
    }
    TSalaryOptionsTabFrame page(module.dm);
    page.OptionsToControls();
    EXPECT_EQ(QStringLiteral("{Font}\n{NalogPrimalac}"), page.TextModeGB->TemplateM[0]->toPlainText());
    EXPECT_EQ(stored, page.TextModeGB->Settings()) << "showing and storing changes nothing";

    // A placeholder chosen from the list goes into the template shown.
    page.TextModeGB->TemplatesTC->setCurrentIndex(2);
    page.TextModeGB->PlaceholdersLB->setCurrentRow(9);
    emit page.TextModeGB->PlaceholdersLB->itemDoubleClicked(page.TextModeGB->PlaceholdersLB->currentItem());
    page.TextModeGB->LeftMarginSE->setValue(5);
    page.TextModeGB->ConvertTo1252CB->setChecked(true);
    page.TextModeGB->FontCB->setEditText(QStringLiteral("Courier New"));
    page.ControlsToOptions();
    const TTextModeSettings now = ReadTextModeSettings(TDBIniFile(module.connection));
    EXPECT_EQ(QStringLiteral("{NalogIznos}"), now.ReportPaymentErrands[2]);
    EXPECT_EQ(5, now.LeftMargin);
    EXPECT_TRUE(now.ConvertTo1252);
    EXPECT_EQ(QStringLiteral("Courier New"), now.Font);
    EXPECT_EQ(4, now.PrinterIndex);
    if (!qEnvironmentVariableIsEmpty("ZARADE_SHOT_DIR")) {
        page.resize(900, 760);
        page.grab().save(QDir(qEnvironmentVariable("ZARADE_SHOT_DIR")).filePath(QStringLiteral("options.png")));
    }
}
