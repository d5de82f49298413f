#include "ui/error_frame.h"

namespace morvi {

QString errorReportText(int32_t number) {
    return QStringLiteral("【ｴﾗｰｺｰﾄﾞ】 : (%1)\r\n【ｴﾗｰ内容】 :").arg(number) +
           standardErrorText(number);
}

void showErrorReport(Desktop& desktop, int32_t number) {
    desktop.MsgBox(errorReportText(number), style::kOkOnly, title::kApp);
}

void Error_Syori(Desktop& desktop) {
    desktop.Beep();
    desktop.MsgBox(QStringLiteral("強制終了します。"), style::kExclamation, title::kApp);
    throw ProgramEnd{};
}

}  // namespace morvi
