// Which field fires which handler.

#include "SalaryDM.h"

namespace {

using Handler = void (TSalaryDM::*)(TField&);

void wire(TSalaryDM& dm, TDataSet& dataSet, std::initializer_list<const char*> fields, Handler handler) {
    for (const char* name : fields)
        dataSet.fieldByName(QLatin1String(name))->OnChange = [&dm, handler](TField& field) { (dm.*handler)(field); };
}

}  // namespace

void TSalaryDM::ConnectForEditing(Connection& connection, IMessages& messages) {
    SetMessages(&messages);
    SetZConnection(&connection);
    LoadOptions();
    ConnectRecalculationTriggers();
}

void TSalaryDM::ConnectRecalculationTriggers() {
    TDataSet& header = *SalaryZQ;
    wire(*this, header, {"baudvalue", "partcoefficient", "minnetsalaryvalue", "workingyearsincrementpercent"},
         &TSalaryDM::SalaryZQbaudvalueChange);
    wire(*this, header, {"minsalaryvalue", "maxsalaryvalue"}, &TSalaryDM::SalaryZQminsalaryvalueChange);
    wire(*this, header, {"minnetsalaryprice"}, &TSalaryDM::SalaryZQminnetsalarypriceChange);
    wire(*this, header, {"workinghours"}, &TSalaryDM::SalaryZQworkinghoursChange);
    wire(*this, header, {"netdecreasepercent", "netdecreaseminvalue"}, &TSalaryDM::SalaryZQnetdecreasepercentChange);

    TDataSet& line = *SalaryItemZQ;
    wire(*this, line, {"coefficient", "netcoefficient", "workinghours", "outturn"},
         &TSalaryDM::SalaryItemZQworkinghoursChange);
    wire(*this, line,
         {"regularwork", "decrement", "increment", "difference", "mealrefund", "vacationrefund", "workingyears"},
         &TSalaryDM::SalaryItemZQregularworkChange);
    wire(*this, line, {"decrementperc"}, &TSalaryDM::SalaryItemZQdecrementpercChange);
    wire(*this, line, {"incrementperc"}, &TSalaryDM::SalaryItemZQincrementpercChange);
    wire(*this, line, {"salaryvalue", "voluntarypension"}, &TSalaryDM::SalaryItemZQsalaryvalueChange);
    wire(*this, line, {"paymentvalue"}, &TSalaryDM::SalaryItemZQpaymentvalueChange);
    wire(*this, line, {"nightworkinghours"}, &TSalaryDM::SalaryItemZQnightworkinghoursChange);
    wire(*this, line, {"overtimehours"}, &TSalaryDM::SalaryItemZQovertimehoursChange);
    wire(*this, line, {"holidayworkinghours"}, &TSalaryDM::SalaryItemZQholidayworkinghoursChange);
    wire(*this, line, {"nightholidayworkinghours"}, &TSalaryDM::SalaryItemZQnightholidayworkinghoursChange);
    wire(*this, line, {"vacationhours"}, &TSalaryDM::SalaryItemZQvacationhoursChange);
    wire(*this, line, {"sickhours"}, &TSalaryDM::SalaryItemZQsickhoursChange);
    wire(*this, line, {"paidleavehours"}, &TSalaryDM::SalaryItemZQpaidleavehoursChange);
    wire(*this, line, {"publicholidayhours"}, &TSalaryDM::SalaryItemZQpublicholidayhoursChange);
    wire(*this, line, {"absencehours"}, &TSalaryDM::SalaryItemZQabsencehoursChange);
    wire(*this, line, {"sickpercent"}, &TSalaryDM::SalaryItemZQsickpercentChange);
    wire(*this, line, {"longsickhours"}, &TSalaryDM::SalaryItemZQlongsickhoursChange);
    wire(*this, line, {"childcareleavehours"}, &TSalaryDM::SalaryItemZQchildcareleavehoursChange);
    wire(*this, line, {"maternityleavehours"}, &TSalaryDM::SalaryItemZQmaternityleavehoursChange);
    wire(*this, line, {"longsickvalue", "maternityleavevalue", "childcareleavevalue"},
         &TSalaryDM::SalaryItemZQlongsickvalueChange);
    // The percentages are computed by the line's query but typed like amounts.
    for (const char* name : {"decrementperc", "incrementperc"})
        line.fieldByName(QLatin1String(name))->setReadOnly(false);

    TDataSet& differences = *SalaryItemDifferenceZQ;
    differences.OnNewRecord = [this](TDataSet& ds) { SalaryItemDifferenceZQNewRecord(ds); };
    wire(*this, differences, {"differenceperc"}, &TSalaryDM::SalaryItemDifferenceZQdifferencepercChange);
    differences.fieldByName(QStringLiteral("differenceperc"))->setReadOnly(false);

    TDataSet& coefficients = *SalaryItemCoefficientZQ;
    coefficients.OnNewRecord = [this](TDataSet& ds) { SalaryItemCoefficientZQNewRecord(ds); };
    wire(*this, coefficients, {"coefficient", "workinghours"}, &TSalaryDM::SalaryItemCoefficientZQworkinghoursChange);
    wire(*this, coefficients, {"nightworkinghours"}, &TSalaryDM::SalaryItemCoefficientZQnightworkinghoursChange);
    wire(*this, coefficients, {"overtimehours"}, &TSalaryDM::SalaryItemCoefficientZQovertimehoursChange);
    wire(*this, coefficients, {"holidayworkinghours"}, &TSalaryDM::SalaryItemCoefficientZQholidayworkinghoursChange);
    wire(*this, coefficients, {"nightholidayworkinghours"},
         &TSalaryDM::SalaryItemCoefficientZQnightholidayworkinghoursChange);
}
