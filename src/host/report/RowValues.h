#pragma once

#include <QString>

class TDataSet;

// A record of a print's dataset read by field name; a column the dataset
// lacks reads as zero or empty, so that a print tolerates older datasets.
class TRowValues {
public:
    TRowValues(const TDataSet& data, int row) : data_(data), row_(row) {}
    double number(const QString& name) const;
    QString text(const QString& name) const;
    qint64 key(const QString& name) const { return qint64(number(name)); }
    // 'y' flags
    bool flag(const QString& name) const;

private:
    const TDataSet& data_;
    int row_;
};
