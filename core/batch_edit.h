#pragma once

#include "attribute_edits.h"
#include "background_job.h"
#include "save_batch.h"
#include "sound_scan.h"
#include "sound_writer.h"

#include <vector>

namespace kelvane {

// A sound to change, as the sound table listed it.
struct EditTarget
{
    QString path;                         // relative to the folder
    std::optional<FileIdentity> listedAs; // the file as it was listed; empty: it could not be read
    AttributeEdits edits;                 // the fields to set in it
};

struct EditOutcome
{
    enum Result
    {
        Written,
        Unchanged,
        Failed,
    } result = Failed;
    QString path;
    Message message;  // what changed, or why nothing was written
    ScannedSound row; // the sound as it is on disk afterwards
};

// Writes each target's fields into many sounds of a folder, in slices that are each flushed
// once (see SaveBatch), with the checks of every save: nothing is written over a file that is
// no longer the one listed, a value the rules refuse is written nowhere, a sound already
// holding the values is left alone. Cancelling stops before the next file; the slice not yet
// replaced is dropped, so every sound ends either as it was or wholly new. Each sound is read
// again afterwards, so its row shows what is on disk.
class BatchEdit final : public BackgroundJob<EditOutcome>
{
public:
    BatchEdit(QString folder, std::vector<EditTarget> targets, Backup backup);
    ~BatchEdit() override;

private:
    void run();
    // Writes the targets from `from` on, as many as one slice holds; returns where it ended.
    std::size_t writeSlice(std::size_t from);
    // Checks one target and adds its new image to `batch`; true when it waits there.
    bool stage(const EditTarget &target, SaveBatch &batch, EditOutcome &outcome);

    QString folder_;
    std::vector<EditTarget> targets_;
    Backup backup_;
};

} // namespace kelvane
