#include "page_walk.h"

#include "byte_order.h"
#include "load_report.h"
#include "ogg_crc.h"
#include "ogg_layout.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace kelvane {

PageWalk walkPages(std::span<const std::uint8_t> file)
{
    PageWalk walk;
    std::size_t at = 0;
    std::vector<std::uint8_t> page;
    while (at < file.size()) {
        const auto rest = file.subspan(at);
        const auto fail = [&](std::string problem) {
            walk.problems.push_back({at, std::move(problem)});
        };
        if (rest.size() < layout::kPageHeaderSize) {
            fail("the file ends inside a page header");
            break;
        }
        if (rest[0] != 'O' || rest[1] != 'g' || rest[2] != 'g' || rest[3] != 'S') {
            fail("no capture pattern where a page should start");
            break;
        }
        if (rest[4] != 0)
            fail("stream structure version " + std::to_string(rest[4]));
        const std::size_t segments = rest[26];
        if (rest.size() - layout::kPageHeaderSize < segments) {
            fail("the file ends inside a segment table");
            break;
        }
        std::size_t length = layout::kPageHeaderSize + segments;
        for (std::size_t i = 0; i < segments; ++i)
            length += rest[layout::kPageHeaderSize + i];
        if (rest.size() < length) {
            fail("the file ends inside a page body");
            break;
        }
        page.assign(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(length));
        const std::uint32_t stored = readU32LE(page, 22);
        std::fill(page.begin() + 22, page.begin() + 26, std::uint8_t{0});
        const std::uint32_t computed = OggPageCrc(page);
        if (stored != computed)
            fail("checksum " + hex8(stored) + ", computed " + hex8(computed));
        ++walk.pages;
        at += length;
    }
    return walk;
}

} // namespace kelvane
