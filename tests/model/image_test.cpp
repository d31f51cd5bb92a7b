#include "model/Image.h"
#include "model/MemoryMap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

using namespace radio;
namespace fs = std::filesystem;

namespace {

fs::path freshDir() {
    const fs::path dir =
        fs::temp_directory_path() /
        ("image_test_" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void writeBytes(const fs::path& p, std::size_t count) {
    std::ofstream out(p, std::ios::binary);
    for (std::size_t i = 0; i < count; ++i)
        out.put(char(i % 251));
}

} // namespace

TEST(NewImage, HoldsExactlyTheDefaultBytes) {
    std::map<int, int> expected = {
        {0x000, 0x00}, {0x001, 0x00}, {0x002, 0x00}, {0x008, 0x00}, {0x009, 0x03}, {0x00A, 0x01},
        {0x00B, 0x00}, {0x00C, 0x02}, {0x00D, 0x00}, {0x00E, 0x24}, {0x00F, 0x11}, {0x12F, 0x01},
        {0x130, 0x04}, {0x131, 0x09}, {0x134, 0x04}, {0x135, 0x01}, {0x136, 0x01}, {0x13A, 0x05},
        {0x13B, 0x02}, {0x160, 0x00}, {0x161, 0x11}, {0x162, 0x09}, {0x163, 0x15}, {0x165, 0x30},
        {0x166, 0x00}, {0x167, 0x30}, {0x168, 0x00}, {0x17E, 0x00}, {0x17F, 0x00}, {0x3F0, 0x00}};
    const int tag[8] = {'Q', '4', '1', '8', '6', '2', 0xF0, 0x01};
    const int power[16] = {0x2F, 0xA0, 0x29, 0xA0, 0x26, 0xB4, 0x26, 0xBE,
                           0x28, 0xB4, 0x2D, 0xAA, 0x2D, 0xA0, 0x27, 0xFA};
    for (int i = 0; i < 8; ++i)
        expected[0x1B8 + i] = tag[i];
    for (int i = 0; i < 16; ++i)
        expected[0x3E0 + i] = power[i];
    const Image img = newDocumentImage();
    for (int i = 0; i < int(kImageSize); ++i) {
        const auto it = expected.find(i);
        EXPECT_EQ(img[i], it == expected.end() ? 0xFF : it->second) << "offset " << i;
    }
}

TEST(NewImage, EqualsTheGoldenFileOfEarlierReleases) {
    // new.dat was written by an earlier `radio-cli new`: new documents must
    // not change from one release to the next.
    Image golden{};
    ASSERT_TRUE(loadDat(TEST_SOURCE_DIR "/tests/data/new.dat", golden).ok());
    EXPECT_EQ(newDocumentImage(), golden);
}

TEST(MemoryMap, SetWholeWritesOnlyTheFieldLowByteFirst) {
    Image img;
    img.fill(0xFF);
    // Masks do not narrow a whole write: the time-out timer owns bits 0-6 only.
    mm::setWhole(img, mm::TimeOutTimer, 0x04);
    EXPECT_EQ(img[mm::TimeOutTimer.offset], 0x04);
    mm::setWhole(img, mm::DropoutDelay, 0x0130);
    EXPECT_EQ(img[mm::DropoutDelay.offset], 0x30);
    EXPECT_EQ(img[mm::DropoutDelay.offset + 1], 0x01);
    EXPECT_EQ(mm::get16(img, mm::DropoutDelay), 0x0130u);
    // Neighbours keep their bytes.
    EXPECT_EQ(img[mm::TimeOutTimer.offset - 1], 0xFF);
    EXPECT_EQ(img[mm::TimeOutTimer.offset + 1], 0xFF);
    EXPECT_EQ(img[mm::DropoutDelay.offset - 1], 0xFF);
    EXPECT_EQ(img[end(mm::DropoutDelay)], 0xFF);
}

TEST(DatFile, LoadsExactlyTheFirst1024BytesOrNothing) {
    const fs::path dir = freshDir();
    Image img;
    for (std::size_t i = 0; i < img.size(); ++i)
        img[i] = std::uint8_t(i * 37 + 11);
    ASSERT_TRUE(saveDat((dir / "a.dat").string(), img).ok());
    EXPECT_EQ(fs::file_size(dir / "a.dat"), 1024u);
    Image back{};
    ASSERT_TRUE(loadDat((dir / "a.dat").string(), back).ok());
    EXPECT_EQ(back, img);

    writeBytes(dir / "long.dat", 1025);
    ASSERT_TRUE(loadDat((dir / "long.dat").string(), back).ok());
    for (std::size_t i = 0; i < kImageSize; ++i)
        ASSERT_EQ(back[i], i % 251);

    writeBytes(dir / "short.dat", 1023);
    const Image before = back;
    const Result<void> r = loadDat((dir / "short.dat").string(), back);
    ASSERT_FALSE(r.ok());
    const std::string why = failureText(r.failure(), untranslated());
    EXPECT_NE(why.find("1023"), std::string::npos) << why;
    EXPECT_FALSE(loadDat((dir / "missing.dat").string(), back).ok());
    EXPECT_FALSE(loadDat(dir.string(), back).ok()); // a directory
    EXPECT_EQ(back, before);
    fs::remove_all(dir);
}

TEST(DatFile, SaveReplacesWholeOrKeepsThePreviousFile) {
    const fs::path dir = freshDir();
    const fs::path file = dir / "a.dat";
    writeBytes(file, 5000);
    ASSERT_TRUE(saveDat(file.string(), newDocumentImage()).ok());
    EXPECT_EQ(fs::file_size(file), 1024u); // a longer previous file is not left with a tail

    // A target that cannot be replaced (a directory holding a file) stays as it was.
    const fs::path taken = dir / "taken.dat";
    fs::create_directories(taken);
    writeBytes(taken / "keep", 10);
    EXPECT_FALSE(saveDat(taken.string(), newDocumentImage()).ok());
    EXPECT_EQ(fs::file_size(taken / "keep"), 10u);
    EXPECT_FALSE(saveDat((dir / "no" / "such.dat").string(), newDocumentImage()).ok());
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    fs::remove_all(dir);
}
