#include "programfile.h"

#include <QCoreApplication>
#include <QDir>

namespace hoshi {

QString programFile(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

} // namespace hoshi
