#pragma once

#include "ScriptedMonth.h"

#include <QJsonArray>

// A month of the scripted company with what its prints need: employer
// contributions (10 % and 5.15 %) and two chamber fees (0.1 % and 0.15 %)
// in its rate set, employees in two units, one of them the employer, one a
// working pensioner (state 9), one with increased insurance service (11).
struct PaymentMonth : ScriptedMonth {
    void SetUp() override {
        ScriptedMonth::SetUp();
        if (IsSkipped())
            return;
        const QVariant rates = c->scalar(QStringLiteral("SELECT MAX(salarytaxid) FROM salarytax"));
        const QString item = QStringLiteral(
            "INSERT INTO salarytaxitem (salarytaxid, taxname, taxpercent, taxfreevalue, taxstatus, minsalary, "
            "maxsalary, chamber, taxbankaccount, paymentmodel, paymentcode) VALUES (?, ?, ?, 0, ?, ?, ?, ?, ?, ?, ?)");
        c->exec(item, {rates, QStringLiteral("PIO poslodavca"), 10, QStringLiteral("a"), QStringLiteral("y"),
                       QStringLiteral("y"), QStringLiteral("n"), QStringLiteral("840-2-00"), QString(), QString()});
        c->exec(item, {rates, QStringLiteral("ZO poslodavca"), 5.15, QStringLiteral("a"), QStringLiteral("y"),
                       QStringLiteral("y"), QStringLiteral("n"), QStringLiteral("840-3-00"), QString(), QString()});
        c->exec(item, {rates, QStringLiteral("Privredna komora"), 0.1, QStringLiteral("a"), QStringLiteral("n"),
                       QStringLiteral("n"), QStringLiteral("y"), QStringLiteral("840-4-00"), QStringLiteral("97"),
                       QString()});
        c->exec(item, {rates, QStringLiteral("Granska komora"), 0.15, QStringLiteral("a"), QStringLiteral("n"),
                       QStringLiteral("n"), QStringLiteral("y"), QStringLiteral("840-5-00"), QString(), QString()});
        c->exec(QStringLiteral("UPDATE salarytaxitem SET paymentcode = '97-PIO', paymentcode2 = '97-PIO-2' "
                               "WHERE taxname = 'PIO'"));
        addEmployees(QStringLiteral(
            "('001', 'Ana', 'Ilić', 'y', 1, 1, 1, 120000, 0, 'n'), "
            "('002', 'Đorđe', 'Šarić', 'y', 1, 1, 1, 95000, 0, 'n'), "
            "('003', 'Žarko', 'Čolić', 'y', 9, 1, 1, 80000, 0, 'n'), "
            "('004', 'Vesna', 'Lukić', 'y', 11, 1, 1, 150000, 0, 'n'), "
            "('005', 'Petar', 'Vasić', 'y', 1, 1, 1, 300000, 0, 'n')"));
        c->exec(QStringLiteral("UPDATE employee SET organizationunit = 'Uprava', suborganizationunit = 'Poslovodstvo', "
                               "employer = 'y' WHERE code = '005'"));
        c->exec(QStringLiteral("UPDATE employee SET organizationunit = 'Proizvodnja', suborganizationunit = "
                               "'Starozaposleni' WHERE code IN ('001', '003')"));
        c->exec(QStringLiteral("UPDATE employee SET organizationunit = 'Proizvodnja', suborganizationunit = "
                               "'Novozaposleni' WHERE code IN ('002', '004')"));
        c->exec(QStringLiteral("UPDATE employee SET employer = 'n' WHERE employer IS NULL OR employer <> 'y'"));
    }

    // Gives employees 001 to 005 the JMBG 0101990710 followed by their code,
    // and the further SQL `assignments` ("communitycode = '80020'"), as the
    // returns need them.
    void identifyEmployees(const QString& assignments = {}) {
        for (const char* code : {"001", "002", "003", "004", "005"})
            c->exec(QStringLiteral("UPDATE employee SET personalidentificator = ?%1 WHERE code = ?")
                        .arg(assignments.isEmpty() ? QString() : QStringLiteral(", ") + assignments),
                    {QStringLiteral("0101990710") + QLatin1String(code), QLatin1String(code)});
    }

    // A regular March document paid on `paid`, every employee added; its key.
    qint64 month(const QString& paid, const QStringList& fields = {}) {
        const qint64 id = ok(QStringList{QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"),
                                         QStringLiteral("Z"), QStringLiteral("--year"), QStringLiteral("2025"),
                                         QStringLiteral("--month"), QStringLiteral("3"), QStringLiteral("--paymentdate"),
                                         paid, QStringLiteral("workinghours=176")}
                             + fields)
                              .out.trimmed()
                              .toLongLong();
        addAll(id);
        return id;
    }

    void post(qint64 id) { ok({QStringLiteral("document"), QStringLiteral("post"), QString::number(id)}); }

    // The rows a listing command prints under "rows".
    QJsonArray rows(const QStringList& command) {
        return QJsonDocument::fromJson(ok(command).out.toUtf8()).object().value(QStringLiteral("rows")).toArray();
    }

    QJsonArray paymentLists(qint64 id, const QStringList& options = {}) {
        return rows(QStringList{QStringLiteral("payment-lists"), QString::number(id)} + options);
    }

    QJsonArray recapitulation(qint64 id, const QStringList& options = {}) {
        return rows(QStringList{QStringLiteral("recapitulation"), QString::number(id)} + options);
    }

    static QJsonObject byCode(const QJsonArray& rows, const char* code) {
        for (const QJsonValue& row : rows)
            if (row.toObject().value(QStringLiteral("code")).toString() == QLatin1String(code))
                return row.toObject();
        ADD_FAILURE() << "no row " << code;
        return {};
    }
};

// Sums a column over rows.
inline double total(const QJsonArray& rows, const char* column) {
    long double sum = 0;
    for (const QJsonValue& row : rows)
        sum += row.toObject().value(QLatin1String(column)).toDouble();
    return double(sum);
}
