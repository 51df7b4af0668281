#pragma once

#include "replacement_file.h"
#include "sound_writer.h"

#include <memory>
#include <span>
#include <variant>

namespace kelvane {

// One save in two halves, so that a batch can flush the disk once between them: first the new
// file is written beside the target's real file, then it is put in the target's place.
struct StagedSave
{
    SaveTarget target;
    QString realPath; // the file replaced: a symbolic link's file
    QString folder;
    fs::EntryFacts original;
    bool exists = false;
    std::unique_ptr<ReplacementFile> file;
    qint64 bytes = 0;
    std::vector<Message> notes;
};

enum class Flush
{
    EachFile, // the new file is flushed to the disk before it is closed
    Later,    // the caller flushes the file system before `placeSave`
};

// The first half: the checks, the new file written and closed (and flushed with
// Flush::EachFile). The failure when it could not be done; nothing is left behind then.
[[nodiscard]] std::variant<StagedSave, SaveResult>
stageSave(FileImage &image, const SoundAttributes &attrs, const SaveTarget &target, Flush flush);

// The same first half for a new file's bytes (a sound made from another).
[[nodiscard]] std::variant<StagedSave, SaveResult>
stageBytes(std::span<const std::uint8_t> bytes, const SaveTarget &target, Flush flush);

// The same for a new file's bytes that lie in another file (a sound inside an archive).
[[nodiscard]] std::variant<StagedSave, SaveResult> stagePart(const fs::FilePart &part,
                                                             const SaveTarget &target, Flush flush);

// The second half: the target checked once more against what was loaded, the backup made and
// the new file renamed over the target. The folder is not flushed here.
[[nodiscard]] SaveResult placeSave(StagedSave &staged);

// The folder part of a path, as written.
[[nodiscard]] QString folderOf(const QString &path);
// The path made absolute, as written.
[[nodiscard]] QString absolutePathOf(const QString &path);
// The file a save of `path` replaces: the path made absolute, with a symbolic link at its end
// followed to its file. Nothing, with the reason, for a dangling link or a loop. `found` is
// given that file's facts; nothing for a new file.
[[nodiscard]] std::optional<QString> realPathOf(const QString &path, Message &reason,
                                                std::optional<fs::EntryFacts> *found = nullptr);

// A failed save's result with the message for `problem`; `backupName` names the backup that
// could not be made.
[[nodiscard]] SaveResult saveFailure(SaveProblem problem, const SaveTarget &target,
                                     const Message &reason = {}, const QString &backupName = {});

} // namespace kelvane
