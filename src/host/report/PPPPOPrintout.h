#pragma once

#include "CompanyInfo.h"
#include "Printout.h"

#include <QString>

#include <vector>

class TDataSet;

// One PPP-PO certificate: an employee's income of one type in a year.
struct TPPPPOCertificate {
    int year = 0;
    QString employeename, employeecityaddress, employeepersonalidentificator, incometype, incometypecode;
    double salaryvalue = 0, taxsub = 0, taxbase = 0, taxvalue = 0, contributiontotal1value = 0,
           contributiontotal2value = 0;
};

// The certificates of a salaryreportppppo-shaped dataset, in its order.
std::vector<TPPPPOCertificate> PPPPOCertificates(const TDataSet& rows);

// The PPP-PO as the employee receives it, one A4 page per certificate: the
// payer, the recipient, the year's income, tax and contributions, the date
// of issue and the place for the stamp and signature.
class TPPPPOPrintout : public TPrintout {
public:
    TPPPPOPrintout(std::vector<TPPPPOCertificate> certificates, TCompanyInfo company, QString issueDate)
        : certificates_(std::move(certificates)), company_(std::move(company)), issueDate_(std::move(issueDate)) {}
    QString title() const override { return QStringLiteral("Obrazac PPP-PO"); }
    bool landscape() const override { return false; }
    int paint(QPainter& painter, QPagedPaintDevice& device) const override;

private:
    std::vector<TPPPPOCertificate> certificates_;
    TCompanyInfo company_;
    QString issueDate_;
};
