#include "sound_writer.h"

#include "staged_save.h"

#include <exception>

namespace kelvane {

SaveResult saveSoundFile(FileImage &image, const TSoundAttributes &attrs, const SaveTarget &target)
{
    try {
        auto staged = stageSave(image, attrs, target, Flush::EachFile);
        if (auto *failure = std::get_if<SaveResult>(&staged))
            return std::move(*failure);
        StagedSave &save = std::get<StagedSave>(staged);
        SaveResult result = placeSave(save);
        if (result.ok && !fs::flushFolder(save.folder))
            result.notes << QStringLiteral("the folder could not be flushed to the disk");
        return result;
    } catch (const std::exception &) {
        return saveFailure(SaveProblem::Write, target, QStringLiteral("not enough memory"));
    }
}

} // namespace kelvane
