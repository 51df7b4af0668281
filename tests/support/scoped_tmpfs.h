#pragma once

#include <QString>

// A small tmpfs mounted on a folder for the life of the object, to fill a disk or make a
// folder read-only even for root. Mounting needs root (CAP_SYS_ADMIN); `mounted()` tells.
class ScopedTmpfs
{
public:
    ScopedTmpfs(const QString &folder, long long bytes);
    ~ScopedTmpfs();
    ScopedTmpfs(const ScopedTmpfs &) = delete;
    ScopedTmpfs &operator=(const ScopedTmpfs &) = delete;

    [[nodiscard]] bool mounted() const { return mounted_; }
    // Fills the file system until fewer than `leave` bytes are free.
    [[nodiscard]] bool fill(long long leave);
    [[nodiscard]] bool makeReadOnly();

private:
    QString folder_;
    bool mounted_ = false;
};
