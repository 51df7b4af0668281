#pragma once

#include "scoped_tmpfs.h"

#include <memory>

#include <QString>

// A fault that makes the next save of a sound fail, set up alike by every test that saves:
// "full" (a small file system filled up), "readonly-fs" (one made read-only) or "folder" (a
// folder in the sound's place). Other kinds make none of these.
class SaveFault
{
public:
    SaveFault(const QString &kind, const QString &folder);

    // The folder the test's sounds go in: the small file system for the disk faults.
    [[nodiscard]] QString where() const { return where_; }
    // False when the fault needs a mount that this user may not make.
    [[nodiscard]] bool possible() const { return !disk_ || disk_->mounted(); }
    // Breaks the disk, or puts a folder in place of `file`, now that the sound is loaded.
    [[nodiscard]] bool arm(const QString &file);

private:
    QString kind_;
    QString where_;
    std::unique_ptr<ScopedTmpfs> disk_;
};
