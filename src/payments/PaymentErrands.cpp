#include "PaymentErrands.h"

#include "BusyCursor.h"
#include "CalcFields.h"
#include "CalcRounding.h"
#include "CompanyInfo.h"
#include "CreditsSet.h"
#include "DBIniFile.h"
#include "Deductions.h"
#include "EBankAccount.h"
#include "HostResourceStrings.h"
#include "Messages.h"
#include "PaymentLists.h"
#include "PaymentSets.h"
#include "Recapitulation.h"
#include "SalaryDM.h"
#include "db/Connection.h"
#include "db/MemoryColumn.h"

#include <QHash>
#include <QSqlQuery>

#include <unordered_map>

namespace {

const QString TaxRecipient = QStringLiteral("Poreska uprava");
const QString TaxAccount = QStringLiteral("840-4848-37");
const QString ReferenceModel = QStringLiteral("97");

// One payment order, the run's common values (payer, currency) aside.
struct TErrand {
    QString description, recipient, address, city, paycode, account, model, code;
    long double value = 0;
};

// The orders of a run, in PaymentErrandsCDS's field order.
class ErrandSet {
public:
    ErrandSet(TErrandsRoad road, const TCompanyInfo& company, QString currency, QString payerAccount)
        : road_(road), company_(company), currency_(std::move(currency)), payer_(std::move(payerAccount)),
          companyLine_(company.Name + QLatin1Char(' ') + company.Address + QLatin1Char(' ') + company.City) {}

    // Adds the order; false when the road leaves it out (e-banking files carry only positive amounts).
    bool add(const TErrand& e) {
        const long double value = RND(e.value);
        if (road_ == TErrandsRoad::EBank && value <= 0)
            return false;
        rows_.push_back({companyLine_, e.description, e.recipient, e.address, e.city, e.paycode, currency_,
                         double(value), payer_, road_ == TErrandsRoad::EBank ? EBankAccount(e.account) : e.account,
                         e.model, e.code});
        return true;
    }

    // A further amount to the recipient of the last order, under a new name
    // (a bank collecting for several employees) and the company's address.
    void merge(const QString& recipient, long double amount) {
        if (amount <= 0 || rows_.empty())
            return;
        std::vector<QVariant>& last = rows_.back();
        last[Recipient] = recipient;
        last[Address] = company_.Address;
        last[City] = company_.City;
        last[Value] = double(RND(last[Value].toDouble() + amount));
    }

    const TCompanyInfo& company() const { return company_; }
    std::vector<std::vector<QVariant>> take() { return std::move(rows_); }

private:
    enum { Recipient = 2, Address = 3, City = 4, Value = 7 };
    TErrandsRoad road_;
    TCompanyInfo company_;
    QString currency_, payer_, companyLine_;
    std::vector<std::vector<QVariant>> rows_;
};

struct Period {
    int month = 0, year = 0;
    // " 3.2025."
    QString text() const { return QStringLiteral(" %1.%2.").arg(month).arg(year); }
};

QString described(const char* caption, const Period& period) {
    return QString::fromUtf8(caption) + QStringLiteral(" za") + period.text();
}

bool inWorkingStates2To6(qint64 state) { return state >= 2 && state <= 6; }

// Taxes and contributions of this payment, net of what the month's earlier
// payments paid. For regular and sick-pay documents: the contributions of
// the recapitulations of the employees who are not the employer and of the
// employer (each only when its pension part is not 0), and the income tax
// of the rows outside working states 2 to 6; for the others gross minus net.
long double TaxesAndContributions(const TSalaryDM& dm, bool fullRoad) {
    const TDataSet& rows = *dm.PaymentListsItemCDS;
    const TPaymentListIndex x(rows);
    const auto at = [&rows](int r, int field) { return static_cast<long double>(rows.valueAt(r, field).toDouble()); };
    if (!fullRoad) {
        long double sum = 0;
        for (int r = 0; r < rows.recordCount(); ++r)
            sum += at(r, x.salaryvalue) - at(r, x.paymentvalue);
        return RND(sum);
    }
    // Pension first: it decides whether the recapitulation's contributions count.
    const std::pair<int, int> items[] = {{x.sub111, x.prevsub111}, {x.sub121, x.prevsub121}, {x.sub112, x.prevsub112},
                                         {x.sub122, x.prevsub122}, {x.sub113, x.prevsub113}, {x.sub123, x.prevsub123},
                                         {x.sub124, x.prevsub124}};
    constexpr size_t Items = std::size(items);
    long double total = 0;
    for (const bool employer : {false, true}) {
        long double own[Items] = {}, previous[Items] = {};
        for (int r = 0; r < rows.recordCount(); ++r) {
            if ((rows.valueAt(r, x.employer).toString() == QLatin1String("y")) != employer)
                continue;
            for (size_t k = 0; k < Items; ++k) {
                own[k] += at(r, items[k].first);
                previous[k] += at(r, items[k].second);
            }
        }
        // The recapitulation's sums, each rounded to the para.
        long double group = 0;
        for (size_t k = 0; k < Items; ++k)
            group += RND(own[k]) - RND(previous[k]);
        if (RND(RND(own[0]) + RND(own[1]) - RND(previous[0]) - RND(previous[1])) != 0)
            total += group;
    }
    long double tax = 0;
    for (int r = 0; r < rows.recordCount(); ++r)
        if (!inWorkingStates2To6(rows.valueAt(r, x.workingstateid).toLongLong()))
            tax += at(r, x.sub2) - at(r, x.prevsub2);
    return RND(total + tax);
}

// The payment lists walked by account, put back in document order afterwards.
class ByAccount {
public:
    explicit ByAccount(TSalaryDM& dm) : dm_(dm) { SetPaymentListsIndex(dm, AccountIndex); }
    ~ByAccount() { SetPaymentListsIndex(dm_, QString()); }
    ByAccount(const ByAccount&) = delete;
    ByAccount& operator=(const ByAccount&) = delete;

private:
    TSalaryDM& dm_;
};

void AddNetPayOrders(TSalaryDM& dm, ErrandSet& errands, const QString& reference, QChar type, const Period& period) {
    ByAccount ordered(dm);
    const TDataSet& rows = *dm.PaymentListsItemCDS;
    const TPaymentListIndex x(rows);
    const bool skipWithoutAccount = dm.Options.NotPrintErrandWithoutAccount;
    bool open = false;  // whether the last order is an employee's
    QString lastAccount;
    for (int r = 0; r < rows.recordCount(); ++r) {
        const auto text = [&](int field) { return rows.valueAt(r, field).toString(); };
        const QString account = text(x.account);
        if (skipWithoutAccount && (account.isEmpty() || text(x.paymentcode) == QLatin1String("-")))
            continue;
        const long double cash = rows.valueAt(r, x.cash).toDouble();
        if (open && account == lastAccount) {
            errands.merge(text(x.bankname), cash);
            continue;
        }
        TErrand e;
        e.recipient = text(x.firstname) + QLatin1Char(' ') + text(x.lastname);
        e.address = text(x.address);
        e.city = text(x.city);
        e.account = account;
        e.value = cash;
        const auto taxable = [&](const char* caption, const char* paycode) {
            e.description = described(caption, period);
            e.paycode = QString::fromLatin1(paycode);
            e.model = ReferenceModel;
            e.code = reference;
        };
        if (type == QLatin1Char('Z'))
            taxable(_SALARY_REGULAR_CAPTION, "240");
        else if (type == QLatin1Char('B'))
            taxable(_SALARY_SICK_CAPTION, "247");
        else if (rows.valueAt(r, x.paymentvalue).toDouble() < rows.valueAt(r, x.salaryvalue).toDouble())
            taxable(_SALARY_TRANSPORT_CAPTION, "240");
        else {
            e.description = described(_SALARY_TRANSPORT_CAPTION, period);
            e.paycode = QStringLiteral("241");
        }
        open = errands.add(e);
        lastAccount = account;
    }
}

void AddChamberOrders(TSalaryDM& dm, ErrandSet& errands, qint64 salaryTaxId, const Period& period) {
    // The whole document's gross of this payment, as its recapitulation sums it.
    const TDataSet& rows = *dm.PaymentListsItemCDS;
    const TPaymentListIndex x(rows);
    long double gross = 0, previousGross = 0;
    for (int r = 0; r < rows.recordCount(); ++r) {
        gross += rows.valueAt(r, x.salaryvalue).toDouble();
        previousGross += rows.valueAt(r, x.prevsalaryvalue).toDouble();
    }
    const long double base = RND(gross) - RND(previousGross);
    QSqlQuery items = dm.ZConnection()->exec(
        QStringLiteral("SELECT taxname, taxpercent, paycode, taxbankaccount, paymentmodel, paymentcode FROM "
                       "salarytaxitem WHERE chamber = 'y' AND salarytaxid = ? ORDER BY salarytaxitemid"),
        {salaryTaxId});
    while (items.next()) {
        const double percent = items.value(1).toDouble();
        TErrand e;
        e.recipient = items.value(0).toString();
        e.address = errands.company().Address;
        e.city = errands.company().City;
        e.paycode = items.value(2).toString();
        e.account = items.value(3).toString();
        e.model = items.value(4).toString();
        e.code = items.value(5).toString();
        e.value = base * percent / 100;
        e.description = QStringLiteral("Komora za%1, %2 proc.")
                            .arg(period.text(), QString::number(percent, 'f', 2));
        errands.add(e);
    }
}

// A row of CreditsCDS while it is gathered.
struct CreditRow {
    QString name, paycode, account, model, code;
    long double value = 0;
};

// Every deduction of the document's lines, in document order, gathered by
// recipient account and reference number; an expired one counts 0.
std::vector<CreditRow> GatherCredits(TSalaryDM& dm, const QDate& paymentDate) {
    const TDataSet& lines = *dm.SalaryItemZQ;
    std::unordered_map<qint64, std::vector<std::pair<TDeduction, CreditRow>>> sets;
    QSqlQuery items = dm.ZConnection()->exec(
        QStringLiteral("SELECT salarycreditid, creditname, creditpercent, creditgrosspercent, creditvalue, expirydate, "
                       "paycode, creditbankaccount, paymentmodel, paymentcode FROM salarycredititem WHERE "
                       "salarycreditid IN (SELECT salarycreditid FROM salaryitem WHERE salaryid = ?) "
                       "ORDER BY salarycreditid, salarycredititemid"),
        {dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt()});
    while (items.next()) {
        TDeduction deduction{items.value(2).toDouble(), items.value(3).toDouble(), items.value(4).toDouble(),
                             items.value(5).isNull() ? QDate() : StoredDate(items.value(5))};
        CreditRow row{items.value(1).toString(), items.value(6).toString(), items.value(7).toString(),
                      items.value(8).toString(), items.value(9).toString()};
        sets[items.value(0).toLongLong()].emplace_back(deduction, std::move(row));
    }

    std::vector<CreditRow> gathered;
    QHash<QPair<QString, QString>, size_t> byRecipient;
    const auto add = [&](const CreditRow& row, long double amount) {
        const QPair<QString, QString> key(row.account, row.code);
        if (const auto found = byRecipient.constFind(key); found != byRecipient.cend()) {
            gathered[*found].value += amount;
            return;
        }
        byRecipient.insert(key, gathered.size());
        gathered.push_back(row);
        gathered.back().value = amount;
    };
    const auto field = [&lines](const char* name) { return lines.fieldByName(QLatin1String(name))->index(); };
    const int pension = field("voluntarypension"), pensionName = field("voluntarypensionname"),
              pensionAccount = field("voluntarypensionbankaccount"), pensionCode = field("voluntarypensionpaymentcode"),
              creditSet = field("salarycreditid"), decreasedNet = field("paymentdecreasedvalue"),
              gross = field("salaryvalue");
    for (int r = 0; r < lines.recordCount(); ++r) {
        const std::vector<QVariant>& line = *lines.recordValues(r);
        if (const double voluntary = line[size_t(pension)].toDouble(); voluntary > 0)
            add({line[size_t(pensionName)].toString(), QStringLiteral("246"), line[size_t(pensionAccount)].toString(),
                 QString(), line[size_t(pensionCode)].toString()},
                voluntary);
        const auto set = sets.find(line[size_t(creditSet)].toLongLong());
        if (set == sets.end())
            continue;
        for (const auto& [deduction, row] : set->second)
            add(row, DeductionAmount(deduction, line[size_t(decreasedNet)].toDouble(), line[size_t(gross)].toDouble(),
                                     paymentDate));
    }
    return gathered;
}

void AddCreditOrders(TSalaryDM& dm, ErrandSet& errands, const Period& period, const QDate& paymentDate) {
    TDataSet& credits = *dm.CreditsCDS;
    credits.setSortFields(QString());
    credits.emptyDataSet();
    std::vector<std::vector<QVariant>> built;
    for (const CreditRow& row : GatherCredits(dm, paymentDate))
        built.push_back({row.name, double(RND(row.value)), row.paycode, row.account, row.model, row.code, QString()});
    // Walked by recipient account.
    credits.setSortFields(QStringLiteral("creditbankaccount"));
    credits.appendRecords(std::move(built));

    const auto at = [&credits](const char* name) { return credits.fieldByName(QLatin1String(name))->index(); };
    const int name = at("creditname"), value = at("creditvalue"), paycode = at("paycode"),
              account = at("creditbankaccount"), model = at("paymentmodel"), code = at("paymentcode");
    bool open = false;
    QString lastAccount, lastCode;
    for (int r = 0; r < credits.recordCount(); ++r) {
        const auto text = [&](int f) { return credits.valueAt(r, f).toString(); };
        if (open && text(account) == lastAccount && text(code) == lastCode) {
            errands.merge(text(name), credits.valueAt(r, value).toDouble());
            continue;
        }
        TErrand e;
        e.recipient = text(name);
        e.address = errands.company().Address;
        e.city = errands.company().City;
        e.paycode = text(paycode);
        e.account = text(account);
        e.model = text(model);
        e.code = text(code);
        e.value = credits.valueAt(r, value).toDouble();
        e.description = QStringLiteral("Obustava za") + period.text();
        open = errands.add(e);
        lastAccount = e.account;
        lastCode = e.code;
    }
}

std::vector<ColumnDef> errandColumns() {
    using T = ColumnType;
    return {MemoryColumn("company", T::String, 255, "Nalogodavac"),
            MemoryColumn("description", T::String, 255, "Svrha plaćanja"),
            MemoryColumn("recipient", T::String, 255, "Primalac"),
            MemoryColumn("recipientaddress", T::String, 200, "Adresa primaoca"),
            MemoryColumn("recipientcity", T::String, 50, "Mesto primaoca"),
            MemoryColumn("paycode", T::String, 5, "Šifra plaćanja"),
            MemoryColumn("currency", T::String, 3, "Valuta"),
            MemoryColumn("value", T::Float, 0, "Iznos"),
            MemoryColumn("companybankaccount", T::String, 50, "Račun nalogodavca"),
            MemoryColumn("recipientbankaccount", T::String, 50, "Račun primaoca"),
            MemoryColumn("recipientmodel", T::String, 5, "Model"),
            MemoryColumn("recipientcode", T::String, 30, "Poziv na broj")};
}

}  // namespace

void DefinePaymentErrandSets(TSalaryDM& dm) {
    TDataSet& errands = *dm.PaymentErrandsCDS;
    if (errands.fieldCount() == 0)
        for (const ColumnDef& c : errandColumns())
            errands.addField(c);
    if (!errands.active())
        errands.open();
    DefineCreditsSet(*dm.CreditsCDS);
}

bool PreparePaymentErrands(TSalaryDM& dm, IMessages& messages, TErrandsRoad road) {
    DefinePaymentErrandSets(dm);
    const TCompanyInfo company = ReadCompanyInfo(TDBIniFile(*dm.ZConnection()));
    const QString currency = dm.GetDefaultCurrency();
    dm.PaymentErrandsCDS->emptyDataSet();
    QString payer = company.BankAccount;
    if (road == TErrandsRoad::Print
        && !messages.inputLine(QStringLiteral("Račun u banci za isplatu"),
                               QStringLiteral("Unestite račun u banci sa koga će se izvršiti isplata:"), payer))
        return false;

    BusyCursor busy;
    const TDataSet& document = *dm.SalaryZQ;
    const QString typeText = document.fieldByName(QStringLiteral("salarytype"))->asString();
    const QChar type = typeText.isEmpty() ? QChar() : typeText.at(0);
    const bool fullRoad = type == QLatin1Char('Z') || type == QLatin1Char('B');
    const QDate paymentDate = document.fieldByName(QStringLiteral("paymentdate"))->asDate();
    const Period period{document.fieldByName(QStringLiteral("month"))->asInteger(),
                        document.fieldByName(QStringLiteral("year"))->asInteger()};
    const qint64 salaryTaxId = document.fieldByName(QStringLiteral("salarytaxid"))->asLargeInt();
    // One preparation serves every step: the recapitulations the steps
    // speak of are sums of these rows.
    PreparePaymentLists(dm, document.fieldByName(QStringLiteral("netdecreasepercent"))->asFloat() > 0, 0);

    ErrandSet errands(road, company, currency, payer);
    QString reference;
    if (const long double taxes = TaxesAndContributions(dm, fullRoad); taxes > 0) {
        if (!messages.inputLine(QStringLiteral("Poziv na broj za poreze i doprinose"),
                                QStringLiteral("Unesite poziv na broj za poreze i doprinose:"), reference))
            reference.clear();
        errands.add({QStringLiteral("PID-%1-%2").arg(paymentDate.month()).arg(paymentDate.year()), TaxRecipient,
                     company.Address, company.City, QStringLiteral("254"), TaxAccount, ReferenceModel, reference,
                     taxes});
    }
    AddNetPayOrders(dm, errands, reference, type, period);
    if (fullRoad)
        AddChamberOrders(dm, errands, salaryTaxId, period);
    AddCreditOrders(dm, errands, period, paymentDate);
    dm.PaymentErrandsCDS->appendRecords(errands.take());
    return true;
}
