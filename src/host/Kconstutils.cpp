#include "Kconstutils.h"

#include <array>

#include "HostResourceStrings.h"

namespace {

struct SalaryTypeCaption {
    const char* code;
    const char* caption;
};

// In the order pick lists show them.
constexpr std::array<SalaryTypeCaption, 3> SalaryTypeCaptions{{
    {"Z", _SALARY_REGULAR_CAPTION},
    {"B", _SALARY_SICK_CAPTION},
    {"P", _SALARY_TRANSPORT_CAPTION},
}};

}  // namespace

QString GetSalaryCaption(const QString& typeCode)
{
    for (const SalaryTypeCaption& entry : SalaryTypeCaptions) {
        if (typeCode == QLatin1String(entry.code))
            return QString::fromUtf8(entry.caption);
    }
    return QString();
}

QString GetSalaryType(const QString& caption)
{
    for (const SalaryTypeCaption& entry : SalaryTypeCaptions) {
        if (caption == QString::fromUtf8(entry.caption))
            return QLatin1String(entry.code);
    }
    return QString();
}

void FillSalaryCaptions(QStringList& list)
{
    list.clear();
    for (const SalaryTypeCaption& entry : SalaryTypeCaptions)
        list.append(QString::fromUtf8(entry.caption));
}
