#include "sound_output.h"

#include <QCoreApplication>
#include <QLibrary>

namespace kelvane {

namespace {

// What plays when the audio module cannot be loaded: nothing, which the window reports as no
// audio output.
class NoSoundOutput final : public SoundOutput
{
public:
    bool play(std::shared_ptr<const DecodedSound>, double) override { return false; }
    void stop() override {}
    [[nodiscard]] qint64 playingFrame() const override { return -1; }
};

} // namespace

std::unique_ptr<SoundOutput> openSystemSoundOutput()
{
    // Beside the program, in the build as when installed; never unloaded.
    QLibrary module(QCoreApplication::applicationDirPath() +
                    QStringLiteral("/kelvane_sound_output"));
    using Make = SoundOutput *(*)();
    if (const auto make = reinterpret_cast<Make>(module.resolve("kelvaneMakeSoundOutput")))
        return std::unique_ptr<SoundOutput>(make());
    return std::make_unique<NoSoundOutput>();
}

} // namespace kelvane
