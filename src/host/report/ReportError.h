#pragma once

#include <QString>

#include <stdexcept>

// A print or a spreadsheet could not be written; the message is meant for the user.
class EReportError : public std::runtime_error {
public:
    explicit EReportError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
