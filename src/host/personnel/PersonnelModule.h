#pragma once

#include "EmployeePicker.h"

#include <QString>

#include <memory>

// The identifier under which the console finds the personnel module; the
// payroll asks for it when the user adds chosen employees to a salary.
inline constexpr char PersonnelModuleIID[] = "{8324FD38-EC88-40D3-9412-6D0DEFFDAB99}";

// What other modules may ask of the personnel module.
class IPersonnelModule {
public:
    virtual ~IPersonnelModule();
    virtual IEmployeePicker& EmployeePicker() = 0;

protected:
    IPersonnelModule() = default;
    IPersonnelModule(const IPersonnelModule&) = default;
    IPersonnelModule& operator=(const IPersonnelModule&) = default;
};

// The personnel module with the picker of the host's choice: a dialog in
// the desktop application, a script in tests and on the command line.
class TPersonnelModule : public IPersonnelModule {
public:
    explicit TPersonnelModule(std::unique_ptr<IEmployeePicker> picker) : picker_(std::move(picker)) {}

    static QString InterfaceId() { return QString::fromLatin1(PersonnelModuleIID); }
    IEmployeePicker& EmployeePicker() override { return *picker_; }

private:
    std::unique_ptr<IEmployeePicker> picker_;
};
