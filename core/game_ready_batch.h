#pragma once

#include "background_job.h"
#include "file_identity.h"
#include "game_ready.h"
#include "sound_writer.h"
#include "target_check.h"

#include <atomic>
#include <optional>
#include <vector>

#include <QString>

namespace kelvane {

// One source to become one game sound.
struct GameReadyJob
{
    QString source;
    QString target;
    // Set when the target is the source itself, encoded again in its place: the file as it was
    // read, which nothing replaces once it has changed.
    std::optional<FileIdentity> replaces;
};

// Where a source's game sound goes in `folder`: at its path below `root` (the folder it was
// found in; itself when it is the source), its extension ".ogg".
[[nodiscard]] QString gameSoundTarget(const QString &folder, const QString &root,
                                      const QString &source);

struct GameReadySettings
{
    EncodeRequest request;
    bool replaceExisting = false; // a target that exists is replaced (with its backup)
    Backup backup = Backup::IfAbsent;
    bool dryRun = false; // encoded in memory, nothing written
    int workers = 1;     // sources encoded at the same time
};

// What became of one source.
struct MadeSound : NewSoundOutcome<GameReadyJob>
{
    unsigned sourceRate = 0;
    unsigned sourceChannels = 0;
    unsigned channels = 0;
    std::uint64_t frames = 0;
    float quality = kStockQuality;
    SoundAttributes block{};
    BlockSource blockFrom = BlockSource::Default;
    qint64 bytes = 0;
    double seconds = 0; // encoding time
};

// Makes game sounds of many sources: each core encodes one source at a time, each new file is
// written beside its target as soon as it is encoded, and every slice of them is flushed and
// renamed into place with one flush for each file system and folder (see SaveBatch). A target
// that exists is kept unless it is to be replaced; a source is never its own target unless it
// is encoded again in its place. Cancelling stops before the next source and drops the files of
// the slice not yet renamed: no half-written sound is left. The rows come in the jobs' order.
class GameReadyBatch final : public BackgroundJob<MadeSound>
{
public:
    GameReadyBatch(std::vector<GameReadyJob> jobs, GameReadySettings settings);
    ~GameReadyBatch() override;

    // Sources encoded so far, written or not yet: the progress to show.
    [[nodiscard]] qsizetype encoded() const { return encoded_; }

private:
    void run();
    std::size_t makeSlice(std::size_t from);

    std::vector<GameReadyJob> jobs_;
    GameReadySettings settings_;
    std::atomic<qsizetype> encoded_{0};
};

} // namespace kelvane
