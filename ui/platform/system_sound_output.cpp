// The desktop's default audio output, in a module of its own: Qt Multimedia and the sound
// server's libraries are loaded the first time a sound is played, not when the window starts.
#include "sound_output.h"

#include <memory>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace {

using kelvane::DecodedSound;

// Fed with the decoded samples as they are in memory.
class SystemSoundOutput final : public kelvane::SoundOutput
{
public:
    ~SystemSoundOutput() override { stop(); }

    bool play(std::shared_ptr<const DecodedSound> sound, double volume) override
    {
        stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        QAudioFormat format;
        format.setSampleRate(static_cast<int>(sound->sampleRate));
        format.setChannelCount(static_cast<int>(sound->channels));
        format.setSampleFormat(QAudioFormat::Int16);
        if (device.isNull() || !device.isFormatSupported(format))
            return false;
        sound_ = std::move(sound);
        // The samples are played where they lie; the shared sound keeps them alive meanwhile.
        samples_.setData(
            QByteArray::fromRawData(reinterpret_cast<const char *>(sound_->samples.data()),
                                    static_cast<qsizetype>(sound_->samples.size() * 2)));
        samples_.open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(device, format);
        sink_->setVolume(volume);
        // Idle only means that all was handed to the sound server; stopping then would drop
        // what it still holds, up to the last fifth of a second. The sink is left to drain,
        // and is stopped only by the next play or an explicit stop.
        sink_->start(&samples_);
        return sink_->error() == QAudio::NoError;
    }

    void stop() override
    {
        if (sink_) {
            sink_->stop();
            sink_.reset();
        }
        samples_.close();
        sound_.reset();
    }

    [[nodiscard]] qint64 playingFrame() const override
    {
        if (!sink_ || sink_->state() == QAudio::StoppedState)
            return -1;
        // What was handed over less what still waits in the sink's buffer is being heard.
        const qint64 frameBytes = 2 * qint64(sound_->channels);
        const qint64 waiting = qMax<qint64>(sink_->bufferSize() - sink_->bytesFree(), 0);
        if (sink_->state() == QAudio::IdleState && waiting == 0)
            return -1; // played to its end
        const qint64 handed = sink_->processedUSecs() * sound_->sampleRate / 1'000'000;
        return qMax<qint64>(handed - waiting / frameBytes, 0);
    }

private:
    std::shared_ptr<const DecodedSound> sound_;
    QBuffer samples_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace

extern "C" Q_DECL_EXPORT kelvane::SoundOutput *kelvaneMakeSoundOutput()
{
    return new SystemSoundOutput;
}
