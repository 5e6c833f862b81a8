// The help viewer (one of the three help pages from the "help" folder beside the executable,
// in a maximised window) and the about box with the version history.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "engine/host.h"
#include "shell/extras/command_ids.h"

class QTextBrowser;
class QPlainTextEdit;

namespace quintrick {

// The help commands and their pages.

struct HelpPage {
    int command;
    const char* page;     // file name inside the "help" folder
    const char* caption;  // window title
};
// The page of a help command; none for any other command.
std::optional<HelpPage> HelpPageFor(int command);
// The page's window title in the interface language.
QString HelpCaption(const HelpPage& page);

class CHelpDlg : public QDialog {
  public:
    // `helpFolder` empty: the "help" folder beside the executable.
    explicit CHelpDlg(IMessageBox& messages, QWidget* parent = nullptr, QString helpFolder = {});

    QString m_caption;
    QString m_page;

    // Opens the page: false (after message 30162) when the page file is missing.
    bool OpenPage();
    // Opens the page and runs the viewer maximised; Rejected at once when the page is missing.
    int exec() override;

    QString PagePath() const;
    QTextBrowser* Browser() const { return m_browser; }

  private:
    IMessageBox& m_messages;
    QString m_folder;
    QTextBrowser* m_browser;
};

// The version history, newest release first, each line ended by a line break.
QString VersionHistoryText();

class CAboutDlg : public QDialog {
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    QPlainTextEdit* History() const { return m_history; }

  private:
    QPlainTextEdit* m_history;
};

}  // namespace quintrick
