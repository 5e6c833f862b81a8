#include "table_accessible.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>

#include "table_speech.h"
#include "text/ui_text.h"
#include "view.h"

namespace quintrick {
namespace {

// The context of the table's words in the catalogue.
struct TableSpeech {
    Q_DECLARE_TR_FUNCTIONS(TableSpeech)
};

// One node of the table's tree below the view: a part (hand, field, status, announcement), a
// card of the hand or a seat of the field. It only reads the view's CTableWords.
class CTableNode final : public QAccessibleInterface {
  public:
    enum Kind { kPart, kCard, kSeat };

    CTableNode(QWidget* view, const CTableWords& words, Kind kind, int index)
        : m_view(view), m_words(words), m_kind(kind), m_index(index) {}

    bool isValid() const override {
        return !m_view.isNull() && (m_kind != kCard || m_index < m_words.HandCount());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QAccessibleInterface* parent() const override {
        QAccessibleInterface* table = Table();
        if (!table || m_kind == kPart) return table;
        return Table()->PartInterface(m_kind == kCard ? CTableAccessible::kHand
                                                      : CTableAccessible::kField);
    }
    int childCount() const override {
        if (m_kind != kPart) return 0;
        if (m_index == CTableAccessible::kHand) return m_words.HandCount();
        if (m_index == CTableAccessible::kField) return kSeats;
        return 0;
    }
    QAccessibleInterface* child(int index) const override {
        CTableAccessible* table = Table();
        if (!table || index < 0 || index >= childCount()) return nullptr;
        return m_index == CTableAccessible::kHand ? table->CardInterface(index)
                                                  : table->SeatInterface(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child) return i;
        }
        return -1;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Name();
        if (t == QAccessible::Description && m_kind == kCard) {
            return PlayableText(m_words.HandCardPlayable(m_index));
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!m_view) return {};
        // The whole table: the parts are painted, not placed as widgets.
        return QRect(m_view->mapToGlobal(QPoint(0, 0)), m_view->size());
    }

    QAccessible::Role role() const override {
        switch (m_kind) {
            case kCard:
            case kSeat:
                return QAccessible::ListItem;
            case kPart:
                break;
        }
        switch (m_index) {
            case CTableAccessible::kHand:
            case CTableAccessible::kField:
                return QAccessible::List;
            case CTableAccessible::kAnnouncement:
                return QAccessible::Notification;
            default:
                return QAccessible::StaticText;
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (m_kind == kCard) {
            s.focusable = true;
            s.selectable = true;
            s.disabled = !m_words.HandCardPlayable(m_index);
            const bool marked = m_words.CursorCard() == m_index;
            s.selected = marked;
            s.focused = marked && m_view && m_view->hasFocus();
        } else if (m_kind == kPart && m_index == CTableAccessible::kAnnouncement) {
            s.readOnly = true;
        }
        return s;
    }

  private:
    CTableAccessible* Table() const {
        if (!m_view) return nullptr;
        return dynamic_cast<CTableAccessible*>(QAccessible::queryAccessibleInterface(m_view));
    }
    QString Name() const {
        switch (m_kind) {
            case kCard:
                return m_words.HandCardName(m_index);
            case kSeat:
                return m_words.FieldSeatText(m_index);
            case kPart:
                break;
        }
        switch (m_index) {
            case CTableAccessible::kHand:
                return TableSpeech::tr("手札");
            case CTableAccessible::kField:
                return TableSpeech::tr("場");
            case CTableAccessible::kStatus:
                return m_words.Status();
            default:
                return m_words.Announcement();
        }
    }

    QPointer<QWidget> m_view;
    const CTableWords& m_words;
    Kind m_kind;
    int m_index;
};

QAccessibleInterface* Register(QAccessibleInterface* node) {
    QAccessible::registerAccessibleInterface(node);
    return node;
}

QAccessibleInterface* TableFactory(const QString&, QObject* object) {
    auto* view = qobject_cast<CT40913View*>(object);
    if (!view) return nullptr;
    return new CTableAccessible(view, view->Words());
}

void Send(QAccessibleInterface* iface, QAccessible::Event type) {
    if (!iface) return;
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

void SendState(QAccessibleInterface* iface, auto set) {
    if (!iface) return;
    QAccessible::State changed;
    set(changed);
    QAccessibleStateChangeEvent event(iface, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

// ---- CTableWords -----------------------------------------------------------------------------

CTableWords::~CTableWords() {
    // The view's interface reads these words: it goes before they do, not when Qt would remove
    // it, after the view's members are gone.
    if (m_table) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_table));
}

void CTableWords::InstallFactory() {
    QAccessible::installFactory(TableFactory);
}

int CTableWords::HandCount() const {
    return std::clamp(m_gs.m_handCount[kHumanSeat], 0, kHandSize);
}

QString CTableWords::HandCardName(int pos) const {
    if (pos < 0 || pos >= HandCount()) return {};
    return UiCardName(m_gs.m_hand[kHumanSeat][pos]);
}

bool CTableWords::HandCardPlayable(int pos) const {
    return quintrick::HandCardPlayable(m_gs, pos, m_humanMayPlay());
}

int CTableWords::CursorCard() const {
    return HandCount() == 0 ? -1 : m_gs.CursorInHand();
}

QString CTableWords::FieldSeatText(int seat) const {
    if (seat < 0 || seat >= kSeats) return {};
    return FieldText(m_gs, seat);
}

QString CTableWords::Status() const {
    return StatusText(m_gs, m_humanMayPlay());
}

void CTableWords::Announce(QWidget* view, const QString& text) {
    m_announcement = text;
    CTableAccessible* table = m_table;
    if (!table || !view) return;
    QAccessibleInterface* node = table->PartInterface(CTableAccessible::kAnnouncement);
    Send(node, QAccessible::NameChanged);
    // A notification that shows itself is spoken even while the focus is on a card.
    Send(node, QAccessible::ObjectShow);
}

void CTableWords::Attach(CTableAccessible* table) {
    m_table = table;
    // What the new tree shows is what it was first told.
    if (table) m_told = Now(qobject_cast<QWidget*>(table->object()));
}

CTableWords::Told CTableWords::Now(QWidget* view) const {
    Told now;
    for (int pos = 0; pos < HandCount(); ++pos) {
        now.hand.push_back(HandCardName(pos));
        now.playable.push_back(HandCardPlayable(pos));
    }
    now.cursor = CursorCard();
    now.focused = view && view->hasFocus();
    for (int seat = 0; seat < kSeats; ++seat) now.field[seat] = FieldSeatText(seat);
    now.status = Status();
    return now;
}

void CTableWords::Refresh(QWidget* view) {
    CTableAccessible* table = m_table;
    if (!table || !view) return;
    Told now = Now(view);
    const int before = int(m_told.hand.size());
    const int after = int(now.hand.size());
    // Cards gone from the end of the list first, so that no event names a card beyond the hand.
    for (int pos = after; pos < before; ++pos)
        Send(table->CardInterface(pos), QAccessible::ObjectDestroyed);
    for (int pos = 0; pos < after; ++pos) {
        QAccessibleInterface* card = table->CardInterface(pos);
        if (pos >= before) {
            Send(card, QAccessible::ObjectCreated);
            continue;
        }
        if (now.hand[pos] != m_told.hand[pos]) Send(card, QAccessible::NameChanged);
        if (now.playable[pos] != m_told.playable[pos]) {
            Send(card, QAccessible::DescriptionChanged);
            SendState(card, [](QAccessible::State& s) { s.disabled = true; });
        }
    }
    if (now.cursor != m_told.cursor || now.focused != m_told.focused || after != before) {
        if (m_told.cursor >= 0 && m_told.cursor < after) {
            SendState(table->CardInterface(m_told.cursor), [](QAccessible::State& s) {
                s.selected = true;
                s.focused = true;
            });
        }
        if (now.cursor >= 0) {
            QAccessibleInterface* card = table->CardInterface(now.cursor);
            SendState(card, [](QAccessible::State& s) { s.selected = true; });
            if (now.focused) Send(card, QAccessible::Focus);
        }
    }
    for (int seat = 0; seat < kSeats; ++seat) {
        if (now.field[seat] != m_told.field[seat]) {
            Send(table->SeatInterface(seat), QAccessible::NameChanged);
        }
    }
    if (now.status != m_told.status) {
        Send(table->PartInterface(CTableAccessible::kStatus), QAccessible::NameChanged);
    }
    m_told = std::move(now);
}

// ---- CTableAccessible ------------------------------------------------------------------------

CTableAccessible::CTableAccessible(QWidget* view, CTableWords& words)
    : QAccessibleWidget(view, QAccessible::Client, TableSpeech::tr("トランプの卓")),
      m_words(words) {
    for (int i = 0; i < kParts; ++i) {
        m_parts[i] = Register(new CTableNode(view, words, CTableNode::kPart, i));
    }
    for (int i = 0; i < kHandSize; ++i) {
        m_cards[i] = Register(new CTableNode(view, words, CTableNode::kCard, i));
    }
    for (int i = 0; i < kSeats; ++i) {
        m_seats[i] = Register(new CTableNode(view, words, CTableNode::kSeat, i));
    }
    m_words.Attach(this);
}

CTableAccessible::~CTableAccessible() {
    m_words.Attach(nullptr);
    for (auto* node : m_parts) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(node));
    for (auto* node : m_cards) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(node));
    for (auto* node : m_seats) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(node));
}

QAccessibleInterface* CTableAccessible::child(int index) const {
    if (index < 0 || index >= kParts) return nullptr;
    return m_parts[index];
}

int CTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < kParts; ++i) {
        if (m_parts[i] == child) return i;
    }
    return -1;
}

QAccessibleInterface* CTableAccessible::focusChild() const {
    const int cursor = m_words.CursorCard();
    if (cursor < 0 || !widget()->hasFocus()) return nullptr;
    return m_cards[cursor];
}

}  // namespace quintrick
