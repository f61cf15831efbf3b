#pragma once
// Runs the board printer (hoshikura-board) as a user would, reading the
// settings the test wrote: the test's settings file is copied into a config
// folder the program finds through XDG_CONFIG_HOME.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include "settings.h"

namespace hoshi::test {

// The exit status of the board printer run with `args`; -1 when it did not
// finish. `scratch` is a folder for the copied settings.
inline int runBoardProgram(const QString& program, const QStringList& args, const QString& scratch) {
    const QString config = scratch + QStringLiteral("/config");
    const QString copy = config + QStringLiteral("/Hoshikura/hoshimi.ini");
    QDir().mkpath(config + QStringLiteral("/Hoshikura"));
    QFile::remove(copy);
    QFile::copy(settings::filePath(), copy);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start(program, args);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit) return -1;
    return tool.exitCode();
}

} // namespace hoshi::test
