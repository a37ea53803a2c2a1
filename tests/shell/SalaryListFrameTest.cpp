#include "QStringPrinter.h"
#include "SalaryDM.h"
#include "SalaryNavigatorUnit.h"
#include "SalaryViewerUnit.h"
#include "ShellTestConsole.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Captions of a menu's or toolbar's entries, "-" for a separator, with
// sub-menus as "caption>".
QStringList Entries(const QList<QAction*>& actions) {
    QStringList entries;
    for (QAction* action : actions)
        entries << (action->isSeparator() ? QStringLiteral("-")
                                          : action->text() + (action->menu() ? QStringLiteral(">") : QString()));
    return entries;
}

QMenu* SubMenu(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions())
        if (action->text() == caption)
            return action->menu();
    return nullptr;
}

}  // namespace

TEST(SalaryListFrame, CarriesTheCommandsWithTheirCaptionsAndShortcuts) {
    TSalaryDM dm;
    ShellTestConsole console;
    TSalaryViewerForm form(dm, console);

    const struct {
        QAction* action;
        const char* caption;
        QKeySequence shortcut;
    } commands[] = {
        {form.CustomAdd, "Dodaj", QKeySequence(Qt::CTRL | Qt::Key_Insert)},
        {form.SalaryEdit, "Uredi", QKeySequence(Qt::CTRL | Qt::Key_Return)},
        {form.SalaryDelete, "Izbriši", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {form.SalaryTaxRates, "Porezi", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {form.SalaryCreditRates, "Obustave", QKeySequence(Qt::CTRL | Qt::Key_K)},
        {form.SalaryReports, "Izveštaji", QKeySequence(Qt::CTRL | Qt::Key_I)},
        {form.SalaryOptions, "Opcije", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {form.SalaryRegularAdd, "Zarada", {}},
        {form.SalaryMonthlyReportExportTreasury, "Izvezi za trezor - MZ", {}},
    };
    for (const auto& command : commands) {
        EXPECT_EQ(QString::fromUtf8(command.caption), command.action->text());
        EXPECT_EQ(command.shortcut, command.action->shortcut()) << command.caption;
    }

    // What works now is enabled; what comes later says so.
    EXPECT_TRUE(form.SalaryOptions->isEnabled());
    EXPECT_TRUE(form.CustomAdd->isEnabled());
    EXPECT_TRUE(form.ColumnsVisibility->isEnabled());
    EXPECT_TRUE(form.SalaryEdit->isEnabled());
    EXPECT_TRUE(form.SalaryAnnualReportPPP->isEnabled());
    EXPECT_TRUE(form.SalaryAnnualReportM4->isEnabled());
    EXPECT_FALSE(form.SalaryStaffReportCertificateReport->isEnabled());
    EXPECT_TRUE(form.SalaryStaffReportCertificateReport->toolTip().contains(QStringLiteral("nije dostupno")));
    EXPECT_FALSE(form.SalaryAddPrint->isVisible()) << "the hidden toolbar button";
}

TEST(SalaryListFrame, ArrangesToolbarReportsMenuAndContextMenu) {
    TSalaryDM dm;
    ShellTestConsole console;
    TSalaryViewerForm form(dm, console);

    EXPECT_EQ((QStringList{"Dodaj>", "Uredi", "Izbriši", "-", "Porezi", "Obustave", "Izveštaji>", "-", "Opcije",
                           QString::fromUtf8("Štampa dodatne tabele")}),
              Entries(form.ActionTB->actions()));
    EXPECT_EQ((QStringList{"Zarada", "Bolovanje", "Prevoz"}), Entries(form.AddMenu->actions()));
    EXPECT_EQ((QStringList{QString::fromUtf8("Godišnji>"), QString::fromUtf8("Mesečni>"), "-", "Zaposleni>",
                           "Rekapitulacija primanja"}),
              Entries(form.ReportsMenu->actions()));
    EXPECT_EQ((QStringList{"PPP", "PPP-PO", "-", "M4"}),
              Entries(SubMenu(form.ReportsMenu, QString::fromUtf8("Godišnji"))->actions()));
    EXPECT_EQ((QStringList{"Izvezi za objedinjenu naplatu", "-", "Izvezi za trezor - MZ",
                           "Izvezi za trezor - zaposleni", "Izvezi za trezor - primanja"}),
              Entries(SubMenu(form.ReportsMenu, QString::fromUtf8("Mesečni"))->actions()));
    EXPECT_EQ((QStringList{"Potvrda", "Rekapitulacija primanja"}),
              Entries(SubMenu(form.ReportsMenu, QStringLiteral("Zaposleni"))->actions()));
    EXPECT_EQ((QStringList{"Dodaj>", "Uredi", QString::fromUtf8("Izbriši"), "-", "Porezi", "Obustave",
                           QString::fromUtf8("Godišnji izveštaji>"), "-", "Opcije", "-", "Kolone..."}),
              Entries(form.PopupMenu->actions()));
    EXPECT_EQ((QStringList{"PPP", "M4"}),
              Entries(SubMenu(form.PopupMenu, QString::fromUtf8("Godišnji izveštaji"))->actions()));
    // The host's menu gets the same commands, in the toolbar's order.
    EXPECT_EQ((QStringList{"Dodaj>", "Uredi", QString::fromUtf8("Izbriši"), "-", "Porezi", "Obustave",
                           QString::fromUtf8("Izveštaji>"), "-", "Opcije"}),
              Entries(form.ActionList));
}

TEST(SalaryListFrame, ListsTheDocumentsColumnsInOrder) {
    TSalaryDM dm;
    ShellTestConsole console;
    TSalaryViewerForm form(dm, console);
    QAbstractItemModel* model = form.DBG->model();
    ASSERT_NE(nullptr, model);
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers << model->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ((QStringList{"Tip", "Broj", "Godina", "Mesec", "Datum isplate", QString::fromUtf8("Datum knjiženja"),
                           "Status", "Deo %", "Vrednost boda", "Sati"}),
              headers);
}

TEST(SalarySearchPanel, ListsTheEightKeysWithTheirInputs) {
    ShellTestConsole console;
    TSalaryDM dm;
    TSalaryNavigatorForm form(dm, console.messages);

    QStringList captions;
    for (int row = 0; row < form.SearchEditor->rowCount(); ++row)
        captions << form.SearchEditor->item(row, 0)->text();
    EXPECT_EQ((QStringList{"Tip", "Godina", "Mesec", "Od datuma isplate", "Do datuma isplate", "Status",
                           QStringLiteral("Ime zaposl."), QStringLiteral("Prezime zaposl.")}),
              captions);

    auto* years = qobject_cast<QComboBox*>(form.SearchEditor->cellWidget(1, 1));
    ASSERT_NE(nullptr, years);
    EXPECT_EQ(1 + 51, years->count()) << "no value, then 2009 to 2059";
    EXPECT_EQ(QStringLiteral("2059"), years->itemText(years->count() - 1));
    auto* status = qobject_cast<QComboBox*>(form.SearchEditor->cellWidget(5, 1));
    ASSERT_NE(nullptr, status);
    EXPECT_EQ(QString::fromUtf8("Proknjižen"), status->itemText(1));

    // Dates come from the date dialog, written as the list shows them.
    console.messages.answerDate(QDate(2026, 12, 10));
    auto* ellipsis = form.SearchEditor->cellWidget(3, 1)->findChild<QToolButton*>();
    ASSERT_NE(nullptr, ellipsis);
    EXPECT_EQ(QStringLiteral("..."), ellipsis->text());
    ellipsis->click();
    EXPECT_EQ(QStringLiteral("10.12.2026."), form.SearchValue(QStringLiteral("datefrom")));

    form.SetSearchValue(QStringLiteral("salarytype"), QStringLiteral("Bolovanje"));
    form.SetSearchValue(QStringLiteral("employeelastname"), QStringLiteral("Đor"));
    EXPECT_EQ(QStringLiteral("Bolovanje"), form.SearchValue(QStringLiteral("salarytype")));
    EXPECT_EQ(QString::fromUtf8("Đor"), form.SearchValue(QStringLiteral("employeelastname")));
    form.ClearSearchValues();
    EXPECT_EQ(QString(), form.SearchValue(QStringLiteral("salarytype")));
}
