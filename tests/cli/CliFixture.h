#pragma once
// Shared set-up of the command-line tests: each test gets its own folder with
// a private copy of radio-cli (so the Program.ini beside it is the test's),
// and runs the tool as a real process, capturing its status and output.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace clitest {

namespace fs = std::filesystem;

struct CliResult {
    int status = -1;
    std::string out, err;
};

inline std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void spit(const fs::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary);
    out << text;
}

// Single-quoted for /bin/sh, whatever the text holds.
inline std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Two models; the first has two bands.
inline constexpr const char* kTwoModelSettings = "[Setup]\nLanguage=English\nAppName=Test\n"
                                                 "Type1=M1\nField1=400-470|450-470\n"
                                                 "Type2=M2\nField2=136-174\n";

class CliTest : public ::testing::Test {
protected:
    CliTest(std::string prefix, std::string settings)
        : m_prefix(std::move(prefix)), m_settings(std::move(settings)) {}

    void SetUp() override {
        dir = fs::temp_directory_path() /
              (m_prefix + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        cli = dir / "radio-cli";
        fs::copy_file(RADIO_CLI, cli);
        // The catalogues lie beside the tool, as installed.
        for (const char* qm : {"English.qm", "Chinese.qm"})
            fs::copy_file(fs::path(STAGE_DIR) / qm, dir / qm);
        spit(dir / "Program.ini", m_settings);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs a shell command line with standard output and error captured.
    CliResult shell(const std::string& command) {
        const std::string cmd = command + " >" + quoted((dir / "stdout").string()) + " 2>" +
                                quoted((dir / "stderr").string());
        CliResult r;
        const int raw = std::system(cmd.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(dir / "stdout");
        r.err = slurp(dir / "stderr");
        return r;
    }
    // Runs the tool; backups and other per-user data stay below the test's folder.
    CliResult run(const std::vector<std::string>& args) {
        std::string cmd =
            "XDG_DATA_HOME=" + quoted((dir / "data").string()) + " " + quoted(cli.string());
        for (const auto& a : args)
            cmd += " " + quoted(a);
        return shell(cmd);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    fs::path dir, cli;

private:
    std::string m_prefix, m_settings;
};

} // namespace clitest
