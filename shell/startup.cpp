#include "startup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QThread>
#include <QTranslator>

#include "hoshimidb1.h"
#include "programfile.h"
#include "tuneplayer.h"

namespace hoshi {

bool loadJapaneseTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

QString tuneOfTheDay(const QDate& day) {
    return QStringLiteral("BGM%1.wav").arg(dateText(day).at(9));
}

namespace {

// The wait counts on a monotonic tick counter, so it lasts its time also
// when a 32-bit millisecond counter would wrap during it.
void blockingWait(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(20, ms - timer.elapsed())));
}

void playAsync(const QString& file) {
    static TunePlayer* player = nullptr; // plays on after start-up; goes with the application
    if (!player) player = new TunePlayer(qApp);
    player->play(programFile(file));
}

} // namespace

Startup Startup::program() {
    Startup s;
    s.today = [] { return QDate::currentDate(); };
    s.splashWait = blockingWait;
    s.playTune = playAsync;
    s.screenSize = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize(1024, 768);
    };
    s.calendarFolder = programFile(QStringLiteral("db"));
    return s;
}

} // namespace hoshi
