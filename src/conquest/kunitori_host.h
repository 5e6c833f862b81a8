// What the map dialog needs from the game window: the human's character, the players' names,
// the sound setting, the profile, the message boxes, and a few platform services that the
// tests replace (sounds, the plain box of the regulars, the save dialog, the file browser).
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "engine/host.h"
#include "resource_paths.h"

class QWidget;

namespace quintrick {

class IKunitoriHost {
  public:
    virtual ~IKunitoriHost() = default;
    // Plays a sound in the background.
    virtual void PlaySound(int sound) = 0;
    // A box with only an OK button and no icon.
    virtual void ShowPlainBox(QWidget* owner, std::string_view caption, std::string_view text) = 0;
    // The save-file dialog; an empty text when cancelled.
    virtual QString AskSaveFileName(QWidget* owner, const QString& title, const QString& name,
                                    const QString& defaultSuffix, const QString& filter) = 0;
    // Shows the folder of a saved file; false after showing why it failed.
    virtual bool ShowFolderOf(const QString& path, IMessageBox& box) = 0;
};

// The real services: sounds through the given function (none when empty), QMessageBox,
// QFileDialog and the desktop's file browser.
class CQtKunitoriHost : public IKunitoriHost {
  public:
    explicit CQtKunitoriHost(std::function<void(int)> playSound = {})
        : m_playSound(std::move(playSound)) {}
    void PlaySound(int sound) override {
        if (m_playSound) m_playSound(sound);
    }
    void ShowPlainBox(QWidget* owner, std::string_view caption, std::string_view text) override;
    QString AskSaveFileName(QWidget* owner, const QString& title, const QString& name,
                            const QString& defaultSuffix, const QString& filter) override;
    bool ShowFolderOf(const QString& path, IMessageBox& box) override;

  private:
    std::function<void(int)> m_playSound;
};

// Everything the map dialog takes from the game when it is opened.
struct KunitoriContext {
    int m_entryNo = 0;                        // the human's character
    std::array<std::string, 5> m_playerName;  // 0 Raven, 1 Shrike, 2 Magpie, 3 Heron, 4 human
    int m_soundOn = 1;                        // sound effects play only when 1
    IProfile& profile;
    IMessageBox& box;
    IKunitoriHost& host;
    AssetLanguage language = AssetLanguage::Japanese;  // of the map's words
};

}  // namespace quintrick
