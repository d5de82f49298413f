#pragma once

#include "base/cp932.h"
#include "base/run_time_error.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace morvi::testing {

// The number of the run-time error that f raises, 0 when it returns normally.
template <typename F>
int32_t raisedNumber(F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return 0;
}

// Test text as the code page 932 bytes of a file.
inline QByteArray sjis(const QString& text) { return cp932().encode(text); }

}  // namespace morvi::testing
