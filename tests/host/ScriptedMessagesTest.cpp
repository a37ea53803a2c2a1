#include <gtest/gtest.h>

#include <QDate>
#include <QString>
#include <QStringList>

#include <string>

#include "ScriptedMessages.h"

namespace {

using Policy = ScriptedMessages::AnswerPolicy;

TEST(ScriptedMessagesTest, RecordsEveryMessageAndQuestionInOrder)
{
    ScriptedMessages messages(Policy::Yes);
    IMessages& ui = messages;
    ui.error(QStringLiteral("greška"));
    ui.warning(QStringLiteral("upozorenje"));
    ui.information(QStringLiteral("obaveštenje"));
    ui.confirm(QStringLiteral("Nastaviti?"));
    ui.messageStrings(QStringLiteral("Problemi:"), MessageKind::Warning,
                      {QStringLiteral("prvi"), QStringLiteral("drugi")});

    ASSERT_EQ(5u, messages.shown.size());
    EXPECT_EQ(MessageKind::Error, messages.shown[0].kind);
    EXPECT_EQ(QStringLiteral("greška"), messages.shown[0].text);
    EXPECT_EQ(MessageKind::Warning, messages.shown[1].kind);
    EXPECT_EQ(MessageKind::Information, messages.shown[2].kind);
    EXPECT_EQ(MessageKind::Question, messages.shown[3].kind);
    EXPECT_EQ(QStringLiteral("Nastaviti?"), messages.shown[3].text);
    EXPECT_EQ(MessageKind::Warning, messages.shown[4].kind);
    EXPECT_EQ(QStringList({QStringLiteral("prvi"), QStringLiteral("drugi")}),
              messages.shown[4].lines);
}

TEST(ScriptedMessagesTest, PreparedAnswersAreUsedOldestFirstThenThePolicy)
{
    ScriptedMessages messages(Policy::No);
    messages.answerYes();
    messages.answerCancel();
    messages.answerNo();
    messages.answerNo();
    messages.answerText(QStringLiteral("Novi naziv"));
    messages.answerDate(QDate(2024, 3, 31));
    messages.answerFileName(QStringLiteral("/tmp/obracun.xlsx"));
    messages.answerChoice(ChangeOption::Remove);

    EXPECT_TRUE(messages.confirm(QStringLiteral("1")));
    EXPECT_EQ(DialogAnswer::Cancel, messages.confirmCancel(QStringLiteral("2")));
    EXPECT_EQ(DialogAnswer::No, messages.confirmCancel(QStringLiteral("3")));
    // A No to an input keeps the value as it stood.
    QString text = QStringLiteral("stari");
    EXPECT_FALSE(messages.inputLine(QString(), QStringLiteral("Naziv"), text));
    EXPECT_EQ(QStringLiteral("stari"), text);
    EXPECT_TRUE(messages.inputLine(QStringLiteral("Naziv"), QStringLiteral("Unesite naziv"), text));
    EXPECT_EQ(QStringLiteral("Novi naziv"), text);
    QDate date(2024, 1, 1);
    EXPECT_TRUE(messages.getDate(date));
    EXPECT_EQ(QDate(2024, 3, 31), date);
    QString fileName;
    EXPECT_TRUE(messages.getFileName(FileDialogKind::Save, QStringLiteral("Izvoz"),
                                     QStringLiteral("Excel (*.xlsx)"), fileName));
    EXPECT_EQ(QStringLiteral("/tmp/obracun.xlsx"), fileName);
    EXPECT_EQ(ChangeOption::Remove, messages.changeOptions(QStringLiteral("Već postoji.")));
    EXPECT_EQ(0, messages.pendingAnswers());

    // From here on the policy: No refuses, Yes confirms the values as they stand.
    EXPECT_FALSE(messages.confirm(QStringLiteral("4")));
    EXPECT_FALSE(messages.getDate(date));
    EXPECT_EQ(ChangeOption::Nothing, messages.changeOptions(QStringLiteral("Već postoji.")));
    messages.setPolicy(Policy::Yes);
    EXPECT_TRUE(messages.inputLine(QString(), QStringLiteral("Naziv"), text));
    EXPECT_EQ(QStringLiteral("Novi naziv"), text);
    EXPECT_EQ(ChangeOption::Change, messages.changeOptions(QStringLiteral("Već postoji.")));
}

TEST(ScriptedMessagesTest, FailPolicyThrowsWithTheQuestion)
{
    ScriptedMessages messages(Policy::Fail);
    try {
        (void)messages.confirm(QString::fromUtf8("Da li želite da sačuvate izmene?"));
        FAIL() << "no exception";
    } catch (const UnansweredQuestion& e) {
        EXPECT_EQ(QString::fromUtf8("Da li želite da sačuvate izmene?"), e.question());
        EXPECT_NE(std::string::npos,
                  std::string(e.what()).find("Da li želite da sačuvate izmene?"));
    }
    // The question was still recorded, so a log shows what was asked last.
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ(MessageKind::Question, messages.shown.back().kind);

    QDate date;
    EXPECT_THROW(messages.getDate(date), UnansweredQuestion);

    // An answer of the wrong type is a fault of the script.
    messages.answerText(QStringLiteral("tekst"));
    EXPECT_THROW(messages.confirm(QStringLiteral("Nastaviti?")), std::logic_error);
    messages.answerFileName(QStringLiteral("a.xls"));
    QString text;
    EXPECT_THROW(messages.inputLine(QString(), QStringLiteral("Naziv"), text), std::logic_error);
}

}  // namespace
