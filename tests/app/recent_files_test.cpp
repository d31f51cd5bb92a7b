#include "app/RecentFiles.h"
#include "app/UserKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using radio::RecentFiles;

TEST(RecentFiles, NewestFirstWithoutRepeatsAndCapped) {
    RecentFiles list;
    for (int i = 1; i <= 8; ++i)
        list.add("/data/f" + std::to_string(i) + ".dat");
    ASSERT_EQ(list.paths().size(), RecentFiles::kMaxFiles);
    EXPECT_EQ(list.paths().front(), "/data/f8.dat");
    EXPECT_EQ(list.paths().back(), "/data/f3.dat");

    // Opening a listed file again moves it to the top instead of listing it twice.
    list.add("/data/f5.dat");
    ASSERT_EQ(list.paths().size(), RecentFiles::kMaxFiles);
    EXPECT_EQ(list.paths()[0], "/data/f5.dat");
    EXPECT_EQ(list.paths()[1], "/data/f8.dat");
    EXPECT_EQ(std::count(list.paths().begin(), list.paths().end(), "/data/f5.dat"), 1);

    list.remove("/data/f8.dat");
    EXPECT_EQ(list.paths()[1], "/data/f7.dat");

    // A name that could not be stored as one line is not listed.
    list.add("/data/two\nlines.dat");
    list.add("");
    EXPECT_EQ(list.paths()[0], "/data/f5.dat");
}

TEST(RecentFiles, StoredValueRoundTripsAndHandEditsAreTidied) {
    RecentFiles list;
    list.add("/a/b.dat");
    list.add("C:\\radios\\fleet 2.dat");
    list.add("/home/李/频道.dat");
    const RecentFiles back = RecentFiles::parse(list.serialize());
    EXPECT_EQ(back.paths(), list.paths());

    const RecentFiles edited =
        RecentFiles::parse("/x.dat\r\n\n/x.dat\n/y.dat\n/1\n/2\n/3\n/4\n/5\n/6\n");
    const std::vector<std::string> expected{"/x.dat", "/y.dat", "/1", "/2", "/3", "/4"};
    EXPECT_EQ(edited.paths(), expected);
    EXPECT_TRUE(RecentFiles::parse("").paths().empty());
}

TEST(RecentFiles, LabelsTellFilesOfOneNameApart) {
    const std::vector<std::string> paths{
        "/home/tech/customers/Acme/radio.dat", "/home/tech/customers/Bolt/radio.dat",
        "/media/usb/Acme/radio.dat",           "C:\\radios\\fleet.dat",
        "/other/Acme/radio.dat/../x.dat",      "/Acme/radio.dat"};
    const std::vector<std::string> expected{
        "customers/Acme/radio.dat", "Bolt/radio.dat", "usb/Acme/radio.dat", "fleet.dat", "x.dat",
        "/Acme/radio.dat"};
    EXPECT_EQ(RecentFiles::labels(paths), expected);
    EXPECT_EQ(RecentFiles::labels({"/a/b.dat", "/c/d.dat"}),
              (std::vector<std::string>{"b.dat", "d.dat"}));
}

namespace {
class MapValues : public radio::UserValues {
public:
    std::optional<std::uint32_t> get(const std::string& app,
                                     const std::string& name) const override {
        auto it = numbers.find(app + "/" + name);
        return it == numbers.end() ? std::nullopt : std::optional<std::uint32_t>(it->second);
    }
    void set(const std::string& app, const std::string& name, std::uint32_t value) override {
        numbers[app + "/" + name] = value;
    }
    std::optional<std::string> getText(const std::string& app,
                                       const std::string& name) const override {
        auto it = texts.find(app + "/" + name);
        return it == texts.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    void setText(const std::string& app, const std::string& name,
                 const std::string& value) override {
        texts[app + "/" + name] = value;
    }
    std::map<std::string, std::uint32_t> numbers;
    std::map<std::string, std::string> texts;
};
} // namespace

TEST(UserKeys, DefaultsUntilStoredAndNamesAsStoredBefore) {
    namespace uk = radio::userkeys;
    MapValues values;
    EXPECT_EQ(uk::get(&values, "App", uk::Port), 1u);
    EXPECT_EQ(uk::get(&values, "App", uk::LastFolder), "");
    uk::set(&values, "App", uk::Port, 3);
    uk::set(&values, "App", uk::LastFolder, "/srv/radios");
    // Names already in users' settings must not change.
    EXPECT_EQ(values.numbers.at("App/com"), 3u);
    EXPECT_EQ(values.texts.at("App/LastFolder"), "/srv/radios");
    EXPECT_EQ(uk::get(&values, "App", uk::Port), 3u);
    EXPECT_EQ(uk::get(&values, "Other", uk::Port), 1u);
    // Without a store every key reads its default and nothing fails.
    uk::set(nullptr, "App", uk::RecentFiles, "/x.dat");
    EXPECT_EQ(uk::get(nullptr, "App", uk::RecentFiles), "");
}
