#pragma once
// The errors of this program. Every one carries its exact user-facing message in what().

#include <exception>
#include <string>

namespace zelta {

// Root of the program's own error family: what the application-wide error display shows as it stands.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }

private:
    std::string message_;
};

// Arithmetic faults. Underflow and inexact results never raise.
class EMathError : public Exception {
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

// A text that is not a number; the message quotes the whole text unchanged.
class EConvertError : public Exception {
public:
    explicit EConvertError(const std::string& text)
        : Exception("'" + text + "' is not a valid floating point value") {}
};

}  // namespace zelta
