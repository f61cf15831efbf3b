#include "uifont.h"

#include <QStringList>

namespace hoshi {

QFont uiFont(int pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    font.setPointSize(pointSize);
    return font;
}

} // namespace hoshi
