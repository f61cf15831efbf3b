#pragma once
// The font of the program's screens: "ＭＳ Ｐゴシック" where the system has
// it, else the metric-compatible IPA P Gothic, so Latin and Japanese text
// come from one face.

#include <QFont>

namespace hoshi {

QFont uiFont(int pointSize = 10);

// The screens and reports name their fonts as the method's texts do ("ＭＳ
// ゴシック", "ＭＳ Ｐゴシック"); the IPA fonts are their metric-compatible
// faces. Called once, after the application is made.
void installFontSubstitutes();

} // namespace hoshi
