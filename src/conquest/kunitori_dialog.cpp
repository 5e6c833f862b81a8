// The map dialog's window: opening, the two views with scrolling and sizing, the Zoom button,
// clicks on the label boxes, and the window state kept in the profile.
#include "conquest/kunitori_dialog.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

#include "conquest/kuni_coords.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "resource_ids.h"
#include "resource_images.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {

// The context of this file's texts in the catalogue.
struct Map {
    Q_DECLARE_TR_FUNCTIONS(Map)
};

// The players' names as the player reads them.
std::array<std::string, 5> ShownNames(const std::array<std::string, 5>& names) {
    std::array<std::string, 5> shown;
    for (std::size_t i = 0; i < names.size(); ++i) shown[i] = UiPlayerName(names[i]).toStdString();
    return shown;
}

}  // namespace

CKunitori::CKunitori(const KunitoriContext& context, QWidget* owner)
    : QDialog(owner),
      m_context(context),
      m_session(context.profile, context.box, *this, ShownNames(context.m_playerName),
                context.m_entryNo, context.m_soundOn == 1, &UiTextUtf8),
      m_seeds(LoadMapSeeds(context.language)) {
    setObjectName("103");
    setWindowTitle(Map::tr("[閲覧]モード"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the background is never erased
    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_vertical->setObjectName("1013");
    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    m_horizontal->setObjectName("1014");
    m_zoom = new QPushButton("Zoom", this);
    m_zoom->setObjectName("1015");
    m_zoom->setToolTip(Map::tr("標準マップと拡大マップを切り替えます"));
    m_zoom->setFocusPolicy(Qt::NoFocus);
    for (QScrollBar* bar : {m_vertical, m_horizontal}) {
        bar->setSingleStep(10);
        bar->setPageStep(50);
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, bar](int action) { OnScroll(bar->orientation(), action); });
    }
    connect(m_zoom, &QPushButton::clicked, this, &CKunitori::OnZoom);

    // The stored outer rectangle, kept on the desktop.
    IProfile& profile = m_context.profile;
    const QWidget* game = owner ? owner->window() : nullptr;
    const QScreen* screen = game ? game->screen() : QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
    m_px = std::max(Read(profile, entries::kMapX), 0);
    m_py = std::max(Read(profile, entries::kMapY), 0);
    m_sx = std::clamp(Read(profile, entries::kMapWidth), kStandardWidth, 1 << 15);
    m_sy = std::clamp(Read(profile, entries::kMapHeight), kStandardHeight, 1 << 15);
    if (m_px > desktop.width() - m_sx) m_px = desktop.width() - m_sx;
    if (m_py > desktop.height() - m_sy) m_py = desktop.height() - m_sy;
    m_openRect = QRect(m_px, m_py, m_sx, m_sy);
    if (game && game->windowHandle()) m_frameEstimate = game->windowHandle()->frameMargins();
    m_cw = std::max(1, m_sx - m_frameEstimate.left() - m_frameEstimate.right());
    m_ch = std::max(1, m_sy - m_frameEstimate.top() - m_frameEstimate.bottom());
    SetScrollRanges();

    if (!LoadMaps()) {
        m_context.box.ShowMessage(kMsgMemory, "", kStyleError);
        return;
    }
    m_standardMap = true;
    PaintOwners();
    m_vertical->setEnabled(false);
    m_horizontal->setEnabled(false);

    m_modeTitle = Map::tr("[ ｢%1｣ の国盗りモード ]").arg(UiPlayerName(m_context.m_playerName[4]));
    setWindowTitle(m_modeTitle);
    ShowInitialStatus();
    if (Read(profile, entries::kMapZoomed) != 1 && game) {
        // Centred over the game window, both in screen coordinates, and kept on the desktop.
        m_openRect.moveCenter(game->frameGeometry().center());
        m_openRect.moveLeft(std::clamp(m_openRect.left(), desktop.left(),
                                       std::max(desktop.left(), desktop.right() + 1 - m_sx)));
        m_openRect.moveTop(std::clamp(m_openRect.top(), desktop.top(),
                                      std::max(desktop.top(), desktop.bottom() + 1 - m_sy)));
    }
    SetOuterRect(m_openRect);
    m_px = m_openRect.x();
    m_py = m_openRect.y();
    if (Read(profile, entries::kMapZoomed) == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    m_clearBackground = true;
    m_ready = true;
}

CKunitori::~CKunitori() = default;

void CKunitori::Run(const KunitoriContext& context, QWidget* owner) {
    CKunitori dialog(context, owner);
    dialog.exec();
}

int CKunitori::exec() {
    if (!m_ready) return QDialog::Rejected;
    return QDialog::exec();
}

bool CKunitori::LoadMaps() {
    m_enlarged = ReadPngResource(MapImagePath(kMapEnlarged, m_context.language))
                     .convertToFormat(QImage::Format_RGB32);
    m_standard = ReadPngResource(MapImagePath(kMapStandard, m_context.language))
                     .convertToFormat(QImage::Format_RGB32);
    return !m_enlarged.isNull() && !m_standard.isNull() &&
           m_enlarged.size() == QSize(kEnlargedWidth, kEnlargedHeight) &&
           m_standard.size() == QSize(kStandardWidth, kStandardHeight);
}

void CKunitori::ShowInitialStatus() {
    SetStatus(QString::fromStdString(m_session.InitialStatus()));
}

void CKunitori::SetStatus(const QString& text) {
    setWindowTitle(m_modeTitle + " ... " + text);
}

QMargins CKunitori::FrameMargins() const {
    return FrameKnown() ? windowHandle()->frameMargins() : m_frameEstimate;
}

bool CKunitori::FrameKnown() const {
    return windowHandle() && !windowHandle()->frameMargins().isNull();
}

void CKunitori::FitMinimumSize() {
    // The whole window, frame included, cannot be made smaller than the standard map.
    const QMargins frame = FrameMargins();
    setMinimumSize(std::max(1, kStandardWidth - frame.left() - frame.right()),
                   std::max(1, kStandardHeight - frame.top() - frame.bottom()));
}

void CKunitori::SetOuterRect(const QRect& outer) {
    FitMinimumSize();
    const QMargins frame = FrameMargins();
    m_openClient = QSize(std::max(1, outer.width() - frame.left() - frame.right()),
                         std::max(1, outer.height() - frame.top() - frame.bottom()));
    resize(m_openClient);
    // A top-level window's position is that of its frame.
    move(outer.topLeft());
}

QRect CKunitori::OuterRect() const {
    const QMargins frame = FrameMargins();
    if (isMaximized()) {
        const QRect normal = normalGeometry();
        if (!normal.isValid()) return QRect(m_px, m_py, m_sx, m_sy);
        return normal.marginsAdded(frame);
    }
    return geometry().marginsAdded(frame);
}

void CKunitori::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Without a frame around the owner there is none to wait for.
    if (m_frameEstimate.isNull() && !FrameKnown()) m_settled = true;
}

bool CKunitori::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    // The window manager frames the window only after it has been mapped; the first event that
    // finds the frame (or the first activation, when no frame comes) puts the opening rectangle
    // around the client once more, so the outer size is the one stored.
    if (!m_settled && m_ready && isVisible()) {
        const QEvent::Type type = event->type();
        const bool framed =
            FrameKnown() && (type == QEvent::Move || type == QEvent::Resize ||
                             type == QEvent::UpdateRequest || type == QEvent::Paint);
        if (framed || type == QEvent::WindowActivate) {
            m_settled = true;
            // While maximised only the limit follows the frame; the restored size stays. A size
            // given by hand in the meantime stays too.
            if (FrameMargins() != m_frameEstimate) {
                if (isMaximized() || size() != m_openClient) {
                    FitMinimumSize();
                } else {
                    SetOuterRect(m_openRect);
                }
            }
            const QRect outer = OuterRect();
            m_px = outer.x();
            m_py = outer.y();
            m_sx = outer.width();
            m_sy = outer.height();
        }
    }
    return handled;
}

void CKunitori::SetScrollRanges() {
    m_vertical->setRange(0, std::max(0, kScrollHeight - m_ch));
    m_horizontal->setRange(0, std::max(0, kScrollWidth - m_cw));
}

void CKunitori::PlaceControls() {
    m_horizontal->setGeometry(2, m_ch - 20, std::max(0, m_cw - 46), 18);
    m_vertical->setGeometry(m_cw - 20, 2, 18, std::max(0, m_ch - 24));
    m_zoom->setGeometry(m_cw - 42, m_ch - 20, 40, 18);
}

void CKunitori::OnScroll(Qt::Orientation orientation, int action) {
    const bool horizontal = orientation == Qt::Horizontal;
    QScrollBar* bar = horizontal ? m_horizontal : m_vertical;
    int& offset = horizontal ? m_scrollX : m_scrollY;
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            offset -= 10;
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            offset += 10;
            break;
        case QAbstractSlider::SliderPageStepSub:
            offset -= 50;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            offset += 50;
            break;
        case QAbstractSlider::SliderMove:
            offset = bar->sliderPosition();
            break;
        default:
            return;
    }
    if (offset < 0) offset = 0;
    const int limit = horizontal ? kScrollWidth - m_cw : kScrollHeight - m_ch;
    if (offset > limit) offset = limit;
    bar->setSliderPosition(std::max(offset, 0));
    m_clearBackground = false;
    repaint();
    m_clearBackground = true;
}

void CKunitori::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_cw = width();
    m_ch = height();
    if (kEnlargedWidth - m_scrollX < m_cw - 24) {
        m_scrollX = kScrollWidth - m_cw;
        m_horizontal->setSliderPosition(std::max(m_scrollX, 0));
    }
    if (kEnlargedHeight - m_scrollY < m_ch - 24) {
        m_scrollY = kScrollHeight - m_ch;
        m_vertical->setSliderPosition(std::max(m_scrollY, 0));
    }
    if (!isMaximized() && m_ready && m_settled) {
        const QRect outer = OuterRect();
        m_sx = outer.width();
        m_sy = outer.height();
    }
    PlaceControls();
    SetScrollRanges();
    update();
}

void CKunitori::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (isMaximized() || !m_settled) return;
    const QRect outer = OuterRect();
    m_px = outer.x();
    m_py = outer.y();
}

void CKunitori::done(int result) {
    StoreWindowState();
    QDialog::done(result);
}

void CKunitori::StoreWindowState() {
    if (m_stored || !m_ready) return;
    m_stored = true;
    IProfile& profile = m_context.profile;
    const ProfileGroup group(profile);
    const bool zoomed = isMaximized();
    Write(profile, entries::kMapZoomed, zoomed ? 1 : 0);
    // Until the window manager has framed the window nothing has changed its rectangle.
    const QRect rect = m_settled ? OuterRect() : m_openRect;
    Write(profile, entries::kMapX, std::max(rect.left(), 0));
    Write(profile, entries::kMapY, std::max(rect.top(), 0));
    Write(profile, entries::kMapWidth, rect.width());
    Write(profile, entries::kMapHeight, rect.height());
}

void CKunitori::OnZoom() {
    if (m_standardMap) {
        m_vertical->setEnabled(true);
        m_horizontal->setEnabled(true);
        m_standardMap = false;
        repaint();
        if (m_session.ConquestMode()) {
            m_session.RegularsTurn();
            PaintStones();
        }
    } else {
        m_vertical->setEnabled(false);
        m_horizontal->setEnabled(false);
        m_standardMap = true;
        repaint();
    }
}

void CKunitori::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_session.ConquestMode()) return;
    if (m_standardMap) {
        m_context.box.ShowMessage(kMsgStandardMapClick, "", kStyleInfo);
        return;
    }
    const QPoint at = event->position().toPoint();
    const MapLabels labels =
        m_context.language == AssetLanguage::English ? MapLabels::Romanised : MapLabels::Japanese;
    const int province = ProvinceAtLabel(at.x() + m_scrollX - 2, at.y() + m_scrollY - 2, labels);
    if (province < 0) return;
    if (m_session.HumanTakes(province) == ConquestSession::Taking::Taken) PaintStones();
}

void CKunitori::ShowPlainBox(std::string_view caption, std::string_view text) {
    m_context.host.ShowPlainBox(this, caption, text);
}

void CKunitori::PlaySound(int sound) {
    m_context.host.PlaySound(sound);
}

}  // namespace quintrick
