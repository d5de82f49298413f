#include "food/menu_file.h"
#include "menu_tool/check_report.h"
#include "menu_tool/exit_status.h"
#include "menu_tool/menu_convert.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

using namespace morvi::menu_tool;

// The help is laid out as it prints.
// clang-format off
const char16_t kHelp[] =
    u"使い方: morvi-menu check [FILE]\n"
    u"        morvi-menu convert IN OUT\n"
    u"        morvi-menu --help | --version\n"
    u"\n"
    u"Morvi の食品一覧 (menu.txt) を Morvi が読む前に調べ、Morvi の読む形に変換します。\n"
    u"\n"
    u"コマンド:\n"
    u"  check [FILE]     Morvi が受け付けない行を、行番号とエラー番号と理由つきで一覧にし、\n"
    u"                   まちがいらしい行 (同じ品名、単位重量 0 や負、同じ並べ替えキー、\n"
    u"                   印刷の品名欄に収まらない品名、code page 932 として読めないバイト)\n"
    u"                   を警告します。FILE を省くと、Morvi 本体と同じく、このプログラムの\n"
    u"                   ディレクトリの menu.txt を調べます。\n"
    u"  convert IN OUT   UTF-8 (BOM あり・なし)、UTF-16 (BOM あり) または code page 932 の一覧を、\n"
    u"                   code page 932、改行 CR LF にして OUT に書き出します。code page 932 にない\n"
    u"                   文字があれば行番号つきで知らせ、何も書き出しません。IN は書き換えません。\n"
    u"\n"
    u"終了ステータス:\n"
    u"  0  check: Morvi はこの一覧を読み込みます   convert: OUT を書き出しました\n"
    u"  1  check: Morvi は起動時にエラーで止まります   convert: code page 932 にない文字があります\n"
    u"  2  ファイルを読めない、書き出せない、または引数のまちがい\n";
// clang-format on

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

int usageError(const QString& message) {
    QTextStream err(stderr);
    err << QStringLiteral("morvi-menu: ") << message << u'\n'
        << QStringLiteral("詳しくは morvi-menu --help を見てください。\n");
    return kExitTrouble;
}

// A report lost to a full disk or a closed pipe is no verdict: the caller must not take 0 or 1.
int printLines(const QStringList& lines, int status) {
    for (const QString& line : lines) out() << line << u'\n';
    out().flush();
    if (out().status() == QTextStream::Ok) return status;
    QTextStream(stderr) << QStringLiteral("morvi-menu: 標準出力に書き出せません\n");
    return kExitTrouble;
}

int check(const QStringList& args) {
    if (args.size() > 1) return usageError(QStringLiteral("check に渡せるファイルは1つだけです"));
    // The program's own rule: menu.txt in the directory of the running executable.
    const QString path =
        args.isEmpty()
            ? QDir::toNativeSeparators(morvi::menuPath(QCoreApplication::applicationDirPath()))
            : args.first();
    const MenuCheck result = checkMenuFile(path);
    return printLines(checkReport(path, result), checkExitStatus(result));
}

int convert(const QStringList& args) {
    if (args.size() != 2) return usageError(QStringLiteral("convert には IN と OUT が要ります"));
    const ConvertResult result = convertMenu(args[0], args[1]);
    return printLines(result.messages, result.status);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) return usageError(QStringLiteral("コマンドがありません"));
    const QString command = args.takeFirst();
    if (command == u"--help" || command == u"-h")
        return printLines({QString::fromUtf16(kHelp).chopped(1)}, kExitOk);
    if (command == u"--version")
        return printLines({QStringLiteral("morvi-menu " MORVI_VERSION)}, kExitOk);
    if (command == u"check") return check(args);
    if (command == u"convert") return convert(args);
    return usageError(QStringLiteral("知らないコマンドです: %1").arg(command));
}
