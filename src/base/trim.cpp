#include "base/trim.h"

namespace morvi {

namespace {

bool isTrimmedSpace(QChar c) { return c == u' ' || c == QChar(0x3000); }

}  // namespace

QString trimSpaces(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmedSpace(text[begin])) ++begin;
    while (end > begin && isTrimmedSpace(text[end - 1])) --end;
    return text.sliced(begin, end - begin).toString();
}

}  // namespace morvi
