#pragma once
// BoardCalculator: the named steps of a board calculation, shared by the
// four calculators. A calculator derives from it (so it keeps its own
// fields) and states only what differs between the board kinds:
//   bool yang() const             the dun of the earth plate, gates and deities
//   CentreRule centreRule() const where the 直符 goes when its stem is in the centre
//   int kyuguCentre() const       the nine-star at the centre
//   StemNo secondStem() const     the second stem of the patterns (0: none)

#include "board.h"

namespace hoshi {

template <typename Kind> class BoardCalculator : public BoardFields {
public:
    void junsyu() { steps::junsyu(*this); }
    void tiban() { steps::tiban(*this, kind().yang()); }
    void tenban() { steps::tenban(*this, kind().centreRule()); }
    void kyusei() { steps::kyusei(*this); }
    void hatimon() { steps::hatimon(*this, kind().yang()); }
    void kyugu() { steps::kyugu(*this, kind().kyuguCentre()); }
    void hatijin() { steps::hatijin(*this, kind().yang(), kind().centreRule()); }
    void kitikakuHantei() { steps::kitikakuHantei(*this); }
    void kyokakuHantei() { steps::kyokakuHantei(*this, kind().secondStem()); }

protected:
    // junsyu, tiban, tenban, kyusei, hatimon, kyugu, hatijin, kitikakuHantei,
    // kyokakuHantei: the part of keisan every board kind runs. With
    // Judge::auspiciousOnly the detector is not touched.
    void layBoard(Judge judge) {
        junsyu();
        tiban();
        tenban();
        kyusei();
        hatimon();
        kyugu();
        hatijin();
        steps::hantei(*this, kind().secondStem(), judge); // both pattern steps, reading the names once
    }

private:
    Kind& kind() { return static_cast<Kind&>(*this); }
};

} // namespace hoshi
