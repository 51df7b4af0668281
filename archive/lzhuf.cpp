#include "lzhuf.h"

#include <algorithm>
#include <array>

namespace kelvane {

namespace lzhuf {

namespace {

// How many of the 64 upper-bit values have a code of each length, 3 to 8 bits.
constexpr std::array<std::pair<unsigned, unsigned>, 6> kLengths{
    {{3, 1}, {4, 3}, {5, 8}, {6, 12}, {7, 24}, {8, 16}}};

// The codes in order of their values, each the next after the last at its length (a canonical
// code, left-aligned in a byte).
constexpr std::array<PositionCode, 64> makeCodes()
{
    std::array<PositionCode, 64> codes{};
    unsigned value = 0;
    unsigned next = 0; // the next code, as a fraction of 256
    for (const auto &[length, count] : kLengths)
        for (unsigned i = 0; i < count; ++i) {
            codes[value++] = {std::uint8_t(length), std::uint8_t(next)};
            next += 256u >> length;
        }
    return codes;
}
constexpr std::array<PositionCode, 64> kCodes = makeCodes();

constexpr std::array<std::pair<std::uint8_t, std::uint8_t>, 256> makeByteTable()
{
    std::array<std::pair<std::uint8_t, std::uint8_t>, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte)
        for (unsigned value = 0; value < 64; ++value) {
            const unsigned length = kCodes[value].length;
            if ((byte >> (8 - length)) == (unsigned(kCodes[value].code) >> (8 - length))) {
                table[byte] = {std::uint8_t(value), std::uint8_t(length)};
                break;
            }
        }
    return table;
}
constexpr auto kByteTable = makeByteTable();

} // namespace

const PositionCode &positionCode(unsigned upperBits)
{
    return kCodes[upperBits & 63];
}

std::pair<unsigned, unsigned> positionOfByte(unsigned byte)
{
    return kByteTable[byte & 255];
}

Tree::Tree()
{
    for (unsigned i = 0; i < kChars; ++i) {
        freq_[i] = 1;
        son_[i] = i + kTable;
        parent_[i + kTable] = i;
    }
    for (unsigned i = 0, j = kChars; j <= kRoot; i += 2, ++j) {
        freq_[j] = freq_[i] + freq_[i + 1];
        son_[j] = i;
        parent_[i] = parent_[i + 1] = j;
    }
    freq_[kTable] = 0xFFFF; // a sentinel above every frequency
    parent_[kRoot] = 0;
}

std::vector<bool> Tree::codeOf(unsigned symbol) const
{
    std::vector<bool> bits;
    for (unsigned k = parent_[symbol + kTable]; k != kRoot; k = parent_[k])
        bits.push_back(k & 1); // the second of a pair of children is the one reached by a 1
    std::reverse(bits.begin(), bits.end());
    return bits;
}

void Tree::update(unsigned symbol)
{
    if (freq_[kRoot] == kMostFrequency)
        rebuild();
    unsigned c = parent_[symbol + kTable];
    do {
        const unsigned k = ++freq_[c];
        // A node that now outweighs the next ones changes places with the last of them.
        if (unsigned l = c + 1; k > freq_[l]) {
            while (k > freq_[++l]) {
            }
            --l;
            freq_[c] = freq_[l];
            freq_[l] = k;
            const unsigned i = son_[c];
            parent_[i] = l;
            if (i < kTable)
                parent_[i + 1] = l;
            const unsigned j = son_[l];
            son_[l] = i;
            parent_[j] = c;
            if (j < kTable)
                parent_[j + 1] = c;
            son_[c] = j;
            c = l;
        }
    } while ((c = parent_[c]) != 0);
}

// The leaves gathered with their frequencies halved, and the tree built on them again.
void Tree::rebuild()
{
    unsigned j = 0;
    for (unsigned i = 0; i < kTable; ++i)
        if (son_[i] >= kTable) {
            freq_[j] = (freq_[i] + 1) / 2;
            son_[j] = son_[i];
            ++j;
        }
    for (unsigned i = 0, n = kChars; n < kTable; i += 2, ++n) {
        const unsigned f = freq_[i] + freq_[i + 1];
        unsigned k = n - 1;
        while (f < freq_[k])
            --k;
        ++k;
        std::copy_backward(freq_.begin() + k, freq_.begin() + n, freq_.begin() + n + 1);
        freq_[k] = f;
        std::copy_backward(son_.begin() + k, son_.begin() + n, son_.begin() + n + 1);
        son_[k] = i;
    }
    for (unsigned i = 0; i < kTable; ++i) {
        const unsigned k = son_[i];
        parent_[k] = i;
        if (k < kTable)
            parent_[k + 1] = i;
    }
}

} // namespace lzhuf

namespace {

// The code's bits, the most significant of each byte first; never past the last byte. Up to
// eight bytes wait in a word, so that most bits cost a shift.
class BitReader
{
public:
    explicit BitReader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes)
    {}
    [[nodiscard]] bool bit()
    {
        if (count_ == 0 && !refill()) {
            past_ = true;
            return false;
        }
        --count_;
        return (waiting_ >> count_) & 1;
    }
    [[nodiscard]] unsigned bits(unsigned count)
    {
        unsigned value = 0;
        for (unsigned i = 0; i < count; ++i)
            value = (value << 1) | unsigned(bit());
        return value;
    }
    [[nodiscard]] bool past() const { return past_; }
    [[nodiscard]] std::size_t left() const { return (bytes_.size() - next_) * 8 + count_; }

private:
    bool refill()
    {
        for (; count_ <= 56 && next_ < bytes_.size(); count_ += 8)
            waiting_ = (waiting_ << 8) | bytes_[next_++];
        return count_ > 0;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;      // the next byte not yet waiting
    std::uint64_t waiting_ = 0; // its low `count_` bits are the next ones
    unsigned count_ = 0;
    bool past_ = false;
};

} // namespace

std::variant<std::vector<std::uint8_t>, UnpackProblem>
unpackLzHuf(std::span<const std::uint8_t> packed, std::size_t mostBytes)
{
    using namespace lzhuf;
    if (packed.size() < 4)
        return UnpackProblem::TooShort;
    const std::size_t size = std::size_t(packed[0]) | std::size_t(packed[1]) << 8 |
                             std::size_t(packed[2]) << 16 | std::size_t(packed[3]) << 24;
    if (size > mostBytes)
        return UnpackProblem::TooLarge;
    BitReader in(packed.subspan(4));
    Tree tree;
    std::array<std::uint8_t, kWindow> window;
    window.fill(' ');
    unsigned r = kWindow - kLookahead;
    std::vector<std::uint8_t> out(size);
    std::size_t done = 0;
    while (done < size) {
        unsigned c = tree.son(kRoot);
        while (c < unsigned(kTable))
            c = tree.son(c + unsigned(in.bit()));
        c -= kTable;
        tree.update(c);
        if (in.past())
            return UnpackProblem::EndsEarly;
        if (c < 256) {
            out[done++] = std::uint8_t(c);
            window[r] = std::uint8_t(c);
            r = (r + 1) & (kWindow - 1);
            continue;
        }
        const unsigned first = in.bits(8);
        const auto [upper, length] = positionOfByte(first);
        const unsigned low = ((first << (length - 2)) | in.bits(length - 2)) & 63;
        const unsigned from = (r - ((upper << 6) | low) - 1) & (kWindow - 1);
        const unsigned count = c - 255 + kThreshold;
        if (in.past())
            return UnpackProblem::EndsEarly;
        for (unsigned k = 0; k < count && done < size; ++k) {
            const std::uint8_t byte = window[(from + k) & (kWindow - 1)];
            out[done++] = byte;
            window[r] = byte;
            r = (r + 1) & (kWindow - 1);
        }
    }
    if (in.left() >= 8)
        return UnpackProblem::LeftOver;
    return out;
}

} // namespace kelvane
