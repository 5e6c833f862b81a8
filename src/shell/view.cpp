// The view: construction, the initial update, the timers, and the events it passes on.
#include "view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimerEvent>

#include "conquest/kuni_state.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "hint_search.h"
#include "main_frame.h"
#include "records_window.h"
#include "resource_ids.h"
#include "resource_images.h"
#include "resource_paths.h"
#include "screen_size.h"
#include "setting_toggles.h"
#include "shell/extras/command_ids.h"
#include "shell/extras/hover_help.h"
#include "shell/extras/tip_window.h"
#include "startup_trace.h"
#include "table/layout.h"

namespace quintrick {
namespace {

QCursor LoadCursor(const CursorSpec& spec, Qt::CursorShape fallback) {
    const QPixmap pixmap = QPixmap::fromImage(ReadPngResource(CursorPath(spec.id)));
    if (pixmap.isNull()) return QCursor(fallback);
    return QCursor(pixmap, spec.hotX, spec.hotY);
}

}  // namespace

CT40913View::CT40913View(AppFlags flags, IDialogs* dialogs, QWidget* parent)
    : QWidget(parent),
      m_flags(flags),
      m_ownDialogs(dialogs ? nullptr
                           : std::make_unique<CQtDialogs>(
                                 [this] { m_engine.Sound(kSoundChoice, false); },
                                 QuestionAreas{
                                     [this] {
                                         return std::vector{ScreenRect(m_table.ShowCardsRect()),
                                                            ScreenRect(m_table.HandRect())};
                                     },
                                     [this] { return std::vector{ScreenRect(kScoreBoardRect)}; }})),
      m_dialogs(dialogs ? dialogs : m_ownDialogs.get()),
      m_sound(m_set),
      m_players(m_gs, *this),
      m_playLog(m_gs),
      m_strong(m_gs, m_players, m_playLog),
      m_levelPlayers(m_players, m_strong),
      m_engine(m_gs, m_set, *this, m_levelPlayers),
      m_table(m_gs, m_set, m_profile, *this),
      m_input(m_gs, m_set, m_engine, m_table, m_profile, *this),
      m_publisher(m_profile, m_gs),
      m_words(m_gs, [this] { return m_engine.HumanMayPlay(); }),
      m_announcer(m_gs, [this](const QString& text) { Say(text); }),
      m_kunitoriHost([this](int sound) { m_sound.Play(sound, false); }),
      // The records' messages wait for the running step to end: none opens inside the tick.
      m_records([this](int id, const std::string& prefix, int style) {
          QMetaObject::invokeMethod(
              this, [this, id, prefix, style] { ShowMessage(id, prefix, style); },
              Qt::QueuedConnection);
      }),
      m_recordKeeper(m_gs, m_records),
      m_peekLauncher(std::make_unique<CPeekLauncher>(m_profile, *this)) {
    // Every pixel is painted by the table drawing; the background is never erased.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_table.m_isNt6 = flags.isNt6;
    m_table.m_thumbBar = flags.thumbBar;
    m_table.m_s.m_language = flags.language;
    m_table.m_repaint = [this] {
        repaint();
        m_words.Refresh(this);
    };
    CTableWords::InstallFactory();
    //: The game's table as screen readers name it.
    setAccessibleName(tr("トランプの卓"));
    m_rescale.setSingleShot(true);
    m_rescale.setInterval(kRescaleMs);
    connect(&m_rescale, &QTimer::timeout, this, [this] { Rescale(); });
    m_engine.AddObserver(&m_recordKeeper);
    m_engine.AddObserver(&m_announcer);
    m_engine.AddObserver(&m_playLog);
    m_engine.AddObserver(&m_gameResult);
    m_hint = new CHintSearch(
        [this](const GameState& asked, const SearchResult& result) { ShowHint(asked, result); },
        this);
    m_publisher.m_enabled = flags.thumbBar;
    m_engine.AddObserver(&m_publisher);
    // A profile that cannot be saved or was set aside is told once, after whatever is under way.
    m_profile.SetNoticeHandler([this](int stringId, const QString& file) {
        const int style = stringId == kMsgProfileSetAside ? kStyleInfo : kStyleError;
        QMetaObject::invokeMethod(
            this,
            [this, stringId, style, prefix = file.toStdString() + "\n"] {
                ShowMessage(stringId, prefix, style);
            },
            Qt::QueuedConnection);
    });
    m_cursors = {QCursor(Qt::ArrowCursor), QCursor(Qt::PointingHandCursor),
                 QCursor(Qt::ArrowCursor), QCursor(Qt::ForbiddenCursor),
                 QCursor(Qt::SizeVerCursor)};
}

CT40913View::~CT40913View() {
    for (const auto& [event, id] : m_timers) killTimer(id);
}

bool CT40913View::OnInitialUpdate() {
    // Only what the first painted table needs; the rest waits for it (CompleteStartup).
    if (!m_table.BuildFirstSurfaces()) return false;
    StartupMark("first surfaces and images");
    if (!m_table.ReadCardData()) {
        // A missing or damaged card data file: say so instead of standing idle without a word.
        ShowMessage(kMsgReadFailed, std::string(kCardDataFile) + "\n", kStyleError);
        return false;
    }
    LoadSettingCopies(m_profile, m_set);
    LoadAccessSettings();
    m_levelPlayers.SetStrong(Read(m_profile, entries::kTsuyosa) == 1);
    InitKunitoriAtStartup(m_profile, *this);
    m_input.Reset();
    m_gs.ResetAtInitialUpdate();
    StartupMark("card data and settings");
    m_table.RedrawTable(true);
    StartupMark("first table composed");
    SetTimer(kSetupTimerEvent, 100);
    m_startupPending = true;
    return true;
}

bool CT40913View::CompleteStartup() {
    if (!m_startupPending) return !m_startupFailed;
    m_startupPending = false;
    if (!m_table.CompleteSurfaces()) {
        // Without the cards no game can start.
        m_startupFailed = true;
        KillTimer(kSetupTimerEvent);
        return false;
    }
    if (!m_toolTip) m_toolTip = new CTipWindow(this);
    m_cursors[int(Pointer::UpDown)] = LoadCursor(kCursorUpDown, Qt::SizeVerCursor);
    m_cursors[int(Pointer::NoEntry)] = LoadCursor(kCursorNoEntry, Qt::ForbiddenCursor);
    m_cursors[int(Pointer::EdgeDrag)] = LoadCursor(kCursorEdgeDrag, Qt::SizeVerCursor);
    m_records.Open();
    m_publisher.Publish();
    return true;
}

int CT40913View::SetTimer(int eventId, int intervalMs) {
    KillTimer(eventId);
    if (intervalMs <= 0) return 0;
    const int id = startTimer(intervalMs, Qt::PreciseTimer);
    if (id == 0) return 0;
    m_timers[eventId] = id;
    m_timerEvents[id] = eventId;
    return eventId;
}

void CT40913View::KillTimer(int eventId) {
    const auto it = m_timers.find(eventId);
    if (it == m_timers.end()) return;
    killTimer(it->second);
    m_timerEvents.erase(it->second);
    m_timers.erase(it);
}

void CT40913View::timerEvent(QTimerEvent* event) {
    const auto it = m_timerEvents.find(event->timerId());
    if (it == m_timerEvents.end()) return QWidget::timerEvent(event);
    FireTimer(it->second);
}

void CT40913View::FireTimer(int eventId) {
    if (!CompleteStartup()) return;
    // A callout holds the game still; so do the pause and an open menu or question: the computers
    // never play on behind something the player is reading or answering.
    if (m_callout.active || GameHeldStill()) return;
    m_engine.OnTimer(eventId);
}

bool CT40913View::GameHeldStill() const {
    if (m_paused) return true;
    // A step of the game that asks something is itself waiting for the answer (its questions are
    // modal): only the questions and menus opened between two steps hold the timer here.
    return QApplication::activePopupWidget() != nullptr ||
           QApplication::activeModalWidget() != nullptr;
}

void CT40913View::TogglePause() {
    if (m_gs.m_phase == kNoGame) return;
    m_paused = !m_paused;
    update();
}

bool CT40913View::ShowHeldView(CEngine::Held view) {
    // The key shows the view as the mouse does while pressing; the same key (or Escape) hides it.
    const CEngine::Held held = m_engine.HeldNow();
    if (held == view) {
        m_engine.ReleaseHold();
        RepaintNow();
        return true;
    }
    if (held != CEngine::Held::kNothing) return false;
    const bool shown =
        view == CEngine::Held::kLastTrick ? m_engine.HoldLastTrick() : m_engine.HoldDiscards();
    if (shown) RepaintNow();
    return shown;
}

QRect CT40913View::ScreenRect(const Rect& base) const {
    const Rect r = m_table.m_scales.ToScreenRect(base);
    return QRect(mapToGlobal(m_area.topLeft() + QPoint(r.left, r.top)),
                 QSize(r.Width(), r.Height()));
}

void CT40913View::SetPointer(Pointer pointer) {
    setCursor(m_cursors[int(pointer)]);
}

void CT40913View::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_words.Refresh(this);
}

void CT40913View::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    m_words.Refresh(this);
}

bool CT40913View::event(QEvent* event) {
    if (m_toolTip) m_toolTip->RelayEvent(event);
    return QWidget::event(event);
}

void CT40913View::mouseMoveEvent(QMouseEvent* event) {
    if (m_callout.active) return;
    const QPoint p = ToTable(event->position());
    if (m_set.m_dspRem == 1 && m_toolTip && m_engine.HeldNow() != CEngine::Held::kNothing) {
        // No explanation while a card (or a view of the table) is held: it would cover the
        // field the card goes to, and stay there after the drop.
        m_toolTip->Apply(HoverHelp{});
    } else if (m_set.m_dspRem == 1 && m_toolTip) {
        const Scales& s = m_table.m_scales;
        m_toolTip->Apply(
            UpdateHoverHelp(s.BaseX(p.x()), s.BaseY(p.y()), m_gs, m_set, HoverAreasOf(m_table),
                            m_levelPlayers.Strong() ? kLevelTipStrong : kLevelTipNormal));
    }
    m_input.OnMouseMove(p.x(), p.y());
}

void CT40913View::mousePressEvent(QMouseEvent* event) {
    CompleteStartup();
    HideHintTip();
    if (m_callout.active || event->button() != Qt::LeftButton) return;
    const QPoint p = ToTable(event->position());
    m_input.OnLButtonDown(p.x(), p.y());
}

void CT40913View::mouseReleaseEvent(QMouseEvent* event) {
    CompleteStartup();
    if (m_callout.active || event->button() != Qt::LeftButton) return;
    const QPoint p = ToTable(event->position());
    m_input.OnLButtonUp(p.x(), p.y());
}

void CT40913View::mouseDoubleClickEvent(QMouseEvent* event) {
    CompleteStartup();
    if (m_callout.active || event->button() != Qt::LeftButton) return;
    const QPoint p = ToTable(event->position());
    m_input.OnLButtonDblClk(p.x(), p.y());
}

void CT40913View::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_area = quintrick::TableArea(size());
    m_table.m_scales = {float(m_area.width()) / 1200.0f, float(m_area.height()) / 900.0f};
    m_table.m_saveUnderRect = {};
    // Before the start-up has made the surfaces they are made at the new scale in the first
    // place; afterwards the table is composed again once the size has stayed put a moment (a
    // drag of the window's edge composes once, at its end).
    if (m_table.m_s.m_backBuffer.isNull()) {
        m_table.SetPixelScale(WantedPixelScale());
    } else {
        m_rescale.start();
    }
    update();
}

double CT40913View::WantedPixelScale() const {
    return double(m_area.width()) * devicePixelRatio() / 1200.0;
}

void CT40913View::Rescale() {
    if (m_area.isEmpty() || WantedPixelScale() == m_table.PixelScaleFactor()) return;
    if (m_table.SetPixelScale(WantedPixelScale())) m_table.RedrawTable(true);
}

void CT40913View::keyPressEvent(QKeyEvent* event) {
    CompleteStartup();
    HideHintTip();
    if (m_callout.active) return;
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_N) {
        return OnCommand(kCmdNewMatch);
    }
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_Z) {
        return OnCommand(kCmdTakeBack);
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return QWidget::keyPressEvent(event);
    }
    switch (event->key()) {
        case Qt::Key_F1:
            return OnCommand(kCmdGameMenu);
        case Qt::Key_F2:
            return OnCommand(kCmdSettingsMenu);
        case Qt::Key_F3:
            return OnCommand(kCmdHelpMenu);
        case Qt::Key_F4:
            return OnCommand(kCmdAngleUp);
        case Qt::Key_F5:
            return OnCommand(kCmdAngleDown);
        case Qt::Key_F6:
            return OnCommand(kCmdRecords);
        case Qt::Key_F11:
            return OnCommand(kCmdFullScreen);
        case Qt::Key_Escape:
            // Escape takes down a view the keys put up, else leaves full screen.
            if (m_engine.HeldNow() == CEngine::Held::kLastTrick ||
                m_engine.HeldNow() == CEngine::Held::kDiscards) {
                ShowHeldView(m_engine.HeldNow());
                return;
            }
            if (auto* frame = qobject_cast<CMainFrame*>(window()); frame && frame->isFullScreen()) {
                return frame->LeaveFullScreen();
            }
            return QWidget::keyPressEvent(event);
        case Qt::Key_H:
            return OnCommand(kCmdHint);
        case Qt::Key_Question:
            return OnCommand(kCmdKeyReference);
        case Qt::Key_I:
            return OnCommand(kCmdSayState);
        case Qt::Key_M:
            return MuteCommand();
        case Qt::Key_Minus:
            return OnCommand(kCmdVolumeDown);
        case Qt::Key_Plus:
        case Qt::Key_Equal:  // + without Shift on most layouts
            return OnCommand(kCmdVolumeUp);
        case Qt::Key_V:
            return OnCommand(kCmdReview);
        case Qt::Key_S:
            return OnCommand(kCmdScore);
        case Qt::Key_L:
            return OnCommand(kCmdLastTrick);
        case Qt::Key_D:
            return OnCommand(kCmdDiscards);
        case Qt::Key_P:
            return OnCommand(kCmdPause);
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return m_input.OnKeyDown(GameKey::Enter);
        case Qt::Key_Space:
            return m_input.OnKeyDown(GameKey::Space);
        case Qt::Key_Up:
            return m_input.OnKeyDown(GameKey::Up);
        case Qt::Key_Left:
            return m_input.OnKeyDown(GameKey::Left);
        case Qt::Key_Right:
            return m_input.OnKeyDown(GameKey::Right);
        case Qt::Key_Home:
            return m_input.OnKeyDown(GameKey::Home);
        case Qt::Key_End:
            return m_input.OnKeyDown(GameKey::End);
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace quintrick
