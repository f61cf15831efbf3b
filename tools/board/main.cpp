// hoshikura-board: prints one board, or with --batch one JSON line per
// command read from standard input; with --pdf writes a board's report.
// The Qt application is there for the calendar store (Qt Sql), the
// program's folder and, for a report, the fonts.
#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <memory>

#include "boardtool.h"
#include "programfile.h"
#include "uifont.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::unique_ptr<QCoreApplication> app;
    if (std::find(args.begin(), args.end(), "--pdf") != args.end()) {
        // A report needs fonts, not a screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        hoshi::installFontSubstitutes();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return hoshi::tool::runBoardTool(args, std::cin, std::cout, std::cerr,
                                     hoshi::programFile(QStringLiteral("db")));
}
