#include "model/Image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

using namespace radio;
namespace fs = std::filesystem;

namespace {

fs::path tempDir() {
    const fs::path dir =
        fs::temp_directory_path() /
        ("image_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void writeBytes(const fs::path& p, std::size_t count, std::uint8_t value) {
    std::ofstream out(p, std::ios::binary);
    for (std::size_t i = 0; i < count; ++i)
        out.put(char(value + i % 7));
}

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(NewImage, HoldsExactlyTheDefaultBytes) {
    const std::map<int, int> expected = {
        {0x000, 0x00}, {0x001, 0x00}, {0x002, 0x00}, {0x008, 0x00}, {0x009, 0x03}, {0x00A, 0x01},
        {0x00B, 0x00}, {0x00C, 0x02}, {0x00D, 0x00}, {0x00E, 0x24}, {0x00F, 0x11}, {0x12F, 0x01},
        {0x130, 0x04}, {0x131, 0x09}, {0x134, 0x04}, {0x135, 0x01}, {0x136, 0x01}, {0x13A, 0x05},
        {0x13B, 0x02}, {0x160, 0x00}, {0x161, 0x11}, {0x162, 0x09}, {0x163, 0x15}, {0x165, 0x30},
        {0x166, 0x00}, {0x167, 0x30}, {0x168, 0x00}, {0x17E, 0x00}, {0x17F, 0x00}, {0x1B8, 'Q'},
        {0x1B9, '4'},  {0x1BA, '1'},  {0x1BB, '8'},  {0x1BC, '6'},  {0x1BD, '2'},  {0x1BE, 0xF0},
        {0x1BF, 0x01}, {0x3F0, 0x00}, {0x3E0, 0x2F}, {0x3E1, 0xA0}, {0x3E2, 0x29}, {0x3E3, 0xA0},
        {0x3E4, 0x26}, {0x3E5, 0xB4}, {0x3E6, 0x26}, {0x3E7, 0xBE}, {0x3E8, 0x28}, {0x3E9, 0xB4},
        {0x3EA, 0x2D}, {0x3EB, 0xAA}, {0x3EC, 0x2D}, {0x3ED, 0xA0}, {0x3EE, 0x27}, {0x3EF, 0xFA}};
    const Image img = newDocumentImage();
    for (int i = 0; i < int(kImageSize); ++i) {
        const auto it = expected.find(i);
        EXPECT_EQ(img[i], it == expected.end() ? 0xFF : it->second) << "offset " << i;
    }
}

TEST(DatFile, SaveAndLoadRoundTripExactly) {
    const fs::path dir = tempDir();
    Image img;
    for (std::size_t i = 0; i < img.size(); ++i)
        img[i] = std::uint8_t(i * 37 + 11);
    const fs::path file = dir / "a.dat";
    ASSERT_TRUE(saveDat(file.string(), img).ok);
    EXPECT_EQ(fs::file_size(file), 1024u);
    Image back{};
    ASSERT_TRUE(loadDat(file.string(), back).ok);
    EXPECT_EQ(back, img);
    // Saving over an existing file replaces it and leaves no temporary behind.
    const Image fresh = newDocumentImage();
    ASSERT_TRUE(saveDat(file.string(), fresh).ok);
    ASSERT_TRUE(loadDat(file.string(), back).ok);
    EXPECT_EQ(back, fresh);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(DatFile, ShortMissingOrOddFilesFailAndLeaveTheImageAlone) {
    const fs::path dir = tempDir();
    const Image before = newDocumentImage();
    Image img = before;

    writeBytes(dir / "short.dat", 1023, 0x10);
    LoadResult r = loadDat((dir / "short.dat").string(), img);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("1023"), std::string::npos) << r.error;
    EXPECT_EQ(img, before);

    writeBytes(dir / "empty.dat", 0, 0);
    EXPECT_FALSE(loadDat((dir / "empty.dat").string(), img).ok);
    EXPECT_FALSE(loadDat((dir / "missing.dat").string(), img).ok);
    EXPECT_FALSE(loadDat(dir.string(), img).ok); // a directory
    EXPECT_EQ(img, before);

    // A longer file gives its first 1024 bytes.
    writeBytes(dir / "long.dat", 1025, 0x20);
    ASSERT_TRUE(loadDat((dir / "long.dat").string(), img).ok);
    const std::string bytes = readAll(dir / "long.dat");
    EXPECT_EQ(std::string(img.begin(), img.end()), bytes.substr(0, 1024));
    fs::remove_all(dir);
}

TEST(DatFile, FailedSaveKeepsThePreviousFile) {
    const fs::path dir = tempDir();
    // The target is a directory that holds a file: it cannot be replaced.
    const fs::path target = dir / "taken.dat";
    fs::create_directories(target);
    writeBytes(target / "keep", 10, 1);
    LoadResult r = saveDat(target.string(), newDocumentImage());
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(fs::file_size(target / "keep"), 10u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "a temporary file was left behind";

    // A folder that does not exist: nothing is written anywhere.
    r = saveDat((dir / "no" / "such.dat").string(), newDocumentImage());
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(fs::exists(dir / "no"));
    fs::remove_all(dir);
}
