#include "StorageFloor.h"

#include "SalarySchema.h"
#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QSqlQuery prepare(Connection& connection, const QString& sql) {
    QSqlQuery query(connection.database());
    if (!query.prepare(sql))
        throw EDatabaseError(Connection::errorText(query.lastError()));
    return query;
}

void run(QSqlQuery& query, const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        throw EDatabaseError(Connection::errorText(query.lastError()));
}

}  // namespace

StorageFloor::StorageFloor(Connection& connection, const TDataSet& sample) : connection_(connection) {
    const TableDef& table = SalaryTable(QStringLiteral("salaryitem"));
    std::vector<int> indexes;
    for (const ColumnDef& column : table.columns) {
        if (column.type == ColumnType::Key)
            continue;
        columns_ << column.name;
        indexes.push_back(sample.fieldByName(column.name)->index());
    }
    for (int row = 0; row < sample.recordCount(); ++row) {
        QVariantList values;
        for (int index : indexes)
            values << sample.valueAt(row, index);
        sample_.push_back(values);
    }
    if (sample_.empty())
        throw EDatabaseError(QStringLiteral("Nema stavki za merenje upisa."));
}

StorageFloor::~StorageFloor() {
    try {
        dropScratch();
    } catch (const EDatabaseError&) {
        // the run is over; a scratch document left behind only costs space
    }
}

std::vector<QVariantList> StorageFloor::rowValues(int rows) const {
    const int salaryid = int(columns_.indexOf(QStringLiteral("salaryid")));
    std::vector<QVariantList> values;
    values.reserve(size_t(rows));
    for (int row = 0; row < rows; ++row) {
        values.push_back(sample_[size_t(row) % sample_.size()]);
        values.back()[salaryid] = scratch_;
    }
    return values;
}

QString StorageFloor::insertSql() const {
    return QStringLiteral("INSERT INTO salaryitem (%1) VALUES (%2)")
        .arg(columns_.join(QLatin1Char(',')), QStringList(columns_.size(), QStringLiteral("?")).join(QLatin1Char(',')));
}

void StorageFloor::createScratch(int rows) {
    dropScratch();
    connection_.exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, salarynumber, status) "
                                    "VALUES ('Z', 1900, 1, 1, 'n')"));
    scratch_ = connection_.lastInsertId();
    if (rows == 0)
        return;
    QSqlQuery insert = prepare(connection_, insertSql());
    Transaction transaction(connection_);
    for (const QVariantList& values : rowValues(rows))
        run(insert, values);
    transaction.commit();
}

void StorageFloor::dropScratch() {
    if (scratch_ == 0)
        return;
    connection_.exec(QStringLiteral("DELETE FROM salaryitem WHERE salaryid = ?"), {scratch_});
    connection_.exec(QStringLiteral("DELETE FROM salary WHERE salaryid = ?"), {scratch_});
    scratch_ = 0;
}

double StorageFloor::insertMilliseconds(int rows) {
    createScratch(0);
    const std::vector<QVariantList> values = rowValues(rows);
    QElapsedTimer timer;
    timer.start();
    QSqlQuery insert = prepare(connection_, insertSql());
    Transaction transaction(connection_);
    for (const QVariantList& row : values)
        run(insert, row);
    transaction.commit();
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    dropScratch();
    return milliseconds;
}

double StorageFloor::updateMilliseconds(int rows) {
    createScratch(rows);
    // Each row takes the values of the next sample line, so that every row
    // really changes; a line keeps its document and employee, as in the editor.
    std::vector<QVariantList> values = rowValues(rows + 1);
    values.erase(values.begin());
    QStringList changed;
    std::vector<int> kept;
    for (int c = 0; c < columns_.size(); ++c) {
        if (columns_[c] == QLatin1String("employeeid") || columns_[c] == QLatin1String("salaryid"))
            continue;
        changed << columns_[c];
        kept.push_back(c);
    }
    for (QVariantList& row : values) {
        QVariantList only;
        for (int c : kept)
            only << row[c];
        row = only;
    }
    QSqlQuery keys = connection_.exec(
        QStringLiteral("SELECT salaryitemid FROM salaryitem WHERE salaryid = ? ORDER BY salaryitemid"), {scratch_});
    for (QVariantList& row : values) {
        if (!keys.next())
            throw EDatabaseError(QStringLiteral("Pomoćne stavke nisu upisane."));
        row << keys.value(0);
    }
    QElapsedTimer timer;
    timer.start();
    QSqlQuery update = prepare(connection_, QStringLiteral("UPDATE salaryitem SET %1 = ? WHERE salaryitemid = ?")
                                                .arg(changed.join(QStringLiteral(" = ?, "))));
    Transaction transaction(connection_);
    for (const QVariantList& row : values)
        run(update, row);
    transaction.commit();
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    dropScratch();
    return milliseconds;
}
