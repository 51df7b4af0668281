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

    // The source's own first comment goes over as it is, unless values are given for it.
    std::vector<std::uint8_t> block(kAttributeBlockSize);
    const bool given = request.block || request.edits.any();
    if (!source.firstComment || (given && !request.sourceBlockFirst)) {
        done.blockFrom = given ? BlockSource::Given : BlockSource::Default;
        const SoundAttributes base = request.block ? *request.block
                                     : source.firstComment
                                         ? readAttributeBlock(*source.firstComment)
                                         : defaultAttrs;
        done.block = request.edits.over(base);
        done.block.version = kAttributeBlockVersion;
        writeAttributeBlock(block, done.block);
    } else {
        done.blockFrom = BlockSource::Source;
        block = *source.firstComment;
        done.block = readAttributeBlock(block);
    }
    done.quality = request.quality ? *request.quality
                   : source.nominalBitrate > 0
                       ? qualityForBitrate(source.channels, source.rate, source.nominalBitrate)
                       : kStockQuality;

    SourceAudio shaped = resampled(request.mono ? mixedDown(source) : std::move(source), kGameRate);
    done.channels = shaped.channels;
    done.frames = shaped.frames();
    done.bytes = encodeVorbis(shaped, done.quality, block);
    return done;
}

} // namespace kelvane
