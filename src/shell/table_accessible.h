// The painted table for screen readers: an accessible interface for the view with the human's
// hand (a list of cards, each named and marked playable or not, the keyboard mark as the focused
// card), the field (who played which card), the state of the game and the latest announcement.
// Qt passes them on over AT-SPI. CTableWords keeps what was last told and, after each change of
// the table, sends the events of what changed, so that a screen reader speaks it.
#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "engine/game_state.h"

namespace quintrick {

class CTableAccessible;

// What the accessible table reads: the game state, whether the human may act now, and the
// announcements; remembers what it last told to send events for what changed.
class CTableWords {
  public:
    CTableWords(const GameState& gs, std::function<bool()> humanMayPlay)
        : m_gs(gs), m_humanMayPlay(std::move(humanMayPlay)) {}
    ~CTableWords();
    CTableWords(const CTableWords&) = delete;
    CTableWords& operator=(const CTableWords&) = delete;

    // Installs the factory that gives `view` its accessible interface (once per program).
    static void InstallFactory();

    int HandCount() const;
    QString HandCardName(int pos) const;
    bool HandCardPlayable(int pos) const;
    // The keyboard mark's card, -1 when the hand is empty.
    int CursorCard() const;
    QString FieldSeatText(int seat) const;
    QString Status() const;
    const QString& Announcement() const { return m_announcement; }

    // The view's accessible interface while it exists (made when an assistive technology first
    // asks for the tree): only then are events sent.
    void Attach(CTableAccessible* table);

    // A new announcement: the screen reader is told at once.
    void Announce(QWidget* view, const QString& text);
    // The table may have changed: events for what differs from what was last told. Nothing while
    // no assistive technology has asked for the tree.
    void Refresh(QWidget* view);

  private:
    struct Told {
        std::vector<QString> hand;
        std::vector<bool> playable;
        int cursor = -1;
        bool focused = false;
        std::array<QString, kSeats> field;
        QString status;
    };
    // What the tree says now.
    Told Now(QWidget* view) const;

    const GameState& m_gs;
    std::function<bool()> m_humanMayPlay;
    QString m_announcement;
    Told m_told;
    CTableAccessible* m_table = nullptr;
};

// The accessible interface of the view: four children (hand, field, status, announcement) drawn
// from the view's CTableWords.
class CTableAccessible final : public QAccessibleWidget {
  public:
    enum Part { kHand = 0, kField = 1, kStatus = 2, kAnnouncement = 3, kParts = 4 };

    CTableAccessible(QWidget* view, CTableWords& words);
    ~CTableAccessible() override;

    int childCount() const override { return kParts; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QAccessibleInterface* PartInterface(Part part) const { return m_parts[part]; }
    QAccessibleInterface* CardInterface(int pos) const { return m_cards[pos]; }
    QAccessibleInterface* SeatInterface(int seat) const { return m_seats[seat]; }
    const CTableWords& Words() const { return m_words; }

  private:
    CTableWords& m_words;
    std::array<QAccessibleInterface*, kParts> m_parts{};
    std::array<QAccessibleInterface*, kHandSize> m_cards{};
    std::array<QAccessibleInterface*, kSeats> m_seats{};
};

}  // namespace quintrick
