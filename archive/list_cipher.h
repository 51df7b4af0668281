#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kelvane {

// The first game's archives keep their packed file list encrypted: a byte substitution drawn
// from one generator, each byte also mixed with another's numbers.
struct ListKey
{
    unsigned tableIterations;
    std::uint32_t tableSeed;
    std::uint32_t encryptSeed;
};

inline constexpr ListKey kWorldwideKey{1024, 6011979, 24031979};
inline constexpr ListKey kRussianKey{2048, 20091958, 20031955};

[[nodiscard]] std::vector<std::uint8_t> decryptList(std::span<const std::uint8_t> bytes,
                                                    const ListKey &key);
// The other way, for tests that build such archives.
[[nodiscard]] std::vector<std::uint8_t> encryptList(std::span<const std::uint8_t> bytes,
                                                    const ListKey &key);

} // namespace kelvane
