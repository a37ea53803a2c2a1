#include "SalaryRegistration.h"

#include "SalaryPackage.h"
#include "SalarySnapin.h"

#include <memory>

namespace {

// The one place with module-wide state: the host talks to the library only
// through C entry points, so the loaded module has to live somewhere.
std::unique_ptr<TSalaryPackage>& Package() {
    static std::unique_ptr<TSalaryPackage> package;
    return package;
}

}  // namespace

void Initialize() {
    if (!Package())
        Package() = std::make_unique<TSalaryPackage>();
}

void Finalize() { Package().reset(); }

ISnapinFactory* GetSnapinFactory() { return Package() ? &Package()->Factory() : nullptr; }

TSalaryPackage* SalaryPackage() { return Package().get(); }
