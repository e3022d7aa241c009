#pragma once
// Paths as the platform writes them ("errmsg\common.err", "D:\work\") are
// accepted with either separator and used with "/" on this system.
#include <string>

// file name alone when the directory is empty; otherwise directory and file
// name with one separator between (a trailing "\" or "/" is kept as it is).
std::string JoinPath(const std::string& directory, const std::string& fileName);

// Every "\" turned into "/", so a platform path opens here.
std::string NativePath(const std::string& path);

// The last path component (after the last "\" or "/").
std::string BaseName(const std::string& path);
