#pragma once

#include <optional>

// Whether Caps Lock is locked on and its key is not held down right now. Where the platform
// offers no way to read it (offscreen, no display) the answer is false.
bool capsLockOn();

// Makes capsLockOn() answer value instead of asking the keyboard; std::nullopt asks again.
void setCapsLockOverride(std::optional<bool> value);
