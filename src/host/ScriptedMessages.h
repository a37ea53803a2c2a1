#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <deque>
#include <stdexcept>
#include <vector>

#include "Messages.h"

// A question was asked that the script had no answer for, under the Fail
// policy. what() names the question, so the command line can report it.
class UnansweredQuestion : public std::runtime_error {
public:
    explicit UnansweredQuestion(const QString& question);
    const QString& question() const { return m_question; }

private:
    QString m_question;
};

// IMessages without a user: every message shown is recorded, questions are
// answered from a queue of prepared answers, oldest first, and once the queue
// is empty by the policy. A Yes or No answer works for any question the way
// the policy of that name does. Any other answer of the wrong type for the
// question asked is a fault in the script and throws std::logic_error.
class ScriptedMessages : public IMessages {
public:
    enum class AnswerPolicy {
        Yes,   // confirm; accept inputs as they stand; ChangeOption::Change
        No,    // decline; cancel inputs; ChangeOption::Nothing
        Fail   // throw UnansweredQuestion
    };

    struct ShownMessage {
        MessageKind kind;
        QString text;         // for questions: the question, or the prompt
        QStringList lines{};  // messageStrings only
    };

    explicit ScriptedMessages(AnswerPolicy policy = AnswerPolicy::Fail) : m_policy(policy) {}

    void setPolicy(AnswerPolicy policy) { m_policy = policy; }

    // Prepared answers for the next questions, in the order they are asked.
    void answerYes();
    void answerNo();
    void answerCancel();                       // confirmCancel; elsewhere the same as No
    void answerText(const QString& text);      // inputLine
    void answerDate(const QDate& date);        // getDate
    void answerFileName(const QString& name);  // getFileName
    void answerChoice(int choice);             // changeOptions
    qsizetype pendingAnswers() const { return static_cast<qsizetype>(m_answers.size()); }

    // Everything shown so far, questions included, oldest first.
    std::vector<ShownMessage> shown;
    // The errors and warnings among `shown` from position `from` on, one per
    // line: why an operation was refused.
    QString refusals(size_t from = 0) const;

    void error(const QString& text) override;
    void warning(const QString& text) override;
    void information(const QString& text) override;
    bool confirm(const QString& text) override;
    DialogAnswer confirmCancel(const QString& text) override;
    bool inputLine(const QString& caption, const QString& prompt, QString& value) override;
    bool getDate(QDate& date) override;
    bool getFileName(FileDialogKind kind, const QString& caption, const QString& filter,
                     QString& fileName) override;
    void messageStrings(const QString& text, MessageKind kind, const QStringList& lines) override;
    int changeOptions(const QString& text) override;

private:
    struct Answer {
        enum class Type { Reply, Text, Date, FileName, Choice };
        Type type = Type::Reply;
        DialogAnswer reply = DialogAnswer::Yes;
        QString text{};  // Text and FileName
        QDate date{};
        int choice = 0;
    };

    // Records the question and returns its answer: the oldest prepared one,
    // else the policy's.
    Answer ask(const QString& question);
    // An input question: a prepared answer of `type` replaces `value` with
    // its `field`; Yes keeps `value`; No and Cancel decline.
    template <typename Value>
    bool askInput(const QString& question, Answer::Type type, Value Answer::*field, Value& value);
    [[noreturn]] static void wrongAnswer(const QString& question);

    AnswerPolicy m_policy;
    std::deque<Answer> m_answers;
};
