#pragma once

#include "PaymentMonth.h"

// The payment month's company as the PPP-PD needs it: every employee with a
// JMBG and a municipality, the company's data for the declaration.
struct PppdMonth : PaymentMonth {
    void SetUp() override {
        PaymentMonth::SetUp();
        if (IsSkipped())
            return;
        identifyEmployees(QStringLiteral("communitycode = '80020'"));
        ok({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("CompanyInfo"),
            QStringLiteral("Name=Javor & Šišmiš <d.o.o.>"), QStringLiteral("Code=108452716"),
            QStringLiteral("Number=08124639"), QStringLiteral("CommunityCode=80020"),
            QStringLiteral("Address=Žitni trg \"5\""), QStringLiteral("Telephone=021/555-333"),
            QStringLiteral("EMail=plate@javor.rs")});
    }

    // The stored rows of a selection ("--document ID" or "--year Y --month M").
    QJsonArray pppd(const QStringList& selection) {
        return rows(QStringList{QStringLiteral("pppd"), QStringLiteral("show")} + selection);
    }
};
