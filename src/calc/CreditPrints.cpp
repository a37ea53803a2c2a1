// The deduction prints of a document: every deduction taken from its lines,
// summed by recipient account or listed per employee.

#include "CreditsSet.h"
#include "Deductions.h"
#include "SalaryDM.h"
#include "db/Connection.h"
#include "db/MemoryColumn.h"

#include <QSqlQuery>

namespace {

// One deduction paid to a recipient.
struct TCreditRow {
    QString creditname;
    double creditvalue = 0;
    QString paycode;
    QString creditbankaccount;
    QString paymentmodel;
    QString paymentcode;
    QString employeename;
};

void Append(TDataSet& credits, const TCreditRow& row, bool analytic) {
    credits.append();
    const auto set = [&credits](const char* name, const QVariant& value) {
        credits.fieldByName(QLatin1String(name))->setValue(value);
    };
    set("creditname", row.creditname);
    set("creditvalue", row.creditvalue);
    set("paycode", row.paycode);
    set("creditbankaccount", row.creditbankaccount);
    set("paymentmodel", row.paymentmodel);
    if (analytic) {
        set("paymentcode", row.paymentcode);
        set("employeename", row.employeename);
    }
    credits.post();
}

// The summary keeps one row per account and adds to it.
void AddToAccount(TDataSet& credits, const TCreditRow& row) {
    TField* account = credits.fieldByName(QStringLiteral("creditbankaccount"));
    for (int r = 0; r < credits.recordCount(); ++r) {
        if (credits.valueAt(r, account->index()).toString() != row.creditbankaccount)
            continue;
        credits.setCurrentIndex(r);
        credits.edit();
        TField* value = credits.fieldByName(QStringLiteral("creditvalue"));
        value->setAsFloat(double(static_cast<long double>(value->asFloat()) + row.creditvalue));
        credits.post();
        return;
    }
    Append(credits, row, false);
}

}  // namespace

void DefineCreditsSet(TDataSet& credits) {
    using T = ColumnType;
    DefineMemoryColumns(credits, {MemoryColumn("creditname", T::String, 30, "Naziv obustave"),
                                  MemoryColumn("creditvalue", T::Float, 0, "Vrednost"),
                                  MemoryColumn("paycode", T::String, 5, "Šifra plaćanja"),
                                  MemoryColumn("creditbankaccount", T::String, 50, "Račun u banci"),
                                  MemoryColumn("paymentmodel", T::String, 5, "Model plaćanja"),
                                  MemoryColumn("paymentcode", T::String, 30, "Poziv na broj"),
                                  MemoryColumn("employeename", T::String, 101, "Zaposleni")});
    if (!credits.active())
        credits.open();
}

QString TSalaryDM::CreditsPrintTitle(TCreditsPrint print) {
    switch (print) {
    case TCreditsPrint::Summary:
        return QStringLiteral("Obustave zbirno");
    case TCreditsPrint::Analytic:
        return QStringLiteral("Obustave analitički");
    case TCreditsPrint::AnalyticEmployee:
        return QStringLiteral("Obustave analitički po zaposlenom");
    }
    return {};
}

bool TSalaryDM::PrepareCredits(TCreditsPrint print) {
    TDataSet& credits = *CreditsCDS;
    DefineCreditsSet(credits);
    credits.setSortFields(QString());
    credits.emptyDataSet();
    const bool analytic = print != TCreditsPrint::Summary;
    const auto add = [&](const TCreditRow& row) {
        if (analytic)
            Append(credits, row, true);
        else
            AddToAccount(credits, row);
    };
    const QString type = SalaryZQ->fieldByName(QStringLiteral("salarytype"))->asString();
    const bool deducts = type == QLatin1String("Z") || type == QLatin1String("B");
    const QDate paid = SalaryZQ->fieldByName(QStringLiteral("paymentdate"))->asDate();
    // Read by row, so that no line handler runs while the print is prepared.
    const TDataSet& lines = *SalaryItemZQ;
    for (int row = 0; row < lines.recordCount(); ++row) {
        const auto line = [&lines, row](const char* name) {
            return lines.valueAt(row, lines.fieldByName(QLatin1String(name))->index());
        };
        const QString employee = line("firstname").toString() + QLatin1Char(' ') + line("lastname").toString();
        if (line("voluntarypension").toDouble() > 0)
            add({line("voluntarypensionname").toString(), line("voluntarypension").toDouble(), QStringLiteral("246"),
                 line("voluntarypensionbankaccount").toString(), QString(),
                 line("voluntarypensionpaymentcode").toString(), employee});
        if (!deducts)
            continue;
        QSqlQuery items = ZConnection()->exec(
            QStringLiteral("SELECT * FROM salarycredititem WHERE salarycreditid = ? ORDER BY salarycredititemid"),
            {line("salarycreditid").toLongLong()});
        while (items.next()) {
            const auto value = [&items](const char* name) { return items.value(QLatin1String(name)); };
            const TDeduction deduction{value("creditpercent").toDouble(), value("creditgrosspercent").toDouble(),
                                       value("creditvalue").toDouble(), value("expirydate").toDate()};
            const long double amount = DeductionAmount(deduction, line("paymentdecreasedvalue").toDouble(),
                                                       line("salaryvalue").toDouble(), paid);
            if (amount <= 0)
                continue;
            add({value("creditname").toString(), double(amount), value("paycode").toString(),
                 value("creditbankaccount").toString(), value("paymentmodel").toString(),
                 value("paymentcode").toString(), employee});
        }
    }
    if (print == TCreditsPrint::Analytic)
        credits.setSortFields(QStringLiteral("creditname"));
    credits.first();
    return !credits.isEmpty();
}
