#include "menu_tool/menu_convert.h"

#include "base/cp932.h"
#include "base/run_time_error.h"
#include "food/menu_file.h"
#include "menu_tool/exit_status.h"
#include "menu_tool/list_encoding.h"

#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <utility>

namespace morvi::menu_tool {

namespace {

// JIS characters that other Unicode tables map elsewhere than code page 932 does: the same
// glyph in the list, the code page's own code point in the copy.
QString withCodePageForms(QString text) {
    static constexpr std::pair<char16_t, char16_t> kForms[] = {
        {u'\u301C', u'\uFF5E'},  // wave dash → full-width tilde
        {u'\u2016', u'\u2225'},  // double vertical line → parallel to
        {u'\u2212', u'\uFF0D'},  // minus sign → full-width hyphen-minus
        {u'\u00A2', u'\uFFE0'},  // cent sign
        {u'\u00A3', u'\uFFE1'},  // pound sign
        {u'\u00AC', u'\uFFE2'},  // not sign
    };
    for (const auto& [other, own] : kForms) text.replace(QChar(other), QChar(own));
    return text;
}

// Lines split at CR LF, lone CR and lone LF; a final line end starts no further line.
QStringList splitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = unified.split(u'\n');
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
    if (text.isEmpty()) lines.clear();
    return lines;
}

QString codePointText(QStringView character) {
    return QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0');
}

bool codePageHolds(QStringView character) {
    return character == u"?" || cp932().encode(character) != "?";
}

// One message per character of the line that the code page cannot hold.
void refuseCharacters(const QString& inPath, qsizetype lineNumber, QStringView line,
                      QStringList& refusals) {
    if (cp932().encode(line).count('?') == line.count(u'?')) return;
    for (qsizetype i = 0; i < line.size();) {
        const qsizetype length = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        const QStringView character = line.sliced(i, length);
        if (!codePageHolds(character))
            refusals << QStringLiteral("%1:%2: 「%3」(U+%4) は code page 932 にない文字です")
                            .arg(inPath)
                            .arg(lineNumber)
                            .arg(character.toString(), codePointText(character));
        i += length;
    }
}

// The bytes of the file, or the loader's error number for a file that cannot be read.
int32_t readWhole(const QString& path, QByteArray& bytes) {
    QFile file(path);
    try {
        openMenuFile(file);
    } catch (const RunTimeError& e) {
        return e.number();
    }
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? err::kNone : err::kDeviceIo;
}

bool sameFile(const QString& a, const QString& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a.toStdU16String(), b.toStdU16String(), ec);
}

ConvertResult trouble(QString message) { return {kExitTrouble, {std::move(message)}}; }

}  // namespace

ConvertResult convertMenu(const QString& inPath, const QString& outPath) {
    QByteArray bytes;
    if (const int32_t number = readWhole(inPath, bytes); number != err::kNone)
        return trouble(QStringLiteral("%1: error %2: %3")
                           .arg(inPath)
                           .arg(number)
                           .arg(standardErrorText(number)));
    if (sameFile(inPath, outPath))
        return trouble(
            QStringLiteral("%1: 入力と同じファイルです — 元の一覧は書き換えません").arg(outPath));
    EncodingDetector detector;
    detector.look(bytes);
    const ListEncoding encoding = detector.encoding();
    const QString decoded = decodeList(bytes, encoding);
    const QStringList lines = splitLines(withCodePageForms(decoded));
    QStringList refusals;
    for (qsizetype i = 0; i < lines.size(); ++i)
        refuseCharacters(inPath, i + 1, lines[i], refusals);
    if (!refusals.isEmpty()) {
        refusals << QStringLiteral(
                        "%1: code page 932 にない文字が %2 個あります — %3 は書き出していません")
                        .arg(inPath)
                        .arg(refusals.size())
                        .arg(outPath);
        return {kExitRefused, refusals};
    }
    QString text = lines.join(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && (decoded.endsWith(u'\n') || decoded.endsWith(u'\r')))
        text += QStringLiteral("\r\n");
    // Written beside the target and renamed over it only when complete: a short write is a
    // failure too, or a full disk would leave a cut-off list in place.
    const QByteArray encoded = cp932().encode(text);
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(encoded) != encoded.size() || !out.commit())
        return trouble(QStringLiteral("%1: 書き出せません（%2）").arg(outPath, out.errorString()));
    return {kExitOk,
            {QStringLiteral("%1: %2 の %3 行を code page 932、改行 CR LF で書き出しました")
                 .arg(outPath, encodingName(encoding))
                 .arg(lines.size())}};
}

}  // namespace morvi::menu_tool
