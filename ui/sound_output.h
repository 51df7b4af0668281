#pragma once

#include "sound_decoder.h"

#include <memory>

#include <QBuffer>
#include <QtGlobal>

class QAudioSink;

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

// The desktop's default audio output, fed with the decoded samples as they are in memory.
class SystemSoundOutput final : public SoundOutput
{
public:
    SystemSoundOutput();
    ~SystemSoundOutput() override;
    bool play(std::shared_ptr<const DecodedSound> sound, double volume) override;
    void stop() override;
    [[nodiscard]] qint64 playingFrame() const override;

private:
    std::shared_ptr<const DecodedSound> sound_;
    QBuffer samples_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace kelvane
