#include "SchemaDef.h"

#include <algorithm>

const ColumnDef* TableDef::column(const QString& columnName) const
{
    const auto found = std::find_if(columns.begin(), columns.end(),
                                    [&](const ColumnDef& c) {
                                        // SQL names are case-insensitive in both dialects.
                                        return c.name.compare(columnName, Qt::CaseInsensitive) == 0;
                                    });
    return found == columns.end() ? nullptr : &*found;
}

QString TableDef::keyColumn() const
{
    const auto found = std::find_if(columns.begin(), columns.end(),
                                    [](const ColumnDef& c) { return c.type == ColumnType::Key; });
    return found == columns.end() ? QString() : found->name;
}
