#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kelvane {

struct PageProblem
{
    std::uint64_t offset = 0;
    std::string problem;
};

struct PageWalk
{
    std::uint64_t pages = 0;
    std::vector<PageProblem> problems;
};

// Checks the framing and the checksum of every page of a stream, as libogg frames them: the
// capture pattern, the stream structure version 0, the segment table and body within the
// bytes, and the checksum over the page with its field zeroed. Framing damage ends the walk.
[[nodiscard]] PageWalk walkPages(std::span<const std::uint8_t> file);

} // namespace kelvane
