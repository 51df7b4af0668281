#include "list_cipher.h"

#include <array>
#include <utility>

namespace kelvane {

namespace {

// The games' generator: a linear congruence, its number scaled into [0, n).
class Generator
{
public:
    explicit Generator(std::uint32_t seed)
        : seed_(seed)
    {}
    unsigned next(unsigned n)
    {
        seed_ = 0x08088405u * seed_ + 1u;
        return unsigned((std::uint64_t(seed_) * n) >> 32);
    }

private:
    std::uint32_t seed_;
};

std::array<std::uint8_t, 256> substitution(const ListKey &key)
{
    std::array<std::uint8_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i)
        table[i] = std::uint8_t(i);
    Generator random(key.tableSeed);
    for (unsigned n = 0; n < key.tableIterations; ++n) {
        const unsigned j = random.next(256);
        unsigned k = random.next(256);
        while (k == j)
            k = random.next(256);
        std::swap(table[j], table[k]);
    }
    return table;
}

} // namespace

std::vector<std::uint8_t> decryptList(std::span<const std::uint8_t> bytes, const ListKey &key)
{
    const auto table = substitution(key);
    std::array<std::uint8_t, 256> back{};
    for (unsigned i = 0; i < 256; ++i)
        back[table[i]] = std::uint8_t(i);
    Generator random(key.encryptSeed);
    std::vector<std::uint8_t> plain(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        plain[i] = back[bytes[i] ^ random.next(256)];
    return plain;
}

std::vector<std::uint8_t> encryptList(std::span<const std::uint8_t> bytes, const ListKey &key)
{
    const auto table = substitution(key);
    Generator random(key.encryptSeed);
    std::vector<std::uint8_t> coded(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        coded[i] = std::uint8_t(table[bytes[i]] ^ random.next(256));
    return coded;
}

} // namespace kelvane
