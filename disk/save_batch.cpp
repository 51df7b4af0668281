#include "save_batch.h"

#include "staged_save.h"

namespace kelvane {

SaveBatch::SaveBatch() = default;

SaveBatch::~SaveBatch() = default;

std::optional<SaveResult> SaveBatch::add(FileImage &image, const SoundAttributes &attrs,
                                         const SaveTarget &target)
{
    return addStaged(target, [&] { return stageSave(image, attrs, target, Flush::Later); });
}

std::optional<SaveResult> SaveBatch::add(std::span<const std::uint8_t> bytes,
                                         const SaveTarget &target)
{
    return addStaged(target, [&] { return stageBytes(bytes, target, Flush::Later); });
}

std::optional<SaveResult> SaveBatch::add(const fs::FilePart &part, const SaveTarget &target)
{
    return addStaged(target, [&] { return stagePart(part, target, Flush::Later); });
}

template<typename Stage>
std::optional<SaveResult> SaveBatch::addStaged(const SaveTarget &target, Stage stage)
{
    try {
        // The flush reports the write-back errors of its file system since it began to watch
        // it, so it watches before the first new file there is written.
        Message unused;
        const QString where = folderOf(realPathOf(target.path, unused).value_or(target.path));
        int error = 0;
        const auto folder = fs::factsOf(where, fs::Links::Follow, error);
        const auto device = folder ? folder->identity.device : 0;
        if (folder)
            flush_.watch(where, device, error);
        auto result = stage();
        if (auto *failure = std::get_if<SaveResult>(&result))
            return std::move(*failure);
        auto staged = std::make_unique<StagedSave>(std::move(std::get<StagedSave>(result)));
        bytes_ += staged->bytes;
        staged_.push_back(std::move(staged));
        devices_.push_back(folder ? std::optional(device) : std::nullopt);
        return std::nullopt;
    } catch (const std::exception &) {
        return saveFailure(SaveProblem::Write, target, MessageKind::NoMemory);
    }
}

std::size_t SaveBatch::size() const
{
    return staged_.size();
}

qint64 SaveBatch::bytes() const
{
    return bytes_;
}

std::vector<SaveResult> SaveBatch::commit()
{
    flush_.flush();
    std::vector<SaveResult> results;
    for (std::size_t i = 0; i < staged_.size(); ++i) {
        StagedSave &staged = *staged_[i];
        int error = 0;
        if (!flush_.flushed(
                devices_[i], [&] { return staged.file->flushAgain(); }, error)) {
            results.push_back(
                saveFailure(SaveProblem::Write, staged.target,
                            error != 0 ? systemReason(error) : staged.file->reason()));
            continue;
        }
        results.push_back(placeSave(staged));
        if (results.back().ok)
            flush_.renamedIn(staged.folder);
    }
    flush_.flushFolders([&](const QString &folder) {
        for (std::size_t i = 0; i < staged_.size(); ++i)
            if (results[i].ok && staged_[i]->folder == folder)
                results[i].notes.emplace_back(MessageKind::FolderNotFlushed);
    });
    staged_.clear();
    devices_.clear();
    bytes_ = 0;
    return results;
}

} // namespace kelvane
