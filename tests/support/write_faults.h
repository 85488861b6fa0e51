// Folders that make a write fail for real, for the write-fault tests. Both
// work for root too (tests and CI run as root, for whom permission bits
// refuse nothing); where the platform offers no way, active() is false and
// whyNot() says why, so that the test can skip with that reason.
#pragma once

#include <string>
#include <vector>

namespace gs::test {

// Sets or clears the immutable attribute of a file or folder (an immutable
// folder takes no new file, while the files in it stay writable); the
// system's error or 0.
int setImmutable(const std::string& path, bool on);

// A folder in which nothing can be written while this object lives: no new
// file, no rename, no change to a file already there. Made by the immutable
// attribute on the folder and its files, else a read-only bind mount over
// it, else (for a user other than root) their write permissions taken away.
class UnwritableFolder {
public:
    explicit UnwritableFolder(std::string path);
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

    bool active() const { return error_ != 0; }
    const std::string& whyNot() const { return whyNot_; }
    // The error number that a write into the folder meets.
    int error() const { return error_; }

private:
    enum class Way { None, Immutable, ReadOnlyMount, Permissions };
    void undo();

    std::string path_;
    std::vector<std::string> files_;
    Way way_ = Way::None;
    int error_ = 0;
    std::string whyNot_;
};

// A small file system mounted over a folder (hiding what was there) while
// this object lives. The test writes the files it needs into it and then
// calls fill(): afterwards no new file can get a single byte, as on a full
// disk. The filler file is named kFiller.
class FullFolder {
public:
    static constexpr const char* kFiller = ".filler";

    explicit FullFolder(std::string path);
    ~FullFolder();
    FullFolder(const FullFolder&) = delete;
    FullFolder& operator=(const FullFolder&) = delete;

    bool active() const { return mounted_; }
    const std::string& whyNot() const { return whyNot_; }
    // Uses up the remaining space; false (with whyNot()) when a byte still fits.
    bool fill();

private:
    std::string path_;
    bool mounted_ = false;
    std::string whyNot_;
};

}  // namespace gs::test
