#pragma once

#include "DataSet.h"
#include "SchemaDef.h"

#include <vector>

// A column of an in-memory dataset of prints and views: amounts show two decimals.
inline ColumnDef MemoryColumn(const char* name, ColumnType type, int size, const char* label) {
    ColumnDef column{QString::fromLatin1(name), type, size, QString::fromUtf8(label)};
    if (type == ColumnType::Float)
        column.displayFormat = QStringLiteral("0.00");
    return column;
}

// Gives an in-memory dataset its columns, once: later calls find them there.
inline void DefineMemoryColumns(TDataSet& set, const std::vector<ColumnDef>& columns) {
    if (set.fieldCount() != 0)
        return;
    for (const ColumnDef& column : columns)
        set.addField(column);
}
