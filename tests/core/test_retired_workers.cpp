// Retired rebuild workers: one whose end, while it is destroyed, lets
// another end too leaves the list whole.
#include "library/RetiredWorkers.h"

#include <gtest/gtest.h>

#include <functional>

namespace plk {
namespace {

// Stands for a worker whose join runs another worker's message box, which
// delivers the end of a third.
struct Worker {
    explicit Worker(int& destroyed) : destroyed(destroyed) {}
    ~Worker() {
        ++destroyed;
        if (onDestroy) onDestroy();
    }
    int& destroyed;
    std::function<void()> onDestroy;
};

TEST(RetiredWorkersTest, AnEndDeliveredWhileAWorkerIsDestroyedLeavesTheOthersInPlace) {
    RetiredWorkers<Worker> retired;
    int destroyedA = 0, destroyedB = 0, destroyedC = 0;
    auto a = std::make_unique<Worker>(destroyedA);
    auto b = std::make_unique<Worker>(destroyedB);
    auto c = std::make_unique<Worker>(destroyedC);
    Worker* const first = a.get();
    Worker* const second = b.get();
    Worker* const third = c.get();
    first->onDestroy = [&] { retired.takeOut(second); };
    retired.add(std::move(a));
    retired.add(std::move(b));
    retired.add(std::move(c));

    retired.takeOut(first);  // and lets it go at once
    EXPECT_EQ(destroyedA, 1);
    EXPECT_EQ(destroyedB, 1);
    EXPECT_EQ(destroyedC, 0);
    EXPECT_EQ(retired.takeOut(third).get(), third);
    EXPECT_TRUE(retired.empty());
    EXPECT_EQ(destroyedC, 1);
}

}  // namespace
}  // namespace plk
