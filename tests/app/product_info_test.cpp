#include "app/AppState.h"
#include "app/IniFile.h"
#include "app/ProductInfo.h"
#include "app/UserKeys.h"
#include "model/MemoryMap.h"
#include "tests/MemoryUserValues.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

using namespace radio;
namespace fs = std::filesystem;

namespace {

using MapValues = testsupport::MemoryUserValues;

class ProductInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = fs::temp_directory_path() /
               (std::string("product_") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini");
        std::ofstream(path) << "[Setup]\n"
                               "AppName=RadioKey\n"
                               "Type1=M1\nField1=400-470|430-480\n"
                               "Type2=M2\nField2=136-174\n"
                               "Type3=\n"
                               "Type4=M4\nField4=\n"
                               "[English]\nAppName=Radio\n"
                               "[Chinese]\nAppName=电台\n";
        ASSERT_TRUE(ini.Load(path.string(), false, true, 0));
    }
    void TearDown() override { fs::remove(path); }
    fs::path path;
    CIniFile ini;
    MapValues values;
};

TEST(BandLimits, ReadsBothEdgesLikeAtoi) {
    EXPECT_EQ(bandLimits("400-470").low, 40000000);
    EXPECT_EQ(bandLimits("400-470").high, 47000000);
    EXPECT_EQ(bandLimits(" 136MHz - 174MHz").high, 17400000);
    EXPECT_EQ(bandLimits("450").high, 45000000);
    EXPECT_EQ(bandLimits("").low, 0);
    EXPECT_EQ(bandLimits("").high, 0);
    EXPECT_EQ(bandLimits("abc-x").high, 0);
    // Too large for 32 bits in 10 Hz units: saturates rather than wrapping.
    EXPECT_EQ(bandLimits("99999-999999").high, 2147483647);
    // Numbers beyond what the reading itself holds saturate too, either way.
    const BandLimits huge = bandLimits("99999999999999999999-99999999999999999999");
    EXPECT_EQ(huge.low, 2147483647);
    EXPECT_EQ(huge.high, 2147483647);
    EXPECT_EQ(bandLimits("-99999999999999999999").low, -2147483647 - 1);
    EXPECT_EQ(bandLimits("-30000").low, -2147483647 - 1);
}

TEST(SplitBands, KeepsEveryPieceAndTheTail) {
    EXPECT_EQ(splitBands("400-470|450-470"), (std::vector<std::string>{"400-470", "450-470"}));
    EXPECT_EQ(splitBands("400-470"), (std::vector<std::string>{"400-470"}));
    EXPECT_EQ(splitBands("a||b|"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_TRUE(splitBands("").empty());
}

TEST_F(ProductInfoTest, TypeListStopsAtTheFirstEmptyKey) {
    EXPECT_EQ(typeList(ini), (std::vector<std::string>{"M1", "M2"}));
    EXPECT_EQ(bandList(ini, 0), (std::vector<std::string>{"400-470", "430-480"}));
}

TEST_F(ProductInfoTest, FreshDocumentTakesTheLastUsedModelAndBand) {
    Image img = newDocumentImage();
    // Nothing remembered yet: 0/0.
    ProductRefresh r = refreshProductInfo(img, ini, &values, true, "English", untranslated());
    EXPECT_EQ(img[mm::ModelType.offset], 0);
    EXPECT_EQ(img[mm::BandIndex.offset], 0);
    EXPECT_EQ(r.title, "Radio Programming Software  [ Type:M1  Fre:400-470 ]");
    EXPECT_TRUE(values.numbers.empty());

    values.set("RadioKey", "Type", 0x100); // only the low byte reaches the image
    values.set("RadioKey", "Field", 7);    // past the last band: the last one
    r = refreshProductInfo(img, ini, &values, true, "Chinese", ts::chineseCatalogue());
    EXPECT_EQ(img[mm::ModelType.offset], 0);
    EXPECT_EQ(img[mm::BandIndex.offset], 7);
    EXPECT_EQ(r.title, "电台 写频软件  [ 类型:M1  频率:430-480 ]");
    EXPECT_EQ(r.limits.low, 43000000);
    EXPECT_EQ(r.limits.high, 48000000);
}

TEST_F(ProductInfoTest, LoadedImageBecomesTheLastUsedChoice) {
    Image img = newDocumentImage();
    img[mm::ModelType.offset] = 1;
    img[mm::BandIndex.offset] = 0;
    values.set("RadioKey", "Type", 0);
    const ProductRefresh r =
        refreshProductInfo(img, ini, &values, false, "English", untranslated());
    EXPECT_EQ(values.get("RadioKey", "Type"), 1u);
    EXPECT_EQ(values.get("RadioKey", "Field"), 0u);
    EXPECT_EQ(r.texts.model, "M2");
    EXPECT_EQ(r.limits.low, 13600000);
    EXPECT_EQ(r.limits.high, 17400000);

    // A model without a band text gives limits 0/0: every frequency is refused.
    img[mm::ModelType.offset] = 0xFF;
    const ProductRefresh none =
        refreshProductInfo(img, ini, &values, false, "English", untranslated());
    EXPECT_EQ(none.title, "Radio Programming Software  [ Type:  Fre: ]");
    EXPECT_EQ(none.limits.high, 0);
}

TEST_F(ProductInfoTest, DialogOpensFromTheUserValuesAndStoresOnOk) {
    Image img = newDocumentImage();
    ProductDialogState s = openProductDialog(ini, &values);
    EXPECT_EQ(s.typeIndex, 0);
    EXPECT_EQ(s.bandIndex, 0);

    values.set("RadioKey", "Type", 0);
    values.set("RadioKey", "Field", 1);
    s = openProductDialog(ini, &values);
    EXPECT_EQ(s.bands.size(), 2u);
    EXPECT_EQ(s.bandIndex, 1);

    const ProductChoice c = applyProductDialog(s, img, ini, &values, "Chinese");
    EXPECT_EQ(img[mm::ModelType.offset], 0);
    EXPECT_EQ(img[mm::BandIndex.offset], 1);
    EXPECT_EQ(c.limits.low, 43000000);
    EXPECT_EQ(c.limits.high, 48000000);
    EXPECT_EQ(c.title, "电台  [ Type:M1  Fre:430-480 ]");

    // A type change selects the new model's first band.
    selectProductType(s, ini, 1);
    EXPECT_EQ(s.bands, (std::vector<std::string>{"136-174"}));
    EXPECT_EQ(s.bandIndex, 0);

    // Remembered indexes outside the lists leave them without selection.
    values.set("RadioKey", "Type", 5);
    s = openProductDialog(ini, &values);
    EXPECT_EQ(s.typeIndex, -1);
    EXPECT_TRUE(s.bands.empty());
    const ProductChoice empty = applyProductDialog(s, img, ini, &values, "English");
    EXPECT_EQ(img[mm::BandIndex.offset], 0xFF);
    EXPECT_EQ(empty.limits.low, 0);
    EXPECT_EQ(empty.limits.high, 0);
    EXPECT_EQ(values.get("RadioKey", "Field"), 0xFFu);
}

} // namespace

TEST_F(ProductInfoTest, UserChoicesAreOnOffUnderTheSettingsName) {
    namespace uk = radio::userkeys;
    EXPECT_EQ(uk::prefix(&ini), "RadioKey");
    EXPECT_EQ(uk::prefix(nullptr), "");

    const UserSettings user(&values, &ini);
    EXPECT_FALSE(user.get(uk::VerifyAfterWrite));
    EXPECT_FALSE(user.stored(uk::Port).has_value());
    user.set(uk::VerifyAfterWrite, true);
    user.set(uk::SeveralRadiosBackup, true);
    user.set(uk::CommunicationLog, false);
    // On is the number 1 under the names earlier versions stored.
    EXPECT_EQ(values.numbers.at("RadioKey/VerifyAfterWrite"), 1u);
    EXPECT_EQ(values.numbers.at("RadioKey/SeveralRadiosBackup"), 1u);
    EXPECT_EQ(values.numbers.at("RadioKey/CommunicationLog"), 0u);
    EXPECT_TRUE(user.get(uk::VerifyAfterWrite));
    EXPECT_FALSE(user.get(uk::SeveralRadiosVerify));
    // Any number but 1 is off.
    values.numbers["RadioKey/SeveralRadiosVerify"] = 2;
    EXPECT_FALSE(user.get(uk::SeveralRadiosVerify));
    // Settings handed nowhere keep nothing.
    UserSettings().set(uk::CommunicationLog, true);
    EXPECT_FALSE(UserSettings().get(uk::CommunicationLog));
}
