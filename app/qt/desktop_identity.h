// What ties the running program to its desktop entry and its installed files,
// and what it needs from the session before Qt starts.
#pragma once

#include <QString>

namespace tavro::qt {

// The desktop entry's name without ".desktop"; also the icon's name.
inline constexpr const char* kDesktopFileName = "org.velmora.Tavro";

// Desktop file name and window icon of the application (an installed icon
// theme first, the copy built into the program otherwise).
void TieToDesktopEntry();

// Without XDG_RUNTIME_DIR (cron, su) Qt warns on stderr and picks a folder
// itself: the program makes the same private folder and names it, quietly.
void EnsureRuntimeFolder();

// The installed licence text, as a path under the program's prefix.
QString LicenceFile();

}  // namespace tavro::qt
