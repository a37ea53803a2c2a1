#pragma once

#include <functional>

class IMessages;

// Runs what the user asked for. A database error is shown; a silent abort
// (the user has already been told why) is not. True when it ran through.
bool RunReported(IMessages& messages, const std::function<void()>& action);
