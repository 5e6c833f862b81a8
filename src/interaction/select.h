// The character dialog: six buttons on a small map of the characters' home regions. A button
// closes it with OK and its character in m_chosen; the close box or Esc cancels.
#pragma once

#include <QDialog>
#include <array>

namespace quintrick {

struct SelectButton {
    int id;         // control id, kept as the button's object name
    int character;  // roster index
    int left, top;  // dialog units; every button is 30 x 27
    const char* title;
};

inline constexpr std::array<SelectButton, 6> kSelectButtons{{
    {1017, 0, 91, 68, "北陸の打ち手"},
    {1018, 1, 174, 122, "関東の打ち手"},
    {1019, 3, 141, 200, "東海の打ち手"},
    {1020, 4, 61, 115, "畿内の打ち手"},
    {1021, 7, 9, 148, "西国の打ち手"},
    {1022, 9, 50, 238, "南国の打ち手"},
}};

class CSelect : public QDialog {
    Q_OBJECT
  public:
    explicit CSelect(QWidget* parent = nullptr);

    // Before a press it holds a value outside the roster, which the caller turns into character 0.
    int m_chosen = -100;
};

}  // namespace quintrick
