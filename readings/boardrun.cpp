#include "boardrun.h"

#include "decoders.h"

namespace hoshi {

std::string BoardSnapshot::patternLine(PalaceNo p) const {
    const std::string_view name = palaces[static_cast<std::size_t>(p)].patternName;
    if (name.empty()) return {};
    return std::string(boardKind(kind).patternPrefix) + std::string(name);
}

std::vector<std::string> BoardSnapshot::memoLines(PalaceNo p) const {
    const PalaceReading& r = palaces[static_cast<std::size_t>(p)];
    checkRange(r.earth, 1, 10, "earth-plate stem");
    checkRange(r.heaven, 1, 10, "heaven-plate stem");
    std::vector<std::string> lines = {std::string(houiLabel[static_cast<std::size_t>(p)]) + std::string(r.mark),
                                      std::string(r.reading)};
    if (std::string pattern = patternLine(p); !pattern.empty()) lines.push_back(std::move(pattern));
    return lines;
}

BoardSnapshot makeSnapshot(BoardKind kind, const BoardFields& b, int inyou, const TKanMo1& kanmo,
                           Tkyokaku& kyokaku, const std::optional<RecordInfo>& record) {
    BoardSnapshot s;
    s.kind = kind;
    s.fields = b;
    s.inyou = inyou ? 1 : 0;
    s.kansi = std::string(at(kanName, b.kan, "stem")) + std::string(at(siName, b.si, "branch"));
    s.header = s.kansi + std::string(boardKind(kind).headerTag) + std::string(inyouName[s.inyou]) + " " +
               std::to_string(b.kyoku) + " 極";
    s.rokugi = "六儀:" + std::string(b.junganName);
    for (PalaceNo p : outerPalaces) {
        PalaceReading& r = s.palaces[static_cast<std::size_t>(p)];
        r.earth = kanmo.lookupStem(b.ti[p]);
        r.heaven = kanmo.lookupStem(b.ten[p]);
        if (r.heaven != 0 && r.earth != 0) {
            r.mark = TKanMo1::mark(r.heaven, r.earth);
            r.reading = TKanMo1::reading(r.heaven, r.earth);
        }
        r.patternName = TKanMo1::patternName(b.kitikaku[p]);
        kyokaku.makeList(p);
        r.lines.assign(kyokaku.kakuList.begin() + 1, kyokaku.kakuList.begin() + 1 + kyokaku.kakuCount);
    }
    s.record = record;
    if (!record) return s;

    ResponseSnapshot& rs = s.response;
    for (PalaceNo p = 1; p <= 9; ++p)
        rs.ten[static_cast<std::size_t>(p)] = b.ten[static_cast<std::size_t>(p)];
    rs.inyou = record->inyou;
    rs.junganName = b.junganName;
    HouitoriSnapshot& hs = s.houitori;
    hs.kan = b.kan;
    hs.jungan = b.jungan;
    hs.inyou = s.inyou;
    hs.ymd = record->key;
    return s;
}

BoardRun::BoardRun(BoardKind kind, Calculators& calc, const TKanMo1& kanmo)
    : kind_(kind), calc_(calc), kanmo_(kanmo) {}

void BoardRun::decode(const CalendarRecord& r, int slot) {
    record_ = RecordInfo{r[schema::Key], r[schema::Kansi], r[schema::Inyou], r[schema::Kyoku]};
    switch (kind_) {
    case BoardKind::year:
        decodeYearRecord(r, calc_.nenban);
        break;
    case BoardKind::month:
        decodeMonthRecord(r, calc_.tukiban, calc_.nenban);
        break;
    case BoardKind::day:
        decodeDayRecord(r, calc_.dayban);
        break;
    case BoardKind::hour:
        decodeHourRecord(r, slot, calc_.jiban);
        break;
    }
}

void BoardRun::calculate(Judge judge) {
    onCalculator([judge](auto& c) { c.keisan(judge); });
}

void BoardRun::setSlot(int slot) {
    if (kind_ != BoardKind::hour) throw std::logic_error("only the hour board has a slot");
    checkRange(slot, 1, 12, "hour slot");
    calc_.jiban.jisi = slot;
}

BoardSnapshot BoardRun::run(const CalendarRecord& r, int slot) {
    decode(r, slot);
    calculate();
    return snapshot();
}

const BoardFields& BoardRun::fields() const {
    return onCalculator([](const auto& c) -> const BoardFields& { return c; });
}

int BoardRun::inyou() const {
    if (kind_ == BoardKind::day) return calc_.dayban.inyou ? 1 : 0;
    if (kind_ == BoardKind::hour) return calc_.jiban.inyou ? 1 : 0;
    return 0; // the year and month boards are always yin dun
}

BoardPeriod BoardRun::period() const {
    switch (kind_) {
    case BoardKind::year:
        return {calc_.nenban.nen};
    case BoardKind::month:
        return {calc_.tukiban.nen, calc_.tukiban.tuki};
    case BoardKind::day:
        return {calc_.dayban.nen, calc_.dayban.tuki, calc_.dayban.niti};
    case BoardKind::hour:
        break;
    }
    return {calc_.jiban.nen, calc_.jiban.tuki, calc_.jiban.niti, calc_.jiban.jisi};
}

BoardSnapshot BoardRun::snapshot() const {
    BoardSnapshot s = makeSnapshot(kind_, fields(), inyou(), kanmo_, calc_.kyokaku, record_);
    if (!record_) return s;
    s.period = period();
    ResponseSnapshot& rs = s.response;
    switch (kind_) {
    case BoardKind::year:
        rs.nen = calc_.nenban.nen;
        break;
    case BoardKind::month:
        rs.nen = calc_.tukiban.nen;
        rs.tuki = calc_.tukiban.tuki;
        break;
    case BoardKind::day:
        rs.nen = calc_.dayban.nen;
        rs.tuki = calc_.dayban.tuki;
        rs.niti = calc_.dayban.niti;
        rs.nitikan = calc_.dayban.kan;
        break;
    case BoardKind::hour:
        rs.nitikan = calc_.jiban.nitikan;
        rs.jisi = calc_.jiban.jisi;
        s.houitori.jisi = calc_.jiban.jisi;
        break;
    }
    return s;
}

} // namespace hoshi
