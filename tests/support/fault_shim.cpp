// Preloaded into a program under test (LD_PRELOAD) to make the disk misbehave in ways a test
// cannot arrange otherwise. Only regular files inside $KELVANE_FAULT_DIR are touched.
// $KELVANE_FAULT names one fault or several, separated by commas.
//   KELVANE_FAULT=fsync-eio         fsync and fdatasync of a file open for writing, and syncfs
//                                   of the folder's file system, fail with EIO
//   KELVANE_FAULT=close-eio         closing a file open for writing fails with EIO (it is closed)
//   KELVANE_FAULT=touch-at-fsync    the first flush appends a byte to $KELVANE_FAULT_ARG first,
//                                   as another program writing the file meanwhile would
//   KELVANE_FAULT=truncate-at-read  read number $KELVANE_FAULT_ARG halves the file first
//   KELVANE_FAULT=kill-at-rename    the process is killed (SIGKILL) just before rename number
//   KELVANE_FAULT=kill-at-link      $KELVANE_FAULT_ARG, or link number $KELVANE_FAULT_ARG, of a
//                                   path inside the folder
//   KELVANE_FAULT=no-hard-links     every link to a path inside the folder fails with EPERM, as
//                                   on a file system without hard links
//   KELVANE_FAULT=term-at-fchmod    SIGTERM is raised (and the process goes on) at fchmod number
//                                   $KELVANE_FAULT_ARG of a file inside the folder
//   KELVANE_FAULT=term-at-close     SIGTERM is raised (and the process goes on) at close number
//                                   $KELVANE_FAULT_ARG of a file written inside the folder
//   KELVANE_FAULT=replace-at-rename just before the first rename (renameat2 too) onto a path
//                                   inside the folder, the file $KELVANE_FAULT_ARG is renamed
//                                   over that path (or over $KELVANE_FAULT_TARGET, when set),
//                                   as another program would
//   KELVANE_FAULT=no-exchange       renameat2 with RENAME_EXCHANGE fails with EINVAL, as on a
//                                   file system that cannot exchange names
//   KELVANE_FAULT=unlink-eio        removing a file inside the folder fails with EIO
//   KELVANE_FAULT=readdir-eio       reading the entries of a folder inside the folder (or the
//                                   folder itself) fails with EIO
//   KELVANE_FAULT=stat-eio          looking at the path $KELVANE_FAULT_ARG (statx, stat, lstat)
//                                   fails with EIO
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *setting(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

bool fault(const char *name)
{
    const std::string faults = std::string(",") + setting("KELVANE_FAULT") + ",";
    return faults.find(std::string(",") + name + ",") != std::string::npos;
}

bool inFolder(const char *path)
{
    const std::string folder = setting("KELVANE_FAULT_DIR");
    return !folder.empty() && std::string(path).rfind(folder + "/", 0) == 0;
}

template<typename F>
F real(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// The path of a regular file (or, with `folders`, a folder) inside the fault folder, or empty.
std::string watchedPath(int fd, bool folders = false)
{
    const std::string folder = setting("KELVANE_FAULT_DIR");
    struct stat info
    {};
    if (folder.empty() || fstat(fd, &info) != 0 ||
        !(S_ISREG(info.st_mode) || (folders && S_ISDIR(info.st_mode))))
        return {};
    char path[PATH_MAX + 1]{};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = readlink(link.c_str(), path, PATH_MAX);
    const std::string name(path, length > 0 ? std::size_t(length) : 0);
    if (name != folder && name.rfind(folder + "/", 0) != 0)
        return {};
    return std::string(path, std::size_t(length));
}

bool writing(int fd)
{
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && (flags & O_ACCMODE) != O_RDONLY;
}

std::atomic<bool> touched{false};
std::atomic<int> reads{0};
std::atomic<int> renames{0};
std::atomic<int> links{0};
std::atomic<int> fchmods{0};
std::atomic<int> closes{0};

// Kills the process at the chosen call of `kind` on a path inside the fault folder.
void killAt(const char *kind, std::atomic<int> &calls, const char *path)
{
    const std::string folder = setting("KELVANE_FAULT_DIR");
    if (!fault(kind) || folder.empty() || std::string(path).rfind(folder + "/", 0) != 0)
        return;
    if (++calls == std::atoi(setting("KELVANE_FAULT_ARG")))
        raise(SIGKILL);
}

int flushFault(int fd, bool wholeFileSystem = false)
{
    if (wholeFileSystem ? watchedPath(fd, true).empty() : watchedPath(fd).empty() || !writing(fd))
        return 0;
    if (fault("fsync-eio"))
        return EIO;
    if (fault("touch-at-fsync") && !touched.exchange(true)) {
        const int other = open(setting("KELVANE_FAULT_ARG"), O_WRONLY | O_APPEND);
        if (other >= 0) {
            (void)!write(other, "x", 1);
            real<int (*)(int)>("close")(other);
        }
    }
    return 0;
}

} // namespace

extern "C" {

int fsync(int fd)
{
    if (const int error = flushFault(fd)) {
        errno = error;
        return -1;
    }
    return real<int (*)(int)>("fsync")(fd);
}

int fdatasync(int fd)
{
    if (const int error = flushFault(fd)) {
        errno = error;
        return -1;
    }
    return real<int (*)(int)>("fdatasync")(fd);
}

std::atomic<bool> replaced{false};

// Another program's file renamed over `to`, once, before our rename lands.
void replaceFirst(const char *to)
{
    const std::string folder = setting("KELVANE_FAULT_DIR");
    if (!fault("replace-at-rename") || folder.empty() ||
        std::string(to).rfind(folder + "/", 0) != 0 || replaced.exchange(true))
        return;
    const char *target = setting("KELVANE_FAULT_TARGET");
    real<int (*)(const char *, const char *)>("rename")(setting("KELVANE_FAULT_ARG"),
                                                        *target ? target : to);
}

dirent *readdir(DIR *folder)
{
    if (fault("readdir-eio") && !watchedPath(dirfd(folder), true).empty()) {
        errno = EIO;
        return nullptr;
    }
    return real<dirent *(*)(DIR *)>("readdir")(folder);
}

bool statFault(const char *path)
{
    return fault("stat-eio") && path && std::strcmp(path, setting("KELVANE_FAULT_ARG")) == 0;
}

int statx(int folder, const char *path, int flags, unsigned mask, struct statx *info)
{
    if (statFault(path)) {
        errno = EIO;
        return -1;
    }
    return real<int (*)(int, const char *, int, unsigned, struct statx *)>("statx")(
        folder, path, flags, mask, info);
}

int stat(const char *path, struct stat *info)
{
    if (statFault(path)) {
        errno = EIO;
        return -1;
    }
    return real<int (*)(const char *, struct stat *)>("stat")(path, info);
}

int lstat(const char *path, struct stat *info)
{
    if (statFault(path)) {
        errno = EIO;
        return -1;
    }
    return real<int (*)(const char *, struct stat *)>("lstat")(path, info);
}

int unlink(const char *path)
{
    if (fault("unlink-eio") && inFolder(path)) {
        errno = EIO;
        return -1;
    }
    return real<int (*)(const char *)>("unlink")(path);
}

int rename(const char *from, const char *to)
{
    killAt("kill-at-rename", renames, to);
    replaceFirst(to);
    return real<int (*)(const char *, const char *)>("rename")(from, to);
}

int renameat2(int fromFolder, const char *from, int toFolder, const char *to, unsigned flags)
{
    if (fault("no-exchange") && (flags & RENAME_EXCHANGE)) {
        errno = EINVAL;
        return -1;
    }
    killAt("kill-at-rename", renames, to);
    replaceFirst(to);
    return real<int (*)(int, const char *, int, const char *, unsigned)>("renameat2")(
        fromFolder, from, toFolder, to, flags);
}

int link(const char *from, const char *to)
{
    const std::string folder = setting("KELVANE_FAULT_DIR");
    if (fault("no-hard-links") && !folder.empty() && std::string(to).rfind(folder + "/", 0) == 0) {
        errno = EPERM;
        return -1;
    }
    killAt("kill-at-link", links, to);
    return real<int (*)(const char *, const char *)>("link")(from, to);
}

int fchmod(int fd, mode_t mode)
{
    if (fault("term-at-fchmod") && !watchedPath(fd).empty() &&
        ++fchmods == std::atoi(setting("KELVANE_FAULT_ARG")))
        raise(SIGTERM);
    return real<int (*)(int, mode_t)>("fchmod")(fd, mode);
}

int syncfs(int fd)
{
    if (const int error = flushFault(fd, true)) {
        errno = error;
        return -1;
    }
    return real<int (*)(int)>("syncfs")(fd);
}

int close(int fd)
{
    const bool watched = !watchedPath(fd).empty() && writing(fd);
    const bool fail = fault("close-eio") && watched;
    const int result = real<int (*)(int)>("close")(fd);
    if (fault("term-at-close") && watched &&
        ++closes == std::atoi(setting("KELVANE_FAULT_ARG")))
        raise(SIGTERM);
    if (fail) {
        errno = EIO;
        return -1;
    }
    return result;
}

ssize_t read(int fd, void *buffer, size_t count)
{
    if (fault("truncate-at-read")) {
        const std::string path = watchedPath(fd);
        if (!path.empty() && ++reads == std::atoi(setting("KELVANE_FAULT_ARG"))) {
            struct stat info
            {};
            if (fstat(fd, &info) == 0)
                (void)!truncate(path.c_str(), info.st_size / 2);
        }
    }
    return real<ssize_t (*)(int, void *, size_t)>("read")(fd, buffer, count);
}

} // extern "C"
