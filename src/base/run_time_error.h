#pragma once

#include <QString>
#include <cstdint>
#include <exception>

namespace morvi {

// Every failure the program reports is a numbered run-time error; the number picks the
// standard text shown on the error report.
namespace err {
inline constexpr int32_t kNone = 0;
inline constexpr int32_t kInvalidCall = 5;      // invalid procedure call or argument
inline constexpr int32_t kOverflow = 6;         // a value outside its type's range
inline constexpr int32_t kOutOfMemory = 7;      // an allocation failed
inline constexpr int32_t kDivisionByZero = 11;  // division by zero
inline constexpr int32_t kTypeMismatch = 13;    // a text that is not a number
inline constexpr int32_t kInternalError = 51;   // a handler failed in a way no other number names
inline constexpr int32_t kFileNotFound = 53;    // menu.txt is missing
inline constexpr int32_t kDeviceIo = 57;        // a read or a write failed part-way
inline constexpr int32_t kDiskFull = 61;        // no room left on the disk or in the quota
inline constexpr int32_t kInputPastEnd = 62;    // the file shrank between two passes
inline constexpr int32_t kNoPermission = 70;    // no permission, or a read-only file system
inline constexpr int32_t kPathFileAccess = 75;  // the path names something that is not a file
inline constexpr int32_t kPathNotFound = 76;    // a directory on the path is missing
inline constexpr int32_t kPrinterError = 482;   // no default printer, or the printer failed
}  // namespace err

class RunTimeError : public std::exception {
  public:
    explicit RunTimeError(int32_t number) : number_(number) {}
    int32_t number() const { return number_; }
    const char* what() const noexcept override { return "run-time error"; }

  private:
    int32_t number_;
};

// The one fixed Japanese text for an error number: numbers without a text of their own get the
// application-defined text, and 0 gets the empty text.
QString standardErrorText(int32_t number);

}  // namespace morvi
