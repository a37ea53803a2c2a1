#include "MonthSteps.h"

#include "AverageEarnings.h"
#include "SalaryDM.h"
#include "db/DbError.h"

#include <QDate>

namespace {

constexpr int VacationHours = 16;

TField* headerField(TSalaryDM& dm, const char* name) { return dm.SalaryZQ->fieldByName(QLatin1String(name)); }

}  // namespace

void OpenMonthDocument(TSalaryDM& dm, int year, int month) {
    dm.SalaryZQ->close();
    dm.SalaryZQ->setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s WHERE s.salaryid = -1"));
    dm.SalaryAddDocument(QStringLiteral("Z"));
    if (!dm.SalaryTaxItemsOpen())
        throw EDatabaseError(QStringLiteral("Nema stopa poreza i doprinosa."));
    const QDate paid = QDate(year, month, 1).addMonths(1).addDays(9);
    headerField(dm, "year")->setAsInteger(year);
    headerField(dm, "month")->setAsInteger(month);
    headerField(dm, "salarynumber")->setAsInteger(dm.GetSalaryIndex(year, month, QStringLiteral("Z")));
    headerField(dm, "paymentdate")->setValue(paid);
    headerField(dm, "accountingdate")->setValue(paid);
    dm.SalaryItemsOpen();
    dm.SalaryApply();
    dm.UpdateCalculatedMinNetSalaryGross();
}

int AddAllEmployeesAndApply(TSalaryDM& dm) {
    dm.AddAllActiveEmployees();
    dm.SalaryApply();
    return dm.SalaryItemZQ->recordCount();
}

int RaisePointValueAndApply(TSalaryDM& dm) {
    TField* pointValue = headerField(dm, "baudvalue");
    dm.SalaryZQ->edit();
    pointValue->setAsFloat(pointValue->asFloat() * 1.1);
    dm.SalaryApply();
    return dm.SalaryItemZQ->recordCount();
}

int TypeVacationAndApply(TSalaryDM& dm, int count) {
    TDataSet& lines = *dm.SalaryItemZQ;
    const int total = lines.recordCount();
    count = std::min(count, total);
    std::vector<int> rows;
    QList<qint64> employees;
    const int employee = lines.fieldByName(QStringLiteral("employeeid"))->index();
    for (int i = 0; i < count; ++i) {
        rows.push_back(int(qint64(i) * total / count));
        employees << lines.valueAt(rows.back(), employee).toLongLong();
    }
    TField* hours = lines.fieldByName(QStringLiteral("workinghours"));
    TField* vacation = lines.fieldByName(QStringLiteral("vacationhours"));
    const QString worked = QString::number(headerField(dm, "workinghours")->asInteger() - VacationHours);
    const QString leave = QString::number(VacationHours);
    {
        LeaveHistoryPreload history(dm, employees);
        for (int row : rows) {
            lines.setCurrentIndex(row);
            lines.edit();
            hours->setText(worked);
            vacation->setText(leave);
            lines.checkBrowseMode();
        }
    }
    dm.SalaryApply();
    return count;
}

int PostDocument(TSalaryDM& dm) {
    dm.SalaryApply();
    dm.RegisterSalary(true);
    return dm.SalaryItemZQ->recordCount();
}
