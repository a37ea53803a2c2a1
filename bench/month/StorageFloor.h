#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class Connection;
class TDataSet;

// The least a step could cost: writing the same number of salary lines,
// every column bound, through one prepared statement in one transaction.
// Rows go to a scratch document that is removed again, untimed.
class StorageFloor {
public:
    // Row values are taken, round robin, from the lines of `sample`.
    StorageFloor(Connection& connection, const TDataSet& sample);
    ~StorageFloor();
    StorageFloor(const StorageFloor&) = delete;
    StorageFloor& operator=(const StorageFloor&) = delete;

    int width() const { return int(columns_.size()); }
    // Milliseconds to insert `rows` lines.
    double insertMilliseconds(int rows);
    // Milliseconds to update `rows` lines in every column by key.
    double updateMilliseconds(int rows);

private:
    std::vector<QVariantList> rowValues(int rows) const;
    QString insertSql() const;
    void createScratch(int rows);
    void dropScratch();

    Connection& connection_;
    QStringList columns_;
    std::vector<QVariantList> sample_;
    qint64 scratch_ = 0;
};
