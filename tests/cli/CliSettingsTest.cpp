#include "ScriptedMonth.h"

// Options and settings set from the command line: checked as the options
// page checks them, all of a command or nothing.

namespace {

using CliSettings = ScriptedMonth;

TEST_F(CliSettings, OptionsAreCheckedAndSetTogetherOrNotAtAll) {
    ok({QStringLiteral("options"), QStringLiteral("set"), QStringLiteral("RoundTaxes=da"), QStringLiteral("Outlook=1"),
        QStringLiteral("HolidayWorkingCoef=150")});
    const QString shown = ok({QStringLiteral("options")}).out;
    for (const char* line : {"RoundTaxes=da", "Outlook=da", "HolidayWorkingCoef=150"})
        EXPECT_TRUE(shown.contains(QLatin1String(line))) << line << "\n" << shown.toStdString();

    // The night percentage stops at 100 (holiday at 200); the flag before it stays unset.
    for (const QStringList& refused : {QStringList{QStringLiteral("PrintA4Errands=ne"), QStringLiteral("NightWorkingCoef=101")},
                                       QStringList{QStringLiteral("PrintA4Errands=ne"), QStringLiteral("RoundTaxes=maybe")},
                                       QStringList{QStringLiteral("PrintA4Errands=ne"), QStringLiteral("NoSuchOption=1")},
                                       QStringList{QStringLiteral("PrintA4Errands")}}) {
        const CliResult r = run(QStringList{QStringLiteral("options"), QStringLiteral("set")} + refused);
        EXPECT_EQ(1, r.code) << refused.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_TRUE(ok({QStringLiteral("options")}).out.contains(QStringLiteral("PrintA4Errands=da")));
}

TEST_F(CliSettings, SettingsOfASectionAreWrittenAndShown) {
    ok({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("CompanyInfo"),
        QStringLiteral("Name=Javor d.o.o."), QStringLiteral("Code=108452716")});
    const QString shown = ok({QStringLiteral("settings"), QStringLiteral("show"), QStringLiteral("CompanyInfo")}).out;
    EXPECT_EQ(QStringLiteral("[CompanyInfo]\nCode=108452716\nName=Javor d.o.o.\n"), shown);
    EXPECT_EQ(1, run({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("Name=Javor")}).code);
}

}  // namespace
