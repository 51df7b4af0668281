#pragma once

#include "batch_flush.h"
#include "file_identity.h"
#include "file_system.h"

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

namespace kelvane {

// What bringing back one sound's backup did, or would do.
struct RestoreResult
{
    enum Outcome
    {
        Restored,
        NoBackup, // nothing to bring back: no "<file>.bak"
        Failed,
    } outcome = Failed;
    QString sound;  // the real file restored
    QString backup; // "<real file>.bak"
    // Where the sound that was replaced is kept, when it was not the backup byte for byte.
    QString newer;
    Message failure; // the message when failed
    Message reason;  // the system's reason behind it
    Message note;    // what a restore could not do as usual (a folder not flushed)
};

// Puts sounds' backups back in their places, many at once with one flush of the disk: `add`
// checks each sound and its backup, `commit` flushes each file system once, checks that each
// sound and backup are still the ones added, keeps each replaced sound that differs from its
// backup as "<file>.newer" (never over an existing one), renames the backup over the sound and
// flushes each folder. The backup's own file becomes the sound, so it is byte for byte what was
// kept, and its name is gone only once the sound is in place. A failed flush restores nothing.
class RestoreBatch
{
public:
    RestoreBatch() = default;
    ~RestoreBatch();
    RestoreBatch(const RestoreBatch &) = delete;
    RestoreBatch &operator=(const RestoreBatch &) = delete;

    // Checks the sound at `path` (a symbolic link is restored in its file; a sound that is gone
    // is brought back) and its backup. The
    // result when there is nothing to restore or it cannot be; otherwise the restore waits for
    // `commit` and the result says what it will do.
    [[nodiscard]] RestoreResult add(const QString &path);
    [[nodiscard]] std::size_t size() const { return waiting_.size(); }
    // One result for each restore waiting, in the order they were added.
    [[nodiscard]] std::vector<RestoreResult> commit();

private:
    struct Waiting
    {
        QString real;
        QString folder;
        std::optional<FileIdentity> sound; // none: the sound is gone
        FileIdentity backup;
        bool keepNewer = false;  // false: the sound is its backup byte for byte
        bool same = false;       // the sound and its backup are one file (hard links)
        bool newerThere = false; // .newer is the sound already: a restore stopped half-way
        bool onlyUnlink = false; // the backup is in place already, and .bak names the sound
                                 // kept as .newer: a restore stopped before its last step
        RestoreResult result;
    };
    // Puts one backup in its sound's place, once the disk holds it.
    [[nodiscard]] RestoreResult place(const Waiting &w);

    std::vector<Waiting> waiting_;
    BatchFlush flush_;
};

// Restores the sounds at `paths` in slices of a save batch's size, one flush each; one result
// for each path, in order.
[[nodiscard]] std::vector<RestoreResult> restoreSounds(const QStringList &paths);

// "<path>.bak" is there for the sound at `path` (its real file's).
[[nodiscard]] bool hasBackup(const QString &path);

} // namespace kelvane
