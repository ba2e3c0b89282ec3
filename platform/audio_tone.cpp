#include "platform/audio_tone.h"

#include "platform/tone_samples.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace trelvix {

namespace {

QAudioFormat toneFormat() {
    QAudioFormat format;
    format.setSampleRate(toneSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

AudioTone::AudioTone(QObject* parent) : QObject(parent) {}

AudioTone::~AudioTone() {
    stop();
}

void AudioTone::sound(double units) {
    const int durationMs = toneDurationMs(units);
    if (durationMs == 0) return;
    if (!play(durationMs)) QApplication::beep();
}

// A new tone replaces one that is still sounding, as a new beep would.
bool AudioTone::play(int durationMs) {
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = toneFormat();
    if (device.isNull() || !device.isFormatSupported(format)) return false;

    const auto samples = toneSamples(toneFrequencyHz, durationMs, toneSampleRate);
    pcm_.setData(reinterpret_cast<const char*>(samples.data()),
                 static_cast<qsizetype>(samples.size() * sizeof(samples[0])));
    pcm_.open(QIODevice::ReadOnly);

    sink_ = std::make_unique<QAudioSink>(device, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // Idle: every sample has been played.  The sink is stopped, not deleted, here: it is
        // the sender of this very signal.
        if (state == QAudio::IdleState) sink_->stop();
    });
    sink_->start(&pcm_);
    if (sink_->error() == QAudio::NoError) return true;
    stop();
    return false;
}

void AudioTone::stop() {
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        sink_.reset();
    }
    pcm_.close();
}

} // namespace trelvix
