#include "ScriptedMonth.h"

// Sick-leave ("B") and transport ("P") documents through zarade-cli: who
// they take, what a new line holds and the transport price by the hours.
// Sick pay and its question are the leave tests' subject.

namespace {

struct SickAndTransport : ScriptedMonth {
    void SetUp() override {
        ScriptedMonth::SetUp();
        if (IsSkipped())
            return;
        c->exec(QStringLiteral("INSERT INTO employeetransportzone (name, price) VALUES ('Zona 1', 3000)"));
        const QVariant zone = c->scalar(QStringLiteral("SELECT MAX(employeetransportzoneid) FROM employeetransportzone"));
        addEmployees(QStringLiteral("('001', 'Ana', 'Ilić', 'y', 1, 500, 1, 0, 0, 'n'), "
                                    "('002', 'Bojan', 'Bezzone', 'y', 1, 500, 1, 0, 0, 'n'), "
                                    "('003', 'Iva', 'Bolesna', 'y', 7, 500, 1, 0, 0, 'n'), "
                                    "('004', 'Vera', 'Porodiljsko', 'y', 8, 500, 1, 0, 0, 'n')"));
        c->exec(QStringLiteral("UPDATE employee SET employeetransportzoneid = ? WHERE code IN ('001', '003')"), {zone});
        c->exec(QStringLiteral("UPDATE employee SET employeetransportzoneid = ? WHERE code = '002'"),
                {zone.toLongLong() + 100});
    }

    QStringList codesOf(qint64 id) {
        QStringList codes;
        for (const QJsonValue& l : show(id).value(QStringLiteral("lines")).toArray())
            codes << l.toObject().value(QStringLiteral("code")).toString();
        return codes;
    }
};

}  // namespace

TEST_F(SickAndTransport, TransportIsPaidByTheZoneAndTheHoursWorked) {
    const qint64 id = newDocument(QStringLiteral("P"), {QStringLiteral("workinghours=176"), QStringLiteral("taxpercent=10"),
                                                        QStringLiteral("taxfreevalue=0")});
    addAll(id);
    EXPECT_EQ((QStringList{QStringLiteral("001"), QStringLiteral("002")}), codesOf(id));  // not the sick, not state 8
    QJsonObject l = line(id, QStringLiteral("001"));
    EXPECT_EQ(3000, number(l, "paymentvalue"));
    EXPECT_EQ(3333.33, number(l, "salaryvalue"));  // 3 000 / 0.9
    EXPECT_EQ(0, number(l, "regularwork"));
    EXPECT_EQ(0, number(l, "mealrefund"));
    const QJsonObject noZone = line(id, QStringLiteral("002"));
    for (const char* amount : {"salaryvalue", "paymentvalue", "paymentnetvalue"})
        EXPECT_EQ(0, number(noZone, amount)) << amount;

    // Half the month: half the price, grossed up again; nothing is deducted.
    ok(lineSet(id, QStringLiteral("001"), {QStringLiteral("workinghours=88")}));
    l = line(id, QStringLiteral("001"));
    EXPECT_EQ(1500, number(l, "paymentvalue"));
    EXPECT_EQ(1666.67, number(l, "salaryvalue"));
    EXPECT_EQ(1500, number(l, "paymentnetvalue"));
    EXPECT_EQ(0, number(l, "credits"));

    // A new fund gives every line the whole fund again.
    ok({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("workinghours=160")});
    EXPECT_EQ(160, number(line(id, QStringLiteral("001")), "workinghours"));
}

TEST_F(SickAndTransport, SickLeaveTakesOnlyTheSickWithoutHoursOrRegularWork) {
    const qint64 id = newDocument(QStringLiteral("B"), {QStringLiteral("workinghours=176")});
    EXPECT_EQ(QStringLiteral("1"), addAll(id).out.trimmed());
    const QJsonObject l = line(id, QStringLiteral("003"));
    EXPECT_EQ(0, number(l, "workinghours"));
    EXPECT_EQ(0, number(l, "regularwork"));
    EXPECT_EQ(65, number(l, "sickpercent"));
    const QJsonObject header = show(id).value(QStringLiteral("salary")).toObject();
    EXPECT_EQ(0, number(header, "netdecreasepercent"));
}
