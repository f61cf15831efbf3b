#pragma once
// The font of the program's screens: "ＭＳ Ｐゴシック" where the system has
// it, else the metric-compatible IPA P Gothic, so Latin and Japanese text
// come from one face.

#include <QFont>

namespace hoshi {

QFont uiFont(int pointSize = 10);

} // namespace hoshi
