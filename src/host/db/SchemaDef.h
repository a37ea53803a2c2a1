#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Declarative description of a table: one source for the DDL on every
// dialect and for the persistent fields (label, display format, required)
// of the datasets that read the table.

enum class ColumnType {
    Key,       // 64-bit auto-increment primary key
    LargeInt,  // 64-bit integer (references to other tables)
    Integer,   // 32-bit integer
    SmallInt,  // 16-bit integer (hours, months, years, counters)
    Float,     // double precision (money, fractional hours, percentages)
    String,    // text of at most `size` characters
    Flag,      // one letter, "y" or "n"
    Date,      // date without time
    Text       // long text without a practical limit
};

struct ColumnDef {
    QString name;
    ColumnType type = ColumnType::String;
    int size = 0;               // characters, for String
    QString label = {};         // caption in grids and editors
    QString displayFormat = {}; // e.g. "0.00", "0.##"
    bool required = false;      // must not be empty when a row is posted
    QString defaultValue = {};  // SQL literal; empty = the type's natural default
    // The table whose key ("<table>id") this column holds: a foreign key,
    // empty (NULL) where there is no row to point at. Deletes do not cascade.
    QString references = {};
};

// The key column of a table, named after it.
inline QString KeyColumnOf(const QString& table) { return table + QStringLiteral("id"); }

struct IndexDef {
    QString name;
    QStringList columns;
    bool unique = false;
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
    std::vector<IndexDef> indexes = {};

    const ColumnDef* column(const QString& columnName) const;
    QString keyColumn() const;  // name of the Key column, empty when none
};
