#include "decoder_headers.h"

#include "byte_order.h"

namespace kelvane {

namespace {

constexpr std::size_t kSignatureSize = 7; // the packet type and "vorbis"

// The decoder reads 32-bit lengths and counts into a signed int (the game's build is 32-bit
// too): from 2^31 on they are negative and refused.
bool readsNegative(std::uint32_t value)
{
    return value > 0x7fffffffu;
}

bool identificationReads(std::span<const std::uint8_t> header)
{
    if (header.size() < 30)
        return false;
    const std::uint32_t version = readU32LE(header, 7);
    const unsigned channels = header[11];
    const std::uint32_t rate = readU32LE(header, 12);
    const unsigned shortBlock = 1u << (header[28] & 0x0f);
    const unsigned longBlock = 1u << (header[28] >> 4);
    return version == 0 && channels >= 1 && rate >= 1 && !readsNegative(rate) && shortBlock >= 64 &&
           longBlock >= shortBlock && longBlock <= 8192 && (header[29] & 1) == 1;
}

bool commentReads(std::span<const std::uint8_t> packet)
{
    const std::size_t storage = packet.size();
    std::size_t at = kSignatureSize;
    if (storage < at + 4)
        return false;
    const std::uint32_t vendor = readU32LE(packet, at);
    at += 4;
    // The decoder's own bound: the vendor string against the whole packet less eight bytes.
    if (readsNegative(vendor) || storage < 8 || vendor > storage - 8 || vendor > storage - at)
        return false;
    at += vendor;
    if (storage - at < 4)
        return false;
    const std::uint32_t count = readU32LE(packet, at);
    at += 4;
    if (readsNegative(count) || count > (storage - at) >> 2)
        return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (storage - at < 4)
            return false;
        const std::uint32_t length = readU32LE(packet, at);
        at += 4;
        if (readsNegative(length) || length > storage - at)
            return false;
        at += length;
    }
    // The framing bit: the lowest bit of the byte after the last comment.
    return at < storage && (packet[at] & 1) == 1;
}

} // namespace

std::optional<DecoderRefusal> pageRefusal(std::span<const std::uint8_t> pages)
{
    constexpr std::size_t kFlags = 5;
    constexpr std::size_t kSerial = 14;
    constexpr std::size_t kSequence = 18;
    constexpr std::size_t kPage2 = 58;
    constexpr std::uint8_t kContinued = 1;
    constexpr std::uint8_t kBeginning = 2;
    if (pages.size() < kPage2 + kSequence + 4)
        return std::nullopt; // too short to judge: the frames' own check speaks of that
    if ((pages[kFlags] & kBeginning) == 0)
        return DecoderRefusal::NoStreamStart;
    if (readU32LE(pages, kPage2 + kSerial) != readU32LE(pages, kSerial))
        return DecoderRefusal::OtherStream;
    if (readU32LE(pages, kPage2 + kSequence) != readU32LE(pages, kSequence) + 1u)
        return DecoderRefusal::OutOfSequence;
    if ((pages[kPage2 + kFlags] & kContinued) != 0)
        return DecoderRefusal::ContinuedPacket;
    return std::nullopt;
}

std::optional<DecoderRefusal> decoderRefusal(std::span<const std::uint8_t> identification,
                                             std::span<const std::uint8_t> comment)
{
    if (!identificationReads(identification))
        return DecoderRefusal::IdentificationHeader;
    if (!commentReads(comment))
        return DecoderRefusal::CommentHeader;
    return std::nullopt;
}

} // namespace kelvane
