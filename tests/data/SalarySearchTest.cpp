#include "DatabaseErrorOf.h"
#include "HostResourceStrings.h"
#include "SalaryDM.h"
#include "SalarySearch.h"
#include "TestDatabase.h"
#include "db/DbError.h"

#include <gtest/gtest.h>

namespace {

QString caption(const char* text) { return QString::fromUtf8(text); }

struct Search : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;
    TSalaryDM dm;

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        c = &db.open();
        dm.SetZConnection(c);
        const auto doc = [this](const char* type, int month, const char* paid, const char* status) {
            c->exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, paymentdate, status) VALUES (?, 2025, ?, ?, ?)"),
                    {QLatin1String(type), month, QLatin1String(paid), QLatin1String(status)});
            return c->lastInsertId();
        };
        const qint64 jan = doc("Z", 1, "2025-02-10", "p");
        const qint64 feb = doc("Z", 2, "2025-03-10", "n");
        doc("B", 2, "2025-03-10", "n");
        c->exec(QStringLiteral("INSERT INTO employee (code, firstname, lastname) VALUES "
                               "('1', 'Ana', 'O''Brajan'), ('2', 'Petar', 'Obradović'), ('3', 'Mila', 'Jović')"));
        // Both "Ob..." employees are paid in January: that document is found once.
        c->exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid) SELECT ?, employeeid FROM employee"), {jan});
        c->exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid) SELECT ?, employeeid FROM employee WHERE code = '3'"), {feb});
    }

    QList<int> months(const SalarySearchKeys& keys) {
        dm.SalarySearch(keys);
        QList<int> found;
        for (dm.SalaryZQ->first(); !dm.SalaryZQ->eof(); dm.SalaryZQ->next())
            found << dm.SalaryZQ->fieldByName(QStringLiteral("month"))->asInteger() * 10
                    + (dm.SalaryZQ->fieldByName(QStringLiteral("salarytype"))->asString() == QLatin1String("B"));
        return found;
    }
};

}  // namespace

TEST(ParseSQL, BindsEveryValueAndJoinsEmployeesOnlyWhenAsked) {
    const SalarySearchQuery none = ParseSQL({});
    EXPECT_EQ(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s "), none.sql);
    const SalarySearchQuery all = ParseSQL({{QStringLiteral("salarytype"), caption(_SALARY_SICK_CAPTION)},
                                            {QStringLiteral("year"), QStringLiteral("2025")},
                                            {QStringLiteral("employeelastname"), QStringLiteral("O'B")},
                                            {QStringLiteral("status"), caption(_DOC_NOT_REG_STATUS_CAPTION)}});
    EXPECT_TRUE(all.sql.contains(QStringLiteral("INNER JOIN salaryitem AS si")));
    EXPECT_TRUE(all.sql.contains(QStringLiteral("s.salarytype = :salarytype AND s.year = :year AND s.status = 'n' AND "
                                                "e.lastname LIKE :employeelastname")));
    EXPECT_FALSE(all.sql.contains(QStringLiteral("O'B")));  // values never reach the text
    EXPECT_EQ(QStringLiteral("B"), all.params.value(QStringLiteral("salarytype")).toString());
    EXPECT_EQ(QStringLiteral("O'B%"), all.params.value(QStringLiteral("employeelastname")).toString());
}

TEST_F(Search, NoValuesListEverythingNewestFirstTiesByDescendingKey) {
    EXPECT_EQ(QList<int>({21, 20, 10}), months({{QStringLiteral("year"), QString()}}));
}

TEST_F(Search, EachKeyNarrowsTheList) {
    EXPECT_EQ(QList<int>({21}), months({{QStringLiteral("salarytype"), caption(_SALARY_SICK_CAPTION)}}));
    EXPECT_EQ(QList<int>({21, 20}), months({{QStringLiteral("month"), QStringLiteral("2")}}));
    EXPECT_EQ(QList<int>({10}), months({{QStringLiteral("dateto"), QStringLiteral("2025-02-28")}}));
    EXPECT_EQ(QList<int>({21, 20}), months({{QStringLiteral("datefrom"), QStringLiteral("2025-03-10")}}));
    // Dates as the list shows them are dates, the limits' own days included.
    EXPECT_EQ(QList<int>({21, 20}), months({{QStringLiteral("datefrom"), QStringLiteral("10.03.2025.")},
                                            {QStringLiteral("dateto"), QStringLiteral("10.3.2025")}}));
    EXPECT_EQ(QList<int>({10}), months({{QStringLiteral("datefrom"), QStringLiteral("01.02.2025.")},
                                        {QStringLiteral("dateto"), QStringLiteral("09.03.2025.")}}));
    EXPECT_EQ(QList<int>({10}), months({{QStringLiteral("status"), caption(_DOC_REG_STATUS_CAPTION)}}));
    EXPECT_EQ(QList<int>({21, 20}), months({{QStringLiteral("status"), QStringLiteral("bilo šta")}}));
    EXPECT_EQ(QList<int>({20, 10}), months({{QStringLiteral("employeefirstname"), QStringLiteral("Mil")}}));
}

TEST_F(Search, AnEmployeePrefixFindsEachDocumentOnce) {
    EXPECT_EQ(QList<int>({10}), months({{QStringLiteral("employeelastname"), QStringLiteral("Ob")}}));
    EXPECT_EQ(QList<int>({10}), months({{QStringLiteral("employeelastname"), QStringLiteral("O'B")}}));
    EXPECT_EQ(QList<int>({20, 10}), months({{QStringLiteral("employeelastname"), QStringLiteral("Jov")}}));
    EXPECT_EQ(QList<int>(), months({{QStringLiteral("employeelastname"), QStringLiteral("Zz")}}));
}

TEST_F(Search, ADateThatCannotBeReadIsRefusedAndTheListStays) {
    ASSERT_EQ(QList<int>({21, 20, 10}), months({}));
    for (const char* text : {"31.02.2025.", "06/12/2026", "juče"}) {
        const QString refusal = DatabaseErrorOf([&] { dm.SalarySearch({{QStringLiteral("dateto"), QLatin1String(text)}}); });
        EXPECT_TRUE(refusal.startsWith(QLatin1Char('"') + QLatin1String(text) + QLatin1Char('"'))
                    && refusal.contains(QStringLiteral("dd.mm.gggg.")))
            << text << ": " << refusal.toStdString();
        EXPECT_EQ(3, dm.SalaryZQ->recordCount()) << "the list keeps what it showed";
    }
}
