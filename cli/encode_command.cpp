// encode and fix --game-ready: sounds made game-ready (44100 Hz, mono unless kept, the block as
// the first comment), every core encoding one source at a time.
#include "command_line.h"
#include "commands.h"
#include "game_ready_batch.h"
#include "game_rules.h"
#include "sound_collection.h"
#include "sound_reader.h"

#include <set>

#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace kelvane::cli {

namespace {

GameReadySettings settingsOf(const Options &options)
{
    GameReadySettings settings;
    settings.request.quality = options.quality;
    settings.request.mono = !options.keepChannels;
    settings.request.block = options.like;
    settings.request.edits = options.edits;
    settings.replaceExisting = options.force;
    settings.backup = options.noBackup ? Backup::None : Backup::IfAbsent;
    settings.dryRun = options.dryRun;
    settings.workers = std::max(1, QThread::idealThreadCount());
    return settings;
}

} // namespace

const Command kEncodeCommand{
    "encode",
    "(-o OUT.ogg SOURCE | --to DIR SOURCE...)",
    "make game sounds of WAV, AIFF, FLAC or Ogg sources: 44100 Hz, mono unless kept, the block "
    "given (or --like's, or an Ogg source's own) as the first comment",
    "to o recursive quality mono keep-channels like fields name force no-backup dry-run strict "
    "json",
    "kelvane-cli encode -r --like stock/ak74_shot.ogg --max 300 --to mymod/gamedata/sounds "
    "recordings/",
    &Runner::encode};

int Runner::encode(const Options &options)
{
    output_ = outputFor(options);
    // Given values the game warns of are written only when the user does not ask for strictness.
    const SoundAttributes wanted = options.edits.over(options.like.value_or(defaultAttrs));
    if (options.strict && (options.like || options.edits.any()))
        if (const auto warned = valueWarnings(wanted); !warned.empty()) {
            err_ << "kelvane-cli: nothing made, --strict: " << english(warned.front().text)
                 << Qt::endl;
            return 1;
        }
    std::vector<GameReadyJob> jobs;
    if (!options.output.isEmpty())
        jobs.push_back({options.paths.constFirst(), options.output, {}});
    for (const QString &root : options.toFolder.isEmpty() ? QStringList() : options.paths) {
        SoundCollection found =
            collectSounds({root}, options.recursive, FolderLinks::Skip, Gathered::Sources);
        keepNamed(found.files, options);
        reportUnread(found);
        for (const QString &source : found.files)
            jobs.push_back({source, gameSoundTarget(options.toFolder, root, source), {}});
    }
    // Two sources that would become one sound: neither is made, nothing is touched.
    std::set<QString> targets;
    for (const GameReadyJob &job : jobs)
        if (!targets.insert(QDir::cleanPath(QFileInfo(job.target).absoluteFilePath())).second) {
            err_ << "kelvane-cli: two sources would both become " << job.target
                 << "; encode them apart" << Qt::endl;
            return 2;
        }
    return makeGameReady(std::move(jobs), settingsOf(options));
}

int Runner::fixGameReady(const Options &options)
{
    output_ = outputFor(options);
    err_ << "kelvane-cli: encoding again is lossy; "
         << (options.noBackup ? "no backup is kept (--no-backup)"
                              : "each sound changed keeps its .bak")
         << Qt::endl;
    if (refuseArchives(options.paths, err_))
        return 2;
    SoundCollection found = collectSounds(options.paths, options.recursive);
    keepNamed(found.files, options);
    reportUnread(found);
    std::vector<GameReadyJob> jobs;
    for (const QString &path : found.files) {
        // Only what the game refuses is touched: any other sound stays byte for byte.
        const LoadResult loaded =
            loadSoundFile(path, path, MissingBlock::InsertDefault, Access::FirstPages);
        const bool refusedRate = loaded.inspection.sampleRate != kEngineSampleRate;
        const bool stereo = options.mono && loaded.inspection.channels > 1;
        if (loaded.refused() || (!refusedRate && !stereo)) {
            FileReport run(path);
            if (loaded.refused())
                run.fail(loaded.whyRefused(), loaded.reason);
            else
                run.say(QStringLiteral("ok, 44100 Hz") + (options.mono ? " mono" : ""));
            if (!loaded.refused())
                run.result = FileReport::Result::Skipped;
            print(run);
            continue;
        }
        jobs.push_back({path, path, loaded.identity});
    }
    GameReadySettings settings = settingsOf(options);
    settings.request.mono = options.mono;
    settings.request.edits = {};
    settings.replaceExisting = true;
    return makeGameReady(std::move(jobs), settings);
}

int Runner::makeGameReady(std::vector<GameReadyJob> jobs, const GameReadySettings &settings)
{
    const auto total = qsizetype(jobs.size());
    GameReadyBatch batch(std::move(jobs), settings);
    if (!drain<MadeSound>(
            batch, total, [&] { return batch.encoded(); },
            [&](FileReport &run, MadeSound &sound) {
                output_->made(run, sound, settings.dryRun);
            })) {
        err_ << "kelvane-cli: stopped; no sound is half-written, those not yet in place are not "
                "made"
             << Qt::endl;
        return kInterrupted;
    }
    printMadeSummary("file", "files", settings.dryRun ? "would be made" : "made",
                     "kept or left alone");
    return counts_[int(FileReport::Result::Failed)] > 0 ? 1 : 0;
}

} // namespace kelvane::cli
