// ProfileFile: the profile semantics of the settings file, checked on the
// bytes that land on disk.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "errors.h"
#include "profilefile.h"

namespace hoshi {
namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("hoshimi.ini");
    ProfileFile file{path};

    void put(const std::string& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string bytes() const {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return "<missing>";
        return f.readAll().toStdString();
    }
};

TEST_F(ProfileFileTest, WritesCreateFileSectionsAndKeys) {
    struct Row {
        const char16_t* section;
        const char16_t* key;
        const char16_t* value;
        std::string after;
    };
    const Row rows[] = {
        {u"owner", u"title", u"abc", "[owner]\r\ntitle=abc\r\n"},
        {u"sound", u"check", u"True", "[owner]\r\ntitle=abc\r\n[sound]\r\ncheck=True\r\n"},
        {u"owner", u"tel", u"03", "[owner]\r\ntitle=abc\r\ntel=03\r\n[sound]\r\ncheck=True\r\n"},
        {u"sound", u"check", u"False", "[owner]\r\ntitle=abc\r\ntel=03\r\n[sound]\r\ncheck=False\r\n"},
    };
    for (const Row& r : rows) {
        file.write(QString::fromUtf16(r.section), QString::fromUtf16(r.key), QString::fromUtf16(r.value));
        EXPECT_EQ(bytes(), r.after) << QString::fromUtf16(r.key).toStdString();
    }
}

TEST_F(ProfileFileTest, WriteChangesOneLineAndKeepsEveryOtherByteForByte) {
    // Comments, odd spacing, mixed line ends, Shift-JIS text (with "]" and
    // "[" as trail bytes of ゾーン), no line end on the last line.
    const std::string head = "; comment\n[Owner]\r\n Title = old \r\n  tel=123\n\r\n"
                             "[\x83\x5D\x81\x5B\x83\x93]\r\ntitle=\x95\x5C\x8E\xA6\r\n";
    const std::string original = head + "[sound]\r\ncheck=False";
    struct Row {
        const char16_t* section;
        const char16_t* key;
        std::string after;
    };
    const Row rows[] = {
        {u"owner", u"title",
         "; comment\n[Owner]\r\ntitle=new\r\n  tel=123\n\r\n"
         "[\x83\x5D\x81\x5B\x83\x93]\r\ntitle=\x95\x5C\x8E\xA6\r\n[sound]\r\ncheck=False"},
        {u"OWNER", u"TEL",
         "; comment\n[Owner]\r\n Title = old \r\nTEL=new\n\r\n"
         "[\x83\x5D\x81\x5B\x83\x93]\r\ntitle=\x95\x5C\x8E\xA6\r\n[sound]\r\ncheck=False"},
        {u"owner", u"fax",
         "; comment\n[Owner]\r\n Title = old \r\n  tel=123\nfax=new\n\r\n[\x83\x5D\x81\x5B\x83\x93]\r\n"
         "title=\x95\x5C\x8E\xA6\r\n[sound]\r\ncheck=False"},
        {u"ゾーン", u"title",
         "; comment\n[Owner]\r\n Title = old \r\n  tel=123\n\r\n[\x83\x5D\x81\x5B\x83\x93]\r\n"
         "title=new\r\n[sound]\r\ncheck=False"},
        {u"sound", u"check", head + "[sound]\r\ncheck=new"},
        {u"sound", u"volume", head + "[sound]\r\ncheck=False\nvolume=new\n"},
        {u"extra", u"key", original + "\n[extra]\nkey=new\n"},
    };
    for (const Row& r : rows) {
        put(original);
        file.write(QString::fromUtf16(r.section), QString::fromUtf16(r.key), QStringLiteral("new"));
        EXPECT_EQ(bytes(), r.after) << QString::fromUtf16(r.section).toStdString() << "/"
                                    << QString::fromUtf16(r.key).toStdString();
    }
}

TEST_F(ProfileFileTest, JapaneseIsShiftJisOnDisk) {
    file.write(u"owner", u"title", QStringLiteral("星の鑑定書"));
    EXPECT_EQ(bytes(), "[owner]\r\ntitle=\x90\xAF\x82\xCC\x8A\xD3\x92\xE8\x8F\x91\r\n");
    EXPECT_EQ(file.read(u"owner", u"title"), QStringLiteral("星の鑑定書"));
}

TEST_F(ProfileFileTest, ReadsBackUpTo2047Characters) {
    struct Row {
        QString stored;
        QString read;
    };
    const QString kan = QStringLiteral("鑑");
    const Row rows[] = {
        {QString(2047, u'a'), QString(2047, u'a')},
        {QString(3000, u'a'), QString(2047, u'a')},
        {kan.repeated(2100), kan.repeated(2047)},
    };
    for (const Row& r : rows) {
        file.write(u"owner", u"title", r.stored);
        EXPECT_EQ(file.read(u"owner", u"title"), r.read) << r.stored.size();
    }
}

TEST_F(ProfileFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(file.read(u"sound", u"check", QStringLiteral("True")), QStringLiteral("True"));
    EXPECT_EQ(file.read(u"owner", u"tel"), QString());
    put("[owner]\r\ntitle=abc\r\n[sound]\r\nvolume=3\r\ncheck\r\n");
    EXPECT_EQ(file.read(u"sound", u"check", QStringLiteral("True")), QStringLiteral("True"));
    EXPECT_EQ(file.read(u"owner", u"tel", QStringLiteral("-")), QStringLiteral("-"));
    EXPECT_EQ(file.read(u"other", u"title", QStringLiteral("-")), QStringLiteral("-"));
    EXPECT_EQ(file.read(u"sound", u"title", QStringLiteral("-")), QStringLiteral("-"));
}

TEST_F(ProfileFileTest, BytesThatAreNotShiftJisReadAsReplacementCharacters) {
    put("[owner]\r\ntitle=\x80"
        "abc\x95\x5C\r\n");
    EXPECT_EQ(file.read(u"owner", u"title"), QStringLiteral("\uFFFDabc表"));
}

TEST_F(ProfileFileTest, RefusedWriteNamesTheFile) {
    // Root ignores permission bits: a folder under a regular file cannot exist.
    QFile blocker(dir.filePath("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ProfileFile refused(dir.filePath("plain/hoshimi.ini"));
    try {
        refused.write(u"sound", u"check", QStringLiteral("False"));
        FAIL() << "write did not throw";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "hoshimi.ini に書き込めません");
    }
    EXPECT_EQ(refused.read(u"sound", u"check", QStringLiteral("True")), QStringLiteral("True"));
}

TEST_F(ProfileFileTest, ValueOutsideShiftJisLeavesTheFileAsItWas) {
    put("[owner]\r\ntitle=old\r\n");
    EXPECT_THROW(file.write(u"owner", u"title", QStringLiteral("old\U0001F600")), ConversionError);
    EXPECT_EQ(bytes(), "[owner]\r\ntitle=old\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "temporary file left behind";
}

// Files written by other editors: CR-only line ends, a UTF-8 byte-order
// mark; and a line of bytes that are not Shift-JIS.
TEST_F(ProfileFileTest, ReadsOtherLineEndsAndUtf8WithAMark) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"CR only", "[owner]\rtitle=\x90\xaf\x91\x71\rtel=03-1234\r"}, // 星倉 in Shift-JIS
        {"UTF-8 with a mark", "\xEF\xBB\xBF[owner]\r\ntitle=星倉\r\ntel=03-1234\r\n"},
        {"mixed ends", "[sound]\rcheck=True\n[owner]\r\ntitle=\x90\xaf\x91\x71\ntel=03-1234"},
    };
    for (const Case& c : cases) {
        put(c.bytes);
        EXPECT_EQ(file.read(u"owner", u"title", QString()), QStringLiteral("星倉")) << c.what;
        EXPECT_EQ(file.read(u"owner", u"tel", QString()), QStringLiteral("03-1234")) << c.what;
    }
    // A write into the UTF-8 file keeps it UTF-8 and keeps its mark.
    put(cases[1].bytes);
    file.write(u"owner", u"tel", QStringLiteral("０３"));
    EXPECT_EQ(bytes(), "\xEF\xBB\xBF[owner]\r\ntitle=星倉\r\ntel=０３\r\n");
}

TEST_F(ProfileFileTest, AValueNeverSpansLines) {
    put("[owner]\r\ntitle=A\r\ntel=03-1234\r\n");
    file.write(u"owner", u"title", QStringLiteral("Office\r\n[sound]\r\ncheck=False\nX\rY"));
    EXPECT_EQ(file.read(u"owner", u"title", QString()), QStringLiteral("Office [sound] check=False X Y"));
    EXPECT_EQ(file.read(u"owner", u"tel", QString()), QStringLiteral("03-1234"));
    EXPECT_EQ(file.read(u"sound", u"check", QStringLiteral("none")), QStringLiteral("none"));
}

TEST_F(ProfileFileTest, BytesThatAreNotShiftJisBecomeReplacementCharacters) {
    put("[owner]\r\ntitle=A\xFF\xFF\x90\xaf\x85"
        "B\r\ntel=1\r\n");
    const QString title = file.read(u"owner", u"title", QString());
    EXPECT_TRUE(title.startsWith(QStringLiteral("A"))) << title.toStdString();
    EXPECT_TRUE(title.contains(QStringLiteral("星"))) << title.toStdString();
    EXPECT_TRUE(title.contains(QChar(QChar::ReplacementCharacter))) << title.toStdString();
    EXPECT_EQ(file.read(u"owner", u"tel", QString()), QStringLiteral("1"));
}

} // namespace
} // namespace hoshi
