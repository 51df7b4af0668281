#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace kelvane {

struct Inspection;
enum class MissingBlock;
class FileImage;
Inspection inspectImage(FileImage &image, MissingBlock missing);

// Where page 2 and the attribute block of an image lie, as inspection found them when it
// judged the image safe to write. Only inspection makes one, and saving needs one, so an image
// that no inspection has passed cannot be written.
class ImageLayout
{
public:
    // Total length of page 2, from its capture pattern to the end of its body.
    [[nodiscard]] std::size_t commentPageLength() const { return commentPageLength_; }
    // File offset of the attribute block, which lies on page 2.
    [[nodiscard]] std::size_t blockOffset() const { return blockOffset_; }

private:
    friend Inspection inspectImage(FileImage &image, MissingBlock missing);
    ImageLayout(std::size_t commentPageLength, std::size_t blockOffset)
        : commentPageLength_(commentPageLength)
        , blockOffset_(blockOffset)
    {}

    std::size_t commentPageLength_;
    std::size_t blockOffset_;
};

// A loaded sound file in one buffer. The file's first byte sits 29 bytes into the buffer, so a
// block insertion can move the short leading part of the file forward into that room without
// reallocating and without touching the bulk of the file behind it.
class FileImage
{
public:
    static constexpr std::size_t kFrontRoom = 29;

    // `bytesToRead` is the room for the file's bytes; `sizeOnDisk` the file's full size, larger
    // than `bytesToRead` when only part of the file is read. Throws std::bad_alloc.
    FileImage(std::size_t bytesToRead, std::int64_t sizeOnDisk);

    // Where the reader puts the file's bytes; call setBytesRead afterwards.
    [[nodiscard]] std::span<std::uint8_t> readArea();
    void setBytesRead(std::size_t count);

    // The file as it would be written: its bytes from the first one, inserted ones included.
    [[nodiscard]] std::span<std::uint8_t> bytes();
    [[nodiscard]] std::span<const std::uint8_t> bytes() const;

    [[nodiscard]] std::size_t bytesRead() const { return bytesRead_; }
    // The size on disk when loaded, grown by any inserted bytes.
    [[nodiscard]] std::int64_t fileSize() const { return fileSize_; }
    // A file over the 10 MiB limit, read as its headers only: shown, never written.
    [[nodiscard]] bool headersOnly() const { return headersOnly_; }
    // Only part of the file was read (the headers of a large file, or the first pages of a
    // file that is only shown): such an image is never written.
    [[nodiscard]] bool readInPart() const { return readInPart_; }
    [[nodiscard]] std::size_t frontRoom() const { return first_; }

    // Moves the first byte `count` bytes towards the front of the buffer; the bytes in between
    // become part of the file and are the caller's to fill. False when there is no room.
    [[nodiscard]] bool extendAtFront(std::size_t count);

    // File offset of the attribute block, once inspection found or inserted one.
    [[nodiscard]] std::optional<std::size_t> blockOffset() const { return blockOffset_; }
    // Set by inspection when the whole file was read, page 2 lies within it and the block lies
    // on page 2: only then may the image be written back.
    [[nodiscard]] const std::optional<ImageLayout> &layout() const { return layout_; }
    [[nodiscard]] bool writable() const { return layout_.has_value(); }

private:
    friend Inspection inspectImage(FileImage &image, MissingBlock missing);

    std::optional<std::size_t> blockOffset_;
    std::optional<ImageLayout> layout_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_;
    std::size_t first_ = kFrontRoom;
    std::size_t length_ = 0;
    std::size_t bytesRead_ = 0;
    std::int64_t fileSize_;
    bool readInPart_;
    bool headersOnly_;
};

} // namespace kelvane
