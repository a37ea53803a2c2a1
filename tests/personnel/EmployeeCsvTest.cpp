#include "EmployeeCsv.h"
#include "PersonnelFixture.h"
#include "QStringPrinter.h"

#include <QFile>
#include <QTemporaryDir>

#include <iterator>

#include <gtest/gtest.h>

TEST(EmployeeCsv, ImportsSemicolonFileWithQuotesSerbianLettersAndBothNumberAndDateForms) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    const QByteArray file = QStringLiteral(
        "\xFEFF"
        "code;firstname;lastname;address;coefficient;arrangedsalaryvalue;workingfromdate;active;account;sex\r\n"
        "001;Đorđe;Petrović;\"Kneza Miloša 5; stan 3\";2,5;\"85.000,50\";2020-03-01;da;160-12345-95;m\r\n"
        "002;Žaklina;Šćekić;\"Bulevar\r\nulaz B\";1.75;90000.25;01.02.2019.;ne;;F\r\n"
        "\r\n").toUtf8();
    const EmployeeImportResult result = ImportEmployeesCsv(*f.employees, file, ImportMode::StoreValidRows);
    ASSERT_TRUE(result.ok()) << result.reportLines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(2, result.inserted);
    EXPECT_EQ(QStringLiteral("Đorđe"), f.stored("001", "firstname").toString());
    EXPECT_EQ(QStringLiteral("Kneza Miloša 5; stan 3"), f.stored("001", "address").toString());
    EXPECT_EQ(QStringLiteral("Bulevar\nulaz B"), f.stored("002", "address").toString());
    EXPECT_EQ(2.5, f.stored("001", "coefficient").toDouble());
    EXPECT_EQ(85000.5, f.stored("001", "arrangedsalaryvalue").toDouble());
    EXPECT_EQ(1.75, f.stored("002", "coefficient").toDouble());
    EXPECT_EQ(QDate(2019, 2, 1), f.stored("002", "workingfromdate").toDate());
    EXPECT_EQ(QStringLiteral("n"), f.stored("002", "active").toString());
    EXPECT_EQ(QStringLiteral("f"), f.stored("002", "sex").toString());
    EXPECT_EQ(QStringLiteral("160-0000000012345-95"), f.stored("001", "account").toString());
}

TEST(EmployeeCsv, ReportsEveryBadRowWithItsLineAndStoresTheRest) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    const QByteArray file = QStringLiteral(
        "code,firstname,lastname,personalidentificator,workingfromdate,coefficient,shoesize\n"
        "001,Ana,Anić,0101990710008,2020-01-15,1,42\n"        // line 2: fine
        "002,Bora,,,,,\n"                                     // 3: no last name
        "003,Ceca,Cvetić,0101990710007,,,\n"                  // 4: JMBG control digit
        "004,\"Dragan\nDragi\",Dragić,,31.02.2020.,,\n"      // 5-6: no such date
        "005,Ema,Emić,,,-1,\n"                                // 7: negative coefficient
        "001,Ana,Druga,,,,\n"                                 // 8: code again
        "006,Filip,Filipović,,,abc,\n"                        // 9: not a number
        "007,Goran,Gorić\n"                                   // 10: too few cells
        ",Hana,Hanić,,,,\n"                                   // 11: no code
        "008,Ivan,Ivić,,,\"3,5\",\n").toUtf8();               // 12: fine
    const EmployeeImportResult result = ImportEmployeesCsv(*f.employees, file, ImportMode::StoreValidRows);
    EXPECT_EQ(QStringList{QStringLiteral("shoesize")}, result.ignoredColumns);
    const std::pair<int, const char*> expected[] = {{3, "Prezime"}, {4, "kontrolnu"}, {5, "datum"}, {7, "negativno"},
                                                    {8, "redu 2"},  {9, "abc"},       {10, "polja"}, {11, "šifre"}};
    ASSERT_EQ(std::size(expected), result.rejected.size()) << result.reportLines().join(QLatin1Char('\n')).toStdString();
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(expected[i].first, result.rejected[i].line);
        EXPECT_TRUE(result.rejected[i].reason.contains(QString::fromUtf8(expected[i].second)))
            << expected[i].first << ": " << result.rejected[i].reason.toStdString();
    }
    EXPECT_TRUE(result.reportLines().contains(QStringLiteral("Red 4 (šifra 003): ") + result.rejected[1].reason));

    EXPECT_TRUE(result.stored);
    EXPECT_EQ(2, result.inserted);
    EXPECT_EQ(2, f.count(QStringLiteral("SELECT COUNT(*) FROM employee")));
    EXPECT_EQ(QStringLiteral("Anić"), f.stored("001", "lastname").toString());
    EXPECT_EQ(3.5, f.stored("008", "coefficient").toDouble());
    // What is in memory is what is in the database.
    EXPECT_EQ(2, f.employees->EmployeeZQ->recordCount());
    EXPECT_FALSE(f.employees->EmployeeZQ->updatesPending());

    const EmployeeImportResult none = ImportEmployeesCsv(*f.reopened(), file, ImportMode::AllOrNothing);
    EXPECT_FALSE(none.stored);
    EXPECT_EQ(8u, none.rejected.size()) << none.reportLines().join(QLatin1Char('\n')).toStdString();
}

TEST(EmployeeCsv, AllOrNothingStoresNoneWhenOneRowIsBad) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    ASSERT_TRUE(f.add(Employee(QStringLiteral("001"), QStringLiteral("Ana"), QStringLiteral("Anić"))));
    const QByteArray file = QByteArrayLiteral("code;lastname\n001;Novaković\n002;\n003;Trećić\n");
    const EmployeeImportResult result = ImportEmployeesCsv(*f.employees, file, ImportMode::AllOrNothing);
    EXPECT_FALSE(result.stored);
    ASSERT_EQ(2u, result.rejected.size());  // 002 and 003 have no first name
    EXPECT_EQ(3, result.rejected[0].line);
    EXPECT_EQ(1, f.count(QStringLiteral("SELECT COUNT(*) FROM employee")));
    EXPECT_EQ(QStringLiteral("Anić"), f.stored("001", "lastname").toString());
    // Memory went back as well: the register shows what the database has.
    EXPECT_EQ(1, f.employees->EmployeeZQ->recordCount());
    EXPECT_EQ(QStringLiteral("Anić"), f.field("lastname")->asString());
}

TEST(EmployeeCsv, UpdatesByCodeOnlyTheColumnsTheFileHas) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    QVariantMap ana = Employee(QStringLiteral("A-1"), QStringLiteral("Ana"), QStringLiteral("Anić"));
    ana.insert(QStringLiteral("city"), QStringLiteral("Beograd"));
    ana.insert(QStringLiteral("workingtodate"), QDate(2024, 6, 30));
    ASSERT_TRUE(f.add(ana));
    const qint64 key = f.field("employeeid")->asLargeInt();

    const QByteArray file = QByteArrayLiteral("code;lastname;workingtodate;coefficient\na-1;Jovanovi\xc4\x87;;\n");
    const EmployeeImportResult result = ImportEmployeesCsv(*f.employees, file, ImportMode::StoreValidRows);
    ASSERT_TRUE(result.ok()) << result.reportLines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(1, result.updated);
    EXPECT_EQ(0, result.inserted);
    QSqlQuery row = f.connection.exec(
        QStringLiteral("SELECT employeeid, lastname, firstname, city, workingtodate, coefficient FROM employee"));
    ASSERT_TRUE(row.next());
    EXPECT_EQ(key, row.value(0).toLongLong());
    EXPECT_EQ(QStringLiteral("Jovanović"), row.value(1).toString());
    EXPECT_EQ(QStringLiteral("Ana"), row.value(2).toString());
    EXPECT_EQ(QStringLiteral("Beograd"), row.value(3).toString());
    EXPECT_TRUE(row.value(4).isNull());       // an empty date cell clears the date (re-hired)
    EXPECT_EQ(0.0, row.value(5).toDouble());  // an empty amount keeps the amount
    EXPECT_FALSE(row.next());
}

TEST(EmployeeCsv, ExportReadsBackIntoAnotherDatabaseUnchanged) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    QVariantMap ana = Employee(QStringLiteral("001"), QStringLiteral("Ana"), QStringLiteral("Anić-Šljivić"));
    ana.insert(QStringLiteral("address"), QStringLiteral("Trg \"Slobode\" 1; sprat 2\nulaz A"));
    ana.insert(QStringLiteral("coefficient"), 3.1415);
    ana.insert(QStringLiteral("arrangedpaymentvalue"), 123456.78);
    ana.insert(QStringLiteral("workingfromdate"), QDate(2001, 9, 3));
    ana.insert(QStringLiteral("account"), QStringLiteral("160-12345-95"));
    ana.insert(QStringLiteral("sex"), QStringLiteral("f"));
    ana.insert(QStringLiteral("employer"), QStringLiteral("y"));
    ana.insert(QStringLiteral("previousworkingyears"), 4);
    ASSERT_TRUE(f.add(ana)) << f.lastMessage().toStdString();
    ASSERT_TRUE(f.add(Employee(QStringLiteral("002"), QStringLiteral("Đura"), QStringLiteral("Đurić"))));

    for (const QChar delimiter : {QLatin1Char(';'), QLatin1Char(',')}) {
        const QByteArray exported = ExportEmployeesCsv(*f.employees, delimiter);
        EXPECT_TRUE(exported.startsWith("\xEF\xBB\xBF" "code"));

        f.connection.exec(QStringLiteral("DELETE FROM employee"));
        const auto fresh = f.reopened();
        const EmployeeImportResult result = ImportEmployeesCsv(*fresh, exported, ImportMode::AllOrNothing);
        ASSERT_TRUE(result.ok()) << result.reportLines().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(2, result.inserted);
        EXPECT_EQ(QString::fromUtf8(exported), QString::fromUtf8(ExportEmployeesCsv(*f.reopened(), delimiter)));
        EXPECT_EQ(123456.78, f.stored("001", "arrangedpaymentvalue").toDouble());
    }
}

TEST(EmployeeCsv, RefusesFilesItCannotRead) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    const auto fileError = [&](const QByteArray& data) {
        return ImportEmployeesCsv(*f.employees, data, ImportMode::StoreValidRows).fileError;
    };
    EXPECT_TRUE(fileError(QByteArrayLiteral("code;lastname\n001;Petrovi\xe6\n")).contains(QStringLiteral("UTF-8")));
    EXPECT_TRUE(fileError(QByteArrayLiteral("sifra;ime\n001;Ana\n")).contains(QStringLiteral("code")));
    EXPECT_TRUE(fileError(QByteArrayLiteral("code;code\n1;1\n")).contains(QStringLiteral("ponavlja")));
    EXPECT_TRUE(fileError(QByteArrayLiteral("code;address\n1;\"open\n")).contains(QStringLiteral("Navodnici")));
    EXPECT_EQ(0, f.count(QStringLiteral("SELECT COUNT(*) FROM employee")));
}

TEST(EmployeeCsv, ControlCharactersAreRefusedWithTheirLineOnEveryPath) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    QByteArray file = QByteArrayLiteral("code;firstname;lastname;address\n"
                                        "001;Ana;Anić;\"Ulica 1\nstan 2\"\n"  // lines 2-3: a line break in an address is fine
                                        "002;Bo#ra;Borić;\n"                   // 4: NUL in the name
                                        "0#3;Ceca;Cvetić;\n"                   // 5: escape in the code
                                        "004;Dara;Darić;\n");
    file[file.indexOf("Bo#") + 2] = '\0';
    file[file.indexOf("0#3") + 1] = '\x1b';
    const EmployeeImportResult result = ImportEmployeesCsv(*f.employees, file, ImportMode::StoreValidRows);
    ASSERT_EQ(2u, result.rejected.size()) << result.reportLines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(4, result.rejected[0].line);
    EXPECT_EQ(5, result.rejected[1].line);
    EXPECT_TRUE(result.rejected[0].reason.contains(QStringLiteral("kontrolni znak")));
    EXPECT_TRUE(result.rejected[0].reason.contains(QStringLiteral("Ime"))) << result.rejected[0].reason.toStdString();
    EXPECT_EQ(2, f.count(QStringLiteral("SELECT COUNT(*) FROM employee")));
    EXPECT_EQ(QStringLiteral("Ulica 1\nstan 2"), f.stored("001", "address").toString());

    // The same rule holds for a row typed in the register.
    EXPECT_FALSE(f.add(Employee(QStringLiteral("005"), QStringLiteral("Eva\x07"), QStringLiteral("Ević"))));
    EXPECT_TRUE(f.lastMessage().contains(QStringLiteral("kontrolni znak")));
    EXPECT_EQ(2, f.count(QStringLiteral("SELECT COUNT(*) FROM employee")));
}

TEST(EmployeeCsv, ImportsFindCodesAmongOldAndNewRowsAndLeaveTheRegisterInCodeOrder) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    ASSERT_TRUE(f.add(Employee(QStringLiteral("b"), QStringLiteral("Bora"), QStringLiteral("Borić"))));
    const QByteArray first = QByteArrayLiteral("code;firstname;lastname\nc;Ceca;Cvetić\na;Ana;Anić\nB;Boško;Borić\nA;Druga;Ana\n");
    EmployeeImportResult result = ImportEmployeesCsv(*f.employees, first, ImportMode::StoreValidRows);
    EXPECT_EQ(2, result.inserted);
    EXPECT_EQ(1, result.updated);
    ASSERT_EQ(1u, result.rejected.size());
    EXPECT_EQ(5, result.rejected[0].line);

    // A second import on the same register, whose rows have moved into code order.
    const QByteArray second = QByteArrayLiteral("code;firstname;lastname\nC;Cveta;Cvetić\nd;Dara;Darić\nb;Bora;Borić\n");
    result = ImportEmployeesCsv(*f.employees, second, ImportMode::StoreValidRows);
    ASSERT_TRUE(result.ok()) << result.reportLines().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(1, result.inserted);
    EXPECT_EQ(2, result.updated);
    EXPECT_EQ(QStringLiteral("Cveta"), f.stored("c", "firstname").toString());
    EXPECT_EQ(QStringLiteral("Bora"), f.stored("b", "firstname").toString());
    EXPECT_EQ(4, f.count(QStringLiteral("SELECT COUNT(*) FROM employee")));

    TSqlQuery& q = *f.employees->EmployeeZQ;
    QStringList codes;
    for (int row = 0; row < q.recordCount(); ++row)
        codes << q.valueAt(row, f.field("code")->index()).toString();
    EXPECT_EQ((QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}), codes);
    // The register checks codes by scanning again once the import is over.
    EXPECT_FALSE(f.add(Employee(QStringLiteral("D"), QStringLiteral("Dana"), QStringLiteral("Danić"))));
}

TEST(EmployeeCsv, TheExportedFileIsReadableByItsOwnerOnly) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    ASSERT_TRUE(f.add(Employee(QStringLiteral("001"), QStringLiteral("Ana"), QStringLiteral("Anić"))));
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("zaposleni.csv"));
    const QString replaced = dir.filePath(QStringLiteral("stari.csv"));
    QFile old(replaced);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    old.setPermissions(old.permissions() | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    for (const QString& path : {fresh, replaced}) {
        SCOPED_TRACE(path.toStdString());
        QString error;
        ASSERT_TRUE(ExportEmployeesCsvFile(*f.employees, path, &error)) << error.toStdString();
        EXPECT_EQ(0, int(QFile::permissions(path) & others));
        EXPECT_TRUE(QFile::permissions(path).testFlag(QFileDevice::ReadOwner));
    }
}
