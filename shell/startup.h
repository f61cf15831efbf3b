#pragma once
// What start-up takes from the world: today's date, the splash wait, the
// start-up tune, the screen's size, the calendar folder, the error report.
// The program uses the real ones; tests put in their own.

#include <QDate>
#include <QSize>
#include <QString>
#include <functional>

#include "datetext.h"

namespace hoshi {

struct Startup {
    std::function<QDate()> today;
    std::function<void(int ms)> splashWait;            // blocks, processing no window messages
    std::function<void(const QString& file)> playTune; // asynchronous; a missing file or device is no error
    std::function<QSize()> screenSize;
    QString calendarFolder;

    // The program's own: the clock, a blocking wait on the tick counter,
    // the system's sound, the primary screen, "db" beside the program.
    static Startup program();
};

// Loads Qt's own Japanese texts (buttons of message boxes, the print and
// file dialogs) into the application. False when they are not installed.
bool loadJapaneseTranslations();

// The tune of the day: "BGM" + the tenth character of the date text (the
// last digit of the day of the month) + ".wav".
QString tuneOfTheDay(const QDate& day);

} // namespace hoshi
