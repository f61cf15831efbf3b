#include "nenban.h"

namespace hoshi {

int nenKyoku(int nen) {
    long long d = (1990LL - nen) % 9;
    return static_cast<int>(d < 0 ? d + 9 : d) + 1;
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
