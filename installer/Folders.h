#pragma once
// Where things go on this system: the XDG folders for a user, the system
// folders for root. Paths here are file-system paths without a trailing "/".
#include <string>

namespace turnpixa::setup {

struct Folders {
    bool systemWide = false;
    std::string home;
    std::string dataFolder;     // <System> and <Windows>: registry, records, pending moves
    std::string programFiles;   // seeds the ProgramFilesDir value
    std::string startPrograms;  // .desktop files of the menu
    std::string startup;        // autostart
    std::string desktop;
    std::string documents;
    std::string appData;
    std::string programLinks;  // where links to installed programs go
};

// From HOME, XDG_DATA_HOME, XDG_CONFIG_HOME and user-dirs.dirs, or the
// system-wide folders when running as root.
Folders systemFolders();

// Script paths use backslashes; the file system uses "/".
std::string toFileSystemPath(const std::string& scriptPath);
// A file-system folder as a macro value: backslashes and one at the end.
std::string toScriptFolder(const std::string& fileSystemFolder);

// Creates a folder and its missing parents with mode 0755.
bool makeFolders(const std::string& path);
// The folder part of a file-system path ("" when it has none).
std::string parentOf(const std::string& path);
// The text after the last "/" or "\".
std::string fileNameOf(const std::string& path);
// A file's bytes; "" when it cannot be read.
std::string readWhole(const std::string& path);

}  // namespace turnpixa::setup
