#pragma once

#include <QString>

#include <vector>

// An employee as the personnel module hands it to other modules. The key
// comes first: a module that needs more than the key and the names reads
// the employee's row itself.
struct TEmployeeDesc {
    qint64 employeeid = 0;
    QString code;
    QString firstname;
    QString lastname;
    QString personalidentificator;
};

using TEmployeeDescArr = std::vector<TEmployeeDesc>;
