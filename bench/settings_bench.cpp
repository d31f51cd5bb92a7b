// Loading a settings file with many sections: the time per section must not
// grow with the file. Each size is four times the one before, so a growth
// ratio near 4 is linear and near 16 quadratic. Also times one change and
// write-back of the largest file. Prints numbers only.

#include "app/IniFile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void writeSections(const std::string& path, int sections) {
    std::ofstream out(path, std::ios::binary);
    out << "; generated\r\n[Setup]\r\nLanguage=English\r\n";
    for (int i = 0; i < sections; ++i)
        out << "[Section " << i << "]\r\nKey=Value " << i << "\r\n\r\n";
}

} // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / ("settings_bench_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "Program.ini").string();
    double previous = 0;
    for (const int sections : {10000, 40000, 160000}) {
        writeSections(path, sections);
        radio::CIniFile ini;
        const auto start = std::chrono::steady_clock::now();
        const bool ok = ini.Load(path, false, true, 0);
        const double took = secondsSince(start);
        const bool found = ini.GetString("Section " + std::to_string(sections - 1), "key") ==
                           "Value " + std::to_string(sections - 1);
        std::printf("%7d sections  load %.3f s  %.0f ns/section", sections, took,
                    took * 1e9 / sections);
        if (previous > 0)
            std::printf("  growth x%.1f (linear 4, quadratic 16)", took / previous);
        std::printf("%s\n", ok && found ? "" : "  FAILED");
        previous = took;
        if (sections == 160000) {
            const auto saving = std::chrono::steady_clock::now();
            ini.SetString("Setup", "Language", "Chinese");
            const bool saved = ini.Save();
            std::printf("one change written back in %.3f s%s\n", secondsSince(saving),
                        saved ? "" : "  FAILED");
        }
    }
    fs::remove_all(dir);
    return 0;
}
