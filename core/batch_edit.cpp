#include "batch_edit.h"

#include "attribute_change.h"
#include "save_batch.h"
#include "sound_reader.h"

namespace kelvane {

BatchEdit::BatchEdit(QString folder, std::vector<EditTarget> targets, Backup backup)
    : folder_(std::move(folder))
    , targets_(std::move(targets))
    , backup_(backup)
{
    setTotal(qsizetype(targets_.size()));
    start([this] { run(); });
}

BatchEdit::~BatchEdit()
{
    join();
}

void BatchEdit::run()
{
    for (std::size_t from = 0; from < targets_.size() && !cancelled();)
        from = writeSlice(from);
}

std::size_t BatchEdit::writeSlice(std::size_t from)
{
    const std::size_t to = std::min(targets_.size(), from + SaveBatch::kMostFiles);
    SaveBatch batch;
    std::vector<EditOutcome> outcomes;
    std::vector<std::size_t> staged; // which outcomes wait in the batch
    std::size_t i = from;
    for (; i < to && batch.bytes() < SaveBatch::kMostBytes; ++i) {
        if (cancelled())
            return to; // the batch drops what it has not replaced
        if (stage(targets_[i], batch, outcomes.emplace_back()))
            staged.push_back(outcomes.size() - 1);
    }
    if (cancelled())
        return to;
    if (batch.size() > 0) {
        const std::vector<SaveResult> results = batch.commit();
        for (std::size_t k = 0; k < staged.size(); ++k) {
            EditOutcome &outcome = outcomes[staged[k]];
            const SaveResult &saved = results.at(k);
            if (saved.ok)
                outcome.result = EditOutcome::Written;
            else if (saved.reason.empty())
                outcome.message = saved.failure;
            else
                outcome.message = {MessageKind::WithReason, {}, {saved.failure, saved.reason}};
        }
    }
    for (EditOutcome &outcome : outcomes) {
        outcome.row = scanSound(folder_, outcome.path);
        deliver(std::move(outcome));
    }
    return i;
}

bool BatchEdit::stage(const EditTarget &target, SaveBatch &batch, EditOutcome &outcome)
{
    outcome.path = target.path;
    const QString path = folder_ + QLatin1Char('/') + target.path;
    // An older block becomes a version 3 block with its values, as on the command line.
    LoadResult loaded = loadSoundFile(path, target.path, MissingBlock::UpgradeOlder);
    if (loaded.refused()) {
        outcome.message = loaded.whyRefused();
        return false;
    }
    if (!target.listedAs || loaded.identity != *target.listedAs) {
        outcome.message = MessageKind::ChangedSinceListed;
        return false;
    }
    const SoundAttributes next = target.edits.over(loaded.inspection.fileAttrs);
    const ChangeCheck check = checkChange(loaded, next);
    if (check.verdict == ChangeCheck::Refused) {
        outcome.message = check.why;
        return false;
    }
    if (check.verdict == ChangeCheck::Unchanged) {
        outcome.result = EditOutcome::Unchanged;
        outcome.message = MessageKind::Unchanged;
        return false;
    }
    outcome.message = check.changes;
    if (const auto failed =
            batch.add(*loaded.image, next, {path, target.path, backup_, loaded.identity})) {
        outcome.message = failed->failure;
        return false;
    }
    return true;
}

} // namespace kelvane
