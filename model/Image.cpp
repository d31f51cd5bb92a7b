#include "model/Image.h"

#include "model/MemoryMap.h"
#include "model/SafeFile.h"

#include <cstring>

namespace radio {

Image newDocumentImage() {
    Image img;
    img.fill(0xFF);
    struct Byte {
        std::uint16_t offset;
        std::uint8_t value;
    };
    static constexpr Byte kDefaults[] = {
        {0x000, 0x00}, {0x001, 0x00}, {0x002, 0x00}, {0x008, 0x00}, {0x009, 0x03}, {0x00A, 0x01},
        {0x00B, 0x00}, {0x00C, 0x02}, {0x00D, 0x00}, {0x00E, 0x24}, {0x00F, 0x11}, {0x12F, 0x01},
        {0x130, 0x04}, {0x131, 0x09}, {0x134, 0x04}, {0x135, 0x01}, {0x136, 0x01}, {0x13A, 0x05},
        {0x13B, 0x02}, {0x160, 0x00}, {0x161, 0x11}, {0x162, 0x09}, {0x163, 0x15}, {0x165, 0x30},
        {0x166, 0x00}, {0x167, 0x30}, {0x168, 0x00}, {0x17E, 0x00}, {0x17F, 0x00}, {0x3F0, 0x00},
    };
    for (const Byte& b : kDefaults)
        img[b.offset] = b.value;
    static constexpr std::uint8_t kTag[8] = {'Q', '4', '1', '8', '6', '2', 0xF0, 0x01};
    std::memcpy(&img[mm::NewImageTag.offset], kTag, sizeof kTag);
    static constexpr std::uint8_t kPower[16] = {0x2F, 0xA0, 0x29, 0xA0, 0x26, 0xB4, 0x26, 0xBE,
                                                0x28, 0xB4, 0x2D, 0xAA, 0x2D, 0xA0, 0x27, 0xFA};
    std::memcpy(&img[mm::PowerAdjust.offset], kPower, sizeof kPower);
    return img;
}

namespace {

// The helper's one-line messages begin a sentence here.
LoadResult failure(std::string message) {
    if (!message.empty() && message[0] >= 'a' && message[0] <= 'z')
        message[0] = char(message[0] - 'a' + 'A');
    return {false, std::move(message)};
}

} // namespace

LoadResult loadDat(const std::string& path, Image& image) {
    std::string bytes;
    // Only the first 1024 bytes are read: a huge or endless file costs nothing.
    const files::Result r = files::readInput(path, bytes, kImageSize, true);
    if (!r.ok)
        return failure(r.error);
    if (bytes.size() < kImageSize)
        return failure(files::quoted(path, 4096) + " is not a configuration file: it holds " +
                       std::to_string(bytes.size()) + " bytes, 1024 are needed.");
    std::memcpy(image.data(), bytes.data(), kImageSize); // bytes after the first 1024 are ignored
    return {true, {}};
}

LoadResult saveDat(const std::string& path, const Image& image) {
    const files::Result r = files::writeAtomically(path, image.data(), image.size());
    if (!r.ok)
        return failure(r.error);
    return {true, {}};
}

} // namespace radio
