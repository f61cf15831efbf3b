// Reading the settings file when one of its lines is a run of bytes that
// are not Shift-JIS: the read must stay linear in the line's length.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "profilefile.h"

namespace {

void BM_ReadPastABadLine(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hoshimi.ini"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("[junk]\r\nx=");
        f.write(QByteArray(static_cast<qsizetype>(state.range(0)), '\xFF'));
        f.write("\r\n[owner]\r\ntitle=Office\r\ntel=03\r\n");
    }
    hoshi::ProfileFile file(path);
    for (auto _ : state) benchmark::DoNotOptimize(file.read(u"owner", u"tel", QString()));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_ReadPastABadLine)->Arg(1 << 16)->Arg(2 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
