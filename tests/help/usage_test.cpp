#include "app/usage.h"

#include "fake_controls.h"

#include <gtest/gtest.h>

namespace morvi {
namespace {

const QString kUsage = QStringLiteral(
    "品名をコンボボックス（リスト）一覧より選択し、\r\n"
    "選択した品目のグラム数を入力後、SETボタンを押してください。\r\n"
    "下のリストに選択した品目・グラム数等が追加されて行きます。\r\n"
    "選択した品目を削除したい場合には下のリストより、削除したい品目を\r\n"
    "クリックしてください。\r\n"
    "尚、印刷は　A4縦のレイアウトになっています。");

TEST(UsageText, IsTheSixLinesJoinedByCrLf) {
    EXPECT_EQ(usageText(), kUsage);
    EXPECT_EQ(usageText().count(QStringLiteral("\r\n")), 5);
    EXPECT_FALSE(usageText().endsWith(QChar(u'\n')));
}

TEST(UsageText, KeepsFullWidthParenthesesAndTheIdeographicSpace) {
    const QString text = usageText();
    EXPECT_TRUE(text.contains(QStringLiteral("\uFF08リスト\uFF09")));
    EXPECT_TRUE(text.contains(QStringLiteral("は\u3000A4")));
    EXPECT_TRUE(text.contains(QStringLiteral("品目を\r\nクリック")));
}

TEST(UsageClick, ShowsOneInformationBoxTitledMorvi) {
    testing::FakeDesktop desktop;
    p_use_Click(desktop);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt, kUsage);
    EXPECT_EQ(desktop.messages[0].style, 64);
    EXPECT_EQ(desktop.messages[0].title, QStringLiteral("Morvi"));
    EXPECT_EQ(desktop.beeps, 0);
}

}  // namespace
}  // namespace morvi
