#include "nenban.h"

namespace hoshi {

int nenKyoku(int nen) {
    long long d = (1990LL - nen) % 9;
    return static_cast<int>(d < 0 ? d + 9 : d) + 1;
}

void Tnenban::keisan() {
    kyokuNen();
    junsyu();
    tiban();
    tenban();
    kyusei();
    hatimon();
    kyugu();
    hatijin();
    steps::hantei(*this, secondStem()); // kitikakuHantei, kyokakuHantei
}

void Tnenban::nenKansi() {
    auto [s, b] = hoshi::nenKansi(nen);
    kan = s;
    si = b;
}

void Tnenban::kyokuNen() {
    kyoku = nenKyoku(nen);
}
void Tnenban::junsyu() {
    steps::junsyu(*this);
}
void Tnenban::tiban() {
    steps::tiban(*this, false);
}
void Tnenban::tenban() {
    steps::tenban(*this, CentreRule{});
}
void Tnenban::kyusei() {
    steps::kyusei(*this);
}
void Tnenban::hatimon() {
    steps::hatimon(*this, false);
}
void Tnenban::kyugu() {
    steps::kyugu(*this, kyoku);
}
void Tnenban::hatijin() {
    steps::hatijin(*this, false, CentreRule{});
}
void Tnenban::kitikakuHantei() {
    steps::kitikakuHantei(*this);
}
void Tnenban::kyokakuHantei() {
    steps::kyokakuHantei(*this, 0);
}

} // namespace hoshi
