#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

namespace kelvane {

// The adaptive Huffman code of the games' LZHuf (the classic LZSS with a 4096-byte window of
// spaces, 60-byte matches, two-byte threshold), as the archives' file lists are packed: its
// tables and their update, shared by the decoder and the test writer.
namespace lzhuf {

inline constexpr int kWindow = 4096;
inline constexpr int kLookahead = 60;
inline constexpr int kThreshold = 2;
inline constexpr int kChars = 256 - kThreshold + kLookahead; // literals and match lengths
inline constexpr int kTable = kChars * 2 - 1;                // nodes of the tree
inline constexpr int kRoot = kTable - 1;
// The frequency at which the tree is rebuilt: the games' own, half the classic program's. A
// decoder with the classic value gets lists longer than about 258 KB wrong.
inline constexpr unsigned kMostFrequency = 0x4000;

// The upper six bits of a match's position are coded by a fixed code of 3 to 8 bits.
struct PositionCode
{
    std::uint8_t length; // in bits
    std::uint8_t code;   // left-aligned in a byte
};
[[nodiscard]] const PositionCode &positionCode(unsigned upperBits);
// The upper six bits and the code's length, looked up by the next 8 bits of the stream.
[[nodiscard]] std::pair<unsigned, unsigned> positionOfByte(unsigned byte);

// The tree: each leaf a literal or a match length, rebuilt as the frequencies change.
class Tree
{
public:
    Tree();
    // The leaf's bits from the root, the root's first.
    [[nodiscard]] std::vector<bool> codeOf(unsigned symbol) const;
    // What stands at a position: a pair of children at son and son + 1, or a leaf, its symbol
    // + kTable. The root is at kRoot.
    [[nodiscard]] unsigned son(unsigned position) const { return son_[position]; }
    // Counts one more of `symbol`, keeping the tree ordered by frequency.
    void update(unsigned symbol);

private:
    void rebuild();
    // Fixed arrays, not vectors: the decoder spends most of its time in `update`.
    std::array<unsigned, kTable + 1> freq_{};
    std::array<unsigned, kTable + kChars> parent_{};
    std::array<unsigned, kTable> son_{};
};

} // namespace lzhuf

enum class UnpackProblem
{
    TooShort,  // no size prefix
    TooLarge,  // the prefix says more than the caller allows
    EndsEarly, // the code ends before the size the prefix says
    LeftOver,  // whole bytes are left after it: more than the prefix says
};

// The unpacked bytes of a packed list: a 4-byte little-endian size, then the code. The size
// may not pass `mostBytes`; the code must end in the last byte.
[[nodiscard]] std::variant<std::vector<std::uint8_t>, UnpackProblem>
unpackLzHuf(std::span<const std::uint8_t> packed, std::size_t mostBytes);

} // namespace kelvane
