#include "save_batch.h"

#include "parallel_for.h"
#include "staged_save.h"

#include <cerrno>

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

std::vector<std::optional<SaveResult>>
SaveBatch::add(const std::vector<PartToSave> &parts, int jobs, const std::function<bool()> &stopped)
{
    std::vector<std::optional<SaveResult>> failures;
    std::vector<std::optional<std::uint64_t>> devices;
    try {
        for (const PartToSave &part : parts)
            devices.push_back(watchFolderOf(part.target));
    } catch (const std::exception &) {
        for (const PartToSave &part : parts)
            failures.push_back(saveFailure(SaveProblem::Write, part.target, MessageKind::NoMemory));
        return failures;
    }
    std::vector<std::optional<std::variant<StagedSave, SaveResult>>> staged(parts.size());
    parallelFor(
        parts.size(), jobs,
        [&](std::size_t i) {
            try {
                staged[i] = stagePart(parts[i].part, parts[i].target, Flush::Later);
            } catch (const std::exception &) {
                staged[i] = saveFailure(SaveProblem::Write, parts[i].target, MessageKind::NoMemory);
            }
        },
        stopped);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!staged[i])
            failures.push_back(
                saveFailure(SaveProblem::Write, parts[i].target, systemReason(ECANCELED)));
        else if (auto *failure = std::get_if<SaveResult>(&*staged[i]))
            failures.push_back(std::move(*failure));
        else
            failures.push_back(keepOrFail(std::move(std::get<StagedSave>(*staged[i])), devices[i]));
    }
    return failures;
}

template<typename Stage>
std::optional<SaveResult> SaveBatch::addStaged(const SaveTarget &target, Stage stage)
{
    try {
        const auto device = watchFolderOf(target);
        auto result = stage();
        if (auto *failure = std::get_if<SaveResult>(&result))
            return std::move(*failure);
        return keepOrFail(std::move(std::get<StagedSave>(result)), device);
    } catch (const std::exception &) {
        return saveFailure(SaveProblem::Write, target, MessageKind::NoMemory);
    }
}

std::optional<std::uint64_t> SaveBatch::watchFolderOf(const SaveTarget &target)
{
    // The flush reports the write-back errors of its file system since it began to watch it, so
    // it watches before the first new file there is written. A new file only takes a free
    // name, never a link's: its folder is the path's own.
    Message unused;
    const QString where =
        folderOf(target.newFileOnly ? absolutePathOf(target.path)
                                    : realPathOf(target.path, unused).value_or(target.path));
    if (where != watchedFolder_) { // a batch's files come folder by folder
        int error = 0;
        const auto folder = fs::factsOf(where, fs::Links::Follow, error);
        watchedDevice_ = folder ? std::optional(folder->identity.device) : std::nullopt;
        watchedFolder_ = where;
        if (folder)
            flush_.watch(where, folder->identity.device, error);
    }
    return watchedDevice_;
}

std::optional<SaveResult> SaveBatch::keepOrFail(StagedSave &&staged,
                                                std::optional<std::uint64_t> device)
{
    try {
        devices_.push_back(device);
        try {
            staged_.push_back(std::make_unique<StagedSave>(std::move(staged)));
        } catch (const std::exception &) {
            devices_.pop_back();
            throw;
        }
        bytes_ += staged_.back()->bytes;
        return std::nullopt;
    } catch (const std::exception &) {
        return saveFailure(SaveProblem::Write, staged.target, MessageKind::NoMemory);
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
    watchedFolder_.clear(); // the next batch watches afresh
    return results;
}

} // namespace kelvane
