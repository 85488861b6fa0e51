#include "support/write_faults.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace gs::test {

int setImmutable(const std::string& path, bool on) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    int flags = 0;
    int err = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 ? 0 : errno;
    if (err == 0) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0) err = errno;
    }
    ::close(fd);
    return err;
}

namespace {

// The error that a write into `folder` meets: creating and writing a new
// file, or opening one of `files` for writing. 0 when all of them succeed
// (the new file is then removed again).
int probeWrite(const std::string& folder, const std::vector<std::string>& files = {}) {
    for (const std::string& file : files) {
        const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd < 0) return errno;
        ::close(fd);
    }
    const std::string probe = folder + "/.probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno;
    const int err = ::write(fd, "x", 1) == 1 ? 0 : errno;
    ::close(fd);
    ::unlink(probe.c_str());
    return err;
}

std::string reason(const char* what, int err) { return std::string(what) + ": " + std::strerror(err); }

}  // namespace

UnwritableFolder::UnwritableFolder(std::string path) : path_(std::move(path)) {
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        if (entry.is_regular_file()) files_.push_back(entry.path().string());

    std::string tried;
    int err = setImmutable(path_, true);
    for (const std::string& file : files_)
        if (err == 0) err = setImmutable(file, true);
    if (err == 0) {
        way_ = Way::Immutable;
    } else {
        tried = reason("immutable attribute", err);
        way_ = Way::Immutable;
        undo();
        if (::mount(path_.c_str(), path_.c_str(), nullptr, MS_BIND, nullptr) == 0) {
            way_ = Way::ReadOnlyMount;
            if (::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
                tried += "; " + reason("read-only remount", errno);
        } else {
            tried += "; " + reason("bind mount", errno);
            way_ = Way::Permissions;
            ::chmod(path_.c_str(), 0555);
            for (const std::string& file : files_) ::chmod(file.c_str(), 0444);
        }
    }
    error_ = probeWrite(path_, files_);
    if (error_ == 0) {
        whyNot_ = "cannot make " + path_ + " refuse writes (" + tried + ")";
        undo();
    }
}

UnwritableFolder::~UnwritableFolder() { undo(); }

void UnwritableFolder::undo() {
    switch (way_) {
        case Way::Immutable:
            for (const std::string& file : files_) setImmutable(file, false);
            setImmutable(path_, false);
            break;
        case Way::ReadOnlyMount:
            ::umount2(path_.c_str(), MNT_DETACH);
            break;
        case Way::Permissions:
            for (const std::string& file : files_) ::chmod(file.c_str(), 0644);
            ::chmod(path_.c_str(), 0755);
            break;
        case Way::None:
            break;
    }
    way_ = Way::None;
}

FullFolder::FullFolder(std::string path) : path_(std::move(path)) {
    mounted_ = ::mount("gs-full", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k,mode=0755") == 0;
    if (!mounted_) whyNot_ = "cannot mount a small file system over " + path_ + " (" + reason("mount", errno) + ")";
}

FullFolder::~FullFolder() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
}

bool FullFolder::fill() {
    const std::string filler = path_ + "/" + kFiller;
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        whyNot_ = reason("cannot create the filler", errno);
        return false;
    }
    const std::string block(4096, '\0');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
    if (const int err = probeWrite(path_); err != ENOSPC) {
        whyNot_ = "the filled file system still takes a new file (" + reason("probe", err) + ")";
        return false;
    }
    return true;
}

}  // namespace gs::test
