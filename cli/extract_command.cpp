// extract: the sounds of the game's archives copied into a mod, byte for byte.
#include "archive_place.h"
#include "command_line.h"
#include "commands.h"
#include "extract_batch.h"
#include "sound_collection.h"

#include <QDir>

namespace kelvane::cli {

const Command kExtractCommand{
    "extract",
    "SOURCE...",
    "copy sounds out of the game's archives (an archive, a folder inside one, or a game folder) "
    "into a mod's folder, each at its path below the game's data folder",
    "recursive name dry-run json to force no-backup",
    "kelvane-cli extract --name '*/weapons/ak74*' --to mymod/gamedata stalker/",
    &Runner::extract};

int Runner::extract(const Options &options)
{
    output_ = outputFor(options);
    SoundCollection found = collectSounds(options.paths, true, FolderLinks::Skip, Gathered::Sounds,
                                          namedFilter(options.names));
    keepNamed(found.files, options, found.stockPaths);
    reportUnread(found);
    std::vector<ExtractJob> jobs;
    for (const QString &file : found.files) {
        QString below = found.stockPaths.value(file);
        if (below.isEmpty())
            if (const auto place = archivePlaceOf(file))
                below = place->inside;
        const QString target = extractTarget(options.toFolder, below);
        if (below.isEmpty() || target.isEmpty()) {
            FileReport run(file);
            run.fail(below.isEmpty() ? QStringLiteral("not inside a game archive")
                                     : QStringLiteral("its path leads out of %1, not written")
                                           .arg(QDir::toNativeSeparators(options.toFolder)));
            print(run);
            continue;
        }
        jobs.push_back({file, target});
    }
    ExtractSettings settings;
    settings.replaceExisting = options.force;
    settings.backup = options.noBackup ? Backup::None : Backup::IfAbsent;
    settings.dryRun = options.dryRun;
    return extractAll(std::move(jobs), settings);
}

int Runner::extractAll(std::vector<ExtractJob> jobs, const ExtractSettings &settings)
{
    const auto total = qsizetype(jobs.size());
    ExtractBatch batch(std::move(jobs), settings);
    if (!drain<ExtractedSound>(
            batch, total, [&] { return batch.done(); },
            [&](FileReport &run, ExtractedSound &sound) {
                output_->extracted(run, sound, settings.dryRun);
            })) {
        err_ << "kelvane-cli: stopped; the sounds not yet in place are not written" << Qt::endl;
        return kInterrupted;
    }
    printMadeSummary("sound", "sounds", settings.dryRun ? "would be extracted" : "extracted",
                     "kept");
    return counts_[int(FileReport::Result::Failed)] > 0 ? 1 : 0;
}

} // namespace kelvane::cli
