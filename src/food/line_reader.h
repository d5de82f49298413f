#pragma once

#include <QByteArray>
#include <QIODevice>

namespace morvi {

// Splits a byte stream into lines: a line ends at CR LF or at a lone CR; a lone LF stays in the
// line, and a terminator at the very end starts no further line. Reads in chunks and holds one
// chunk and the current line, so only a file without CR is ever held whole (as one line).
class LineReader {
  public:
    explicit LineReader(QIODevice& device);

    // The next line without its terminator; false at the end. Error 57 when a read fails.
    bool next(QByteArray& line);

  private:
    bool fill();

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
};

}  // namespace morvi
