#include "save_batch.h"

#include "staged_save.h"

#include <algorithm>
#include <cerrno>
#include <set>

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace kelvane {

SaveBatch::SaveBatch() = default;

SaveBatch::~SaveBatch()
{
    for (const FileSystem &fs : fileSystems_)
        ::close(fs.fd);
}

std::optional<SaveResult> SaveBatch::add(FileImage &image, const TSoundAttributes &attrs,
                                         const SaveTarget &target)
{
    try {
        // syncfs reports the write-back errors of its file system since its descriptor was
        // opened, so it is opened before the first new file there is written.
        QString unused;
        const QString where = folderOf(realPathOf(target.path, unused).value_or(target.path));
        struct stat folder
        {};
        const bool known = ::stat(QFile::encodeName(where).constData(), &folder) == 0;
        const auto device = static_cast<std::uint64_t>(folder.st_dev);
        if (known && std::none_of(fileSystems_.begin(), fileSystems_.end(),
                                  [&](const FileSystem &fs) { return fs.device == device; })) {
            const int fd =
                ::open(QFile::encodeName(where).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd >= 0)
                fileSystems_.push_back({device, fd});
        }
        auto result = stageSave(image, attrs, target, Flush::Later);
        if (auto *failure = std::get_if<SaveResult>(&result))
            return std::move(*failure);
        auto staged = std::make_unique<StagedSave>(std::move(std::get<StagedSave>(result)));
        bytes_ += staged->bytes;
        staged_.push_back(std::move(staged));
        devices_.push_back(known ? std::optional(device) : std::nullopt);
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
    // One flush per file system; a device without a descriptor is flushed file by file.
    std::vector<std::pair<std::uint64_t, int>> flushFailed;
    for (const FileSystem &fs : fileSystems_) {
        if (::syncfs(fs.fd) != 0)
            flushFailed.emplace_back(fs.device, errno);
    }
    std::vector<SaveResult> results;
    std::set<QString> folders;
    for (std::size_t i = 0; i < staged_.size(); ++i) {
        StagedSave *staged = staged_[i].get();
        const auto device = devices_[i];
        const auto failed = std::find_if(flushFailed.begin(), flushFailed.end(),
                                         [&](const auto &f) { return f.first == device; });
        const bool covered =
            device && std::any_of(fileSystems_.begin(), fileSystems_.end(),
                                  [&](const FileSystem &fs) { return fs.device == *device; });
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
        if (!syncFolder(folder)) {
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
