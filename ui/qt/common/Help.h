#pragma once
// Context help: opens the language's help file next to the program with the
// desktop's viewer when it exists, else the installed documentation;
// otherwise a help request does nothing.

#include <functional>
#include <string>

void appHelp(int context);

// Where help is looked for: the program's folder (with a trailing separator)
// and the running language's help file. The application hands them over once
// it knows its language; until then a help request does nothing.
void setHelpFiles(const std::string& programDir, const std::string& helpFile);

// Replaces what a help request does (tests record the context instead).
// Passing an empty function restores the default.
void setHelpHandler(std::function<void(int)> handler);
