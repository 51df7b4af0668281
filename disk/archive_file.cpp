#include "archive_file.h"

#include "file_system.h"
#include "list_text.h"

#include <algorithm>
#include <cerrno>

#include <QFileInfo>

namespace kelvane {

namespace {

bool readWhole(int fd, std::uint64_t offset, std::span<std::uint8_t> into)
{
    std::size_t done = 0;
    while (done < into.size()) {
        const std::int64_t got =
            fs::readAt(fd, into.data() + done, into.size() - done, std::int64_t(offset + done));
        if (got <= 0)
            return false;
        done += std::size_t(got);
    }
    return true;
}

} // namespace

ArchiveFile::ArchiveFile(int fd, QString path)
    : fd_(fd)
    , path_(std::move(path))
{}

ArchiveFile::~ArchiveFile()
{
    int error = 0;
    (void)fs::closeFile(fd_, error);
}

std::variant<std::unique_ptr<ArchiveFile>, ArchiveOpenFailure>
ArchiveFile::open(const QString &path)
{
    int error = 0;
    const int fd = fs::openFile(path, fs::Access::Read, error);
    if (fd < 0)
        return ArchiveOpenFailure{std::nullopt, error};
    std::unique_ptr<ArchiveFile> archive(new ArchiveFile(fd, path));
    const auto identity = identityOfOpenFile(fd);
    if (!identity || identity->size < 0)
        return ArchiveOpenFailure{std::nullopt, EIO};
    archive->identity_ = *identity;
    auto read = readArchiveIndex(
        std::uint64_t(identity->size),
        [fd](std::uint64_t offset, std::span<std::uint8_t> into) {
            return readWhole(fd, offset, into);
        },
        isFirstGameArchiveName(QFileInfo(path).fileName().toLower().toStdString()));
    if (const auto *problem = std::get_if<ArchiveProblem>(&read))
        return ArchiveOpenFailure{*problem, 0};
    archive->index_ = std::move(std::get<ArchiveIndex>(read));
    const std::vector<ArchiveEntry> &files = archive->index_.files;
    archive->byPath_.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        archive->byPath_.emplace_back(lowerAscii(files[i].path), i);
    std::stable_sort(archive->byPath_.begin(), archive->byPath_.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    return archive;
}

std::optional<std::vector<std::uint8_t>> ArchiveFile::read(const ArchiveEntry &entry,
                                                           int &error) const
{
    std::vector<std::uint8_t> bytes(entry.size);
    if (!readWhole(fd_, entry.offset, bytes)) {
        error = EIO;
        return std::nullopt;
    }
    return bytes;
}

bool ArchiveFile::readPart(const ArchiveEntry &entry, std::uint64_t from,
                           std::span<std::uint8_t> into, int &error) const
{
    if (from > entry.size || into.size() > entry.size - from ||
        !readWhole(fd_, entry.offset + from, into)) {
        error = EIO;
        return false;
    }
    return true;
}

const ArchiveEntry *ArchiveFile::find(std::string_view path) const
{
    const std::string key = lowerAscii(path);
    const auto found =
        std::lower_bound(byPath_.begin(), byPath_.end(), key,
                         [](const auto &row, const std::string &k) { return row.first < k; });
    // Two names that differ only in case: the later entry, as for one name given twice.
    auto last = found;
    while (last != byPath_.end() && last->first == key)
        ++last;
    return last == found ? nullptr : &index_.files[std::prev(last)->second];
}

} // namespace kelvane
