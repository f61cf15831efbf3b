#include "tunesynth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "seededrandom.h"

namespace hoshi::assets {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double frequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

void addKoto(std::vector<float>& out, double startSec, double freq, double velocity, int sr,
             SeededRandom& rng) {
    // Loss per period for the wanted decay time; the loop low-pass
    // y = (1-s)x[n] + s x[n-1] takes up to half of it (in dB) and s stays
    // below 0.3, so the upper partials ring on as a koto's do; a gain rho
    // supplies the rest.
    const double t60 = std::clamp(5.0 * std::pow(262.0 / freq, 0.4), 2.0, 7.0);
    const double perPeriod = std::pow(0.001, 1.0 / (t60 * freq));
    const double w = kTwoPi * freq / sr;
    const double q = std::min(0.25, (1.0 - perPeriod) / (2.0 * (1.0 - std::cos(w))));
    const double s = std::min(0.3, 0.5 * (1.0 - std::sqrt(1.0 - 4.0 * q)));
    const double filterGain = std::sqrt(1.0 - 2.0 * s * (1.0 - s) * (1.0 - std::cos(w)));
    const double rho = perPeriod / filterGain;
    const double filterDelay = std::atan2(s * std::sin(w), 1.0 - s + s * std::cos(w)) / w;

    // Loop delay = N samples + low-pass delay + all-pass fraction.
    const double period = sr / freq;
    int n = static_cast<int>(std::floor(period - filterDelay));
    double frac = period - filterDelay - n;
    if (frac < 0.1) {
        --n;
        frac += 1.0;
    }
    const double c = (1.0 - frac) / (1.0 + frac);

    // Excitation: noise low-passed a few harmonics above the note (more when
    // louder), combed for a pluck near the bridge.
    std::vector<double> line(static_cast<std::size_t>(n));
    const double bright = 1.0 - std::exp(-kTwoPi * freq * (2.5 + 4.0 * velocity) / sr);
    double lp1 = 0, lp2 = 0;
    for (double& v : line) {
        lp1 += bright * (rng.symmetric() - lp1);
        lp2 += bright * (lp1 - lp2);
        v = lp2;
    }
    const int pick = std::max(1, static_cast<int>(n * 0.18));
    for (int i = n - 1; i >= pick; --i)
        line[static_cast<std::size_t>(i)] -= line[static_cast<std::size_t>(i - pick)];
    double mean = 0, energy = 1e-12;
    for (double v : line) mean += v;
    mean /= n;
    for (double& v : line) {
        v -= mean;
        energy += v * v;
    }
    const double rms = std::sqrt(energy / n);
    for (double& v : line) v *= 0.5 * velocity / rms;

    const auto start = static_cast<std::size_t>(std::lround(std::max(0.0, startSec) * sr));
    const auto length = static_cast<std::size_t>(t60 * sr);
    const std::size_t fadeLen = static_cast<std::size_t>(0.05 * sr);
    double prev = 0, apIn = 0, apOut = 0, dcIn = 0, dcOut = 0;
    std::size_t idx = 0;
    for (std::size_t i = 0; i < length && start + i < out.size(); ++i) {
        const double y = line[idx];
        const double avg = rho * ((1.0 - s) * y + s * prev);
        prev = y;
        const double ap = c * avg + apIn - c * apOut;
        apIn = avg;
        apOut = ap;
        line[idx] = ap;
        idx = (idx + 1) % line.size();
        // Remove any DC the excitation left.
        dcOut = y - dcIn + 0.995 * dcOut;
        dcIn = y;
        double g = 1.0;
        if (i + fadeLen > length) g = static_cast<double>(length - i) / fadeLen;
        out[start + i] += static_cast<float>(dcOut * g);
    }
}

struct Biquad {
    double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    static Biquad bandpass(double f, double q, int sr) {
        const double w = kTwoPi * f / sr, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        Biquad bq;
        bq.b0 = alpha / a0;
        bq.b2 = -alpha / a0;
        bq.a1 = -2 * std::cos(w) / a0;
        bq.a2 = (1 - alpha) / a0;
        return bq;
    }
    double operator()(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

void addFlute(std::vector<float>& out, double startSec, double lengthSec, double freq, double velocity,
              int sr, SeededRandom& rng) {
    const double attack = 0.07, release = 0.16;
    const auto start = static_cast<std::size_t>(std::lround(std::max(0.0, startSec) * sr));
    const auto count = static_cast<std::size_t>((lengthSec + release) * sr);
    Biquad breath = Biquad::bandpass(freq, 4.0, sr);
    Biquad air = Biquad::bandpass(std::min(freq * 3.0, 0.4 * sr), 1.2, sr);
    const double vibRate = 4.8 + 0.8 * rng.unit();
    double phase = 0;
    for (std::size_t i = 0; i < count && start + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sr;
        double env;
        if (t < attack)
            env = 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
        else if (t < lengthSec)
            env = 1.0 - 0.15 * (t - attack) / std::max(lengthSec, 0.2);
        else
            env = (1.0 - 0.15 * (lengthSec - attack) / std::max(lengthSec, 0.2)) *
                  (0.5 + 0.5 * std::cos(std::numbers::pi * (t - lengthSec) / release));
        const double scoop = t < 0.09 ? -0.025 * (1.0 - t / 0.09) : 0.0;
        const double vibDepth = 0.005 * std::clamp((t - 0.3) / 0.4, 0.0, 1.0);
        const double f = freq * (1.0 + scoop + vibDepth * std::sin(kTwoPi * vibRate * t));
        phase += kTwoPi * f / sr;
        if (phase > kTwoPi) phase -= kTwoPi;
        const double tone = std::sin(phase) + 0.32 * env * std::sin(2 * phase) + 0.11 * std::sin(3 * phase) +
                            0.04 * env * std::sin(4 * phase);
        const double noise = rng.symmetric();
        const double chiff = 0.6 * std::exp(-t / 0.03);
        const double sample = env * (0.85 * tone + (0.9 + 6.0 * chiff) * breath(noise) + 0.25 * air(noise));
        out[start + i] += static_cast<float>(velocity * sample);
    }
}

// Schroeder reverb: four damped combs in parallel, two all-passes in series.
void addReverb(std::vector<float>& buf, int sr, double wet) {
    const double scale = sr / 22050.0;
    const std::array<int, 4> combLen = {558, 594, 639, 678};
    const std::array<int, 2> apLen = {278, 170};
    std::vector<double> acc(buf.size(), 0.0);
    for (int len0 : combLen) {
        const auto len = static_cast<std::size_t>(len0 * scale);
        std::vector<double> d(len, 0.0);
        double damp = 0;
        std::size_t k = 0;
        for (std::size_t i = 0; i < buf.size(); ++i) {
            const double y = d[k];
            damp = 0.7 * y + 0.3 * damp;
            d[k] = buf[i] + 0.80 * damp;
            k = (k + 1) % len;
            acc[i] += y * 0.25;
        }
    }
    for (int len0 : apLen) {
        const auto len = static_cast<std::size_t>(len0 * scale);
        std::vector<double> d(len, 0.0);
        std::size_t k = 0;
        for (double& v : acc) {
            const double delayed = d[k];
            const double in = v + 0.5 * delayed;
            d[k] = in;
            v = delayed - 0.5 * in;
            k = (k + 1) % len;
        }
    }
    for (std::size_t i = 0; i < buf.size(); ++i) buf[i] += static_cast<float>(wet * acc[i]);
}

} // namespace

double tuneSeconds(const Tune& tune) {
    return tune.totalBeats * 60.0 / tune.style.bpm + kTailSeconds;
}

std::vector<float> renderTune(const Tune& tune, int sampleRate) {
    const double beatSec = 60.0 / tune.style.bpm;
    std::vector<float> mix(static_cast<std::size_t>(tuneSeconds(tune) * sampleRate), 0.0f);
    SeededRandom rng(tune.style.seed * 7919ull + 1);

    for (const Note& n : tune.melody) {
        const double at = n.beat * beatSec;
        if (tune.style.lead == Voice::Flute) {
            const double len = std::max(0.1, n.beats * beatSec - 0.06);
            addFlute(mix, at, len, frequency(n.pitch), 0.5 * n.velocity, sampleRate, rng);
        } else {
            addKoto(mix, at + 0.006 * rng.symmetric(), frequency(n.pitch), n.velocity, sampleRate, rng);
        }
    }
    for (const Note& n : tune.accompaniment)
        addKoto(mix, n.beat * beatSec + 0.006 * rng.symmetric(), frequency(n.pitch), 0.6 * n.velocity,
                sampleRate, rng);

    addReverb(mix, sampleRate, 0.22);

    // Short fade in, raised-cosine fade over the last two seconds.
    const std::size_t in = static_cast<std::size_t>(0.005 * sampleRate);
    const std::size_t fade = std::min(mix.size(), static_cast<std::size_t>(2.0 * sampleRate));
    for (std::size_t i = 0; i < in && i < mix.size(); ++i) mix[i] *= static_cast<float>(i) / in;
    for (std::size_t i = 0; i < fade; ++i) {
        const double g = 0.5 + 0.5 * std::cos(std::numbers::pi * (i + 1) / fade);
        mix[mix.size() - fade + i] *= static_cast<float>(g);
    }

    // Same loudness for every tune unless that would put a peak above kPeakLevel.
    double peak = 1e-9, energy = 0;
    for (float v : mix) {
        peak = std::max(peak, static_cast<double>(std::abs(v)));
        energy += static_cast<double>(v) * v;
    }
    const double rms = std::sqrt(energy / static_cast<double>(std::max<std::size_t>(mix.size(), 1)));
    const auto gain = static_cast<float>(std::min(kTargetRms / std::max(rms, 1e-9), kPeakLevel / peak));
    for (float& v : mix) v *= gain;
    return mix;
}

std::vector<std::int16_t> toPcm16(const std::vector<float>& samples) {
    std::vector<std::int16_t> pcm(samples.size());
    std::transform(samples.begin(), samples.end(), pcm.begin(), [](float v) {
        const long s = std::lround(std::clamp(static_cast<double>(v), -1.0, 1.0) * 32767.0);
        return static_cast<std::int16_t>(s);
    });
    return pcm;
}

} // namespace hoshi::assets
