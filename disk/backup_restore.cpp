#include "backup_restore.h"

#include "backup_file.h"
#include "replacement_file.h"
#include "save_batch.h"
#include "staged_save.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <set>

namespace kelvane {

namespace {

const Message kNewerTaken(MessageKind::NotRestoredNewerTaken);
const Message kNotRestored(MessageKind::NotRestored);
const Message kChangedSinceRead(MessageKind::ChangedSinceRead);

RestoreResult failed(RestoreResult result, const Message &failure, const Message &reason = {})
{
    result.outcome = RestoreResult::Failed;
    result.failure = failure;
    result.reason = reason;
    return result;
}

// Whether two files hold the same bytes; an edit of the block shows within the first pages, so
// a sound that differs is told after a few reads. Nothing when either cannot be read.
std::optional<bool> sameBytes(const QString &a, const QString &b, Message &reason)
{
    int error = 0;
    const int first = fs::openFile(a, fs::Access::Read, error);
    const int second = first < 0 ? -1 : fs::openFile(b, fs::Access::Read, error);
    std::optional<bool> same;
    if (second >= 0) {
        std::array<char, 1 << 16> x{};
        std::array<char, 1 << 16> y{};
        for (;;) {
            const std::int64_t n = fs::readSome(first, x.data(), x.size());
            // Both are regular files of the same size: the second gives as many bytes.
            const std::int64_t m = n > 0 ? fs::readSome(second, y.data(), std::size_t(n)) : n;
            if (n < 0 || m < 0) {
                reason = systemReason(errno);
                break;
            }
            if (n != m || std::memcmp(x.data(), y.data(), std::size_t(n)) != 0) {
                same = false;
                break;
            }
            if (n == 0) {
                same = true;
                break;
            }
        }
    } else {
        reason = systemReason(error);
    }
    if (second >= 0)
        (void)fs::closeFile(second, error);
    if (first >= 0)
        (void)fs::closeFile(first, error);
    return same;
}

bool nameTaken(const QString &path)
{
    int error = 0;
    return fs::factsOf(path, fs::Links::Keep, error) || error != ENOENT;
}

} // namespace

RestoreBatch::~RestoreBatch() = default;

RestoreResult RestoreBatch::add(const QString &path)
{
    RestoreResult result;
    Message reason;
    const auto real = realPathOf(path, reason);
    if (!real)
        return failed(result, kNotRestored, reason);
    result.sound = *real;
    result.backup = *real + QStringLiteral(".bak");
    int error = 0;
    const auto backup = fs::factsOf(result.backup, fs::Links::Keep, error);
    if (!backup) {
        if (error == ENOENT) {
            result.outcome = RestoreResult::NoBackup;
            return result;
        }
        return failed(result, kNotRestored, systemReason(error));
    }
    // Backups are always files of their own; a link named so was put there by someone else.
    if (backup->kind != fs::EntryKind::File)
        return failed(result, MessageKind::NotRestoredBackupNotRegular);
    const auto sound = identityOfPath(*real);
    const auto kept = identityOfPath(result.backup);
    if (!kept)
        return failed(result, kNotRestored, systemReason(ENOENT));

    // A sound that is gone has nothing to keep: its backup only takes the free name.
    Waiting w{*real, folderOf(*real), sound, *kept, false, false, false, false, {}};
    w.same = sound && sound->device == kept->device && sound->inode == kept->inode;
    if (sound && !w.same) {
        if (sound->size == kept->size) {
            const auto same = sameBytes(*real, result.backup, reason);
            if (!same)
                return failed(result, kNotRestored, reason);
            w.keepNewer = !*same;
        } else {
            w.keepNewer = true;
        }
    }
    if (w.keepNewer) {
        result.newer = *real + QStringLiteral(".newer");
        // A .newer that is the sound itself was made by a restore stopped before its rename,
        // and a .newer that is the backup's file by one stopped after it, before the .bak name
        // went: this one finishes it.
        const auto newer = identityOfEntry(result.newer);
        w.newerThere = newer && newer == sound;
        w.onlyUnlink = newer && newer == kept;
        if (!w.newerThere && !w.onlyUnlink && nameTaken(result.newer))
            return failed(result, kNewerTaken);
    }
    // The flush reports the write-back errors of its file system since it began to watch it; a
    // file system that cannot be flushed as a whole has each backup flushed by itself.
    if (!flush_.watch(w.folder, kept->device, error) && error != 0)
        return failed(result, kNotRestored, systemReason(error));
    result.outcome = RestoreResult::Restored;
    w.result = result;
    waiting_.push_back(std::move(w));
    return result;
}

std::vector<RestoreResult> RestoreBatch::commit()
{
    // The backups' data on the disk before any of them takes a sound's name.
    flush_.flush();
    std::vector<RestoreResult> results;
    for (const Waiting &w : waiting_) {
        int error = 0;
        const QString &backup = w.result.backup;
        if (!flush_.flushed(
                w.backup.device, [&] { return fs::flushFileNamed(backup, error); }, error)) {
            results.push_back(
                failed(w.result, MessageKind::NotRestoredNotFlushed, systemReason(error)));
            continue;
        }
        results.push_back(place(w));
        if (results.back().outcome == RestoreResult::Restored)
            flush_.renamedIn(w.folder);
    }
    flush_.flushFolders([&](const QString &folder) {
        for (std::size_t i = 0; i < waiting_.size(); ++i)
            if (results[i].outcome == RestoreResult::Restored && waiting_[i].folder == folder)
                results[i].note = MessageKind::FolderNotFlushed;
    });
    waiting_.clear();
    return results;
}

RestoreResult RestoreBatch::place(const Waiting &w)
{
    const RestoreResult &planned = w.result;
    if (identityOfPath(w.real) != w.sound || identityOfPath(planned.backup) != w.backup)
        return failed(planned, kChangedSinceRead);
    const QString &backup = planned.backup;
    int error = 0;
    if (!w.sound) {
        // Only while nothing has the name: a sound made meanwhile is kept.
        return fs::renameToFreeName(backup, w.real, error)
                   ? planned
                   : failed(planned, kNotRestored, systemReason(error));
    }
    if (w.same || w.onlyUnlink) {
        // The sound is its backup's file already, or the backup names the sound kept as
        // .newer: only the second name goes.
        return fs::removeFile(backup, error) ? planned
                                             : failed(planned, kNotRestored, systemReason(error));
    }
    // The sound replaced keeps its data under a second name (or, where the file system has
    // no hard links, in a whole copy) before the backup takes the first: at no moment is it
    // only in memory.
    Message reason;
    bool taken = false;
    if (w.keepNewer && !w.newerThere && !keepUnder(w.real, planned.newer, reason, taken))
        return taken ? failed(planned, kNewerTaken) : failed(planned, kNotRestored, reason);
    // The backup takes the sound's place only while it is the sound read: a file another
    // program renamed over it since is swapped back.
    const ExchangeOutcome placed = exchangeInto(backup, w.real, *w.sound, error);
    if (placed == ExchangeOutcome::Changed || placed == ExchangeOutcome::Failed) {
        int unused = 0;
        if (w.keepNewer)
            (void)fs::removeFile(planned.newer, unused);
        return placed == ExchangeOutcome::Changed
                   ? failed(planned, kChangedSinceRead)
                   : failed(planned, kNotRestored, systemReason(error));
    }
    // The sound replaced now has the backup's name; its data stays under .newer, or it
    // held the backup's very bytes. Until that name goes the restore is not done: a .bak that
    // is not the original must never stand as the backup of the next save.
    if (placed == ExchangeOutcome::Exchanged && !fs::removeFile(backup, error))
        return failed(planned, MessageKind::RestoreUnfinished, systemReason(error));
    return planned;
}

std::vector<RestoreResult> restoreSounds(const QStringList &paths)
{
    std::vector<RestoreResult> results;
    const auto slice = qsizetype(SaveBatch::kMostFiles);
    for (qsizetype from = 0; from < paths.size(); from += slice) {
        RestoreBatch batch;
        std::vector<std::size_t> waiting; // where each restore that waits for the commit goes
        for (const QString &path : paths.mid(from, slice)) {
            results.push_back(batch.add(path));
            if (results.back().outcome == RestoreResult::Restored)
                waiting.push_back(results.size() - 1);
        }
        std::vector<RestoreResult> done = batch.commit();
        for (std::size_t i = 0; i < waiting.size(); ++i)
            results[waiting[i]] = std::move(done[i]);
    }
    return results;
}

bool hasBackup(const QString &path)
{
    Message unused;
    const auto real = realPathOf(path, unused);
    int error = 0;
    const auto facts =
        real ? fs::factsOf(*real + QStringLiteral(".bak"), fs::Links::Keep, error) : std::nullopt;
    return facts && facts->kind == fs::EntryKind::File;
}

} // namespace kelvane
