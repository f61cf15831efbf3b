// hoshikura-board: prints one board, or with --batch one JSON line per
// command read from standard input.
#include <iostream>
#include <sstream>

#include "boardcommand.h"
#include "json.h"

using namespace hoshi;

namespace {

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

std::string errorJson(const std::string& message) {
    tool::Json j;
    j.beginObject().key("error").value(message).endObject();
    return j.str();
}

} // namespace

int main(int argc, char** argv) {
    bool json = false, batch = false;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--json")
            json = true;
        else if (a == "--batch")
            batch = true;
        else
            args.push_back(a);
    }
    Calculators calc;
    if (batch) {
        for (std::string line; std::getline(std::cin, line);) {
            auto w = words(line);
            if (w.empty()) continue;
            try {
                std::cout << tool::renderJson(tool::computeBoard(w, calc), calc.kyokaku) << '\n';
            } catch (const std::exception& e) {
                std::cout << errorJson(e.what()) << '\n';
            }
        }
        return 0;
    }
    try {
        tool::Board b = tool::computeBoard(args, calc);
        std::cout << (json ? tool::renderJson(b, calc.kyokaku) + "\n" : tool::renderText(b, calc.kyokaku));
    } catch (const std::exception& e) {
        std::cerr << "hoshikura-board: " << e.what() << '\n';
        return 2;
    }
    return 0;
}
