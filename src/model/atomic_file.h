// Writing a file so that a failure half-way never leaves it truncated: the
// bytes go to a temporary file (a short name of fixed length) in the target's
// own folder, which is renamed over the target only once it is completely
// written and closed. An existing file of that name is therefore either fully
// replaced or left exactly as it was. A link is written through to the file
// it names; a read-only target, a FIFO, device or folder, and a path holding
// a control character are refused; the replacement keeps the permission bits
// of the file it replaces. In a folder that refuses new files, a writable
// target is rewritten in place, its old bytes put back if that fails.
#pragma once

#include <string>
#include <string_view>

namespace gs {

// Writes `bytes` to `path` as described above. On failure the temporary file
// is removed, the target is untouched, and `why` (when given) receives the
// system's reason.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* why);

// Appends `bytes` to `path` in place, creating it when missing; only a
// regular file that is not read-only is appended to. Earlier
// contents are never touched; when the write fails the file is cut back to its
// earlier length (or removed again when this call created it), so it never
// holds half of the new bytes.
bool appendFileAtomically(const std::string& path, std::string_view bytes, std::string* why);

// While one lives, SIGINT, SIGTERM and SIGHUP (where the system has it) wait:
// one that arrives takes effect when the last guard ends, so the write it
// would have cut off is finished first. Both writers above hold one.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;
};

// Removes this editor's own temporaries in `folder` (regular files named
// ".gs" and eight hex digits) that are older than a minute: what a save
// that was killed outright left behind. Returns how many it removed.
int removeStaleTemporaries(const std::string& folder);

// For tests only; the editor never calls it. While on, the two writers above
// make no new file (a temporary, a missing file to append to): creating one
// fails with "Permission denied", as in a folder under Program Files that
// refuses new files but holds writable ones. A test reaches that case with
// it where the system lets it create any file (Wine knows no folder
// permissions, and the tests may run as root).
void refuseNewFilesForTests(bool on);

// Removes the file at `path`; a file that is not there counts as removed.
// On failure `why` (when given) receives the system's reason.
bool removeFile(const std::string& path, std::string* why);

}  // namespace gs
