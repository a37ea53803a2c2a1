#pragma once

// Raises a flag for a scope and puts back what it was, even when an
// exception leaves the scope (used for SuspendRecalculation and the like).
class FlagGuard {
public:
    explicit FlagGuard(bool& flag, bool value = true) : flag_(flag), saved_(flag) { flag_ = value; }
    ~FlagGuard() { flag_ = saved_; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& flag_;
    bool saved_;
};
