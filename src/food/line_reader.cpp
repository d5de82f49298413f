#include "food/line_reader.h"

#include "base/run_time_error.h"

namespace morvi {

namespace {
constexpr qsizetype kChunkBytes = 64 * 1024;
constexpr char kCr = '\r';
constexpr char kLf = '\n';
}  // namespace

LineReader::LineReader(QIODevice& device) : device_(device) {}

// Replaces the consumed buffer with the next chunk; false at the end of the stream.
bool LineReader::fill() {
    buffer_.resize(kChunkBytes);
    const qint64 got = device_.read(buffer_.data(), kChunkBytes);
    if (got < 0) throw RunTimeError(err::kDeviceIo);
    buffer_.resize(got);
    pos_ = 0;
    return got > 0;
}

bool LineReader::next(QByteArray& line) {
    line.clear();
    if (pos_ >= buffer_.size() && !fill()) return false;
    for (;;) {
        const qsizetype cr = buffer_.indexOf(kCr, pos_);
        if (cr < 0) {
            line.append(buffer_.constData() + pos_, buffer_.size() - pos_);
            pos_ = buffer_.size();
            if (!fill()) return true;  // the last line has no terminator
            continue;
        }
        line.append(buffer_.constData() + pos_, cr - pos_);
        pos_ = cr + 1;
        // The LF of a CR LF may begin the next chunk.
        if (pos_ >= buffer_.size() && !fill()) return true;
        if (buffer_.at(pos_) == kLf) ++pos_;
        return true;
    }
}

}  // namespace morvi
