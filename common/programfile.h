#pragma once
// The one finder of files the program reads from its own folder: pictures,
// the icon, tunes and the calendar folder "db".

#include <QString>

namespace hoshi {

// The path of `name` in the folder of the executable.
QString programFile(const QString& name);

} // namespace hoshi
