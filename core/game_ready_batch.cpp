#include "game_ready_batch.h"

#include "parallel_for.h"
#include "relative_path.h"
#include "save_batch.h"
#include "sound_reader.h"
#include "target_check.h"

#include <chrono>
#include <mutex>

#include <QDir>
#include <QFileInfo>

namespace kelvane {

namespace {

// A sound at the game's rate that would keep its channels: encoding it again would only lose.
bool alreadyGameReady(const QString &path, bool mono)
{
    const LoadResult loaded =
        loadSoundFile(path, path, MissingBlock::InsertDefault, Access::FirstPages);
    return !loaded.refused() && loaded.inspection.sampleRate == kGameRate &&
           (!mono || loaded.inspection.channels == 1);
}

// The checks before a source is encoded: what would be pointless or harmful to write. Sets the
// save's target; false when the sound ends here.
bool mayMake(MadeSound &sound, const GameReadySettings &settings, SaveTarget &target)
{
    const GameReadyJob &job = sound.job;
    target.path = target.shownName = job.target;
    const QFileInfo existing(job.target);
    const bool exists = existing.exists() || existing.isSymLink();
    if (job.replaces && alreadyGameReady(job.source, settings.request.mono)) {
        sound.result = MadeSound::Kept;
        sound.message = MessageKind::AlreadyGameReady;
        return false;
    }
    if (job.replaces) {
        target.loadedAs = job.replaces;
        target.newFileOnly = !exists;
        target.backup = exists ? settings.backup : Backup::None;
        return true;
    }
    if (exists && existing.canonicalFilePath() == QFileInfo(job.source).canonicalFilePath()) {
        sound.message = MessageKind::SourceIsTarget;
        return false;
    }
    if (!mayWriteNew(job.target, settings.replaceExisting, settings.backup, target,
                     sound.message)) {
        sound.result = MadeSound::Kept;
        return false;
    }
    return true;
}

void takeFacts(MadeSound &sound, const EncodedSound &made)
{
    sound.sourceRate = made.sourceRate;
    sound.sourceChannels = made.sourceChannels;
    sound.channels = made.channels;
    sound.frames = made.frames;
    sound.quality = made.quality;
    sound.block = made.block;
    sound.blockFrom = made.blockFrom;
    sound.bytes = qint64(made.bytes.size());
}

} // namespace

QString gameSoundTarget(const QString &folder, const QString &root, const QString &source)
{
    const QString below = source == root ? QFileInfo(source).fileName() : pathBelow(root, source);
    const QFileInfo info(below);
    const QString name = (info.suffix().isEmpty() ? info.fileName() : info.completeBaseName()) +
                         QStringLiteral(".ogg");
    const QString dir = info.path();
    return QDir::cleanPath(folder + QLatin1Char('/') +
                           (dir == QLatin1String(".") ? QString() : dir + QLatin1Char('/')) + name);
}

GameReadyBatch::GameReadyBatch(std::vector<GameReadyJob> jobs, GameReadySettings settings)
    : jobs_(std::move(jobs))
    , settings_(std::move(settings))
{
    setTotal(qsizetype(jobs_.size()));
    start([this] { run(); });
}

GameReadyBatch::~GameReadyBatch()
{
    join();
}

void GameReadyBatch::run()
{
    for (std::size_t from = 0; from < jobs_.size() && !cancelled();)
        from = makeSlice(from);
}

std::size_t GameReadyBatch::makeSlice(std::size_t from)
{
    const std::size_t count = std::min(jobs_.size() - from, SaveBatch::kMostFiles);
    std::vector<MadeSound> made(count);
    std::vector<std::size_t> added; // which sounds wait in the batch, in the order they came
    std::atomic<std::size_t> taken{0};
    SaveBatch batch;
    std::mutex adding;
    const auto make = [&](std::size_t k) {
        ++taken;
        MadeSound &sound = made[k];
        sound.job = jobs_[from + k];
        SaveTarget target;
        if (mayMake(sound, settings_, target)) {
            const auto started = std::chrono::steady_clock::now();
            auto encoded = encodeGameReady(sound.job.source.toStdString(), settings_.request);
            sound.seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            if (const auto *why = std::get_if<Message>(&encoded)) {
                sound.message = *why;
            } else {
                const EncodedSound &done = std::get<EncodedSound>(encoded);
                takeFacts(sound, done);
                if (settings_.dryRun) {
                    sound.result = MadeSound::WouldWrite;
                } else {
                    const std::lock_guard lock(adding);
                    if (auto failed = batch.add(done.bytes, target))
                        sound.message = withReason(failed->failure, failed->reason);
                    else
                        added.push_back(k);
                }
            }
        }
        ++encoded_;
    };
    // The targets' folders are made before the workers start: two workers making one folder at
    // once may see each other's half-made folder as a failure (Windows does).
    if (!settings_.dryRun)
        for (std::size_t k = 0; k < count; ++k)
            QDir().mkpath(QFileInfo(jobs_[from + k].target).path());
    // Indices are taken in order, so the sounds made are the first `taken` of the slice.
    parallelFor(count, settings_.workers, make, [&] {
        const std::lock_guard lock(adding);
        return cancelled() || batch.bytes() >= SaveBatch::kMostBytes;
    });
    if (cancelled())
        return jobs_.size(); // the batch drops the files it has not renamed into place
    const std::vector<SaveResult> results =
        batch.size() ? batch.commit() : std::vector<SaveResult>{};
    for (std::size_t i = 0; i < added.size(); ++i) {
        MadeSound &sound = made[added[i]];
        const SaveResult &saved = results.at(i);
        sound.result = saved.ok ? MadeSound::Written : MadeSound::Failed;
        sound.message = saved.ok ? Message() : withReason(saved.failure, saved.reason);
        sound.notes = saved.notes;
        sound.backupMade = saved.backupMade;
    }
    for (std::size_t k = 0; k < taken; ++k)
        deliver(std::move(made[k]));
    return from + taken;
}

} // namespace kelvane
