// Times the archive layer's LZHuf decoder against the game engine's own on a file list of about
// 2 MB packed by the tests' packer; both must give back the same list. The engine's source file
// is not ours and is never kept here: scripts/bench_lzhuf.sh builds this with the copy given.
// Usage: lzhuf_against_engine [ROUNDS]
#include "lzhuf.h"
#include "lzhuf_writer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The engine's decoder: a buffer of its own for the unpacked bytes, freed with free(); false
// when the size prefix is 0 or more than `total_size`.
bool _decompressLZ(unsigned char **dest, std::size_t *dest_sz, void *src, std::size_t src_sz,
                   std::size_t total_size);

namespace {

void put32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t(value >> shift));
}

// A game's file list: its entries as the archives store them, the names in folders of a few
// hundred sounds, about 2 MB in all.
std::vector<std::uint8_t> gameList()
{
    static const char *const kinds[] = {"weapons", "characters_voice\\human_01\\stalker\\fight",
                                        "ambient\\rnd_outdoor", "material\\dead-body",
                                        "monsters\\bloodsucker"};
    static const char *const names[] = {"attack", "idle", "hit", "step_gravel", "reload", "wind"};
    std::vector<std::uint8_t> list;
    std::uint32_t offset = 12;
    for (std::uint32_t i = 0; list.size() < (2u << 20); ++i) {
        const std::string name = std::string("sounds\\") + kinds[i / 211 % 5] + "\\set" +
                                 std::to_string(i / 400) + "\\" + names[i * 7 % 6] + "_" +
                                 std::to_string(i % 400) + ".ogg";
        const std::uint32_t size = 20'000 + i * 7919 % 90'000;
        list.push_back(std::uint8_t(name.size() + 16));
        list.push_back(std::uint8_t((name.size() + 16) >> 8));
        put32(list, size);
        put32(list, size);
        put32(list, i * 2654435761u);
        list.insert(list.end(), name.begin(), name.end());
        put32(list, offset);
        offset += size;
    }
    return list;
}

template<typename Decode>
double bestSeconds(int rounds, Decode decode)
{
    double best = 1e9;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        decode();
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 10;
    const std::vector<std::uint8_t> list = gameList();
    std::vector<std::uint8_t> packed = packLzHuf(list);
    bool same = true;
    const double ours = bestSeconds(rounds, [&] {
        const auto out = kelvane::unpackLzHuf(packed, list.size());
        same = same && std::get_if<std::vector<std::uint8_t>>(&out) &&
               *std::get_if<std::vector<std::uint8_t>>(&out) == list;
    });
    const double engine = bestSeconds(rounds, [&] {
        unsigned char *out = nullptr;
        std::size_t size = 0;
        same = same && _decompressLZ(&out, &size, packed.data(), packed.size(), list.size()) &&
               size == list.size() && std::equal(list.begin(), list.end(), out);
        std::free(out);
    });
    std::printf("list %zu bytes, packed %zu bytes, best of %d\n", list.size(), packed.size(),
                rounds);
    std::printf("ours %.1f ms, engine %.1f ms, ratio %.2f\n", ours * 1e3, engine * 1e3,
                ours / engine);
    if (!same) {
        std::fputs("the decoders disagree with the list\n", stderr);
        return 1;
    }
    return 0;
}
