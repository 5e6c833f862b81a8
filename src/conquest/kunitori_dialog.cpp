// The map dialog's window: opening, the two views with scrolling and sizing, the Zoom button,
// clicks on the label boxes, and the window state kept in the profile.
#include "conquest/kunitori_dialog.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "conquest/kuni_coords.h"
#include "engine/settings_table.h"
#include "engine/strings.h"

namespace quintrick {

CKunitori::CKunitori(const KunitoriContext& context, QWidget* owner)
    : QDialog(owner),
      m_context(context),
      m_session(context.profile, context.box, *this, context.m_playerName, context.m_entryNo,
                context.m_soundOn == 1),
      m_seeds(LoadMapSeeds()) {
    setObjectName("103");
    setWindowTitle("[閲覧]モード");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the background is never erased
    setMinimumSize(kStandardWidth, kStandardHeight);
    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_vertical->setObjectName("1013");
    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    m_horizontal->setObjectName("1014");
    m_zoom = new QPushButton("Zoom", this);
    m_zoom->setObjectName("1015");
    m_zoom->setToolTip("標準マップと拡大マップを切り替えます");
    m_zoom->setFocusPolicy(Qt::NoFocus);
    for (QScrollBar* bar : {m_vertical, m_horizontal}) {
        bar->setSingleStep(10);
        bar->setPageStep(50);
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, bar](int action) { OnScroll(bar->orientation(), action); });
    }
    connect(m_zoom, &QPushButton::clicked, this, &CKunitori::OnZoom);

    // The stored rectangle, kept on the desktop.
    IProfile& profile = m_context.profile;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
    m_px = std::max(Read(profile, entries::kMapX), 0);
    m_py = std::max(Read(profile, entries::kMapY), 0);
    m_sx = std::clamp(Read(profile, entries::kMapWidth), kStandardWidth, 1 << 15);
    m_sy = std::clamp(Read(profile, entries::kMapHeight), kStandardHeight, 1 << 15);
    if (m_px > desktop.width() - m_sx) m_px = desktop.width() - m_sx;
    if (m_py > desktop.height() - m_sy) m_py = desktop.height() - m_sy;
    m_cw = m_sx;
    m_ch = m_sy;
    m_openSize = QSize(m_sx, m_sy);
    SetScrollRanges();

    if (!LoadMaps()) {
        m_context.box.ShowMessage(kMsgMemory, "", kStyleError);
        return;
    }
    m_standardMap = true;
    PaintOwners();
    m_vertical->setEnabled(false);
    m_horizontal->setEnabled(false);
    resize(m_cw, m_ch);
    move(m_px, m_py);

    const std::string& name = m_context.m_playerName[4];
    m_modeTitle = QString("[ ｢%1｣ の国盗りモード ]").arg(QString::fromStdString(name));
    setWindowTitle(m_modeTitle);
    ShowInitialStatus();
    if (Read(profile, entries::kMapZoomed) == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else if (owner) {
        const QPoint centre = owner->frameGeometry().center();
        move(centre.x() - m_sx / 2, centre.y() - m_sy / 2);
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
    m_enlarged = QImage(":/map/163.png").convertToFormat(QImage::Format_RGB32);
    m_standard = QImage(":/map/164.png").convertToFormat(QImage::Format_RGB32);
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

// The window manager's frame around the client area (nothing before the window is shown).
QSize CKunitori::FrameExtra() const {
    return frameGeometry().size() - size();
}

void CKunitori::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_framed) return;
    m_framed = true;
    // Once the window manager has framed the window, the stored outer size becomes the client
    // size inside that frame.
    QMetaObject::invokeMethod(
        this,
        [this, outer = m_openSize] {
            const QSize extra = FrameExtra();
            if (!isMaximized() && (extra.width() > 0 || extra.height() > 0)) {
                resize(outer.width() - extra.width(), outer.height() - extra.height());
            }
        },
        Qt::QueuedConnection);
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
    if (!isMaximized() && m_ready) {
        const QSize extra = FrameExtra();
        m_sx = m_cw + extra.width();
        m_sy = m_ch + extra.height();
    }
    PlaceControls();
    SetScrollRanges();
    update();
}

void CKunitori::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (isMaximized()) return;
    m_px = frameGeometry().x();
    m_py = frameGeometry().y();
}

void CKunitori::done(int result) {
    StoreWindowState();
    QDialog::done(result);
}

void CKunitori::StoreWindowState() {
    if (m_stored || !m_ready) return;
    m_stored = true;
    IProfile& profile = m_context.profile;
    const bool zoomed = isMaximized();
    Write(profile, entries::kMapZoomed, zoomed ? 1 : 0);
    QRect rect = frameGeometry();
    if (zoomed) {
        // The restored rectangle: the normal client geometry inside the frame.
        const QSize extra = FrameExtra();
        rect = normalGeometry();
        rect.setSize(rect.size() + extra);
        if (!normalGeometry().isValid()) rect = QRect(m_px, m_py, m_sx, m_sy);
    }
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
        if (m_session.ConquestMode()) m_session.RegularsTurn();
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
    const int province = ProvinceAtLabel(at.x() + m_scrollX - 2, at.y() + m_scrollY - 2);
    if (province < 0) return;
    m_session.HumanTakes(province);
}

void CKunitori::ShowPlainBox(std::string_view caption, std::string_view text) {
    m_context.host.ShowPlainBox(this, caption, text);
}

void CKunitori::PlaySound(int sound) {
    m_context.host.PlaySound(sound);
}

}  // namespace quintrick
