#pragma once
// Files the program reads from its own folder (pictures, the icon, tunes).

#include <QString>

namespace hoshi {

// The path of `name` in the folder of the executable.
QString programFile(const QString& name);

} // namespace hoshi
