#include "file_image.h"

#include "ogg_layout.h"

#include <algorithm>

namespace kelvane {

FileImage::FileImage(std::size_t bytesToRead, std::int64_t sizeOnDisk)
    : buffer_(std::make_unique_for_overwrite<std::uint8_t[]>(bytesToRead + kFrontRoom + 1))
    , capacity_(bytesToRead + kFrontRoom + 1)
    , fileSize_(sizeOnDisk)
    , readInPart_(sizeOnDisk > static_cast<std::int64_t>(bytesToRead))
    , headersOnly_(readInPart_ && sizeOnDisk > layout::kWholeReadLimit)
{
    std::fill_n(buffer_.get(), kFrontRoom, std::uint8_t{0});
}

std::span<std::uint8_t> FileImage::readArea()
{
    return {buffer_.get() + kFrontRoom, capacity_ - kFrontRoom - 1};
}

void FileImage::setBytesRead(std::size_t count)
{
    bytesRead_ = std::min(count, capacity_ - kFrontRoom - 1);
    blockOffset_.reset();
    layout_.reset();
    first_ = kFrontRoom;
    length_ = bytesRead_;
}

std::span<std::uint8_t> FileImage::bytes()
{
    return {buffer_.get() + first_, length_};
}

std::span<const std::uint8_t> FileImage::bytes() const
{
    return {buffer_.get() + first_, length_};
}

bool FileImage::extendAtFront(std::size_t count)
{
    // Moving the bytes moves page 2 and the block: only inspection may say where they are then.
    if (count > first_ || layout_)
        return false;
    first_ -= count;
    length_ += count;
    fileSize_ += static_cast<std::int64_t>(count);
    return true;
}

} // namespace kelvane
