#pragma once

#include "AverageEarnings.h"

// The compensations paid from average earnings, each a request to the
// average-earnings base; the calculation and the line's trace ask the same.
enum class TLeaveKind { Vacation, Sick, PaidLeave, PublicHoliday, LongSick, ChildCare, Maternity };

// The request of a compensation for the current line's hours of that kind;
// `sickStarts` chooses the window of sick leave.
TAverageRequest LeaveRequest(TSalaryDM& dm, TLeaveKind kind, bool sickStarts = false);
