#pragma once

#include "sound_decoder.h"

#include <memory>

#include <QtGlobal>

namespace kelvane {

// Where the window plays a sound. Tests put a recorder in its place, so that no test needs a
// sound card.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Starts playing `sound` from its start at `volume` (0 to 1); false when there is no
    // audio output to play on.
    virtual bool play(std::shared_ptr<const DecodedSound> sound, double volume) = 0;
    // Stops at once, whatever is still to be heard.
    virtual void stop() = 0;
    // The frame being heard, or -1 when nothing plays (also once the sound has ended: it is
    // not stopped then, so that nothing of its end is lost).
    [[nodiscard]] virtual qint64 playingFrame() const = 0;
};

// The desktop's default audio output, from a module loaded on first use: the window starts
// without the audio libraries. An output that plays nothing when the module is missing.
[[nodiscard]] std::unique_ptr<SoundOutput> openSystemSoundOutput();

} // namespace kelvane
