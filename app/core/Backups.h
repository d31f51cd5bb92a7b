#pragma once
// Automatic backups of images read from a radio: one file per read in a
// per-user folder the caller names, so the radio's original survives even
// when the user later saves over their own file. Backups are only ever
// added: an existing one is never overwritten or deleted.

#include "model/Image.h"

#include <ctime>
#include <string>

namespace radio::backups {

// A text made safe as part of a file name on every platform: characters that
// some file system forbids or treats specially (/ \ : * ? " < > |, control
// characters), blanks and dots are replaced by '_'; other UTF-8 text, such as
// Chinese model names, is kept; at most 40 bytes, cut on a character
// boundary; empty gives "unknown".
std::string safeNamePart(const std::string& text);

// "2026-03-14_153012_<model>_<band>.dat"; counter 2, 3, ... adds "-2", "-3"
// before the extension.
std::string backupFileName(const std::tm& localTime, const std::string& model,
                           const std::string& band, int counter = 1);

struct Result {
    bool ok = false;
    std::string path;  // the backup written
    std::string error; // one line, for the user
};

// Writes `image` into `folder` (created when missing) under a new name for
// `localTime`; an existing file of that name gets the next counter. A failed
// write removes only its own partial file.
Result writeBackup(const std::string& folder, const Image& image, const std::string& model,
                   const std::string& band, const std::tm& localTime);
// The same at the current local time.
Result writeBackup(const std::string& folder, const Image& image, const std::string& model,
                   const std::string& band);

} // namespace radio::backups
