#pragma once

#include "db/DbError.h"

#include <QString>

// The message of the EDatabaseError that `action` throws, empty when it
// throws none: a test checks what the message says, so a missing refusal
// fails there as well.
template <class Action>
QString DatabaseErrorOf(Action&& action) {
    try {
        action();
    } catch (const EDatabaseError& e) {
        return e.message();
    }
    return {};
}
