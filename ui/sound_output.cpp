#include "sound_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace kelvane {

SystemSoundOutput::SystemSoundOutput() = default;

SystemSoundOutput::~SystemSoundOutput()
{
    stop();
}

bool SystemSoundOutput::play(std::shared_ptr<const DecodedSound> sound, double volume)
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
    samples_.setData(QByteArray::fromRawData(reinterpret_cast<const char *>(sound_->samples.data()),
                                             static_cast<qsizetype>(sound_->samples.size() * 2)));
    samples_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setVolume(volume);
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, sink_.get(),
                     [this](QAudio::State state) {
                         if (state == QAudio::IdleState)
                             sink_->stop(); // all was played
                     });
    sink_->start(&samples_);
    return sink_->error() == QAudio::NoError;
}

void SystemSoundOutput::stop()
{
    if (sink_) {
        sink_->disconnect();
        sink_->stop();
        sink_.reset();
    }
    samples_.close();
    sound_.reset();
}

qint64 SystemSoundOutput::playingFrame() const
{
    if (!sink_ || sink_->state() == QAudio::StoppedState)
        return -1;
    return sink_->processedUSecs() * sound_->sampleRate / 1'000'000;
}

} // namespace kelvane
