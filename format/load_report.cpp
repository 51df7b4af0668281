#include "load_report.h"

#include "block_insertion.h"
#include "byte_order.h"
#include "hex_text.h"
#include "legacy_block.h"
#include "message.h"
#include "ogg_crc.h"
#include "ogg_layout.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kelvane {

std::optional<SoundAttributes> olderBlock(const Inspection &found)
{
    if (!found.firstComment)
        return std::nullopt;
    return readLegacyBlock(*found.firstComment);
}

namespace {

constexpr std::array<std::uint8_t, 4> kCapturePattern{'O', 'g', 'g', 'S'};
constexpr std::array<std::uint8_t, 7> kCommentSignature{0x03, 'v', 'o', 'r', 'b', 'i', 's'};
constexpr std::array<std::uint8_t, 7> kIdentificationSignature{0x01, 'v', 'o', 'r', 'b', 'i', 's'};

class Inspector
{
public:
    Inspector(FileImage &image, MissingBlock missing)
        : image_(image)
        , bytes_(image.bytes())
        , missing_(missing)
    {
        if (image.headersOnly())
            report_.attrStatus = Message(MessageKind::LargeFile);
    }

    Inspection run();

    // Where the block and page 2 lie, and whether the image may be written.
    struct Found
    {
        std::optional<std::size_t> blockOffset;
        std::size_t pageLength = 0;
        bool writable = false;
    };
    [[nodiscard]] const Found &found() const { return found_; }

private:
    // True when `count` bytes from `offset` were read; written so that it cannot overflow.
    [[nodiscard]] bool has(std::size_t offset, std::size_t count) const
    {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    [[nodiscard]] bool capturePatternAt(std::size_t offset) const
    {
        return std::equal(kCapturePattern.begin(), kCapturePattern.end(),
                          bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    // Page 2 is looked for at 58 only because page 1 is one segment of 30 bytes holding the
    // identification header; anything else there would put a fake page 2 inside page 1.
    [[nodiscard]] bool page1IsIdentificationHeader() const
    {
        return bytes_[layout::kPage1SegmentCount] == 1 &&
               bytes_[layout::kPage1SegmentTable] == layout::kIdentificationLength &&
               std::equal(kIdentificationSignature.begin(), kIdentificationSignature.end(),
                          bytes_.begin() + static_cast<std::ptrdiff_t>(layout::kPage1Body));
    }
    Inspection refuse(Message message)
    {
        report_.outcome = LoadOutcome::Refused;
        report_.attrStatus = std::move(message);
        return std::move(report_);
    }
    // The fixed shape of pages 1 and 2, up to page 2's segment table: the refusal, if any.
    [[nodiscard]] std::optional<MessageKind> checkFrames() const;
    // The vendor string's detail lines; finds the comment count field behind it.
    std::optional<MessageKind> readVendor(std::size_t body);
    // The comment count and the first comment; sets `blockOffset` when that is a block.
    std::optional<MessageKind> readFirstComment(std::optional<std::size_t> &blockOffset);
    // The size and checksum lines; true when page 2 lies whole within the bytes read.
    bool addSizeAndChecksumLines();
    void addIdentificationLines();
    void scanSegmentTable(std::size_t n);
    // Compares the comment header signature; returns the message of a mismatch, if any.
    [[nodiscard]] std::optional<Message> checkSignature(std::size_t body) const;
    Inspection finishWithBlock(std::size_t blockOffset, bool pageComplete);
    Inspection finishWithoutBlock(bool pageComplete);

    FileImage &image_;
    std::span<std::uint8_t> bytes_;
    MissingBlock missing_;
    Inspection report_;
    CommentLayout comment_;
    Found found_;
};

void Inspector::addIdentificationLines()
{
    const unsigned channels = bytes_[layout::kChannels];
    report_.channels = channels;
    report_.sampleRate = readU32LE(bytes_, layout::kSampleRate);
    auto &lines = report_.infoLines;
    lines.emplace_back(channels > 1 ? MessageKind::ChannelsNotForFirstGame : MessageKind::Channels,
                       std::vector{std::to_string(channels)});
    lines.emplace_back(MessageKind::SampleRate,
                       std::vector{std::to_string(readU32LE(bytes_, layout::kSampleRate))});
    lines.emplace_back(MessageKind::NominalBitrate,
                       std::vector{std::to_string(readI32LE(bytes_, layout::kNominalBitrate))});
    lines.emplace_back(MessageKind::MinMaxBitrate,
                       std::vector{std::to_string(readI32LE(bytes_, layout::kMinBitrate)),
                                   std::to_string(readI32LE(bytes_, layout::kMaxBitrate))});
}

void Inspector::scanSegmentTable(std::size_t n)
{
    comment_.segmentCount = n;
    std::size_t pageBody = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t lacing = bytes_[layout::kPage2SegmentTable + i];
        pageBody += lacing;
        if (!comment_.packetEndOffset) {
            comment_.packetLength += lacing;
            if (lacing < 255) {
                comment_.packetEndOffset = layout::kPage2SegmentTable + i;
                comment_.packetEndLacing = lacing;
            }
        }
    }
    comment_.pageLength = layout::kPageHeaderSize + n + pageBody;
}

std::optional<Message> Inspector::checkSignature(std::size_t body) const
{
    for (std::size_t i = 0; i < kCommentSignature.size() && has(body + i, 1); ++i) {
        if (bytes_[body + i] != kCommentSignature[i])
            return Message(MessageKind::BadHeaderChar, {"0x" + hexText(bytes_[body + i], 2)});
    }
    return std::nullopt;
}

std::optional<MessageKind> Inspector::checkFrames() const
{
    if (!has(0, 4))
        return MessageKind::EndsTooEarly;
    if (!capturePatternAt(0))
        return MessageKind::NotOgg;
    if (!has(layout::kPage2, 4))
        return MessageKind::EndsTooEarly;
    if (!page1IsIdentificationHeader() || !capturePatternAt(layout::kPage2))
        return MessageKind::NotValidOgg;
    if (!has(layout::kPage2SegmentCount, 1))
        return MessageKind::EndsTooEarly;
    const std::size_t n = bytes_[layout::kPage2SegmentCount];
    if (n == 0)
        return MessageKind::NoSegments;
    if (!has(layout::kPage2SegmentTable, n))
        return MessageKind::EndsTooEarly;
    return std::nullopt;
}

std::optional<MessageKind> Inspector::readVendor(std::size_t body)
{
    if (!has(body, 11))
        return MessageKind::EndsTooEarly;
    const std::uint32_t vendorLength = readU32LE(bytes_, body + 7);
    if (!has(body + 11, vendorLength))
        return MessageKind::EndsTooEarly;
    if (vendorLength > 0) {
        const auto vendor = bytes_.subspan(body + 11, vendorLength);
        const auto end = std::find(vendor.begin(), vendor.end(), std::uint8_t{0});
        report_.infoLines.emplace_back(MessageKind::VendorHeading);
        report_.infoLines.emplace_back(MessageKind::Vendor,
                                       std::vector{std::string(vendor.begin(), end)});
    }
    comment_.countOffset = body + 11 + vendorLength;
    return std::nullopt;
}

std::optional<MessageKind> Inspector::readFirstComment(std::optional<std::size_t> &blockOffset)
{
    if (!has(comment_.countOffset, 4))
        return MessageKind::EndsTooEarly;
    comment_.commentCount = readU32LE(bytes_, comment_.countOffset);
    if (comment_.commentCount == 0)
        return std::nullopt;
    const std::size_t lengthOffset = comment_.countOffset + 4;
    if (!has(lengthOffset, 4))
        return MessageKind::EndsTooEarly;
    const std::uint32_t firstLength = readU32LE(bytes_, lengthOffset);
    // "Ends too early" means the file ends; a comment that only reaches past the bytes read of
    // a file read in part is simply not a block.
    if (!has(lengthOffset + 4, firstLength))
        return image_.readInPart() ? std::nullopt : std::optional(MessageKind::EndsTooEarly);
    const auto first = bytes_.subspan(lengthOffset + 4, firstLength);
    report_.firstComment.emplace(first.begin(), first.end());
    // The game reads a version 3 block from the first 24 bytes of any comment at least that
    // long; what follows them it never looks at, and a save leaves it as it is.
    if (firstLength >= kAttributeBlockSize &&
        readU32LE(bytes_, lengthOffset + 4) == kAttributeBlockVersion)
        blockOffset = lengthOffset + 4;
    return std::nullopt;
}

bool Inspector::addSizeAndChecksumLines()
{
    report_.infoLines.emplace_back(MessageKind::FileSize,
                                   std::vector{std::to_string(image_.fileSize())});
    const bool pageComplete = has(layout::kPage2, comment_.pageLength);
    report_.infoLines.emplace_back(MessageKind::StoredChecksum,
                                   std::vector{hexText(report_.storedChecksum)});
    if (pageComplete) {
        report_.computedChecksum =
            OggPageChecksum(bytes_.subspan(layout::kPage2, comment_.pageLength));
        report_.infoLines.emplace_back(MessageKind::ComputedChecksum,
                                       std::vector{hexText(*report_.computedChecksum)});
    }
    report_.statusLine = Message(MessageKind::BytesRead, {std::to_string(image_.bytesRead())});
    return pageComplete;
}

Inspection Inspector::run()
{
    if (const auto wrong = checkFrames())
        return refuse(*wrong);
    const std::size_t n = bytes_[layout::kPage2SegmentCount];
    scanSegmentTable(n);
    addIdentificationLines();
    report_.storedChecksum = readU32LE(bytes_, layout::kPage2Checksum);

    const std::size_t body = layout::kPage2SegmentTable + n;
    report_.decoderRefusal = pageRefusal(bytes_);
    if (!report_.decoderRefusal && comment_.packetEndOffset && has(body, comment_.packetLength))
        report_.decoderRefusal =
            decoderRefusal(bytes_.subspan(layout::kPage1Body, layout::kIdentificationLength),
                           bytes_.subspan(body, comment_.packetLength));
    if (auto mismatch = checkSignature(body))
        return refuse(*mismatch);
    if (const auto wrong = readVendor(body))
        return refuse(*wrong);
    std::optional<std::size_t> blockOffset;
    if (const auto wrong = readFirstComment(blockOffset))
        return refuse(*wrong);
    const bool pageComplete = addSizeAndChecksumLines();
    if (!pageComplete && !image_.readInPart())
        report_.decoderRefusal = DecoderRefusal::EndsEarly;
    return blockOffset ? finishWithBlock(*blockOffset, pageComplete)
                       : finishWithoutBlock(pageComplete);
}

Inspection Inspector::finishWithBlock(std::size_t blockOffset, bool pageComplete)
{
    found_.blockOffset = blockOffset;
    report_.fileAttrs = readAttributeBlock(bytes_.subspan(blockOffset));
    report_.savedAttrs = report_.fileAttrs;
    report_.shownAttrs = report_.fileAttrs;
    report_.selectFirstLine = true;
    report_.outcome = LoadOutcome::ViewOnly;
    if (image_.headersOnly())
        return std::move(report_);
    if (!pageComplete) {
        report_.attrStatus = Message(MessageKind::EndsTooEarly);
        return std::move(report_);
    }
    // Saving recomputes only page 2's checksum, so a block beyond page 2 cannot be written.
    const std::size_t pageEnd = layout::kPage2 + comment_.pageLength;
    if (blockOffset >= pageEnd || kAttributeBlockSize > pageEnd - blockOffset) {
        report_.attrStatus = Message(MessageKind::BlockOffPage2, {"2"});
        return std::move(report_);
    }
    found_.writable = true;
    found_.pageLength = comment_.pageLength;
    report_.outcome = LoadOutcome::Clean;
    if (*report_.computedChecksum != report_.storedChecksum) {
        report_.outcome = LoadOutcome::BadChecksum;
        report_.armed = true;
        report_.savedAttrs.version = 0;
        report_.attrStatus = Message(MessageKind::BadChecksum);
    }
    return std::move(report_);
}

Inspection Inspector::finishWithoutBlock(bool pageComplete)
{
    if (image_.headersOnly()) {
        return refuse(Message(MessageKind::NotGscSound, {std::to_string(layout::kWholeReadLimit)}));
    }
    if (!pageComplete)
        return refuse(MessageKind::EndsTooEarly);
    SoundAttributes block = defaultAttrs;
    InsertionResult inserted;
    std::optional<SoundAttributes> older;
    if (missing_ == MissingBlock::UpgradeOlder && report_.firstComment)
        older = readLegacyBlock(*report_.firstComment);
    // A longer one would have to shrink the page, which is never done: the game's values stay.
    if (older && report_.firstComment->size() > kAttributeBlockSize)
        return refuse(Message(MessageKind::OlderBlockTooLong, {"3"}));
    if (older) {
        block = *older;
        block.version = kAttributeBlockVersion;
        inserted = ReplaceFirstComment(image_, comment_, report_.firstComment->size(), block);
    } else {
        inserted = InsertAttributeBlock(image_, comment_);
    }
    if (!inserted.inserted)
        return refuse(Message(MessageKind::CannotInsert, {"2"}));

    found_.writable = true;
    found_.blockOffset = inserted.blockOffset;
    found_.pageLength = inserted.pageLength;
    if (inserted.lacingByteAdded)
        report_.infoLines.emplace_back(MessageKind::InsertedLacingByte);
    report_.infoLines.emplace_back(MessageKind::SavedFileSize,
                                   std::vector{std::to_string(image_.fileSize())});
    report_.insertedBytes = inserted.bytesAdded;
    report_.insertionLines = inserted.lacingByteAdded ? 2 : 1;
    report_.outcome = older ? LoadOutcome::Upgraded : LoadOutcome::Inserted;
    report_.fileAttrs = block;
    report_.savedAttrs = block;
    report_.savedAttrs.version = 0;
    report_.shownAttrs = block;
    report_.armed = true;
    report_.selectFirstLine = true;
    report_.attrStatus =
        older ? Message(MessageKind::BlockUpgraded, {"3"}) : Message(MessageKind::BlockInserted);
    return std::move(report_);
}

} // namespace

Inspection inspectImage(FileImage &image, MissingBlock missing)
{
    image.blockOffset_.reset();
    image.layout_.reset();
    Inspector inspector(image, missing);
    Inspection report = inspector.run();
    const Inspector::Found &found = inspector.found();
    image.blockOffset_ = found.blockOffset;
    // Only an image of the whole file may ever be written back.
    if (found.writable && found.blockOffset && !image.readInPart())
        image.layout_ = ImageLayout(found.pageLength, *found.blockOffset);
    return report;
}

} // namespace kelvane
