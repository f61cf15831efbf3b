// hoshikura-board: prints one board, or with --batch one JSON line per
// command read from standard input. The Qt application is there for the
// calendar store (Qt Sql) and the program's folder.
#include <QCoreApplication>
#include <iostream>

#include "boardtool.h"
#include "programfile.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    return hoshi::tool::runBoardTool(args, std::cin, std::cout, std::cerr,
                                     hoshi::programFile(QStringLiteral("db")));
}
