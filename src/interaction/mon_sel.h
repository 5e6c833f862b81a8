// The suit dialog: the suit the others must follow after the human leads the joker, or, with the
// prompt "役に", the trump the human names in battles 2 and 3. Clubs is preselected; the caller
// reads m_suit however the dialog was closed. The keyboard chooses as the mouse does.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QAbstractButton;
class QKeyEvent;
class QLabel;
class QRadioButton;

namespace quintrick {

class CMonSel : public QDialog {
    Q_OBJECT
  public:
    explicit CMonSel(QWidget* parent = nullptr, std::function<void()> clickSound = {});

    std::string m_prompt;  // word in front of the prompt; empty keeps "請求"
    int m_suit = 0;

    // Prepares the controls from m_prompt (run by exec(); public for tests that show the
    // dialog without a modal loop).
    void OnInitDialog();
    int exec() override;

  protected:
    // Left / Up and Right / Down step through the suits, 1-4 choose one; the chosen suit's
    // button is framed clearly, and Enter confirms it.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Choose(int suit, bool fromSuitButton);
    // The suit a key chooses, chosen; false for any other key.
    bool ChooseByKey(int key);

    std::function<void()> m_clickSound;
    QLabel* m_promptLabel = nullptr;
    QLabel* m_tailLabel = nullptr;
    // A prompt word wider than its place (the English ones) pushes the rest of the line right.
    void FitPrompt();
    std::array<QAbstractButton*, 4> m_suitButtons{};
    std::array<QRadioButton*, 4> m_radios{};
};

}  // namespace quintrick
