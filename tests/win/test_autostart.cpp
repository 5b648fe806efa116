#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>

#include "app/Autostart.h"

namespace plk {
namespace {

const char kName[] = "PlinketyAutostartTest";

std::string ReadValue(HKEY root, const char* name) {
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
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kName), "C:\\Program Files\\second.exe");
    EXPECT_TRUE(RunValueExists(RunHive::CurrentUser, kName));
    EXPECT_FALSE(RunValueExists(RunHive::LocalMachine, kName));

    DeleteRunValue(kName, RunHive::CurrentUser);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kName), "<absent>");
    EXPECT_FALSE(RunValueExists(RunHive::CurrentUser, kName));
}

TEST_F(AutostartTest, DeletingAnAbsentValueIsSilent) {
    DeleteRunValue(kName, RunHive::LocalMachine);
    DeleteRunValue(kName, RunHive::CurrentUser);
    EXPECT_FALSE(RunValueExists(RunHive::CurrentUser, kName));
}

TEST_F(AutostartTest, KeyThatCannotBeOpenedRaisesTheSystemMessage) {
    // A key path through a value-less name that cannot exist: a component
    // with an embedded backslash run is refused by the registry.
    EXPECT_THROW(WriteRunValue(RunHive::CurrentUser, std::string(300, 'k') + "\\x", kName, "C:\\a.exe"),
                 std::runtime_error);
}

}  // namespace
}  // namespace plk
