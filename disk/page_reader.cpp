#include "page_reader.h"

#include "file_identity.h"
#include "file_system.h"
#include "open_file.h"

#include <cerrno>

namespace kelvane {

namespace {

class FileSource final : public ByteSource
{
public:
    explicit FileSource(int fd)
        : fd_(fd)
    {}
    std::optional<std::size_t> read(std::span<std::uint8_t> into) override
    {
        std::size_t done = 0;
        while (done < into.size()) {
            const std::int64_t got = fs::readSome(fd_, into.data() + done, into.size() - done);
            if (got < 0) {
                error_ = errno;
                return std::nullopt;
            }
            if (got == 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        return done;
    }
    [[nodiscard]] int error() const { return error_; }

private:
    int fd_;
    int error_ = 0;
};

} // namespace

FilePageWalk walkPagesOfFile(const QString &path)
{
    FilePageWalk result;
    const OpenFile file(path, false);
    if (file.fd() < 0) {
        result.failure = {MessageKind::PagesUnreadable, {}, {systemReason(file.openError())}};
        return result;
    }
    if (!file.identity()) {
        result.failure = {MessageKind::PagesUnreadable, {}, {MessageKind::NotRegularFile}};
        return result;
    }
    fs::adviseSequential(file.fd());
    FileSource source(file.fd());
    result.walk = walkPages(source);
    if (result.walk.readFailed)
        result.failure = {MessageKind::PagesUnreadable, {}, {systemReason(source.error())}};
    else if (identityOfOpenFile(file.fd()) != file.identity())
        result.failure = MessageKind::ChangedWhilePagesRead;
    return result;
}

} // namespace kelvane
