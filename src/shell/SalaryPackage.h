#pragma once

#include <memory>

class IConsole;
class TSalaryDM;
class TSalarySnapinFactory;

// Everything the payroll module keeps while it is loaded: the one data
// module, the snap-in factory and the console the host handed over. The
// module's entry points create it on Initialize and free it on Finalize.
class TSalaryPackage {
public:
    TSalaryPackage();
    ~TSalaryPackage();
    TSalaryPackage(const TSalaryPackage&) = delete;
    TSalaryPackage& operator=(const TSalaryPackage&) = delete;

    TSalaryDM& SalaryDM() const { return *salaryDM_; }
    TSalarySnapinFactory& Factory() const { return *factory_; }
    // The console of the snap-in; nullptr until the host asks for the snap-in.
    IConsole* GlobalConsole() const { return globalConsole_; }

private:
    // Declared first, freed last: the snap-in's frames show its datasets.
    std::unique_ptr<TSalaryDM> salaryDM_;
    IConsole* globalConsole_ = nullptr;
    std::unique_ptr<TSalarySnapinFactory> factory_;
};
