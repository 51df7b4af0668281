// The default audio output on Windows, on the system's own waveOut interface, in a module of its
// own like the Linux one: the window starts without it.
#include "sound_output.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include <windows.h> // and with it mmsystem.h, which cannot come first

namespace {

using kelvane::DecodedSound;

class WindowsSoundOutput final : public kelvane::SoundOutput
{
public:
    ~WindowsSoundOutput() override { stop(); }

    bool play(std::shared_ptr<const DecodedSound> sound, double volume) override
    {
        stop();
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = static_cast<WORD>(sound->channels);
        format.nSamplesPerSec = static_cast<DWORD>(sound->sampleRate);
        format.wBitsPerSample = 16;
        format.nBlockAlign = static_cast<WORD>(format.nChannels * 2);
        format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
        if (waveOutOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
            device_ = nullptr;
            return false; // no sound card, or none that plays this format
        }
        // The volume is applied to a copy of the samples: the device's own volume belongs to
        // the user's mixer.
        const double gain = std::clamp(volume, 0.0, 1.0);
        samples_.resize(sound->samples.size());
        std::transform(
            sound->samples.begin(), sound->samples.end(), samples_.begin(),
            [gain](std::int16_t s) { return static_cast<std::int16_t>(std::lround(s * gain)); });
        header_ = WAVEHDR{};
        header_.lpData = reinterpret_cast<LPSTR>(samples_.data());
        header_.dwBufferLength = static_cast<DWORD>(samples_.size() * sizeof(std::int16_t));
        channels_ = sound->channels;
        if (waveOutPrepareHeader(device_, &header_, sizeof header_) != MMSYSERR_NOERROR ||
            waveOutWrite(device_, &header_, sizeof header_) != MMSYSERR_NOERROR) {
            stop();
            return false;
        }
        return true;
    }

    void stop() override
    {
        if (!device_)
            return;
        waveOutReset(device_); // hands the buffer back at once
        waveOutUnprepareHeader(device_, &header_, sizeof header_);
        waveOutClose(device_);
        device_ = nullptr;
        samples_.clear();
    }

    [[nodiscard]] qint64 playingFrame() const override
    {
        if (!device_ || (header_.dwFlags & WHDR_DONE))
            return -1; // nothing plays, or played to its end
        MMTIME position{};
        position.wType = TIME_SAMPLES;
        if (waveOutGetPosition(device_, &position, sizeof position) != MMSYSERR_NOERROR ||
            position.wType != TIME_SAMPLES)
            return -1;
        return static_cast<qint64>(position.u.sample);
    }

private:
    HWAVEOUT device_ = nullptr;
    WAVEHDR header_{};
    std::vector<std::int16_t> samples_;
    unsigned channels_ = 0;
};

} // namespace

extern "C" Q_DECL_EXPORT kelvane::SoundOutput *kelvaneMakeSoundOutput()
{
    return new WindowsSoundOutput;
}
