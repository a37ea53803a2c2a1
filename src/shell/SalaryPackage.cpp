#include "SalaryPackage.h"

#include "SalaryDM.h"
#include "SalarySnapin.h"

TSalaryPackage::TSalaryPackage()
    : salaryDM_(std::make_unique<TSalaryDM>()),
      factory_(std::make_unique<TSalarySnapinFactory>(*salaryDM_, globalConsole_)) {
    salaryDM_->ConnectRecalculationTriggers();
}

TSalaryPackage::~TSalaryPackage() {
    factory_.reset();
    globalConsole_ = nullptr;
    salaryDM_.reset();
}
