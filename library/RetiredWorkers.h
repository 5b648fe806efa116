// Stopped workers of earlier runs that a new Start has abandoned and that
// have not ended yet. Destroying a worker joins its thread, and the join
// handles the steps other workers send meanwhile: a completion's message box
// among them, whose message loop can deliver the end of another retired
// worker. So a worker is taken out of the list first and destroyed by the
// caller afterwards, with the list whole again, never inside the list's own
// erase.
#pragma once

#include <memory>
#include <utility>
#include <vector>

namespace plk {

template <typename Worker>
class RetiredWorkers {
public:
    void add(std::unique_ptr<Worker> worker) { workers_.push_back(std::move(worker)); }
    bool empty() const { return workers_.empty(); }

    // The worker, out of the list; empty when it is not in it.
    std::unique_ptr<Worker> takeOut(const Worker* worker) {
        for (auto it = workers_.begin(); it != workers_.end(); ++it) {
            if (it->get() != worker) continue;
            std::unique_ptr<Worker> taken = std::move(*it);
            workers_.erase(it);
            return taken;
        }
        return nullptr;
    }

    // Every worker, out of the list: the program is ending.
    std::vector<std::unique_ptr<Worker>> takeAll() { return std::exchange(workers_, {}); }

private:
    std::vector<std::unique_ptr<Worker>> workers_;
};

}  // namespace plk
