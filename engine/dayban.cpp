#include "dayban.h"

namespace hoshi {

void Tdayban::keisan() {
    junsyu();
    tiban();
    tenban();
    kyusei();
    hatimon();
    kyugu();
    hatijin();
    steps::hantei(*this, secondStem()); // kitikakuHantei, kyokakuHantei
}

void Tdayban::junsyu() {
    steps::junsyu(*this);
}
void Tdayban::tiban() {
    steps::tiban(*this, yang());
}
void Tdayban::tenban() {
    steps::tenban(*this, CentreRule{true, sekkiPalace});
}
void Tdayban::kyusei() {
    steps::kyusei(*this);
}
void Tdayban::hatimon() {
    steps::hatimon(*this, yang());
}
void Tdayban::kyugu() {
    steps::kyugu(*this, kyoku);
}
void Tdayban::hatijin() {
    steps::hatijin(*this, yang(), CentreRule{true, sekkiPalace});
}
void Tdayban::kitikakuHantei() {
    steps::kitikakuHantei(*this);
}
void Tdayban::kyokakuHantei() {
    steps::kyokakuHantei(*this, secondStem());
}

StemNo Tdayban::secondStem() const {
    checkRange(tukikan, 1, 10, "month stem");
    return tukikan;
}

} // namespace hoshi
