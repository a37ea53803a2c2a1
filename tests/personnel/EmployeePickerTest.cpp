#include "PersonnelFixture.h"
#include "PersonnelModule.h"
#include "QStringPrinter.h"
#include "ScriptedEmployeePicker.h"

#include <gtest/gtest.h>

TEST(EmployeePicker, HandsBackTheChosenInListOrderAndOffersOnlyActiveByDefault) {
    REQUIRE_TEST_DATABASE();
    PersonnelFixture f;
    ASSERT_TRUE(f.add(Employee(QStringLiteral("003"), QStringLiteral("Ceca"), QStringLiteral("Cvetić"))));
    ASSERT_TRUE(f.add(Employee(QStringLiteral("001"), QStringLiteral("Ana"), QStringLiteral("Anić"))));
    QVariantMap gone = Employee(QStringLiteral("002"), QStringLiteral("Bora"), QStringLiteral("Borić"));
    gone.insert(QStringLiteral("active"), QStringLiteral("n"));
    ASSERT_TRUE(f.add(gone));

    auto scripted = std::make_unique<ScriptedEmployeePicker>(f.connection);
    ScriptedEmployeePicker& script = *scripted;
    TPersonnelModule module(std::move(scripted));
    IPersonnelModule& personnel = module;

    script.answerCodes({QStringLiteral("003"), QStringLiteral("001")});
    TEmployeeDescArr chosen;
    ASSERT_TRUE(personnel.EmployeePicker().PickEmployees(chosen));
    ASSERT_EQ(2u, chosen.size());
    EXPECT_EQ(QStringLiteral("001"), chosen[0].code);
    EXPECT_EQ(QStringLiteral("Cvetić"), chosen[1].lastname);
    EXPECT_EQ(f.connection.scalar(QStringLiteral("SELECT employeeid FROM employee WHERE code = '003'")).toLongLong(),
              chosen[1].employeeid);
    EXPECT_TRUE(script.asked.back().activeOnly);

    script.answerCodes({QStringLiteral("002")});
    EXPECT_THROW(personnel.EmployeePicker().PickEmployees(chosen), std::logic_error);
    script.answerCodes({QStringLiteral("002")});
    EXPECT_TRUE(personnel.EmployeePicker().PickEmployees(chosen, {true, false}));
    EXPECT_EQ(QStringLiteral("Bora"), chosen.at(0).firstname);

    script.answerCancel();
    EXPECT_FALSE(personnel.EmployeePicker().PickEmployees(chosen));
    EXPECT_TRUE(chosen.empty());
}
