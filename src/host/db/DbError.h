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

// A write was based on a row that somebody else has changed (or deleted)
// since it was read: nothing was written; reading it again and repeating
// the change is the way on.
class EVersionConflict : public EDatabaseError {
public:
    using EDatabaseError::EDatabaseError;
};

// Silent abort: the user has already been told why (for example by a field
// validation), so callers only stop what they were doing.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "operation aborted"; }
};
