#pragma once
// The keyboard's Caps, Num and Scroll Lock states, for the status bar's
// indicator panes, where the platform tells them.

#include <optional>

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The states now; nothing where they cannot be read (offscreen, Wayland, an
// X server without the keyboard extension): the panes are hidden then
// rather than showing a guess.
std::optional<LockKeys> readLockKeys();
