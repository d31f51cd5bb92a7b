#pragma once
// Every per-user value the program keeps under Software\<AppName>, each
// with its type and the value it has while nothing is stored, so a name is
// written once and a default cannot differ between two readers.

#include "app/AppState.h"

#include <cstdint>
#include <string>

namespace radio::userkeys {

struct NumberKey {
    const char* name;
    std::uint32_t fallback;
};

struct TextKey {
    const char* name;
    const char* fallback;
};

// The serial port: "com" numbers COM1..COM4, "PortName" any other name.
inline constexpr NumberKey Port{"com", 1};
inline constexpr TextKey PortName{"comName", ""};
// The model and band of the last radio read.
inline constexpr NumberKey ModelType{"Type", 0};
inline constexpr NumberKey BandField{"Field", 0};
// The folder the file dialogs start in: the one last used.
inline constexpr TextKey LastFolder{"LastFolder", ""};
// File > Recent Files, most recent first, one path per line.
inline constexpr TextKey RecentFiles{"RecentFiles", ""};
// The files open when the program restarted for another language, one path
// per line, the active one last; the new start opens them and clears it.
inline constexpr TextKey ReopenFiles{"ReopenFiles", ""};

std::uint32_t get(const UserValues* values, const std::string& appName, NumberKey key);
std::string get(const UserValues* values, const std::string& appName, TextKey key);
// Without a store (tests, radio-cli without settings) nothing is kept.
void set(UserValues* values, const std::string& appName, NumberKey key, std::uint32_t value);
void set(UserValues* values, const std::string& appName, TextKey key, const std::string& value);

} // namespace radio::userkeys
