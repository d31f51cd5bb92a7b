// Which settings file is read and which is written: the file beside the
// program while the user can write it, else the user's own copy.

#include "app/IniFile.h"
#include "app/SettingsLocation.h"
#include "app/Startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using radio::SettingsPaths;

namespace {

class SettingsLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("settings_location_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        makeWritable();
        fs::remove_all(dir);
        fs::create_directories(dir / "program");
        fs::create_directories(dir / "config");
        beside = (dir / "program" / "Program.ini").string();
        config = (dir / "config").string();
    }
    void TearDown() override {
        makeWritable();
        fs::remove_all(dir);
    }
    void makeWritable() {
        std::error_code ec;
        fs::permissions(dir / "program", fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(dir / "program" / "Program.ini", fs::perms::owner_write,
                        fs::perm_options::add, ec);
    }
    // The program directory as installed: nothing in it may be written.
    void lockProgramDir() {
        const auto noWrite =
            fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        std::error_code ec; // the file may be missing on purpose
        fs::permissions(beside, noWrite, fs::perm_options::remove, ec);
        fs::permissions(dir / "program", noWrite, fs::perm_options::remove);
    }
    static void write(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }
    static std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    std::string perUser(const std::string& appName = "Field Radio") const {
        // Written the way the program writes paths: UTF-8 with '/'.
        return (dir / "config" / fs::u8path(appName) / "Program.ini").generic_u8string();
    }

    fs::path dir;
    std::string beside, config;
};

const std::string kSystem = "[Setup]\nLanguage=English\nAppName=Field Radio\nType1=M1\n";

} // namespace

TEST(SettingsPathsRule, WritableBesideProgramIsUsedBothWaysElseThePerUserCopy) {
    // Writable: exactly as always, even when a per-user copy exists.
    EXPECT_EQ(radio::chooseSettingsPaths("/p/Program.ini", true, "/u/Program.ini", true).load,
              "/p/Program.ini");
    EXPECT_EQ(radio::chooseSettingsPaths("/p/Program.ini", true, "/u/Program.ini", true).save,
              "/p/Program.ini");
    // Not writable, no copy yet: start from the system's file, save to the user's.
    const SettingsPaths first =
        radio::chooseSettingsPaths("/p/Program.ini", false, "/u/Program.ini", false);
    EXPECT_EQ(first.load, "/p/Program.ini");
    EXPECT_EQ(first.save, "/u/Program.ini");
    // Not writable, copy present: the copy, both ways.
    const SettingsPaths later =
        radio::chooseSettingsPaths("/p/Program.ini", false, "/u/Program.ini", true);
    EXPECT_EQ(later.load, "/u/Program.ini");
    EXPECT_EQ(later.save, "/u/Program.ini");
    // No per-user folder known: the file beside the program is only read.
    const SettingsPaths none = radio::chooseSettingsPaths("/p/Program.ini", false, "", false);
    EXPECT_EQ(none.load, "/p/Program.ini");
    EXPECT_EQ(none.save, "");
}

TEST(SettingsPathsRule, PerUserConfigFolderFollowsTheXdgRulesAndNeverGuessesAHome) {
    using radio::backups::Platform;
    const auto in = [](std::string xdg, std::string home, std::string local = {}) {
        return [=](const char* name) {
            const std::string n = name;
            return n == "XDG_CONFIG_HOME" ? xdg
                   : n == "HOME"          ? home
                   : n == "LOCALAPPDATA"  ? local
                                          : "";
        };
    };
    EXPECT_EQ(radio::userConfigLocation(Platform::Unix, in("/x/conf", "/home/u")), "/x/conf");
    // A relative XDG_CONFIG_HOME is ignored, not taken from the current folder.
    EXPECT_EQ(radio::userConfigLocation(Platform::Unix, in("conf", "/home/u")), "/home/u/.config");
    EXPECT_EQ(radio::userConfigLocation(Platform::Unix, in("", "/home/u")), "/home/u/.config");
    // Without an absolute home there is no per-user folder: not "/.config".
    EXPECT_EQ(radio::userConfigLocation(Platform::Unix, in("", "")), "");
    EXPECT_EQ(radio::userConfigLocation(Platform::Unix, in("conf", "home")), "");
    EXPECT_EQ(radio::userConfigLocation(Platform::MacOS, in("", "/Users/u")),
              "/Users/u/Library/Preferences");
    EXPECT_EQ(radio::userConfigLocation(Platform::MacOS, in("", "")), "");
    EXPECT_EQ(
        radio::userConfigLocation(Platform::Windows, in("", "", "C:\\Users\\u\\AppData\\Local")),
        "C:/Users/u/AppData/Local");
}

TEST(SettingsPathsRule, PerUserFolderIsTheAppNameMadeSafe) {
    EXPECT_EQ(radio::perUserSettingsPath("/home/u/.config", "Field Radio"),
              "/home/u/.config/Field Radio/Program.ini");
    EXPECT_EQ(radio::perUserSettingsPath("/c", "野联"), "/c/野联/Program.ini");
    // Nothing in the name may climb out of the configuration folder.
    EXPECT_EQ(radio::perUserSettingsPath("/c", "../../etc"), "/c/.._.._etc/Program.ini");
    EXPECT_EQ(radio::perUserSettingsPath("/c", ".."), "/c/RadioProgrammer/Program.ini");
    EXPECT_EQ(radio::perUserSettingsPath("/c", "a\\b\tc"), "/c/a_b_c/Program.ini");
    EXPECT_EQ(radio::perUserSettingsPath("/c", ""), "/c/RadioProgrammer/Program.ini");
    EXPECT_EQ(radio::perUserSettingsPath("", "Field Radio"), "");
}

TEST_F(SettingsLocationTest, WritabilityFollowsTheModeBitsEvenForRoot) {
#ifdef _WIN32
    GTEST_SKIP() << "folders are guarded by access lists there, not by mode bits";
#endif
    write(beside, kSystem);
    EXPECT_TRUE(radio::settingsWritable(beside));
    // A missing file counts as writable where its folder is.
    EXPECT_TRUE(radio::settingsWritable((dir / "program" / "Other.ini").string()));
    lockProgramDir();
    // Root could write anyway; the installation's read-only mode still decides.
    EXPECT_FALSE(radio::settingsWritable(beside));
    EXPECT_FALSE(radio::settingsWritable((dir / "program" / "Other.ini").string()));
    EXPECT_FALSE(radio::settingsWritable((dir / "missing" / "Program.ini").string()));
}

TEST_F(SettingsLocationTest, LocatesTheFilesOnDisk) {
    write(beside, kSystem);
    // Writable beside the program: a stray per-user copy is not used.
    write(perUser(), "[Setup]\nLanguage=Chinese\n");
    SettingsPaths p = radio::locateSettings(beside, config);
    EXPECT_EQ(p.load, beside);
    EXPECT_EQ(p.save, beside);

    lockProgramDir();
    p = radio::locateSettings(beside, config);
    EXPECT_EQ(p.load, perUser());
    EXPECT_EQ(p.save, perUser());

    fs::remove(perUser());
    p = radio::locateSettings(beside, config);
    EXPECT_EQ(p.load, beside);
    EXPECT_EQ(p.save, perUser());
    // Looking changes nothing on disk.
    EXPECT_FALSE(fs::exists(perUser()));
    EXPECT_EQ(read(beside), kSystem);
}

TEST_F(SettingsLocationTest, MissingSystemFileInReadOnlyFolderIsNotCreated) {
#ifdef _WIN32
    GTEST_SKIP() << "folders are guarded by access lists there, not by mode bits";
#endif
    lockProgramDir();
    const SettingsPaths p = radio::locateSettings(beside, config);
    EXPECT_FALSE(fs::exists(beside));
    EXPECT_EQ(p.load, beside);
    EXPECT_EQ(p.save, perUser("RadioProgrammer"));
}

TEST_F(SettingsLocationTest, ChangesGoToTheFullPerUserCopyAndTheSystemFileStaysAsItWas) {
    write(beside, kSystem);
    lockProgramDir();
    const SettingsPaths p = radio::locateSettings(beside, config);
    fs::create_directories(fs::path(p.save).parent_path());
    {
        radio::CIniFile ini;
        ASSERT_TRUE(ini.Load(p.load, true, true, 0));
        ini.SetSavePath(p.save);
        // Unchanged settings are not copied: the system's file stays in force.
        EXPECT_FALSE(ini.Save());
    }
    EXPECT_FALSE(fs::exists(p.save));
    {
        radio::CIniFile ini;
        ASSERT_TRUE(ini.Load(p.load, true, true, 0));
        ini.SetSavePath(p.save);
        ini.SetString("Setup", "Language", "Chinese");
    } // written back as the program ends
    EXPECT_EQ(read(beside), kSystem);
    EXPECT_EQ(read(p.save), "[Setup]\nLanguage=Chinese\nAppName=Field Radio\nType1=M1\n");

    // The next start reads the copy.
    const SettingsPaths next = radio::locateSettings(beside, config);
    EXPECT_EQ(next.load, p.save);
    radio::CIniFile again;
    ASSERT_TRUE(again.Load(next.load, false, true, 0));
    EXPECT_EQ(again.GetString("Setup", "Language"), "Chinese");
    EXPECT_EQ(again.GetString("Setup", "Type1"), "M1");
}

TEST_F(SettingsLocationTest, WithoutAPerUserFolderAReadOnlyInstallationStaysUntouched) {
#ifdef _WIN32
    GTEST_SKIP() << "folders are guarded by access lists there, not by mode bits";
#endif
    write(beside, kSystem);
    lockProgramDir();
    const SettingsPaths p = radio::locateSettings(beside, "");
    ASSERT_EQ(p.save, "");
    {
        radio::CIniFile ini;
        ASSERT_TRUE(ini.Load(p.load, true, true, 0));
        ini.SetSavePath(p.save);
        ini.SetString("Setup", "Language", "Chinese");
        // The change has nowhere to go, and the failure says so.
        EXPECT_FALSE(ini.Save());
        EXPECT_NE(ini.saveError().find(beside), std::string::npos) << ini.saveError();
    } // nor is it written back as the program ends (root could, the mode says no)
    EXPECT_EQ(read(beside), kSystem);
}

TEST_F(SettingsLocationTest, HelpOpensTheOwnHelpFileElseTheInstalledReadme) {
    // Installed layout: <prefix>/lib/radio-programmer and <prefix>/share/doc/radio-programmer.
    const fs::path program = dir / "prefix" / "lib" / "radio-programmer";
    const fs::path doc = dir / "prefix" / "share" / "doc" / "radio-programmer";
    const std::string programDir = program.string() + "/";
    const std::string rel = "../../share/doc/radio-programmer";
    fs::create_directories(program);
    EXPECT_EQ(radio::helpDocument(programDir, "enHelp.chm", rel), "");

    write(doc / "README.md", "# Radio Programmer\n");
    EXPECT_EQ(fs::path(radio::helpDocument(programDir, "enHelp.chm", rel)),
              (doc / "README.md").lexically_normal());
    EXPECT_EQ(radio::helpDocument(programDir, "enHelp.chm", ""), "");
    // An absolute documentation folder is used as given.
    EXPECT_EQ(fs::path(radio::helpDocument(programDir, "", doc.string())),
              (doc / "README.md").lexically_normal());

    write(program / "enHelp.chm", "help");
    EXPECT_EQ(fs::path(radio::helpDocument(programDir, "enHelp.chm", rel)), program / "enHelp.chm");
    // The other language's file is not taken for this one.
    EXPECT_EQ(fs::path(radio::helpDocument(programDir, "chHelp.chm", rel)),
              (doc / "README.md").lexically_normal());
}
