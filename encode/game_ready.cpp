#include "game_ready.h"

#include "sound_decoder.h"
#include "source_audio.h"
#include "vorbis_writer.h"

#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include <soxr.h>

namespace kelvane {

namespace {

constexpr std::size_t kBlockFrames = 32768;

// Blocks of game-rate samples from the reader's thread to the encoder's, a few at a time, so
// that reading and resampling run beside encoding and memory stays flat however long the sound.
class BlockQueue
{
public:
    void push(std::vector<float> block)
    {
        std::unique_lock lock(mutex_);
        room_.wait(lock, [this] { return blocks_.size() < 4; });
        blocks_.push_back(std::move(block));
        ready_.notify_one();
    }
    // The reader is done: `frames` read in all, or `failure`.
    void end(std::uint64_t frames, Message failure)
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
        sourceFrames_ = frames;
        failure_ = std::move(failure);
        ready_.notify_one();
    }
    // The next block; empty once the reader has ended and everything was taken.
    std::vector<float> pop()
    {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [this] { return !blocks_.empty() || ended_; });
        if (blocks_.empty())
            return {};
        std::vector<float> block = std::move(blocks_.front());
        blocks_.pop_front();
        room_.notify_one();
        return block;
    }
    [[nodiscard]] std::uint64_t sourceFrames() const { return sourceFrames_; }
    [[nodiscard]] const Message &failure() const { return failure_; }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::condition_variable room_;
    std::deque<std::vector<float>> blocks_;
    bool ended_ = false;
    std::uint64_t sourceFrames_ = 0;
    Message failure_;
};

// Reads the source, mixes it down when asked (the average of the channels: nothing clips that
// did not before) and resamples it to the game's rate (libsoxr's high quality) into `queue`.
void readInto(SourceAudio &source, unsigned channels, BlockQueue &queue)
{
    soxr_t resampler = nullptr;
    if (source.rate != kGameRate) {
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        resampler = soxr_create(source.rate, kGameRate, channels, nullptr, &io, &quality, nullptr);
    }
    const std::size_t outRoom = std::size_t(double(kBlockFrames) * kGameRate / source.rate) + 64;
    std::vector<float> in(kBlockFrames * source.channels);
    std::vector<float> mixed(kBlockFrames * channels);
    std::uint64_t total = 0;
    Message failure;
    for (bool last = false; !last;) {
        const std::size_t n = source.read(in.data(), kBlockFrames);
        last = n == 0;
        total += n;
        if (total * source.channels > kMostDecodedSamples) {
            failure = MessageKind::SourceTooLong;
            break;
        }
        for (std::size_t frame = 0; frame < n; ++frame) {
            float sum = 0.0f;
            for (unsigned c = 0; c < source.channels; ++c)
                sum += in[frame * source.channels + c];
            for (unsigned c = 0; c < channels; ++c)
                mixed[frame * channels + c] =
                    channels == 1 ? sum / float(source.channels) : in[frame * channels + c];
        }
        if (!resampler) {
            if (n > 0)
                queue.push({mixed.begin(), mixed.begin() + std::ptrdiff_t(n * channels)});
            continue;
        }
        // At the end, the resampler is asked again until it has given all it holds.
        for (std::size_t given = 1; given > 0;) {
            std::vector<float> out(outRoom * channels);
            soxr_process(resampler, n > 0 ? mixed.data() : nullptr, n, nullptr, out.data(), outRoom,
                         &given);
            out.resize(given * channels);
            if (given > 0)
                queue.push(std::move(out));
            if (n > 0)
                break;
        }
    }
    soxr_delete(resampler);
    if (failure.empty())
        failure = source.failure();
    queue.end(total, std::move(failure));
}

// The block to write: the given one, the source's own first comment as it is, or the default.
std::vector<std::uint8_t> chooseBlock(const SourceAudio &source, const EncodeRequest &request,
                                      EncodedSound &done)
{
    std::vector<std::uint8_t> block(kAttributeBlockSize);
    const bool given = request.block || request.edits.any();
    if (source.firstComment && (!given || request.sourceBlockFirst)) {
        done.blockFrom = BlockSource::Source;
        block = *source.firstComment;
        done.block = readAttributeBlock(block);
        return block;
    }
    done.blockFrom = given ? BlockSource::Given : BlockSource::Default;
    const SoundAttributes base = request.block         ? *request.block
                                 : source.firstComment ? readAttributeBlock(*source.firstComment)
                                                       : defaultAttrs;
    done.block = request.edits.over(base);
    done.block.version = kAttributeBlockVersion;
    writeAttributeBlock(block, done.block);
    return block;
}

} // namespace

std::variant<EncodedSound, Message> encodeGameReady(const std::string &path,
                                                    const EncodeRequest &request)
{
    auto opened = openSourceAudio(path);
    if (const auto *why = std::get_if<Message>(&opened))
        return *why;
    SourceAudio &source = *std::get<std::unique_ptr<SourceAudio>>(opened);
    EncodedSound done;
    done.sourceRate = source.rate;
    done.sourceChannels = source.channels;
    // The game plays one or two channels; more are mixed down unless they are to be kept.
    if (!request.mono && source.channels > 2)
        return Message(MessageKind::SourceTooManyChannels, {std::to_string(source.channels)});
    done.channels = request.mono ? 1 : source.channels;
    const std::vector<std::uint8_t> block = chooseBlock(source, request, done);
    done.quality = request.quality ? *request.quality
                   : source.nominalBitrate > 0
                       ? qualityForBitrate(source.channels, source.rate, source.nominalBitrate)
                       : kStockQuality;

    BlockQueue queue;
    std::jthread reader([&] {
        try {
            readInto(source, done.channels, queue);
        } catch (const std::bad_alloc &) {
            queue.end(0, MessageKind::NoMemory);
        }
    });
    VorbisWriter writer(done.channels, kGameRate, done.quality, block);
    // The last blocks wait until the source's length is known: the sound is cut to that length
    // at the game's rate, to the sample, whatever the resampler gives beyond it.
    std::vector<float> held;
    const std::size_t keep = 2 * kBlockFrames * done.channels;
    for (std::vector<float> next = queue.pop(); !next.empty(); next = queue.pop()) {
        held.insert(held.end(), next.begin(), next.end());
        if (held.size() > 2 * keep) {
            const std::size_t ready = (held.size() - keep) / done.channels;
            writer.write(held.data(), ready);
            done.frames += ready;
            held.erase(held.begin(), held.begin() + std::ptrdiff_t(ready * done.channels));
        }
    }
    reader.join();
    if (!queue.failure().empty())
        return queue.failure();
    if (queue.sourceFrames() == 0)
        return Message(MessageKind::SourceEmpty);
    const auto length =
        std::uint64_t(std::llround(double(queue.sourceFrames()) * kGameRate / double(source.rate)));
    const std::size_t last = std::min<std::uint64_t>(held.size() / done.channels,
                                                     length - std::min(length, done.frames));
    writer.write(held.data(), last);
    done.frames += last;
    done.bytes = writer.finish();
    return done;
}

} // namespace kelvane
