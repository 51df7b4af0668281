#include "sound_reader.h"

#include "archived_sound.h"
#include "file_system.h"
#include "message.h"
#include "ogg_layout.h"
#include "open_file.h"
#include "qt_text.h"
#include "stream_length.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <memory>
#include <vector>

namespace kelvane {

namespace {

ReadResult failed(const Message &message, const Message &reason = {})
{
    return {nullptr, message, reason, {}, {}};
}

// A path that names nothing on disk may lead into an archive: "sounds.db/sounds/x.ogg".
std::optional<ArchivePlace> archivedSoundAt(const QString &path, int openError)
{
    if (openError != ENOENT && openError != ENOTDIR)
        return std::nullopt;
    auto place = archivePlaceOf(path);
    if (!place || place->inside.isEmpty())
        return std::nullopt;
    return place;
}

// Reads until `target` is full. Returns what went wrong, if anything: a short read means the
// file changed under us.
std::optional<Message> readFully(int descriptor, std::span<std::uint8_t> target)
{
    std::size_t done = 0;
    while (done < target.size()) {
        const std::int64_t got =
            fs::readSome(descriptor, target.data() + done, target.size() - done);
        if (got < 0)
            return systemReason(errno);
        if (got == 0)
            return MessageKind::FileEndedEarly;
        done += static_cast<std::size_t>(got);
    }
    return std::nullopt;
}

} // namespace

ReadResult readSoundFile(const QString &path, const QString &shownName, Access access)
{
    // Enough for pages 1 and 2 of an ordinary sound; a file that needs more is read again whole.
    constexpr std::size_t kFirstPagesRead = 16 * 1024;
    auto file = std::make_unique<OpenFile>(path, access == Access::ReadWrite);
    // The game holding the sound open keeps it from being saved, not from being shown: it is
    // read as it is, and a save while the game still holds it says so.
    if (file->fd() < 0 && access == Access::ReadWrite &&
        fs::heldByAnotherProgram(file->openError()))
        file = std::make_unique<OpenFile>(path, false);
    if (file->fd() < 0) {
        if (const auto place = archivedSoundAt(path, file->openError()))
            return readArchivedSound(*place, shownName, access);
        return failed(MessageKind::CouldNotOpen, systemReason(file->openError()));
    }
    // A pipe or a device has no size to scan and could block the window forever.
    const auto &before = file->identity();
    if (!before)
        return failed(MessageKind::CouldNotScan);
    const Message problem(MessageKind::ReadProblem, {shownName.toStdString()});

    try {
        std::size_t toRead = before->size > layout::kWholeReadLimit
                                 ? layout::kHeaderReadSize
                                 : static_cast<std::size_t>(before->size);
        if (access == Access::FirstPages)
            toRead = std::min(toRead, kFirstPagesRead);
        auto image = std::make_unique<FileImage>(toRead, before->size);
        if (const auto wrong = readFully(file->fd(), image->readArea().first(toRead)))
            return failed(problem, *wrong);
        if (identityOfOpenFile(file->fd()) != before)
            return failed(problem, MessageKind::ChangedWhileRead);
        image->setBytesRead(toRead);
        return {std::move(image), {}, {}, *before, {}};
    } catch (const std::exception &) {
        return failed(problem, MessageKind::NoMemory);
    }
}

Message LoadResult::whyRefused() const
{
    return image ? inspection.attrStatus : failure;
}

std::optional<double> soundSecondsOf(const QString &path, const FileImage &image,
                                     std::uint32_t sampleRate)
{
    if (!image.readInPart())
        return soundSeconds(image.bytes(), sampleRate);
    const OpenFile file(path, false);
    if (const auto place = file.fd() < 0 ? archivedSoundAt(path, file.openError()) : std::nullopt)
        return archivedSoundSeconds(*place, image, sampleRate);
    if (file.fd() < 0 || !file.identity())
        return std::nullopt;
    const auto size = static_cast<std::uint64_t>(image.fileSize());
    const std::size_t wanted = std::min<std::uint64_t>(size, kLongestPage);
    std::vector<std::uint8_t> tail(wanted);
    const std::int64_t got =
        fs::readAt(file.fd(), tail.data(), wanted, static_cast<std::int64_t>(size - wanted));
    if (got != static_cast<std::int64_t>(wanted))
        return std::nullopt;
    return soundSeconds(tail, sampleRate);
}

LoadResult loadSoundFile(const QString &path, const QString &shownName, MissingBlock missing,
                         Access access)
{
    ReadResult read = readSoundFile(path, shownName, access);
    if (!read.image)
        return {nullptr, read.failure, read.reason, {}, {}, {}, read.archive};
    Inspection inspection = inspectImage(*read.image, missing);
    // The first pages read were not enough (a long first comment, a large page 2): the whole
    // file is read, as loading to change would read it.
    if (read.image->readInPart() && !read.image->headersOnly() &&
        inspection.attrStatus.kind == MessageKind::EndsTooEarly) {
        read = readSoundFile(path, shownName, Access::ReadOnly);
        if (!read.image)
            return {nullptr, read.failure, read.reason, {}, {}, {}, read.archive};
        inspection = inspectImage(*read.image, missing);
    }
    LoadResult loaded{std::move(read.image), {}, {},          read.identity,
                      std::move(inspection), {}, read.archive};
    if (loaded.inspection.outcome != LoadOutcome::Refused)
        loaded.seconds = soundSecondsOf(path, *loaded.image, loaded.inspection.sampleRate);
    return loaded;
}

} // namespace kelvane
