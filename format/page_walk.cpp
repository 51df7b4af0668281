#include "page_walk.h"

#include "byte_order.h"
#include "hex_text.h"
#include "load_report.h"
#include "ogg_crc.h"
#include "ogg_layout.h"

#include <algorithm>
#include <array>

namespace kelvane {

namespace {

constexpr std::size_t kLargestPage = layout::kPageHeaderSize + 255 + 255 * 255;

class SpanSource final : public ByteSource
{
public:
    explicit SpanSource(std::span<const std::uint8_t> bytes)
        : rest_(bytes)
    {}
    std::optional<std::size_t> read(std::span<std::uint8_t> into) override
    {
        const std::size_t count = std::min(into.size(), rest_.size());
        std::copy_n(rest_.begin(), count, into.begin());
        rest_ = rest_.subspan(count);
        return count;
    }

private:
    std::span<const std::uint8_t> rest_;
};

class Walker
{
public:
    explicit Walker(ByteSource &source)
        : source_(source)
        , page_(kLargestPage)
    {}

    PageWalk run()
    {
        while (walkOne()) {
        }
        return std::move(walk_);
    }

private:
    // Reads `count` bytes at `at` into the page; false at the end of the stream or on an error.
    bool fill(std::size_t at, std::size_t count, std::size_t &got)
    {
        const auto read = source_.read(std::span(page_).subspan(at, count));
        if (!read) {
            walk_.readFailed = true;
            got = 0;
            return false;
        }
        got = *read;
        return got == count;
    }
    void fail(std::string problem) { walk_.problems.push_back({offset_, std::move(problem)}); }

    bool walkOne()
    {
        std::size_t got = 0;
        if (!fill(0, layout::kPageHeaderSize, got)) {
            if (got > 0)
                fail("the file ends inside a page header");
            return false;
        }
        if (page_[0] != 'O' || page_[1] != 'g' || page_[2] != 'g' || page_[3] != 'S') {
            fail("no capture pattern where a page should start");
            return false;
        }
        if (page_[4] != 0)
            fail("stream structure version " + std::to_string(page_[4]));
        const std::size_t segments = page_[26];
        if (!fill(layout::kPageHeaderSize, segments, got)) {
            if (!walk_.readFailed)
                fail("the file ends inside a segment table");
            return false;
        }
        std::size_t body = 0;
        for (std::size_t i = 0; i < segments; ++i)
            body += page_[layout::kPageHeaderSize + i];
        const std::size_t length = layout::kPageHeaderSize + segments + body;
        if (!fill(layout::kPageHeaderSize + segments, body, got)) {
            if (!walk_.readFailed)
                fail("the file ends inside a page body");
            return false;
        }
        const auto page = std::span(page_).first(length);
        const std::uint32_t stored = readU32LE(page, 22);
        const std::uint32_t computed = OggPageChecksum(page);
        if (stored != computed)
            fail("checksum " + hexText(stored) + ", computed " + hexText(computed));
        ++walk_.pages;
        offset_ += length;
        return true;
    }

    ByteSource &source_;
    std::vector<std::uint8_t> page_;
    PageWalk walk_;
    std::uint64_t offset_ = 0;
};

} // namespace

PageWalk walkPages(ByteSource &source)
{
    return Walker(source).run();
}

PageWalk walkPages(std::span<const std::uint8_t> file)
{
    SpanSource source(file);
    return walkPages(source);
}

} // namespace kelvane
