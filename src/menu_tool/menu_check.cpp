#include "menu_tool/menu_check.h"

#include "base/cp932.h"
#include "base/run_time_error.h"
#include "base/trim.h"
#include "food/food_line.h"
#include "food/key_order.h"
#include "food/menu_file.h"
#include "food/menu_load.h"
#include "menu_tool/list_encoding.h"
#include "print/m_morvi.h"
#include "print/print_layout.h"
#include "tally/add_item.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <limits>

namespace morvi::menu_tool {

namespace {

constexpr int kQuotedChars = 20;
constexpr int kListedLines = 5;

// Text cut short for a message.
QString quoted(const QString& text) {
    return u'「' + (text.size() > kQuotedChars ? text.left(kQuotedChars) + u'…' : text) + u'」';
}

QString lineErrorDetail(QStringView line, const LineVerdict& v) {
    switch (v.fault) {
        case LineFault::CommaTooFar:
            return QStringLiteral("カンマが 32,767 文字目より後にあります");
        case LineFault::NoComma:
            if (line.isEmpty()) return QStringLiteral("空の行です");
            if (trimSpaces(line).isEmpty()) return QStringLiteral("空白だけの行です");
            return QStringLiteral("カンマがありません");
        case LineFault::OneComma:
            return QStringLiteral("カンマが1つしかありません");
        case LineFault::WeightTooFar:
            return QStringLiteral("3番目の項目が 32,767 文字目より後から始まります");
        case LineFault::WeightInvalid:
        case LineFault::None:
            break;
    }
    if (v.error == err::kOverflow)
        return QStringLiteral("3番目の項目%1が範囲外です（-2147483648～2147483647）")
            .arg(quoted(v.weightText));
    if (v.weightText.isEmpty()) return QStringLiteral("3番目の項目（単位重量）が空です");
    return QStringLiteral("3番目の項目%1が数値ではありません").arg(quoted(v.weightText));
}

// What the loader would make of the bytes' encoding and line ends, beyond code page 932.
class FileSniffer {
  public:
    void look(qint64 lineNumber, const QByteArray& bytes) {
        encoding_.look(bytes);
        if (firstLoneLf_ == 0 && bytes.contains('\n')) firstLoneLf_ = lineNumber;
    }

    // One line on what is foreign about the file; empty for code page 932 with CR LF.
    QString notice(qint64 lines) const {
        QStringList parts;
        const ListEncoding encoding = encoding_.encoding();
        if (encoding != ListEncoding::CodePage932) parts << encodingName(encoding);
        // In UTF-16 every byte pair holds a zero, so its line ends say nothing.
        const bool utf16 = encoding == ListEncoding::Utf16Le || encoding == ListEncoding::Utf16Be;
        if (!utf16 && firstLoneLf_ != 0) {
            parts << (lines == 1 ? QStringLiteral("改行が LF だけ")
                                 : QStringLiteral("LF だけの改行が混在（最初は %1 行目）")
                                       .arg(firstLoneLf_));
        }
        if (parts.isEmpty()) return {};
        return parts.join(u'、') +
               QStringLiteral(
                   "のファイルです — Morvi が読めるのは code page 932 (Shift_JIS)、"
                   "改行 CR LF の一覧です。morvi-menu convert で変換できます");
    }

  private:
    EncodingDetector encoding_;
    qint64 firstLoneLf_ = 0;
};

// A food Morvi accepts, with the line it came from.
struct ReadFood {
    qint64 line;
    FoodLine food;
    bool undecodable;
};

void warn(MenuCheck& check, qint64 line, QString detail) {
    check.findings.push_back({line, err::kNone, std::move(detail)});
    ++check.warnings;
}

// The error with which Morvi refuses to add a food of this unit weight; 0 when it adds it.
int32_t addRefusal(int32_t unitGram) {
    try {
        checkUnitWeight(unitGram);
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return err::kNone;
}

void warnAboutFood(MenuCheck& check, const ReadFood& f, QHash<QString, qint64>& firstByName) {
    if (const auto it = firstByName.constFind(f.food.name); it != firstByName.cend())
        warn(check, f.line,
             QStringLiteral("品名%1は %2 行目と同じです — 集計では1行にまとまります")
                 .arg(quoted(f.food.name))
                 .arg(*it));
    else
        firstByName.insert(f.food.name, f.line);
    if (const int32_t refusal = addRefusal(f.food.unitGram))
        warn(check, f.line,
             QStringLiteral("単位重量が %1 です — この食品を追加しようとすると Morvi は error %2 "
                            "を報告し、一覧に加えません")
                 .arg(f.food.unitGram)
                 .arg(refusal));
    if (f.food.unitGram < 0)
        warn(check, f.line,
             QStringLiteral("単位重量が負の数です（%1）— カロリーが負になります")
                 .arg(f.food.unitGram));
    const int32_t width = M_Morvi::Str_ByteLen(f.food.name);
    if (width > kPrintNameField)
        warn(check, f.line,
             QStringLiteral("品名の幅が %1 あり、印刷の品名欄（%2）からはみ出します")
                 .arg(width)
                 .arg(kPrintNameField));
    if (f.undecodable)
        warn(check, f.line,
             QStringLiteral(
                 "code page 932 として読めないバイトがあります — その文字は「\uFFFD」になります"));
}

// Line numbers for a message, the first few only.
QString lineList(const std::vector<qint64>& lines) {
    QStringList shown;
    for (size_t i = 0; i < lines.size() && i < kListedLines; ++i)
        shown << QString::number(lines[i]);
    if (lines.size() > kListedLines) shown << QStringLiteral("…");
    return shown.join(u", ");
}

// Foods of one key in the order the loader's sort leaves them, told at the second of them.
void warnAboutEqualKeys(MenuCheck& check, const std::vector<ReadFood>& foods) {
    std::vector<QString> keys;
    keys.reserve(foods.size());
    for (const ReadFood& f : foods) keys.push_back(f.food.key);
    const std::vector<int> order = exchangeSortOrder(keys);
    for (size_t first = 0; first < order.size();) {
        size_t end = first + 1;
        while (end < order.size() && keys[order[end]] == keys[order[first]]) ++end;
        if (end - first > 1) {
            std::vector<qint64> sorted;
            for (size_t p = first; p < end; ++p) sorted.push_back(foods[order[p]].line);
            std::vector<qint64> inFile = sorted;
            std::sort(inFile.begin(), inFile.end());
            const QString where =
                sorted == inFile
                    ? QStringLiteral("今はファイルの順ですが、その順は並べ替えで決まります")
                    : QStringLiteral("一覧では %1 行目の順に並びます").arg(lineList(sorted));
            warn(check, inFile[1],
                 QStringLiteral("並べ替えキー%1の行が %2 つあります（%3 行目）— %4")
                     .arg(quoted(keys[order[first]]))
                     .arg(inFile.size())
                     .arg(lineList(inFile), where));
        }
        first = end;
    }
}

// Every line as the loader's parsing pass judges it: the foods it accepts, a finding for the rest.
std::vector<ReadFood> readLines(const QString& path, MenuCheck& check, FileSniffer& sniffer) {
    std::vector<ReadFood> foods;
    forEachMenuLine(path, [&](const QByteArray& bytes) {
        const qint64 number = ++check.lines;
        sniffer.look(number, bytes);
        const QString line = cp932().decode(bytes);
        LineVerdict v = judgeFoodLine(line);
        if (v.error == err::kNone) {
            foods.push_back({number, std::move(v.food), line.contains(QChar(0xFFFD))});
        } else {
            check.findings.push_back({number, v.error, lineErrorDetail(line, v)});
            ++check.errors;
        }
        return true;
    });
    return foods;
}

// The error Menu_Load stops with on this file, 0 when it loads it.
int32_t loaderVerdict(const QString& path) {
    try {
        FoodTable table;
        readFoodTable(path, table, [] {});
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return err::kNone;
}

// The loader's verdict, on the first refused line when it stopped there; the cap as a finding.
void settleVerdict(MenuCheck& check, const QString& path) {
    check.verdict = loaderVerdict(path);
    const bool stoppedOnALine =
        !check.findings.empty() && check.findings.front().error == check.verdict;
    if (stoppedOnALine) check.verdictLine = check.findings.front().line;
    if (check.lines > kMaxFoods) {
        check.findings.push_back(
            {0, err::kOverflow,
             QStringLiteral("行が多すぎます（%1 行、Morvi が読めるのは %2 行まで）")
                 .arg(check.lines)
                 .arg(kMaxFoods)});
        ++check.errors;
    }
}

// Line by line, what concerns the whole file last.
void sortFindings(std::vector<Finding>& findings) {
    const auto rank = [](const Finding& f) {
        return f.line == 0 ? std::numeric_limits<qint64>::max() : f.line;
    };
    std::stable_sort(findings.begin(), findings.end(),
                     [&](const Finding& a, const Finding& b) { return rank(a) < rank(b); });
}

}  // namespace

MenuCheck checkMenuFile(const QString& path) {
    MenuCheck check;
    FileSniffer sniffer;
    std::vector<ReadFood> foods;
    try {
        foods = readLines(path, check, sniffer);
    } catch (const RunTimeError& e) {
        check.unreadable = true;
        check.verdict = e.number();
        return check;
    }
    check.foods = static_cast<qint64>(foods.size());
    settleVerdict(check, path);
    check.notice = sniffer.notice(check.lines);
    if (!check.notice.isEmpty()) {
        std::erase_if(check.findings, [](const Finding& f) { return f.line != 0; });
    } else {
        QHash<QString, qint64> firstByName;
        for (const ReadFood& f : foods) warnAboutFood(check, f, firstByName);
        warnAboutEqualKeys(check, foods);
    }
    sortFindings(check.findings);
    return check;
}

}  // namespace morvi::menu_tool
