#pragma once

#include "platform/tone.h"

#include <QBuffer>
#include <QObject>
#include <memory>

class QAudioSink;

namespace trelvix {

// The tone through the default audio output.  The samples play in the background, so a message
// box shown right after the tone appears while it sounds and the window never freezes.  Without
// an audio device (or when the device refuses the format) the desktop's beep stands in.
class AudioTone : public QObject, public Tone {
    Q_OBJECT
public:
    explicit AudioTone(QObject* parent = nullptr);
    ~AudioTone() override;

    void sound(double units) override;

private:
    bool play(int durationMs);
    void stop();

    QBuffer pcm_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace trelvix
