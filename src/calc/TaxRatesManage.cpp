// The rate editor's data side: a set is never changed once applied; a change
// of rates is a new set, copied from the default one, that becomes the only
// default when it is applied.

#include "HostResourceStrings.h"
#include "SalaryDM.h"
#include "TaxRatesResourceStrings.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QSqlQuery>

namespace {

const QString AllItemsSql = QStringLiteral(
    "SELECT * FROM salarytaxitem WHERE salarytaxid = :IDSalaryTax ORDER BY taxpercent DESC, salarytaxitemid");

const char* const CopiedColumns[] = {"taxname",       "taxpercent",   "taxfreevalue", "taxbankaccount",
                                     "taxstatus",     "maxsalary",    "minsalary",    "paymentmodel",
                                     "paymentcode",   "employeecommunitypaymentcode", "paycode", "chamber"};

const char* const FlagColumns[] = {"maxsalary", "minsalary", "employeecommunitypaymentcode", "chamber"};

}  // namespace

QString TSalaryDM::SalaryTaxItemZQtaxstatusGetText(const QVariant& status) const {
    if (SalaryTaxItemZQ->isEmpty())
        return {};
    return QString::fromUtf8(status.toString() == QLatin1String("s") ? _SAL_TAX_STANDARD_CAP : _SAL_TAX_ADDITIONAL_CAP);
}

QString TSalaryDM::SalaryTaxItemZQmaxsalaryGetText(const QVariant& flag) const {
    if (SalaryTaxItemZQ->isEmpty())
        return {};
    return QString::fromUtf8(flag.toString() == QLatin1String("y") ? _YES_CAP : _NO_CAP);
}

QString TSalaryDM::TaxStatusOfText(const QString& text) {
    return text == QString::fromUtf8(_SAL_TAX_STANDARD_CAP) ? QStringLiteral("s") : QStringLiteral("a");
}

QString TSalaryDM::FlagOfText(const QString& text) {
    return text == QString::fromUtf8(_YES_CAP) ? QStringLiteral("y") : QStringLiteral("n");
}

bool TSalaryDM::TaxSetUsed(qint64 SalaryTaxID) {
    return ZConnection()
        ->exec(QStringLiteral("SELECT salaryid FROM salary WHERE salarytaxid = ? LIMIT 1"), {SalaryTaxID})
        .next();
}

void TSalaryDM::ConnectTaxRateHandlers() {
    SalaryTaxZQ->OnNewRecord = [](TDataSet& ds) { ds.fieldByName(QStringLiteral("defaulttax"))->setAsBoolean(true); };
    SalaryTaxItemZQ->OnNewRecord = [](TDataSet& ds) {
        ds.fieldByName(QStringLiteral("taxpercent"))->setAsFloat(0);
        ds.fieldByName(QStringLiteral("taxfreevalue"))->setAsFloat(0);
        ds.fieldByName(QStringLiteral("taxstatus"))->setAsString(QStringLiteral("s"));
        ds.fieldByName(QStringLiteral("maxsalary"))->setAsBoolean(true);
        ds.fieldByName(QStringLiteral("minsalary"))->setAsBoolean(true);
        ds.fieldByName(QStringLiteral("employeecommunitypaymentcode"))->setAsBoolean(false);
        // The column's own default; a NULL would be refused by the database.
        ds.fieldByName(QStringLiteral("chamber"))->setAsBoolean(false);
    };
    // Documents are recalculated with their own set, so its items stay as they were.
    const auto refuseUsedSet = [this](TDataSet& ds) {
        const qint64 set = ds.fieldByName(QStringLiteral("salarytaxid"))->asLargeInt();
        if (set > 0 && TaxSetUsed(set)) {
            Messages().warning(QString::fromUtf8(_SAL_TAX_SET_USED_WRN));
            throw EAbort();
        }
    };
    SalaryTaxItemZQ->BeforePost = [this, refuseUsedSet](TDataSet& ds) {
        refuseUsedSet(ds);
        CommonBeforePost(ds);
    };
    SalaryTaxItemZQ->BeforeDelete = refuseUsedSet;
    // A tax-free amount is money like any other.
    SalaryTaxItemZQ->fieldByName(QStringLiteral("taxfreevalue"))->setDisplayFormat(QStringLiteral("0.00"));
    SalaryTaxItemZQ->fieldByName(QStringLiteral("taxstatus"))->OnGetText =
        [this](const TField&, const QVariant& v, bool display) {
            return display ? SalaryTaxItemZQtaxstatusGetText(v) : v.toString();
        };
    for (const char* column : FlagColumns)
        SalaryTaxItemZQ->fieldByName(QLatin1String(column))->OnGetText =
            [this](const TField&, const QVariant& v, bool display) {
                return display ? SalaryTaxItemZQmaxsalaryGetText(v) : v.toString();
            };
}

void TSalaryDM::OpenTaxItems() {
    SalaryTaxZQ->close();
    SalaryTaxZQ->open();
    if (SalaryTaxZQ->isEmpty()) {
        OpenNewRates();
        return;
    }
    taxRatesSetKey_ = SalaryTaxZQ->fieldByName(QStringLiteral("salarytaxid"))->asLargeInt();
    SalaryTaxItemZQ->close();
    SalaryTaxItemZQ->setSQL(AllItemsSql);
    SalaryTaxItemZQ->setParam(QStringLiteral("IDSalaryTax"), taxRatesSetKey_);
    SalaryTaxItemZQ->open();
}

void TSalaryDM::OpenNewRates() {
    taxRatesSetKey_ = -1;
    SalaryTaxItemZQ->close();
    SalaryTaxItemZQ->setSQL(AllItemsSql);
    SalaryTaxItemZQ->setParam(QStringLiteral("IDSalaryTax"), taxRatesSetKey_);
    SalaryTaxItemZQ->open();
    if (!SalaryTaxZQ->active())
        SalaryTaxZQ->open();
    SalaryTaxZQ->append();
    QSqlQuery defaults = ZConnection()->exec(
        QStringLiteral("SELECT * FROM salarytaxitem AS sti LEFT JOIN salarytax AS st ON st.salarytaxid = "
                       "sti.salarytaxid WHERE st.defaulttax = 'y' ORDER BY taxpercent DESC, salarytaxitemid"));
    while (defaults.next()) {
        SalaryTaxItemZQ->append();
        for (const char* column : CopiedColumns)
            SalaryTaxItemZQ->fieldByName(QLatin1String(column))->setValue(defaults.value(QLatin1String(column)));
        SalaryTaxItemZQ->post();
    }
    SalaryTaxItemZQ->first();
}

void TSalaryDM::ApplyTaxItems() {
    TField* set = SalaryTaxItemZQ->fieldByName(QStringLiteral("salarytaxid"));
    SalaryTaxItemZQ->checkBrowseMode();
    for (int row = 0; row < SalaryTaxItemZQ->recordCount(); ++row) {
        if (SalaryTaxItemZQ->valueAt(row, set->index()).toLongLong() != 0)
            continue;
        SalaryTaxItemZQ->setCurrentIndex(row);
        SalaryTaxItemZQ->edit();
        set->setAsLargeInt(taxRatesSetKey_);
        SalaryTaxItemZQ->post();
    }
    SalaryTaxItemZQ->applyUpdates();
}

void TSalaryDM::CancelOldTaxes(qint64 SalaryTaxID) {
    ZConnection()->exec(QStringLiteral("UPDATE salarytax SET defaulttax = 'n' WHERE salarytaxid <> ?"), {SalaryTaxID});
}

void TSalaryDM::ApplyNewRates() {
    if (SalaryTaxZQ->state() != DataSetState::Insert)
        return;
    const DataSetSnapshot set = SalaryTaxZQ->snapshot();
    const DataSetSnapshot items = SalaryTaxItemZQ->snapshot();
    try {
        Transaction transaction(*ZConnection());
        SalaryTaxZQ->post();
        taxRatesSetKey_ = SalaryTaxZQ->fieldByName(QStringLiteral("salarytaxid"))->asLargeInt();
        ApplyTaxItems();
        CancelOldTaxes(taxRatesSetKey_);
        transaction.commit();
    } catch (...) {
        SalaryTaxItemZQ->restore(items);
        SalaryTaxZQ->restore(set);
        taxRatesSetKey_ = -1;
        throw;
    }
}

void TSalaryDM::CancelNewRates() {
    SalaryTaxItemZQ->cancelUpdates();
    if (SalaryTaxZQ->state() == DataSetState::Insert)
        SalaryTaxZQ->cancel();
}
