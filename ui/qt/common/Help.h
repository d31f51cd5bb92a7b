#pragma once
// Context help: opens the language's help file next to the program with the
// desktop's viewer when it exists, else the installed documentation;
// otherwise a help request does nothing.

#include <functional>

void appHelp(int context);

// Replaces what a help request does (tests record the context instead).
// Passing an empty function restores the default.
void setHelpHandler(std::function<void(int)> handler);
