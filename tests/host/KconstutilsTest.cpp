#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "HostResourceStrings.h"
#include "Kconstutils.h"

namespace {

TEST(KconstutilsTest, SalaryCaptionsAndCodesConvertBothWaysAndUnknownOnesGiveNothing)
{
    QStringList captions{QStringLiteral("stari sadržaj")};
    FillSalaryCaptions(captions);
    const QStringList codes{QStringLiteral("Z"), QStringLiteral("B"), QStringLiteral("P")};
    ASSERT_EQ(codes.size(), captions.size());
    for (int i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(captions[i], GetSalaryCaption(codes[i]));
        EXPECT_EQ(codes[i], GetSalaryType(captions[i]));
    }
    for (const QString& unknown : {QStringLiteral("X"), QStringLiteral("z"), QString()})
        EXPECT_EQ(QString(), GetSalaryCaption(unknown)) << unknown.toStdString();  // codes are upper case
    EXPECT_EQ(QString(), GetSalaryType(QStringLiteral("Plata")));
    EXPECT_EQ(QString(), GetSalaryType(QString()));
}

TEST(HostResourceStringsTest, ArgumentTextsTakeTheirArgumentAndKeepSerbianLetters)
{
    EXPECT_EQ(QString::fromUtf8("Modul \"Kadrovi\" nije učitan."),
              QString::fromUtf8(_CMN_NO_MODULE).arg(QString::fromUtf8(_CMN_MOD_HR_RES_NAME)));
}

}  // namespace
