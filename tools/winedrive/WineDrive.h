// Maps a folder as a removable drive letter, the way a USB stick shows up to the program.
// Under Wine the mount manager creates the drive's symlink in the prefix's dosdevices folder
// and the drive appears in GetLogicalDrives at once, even in processes already running.
#pragma once

#include <string>

namespace winedrive {

// Maps letter (A-Z) to a Unix folder; false if this is not Wine or the request failed.
bool MapFolder(char letter, const std::string& unixFolder);
// Removes the letter's mapping.
bool Unmap(char letter);
// The Unix path of a Windows path; empty if this is not Wine.
std::string UnixPathOf(const std::string& windowsPath);

}  // namespace winedrive
