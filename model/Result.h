#pragma once
// What the core's operations that can fail give back: the value, or a
// Failure naming what went wrong with a code and its arguments. The core
// never words a failure itself; failureText() turns one into the user's
// language in one place, for the window and radio-cli alike.

#include "model/Text.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace radio {

// A transfer's failures come in threes, in this order: the transfer itself,
// the read that keeps a backup first, the read that checks a write.
enum class FailureCode {
    Cancelled,
    // The port could not be opened; argument: the system's reason, may be empty.
    PortNotOpened,
    PortNotOpenedForBackup,
    PortNotOpenedForVerify,
    // The radio stopped answering and no retry was left.
    CommunicationError,
    CommunicationErrorInBackup,
    CommunicationErrorInVerify,
    // The radio answered the handshake wrongly too often.
    Interrupted,
    InterruptedInBackup,
    InterruptedInVerify,
    // The radio's original could not be kept; cause: why.
    NoBackupKept,
    // The read-back found bytes the radio does not hold; argument: how many.
    VerifyDiffers,
    // A file is too short to be a configuration; arguments: the quoted
    // name, how many bytes it holds.
    NotAConfiguration,
    // Backups: the folder cannot be made, or every name for this second is
    // taken; argument: the folder.
    NoBackupsFolder,
    TooManyBackups,
    // A file could not be written or read; argument: the file layer's line,
    // which names the file and the system's reason.
    File,
};
// One past the last code, for checks that walk every code.
inline constexpr int kFailureCodes = int(FailureCode::File) + 1;

struct Failure {
    FailureCode code = FailureCode::File;
    std::vector<std::string> args;
    // The failure that led to this one; its text is the argument after `args`,
    // so it reads in the same language.
    std::shared_ptr<const Failure> cause = {};
};

// `code` because of `cause`, as "no backup kept: <why>".
Failure failedBecause(FailureCode code, Failure cause);

// The failure in the language of `translate`, its arguments in place. A
// text whose last argument is an empty reason ends before ": %n".
std::string failureText(const Failure& failure, const Translate& translate);

// A value of T, or the Failure that prevented it.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(Failure failure) : m_state(std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<0>(m_state); }
    T& value() { return std::get<0>(m_state); }
    const Failure& failure() const { return std::get<1>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

// Success with nothing to give back, or the Failure.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure; }
    explicit operator bool() const { return ok(); }
    const Failure& failure() const { return *m_failure; }

private:
    std::optional<Failure> m_failure;
};

} // namespace radio
