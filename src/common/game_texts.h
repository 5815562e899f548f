#pragma once

#include <QString>

namespace common {

/// "互先", "先番または白番", "２子" ... "１３子" for handicap codes 1-14; empty otherwise.
QString HandicapText(int handicapCode);
/// "コミ白９目半" ... "コミなし" ... "コミ黒９目半" for komi codes 1-39; empty otherwise.
QString KomiText(int komiCode);
/// The komi text of the registration window's bar: without the leading "コミ" ("白９目半",
/// "黒半目"), but "コミなし" for no komi.
QString KomiShortText(int komiCode);

}  // namespace common
