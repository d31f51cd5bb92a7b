#include "app/IniFile.h"
#include "model/SafeFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#ifndef _WIN32
#include <sys/stat.h>
#endif
#include <sstream>

using radio::CIniFile;
namespace fs = std::filesystem;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("ini_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    std::string write(const std::string& name, const std::string& text) {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    fs::path dir;
};

TEST_F(IniFileTest, LookupRulesOfTheFileFormat) {
    const std::string path = write("Program.ini", "  Unnamed = 1 \r\n"
                                                  "[Setup]\r\n"
                                                  "  Language = Chinese // note\r\n"
                                                  ";Language=English\r\n"
                                                  "/Skipped=1\n\\Skipped=2\n*Skipped=3\n"
                                                  "AppName=First\n"
                                                  "AppName=Second\n"
                                                  "company=Lower\n"
                                                  "Company=Upper\n"
                                                  "Tabbed=abc\t; tail\n"
                                                  "Block=abc /* tail\n"
                                                  "NoEquals\n"
                                                  "= no key\n"
                                                  "Url=a//b/*c\n");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, false, true, 0));
    EXPECT_EQ(ini.GetString("", "Unnamed"), "1");
    // The cut keeps the blank before the marker, so the value is not "Chinese".
    EXPECT_EQ(ini.GetString("Setup", "Language"), "Chinese ");
    EXPECT_EQ(ini.GetString("Setup", "Skipped", "d"), "d");
    // Comment lines are no keys at all, also when asked for by their full text.
    for (const char* comment : {";Language", "/Skipped", "\\Skipped", "*Skipped"})
        EXPECT_EQ(ini.GetString("Setup", comment, "d"), "d") << comment;
    EXPECT_EQ(ini.GetString("Setup", "AppName"), "Second");
    EXPECT_EQ(ini.GetString("setup", "COMPANY"), "Upper");
    EXPECT_EQ(ini.GetString("Setup", "Tabbed"), "abc");
    EXPECT_EQ(ini.GetString("Setup", "Block"), "abc ");
    EXPECT_EQ(ini.GetString("Setup", "NoEquals", "x"), "");
    EXPECT_EQ(ini.GetString("Setup", "Url"), "a");
    // A missing key trims the default; a missing section returns it unchanged.
    EXPECT_EQ(ini.GetString("Setup", "Missing", "  d  "), "d");
    EXPECT_EQ(ini.GetString("Nowhere", "Language", "  d  "), "  d  ");
}

TEST_F(IniFileTest, CaseSensitivityFollowsTheFlag) {
    const std::string path = write("a.ini", "[Setup]\nLanguage=English\n[Ünïcode]\nÄrger=1\n");
    CIniFile exact;
    ASSERT_TRUE(exact.Load(path, false, false, 0));
    EXPECT_EQ(exact.GetString("setup", "Language", "d"), "d");
    EXPECT_EQ(exact.GetString("Setup", "language", "d"), "d");
    EXPECT_EQ(exact.GetString("Setup", "Language"), "English");

    CIniFile folded;
    ASSERT_TRUE(folded.Load(path, false, true, 0));
    EXPECT_EQ(folded.GetString("SETUP", "language"), "English");
    EXPECT_EQ(folded.GetString("üNÏCODE", "äRGER"), "1");
    EXPECT_EQ(folded.GetString("Setup", "Languag", "d"), "d");
}

TEST_F(IniFileTest, SavesOnlyWhenModifiedAndKeepsLayout) {
    const std::string path =
        write("p.ini", "Top=1\r\n[Setup]\r\nA=1\r\nA=2\r\n[English]\r\nB=x\r\n");
    {
        CIniFile ini;
        ASSERT_TRUE(ini.Load(path, true, true, 0));
        ini.SetString("setup", "a", "2"); // same value as the last "A": no change
        EXPECT_FALSE(ini.modified());
        EXPECT_FALSE(ini.Save());
    }
    EXPECT_EQ(read(path), "Top=1\r\n[Setup]\r\nA=1\r\nA=2\r\n[English]\r\nB=x\r\n");
    {
        CIniFile ini;
        ASSERT_TRUE(ini.Load(path, true, true, 0));
        ini.SetString("Setup", "A", "3");         // replaces the last occurrence
        ini.SetString("Chinese", "Company", "C"); // new section at the end
        ini.SetString("English", "New", "n");     // new key at the end of its section
    }                                             // written back on destruction
    EXPECT_EQ(read(path), "Top=1\r\n[Setup]\r\nA=1\r\nA=3\r\n[English]\r\nB=x\r\nNew=n\r\n"
                          "[Chinese]\r\nCompany=C\r\n");
}

TEST_F(IniFileTest, WriteBackChangesOnlyTheChangedValueByteForByte) {
    const std::string original = "; Settings of the radio tool\r\n"
                                 "\r\n"
                                 "[Setup]\r\n"
                                 "  Language =  English   // the window's language\r\n"
                                 ";Language=Chinese\r\n"
                                 "ShowLang\t=\t1\r\n"
                                 "Bare\n"
                                 "\r\n"
                                 "; the texts of each language\r\n"
                                 "[English]\r\n"
                                 "Company=Radio Works\r\n"
                                 "\r\n"
                                 "[Chinese]\r\n"
                                 "Company=Radio Works"; // no end on the last line
    const std::string path = write("Program.ini", original);
    {
        CIniFile ini;
        ASSERT_TRUE(ini.Load(path, true, true, 0));
        ini.SetString("setup", "LANGUAGE", "Chinese");    // the comment goes with the old value
        ini.SetString("Setup", "Bare", "x");              // a key without "=" gains one
        ini.SetString("English", "About Title", "About"); // after the last key, not the blank line
        ini.SetString("Chinese", "AppName", "A");         // the last line gets its end first
        ini.SetString("New", "K", "v");
    }
    EXPECT_EQ(read(path), "; Settings of the radio tool\r\n"
                          "\r\n"
                          "[Setup]\r\n"
                          "  Language =  Chinese\r\n"
                          ";Language=Chinese\r\n"
                          "ShowLang\t=\t1\r\n"
                          "Bare=x\n"
                          "\r\n"
                          "; the texts of each language\r\n"
                          "[English]\r\n"
                          "Company=Radio Works\r\n"
                          "About Title=About\r\n"
                          "\r\n"
                          "[Chinese]\r\n"
                          "Company=Radio Works\r\n"
                          "AppName=A\r\n"
                          "[New]\r\n"
                          "K=v\r\n");
    CIniFile again;
    ASSERT_TRUE(again.Load(path, false, true, 0));
    EXPECT_EQ(again.GetString("Setup", "Language"), "Chinese");
    EXPECT_EQ(again.GetString("Setup", "Bare"), "x");
    EXPECT_EQ(again.GetString("Chinese", "Company"), "Radio Works");

    // A file in Unix line ends gets Unix line ends; an empty one, too.
    const std::string unix = write("u.ini", "[Setup]\nLanguage=English\n");
    const std::string empty = write("e.ini", "");
    for (const std::string& p : {unix, empty}) {
        CIniFile ini;
        ASSERT_TRUE(ini.Load(p, true, true, 0));
        ini.SetString("Setup", "Language", "Chinese");
    }
    EXPECT_EQ(read(unix), "[Setup]\nLanguage=Chinese\n");
    EXPECT_EQ(read(empty), "[Setup]\nLanguage=Chinese\n");
}

TEST_F(IniFileTest, WriteBackOffLeavesTheFileAlone) {
    const std::string path = write("p.ini", "[Setup]\nLanguage=English\n");
    const std::string other = write("q.ini", "[Setup]\nLanguage=Chinese\n");
    {
        CIniFile ini;
        ASSERT_TRUE(ini.Load(path, false, true, 0));
        ini.SetString("Setup", "Language", "Chinese");
        // Loading another file saves the first only when its write-back is set.
        ASSERT_TRUE(ini.Load(other, true, true, 0));
        EXPECT_EQ(ini.GetString("Setup", "Language"), "Chinese");
        ini.SetString("Setup", "Language", "English");
        ASSERT_TRUE(ini.Load(path, false, true, 0));
    }
    EXPECT_EQ(read(path), "[Setup]\nLanguage=English\n");
    EXPECT_EQ(read(other), "[Setup]\nLanguage=English\n");
}

TEST_F(IniFileTest, MissingFileIsCreatedAndUnreadableGivesDefaults) {
    CIniFile ini;
    const std::string missing = (dir / "new.ini").string();
    ASSERT_TRUE(ini.Load(missing, true, true, 0));
    EXPECT_TRUE(fs::exists(missing));
    EXPECT_EQ(ini.GetString("Setup", "Language", "d"), "d");

    CIniFile bad;
    EXPECT_FALSE(bad.Load((dir / "no" / "such" / "dir.ini").string(), true, true, 0));
    EXPECT_EQ(bad.GetString("Setup", "Language", "d"), "d");
    bad.SetString("Setup", "Language", "x"); // nothing loaded: ignored
    EXPECT_FALSE(bad.modified());

    CIniFile directory; // a directory is not a readable settings file
    EXPECT_FALSE(directory.Load(dir.string(), true, true, 0));
    EXPECT_EQ(directory.path(), "");
}

TEST_F(IniFileTest, SaveThatCannotOpenWritesNothing) {
    const std::string path = write("ro.ini", "[Setup]\nA=1\n");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, true, true, 0));
    fs::remove(path);
    fs::create_directory(path); // the name now holds a directory: cannot be opened for writing
    ini.SetString("Setup", "A", "2");
    EXPECT_FALSE(ini.Save());
    EXPECT_TRUE(fs::is_directory(path));
    fs::remove(path);
    EXPECT_TRUE(ini.Save()); // still modified, so a later save succeeds
    EXPECT_EQ(read(path), "[Setup]\nA=2\n");
}

TEST_F(IniFileTest, NumberedBackupsNeverOverwriteEachOther) {
    const std::string path = write("Program.ini", "[Setup]\nA=0\n");
    write("Program.ini.002", "older");
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, false, true, 3));
    ini.SetString("Setup", "A", "1");
    ASSERT_TRUE(ini.Save(true));
    EXPECT_EQ(read((dir / "Program.ini.003").string()), "[Setup]\nA=0\n");
    ini.SetString("Setup", "A", "2");
    ASSERT_TRUE(ini.Save(true));
    EXPECT_EQ(read((dir / "Program.ini.003").string()), "[Setup]\nA=0\n");
    EXPECT_EQ(read((dir / "Program.ini.004").string()), "[Setup]\nA=1\n");
    EXPECT_EQ(read((dir / "Program.ini.002").string()), "older");
    ini.SetString("Setup", "A", "3");
    ASSERT_TRUE(ini.Save(false)); // no backup asked for
    EXPECT_FALSE(fs::exists(dir / "Program.ini.005"));
}

TEST_F(IniFileTest, OpenResolvesAgainstTheProgramDirectory) {
    write("Program.ini", "[Setup]\nLanguage=English\n");
    CIniFile ini;
    ASSERT_TRUE(ini.Open("Program.ini", (dir / "Program").string(), false, true, 0));
    EXPECT_EQ(ini.GetString("Setup", "Language"), "English");
    EXPECT_EQ(fs::path(ini.path()), dir / "Program.ini");

    CIniFile windowsStyle;
    ASSERT_TRUE(windowsStyle.Open("Program.ini", dir.string() + "\\Program.exe", false, true, 0));
    EXPECT_EQ(windowsStyle.GetString("Setup", "Language"), "English");
}

TEST_F(IniFileTest, HostileInputNeverBreaksIt) {
    std::mt19937 rng(1234);
    std::string junk =
        std::string(1 << 20, 'k') + "=" + std::string(1 << 16, 'v') + "\n" + "\xFF\xFE=\xC0\x80\n";
    for (int i = 0; i < 200000; ++i)
        junk.push_back(static_cast<char>(rng() & 0xFF));
    junk += "\n[" + std::string(100000, 's') + "]\nafter=1\n[\n]\n[]\nx=\xC3\n";
    const std::string path = write("junk.ini", junk);
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, true, true, 0));
    EXPECT_EQ(ini.GetString(std::string(100000, 's'), "AFTER"), "1");
    EXPECT_EQ(ini.GetString("", std::string(1 << 20, 'K')).size(), std::size_t(1) << 16);
    EXPECT_EQ(ini.GetString("[]", "x", "d"), "d"); // "[]" names the empty section
    EXPECT_EQ(ini.GetString("", "\xFF\xFE"), "\xC0\x80");
    ini.SetString("\xC3", "\xE4\xBD", "\xF0");
    EXPECT_TRUE(ini.Save());
    CIniFile again;
    ASSERT_TRUE(again.Load(path, false, true, 0));
    EXPECT_EQ(again.GetString("\xC3", "\xE4\xBD"), "\xF0");
}

} // namespace

TEST_F(IniFileTest, ByteOrderMarkAndEmptySectionNamesSurviveAWriteBack) {
    const std::string path = write("Program.ini", "\xEF\xBB\xBF[Setup]\r\nLanguage=Chinese\r\n"
                                                  "[]\r\nLoose=1\r\n[Chinese]\r\nA=B\r\n");
    {
        CIniFile ini;
        ASSERT_TRUE(ini.Load(path, true, true, 0));
        // The mark is not part of the first section's name.
        EXPECT_EQ(ini.GetString("Setup", "Language"), "Chinese");
        EXPECT_EQ(ini.GetString("Chinese", "A"), "B");
        ini.SetString("Chinese", "A", "C");
    }
    // "[]" keeps its own header, so its key stays out of [Setup]; the mark stays.
    EXPECT_EQ(read(path), "\xEF\xBB\xBF[Setup]\r\nLanguage=Chinese\r\n"
                          "[]\r\nLoose=1\r\n[Chinese]\r\nA=C\r\n");
    CIniFile again;
    ASSERT_TRUE(again.Load(path, false, true, 0));
    EXPECT_EQ(again.GetString("Setup", "Loose", "none"), "none");
}

TEST_F(IniFileTest, FailedWriteBackKeepsThePreviousFile) {
    const std::string before = "[Setup]\nLanguage=English\nAppName=Keep\n";
    const std::string path = write("Program.ini", before);
    CIniFile ini;
    ASSERT_TRUE(ini.Load(path, true, true, 0));
    ini.SetString("Setup", "Language", "Chinese");
    radio::files::failWriteForTesting(1, ENOSPC);
    EXPECT_FALSE(ini.Save());
    radio::files::failWriteForTesting(0, 0);
    // The failure is told apart from "nothing to write", naming file and reason.
    EXPECT_NE(ini.saveError().find(path), std::string::npos) << ini.saveError();
    EXPECT_NE(ini.saveError().find(std::strerror(ENOSPC)), std::string::npos) << ini.saveError();
    EXPECT_EQ(read(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1) << "a temporary file is left";
    EXPECT_TRUE(ini.modified());
    EXPECT_TRUE(ini.Save());
    EXPECT_EQ(ini.saveError(), "");
    EXPECT_EQ(read(path), "[Setup]\nLanguage=Chinese\nAppName=Keep\n");
}

TEST_F(IniFileTest, WriteBackKeepsALinkedFileAndItsPermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links and permission bits are POSIX things";
#else
    const std::string real = write("shared.ini", "[Setup]\nA=1\n");
    ::chmod(real.c_str(), 0640);
    const fs::path link = dir / "Program.ini";
    fs::create_symlink(real, link);
    {
        CIniFile ini;
        ASSERT_TRUE(ini.Load(link.string(), true, true, 0));
        ini.SetString("Setup", "A", "2");
    }
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(read(real), "[Setup]\nA=2\n");
    struct stat st;
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
#endif
}
