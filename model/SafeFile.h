#pragma once
// Every file the program writes or reads as input goes through here, so the
// rules hold in one place:
// - a write goes to a new, exclusively created temporary file with a random
//   name beside the target, is flushed to disk and checked, and is then
//   renamed over the target; on any failure the temporary file is removed
//   and the old target is left as it was;
// - the target keeps its permission bits; a symbolic link is written through
//   (the link stays; a dangling one leads to the file it names), a link loop
//   is refused, and so are devices, FIFOs, folders and files the user may
//   not write (a write-protected file is never replaced behind its back);
// - the temporary name is short, so any name the system allows can be
//   written; it is removed when the process is stopped by SIGINT or SIGTERM
//   (see removeTemporaryOnSignals), and one left behind by a killed process
//   is removed by a later write of the same file once it is a day old;
// - inputs must be regular files, are looked at before they are opened (a
//   FIFO would block the open) and are read only up to a limit.
// Paths are UTF-8 everywhere; on Windows they become wide strings only
// inside this file. Pure C++, no Qt.

#include <cstddef>
#include <cstdint>
#include <string>

namespace radio::files {

struct Result {
    bool ok = false;
    int code = 0;      // the system's error number when a call failed, else 0
    std::string error; // one line naming the path and the reason
};

// Replaces `path` with `data` as described above.
Result writeAtomically(const std::string& path, const std::string& data);
Result writeAtomically(const std::string& path, const void* data, std::size_t size);

// The checks writeAtomically makes before it writes, for callers that want to
// refuse a device, FIFO, folder, link loop, write-protected file or missing or
// closed folder before they do any work. Nothing is created.
Result checkOutput(const std::string& path);
// The same for a file appendTo will extend (its folder need not be writable
// when the file exists).
Result checkAppend(const std::string& path);

// Creates `path` holding `data` only when no file of that name exists yet
// (code EEXIST otherwise): an existing file is never opened for writing.
// A failed write removes only the file this call created.
Result createNew(const std::string& path, const void* data, std::size_t size);

// Appends `data` to the end of `path` (created when missing) in one checked
// write, for records and logs whose earlier lines must never be rewritten.
// `headerIfEmpty` goes first when the file is new or empty. Devices, FIFOs and
// folders are refused as for writeAtomically. With empty `data` and header it
// only checks that the file can be appended to (and creates it). Appends to
// one file are serialised by an advisory lock, and one that fails is cut back
// to the old length, so no half row is left for the next to glue onto.
Result appendTo(const std::string& path, const std::string& data,
                const std::string& headerIfEmpty = {});

// Reads at most `maxBytes` of a regular file into `out`. With `exact` false
// a larger file is refused; with `exact` true the first `maxBytes` are read
// and the rest ignored (shorter files are the caller's to judge).
Result readInput(const std::string& path, std::string& out, std::uint64_t maxBytes,
                 bool exact = false);

// Channel lists are a few kilobytes; anything past this is not one.
constexpr std::uint64_t kMaxTextInput = 4u * 1024u * 1024u;

// True when both names lead to the same file (symbolic links and "./"
// resolved, hard links included), or, for files that do not exist yet, when
// writing either would create the same file.
bool sameFile(const std::string& a, const std::string& b);

// An advisory lock on a file, held while a command reads, changes and
// replaces it, so that two updates of one file run one after the other
// instead of one losing the other's change. Only programs that take the lock
// wait for it. (On Windows it takes no lock.)
class UpdateLock {
public:
    UpdateLock() = default;
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;
    ~UpdateLock();
    // Locks the file `path` leads to, waiting up to `waitMs` for another
    // holder; a missing file or one that is not a regular file is left to the
    // reader to refuse. Fails, naming the file, when it stays locked.
    Result acquire(const std::string& path, int waitMs);

private:
    int m_fd = -1;
};

// Installs SIGINT and SIGTERM handlers that remove the temporary file of a
// write in progress and then end the process as the signal would have. For
// programs that do not handle these signals themselves. (POSIX only.)
void removeTemporaryOnSignals();

// Text from a file made safe to show: control characters (and bytes that are
// not UTF-8) become \xNN, and more than `maxChars` characters are cut with
// "…". quoted() adds the double quotes around it.
std::string printable(const std::string& text, std::size_t maxChars = 60);
std::string quoted(const std::string& text, std::size_t maxChars = 60);

// Test seam: the `nth` write to a file from now on (1 = the next one) fails
// with `error` (for example ENOSPC); 0 switches it off.
void failWriteForTesting(int nth, int error);

} // namespace radio::files
