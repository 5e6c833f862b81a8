#include "review_window.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "engine/roster.h"
#include "engine/strings.h"
#include "hint_search.h"
#include "images/image_files.h"
#include "play_reason.h"
#include "review/replay.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {

// The context of this file's texts in the catalogue.
struct Review {
    Q_DECLARE_TR_FUNCTIONS(Review)
};

QString SeatName(const GameState& gs, int seat) {
    const int player = gs.m_seatPlayer[seat];
    return player == kHumanPlayer ? UiText(kRecYou) : UiRosterName(ComputerCharacter(player));
}

QString Points(double value) {
    return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', 2);
}

QString SuitName(int suit) {
    return UiText(kCardSuitNames).split(u',').value(suit);
}

}  // namespace

// The table of the frame shown: each seat's hand face up, the card it put on the field, the
// card just played marked.
class CReviewBoard : public QWidget {
  public:
    CReviewBoard() {
        setObjectName(QStringLiteral("reviewBoard"));
        setMinimumSize(760, 5 * kRow + 20);
    }
    void Show(const GameState& gs, int seat, CardId card) {
        m_gs = gs;
        m_seat = seat;
        m_card = card;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), QColor(24, 92, 58));
        QFont font(PreferredGothicFamily());
        font.setPointSize(10);
        p.setFont(font);
        const int fieldX = width() - kCardW - 24;
        for (int seat = 0; seat < kSeats; ++seat) {
            const int y = 10 + seat * kRow;
            if (seat == m_seat)
                p.fillRect(QRect(4, y - 4, width() - 8, kRow - 2), QColor(40, 120, 80));
            p.setPen(Qt::white);
            const QString mark = m_gs.IsRelated(seat) ? QStringLiteral("★ ") : QString();
            p.drawText(QRect(10, y, 120, kCardH), Qt::AlignVCenter | Qt::TextWordWrap,
                       mark + SeatName(m_gs, seat));
            for (int i = 0; i < m_gs.m_handCount[seat]; ++i) {
                DrawCard(p, QPoint(136 + i * (kCardW + 4), y), m_gs.m_hand[seat][i], false);
            }
            const CardId field = m_gs.m_field[seat];
            if (field != kNoCard) DrawCard(p, QPoint(fieldX, y), field, field == m_card);
        }
        p.setPen(QColor(220, 230, 220));
        p.drawLine(fieldX - 12, 6, fieldX - 12, height() - 6);
    }

  private:
    static constexpr int kCardW = 40, kCardH = 56, kRow = 68;

    static void DrawCard(QPainter& p, QPoint at, CardId card, bool marked) {
        const QRect r(at, QSize(kCardW, kCardH));
        p.setPen(QPen(marked ? QColor(250, 200, 40) : QColor(90, 90, 90), marked ? 3 : 1));
        p.setBrush(QColor(252, 252, 248));
        p.drawRoundedRect(r, 5, 5);
        const bool red = SuitOf(card) == kDiamonds || SuitOf(card) == kHearts;
        p.setPen(card == kJoker ? QColor(120, 40, 150) : red ? QColor(200, 30, 30) : Qt::black);
        static const QString kSuits[4] = {QStringLiteral("♣"), QStringLiteral("♦"),
                                          QStringLiteral("♥"), QStringLiteral("♠")};
        static const QString kRanks[13] = {
            QStringLiteral("2"),  QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
            QStringLiteral("6"),  QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
            QStringLiteral("10"), QStringLiteral("J"), QStringLiteral("Q"), QStringLiteral("K"),
            QStringLiteral("A")};
        const QString text = card == kJoker ? QStringLiteral("JK")
                                            : kRanks[Slot(card)] + u'\n' + kSuits[SuitOf(card)];
        p.drawText(r, Qt::AlignCenter, text);
    }

    GameState m_gs;
    int m_seat = -1;
    CardId m_card = kNoCard;
};

CReviewWindow::CReviewWindow(const GameMoves& moves, ReviewCache cache, QWidget* parent,
                             const ReviewSettings& settings)
    : QDialog(parent), m_moves(moves), m_cache(std::move(cache)), m_settings(settings) {
    setObjectName(QStringLiteral("reviewWindow"));
    setWindowTitle(Review::tr("振り返り"));
    QFont font(PreferredGothicFamily());
    font.setPointSize(10);
    setFont(font);

    // The game played again, a frame at each card and at each battle's start.
    CGameReplay replay(m_moves);
    replay.m_onMove = [this](const GameState& gs, int move) {
        const Move& m = m_moves.moves[move];
        if (m.kind == MoveKind::kLeader) m_frames.push_back({gs, move, -1, kNoCard});
        if (m.kind == MoveKind::kPlay) m_frames.push_back({gs, move, m.v[0], m.v[1]});
    };
    if (!replay.Run(true, &m_failure)) m_frames.clear();

    m_caption = new QLabel;
    m_caption->setObjectName(QStringLiteral("reviewCaption"));
    m_board = new CReviewBoard;
    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setObjectName(QStringLiteral("reviewSlider"));
    m_slider->setRange(0, std::max(0, Frames() - 1));
    m_slider->setFocusPolicy(Qt::NoFocus);
    connect(m_slider, &QSlider::valueChanged, this, &CReviewWindow::ShowFrame);
    m_choices = new QTableWidget(0, 4);
    m_choices->setObjectName(QStringLiteral("reviewChoices"));
    m_choices->setHorizontalHeaderLabels(
        {Review::tr("出せた札"), Review::tr("見えていた情報での価値"),
         Review::tr("全員の手札が見えた場合の価値"), Review::tr("判定")});
    m_choices->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_choices->setFocusPolicy(Qt::NoFocus);
    m_choices->verticalHeader()->setVisible(false);
    m_choices->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("reviewSummary"));
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("reviewProgress"));
    m_cancel = new QPushButton(Review::tr("取りやめ"));
    m_cancel->setObjectName(QStringLiteral("reviewCancel"));
    m_cancel->setFocusPolicy(Qt::NoFocus);
    connect(m_cancel, &QPushButton::clicked, this, &CReviewWindow::CancelReview);
    auto* close = new QPushButton(Review::tr("閉じる"));
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_cancel);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_summary, 1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_board, 3);
    layout->addWidget(m_slider);
    layout->addWidget(m_choices, 2);
    layout->addLayout(progressRow);
    layout->addLayout(bottom);
    resize(960, 760);

    if (m_cache.load) {
        if (auto kept = DecodeReview(m_cache.load());
            kept && kept->game == m_moves.game && kept->settings == m_settings) {
            m_review = std::move(kept);
        }
    }
    m_progress->setVisible(false);
    m_cancel->setVisible(false);
    if (!m_failure.empty()) {
        //: A kept game that cannot be played again: %1 the reason.
        m_caption->setText(Review::tr("この対局は記録が壊れているため再現できません（%1）")
                               .arg(QString::fromStdString(m_failure)));
    } else if (!m_review) {
        StartReview();
    }
    ShowFrame(0);
    ShowSummary();
}

CReviewWindow::~CReviewWindow() {
    // The worker stops at its next play; what it finds is no longer shown.
    m_stop->store(true);
    if (m_watcher) {
        m_watcher->disconnect(this);
        m_watcher->waitForFinished();
    }
}

void CReviewWindow::WaitForReview() {
    if (m_watcher) {
        m_watcher->waitForFinished();
        QCoreApplication::sendPostedEvents(m_watcher);
    }
}

void CReviewWindow::StartReview() {
    m_progress->setVisible(true);
    m_cancel->setVisible(true);
    m_progress->setRange(0, 0);
    m_watcher = new QFutureWatcher<std::optional<GameReview>>(this);
    connect(m_watcher, &QFutureWatcher<std::optional<GameReview>>::finished, this,
            &CReviewWindow::Finished);
    m_poll = new QTimer(this);
    connect(m_poll, &QTimer::timeout, this, [this] {
        const int total = m_total->load();
        if (total > 0) {
            m_progress->setRange(0, total);
            m_progress->setValue(m_done->load());
        }
    });
    m_poll->start(100);
    m_watcher->setFuture(QtConcurrent::run(
        [moves = m_moves, settings = m_settings, stop = m_stop, done = m_done, total = m_total] {
            return ReviewGame(moves, settings, nullptr, [&](int d, int t) {
                done->store(d);
                total->store(t);
                return !stop->load();
            });
        }));
}

void CReviewWindow::CancelReview() {
    m_stop->store(true);
}

void CReviewWindow::Finished() {
    if (m_poll) m_poll->stop();
    m_progress->setVisible(false);
    m_cancel->setVisible(false);
    std::optional<GameReview> result = m_watcher->result();
    if (result) {
        m_review = std::move(result);
        if (m_cache.store) m_cache.store(EncodeReview(*m_review));
    }
    ShowChoices();
    ShowSummary();
}

void CReviewWindow::ShowSummary() {
    if (!m_failure.empty()) return;
    if (!m_review) {
        m_summary->setText(m_stop->load() ? Review::tr("振り返りの計算を取りやめました")
                                          : Review::tr("あなたの札を検討しています…"));
        return;
    }
    //: The review's summary: %1 points lost to mistakes, %2 the number of mistakes, %3 the
    //: points lost in all plays with all cards seen.
    m_summary->setText(
        Review::tr("ミスで失った点: %1（ミス %2 回）　全員の手札が見えた場合の損失: %3")
            .arg(QString::number(MistakeLoss(*m_review), 'f', 2),
                 QString::number(m_review->mistakes), QString::number(m_review->lossSeen, 'f', 2)));
}

void CReviewWindow::ShowFrame(int frame) {
    if (m_frames.empty()) return;
    m_frame = std::clamp(frame, 0, Frames() - 1);
    if (m_slider->value() != m_frame) m_slider->setValue(m_frame);
    const FrameState& f = m_frames[size_t(m_frame)];
    m_board->Show(f.gs, f.seat, f.card);
    const int trick = kHandSize - f.gs.m_handCount[f.seat < 0 ? 0 : f.seat] + (f.seat < 0 ? 1 : 0);
    //: Where the review is: %1 the game, %2 the battle, %3 the trick, %4 the trump suit.
    QString caption = Review::tr("第%1ゲーム　第%2バトル　%3トリック目　切り札: %4")
                          .arg(QString::number(m_moves.game), QString::number(f.gs.m_battle),
                               QString::number(trick), SuitName(f.gs.m_trump));
    if (f.seat >= 0) {
        //: Who played which card: %1 the player, %2 the card.
        caption += u'\n' +
                   Review::tr("%1が%2を出しました").arg(SeatName(f.gs, f.seat), UiCardName(f.card));
        // A computer's card: the step of its order that chose it.
        const QString reason = PlayReasonLine(m_moves.moves[size_t(f.move)].why);
        if (!reason.isEmpty()) caption += QStringLiteral("　") + reason;
    } else {
        caption += u'\n' + Review::tr("バトル開始時の全員の手札");
    }
    m_caption->setText(caption);
    ShowChoices();
}

void CReviewWindow::ShowChoices() {
    m_choices->setRowCount(0);
    if (m_frames.empty() || !m_review) return;
    const FrameState& f = m_frames[size_t(m_frame)];
    const DecisionReview* d = nullptr;
    for (const DecisionReview& each : m_review->decisions) {
        if (each.move == f.move) d = &each;
    }
    if (!d) return;
    double best = d->choices.front().known;
    for (const ChoiceValue& c : d->choices) best = std::max(best, c.known);
    m_choices->setRowCount(int(d->choices.size()));
    for (int i = 0; i < int(d->choices.size()); ++i) {
        const ChoiceValue& c = d->choices[size_t(i)];
        QString name = UiCardName(c.card);
        //: A joker led with its called suit: %1 the joker, %2 the suit.
        if (c.suit >= 0) name = Review::tr("%1（%2を請求）").arg(name, SuitName(c.suit));
        QStringList marks;
        if (i == d->chosen) marks << Review::tr("出した札");
        if (c.known == best) marks << Review::tr("最善");
        if (i == d->chosen && d->mistake)
            marks << Review::tr("ミス（%1点）").arg(Points(-d->lossKnown));
        const QString cells[4] = {name, Points(c.known), Points(c.seen), marks.join(u'　')};
        for (int col = 0; col < 4; ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            if (i == d->chosen) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                if (d->mistake) item->setBackground(QColor(250, 200, 200));
            }
            m_choices->setItem(i, col, item);
        }
    }
}

int CReviewWindow::FrameOfMove(int move) const {
    for (int i = 0; i < Frames(); ++i) {
        if (m_frames[size_t(i)].move == move) return i;
    }
    return -1;
}

int CReviewWindow::TrickFrame(int step) const {
    // A trick's first frame is the one whose field holds one card (or a battle's start).
    const auto first = [this](int i) {
        const FrameState& f = m_frames[size_t(i)];
        return f.seat < 0 || f.gs.FieldCount() == 1;
    };
    int i = m_frame;
    do {
        i += step;
    } while (i > 0 && i < Frames() - 1 && !first(i));
    return std::clamp(i, 0, Frames() - 1);
}

void CReviewWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            return ShowFrame(m_frame - 1);
        case Qt::Key_Right:
            return ShowFrame(m_frame + 1);
        case Qt::Key_Home:
            return ShowFrame(0);
        case Qt::Key_End:
            return ShowFrame(Frames() - 1);
        case Qt::Key_PageUp:
            return ShowFrame(TrickFrame(-1));
        case Qt::Key_PageDown:
            return ShowFrame(TrickFrame(+1));
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace quintrick
