#include "archived_sound.h"

#include "archive_shelf.h"
#include "ogg_layout.h"
#include "stream_length.h"

#include <algorithm>
#include <exception>

namespace kelvane {

namespace {

struct Found
{
    std::shared_ptr<const ArchiveFile> archive;
    const ArchiveEntry *entry = nullptr;
    Message failure;
};

Found entryIn(std::shared_ptr<const ArchiveFile> archive, const QString &inside)
{
    Found found{std::move(archive), nullptr, {}};
    found.entry = found.archive->find(inside.toStdString());
    if (!found.entry)
        found.failure = MessageKind::NotInArchive;
    else if (found.entry->packed())
        found.failure = MessageKind::EntryPacked;
    return found;
}

Found findEntry(const ArchivePlace &place)
{
    auto opened = openShelvedArchive(place.archive);
    if (const auto *failure = std::get_if<ArchiveOpenFailure>(&opened))
        return {nullptr, nullptr, archiveFailureText(*failure)};
    return entryIn(std::get<std::shared_ptr<const ArchiveFile>>(opened), place.inside);
}

} // namespace

ReadResult readArchivedSound(const ArchivePlace &place, const QString &shownName, Access access)
{
    // As much as a sound on disk is read for the same purpose.
    constexpr std::size_t kFirstPagesRead = 16 * 1024;
    const Found found = findEntry(place);
    if (!found.failure.empty())
        return {nullptr, found.failure, {}, {}, place.archive};
    const ArchiveEntry &entry = *found.entry;
    const Message problem(MessageKind::ReadProblem, {shownName.toStdString()});
    try {
        std::size_t toRead = entry.size > layout::kWholeReadLimit
                                 ? std::min<std::size_t>(layout::kHeaderReadSize, entry.size)
                                 : entry.size;
        if (access == Access::FirstPages)
            toRead = std::min(toRead, kFirstPagesRead);
        auto image = std::make_unique<FileImage>(toRead, entry.size);
        int error = 0;
        if (!found.archive->readPart(entry, 0, image->readArea().first(toRead), error))
            return {nullptr, problem, systemReason(error), {}, place.archive};
        image->setBytesRead(toRead);
        return {std::move(image), {}, {}, found.archive->identity(), place.archive};
    } catch (const std::exception &) {
        return {nullptr, problem, MessageKind::NoMemory, {}, place.archive};
    }
}

std::variant<fs::FilePart, Message> findArchivedPart(const QString &path, ArchiveKept &kept)
{
    const qsizetype length = kept.path.size();
    const bool inKept = kept.file && path.size() > length + 1 && path.startsWith(kept.path) &&
                        path[length] == QLatin1Char('/');
    const auto place =
        inKept ? ArchivePlace{kept.path, path.mid(length + 1)} : archivePlaceOf(path);
    if (!place || place->inside.isEmpty())
        return Message(MessageKind::NotInArchive);
    const Found found = inKept ? entryIn(kept.file, place->inside) : findEntry(*place);
    if (found.archive)
        kept = {place->archive, found.archive};
    if (!found.failure.empty())
        return found.failure;
    return found.archive->partOf(*found.entry);
}

std::optional<double> archivedSoundSeconds(const ArchivePlace &place, const FileImage &image,
                                           std::uint32_t sampleRate)
{
    if (!image.readInPart())
        return soundSeconds(image.bytes(), sampleRate);
    const Found found = findEntry(place);
    if (!found.failure.empty())
        return std::nullopt;
    const std::size_t wanted = std::min<std::size_t>(found.entry->size, kLongestPage);
    std::vector<std::uint8_t> tail(wanted);
    int error = 0;
    if (!found.archive->readPart(*found.entry, found.entry->size - wanted, tail, error))
        return std::nullopt;
    return soundSeconds(tail, sampleRate);
}

} // namespace kelvane
