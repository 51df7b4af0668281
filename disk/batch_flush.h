#pragma once

#include "file_system.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <set>

#include <QString>

namespace kelvane {

// The flushes a batch of renames needs to survive a power cut, shared by saving and restoring
// many sounds: each file system is flushed once before any file takes its new name (or each
// file by itself where a file system cannot be flushed as a whole), and each folder that got a
// new name is flushed once after.
class BatchFlush
{
public:
    // Before the first new file on that file system is written: the flush reports the
    // write-back errors since. False, with `error`, when the folder cannot be opened.
    bool watch(const QString &folder, std::uint64_t device, int &error);
    // Flushes every file system watched.
    void flush();
    // Whether a file on `device` (nothing: on a file system not known) has its data on the
    // disk: the file system's flush failed (false, with `error`), or did not cover it and
    // `flushOwn` flushes it alone.
    bool flushed(std::optional<std::uint64_t> device, const std::function<bool()> &flushOwn,
                 int &error) const;
    // A file got its new name in `folder`.
    void renamedIn(const QString &folder);
    // Flushes each folder renamed in; `failed` is told each one that could not be.
    void flushFolders(const std::function<void(const QString &)> &failed);

private:
    fs::FileSystemFlush fileSystems_;
    std::vector<std::pair<std::uint64_t, int>> failed_; // device, error
    std::set<QString> folders_;
};

} // namespace kelvane
