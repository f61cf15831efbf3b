#include "tukiban.h"

#include <stdexcept>

namespace hoshi {

int tukiKyuguCentre(BranchNo yearBranch, BranchNo monthBranch) {
    checkRange(yearBranch, 1, 12, "year branch");
    checkRange(monthBranch, 1, 12, "month branch");
    static constexpr std::array<int, 3> start = {8, 5, 2}; // the 寅 month of each branch group
    int group = (yearBranch - 1) % 3;
    int column = (monthBranch - 3 + 12) % 12; // 寅 = 0 … 丑 = 11
    return wrap9(start[static_cast<std::size_t>(group)] - column);
}

static Tnenban& yearOf(Tnenban* n) {
    if (!n) throw std::logic_error("month calculator has no year calculator");
    return *n;
}

void Ttukiban::keisan() {
    junsyu();
    tiban();
    tenban();
    kyusei();
    hatimon();
    kyugu();
    hatijin();
    steps::hantei(*this, secondStem()); // kitikakuHantei, kyokakuHantei
}

void Ttukiban::junsyu() {
    steps::junsyu(*this);
}
void Ttukiban::tiban() {
    steps::tiban(*this, false);
}
void Ttukiban::tenban() {
    steps::tenban(*this, CentreRule{});
}
void Ttukiban::kyusei() {
    steps::kyusei(*this);
}
void Ttukiban::hatimon() {
    steps::hatimon(*this, false);
}
void Ttukiban::kyugu() {
    steps::kyugu(*this, tukiKyuguCentre(yearOf(nenban).si, si));
}
void Ttukiban::hatijin() {
    steps::hatijin(*this, false, CentreRule{});
}
void Ttukiban::kitikakuHantei() {
    steps::kitikakuHantei(*this);
}
void Ttukiban::kyokakuHantei() {
    steps::kyokakuHantei(*this, secondStem());
}

StemNo Ttukiban::secondStem() const {
    StemNo k2 = yearOf(nenban).kan;
    checkRange(k2, 1, 10, "year stem");
    return k2;
}

} // namespace hoshi
