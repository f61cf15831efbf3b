#pragma once
// The short date format of the program.

#include <QDate>
#include <QString>

namespace hoshi {

// The short date format's text of a day: "yyyy/mm/dd". Cut to 4, 7 or 10
// characters it is the key of the year, month or day table.
QString dateText(const QDate& day);

} // namespace hoshi
