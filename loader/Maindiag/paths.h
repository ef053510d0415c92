// Path rules of the board loader. Paths are Windows paths; '/' is accepted
// as a separator as well as '\'.
#ifndef LOADER_PATHS_H
#define LOADER_PATHS_H

#include <string>

namespace loader {

// The start directory: drive letter, ":\" and the drive's current directory,
// from the process's current directory ("C:\work" stays "C:\work").
std::string StartDirectoryFrom(const std::string &currentDirectory);

// directory + "\" + name, without doubling a separator the directory ends with;
// an empty directory gives the bare name (relative to the current directory).
std::string JoinPath(const std::string &directory, const std::string &name);

// The path up to and including its last separator; empty when it has none.
std::string BrowseDirectoryOf(const std::string &path);

// The directory holding a file: no trailing separator except for a drive
// root ("C:\x.h86" gives "C:\"); empty for a bare name.
std::string DirectoryOf(const std::string &path);

// The command-line text taken as one path: surrounding blanks dropped, then
// the enclosing double quotes; a path given without quotes is kept whole.
std::string UnquoteCommandLine(const std::string &text);

}  // namespace loader

#endif
