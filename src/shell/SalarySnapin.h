#pragma once

#include "Kbasesnapin.h"
#include "SalaryOptionsTabUnit.h"

#include <QPointer>

class TSalaryDM;

// The payroll module as the host sees it: the salary list as its viewer,
// the search panel as its navigator, and a page in the host's options dialog.
class TSalarySnapin : public TCustomSnapin, public IOptionsPage {
public:
    static constexpr int SnapinType = 1017;

    TSalarySnapin(IConsole& console, TSalaryDM& dm);
    ~TSalarySnapin() override;

    IOptionsPage* GetOptionsPage() override { return this; }

    QWidget* CreateFrame() override;
    void DestroyFrame() override;
    bool CheckValues() override { return true; }
    void Update() override;
    QString GetTabCaption() override;

    TSalaryOptionsTabFrame* OptionsFrame() const { return optionsFrame_; }

private:
    TSalaryDM& dm_;
    QPointer<TSalaryOptionsTabFrame> optionsFrame_;
};

// Creates the one snap-in on the first request and remembers the console it
// was given as the module's GlobalConsole.
class TSalarySnapinFactory : public TCustomSnapinFactory {
public:
    TSalarySnapinFactory(TSalaryDM& dm, IConsole*& globalConsole);
    ~TSalarySnapinFactory() override;

    ISnapin* CreateSnapin(IConsole& console) override;

protected:
    std::unique_ptr<ISnapin> NewSnapin(IConsole& console) override;

private:
    TSalaryDM& dm_;
    IConsole*& globalConsole_;
};
