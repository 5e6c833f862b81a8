// The application: the start-up order (data-file check, profile, frame and view), and the flags
// it finds at start.
#pragma once

#include <QStringList>
#include <memory>

#include "main_frame.h"
#include "session_end.h"
#include "single_instance.h"

namespace quintrick {

// Blocks of 128 KiB and more (the pictures the table reads, scales and lets go) get mappings of
// their own and go back to the system when freed. Otherwise the heap raises that bound to the
// largest block freed so far and keeps every freed picture below it for later. Called once, first
// thing in the process.
void KeepLargeBlocksOutOfTheHeap();

class CT40913App {
  public:
    bool m_isNt6 = true;      // always a newer system here (gradient table background)
    bool m_thumbBar = true;   // the peek commands and the hand publication are available
    bool m_peekMode = false;  // "/W" in the command line: the program runs as a peek process

    // The start-up sequence; false ends the program. In peek mode it makes no game window: the
    // caller runs the peek window instead. `dialogs` answers boxes and dialogs (tests).
    bool InitInstance(const QStringList& arguments, IDialogs* dialogs = nullptr);

    // True when the card data file lies in `folder` (by default the executable's folder).
    static bool CheckDataFile(const QString& folder = {});

    CMainFrame* Frame() { return m_frame.get(); }

  private:
    std::unique_ptr<CSingleInstance> m_instance;  // made before the frame, gone after it
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CSessionEnd> m_sessionEnd;
};

}  // namespace quintrick
