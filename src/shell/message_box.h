// The program's message boxes and the other modal windows the view opens (the dialogs, the
// map, the card-back settings, the help viewer and the about box), behind one interface so
// that widget tests can answer them without a modal loop.
#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <string_view>
#include <vector>

class QMenu;
class QWidget;

namespace quintrick {

class IMessageBox;
struct BackSetHost;
struct HelpPage;
struct KunitoriContext;
struct GameResult;

// A message box: the string-table entry `stringId` after `prefix`, caption "Quintrick", icon and
// buttons by style (0x40 information, 0x10 error, 0x24 question). Returns IDOK, IDYES or IDNO,
// and 0 without showing anything when there is no such entry. With `keepClear` (screen
// rectangles) and an owner, the box opens inside the owner's window clear of them.
int ShowMessageBox(QWidget* owner, int stringId, std::string_view prefix, int style,
                   std::vector<QRect> keepClear = {});

// What two questions are about, in screen coordinates: they open inside the game window and hide
// none of it.
struct QuestionAreas {
    std::function<std::vector<QRect>()> trumpChoice;    // the suit dialog naming the trump
    std::function<std::vector<QRect>()> continueMatch;  // whether to play another match
};

class IDialogs {
  public:
    virtual ~IDialogs() = default;
    virtual int Message(QWidget* owner, int stringId, std::string_view prefix, int style) = 0;
    // The suit dialog; returns its m_suit.
    virtual int ChooseSuit(QWidget* owner, std::string_view prompt) = 0;
    // The character dialog; the chosen roster index, or -1 when cancelled.
    virtual int ChooseCharacter(QWidget* owner) = 0;
    // Runs a popup menu at a global position until it closes (a chosen item triggers its action).
    virtual void RunMenu(QMenu& menu, QPoint global) = 0;
    // The province map, until it is closed.
    virtual void OpenMap(QWidget* owner, const KunitoriContext& context) = 0;
    // The card-back settings dialog and its follow-up.
    virtual void OpenCardBacks(QWidget* owner, BackSetHost& host) = 0;
    // The help viewer on one page; `messages` tells when the page is missing.
    virtual void OpenHelp(QWidget* owner, IMessageBox& messages, const HelpPage& page) = 0;
    virtual void OpenAbout(QWidget* owner) = 0;
    // Holds the window still for `ms` milliseconds: the pause of a call plate.
    virtual void Pause(int ms) = 0;
    // The result panel after a game, until it is closed.
    // True when the player asked to look back on the game just finished (振り返り).
    virtual bool ShowResult(QWidget* /*owner*/, const GameResult& /*result*/) { return false; }
};

// The real windows; `clickSound` is played by the suit dialog's clicks.
class CQtDialogs final : public IDialogs {
  public:
    explicit CQtDialogs(std::function<void()> clickSound, QuestionAreas areas = {})
        : m_clickSound(std::move(clickSound)), m_areas(std::move(areas)) {}
    int Message(QWidget* owner, int stringId, std::string_view prefix, int style) override;
    int ChooseSuit(QWidget* owner, std::string_view prompt) override;
    int ChooseCharacter(QWidget* owner) override;
    void RunMenu(QMenu& menu, QPoint global) override;
    void OpenMap(QWidget* owner, const KunitoriContext& context) override;
    void OpenCardBacks(QWidget* owner, BackSetHost& host) override;
    void OpenHelp(QWidget* owner, IMessageBox& messages, const HelpPage& page) override;
    void OpenAbout(QWidget* owner) override;
    void Pause(int ms) override;
    bool ShowResult(QWidget* owner, const GameResult& result) override;

  private:
    std::function<void()> m_clickSound;
    QuestionAreas m_areas;
};

}  // namespace quintrick
