// Life of a salary document: defaults of a new one, numbering, copying,
// applying, posting and deleting.

#include "SalaryDM.h"
#include "SalaryResourceString.h"
#include "SalarySearch.h"
#include "SuspendGuard.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QSqlQuery>

#include <optional>

namespace {

// The month before the given day (January gives December of the year before).
std::pair<int, int> previousMonth(const QDate& today) {
    const QDate previous = today.addMonths(-1);
    return {previous.year(), previous.month()};
}

// Whether applying changes the lines in memory before writing them: a
// pending edit is posted, lines of a new document take its key.
bool applyChangesLines(TDataSet& lines) {
    if (lines.isEditing())
        return true;
    const int salaryid = lines.fieldByName(QStringLiteral("salaryid"))->index();
    for (int row = 0; row < lines.recordCount(); ++row)
        if (lines.valueAt(row, salaryid).toLongLong() == 0)
            return true;
    return false;
}

}  // namespace

void TSalaryDM::SalaryZQNewRecord(TDataSet& ds) {
    FlagGuard suspend(SuspendRecalculation);
    ds.fieldByName(QStringLiteral("partcoefficient"))->setAsFloat(100);
    ds.fieldByName(QStringLiteral("paymentdate"))->setAsDate(QDate::currentDate());
    ds.fieldByName(QStringLiteral("accountingdate"))->setAsDate(QDate::currentDate());
    ds.fieldByName(QStringLiteral("status"))->setAsString(QStringLiteral("n"));
    TLastSalaryDesc last;
    if (!GetLastSalary(QStringLiteral("Z"), last))
        return;
    const std::pair<const char*, double> values[] = {
        {"maxsalaryvalue", last.maxsalaryvalue},
        {"minsalaryvalue", last.minsalaryvalue},
        {"baudvalue", last.baudvalue},
        {"minnetsalaryprice", last.minnetsalaryprice},
        {"minnetsalaryvalue", last.minnetsalaryvalue},
        {"workingyearsincrementpercent", last.workingyearsincrementpercent},
        {"workinghours", double(last.workinghours)},
        {"mealrefund", last.mealrefund},
        {"vacationrefund", last.vacationrefund},
        {"voluntarypensiontaxfreevalue", last.voluntarypensiontaxfreevalue},
        {"netdecreasepercent", last.netdecreasepercent},
        {"netdecreaseminvalue", last.netdecreaseminvalue},
        {"taxpercent", last.taxpercent},
        {"taxfreevalue", last.taxfreevalue},
    };
    for (const auto& [column, value] : values)
        ds.fieldByName(QLatin1String(column))->setAsFloat(value);
}

bool TSalaryDM::GetLastSalary(const QString& salaryType, TLastSalaryDesc& desc) {
    QSqlQuery q = ZConnection()->exec(
        QStringLiteral("SELECT * FROM salary WHERE salarytype = ? ORDER BY paymentdate DESC, salaryid DESC LIMIT 1"),
        {salaryType});
    if (!q.next())
        return false;
    const auto v = [&q](const char* column) { return q.value(QLatin1String(column)).toDouble(); };
    desc.maxsalaryvalue = v("maxsalaryvalue");
    desc.minsalaryvalue = v("minsalaryvalue");
    desc.baudvalue = v("baudvalue");
    desc.minnetsalaryprice = v("minnetsalaryprice");
    desc.minnetsalaryvalue = v("minnetsalaryvalue");
    desc.workingyearsincrementpercent = v("workingyearsincrementpercent");
    desc.mealrefund = v("mealrefund");
    desc.vacationrefund = v("vacationrefund");
    desc.voluntarypensiontaxfreevalue = v("voluntarypensiontaxfreevalue");
    desc.netdecreasepercent = v("netdecreasepercent");
    desc.netdecreaseminvalue = v("netdecreaseminvalue");
    desc.taxpercent = v("taxpercent");
    desc.taxfreevalue = v("taxfreevalue");
    desc.workinghours = q.value(QStringLiteral("workinghours")).toInt();
    return true;
}

int TSalaryDM::GetSalaryIndex(int year, int month, const QString& salaryType) {
    // The next number after the highest: a deleted document leaves a gap, not a repeat.
    return ZConnection()
               ->scalar(QStringLiteral("SELECT COALESCE(MAX(salarynumber), 0) FROM salary "
                                       "WHERE year = ? AND month = ? AND salarytype = ?"),
                        {year, month, salaryType})
               .toInt()
        + 1;
}

QStringList TSalaryDM::CopySalaryAssignments(const QDate& today) {
    const auto [year, month] = previousMonth(today);
    const QString date = today.toString(QStringLiteral("dd.MM.yyyy."));
    return {QStringLiteral("paymentdate=") + date,
            QStringLiteral("accountingdate=") + date,
            QStringLiteral("month=%1").arg(month),
            QStringLiteral("year=%1").arg(year),
            QStringLiteral("salarynumber=%1")
                .arg(GetSalaryIndex(year, month, SalaryZQ->fieldByName(QStringLiteral("salarytype"))->asString())),
            QStringLiteral("status=n")};
}

qint64 TSalaryDM::CopySalary(qint64 salaryid, QStringList& assignments) {
    Connection& connection = *ZConnection();
    Transaction transaction(connection);
    const QString condition = QStringLiteral("salaryid=%1").arg(salaryid);
    if (CopyDataSet(QStringLiteral("salary"), condition, assignments) == 0)
        return 0;
    const qint64 newKey = GetLastInsertID();
    CopyDataSet(QStringLiteral("salaryitem"), condition, {QStringLiteral("salaryid=%1").arg(newKey)});
    transaction.commit();
    return newKey;
}

void TSalaryDM::SalaryItemZQBeforeDelete(TDataSet& ds) {
    refuseWhenPosted();
    // Bulk clearing lowers EditingLines: one question was asked for all lines.
    if (EditingLines)
        CommonBeforeDelete(ds);
    RecalcSalaryItemSortNum(ds.fieldByName(QStringLiteral("sort"))->asInteger());
}

void TSalaryDM::RecalcSalaryItemSortNum(int sort) {
    TDataSet& items = *SalaryItemZQ;
    TField* sortField = items.fieldByName(QStringLiteral("sort"));
    ControlsDisabled quiet(items);
    const TDataSet::Bookmark current = items.bookmark();
    for (int row = 0; row < items.recordCount(); ++row) {
        if (items.valueAt(row, sortField->index()).toInt() <= sort)
            continue;
        items.setCurrentIndex(row);
        items.edit();
        sortField->setAsInteger(sortField->asInteger() - 1);
        items.post();
    }
    items.gotoBookmark(current);
}

QString TSalaryDM::GetDefaultCurrency() {
    return ZConnection()->scalar(QStringLiteral("SELECT code FROM currency WHERE status = 'primary'")).toString();
}

QString TSalaryDM::GetEmployeeEmailAddress(qint64 employeeid) {
    return ZConnection()->scalar(QStringLiteral("SELECT email FROM employee WHERE employeeid = ?"), {employeeid}).toString();
}

void TSalaryDM::SalaryAddDocument(const QString& salaryType) {
    if (!SalaryZQ->active())
        SalaryZQ->open();
    SalaryZQ->append();
    SalaryZQ->fieldByName(QStringLiteral("salarytype"))->setAsString(salaryType);
    if (salaryType != QLatin1String("Z")) {
        FlagGuard suspend(SuspendRecalculation);
        SalaryZQ->fieldByName(QStringLiteral("netdecreasepercent"))->setAsFloat(0);
        SalaryZQ->fieldByName(QStringLiteral("netdecreaseminvalue"))->setAsFloat(0);
    }
    TLastSalaryDesc transport;
    if (salaryType != QLatin1String("Z") && salaryType != QLatin1String("B")
        && GetLastSalary(QStringLiteral("P"), transport)) {
        SalaryZQ->fieldByName(QStringLiteral("taxpercent"))->setAsFloat(transport.taxpercent);
        SalaryZQ->fieldByName(QStringLiteral("taxfreevalue"))->setAsFloat(transport.taxfreevalue);
    }
}

void TSalaryDM::SetNewSalaryPeriod(const QDate& today) {
    if (SalaryZQ->state() != DataSetState::Insert)
        return;
    const auto [year, month] = previousMonth(today);
    SalaryZQ->fieldByName(QStringLiteral("month"))->setAsInteger(month);
    SalaryZQ->fieldByName(QStringLiteral("year"))->setAsInteger(year);
    SalaryZQ->fieldByName(QStringLiteral("salarynumber"))
        ->setAsInteger(GetSalaryIndex(year, month, SalaryZQ->fieldByName(QStringLiteral("salarytype"))->asString()));
}

void TSalaryDM::SalaryItemsOpen() {
    FlagGuard suspend(SuspendRecalculation);
    SalaryItemZQ->close();
    const bool inserting = SalaryZQ->state() == DataSetState::Insert;
    SalaryItemZQ->setParam(QStringLiteral("IDSalary"),
                           inserting ? qlonglong(-1) : SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt());
    SalaryItemZQ->setSortFields(QStringLiteral("sort"));
    SalaryItemZQ->open();
    SalaryItemZQ->first();
}

bool TSalaryDM::SalaryModified() const {
    return SalaryZQ->isEditing() || SalaryItemZQ->isEditing() || SalaryItemZQ->updatesPending();
}

void TSalaryDM::SalaryApply() {
    const DataSetSnapshot header = SalaryZQ->snapshot();
    // The lines are copied only when applying changes them before the write;
    // otherwise a refused write leaves them as they are, still pending, and
    // only the cursor goes back (a month of many lines is not copied).
    std::optional<DataSetSnapshot> lines;
    if (applyChangesLines(*SalaryItemZQ))
        lines = SalaryItemZQ->snapshot();
    const TDataSet::Position position = SalaryItemZQ->position();
    try {
        TSqlQuery::WrittenKeys written;
        {
            Transaction transaction(*ZConnection());
            PostHeaderWithFreeNumber();
            const qint64 salaryid = SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt();
            TField* lineSalary = SalaryItemZQ->fieldByName(QStringLiteral("salaryid"));
            SalaryItemZQ->checkBrowseMode();
            ControlsDisabled quiet(*SalaryItemZQ);
            for (int row = 0; row < SalaryItemZQ->recordCount(); ++row) {
                if (SalaryItemZQ->valueAt(row, lineSalary->index()).toLongLong() != 0)
                    continue;
                SalaryItemZQ->setCurrentIndex(row);
                SalaryItemZQ->edit();
                lineSalary->setAsLargeInt(salaryid);
                SalaryItemZQ->post();
            }
            SalaryItemZQ->first();
            quiet.release();
            written = SalaryItemZQ->writeUpdates();
            transaction.commit();
        }
        // Memory follows only what the database has kept.
        SalaryItemZQ->acceptUpdates(written);
    } catch (...) {
        if (lines)
            SalaryItemZQ->restore(*lines);
        else
            SalaryItemZQ->restorePosition(position);
        SalaryZQ->restore(header);
        throw;
    }
}

void TSalaryDM::PostHeaderWithFreeNumber() {
    if (SalaryZQ->state() != DataSetState::Insert) {
        SalaryZQ->post();
        return;
    }
    // A new document takes its number inside the transaction that stores it:
    // the number shown when it was made may have been taken since, by
    // another workstation too, and the database keeps numbers unique.
    TField* number = SalaryZQ->fieldByName(QStringLiteral("salarynumber"));
    const int year = SalaryZQ->fieldByName(QStringLiteral("year"))->asInteger();
    const int month = SalaryZQ->fieldByName(QStringLiteral("month"))->asInteger();
    const QString type = SalaryZQ->fieldByName(QStringLiteral("salarytype"))->asString();
    const auto taken = [&] {
        return ZConnection()
                   ->scalar(QStringLiteral("SELECT COUNT(*) FROM salary WHERE year = ? AND month = ? "
                                           "AND salarytype = ? AND salarynumber = ?"),
                            {year, month, type, number->asInteger()})
                   .toInt()
            > 0;
    };
    for (int attempt = 0;; ++attempt) {
        if (taken())
            number->setAsInteger(GetSalaryIndex(year, month, type));
        try {
            SalaryZQ->post();
            return;
        } catch (const EDatabaseError&) {
            // Another workstation stored the same number in the meantime.
            if (attempt >= 2 || !taken())
                throw;
        }
    }
}

void TSalaryDM::SalaryReload() {
    SalaryCancel();
    SalaryZQ->refresh();
    SalaryItemsOpen();
}

void TSalaryDM::SalaryCancel() {
    SalaryItemZQ->cancelUpdates();
    SalaryZQ->cancel();
}

bool TSalaryDM::SalaryPosted() const {
    return SalaryZQ->active() && !SalaryZQ->isEmpty()
        && SalaryZQ->fieldByName(QStringLiteral("status"))->asString() == QLatin1String("p");
}

void TSalaryDM::RegisterSalary(bool post) {
    SalaryZQ->edit();
    SalaryZQ->fieldByName(QStringLiteral("status"))->setAsString(post ? QStringLiteral("p") : QStringLiteral("n"));
    SalaryZQ->post();
}

void TSalaryDM::ClaimDocument() {
    if (!SalaryZQ->active() || SalaryZQ->isEmpty())
        return;
    const int key = SalaryZQ->fieldByName(QStringLiteral("salaryid"))->index();
    const int version = SalaryZQ->fieldByName(QStringLiteral("version"))->index();
    const qint64 salaryid = SalaryZQ->storedValue(key).toLongLong();
    if (salaryid <= 0)
        return;
    Connection& connection = *ZConnection();
    const qint64 read = SalaryZQ->storedValue(version).toLongLong();
    QSqlQuery claim = connection.exec(
        QStringLiteral("UPDATE salary SET version = COALESCE(version, 0) + 1 WHERE salaryid = ? "
                       "AND COALESCE(version, 0) = ? AND status = 'n'"),
        {salaryid, read});
    if (claim.numRowsAffected() != 1) {
        const QVariant status = connection.scalar(QStringLiteral("SELECT status FROM salary WHERE salaryid = ?"),
                                                  {salaryid});
        if (status.isNull())
            throw EVersionConflict(QString::fromUtf8(_SAL_DELETED_BY_OTHER));
        if (status.toString() == QLatin1String("p"))
            throw EDatabaseError(QString::fromUtf8(_SAL_POSTED_READ_ONLY));
        throw EVersionConflict(QString::fromUtf8(_SAL_CHANGED_BY_OTHER));
    }
    const int row = SalaryZQ->currentIndex();
    SalaryZQ->setStoredValue(row, version, qlonglong(read + 1));
    // Should the write fail after all, memory keeps the version the database kept.
    connection.atRollback([this, row, version, read] { SalaryZQ->setStoredValue(row, version, qlonglong(read)); });
}

void TSalaryDM::SalarySearch(const QList<QPair<QString, QString>>& keys) {
    const SalarySearchQuery query = ParseSQL(keys);
    SalaryZQ->close();
    salaryListSql_ = query.sql;
    SalaryZQ->setSQL(query.sql);
    for (auto it = query.params.cbegin(); it != query.params.cend(); ++it)
        SalaryZQ->setParam(it.key(), it.value());
    SalaryZQ->setSortFields(QStringLiteral("paymentdate DESC, salaryid DESC"));
    SalaryZQ->open();
    SalaryZQ->first();
}

void TSalaryDM::SalaryListShow(qint64 salaryid) {
    // What the list shows is named by key: documents added since its search
    // (before any, all of them) are not what its query selects.
    QStringList keys{QString::number(salaryid)};
    if (SalaryZQ->active()) {
        const int key = SalaryZQ->fieldByName(QStringLiteral("salaryid"))->index();
        for (int row = 0; row < SalaryZQ->recordCount(); ++row)
            keys << QString::number(SalaryZQ->valueAt(row, key).toLongLong());
    }
    SalaryZQ->close();
    SalaryZQ->setSQL(salaryListSql_ + QStringLiteral(" UNION SELECT s.* FROM salary AS s WHERE s.salaryid IN (%1)")
                                          .arg(keys.join(QLatin1Char(','))));
    SalaryZQ->setSortFields(QStringLiteral("paymentdate DESC, salaryid DESC"));
    SalaryZQ->open();
    if (!SalaryZQ->locate(QStringLiteral("salaryid"), salaryid))
        SalaryZQ->first();
}

void TSalaryDM::refuseWhenPosted() const {
    if (!SalaryZQ->active() || SalaryZQ->isEmpty())
        return;
    const int status = SalaryZQ->fieldByName(QStringLiteral("status"))->index();
    if (SalaryZQ->storedValue(status).toString() == QLatin1String("p")) {
        Messages().warning(QString::fromUtf8(_SAL_POSTED_READ_ONLY));
        throw EAbort();
    }
}

void TSalaryDM::ConnectLifecycleHandlers() {
    SalaryZQ->OnNewRecord = [this](TDataSet& ds) { SalaryZQNewRecord(ds); };
    SalaryZQ->BeforePost = [this](TDataSet& ds) {
        // Posting and unposting change the status; nothing else of a posted document changes.
        const bool stillPosted = ds.fieldByName(QStringLiteral("status"))->asString() == QLatin1String("p");
        if (ds.state() == DataSetState::Edit && stillPosted)
            refuseWhenPosted();
        CommonBeforePost(ds);
    };
    SalaryZQ->BeforeDelete = [this](TDataSet& ds) {
        if (SalaryPosted()) {
            Messages().warning(QString::fromUtf8(_SAL_CANT_DEL_REG_WRN));
            throw EAbort();
        }
        CommonBeforeDelete(ds);
    };
    SalaryZQ->DeleteDependents = [](Connection& c, const QVariant& salaryid) {
        const QString lines = QStringLiteral("SELECT salaryitemid FROM salaryitem WHERE salaryid = ?");
        c.exec(QStringLiteral("DELETE FROM salaryitemdifference WHERE salaryitemid IN (%1)").arg(lines), {salaryid});
        c.exec(QStringLiteral("DELETE FROM salaryitemcoefficient WHERE salaryitemid IN (%1)").arg(lines), {salaryid});
        c.exec(QStringLiteral("DELETE FROM salaryitem WHERE salaryid = ?"), {salaryid});
    };
    SalaryItemZQ->BeforePost = [this](TDataSet& ds) {
        refuseWhenPosted();
        CommonBeforePost(ds);
    };
    SalaryItemZQ->BeforeDelete = [this](TDataSet& ds) { SalaryItemZQBeforeDelete(ds); };
    // Lines and their detail rows are written only into the document as it
    // was read, and never into a posted one: whatever the path.
    for (TSqlQuery* rows : {SalaryItemZQ, SalaryItemDifferenceZQ, SalaryItemCoefficientZQ})
        rows->BeforeWrite = [this] { ClaimDocument(); };
    SalaryItemZQ->DeleteDependents = [](Connection& c, const QVariant& salaryitemid) {
        c.exec(QStringLiteral("DELETE FROM salaryitemdifference WHERE salaryitemid = ?"), {salaryitemid});
        c.exec(QStringLiteral("DELETE FROM salaryitemcoefficient WHERE salaryitemid = ?"), {salaryitemid});
    };
}
