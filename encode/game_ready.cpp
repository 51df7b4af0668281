#include "game_ready.h"

#include "source_audio.h"
#include "vorbis_writer.h"

namespace kelvane {

std::variant<EncodedSound, std::string> encodeGameReady(const std::string &path,
                                                        const EncodeRequest &request)
{
    auto read = readSourceAudio(path);
    if (const auto *why = std::get_if<std::string>(&read))
        return *why;
    SourceAudio &source = std::get<SourceAudio>(read);
    EncodedSound done;
    done.sourceRate = source.rate;
    done.sourceChannels = source.channels;
    // The game plays one or two channels; more are mixed down unless they are to be kept.
    if (!request.mono && source.channels > 2)
        return std::string("the sound has ") + std::to_string(source.channels) +
               " channels; the game plays 1 or 2 (mix it down to mono)";
    SourceAudio shaped = resampled(request.mono ? mixedDown(source) : std::move(source), kGameRate);
    done.channels = shaped.channels;
    done.frames = shaped.frames();
    done.bytes = encodeVorbis(shaped, request.quality, request.block);
    return done;
}

} // namespace kelvane
