#include "app.h"

#include <malloc.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "engine/strings.h"
#include "shell/extras/peek_exchange.h"
#include "single_instance.h"
#include "startup_trace.h"
#include "table/surfaces.h"
#include "text/translations.h"

namespace quintrick {

void KeepLargeBlocksOutOfTheHeap() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

bool CT40913App::CheckDataFile(const QString& folder) {
    const QString dir = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
    if (dir.isEmpty()) return false;
    return QFileInfo(QDir(dir).filePath(kCardDataFile)).isFile();
}

bool CT40913App::InitInstance(const QStringList& arguments, IDialogs* dialogs) {
    m_isNt6 = true;
    m_thumbBar = true;
    if (!CheckDataFile()) {
        const std::string prefix = std::string(kCardDataFile) + "\n";
        if (dialogs) {
            dialogs->Message(nullptr, kMsgDataFileMissing, prefix, kStyleInfo);
        } else {
            ShowMessageBox(nullptr, kMsgDataFileMissing, prefix, kStyleInfo);
        }
        return false;
    }
    QCoreApplication::setOrganizationName("Orvendel");
    QCoreApplication::setApplicationName("Quintrick");
    m_peekMode = IsPeekCommandLine(arguments);
    if (m_peekMode) return true;

    // One game per profile: a second start brings the running game to the front and ends.
    m_instance = std::make_unique<CSingleInstance>(
        QSettings(QStringLiteral("Orvendel"), QStringLiteral("Quintrick")).fileName());
    if (m_instance->TryClaim() == CSingleInstance::Claim::kHandedOver) return false;

    StartupMark("translations and profile");
    m_frame =
        std::make_unique<CMainFrame>(AppFlags{m_isNt6, m_thumbBar, UiAssetLanguage()}, dialogs);
    StartupMark("frame");
    CT40913View& view = m_frame->View();
    view.OnInitialUpdate();
    m_frame->ShowAsStored();
    StartupMark("shown");
    // A logout or a shutdown: the match is kept as it stands, then the program ends.
    m_sessionEnd = std::make_unique<CSessionEnd>([this] { m_frame->View().SaveForSessionEnd(); },
                                                 CSessionEnd::EndProcess);
    m_instance->SetOnRaise([frame = m_frame.get()] {
        frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
        frame->show();
        frame->raise();
        frame->activateWindow();
    });
    m_frame->setWindowTitle("Quintrick");
    m_frame->activateWindow();
    view.setFocus();
    return true;
}

}  // namespace quintrick
