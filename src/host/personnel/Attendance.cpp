#include "Attendance.h"

#include "HostSchema.h"

#include <cmath>

const std::vector<ColumnDef>& AttendanceHourColumns() {
    static const std::vector<ColumnDef> columns = [] {
        std::vector<ColumnDef> hours;
        for (const TableDef& table : HostTables())
            if (table.name == QLatin1String("timerattendance"))
                for (const ColumnDef& column : table.columns)
                    if (column.type == ColumnType::Float)
                        hours.push_back(column);
        return hours;
    }();
    return columns;
}

QString AttendanceHoursError(const ColumnDef& column, double hours) {
    if (!std::isfinite(hours) || hours < 0)
        return QStringLiteral("%1: sati ne mogu biti negativni.").arg(column.label);
    if (hours > 24)
        return QStringLiteral("%1: dan ima najviše 24 sata.").arg(column.label);
    return {};
}
