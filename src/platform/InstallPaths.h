// Where the program finds its files: beside the executable (a portable copy, or the build
// directory), or where an installation put them.
#pragma once

#include <string>

namespace tintor {

// The file beside the executable if it exists, else the installed copy in <prefix>/share/tintor
// (found relative to the executable), else the path beside the executable.
std::string FindDataFile(const std::string& exeDir, const std::string& name);

// Where System.tri lives: beside the executable when that directory holds one that can be
// written; otherwise in <configHome>/tintor/, which is created (from the installed template,
// when there is one) on first use.
std::string ResolveSettingsPath(const std::string& exeDir, const std::string& configHome);

// The System.tri a reader without a window should read, without creating anything: the one
// ResolveSettingsPath would give if it exists, else the installed template; empty when there
// is none.
std::string SettingsPathToRead(const std::string& exeDir, const std::string& configHome);

// $XDG_CONFIG_HOME, or ~/.config.
std::string ConfigHome();

} // namespace tintor
