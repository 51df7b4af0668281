#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

// Every multi-byte field of an Ogg Vorbis file is little-endian. These helpers assemble and
// split values one byte at a time, so the result is the same on any host.
namespace kelvane {

inline std::uint32_t readU32LE(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) |
           static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

inline std::int32_t readI32LE(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return std::bit_cast<std::int32_t>(readU32LE(bytes, offset));
}

inline float readF32LE(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return std::bit_cast<float>(readU32LE(bytes, offset));
}

inline void writeU32LE(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 2] = static_cast<std::uint8_t>(value >> 16);
    bytes[offset + 3] = static_cast<std::uint8_t>(value >> 24);
}

inline void writeF32LE(std::span<std::uint8_t> bytes, std::size_t offset, float value)
{
    writeU32LE(bytes, offset, std::bit_cast<std::uint32_t>(value));
}

} // namespace kelvane
