#pragma once

#include <QString>
#include <QStringList>

class Connection;

// What the demo company put into the database.
struct DemoCompanySummary {
    QString company;
    int organizationUnits = 0;
    int employees = 0;
    int transportZones = 0;
    int rateItems = 0;
    int deductionSets = 0;
};

// Why a database cannot take the demo company (it already holds employees
// or salary documents); empty when it can.
QString DemoCompanyRefusal(Connection& connection);

// Fills an empty, prepared database with a demo company: its identity in
// the settings store, RSD as the primary currency, organisational units,
// transport zones, the statutory rate set with a chamber fee item, about
// thirty employees on every pay basis, and a few deduction sets. All or
// nothing, in one transaction. Throws EDatabaseError with the refusal when
// the database is not empty.
DemoCompanySummary SeedDemoCompany(Connection& connection);
