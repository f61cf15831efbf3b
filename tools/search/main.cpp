// hoshikura-search: the periods a purpose screen would find, from the
// command line. The Qt application is there for the calendar store.
#include <QCoreApplication>
#include <QDate>
#include <iostream>

#include "programfile.h"
#include "searchtool.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    return hoshi::tool::runSearchTool(args, std::cout, std::cerr, hoshi::programFile(QStringLiteral("db")),
                                      QDate::currentDate());
}
