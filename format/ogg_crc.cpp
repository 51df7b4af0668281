#include "ogg_crc.h"

#include <array>

namespace kelvane {

namespace {

constexpr std::array<std::uint32_t, 256> makeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t r = i << 24;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
        table[i] = r;
    }
    return table;
}

constexpr auto crcTable = makeCrcTable();

std::uint32_t update(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
    for (const std::uint8_t b : bytes)
        crc = (crc << 8) ^ crcTable[((crc >> 24) ^ b) & 0xFFu];
    return crc;
}

} // namespace

std::uint32_t OggPageCrc(std::span<const std::uint8_t> bytes)
{
    return update(0, bytes);
}

std::uint32_t OggPageChecksum(std::span<const std::uint8_t> page)
{
    constexpr std::size_t kField = 22;
    constexpr std::array<std::uint8_t, 4> kZeroes{};
    if (page.size() < kField + kZeroes.size())
        return update(0, page);
    const std::uint32_t head = update(0, page.first(kField));
    return update(update(head, kZeroes), page.subspan(kField + kZeroes.size()));
}

} // namespace kelvane
