#include "save_batch.h"

#include "staged_save.h"

#include <algorithm>
#include <set>

namespace kelvane {

SaveBatch::SaveBatch() = default;

SaveBatch::~SaveBatch() = default;

std::optional<SaveResult> SaveBatch::add(FileImage &image, const TSoundAttributes &attrs,
                                         const SaveTarget &target)
{
    try {
        // The flush reports the write-back errors of its file system since it began to watch
        // it, so it watches before the first new file there is written.
        QString unused;
        const QString where = folderOf(realPathOf(target.path, unused).value_or(target.path));
        int error = 0;
        const auto folder = fs::factsOf(where, fs::Links::Follow, error);
        const auto device = folder ? folder->identity.device : 0;
        if (folder)
            flush_.watch(where, device, error);
        auto result = stageSave(image, attrs, target, Flush::Later);
        if (auto *failure = std::get_if<SaveResult>(&result))
            return std::move(*failure);
        auto staged = std::make_unique<StagedSave>(std::move(std::get<StagedSave>(result)));
        bytes_ += staged->bytes;
        staged_.push_back(std::move(staged));
        devices_.push_back(folder ? std::optional(device) : std::nullopt);
        return std::nullopt;
    } catch (const std::exception &) {
        return saveFailure(SaveProblem::Write, target, QStringLiteral("not enough memory"));
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
    // One flush per file system; one that cannot be flushed as a whole is flushed file by file.
    const auto flushFailed = flush_.flush();
    std::vector<SaveResult> results;
    std::set<QString> folders;
    for (std::size_t i = 0; i < staged_.size(); ++i) {
        StagedSave *staged = staged_[i].get();
        const auto device = devices_[i];
        const auto failed = std::find_if(flushFailed.begin(), flushFailed.end(),
                                         [&](const auto &f) { return f.first == device; });
        const bool covered = device && flush_.covers(*device);
        if (failed != flushFailed.end()) {
            results.push_back(
                saveFailure(SaveProblem::Write, staged->target, systemReason(failed->second)));
        } else if (!covered && !staged->file->flushAgain()) {
            results.push_back(
                saveFailure(SaveProblem::Write, staged->target, staged->file->reason()));
        } else {
            results.push_back(placeSave(*staged));
            if (results.back().ok)
                folders.insert(staged->folder);
        }
    }
    for (const QString &folder : folders) {
        if (!fs::flushFolder(folder)) {
            for (std::size_t i = 0; i < staged_.size(); ++i) {
                if (results[i].ok && staged_[i]->folder == folder)
                    results[i].notes
                        << QStringLiteral("the folder could not be flushed to the disk");
            }
        }
    }
    staged_.clear();
    devices_.clear();
    bytes_ = 0;
    return results;
}

} // namespace kelvane
