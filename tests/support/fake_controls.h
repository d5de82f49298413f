#pragma once

// Plain in-memory stand-ins for the window's controls and the desktop, so the handlers' rules
// run without a screen, and what they show as short texts.

#include "base/run_time_error.h"
#include "print/pdf_file.h"
#include "print/printer.h"
#include "ui/form.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <csignal>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace morvi::support {

// The text with each "x{3}" written out as "xxx" and each "(ab){2}" as "abab".
inline QString expand(const char* text) {
    QString out = QString::fromUtf8(text);
    static const QRegularExpression repeat(QStringLiteral(R"((?:\(([^)]*)\)|(.))\{(\d+)\})"));
    for (QRegularExpressionMatch m; (m = repeat.match(out)).hasMatch();)
        out.replace(m.capturedStart(), m.capturedLength(),
                    (m.captured(1) + m.captured(2)).repeated(m.captured(3).toInt()));
    return out;
}

// Writes the bytes as the whole file at path; false when it cannot.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// What f gives, or "error N" when it raises run-time error N.
template <class F>
auto outcome(F&& f) -> decltype(f()) {
    try {
        return f();
    } catch (const RunTimeError& e) {
        return decltype(f())(("error " + std::to_string(e.number())).c_str());
    }
}

// The outcome of f with files kept under `bytes`, so a longer write falls short as on a full disk;
// the limit and the signal it raises are as before afterwards, however f ends.
template <class F>
auto outcomeWithFilesUnder(rlim_t bytes, F&& f) {
    rlimit was{};
    getrlimit(RLIMIT_FSIZE, &was);
    // Put back as it goes out of scope: the deleter runs on the empty pointer too.
    const std::shared_ptr<void> restore(
        nullptr, [was, handler = std::signal(SIGXFSZ, SIG_IGN)](void*) {
            setrlimit(RLIMIT_FSIZE, &was), std::signal(SIGXFSZ, handler);
        });
    const rlimit limited{bytes, was.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limited);  // without it the write goes through: the test fails
    return outcome(f);
}

// Logs what the user sees: "Beep", "<title> <style>: <prompt>", an error report as "error N", the
// save dialog as "<title> <filter>: <proposed name, digits as #>"; with `pointer` also the mouse
// pointer and the event pump, "Pointer 11", "DoEvents". Boxes
// answer from `answers`, else OK (or No); the save dialog from `saveAs` as typed, named as the
// real dialog names it, empty for Cancel, and keeps the path it proposed.
struct FakeDesktop : Desktop {
    QStringList log;
    QList<int> answers;
    QString saveAs, proposed;
    bool pointer = false;
    int MsgBox(const QString& prompt, int style, const QString& title) override {
        log << (prompt.startsWith(u"【ｴﾗｰｺｰﾄﾞ】")
                    ? QStringLiteral("error ") + prompt.section(u'(', 1).section(u')', 0, 0)
                    : QStringLiteral("%1 %2: %3").arg(title).arg(style).arg(prompt));
        return answers.isEmpty() ? (style & style::kYesNo ? answer::kNo : answer::kOk)
                                 : answers.takeFirst();
    }
    void Beep() override { log << QStringLiteral("Beep"); }
    void SetMousePointer(int shape) override {
        if (pointer) log << QStringLiteral("Pointer %1").arg(shape);
    }
    void DoEvents() override {
        if (pointer) log << QStringLiteral("DoEvents");
    }
    QString GetSaveFileName(const QString& title, const QString& path,
                            const QString& filter) override {
        QString name = (proposed = path).section(u'/', -1);
        name.replace(QRegularExpression(QStringLiteral("[0-9]")), QStringLiteral("#"));
        log << QStringLiteral("%1 %2: %3").arg(title, filter, name);
        return withPdfSuffix(saveAs);
    }
    QString take() { return std::exchange(log, {}).join(u", "); }
};

// Keeps the lines printed, or fails with error failWith; its PDF is the lines as text.
struct FakePrinter : Printer {
    QStringList printed;
    int32_t failWith = 0;
    void printLines(const QStringList& lines) override {
        if (failWith) throw RunTimeError(failWith);
        printed = lines;
    }
    QByteArray pdfDocument(const QStringList& lines) override { return lines.join(u'\n').toUtf8(); }
};

// Each control says its name into `focus` when it takes the focus.
struct FakeButton : Focusable {
    QString& focus;
    explicit FakeButton(QString& f) : focus(f) {}
    void SetFocus() override { focus = QStringLiteral("cmd_SET"); }
};

struct FakePicker : Picker {
    QString& focus;
    std::vector<std::pair<QString, int32_t>> items;
    int index = -1;
    explicit FakePicker(QString& f) : focus(f) {}
    void SetFocus() override { focus = QStringLiteral("cbo_HINMEI"); }
    void AddItem(const QString& text) override { items.emplace_back(text, 0); }
    void Clear() override { items.clear(), index = -1; }
    int NewIndex() const override { return int(items.size()) - 1; }
    int32_t ItemData(int i) const override { return items.at(i).second; }
    void SetItemData(int i, int32_t value) override { items.at(i).second = value; }
    int ListIndex() const override { return index; }
    QString Text() const override { return index < 0 ? QString() : items.at(index).first; }
};

struct FakeTextBox : TextBox {
    QString& focus;
    QString text;
    int start = 0, length = 0;
    explicit FakeTextBox(QString& f) : focus(f) {}
    void SetFocus() override { focus = QStringLiteral("txt_Glam"); }
    QString Text() const override { return text; }
    void SetText(const QString& t) override { text = t, start = length = 0; }
    void SetSelStart(int s) override { start = s, length = 0; }
    void SetSelLength(int l) override { length = l; }
};

struct FakeLabel : Label {
    QString caption;
    QString Caption() const override { return caption; }
    void SetCaption(const QString& text) override { caption = text; }
};

// The texts of a grid, with the window grid's rules for rows, columns and the current cell; a
// cell that does not exist is error 5. Looks are not kept.
struct FakeGrid : Grid {
    std::vector<QStringList> cells = {QStringList(3), QStringList(3)};
    int row = 1, col = 0;
    QString* focus;
    explicit FakeGrid(QString* f = nullptr) : focus(f) {}
    void SetFocus() override { *focus = QStringLiteral("grd_Hyo"); }
    static void check(bool ok) {
        if (!ok) throw RunTimeError(err::kInvalidCall);
    }
    int Rows() const override { return int(cells.size()); }
    int cols() const { return int(cells[0].size()); }
    void SetRows(int n) override {
        cells.resize(n, QStringList(cols()));
        row = std::min(row, n - 1);
    }
    void SetCols(int n) override {
        for (QStringList& r : cells) r.resize(n);
        col = std::min(col, n - 1);
    }
    int Row() const override { return row; }
    void SetRow(int r) override { check(r >= 0 && r < Rows()), row = r; }
    void SetCol(int c) override { check(c >= 0 && c < cols()), col = c; }
    QString Text() const override { return TextMatrix(row, col); }
    void SetText(const QString& text) override { SetTextMatrix(row, col, text); }
    QString TextMatrix(int r, int c) const override {
        check(r >= 0 && r < Rows() && c >= 0 && c < cols());
        return cells[r][c];
    }
    void SetTextMatrix(int r, int c, const QString& text) override {
        TextMatrix(r, c);
        cells[r][c] = text;
    }
    void Clear() override {
        for (QStringList& r : cells) r.fill(QString());
    }
    void RemoveItem(int r) override {
        check(r > 0 && r < Rows());
        cells.erase(cells.begin() + r);
        row = std::min(row, Rows() - 1);
    }
    void SetColWidth(int, int) override {}
    void SetColAlignment(int, int) override {}
    void SetCellBackColor(ColorBgr) override {}
    void SetCellForeColor(ColorBgr) override {}
    void SetCellAlignment(int) override {}
    void SetRedraw(bool) override {}
};

// A window of fakes wired into a Form.
struct FakeWindow {
    QString focus;
    FakeDesktop desktop;
    FakePicker cbo_HINMEI{focus};
    FakeTextBox txt_Glam{focus};
    FakeButton cmd_SET{focus};
    FakeGrid grd_Hyo{&focus};
    FakeLabel lbl_Goukei, lbl_Goukei2, lbl_Goukei3;
    Form form{{cbo_HINMEI, txt_Glam, cmd_SET, grd_Hyo, lbl_Goukei, lbl_Goukei2, lbl_Goukei3},
              desktop,
              {},
              {}};

    // The two foods of the printed list's example: ごはん 150 g, 牛乳 200 g.
    void holdTwoFoods() {
        grd_Hyo.cells = {QStringList(3), {"ごはん", "150", "240"}, {"牛乳", "200", "133"}};
        lbl_Goukei.caption = "373", lbl_Goukei2.caption = "350", lbl_Goukei3.caption = "2";
    }

    // The lines as "name grams kcal" joined by '|', then the three totals, then the gram field.
    QString shown() const {
        QStringList lines;
        for (size_t r = 1; r < grd_Hyo.cells.size(); ++r) lines << grd_Hyo.cells[r].join(u' ');
        if (lines.size() > 4) lines = QStringList{lines.front(), QStringLiteral("…"), lines.back()};
        const QStringList totals{lbl_Goukei.caption, lbl_Goukei2.caption, lbl_Goukei3.caption};
        return QStringList{lines.join(u'|'), totals.join(u' '), txt_Glam.text}.join(
            QStringLiteral(" / "));
    }
};

}  // namespace morvi::support
