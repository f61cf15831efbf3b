#include "houitorilines.h"

#include <array>
#include <optional>
#include <string_view>

#include "errors.h"
#include "oukiban.h"

namespace hoshi {

namespace {

struct KindLines {
    std::string_view opening, second, tail, heading, closing;
};

constexpr std::string_view dayLikeSecond = "あらかじめ、実行日以前に吉の方位に出向いて体と精神の状態を宇宙の"
                                           "気に合わずことを\"方位取りをする\"といいます。";

constexpr KindLines yearLines = {
    "『ここでは、計画を実行するこの年の前に効果的な\"方位取り\"を行う秘伝の内容について説明します。』",
    dayLikeSecond,
    "年の場合の方位取りの条件は下記のようになります。",
    "■方位取りの年の条件一覧",
    "以上のような条件のいづれかを満たす年を暦をさかのぼって探して方位取りを行うと効果があります。",
};

constexpr KindLines monthLines = {
    "『ここでは、計画を実行するこの月の前に効果的な\"方位取り\"を行う秘伝の内容について説明します。』",
    "あらかじめ、実行月以前に吉の方位に出向いて体と精神の状態を宇宙の気に合わずことを\"方位取りをする\"といい"
    "ます。",
    "月の場合の方位取りの条件は下記のようになります。",
    "■方位取りの月の条件一覧",
    "以上のような条件のいづれかを満たす月を暦をさかのぼって探して方位取りを行うと効果があります。",
};

constexpr KindLines dayLines = {
    "『ここでは、計画を実行するこの日の前に効果的な\"方位取り\"を行う秘伝の内容について説明します。』",
    dayLikeSecond,
    "日の場合の方位取りの条件は下記のようになります。",
    "■方位取りの日の条件一覧",
    "以上のような条件のいづれかを満たす日を暦をさかのぼって探して方位取りを行うと効果があります。",
};

// The hour board's tail follows "日" and the hour's start label.
constexpr KindLines hourLines = {
    "『ここでは、計画を実行するこの日時の前に効果的な\"方位取り\"を行う秘伝の内容について説明します。』",
    "あらかじめ、実行時刻に吉の方位に出向いて体と精神の状態を宇宙の気に合わずことを\"方位取りをする\"といいま"
    "す。",
    " の場合の方位取りの条件は下記のようになります。",
    "■方位取りの時刻の条件一覧",
    "以上のような条件のいづれかを満たす日時を暦をさかのぼって探して方位取りを行うと効果があります。",
};

const KindLines& linesOf(BoardKind kind) {
    switch (kind) {
    case BoardKind::year:
        return yearLines;
    case BoardKind::month:
        return monthLines;
    case BoardKind::day:
        return dayLines;
    case BoardKind::hour:
        return hourLines;
    }
    return dayLines;
}

// Direction names by PalaceNo; the centre is never listed.
constexpr std::array<std::string_view, 10> directionName = {"", "東南", "南",   "南西", "東",
                                                            "", "西",   "北東", "北",   "北西"};

} // namespace

std::vector<std::string> houitoriLines(BoardKind kind, const HouitoriSnapshot& s) {
    const KindLines& k = linesOf(kind);
    std::string execution = "■実行日：" + s.ymd;
    if (kind == BoardKind::hour) {
        checkRange(s.jisi, 1, 12, "hour");
        execution += "日" + std::string(jikokuName[static_cast<std::size_t>(s.jisi)]);
    }
    execution += k.tail;

    std::vector<std::string> lines = {std::string(k.opening), std::string(k.second), "", execution,
                                      std::string(k.heading)};

    bool yang = (kind == BoardKind::day || kind == BoardKind::hour) && s.inyou != 0;
    ResponseTable table = yang ? ResponseTable::yang : ResponseTable::yin;
    std::string_view ending =
        yang ? "」になっており、かつ吉方位である。" : "」になっていて、かつ吉方位である。";
    StemNo stem = s.kan == 1 ? s.jungan : s.kan;
    if (auto board = findResponseBoard(table, 5, stem)) {
        for (PalaceNo p : outerPalaces) {
            StemNo t = responseStem(table, *board, p);
            lines.push_back(" ●" + std::string(directionName[static_cast<std::size_t>(p)]) + "の方位が「" +
                            std::string(kanName[static_cast<std::size_t>(t)]) + std::string(ending));
        }
    }
    lines.push_back("");
    lines.push_back(std::string(k.closing));
    return lines;
}

} // namespace hoshi
