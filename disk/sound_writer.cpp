#include "sound_writer.h"

#include "staged_save.h"

#include <exception>

namespace kelvane {

SaveResult saveSoundFile(FileImage &image, const SoundAttributes &attrs, const SaveTarget &target)
{
    try {
        auto staged = stageSave(image, attrs, target, Flush::EachFile);
        if (auto *failure = std::get_if<SaveResult>(&staged))
            return std::move(*failure);
        StagedSave &save = std::get<StagedSave>(staged);
        SaveResult result = placeSave(save);
        if (result.ok && !fs::flushFolder(save.folder))
            result.notes.emplace_back(MessageKind::FolderNotFlushed);
        return result;
    } catch (const std::exception &) {
        return saveFailure(SaveProblem::Write, target, MessageKind::NoMemory);
    }
}

} // namespace kelvane
