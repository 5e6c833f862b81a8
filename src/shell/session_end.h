// The end of the desktop session reaches the game on its GUI thread, whatever loop that thread is
// running then (a message box, a menu, the pause of a call plate, the main loop):
//  - SIGTERM (a logout or a shutdown), SIGHUP (the terminal went away) and SIGINT (Ctrl+C): the
//    handler only writes a byte to a socket pair; a notifier takes it up on the GUI thread, has
//    everything saved and then ends the process.
//  - The session manager's request to save (before a logout): everything is saved and the game
//    goes on (the session manager ends it later, as it ends every program).
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace quintrick {

class CSessionEnd : public QObject {
    Q_OBJECT
  public:
    // `save` keeps what must survive the program; `end` ends the process after a signal (its
    // argument is the signal's number). One instance at a time; signals that were ignored when
    // it was made (nohup) stay ignored.
    CSessionEnd(std::function<void()> save, std::function<void(int signal)> end);
    ~CSessionEnd() override;
    CSessionEnd(const CSessionEnd&) = delete;
    CSessionEnd& operator=(const CSessionEnd&) = delete;

    // False when the socket pair could not be made (the signals then end the program as usual).
    bool Installed() const { return m_notifier != nullptr; }

    // Ends the process at once after a save: nothing of the program runs any more, no destructor,
    // no loop that a message box or a menu left open. What must survive is on disk already.
    static void EndProcess(int signal);

  private:
    void TakeUpSignal();

    std::function<void()> m_save;
    std::function<void(int)> m_end;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace quintrick
