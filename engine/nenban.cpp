#include "nenban.h"

namespace hoshi {

int nenKyoku(int nen) {
    return floorMod(1990LL - nen, 9) + 1;
}

void Tnenban::nenKansi() {
    auto [s, b] = hoshi::nenKansi(nen);
    kan = s;
    si = b;
}

void Tnenban::kyokuNen() {
    kyoku = nenKyoku(nen);
}

} // namespace hoshi
