#include "gui/GuiThreadCall.h"

#include <exception>
#include <memory>

namespace plk {
namespace {

const UINT kRunStep = WM_APP + 1;
const UINT kRunQueuedStep = WM_APP + 2;

struct SentStep {
    const std::function<void()>& step;
    std::exception_ptr failure;
};

}  // namespace

GuiThreadCall::GuiThreadCall() : guiThreadId_(GetCurrentThreadId()) {
    WindowParams params;
    params.className = "PlinketyGuiThreadCall";
    params.owner = HWND_MESSAGE;
    create(params);
}

GuiThreadCall::~GuiThreadCall() {
    dropQueuedSteps();
    destroy();
}

void GuiThreadCall::run(const std::function<void()>& step) const {
    if (GetCurrentThreadId() == guiThreadId_) {
        step();
        return;
    }
    SentStep sent{step, nullptr};
    SendMessageA(hwnd(), kRunStep, 0, reinterpret_cast<LPARAM>(&sent));
    if (sent.failure) std::rethrow_exception(sent.failure);
}

void GuiThreadCall::post(std::function<void()> step) const {
    auto queued = std::make_unique<std::function<void()>>(std::move(step));
    if (PostMessageA(hwnd(), kRunQueuedStep, 0, reinterpret_cast<LPARAM>(queued.get()))) queued.release();
}

LRESULT GuiThreadCall::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunStep) {
        auto* sent = reinterpret_cast<SentStep*>(lParam);
        try {
            sent->step();
        } catch (...) {
            sent->failure = std::current_exception();
        }
        return 0;
    }
    if (message == kRunQueuedStep) {
        std::unique_ptr<std::function<void()>> queued(reinterpret_cast<std::function<void()>*>(lParam));
        (*queued)();
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

void GuiThreadCall::dropQueuedSteps() {
    MSG message;
    while (PeekMessageA(&message, hwnd(), kRunQueuedStep, kRunQueuedStep, PM_REMOVE))
        std::unique_ptr<std::function<void()>>(reinterpret_cast<std::function<void()>*>(message.lParam));
}

}  // namespace plk
