#include "food/menu_load.h"

#include "fake_controls.h"

#include <gtest/gtest.h>
#include <QFile>
#include <algorithm>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;

// The bundled food list loads cleanly, every line ends in CR LF and every weight is plausible.
TEST(SampleMenu, LoadsWithoutError) {
    testing::FakeWindow window;
    ASSERT_TRUE(Menu_Load(window.form, QStringLiteral(MORVI_DATA_DIR)));
    const FoodTable& t = window.form.food;
    EXPECT_EQ(t.m_MenuCount, 120);
    EXPECT_EQ(t.m_Hinmei[1], u"アイスクリーム"_s);
    EXPECT_EQ(t.m_Hinmei[120], u"ロールパン"_s);
    for (int32_t i = 1; i <= t.m_MenuCount; ++i) {
        SCOPED_TRACE(t.m_Hinmei[i].toStdString());
        EXPECT_FALSE(t.m_Hinmei[i].isEmpty());
        EXPECT_GE(t.m_UnitGram[i], 9);
        EXPECT_LE(t.m_UnitGram[i], 800);
        if (i > 1) {
            EXPECT_LT(t.m_Yomi[i - 1], t.m_Yomi[i]);
        }
    }
    QFile file(QStringLiteral(MORVI_DATA_DIR "/menu.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 120);
    EXPECT_EQ(bytes.count('\r'), 120);
    EXPECT_EQ(bytes.count('\n'), 120);
}

// A few foods with their weights: grams per 80 kcal from the energy per 100 g.
TEST(SampleMenu, KnownWeights) {
    testing::FakeWindow window;
    ASSERT_TRUE(Menu_Load(window.form, QStringLiteral(MORVI_DATA_DIR)));
    const FoodTable& t = window.form.food;
    struct Case {
        QString name;
        int32_t unitGram;
    };
    const Case cases[] = {{u"ごはん"_s, 51}, {u"食パン"_s, 32}, {u"牛乳"_s, 131},
                          {u"鶏卵"_s, 56},   {u"バター"_s, 11}, {u"キャベツ"_s, 381}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const auto at = std::find(t.m_Hinmei.begin(), t.m_Hinmei.end(), c.name);
        ASSERT_NE(at, t.m_Hinmei.end());
        EXPECT_EQ(t.m_UnitGram[at - t.m_Hinmei.begin()], c.unitGram);
    }
}

}  // namespace
}  // namespace morvi
