#include "game_ready.h"

#include "source_audio.h"
#include "vorbis_writer.h"

namespace kelvane {

std::variant<EncodedSound, Message> encodeGameReady(const std::string &path,
                                                    const EncodeRequest &request)
{
    auto read = readSourceAudio(path);
    if (const auto *why = std::get_if<Message>(&read))
        return *why;
    SourceAudio &source = std::get<SourceAudio>(read);
    EncodedSound done;
    done.sourceRate = source.rate;
    done.sourceChannels = source.channels;
    // The game plays one or two channels; more are mixed down unless they are to be kept.
    if (!request.mono && source.channels > 2)
        return Message(MessageKind::SourceTooManyChannels, {std::to_string(source.channels)});

    std::vector<std::uint8_t> block(kAttributeBlockSize);
    if (request.block) {
        done.blockFrom = BlockSource::Given;
        done.block = *request.block;
    } else if (source.firstComment) {
        done.blockFrom = BlockSource::Source;
        block = *source.firstComment;
        done.block = readAttributeBlock(block);
    } else {
        done.block = defaultAttrs;
    }
    if (done.blockFrom != BlockSource::Source)
        writeAttributeBlock(block, done.block);
    done.quality = request.quality ? *request.quality
                   : source.nominalBitrate > 0
                       ? qualityForBitrate(request.mono ? 1 : source.channels, kGameRate,
                                           source.nominalBitrate)
                       : kStockQuality;

    SourceAudio shaped = resampled(request.mono ? mixedDown(source) : std::move(source), kGameRate);
    done.channels = shaped.channels;
    done.frames = shaped.frames();
    done.bytes = encodeVorbis(shaped, done.quality, block);
    return done;
}

} // namespace kelvane
