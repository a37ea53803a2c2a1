// The deduction editor's data side: an employee's deductions are a set that
// is never changed once applied; a change is a new set that becomes the
// employee's only default when applied.

#include "SalaryDM.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QDateTime>
#include <QSqlQuery>

namespace {

// What a copy carries: everything but the description.
const char* const CopiedColumns[] = {"creditname",   "creditpercent", "creditgrosspercent", "creditvalue",
                                     "creditbankaccount", "paymentmodel", "paymentcode", "paycode", "expirydate"};

void AppendCopy(TDataSet& items, const std::function<QVariant(const QString&)>& value) {
    items.append();
    for (const char* column : CopiedColumns)
        items.fieldByName(QLatin1String(column))->setValue(value(QLatin1String(column)));
    items.post();
}

void OpenItems(TSqlQuery& items, qint64 set) {
    items.close();
    items.setParam(QStringLiteral("IDSalaryCredit"), set);
    items.open();
}

}  // namespace

void TSalaryDM::ConnectCreditRateHandlers() {
    SalaryCreditZQ->OnNewRecord = [](TDataSet& ds) {
        ds.fieldByName(QStringLiteral("defaultcredit"))->setAsBoolean(true);
    };
    const auto newDeduction = [](TDataSet& ds) {
        ds.fieldByName(QStringLiteral("creditpercent"))->setAsFloat(0);
        ds.fieldByName(QStringLiteral("creditgrosspercent"))->setAsFloat(0);
        ds.fieldByName(QStringLiteral("creditvalue"))->setAsFloat(0);
        ds.fieldByName(QStringLiteral("expirydate"))->setAsDate(QDate::currentDate());
    };
    SalaryCreditItemZQ->OnNewRecord = newDeduction;
    SalaryCreditItemFrameZQ->OnNewRecord = newDeduction;
}

bool TSalaryDM::ComposingCredits() const { return SalaryCreditZQ->state() == DataSetState::Insert; }

void TSalaryDM::OpenCreditItems(qint64 SalaryCreditID, qint64 EmployeeID) {
    SalaryCreditZQ->close();
    if (SalaryCreditID > 0) {
        SalaryCreditZQ->setSQL(QStringLiteral("SELECT * FROM salarycredit WHERE salarycreditid = :IDSalaryCredit"));
        SalaryCreditZQ->setParam(QStringLiteral("IDSalaryCredit"), SalaryCreditID);
    } else {
        SalaryCreditZQ->setSQL(
            QStringLiteral("SELECT * FROM salarycredit WHERE defaultcredit = 'y' AND employeeid = :IDEmployee"));
        SalaryCreditZQ->setParam(QStringLiteral("IDEmployee"), EmployeeID);
    }
    SalaryCreditZQ->open();
    if (SalaryCreditZQ->isEmpty()) {
        OpenNewCreditItems(EmployeeID);
        return;
    }
    creditRatesSetKey_ = SalaryCreditZQ->fieldByName(QStringLiteral("salarycreditid"))->asLargeInt();
    OpenItems(*SalaryCreditItemZQ, creditRatesSetKey_);
}

void TSalaryDM::OpenNewCreditItems(qint64 EmployeeID) {
    creditRatesSetKey_ = -1;
    OpenItems(*SalaryCreditItemZQ, creditRatesSetKey_);
    if (!SalaryCreditZQ->active())
        SalaryCreditZQ->open();
    SalaryCreditZQ->append();
    QSqlQuery current = ZConnection()->exec(
        QStringLiteral("SELECT * FROM salarycredititem AS sti LEFT JOIN salarycredit AS st ON st.salarycreditid = "
                       "sti.salarycreditid WHERE st.defaultcredit = 'y' AND st.employeeid = ? "
                       "ORDER BY sti.salarycredititemid"),
        {EmployeeID});
    while (current.next())
        AppendCopy(*SalaryCreditItemZQ, [&current](const QString& column) { return current.value(column); });
    SalaryCreditItemZQ->first();
}

void TSalaryDM::AppendCreditTemplate() {
    if (!ComposingCredits() || SalaryCreditItemFrameZQ->isEmpty())
        return;
    TDataSet& frame = *SalaryCreditItemFrameZQ;
    AppendCopy(*SalaryCreditItemZQ, [&frame](const QString& column) { return frame.fieldByName(column)->value(); });
}

void TSalaryDM::ApplyNewCredits(qint64 EmployeeID) {
    if (!ComposingCredits())
        return;
    const DataSetSnapshot set = SalaryCreditZQ->snapshot();
    const DataSetSnapshot items = SalaryCreditItemZQ->snapshot();
    try {
        Transaction transaction(*ZConnection());
        SalaryCreditZQ->fieldByName(QStringLiteral("employeeid"))->setAsLargeInt(EmployeeID);
        SalaryCreditZQ->post();
        const qint64 key = SalaryCreditZQ->fieldByName(QStringLiteral("salarycreditid"))->asLargeInt();
        TField* owner = SalaryCreditItemZQ->fieldByName(QStringLiteral("salarycreditid"));
        SalaryCreditItemZQ->checkBrowseMode();
        for (int row = 0; row < SalaryCreditItemZQ->recordCount(); ++row) {
            if (SalaryCreditItemZQ->valueAt(row, owner->index()).toLongLong() != 0)
                continue;
            SalaryCreditItemZQ->setCurrentIndex(row);
            SalaryCreditItemZQ->edit();
            owner->setAsLargeInt(key);
            SalaryCreditItemZQ->post();
        }
        SalaryCreditItemZQ->applyUpdates();
        CancelOldCredits(key, EmployeeID);
        transaction.commit();
        creditRatesSetKey_ = key;
    } catch (...) {
        SalaryCreditItemZQ->restore(items);
        SalaryCreditZQ->restore(set);
        throw;
    }
}

void TSalaryDM::CancelOldCredits(qint64 SalaryCreditID, qint64 EmployeeID) {
    ZConnection()->exec(
        QStringLiteral("UPDATE salarycredit SET defaultcredit = 'n' WHERE (salarycreditid <> ?) AND (employeeid = ?)"),
        {SalaryCreditID, EmployeeID});
}

void TSalaryDM::DeactivateCredits(qint64 EmployeeID) {
    CancelOldCredits(-1, EmployeeID);
    OpenCreditItems(-1, EmployeeID);
}

void TSalaryDM::CancelNewCredits() {
    SalaryCreditItemZQ->cancelUpdates();
    if (ComposingCredits())
        SalaryCreditZQ->cancel();
}

QList<QPair<qint64, QString>> TSalaryDM::CreditEmployees(qint64 OnlyEmployeeID) {
    QSqlQuery query = OnlyEmployeeID > 0
        ? ZConnection()->exec(
              QStringLiteral("SELECT employeeid, code, lastname, firstname FROM employee WHERE employeeid = ?"),
              {OnlyEmployeeID})
        : ZConnection()->exec(QStringLiteral(
              "SELECT employeeid, code, lastname, firstname FROM employee WHERE active = 'y' ORDER BY code"));
    QList<QPair<qint64, QString>> employees;
    while (query.next()) {
        const QString code = query.value(1).toString();
        const QString name = query.value(2).toString() + QLatin1Char(' ') + query.value(3).toString();
        employees.append({query.value(0).toLongLong(), code.isEmpty() ? name : code + QStringLiteral("  ") + name});
    }
    return employees;
}

qint64 TSalaryDM::CreditEmployeeOfText(const QString& text) {
    const QString trimmed = text.trimmed();
    const QString code = trimmed.section(QLatin1Char(' '), 0, 0);
    QSqlQuery byCode = ZConnection()->exec(
        QStringLiteral("SELECT employeeid FROM employee WHERE active = 'y' AND code = ?"), {code});
    if (byCode.next())
        return byCode.value(0).toLongLong();
    // Employees without a code are listed by their names only.
    QSqlQuery byName = ZConnection()->exec(
        QStringLiteral("SELECT employeeid FROM employee WHERE active = 'y' AND lastname = ? AND firstname = ?"),
        {code, trimmed.section(QLatin1Char(' '), 1).trimmed()});
    return byName.next() ? byName.value(0).toLongLong() : 0;
}
