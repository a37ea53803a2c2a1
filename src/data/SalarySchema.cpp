#include "SalarySchema.h"

#include <algorithm>
#include <stdexcept>

namespace {

using enum ColumnType;

// Column entries read: name, type, size, label, display format, required,
// default (only where the type's own default does not fit).
constexpr bool Required = true;

std::vector<ColumnDef> Joined(std::initializer_list<std::vector<ColumnDef>> parts)
{
    std::vector<ColumnDef> columns;
    for (const std::vector<ColumnDef>& part : parts)
        columns.insert(columns.end(), part.begin(), part.end());
    return columns;
}

TableDef SalaryDef()
{
    return {"salary",
            {
                {"salaryid", Key, 0, "", ""},
                {"baudvalue", Float, 0, "Vrednost boda", "0.00##", Required},
                {"maxsalaryvalue", Float, 0, "Maks. osn. dopr.", "0.00", Required},
                {"minsalaryvalue", Float, 0, "Min. osn. dopr.", "0.00", Required},
                {"month", SmallInt, 0, "Mesec", "", Required},
                {"year", SmallInt, 0, "Godina", "", Required},
                {"paymentdate", Date, 0, "Datum isplate", "", Required},
                {"accountingdate", Date, 0, "Datum knjiženja", "", Required},
                {"partcoefficient", Float, 0, "Deo %", "0.##", Required},
                {"salarynumber", SmallInt, 0, "Broj", "", Required},
                // "n" not posted, "p" posted: a new document is not posted.
                {"status", String, 1, "Status", "", Required, "'n'"},
                {"salarytaxid", LargeInt, 0, "", "", Required, "", "salarytax"},
                {"workinghours", SmallInt, 0, "Sati", "", Required},
                {"minnetsalaryprice", Float, 0, "Min. neto cena rada", "0.00", Required},
                {"minnetsalaryvalue", Float, 0, "Min. neto zarada", "0.00", Required},
                {"workingyearsincrementpercent", Float, 0, "Minuli rad %", "0.##", Required},
                {"mealrefund", Float, 0, "Topli obrok", "0.00", Required},
                {"vacationrefund", Float, 0, "Regres", "0.00", Required},
                {"voluntarypensiontaxfreevalue", Float, 0, "", "0.00", Required},
                // "Z" regular salary, "B" sick leave, "P" transport.
                {"salarytype", String, 2, "Tip", "", Required, "'Z'"},
                {"netdecreasepercent", Float, 0, "Proc. neto umanj.", "0.##", Required},
                {"netdecreaseminvalue", Float, 0, "Min. vred. neto umanj.", "0.00", Required},
                {"taxpercent", Float, 0, "Procenat poreza", "0.00", Required},
                {"taxfreevalue", Float, 0, "Neoporeziva vred.", "0.00", Required},
                // Grows with every write of the document or of its lines, so
                // that a write based on an older reading is refused.
                {"version", Integer, 0, "", ""},
            },
            {
                {"salary_year_month_salarytype", {"year", "month", "salarytype"}},
                {"salary_paymentdate", {"paymentdate"}},
                // One document per period, type and number.
                {"salary_period_number", {"year", "month", "salarytype", "salarynumber"}, true},
            }};
}

TableDef SalaryItemDef()
{
    return {"salaryitem",
            {
                {"salaryitemid", Key, 0, "", ""},
                {"salaryid", LargeInt, 0, "", "", false, "", "salary"},
                {"employeeid", LargeInt, 0, "Zaposleni", "", Required, "", "employee"},
                {"coefficient", Float, 0, "Koeficient", "0.##", Required},
                {"netcoefficient", Float, 0, "Neto koeficient", "0.##", Required},
                {"regularwork", Float, 0, "Redovan rad", "0.00", Required},
                {"decrement", Float, 0, "Odbitak", "0.00", Required},
                {"increment", Float, 0, "Povišica", "0.00", Required},
                {"difference", Float, 0, "Razlika", "0.00", Required},
                {"salaryvalue", Float, 0, "Bruto", "0.00", Required},
                {"paymentvalue", Float, 0, "Neto", "0.00", Required},
                {"workinghours", Float, 0, "Radni sati", "0.##", Required},
                {"vacationhours", SmallInt, 0, "Sati odmora", "", Required},
                {"sickhours", SmallInt, 0, "Sati bolovanja", "", Required},
                {"longsickhours", SmallInt, 0, "Sati bolov. preko 30 dana", "", Required},
                {"nightworkinghours", SmallInt, 0, "Sati noćnog rada", "", Required},
                {"overtimehours", Float, 0, "Sati prekovremenog rada", "0.##", Required},
                {"holidayworkinghours", SmallInt, 0, "Sati prazničnog rada", "", Required},
                {"nightholidayworkinghours", SmallInt, 0, "Sati noćnog prazničnog rada", "", Required},
                {"paidleavehours", SmallInt, 0, "Sati plaćenog odsustva", "", Required},
                {"publicholidayhours", SmallInt, 0, "Sati državnog praznika", "", Required},
                {"maternityleavehours", SmallInt, 0, "Sati porodiljskog bolovanja", "", Required},
                {"childcareleavehours", SmallInt, 0, "Sati nege deteta", "", Required},
                {"redistributionhours", SmallInt, 0, "Sati preraspodele", "", Required},
                {"unpaidleavehours", SmallInt, 0, "Sati neplaćenog odsustva", "", Required},
                {"absencehours", SmallInt, 0, "Sati odsustva", "", Required},
                {"vacationvalue", Float, 0, "Godišnji odmor", "0.00", Required},
                {"sickvalue", Float, 0, "Bolovanje do 30 dana", "0.00", Required},
                {"longsickvalue", Float, 0, "Bolovanje preko 30 dana", "0.00", Required},
                {"nightworkingvalue", Float, 0, "Noćni rad", "0.00", Required},
                {"holidayworkingvalue", Float, 0, "Rad državnim praznikom", "0.00", Required},
                {"overtimevalue", Float, 0, "Prekovremeni rad", "0.00", Required},
                {"nightholidayworkingvalue", Float, 0, "Noćni rad državnim praznikom", "0.00", Required},
                {"paidleavevalue", Float, 0, "Plaćeno odsustvo", "0.00", Required},
                {"publicholidayvalue", Float, 0, "Državni praznik", "0.00", Required},
                {"maternityleavevalue", Float, 0, "Porodiljsko bolovanje", "0.00", Required},
                {"childcareleavevalue", Float, 0, "Nega deteta", "0.00", Required},
                {"absencevalue", Float, 0, "Odsustvo", "0.00", Required},
                {"mealrefund", Float, 0, "Topli obrok", "0.00", Required},
                {"vacationrefund", Float, 0, "Regres", "0.00", Required},
                {"voluntarypension", Float, 0, "Dobr. pen.", "0.00", Required},
                {"paymentdecreasedvalue", Float, 0, "Umanj. neto", "0.00", Required},
                {"paymentnetvalue", Float, 0, "Za isplatu", "0.00", Required},
                {"salarycreditid", LargeInt, 0, "", "", Required},
                {"sickpercent", Float, 0, "Procenat za bolovanje", "0.00", Required},
                {"outturn", Float, 0, "Učinak", "", Required},
                {"workingyears", SmallInt, 0, "Godine staža", "", Required},
                {"sort", Integer, 0, "", "", Required},
            },
            {
                {"salaryitem_salaryid", {"salaryid"}},
                {"salaryitem_employeeid", {"employeeid"}},
                // An employee has one line in a document.
                {"salaryitem_salaryid_employeeid", {"salaryid", "employeeid"}, true},
            }};
}

TableDef SalaryTaxDef()
{
    return {"salarytax",
            {
                {"salarytaxid", Key, 0, "", ""},
                {"defaulttax", Flag, 0, "", "", Required},
            }};
}

TableDef SalaryTaxItemDef()
{
    return {"salarytaxitem",
            {
                {"salarytaxitemid", Key, 0, "", ""},
                {"salarytaxid", LargeInt, 0, "", "", Required, "", "salarytax"},
                {"taxname", String, 30, "Ime", "", Required},
                {"taxpercent", Float, 0, "Procenat", "0.00 %", Required},
                {"taxfreevalue", Float, 0, "Neoporeziva vred.", "", Required},
                {"paycode", String, 5, "Šifra plaćanja", ""},
                {"taxbankaccount", String, 50, "Račun u banci", "", Required},
                // "s" borne by the employee, "a" by the employer.
                {"taxstatus", String, 1, "Status", "", Required},
                {"maxsalary", Flag, 0, "Maks. osn. dopr.", "", Required},
                {"minsalary", Flag, 0, "Min. osn. dopr.", "", Required},
                {"paymentmodel", String, 5, "Model plaćanja", ""},
                {"paymentcode", String, 30, "Poziv na broj", ""},
                {"employeecommunitypaymentcode", Flag, 0, "Poziv na broj na osnovu opš. zapos.", "", Required},
                {"chamber", Flag, 0, "Komora", "", Required},
                {"paymentcode2", String, 30, "Poziv na broj Rep.", ""},
            },
            {
                {"salarytaxitem_salarytaxid", {"salarytaxid"}},
            }};
}

TableDef SalaryCreditDef()
{
    return {"salarycredit",
            {
                {"salarycreditid", Key, 0, "", ""},
                {"employeeid", LargeInt, 0, "", "", Required},
                {"defaultcredit", Flag, 0, "", "", Required},
            },
            {
                {"salarycredit_employeeid", {"employeeid"}},
            }};
}

// A deduction template carries the same columns as a deduction of a set, so
// that picking a template copies it column by column.
std::vector<ColumnDef> DeductionColumns()
{
    return {
        {"creditname", String, 30, "Ime", "", Required},
        {"creditpercent", Float, 0, "Neto procenat", "0.00 %", Required},
        {"creditgrosspercent", Float, 0, "Bruto procenat", "0.00 %", Required},
        {"creditvalue", Float, 0, "Vrednost", "0.00", Required},
        {"paycode", String, 5, "Šifra plaćanja", ""},
        {"creditbankaccount", String, 50, "Račun u banci", "", Required},
        {"paymentmodel", String, 5, "Model plaćanja", ""},
        {"paymentcode", String, 30, "Poziv na broj", ""},
        {"creditdescription", String, 100, "Opis", ""},
        {"expirydate", Date, 0, "Datum isteka", ""},
    };
}

TableDef SalaryCreditItemDef()
{
    return {"salarycredititem",
            Joined({
                {
                    {"salarycredititemid", Key, 0, "", ""},
                    {"salarycreditid", LargeInt, 0, "", "", Required, "", "salarycredit"},
                },
                DeductionColumns(),
            }),
            {
                {"salarycredititem_salarycreditid", {"salarycreditid"}},
            }};
}

TableDef SalaryCreditItemFrameDef()
{
    return {"salarycredititemframe", Joined({{{"salarycredititemframeid", Key, 0, "", ""}}, DeductionColumns()})};
}

TableDef SalaryItemDifferenceDef()
{
    return {"salaryitemdifference",
            {
                {"salaryitemdifferenceid", Key, 0, "", ""},
                {"salaryitemid", LargeInt, 0, "", "", Required, "", "salaryitem"},
                {"differencename", String, 100, "Naziv razlike", "", Required},
                {"differencevalue", Float, 0, "Vrednost", "0.00", Required},
            },
            {
                {"salaryitemdifference_salaryitemid", {"salaryitemid"}},
            }};
}

TableDef SalaryItemCoefficientDef()
{
    return {"salaryitemcoefficient",
            {
                {"salaryitemcoefficientid", Key, 0, "", ""},
                {"salaryitemid", LargeInt, 0, "", "", Required, "", "salaryitem"},
                {"coefficient", Float, 0, "Koeficient", "0.##", Required},
                {"regularwork", Float, 0, "Redovan rad", "0.00", Required},
                {"workinghours", Float, 0, "Radni sati", "0.##", Required},
                {"nightworkinghours", SmallInt, 0, "Sati noćnog rada", "", Required},
                {"overtimehours", Float, 0, "Sati prekovremenog rada", "0.##", Required},
                {"holidayworkinghours", SmallInt, 0, "Sati prazničnog rada", "", Required},
                {"nightholidayworkinghours", SmallInt, 0, "Sati noćnog prazničnog rada", "", Required},
                {"nightworkingvalue", Float, 0, "Noćni rad", "", Required},
                {"overtimevalue", Float, 0, "Prekovremeni rad", "", Required},
                {"holidayworkingvalue", Float, 0, "Rad državnim praznikom", "", Required},
                {"nightholidayworkingvalue", Float, 0, "Noćni rad državnim praznikom", "", Required},
            },
            {
                {"salaryitemcoefficient_salaryitemid", {"salaryitemid"}},
            }};
}

// PPP and PPP-PO open an employee's row of the year alike.
std::vector<ColumnDef> AnnualReportEmployeeColumns()
{
    return {
        {"year", SmallInt, 0, "Godina", "", Required},
        {"employeeid", LargeInt, 0, "", "", Required},
        {"employeename", String, 101, "Ime", "", Required},
        {"employeecityaddress", String, 252, "Adresa", "", Required},
        {"employeepersonalidentificator", String, 20, "JMBG", "", Required},
    };
}

TableDef SalaryReportPppDef()
{
    return {"salaryreportppp",
            Joined({
                {{"salaryreportpppid", Key, 0, "", ""}},
                AnnualReportEmployeeColumns(),
                {
                    {"taxbase", Float, 0, "Oporezivi prihod", "0", Required},
                    {"taxvalue", Float, 0, "Porez", "0", Required},
                    {"tax1value", Float, 0, "PIO", "0", Required},
                    {"tax2value", Float, 0, "ZO", "0", Required},
                    {"tax3value", Float, 0, "ON", "0", Required},
                },
            }),
            {
                {"salaryreportppp_year", {"year"}},
            }};
}

TableDef SalaryReportM4Def()
{
    return {"salaryreportm4",
            {
                {"salaryreportm4id", Key, 0, "", ""},
                {"year", SmallInt, 0, "Godina", "", Required},
                {"employeeid", LargeInt, 0, "", "", Required},
                {"employeename", String, 101, "Ime", "", Required},
                {"employeepersonalidentificator", String, 20, "JMBG", "", Required},
                {"workingmonths", Float, 0, "Meseci staža", "00", Required},
                {"workingdays", Float, 0, "Dani staža", "00", Required},
                {"taxbase", Float, 0, "Zarada - osnovica", "00000000.00", Required},
                {"taxvalue", Float, 0, "PIO", "0000000.00", Required},
                {"tax1base", Float, 0, "Naknada bolov.", "00000000.00", Required},
                {"tax1value", Float, 0, "PIO bolov.", "0000000.00", Required},
                {"contribution4months", Float, 0, "Uveć. meseci", "00"},
                {"contribution4days", Float, 0, "Uveć. dani", "00"},
                {"vocation", String, 30, "Radno mesto", ""},
                {"vocationcode", String, 10, "Šifra radnog mesta", ""},
                {"contribution4value", Float, 0, "Uveć. PIO", "0000000.00"},
            },
            {
                {"salaryreportm4_year", {"year"}},
            }};
}

// The two monthly registers for the treasury name the employee alike.
std::vector<ColumnDef> TreasuryRegisterEmployeeColumns()
{
    return {
        {"year", SmallInt, 0, "", "", Required},
        {"month", SmallInt, 0, "", "", Required},
        {"employeeid", LargeInt, 0, "", "", Required},
        {"personalidentificator", String, 20, "JMBG", ""},
        {"firstname", String, 50, "Ime", "", Required},
        {"lastname", String, 50, "Prezime", "", Required},
    };
}

TableDef SalaryReportRegisterEmployeeDef()
{
    return {"salaryreportregisteremployee",
            Joined({
                {{"salaryreportregisteremployeeid", Key, 0, "", ""}},
                TreasuryRegisterEmployeeColumns(),
                {
                    {"sex", String, 1, "Pol", "", Required},
                    {"citizenship", String, 20, "Državljanstvo", ""},
                    {"city", String, 50, "Grad", ""},
                    {"communitycode", String, 10, "Šifra opš.", ""},
                    {"communityworkcode", String, 10, "Šifra opš. rada", ""},
                    {"educationcode", String, 10, "Šifra stručne spreme", ""},
                    {"employmenttype", String, 10, "Vrsta zaposlenja", ""},
                    {"vocationcode", String, 10, "Šifra radnog mesta", ""},
                    {"workpercent", Float, 0, "Procenat angažovanja", "0.##", Required},
                    {"workingyears", SmallInt, 0, "Godine staža", "", Required},
                    {"contribution4status", String, 10, "Beneficirani radni staž", ""},
                    {"workingyearsincrementpercent", Float, 0, "Procenat minulog rada", "0.00", Required},
                    {"coefficient", Float, 0, "Koeficient", "0.##", Required},
                    {"salaryvalue", Float, 0, "Bruto", "0.00", Required},
                    {"paymentvalue", Float, 0, "Neto", "0.00", Required},
                    {"workingfromdate", Date, 0, "Datum zaposlenja", "", Required},
                    {"workingtodate", Date, 0, "Datum prestanka rada", ""},
                },
            }),
            {
                {"salaryreportregisteremployee_year_month", {"year", "month"}},
            }};
}

TableDef SalaryReportRegisterIncomeDef()
{
    return {"salaryreportregisterincome",
            Joined({
                {{"salaryreportregisterincomeid", Key, 0, "", ""}},
                TreasuryRegisterEmployeeColumns(),
                {
                    {"financesourcecode", String, 10, "Šifra izvora finansiranja", ""},
                    {"incomecode", String, 10, "Šifra osnova primanja", ""},
                    {"value", Float, 0, "Vrednost", "0.00", Required},
                    {"payyear", SmallInt, 0, "Godina", "", Required},
                    {"paymonth", SmallInt, 0, "Mesec", "", Required},
                },
            }),
            {
                {"salaryreportregisterincome_year_month", {"year", "month"}},
            }};
}

TableDef SalaryReportUnifiedCollectionDef()
{
    return {"salaryreportunifiedcollection",
            {
                {"salaryreportunifiedcollectionid", Key, 0, "", ""},
                {"year", SmallInt, 0, "", "", Required},
                {"month", SmallInt, 0, "", "", Required},
                {"salaryid", LargeInt, 0, "", "", Required},
                {"employeeid", LargeInt, 0, "", "", Required},
                {"personalidentificator", String, 20, "JMBG", "", Required},
                {"firstname", String, 50, "Ime", "", Required},
                {"lastname", String, 50, "Prezime", "", Required},
                {"communitycode", String, 10, "Šifra opš.", "", Required},
                {"incometypecode", String, 10, "Šifra vrste prihoda", "", Required},
                {"salaryworkingdays", SmallInt, 0, "Broj dana", "", Required},
                {"workinghours", SmallInt, 0, "Radni sati", "", Required},
                {"salaryworkinghours", SmallInt, 0, "Fond radnih sati", "", Required},
                {"salaryvalue", Float, 0, "Bruto", "0.00", Required},
                {"taxbase", Float, 0, "Poreska osnovica", "0.00", Required},
                {"taxvalue", Float, 0, "Porez", "0.00", Required},
                {"contributionbase", Float, 0, "Osnovica doprinosa", "0.00", Required},
                {"contribution1value", Float, 0, "PIO", "0.00", Required},
                {"contribution2value", Float, 0, "ZO", "0.00", Required},
                {"contribution3value", Float, 0, "ON", "0.00", Required},
                {"contribution4value", Float, 0, "Ben. PIO", "0.00", Required},
                {"mfflabel", SmallInt, 0, "MFP oznaka", ""},
                {"mffvalue", Float, 0, "MFP vrednost", ""},
                {"mfflabel2", SmallInt, 0, "MFP oznaka", ""},
                {"mffvalue2", Float, 0, "MFP vrednost", ""},
                {"mfflabel3", SmallInt, 0, "MFP oznaka", ""},
                {"mffvalue3", Float, 0, "MFP vrednost", ""},
                {"mfflabel4", SmallInt, 0, "MFP oznaka", ""},
                {"mffvalue4", Float, 0, "MFP vrednost", ""},
                {"mfflabel5", SmallInt, 0, "MFP oznaka", ""},
                {"mffvalue5", Float, 0, "MFP vrednost", ""},
                {"mfflabel6", SmallInt, 0, "MFP oznaka", ""},
                {"mffvalue6", Float, 0, "MFP vrednost", ""},
                {"mfflabel7", SmallInt, 0, "MFP oznaka", ""},
                {"mffvalue7", Float, 0, "MFP vrednost", ""},
            },
            {
                {"salaryreportunifiedcollection_year_month", {"year", "month"}},
                // Rows are also read per document (opened from the editor,
                // earlier partial payments of the month).
                {"salaryreportunifiedcollection_salaryid", {"salaryid"}},
            }};
}

TableDef SalaryReportPppPoDef()
{
    return {"salaryreportppppo",
            Joined({
                {{"salaryreportppppoid", Key, 0, "", ""}},
                AnnualReportEmployeeColumns(),
                {
                    {"incometypecode", String, 10, "Šifra vrste prihoda", "", Required},
                    {"salaryvalue", Float, 0, "Bruto", "0.00", Required},
                    {"taxsub", Float, 0, "Poreska olakšica", "0.00", Required},
                    {"taxbase", Float, 0, "Poreska osnovica", "0.00", Required},
                    {"taxvalue", Float, 0, "Porez", "0.00", Required},
                    {"contributiontotal1value", Float, 0, "Doprinosi zap.", "0.00", Required},
                    {"contributiontotal2value", Float, 0, "Doprinosi posl.", "0.00", Required},
                    {"incometype", String, 50, "Tip prihoda", "", Required},
                },
            }),
            {
                {"salaryreportppppo_year", {"year"}},
            }};
}

}  // namespace

const std::vector<TableDef>& SalaryTables()
{
    static const std::vector<TableDef> tables = {
        SalaryDef(),
        SalaryItemDef(),
        SalaryTaxDef(),
        SalaryTaxItemDef(),
        SalaryCreditDef(),
        SalaryCreditItemDef(),
        SalaryCreditItemFrameDef(),
        SalaryItemDifferenceDef(),
        SalaryItemCoefficientDef(),
        SalaryReportPppDef(),
        SalaryReportM4Def(),
        SalaryReportRegisterEmployeeDef(),
        SalaryReportRegisterIncomeDef(),
        SalaryReportUnifiedCollectionDef(),
        SalaryReportPppPoDef(),
    };
    return tables;
}

const TableDef& SalaryTable(const QString& name)
{
    const std::vector<TableDef>& tables = SalaryTables();
    const auto found = std::find_if(tables.begin(), tables.end(),
                                    [&](const TableDef& t) { return t.name == name; });
    if (found == tables.end())
        throw std::out_of_range("unknown payroll table: " + name.toStdString());
    return *found;
}

const std::vector<ColumnDef>& SalaryItemComputedColumns()
{
    static const std::vector<ColumnDef> columns = {
        {"decrementperc", Float, 0, "Odb. proc.", "0.00"},
        {"incrementperc", Float, 0, "Pov. proc.", "0.00"},
        {"credits", Float, 0, "Obustave", "0.00", Required},
    };
    return columns;
}

const std::vector<ColumnDef>& SalaryItemEmployeeColumns()
{
    static const std::vector<ColumnDef> columns = {
        {"code", String, 15, "Kod", ""},
        {"firstname", String, 50, "Ime", ""},
        {"lastname", String, 50, "Prezime", ""},
        {"personalidentificator", String, 20, "JMBG", ""},
        {"community", String, 50, "Opština", ""},
        {"communitypaymentcode", String, 30, "Poziv na broj opš.", ""},
        {"communitycode", String, 10, "Šifra opš.", ""},
        {"minsalary", Flag, 0, "Min. osn. dopr.", ""},
        {"account", String, 50, "Konto", ""},
        {"paymentcode", String, 30, "Poziv na broj", ""},
        {"organizationunit", String, 30, "Organizaciona jedinica", ""},
        {"suborganizationunit", String, 30, "Pod organ. jed.", ""},
        {"employer", Flag, 0, "", ""},
        {"arrangedsalaryvalue", Float, 0, "", ""},
        {"arrangedpaymentvalue", Float, 0, "", ""},
        {"workingstateid", LargeInt, 0, "", ""},
        {"voluntarypensionname", String, 50, "", ""},
        {"voluntarypensionbankaccount", String, 50, "", ""},
        {"voluntarypensionpaymentcode", String, 30, "", ""},
        {"vocation", String, 30, "", ""},
        {"vocationcode", String, 10, "", ""},
        {"educationcode", String, 10, "", ""},
        {"bankname", String, 30, "", ""},
        {"address", String, 200, "", ""},
        {"city", String, 50, "", ""},
    };
    return columns;
}

const std::vector<ColumnDef>& SalaryItemDifferenceComputedColumns()
{
    static const std::vector<ColumnDef> columns = {
        {"differenceperc", Float, 0, "Procenat", "0.00"},
    };
    return columns;
}
