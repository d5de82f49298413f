#include "base/run_time_error.h"

#include <gtest/gtest.h>

namespace morvi {
namespace {

TEST(StandardErrorText, OneFixedTextPerNumber) {
    const struct {
        int32_t number;
        QString expected;
    } cases[] = {
        {5, u"プロシージャの呼び出し、または引数が不正です。"_qs},
        {6, u"オーバーフローしました。"_qs},
        {7, u"メモリが不足しています。"_qs},
        {9, u"インデックスが有効範囲にありません。"_qs},
        {11, u"0 で除算しました。"_qs},
        {13, u"型が一致しません。"_qs},
        {52, u"ファイル名または番号が不正です。"_qs},
        {53, u"ファイルが見つかりません。"_qs},
        {54, u"ファイル モードが不正です。"_qs},
        {55, u"ファイルは既に開かれています。"_qs},
        {57, u"デバイス I/O エラーです。"_qs},
        {61, u"ディスクの空き容量が不足しています。"_qs},
        {62, u"ファイルにこれ以上データがありません。"_qs},
        {67, u"ファイルが多すぎます。"_qs},
        {68, u"デバイスが準備されていません。"_qs},
        {70, u"書き込みできません。"_qs},
        {71, u"ディスクが準備されていません。"_qs},
        {75, u"パス名が無効です。"_qs},
        {76, u"パスが見つかりません。"_qs},
        {482, u"プリンタ エラーです。"_qs},
        {1, u"アプリケーション定義またはオブジェクト定義のエラーです。"_qs},
        {1000, u"アプリケーション定義またはオブジェクト定義のエラーです。"_qs},
        {-5, u"アプリケーション定義またはオブジェクト定義のエラーです。"_qs},
        {0, u""_qs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(standardErrorText(c.number), c.expected);
    }
}

}  // namespace
}  // namespace morvi
