#include "lzhuf_writer.h"

#include "lzhuf.h"

#include <algorithm>
#include <unordered_map>

using namespace kelvane::lzhuf;

namespace {

class BitWriter
{
public:
    void bit(bool set)
    {
        if (used_ == 0)
            bytes.push_back(0);
        if (set)
            bytes.back() = std::uint8_t(bytes.back() | (0x80 >> used_));
        used_ = (used_ + 1) % 8;
    }
    void bits(unsigned value, unsigned count)
    {
        for (unsigned i = count; i-- > 0;)
            bit((value >> i) & 1);
    }
    std::vector<std::uint8_t> bytes;

private:
    unsigned used_ = 0;
};

} // namespace

std::vector<std::uint8_t> packLzHuf(std::span<const std::uint8_t> bytes)
{
    const std::size_t size = bytes.size();
    BitWriter out;
    for (int shift = 0; shift < 32; shift += 8)
        out.bits(unsigned(size >> shift) & 0xFF, 8);
    Tree tree;
    const auto symbol = [&](unsigned c) {
        for (const bool b : tree.codeOf(c))
            out.bit(b);
        tree.update(c);
    };
    std::unordered_map<std::uint32_t, std::size_t> last; // three bytes, where they were last
    const auto key = [&](std::size_t at) {
        return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
               std::uint32_t(bytes[at + 2]) << 16;
    };
    for (std::size_t q = 0; q < size;) {
        std::size_t length = 0;
        std::size_t from = 0;
        if (q + 3 <= size) {
            if (const auto found = last.find(key(q));
                found != last.end() && q - found->second <= 4000) {
                from = found->second;
                while (length < std::size_t(kLookahead) && q + length < size &&
                       bytes[from + length] == bytes[q + length])
                    ++length;
            }
            last[key(q)] = q;
        }
        if (length <= std::size_t(kThreshold)) {
            symbol(bytes[q]);
            ++q;
            continue;
        }
        symbol(unsigned(255 - kThreshold + length));
        const unsigned position = unsigned(q - from - 1);
        const PositionCode &code = positionCode(position >> 6);
        out.bits(unsigned(code.code) >> (8 - code.length), code.length);
        out.bits(position & 63, 6);
        for (std::size_t k = 1; k < length && q + k + 3 <= size; ++k)
            last[key(q + k)] = q + k;
        q += length;
    }
    return out.bytes;
}
