#include "ScriptedMessages.h"

namespace {

// Texts for the command line, which reports an unanswered question as its error.
constexpr char UnansweredQuestionText[] = "Pitanje bez odgovora: %1";
constexpr char DateQuestionText[] = "Datum";

std::string unansweredMessage(const QString& question)
{
    return QString::fromUtf8(UnansweredQuestionText).arg(question).toStdString();
}

}  // namespace

UnansweredQuestion::UnansweredQuestion(const QString& question)
    : std::runtime_error(unansweredMessage(question)), m_question(question)
{
}

QString ScriptedMessages::refusals(size_t from) const {
    QStringList lines;
    for (size_t i = from; i < shown.size(); ++i)
        if (shown[i].kind == MessageKind::Error || shown[i].kind == MessageKind::Warning)
            lines << shown[i].text;
    return lines.join(QLatin1Char('\n'));
}

void ScriptedMessages::answerYes()
{
    m_answers.push_back({Answer::Type::Reply, DialogAnswer::Yes});
}

void ScriptedMessages::answerNo()
{
    m_answers.push_back({Answer::Type::Reply, DialogAnswer::No});
}

void ScriptedMessages::answerCancel()
{
    m_answers.push_back({Answer::Type::Reply, DialogAnswer::Cancel});
}

void ScriptedMessages::answerText(const QString& text)
{
    m_answers.push_back({.type = Answer::Type::Text, .text = text});
}

void ScriptedMessages::answerDate(const QDate& date)
{
    m_answers.push_back({.type = Answer::Type::Date, .date = date});
}

void ScriptedMessages::answerFileName(const QString& name)
{
    m_answers.push_back({.type = Answer::Type::FileName, .text = name});
}

void ScriptedMessages::answerChoice(int choice)
{
    m_answers.push_back({.type = Answer::Type::Choice, .choice = choice});
}

void ScriptedMessages::error(const QString& text)
{
    shown.push_back({MessageKind::Error, text});
}

void ScriptedMessages::warning(const QString& text)
{
    shown.push_back({MessageKind::Warning, text});
}

void ScriptedMessages::information(const QString& text)
{
    shown.push_back({MessageKind::Information, text});
}

void ScriptedMessages::messageStrings(const QString& text, MessageKind kind,
                                      const QStringList& lines)
{
    shown.push_back({kind, text, lines});
}

bool ScriptedMessages::confirm(const QString& text)
{
    return confirmCancel(text) == DialogAnswer::Yes;
}

DialogAnswer ScriptedMessages::confirmCancel(const QString& text)
{
    const Answer answer = ask(text);
    if (answer.type != Answer::Type::Reply)
        wrongAnswer(text);
    return answer.reply;
}

bool ScriptedMessages::inputLine(const QString& caption, const QString& prompt, QString& value)
{
    return askInput(prompt.isEmpty() ? caption : prompt, Answer::Type::Text, &Answer::text, value);
}

bool ScriptedMessages::getDate(QDate& date)
{
    return askInput(QString::fromUtf8(DateQuestionText), Answer::Type::Date, &Answer::date, date);
}

bool ScriptedMessages::getFileName(FileDialogKind, const QString& caption, const QString&,
                                   QString& fileName)
{
    return askInput(caption, Answer::Type::FileName, &Answer::text, fileName);
}

int ScriptedMessages::changeOptions(const QString& text)
{
    const Answer answer = ask(text);
    switch (answer.type) {
    case Answer::Type::Choice:
        return answer.choice;
    case Answer::Type::Reply:
        return answer.reply == DialogAnswer::Yes ? ChangeOption::Change : ChangeOption::Nothing;
    default:
        wrongAnswer(text);
    }
}

ScriptedMessages::Answer ScriptedMessages::ask(const QString& question)
{
    shown.push_back({MessageKind::Question, question});
    if (!m_answers.empty()) {
        Answer answer = std::move(m_answers.front());
        m_answers.pop_front();
        return answer;
    }
    switch (m_policy) {
    case AnswerPolicy::Yes:
        return {Answer::Type::Reply, DialogAnswer::Yes};
    case AnswerPolicy::No:
        return {Answer::Type::Reply, DialogAnswer::No};
    case AnswerPolicy::Fail:
        break;
    }
    throw UnansweredQuestion(question);
}

template <typename Value>
bool ScriptedMessages::askInput(const QString& question, Answer::Type type, Value Answer::*field,
                                Value& value)
{
    const Answer answer = ask(question);
    if (answer.type == type) {
        value = answer.*field;
        return true;
    }
    if (answer.type != Answer::Type::Reply)
        wrongAnswer(question);
    return answer.reply == DialogAnswer::Yes;
}

void ScriptedMessages::wrongAnswer(const QString& question)
{
    throw std::logic_error(
        QStringLiteral("Scripted answer of the wrong type for: %1").arg(question).toStdString());
}
