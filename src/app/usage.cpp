#include "app/usage.h"

#include <QStringList>

namespace morvi {

namespace {

const QStringList& usageLines() {
    static const QStringList lines{
        QStringLiteral("品名をコンボボックス（リスト）一覧より選択し、"),
        QStringLiteral("選択した品目のグラム数を入力後、SETボタンを押してください。"),
        QStringLiteral("下のリストに選択した品目・グラム数等が追加されて行きます。"),
        QStringLiteral("選択した品目を削除したい場合には下のリストより、削除したい品目を"),
        QStringLiteral("クリックしてください。"),
        QStringLiteral("尚、印刷は　A4縦のレイアウトになっています。"),
    };
    return lines;
}

}  // namespace

QString usageText() { return usageLines().join(QStringLiteral("\r\n")); }

void p_use_Click(Desktop& desktop) {
    desktop.MsgBox(usageText(), style::kInformation, title::kApp);
}

}  // namespace morvi
