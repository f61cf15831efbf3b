#pragma once
// A small calendar, the calculators and the reading content for screen
// tests; error boxes and stem-lookup messages are recorded, not shown.

#include <QStringList>
#include <QTemporaryDir>

#include "calculators.h"
#include "calendarfixture.h"
#include "errorbox.h"
#include "hoshimidb1.h"
#include "kanmo1.h"
#include "patterntexts.h"

namespace hoshi::test {

inline QStringList& reportedErrors() {
    static QStringList errors;
    return errors;
}

struct RecordingSink : MessageSink {
    QStringList messages;
    void information(const std::string& text) override { messages << QString::fromStdString(text); }
};

// Day records: 丙寅 yang ju 1 (no pattern), 乙丑 yang ju 8 (patterns in palaces 1 and 2), 丙寅 again.
inline const std::vector<std::vector<std::string>> fixtureDays = {
    {"2001/05/03", "丙寅", "陽", "1", "立夏", "中元", "05/05", "20:39"},
    {"2001/05/04", "乙丑", "陽", "8", "冬至", "上元", "05/05", "20:39"},
    {"2001/05/05", "丙寅", "陰", "1", "立夏", "中元", "05/05", "20:39"},
};
inline const std::vector<std::vector<std::string>> fixtureMonths = {
    {"2000/12", "戊子", "陰", "4"}, {"2001/01", "己丑", "陰", "3"}, {"2001/02", "庚寅", "陽", "2"}};
inline const std::vector<std::vector<std::string>> fixtureYears = {
    {"1984", "甲子", "陰", "5"}, {"2000", "庚辰", "陰", "9"}, {"2001", "辛巳", "陽", "8"}};

struct ScreenFixture {
    QTemporaryDir dir;
    Calculators calc;
    RecordingSink sink;
    TKanMo1 kanmo{sink};
    Thoshimidb1 store;

    // `days`: the day table (a test may put a record in it that a post
    // would refuse, as stored tables may hold).
    explicit ScreenFixture(const std::vector<std::vector<std::string>>& days = fixtureDays) {
        writeCalendarTable(dir.path(), schema::TableKind::Day, days);
        writeCalendarTable(dir.path(), schema::TableKind::Month, fixtureMonths);
        writeCalendarTable(dir.path(), schema::TableKind::Year, fixtureYears);
        assignPatternTexts(calc.kyokaku);
        if (auto e = store.hoshimidb1Create(dir.path())) throw std::runtime_error(e->toStdString());
        setErrorBoxHandler([](QWidget*, const QString& text) { reportedErrors() << text; });
        reportedErrors().clear();
    }
    ~ScreenFixture() { setErrorBoxHandler(nullptr); }
};

} // namespace hoshi::test
