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

void appendPages(std::vector<std::uint8_t> &out, const ogg_page &page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

// Owns libvorbis' and libogg's state for one stream.
struct Encoder
{
    vorbis_info info{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    Encoder() { vorbis_info_init(&info); }
    ~Encoder()
    {
        ogg_stream_clear(&stream);
        vorbis_block_clear(&block);
        vorbis_dsp_clear(&dsp);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder &) = delete;
    Encoder &operator=(const Encoder &) = delete;
};

} // namespace

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

std::vector<std::uint8_t> encodeVorbis(const SourceAudio &audio, float quality,
                                       std::span<const std::uint8_t> block)
{
    Encoder e;
    vorbis_encode_init_vbr(&e.info, long(audio.channels), long(audio.rate),
                           std::clamp(quality, -1.0f, 10.0f) / 10.0f);
    vorbis_analysis_init(&e.dsp, &e.info);
    vorbis_block_init(&e.dsp, &e.block);
    // A serial number of its own for each file, as encoders give.
    ogg_stream_init(&e.stream, int(std::random_device{}() & 0x7fffffff));

    ogg_packet identification{}, unusedComment{}, setup{};
    vorbis_comment none;
    vorbis_comment_init(&none);
    vorbis_analysis_headerout(&e.dsp, &none, &identification, &unusedComment, &setup);
    vorbis_comment_clear(&none);
    std::vector<std::uint8_t> comment = gameCommentPacket(block);
    ogg_packet ours{comment.data(), long(comment.size()), 0, 0, 0, 1};
    ogg_stream_packetin(&e.stream, &identification);
    ogg_stream_packetin(&e.stream, &ours);
    ogg_stream_packetin(&e.stream, &setup);

    std::vector<std::uint8_t> out;
    ogg_page page{};
    while (ogg_stream_flush(&e.stream, &page) != 0) // the headers end their page
        appendPages(out, page);

    constexpr std::size_t kChunk = 4096;
    const std::size_t frames = audio.frames();
    for (std::size_t start = 0;; start += kChunk) {
        const std::size_t n = start < frames ? std::min(kChunk, frames - start) : 0;
        if (n > 0) {
            float **buffer = vorbis_analysis_buffer(&e.dsp, int(n));
            for (std::size_t i = 0; i < n; ++i)
                for (unsigned c = 0; c < audio.channels; ++c)
                    buffer[c][i] = audio.samples[(start + i) * audio.channels + c];
        }
        vorbis_analysis_wrote(&e.dsp, int(n)); // 0: the end of the sound
        while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
            vorbis_analysis(&e.block, nullptr);
            vorbis_bitrate_addblock(&e.block);
            ogg_packet packet{};
            while (vorbis_bitrate_flushpacket(&e.dsp, &packet) == 1) {
                ogg_stream_packetin(&e.stream, &packet);
                while (ogg_stream_pageout(&e.stream, &page) != 0)
                    appendPages(out, page);
            }
        }
        if (n == 0)
            break;
    }
    while (ogg_stream_flush(&e.stream, &page) != 0)
        appendPages(out, page);
    return out;
}

} // namespace kelvane
