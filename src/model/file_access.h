// The editor's edge to the file system: which paths it uses, which files it
// opens, how much it reads, how a path is named in a failure's cause, and
// how a name typed in the editor becomes a file name on disk.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/load.h"

namespace gs {

// Far above any real file: a table or the name-list index, and RK.cfg.
inline constexpr std::size_t kTableReadLimit = std::size_t{64} << 20;
inline constexpr std::size_t kConfigReadLimit = std::size_t{1} << 20;

// Empty when the editor may use the path; otherwise why not ("the path holds
// a control character"). A NUL would end the path early and a line break
// would split RK.cfg's lines, so no control character is let through.
std::string pathFault(std::string_view path);

// A path as a failure's cause shows it: as the window's text, so that a
// folder named with accented letters shows them, and a long one keeps its
// start and its end with "..." between, so that a box stays short.
std::string shownPath(std::string_view path);

// The whole of a regular file, of at most `limit` bytes. Opening never waits
// (a FIFO without a writer), and a FIFO, device or folder is refused, as is
// a longer file. Failures: "<path>: cannot be opened: <reason>" or
// "<path>: cannot be read: <reason>", <reason> being the system's, "not a
// regular file" or "too large (over 64 MiB)".
LoadStatus readRegularFile(const std::string& path, std::size_t limit, std::string& bytes);

// For tests only; the editor never calls it. While set, readRegularFile calls
// `hook` with the path after it has taken the file's size and before it reads
// the bytes, so that a test can make the file grow in between, as a program
// writing it at that moment would. Empty (nothing called) by default.
void onSizeTakenForTests(std::function<void(const std::string& path)> hook);

// True when `path` names a regular file (after links); never blocks.
bool isRegularFile(const std::string& path);
// True when something (after links) is there under `path`.
bool pathExists(const std::string& path);
// True when `a` and `b` name the same file, there or not yet: links are
// followed, and on Windows letter case is ignored, as its file names do.
bool sameFile(const std::string& a, const std::string& b);

// How the editor's paths name files: on Windows they are Windows-1252 text,
// which the file layer gives the system as wide names; elsewhere they are
// the file system's own bytes. Whoever turns a path into Unicode or back
// (the Qt view's dialogs and pictures) follows it.
extern const bool kPathsAreCp1252;
// A path as std::filesystem takes it, naming the file the file layer names.
std::filesystem::path fileSystemPath(const std::string& path);

// The program's arguments (argv[0] first) as the editor's text: on Windows
// Windows-1252 text whatever the system's code page, a character that it
// cannot hold becoming '?', which the file layer refuses in a name; elsewhere
// argv's bytes.
std::vector<std::string> programArguments(int argc, char** argv);
// A path made absolute against the working folder, named as the editor names
// paths; the path itself when the system does not tell the folder.
std::string absolutePath(const std::string& path);

// The folder of the running executable as the editor names it (the system's
// bytes, whatever they are; on Windows Windows-1252 text), without a trailing
// separator; empty when the system does not tell. Found once: a folder renamed later is not followed.
std::string runningProgramFolder();
// Why the editor cannot work in `folder`, the program folder, or "" when it
// can: a control character (and on Windows a name that the code page cannot
// hold).
std::string programFolderFault(std::string_view folder);

// A name typed in the editor (Windows-1252) as a file name on disk: UTF-8,
// the file system's encoding (on Windows the text as it is).
std::string fileNameFromText(std::string_view text);
// The other way: a file name on disk as the editor's text; a character
// Windows-1252 cannot hold (or a byte that is no UTF-8) becomes "?".
std::string textFromFileName(std::string_view name);

}  // namespace gs
