#pragma once

#include "CustomNavigatorForm.h"
#include "Kbasesnapin.h"

class IConsole;
class TSalaryDM;

// The search panel of the salary list: the eight keys a search can use.
class TSalaryNavigatorForm : public TCustomNavigatorForm {
    Q_OBJECT
public:
    explicit TSalaryNavigatorForm(IMessages& messages, QWidget* parent = nullptr);
    ~TSalaryNavigatorForm() override;

    static QList<TSearchProp> SalarySearchProps();
};

class TSalaryNavigator : public TCustomNavigator {
public:
    explicit TSalaryNavigator(IConsole& console);
    ~TSalaryNavigator() override;

    TSalaryNavigatorForm* Form() const { return form_; }

protected:
    TCustomNavigatorForm* InternalCreateFrame() override;
    void InternalDestroyFrame() override;

private:
    QPointer<TSalaryNavigatorForm> form_;
};
