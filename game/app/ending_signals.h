// The signals that ask a program to end -- SIGTERM (what a desktop sends
// when the session ends), SIGINT and SIGHUP -- heard in the event loop: the
// handler only writes the signal's number into a socket pair, and a socket
// notifier hands it on between events, where ending in order is safe.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace platform {

class EndingSignals : public QObject {
    Q_OBJECT
  public:
    // From now on the three signals call `ended` from the event loop, once
    // each time one comes.  Only one EndingSignals at a time.
    explicit EndingSignals(std::function<void(int signal)> ended, QObject* parent = nullptr);
    // The signals end the program at once again, as by default.
    ~EndingSignals() override;
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;

    // Whether the handlers are in place (a socket pair could be made).
    bool Listening() const { return notifier_ != nullptr; }

  private:
    void Heard();

    std::function<void(int)> ended_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace platform
