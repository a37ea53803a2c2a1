#pragma once

#include "db/SchemaDef.h"

#include <QString>

#include <vector>

// The time-attendance register (table timerattendance): one record per
// employee and day with hours of each kind. Every path that writes it
// checks the hours here.

// The hour columns of a day, in the order of the table.
const std::vector<ColumnDef>& AttendanceHourColumns();

// Why a number of hours may not be stored ("Sati odmora: ..."), or empty
// when it may: hours are finite and not negative, and a day has 24.
QString AttendanceHoursError(const ColumnDef& column, double hours);
