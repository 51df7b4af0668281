#include "core_invariants.h"

#include "file_image.h"
#include "legacy_block.h"
#include "load_report.h"
#include "ogg_layout.h"
#include "save_image.h"
#include "sound_attributes.h"

#include <algorithm>
#include <array>
#include <vector>

#include <ogg/ogg.h>

using namespace kelvane;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t le32(const Bytes &b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

bool sameRange(const Bytes &a, std::size_t aFrom, const Bytes &b, std::size_t bFrom,
               std::size_t count)
{
    return count <= a.size() && aFrom <= a.size() - count && count <= b.size() &&
           bFrom <= b.size() - count &&
           std::equal(a.begin() + std::ptrdiff_t(aFrom), a.begin() + std::ptrdiff_t(aFrom + count),
                      b.begin() + std::ptrdiff_t(bFrom));
}

// Whether page 2 of `length` bytes lies whole within `b`.
bool page2Fits(std::size_t length, const Bytes &b)
{
    return b.size() >= 58 && length <= b.size() - 58;
}

// Page 2 as its own segment table describes it: total length, comment packet length.
struct Page
{
    std::size_t length = 0;
    std::size_t packet = 0;
    bool packetEnds = false;
};

Page pageOf(const Bytes &b)
{
    Page page;
    const std::size_t n = b[84];
    page.length = 27 + n;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t lacing = b[85 + i];
        page.length += lacing;
        if (!page.packetEnds) {
            page.packet += lacing;
            page.packetEnds = lacing < 255;
        }
    }
    return page;
}

// libogg's own checksum of page 2, written into a copy of the page.
std::uint32_t liboggChecksum(const Bytes &b, std::size_t pageLength)
{
    Bytes page(b.begin() + 58, b.begin() + std::ptrdiff_t(58 + pageLength));
    std::fill(page.begin() + 22, page.begin() + 26, std::uint8_t{0});
    ogg_page p;
    p.header = page.data();
    p.header_len = 27 + page[26];
    p.body = page.data() + p.header_len;
    p.body_len = static_cast<long>(page.size()) - p.header_len;
    ogg_page_checksum_set(&p);
    return le32(page, 22);
}

std::string checkInsertion(const Bytes &before, const Bytes &after)
{
    const std::size_t n = before[84];
    const std::size_t grownSegments = after[84];
    if (grownSegments != n && grownSegments != n + 1)
        return "segment count changed by more than one";
    const std::size_t added = 28 + (grownSegments - n);
    if (after.size() != before.size() + added)
        return "insertion added the wrong number of bytes";
    const Page old = pageOf(before);
    const Page grown = pageOf(after);
    if (grown.length != old.length + added || !page2Fits(grown.length, after))
        return "page 2 length does not add up after insertion";
    if (!grown.packetEnds || grown.packet != old.packet + 28)
        return "comment packet does not end on page 2 or has the wrong length";
    if (!sameRange(before, 0, after, 0, 58))
        return "page 1 changed";
    if (!sameRange(before, 58 + old.length, after, 58 + grown.length,
                   before.size() - 58 - old.length))
        return "bytes after page 2 changed";
    const std::size_t body = 85 + n;
    const std::size_t grownBody = 85 + grownSegments;
    const std::uint32_t vendor = le32(before, body + 7);
    const std::size_t count = body + 11 + vendor;
    const std::size_t grownCount = grownBody + 11 + vendor;
    if (!sameRange(before, body, after, grownBody, 11 + vendor))
        return "comment header start changed";
    if (le32(after, grownCount) != le32(before, count) + 1 || le32(after, grownCount + 4) != 24)
        return "comment count or block length wrong";
    std::array<std::uint8_t, kAttributeBlockSize> defaults{};
    writeAttributeBlock(defaults, defaultAttrs);
    if (!std::equal(defaults.begin(), defaults.end(),
                    after.begin() + std::ptrdiff_t(grownCount + 8)))
        return "first comment is not the default block";
    if (!sameRange(before, count + 4, after, grownCount + 4 + 28, 58 + old.length - count - 4))
        return "old comments do not follow unchanged";
    return {};
}

// An older first comment replaced by a version 3 block holding the values the game reads.
std::string checkUpgrade(const Bytes &before, const Bytes &after)
{
    const std::size_t n = before[84];
    const std::size_t body = 85 + n;
    const std::uint32_t vendor = le32(before, body + 7);
    const std::size_t count = body + 11 + vendor;
    const std::size_t oldLength = le32(before, count + 4);
    const std::size_t grow = kAttributeBlockSize - oldLength;
    const std::size_t grownSegments = after[84];
    if (grownSegments != n && grownSegments != n + 1)
        return "upgrade changed the segment count by more than one";
    if (after.size() != before.size() + grow + (grownSegments - n))
        return "upgrade added the wrong number of bytes";
    const Page old = pageOf(before);
    const Page grown = pageOf(after);
    if (grown.length != old.length + (after.size() - before.size()) ||
        !page2Fits(grown.length, after) || !grown.packetEnds || grown.packet != old.packet + grow)
        return "page 2 does not add up after the upgrade";
    const std::size_t grownCount = 85 + grownSegments + 11 + vendor;
    if (!sameRange(before, 0, after, 0, 58) ||
        !sameRange(before, 58 + old.length, after, 58 + grown.length,
                   before.size() - 58 - old.length) ||
        !sameRange(before, body, after, 85 + grownSegments, 15 + vendor))
        return "the upgrade changed bytes it should keep";
    if (le32(after, grownCount + 4) != 24)
        return "the upgraded block's length is not 24";
    const std::span<const std::uint8_t> oldComment(before.data() + count + 8, oldLength);
    SoundAttributes expected = *readLegacyBlock(oldComment);
    expected.version = kAttributeBlockVersion;
    std::array<std::uint8_t, kAttributeBlockSize> block{};
    writeAttributeBlock(block, expected);
    if (!std::equal(block.begin(), block.end(), after.begin() + std::ptrdiff_t(grownCount + 8)))
        return "the upgraded block does not hold the older block's values";
    if (!sameRange(before, count + 8 + oldLength, after, grownCount + 8 + 24,
                   58 + old.length - count - 8 - oldLength))
        return "the comments after the older block do not follow unchanged";
    return {};
}

} // namespace

std::string checkCoreInvariants(std::span<const std::uint8_t> file, bool headersOnly,
                                bool upgradeOlder)
{
    const Bytes before(file.begin(), file.end());
    const auto sizeOnDisk =
        static_cast<std::int64_t>(file.size()) + (headersOnly ? layout::kWholeReadLimit : 0);
    FileImage image(file.size(), sizeOnDisk);
    std::copy(file.begin(), file.end(), image.readArea().begin());
    image.setBytesRead(file.size());
    const Inspection found = inspectImage(image, upgradeOlder ? MissingBlock::UpgradeOlder
                                                              : MissingBlock::InsertDefault);
    const Bytes after(image.bytes().begin(), image.bytes().end());

    const bool mayWrite =
        found.outcome == LoadOutcome::Clean || found.outcome == LoadOutcome::BadChecksum ||
        found.outcome == LoadOutcome::Inserted || found.outcome == LoadOutcome::Upgraded;
    if (image.writable() != mayWrite)
        return "writable does not match the outcome";
    if (image.writable() && headersOnly)
        return "an image read in part may be written";
    if (found.armed && !image.writable())
        return "armed an image that may not be written";
    if (found.outcome == LoadOutcome::Refused && found.shownAttrs)
        return "a refused file shows attributes";

    if (found.outcome == LoadOutcome::Upgraded && !upgradeOlder)
        return "upgraded an older block without being asked to";
    if (found.outcome == LoadOutcome::Inserted) {
        if (const std::string broken = checkInsertion(before, after); !broken.empty())
            return broken;
    } else if (found.outcome == LoadOutcome::Upgraded) {
        if (const std::string broken = checkUpgrade(before, after); !broken.empty())
            return broken;
    } else {
        if (after.size() != before.size())
            return "image size changed without an insertion";
        if (after != before)
            return "inspection changed the image without an insertion";
    }
    if (!image.writable())
        return {};

    const Page page = pageOf(after);
    if (page.length != image.layout()->commentPageLength() || !page2Fits(page.length, after))
        return "page 2 of a writable image is not whole";
    if (!image.blockOffset() || image.layout()->blockOffset() != *image.blockOffset() ||
        *image.blockOffset() >= 58 + page.length || 24 > 58 + page.length - *image.blockOffset())
        return "the block of a writable image is not on page 2";
    SoundAttributes attrs{3, 1.5f, 42.0f, 0.5f, 0x80200000u, 7.0f};
    if (!prepareImageForSave(image, attrs))
        return "a writable image could not be prepared";
    const Bytes saved(image.bytes().begin(), image.bytes().end());
    if (le32(saved, 80) != liboggChecksum(saved, page.length))
        return "stored checksum differs from libogg's";
    for (std::size_t i = 0; i < saved.size(); ++i) {
        const bool field = i >= 80 && i < 84;
        const bool block = i >= *image.blockOffset() && i < *image.blockOffset() + 24;
        if (!field && !block && saved[i] != after[i])
            return "saving changed a byte outside the block and the checksum";
    }
    return {};
}
