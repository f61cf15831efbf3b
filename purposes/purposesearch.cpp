#include "purposesearch.h"

#include <algorithm>

namespace hoshi {

bool SearchRule::accepts(int patternCode) const {
    if (set.empty()) return true;
    const auto chosen = !femaleSet.empty() && female && female() ? femaleSet : set;
    return std::find(chosen.begin(), chosen.end(), static_cast<Kitikaku>(patternCode)) != chosen.end();
}

SearchRule ruleOf(const PurposeSearchDef& entry, std::function<bool()> female) {
    return {entry.set, entry.femaleSet, std::move(female)};
}

PurposeSearch::PurposeSearch(BoardKind kind, SearchRule rule, const TKanMo1& kanmo)
    : kind_(kind), rule_(std::move(rule)), kanmo_(kanmo) {}

std::vector<PalaceNo> PurposeSearch::qualifying(const BoardFields& b) const {
    std::vector<PalaceNo> out;
    for (PalaceNo p : outerPalaces) {
        const StemNo h = kanmo_.lookupStem(b.ten[p]);
        const StemNo e = kanmo_.lookupStem(b.ti[p]);
        if (TKanMo1::mark(h, e) != "○") continue;
        if (rule_.accepts(b.kitikaku[p])) out.push_back(p);
    }
    return out;
}

std::string PurposeSearch::directionsText(const std::vector<PalaceNo>& palaces) {
    std::string text;
    for (PalaceNo p : palaces) text += houiLabel[static_cast<std::size_t>(p)];
    return text;
}

std::string PurposeSearch::periodText(BoardKind kind, const SearchBoard::Period& p) {
    std::string text = std::to_string(p.year) + "年";
    if (kind == BoardKind::year) return text;
    text += std::to_string(p.month) + "月";
    if (kind == BoardKind::month) return text;
    text += std::to_string(p.day) + "日";
    if (kind == BoardKind::day) return text;
    return text + std::string(at(jikokuName, p.slot, "hour slot"));
}

ScanEnd PurposeSearch::start(SearchBoard& b, const std::string& todayText, SearchLabels& labels) const {
    b.findKey(todayText.substr(0, static_cast<std::size_t>(boardKind(kind_).keyLength())));
    b.computeShown();
    return scan(b, true, labels);
}

ScanEnd PurposeSearch::next(SearchBoard& b, SearchLabels& labels) const {
    return scan(b, true, labels);
}

ScanEnd PurposeSearch::previous(SearchBoard& b, SearchLabels& labels) const {
    return scan(b, false, labels);
}

ScanEnd PurposeSearch::scan(SearchBoard& b, bool forward, SearchLabels& labels) const {
    auto flag = [&] { return forward ? b.eof() : b.bof(); };
    std::vector<PalaceNo> found;
    b.begin();
    try {
        while (found.empty()) {
            if (flag()) break;
            forward ? b.next() : b.prior();
            if (flag()) {
                b.end(false);
                return ScanEnd::ran_off;
            }
            if (kind_ != BoardKind::hour) {
                b.calculate(0);
                found = qualifying(b.board());
                continue;
            }
            for (int pos = firstHourPosition; pos <= lastHourPosition && found.empty(); ++pos) {
                b.calculate(pos + 1);
                found = qualifying(b.board());
            }
        }
    } catch (...) {
        b.end(true);
        throw;
    }
    b.end(false);
    labels.period = periodText(kind_, b.period());
    labels.directions = directionsText(found);
    return found.empty() ? ScanEnd::flagSet : ScanEnd::found;
}

} // namespace hoshi
