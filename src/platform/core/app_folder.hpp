// The application folder (the executable's, or --app-dir) and the names of files under it.
#pragma once
#include <string>

namespace platform {

// Without a trailing separator; "." until set.
void SetAppFolder(std::string path);
const std::string& AppFolder();
// Joins the application folder with a relative name written with backslashes
// ("\muz\menu.wav"), using the platform's separator.
std::string AppFilePath(const std::string& relative);
// The inverse for traces: a path under the application folder, relative, with '/'.
std::string AppRelativeName(const std::string& path);

}  // namespace platform
