// The game's speaker: Qt TextToSpeech, which reaches speech-dispatcher, in a
// thread of its own.  Speech-dispatcher may take seconds to start and a
// stuck one never answers, so nothing here waits for it: the windows hand a
// text over and go on, and the thread reads the newest text it was given,
// cutting short the one it was reading.  Without a speech engine, or
// without a voice for the language of the windows, one line on stderr says
// so and the game goes on silently.  The thread and the engine start with
// the first text read aloud, so a player who wants none pays nothing.
#pragma once

#include <QLocale>
#include <QMutex>
#include <QString>
#include <memory>

#include "game/core/speech.h"

class QThread;

namespace game {

class QtSpeaker final : public Speaker {
  public:
    // Becomes the game's speaker (SetSpeaker).
    QtSpeaker();
    // Stops the thread, waiting a moment at most: a thread stuck in a call
    // to speech-dispatcher is left to end with the program.
    ~QtSpeaker() override;
    QtSpeaker(const QtSpeaker&) = delete;
    QtSpeaker& operator=(const QtSpeaker&) = delete;

    void Say(const std::string& text) override;
    void SayRuleText(const PlayerText& text) override;

    // The text waiting for the thread and its language, taken by it; shared
    // with the thread, which may outlive the speaker.
    struct Offer {
        QMutex mutex;
        QString text;
        QLocale locale;
        bool waiting = false;
    };

  private:
    class Voice;
    class VoiceThread;

    void Start();

    std::shared_ptr<Offer> offer_ = std::make_shared<Offer>();
    VoiceThread* thread_ = nullptr;
};

}  // namespace game
