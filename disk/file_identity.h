#pragma once

#include "message.h"

#include <cstdint>
#include <optional>

#include <QString>

namespace kelvane {

// What tells one version of a file from another without reading it: the same device and inode
// (on Windows: volume serial number and file index), the same size and the same modification
// time to the system's precision. A program that replaces the file (a new inode) or writes into
// it (a new time, often a new size) changes it.
struct FileIdentity
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = -1;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

[[nodiscard]] std::optional<FileIdentity> identityOfOpenFile(int descriptor);
// Follows symbolic links; empty when nothing is there.
[[nodiscard]] std::optional<FileIdentity> identityOfPath(const QString &path);
// The entry itself: a symbolic link is not followed.
[[nodiscard]] std::optional<FileIdentity> identityOfEntry(const QString &path);

// The system's text for an errno value, as the front ends print it beside their own message.
[[nodiscard]] Message systemReason(int error);

} // namespace kelvane
