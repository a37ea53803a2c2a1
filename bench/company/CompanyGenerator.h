#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

class Connection;

// A synthetic company for measuring the product at scale: employees of
// every pay basis and working state, deduction sets, and posted monthly
// documents of history, reproducible from a seed.
struct CompanyPlan {
    int employees = 10000;
    std::uint64_t seed = 1;
    int historyMonths = 12;
    // The first month after the history; the documents of history end the month before.
    int year = 2025;
    int month = 1;
};

struct CompanyFigures {
    int employees = 0;
    int deductionSets = 0;
    int historyDocuments = 0;
    int historyLines = 0;
    quint64 statements = 0;
};

// Fills an empty database whose schema is current; refuses one with employees.
CompanyFigures GenerateCompany(Connection& connection, const CompanyPlan& plan);
