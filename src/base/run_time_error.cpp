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
    StandardText{5, u"プロシージャの呼び出し、または引数が不正です。"},
    StandardText{6, u"オーバーフローしました。"},
    StandardText{7, u"メモリが不足しています。"},
    StandardText{9, u"インデックスが有効範囲にありません。"},
    StandardText{11, u"0 で除算しました。"},
    StandardText{13, u"型が一致しません。"},
    StandardText{51, u"内部エラーです。"},
    StandardText{52, u"ファイル名または番号が不正です。"},
    StandardText{53, u"ファイルが見つかりません。"},
    StandardText{54, u"ファイル モードが不正です。"},
    StandardText{55, u"ファイルは既に開かれています。"},
    StandardText{57, u"デバイス I/O エラーです。"},
    StandardText{61, u"ディスクの空き容量が不足しています。"},
    StandardText{62, u"ファイルにこれ以上データがありません。"},
    StandardText{67, u"ファイルが多すぎます。"},
    StandardText{68, u"デバイスが準備されていません。"},
    StandardText{70, u"書き込みできません。"},
    StandardText{71, u"ディスクが準備されていません。"},
    StandardText{75, u"パス名が無効です。"},
    StandardText{76, u"パスが見つかりません。"},
    StandardText{482, u"プリンタ エラーです。"},
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
