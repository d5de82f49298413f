// The tally on fake controls. Each row runs its steps on a fresh window and gives what the window
// shows after them (lines / totals / gram field), then what the last step said and where the
// focus went.
#include "fake_controls.h"
#include "food/form_init.h"
#include "tally/add_item.h"
#include "tally/entry_keys.h"
#include "tally/remove_item.h"

#include <gtest/gtest.h>
#include <map>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;

struct Tally : ::testing::Test, support::FakeWindow {
    void SetUp() override {
        const std::pair<const char*, int32_t> foods[] = {
            {"P", 250},        {"Q", 30}, {"R", 160}, {"150", 100}, {"\u3000S", 80},
            {"W", 2000000000}, {"X", 1},  {"Y", 1},   {"Z", 0},     {"N", -50}};
        form.food = FoodTable{10, {QString()}, {}, {0}};
        for (auto [name, weight] : foods)
            form.food.m_Hinmei.push_back(QString::fromUtf8(name)),
                form.food.m_UnitGram.push_back(weight);
        form.food.m_Yomi = form.food.m_Hinmei;
        Form_Init(form);
    }
    // "P 150" adds 150 g of P ("-" chooses nothing); "del 2 yes" clicks line 2 and answers; "keys 2
    // Home End" presses the keys in the grid from row 2 (Delete answered Yes) and gives the current
    // row after each, "-" for a key the grid lets through; "F6 2" presses F6 outside the grid
    // from row 2; "clear"; "fill 5" makes five lines of P 0 g; "cell 2 1 9" writes 9 into row 2,
    // column 1; "field 57 150" presses the key of code 57 in the gram field holding "150" and
    // gives the code let through, "picker 9" in the picker.
    QString step(const QString& step) {
        const QStringList a = step.split(u' ');
        desktop.log.clear(), focus.clear();
        if (a[0] == u"del") {
            desktop.answers = {a[2] == u"yes" ? answer::kYes : answer::kNo};
            grd_Hyo.SetRow(a[1].toInt());
            grd_Hyo_Click(form);
        } else if (a[0] == u"keys" || a[0] == u"F6") {
            static const std::map<QString, int16_t> codes = {
                {u"PageUp"_s, 33}, {u"PageDown"_s, 34}, {u"End"_s, 35},  {u"Home"_s, 36},
                {u"Left"_s, 37},   {u"Up"_s, 38},       {u"Down"_s, 40}, {u"Delete"_s, 46}};
            grd_Hyo.SetRow(a[1].toInt());
            QStringList rows;
            if (a[0] == u"F6") goToLines(form), rows << QString::number(grd_Hyo.Row());
            for (const QString& key : a.mid(2)) {
                desktop.answers = {answer::kYes};
                int16_t code = codes.at(key);
                grd_Hyo_KeyDown(form, code);
                rows << (code ? u"-"_s : QString::number(grd_Hyo.Row()));
            }
            desktop.log << u"line "_s + rows.join(u' ');
        } else if (a[0] == u"clear") {
            cmd_Clear_Click(form);
        } else if (a[0] == u"fill") {
            grd_Hyo.cells.assign(a[1].toInt() + 1, {"P", "0", "0"});
            form.tally.m_NextRow = form.tally.m_RowCount = int16_t(a[1].toInt() + 1);
            lbl_Goukei.caption = lbl_Goukei2.caption = QStringLiteral("0");
            lbl_Goukei3.caption = a[1];
        } else if (a[0] == u"field" || a[0] == u"picker") {
            int16_t key = int16_t(a[1].toInt());
            txt_Glam.text = step.section(u' ', 2);
            (a[0] == u"field" ? txt_Glam_KeyPress : cbo_HINMEI_KeyPress)(form, key);
            desktop.log.prepend(QString::number(key));
        } else if (a[0] == u"cell") {
            grd_Hyo.SetTextMatrix(a[1].toInt(), a[2].toInt(), a[3]);
        } else {
            cbo_HINMEI.index = -1;
            for (int i = 0; i < int(cbo_HINMEI.items.size()); ++i)
                if (cbo_HINMEI.items[i].first == a[0]) cbo_HINMEI.index = i;
            txt_Glam.text = step.section(u' ', 1);
            cmd_SET_Click(form);
        }
        QStringList said{desktop.take(), focus.isEmpty() ? QString() : u'@' + focus};
        said.removeAll(QString());
        return said.join(u' ');
    }
};

TEST_F(Tally, EachRowShowsWhatItsStepsLeave) {
    const char* const kAdded = "@cbo_HINMEI";
    const char* const kRefused = "error 6 @cbo_HINMEI";
    const struct {
        const char* steps;
        const char* shown;
        const char* said;
    } rows[] = {
        {"P 150; P 100; Q 100; R 5", "P 250 80|Q 100 267|R 5 2 / 349 355 3 / 5", kAdded},
        {"Q 50; Q 50", "Q 100 267 / 267 100 1 / 50", kAdded},
        {"N 100; N 25", "N 125 -200 / -200 125 1 / 25", kAdded},
        {"P 0150; Q .", "P 150 48|Q 0 0 / 48 150 2 / .", kAdded},
        {"P 12.34567; Q 0.00025", "P 12.34567 4|Q 0.00025 0 / 4 12.3459 2 / 0.00025", kAdded},
        {"P 150; 150 100", "P 150 48|150 100 80 / 128 250 2 / 100", kAdded},
        {"\u3000S 80; \u3000S 80", "S 160 160 / 160 160 1 / 80", kAdded},
        {"- 150", "   /    / 150", "Beep, 入力確認 16: 品名を入力してください。 @cbo_HINMEI"},
        {"P    ", "   /    /    ", "Beep, 入力確認 16: グラムを入力してください。 @txt_Glam"},
        {"P 150; Z 10", "P 150 48 / 48 150 1 / 10", "error 11 @cbo_HINMEI"},
        {"X 20000000; Y 20000000", "X 20000000 1600000000 / 1600000000 20000000 1 / 20000000",
         kRefused},
        {"W 500000000000000; W 500000000000000",
         "W 500000000000000 20000000 / 20000000 500000000000000 1 / 500000000000000", kRefused},
        {"fill 32765; Q 3; R 5", "P 0 0|…|Q 3 8 / 8 3 32766 / 5", kRefused},
        {"P 150; P 100; Q 100; R 5; del 2 yes", "P 250 80|R 5 2 / 82 255 2 / 5",
         "行削除確認 292: Q を削除しますか"},
        {"P 150; P 100; Q 100; R 5; del 2 yes; Q 30", "P 250 80|R 5 2|Q 30 80 / 162 285 3 / 30",
         kAdded},
        {"P 150; Q 100; del 1 yes", "Q 100 267 / 267 100 1 / 100",
         "行削除確認 292: P を削除しますか"},
        {"P 150; Q 100; R 5; keys 1 Down End Up Home Left",
         "P 150 48|Q 100 267|R 5 2 / 317 255 3 / 5", "line 2 3 2 1 -"},
        {"fill 9; keys 2 PageDown PageDown PageUp Up", "P 0 0|…|P 0 0 / 0 0 9 / ", "line 8 9 3 2"},
        {"P 150; Q 100; R 5; keys 2 Delete", "P 150 48|R 5 2 / 50 155 2 / 5",
         "行削除確認 292: Q を削除しますか, line 2"},
        {"P 150; Q 100; keys 2 Delete", "P 150 48 / 48 150 1 / 100",
         "行削除確認 292: Q を削除しますか, line 1"},
        {"P 150; Q 100; F6 0", "P 150 48|Q 100 267 / 315 250 2 / 100", "line 1 @grd_Hyo"},
        {"clear; F6 1", "   /    / ", "line 1"},
        {"P 150; Q 100; del 2 no", "P 150 48|Q 100 267 / 315 250 2 / 100",
         "行削除確認 292: Q を削除しますか"},
        {"P 12.34567; Q 0.00025; del 2 yes", "P 12.34567 4 / 4 12.34565 1 / 0.00025",
         "行削除確認 292: Q を削除しますか"},
        {"P 150; Q 100; cell 2 1 1e400; del 2 yes", "P 150 48|Q 1e400 267 / 315 250 2 / 100",
         "行削除確認 292: Q を削除しますか, error 6"},
        {"P 150; del 1 yes", "   /    / ", "行削除確認 292: P を削除しますか @cbo_HINMEI"},
        {"del 1 yes", "   /    / ", ""},
        {"P 150; Q 100; clear", "   /    / ", "@cbo_HINMEI"},
        {"field 57 12345678", "   /    / 12345678", "0"},
        {"field 8 12345678", "   /    / 12345678", "8"},
        {"field 47", "   /    / ", "0"},
        {"field 58", "   /    / ", "0"},
        {"field 13  ", "   /    /  ", "0 @cmd_SET"},
        {"field 13", "   /    / ", "0, 入力確認 16: グラムを入力してください @txt_Glam"},
        {"field 9 150", "   /    / 150", "0 @cmd_SET"},
        {"picker 9", "   /    / ", "0 @txt_Glam"},
    };
    for (const auto& row : rows) {
        SetUp();
        QString said;
        for (const QString& s : QString::fromUtf8(row.steps).split(QStringLiteral("; ")))
            said = step(s);
        EXPECT_EQ(shown().toStdString() + " → " + said.toStdString(),
                  std::string(row.shown) + " → " + row.said);
    }
}

// The pointer is the hourglass while a food is added, and the default again after it, after an
// error, a removal and "CLEAR".
TEST_F(Tally, ThePointerIsTheHourglassOnlyWhileAFoodIsAdded) {
    const std::pair<const char*, const char*> rows[] = {
        {"P 150", "Pointer 11, DoEvents, Pointer 0 @cbo_HINMEI"},
        {"Z 10", "Pointer 11, DoEvents, Pointer 0, error 11, Pointer 0 @cbo_HINMEI"},
        {"del 1 no", "行削除確認 292: P を削除しますか, Pointer 0"},
        {"clear", "Pointer 0, Pointer 0 @cbo_HINMEI"},
    };
    desktop.pointer = true;
    for (const auto& [steps, said] : rows)
        EXPECT_EQ(step(QString::fromUtf8(steps)).toStdString(), said);
}

}  // namespace
}  // namespace morvi
