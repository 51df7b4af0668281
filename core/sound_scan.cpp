#include "sound_scan.h"

#include "game_rules.h"
#include "parallel_for.h"
#include "qt_text.h"
#include "relative_path.h"
#include "sound_collection.h"
#include "sound_reader.h"
#include "sound_state.h"

#include <algorithm>

namespace kelvane {

namespace {

SoundState stateOf(const LoadResult &loaded)
{
    if (loaded.refused())
        return SoundState::Refused;
    switch (loaded.inspection.outcome) {
    case LoadOutcome::Clean:
        return SoundState::Ok;
    case LoadOutcome::BadChecksum:
        return SoundState::BadChecksum;
    case LoadOutcome::Inserted:
    case LoadOutcome::Upgraded:
        return olderBlock(loaded.inspection) ? SoundState::OlderBlock : SoundState::NoBlock;
    case LoadOutcome::ViewOnly:
        return SoundState::ViewOnly;
    case LoadOutcome::Refused:
        break;
    }
    return SoundState::Refused;
}

ScannedSound refusedRow(const QString &path, const Message &why)
{
    ScannedSound row;
    row.path = path;
    row.stateText = {MessageKind::StateRefused, {}, {why}};
    return row;
}

} // namespace

ScannedSound scanSound(const QString &folder, const QString &relative)
{
    const QString path = folder + QLatin1Char('/') + relative;
    const LoadResult loaded =
        loadSoundFile(path, relative, MissingBlock::InsertDefault, Access::FirstPages);
    ScannedSound row;
    row.path = relative;
    if (!loaded.archive.isEmpty())
        row.archive = pathBelow(folder, loaded.archive);
    row.state = stateOf(loaded);
    row.stateText = stateText(loaded);
    if (loaded.image)
        row.identity = loaded.identity;
    if (row.state == SoundState::Refused)
        return row;
    const Inspection &found = loaded.inspection;
    row.facts = soundFactsOf(found);
    row.attrs = row.facts.attrs;
    row.sampleRate = found.sampleRate;
    row.channels = found.channels;
    row.seconds = loaded.seconds;
    judge(row);
    return row;
}

void judge(ScannedSound &row)
{
    std::vector<GameWarning> warnings = gameWarnings(row.facts);
    std::stable_partition(warnings.begin(), warnings.end(),
                          [](const GameWarning &w) { return w.stopsGame(); });
    row.stopsGame = anyStopsGame(warnings);
    row.warnings.clear();
    for (const GameWarning &warning : warnings)
        row.warnings.push_back(warning.text);
}

SoundScan::SoundScan(QString folder, int jobs)
    : folder_(std::move(folder))
    , jobs_(std::max(jobs, 1))
{
    start([this] { run(); });
}

SoundScan::~SoundScan()
{
    join();
}

void SoundScan::run()
{
    const SoundCollection found = collectSounds({folder_}, true, FolderLinks::Follow);
    for (const QString &orphan : found.orphans)
        orphans_ << pathBelow(folder_, orphan);
    setTotal(found.files.size() + found.unreadable.size() + found.undecodable.size() +
             found.loops.size() + found.unreadArchived.size());
    for (const UnreadFolder &folder : found.unreadable)
        deliver(refusedRow(pathBelow(folder_, folder.path),
                           {MessageKind::FolderUnreadable, {}, {folder.reason}}));
    for (const QString &name : found.undecodable)
        deliver(refusedRow(name, MessageKind::NameNotUtf8));
    for (const QString &loop : found.loops)
        deliver(refusedRow(pathBelow(folder_, loop), MessageKind::FolderLoop));
    for (const UnreadFolder &archived : found.unreadArchived)
        deliver(refusedRow(pathBelow(folder_, archived.path), archived.reason));

    parallelFor(
        std::size_t(found.files.size()), jobs_,
        [&](std::size_t i) {
            const QString &file = found.files.at(qsizetype(i));
            ScannedSound row = scanSound(folder_, pathBelow(folder_, file));
            row.stockPath = found.stockPaths.value(file);
            deliver(std::move(row));
        },
        [this] { return cancelled(); });
}

} // namespace kelvane
