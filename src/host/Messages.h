#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// How code without widgets shows messages and asks the user questions. The
// desktop application passes a widget-based implementation, tests and the
// command line a scripted one.

enum class MessageKind { Information, Warning, Error, Question };

enum class DialogAnswer { Yes, No, Cancel };

enum class FileDialogKind { Open, Save };

// What changeOptions answers: what to do with a choice that already exists.
struct ChangeOption {
    static constexpr int Change = 0;
    static constexpr int Remove = 1;
    static constexpr int Nothing = 2;  // any other value means the same
};

class IMessages {
public:
    virtual ~IMessages() = default;

    virtual void error(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    virtual void information(const QString& text) = 0;

    // Yes/No question; true on Yes.
    virtual bool confirm(const QString& text) = 0;
    // Yes/No/Cancel question.
    virtual DialogAnswer confirmCancel(const QString& text) = 0;

    // Asks for a line of text, starting from `value`; true (and `value`
    // replaced) when confirmed.
    virtual bool inputLine(const QString& caption, const QString& prompt, QString& value) = 0;
    // Asks for a date, starting from `date`; true (and `date` replaced) when confirmed.
    virtual bool getDate(QDate& date) = 0;
    // Asks for a file to open or save as; `filter` as Qt's file dialogs take it
    // ("Excel (*.xls *.xlsx)"). True (and `fileName` replaced) when confirmed.
    virtual bool getFileName(FileDialogKind kind, const QString& caption, const QString& filter,
                             QString& fileName) = 0;

    // A message with a list of lines under it (e.g. every problem a check found).
    virtual void messageStrings(const QString& text, MessageKind kind, const QStringList& lines) = 0;

    // Asks what to do with an existing choice; see ChangeOption.
    virtual int changeOptions(const QString& text) = 0;

protected:
    IMessages() = default;
    IMessages(const IMessages&) = default;
    IMessages& operator=(const IMessages&) = default;
};
