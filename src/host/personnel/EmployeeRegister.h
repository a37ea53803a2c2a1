#pragma once

#include "CustomDM.h"
#include "EmployeeDesc.h"
#include "db/SqlQuery.h"

#include <QHash>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class Connection;
struct TableDef;

// Why an edited row cannot be stored, and the field to put right.
struct FieldProblem {
    TField* field = nullptr;
    QString message;
};

// The personnel register: every employee with all columns, the transport
// zones, the organisational units and the earlier monthly averages of one
// employee. Posts are written at once; each dataset checks its row before
// the post and reports the first problem through the messages.
class EmployeeRegister : public TCustomDM {
    Q_OBJECT
public:
    EmployeeRegister(Connection& connection, IMessages& messages, QObject* parent = nullptr);
    ~EmployeeRegister() override;

    TSqlQuery* EmployeeZQ;                      // every employee, by code
    TSqlQuery* EmployeeTransportZoneZQ;         // transport zones, by name
    TSqlQuery* OrganizationUnitZQ;              // organisational units, by code and name
    TSqlQuery* EmployeePreviousAverageValueZQ;  // one employee's earlier months, newest first

    // Opens the employees, the zones and the units.
    void Open();
    void OpenPreviousAverages(qint64 employeeid);
    qint64 PreviousAveragesEmployee() const { return averagesEmployee_; }

    // The first problem of the row being edited; none when it may be stored.
    std::optional<FieldProblem> EmployeeProblem() const;
    std::optional<FieldProblem> TransportZoneProblem() const;
    std::optional<FieldProblem> OrganizationUnitProblem() const;
    std::optional<FieldProblem> PreviousAverageProblem() const;

    // Delete the current row once the user confirms. Refused, with the
    // reason shown, while other rows still refer to it. True when deleted.
    bool DeleteEmployee();
    bool DeleteTransportZone();
    bool DeleteOrganizationUnit();
    bool DeletePreviousAverage();

    TEmployeeDesc Descriptor(int row) const;
    // Moves to the employee with this code (letter case ignored).
    bool LocateCode(const QString& code);
    // Whether the row is active (when asked) and every word of the search
    // occurs in its code, names or JMBG; letter case and the marks of
    // č, ć, š, ž, đ are ignored, so "petrovic" finds "Petrović".
    bool RowMatches(int row, const QString& search, bool activeOnly) const;

    static const TableDef& HostTable(const QString& name);

    // For the length of a bulk change of the employees (an import): rows keep
    // their places (the order by code is restored at the end), views hear of
    // the change once, and codes are found through an index rather than by
    // scanning every row, so that each row costs the same however many came
    // before it. Rows are edited and appended, not deleted, meanwhile.
    class BulkChange {
    public:
        explicit BulkChange(EmployeeRegister& employees);
        ~BulkChange();
        BulkChange(const BulkChange&) = delete;
        BulkChange& operator=(const BulkChange&) = delete;

    private:
        EmployeeRegister& employees_;
        QString sortFields_;
    };

private:
    using Check = std::function<QString(const TField&)>;
    struct FieldCheck {
        TField* field;
        Check problem;  // empty text: fine
    };

    TSqlQuery* makeQuery(const QString& name, const QString& table, const QString& sql);
    void createEmployeeChecks();
    void createListChecks();
    void normalizeEmployee();
    static std::optional<FieldProblem> firstProblem(const std::vector<FieldCheck>& checks);
    void rejectOnProblem(const std::optional<FieldProblem>& problem);
    bool referenced(const QString& table, const QString& column, const QVariant& key);
    bool deleteCurrent(TSqlQuery& query, const std::function<QString()>& refusal,
                       const std::function<QString()>& question, const std::function<void()>& alongside = {});

    bool codeTaken(const TField& code) const;
    void indexPostedCode();

    // Folded code -> row, only during a BulkChange.
    std::optional<QHash<QString, int>> codeRows_;
    QString codeBeforePost_;
    std::vector<FieldCheck> employeeChecks_;
    std::vector<FieldCheck> zoneChecks_;
    std::vector<FieldCheck> unitChecks_;
    std::vector<FieldCheck> averageChecks_;
    qint64 averagesEmployee_ = 0;
};
