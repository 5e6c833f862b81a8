// The key reference: every key of the table with what it does, in the language of the user
// interface, drawn over the table on "?" and closed by "?" or Escape. Its text is a label, so a
// screen reader reads it too.
#pragma once

#include <QFrame>
#include <QString>
#include <vector>

class QLabel;

namespace quintrick {

struct KeyLine {
    QString keys;
    QString action;
};

// The keys of the table in the order of the key map.
std::vector<KeyLine> TableKeys();

class CKeyReference final : public QFrame {
    Q_OBJECT
  public:
    explicit CKeyReference(QWidget* view);

    // Shows it over the whole view (or hides it when shown); returns whether it is shown now.
    bool Toggle();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* m_text;
};

}  // namespace quintrick
