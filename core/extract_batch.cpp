#include "extract_batch.h"

#include "archived_sound.h"
#include "save_batch.h"
#include "target_check.h"

#include <algorithm>
#include <memory>
#include <thread>

#include <QDir>
#include <QFileInfo>

namespace kelvane {

QString extractTarget(const QString &folder, const QString &pathBelow)
{
    const QString root = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    const QString below = QDir::fromNativeSeparators(pathBelow);
    if (below.isEmpty() || below.startsWith(QLatin1Char('/')) || QDir::isAbsolutePath(below))
        return {};
    const QString target = QDir::cleanPath(root + QLatin1Char('/') + below);
    const QString inside = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return target.startsWith(inside) ? target : QString();
}

ExtractBatch::ExtractBatch(std::vector<ExtractJob> jobs, ExtractSettings settings)
    : jobs_(std::move(jobs))
    , settings_(settings)
{
    setTotal(qsizetype(jobs_.size()));
    start([this] { run(); });
}

ExtractBatch::~ExtractBatch()
{
    join();
}

void ExtractBatch::run()
{
    for (std::size_t from = 0; from < jobs_.size() && !cancelled();)
        from = extractSlice(from);
}

namespace {

// A slice's new files wait on the disk, not in memory: more of them share one flush than a
// batch of edits does (each flush of the file system costs as much as many small files).
constexpr std::size_t kSliceFiles = 4096;

} // namespace

std::size_t ExtractBatch::extractSlice(std::size_t from)
{
    std::vector<ExtractedSound> made;
    std::vector<PartToSave> parts;
    std::vector<std::size_t> added;                          // which sound each part is
    std::vector<std::shared_ptr<const ArchiveFile>> reading; // open until the parts are copied
    qint64 bytes = 0;
    for (std::size_t i = from; i < jobs_.size() && parts.size() < kSliceFiles &&
                               bytes < SaveBatch::kMostBytes && !cancelled();
         ++i) {
        ExtractedSound &sound = made.emplace_back();
        sound.job = jobs_[i];
        SaveTarget target;
        if (!mayWriteNew(sound.job.target, settings_.replaceExisting, settings_.backup, target,
                         sound.message)) {
            sound.result = sound.message.kind == MessageKind::AlreadyThere ? ExtractedSound::Kept
                                                                           : ExtractedSound::Failed;
            continue;
        }
        const auto found = findArchivedPart(sound.job.source, archive_);
        if (reading.empty() || reading.back() != archive_.file)
            reading.push_back(archive_.file);
        if (const auto *why = std::get_if<Message>(&found)) {
            sound.message = *why;
            continue;
        }
        const auto &part = std::get<fs::FilePart>(found);
        sound.bytes = qint64(part.length);
        if (settings_.dryRun) {
            sound.result = ExtractedSound::WouldWrite;
            continue;
        }
        // The sounds of one folder come together: each folder is made once.
        if (const QString folder = QFileInfo(sound.job.target).path(); folder != madeFolder_) {
            QDir().mkpath(folder);
            madeFolder_ = folder;
        }
        parts.push_back({part, target});
        added.push_back(made.size() - 1);
        bytes += sound.bytes;
    }
    SaveBatch batch;
    const auto failures = batch.add(parts, int(std::max(1u, std::thread::hardware_concurrency())),
                                    [this] { return cancelled(); });
    if (cancelled())
        return jobs_.size(); // the batch drops the files it has not renamed into place
    const std::vector<SaveResult> results =
        batch.size() ? batch.commit() : std::vector<SaveResult>{};
    for (std::size_t i = 0, placed = 0; i < added.size(); ++i) {
        ExtractedSound &sound = made[added[i]];
        const SaveResult &saved = failures[i] ? *failures[i] : results.at(placed++);
        sound.result = saved.ok ? ExtractedSound::Written : ExtractedSound::Failed;
        sound.message = saved.ok ? Message() : withReason(saved.failure, saved.reason);
        sound.notes = saved.notes;
        sound.backupMade = saved.backupMade;
    }
    const std::size_t count = made.size();
    for (ExtractedSound &sound : made)
        deliver(std::move(sound));
    return from + count;
}

} // namespace kelvane
