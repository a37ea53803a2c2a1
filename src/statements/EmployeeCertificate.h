#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class TDataSet;
class TSalaryDM;

// The certificate of an employee's earnings: the gross, net and paid amount
// of each month over a period of payment dates, and their monthly averages.
// A month whose net the statutory decrease cut shows no separate decrease:
// its net is the net before the decrease that the average earnings use, and
// its regular pay is scaled to the gross of that net.

struct TCertificateAverages {
    int months = 0;
    double gross = 0;
    double net = 0;
    double paid = 0;
};

// EmployeeCertificateCDS with its fields and no rows (what a form shows first).
TDataSet& EmptyEmployeeCertificate(TSalaryDM& dm);

// Fills EmployeeCertificateCDS (year, month, salaryvalue, paymentvalue,
// paymentnetvalue and the employee's names and code) from the employee's
// lines in posted whole-month regular and sick-pay documents paid between
// the dates; a regular and a sick-pay document of one month make one row.
// Without an employee (key 0 or less) the set stays empty.
TCertificateAverages PrepareEmployeeCertificate(TSalaryDM& dm, qint64 employeeId, const QDate& from, const QDate& to);

// "Zaposleni: last first\r\nProsečno: bruto …  neto …", the printed
// certificate's header; `fallback` names an employee the register lacks.
QString EmployeeCertificateHeader(TSalaryDM& dm, qint64 employeeId, const TCertificateAverages& averages,
                                  const QString& fallback);

// The grid's columns, in order.
QStringList EmployeeCertificateColumns();
