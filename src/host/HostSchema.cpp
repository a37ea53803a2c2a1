#include "HostSchema.h"

namespace {

using enum ColumnType;

// Column entries read: name, type, size, label, display format, required,
// default (only where the type's own default does not fit).
constexpr bool Required = true;

TableDef EmployeeDef()
{
    return {"employee",
            {
                {"employeeid", Key, 0, "", ""},
                {"code", String, 15, "Kod", ""},
                {"firstname", String, 50, "Ime", ""},
                {"lastname", String, 50, "Prezime", ""},
                {"personalidentificator", String, 20, "JMBG", ""},
                // A new employee is on the payroll until someone says otherwise.
                {"active", Flag, 0, "Aktivan", "", false, "'y'"},
                {"workingstateid", LargeInt, 0, "Radni status", ""},
                {"coefficient", Float, 0, "Koeficient", "0.##"},
                {"netcoefficient", Float, 0, "Neto koeficient", "0.##"},
                {"minsalary", Flag, 0, "Min. osn. dopr.", ""},
                {"employer", Flag, 0, "Poslodavac", ""},
                {"arrangedsalaryvalue", Float, 0, "Ugovoreni bruto", "0.00"},
                {"arrangedpaymentvalue", Float, 0, "Ugovoreni neto", "0.00"},
                {"employeetransportzoneid", LargeInt, 0, "Zona prevoza", ""},
                {"previousworkingyears", SmallInt, 0, "Prethodni staž - godine", ""},
                {"previousworkingmonths", SmallInt, 0, "Prethodni staž - meseci", ""},
                {"previousworkingdays", SmallInt, 0, "Prethodni staž - dani", ""},
                {"workingfromdate", Date, 0, "Datum zaposlenja", ""},
                {"workingtodate", Date, 0, "Datum prestanka rada", ""},
                {"averagesalaryvalue", Float, 0, "Prosečna zarada", "0.00"},
                {"email", String, 100, "E-pošta", ""},
                {"address", String, 200, "Adresa", ""},
                {"city", String, 50, "Grad", ""},
                {"community", String, 50, "Opština", ""},
                {"communitypaymentcode", String, 30, "Poziv na broj opš.", ""},
                {"communitycode", String, 10, "Šifra opš.", ""},
                {"communityworkcode", String, 10, "Šifra opš. rada", ""},
                {"account", String, 50, "Konto", ""},
                {"bankname", String, 30, "Banka", ""},
                {"paymentcode", String, 30, "Poziv na broj", ""},
                {"organizationunit", String, 30, "Organizaciona jedinica", ""},
                {"suborganizationunit", String, 30, "Pod organ. jed.", ""},
                {"organizationunitid", LargeInt, 0, "Šifra org. jedinice", ""},
                {"vocation", String, 30, "Radno mesto", ""},
                {"vocationcode", String, 10, "Šifra radnog mesta", ""},
                {"educationcode", String, 10, "Šifra stručne spreme", ""},
                {"voluntarypensionname", String, 50, "Dobrovoljni penzijski fond", ""},
                {"voluntarypensionbankaccount", String, 50, "Račun dobr. pen. fonda", ""},
                {"voluntarypensionpaymentcode", String, 30, "Poziv na broj dobr. pen. fonda", ""},
                {"sex", String, 1, "Pol", ""},
                {"citizenship", String, 20, "Državljanstvo", ""},
                {"employmenttype", String, 10, "Vrsta zaposlenja", ""},
                // Grows with every write, so that a write based on an older reading is refused.
                {"version", Integer, 0, "", ""},
            },
            {
                // An employee is known by the code.
                {"employee_unique_code", {"code"}, true},
                {"employee_active", {"active"}},
            }};
}

TableDef OrganizationUnitDef()
{
    return {"organizationunit",
            {
                {"organizationunitid", Key, 0, "", ""},
                {"name", String, 30, "Naziv", "", Required},
                {"parentid", LargeInt, 0, "Nadređena jedinica", ""},
                {"code", String, 10, "Šifra", ""},
            }};
}

TableDef EmployeeTransportZoneDef()
{
    return {"employeetransportzone",
            {
                {"employeetransportzoneid", Key, 0, "", ""},
                {"name", String, 50, "Naziv", "", Required},
                {"price", Float, 0, "Cena", "0.00", Required},
            }};
}

// Gross earned and hours worked in an earlier month, for leave-pay averages
// of employees who came with no salary history in this database.
TableDef EmployeePreviousAverageValueDef()
{
    return {"employeepreviousaveragevalue",
            {
                {"employeepreviousaveragevalueid", Key, 0, "", ""},
                {"employeeid", LargeInt, 0, "Zaposleni", "", Required},
                {"year", SmallInt, 0, "Godina", "", Required},
                {"month", SmallInt, 0, "Mesec", "", Required},
                {"workingvalue", Float, 0, "Zarada", "0.00", Required},
                {"workinghours", Float, 0, "Sati", "0.##", Required},
            },
            {
                {"employeepreviousaveragevalue_employeeid", {"employeeid"}},
            }};
}

TableDef CurrencyDef()
{
    return {"currency",
            {
                {"currencyid", Key, 0, "", ""},
                {"code", String, 3, "Oznaka", "", Required},
                {"name", String, 50, "Naziv", ""},
                // "primary" marks the currency of payment orders and bank files.
                {"status", String, 10, "Status", ""},
            }};
}

// One row per employee and day of the time-attendance register.
TableDef TimerAttendanceDef()
{
    return {"timerattendance",
            {
                {"timerattendanceid", Key, 0, "", ""},
                {"employeeid", LargeInt, 0, "Zaposleni", "", Required},
                {"attendancedate", Date, 0, "Datum", "", Required},
                {"regularworkinghours", Float, 0, "Sati redovnog rada", "0.##"},
                {"overtimehours", Float, 0, "Sati prekovremenog rada", "0.##"},
                {"vacationhours", Float, 0, "Sati odmora", "0.##"},
                {"paidleavehours", Float, 0, "Sati plaćenog odsustva", "0.##"},
                {"redistributionhours", Float, 0, "Sati preraspodele", "0.##"},
                {"unpaidleavehours", Float, 0, "Sati neplaćenog odsustva", "0.##"},
                {"absencehours", Float, 0, "Sati odsustva", "0.##"},
                {"publicholidayhours", Float, 0, "Sati državnog praznika", "0.##"},
                {"holidayworkinghours", Float, 0, "Sati prazničnog rada", "0.##"},
                {"businesstriphours", Float, 0, "Sati službenog puta", "0.##"},
                {"nightworkinghours", Float, 0, "Sati noćnog rada", "0.##"},
                {"sickhours", Float, 0, "Sati bolovanja", "0.##"},
                {"longsickhours", Float, 0, "Sati bolov. preko 30 dana", "0.##"},
                {"profsickhours", Float, 0, "Sati bolovanja (povreda na radu)", "0.##"},
                {"proflongsickhours", Float, 0, "Sati bolov. preko 30 dana (povreda na radu)", "0.##"},
            },
            {
                {"timerattendance_employeeid_attendancedate", {"employeeid", "attendancedate"}},
            }};
}

// Old and new gross, net and paid amounts per employee code, loaded from
// outside and printed next to each other.
TableDef AdditionalTableEmpDef()
{
    return {"additionaltable_emp",
            {
                {"additionaltable_empid", Key, 0, "", ""},
                {"code", String, 20, "", "", Required},
                {"firstname", String, 20, "", ""},
                {"lastname", String, 30, "", ""},
                {"newgross", Float, 0, "", "#,##0.00"},
                {"newnet", Float, 0, "", "#,##0.00"},
                {"newpay", Float, 0, "", "#,##0.00"},
                {"oldgross", Float, 0, "", "#,##0.00"},
                {"oldnet", Float, 0, "", "#,##0.00"},
                {"oldpay", Float, 0, "", "#,##0.00"},
                {"diffgross", Float, 0, "", "#,##0.00"},
                {"diffnet", Float, 0, "", "#,##0.00"},
                {"diffpay", Float, 0, "", "#,##0.00"},
                {"month", SmallInt, 0, "", ""},
            }};
}

// The settings store: one value per section and key.
TableDef DbIniFileDef()
{
    return {"dbinifile",
            {
                {"dbinifileid", Key, 0, "", ""},
                {"section", String, 100, "Sekcija", "", Required},
                {"keyname", String, 100, "Ključ", "", Required},
                {"value", Text, 0, "Vrednost", ""},
            },
            {
                {"dbinifile_section_keyname", {"section", "keyname"}, true},
            }};
}

}  // namespace

const std::vector<TableDef>& HostTables()
{
    static const std::vector<TableDef> tables = {
        EmployeeDef(),
        OrganizationUnitDef(),
        EmployeeTransportZoneDef(),
        EmployeePreviousAverageValueDef(),
        CurrencyDef(),
        TimerAttendanceDef(),
        AdditionalTableEmpDef(),
        DbIniFileDef(),
    };
    return tables;
}
