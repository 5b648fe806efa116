// The Run values and the autostart choice: each mode's value in its own hive
// only, in the registry view both builds share, and a choice that Windows
// refuses leaving the value in force, the menu and settings.ini saying so.
#include <gtest/gtest.h>

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <fstream>
#include <optional>
#include <stdexcept>

#include "app/Autostart.h"
#include "app/AutostartChoice.h"
#include "app/PlayButtonMenu.h"
#include "system/Handles.h"
#include "tests/win/TestSupport.h"

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

// A 64-bit Windows, or Wine's 64-bit prefix, where the views differ.
bool twoMachineViews() {
    BOOL wow64 = FALSE;
    return sizeof(void*) == 8 || (IsWow64Process(GetCurrentProcess(), &wow64) && wow64);
}

// The machine's Run key refusing writes, as Windows refuses them to a user
// without administrator rights (Wine checks a key's access list too); its
// access list is put back at the end.
class MachineKeyLocked {
public:
    MachineKeyLocked() {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKeyPath, 0, nullptr, 0,
                                  READ_CONTROL | WRITE_DAC | KEY_WOW64_64KEY, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        key_.reset(key);
        EXPECT_EQ(GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &oldList_,
                                  nullptr, &oldDescriptor_),
                  ERROR_SUCCESS);
        // Everyone denied setting a value (0x2) and making a key (0x4), allowed reading.
        PSECURITY_DESCRIPTOR locked = nullptr;
        EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(D;;0x6;;;WD)(A;;KR;;;WD)",
                                                                         SDDL_REVISION_1, &locked, nullptr));
        EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, locked), ERROR_SUCCESS);
        LocalFree(locked);
    }
    ~MachineKeyLocked() {
        EXPECT_EQ(SetSecurityInfo(key_.get(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                  oldList_, nullptr),
                  ERROR_SUCCESS);
        LocalFree(oldDescriptor_);
    }
    MachineKeyLocked(const MachineKeyLocked&) = delete;
    MachineKeyLocked& operator=(const MachineKeyLocked&) = delete;

private:
    RegistryKey key_;
    PACL oldList_ = nullptr;
    PSECURITY_DESCRIPTOR oldDescriptor_ = nullptr;
};

class AutostartTest : public ::testing::Test {
protected:
    void TearDown() override {
        DeleteRunValue(kName, RunHive::kCurrentUser);
        DeleteRunValue(kName, RunHive::kLocalMachine);
        if (twoMachineViews()) {
            EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kName, KEY_WOW64_32KEY), "<absent>");
        }
    }
};

TEST_F(AutostartTest, WriteReplacesAndDeleteRemoves) {
    WriteRunValue(RunHive::kCurrentUser, kRunKeyPath, kName, "C:\\first.exe");
    WriteRunValue(RunHive::kCurrentUser, kRunKeyPath, kName, "C:\\Program Files\\second.exe");
    EXPECT_EQ(readValue(HKEY_CURRENT_USER, kName), "C:\\Program Files\\second.exe");
    EXPECT_TRUE(runValueExists(RunHive::kCurrentUser, kName));
    EXPECT_FALSE(runValueExists(RunHive::kLocalMachine, kName));

    EXPECT_TRUE(DeleteRunValue(kName, RunHive::kCurrentUser));
    EXPECT_EQ(readValue(HKEY_CURRENT_USER, kName), "<absent>");
    EXPECT_FALSE(runValueExists(RunHive::kCurrentUser, kName));
}

TEST_F(AutostartTest, DeletingAnAbsentValueIsSilent) {
    EXPECT_TRUE(DeleteRunValue(kName, RunHive::kLocalMachine));
    EXPECT_TRUE(DeleteRunValue(kName, RunHive::kCurrentUser));
    EXPECT_FALSE(runValueExists(RunHive::kCurrentUser, kName));
}

TEST_F(AutostartTest, EachModeLeavesTheValueInItsOwnHiveOnly) {
    EXPECT_EQ(placeRunValue(1, kName, "C:\\one.exe"), 1);
    EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kName), "C:\\one.exe");
    EXPECT_FALSE(runValueExists(RunHive::kCurrentUser, kName));

    EXPECT_EQ(placeRunValue(2, kName, "C:\\two.exe"), 2);
    EXPECT_FALSE(runValueExists(RunHive::kLocalMachine, kName));
    EXPECT_EQ(readValue(HKEY_CURRENT_USER, kName), "C:\\two.exe");

    // Logon runs the quoted command; the machine's value lies in the 64-bit
    // view from both builds, not in the x86 program's copy of the key.
    EXPECT_EQ(placeRunValue(1, kName, "C:\\Program Files\\P\\one.exe"), 1);
    EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kName), "\"C:\\Program Files\\P\\one.exe\"");
    if (twoMachineViews()) {
        EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kName, KEY_WOW64_32KEY), "<absent>");
    }
    EXPECT_TRUE(runValueExists(RunHive::kLocalMachine, kName));

    EXPECT_EQ(placeRunValue(0, kName, std::string()), 0);
    EXPECT_FALSE(runValueExists(RunHive::kLocalMachine, kName));
    EXPECT_FALSE(runValueExists(RunHive::kCurrentUser, kName));
}

// Windows runs the Run values of both views at logon: an earlier x86 build's
// value in the 32-bit view would start the program a second time.
TEST_F(AutostartTest, AnOldX86ValueIsRemovedByEveryMode) {
    if (!twoMachineViews()) GTEST_SKIP() << "32-bit Windows has one registry view";
    for (const int mode : {0, 2, 1}) {
        // As an x86 build before the shared view wrote it.
        HKEY old = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKeyPath, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY,
                                  nullptr, &old, nullptr),
                  ERROR_SUCCESS);
        const RegistryKey oldKey(old);
        ASSERT_EQ(RegSetValueExA(old, kName, 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\old.exe"), 11),
                  ERROR_SUCCESS);
        ASSERT_EQ(readValue(HKEY_LOCAL_MACHINE, kName), "<absent>") << "the views are one key";

        EXPECT_EQ(placeRunValue(mode, kName, "C:\\new.exe"), mode);
        EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kName, KEY_WOW64_32KEY), "<absent>") << mode;
        EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kName), mode == 1 ? "C:\\new.exe" : "<absent>") << mode;
        EXPECT_EQ(runValueExists(RunHive::kLocalMachine, kName), mode == 1);
    }
}

TEST_F(AutostartTest, KeyThatCannotBeOpenedRaisesTheSystemMessage) {
    // A key name beyond the registry's 255-character limit cannot be created.
    try {
        WriteRunValue(RunHive::kCurrentUser, std::string(300, 'k') + "\\x", kName, "C:\\a.exe");
        FAIL() << "the key should not open";
    } catch (const std::runtime_error& error) {
        const std::string text = error.what();
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find("System error"), std::string::npos) << text;  // the system's own words
    }
}

// The choice as the Play button makes it: its menu, a settings file, the
// value named as in the tests above.
class AutostartChoiceTest : public AutostartTest {
protected:
    AutostartChoiceTest() : settings_(tree_.root() + "settings.ini"), choice_(menu_, settings_, kName) {
        buildPopupMenu1(menu_);
    }
    // The checked item's mode, or -1 when another number of items is checked.
    int checkedMode() const {
        int checked = -1, count = 0;
        for (const int mode : {0, 1, 2})
            if (menu_.isChecked(autostartItem(mode))) {
                checked = mode;
                ++count;
            }
        return count == 1 ? checked : -1;
    }
    int storedMode() const { return settings_.readInteger("autostart", -1); }
    std::string chooseRefused(int mode, const std::optional<std::string>& exePath) {
        try {
            choice_.choose(mode, exePath);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        ADD_FAILURE() << "mode " << mode << " was not refused";
        return std::string();
    }

    test::TempTree tree_;
    TSettings settings_;
    PopupMenu menu_;
    AutostartChoice choice_;
    test::MessageBoxRecorder boxes_;
};

TEST_F(AutostartChoiceTest, ARefusedMachineWriteLeavesTheUsersValueInForce) {
    choice_.read();  // no file: mode 2
    choice_.choose(2, std::string("C:\\Users\\u\\plinkety.exe"));
    const MachineKeyLocked locked;
    ASSERT_THROW(WriteRunValue(RunHive::kLocalMachine, kRunKeyPath, kName, "x"), std::runtime_error)
        << "the lock holds";

    const std::string error = chooseRefused(1, std::string("C:\\Users\\u\\plinkety.exe"));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readValue(HKEY_CURRENT_USER, kName), "C:\\Users\\u\\plinkety.exe");
    EXPECT_EQ(checkedMode(), 2);
    EXPECT_EQ(storedMode(), 2);
    EXPECT_TRUE(boxes_.boxes.empty());  // the error box is the handler's
}

TEST_F(AutostartChoiceTest, AMachineValueThatCannotBeRemovedIsSaidAndStaysChosen) {
    choice_.read();
    choice_.choose(1, std::string("C:\\Plinkety\\plinkety.exe"));
    const MachineKeyLocked locked;
    for (const int mode : {0, 2}) {
        boxes_.boxes.clear();
        choice_.choose(mode, std::string("C:\\Plinkety\\plinkety.exe"));
        ASSERT_EQ(boxes_.boxes.size(), 1u) << mode;
        EXPECT_EQ(boxes_.boxes[0].caption, "Warning");
        EXPECT_NE(boxes_.boxes[0].text.find("administrator"), std::string::npos) << boxes_.boxes[0].text;
        EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kName), "C:\\Plinkety\\plinkety.exe") << mode;
        // Not a second start for this user beside the machine's.
        EXPECT_EQ(readValue(HKEY_CURRENT_USER, kName), "<absent>") << mode;
        EXPECT_EQ(checkedMode(), 1) << mode;
        EXPECT_EQ(storedMode(), 1) << mode;
    }
}

TEST_F(AutostartChoiceTest, AProgramNoPathNamesWritesNoValue) {
    std::ofstream(settings_.path()) << "[General]\r\nautostart=0\r\n";
    choice_.read();
    for (const int mode : {1, 2}) {
        const std::string error = chooseRefused(mode, std::nullopt);
        EXPECT_NE(error.find("code page"), std::string::npos) << error;
        EXPECT_EQ(checkedMode(), 0) << mode;
        EXPECT_EQ(storedMode(), 0) << mode;
    }
    EXPECT_FALSE(runValueExists(RunHive::kLocalMachine, kName));
    EXPECT_FALSE(runValueExists(RunHive::kCurrentUser, kName));
    EXPECT_NO_THROW(choice_.choose(0, std::nullopt));

    // At start neither: mode 2 writes its value only for a path.
    std::ofstream(settings_.path()) << "[General]\r\nautostart=2\r\n";
    choice_.read();
    choice_.writeMissingValue(std::nullopt);
    EXPECT_FALSE(runValueExists(RunHive::kCurrentUser, kName));
    choice_.writeMissingValue(std::string("C:\\Plinkety\\plinkety.exe"));
    EXPECT_EQ(readValue(HKEY_CURRENT_USER, kName), "C:\\Plinkety\\plinkety.exe");
    EXPECT_TRUE(boxes_.boxes.empty());
}

}  // namespace
}  // namespace plk
