#include "model/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace radio::files {

namespace fs = std::filesystem;

namespace {

int g_failAt = 0;
int g_failError = 0;

// Counts writes for the test seam; true when this one is to fail.
bool injectedFailure(int& code) {
    if (g_failAt <= 0 || --g_failAt > 0)
        return false;
    code = g_failError;
    return true;
}

std::string reason(int code) {
    return std::strerror(code);
}

std::string shownPath(const std::string& path) {
    return quoted(path, 4096);
}

Result failed(const std::string& message, int code) {
    Result r;
    r.code = code;
    r.error = message;
    return r;
}

Result cannot(const char* verb, const std::string& path, int code) {
    return failed(std::string("cannot ") + verb + " " + shownPath(path) + ": " + reason(code),
                  code);
}

Result succeeded() {
    Result r;
    r.ok = true;
    return r;
}

#ifdef _WIN32
using StatBuf = struct _stat64;
int statPath(const std::string& path, StatBuf& st) {
    return _wstat64(fs::u8path(path).c_str(), &st);
}
int openPath(const std::string& path, int flags, int mode) {
    return _wopen(fs::u8path(path).c_str(), flags | _O_BINARY | _O_NOINHERIT, mode);
}
int fileStat(int fd, StatBuf& st) {
    return _fstat64(fd, &st);
}
int syncFile(int fd) {
    return _commit(fd);
}
int closeFile(int fd) {
    return _close(fd);
}
long long writeSome(int fd, const char* p, std::size_t n) {
    return _write(fd, p, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 20)));
}
long long readSome(int fd, char* p, std::size_t n) {
    return _read(fd, p, static_cast<unsigned>(std::min<std::size_t>(n, 1u << 20)));
}
void removePath(const std::string& path) {
    _wunlink(fs::u8path(path).c_str());
}
constexpr int kCreateFlags = _O_WRONLY | _O_CREAT | _O_EXCL;
constexpr int kNewFileMode = _S_IREAD | _S_IWRITE;
constexpr int kReadFlags = _O_RDONLY;
bool isRegular(const StatBuf& st) {
    return (st.st_mode & _S_IFMT) == _S_IFREG;
}
const char* kindOf(const StatBuf& st) {
    switch (st.st_mode & _S_IFMT) {
    case _S_IFDIR:
        return "a folder";
    case _S_IFCHR:
        return "a device";
    default:
        return "not a regular file";
    }
}
#else
using StatBuf = struct stat;
int statPath(const std::string& path, StatBuf& st) {
    return ::stat(path.c_str(), &st);
}
int openPath(const std::string& path, int flags, int mode) {
    int fd;
    do
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}
int fileStat(int fd, StatBuf& st) {
    return ::fstat(fd, &st);
}
int syncFile(int fd) {
    return ::fsync(fd);
}
int closeFile(int fd) {
    return ::close(fd);
}
long long writeSome(int fd, const char* p, std::size_t n) {
    return ::write(fd, p, std::min<std::size_t>(n, 1u << 20));
}
long long readSome(int fd, char* p, std::size_t n) {
    return ::read(fd, p, std::min<std::size_t>(n, 1u << 20));
}
void removePath(const std::string& path) {
    ::unlink(path.c_str());
}
// O_NOFOLLOW: even a link planted under the random name is not followed.
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW;
constexpr int kNewFileMode = 0666; // the umask decides, as for any new file
// Non-blocking, so a FIFO put in place after the check cannot hang the open.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK;
bool isRegular(const StatBuf& st) {
    return S_ISREG(st.st_mode);
}
const char* kindOf(const StatBuf& st) {
    if (S_ISDIR(st.st_mode))
        return "a folder";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return "a device";
    if (S_ISFIFO(st.st_mode))
        return "a FIFO (named pipe)";
    if (S_ISSOCK(st.st_mode))
        return "a socket";
    return "not a regular file";
}
#endif

Result notRegular(const std::string& path, const StatBuf& st) {
    const std::string kind = kindOf(st);
    const std::string tail = kind == "not a regular file" ? "" : ", not a regular file";
    return failed(shownPath(path) + " is " + kind + tail, 0);
}

// Writes everything, retrying short writes and interruptions.
bool writeAll(int fd, const char* p, std::size_t n, int& code) {
    while (n > 0) {
        if (injectedFailure(code))
            return false;
        const long long w = writeSome(fd, p, n);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            code = errno;
            return false;
        }
        if (w == 0) {
            code = EIO;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

// Flushes to the disk and closes; both are checked, since a full disk or a
// network file system may report the failure only here.
bool syncAndClose(int fd, int& code) {
    if (syncFile(fd) != 0) {
        code = errno;
        closeFile(fd);
        return false;
    }
    if (closeFile(fd) != 0) {
        code = errno;
        return false;
    }
    return true;
}

// The file a write to `path` should replace: a symbolic link is followed to
// the file it names, so the link itself stays in place.
std::string writeTarget(const std::string& path) {
#ifndef _WIN32
    struct stat lst;
    if (::lstat(path.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string target = real;
            std::free(real);
            return target;
        }
    }
#endif
    return path;
}

std::string randomSuffix() {
    static std::mt19937_64 engine{std::random_device{}() ^
                                  static_cast<std::uint64_t>(std::time(nullptr))};
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s;
    for (int i = 0; i < 12; ++i)
        s += kDigits[engine() % 36];
    return s;
}

bool renameOver(const std::string& from, const std::string& to, int& code, std::string& why) {
#ifdef _WIN32
    // std::rename does not replace an existing file on Windows.
    if (MoveFileExW(fs::u8path(from).c_str(), fs::u8path(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD last = GetLastError();
    code = last == ERROR_ACCESS_DENIED ? EACCES : EIO;
    why = std::system_category().message(static_cast<int>(last));
    return false;
#else
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return true;
    code = errno;
    why = reason(code);
    return false;
#endif
}

std::size_t utf8Length(unsigned char c) {
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    return 0;
}

void appendEscaped(std::string& out, unsigned char c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", c);
    out += buf;
}

} // namespace

Result writeAtomically(const std::string& path, const std::string& data) {
    return writeAtomically(path, data.data(), data.size());
}

Result writeAtomically(const std::string& path, const void* data, std::size_t size) {
    const Result usable = checkOutput(path);
    if (!usable.ok)
        return usable;
    const std::string target = writeTarget(path);
    StatBuf st{};
    [[maybe_unused]] const bool exists = statPath(target, st) == 0;

    fs::path dir = fs::u8path(target).parent_path();
    const std::string name = fs::u8path(target).filename().u8string();
    if (dir.empty())
        dir = ".";

    // A new name each try: nobody can plant a link at a name known ahead.
    std::string tmp;
    int fd = -1;
    int code = 0;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tmp = (dir / fs::u8path("." + name + "." + randomSuffix() + ".tmp")).u8string();
        fd = openPath(tmp, kCreateFlags, kNewFileMode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return cannot("write", path, errno);
#ifndef _WIN32
    if (exists) {
        // The replacement keeps the old file's mode (and owner, where allowed).
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
            if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
                // Not ours to give away: the file then belongs to the writer.
            }
        }
        ::fchmod(fd, st.st_mode & 07777);
    }
#endif
    const bool written = writeAll(fd, static_cast<const char*>(data), size, code);
    if (!written)
        closeFile(fd);
    if (!written || !syncAndClose(fd, code)) {
        removePath(tmp);
        return cannot("write", path, code);
    }
    std::string why;
    if (!renameOver(tmp, target, code, why)) {
        removePath(tmp);
        return failed("cannot replace " + shownPath(path) + ": " + why, code);
    }
#ifndef _WIN32
    // The rename itself reaches the disk with its folder.
    const int dirFd = openPath(dir.string(), O_RDONLY, 0);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
#endif
    return succeeded();
}

Result checkOutput(const std::string& path) {
    if (path.empty())
        return failed("no file name given", 0);
    StatBuf st{};
    if (statPath(writeTarget(path), st) == 0 && !isRegular(st))
        return notRegular(path, st);
    return succeeded();
}

Result createNew(const std::string& path, const void* data, std::size_t size) {
    const int fd = openPath(path, kCreateFlags, kNewFileMode);
    if (fd < 0) {
        const int code = errno;
        return code == EEXIST ? failed(shownPath(path) + " already exists", code)
                              : cannot("create", path, code);
    }
    int code = 0;
    const bool written = writeAll(fd, static_cast<const char*>(data), size, code);
    if (!written)
        closeFile(fd);
    if (!written || !syncAndClose(fd, code)) {
        removePath(path); // our own partial file, nobody else's
        return cannot("write", path, code);
    }
    return succeeded();
}

Result appendTo(const std::string& path, const std::string& data,
                const std::string& headerIfEmpty) {
    const Result usable = checkOutput(path);
    if (!usable.ok)
        return usable;
#ifdef _WIN32
    constexpr int kAppendFlags = _O_WRONLY | _O_CREAT | _O_APPEND;
#else
    // Non-blocking: a FIFO put in place after the check cannot hang the open.
    constexpr int kAppendFlags = O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK;
#endif
    const int fd = openPath(path, kAppendFlags, kNewFileMode);
    if (fd < 0)
        return cannot("append to", path, errno);
    StatBuf st{};
    if (fileStat(fd, st) != 0 || !isRegular(st)) {
        closeFile(fd);
        return notRegular(path, st);
    }
    // One write of the whole text, so concurrent writers never interleave a row.
    const std::string text = (st.st_size == 0 ? headerIfEmpty : std::string()) + data;
    int code = 0;
    const bool written = writeAll(fd, text.data(), text.size(), code);
    if (!written)
        closeFile(fd);
    if (!written || !syncAndClose(fd, code))
        return cannot("append to", path, code);
    return succeeded();
}

Result readInput(const std::string& path, std::string& out, std::uint64_t maxBytes, bool exact) {
    // Looked at before opening: opening a FIFO for reading waits for a writer.
    StatBuf st{};
    if (statPath(path, st) != 0)
        return cannot("open", path, errno);
    if (!isRegular(st))
        return notRegular(path, st);
    const auto tooLarge = [&] {
        return failed(shownPath(path) + " is too large: more than " + std::to_string(maxBytes) +
                          " bytes",
                      EFBIG);
    };
    if (!exact && static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return tooLarge();

    const int fd = openPath(path, kReadFlags, 0);
    if (fd < 0)
        return cannot("open", path, errno);
    if (fileStat(fd, st) != 0 || !isRegular(st)) {
        closeFile(fd);
        return notRegular(path, st);
    }
    std::string text;
    const std::uint64_t limit = exact ? maxBytes : maxBytes + 1;
    char buf[65536];
    while (text.size() < limit) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(sizeof buf, limit - text.size()));
        const long long got = readSome(fd, buf, want);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int code = errno;
            closeFile(fd);
            return cannot("read", path, code);
        }
        if (got == 0)
            break;
        text.append(buf, static_cast<std::size_t>(got));
    }
    closeFile(fd);
    if (!exact && text.size() > maxBytes)
        return tooLarge(); // it grew after the check
    out = std::move(text);
    return succeeded();
}

bool sameFile(const std::string& a, const std::string& b) {
#ifdef _WIN32
    std::error_code ec;
    return fs::equivalent(fs::u8path(a), fs::u8path(b), ec);
#else
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
#endif
}

std::string printable(const std::string& text, std::size_t maxChars) {
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (chars == maxChars)
            return out + "…";
        const unsigned char c = static_cast<unsigned char>(text[i]);
        ++chars;
        if (c < 0x20 || c == 0x7F) {
            appendEscaped(out, c);
            ++i;
            continue;
        }
        if (c < 0x80) {
            out += char(c);
            ++i;
            continue;
        }
        std::size_t len = utf8Length(c);
        bool valid = len != 0 && i + len <= text.size();
        for (std::size_t k = 1; valid && k < len; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        // C1 controls (U+0080..U+009F) act on terminals as escapes do.
        if (valid && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0)
            valid = false;
        if (!valid) {
            appendEscaped(out, c);
            ++i;
            continue;
        }
        out.append(text, i, len);
        i += len;
    }
    return out;
}

std::string quoted(const std::string& text, std::size_t maxChars) {
    return "\"" + printable(text, maxChars) + "\"";
}

void failWriteForTesting(int nth, int error) {
    g_failAt = nth;
    g_failError = error;
}

} // namespace radio::files
