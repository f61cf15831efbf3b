// keisan of each board kind, patterns included, cycling through inputs so
// that no branch is always predicted the same way.
#include <benchmark/benchmark.h>

#include "dayban.h"
#include "jiban.h"
#include "nenban.h"
#include "tukiban.h"

using namespace hoshi;

namespace {

struct Engine {
    Tkyokaku kyokaku;
    Tnenban nen;
    Ttukiban tuki;
    Tdayban day;
    Tjiban ji;
    Engine() {
        nen.kyokaku = tuki.kyokaku = day.kyokaku = ji.kyokaku = &kyokaku;
        tuki.nenban = &nen;
    }
};

void BM_YearKeisan(benchmark::State& state) {
    Engine e;
    int y = 1900;
    for (auto _ : state) {
        e.nen.nen = y;
        e.nen.nenKansi();
        e.nen.keisan();
        benchmark::DoNotOptimize(e.nen.kitikaku);
        y = y == 2100 ? 1900 : y + 1;
    }
}
BENCHMARK(BM_YearKeisan);

void BM_MonthKeisan(benchmark::State& state) {
    Engine e;
    e.nen.nen = 2001;
    e.nen.nenKansi();
    int n = 1;
    for (auto _ : state) {
        auto [kan, si] = kansiOf(n);
        e.tuki.kan = kan;
        e.tuki.si = si;
        e.tuki.kyoku = n % 9 + 1;
        e.tuki.keisan();
        benchmark::DoNotOptimize(e.tuki.kitikaku);
        n = n % 60 + 1;
    }
}
BENCHMARK(BM_MonthKeisan);

void BM_DayKeisan(benchmark::State& state) {
    Engine e;
    int n = 1;
    for (auto _ : state) {
        auto [kan, si] = kansiOf(n);
        e.day.kan = kan;
        e.day.si = si;
        e.day.inyou = n & 1;
        e.day.kyoku = n % 9 + 1;
        e.day.sekkiPalace = outerPalaces[static_cast<std::size_t>(n % 8)];
        e.day.tukikan = n % 10 + 1;
        e.day.keisan();
        benchmark::DoNotOptimize(e.day.kitikaku);
        n = n % 60 + 1;
    }
}
BENCHMARK(BM_DayKeisan);

void BM_HourKeisan(benchmark::State& state) {
    Engine e;
    int n = 1, jisi = 1, sekki = 0;
    for (auto _ : state) {
        auto [kan, si] = kansiOf(n);
        e.ji.nitikan = kan;
        e.ji.nitisi = si;
        e.ji.jisi = jisi;
        e.ji.sekkiNo = sekki;
        e.ji.sangen = n % 3 + 1;
        e.ji.sekkiPalace = sekkiPalace(sekki);
        e.ji.keisan();
        benchmark::DoNotOptimize(e.ji.kitikaku);
        n = n % 60 + 1;
        jisi = jisi % 12 + 1;
        sekki = (sekki + 7) % 24;
    }
}
BENCHMARK(BM_HourKeisan);

} // namespace
