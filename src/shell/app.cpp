#include "app.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "engine/strings.h"
#include "table/surfaces.h"

namespace quintrick {

bool CT40913App::CheckDataFile(const QString& folder) {
    const QString dir = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
    if (dir.isEmpty()) return false;
    return QFileInfo(QDir(dir).filePath(kCardDataFile)).isFile();
}

bool CT40913App::PeekModeFrom(const QStringList& arguments) {
    // The whole command line after the program's name, as one text.
    return arguments.mid(1).join(' ').contains("/W", Qt::CaseSensitive);
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
    m_peekMode = PeekModeFrom(arguments);

    m_frame = std::make_unique<CMainFrame>(AppFlags{m_isNt6, m_thumbBar, m_peekMode}, dialogs);
    CT40913View& view = m_frame->View();
    if (m_peekMode) {
        view.OnInitialUpdate();
        m_frame->show();
        return true;
    }
    view.OnInitialUpdate();
    m_frame->CentreOnDesktop();
    m_frame->show();
    m_frame->setWindowTitle("Quintrick");
    m_frame->activateWindow();
    view.setFocus();
    return true;
}

}  // namespace quintrick
