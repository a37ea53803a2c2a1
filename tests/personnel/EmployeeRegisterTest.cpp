#include "PersonnelFixture.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

TEST(EmployeeRegister, StoresANewEmployeeWithDefaultsAndTheAccountInFullForm) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    QVariantMap petar = Employee(QStringLiteral(" 007 "), QStringLiteral("Petar"), QStringLiteral("Petrović"));
    petar.insert(QStringLiteral("account"), QStringLiteral("160-12345-95"));
    petar.insert(QStringLiteral("personalidentificator"), QStringLiteral("0101990710008"));
    ASSERT_TRUE(f.add(petar)) << f.lastMessage().toStdString();

    QSqlQuery row = f.connection.exec(
        QStringLiteral("SELECT code, account, active, minsalary, workingstateid, coefficient FROM employee"));
    ASSERT_TRUE(row.next());
    EXPECT_EQ(QStringLiteral("007"), row.value(0).toString());
    EXPECT_EQ(QStringLiteral("160-0000000012345-95"), row.value(1).toString());
    EXPECT_EQ(QStringLiteral("y"), row.value(2).toString());
    EXPECT_EQ(QStringLiteral("n"), row.value(3).toString());
    EXPECT_EQ(1, row.value(4).toInt());
    EXPECT_EQ(0.0, row.value(5).toDouble());
    EXPECT_EQ(QStringLiteral("Da"), f.field("active")->displayText());
}

TEST(EmployeeRegister, RefusesARowWithTheReasonAndTheFieldToCorrect) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    ASSERT_TRUE(f.add(Employee(QStringLiteral("A1"), QStringLiteral("Ana"), QStringLiteral("Anić"))));

    struct Case {
        const char* column;
        QVariant value;
        const char* reason;
    };
    const Case cases[] = {
        {"lastname", QVariant(), "Prezime"},
        {"code", QStringLiteral("a1"), "već postoji"},
        {"personalidentificator", QStringLiteral("0101990710007"), "kontrolnu cifru"},
        {"account", QStringLiteral("160-12345-94"), "kontrolni broj"},
        {"voluntarypensionbankaccount", QStringLiteral("160-12345"), "obliku"},
        {"coefficient", -1.5, "negativno"},
        {"arrangedpaymentvalue", -0.01, "negativno"},
        {"sex", QStringLiteral("X"), "Pol"},
        {"previousworkingmonths", 12, "između 0 i 11"},
        {"email", QStringLiteral("petar.petrovic.rs"), "e-pošte"},
        {"employeetransportzoneid", 99, "Zona prevoza"},
        {"workingtodate", QDate(2019, 12, 31), "pre datuma zaposlenja"},
    };
    for (const Case& c : cases) {
        QVariantMap row = Employee(QStringLiteral("B2"), QStringLiteral("Bora"), QStringLiteral("Borić"));
        row.insert(QStringLiteral("workingfromdate"), QDate(2020, 1, 1));
        row.insert(QLatin1String(c.column), c.value);
        f.employees->EmployeeZQ->append();
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            f.field(it.key().toLatin1().constData())->setValue(it.value());
        const auto problem = f.employees->EmployeeProblem();
        f.employees->EmployeeZQ->cancel();
        ASSERT_TRUE(problem.has_value()) << c.column;
        EXPECT_EQ(QLatin1String(c.column), problem->field->fieldName());
        EXPECT_TRUE(problem->message.contains(QString::fromUtf8(c.reason))) << problem->message.toStdString();
        EXPECT_FALSE(f.add(row)) << c.column;
    }
    EXPECT_EQ(1, f.count(QStringLiteral("SELECT COUNT(*) FROM employee")));
    // Posting shows the same reason to the user.
    EXPECT_TRUE(f.lastMessage().contains(QStringLiteral("pre datuma zaposlenja")));
}

TEST(EmployeeRegister, AnEmployeeKeepsHisOwnCodeWhenEdited) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    ASSERT_TRUE(f.add(Employee(QStringLiteral("A1"), QStringLiteral("Ana"), QStringLiteral("Anić"))));
    ASSERT_TRUE(f.add(Employee(QStringLiteral("B2"), QStringLiteral("Bora"), QStringLiteral("Borić"))));
    ASSERT_TRUE(f.employees->LocateCode(QStringLiteral("a1")));
    f.employees->EmployeeZQ->edit();
    f.field("city")->setAsString(QStringLiteral("Niš"));
    EXPECT_FALSE(f.employees->EmployeeProblem().has_value());
    f.employees->EmployeeZQ->post();
    EXPECT_EQ(QStringLiteral("Niš"), f.connection.scalar(QStringLiteral("SELECT city FROM employee WHERE code = 'A1'")));
}

TEST(EmployeeRegister, DeletingAnEmployeeTakesHisEarlierAveragesButNeverPaidHistory) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    ASSERT_TRUE(f.add(Employee(QStringLiteral("A1"), QStringLiteral("Ana"), QStringLiteral("Anić"))));
    const qint64 ana = f.field("employeeid")->asLargeInt();
    ASSERT_TRUE(f.add(Employee(QStringLiteral("B2"), QStringLiteral("Bora"), QStringLiteral("Borić"))));
    const qint64 bora = f.field("employeeid")->asLargeInt();
    f.connection.exec(QStringLiteral("INSERT INTO employeepreviousaveragevalue (employeeid, year, month, workingvalue, "
                                     "workinghours) VALUES (?, 2024, 11, 90000, 168), (?, 2024, 12, 95000, 176)"),
                      {ana, ana});
    f.connection.exec(QStringLiteral("INSERT INTO salary (salaryid, salarynumber) VALUES (1, 1)"));
    f.connection.exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid) VALUES (1, ?)"), {bora});

    ASSERT_TRUE(f.employees->LocateCode(QStringLiteral("B2")));
    EXPECT_FALSE(f.employees->DeleteEmployee());
    EXPECT_TRUE(f.lastMessage().contains(QStringLiteral("neaktivnog")));

    ASSERT_TRUE(f.employees->LocateCode(QStringLiteral("A1")));
    f.messages.answerNo();
    EXPECT_FALSE(f.employees->DeleteEmployee());
    EXPECT_EQ(2, f.count(QStringLiteral("SELECT COUNT(*) FROM employee")));
    EXPECT_TRUE(f.employees->DeleteEmployee());
    EXPECT_EQ(1, f.count(QStringLiteral("SELECT COUNT(*) FROM employee")));
    EXPECT_EQ(0, f.count(QStringLiteral("SELECT COUNT(*) FROM employeepreviousaveragevalue")));
}

TEST(EmployeeRegister, EarlierAveragesAreOnePerMonthNewestFirst) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    ASSERT_TRUE(f.add(Employee(QStringLiteral("A1"), QStringLiteral("Ana"), QStringLiteral("Anić"))));
    const qint64 ana = f.field("employeeid")->asLargeInt();
    f.employees->OpenPreviousAverages(ana);
    TSqlQuery& averages = *f.employees->EmployeePreviousAverageValueZQ;
    const auto add = [&](int year, int month, double value) {
        averages.append();
        averages.fieldByName(QStringLiteral("year"))->setAsInteger(year);
        averages.fieldByName(QStringLiteral("month"))->setAsInteger(month);
        averages.fieldByName(QStringLiteral("workingvalue"))->setAsFloat(value);
        averages.fieldByName(QStringLiteral("workinghours"))->setAsFloat(168);
        return Posted(averages);
    };
    EXPECT_TRUE(add(2024, 11, 90000));
    EXPECT_TRUE(add(2025, 1, 99000));
    EXPECT_FALSE(add(2024, 11, 1));
    EXPECT_TRUE(f.lastMessage().contains(QStringLiteral("11/2024"))) << f.lastMessage().toStdString();
    EXPECT_FALSE(add(2024, 13, 1));
    EXPECT_FALSE(add(2024, 10, -5));

    f.employees->OpenPreviousAverages(ana);
    ASSERT_EQ(2, averages.recordCount());
    EXPECT_EQ(2025, averages.fieldByName(QStringLiteral("year"))->asInteger());
    EXPECT_EQ(ana, averages.fieldByName(QStringLiteral("employeeid"))->asLargeInt());
}

TEST(EmployeeRegister, ZonesAndUnitsInUseStay) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    TSqlQuery& zones = *f.employees->EmployeeTransportZoneZQ;
    zones.append();
    zones.fieldByName(QStringLiteral("name"))->setAsString(QStringLiteral("Zona I"));
    zones.fieldByName(QStringLiteral("price"))->setAsFloat(3000);
    zones.post();
    TSqlQuery& units = *f.employees->OrganizationUnitZQ;
    units.append();
    units.fieldByName(QStringLiteral("name"))->setAsString(QStringLiteral("Računovodstvo"));
    units.post();
    QVariantMap ana = Employee(QStringLiteral("A1"), QStringLiteral("Ana"), QStringLiteral("Anić"));
    ana.insert(QStringLiteral("employeetransportzoneid"), zones.keyField()->value());
    ana.insert(QStringLiteral("organizationunitid"), units.keyField()->value());
    ASSERT_TRUE(f.add(ana)) << f.lastMessage().toStdString();

    EXPECT_FALSE(f.employees->DeleteTransportZone());
    EXPECT_TRUE(f.lastMessage().contains(QStringLiteral("Zona I")));
    EXPECT_FALSE(f.employees->DeleteOrganizationUnit());
    EXPECT_EQ(1, f.count(QStringLiteral("SELECT COUNT(*) FROM employeetransportzone")));
    EXPECT_EQ(1, f.count(QStringLiteral("SELECT COUNT(*) FROM organizationunit")));

    zones.append();
    zones.fieldByName(QStringLiteral("name"))->setAsString(QStringLiteral("zona i"));
    zones.fieldByName(QStringLiteral("price"))->setAsFloat(100);
    EXPECT_THROW(zones.post(), EAbort);
    zones.fieldByName(QStringLiteral("name"))->setAsString(QStringLiteral("Zona II"));
    zones.post();
    EXPECT_TRUE(f.employees->DeleteTransportZone());
    EXPECT_EQ(1, f.count(QStringLiteral("SELECT COUNT(*) FROM employeetransportzone")));
}

TEST(EmployeeRegister, SearchIgnoresLetterCaseAndSerbianMarks) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    ASSERT_TRUE(f.add(Employee(QStringLiteral("001"), QStringLiteral("Đorđe"), QStringLiteral("Petrović"))));
    QVariantMap gone = Employee(QStringLiteral("002"), QStringLiteral("Žarko"), QStringLiteral("Šarić"));
    gone.insert(QStringLiteral("active"), QStringLiteral("n"));
    ASSERT_TRUE(f.add(gone));
    ASSERT_TRUE(f.employees->LocateCode(QStringLiteral("001")));
    const int petrovic = f.employees->EmployeeZQ->currentIndex();
    const int saric = 1 - petrovic;

    EXPECT_TRUE(f.employees->RowMatches(petrovic, QStringLiteral("petrovic"), true));
    EXPECT_TRUE(f.employees->RowMatches(petrovic, QStringLiteral("DJORDJE"), true));
    EXPECT_TRUE(f.employees->RowMatches(petrovic, QStringLiteral("dorde 001"), true));
    EXPECT_FALSE(f.employees->RowMatches(petrovic, QStringLiteral("dorde 002"), true));
    EXPECT_TRUE(f.employees->RowMatches(saric, QStringLiteral("saric"), false));
    EXPECT_FALSE(f.employees->RowMatches(saric, QString(), true));

    const TEmployeeDesc desc = f.employees->Descriptor(petrovic);
    EXPECT_EQ(QStringLiteral("Đorđe"), desc.firstname);
    EXPECT_GT(desc.employeeid, 0);
}
