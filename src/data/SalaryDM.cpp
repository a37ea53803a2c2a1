#include "SalaryDM.h"
#include "SalaryResourceString.h"

#include "DBIniFile.h"
#include "HostResourceStrings.h"
#include "Kconstutils.h"
#include "SalarySchema.h"
#include "db/Connection.h"

namespace {

// Hours that the line's regular-work share is measured against.
const char* const WorkedHours =
    "(si.workinghours+si.nightworkinghours+si.overtimehours+si.holidayworkinghours+si.nightholidayworkinghours)";

QString shareOfRegularWork(const QString& amount, const QString& hours) {
    return QStringLiteral("CASE WHEN (si.regularwork = 0) OR (%2 = 0) THEN 0 "
                          "ELSE %1/si.regularwork*100*si.workinghours/%2 END")
        .arg(amount, hours);
}

QString employeeColumnSql(const ColumnDef& column) {
    const QString& n = column.name;
    if (n == QLatin1String("arrangedsalaryvalue") || n == QLatin1String("arrangedpaymentvalue"))
        return QStringLiteral("(e.%1 + 0.0) AS %1").arg(n);
    if (n == QLatin1String("workingstateid"))
        return QStringLiteral("(e.%1 + 0) AS %1").arg(n);
    return QStringLiteral("e.%1 AS %1").arg(n);
}

void ConnectRegisterEmployeeSex(TField& sex) {
    sex.OnGetText = [](const TField&, const QVariant& value, bool display) {
        if (!display || value.isNull())
            return value.toString();
        return QString::fromUtf8(value.toString() == QLatin1String("m") ? _SEX_M_CAP : _SEX_F_CAP);
    };
    // The code typed as it is shown stays "m" too.
    sex.OnSetText = [](TField& field, const QString& text) {
        const bool male = text == QString::fromUtf8(_SEX_M_CAP) || text == QLatin1String("m");
        field.setAsString(male ? QStringLiteral("m") : QStringLiteral("f"));
    };
}

}  // namespace

QString SalaryItemSql() {
    QStringList columns{QStringLiteral("si.*"),
                        QStringLiteral("si.paymentdecreasedvalue-si.paymentnetvalue AS credits"),
                        shareOfRegularWork(QStringLiteral("si.decrement"), QLatin1String(WorkedHours))
                            + QStringLiteral(" AS decrementperc"),
                        shareOfRegularWork(QStringLiteral("si.increment"), QLatin1String(WorkedHours))
                            + QStringLiteral(" AS incrementperc")};
    for (const ColumnDef& column : SalaryItemEmployeeColumns())
        columns << employeeColumnSql(column);
    return QStringLiteral("SELECT %1 FROM salaryitem AS si LEFT JOIN employee AS e ON e.employeeid = si.employeeid "
                          "WHERE si.salaryid = :IDSalary ORDER BY salaryitemid")
        .arg(columns.join(QLatin1Char(',')));
}

QString SalaryItemDifferenceSql() {
    // Overtime is not part of the hours a difference is measured against.
    const QString hours =
        QStringLiteral("(si.workinghours+si.nightworkinghours+si.holidayworkinghours+si.nightholidayworkinghours)");
    return QStringLiteral("SELECT sid.*, %1 AS differenceperc FROM salaryitemdifference AS sid "
                          "LEFT JOIN salaryitem AS si ON si.salaryitemid = sid.salaryitemid "
                          "WHERE sid.salaryitemid = :idsalaryitem ORDER BY sid.salaryitemdifferenceid")
        .arg(shareOfRegularWork(QStringLiteral("sid.differencevalue"), hours));
}

TSalaryDM::TSalaryDM(QObject* parent) : TCustomDM(parent) {
    SalaryZQ = makeQuery(QStringLiteral("SalaryZQ"), QStringLiteral("salary"),
                         QStringLiteral("SELECT DISTINCT s.* FROM salary AS s WHERE s.salaryid = -1"), false);
    salaryListSql_ = SalaryZQ->sql();
    SalaryItemZQ = makeQuery(QStringLiteral("SalaryItemZQ"), QStringLiteral("salaryitem"), SalaryItemSql(), true);
    for (const ColumnDef& column : SalaryItemComputedColumns())
        SalaryItemZQ->addField(column, false)->setReadOnly(true);
    for (const ColumnDef& column : SalaryItemEmployeeColumns())
        SalaryItemZQ->addField(column, false)->setReadOnly(true);
    // Keys, the status, the type, the order and the version change only
    // through their operations (new document, posting, moving a line).
    for (const char* column : {"salaryid", "salarytaxid", "status", "salarytype", "version"})
        SalaryZQ->fieldByName(QLatin1String(column))->setReadOnly(true);
    for (const char* column : {"salaryitemid", "salaryid", "employeeid", "sort", "salarycreditid"})
        SalaryItemZQ->fieldByName(QLatin1String(column))->setReadOnly(true);
    SalaryZQ->setConflictMessage(QString::fromUtf8(_SAL_CHANGED_BY_OTHER));
    SalaryTaxZQ = makeQuery(QStringLiteral("SalaryTaxZQ"), QStringLiteral("salarytax"),
                            QStringLiteral("SELECT * FROM salarytax WHERE defaulttax = 'y'"), false);
    SalaryTaxItemZQ = makeQuery(QStringLiteral("SalaryTaxItemZQ"), QStringLiteral("salarytaxitem"),
                                QStringLiteral("SELECT * FROM salarytaxitem WHERE chamber = 'n' AND salarytaxid = "
                                               ":IDSalaryTax  ORDER BY taxpercent DESC, salarytaxitemid"),
                                true);
    SalaryCreditZQ =
        makeQuery(QStringLiteral("SalaryCreditZQ"), QStringLiteral("salarycredit"),
                  QStringLiteral("SELECT * FROM salarycredit WHERE defaultcredit = 'y' AND employeeid = -1"), false);
    SalaryCreditItemZQ =
        makeQuery(QStringLiteral("SalaryCreditItemZQ"), QStringLiteral("salarycredititem"),
                  QStringLiteral("SELECT * FROM salarycredititem WHERE salarycreditid = :IDSalaryCredit"), true);
    SalaryCreditItemFrameZQ = makeQuery(QStringLiteral("SalaryCreditItemFrameZQ"),
                                        QStringLiteral("salarycredititemframe"),
                                        QStringLiteral("SELECT * FROM salarycredititemframe"), false);
    SalaryItemDifferenceZQ = makeQuery(QStringLiteral("SalaryItemDifferenceZQ"),
                                       QStringLiteral("salaryitemdifference"), SalaryItemDifferenceSql(), true);
    for (const ColumnDef& column : SalaryItemDifferenceComputedColumns())
        SalaryItemDifferenceZQ->addField(column, false)->setReadOnly(true);
    SalaryItemCoefficientZQ =
        makeQuery(QStringLiteral("SalaryItemCoefficientZQ"), QStringLiteral("salaryitemcoefficient"),
                  QStringLiteral("SELECT sic.* FROM salaryitemcoefficient AS sic WHERE sic.salaryitemid = "
                                 ":idsalaryitem ORDER BY sic.salaryitemcoefficientid"),
                  true);
    const auto reportQuery = [this](const QString& name, const QString& table) {
        return makeQuery(name, table,
                         QStringLiteral("SELECT * FROM %1 WHERE %1id = -1").arg(table), true);
    };
    SalaryReportPPPZQ = reportQuery(QStringLiteral("SalaryReportPPPZQ"), QStringLiteral("salaryreportppp"));
    SalaryReportM4ZQ = reportQuery(QStringLiteral("SalaryReportM4ZQ"), QStringLiteral("salaryreportm4"));
    SalaryReportRegisterEmployeeZQ = reportQuery(QStringLiteral("SalaryReportRegisterEmployeeZQ"),
                                                 QStringLiteral("salaryreportregisteremployee"));
    SalaryReportRegisterIncomeZQ = reportQuery(QStringLiteral("SalaryReportRegisterIncomeZQ"),
                                               QStringLiteral("salaryreportregisterincome"));
    SalaryReportUnifiedCollectionZQ = reportQuery(QStringLiteral("SalaryReportUnifiedCollectionZQ"),
                                                  QStringLiteral("salaryreportunifiedcollection"));
    SalaryReportPPPPOZQ = reportQuery(QStringLiteral("SalaryReportPPPPOZQ"), QStringLiteral("salaryreportppppo"));
    // An annual row belongs to its employee and year; only its texts and amounts are corrected by hand.
    for (TSqlQuery* annual : {SalaryReportPPPZQ, SalaryReportM4ZQ, SalaryReportPPPPOZQ})
        for (const QString& column : {annual->updateTable() + QStringLiteral("id"), QStringLiteral("year"),
                                      QStringLiteral("employeeid")})
            annual->fieldByName(column)->setReadOnly(true);

    AddZQ = new TSqlQuery(QStringLiteral("AddZQ"), this);
    AddZQ->setSQL(QStringLiteral("select a.*, e.personalidentificator from additionaltable_emp as a "
                                 "left join employee as e on a.code = e.code"));
    RegisterQuery(AddZQ);

    PaymentListsItemCDS = makeMemory(QStringLiteral("PaymentListsItemCDS"));
    PaymentListsItemCreditItemCDS = makeMemory(QStringLiteral("PaymentListsItemCreditItemCDS"));
    PaymentListsItemDifferenceCDS = makeMemory(QStringLiteral("PaymentListsItemDifferenceCDS"));
    PaymentListsItemCoefficientCDS = makeMemory(QStringLiteral("PaymentListsItemCoefficientCDS"));
    RecapitulationCDS = makeMemory(QStringLiteral("RecapitulationCDS"));
    ZipFormCDS = makeMemory(QStringLiteral("ZipFormCDS"));
    ChamberCDS = makeMemory(QStringLiteral("ChamberCDS"));
    PaymentErrandsCDS = makeMemory(QStringLiteral("PaymentErrandsCDS"));
    ExportTreasuryCDS = makeMemory(QStringLiteral("ExportTreasuryCDS"));
    CreditsCDS = makeMemory(QStringLiteral("CreditsCDS"));
    OPJCDS = makeMemory(QStringLiteral("OPJCDS"));
    ODCDS = makeMemory(QStringLiteral("ODCDS"));
    INSZCDS = makeMemory(QStringLiteral("INSZCDS"));
    NZ1CDS = makeMemory(QStringLiteral("NZ1CDS"));
    SalaryReportM4CDS = makeMemory(QStringLiteral("SalaryReportM4CDS"));
    EmployeeCertificateCDS = makeMemory(QStringLiteral("EmployeeCertificateCDS"));
    EmployeeIncomeRecapitulationCDS = makeMemory(QStringLiteral("EmployeeIncomeRecapitulationCDS"));
    ReportIncomeRecapitulationCDS = makeMemory(QStringLiteral("ReportIncomeRecapitulationCDS"));

    const auto beforePost = [this](TDataSet& dataSet) { CommonBeforePost(dataSet); };
    for (TDataSet* dataSet : {static_cast<TDataSet*>(SalaryTaxItemZQ), static_cast<TDataSet*>(SalaryCreditItemZQ),
                              static_cast<TDataSet*>(SalaryCreditItemFrameZQ),
                              static_cast<TDataSet*>(SalaryReportPPPZQ), static_cast<TDataSet*>(SalaryReportM4ZQ),
                              static_cast<TDataSet*>(SalaryReportPPPPOZQ),
                              static_cast<TDataSet*>(SalaryReportRegisterEmployeeZQ),
                              static_cast<TDataSet*>(SalaryReportUnifiedCollectionZQ)})
        dataSet->BeforePost = beforePost;
    ConnectRegisterEmployeeSex(*SalaryReportRegisterEmployeeZQ->fieldByName(QStringLiteral("sex")));
    ConnectLifecycleHandlers();
    SalaryZQ->fieldByName(QStringLiteral("status"))->OnGetText = [this](const TField&, const QVariant& v, bool display) {
        return display ? SalaryZQstatusGetText(v) : v.toString();
    };
    SalaryZQ->fieldByName(QStringLiteral("salarytype"))->OnGetText = [this](const TField&, const QVariant& v,
                                                                             bool display) {
        return display ? SalaryZQsalarytypeGetText(v) : v.toString();
    };
    // An MFP pair without a label (0) declares nothing: it is shown empty, not as zeros.
    for (int pair = 1; pair <= 7; ++pair)
        for (const char* column : {"mfflabel", "mffvalue"})
            SalaryReportUnifiedCollectionZQ
                ->fieldByName(QLatin1String(column) + (pair == 1 ? QString() : QString::number(pair)))
                ->OnGetText = [](const TField& field, const QVariant& v, bool display) {
                return display && v.toDouble() == 0 ? QString() : field.formatValue(v, display);
            };

    DataModuleCreate();
}

TSalaryDM::~TSalaryDM() = default;

TSqlQuery* TSalaryDM::makeQuery(const QString& name, const QString& table, const QString& sql, bool cached) {
    auto* query = new TSqlQuery(name, this);
    query->addFields(SalaryTable(table));
    query->setSQL(sql);
    query->setUpdateTable(table, table + QStringLiteral("id"));
    query->setCachedUpdates(cached);
    RegisterQuery(query);
    return query;
}

TDataSet* TSalaryDM::makeMemory(const QString& name) {
    auto* dataSet = new TDataSet(name, this);
    dataSet->setCachedUpdates(true);
    return dataSet;
}

void TSalaryDM::DataModuleCreate() {
    TCustomDM::DataModuleCreate();
    Calculating = false;
    SuspendRecalculation = false;
    ExportingTreasury = false;
    ExportingUnifiedCollection = false;
    EditingLines = true;
    LoadOptions();
}

void TSalaryDM::LoadOptions() {
    if (!Connected())
        return;
    const TDBIniFile store(*ZConnection());
    Options = ReadSalaryOptions(store);
}

void TSalaryDM::CreateFieldValidations() {
    const QString required = QString::fromUtf8(_CMN_FIELD_REQUIRED_ERR);
    const QString invalid = QString::fromUtf8(_CMN_FIELD_INVALIDE_ERR);
    const auto add = [&](TDataSet* dataSet, std::function<bool(const TField&)> test,
                         std::initializer_list<const char*> columns) {
        for (const char* column : columns)
            AddValidation(FieldValidation(dataSet->fieldByName(QLatin1String(column)), true, test, required, invalid));
    };
    const std::function<bool(const TField&)> none;
    const auto taxStatus = [](const TField& field) {
        const QString value = field.asString();
        return value == QLatin1String("s") || value == QLatin1String("a");
    };

    add(SalaryZQ, TestMoneyNoZero, {"baudvalue"});
    add(SalaryZQ, TestMoney, {"minsalaryvalue"});
    add(SalaryZQ, TestMoneyNoZero, {"maxsalaryvalue"});
    add(SalaryZQ, TestTaxRate, {"partcoefficient"});
    add(SalaryZQ, TestDate, {"paymentdate", "accountingdate"});
    const auto between = [](int low, int high) {
        return [low, high](const TField& field) {
            const double value = field.asFloat();
            return value >= low && value <= high;
        };
    };
    // No month has more hours than 31 days of 24.
    constexpr int MonthHours = 744;
    add(SalaryZQ, between(1, 12), {"month"});
    add(SalaryZQ, between(1990, 2100), {"year"});
    add(SalaryZQ, between(1, 32767), {"salarynumber"});
    add(SalaryZQ, [](const TField& field) {
        const QString type = field.asString();
        return type == QLatin1String("Z") || type == QLatin1String("B") || type == QLatin1String("P");
    }, {"salarytype"});
    add(SalaryZQ, TestMoney, {"minnetsalaryprice", "minnetsalaryvalue"});
    add(SalaryZQ, between(0, MonthHours), {"workinghours"});
    add(SalaryZQ, TestTaxRate, {"workingyearsincrementpercent"});
    add(SalaryZQ, TestID, {"salarytaxid"});

    add(SalaryItemZQ, TestID, {"employeeid"});
    add(SalaryItemZQ, between(0, MonthHours),
        {"workinghours", "vacationhours", "sickhours", "longsickhours", "nightworkinghours", "overtimehours",
         "holidayworkinghours", "nightholidayworkinghours", "paidleavehours", "publicholidayhours",
         "maternityleavehours", "childcareleavehours"});
    add(SalaryItemZQ, TestMoneyNoZero, {"coefficient", "netcoefficient"});
    add(SalaryItemZQ, TestMoney, {"regularwork", "decrement", "increment"});
    add(SalaryItemZQ, none, {"difference"});
    add(SalaryItemZQ, TestMoney, {"salaryvalue", "paymentvalue", "mealrefund", "vacationrefund"});
    add(SalaryItemZQ, none, {"paymentnetvalue", "workingyears"});
    add(SalaryItemZQ, TestMoney,
        {"vacationvalue", "sickvalue", "longsickvalue", "nightworkingvalue", "overtimevalue", "holidayworkingvalue",
         "nightholidayworkingvalue", "paidleavevalue", "publicholidayvalue", "maternityleavevalue",
         "childcareleavevalue", "voluntarypension"});
    add(SalaryItemZQ, TestTaxRate, {"sickpercent"});

    add(SalaryTaxItemZQ, TestZeroLength, {"taxname", "taxbankaccount"});
    add(SalaryTaxItemZQ, TestTaxRate, {"taxpercent"});
    add(SalaryTaxItemZQ, TestMoney, {"taxfreevalue"});
    add(SalaryTaxItemZQ, taxStatus, {"taxstatus"});

    const auto incomeType = [](const TField& field) {
        const QString type = field.asString();
        return type == QString::fromUtf8(_SALARY_PPPPO_RW_TYPE_CAP) || type == QString::fromUtf8(_SALARY_PPPPO_NRW_TYPE_CAP);
    };
    add(SalaryReportPPPPOZQ, TestZeroLength,
        {"employeename", "employeecityaddress", "employeepersonalidentificator", "incometypecode"});
    add(SalaryReportPPPPOZQ, incomeType, {"incometype"});
    // The tax relief is the gross less the base, and a hand-made row may make it negative.
    add(SalaryReportPPPPOZQ, TestMoney,
        {"salaryvalue", "taxbase", "taxvalue", "contributiontotal1value", "contributiontotal2value"});
    add(SalaryReportPPPPOZQ, none, {"taxsub", "year", "employeeid"});

    add(SalaryReportPPPZQ, TestZeroLength, {"employeename"});
    add(SalaryReportPPPZQ, TestMoney, {"taxbase", "taxvalue", "tax1value", "tax2value", "tax3value"});
    add(SalaryReportPPPZQ, none, {"year", "employeeid"});
    add(SalaryReportM4ZQ, TestZeroLength, {"employeename"});
    add(SalaryReportM4ZQ, TestMoney,
        {"workingmonths", "workingdays", "taxbase", "taxvalue", "tax1base", "tax1value", "contribution4months",
         "contribution4days", "contribution4value"});
    add(SalaryReportM4ZQ, none, {"year", "employeeid"});

    TDataSet* reg = SalaryReportRegisterEmployeeZQ;
    add(reg, between(1, 12), {"month"});
    add(reg, between(1990, 2100), {"year"});
    add(reg, TestID, {"employeeid"});
    add(reg, TestZeroLength, {"firstname", "lastname"});
    add(reg, [](const TField& field) {
        const QString sex = field.asString();
        return sex == QLatin1String("m") || sex == QLatin1String("f");
    }, {"sex"});
    add(reg, TestTaxRate, {"workpercent", "workingyearsincrementpercent"});
    add(reg, between(0, 80), {"workingyears"});
    add(reg, TestMoney, {"coefficient", "salaryvalue", "paymentvalue"});
    add(reg, TestDate, {"workingfromdate"});
    AddValidation(FieldValidation(reg->fieldByName(QStringLiteral("workingtodate")), false, TestDate, required, invalid));

    for (TDataSet* credits : {static_cast<TDataSet*>(SalaryCreditItemZQ), static_cast<TDataSet*>(SalaryCreditItemFrameZQ)}) {
        add(credits, TestZeroLength, {"creditname", "creditbankaccount"});
        add(credits, TestTaxRate, {"creditpercent", "creditgrosspercent"});
        add(credits, TestMoney, {"creditvalue"});
    }

    // A PPP-PD row corrected by hand still declares someone, under a code, for a
    // month; an MFP label is one of 1 to 7, or 0 for none.
    TDataSet* pppd = SalaryReportUnifiedCollectionZQ;
    add(pppd, TestZeroLength, {"personalidentificator", "firstname", "lastname", "communitycode", "incometypecode"});
    add(pppd, between(28, 31), {"salaryworkingdays"});
    add(pppd, between(0, MonthHours), {"workinghours", "salaryworkinghours"});
    add(pppd, TestMoney,
        {"salaryvalue", "taxbase", "taxvalue", "contributionbase", "contribution1value", "contribution2value",
         "contribution3value", "contribution4value"});
    for (const char* label : {"mfflabel", "mfflabel2", "mfflabel3", "mfflabel4", "mfflabel5", "mfflabel6", "mfflabel7"})
        AddValidation(FieldValidation(pppd->fieldByName(QLatin1String(label)), false, between(0, 7), required, invalid));
}

QString TSalaryDM::SalaryZQstatusGetText(const QVariant& status) const {
    if (SalaryZQ->isEmpty())
        return {};
    return QString::fromUtf8(status.toString() == QLatin1String("p") ? _DOC_REG_STATUS_CAPTION
                                                                     : _DOC_NOT_REG_STATUS_CAPTION);
}

QString TSalaryDM::SalaryZQsalarytypeGetText(const QVariant& salaryType) const {
    return GetSalaryCaption(salaryType.toString());
}

QList<TDataSet*> TSalaryDM::DataSets() const { return findChildren<TDataSet*>(QString(), Qt::FindDirectChildrenOnly); }

TDataSet* TSalaryDM::DataSetByName(const QString& name) const {
    for (TDataSet* dataSet : DataSets())
        if (dataSet->name().compare(name, Qt::CaseInsensitive) == 0)
            return dataSet;
    return nullptr;
}
