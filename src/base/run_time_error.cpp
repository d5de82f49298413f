#include "base/run_time_error.h"

#include <algorithm>
#include <array>

namespace morvi {

namespace {

struct StandardText {
    int32_t number;
    const char16_t* text;
};

constexpr std::array kStandardTexts{
    StandardText{err::kInvalidCall, u"プロシージャの呼び出し、または引数が不正です。"},
    StandardText{err::kOverflow, u"オーバーフローしました。"},
    StandardText{err::kOutOfMemory, u"メモリが不足しています。"},
    StandardText{err::kDivisionByZero, u"0 で除算しました。"},
    StandardText{err::kTypeMismatch, u"型が一致しません。"},
    StandardText{err::kInternalError, u"内部エラーです。"},
    StandardText{err::kFileNotFound, u"ファイルが見つかりません。"},
    StandardText{err::kDeviceIo, u"デバイス I/O エラーです。"},
    StandardText{err::kDiskFull, u"ディスクの空き容量が不足しています。"},
    StandardText{err::kInputPastEnd, u"ファイルにこれ以上データがありません。"},
    StandardText{err::kNoPermission, u"書き込みできません。"},
    StandardText{err::kPathFileAccess, u"パス名が無効です。"},
    StandardText{err::kPathNotFound, u"パスが見つかりません。"},
    StandardText{err::kPrinterError, u"プリンタ エラーです。"},
};

constexpr const char16_t* kApplicationDefinedText =
    u"アプリケーション定義またはオブジェクト定義のエラーです。";

}  // namespace

QString standardErrorText(int32_t number) {
    if (number == err::kNone) return {};
    const auto* found =
        std::find_if(kStandardTexts.begin(), kStandardTexts.end(),
                     [number](const StandardText& s) { return s.number == number; });
    return QString::fromUtf16(found != kStandardTexts.end() ? found->text
                                                            : kApplicationDefinedText);
}

}  // namespace morvi
