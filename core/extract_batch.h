#pragma once

#include "archived_sound.h"
#include "background_job.h"
#include "message.h"
#include "sound_writer.h"
#include "target_check.h"

#include <vector>

#include <QString>

namespace kelvane {

// One sound of a game archive to copy into a mod.
struct ExtractJob
{
    QString source; // "archive/inside"
    QString target; // where it goes
};

// Where a sound found at `pathBelow` (its path inside the archive, or below the game's data
// folder) goes in `folder`; empty when that path would lead out of the folder.
[[nodiscard]] QString extractTarget(const QString &folder, const QString &pathBelow);

struct ExtractSettings
{
    bool replaceExisting = false; // a sound already there is replaced (with its backup)
    Backup backup = Backup::IfAbsent;
    bool dryRun = false; // read, nothing written
};

// What became of one sound.
struct ExtractedSound : NewSoundOutcome<ExtractJob>
{
    qint64 bytes = 0;
};

// Copies sounds out of game archives byte for byte, each to its target: a target that exists is
// kept unless it is to be replaced. Every slice of new files is flushed and renamed into place
// with one flush for each file system and folder (see SaveBatch); cancelling drops the files not
// yet in place. The rows come in the jobs' order.
class ExtractBatch final : public BackgroundJob<ExtractedSound>
{
public:
    ExtractBatch(std::vector<ExtractJob> jobs, ExtractSettings settings);
    ~ExtractBatch() override;

private:
    void run();
    std::size_t extractSlice(std::size_t from);

    std::vector<ExtractJob> jobs_;
    ExtractSettings settings_;
    QString madeFolder_;  // the folder made last
    ArchiveKept archive_; // the archive read from last
};

} // namespace kelvane
