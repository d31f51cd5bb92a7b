#include "model/Image.h"

#include "model/MemoryMap.h"
#include "model/SafeFile.h"

#include <cstring>

namespace radio {

Image newDocumentImage() {
    Image img;
    img.fill(0xFF);
    // The header row is not interpreted, but a new image carries these bytes
    // in it; the five bytes 0x003-0x007 stay erased.
    static constexpr std::uint8_t kHeader[] = {0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                               0x00, 0x03, 0x01, 0x00, 0x02, 0x00, 0x24, 0x11};
    static_assert(sizeof kHeader == mm::Header.size);
    std::memcpy(&img[mm::Header.offset], kHeader, sizeof kHeader);

    // Whole stored values: a new image sets every bit of these bytes, also the
    // bits a dialog does not own.
    struct Default {
        const mm::Field* field;
        unsigned value;
    };
    static constexpr Default kDefaults[] = {
        {&mm::VoiceAnnunciation, 0x01}, {&mm::TimeOutTimer, 0x04},  {&mm::TotPreAlert, 0x09},
        {&mm::SquelchLevel, 0x04},      {&mm::BatterySaver, 0x01},  {&mm::KeyBeep, 0x01},
        {&mm::VoxGain, 0x05},           {&mm::VoxDelay, 0x02},      {&mm::ScanPriorityMode, 0x00},
        {&mm::PriorityChannel, 0x11},   {&mm::LookBackA, 0x09},     {&mm::LookBackB, 0x15},
        {&mm::DropoutDelay, 0x0030},    {&mm::TxDwellTime, 0x0030}, {&mm::ScanAddLow, 0x00},
        {&mm::ScanAddHigh, 0x00},       {&mm::CallTone, 0x00},
    };
    for (const Default& d : kDefaults)
        mm::setWhole(img, *d.field, d.value);

    static constexpr std::uint8_t kTag[] = {'Q', '4', '1', '8', '6', '2', 0xF0, 0x01};
    static_assert(sizeof kTag == mm::NewImageTag.size);
    std::memcpy(&img[mm::NewImageTag.offset], kTag, sizeof kTag);
    static constexpr std::uint8_t kPower[] = {0x2F, 0xA0, 0x29, 0xA0, 0x26, 0xB4, 0x26, 0xBE,
                                              0x28, 0xB4, 0x2D, 0xAA, 0x2D, 0xA0, 0x27, 0xFA};
    static_assert(sizeof kPower == mm::PowerAdjust.size);
    std::memcpy(&img[mm::PowerAdjust.offset], kPower, sizeof kPower);
    return img;
}

namespace {

// The helper's one-line messages begin a sentence here.
Failure failure(std::string message) {
    if (!message.empty() && message[0] >= 'a' && message[0] <= 'z')
        message[0] = char(message[0] - 'a' + 'A');
    return {FailureCode::File, {std::move(message)}};
}

} // namespace

Result<void> loadDat(const std::string& path, Image& image) {
    std::string bytes;
    // Only the first 1024 bytes are read: a huge or endless file costs nothing.
    const files::Result r = files::readInput(path, bytes, kImageSize, true);
    if (!r.ok)
        return failure(r.error);
    if (bytes.size() < kImageSize)
        return Failure{FailureCode::NotAConfiguration,
                       {files::quoted(path, 4096), std::to_string(bytes.size())}};
    std::memcpy(image.data(), bytes.data(), kImageSize); // bytes after the first 1024 are ignored
    return {};
}

Result<void> saveDat(const std::string& path, const Image& image) {
    const files::Result r = files::writeAtomically(path, image.data(), image.size());
    if (!r.ok)
        return failure(r.error);
    return {};
}

} // namespace radio
