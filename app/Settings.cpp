#include "app/Settings.h"

#include <windows.h>

#include <stdexcept>

#include "app/SettingsValue.h"
#include "gui/Application.h"

namespace plk {
namespace {

const char kSection[] = "General";
// Longer values are cut: the profile functions read into a fixed buffer.
const DWORD kMaxValue = 2047;

}  // namespace

TSettings::TSettings()
    : path_(Application::exeFolderReachable() ? Application::exeFolder() + "settings.ini" : std::string()) {}

TSettings::TSettings(std::string path) : path_(std::move(path)) {}

std::string TSettings::readString(const char* key, const std::string& fallback) const {
    // The profile calls would take an empty file name for win.ini.
    if (path_.empty()) return fallback;
    char value[kMaxValue + 1] = {};
    const DWORD length =
        GetPrivateProfileStringA(kSection, key, fallback.c_str(), value, sizeof value, path_.c_str());
    return std::string(value, length);
}

int TSettings::readInteger(const char* key, int fallback) const {
    return parseSettingsInteger(readString(key, std::string()), fallback);
}

bool TSettings::readBool(const char* key, bool fallback) const {
    return parseSettingsBool(readString(key, std::string()), fallback);
}

void TSettings::writeString(const char* key, const std::string& value) const {
    if (path_.empty()) return;
    if (!WritePrivateProfileStringA(kSection, key, value.c_str(), path_.c_str()))
        throw std::runtime_error("Unable to write to " + path_);
}

void TSettings::writeInteger(const char* key, int value) const { writeString(key, std::to_string(value)); }

void TSettings::writeBool(const char* key, bool value) const { writeString(key, value ? "1" : "0"); }

}  // namespace plk
