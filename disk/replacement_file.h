#pragma once

#include "file_identity.h"
#include "file_system.h"
#include "message.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include <QString>
#include <QStringList>

namespace kelvane {

enum class ExchangeOutcome
{
    Exchanged, // `from` names the file replaced now
    Renamed,   // the file system cannot exchange: the file replaced is gone
    Changed,   // another file had taken the name: nothing was replaced
    Failed,
};

// A new file written beside the one it is to replace and then renamed over it in one step, so
// the old file stays whole until the new one is complete and on the disk. It is created under
// a short hidden name, which a long target name cannot push past the file system's limit and
// which no listing of sounds shows. Destroying it before `replace` removes it.
class ReplacementFile
{
public:
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile &) = delete;
    ReplacementFile &operator=(const ReplacementFile &) = delete;

    // Creates an empty file in `folder` with the permissions a new file gets there. Null, with
    // the system's reason in `reason`, when the folder does not allow it.
    [[nodiscard]] static std::unique_ptr<ReplacementFile> create(const QString &folder,
                                                                 Message &reason);

    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes);
    // Appends the bytes of `source` from `offset` to its end.
    [[nodiscard]] bool copyFrom(int source, std::int64_t offset);
    // Appends the bytes of `part`, inside the kernel where it can; false when they are not all
    // there.
    [[nodiscard]] bool copyPart(const fs::FilePart &part);
    // Appends `length` bytes of `source` from `offset`, copied inside the kernel. False, with
    // the new file as it was before, when the kernel does not copy them all (the file systems
    // refuse, `source` is shorter, a read fails): the caller then writes them itself.
    [[nodiscard]] bool copyInKernel(int source, std::int64_t offset, std::size_t length);
    // Appends at most `most` bytes of `source` from `from`, by reads and writes, to its end;
    // how many, or nothing when a read or a write failed.
    [[nodiscard]] std::optional<std::size_t> copyByReads(int source, std::int64_t from,
                                                         std::size_t most);
    // Gives the new file the owner, group, permission bits (less set-user-ID and set-group-ID)
    // and extended attributes of `original` (on Windows: its attributes), as far as the system
    // allows; what it cannot keep goes into `notes`.
    void takeMetadataOf(const fs::EntryFacts &original, const QString &originalPath,
                        std::vector<Message> &notes);
    // Flushes the data and the metadata to the disk (unless the caller flushes the whole file
    // system later) and closes the file: only a file that got through this, and a flush, may
    // replace another.
    [[nodiscard]] bool finish(bool flush = true);
    // Flushes a file finished without a flush, by its name.
    [[nodiscard]] bool flushAgain();
    // The finished file as it now is.
    [[nodiscard]] const FileIdentity &identity() const { return identity_; }
    // Renames the finished file over `target`, or to `target` when that name must not exist
    // yet (`noReplace`).
    [[nodiscard]] bool replace(const QString &target, bool noReplace = false);
    // Puts the finished file in the place of `target` only while that is the file `expected`
    // describes; the file replaced is removed (its other names, a backup's among them, keep
    // it). `Changed` when another file took the name meanwhile: that file stays where it is.
    [[nodiscard]] ExchangeOutcome replaceExpected(const QString &target,
                                                  const FileIdentity &expected);

    [[nodiscard]] const QString &path() const { return path_; }
    // After `Exchanged`: the file replaced, under our hidden name, could not be removed.
    [[nodiscard]] bool replacedLeft() const { return replacedLeft_; }
    [[nodiscard]] const Message &reason() const { return reason_; }
    // The system's error behind `reason`, as an errno value.
    [[nodiscard]] int error() const { return error_; }

private:
    ReplacementFile(int descriptor, QString path);
    bool fail(int error);

    int fd_;
    QString path_;
    Message reason_;
    int error_ = 0;
    FileIdentity identity_;
    bool placed_ = false;
    bool replacedLeft_ = false;
};

// Puts the file named `from` in the place of `to` in one step, while `to` is still the file
// `expected` describes: the two names are exchanged and the file now named `from` is checked,
// so that a file another program renamed over `to` after the caller's last check is swapped
// back, never lost. Where the file system cannot exchange names, `from` is renamed over `to`
// after a last look at `to`.
// With `Exchanged` (or `Renamed`) the file replaced is named `from` (or gone); with `Changed`
// both names are as they were; with `Failed`, `error` says why: both are as they were, unless
// swapping back failed, when the other file is named `from` (and must not be removed).
[[nodiscard]] ExchangeOutcome exchangeInto(const QString &from, const QString &to,
                                           const FileIdentity &expected, int &error);

} // namespace kelvane
