#pragma once

#include "CustomNavigatorForm.h"
#include "Kbasesnapin.h"

class IConsole;
class TSalaryDM;

// The search panel of the salary list: the eight keys a search can use.
class TSalaryNavigatorForm : public TCustomNavigatorForm {
    Q_OBJECT
public:
    TSalaryNavigatorForm(TSalaryDM& dm, IMessages& messages, QWidget* parent = nullptr);
    ~TSalaryNavigatorForm() override;

    static QList<TSearchProp> SalarySearchProps();
    // The keys in their order with the values entered (empty ones included).
    QList<QPair<QString, QString>> SearchKeys() const;

protected slots:
    void FindButtonClick() override;

private:
    TSalaryDM& dm_;
};

class TSalaryNavigator : public TCustomNavigator {
public:
    TSalaryNavigator(IConsole& console, TSalaryDM& dm);
    ~TSalaryNavigator() override;

    TSalaryNavigatorForm* Form() const { return form_; }

protected:
    TCustomNavigatorForm* InternalCreateFrame() override;
    void InternalDestroyFrame() override;

private:
    TSalaryDM& dm_;
    QPointer<TSalaryNavigatorForm> form_;
};
