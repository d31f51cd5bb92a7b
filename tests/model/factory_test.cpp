#include "model/FactoryMode.h"
#include "tests/model/TsCatalogue.h"

#include <gtest/gtest.h>

using namespace radio::factory;

namespace {

TEST(FactoryMode, OnlyTheExactCodeIsAccepted) {
    EXPECT_TRUE(accessCodeAccepted("731462"));
    for (const char* wrong : {"", "73146", "7314621", " 731462", "731462 ", "731463"})
        EXPECT_FALSE(accessCodeAccepted(wrong)) << wrong;
}

TEST(FactoryMode, ItemsAreAppendedOncePerRun) {
    EXPECT_TRUE(shouldAppendItems(32788)); // "&Optional Features" is last after start-up
    EXPECT_FALSE(shouldAppendItems(ID_PARAM_ADJUST));
    EXPECT_FALSE(shouldAppendItems(std::nullopt));
    const auto items = appendedItems(radio::untranslated());
    EXPECT_EQ(items[0].id, 32783);
    EXPECT_EQ(items[0].text, "Power Adjust");
    const auto zh = appendedItems(radio::ts::chineseCatalogue());
    EXPECT_EQ(zh[0].text, "功率调节");
    EXPECT_EQ(zh[1].text, "参数调节");
    EXPECT_EQ(items[1].id, 32771);
    // After appending, the last item is Param Adjust: a second entry adds nothing.
    EXPECT_FALSE(shouldAppendItems(items.back().id));
}

} // namespace
