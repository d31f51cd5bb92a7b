// radio-cli's outputs and inputs on hostile or failing file systems: planted
// links, devices, FIFOs, an output that is the input, full disks.

#include "CliFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using clitest::CliResult;
using clitest::quoted;
using clitest::slurp;
using clitest::spit;

namespace {

class FileSafety : public clitest::CliTest {
protected:
    FileSafety() : CliTest("radio_cli_safety_", clitest::kTwoModelSettings) {}

    void SetUp() override {
        CliTest::SetUp();
        ASSERT_EQ(run({"new", path("a.dat")}).status, 0);
        original = slurp(path("a.dat"));
        ASSERT_EQ(original.size(), 1024u);
    }
    // The tool under `timeout`, so a command that hangs fails instead of blocking.
    CliResult runBounded(const std::string& args) {
        return shell("XDG_DATA_HOME=" + quoted(path("data")) + " timeout 20 " +
                     quoted(cli.string()) + " " + args);
    }
    std::string original;
};

mode_t modeOf(const std::string& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

} // namespace

TEST_F(FileSafety, OutputsNeverFollowPlantedLinksButWriteThroughTheTargetsLink) {
    spit(dir / "victim", "precious");
    for (const char* planted : {"o.csv.tmp~", "o.pdf.tmp~", "b.dat.tmp~"})
        fs::create_symlink(dir / "victim", dir / planted);
    EXPECT_EQ(run({"export-csv", path("a.dat"), path("o.csv")}).status, 0);
    EXPECT_EQ(run({"report", path("a.dat"), path("o.pdf")}).status, 0);
    EXPECT_EQ(run({"new", path("b.dat")}).status, 0);
    EXPECT_EQ(slurp(dir / "victim"), "precious");
    EXPECT_EQ(slurp(dir / "b.dat"), original);

    // A private file reached through a link: the link stays, the file keeps 0600.
    spit(dir / "real.csv", "old");
    ::chmod(path("real.csv").c_str(), 0600);
    fs::create_symlink(dir / "real.csv", dir / "link.csv");
    ASSERT_EQ(run({"export-csv", path("a.dat"), path("link.csv")}).status, 0);
    EXPECT_TRUE(fs::is_symlink(dir / "link.csv"));
    EXPECT_EQ(slurp(dir / "real.csv"), slurp(dir / "o.csv"));
    EXPECT_EQ(modeOf(path("real.csv")), 0600u);
}

TEST_F(FileSafety, AnOutputThatIsAnInputIsRefusedBeforeAnythingIsWritten) {
    fs::create_symlink(dir / "a.dat", dir / "a-link.dat");
    const std::string viaDot = (dir / "." / "a.dat").string();
    const std::vector<std::vector<std::string>> commands = {
        {"export-csv", path("a.dat"), path("a.dat")},
        {"export-csv", path("a.dat"), viaDot},
        {"export-csv", path("a.dat"), path("a-link.dat")},
        {"report", path("a.dat"), path("a.dat")},
        {"report", path("a-link.dat"), viaDot},
        {"import-csv", path("a.dat"), path("a.dat"), "--band", "400-470"},
        {"import-csv", path("a-link.dat"), path("a.dat"), "--band", "400-470"},
    };
    for (const auto& args : commands) {
        const CliResult r = run(args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << args[2];
        EXPECT_NE(r.err.find("is the input"), std::string::npos) << r.err;
        EXPECT_EQ(slurp(dir / "a.dat"), original) << args[0] << " " << args[2];
    }
    EXPECT_TRUE(fs::is_symlink(dir / "a-link.dat"));
}

TEST_F(FileSafety, InputsThatAreNotRegularFilesAreRefusedQuickly) {
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    fs::create_directories(dir / "folder");
    const std::string dat = quoted(path("a.dat"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"dump " + quoted(path("fifo")), "FIFO"},
        {"dump /dev/zero", "is a device"},
        {"dump " + quoted(path("folder")), "is a folder"},
        {"import-csv /dev/zero " + dat + " --band 400-470", "is a device"},
        {"import-csv " + quoted(path("fifo")) + " " + dat + " --band 400-470", "FIFO"},
        {"report " + quoted(path("fifo")) + " " + quoted(path("r.pdf")), "FIFO"},
        {"write --port " + quoted(path("nowhere")) + " /dev/zero", "is a device"},
    };
    for (const auto& [args, expected] : cases) {
        const CliResult r = runBounded(args);
        EXPECT_EQ(r.status, 2) << args << " (124 means it hung)\n" << r.err;
        EXPECT_NE(r.err.find(expected), std::string::npos) << args << "\n" << r.err;
    }
    EXPECT_EQ(slurp(dir / "a.dat"), original);
    EXPECT_FALSE(fs::exists(dir / "r.pdf"));
}

TEST_F(FileSafety, DevicesAndFoldersAreRefusedAsOutputs) {
    fs::create_directories(dir / "folder");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"export-csv", path("a.dat"), "/dev/null"},
                                               {"report", path("a.dat"), "/dev/null"},
                                               {"new", "/dev/null"},
                                               {"export-csv", path("a.dat"), path("folder")}}) {
        const CliResult r = run(args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << args.back();
        EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
    }
    struct stat st;
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
}

TEST_F(FileSafety, OversizedCsvIsRefusedAndFileTextIsShownSafely) {
    spit(dir / "huge.csv", "CH,Rx\n" + std::string(5u << 20, '1'));
    CliResult r = run({"import-csv", path("huge.csv"), path("a.dat"), "--band", "400-470"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("too large"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(dir / "a.dat"), original);

    // A column name that would clear the screen, and one far too long to show.
    spit(dir / "evil.csv", "CH,\x1b[2J\x1b]0;owned\x07" + std::string(200, 'x') + "\n1,\n");
    r = run({"import-csv", path("evil.csv"), path("a.dat"), "--band", "400-470"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << "raw escape reached the terminal";
    EXPECT_EQ(r.err.find('\x07'), std::string::npos);
    EXPECT_NE(r.err.find("\\x1B[2J"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("…"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find(std::string(100, 'x')), std::string::npos) << r.err;
    // Rejected cells quote the file's text the same way.
    spit(dir / "cell.csv", "CH,Rx Frequency,QT/DQT Dec\n1,440.00000,\x1b[31mred\n");
    r = run({"import-csv", path("cell.csv"), path("a.dat"), "--band", "400-470"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("\\x1B[31mred"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(dir / "a.dat"), original);
}

// A file-size limit makes writes fail as a full disk does, without mounting:
// every output command must fail, say why and keep the old file.
TEST_F(FileSafety, FailedWritesKeepTheOldFileAndFailTheCommand) {
    spit(dir / "old.csv", "old csv");
    spit(dir / "old.pdf", "old pdf");
    for (const auto& [command, out] : std::vector<std::pair<std::string, std::string>>{
             {"export-csv", "old.csv"}, {"report", "old.pdf"}}) {
        // The limit only for the tool; its messages go out through a pipe,
        // which the limit does not touch.
        const std::string limited =
            "set -o pipefail; (trap '' XFSZ; ulimit -f 0; exec " + quoted(cli.string()) + " " +
            command + " " + quoted(path("a.dat")) + " " + quoted(path(out)) + ") 2>&1 | cat >&2";
        const CliResult r = shell("bash -c " + quoted(limited));
        EXPECT_NE(r.status, 0) << command;
        EXPECT_NE(r.err.find(path(out)), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
        EXPECT_EQ(slurp(dir / out), out == "old.csv" ? "old csv" : "old pdf");
    }
    // Two more: the catalogues beside the tool.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 7 + 2)
        << "a temporary file was left behind";
}

// The real thing where the tests may mount: a tmpfs filled to the brim.
TEST_F(FileSafety, FullDiskKeepsTheOldFileAndReportsNoSpace) {
    const fs::path mnt = dir / "small";
    fs::create_directories(mnt);
    if (::geteuid() != 0 || ::mount("tmpfs", mnt.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here; the file-size limit test covers this";
    spit(mnt / "keep.csv", "old csv");
    spit(mnt / "keep.pdf", "old pdf");
    spit(mnt / "keep.dat", original);
    shell("dd if=/dev/zero of=" + quoted((mnt / "filler").string()) + " bs=4k");
    std::vector<CliResult> results = {
        run({"export-csv", path("a.dat"), (mnt / "keep.csv").string()}),
        run({"report", path("a.dat"), (mnt / "keep.pdf").string()}),
        run({"new", (mnt / "keep.dat").string()}),
    };
    const std::string csv = slurp(mnt / "keep.csv"), pdf = slurp(mnt / "keep.pdf"),
                      dat = slurp(mnt / "keep.dat");
    const auto left = std::distance(fs::directory_iterator(mnt), {});
    ::umount(mnt.c_str());
    for (const CliResult& r : results) {
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_NE(r.err.find("No space left on device"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(mnt.string()), std::string::npos) << r.err;
    }
    EXPECT_EQ(csv, "old csv");
    EXPECT_EQ(pdf, "old pdf");
    EXPECT_EQ(dat, original);
    EXPECT_EQ(left, 4) << "a temporary file was left behind";
}

// As an ordinary user (nobody, when the tests run as root) a write-protected
// file in a writable folder is refused by every command that would replace it.
TEST_F(FileSafety, ProtectionWriteProtectedFilesStayUnchangedForAnOrdinaryUser) {
    std::string as;
    if (::geteuid() == 0) {
        if (::system("command -v setpriv >/dev/null") != 0)
            GTEST_SKIP() << "setpriv is needed to run the tool as an ordinary user";
        as = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        fs::permissions(dir, fs::perms::all);
    }
    spit(dir / "in.csv", "CH,Rx Frequency\n1,440.00000\n");
    for (const char* name : {"ro.dat", "ro.csv"}) {
        spit(dir / name, name == std::string("ro.dat") ? original : "old csv");
        if (::geteuid() == 0 && ::chown(path(name).c_str(), 65534, 65534) != 0)
            GTEST_SKIP() << "cannot hand the files to nobody";
        ::chmod(path(name).c_str(), 0444);
    }
    const std::string ro = quoted(path("ro.dat"));
    for (const auto& [args, target] : std::vector<std::pair<std::string, std::string>>{
             {"new " + ro, "ro.dat"},
             {"import-csv " + quoted(path("in.csv")) + " " + ro + " --band 400-470", "ro.dat"},
             {"export-csv " + quoted(path("a.dat")) + " " + quoted(path("ro.csv")), "ro.csv"}}) {
        const CliResult r = shell(as + quoted(cli.string()) + " " + args);
        EXPECT_EQ(r.status, 2) << args << "\n" << r.err;
        EXPECT_NE(r.err.find(path(target) + "\" is write-protected"), std::string::npos) << r.err;
    }
    EXPECT_EQ(slurp(dir / "ro.dat"), original);
    EXPECT_EQ(slurp(dir / "ro.csv"), "old csv");
}

TEST_F(FileSafety, OutputsAreCheckedAgainstInputsAndEachOtherBeforeAnyIsCreated) {
    const std::string port = path("no-port");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"clone", path("a.dat"), "--port", port, "--log", path("a.dat"), "--trace", path("a.dat")},
         "is the input"},
        {{"write", "--port", port, path("a.dat"), "--trace", path("a.dat")}, "is the input"},
        {{"clone", path("a.dat"), "--port", port, "--log", path("x.txt"), "--trace",
          (dir / "." / "x.txt").string()},
         "are the same file"},
        {{"read", "--port", port, path("out.dat"), "--trace", path("out.dat")},
         "are the same file"},
        // A trace that cannot be written: the record is not created first.
        {{"clone", path("a.dat"), "--port", port, "--log", path("log.csv"), "--trace",
          path("no-folder/t.txt")},
         "no-folder"},
    };
    for (const auto& [args, expected] : cases) {
        const CliResult r = run(args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << args.back() << "\n" << r.err;
        EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
    }
    EXPECT_EQ(slurp(dir / "a.dat"), original);
    for (const char* never : {"x.txt", "out.dat", "log.csv"})
        EXPECT_FALSE(fs::exists(dir / never)) << never;
}

// Two imports into one configuration at once: the second waits for the
// first and adds its channel to the first one's result.
TEST_F(FileSafety, LockingConcurrentImportsIntoOneFileKeepBoth) {
    spit(dir / "one.csv", "CH,Rx Frequency\n1,440.00000\n");
    spit(dir / "two.csv", "CH,Rx Frequency\n2,441.00000\n");
    const std::string import = quoted(cli.string()) + " import-csv ";
    const std::string dat = quoted(path("a.dat")) + " --band 400-470";
    for (int round = 0; round < 10; ++round) {
        spit(dir / "a.dat", original);
        const CliResult r =
            shell("{ " + import + quoted(path("one.csv")) + " " + dat + " & a=$!; " + import +
                  quoted(path("two.csv")) + " " + dat + " & b=$!; wait $a && wait $b; }");
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string grid = run({"dump", path("a.dat")}).out;
        ASSERT_NE(grid.find("440.00000"), std::string::npos) << "round " << round << "\n" << grid;
        ASSERT_NE(grid.find("441.00000"), std::string::npos) << "round " << round << "\n" << grid;
    }
}
