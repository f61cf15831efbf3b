// A second program holding a calendar open, for the tests of an import or a
// generate meeting an open program: it opens the three tables of a folder
// as the program's store does, says "open", then takes commands, one a line:
//   post KEY FIELD VALUE   edits a day record and posts it: "ok" or "error TEXT"
//   quit
#include <QCoreApplication>
#include <iostream>
#include <string>

#include "errors.h"
#include "hoshimidb1.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    hoshi::Thoshimidb1 store;
    if (auto error = store.hoshimidb1Create(QString::fromLocal8Bit(argv[1]))) {
        std::cout << "error " << error->toStdString() << std::endl;
        return 1;
    }
    std::cout << "open" << std::endl;
    for (std::string command; std::cin >> command;) {
        if (command == "quit") break;
        if (command != "post") continue;
        std::string key, value;
        int field = 0;
        std::cin >> key >> field >> value;
        try {
            if (!store.Table1.findKey(key)) throw hoshi::Error("no record " + key);
            store.Table1.edit();
            store.Table1.setField(field, value);
            store.Table1.post();
            std::cout << "ok" << std::endl;
        } catch (const std::exception& e) {
            std::cout << "error " << e.what() << std::endl;
        }
    }
    return 0;
}
