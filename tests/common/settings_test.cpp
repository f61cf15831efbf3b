// The settings: defaults, the exact "True" of the sound switch, and a
// refused write.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "errors.h"
#include "settings.h"

namespace hoshi {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    void SetUp() override { settings::setFolder(dir.path()); }
    void TearDown() override { settings::setFolder({}); }

    void put(const std::string& bytes) {
        QFile f(settings::filePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
};

TEST_F(SettingsTest, OnlyTheExactTrueSwitchesTheSoundOn) {
    struct Row {
        const char* file; // nullptr: no file at all
        bool on;
    };
    const Row rows[] = {
        {"[sound]\r\ncheck=True\r\n", true},
        {"[sound]\r\ncheck=true\r\n", false},
        {"[sound]\r\ncheck=False\r\n", false},
        {"[sound]\r\ncheck=\r\n", false},
        {"[sound]\r\ncheck = True\r\n", true},
        {"[owner]\r\ntitle=x\r\n", true},
        {nullptr, true},
    };
    for (const Row& r : rows) {
        QFile::remove(settings::filePath());
        if (r.file) put(r.file);
        EXPECT_EQ(settings::soundOn(), r.on) << (r.file ? r.file : "no file");
    }
}

TEST_F(SettingsTest, SoundSwitchIsWrittenAsTrueOrFalse) {
    settings::setSoundOn(false);
    EXPECT_FALSE(settings::soundOn());
    settings::setSoundOn(true);
    EXPECT_TRUE(settings::soundOn());
    QFile f(settings::filePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), "[sound]\r\ncheck=True\r\n");
}

TEST_F(SettingsTest, OwnerTextsDefaultToEmptyAndKeepWhatWasTyped) {
    EXPECT_EQ(settings::ownerTitle(), QString());
    EXPECT_EQ(settings::ownerTel(), QString());
    settings::setOwnerTitle(QStringLiteral("　星倉　鑑定書"));
    settings::setOwnerTel(QStringLiteral("03-1234-5678 (代)"));
    EXPECT_EQ(settings::ownerTitle(), QStringLiteral("　星倉　鑑定書"));
    EXPECT_EQ(settings::ownerTel(), QStringLiteral("03-1234-5678 (代)"));
}

// A character Shift-JIS cannot hold is named, and the stored title stays.
TEST_F(SettingsTest, ACharacterShiftJisCannotHoldIsNamed) {
    settings::setOwnerTitle(QStringLiteral("星倉"));
    try {
        settings::setOwnerTitle(QStringLiteral("星♥倉"));
        FAIL() << "saved";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "「♥」は Shift-JIS で表せない文字のため保存できません。");
    }
    EXPECT_EQ(settings::ownerTitle(), QStringLiteral("星倉"));
}

TEST_F(SettingsTest, FolderIsCreatedAtTheFirstWrite) {
    settings::setFolder(dir.filePath("a/b"));
    settings::setSoundOn(false);
    EXPECT_TRUE(QFile::exists(dir.filePath("a/b/hoshimi.ini")));
    EXPECT_FALSE(settings::soundOn());
}

TEST_F(SettingsTest, RefusedWriteRaisesTheMessageAndKeepsTheValue) {
    // Tests run as root, which ignores permission bits; a folder whose parent
    // is a regular file can never be made.
    put("[sound]\r\ncheck=True\r\n");
    settings::setFolder(dir.filePath("hoshimi.ini/settings"));
    for (auto write : {+[] { settings::setSoundOn(false); }, +[] { settings::setOwnerTitle("x"); }}) {
        try {
            write();
            ADD_FAILURE() << "write did not throw";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "hoshimi.ini に書き込めません");
        }
    }
    EXPECT_TRUE(settings::soundOn());
    EXPECT_EQ(settings::ownerTitle(), QString());
    settings::setFolder(dir.path());
    EXPECT_TRUE(settings::soundOn());
}

} // namespace
} // namespace hoshi
