#include "app/RunCommand.h"

#include <gtest/gtest.h>

namespace plk {
namespace {

// Windows splits an unquoted command at its first space: C:\Program.exe
// would run with "Files\..." as arguments.
TEST(RunCommand, QuotedExactlyWhenThePathHoldsASpace) {
    const struct {
        const char* path;
        const char* command;
    } cases[] = {
        {"C:\\Plinkety\\plinkety.exe", "C:\\Plinkety\\plinkety.exe"},
        {"C:\\PROGRA~1\\PLINKE~1\\plinkety.exe", "C:\\PROGRA~1\\PLINKE~1\\plinkety.exe"},
        {"C:\\Program Files\\Plinkety\\plinkety.exe", "\"C:\\Program Files\\Plinkety\\plinkety.exe\""},
        {"D:\\Tools\\Plinkety 2\\plinkety.exe", "\"D:\\Tools\\Plinkety 2\\plinkety.exe\""},
        {"\\\\nas\\my apps\\plinkety.exe", "\"\\\\nas\\my apps\\plinkety.exe\""},
    };
    for (const auto& c : cases) EXPECT_EQ(runCommand(c.path), c.command) << c.path;
}

}  // namespace
}  // namespace plk
