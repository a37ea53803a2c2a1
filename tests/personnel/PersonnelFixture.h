#pragma once

#include "EmployeeRegister.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"
#include "db/DbError.h"

#include <QVariantMap>

#include <memory>

// Posts the edited row; false, with the row cancelled, when its checks refuse it.
inline bool Posted(TDataSet& dataSet) {
    try {
        dataSet.post();
        return true;
    } catch (const EAbort&) {
        dataSet.cancel();
        return false;
    }
}

// A prepared database with the personnel register open on it.
struct PersonnelFixture {
    TestDatabase db;
    Connection& connection = db.open();
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::Yes};
    std::unique_ptr<EmployeeRegister> employees = reopened();

    // A fresh register on the same database, open, as another window would have it.
    std::unique_ptr<EmployeeRegister> reopened() {
        auto fresh = std::make_unique<EmployeeRegister>(connection, messages);
        fresh->Open();
        return fresh;
    }

    TField* field(const char* name) const { return employees->EmployeeZQ->fieldByName(QLatin1String(name)); }

    // Appends an employee with the given column texts and posts it; false
    // when the register refused it (the row is then cancelled).
    bool add(const QVariantMap& values) {
        TSqlQuery& q = *employees->EmployeeZQ;
        q.append();
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            q.fieldByName(it.key())->setValue(it.value());
        return Posted(q);
    }

    qint64 count(const QString& sql) { return connection.scalar(sql).toLongLong(); }
    // The stored value of a column of the employee with the given code.
    QVariant stored(const char* code, const char* column) {
        return connection.scalar(QStringLiteral("SELECT %1 FROM employee WHERE code = ?").arg(QLatin1String(column)),
                                 {QLatin1String(code)});
    }
    QString lastMessage() const { return messages.shown.empty() ? QString() : messages.shown.back().text; }
};

inline QVariantMap Employee(const QString& code, const QString& first, const QString& last) {
    return {{QStringLiteral("code"), code}, {QStringLiteral("firstname"), first}, {QStringLiteral("lastname"), last}};
}
