#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "HostResourceStrings.h"
#include "Kconstutils.h"

namespace {

TEST(KconstutilsTest, SalaryCaptionsAndCodesConvertBothWays)
{
    const QStringList codes{QStringLiteral("Z"), QStringLiteral("B"), QStringLiteral("P")};
    for (const QString& code : codes)
        EXPECT_EQ(code, GetSalaryType(GetSalaryCaption(code)));

    EXPECT_EQ(QString::fromUtf8("Zarada"), GetSalaryCaption(QStringLiteral("Z")));
    EXPECT_EQ(QString::fromUtf8("Bolovanje"), GetSalaryCaption(QStringLiteral("B")));
    EXPECT_EQ(QString::fromUtf8("Prevoz"), GetSalaryCaption(QStringLiteral("P")));
}

TEST(KconstutilsTest, UnknownCodesAndCaptionsGiveEmptyText)
{
    EXPECT_EQ(QString(), GetSalaryCaption(QStringLiteral("X")));
    EXPECT_EQ(QString(), GetSalaryCaption(QString()));
    EXPECT_EQ(QString(), GetSalaryCaption(QStringLiteral("z")));  // codes are upper case
    EXPECT_EQ(QString(), GetSalaryType(QStringLiteral("Plata")));
    EXPECT_EQ(QString(), GetSalaryType(QString()));
}

TEST(KconstutilsTest, FillSalaryCaptionsReplacesTheListInCodeOrder)
{
    QStringList list{QStringLiteral("stari sadržaj")};
    FillSalaryCaptions(list);
    const QStringList expected{QString::fromUtf8(_SALARY_REGULAR_CAPTION),
                               QString::fromUtf8(_SALARY_SICK_CAPTION),
                               QString::fromUtf8(_SALARY_TRANSPORT_CAPTION)};
    EXPECT_EQ(expected, list);
}

TEST(HostResourceStringsTest, ArgumentTextsTakeTheirArgumentAndKeepSerbianLetters)
{
    EXPECT_EQ(QString::fromUtf8("Polje \"Ime\" mora biti popunjeno."),
              QString::fromUtf8(_CMN_FIELD_REQUIRED_ERR).arg(QStringLiteral("Ime")));
    EXPECT_EQ(QString::fromUtf8("Modul \"Kadrovi\" nije učitan."),
              QString::fromUtf8(_CMN_NO_MODULE).arg(QString::fromUtf8(_CMN_MOD_HR_RES_NAME)));
    EXPECT_EQ(19, QString::fromUtf8(_CMN_PRINT_WIZ_NAME).size());  // Č and š as one character each
}

}  // namespace
