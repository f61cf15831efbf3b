// The calendar store: opening the generated day table (bin/db beside this
// program), and the board run over all its records: decode and calculate,
// and with the snapshot the screens, reports and detail windows read.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "boardrun.h"
#include "calendartable.h"
#include "hoshimidb1.h"
#include "patterntexts.h"
#include "programfile.h"

using namespace hoshi;

namespace {

QString calendarFolder() {
    return programFile(QStringLiteral("db"));
}

const QString& dayFileName() {
    static const std::string_view file = schema::info(schema::TableKind::Day).fileName;
    static const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
    return name;
}

// The day table as the program opens it at every start (its key index already there).
void BM_OpenDayTable(benchmark::State& state) {
    CalendarTable table(schema::TableKind::Day);
    for (auto _ : state) {
        table.open(calendarFolder());
        benchmark::DoNotOptimize(table.recordCount());
        state.counters["records"] = table.recordCount();
        table.close();
    }
}

// The first start after generation: the open also builds the key index.
void BM_OpenDayTableFirstTime(benchmark::State& state) {
    QTemporaryDir dir;
    CalendarTable table(schema::TableKind::Day);
    const QString copy = dir.path() + "/" + dayFileName();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        QFile::copy(calendarFolder() + "/" + dayFileName(), copy);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "drop-index");
            db.setDatabaseName(copy);
            db.open();
            QSqlQuery(db).exec("DROP INDEX IF EXISTS \"day\"");
            db.close();
        }
        QSqlDatabase::removeDatabase("drop-index");
        state.ResumeTiming();
        table.open(dir.path());
        benchmark::DoNotOptimize(table.recordCount());
        state.PauseTiming();
        table.close();
        state.ResumeTiming();
    }
}

// The three tables, as the store opens them at start-up.
void BM_OpenStore(benchmark::State& state) {
    for (auto _ : state) {
        Thoshimidb1 store;
        auto error = store.hoshimidb1Create(calendarFolder());
        if (error) state.SkipWithError(error->toStdString().c_str());
        benchmark::DoNotOptimize(store.Table1.recordCount());
    }
}

struct QuietSink : MessageSink {
    void information(const std::string&) override {}
};

// The generated day table, open, with the day and hour runs for its records.
struct OpenDays {
    CalendarTable table{schema::TableKind::Day};
    Calculators calc;
    QuietSink sink;
    TKanMo1 kanmo{sink};
    BoardRun day{BoardKind::day, calc, kanmo};
    BoardRun hour{BoardKind::hour, calc, kanmo};
    int row = 0;
    OpenDays() {
        assignPatternTexts(calc.kyokaku);
        table.open(calendarFolder());
    }
    // The records in turn, the first again after the last.
    const CalendarRecord& next() {
        const CalendarRecord& r = table.record(row);
        if (++row == table.recordCount()) row = 0;
        return r;
    }
};

// Decode and calculate every day record in turn: one record per iteration.
void BM_DecodeKeisanDay(benchmark::State& state) {
    OpenDays d;
    for (auto _ : state) {
        d.day.decode(d.next());
        d.day.calculate();
        benchmark::DoNotOptimize(d.calc.dayban.kitikaku);
    }
    state.SetItemsProcessed(state.iterations());
}

// Decode, calculate and snapshot every day record in turn.
void BM_DaySnapshot(benchmark::State& state) {
    OpenDays d;
    for (auto _ : state) {
        BoardSnapshot s = d.day.run(d.next());
        benchmark::DoNotOptimize(s.palaces[1].lines.size());
    }
    state.SetItemsProcessed(state.iterations());
}

// Decoding alone, every day record in turn.
void BM_DecodeDay(benchmark::State& state) {
    OpenDays d;
    for (auto _ : state) {
        d.day.decode(d.next());
        benchmark::DoNotOptimize(d.calc.dayban.kyoku);
    }
    state.SetItemsProcessed(state.iterations());
}

// The hour boards, slot 1..12 of each day record in turn; with the
// snapshot when the argument is 1.
void BM_DecodeKeisanHour(benchmark::State& state) {
    OpenDays d;
    const bool snapshot = state.range(0) != 0;
    const CalendarRecord* record = &d.next();
    int slot = 1;
    for (auto _ : state) {
        if (snapshot) {
            BoardSnapshot s = d.hour.run(*record, slot);
            benchmark::DoNotOptimize(s.palaces[1].lines.size());
        } else {
            d.hour.decode(*record, slot);
            d.hour.calculate();
            benchmark::DoNotOptimize(d.calc.jiban.kitikaku);
        }
        if (++slot > 12) {
            slot = 1;
            record = &d.next();
        }
    }
    state.SetItemsProcessed(state.iterations());
}

// The whole sweep once: every day record decoded and calculated.
void BM_DayTableSweep(benchmark::State& state) {
    OpenDays d;
    const int n = d.table.recordCount();
    for (auto _ : state) {
        for (int i = 0; i < n; ++i) {
            d.day.decode(d.next());
            d.day.calculate();
        }
        benchmark::DoNotOptimize(d.calc.dayban.kitikaku);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

} // namespace

BENCHMARK(BM_OpenDayTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDayTableFirstTime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeDay);
BENCHMARK(BM_DecodeKeisanDay);
BENCHMARK(BM_DaySnapshot);
BENCHMARK(BM_DecodeKeisanHour)->ArgName("snapshot")->Arg(0)->Arg(1);
BENCHMARK(BM_DayTableSweep)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QCoreApplication app(argc, argv);
    if (!QFile::exists(calendarFolder() + "/" + dayFileName())) {
        fprintf(stderr, "store_bench: no day table in %s\n", qPrintable(calendarFolder()));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
