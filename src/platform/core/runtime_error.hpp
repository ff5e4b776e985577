// Run-time errors of the game: a number and a description, untrapped unless a caller catches them.
#pragma once
#include <stdexcept>
#include <string>

namespace platform {

enum ErrorNumber : int {
    kErrOverflow = 6,
    kErrSubscript = 9,
    kErrTypeMismatch = 13,
    kErrFileNotFound = 53,
    kErrInvalidPicture = 481,
};

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, std::string description);
    int number() const { return number_; }
    const std::string& description() const { return description_; }

  private:
    int number_;
    std::string description_;
};

// The standard description of an error number ("Overflow", "Type mismatch" ...).
std::string ErrorDescription(int number);

[[noreturn]] void Raise(int number);
// For file errors: the description names the file.
[[noreturn]] void Raise(int number, const std::string& detail);

// "Run-time error '6': Overflow"
std::string FormatRuntimeError(const RuntimeError& e);

}  // namespace platform
