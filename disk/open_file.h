#pragma once

#include "file_identity.h"

#include <optional>

#include <QString>

namespace kelvane {

// A file opened for reading (or reading and writing) and closed when this goes. It is opened
// without waiting, so a pipe under a sound's name never blocks, and it says whether it is a
// regular file at all, and what it was when opened.
class OpenFile
{
public:
    OpenFile(const QString &path, bool forWriting);
    ~OpenFile();
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    [[nodiscard]] int fd() const { return fd_; }
    // The system's reason when the open failed (fd() is then negative).
    [[nodiscard]] int openError() const { return openError_; }
    // A regular file, and what it was when opened; empty for a pipe, a device or a folder.
    [[nodiscard]] const std::optional<FileIdentity> &identity() const { return identity_; }

private:
    int fd_ = -1;
    int openError_ = 0;
    std::optional<FileIdentity> identity_;
};

} // namespace kelvane
