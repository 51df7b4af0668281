#include "ogg_crc.h"

#include <array>

namespace kelvane {

namespace {

// Slicing by eight: table k gives the checksum of a byte followed by k zero bytes, so eight
// bytes are folded in with eight look-ups and no dependence between them.
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr Tables makeCrcTables()
{
    Tables tables{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t r = i << 24;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
        tables[0][i] = r;
    }
    for (std::size_t k = 1; k < tables.size(); ++k) {
        for (std::size_t i = 0; i < 256; ++i) {
            const std::uint32_t previous = tables[k - 1][i];
            tables[k][i] = (previous << 8) ^ tables[0][previous >> 24];
        }
    }
    return tables;
}

constexpr Tables crcTables = makeCrcTables();

std::uint32_t update(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
    const auto &t = crcTables;
    std::size_t i = 0;
    for (; bytes.size() - i >= 8; i += 8) {
        const std::uint32_t a =
            crc ^ (std::uint32_t{bytes[i]} << 24 | std::uint32_t{bytes[i + 1]} << 16 |
                   std::uint32_t{bytes[i + 2]} << 8 | bytes[i + 3]);
        crc = t[7][a >> 24] ^ t[6][(a >> 16) & 0xFFu] ^ t[5][(a >> 8) & 0xFFu] ^ t[4][a & 0xFFu] ^
              t[3][bytes[i + 4]] ^ t[2][bytes[i + 5]] ^ t[1][bytes[i + 6]] ^ t[0][bytes[i + 7]];
    }
    for (; i < bytes.size(); ++i)
        crc = (crc << 8) ^ t[0][((crc >> 24) ^ bytes[i]) & 0xFFu];
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
