#pragma once
// A seeded test image: neighbouring bytes differ, and so does each byte from
// the same byte of an image with another seed, so a byte lost, moved or left
// stale shows. Its values are ones no editor would accept.

#include "model/Image.h"

#include <cstddef>
#include <cstdint>

namespace testsupport {

inline radio::Image patterned(std::uint8_t seed) {
    radio::Image img;
    for (std::size_t i = 0; i < img.size(); ++i)
        img[i] = std::uint8_t(i * 7 + seed);
    return img;
}

} // namespace testsupport
