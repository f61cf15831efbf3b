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

const Tnenban& Ttukiban::year() const {
    if (!nenban) throw std::logic_error("month calculator has no year calculator");
    return *nenban;
}

int Ttukiban::kyuguCentre() const {
    return tukiKyuguCentre(year().si, si);
}

StemNo Ttukiban::secondStem() const {
    checkRange(year().kan, 1, 10, "year stem");
    return year().kan;
}

} // namespace hoshi
