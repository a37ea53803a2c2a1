#include "CliLineAdditions.h"

#include "CliSession.h"
#include "db/DbError.h"

namespace {

// Adding employees needs the document stored (its lines take its key).
void applyAndRefuseWithoutFund(CliSession& session) {
    TSalaryDM& dm = session.dm();
    dm.SalaryApply();
    if (dm.SalaryZQ->fieldByName(QStringLiteral("workinghours"))->asFloat() <= 0) {
        dm.AddOneEmployee(0);  // shows why nothing can be added
        throw EAbort();
    }
}

qint64 employeeOfCode(CliSession& session, const QString& code) {
    const QVariant id =
        session.connection().scalar(QStringLiteral("SELECT employeeid FROM employee WHERE code = ?"), {code});
    if (id.isNull() || !id.isValid())
        throw EDatabaseError(QStringLiteral("Zaposleni sa šifrom \"%1\" ne postoji.").arg(code));
    return id.toLongLong();
}

// The stored line of the employee with this code; its key.
qint64 lineOfCode(TSalaryDM& dm, const QString& code) {
    if (!dm.SalaryItemZQ->locate(QStringLiteral("code"), code))
        throw EDatabaseError(QStringLiteral("Zaposleni sa šifrom \"%1\" nema stavku u ovoj zaradi.").arg(code));
    return dm.SalaryItemZQ->fieldByName(QStringLiteral("salaryitemid"))->asLargeInt();
}

// Deletes the line's detail rows, so that a command states all of them.
void clearRows(TSqlQuery& rows) {
    while (!rows.isEmpty()) {
        rows.first();
        rows.remove();
    }
}

double number(const QString& text, const QString& whole) {
    bool ok = false;
    QString normalized = text.trimmed();
    normalized.replace(QLatin1Char(','), QLatin1Char('.'));
    const double value = normalized.toDouble(&ok);
    if (!ok)
        throw EDatabaseError(QStringLiteral("\"%1\" nije broj (u \"%2\").").arg(text, whole));
    return value;
}

}  // namespace

int LineAddEmployees(CliSession& session, const QStringList& codes) {
    if (codes.isEmpty())
        throw EDatabaseError(QStringLiteral("Navedite šifre zaposlenih."));
    applyAndRefuseWithoutFund(session);
    TSalaryDM& dm = session.dm();
    for (const QString& code : codes)
        dm.AddOneEmployee(employeeOfCode(session, code));
    dm.SalaryApply();
    return 0;
}

int LineAddAllEmployees(CliSession& session, QTextStream& out) {
    applyAndRefuseWithoutFund(session);
    TSalaryDM& dm = session.dm();
    const int added = dm.AddAllActiveEmployees();
    dm.SalaryApply();
    out << added << "\n";
    return 0;
}

int LineDifferences(CliSession& session, const QString& code, const QStringList& differences) {
    TSalaryDM& dm = session.dm();
    const qint64 line = lineOfCode(dm, code);
    TSqlQuery& rows = *dm.SalaryItemDifferenceZQ;
    dm.DifferencesOpen(line);
    clearRows(rows);
    for (const QString& difference : differences) {
        const int eq = difference.lastIndexOf(QLatin1Char('='));
        if (eq <= 0)
            throw EDatabaseError(QStringLiteral("Očekivano naziv=vrednost ili naziv=procenat%, a ne \"%1\".").arg(difference));
        QString value = difference.mid(eq + 1).trimmed();
        rows.append();
        rows.fieldByName(QStringLiteral("salaryitemid"))->setAsLargeInt(line);
        rows.fieldByName(QStringLiteral("differencename"))->setAsString(difference.left(eq).trimmed());
        if (value.endsWith(QLatin1Char('%'))) {
            value.chop(1);
            rows.fieldByName(QStringLiteral("differenceperc"))->setAsFloat(number(value, difference));
        } else {
            rows.fieldByName(QStringLiteral("differencevalue"))->setAsFloat(number(value, difference));
        }
        rows.post();
    }
    rows.applyUpdates();
    dm.DifferenceApply(line);
    dm.SalaryApply();
    return 0;
}

int LineCoefficients(CliSession& session, const QString& code, const QStringList& specs) {
    static const char* const columns[] = {"coefficient", "workinghours", "nightworkinghours", "overtimehours",
                                          "holidayworkinghours", "nightholidayworkinghours"};
    TSalaryDM& dm = session.dm();
    const qint64 line = lineOfCode(dm, code);
    TSqlQuery& rows = *dm.SalaryItemCoefficientZQ;
    dm.CoefficientsOpen(line);
    clearRows(rows);
    for (const QString& spec : specs) {
        const QStringList parts = spec.split(QLatin1Char(':'));
        if (parts.size() < 2 || parts.size() > 6)
            throw EDatabaseError(
                QStringLiteral("Očekivano koeficijent:sati[:noćni:prekovremeni:praznik:noćni praznik], a ne \"%1\".")
                    .arg(spec));
        rows.append();
        rows.fieldByName(QStringLiteral("salaryitemid"))->setAsLargeInt(line);
        for (int i = 0; i < parts.size(); ++i)
            rows.fieldByName(QLatin1String(columns[i]))->setAsFloat(number(parts.at(i), spec));
        rows.post();
    }
    rows.applyUpdates();
    dm.CoefficientApply(line);
    dm.SalaryApply();
    return 0;
}
