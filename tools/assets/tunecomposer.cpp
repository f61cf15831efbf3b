#include "tunecomposer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "seededrandom.h"

namespace hoshi::assets {

namespace {

constexpr std::array<int, 5> kMiyako = {0, 1, 5, 7, 8};    // 陰音階 (都節)
constexpr std::array<int, 5> kYo = {0, 2, 5, 7, 9};        // 陽音階
constexpr std::array<int, 5> kMinyo = {0, 3, 5, 7, 10};    // 民謡音階
constexpr std::array<int, 5> kRyukyu = {0, 4, 5, 7, 11};   // 琉球音階
constexpr std::array<int, 5> kHirajoshi = {0, 2, 3, 7, 8}; // 平調子

// Index 3 of every scale is the fifth (7 semitones) and index 0 the tonic,
// so the cadence degrees below mean the same thing on each scale.
constexpr int kTonic = 0;
constexpr int kFourth = 2;
constexpr int kFifth = 3;

constexpr std::array<TuneStyle, kTuneCount> kStyles = {{
    {Scale::Miyako, Voice::Koto, 64, 126, 8, 0x51A7u},
    {Scale::Yo, Voice::Flute, 62, 100, 6, 0x2B03u},
    {Scale::Ryukyu, Voice::Koto, 60, 138, 8, 0x7C11u},
    {Scale::Hirajoshi, Voice::Koto, 62, 96, 6, 0x4E2Du},
    {Scale::Minyo, Voice::Flute, 64, 120, 8, 0x1F35u},
    {Scale::Miyako, Voice::Flute, 62, 92, 6, 0x6A4Cu},
    {Scale::Yo, Voice::Koto, 65, 132, 8, 0x3D57u},
    {Scale::Ryukyu, Voice::Flute, 64, 108, 6, 0x0E6Cu},
    {Scale::Hirajoshi, Voice::Flute, 60, 120, 8, 0x5C75u},
    {Scale::Minyo, Voice::Koto, 62, 104, 6, 0x2889u},
}};

// Rhythms of one phrase in eighth notes; each ends on a long note.
using Rhythm = std::vector<int>;
const std::vector<Rhythm> kRhythms8 = {
    {2, 2, 2, 2, 2, 2, 4}, {3, 1, 2, 2, 2, 2, 4}, {2, 1, 1, 2, 2, 2, 2, 4},
    {4, 2, 2, 2, 2, 4},    {2, 2, 3, 1, 4, 4},    {1, 1, 2, 2, 2, 1, 1, 2, 4},
};
const std::vector<Rhythm> kRhythms6 = {
    {2, 2, 2, 2, 4}, {3, 1, 2, 2, 4},    {2, 1, 1, 2, 2, 4},
    {4, 2, 2, 4},    {2, 2, 2, 1, 1, 4}, {1, 1, 2, 2, 2, 4},
};

struct Range {
    int lo, hi, centre;
};

int pitchOf(const TuneStyle& style, int degree) {
    const auto steps = scaleSteps(style.scale);
    const int octave = static_cast<int>(std::floor(degree / 5.0));
    return style.root + 12 * octave + steps[static_cast<std::size_t>(degree - 5 * octave)];
}

// A melodic interval the walk may take: no tritone, nothing wider than a fifth.
bool singable(const TuneStyle& style, int from, int to) {
    const int semis = std::abs(pitchOf(style, to) - pitchOf(style, from));
    return semis != 6 && semis <= 7;
}

// One step of the walk: mostly steps, sometimes a repeat or a leap, a leap
// answered by a step back, drawn towards the centre of the range.
int nextDegree(SeededRandom& rng, const TuneStyle& style, int cur, int prevStep, const Range& range) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const double r = rng.unit();
        int size = r < 0.10 ? 0 : r < 0.70 ? 1 : r < 0.90 ? 2 : 3;
        int dir;
        if (std::abs(prevStep) >= 2 && size > 0) {
            dir = prevStep > 0 ? -1 : 1;
            size = 1;
        } else {
            const double up = std::clamp(0.5 + 0.08 * (range.centre - cur), 0.15, 0.85);
            dir = rng.unit() < up ? 1 : -1;
        }
        int next = cur + dir * size;
        if (next < range.lo || next > range.hi) next = cur - dir * size;
        if (singable(style, cur, next)) return next;
    }
    return cur + (cur < range.centre ? 1 : -1);
}

// Continues `line` to `count` notes ending on `target`, reached by step.
void extendLine(SeededRandom& rng, const TuneStyle& style, std::vector<int>& line, std::size_t count,
                int target, Range range) {
    while (line.size() + 1 < count) {
        const std::size_t left = count - line.size();
        Range r = range;
        if (left <= 4) r.centre = target; // head for the cadence
        const int cur = line.back();
        const int prev = line.size() >= 2 ? cur - line[line.size() - 2] : 0;
        int next = nextDegree(rng, style, cur, prev, r);
        // No note three times running.
        if (line.size() >= 2 && next == cur && cur == line[line.size() - 2])
            next = cur + (cur < r.centre ? 1 : -1);
        line.push_back(next);
    }
    if (line.size() >= 2) {
        // The note before the last is a neighbour of the target, reached
        // singably and not sounding a third time running.
        const std::size_t at = line.size() - 1;
        const int before = line[at - 1];
        const bool repeated = at >= 2 && line[at - 2] == before;
        const int nearSide = before > target ? 1 : -1;
        auto fits = [&](int d) { return singable(style, before, d) && !(repeated && d == before); };
        const bool keep = std::abs(line[at] - target) == 1 && fits(line[at]);
        if (!keep)
            line[at] =
                fits(target + nearSide) || !fits(target - nearSide) ? target + nearSide : target - nearSide;
        // Where neither neighbour could be reached, bring the notes before it closer.
        for (std::size_t k = at; k >= 1 && !singable(style, line[k - 1], line[k]); --k)
            line[k - 1] += line[k - 1] > line[k] ? -1 : 1;
    }
    line.push_back(target);
}

// Lays a phrase out on the beat grid; `level` shapes the phrase's loudness,
// `grace` adds a quick upper neighbour before the final note, as a koto
// player's ornament.
void addPhrase(const TuneStyle& style, SeededRandom& rng, const Rhythm& rhythm,
               const std::vector<int>& degrees, double startBeat, double level, bool grace,
               std::vector<Note>& out) {
    double beat = startBeat;
    for (std::size_t i = 0; i < rhythm.size(); ++i) {
        const double len = rhythm[i] * 0.5;
        const bool strong = std::fmod(beat - startBeat, 2.0) == 0.0;
        const double vel = level * ((strong ? 0.85 : 0.72) + 0.06 * rng.symmetric());
        const bool last = i + 1 == rhythm.size();
        if (last && grace && degrees[i - 1] != degrees[i] + 1) {
            constexpr double g = 0.2;
            out.back().beats -= g;
            out.push_back({pitchOf(style, degrees[i] + 1), beat - g, g, 0.6 * vel});
        }
        out.push_back({pitchOf(style, degrees[i]), beat, len, vel});
        beat += len;
    }
}

// Pitch sounding in the melody at `beat`, or -1.
int melodyAt(const std::vector<Note>& melody, double beat) {
    for (const Note& n : melody)
        if (n.beat <= beat && beat < n.beat + n.beats) return n.pitch;
    return -1;
}

// Picks the first of `degrees` that makes no semitone or tritone with the melody.
int consonantDegree(const TuneStyle& style, const std::vector<Note>& melody, double beat,
                    std::initializer_list<int> degrees) {
    const int m = melodyAt(melody, beat);
    for (int d : degrees) {
        if (m < 0) return d;
        const int interval = ((m - pitchOf(style, d)) % 12 + 12) % 12;
        if (interval != 1 && interval != 11 && interval != 6 && interval != 2 && interval != 10) return d;
    }
    return *degrees.begin();
}

void addAccompaniment(Tune& tune, SeededRandom& rng) {
    const TuneStyle& s = tune.style;
    const double phrase = s.phraseBeats;
    const int low = kTonic - 5, lowFifth = kFifth - 5, mid = kTonic;
    const double end = tune.melody.back().beat;
    auto& acc = tune.accompaniment;
    for (int p = 0; p < 4; ++p) {
        const double b0 = p * phrase;
        if (s.lead == Voice::Koto) {
            // Sparse: a rolled open fifth on the phrase, one answering note halfway.
            acc.push_back({pitchOf(s, low), b0, phrase / 2, 0.5});
            acc.push_back({pitchOf(s, lowFifth), b0 + 0.12, phrase / 2, 0.38});
            const double half = b0 + phrase / 2;
            const int d = consonantDegree(s, tune.melody, half, {lowFifth, mid, low, kFourth - 5});
            acc.push_back({pitchOf(s, d), half, phrase / 2, 0.34 + 0.04 * rng.unit()});
        } else {
            // Under the flute: a slow koto figure on the tonic and fifth.
            const std::array<int, 4> figure = {low, lowFifth, mid, lowFifth};
            for (int k = 0; k < s.phraseBeats / 2; ++k) {
                const double b = b0 + 2.0 * k;
                if (b >= end) break;
                const int want = figure[static_cast<std::size_t>((p * 3 + k) % 4)];
                const int d = consonantDegree(s, tune.melody, b, {want, low, lowFifth, mid});
                acc.push_back({pitchOf(s, d), b, 2.0, (k == 0 ? 0.42 : 0.32) + 0.04 * rng.unit()});
            }
        }
    }
    // Closing rolled chord under the last note.
    acc.push_back({pitchOf(s, low), end, 4.0, 0.45});
    acc.push_back({pitchOf(s, lowFifth), end + 0.15, 4.0, 0.36});
    acc.push_back({pitchOf(s, mid), end + 0.30, 4.0, 0.32});
}

} // namespace

std::span<const int> scaleSteps(Scale scale) {
    switch (scale) {
    case Scale::Miyako:
        return kMiyako;
    case Scale::Yo:
        return kYo;
    case Scale::Minyo:
        return kMinyo;
    case Scale::Ryukyu:
        return kRyukyu;
    case Scale::Hirajoshi:
        return kHirajoshi;
    }
    return kYo;
}

const TuneStyle& tuneStyle(int index) {
    if (index < 0 || index >= kTuneCount) throw std::out_of_range("tune index " + std::to_string(index));
    return kStyles[static_cast<std::size_t>(index)];
}

Tune composeTune(int index) {
    return composeTune(tuneStyle(index));
}

Tune composeTune(const TuneStyle& style) {
    SeededRandom rng(style.seed);
    const auto& rhythms = style.phraseBeats == 6 ? kRhythms6 : kRhythms8;
    const Rhythm& rhythmA = rhythms[static_cast<std::size_t>(rng.below(static_cast<int>(rhythms.size())))];
    Rhythm rhythmB;
    do {
        rhythmB = rhythms[static_cast<std::size_t>(rng.below(static_cast<int>(rhythms.size())))];
    } while (rhythmB == rhythmA);

    const int top = style.lead == Voice::Flute ? 9 : 8;
    const Range home{-1, 7, 3};
    const Range high{3, top, 6};

    std::vector<int> a{std::array<int, 3>{kTonic, kFourth, kFifth}[static_cast<std::size_t>(rng.below(3))]};
    extendLine(rng, style, a, rhythmA.size(), kFifth, home);

    const std::size_t half = rhythmA.size() / 2;
    std::vector<int> a2(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(half));
    extendLine(rng, style, a2, rhythmA.size(), kFourth, home);

    std::vector<int> b{kFifth + 2 + rng.below(2)};
    extendLine(rng, style, b, rhythmB.size(), kFifth + (rng.unit() < 0.5 ? 0 : 5), high);

    std::vector<int> a3(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(half));
    extendLine(rng, style, a3, rhythmA.size(), kTonic + (a.front() >= kFifth ? 5 : 0), home);

    Tune tune{style, {}, {}, 0};
    const double p = style.phraseBeats;
    const bool koto = style.lead == Voice::Koto;
    addPhrase(style, rng, rhythmA, a, 0 * p, 0.92, false, tune.melody);
    addPhrase(style, rng, rhythmA, a2, 1 * p, 0.86, koto, tune.melody);
    addPhrase(style, rng, rhythmB, b, 2 * p, 1.0, koto, tune.melody);
    addPhrase(style, rng, rhythmA, a3, 3 * p, 0.9, false, tune.melody);
    tune.melody.back().beats += 2.0; // hold the final note
    tune.melody.back().velocity = 0.8;
    tune.totalBeats = tune.melody.back().beat + tune.melody.back().beats;
    addAccompaniment(tune, rng);
    return tune;
}

} // namespace hoshi::assets
