#include "sound_reader.h"

#include "messages.h"
#include "ogg_layout.h"
#include "qt_text.h"

#include <exception>

#include <QFile>

namespace kelvane {

namespace {

ReadResult failed(std::string_view message)
{
    return {nullptr, toQString(message)};
}

// Reads until `target` is full; a short read means the file changed under us.
bool readFully(QFile &file, std::span<std::uint8_t> target)
{
    auto *data = reinterpret_cast<char *>(target.data());
    qint64 done = 0;
    const auto wanted = static_cast<qint64>(target.size());
    while (done < wanted) {
        const qint64 got = file.read(data + done, wanted - done);
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

} // namespace

ReadResult readSoundFile(const QString &path, const QString &shownName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return failed(msg::kCouldNotOpen);
    // A pipe or a device has no size to scan and could block the window forever.
    if (file.isSequential())
        return failed(msg::kCouldNotScan);
    const qint64 size = file.size();
    if (size < 0)
        return failed(msg::kCouldNotScan);

    try {
        const std::size_t toRead = size > layout::kWholeReadLimit ? layout::kHeaderReadSize
                                                                  : static_cast<std::size_t>(size);
        auto image = std::make_unique<FileImage>(toRead, size);
        if (!readFully(file, image->readArea().first(toRead)))
            return {nullptr, toQString(msg::kReadProblem) + shownName};
        image->setBytesRead(toRead);
        return {std::move(image), {}};
    } catch (const std::exception &) {
        return {nullptr, toQString(msg::kReadProblem) + shownName};
    }
}

LoadResult loadSoundFile(const QString &path, const QString &shownName, MissingBlock missing)
{
    ReadResult read = readSoundFile(path, shownName);
    if (!read.image)
        return {nullptr, read.failure, {}};
    Inspection inspection = inspectImage(*read.image, missing);
    return {std::move(read.image), {}, std::move(inspection)};
}

} // namespace kelvane
