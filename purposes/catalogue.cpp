#include "catalogue.h"

#include <array>

namespace hoshi {

namespace {

using K = Kitikaku;

constexpr std::array kekkonSet = {K::otuKiTokusi, K::titon, K::ryuton, K::koton, K::futon};
constexpr std::array enMaleSet = {K::seiryuHensyu, K::hityoTetuketu, K::heiKiSyoden, K::tenton, K::sinton};
constexpr std::array enFemaleSet = {K::teiKiSyoden, K::gyokujoSyumon, K::jinton, K::titon, K::kiton};
constexpr std::array ninsinSet = {K::ryuton, K::koton, K::futon, K::unton};
constexpr std::array sikenSet = {K::otuKiTokusi, K::gyokujoSyumon, K::jinton, K::kiton};
constexpr std::array syodanSet = {K::seiryuHensyu, K::hityoTetuketu, K::heiKiTokusi,
                                  K::heiKiSyoden,  K::tenton,        K::sinton};
constexpr std::array homonSet = {K::teiKiTokusi, K::jinton, K::kiton};
constexpr std::array wagouSet = {K::teiKiTokusi, K::teiKiSyoden, K::gyokujoSyumon, K::jinton, K::kiton};
constexpr std::array ryokoSet = {K::otuKiTokusi, K::otuKiSyoden, K::titon, K::ryuton,
                                 K::koton,       K::futon,       K::unton};

constexpr SearchControls yearControls{"nenserch", "preb", "nextb", "ylbl", "ykitilbl", "ykiti"};
constexpr SearchControls monthControls{"tukiserch", "preb2", "nextb2", "tukilbl", "mkitilbl", "tukikiti"};
constexpr SearchControls hourControls{"jiserch", "preb2", "nextb2", "jilbl", "jihoui", "jikiti"};
constexpr SearchControls dayControls{"jiserch", "preb2", "nextb2", "daylbl", "jihoui", "daykiti"};

constexpr std::array kekkonSearches = {PurposeSearchDef{BoardKind::year, yearControls, kekkonSet, {}},
                                       PurposeSearchDef{BoardKind::month, monthControls, kekkonSet, {}}};
constexpr std::array endukuriSearches = {
    PurposeSearchDef{BoardKind::month, monthControls, enMaleSet, enFemaleSet}};
constexpr std::array ninsinSearches = {PurposeSearchDef{BoardKind::month, monthControls, ninsinSet, {}}};
constexpr std::array sikenSearches = {PurposeSearchDef{BoardKind::hour, hourControls, sikenSet, {}}};
constexpr std::array syodanSearches = {PurposeSearchDef{BoardKind::hour, hourControls, syodanSet, {}}};
constexpr std::array homonSearches = {PurposeSearchDef{BoardKind::hour, hourControls, homonSet, {}}};
constexpr std::array syoriSearches = {PurposeSearchDef{BoardKind::day, dayControls, syodanSet, {}}};
constexpr std::array wagouSearches = {PurposeSearchDef{BoardKind::day, dayControls, wagouSet, {}}};
constexpr std::array ryokoSearches = {
    PurposeSearchDef{
        BoardKind::month, {"tukiserch", "preb", "nextb", "tukilbl", "Label3", "tukikiti"}, ryokoSet, {}},
    PurposeSearchDef{
        BoardKind::day, {"dayserch", "preb2", "nextb2", "daylbl", "jihoui", "daykiti"}, ryokoSet, {}}};
constexpr std::array hikkosiSearches = {PurposeSearchDef{BoardKind::year, yearControls, {}, {}}};
constexpr std::array myhomeSearches = {PurposeSearchDef{BoardKind::year, yearControls, {}, {}},
                                       PurposeSearchDef{BoardKind::month, monthControls, {}, {}}};

constexpr std::array<Purpose, 11> catalogue = {{
    {"kekkon", "Tkekkonmenu", "結婚式", "結婚式", "kekkon", "結婚式に良い日", kekkonSearches},
    {"endukuri", "Tendukurimenu", "縁作り（見合･商談）", "縁づくり", "enzukuri",
     "見合い商談などの縁作りに良い時期", endukuriSearches},
    {"ninsin", "Tninsinmenu", "妊娠と安産", "妊娠と安産", "anzan", "妊娠と安産の方位", ninsinSearches},
    {"siken", "Tsikenmenu", "試験･面接", "試験･面接", "siken", "試験合格の日時", sikenSearches},
    {"syodan", "Tsyodanmenu", "商談･会議", "商談･会議", "syodan", "商談、重要会議の日時", syodanSearches},
    {"homon", "Thomonmenu", "訪問", "効果的訪問", "homon", "効果のある訪問", homonSearches},
    {"syori", "Tsyorimenu", "勝利", "戦いに勝利", "katu", "敵を破り争いに勝つ日時", syoriSearches},
    {"wagou", "Twagoumenu", "和合", "敵と和合", "wagou", "敵やライバルと和合する", wagouSearches},
    {"ryoko", "Tryokomenu", "旅行", "旅行", "ryokou", "旅行に良い時期と方位", ryokoSearches},
    {"hikkosi", "Thikkosimenu", "引越し", "引越し･転勤", "hikkosi", "引越しに良い時期と方位",
     hikkosiSearches},
    {"myhome", "Tmyhomemenu", "マイホーム･社屋", "ﾏｲﾎｰﾑ.社屋の建築", "kentiku",
     "マイホーム・社屋の建築の日時", myhomeSearches},
}};

} // namespace

std::span<const Purpose> purposes() {
    return catalogue;
}

const Purpose* findPurpose(std::string_view nameOrCaption) {
    for (const Purpose& p : catalogue)
        if (p.name == nameOrCaption || p.caption == nameOrCaption) return &p;
    return nullptr;
}

std::string_view startCaption(BoardKind kind) {
    static constexpr std::array<std::string_view, 4> captions = {"良い年検索開始", "良い月検索開始",
                                                                 "良い日検索開始", "良い時刻検索開始"};
    return captions[static_cast<std::size_t>(kind)];
}

std::string_view periodPlaceholder(BoardKind kind) {
    static constexpr std::array<std::string_view, 4> texts = {"年", "月", "日", "時刻"};
    return texts[static_cast<std::size_t>(kind)];
}

} // namespace hoshi
