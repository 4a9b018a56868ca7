#include "game/windows/qt_speaker.h"

#include <QMutexLocker>
#include <QSemaphore>
#include <QTextToSpeech>
#include <QThread>
#include <cstdio>
#include <set>

#include "game/windows/language.h"
#include "game/windows/translated_text.h"

namespace game {

// Lives in the thread: the engine, made at the first text, and what it
// has told the player on stderr already.
class QtSpeaker::Voice : public QObject {
  public:
    explicit Voice(std::shared_ptr<Offer> offer) : offer_(std::move(offer)) {}

    // Reads the newest text offered, if any.
    void TakeOffer() {
        QString text;
        QLocale locale;
        {
            QMutexLocker lock(&offer_->mutex);
            if (!offer_->waiting) return;
            text = offer_->text;
            locale = offer_->locale;
            offer_->waiting = false;
        }
        if (!EngineReady() || !VoiceFor(locale)) return;
        engine_->stop();
        engine_->say(text);
    }

  private:
    static void Tell(const QString& line) {
        std::fprintf(stderr, "karvelun: %s\n", qPrintable(line));
    }

    bool EngineReady() {
        if (tried_) return engine_ != nullptr;
        tried_ = true;
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty()) {
            Tell(QStringLiteral("no speech engine (Qt TextToSpeech); texts are not read aloud"));
            return false;
        }
        const QString chosen =
            engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : engines[0];
        engine_ = new QTextToSpeech(chosen, this);
        if (engine_->state() == QTextToSpeech::Error) {
            Tell(QStringLiteral("speech engine %1 cannot read aloud (%2); texts are not read")
                     .arg(chosen, engine_->errorString()));
            delete engine_;
            engine_ = nullptr;
            return false;
        }
        QObject::connect(engine_, &QTextToSpeech::errorOccurred, this,
                         [this](QTextToSpeech::ErrorReason, const QString& why) {
                             if (toldError_) return;
                             toldError_ = true;
                             Tell(QStringLiteral("reading aloud failed: %1").arg(why));
                         });
        return true;
    }

    // Sets the engine's language; false, told once per language, when it
    // has no voice for it.
    bool VoiceFor(const QLocale& wanted) {
        if (language_ == wanted.language()) return true;
        for (const QLocale& locale : engine_->availableLocales()) {
            if (locale.language() != wanted.language()) continue;
            engine_->setLocale(locale);
            language_ = wanted.language();
            return true;
        }
        if (toldNoVoice_.insert(wanted.language()).second)
            Tell(QStringLiteral("no voice for %1; its texts are not read aloud")
                     .arg(QLocale::languageToString(wanted.language())));
        return false;
    }

    std::shared_ptr<Offer> offer_;
    QTextToSpeech* engine_ = nullptr;
    QLocale::Language language_ = QLocale::AnyLanguage;
    bool tried_ = false;
    bool toldError_ = false;
    std::set<QLocale::Language> toldNoVoice_;
};

class QtSpeaker::VoiceThread : public QThread {
  public:
    explicit VoiceThread(std::shared_ptr<Offer> offer) : offer_(std::move(offer)) {}
    Voice* voice = nullptr;
    QSemaphore made;

  protected:
    // The voice is made and dies in the thread, with the engine it owns.
    void run() override {
        Voice own(offer_);
        voice = &own;
        made.release();
        exec();
    }

  private:
    std::shared_ptr<Offer> offer_;
};

QtSpeaker::QtSpeaker() {
    SetSpeaker(this);
}

QtSpeaker::~QtSpeaker() {
    if (CurrentSpeaker() == this) SetSpeaker(nullptr);
    if (!thread_) return;
    thread_->quit();
    // A thread stuck inside speech-dispatcher's library never returns: it is
    // left behind, the program's end takes it.
    if (thread_->wait(QDeadlineTimer(1000))) delete thread_;
}

void QtSpeaker::Start() {
    thread_ = new VoiceThread(offer_);
    thread_->start();
    thread_->made.acquire();
}

void QtSpeaker::Say(const std::string& text) {
    {
        QMutexLocker lock(&offer_->mutex);
        offer_->text = QString::fromStdString(text);
        offer_->locale = EnglishShown() ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                        : QLocale(QLocale::Czech, QLocale::Czechia);
        offer_->waiting = true;
    }
    if (!thread_) Start();
    Voice* voice = thread_->voice;
    QMetaObject::invokeMethod(
        voice, [voice] { voice->TakeOffer(); }, Qt::QueuedConnection);
}

void QtSpeaker::SayRuleText(const PlayerText& text) {
    Say(ShownText(text).toStdString());
}

}  // namespace game
