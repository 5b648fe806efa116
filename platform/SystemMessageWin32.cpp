#include "platform/SystemMessage.h"

#include <windows.h>

namespace plk {

std::string systemMessage(unsigned long errorCode) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        errorCode, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    if (message.empty()) message = "System error " + std::to_string(errorCode);
    return message;
}

}  // namespace plk
