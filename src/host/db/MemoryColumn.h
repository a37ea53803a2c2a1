#pragma once

#include "SchemaDef.h"

// A column of an in-memory dataset of prints and views: amounts show two decimals.
inline ColumnDef MemoryColumn(const char* name, ColumnType type, int size, const char* label) {
    ColumnDef column{QString::fromLatin1(name), type, size, QString::fromUtf8(label)};
    if (type == ColumnType::Float)
        column.displayFormat = QStringLiteral("0.00");
    return column;
}
