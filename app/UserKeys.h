#pragma once
// Every per-user value the program keeps under Software\<AppName>, each
// with its type and the value it has while nothing is stored, so a name is
// written once and a default cannot differ between two readers. The stored
// names are the ones users' settings already hold: never rename one.

#include "app/AppState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace radio {

class CIniFile;

namespace userkeys {

struct NumberKey {
    const char* name;
    std::uint32_t fallback;
};

struct TextKey {
    const char* name;
    const char* fallback;
};

// An on/off choice, stored as the number 1 for on and anything else for off.
struct FlagKey {
    const char* name;
    bool fallback;
};

// The serial port: "com" numbers COM1..COM4, "comName" any other name.
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
// Program > Write: read the radio back and compare after writing.
inline constexpr FlagKey VerifyAfterWrite{"VerifyAfterWrite", false};
// Write to Several Radios: read each radio back, keep a backup of each first.
inline constexpr FlagKey SeveralRadiosVerify{"SeveralRadiosVerify", false};
inline constexpr FlagKey SeveralRadiosBackup{"SeveralRadiosBackup", false};
// Setup > Keep a communication log.
inline constexpr FlagKey CommunicationLog{"CommunicationLog", false};

// The name every per-user value is kept under: the settings file's "AppName"
// of section Setup, "" without a settings file.
std::string prefix(const CIniFile* settings);

std::uint32_t get(const UserValues* values, const std::string& appName, NumberKey key);
std::string get(const UserValues* values, const std::string& appName, TextKey key);
bool get(const UserValues* values, const std::string& appName, FlagKey key);
// The number stored, nothing while none is.
std::optional<std::uint32_t> stored(const UserValues* values, const std::string& appName,
                                    NumberKey key);
// Without a store (tests, radio-cli without settings) nothing is kept.
void set(UserValues* values, const std::string& appName, NumberKey key, std::uint32_t value);
void set(UserValues* values, const std::string& appName, TextKey key, const std::string& value);
void set(UserValues* values, const std::string& appName, FlagKey key, bool value);

} // namespace userkeys

// The store and the prefix together, as the window hands them to a dialog or
// a view: what it reads and remembers per user, without reaching for them.
class UserSettings {
public:
    UserSettings() = default; // keeps nothing, every key reads its default
    UserSettings(UserValues* store, std::string prefix)
        : m_store(store), m_prefix(std::move(prefix)) {}
    // The settings file's user values: the prefix from its "AppName".
    UserSettings(UserValues* store, const CIniFile* settings)
        : UserSettings(store, userkeys::prefix(settings)) {}

    template <class Key> auto get(Key key) const { return userkeys::get(m_store, m_prefix, key); }
    std::optional<std::uint32_t> stored(userkeys::NumberKey key) const {
        return userkeys::stored(m_store, m_prefix, key);
    }
    template <class Key, class Value> void set(Key key, const Value& value) const {
        userkeys::set(m_store, m_prefix, key, value);
    }

    UserValues* store() const { return m_store; }
    const std::string& prefix() const { return m_prefix; }

private:
    UserValues* m_store = nullptr;
    std::string m_prefix;
};

// The running program's user settings.
inline UserSettings userSettings(const AppState& state) {
    return UserSettings(state.userValues, state.settings);
}

} // namespace radio
