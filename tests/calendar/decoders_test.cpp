#include <gtest/gtest.h>

#include "decoders.h"

using namespace hoshi;

namespace {

CalendarRecord dayRecord(const std::string& key, const std::string& kansi, const std::string& inyou,
                         const std::string& kyoku, const std::string& sekki, const std::string& sangen) {
    CalendarRecord r;
    r.f = {key, kansi, inyou, kyoku, sekki, sangen, "05/05", "10:00"};
    return r;
}

CalendarRecord shortRecord(const std::string& key, const std::string& kansi, const std::string& kyoku) {
    CalendarRecord r;
    r.f[0] = key;
    r.f[1] = kansi;
    r.f[2] = "陰";
    r.f[3] = kyoku;
    return r;
}

} // namespace

TEST(DayDecoder, DecodesEveryInput) {
    Tdayban d;
    decodeDayRecord(dayRecord("2001/05/03", "甲子", "陽", "3局", "立夏", "上元"), d);
    EXPECT_EQ(d.nen, 2001);
    EXPECT_EQ(d.tuki, 5);
    EXPECT_EQ(d.niti, 3);
    EXPECT_EQ(d.sekkiPalace, 1);
    EXPECT_EQ(d.nenkan, 8);  // 辛巳 year
    EXPECT_EQ(d.tukikan, 9); // 壬辰 month: 3 May lies before 立夏
    EXPECT_EQ(d.kan, 1);
    EXPECT_EQ(d.si, 1);
    EXPECT_EQ(d.inyou, 1);
    EXPECT_EQ(d.kyoku, 3);
    decodeDayRecord(dayRecord("2001/05/04", "癸亥", "陰", "9", "處暑", "上元"), d);
    EXPECT_EQ(d.kan, 10);
    EXPECT_EQ(d.si, 12);
    EXPECT_EQ(d.inyou, 0);
    EXPECT_EQ(d.sekkiPalace, 3);
}

TEST(DayDecoder, ModernTermFormKeepsThePreviousPalace) {
    Tdayban d;
    decodeDayRecord(dayRecord("2001/08/23", "甲子", "陰", "3", "處暑", "上元"), d);
    decodeDayRecord(dayRecord("2001/08/24", "乙丑", "陰", "2", "処暑", "上元"), d);
    EXPECT_EQ(d.sekkiPalace, 3);
    EXPECT_EQ(d.kan, 2);
}

TEST(DayDecoder, FailuresAndTheirKinds) {
    struct Case {
        const char* what;
        CalendarRecord r;
        bool conversion;
    };
    const Case cases[] = {
        {"empty record", CalendarRecord{}, true},
        {"month 13", dayRecord("2001/13/03", "甲子", "陽", "3", "立夏", "上元"), false},
        {"day 32", dayRecord("2001/05/32", "甲子", "陽", "3", "立夏", "上元"), false},
        {"year text", dayRecord("20x1/05/03", "甲子", "陽", "3", "立夏", "上元"), true},
        {"branch as stem", dayRecord("2001/05/03", "子子", "陽", "3", "立夏", "上元"), false},
        {"stem as branch", dayRecord("2001/05/03", "甲乙", "陽", "3", "立夏", "上元"), false},
        {"dun", dayRecord("2001/05/03", "甲子", "陰陽", "3", "立夏", "上元"), false},
        {"full-width ju", dayRecord("2001/05/03", "甲子", "陽", "１", "立夏", "上元"), true},
        {"empty ju", dayRecord("2001/05/03", "甲子", "陽", "", "立夏", "上元"), true},
    };
    for (const auto& c : cases) {
        Tdayban d;
        if (c.conversion)
            EXPECT_THROW(decodeDayRecord(c.r, d), ConversionError) << c.what;
        else
            EXPECT_THROW(decodeDayRecord(c.r, d), OutOfRangeError) << c.what;
    }
}

TEST(DayDecoder, EarlierStepsKeepTheirValues) {
    Tdayban d;
    EXPECT_THROW(decodeDayRecord(dayRecord("1999/12/31", "甲子", "X", "3", "冬至", "上元"), d),
                 OutOfRangeError);
    EXPECT_EQ(d.nen, 1999);
    EXPECT_EQ(d.sekkiPalace, 8);
    EXPECT_EQ(d.kan, 1); // 干支 comes before 陰陽
}

TEST(HourDecoder, DecodesAndFails) {
    Tjiban j;
    decodeHourRecord(dayRecord("2001/05/03", "丙寅", "陽", "1", "立夏", "中元"), 8, j);
    EXPECT_EQ(j.jisi, 8);
    EXPECT_EQ(j.nitikan, 3);
    EXPECT_EQ(j.nitisi, 3);
    EXPECT_EQ(j.sekkiNo, 9);
    EXPECT_EQ(j.sekkiPalace, 1);
    EXPECT_EQ(j.sangen, 2);
    decodeHourRecord(dayRecord("2001/12/22", "丙寅", "陽", "1", "冬至", "中元"), 1, j);
    EXPECT_EQ(j.sekkiNo, 0); // the first 冬至, never the 25th entry

    EXPECT_THROW(decodeHourRecord(dayRecord("2001/05/03", "丙寅", "陽", "1", "処暑", "中元"), 8, j),
                 OutOfRangeError);
    EXPECT_THROW(decodeHourRecord(dayRecord("2001/05/03", "丙寅", "陽", "1", "立夏", "中"), 8, j),
                 OutOfRangeError);
    EXPECT_THROW(decodeHourRecord(dayRecord("2001/05/03", "丙寅", "陽", "1", "立夏", "中元"), 13, j),
                 OutOfRangeError);
    EXPECT_THROW(decodeHourRecord(dayRecord("2001/05/03", "丙寅", "陽", "1", "立夏", "中元"), 0, j),
                 OutOfRangeError);
    // The hour decoder reads neither 陰陽 nor 局.
    EXPECT_NO_THROW(decodeHourRecord(dayRecord("2001/05/03", "丙寅", "?", "?", "立夏", "中元"), 8, j));
}

TEST(MonthDecoder, SolarYearOfTheMonth) {
    Tnenban n;
    Ttukiban t;
    decodeMonthRecord(shortRecord("2001/01", "己丑", "3"), t, n);
    EXPECT_EQ(n.nen, 2000);
    EXPECT_EQ(n.kan, 7); // 庚辰
    EXPECT_EQ(n.si, 5);
    EXPECT_EQ(t.nen, 2001);
    EXPECT_EQ(t.tuki, 1);
    EXPECT_EQ(t.kan, 6);
    EXPECT_EQ(t.kyoku, 3);
    decodeMonthRecord(shortRecord("2001/02", "庚寅", "2"), t, n);
    EXPECT_EQ(n.nen, 2001);
    EXPECT_THROW(decodeMonthRecord(shortRecord("2001/00", "庚寅", "2"), t, n), OutOfRangeError);
    // A failure after the year step leaves the year calculator on the new year.
    EXPECT_THROW(decodeMonthRecord(shortRecord("2003/05", "X寅", "2"), t, n), OutOfRangeError);
    EXPECT_EQ(n.nen, 2003);
    EXPECT_EQ(n.kan, 10);
}

TEST(YearDecoder, DecodesAndFails) {
    Tnenban n;
    decodeYearRecord(shortRecord("1984", "甲子", "5"), n);
    EXPECT_EQ(n.nen, 1984);
    EXPECT_EQ(n.kan, 1);
    EXPECT_EQ(n.kyoku, 5);
    EXPECT_THROW(decodeYearRecord(shortRecord("", "甲子", "5"), n), ConversionError);
    EXPECT_THROW(decodeYearRecord(shortRecord("1984年", "甲子", "5"), n), ConversionError);
}

TEST(CalendarUtilities, StemNumber) {
    EXPECT_EQ(stemNumber("甲"), 1);
    EXPECT_EQ(stemNumber("癸"), 10);
    EXPECT_EQ(stemNumber(""), 0);
    EXPECT_EQ(stemNumber("子"), 0);
    EXPECT_EQ(stemNumber("甲子"), 0);
}

TEST(CalendarUtilities, RisshunAndSetsuiri) {
    EXPECT_EQ(beforeRisshun(2000, 204), 1);
    EXPECT_EQ(beforeRisshun(2000, 205), 0);
    EXPECT_EQ(beforeRisshun(2001, 204), 0);
    EXPECT_EQ(beforeRisshun(2001, 203), 1);
    EXPECT_EQ(beforeSetsuiri(2000, 307), 0);
    EXPECT_EQ(beforeSetsuiri(2000, 305), 1);
    EXPECT_EQ(beforeSetsuiri(2000, 1305), 0);
    EXPECT_EQ(beforeSetsuiri(2000, 5), 0);
    // The February column agrees with 立春.
    for (int y = 1900; y < 2100; ++y)
        for (int d = 1; d <= 10; ++d)
            EXPECT_EQ(beforeSetsuiri(y, 200 + d), beforeRisshun(y, 200 + d)) << y << " " << d;
}

TEST(CalendarUtilities, YearMonthStems) {
    struct Case {
        int year, mmdd, yearStem, monthStem;
    };
    const Case cases[] = {{1984, 210, 1, 3}, {1984, 203, 10, 2}, {1984, 103, 10, 1}, {2000, 310, 7, 6}};
    for (const auto& c : cases)
        EXPECT_EQ(yearMonthStems(c.mmdd, c.year), std::make_pair(c.yearStem, c.monthStem))
            << c.year << " " << c.mmdd;
}

TEST(CalendarUtilities, IntegerValue) {
    EXPECT_EQ(integerValue("0503", "x"), 503);
    EXPECT_EQ(integerValue("-12", "x"), -12);
    EXPECT_THROW(integerValue("", "x"), ConversionError);
    EXPECT_THROW(integerValue("-", "x"), ConversionError);
    EXPECT_THROW(integerValue("1 ", "x"), ConversionError);
    EXPECT_THROW(integerValue("99999999999", "x"), ConversionError);
}
