#include "datetext.h"

namespace hoshi {

QString dateText(const QDate& day) {
    return day.toString(QStringLiteral("yyyy/MM/dd"));
}

} // namespace hoshi
