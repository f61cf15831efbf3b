#include "detailtexts.h"

namespace hoshi {

std::vector<std::string> detailMemo(const std::vector<std::string>& palaceMemo,
                                    const std::vector<std::string>& patternLines,
                                    const std::vector<std::string>& responseLines) {
    std::vector<std::string> memo = {std::string(detailOpening)};
    memo.insert(memo.end(), palaceMemo.begin(), palaceMemo.end());
    if (!patternLines.empty()) {
        memo.emplace_back(detailPatternHeading);
        memo.insert(memo.end(), patternLines.begin(), patternLines.end());
    }
    memo.insert(memo.end(), responseLines.begin(), responseLines.end());
    return memo;
}

std::string detailTitle(BoardKind kind) {
    return std::string(boardKind(kind).marker) + "盤 方位詳細鑑定表";
}

std::string detailDateText(BoardKind kind, const BoardPeriod& d) {
    std::string text = std::to_string(d.year) + "年";
    if (kind == BoardKind::year) return text + " ";
    text += std::to_string(d.month) + "月";
    if (kind == BoardKind::month) return text + " ";
    text += std::to_string(d.day) + "日 ";
    if (kind == BoardKind::day) return text;
    return text + std::string(at(siName, d.slot, "hour index")) + "の刻 ";
}

DetailValues detailValues(const BoardFields& b, PalaceNo p) {
    const auto i = static_cast<std::size_t>(p);
    auto value = [](Name name, std::string_view description) {
        return std::string(name) + " : " + std::string(description);
    };
    return {value(b.ten[i], kanSetumei[static_cast<std::size_t>(stemOf(b.ten[i]))]),
            value(b.ti[i], kanSetumei[static_cast<std::size_t>(stemOf(b.ti[i]))]),
            value(b.sei[i], at(seiSetumei, b.seiNo[i], "star")),
            value(b.mon[i], at(monSetumei, b.monNo[i], "gate")),
            value(b.kyu[i], at(kyuSetumei, b.kyuNo[i], "nine-star")),
            value(b.jin[i], at(jinSetumei, b.jinNo[i], "deity"))};
}

} // namespace hoshi
