// SIGTERM and SIGHUP (a logout, a system shutdown) reach the program as a Qt signal on the GUI
// thread: the handler only writes a byte to a socket pair, and a notifier takes it up there.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace quintrick {

class CTermSignal : public QObject {
  public:
    // `onTerm` runs on the GUI thread once a terminating signal has arrived. One at a time.
    explicit CTermSignal(std::function<void()> onTerm);
    ~CTermSignal() override;
    CTermSignal(const CTermSignal&) = delete;
    CTermSignal& operator=(const CTermSignal&) = delete;

  private:
    std::function<void()> m_onTerm;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace quintrick
