#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
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
    bool readFailed = false; // the source reported an error: the walk stopped there
};

// The bytes of a stream, read from the front; what the walk reads a page at a time.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    // Fills as much of `into` as the stream has left: fewer bytes only at its end. Empty when
    // reading failed.
    [[nodiscard]] virtual std::optional<std::size_t> read(std::span<std::uint8_t> into) = 0;
};

// Checks the framing and the checksum of every page of a stream, as libogg frames them: the
// capture pattern, the stream structure version 0, the segment table and body within the
// bytes, and the checksum over the page with its field zeroed. Framing damage ends the walk.
// Holds one page at a time (at most 65,307 bytes), whatever the stream's length.
[[nodiscard]] PageWalk walkPages(ByteSource &source);
[[nodiscard]] PageWalk walkPages(std::span<const std::uint8_t> file);

} // namespace kelvane
