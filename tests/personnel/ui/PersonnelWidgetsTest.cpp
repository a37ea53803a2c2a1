#include "DataSetGridDialog.h"
#include "EmployeeEditDialog.h"
#include "EmployeeListView.h"
#include "EmployeePickerDialog.h"
#include "EmployeeRegisterWindow.h"
#include "../PersonnelFixture.h"
#include "QStringPrinter.h"
#include "db/DataSetTableModel.h"
#include "db/DbError.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>

#include <gtest/gtest.h>

#include <set>

namespace {

// The register with two transport zones and a unit with a sub-unit.
struct Personnel : PersonnelFixture {
    Personnel() {
        connection.exec(QStringLiteral("INSERT INTO employeetransportzone (name, price) VALUES ('Zona I', 2500), "
                                       "('Zona II', 3800)"));
        connection.exec(QStringLiteral("INSERT INTO organizationunit (name, code, parentid) VALUES "
                                       "('Računovodstvo', '10', 0), ('Proizvodnja', '20', 0)"));
        connection.exec(QStringLiteral("INSERT INTO organizationunit (name, code, parentid) SELECT 'Pogon Čačak', "
                                       "'21', organizationunitid FROM organizationunit WHERE code = '20'"));
        employees = reopened();
    }

    void add(const QString& code, const QString& first, const QString& last, bool active = true) {
        QVariantMap row = Employee(code, first, last);
        row.insert(QStringLiteral("active"), active ? QStringLiteral("y") : QStringLiteral("n"));
        ASSERT_TRUE(PersonnelFixture::add(row)) << lastMessage().toStdString();
    }
};

template <class W>
W* child(QWidget& parent, const char* name) {
    W* widget = parent.findChild<W*>(QLatin1String(name));
    if (!widget)
        throw std::logic_error(std::string("no widget ") + name);
    return widget;
}

// With ZARADE_SCREENSHOTS set to a folder, the forms are saved there for people to look at.
void screenshot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("ZARADE_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    widget.show();
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace

TEST(EmployeeEditDialog, EditsEveryColumnOfTheEmployee) {
    REQUIRE_TEST_DATABASE();
    Personnel p;
    p.employees->EmployeeZQ->append();
    EmployeeEditDialog dialog(*p.employees, p.messages);
    std::set<QString> bound;
    for (const TField* field : dialog.binder().boundFields())
        bound.insert(field->fieldName());
    bound.insert(QStringLiteral("organizationunitid"));  // set with the unit's name
    std::set<QString> columns;
    for (const ColumnDef& column : EmployeeRegister::HostTable(QStringLiteral("employee")).columns)
        if (column.type != ColumnType::Key && column.name != QLatin1String("version"))
            columns.insert(column.name);
    EXPECT_EQ(columns, bound);
}

TEST(EmployeeEditDialog, StoresWhatIsTypedInEveryTab) {
    REQUIRE_TEST_DATABASE();
    Personnel p;
    p.employees->EmployeeZQ->append();
    EmployeeEditDialog dialog(*p.employees, p.messages);
    child<QLineEdit>(dialog, "code")->setText(QStringLiteral("015"));
    child<QLineEdit>(dialog, "firstname")->setText(QStringLiteral("Milica"));
    child<QLineEdit>(dialog, "lastname")->setText(QStringLiteral("Đukić"));
    child<QLineEdit>(dialog, "personalidentificator")->setText(QStringLiteral("0512981717776"));
    child<QComboBox>(dialog, "sex")->setCurrentIndex(2);
    child<QLineEdit>(dialog, "community")->setText(QStringLiteral("Čačak"));
    child<QLineEdit>(dialog, "account")->setText(QStringLiteral("160-12345-95"));
    child<QComboBox>(dialog, "organizationunit")->setCurrentText(QStringLiteral("Proizvodnja"));
    child<QComboBox>(dialog, "suborganizationunit")->setCurrentIndex(1);
    child<QLineEdit>(dialog, "workingfromdate")->setText(QStringLiteral("01.03.2020."));
    child<QSpinBox>(dialog, "previousworkingyears")->setValue(5);
    child<QCheckBox>(dialog, "minsalary")->setChecked(true);
    child<QComboBox>(dialog, "employeetransportzoneid")->setCurrentIndex(2);
    child<QLineEdit>(dialog, "coefficient")->setText(QStringLiteral("2,75"));
    child<QLineEdit>(dialog, "arrangedpaymentvalue")->setText(QStringLiteral("85.000,50"));
    child<QLineEdit>(dialog, "voluntarypensionname")->setText(QStringLiteral("Dunav penzije"));
    for (int tab = 0; tab < dialog.tabs()->count(); ++tab) {
        dialog.tabs()->setCurrentIndex(tab);
        screenshot(dialog, QStringLiteral("employee-editor-%1").arg(tab + 1));
    }
    dialog.accept();
    ASSERT_EQ(QDialog::Accepted, dialog.result()) << p.messages.shown.back().text.toStdString();

    EXPECT_EQ(QStringLiteral("Đukić"), p.stored("015", "lastname").toString());
    EXPECT_EQ(QStringLiteral("f"), p.stored("015", "sex").toString());
    EXPECT_EQ(QStringLiteral("160-0000000012345-95"), p.stored("015", "account").toString());
    EXPECT_EQ(QStringLiteral("Proizvodnja"), p.stored("015", "organizationunit").toString());
    EXPECT_EQ(p.connection.scalar(QStringLiteral("SELECT organizationunitid FROM organizationunit WHERE code = '20'")),
              p.stored("015", "organizationunitid"));
    EXPECT_EQ(QStringLiteral("Pogon Čačak"), p.stored("015", "suborganizationunit").toString());
    EXPECT_EQ(QDate(2020, 3, 1), p.stored("015", "workingfromdate").toDate());
    EXPECT_EQ(5, p.stored("015", "previousworkingyears").toInt());
    EXPECT_EQ(QStringLiteral("y"), p.stored("015", "minsalary").toString());
    EXPECT_EQ(QStringLiteral("y"), p.stored("015", "active").toString());
    EXPECT_EQ(p.connection.scalar(QStringLiteral("SELECT employeetransportzoneid FROM employeetransportzone "
                                                 "WHERE name = 'Zona II'")),
              p.stored("015", "employeetransportzoneid"));
    EXPECT_EQ(2.75, p.stored("015", "coefficient").toDouble());
    EXPECT_EQ(85000.5, p.stored("015", "arrangedpaymentvalue").toDouble());
    EXPECT_EQ(QStringLiteral("Dunav penzije"), p.stored("015", "voluntarypensionname").toString());

    // Opened again, the dialog shows what was stored.
    p.employees->EmployeeZQ->edit();
    EmployeeEditDialog again(*p.employees, p.messages);
    EXPECT_EQ(QStringLiteral("Zona II (3.800,00)"), child<QComboBox>(again, "employeetransportzoneid")->currentText());
    EXPECT_EQ(QStringLiteral("2,75"), child<QLineEdit>(again, "coefficient")->text());
    EXPECT_EQ(QStringLiteral("01.03.2020."), child<QLineEdit>(again, "workingfromdate")->text());
    EXPECT_EQ(QStringLiteral("Pogon Čačak"), child<QComboBox>(again, "suborganizationunit")->currentText());
    again.reject();
}

TEST(EmployeeEditDialog, StaysOpenOnTheTabOfTheFieldToCorrect) {
    REQUIRE_TEST_DATABASE();
    Personnel p;
    p.employees->EmployeeZQ->append();
    EmployeeEditDialog dialog(*p.employees, p.messages);
    child<QLineEdit>(dialog, "code")->setText(QStringLiteral("016"));
    child<QLineEdit>(dialog, "firstname")->setText(QStringLiteral("Ivan"));
    child<QLineEdit>(dialog, "lastname")->setText(QStringLiteral("Ivić"));
    child<QLineEdit>(dialog, "workingfromdate")->setText(QStringLiteral("31.02.2020."));
    dialog.accept();
    EXPECT_EQ(QStringLiteral("Rad"), dialog.tabs()->tabText(dialog.tabs()->currentIndex()));
    EXPECT_TRUE(p.messages.shown.back().text.contains(QStringLiteral("31.02.2020.")));

    child<QLineEdit>(dialog, "workingfromdate")->setText(QStringLiteral("28.02.2020."));
    child<QLineEdit>(dialog, "account")->setText(QStringLiteral("160-12345-94"));
    dialog.accept();
    EXPECT_EQ(QStringLiteral("Banka"), dialog.tabs()->tabText(dialog.tabs()->currentIndex()));
    EXPECT_TRUE(p.messages.shown.back().text.contains(QStringLiteral("kontrolni broj")));
    EXPECT_NE(QDialog::Accepted, dialog.result());
    EXPECT_EQ(0, p.connection.scalar(QStringLiteral("SELECT COUNT(*) FROM employee")).toInt());

    dialog.reject();
    EXPECT_EQ(DataSetState::Browse, p.employees->EmployeeZQ->state());
    EXPECT_EQ(0, p.employees->EmployeeZQ->recordCount());
}

TEST(EmployeePickerDialog, OffersActiveEmployeesFoundByCodeOrNameAndHandsThemBackInOrder) {
    REQUIRE_TEST_DATABASE();
    Personnel p;
    p.add(QStringLiteral("003"), QStringLiteral("Ceca"), QStringLiteral("Cvetković"));
    p.add(QStringLiteral("001"), QStringLiteral("Đorđe"), QStringLiteral("Anić"));
    p.add(QStringLiteral("002"), QStringLiteral("Bora"), QStringLiteral("Borić"), false);
    EmployeePickerDialog dialog(*p.employees, {});
    QAbstractItemModelTester tester(dialog.list()->view()->model());
    EXPECT_EQ(2, dialog.list()->view()->model()->rowCount());
    EXPECT_FALSE(dialog.okButton()->isEnabled());

    dialog.list()->search()->setText(QStringLiteral("djordje"));
    EXPECT_EQ(1, dialog.list()->view()->model()->rowCount());
    dialog.list()->search()->clear();
    dialog.list()->showInactive()->setChecked(true);
    EXPECT_EQ(3, dialog.list()->view()->model()->rowCount());
    screenshot(dialog, QStringLiteral("employee-picker"));

    dialog.list()->view()->sortByColumn(1, Qt::DescendingOrder);  // by last name, backwards
    dialog.list()->view()->selectAll();
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    const TEmployeeDescArr chosen = dialog.chosen();
    ASSERT_EQ(3u, chosen.size());
    EXPECT_EQ(QStringLiteral("001"), chosen[0].code);
    EXPECT_EQ(QStringLiteral("003"), chosen[2].code);
}

TEST(DataSetGridDialog, NeverClosesOverARowItCouldNotStoreUnlessTheUserDropsIt) {
    REQUIRE_TEST_DATABASE();
    Personnel p;
    TSqlQuery& zones = *p.employees->EmployeeTransportZoneZQ;
    DataSetGridDialog dialog(zones, {QStringLiteral("name"), QStringLiteral("price")},
                             [&p] { return p.employees->DeleteTransportZone(); }, p.messages);
    QAbstractItemModelTester tester(dialog.model());
    dialog.addRow();
    dialog.model()->setData(dialog.model()->index(zones.currentIndex(), 1), QStringLiteral("1500,50"));
    p.messages.answerNo();
    dialog.accept();
    EXPECT_NE(QDialog::Accepted, dialog.result());
    EXPECT_TRUE(zones.isEditing());

    dialog.model()->setData(dialog.model()->index(zones.currentIndex(), 0), QStringLiteral("Zona III"));
    dialog.accept();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    screenshot(dialog, QStringLiteral("transport-zones"));
    EXPECT_EQ(1500.5, p.connection.scalar(QStringLiteral("SELECT price FROM employeetransportzone WHERE name = "
                                                         "'Zona III'")).toDouble());
}

TEST(EmployeeRegisterWindow, ListsActiveEmployeesAndCountsThem) {
    REQUIRE_TEST_DATABASE();
    Personnel p;
    p.add(QStringLiteral("001"), QStringLiteral("Ana"), QStringLiteral("Anić"));
    p.add(QStringLiteral("002"), QStringLiteral("Bora"), QStringLiteral("Borić"), false);
    p.add(QStringLiteral("003"), QStringLiteral("Ceca"), QStringLiteral("Cvetković"));
    EmployeeRegisterWindow window(*p.employees, p.messages);
    QAbstractItemModelTester tester(window.list()->view()->model());
    EXPECT_EQ(2, window.list()->view()->model()->rowCount());
    EXPECT_FALSE(window.EditEmployee->isEnabled());
    window.list()->showInactive()->setChecked(true);
    EXPECT_EQ(3, window.list()->view()->model()->rowCount());
    window.list()->view()->selectRow(0);
    EXPECT_TRUE(window.DeleteEmployee->isEnabled());
    screenshot(window, QStringLiteral("employee-register"));

    const qint64 ana = p.employees->Descriptor(0).employeeid;
    p.connection.exec(QStringLiteral("INSERT INTO employeepreviousaveragevalue (employeeid, year, month, workingvalue, "
                                     "workinghours) VALUES (?, 2024, 11, 91234.5, 168), (?, 2024, 12, 95000, 176)"),
                      {ana, ana});
    p.employees->OpenPreviousAverages(ana);
    DataSetGridDialog averages(*p.employees->EmployeePreviousAverageValueZQ,
                               {QStringLiteral("year"), QStringLiteral("month"), QStringLiteral("workingvalue"),
                                QStringLiteral("workinghours")},
                               [] { return false; }, p.messages);
    EXPECT_EQ(QStringLiteral("95000,00"), averages.model()->index(0, 2).data().toString());
    screenshot(averages, QStringLiteral("previous-averages"));
}
