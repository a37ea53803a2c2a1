#pragma once

#include "EmployeeDesc.h"

#include <QString>

struct EmployeePickerOptions {
    bool multiSelect = true;
    bool activeOnly = true;  // the user may still choose to see everybody
    QString caption = {};    // empty: the picker's own title
};

// Lets the user choose employees. Code without widgets calls it through
// this interface; the desktop passes a dialog, tests a scripted picker.
class IEmployeePicker {
public:
    virtual ~IEmployeePicker() = default;

    // True when the user confirmed; `chosen` then holds the employees in
    // the order of the list (by code). False leaves `chosen` empty.
    virtual bool PickEmployees(TEmployeeDescArr& chosen, const EmployeePickerOptions& options = {}) = 0;

protected:
    IEmployeePicker() = default;
    IEmployeePicker(const IEmployeePicker&) = default;
    IEmployeePicker& operator=(const IEmployeePicker&) = default;
};
