#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>

#include "app/Autostart.h"

namespace plk {
namespace {

const char kName[] = "PlinketyAutostartTest";

std::string readValue(HKEY root, const char* name) {
    char data[512] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(root, kRunKeyPath, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return "<absent>";
    return data;
}

class AutostartTest : public ::testing::Test {
protected:
    void TearDown() override {
        DeleteRunValue(kName, RunHive::CurrentUser);
        DeleteRunValue(kName, RunHive::LocalMachine);
    }
};

TEST_F(AutostartTest, WriteReplacesAndDeleteRemoves) {
    WriteRunValue(RunHive::CurrentUser, kRunKeyPath, kName, "C:\\first.exe");
    WriteRunValue(RunHive::CurrentUser, kRunKeyPath, kName, "C:\\Program Files\\second.exe");
    EXPECT_EQ(readValue(HKEY_CURRENT_USER, kName), "C:\\Program Files\\second.exe");
    EXPECT_TRUE(runValueExists(RunHive::CurrentUser, kName));
    EXPECT_FALSE(runValueExists(RunHive::LocalMachine, kName));

    DeleteRunValue(kName, RunHive::CurrentUser);
    EXPECT_EQ(readValue(HKEY_CURRENT_USER, kName), "<absent>");
    EXPECT_FALSE(runValueExists(RunHive::CurrentUser, kName));
}

TEST_F(AutostartTest, DeletingAnAbsentValueIsSilent) {
    DeleteRunValue(kName, RunHive::LocalMachine);
    DeleteRunValue(kName, RunHive::CurrentUser);
    EXPECT_FALSE(runValueExists(RunHive::CurrentUser, kName));
}

TEST_F(AutostartTest, EachModeLeavesTheValueInItsOwnHiveOnly) {
    placeRunValue(1, kName, "C:\\one.exe");
    EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kName), "C:\\one.exe");
    EXPECT_FALSE(runValueExists(RunHive::CurrentUser, kName));

    placeRunValue(2, kName, "C:\\two.exe");
    EXPECT_FALSE(runValueExists(RunHive::LocalMachine, kName));
    EXPECT_EQ(readValue(HKEY_CURRENT_USER, kName), "C:\\two.exe");

    WriteRunValue(RunHive::LocalMachine, kRunKeyPath, kName, "C:\\one.exe");
    placeRunValue(0, kName, "C:\\none.exe");
    EXPECT_FALSE(runValueExists(RunHive::LocalMachine, kName));
    EXPECT_FALSE(runValueExists(RunHive::CurrentUser, kName));
}

TEST_F(AutostartTest, KeyThatCannotBeOpenedRaisesTheSystemMessage) {
    // A key name beyond the registry's 255-character limit cannot be created.
    try {
        WriteRunValue(RunHive::CurrentUser, std::string(300, 'k') + "\\x", kName, "C:\\a.exe");
        FAIL() << "the key should not open";
    } catch (const std::runtime_error& error) {
        const std::string text = error.what();
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find("System error"), std::string::npos) << text;  // the system's own words
    }
}

}  // namespace
}  // namespace plk
