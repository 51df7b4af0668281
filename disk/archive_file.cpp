#include "archive_file.h"

#include "file_system.h"

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
    const auto read = readArchiveIndex(
        std::uint64_t(identity->size),
        [fd](std::uint64_t offset, std::span<std::uint8_t> into) {
            return readWhole(fd, offset, into);
        },
        isFirstGameArchiveName(QFileInfo(path).fileName().toLower().toStdString()));
    if (const auto *problem = std::get_if<ArchiveProblem>(&read))
        return ArchiveOpenFailure{*problem, 0};
    archive->index_ = std::get<ArchiveIndex>(read);
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

} // namespace kelvane
