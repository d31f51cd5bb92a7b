#pragma once
// The radio memory image: the radio's whole 1024-byte configuration, held byte
// for byte. Radio address N is image offset N; 0xFF is the erased value.

#include "model/Result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace radio {

constexpr std::size_t kImageSize = 1024;
using Image = std::array<std::uint8_t, kImageSize>;

// The image a new document starts with: all 0xFF except the fixed bytes the
// radio expects (header, option defaults, "Q41862" tag, power calibration).
Image newDocumentImage();

// .dat files are the 1024 image bytes in offset order, nothing else.
Result<void> loadDat(const std::string& path, Image& image);       // image untouched on failure
Result<void> saveDat(const std::string& path, const Image& image); // old file intact on failure

} // namespace radio
