#pragma once

#include "base/run_time_error.h"
#include "ui/controls.h"

#include <exception>
#include <new>
#include <utility>

namespace morvi {

inline constexpr int kExitNormally = 0;
inline constexpr int kExitAfterError = 1;

// Thrown by Error_Syori to end the program at once; the window's event dispatch catches it and
// closes everything, so no further code of the interrupted handler runs.
struct ProgramEnd {
    int exitStatus = kExitAfterError;
};

// The text of the error report: two lines, the number and the standard text.
QString errorReportText(int32_t number);
// The error report: a modal box with OK only, titled "Morvi".
void showErrorReport(Desktop& desktop, int32_t number);
// Beep, the termination notice, then the end of the program.
[[noreturn]] void Error_Syori(Desktop& desktop);

// What a handler's error branch does after a run-time error abandons its body.
enum class OnError {
    Report,                // show the report; the program goes on
    DefaultPointerReport,  // default pointer, then the report
    ReportThenEnd,         // the report, then Error_Syori
    DefaultPointerReportThenEnd,
};

// Runs a handler's body under its error branch; returns false when the branch ran. Any other
// exception is an internal error, so none leaves a handler unreported.
template <class Body>
bool withErrorBranch(Desktop& desktop, OnError branch, Body&& body) {
    int32_t number = err::kNone;
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const RunTimeError& e) {
        number = e.number();
    } catch (const std::bad_alloc&) {
        number = err::kOutOfMemory;
    } catch (const std::exception&) {
        number = err::kInternalError;
    }
    if (branch == OnError::DefaultPointerReport || branch == OnError::DefaultPointerReportThenEnd)
        desktop.SetMousePointer(pointer::kDefault);
    showErrorReport(desktop, number);
    if (branch == OnError::ReportThenEnd || branch == OnError::DefaultPointerReportThenEnd)
        Error_Syori(desktop);
    return false;
}

}  // namespace morvi
