#include <gtest/gtest.h>

#include "app/RunCommand.h"

namespace plk {
namespace {

TEST(RunCommand, APathWithASpaceIsQuotedSoThatNoShorterPathRunsInstead) {
    EXPECT_EQ(runCommand("C:\\Program Files\\Plinkety\\plinkety.exe"),
              "\"C:\\Program Files\\Plinkety\\plinkety.exe\"");
    EXPECT_EQ(runCommand("C:\\Tools\\Plinkety\\plinkety.exe"), "C:\\Tools\\Plinkety\\plinkety.exe");
}

}  // namespace
}  // namespace plk
