#include "platform/core/runtime_error.hpp"

namespace platform {

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

std::string ErrorDescription(int number) {
    switch (number) {
        case kErrOverflow:
            return "Overflow";
        case kErrSubscript:
            return "Subscript out of range";
        case kErrTypeMismatch:
            return "Type mismatch";
        case kErrFileNotFound:
            return "File not found";
        case kErrInvalidPicture:
            return "Invalid picture";
        default:
            return "Application-defined or object-defined error";
    }
}

void Raise(int number) {
    throw RuntimeError(number, ErrorDescription(number));
}

void Raise(int number, const std::string& detail) {
    throw RuntimeError(number, ErrorDescription(number) + ": " + detail);
}

std::string FormatRuntimeError(const RuntimeError& e) {
    return "Run-time error '" + std::to_string(e.number()) + "': " + e.description();
}

}  // namespace platform
