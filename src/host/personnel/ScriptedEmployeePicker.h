#pragma once

#include "EmployeePicker.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

class Connection;

// IEmployeePicker without a user, for tests and the command line: each call
// takes the next prepared answer, a list of employee codes or a cancel.
// It offers what the dialog would (active employees only when asked), and
// choosing an employee the dialog would not show, or several in a
// single-choice call, is a fault in the script (std::logic_error).
class ScriptedEmployeePicker : public IEmployeePicker {
public:
    explicit ScriptedEmployeePicker(Connection& connection) : connection_(connection) {}

    void answerCodes(const QStringList& codes) { answers_.push_back(codes); }
    void answerCancel() { answers_.push_back(std::nullopt); }

    // The options of every call so far, oldest first.
    std::vector<EmployeePickerOptions> asked;

    bool PickEmployees(TEmployeeDescArr& chosen, const EmployeePickerOptions& options = {}) override;

private:
    Connection& connection_;
    std::deque<std::optional<QStringList>> answers_;
};
