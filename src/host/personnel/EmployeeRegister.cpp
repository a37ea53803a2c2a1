#include "EmployeeRegister.h"

#include "BankAccount.h"
#include "HostResourceStrings.h"
#include "HostSchema.h"
#include "Jmbg.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QRegularExpression>

namespace {

// The payroll adds these to other amounts in SQL, where an empty value
// would spread; references hold 0 for "none", as the database's default has it.
constexpr const char* ZeroByDefault[] = {"coefficient", "netcoefficient", "arrangedsalaryvalue",
                                         "arrangedpaymentvalue", "averagesalaryvalue", "previousworkingyears",
                                         "previousworkingmonths", "previousworkingdays", "employeetransportzoneid",
                                         "organizationunitid"};

// The working state of an employee who simply works; the payroll treats
// some other states (sick leave and the like) apart.
constexpr qint64 RegularWorkingState = 1;

QString label(const TField& field) { return field.displayLabel(); }

bool blank(const TField& field) { return field.isNull() || field.asString().trimmed().isEmpty(); }

QString requiredProblem(const TField& field) {
    return blank(field) ? QString::fromUtf8(_CMN_FIELD_REQUIRED_ERR).arg(label(field)) : QString();
}

QString nonNegativeProblem(const TField& field) {
    return !field.isNull() && field.asFloat() < 0
               ? QStringLiteral("Polje \"%1\" ne sme biti negativno.").arg(label(field))
               : QString();
}

auto rangeCheck(int low, int high) {
    return [low, high](const TField& field) {
        if (field.isNull() || (field.asFloat() >= low && field.asFloat() <= high))
            return QString();
        return QStringLiteral("Polje \"%1\" mora biti između %2 i %3.").arg(label(field)).arg(low).arg(high);
    };
}

QString flagProblem(const TField& field) {
    const QString value = field.asString();
    if (field.isNull() || value == QLatin1String("y") || value == QLatin1String("n"))
        return {};
    return QStringLiteral("Polje \"%1\" mora imati vrednost \"y\" ili \"n\".").arg(label(field));
}

// Dates come through the field as real dates; what is left to catch are
// typing slips in the year.
QString dateProblem(const TField& field) {
    if (field.isNull())
        return {};
    const QDate date = field.asDate();
    if (!date.isValid())
        return QString::fromUtf8(_CMN_FIELD_INVALIDE_ERR).arg(label(field));
    if (date.year() < 1900 || date.year() > 2100)
        return QStringLiteral("Datum u polju \"%1\" (%2) nije moguć.")
            .arg(label(field), date.toString(QStringLiteral("dd.MM.yyyy.")));
    return {};
}

QString accountProblem(const TField& field) {
    if (blank(field))
        return {};
    QString error;
    NormalizeBankAccount(field.asString(), &error);
    return error.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(label(field), error);
}

QString jmbgProblem(const TField& field) {
    return blank(field) ? QString() : JmbgError(field.asString().trimmed());
}

QString emailProblem(const TField& field) {
    static const QRegularExpression address(QStringLiteral("^[^@\\s]+@[^@\\s]+\\.[^@\\s]+$"));
    if (blank(field) || address.match(field.asString().trimmed()).hasMatch())
        return {};
    return QStringLiteral("Adresa e-pošte \"%1\" nije ispravna.").arg(field.asString());
}

// Sex is kept as "m" or "f": the payroll's reports and exports read it so.
QString sexProblem(const TField& field) {
    const QString value = field.asString().trimmed().toLower();
    if (blank(field) || value == QLatin1String("m") || value == QLatin1String("f"))
        return {};
    return QStringLiteral("Pol se upisuje kao \"m\" (muški) ili \"f\" (ženski), a ne \"%1\".").arg(field.asString());
}

// Another row of the dataset with the same value in the field (letter case ignored).
bool duplicated(const TField& field) {
    const QString value = field.asString().trimmed();
    const TDataSet& dataSet = *field.dataSet();
    for (int row = 0; row < dataSet.recordCount(); ++row)
        if (row != dataSet.currentIndex()
            && dataSet.valueAt(row, field.index()).toString().trimmed().compare(value, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A control character (a NUL byte, an escape) is never typed: it comes
// from a damaged or hostile file and would be stored and printed unseen.
// Line breaks and tabs are typed (an address on two lines).
QString controlCharacterProblem(const TField& field) {
    if (field.isNull())
        return {};
    const QString text = field.asString();
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control || c == QLatin1Char('\n') || c == QLatin1Char('\r')
            || c == QLatin1Char('\t'))
            continue;
        return QStringLiteral("Polje \"%1\" sadrži nedozvoljen kontrolni znak (kod %2).")
            .arg(label(field))
            .arg(c.unicode());
    }
    return {};
}

QString codeKey(const QString& code) { return code.trimmed().toCaseFolded(); }

bool noReference(const TField& field) { return field.isNull() || field.asLargeInt() == 0; }

bool containsKey(const TSqlQuery& query, const QVariant& key) {
    const int index = query.keyField()->index();
    for (int row = 0; row < query.recordCount(); ++row)
        if (query.valueAt(row, index).toLongLong() == key.toLongLong())
            return true;
    return false;
}

// Lower case without the marks of Serbian Latin letters, for searching;
// đ has no mark to drop and is written either "d" or "dj".
QString folded(const QString& text, const QString& dj = QStringLiteral("d")) {
    static const QRegularExpression marks(QStringLiteral("\\p{Mn}"));
    QString plain = text.toLower().normalized(QString::NormalizationForm_D);
    plain.remove(marks);
    return plain.replace(QChar(0x0111), dj);
}

}  // namespace

EmployeeRegister::EmployeeRegister(Connection& connection, IMessages& messages, QObject* parent)
    : TCustomDM(parent) {
    SetMessages(&messages);
    EmployeeZQ = makeQuery(QStringLiteral("EmployeeZQ"), QStringLiteral("employee"),
                           QStringLiteral("SELECT * FROM employee ORDER BY code"));
    EmployeeZQ->setSortFields(QStringLiteral("code"));
    EmployeeZQ->setConflictMessage(
        QStringLiteral("Zaposlenog je u međuvremenu izmenio drugi korisnik; osvežite podatke i ponovite izmenu."));
    // The key and the version change only through the database.
    for (const char* column : {"employeeid", "version"})
        EmployeeZQ->fieldByName(QLatin1String(column))->setReadOnly(true);
    EmployeeTransportZoneZQ = makeQuery(QStringLiteral("EmployeeTransportZoneZQ"), QStringLiteral("employeetransportzone"),
                                        QStringLiteral("SELECT * FROM employeetransportzone ORDER BY name"));
    EmployeeTransportZoneZQ->setSortFields(QStringLiteral("name"));
    OrganizationUnitZQ = makeQuery(QStringLiteral("OrganizationUnitZQ"), QStringLiteral("organizationunit"),
                                   QStringLiteral("SELECT * FROM organizationunit ORDER BY code, name"));
    OrganizationUnitZQ->setSortFields(QStringLiteral("code, name"));
    EmployeePreviousAverageValueZQ = makeQuery(
        QStringLiteral("EmployeePreviousAverageValueZQ"), QStringLiteral("employeepreviousaveragevalue"),
        QStringLiteral("SELECT * FROM employeepreviousaveragevalue WHERE employeeid = :employeeid "
                       "ORDER BY year DESC, month DESC"));
    EmployeePreviousAverageValueZQ->setSortFields(QStringLiteral("year DESC, month DESC"));

    EmployeeZQ->fieldByName(QStringLiteral("active"))->OnGetText = [](const TField&, const QVariant& value,
                                                                      bool display) {
        if (!display)
            return value.toString();
        return QString::fromUtf8(value.toString() == QLatin1String("y") ? _YES_CAP : _NO_CAP);
    };
    // Units show their parent by name.
    OrganizationUnitZQ->fieldByName(QStringLiteral("parentid"))->OnGetText = [this](const TField&, const QVariant& value,
                                                                                  bool display) {
        if (!display)
            return value.isNull() ? QString() : QString::number(value.toLongLong());
        const TSqlQuery& units = *OrganizationUnitZQ;
        for (int row = 0; row < units.recordCount(); ++row)
            if (value.toLongLong() != 0 && units.valueAt(row, units.keyField()->index()) == value)
                return units.valueAt(row, units.fieldByName(QStringLiteral("name"))->index()).toString();
        return QString();
    };
    EmployeeZQ->OnNewRecord = [this](TDataSet&) {
        EmployeeZQ->fieldByName(QStringLiteral("active"))->setAsBoolean(true);
        for (const char* flag : {"minsalary", "employer"})
            EmployeeZQ->fieldByName(QLatin1String(flag))->setAsBoolean(false);
        EmployeeZQ->fieldByName(QStringLiteral("workingstateid"))->setAsLargeInt(RegularWorkingState);
        for (const char* number : ZeroByDefault)
            EmployeeZQ->fieldByName(QLatin1String(number))->setAsFloat(0);
    };
    EmployeeZQ->BeforePost = [this](TDataSet&) {
        rejectOnProblem(EmployeeProblem());
        normalizeEmployee();
        if (codeRows_ && EmployeeZQ->state() == DataSetState::Edit)
            codeBeforePost_ = EmployeeZQ->valueAt(EmployeeZQ->currentIndex(),
                                                  EmployeeZQ->fieldByName(QStringLiteral("code"))->index())
                                  .toString();
        else
            codeBeforePost_.clear();
    };
    EmployeeZQ->AfterPost = [this](TDataSet&) { indexPostedCode(); };
    EmployeeTransportZoneZQ->BeforePost = [this](TDataSet&) { rejectOnProblem(TransportZoneProblem()); };
    OrganizationUnitZQ->BeforePost = [this](TDataSet&) { rejectOnProblem(OrganizationUnitProblem()); };
    EmployeePreviousAverageValueZQ->OnNewRecord = [this](TDataSet&) {
        EmployeePreviousAverageValueZQ->fieldByName(QStringLiteral("employeeid"))->setAsLargeInt(averagesEmployee_);
        EmployeePreviousAverageValueZQ->fieldByName(QStringLiteral("workingvalue"))->setAsFloat(0);
        EmployeePreviousAverageValueZQ->fieldByName(QStringLiteral("workinghours"))->setAsFloat(0);
    };
    EmployeePreviousAverageValueZQ->BeforePost = [this](TDataSet&) { rejectOnProblem(PreviousAverageProblem()); };

    createEmployeeChecks();
    createListChecks();
    SetZConnection(&connection);
    DataModuleCreate();
}

EmployeeRegister::~EmployeeRegister() = default;

const TableDef& EmployeeRegister::HostTable(const QString& name) {
    for (const TableDef& table : HostTables())
        if (table.name == name)
            return table;
    throw EDatabaseError(QStringLiteral("Tabela \"%1\" nije tabela domaćina.").arg(name));
}

TSqlQuery* EmployeeRegister::makeQuery(const QString& name, const QString& table, const QString& sql) {
    auto* query = new TSqlQuery(name, this);
    query->addFields(HostTable(table));
    query->setSQL(sql);
    query->setUpdateTable(table, table + QStringLiteral("id"));
    RegisterQuery(query);
    return query;
}

void EmployeeRegister::createEmployeeChecks() {
    const auto field = [this](const char* name) { return EmployeeZQ->fieldByName(QLatin1String(name)); };
    auto& checks = employeeChecks_;
    for (int i = 0; i < EmployeeZQ->fieldCount(); ++i) {
        TField* text = EmployeeZQ->field(i);
        if (text->dataType() == FieldType::String || text->dataType() == FieldType::Text)
            checks.push_back({text, controlCharacterProblem});
    }
    for (const char* name : {"code", "firstname", "lastname"})
        checks.push_back({field(name), requiredProblem});
    checks.push_back({field("code"), [this](const TField& f) {
                          return codeTaken(f) ? QStringLiteral("Zaposleni sa šifrom \"%1\" već postoji.")
                                                    .arg(f.asString().trimmed())
                                              : QString();
                      }});
    checks.push_back({field("personalidentificator"), jmbgProblem});
    checks.push_back({field("sex"), sexProblem});
    for (const char* name : {"active", "minsalary", "employer"})
        checks.push_back({field(name), flagProblem});
    checks.push_back({field("account"), accountProblem});
    checks.push_back({field("voluntarypensionbankaccount"), accountProblem});
    checks.push_back({field("email"), emailProblem});
    checks.push_back({field("workingstateid"), requiredProblem});
    checks.push_back({field("workingstateid"), rangeCheck(0, 99)});
    for (const char* name : {"coefficient", "netcoefficient", "arrangedsalaryvalue", "arrangedpaymentvalue",
                             "averagesalaryvalue"})
        checks.push_back({field(name), nonNegativeProblem});
    checks.push_back({field("previousworkingyears"), rangeCheck(0, 60)});
    checks.push_back({field("previousworkingmonths"), rangeCheck(0, 11)});
    checks.push_back({field("previousworkingdays"), rangeCheck(0, 30)});
    checks.push_back({field("workingfromdate"), dateProblem});
    checks.push_back({field("workingtodate"), dateProblem});
    checks.push_back({field("workingtodate"), [this](const TField& to) {
                          const TField* from = EmployeeZQ->fieldByName(QStringLiteral("workingfromdate"));
                          if (to.isNull() || from->isNull() || to.asDate() >= from->asDate())
                              return QString();
                          return QStringLiteral("Datum prestanka rada ne može biti pre datuma zaposlenja.");
                      }});
    checks.push_back({field("employeetransportzoneid"), [this](const TField& f) {
                          if (noReference(f) || containsKey(*EmployeeTransportZoneZQ, f.value()))
                              return QString();
                          return QStringLiteral("Zona prevoza sa šifrom %1 ne postoji.").arg(f.asLargeInt());
                      }});
    checks.push_back({field("organizationunitid"), [this](const TField& f) {
                          if (noReference(f) || containsKey(*OrganizationUnitZQ, f.value()))
                              return QString();
                          return QStringLiteral("Organizaciona jedinica sa šifrom %1 ne postoji.").arg(f.asLargeInt());
                      }});
}

void EmployeeRegister::createListChecks() {
    TSqlQuery* zones = EmployeeTransportZoneZQ;
    zoneChecks_.push_back({zones->fieldByName(QStringLiteral("name")), requiredProblem});
    zoneChecks_.push_back({zones->fieldByName(QStringLiteral("name")), [](const TField& f) {
                               return duplicated(f) ? QStringLiteral("Zona \"%1\" već postoji.").arg(f.asString())
                                                    : QString();
                           }});
    zoneChecks_.push_back({zones->fieldByName(QStringLiteral("price")), requiredProblem});
    zoneChecks_.push_back({zones->fieldByName(QStringLiteral("price")), nonNegativeProblem});

    TSqlQuery* units = OrganizationUnitZQ;
    unitChecks_.push_back({units->fieldByName(QStringLiteral("name")), requiredProblem});
    unitChecks_.push_back({units->fieldByName(QStringLiteral("code")), [](const TField& f) {
                               return !blank(f) && duplicated(f)
                                          ? QStringLiteral("Organizaciona jedinica sa šifrom \"%1\" već postoji.")
                                                .arg(f.asString())
                                          : QString();
                           }});
    unitChecks_.push_back({units->fieldByName(QStringLiteral("parentid")), [units](const TField& f) {
                               if (noReference(f))
                                   return QString();
                               if (f.asLargeInt() == units->keyField()->asLargeInt())
                                   return QStringLiteral("Jedinica ne može biti nadređena samoj sebi.");
                               return containsKey(*units, f.value())
                                          ? QString()
                                          : QStringLiteral("Nadređena jedinica ne postoji.");
                           }});

    TSqlQuery* averages = EmployeePreviousAverageValueZQ;
    const auto field = [averages](const char* name) { return averages->fieldByName(QLatin1String(name)); };
    for (const char* name : {"year", "month", "workingvalue", "workinghours"})
        averageChecks_.push_back({field(name), requiredProblem});
    averageChecks_.push_back({field("year"), rangeCheck(1900, 2100)});
    averageChecks_.push_back({field("month"), rangeCheck(1, 12)});
    averageChecks_.push_back({field("workingvalue"), nonNegativeProblem});
    averageChecks_.push_back({field("workinghours"), nonNegativeProblem});
    averageChecks_.push_back({field("month"), [averages, field](const TField& month) {
                                  const TField* year = field("year");
                                  for (int row = 0; row < averages->recordCount(); ++row)
                                      if (row != averages->currentIndex()
                                          && averages->valueAt(row, year->index()) == year->value()
                                          && averages->valueAt(row, month.index()) == month.value())
                                          return QStringLiteral("Za %1/%2 već postoji unos.")
                                              .arg(month.asInteger())
                                              .arg(year->asInteger());
                                  return QString();
                              }});
}

void EmployeeRegister::Open() {
    EmployeeTransportZoneZQ->open();
    OrganizationUnitZQ->open();
    EmployeeZQ->open();
}

void EmployeeRegister::OpenPreviousAverages(qint64 employeeid) {
    averagesEmployee_ = employeeid;
    EmployeePreviousAverageValueZQ->close();
    EmployeePreviousAverageValueZQ->setParam(QStringLiteral("employeeid"), qlonglong(employeeid));
    EmployeePreviousAverageValueZQ->open();
}

std::optional<FieldProblem> EmployeeRegister::firstProblem(const std::vector<FieldCheck>& checks) {
    for (const FieldCheck& check : checks) {
        const QString message = check.problem(*check.field);
        if (!message.isEmpty())
            return FieldProblem{check.field, message};
    }
    return std::nullopt;
}

std::optional<FieldProblem> EmployeeRegister::EmployeeProblem() const { return firstProblem(employeeChecks_); }
std::optional<FieldProblem> EmployeeRegister::TransportZoneProblem() const { return firstProblem(zoneChecks_); }
std::optional<FieldProblem> EmployeeRegister::OrganizationUnitProblem() const { return firstProblem(unitChecks_); }
std::optional<FieldProblem> EmployeeRegister::PreviousAverageProblem() const { return firstProblem(averageChecks_); }

void EmployeeRegister::rejectOnProblem(const std::optional<FieldProblem>& problem) {
    if (!problem)
        return;
    Messages().error(problem->message);
    throw EAbort();
}

// What was typed with spaces or in short form is stored in one form, so
// that searches, matching by code and bank files see the same text.
void EmployeeRegister::normalizeEmployee() {
    for (const char* name : {"code", "firstname", "lastname", "personalidentificator", "email"}) {
        TField* field = EmployeeZQ->fieldByName(QLatin1String(name));
        if (!field->isNull() && field->asString() != field->asString().trimmed())
            field->setAsString(field->asString().trimmed());
    }
    if (TField* sex = EmployeeZQ->fieldByName(QStringLiteral("sex")); sex->asString() != sex->asString().toLower())
        sex->setAsString(sex->asString().toLower());
    for (const char* number : ZeroByDefault) {
        TField* field = EmployeeZQ->fieldByName(QLatin1String(number));
        if (field->isNull())
            field->setAsFloat(0);
    }
    for (const char* name : {"account", "voluntarypensionbankaccount"}) {
        TField* field = EmployeeZQ->fieldByName(QLatin1String(name));
        if (blank(*field))
            continue;
        const QString normalized = NormalizeBankAccount(field->asString());
        if (normalized != field->asString())
            field->setAsString(normalized);
    }
}

bool EmployeeRegister::referenced(const QString& table, const QString& column, const QVariant& key) {
    Connection& connection = *ZConnection();
    if (!connection.tableExists(table))
        return false;
    return connection.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(table, column), {key}).toLongLong()
         > 0;
}

// The one way rows leave the register: a refusal (when `refusal` gives a
// reason) or the user's confirmation, then the row and whatever `alongside`
// removes with it, in one transaction.
bool EmployeeRegister::deleteCurrent(TSqlQuery& query, const std::function<QString()>& refusal,
                                     const std::function<QString()>& question,
                                     const std::function<void()>& alongside) {
    query.checkBrowseMode();
    if (query.isEmpty())
        return false;
    if (const QString reason = refusal(); !reason.isEmpty()) {
        Messages().error(reason);
        return false;
    }
    if (!Messages().confirm(question()))
        return false;
    Transaction transaction(*ZConnection());
    if (alongside)
        alongside();
    query.remove();
    transaction.commit();
    return true;
}

bool EmployeeRegister::DeleteEmployee() {
    const auto who = [this] {
        const TEmployeeDesc employee = Descriptor(EmployeeZQ->currentIndex());
        return QStringLiteral("%1 %2 %3").arg(employee.code, employee.firstname, employee.lastname);
    };
    const auto key = [this] { return EmployeeZQ->keyField()->value(); };
    return deleteCurrent(
        *EmployeeZQ,
        [&] {
            // Salaries, deductions and attendance are history: they must keep their employee.
            if (referenced(QStringLiteral("salaryitem"), QStringLiteral("employeeid"), key())
                || referenced(QStringLiteral("salarycredit"), QStringLiteral("employeeid"), key())
                || referenced(QStringLiteral("timerattendance"), QStringLiteral("employeeid"), key()))
                return QStringLiteral("Zaposleni %1 ima obračunate zarade, obustave ili evidenciju prisustva i ne "
                                      "može se izbrisati. Označite ga kao neaktivnog.")
                    .arg(who());
            return QString();
        },
        [&] { return QStringLiteral("Da li želite da izbrišete zaposlenog %1?").arg(who()); },
        [&] {
            ZConnection()->exec(QStringLiteral("DELETE FROM employeepreviousaveragevalue WHERE employeeid = ?"),
                                {key()});
        });
}

bool EmployeeRegister::DeleteTransportZone() {
    TSqlQuery& zones = *EmployeeTransportZoneZQ;
    const auto name = [&zones] { return zones.fieldByName(QStringLiteral("name"))->asString(); };
    return deleteCurrent(
        zones,
        [&] {
            return referenced(QStringLiteral("employee"), QStringLiteral("employeetransportzoneid"),
                              zones.keyField()->value())
                       ? QStringLiteral("Zona \"%1\" je dodeljena zaposlenima i ne može se izbrisati.").arg(name())
                       : QString();
        },
        [&] { return QStringLiteral("Da li želite da izbrišete zonu \"%1\"?").arg(name()); });
}

bool EmployeeRegister::DeleteOrganizationUnit() {
    TSqlQuery& units = *OrganizationUnitZQ;
    const auto name = [&units] { return units.fieldByName(QStringLiteral("name"))->asString(); };
    return deleteCurrent(
        units,
        [&] {
            const QVariant key = units.keyField()->value();
            if (referenced(QStringLiteral("employee"), QStringLiteral("organizationunitid"), key)
                || referenced(QStringLiteral("organizationunit"), QStringLiteral("parentid"), key))
                return QStringLiteral("Jedinica \"%1\" ima zaposlene ili podređene jedinice i ne može se izbrisati.")
                    .arg(name());
            return QString();
        },
        [&] { return QStringLiteral("Da li želite da izbrišete jedinicu \"%1\"?").arg(name()); });
}

bool EmployeeRegister::DeletePreviousAverage() {
    TSqlQuery& averages = *EmployeePreviousAverageValueZQ;
    if (averages.state() == DataSetState::Insert) {
        averages.cancel();
        return true;
    }
    return deleteCurrent(
        averages, [] { return QString(); },
        [&averages] {
            return QStringLiteral("Da li želite da izbrišete zaradu za %1/%2?")
                .arg(averages.fieldByName(QStringLiteral("month"))->asInteger())
                .arg(averages.fieldByName(QStringLiteral("year"))->asInteger());
        });
}

TEmployeeDesc EmployeeRegister::Descriptor(int row) const {
    const auto value = [this, row](const char* name) {
        return EmployeeZQ->valueAt(row, EmployeeZQ->fieldByName(QLatin1String(name))->index());
    };
    return TEmployeeDesc{value("employeeid").toLongLong(), value("code").toString(), value("firstname").toString(),
                         value("lastname").toString(), value("personalidentificator").toString()};
}

bool EmployeeRegister::LocateCode(const QString& code) {
    if (codeRows_) {
        const auto row = codeRows_->constFind(codeKey(code));
        if (row == codeRows_->cend())
            return false;
        EmployeeZQ->setCurrentIndex(*row);
        return true;
    }
    return EmployeeZQ->locate(QStringLiteral("code"), code.trimmed(), true);
}

bool EmployeeRegister::codeTaken(const TField& code) const {
    if (!codeRows_)
        return duplicated(code);
    const auto row = codeRows_->constFind(codeKey(code.asString()));
    return row != codeRows_->cend() && *row != EmployeeZQ->currentIndex();
}

void EmployeeRegister::indexPostedCode() {
    if (!codeRows_)
        return;
    const int row = EmployeeZQ->currentIndex();
    if (!codeBeforePost_.isNull()) {
        const auto earlier = codeRows_->constFind(codeKey(codeBeforePost_));
        if (earlier != codeRows_->cend() && *earlier == row)
            codeRows_->erase(earlier);
    }
    codeRows_->insert(codeKey(EmployeeZQ->fieldByName(QStringLiteral("code"))->asString()), row);
}

EmployeeRegister::BulkChange::BulkChange(EmployeeRegister& employees)
    : employees_(employees), sortFields_(employees.EmployeeZQ->sortFields()) {
    TSqlQuery& query = *employees_.EmployeeZQ;
    query.checkBrowseMode();
    query.disableControls();
    query.setSortFields(QString());
    const int code = query.fieldByName(QStringLiteral("code"))->index();
    QHash<QString, int> rows;
    rows.reserve(query.recordCount());
    for (int row = 0; row < query.recordCount(); ++row)
        rows.insert(codeKey(query.valueAt(row, code).toString()), row);
    employees_.codeRows_ = std::move(rows);
}

EmployeeRegister::BulkChange::~BulkChange() {
    TSqlQuery& query = *employees_.EmployeeZQ;
    employees_.codeRows_.reset();
    // Whatever the bulk change left half-edited after a failure is not kept.
    if (query.isEditing())
        query.cancel();
    query.setSortFields(sortFields_);
    query.enableControls();
}

bool EmployeeRegister::RowMatches(int row, const QString& search, bool activeOnly) const {
    const auto value = [this, row](const char* name) {
        return EmployeeZQ->valueAt(row, EmployeeZQ->fieldByName(QLatin1String(name))->index()).toString();
    };
    if (activeOnly && value("active") != QLatin1String("y"))
        return false;
    const QString text = QStringList{value("code"), value("firstname"), value("lastname"), value("personalidentificator")}
                             .join(QLatin1Char(' '));
    const QString haystack = folded(text) + QLatin1Char(' ') + folded(text, QStringLiteral("dj"));
    for (const QString& word : folded(search).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (!haystack.contains(word))
            return false;
    return true;
}
