#include "sound_decoder.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

#include <vorbis/vorbisfile.h>

namespace kelvane {

namespace {

// The file in memory as libvorbisfile reads it: a position over the bytes.
struct MemoryStream
{
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

std::size_t readFrom(void *into, std::size_t size, std::size_t count, void *source)
{
    auto &stream = *static_cast<MemoryStream *>(source);
    const std::size_t wanted = size * count;
    const std::size_t given = std::min(wanted, stream.bytes.size() - stream.at);
    std::memcpy(into, stream.bytes.data() + stream.at, given);
    stream.at += given;
    return size ? given / size : 0;
}

int seekIn(void *source, ogg_int64_t offset, int whence)
{
    auto &stream = *static_cast<MemoryStream *>(source);
    const auto size = static_cast<ogg_int64_t>(stream.bytes.size());
    ogg_int64_t to = offset;
    if (whence == SEEK_CUR)
        to += static_cast<ogg_int64_t>(stream.at);
    else if (whence == SEEK_END)
        to += size;
    if (to < 0 || to > size)
        return -1;
    stream.at = static_cast<std::size_t>(to);
    return 0;
}

long tellOf(void *source)
{
    return static_cast<long>(static_cast<MemoryStream *>(source)->at);
}

DecodedSound failed(const char *why)
{
    DecodedSound sound;
    sound.failure = why;
    return sound;
}

// Samples in the machine's own byte order, so that they can be copied as they come.
constexpr int kBigEndian = std::endian::native == std::endian::big ? 1 : 0;

} // namespace

DecodedSound decodeSound(std::span<const std::uint8_t> file)
{
    MemoryStream stream{file, 0};
    OggVorbis_File vorbis;
    const ov_callbacks callbacks{readFrom, seekIn, nullptr, tellOf};
    if (ov_open_callbacks(&stream, &vorbis, nullptr, 0, callbacks) != 0)
        return failed("not a Vorbis stream");
    const vorbis_info *info = ov_info(&vorbis, -1);
    DecodedSound sound;
    sound.channels = info ? static_cast<unsigned>(info->channels) : 0;
    sound.sampleRate = info ? static_cast<std::uint32_t>(info->rate) : 0;
    sound.nominalBitrate = info ? std::max(info->bitrate_nominal, 0L) : 0;
    if (sound.channels == 0 || sound.sampleRate == 0) {
        ov_clear(&vorbis);
        return failed("no channels or no sample rate");
    }
    const ogg_int64_t total = ov_pcm_total(&vorbis, -1);
    if (total > 0 && static_cast<std::uint64_t>(total) * sound.channels <= kMostDecodedSamples)
        sound.samples.reserve(static_cast<std::size_t>(total) * sound.channels);

    char buffer[16384];
    int link = 0;
    for (;;) {
        const long got = ov_read(&vorbis, buffer, sizeof buffer, kBigEndian, 2, 1, &link);
        if (got == 0)
            break;
        if (got == OV_HOLE)
            continue; // a gap in the data: the reference decoder goes on after it too
        const vorbis_info *now = ov_info(&vorbis, link);
        if (got < 0 || !now || static_cast<unsigned>(now->channels) != sound.channels ||
            static_cast<std::uint32_t>(now->rate) != sound.sampleRate) {
            ov_clear(&vorbis);
            return failed(got < 0 ? "the audio data is damaged"
                                  : "the channels or rate change inside the stream");
        }
        const std::size_t count = static_cast<std::size_t>(got) / 2;
        if (sound.samples.size() + count > kMostDecodedSamples) {
            ov_clear(&vorbis);
            return failed("longer than an hour");
        }
        const std::size_t from = sound.samples.size();
        sound.samples.resize(from + count);
        std::memcpy(sound.samples.data() + from, buffer, count * 2);
    }
    ov_clear(&vorbis);
    return sound.samples.empty() ? failed("it holds no audio") : sound;
}

} // namespace kelvane
