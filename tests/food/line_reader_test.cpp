#include "food/line_reader.h"

#include <gtest/gtest.h>
#include "base/run_time_error.h"

#include <QBuffer>

#include <algorithm>
#include <string>
#include <vector>

namespace morvi {
namespace {

std::vector<std::string> linesOf(const QByteArray& bytes) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer);
    std::vector<std::string> lines;
    QByteArray line;
    while (reader.next(line)) lines.push_back(line.toStdString());
    return lines;
}

struct Case {
    const char* name;
    QByteArray input;
    std::vector<std::string> expected;
};

class LineReaderTest : public ::testing::TestWithParam<Case> {};

TEST_P(LineReaderTest, SplitsAtCrLfAndLoneCr) {
    EXPECT_EQ(linesOf(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineReaderTest,
    ::testing::Values(Case{"Empty", QByteArray(), {}},
                      Case{"OneLineNoTerminator", "a,b,1", {"a,b,1"}},
                      Case{"TrailingCrLfMakesNoLine", "a\r\nb\r\n", {"a", "b"}},
                      Case{"LastLineWithoutTerminator", "a\r\nb", {"a", "b"}},
                      Case{"LoneCrEndsLine", "a\rb\r", {"a", "b"}},
                      Case{"LoneLfStaysInLine", "a\nb\r\nc", {"a\nb", "c"}},
                      Case{"LfAtEndStays", "a\n", {"a\n"}}, Case{"OnlyCrLf", "\r\n", {""}},
                      Case{"BlankLinesKept", "\r\n\r\na\r\n\r\n", {"", "", "a", ""}},
                      Case{"CrCrLfIsTwoEnds", "a\r\r\nb", {"a", "", "b"}},
                      Case{"LfCrIsLfThenEnd", "a\n\rb", {"a\n", "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Lines longer than a read chunk, and a CR LF split across two chunks.
TEST(LineReaderChunks, LongLinesAndTerminatorsAcrossChunks) {
    for (const int split : {65535, 65536, 65537, 200000}) {
        SCOPED_TRACE(split);
        QByteArray input(split, 'x');
        input += "\r\nyz\rw";
        const std::vector<std::string> expected{std::string(split, 'x'), "yz", "w"};
        EXPECT_EQ(linesOf(input), expected);
    }
}

// A device whose reads fail after the first chunk.
class FailingDevice : public QIODevice {
  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (served_) return -1;
        served_ = true;
        const QByteArray first = "a\r\nb";
        const qint64 size = std::min<qint64>(maxSize, first.size());
        std::copy_n(first.constData(), size, data);
        return size;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    bool served_ = false;
};

TEST(LineReaderFailure, AFailedReadIsDeviceError57) {
    FailingDevice device;
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    LineReader reader(device);
    QByteArray line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "a");
    try {
        reader.next(line);
        ADD_FAILURE() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 57);
    }
}

}  // namespace
}  // namespace morvi
