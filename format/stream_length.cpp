#include "stream_length.h"

#include "byte_order.h"
#include "ogg_crc.h"
#include "ogg_layout.h"

#include <cstring>

namespace kelvane {

namespace {

constexpr std::uint64_t kNoPacketEnds = ~std::uint64_t{0};

// The length of the page whose header starts at `at`, when it is a whole page header.
std::optional<std::size_t> pageLengthAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    if (bytes.size() - at < layout::kPageHeaderSize ||
        std::memcmp(bytes.data() + at, "OggS", 4) != 0 || bytes[at + 4] != 0)
        return std::nullopt;
    const std::size_t segments = bytes[at + 26];
    if (bytes.size() - at < layout::kPageHeaderSize + segments)
        return std::nullopt;
    std::size_t length = layout::kPageHeaderSize + segments;
    for (std::size_t i = 0; i < segments; ++i)
        length += bytes[at + layout::kPageHeaderSize + i];
    return length;
}

bool isWholePage(std::span<const std::uint8_t> page)
{
    return OggPageChecksum(page) == readU32LE(page, 22);
}

std::uint64_t granuleAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint64_t{readU32LE(bytes, at + 6)} | std::uint64_t{readU32LE(bytes, at + 10)} << 32;
}

} // namespace

std::optional<std::uint64_t> lastGranulePosition(std::span<const std::uint8_t> tail)
{
    // Back from the end: the last page is the one that ends exactly there; a page on which no
    // packet ends (granule -1) hands the question to the page before it.
    std::size_t end = tail.size();
    while (end >= layout::kPageHeaderSize) {
        std::optional<std::uint64_t> found;
        std::size_t start = end - layout::kPageHeaderSize + 1;
        while (start-- > 0) {
            const auto length = pageLengthAt(tail.first(end), start);
            // A capture pattern inside the audio is no page: the checksum tells them apart.
            if (length && *length == end - start && isWholePage(tail.subspan(start, *length))) {
                found = granuleAt(tail, start);
                break;
            }
            if (end - start >= kLongestPage)
                return std::nullopt;
        }
        if (!found)
            return std::nullopt;
        if (*found != kNoPacketEnds)
            return found;
        end = start;
    }
    return std::nullopt;
}

std::optional<double> soundSeconds(std::span<const std::uint8_t> tail, std::uint32_t sampleRate)
{
    const auto granule = lastGranulePosition(tail);
    if (!granule || sampleRate == 0)
        return std::nullopt;
    return static_cast<double>(*granule) / sampleRate;
}

} // namespace kelvane
