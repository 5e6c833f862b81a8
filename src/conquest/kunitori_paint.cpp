// The map dialog's pictures: colouring provinces in the working copies, the stones in the
// legend (written again after every taking), and painting the shown map into the window.
#include <QPaintEvent>
#include <QPainter>

#include "conquest/kuni_table.h"
#include "conquest/kunitori_dialog.h"

namespace quintrick {
namespace {

const QColor kGrey(198, 198, 198);

QRgb ToRgb(const KuniRgb& c) {
    return qRgb(c.red, c.green, c.blue);
}

}  // namespace

void CKunitori::FillProvince(int province, QRgb colour) {
    if (province < 0 || province >= kProvinces) return;
    for (const QPoint& seed : m_seeds.standard[static_cast<std::size_t>(province)]) {
        BoundaryFill(m_standard, seed, colour, qRgb(0, 0, 0));
    }
    FillEnlarged(province, colour);
}

// The enlarged map: the connected area of the colour found just below and right of the label,
// so the labels, costs and borders keep their colours.
void CKunitori::FillEnlarged(int province, QRgb colour) {
    for (const QPoint& seed : m_seeds.enlarged[static_cast<std::size_t>(province)]) {
        SurfaceFill(m_enlarged, seed, colour);
    }
}

void CKunitori::WhitenProvinces() {
    for (int p = 0; p < kProvinces; ++p) FillProvince(p, qRgb(255, 255, 255));
}

void CKunitori::PaintOwners() {
    PaintStones();
    for (int p = 0; p < kProvinces; ++p) {
        const auto colour = KuniColor(GetKuniOwner(m_context.profile, p));
        if (colour) FillProvince(p, ToRgb(*colour));
    }
}

void CKunitori::PaintStones() {
    QPainter painter(&m_standard);
    painter.fillRect(QRect(125, 99, 46, 160), Qt::white);
    QFont font("IPAGothic");
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    for (int c = 0; c < kCharacters; ++c) {
        const std::string text = StoneCellText(GetStones(m_context.profile, c));
        if (text.empty()) continue;
        painter.drawText(QRect(130, 99 + 16 * c, 41, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(text));
    }
}

void CKunitori::FillOwner(int province, int character) {
    const auto colour = KuniColor(character);
    if (!colour) return;
    FillProvince(province, ToRgb(*colour));
    update();
}

void CKunitori::RepaintFromProfile() {
    WhitenProvinces();
    PaintOwners();
    repaint();
}

void CKunitori::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int cw = width(), ch = height();
    if (m_standardMap) {
        painter.fillRect(QRect(2, 2, cw - 24, ch - 24), kGrey);
        // Cut evenly on both sides when the window is smaller than the map, else centred.
        int dx = 2, sx = 0, dy = 2, sy = 0;
        if (cw - 24 <= kStandardWidth)
            sx = (kStandardWidth + 24 - cw) / 2;
        else
            dx = (cw - (kStandardWidth + 24)) / 2 + 2;
        if (ch - 24 <= kStandardHeight)
            sy = (kStandardHeight + 24 - ch) / 2;
        else
            dy = (ch - (kStandardHeight + 24)) / 2 + 2;
        const int w = std::min(cw - 24, kStandardWidth), h = std::min(ch - 24, kStandardHeight);
        if (w > 0 && h > 0) painter.drawImage(QPoint(dx, dy), m_standard, QRect(sx, sy, w, h));
        return;
    }
    if (m_scrollX < 0) m_scrollX = 0;
    if (m_clearBackground) painter.fillRect(rect(), Qt::white);
    // Only the part of the copy that lies inside the map image.
    const QRect wanted(m_scrollX, m_scrollY, cw - 24, ch - 24);
    const QRect source = wanted.intersected(m_enlarged.rect());
    if (!source.isEmpty()) {
        painter.drawImage(QPoint(2, 2) + (source.topLeft() - wanted.topLeft()), m_enlarged, source);
    }
}

}  // namespace quintrick
