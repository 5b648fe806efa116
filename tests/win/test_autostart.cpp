#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>

#include "app/Autostart.h"

namespace plk {
namespace {

const char kName[] = "PlinketyAutostartTest";

// The value as the given registry view holds it (64-bit by default: the one
// that the x86 and the x64 program share).
std::string readValue(HKEY root, const char* name, REGSAM view = KEY_WOW64_64KEY) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, kRunKeyPath, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return "<absent>";
    char data[512] = {};
    DWORD size = sizeof data - 1;
    const LONG status = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? data : "<absent>";
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

    // Logon runs the quoted command; the machine's value lies in the 64-bit
    // view from both builds, not in the x86 program's copy of the key.
    placeRunValue(1, kName, "C:\\Program Files\\P\\one.exe");
    EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kName), "\"C:\\Program Files\\P\\one.exe\"");
    BOOL wow64 = FALSE;  // an x86 program on 64-bit Windows, where the two views differ
    if (IsWow64Process(GetCurrentProcess(), &wow64) && wow64) {
        EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kName, KEY_WOW64_32KEY), "<absent>");
    }
    EXPECT_TRUE(runValueExists(RunHive::LocalMachine, kName));

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
