#pragma once

// The printed list of the two-food example (ごはん 150 g, 牛乳 200 g), character for character.

#include <QStringList>

namespace morvi::testing {

inline const QStringList kWorkedExamplePrintout{
    QStringLiteral(
        "     品名                                      グラム(g)        カロリー(Kcal)"),
    QStringLiteral("     ======================================================================="),
    QStringLiteral("     ごはん                                       150                 240"),
    QStringLiteral("     牛乳                                         200                 133"),
    QStringLiteral("     ======================================================================="),
    QStringLiteral(
        "     合計 2品目                                   350 g               373 Kcal"),
};

}  // namespace morvi::testing
