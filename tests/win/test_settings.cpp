#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <stdexcept>

#include "app/Settings.h"
#include "tests/support/FolderTree.h"

namespace plk {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = test::tempPath("plk-settings-test.ini");
        DeleteFileA(path_.c_str());
    }
    void TearDown() override { DeleteFileA(path_.c_str()); }
    void write(const char* text) { std::ofstream(path_, std::ios::binary) << text; }
    bool exists() const { return GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }

    std::string path_;
};

TEST_F(SettingsTest, MissingFileGivesDefaultsAndIsNotCreated) {
    const TSettings settings(path_);
    EXPECT_TRUE(settings.readBool("stayontop", true));
    EXPECT_EQ(settings.readInteger("autostart", 2), 2);
    EXPECT_EQ(settings.readString("hotkey", ""), "");
    EXPECT_FALSE(exists());
}

TEST_F(SettingsTest, ValuesRoundTrip) {
    const TSettings settings(path_);
    settings.writeBool("stayontop", false);
    settings.writeInteger("posX", -37);
    settings.writeString("hotkey", "Ctrl+Alt+P");
    EXPECT_FALSE(settings.readBool("stayontop", true));
    EXPECT_EQ(settings.readInteger("posX", 0), -37);
    EXPECT_EQ(settings.readString("hotkey", ""), "Ctrl+Alt+P");

    std::ifstream in(path_);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("[General]"), std::string::npos);
    EXPECT_NE(text.find("stayontop=0"), std::string::npos);
    EXPECT_NE(text.find("posX=-37"), std::string::npos);
}

TEST_F(SettingsTest, HandEditedNumbers) {
    write("[General]\r\nschema=$3\r\nposX=0x64\r\nposY=0x\r\nstayontop=banana\r\nclinvert=-5\r\nautostart= 1 \r\n");
    const TSettings settings(path_);
    EXPECT_EQ(settings.readInteger("schema", 0), 3);
    EXPECT_EQ(settings.readInteger("posX", 0), 100);
    EXPECT_EQ(settings.readInteger("posY", 77), 77);
    EXPECT_TRUE(settings.readBool("stayontop", true));
    EXPECT_TRUE(settings.readBool("clinvert", false));
    EXPECT_EQ(settings.readInteger("autostart", 2), 1);  // the profile functions trim blanks
}

TEST_F(SettingsTest, LongStringIsCutAt2047Characters) {
    write(("[General]\r\nhotkey=" + std::string(3000, 'k') + "\r\n").c_str());
    EXPECT_EQ(TSettings(path_).readString("hotkey", "").size(), 2047u);
}

TEST_F(SettingsTest, FailedWriteNamesTheFile) {
    const std::string unwritable = path_ + ".missing-folder\\settings.ini";
    const TSettings settings(unwritable);
    try {
        settings.writeBool("stayontop", true);
        FAIL() << "the write should fail";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + unwritable);
    }
}

}  // namespace
}  // namespace plk
