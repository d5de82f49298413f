#include "menu_tool/check_report.h"

#include "base/run_time_error.h"
#include "menu_tool/exit_status.h"

namespace morvi::menu_tool {

namespace {

QString errorHead(int32_t number) {
    return QStringLiteral("error %1: %2").arg(number).arg(standardErrorText(number));
}

QString findingLine(const QString& path, const Finding& f) {
    const QString where = f.line == 0 ? path : path + u':' + QString::number(f.line);
    const QString head = f.error == err::kNone ? QStringLiteral("警告: ")
                                               : errorHead(f.error) + QStringLiteral(" — ");
    return where + QStringLiteral(": ") + head + f.detail;
}

QString outcome(const MenuCheck& check) {
    if (check.verdict == err::kNone)
        return QStringLiteral("Morvi は起動時にこの一覧を読み込みます");
    const QString stop =
        QStringLiteral("Morvi は起動時に error %1 で止まります").arg(check.verdict);
    return check.verdictLine == 0 ? stop
                                  : stop + QStringLiteral("（%1 行目）").arg(check.verdictLine);
}

}  // namespace

QStringList checkReport(const QString& shownPath, const MenuCheck& check) {
    if (check.unreadable)
        return {shownPath + QStringLiteral(": ") + errorHead(check.verdict) +
                QStringLiteral(" — ファイルを読めません（Morvi も起動時に error %1 で止まります）")
                    .arg(check.verdict)};
    QStringList lines;
    if (!check.notice.isEmpty()) lines << shownPath + QStringLiteral(": ") + check.notice;
    for (const Finding& f : check.findings) lines << findingLine(shownPath, f);
    lines << shownPath +
                 QStringLiteral(": 食品 %1 件、エラー %2 件、警告 %3 件 — ")
                     .arg(check.foods)
                     .arg(check.errors)
                     .arg(check.warnings) +
                 outcome(check);
    return lines;
}

int checkExitStatus(const MenuCheck& check) {
    if (check.unreadable) return kExitTrouble;
    return check.verdict == err::kNone ? kExitOk : kExitRefused;
}

}  // namespace morvi::menu_tool
