#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace morvi::menu_tool {

// One thing said about one line: an error Morvi refuses the line with, or a warning (error 0).
struct Finding {
    qint64 line = 0;  // from 1; 0 for the file as a whole
    int32_t error = 0;
    QString detail;  // what is wrong, in plain words
};

// What the checker found in a food list, and what Morvi does with it at start.
struct MenuCheck {
    int32_t verdict = 0;      // the error Menu_Load stops with, 0 when it loads the file
    qint64 verdictLine = 0;   // the line of that error, 0 when it is not one line's
    bool unreadable = false;  // the file could not be opened or read: verdict says why
    qint64 lines = 0;
    qint64 foods = 0;   // lines Morvi accepts
    qint64 errors = 0;  // lines (and the file) Morvi refuses
    qint64 warnings = 0;
    // One line on an encoding or line ends other than code page 932 with CR LF; when set, the
    // findings it would have caused are not listed.
    QString notice;
    std::vector<Finding> findings;  // in line order
};

// Reads the file the way Menu_Load does and judges every line, not only the first bad one.
MenuCheck checkMenuFile(const QString& path);

}  // namespace morvi::menu_tool
