// hoshikura-tunes OUTDIR: writes BGM0.wav … BGM9.wav into OUTDIR.

#include <exception>
#include <iostream>

#include "tunes.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: hoshikura-tunes OUTDIR\n";
        return 2;
    }
    try {
        hoshi::assets::writeTunes(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "hoshikura-tunes: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
