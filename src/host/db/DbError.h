#pragma once

#include <QString>

#include <stdexcept>

// A database or dataset operation failed; the message is meant for the user.
class EDatabaseError : public std::runtime_error {
public:
    explicit EDatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// Silent abort: the user has already been told why (for example by a field
// validation), so callers only stop what they were doing.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "operation aborted"; }
};
