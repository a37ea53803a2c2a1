#include "CliLineAdditions.h"

#include "CliSession.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <cmath>

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
    if (!ok || !std::isfinite(value))
        throw EDatabaseError(QStringLiteral("\"%1\" nije broj (u \"%2\").").arg(text, whole));
    return value;
}

// Replaces the detail rows of the employee's line by one row per text given
// (filled by `fill`, so that the rows' handlers run), stores them and
// carries them into the line.
// The rows and the line they change are stored in one transaction, or
// nothing is: a line the rows would make invalid keeps its old rows too.
template <class Fill>
void replaceRows(TSalaryDM& dm, const QString& code, TSqlQuery& rows, const QStringList& rowTexts,
                 void (TSalaryDM::*open)(qint64), void (TSalaryDM::*apply)(qint64), Fill fill) {
    const qint64 line = lineOfCode(dm, code);
    Transaction transaction(*dm.ZConnection());
    (dm.*open)(line);
    clearRows(rows);
    for (const QString& rowText : rowTexts) {
        rows.append();
        rows.fieldByName(QStringLiteral("salaryitemid"))->setAsLargeInt(line);
        fill(rows, rowText);
        rows.post();
    }
    rows.applyUpdates();
    (dm.*apply)(line);
    dm.SalaryApply();
    transaction.commit();
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
    replaceRows(dm, code, *dm.SalaryItemDifferenceZQ, differences, &TSalaryDM::DifferencesOpen,
                &TSalaryDM::DifferenceApply, [](TSqlQuery& rows, const QString& difference) {
                    const int eq = difference.lastIndexOf(QLatin1Char('='));
                    if (eq <= 0)
                        throw EDatabaseError(
                            QStringLiteral("Očekivano naziv=vrednost ili naziv=procenat%, a ne \"%1\".").arg(difference));
                    QString value = difference.mid(eq + 1).trimmed();
                    rows.fieldByName(QStringLiteral("differencename"))->setAsString(difference.left(eq).trimmed());
                    const bool percent = value.endsWith(QLatin1Char('%'));
                    if (percent)
                        value.chop(1);
                    rows.fieldByName(percent ? QStringLiteral("differenceperc") : QStringLiteral("differencevalue"))
                        ->setAsFloat(number(value, difference));
                });
    return 0;
}

int LineCoefficients(CliSession& session, const QString& code, const QStringList& rowTexts) {
    TSalaryDM& dm = session.dm();
    const double fund = dm.SalaryZQ->fieldByName(QStringLiteral("workinghours"))->asFloat();
    replaceRows(dm, code, *dm.SalaryItemCoefficientZQ, rowTexts, &TSalaryDM::CoefficientsOpen,
                &TSalaryDM::CoefficientApply, [fund](TSqlQuery& rows, const QString& rowText) {
                    static const char* const columns[] = {"coefficient",       "workinghours",
                                                          "nightworkinghours", "overtimehours",
                                                          "holidayworkinghours", "nightholidayworkinghours"};
                    const QStringList parts = rowText.split(QLatin1Char(':'));
                    if (parts.size() < 2 || parts.size() > 6)
                        throw EDatabaseError(QStringLiteral("Očekivano koeficijent:sati[:noćni:prekovremeni:praznik:"
                                                            "noćni praznik], a ne \"%1\".")
                                                 .arg(rowText));
                    for (int i = 0; i < parts.size(); ++i) {
                        const double value = number(parts.at(i), rowText);
                        // Hours of a part lie within the month's fund.
                        if (i > 0 && (value < 0 || value > fund))
                            throw EDatabaseError(QStringLiteral("Sati u \"%1\" moraju biti od 0 do %2.")
                                                     .arg(rowText)
                                                     .arg(fund));
                        rows.fieldByName(QLatin1String(columns[i]))->setAsFloat(value);
                    }
                });
    return 0;
}
