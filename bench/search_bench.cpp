// The purpose search's worst case: a rule that never accepts, scanned from
// the first record of the generated calendar (bin/db beside this program)
// to its end. The hour search calculates 7 boards per day.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>

#include "patterntexts.h"
#include "programfile.h"
#include "purposesearch.h"
#include "tablesearchboard.h"

using namespace hoshi;

namespace {

struct QuietSink : MessageSink {
    void information(const std::string&) override {}
};

constexpr std::array<Kitikaku, 1> never = {Kitikaku::count_}; // no palace carries it

void BM_SearchToTheEnd(benchmark::State& state) {
    const auto kind = static_cast<BoardKind>(state.range(0));
    QuietSink sink;
    TKanMo1 kanmo(sink);
    Calculators calc;
    assignPatternTexts(calc.kyokaku);
    CalendarTable table(boardKind(kind).table);
    table.open(programFile(QStringLiteral("db")));
    BoardRun run(kind, calc, kanmo);
    TableSearchBoard board(table, run);
    const PurposeSearch search(kind, SearchRule{never, {}, {}}, kanmo);
    for (auto _ : state) {
        table.first();
        SearchLabels labels;
        if (search.next(board, labels) != ScanEnd::ran_off) state.SkipWithError("the scan did not run off");
    }
    const int boards = table.recordCount() * (kind == BoardKind::hour ? 7 : 1);
    state.counters["boards"] = boards;
    state.SetItemsProcessed(state.iterations() * boards);
}

} // namespace

BENCHMARK(BM_SearchToTheEnd)
    ->ArgName("kind")
    ->Arg(static_cast<int>(BoardKind::year))
    ->Arg(static_cast<int>(BoardKind::month))
    ->Arg(static_cast<int>(BoardKind::day))
    ->Arg(static_cast<int>(BoardKind::hour))
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QCoreApplication app(argc, argv);
    if (!QFile::exists(programFile(QStringLiteral("db")))) {
        fprintf(stderr, "search_bench: no calendar in %s\n", qPrintable(programFile(QStringLiteral("db"))));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
