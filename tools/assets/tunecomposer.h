#pragma once
// Composes the ten start-up tunes as note lists. Each tune is four phrases
// in the form A A' B A'' on a five-note Japanese scale: A opens on the
// fifth, A' repeats A's first half and settles on the fourth, B rises to
// the upper register, A'' returns and closes on the tonic. A seeded random
// walk, mostly by step, picks the pitches; a low koto part marks the
// phrases. Everything follows from the style table, so every build
// composes the same tunes.

#include <cstdint>
#include <span>
#include <vector>

namespace hoshi::assets {

enum class Scale { Miyako, Yo, Minyo, Ryukyu, Hirajoshi };
enum class Voice { Koto, Flute };

struct TuneStyle {
    Scale scale;
    Voice lead;
    int root;        // MIDI note of the tonic
    double bpm;      // beats per minute
    int phraseBeats; // 6 or 8
    std::uint32_t seed;
};

struct Note {
    int pitch;       // MIDI note number
    double beat;     // onset, in beats from the start
    double beats;    // written length in beats
    double velocity; // 0..1
};

struct Tune {
    TuneStyle style;
    std::vector<Note> melody;
    std::vector<Note> accompaniment;
    double totalBeats = 0; // end of the last written note
};

inline constexpr int kTuneCount = 10;

// Semitones above the tonic of the scale's five degrees.
std::span<const int> scaleSteps(Scale scale);

const TuneStyle& tuneStyle(int index);
Tune composeTune(int index); // index 0..9
Tune composeTune(const TuneStyle& style);

} // namespace hoshi::assets
