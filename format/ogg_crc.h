#pragma once

#include <cstdint>
#include <span>

namespace kelvane {

// The Ogg page checksum: CRC-32 with polynomial 0x04C11DB7, most significant bit first,
// initial value 0, no reflection and no final XOR. A page's checksum is taken over the whole
// page with its own checksum field (page bytes 22 to 25) zeroed.
[[nodiscard]] std::uint32_t OggPageCrc(std::span<const std::uint8_t> bytes);

// The checksum a whole page should store: OggPageCrc over the page with its checksum field
// taken as zero. Reads the page where it lies and changes nothing, so a loaded image stays a
// true copy of the file. A page shorter than its header gives the checksum of its bytes.
[[nodiscard]] std::uint32_t OggPageChecksum(std::span<const std::uint8_t> page);

} // namespace kelvane
