#include "vorbis_writer.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string_view>

#include <vorbis/vorbisenc.h>

namespace kelvane {

namespace {

constexpr std::string_view kVendor = "Kelvane";

void appendU32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t(value >> shift));
}

void appendPage(std::vector<std::uint8_t> &out, const ogg_page &page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

} // namespace

// libvorbis' and libogg's state for one stream.
struct VorbisWriter::State
{
    vorbis_info info{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    State() { vorbis_info_init(&info); }
    ~State()
    {
        ogg_stream_clear(&stream);
        vorbis_block_clear(&block);
        vorbis_dsp_clear(&dsp);
        vorbis_info_clear(&info);
    }
    State(const State &) = delete;
    State &operator=(const State &) = delete;
};

std::vector<std::uint8_t> gameCommentPacket(std::span<const std::uint8_t> block)
{
    std::vector<std::uint8_t> packet{0x03, 'v', 'o', 'r', 'b', 'i', 's'};
    appendU32(packet, std::uint32_t(kVendor.size()));
    packet.insert(packet.end(), kVendor.begin(), kVendor.end());
    appendU32(packet, 1);
    appendU32(packet, std::uint32_t(block.size()));
    packet.insert(packet.end(), block.begin(), block.end());
    packet.push_back(0x01); // the framing bit
    return packet;
}

float qualityForBitrate(unsigned channels, unsigned rate, long nominalBitrate)
{
    float best = 5.0f;
    long bestDistance = -1;
    for (int tenths = -10; tenths <= 100; ++tenths) {
        vorbis_info info;
        vorbis_info_init(&info);
        if (vorbis_encode_init_vbr(&info, long(channels), long(rate), float(tenths) / 100.0f) ==
            0) {
            const long distance = std::labs(info.bitrate_nominal - nominalBitrate);
            if (bestDistance < 0 || distance < bestDistance) {
                bestDistance = distance;
                best = float(tenths) / 10.0f;
            }
        }
        vorbis_info_clear(&info);
    }
    return best;
}

VorbisWriter::VorbisWriter(unsigned channels, unsigned rate, float quality,
                           std::span<const std::uint8_t> block)
    : state_(std::make_unique<State>())
    , channels_(channels)
{
    State &s = *state_;
    vorbis_encode_init_vbr(&s.info, long(channels), long(rate),
                           std::clamp(quality, -1.0f, 10.0f) / 10.0f);
    vorbis_analysis_init(&s.dsp, &s.info);
    vorbis_block_init(&s.dsp, &s.block);
    // A serial number of its own for each file, as encoders give.
    ogg_stream_init(&s.stream, int(std::random_device{}() & 0x7fffffff));

    ogg_packet identification{}, unusedComment{}, setup{};
    vorbis_comment none;
    vorbis_comment_init(&none);
    vorbis_analysis_headerout(&s.dsp, &none, &identification, &unusedComment, &setup);
    vorbis_comment_clear(&none);
    std::vector<std::uint8_t> comment = gameCommentPacket(block);
    ogg_packet ours{comment.data(), long(comment.size()), 0, 0, 0, 1};
    ogg_stream_packetin(&s.stream, &identification);
    ogg_stream_packetin(&s.stream, &ours);
    ogg_stream_packetin(&s.stream, &setup);
    ogg_page page{};
    while (ogg_stream_flush(&s.stream, &page) != 0) // the headers end their page
        appendPage(out_, page);
}

VorbisWriter::~VorbisWriter() = default;

void VorbisWriter::write(const float *samples, std::size_t frames)
{
    constexpr std::size_t kChunk = 4096;
    for (std::size_t start = 0; start < frames; start += kChunk) {
        const std::size_t n = std::min(kChunk, frames - start);
        float **buffer = vorbis_analysis_buffer(&state_->dsp, int(n));
        for (std::size_t i = 0; i < n; ++i)
            for (unsigned c = 0; c < channels_; ++c)
                buffer[c][i] = samples[(start + i) * channels_ + c];
        vorbis_analysis_wrote(&state_->dsp, int(n));
        drain();
    }
}

std::vector<std::uint8_t> VorbisWriter::finish()
{
    vorbis_analysis_wrote(&state_->dsp, 0); // the end of the sound
    drain();
    ogg_page page{};
    while (ogg_stream_flush(&state_->stream, &page) != 0)
        appendPage(out_, page);
    return std::move(out_);
}

void VorbisWriter::drain()
{
    State &s = *state_;
    while (vorbis_analysis_blockout(&s.dsp, &s.block) == 1) {
        vorbis_analysis(&s.block, nullptr);
        vorbis_bitrate_addblock(&s.block);
        ogg_packet packet{};
        while (vorbis_bitrate_flushpacket(&s.dsp, &packet) == 1) {
            ogg_stream_packetin(&s.stream, &packet);
            ogg_page page{};
            while (ogg_stream_pageout(&s.stream, &page) != 0)
                appendPage(out_, page);
        }
    }
}

} // namespace kelvane
