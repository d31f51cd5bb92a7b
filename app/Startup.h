#pragma once
// Start-up rules that need no window: where the settings file is, which
// language catalogue to load, whether the Language command is offered.

#include <string>

namespace radio {

// Directory that holds "Program.ini": the directory part of the program's
// first command-line argument; when that argument holds no directory (the
// program was found through the search path), the executable's own
// directory. No trailing separator.
std::string settingsDirectory(const std::string& argv0, const std::string& executableDir);

// Full path of the catalogue "<languageName>.qm" in `dir`, matched without
// regard to case (an exact match wins). Empty when the name is empty or no
// such file exists.
std::string findCatalogue(const std::string& dir, const std::string& languageName);

// "ShowLang" read like atoi: 0, empty or no number hides the Language command.
bool showLanguageCommand(const std::string& showLang);

// The file a help request opens: the language's help file in the program
// directory when it is there, else the installed documentation
// ("README.md" in `docDir`, relative to the program directory unless
// absolute); empty when neither exists.
std::string helpDocument(const std::string& programDir, const std::string& helpFile,
                         const std::string& docDir);

} // namespace radio
