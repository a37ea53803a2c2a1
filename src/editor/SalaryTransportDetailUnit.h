#pragma once

#include "SalaryDetailUnit.h"

// The editor of a transport-allowance document ("Detalji prevoza"): the
// document editor with the transport columns and the document's single tax.
class TSalaryTransportDetailForm : public TSalaryDetailForm {
    Q_OBJECT
public:
    TSalaryTransportDetailForm(TSalaryDM& dm, IConsole& console, QWidget* parent = nullptr);
    static TSalaryDetailVariant TransportVariant();
};
