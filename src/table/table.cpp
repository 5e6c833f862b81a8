#include "table.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "blit.h"
#include "card_backs.h"
#include "engine/roster.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "layout.h"

namespace quintrick {

CTable::CTable(const GameState& gs, const SettingCopies& settings, IProfile& profile,
               IMessageBox& messages)
    : m_gs(gs), m_set(settings), m_profile(profile), m_messages(messages) {
    m_kakudo = AngleFromProfile(Read(m_profile, entries::kKakudo));
}

bool CTable::PrepareCardBacks(bool rebuild, std::function<void()> flicker) {
    CardBackContext ctx{m_s, m_profile, m_messages, std::move(flicker)};
    // The old fans go first: two sets at once are not needed.
    m_s.m_handFans.Clear();
    const bool ok = quintrick::PrepareCardBacks(ctx, rebuild);
    // A strip that could not be finished is drawn as far as it came.
    if (!ok && m_s.m_handFans.IsEmpty()) m_s.m_handFans.UseStrip(m_s.m_handStrip);
    return ok;
}

bool CTable::BuildFirstSurfaces() {
    m_surfacesComplete = false;
    return quintrick::BuildFirstSurfaces(m_s, m_messages) && MakeScaledSurfaces();
}

bool CTable::MakeScaledSurfaces() {
    const PixelScale s = Px();
    // What was drawn or kept at another scale goes; the surface is drawn whole again.
    m_projected = {};
    m_fans = {};
    m_surfaceInputs = {};
    m_surfaceRows = {0, kSurfaceHeight};
    m_saveUnderRect = {};
    if (m_s.m_backBuffer.size() == QSize(s(kBaseWidth), s(kBaseHeight)) &&
        m_s.m_tableSurface.size() == QSize(s(kSurfaceWidth), s(kSurfaceHeight))) {
        return true;
    }
    m_s.m_backBuffer = QImage();  // the old ones go first: two sets at once are not needed
    m_s.m_tableSurface = QImage();
    if (!MakeSurface(m_s.m_backBuffer, s(kBaseWidth), s(kBaseHeight)) ||
        !MakeSurface(m_s.m_tableSurface, s(kSurfaceWidth), s(kSurfaceHeight))) {
        m_messages.ShowMessage(kMsgMemory, {}, kStyleError);
        return false;
    }
    return true;
}

bool CTable::SetPixelScale(double k) {
    if (!(k > 0) || k == Px().k) return true;
    m_art.Reset(PixelScale{k});
    // Before the start-up made them, the surfaces are made at this scale in the first place.
    if (m_s.m_backBuffer.isNull()) return true;
    return MakeScaledSurfaces();
}

bool CTable::ReadCardData(const QString& folder) {
    m_cardData = quintrick::ReadCardData(folder);
    return !m_cardData.isEmpty();
}

bool CTable::CompleteSurfaces() {
    if (m_surfacesComplete) return true;
    if (!BuildRemainingSurfaces(m_s, m_messages)) return false;
    const bool decoded = DecodeCardSheet(m_s, m_cardData);
    m_cardData = QByteArray();
    if (!decoded) {
        m_messages.ShowMessage(kMsgReadFailed, std::string(kCardDataFile) + "\n", kStyleError);
        return false;
    }
    m_surfacesComplete = true;
    return true;
}

void CTable::SetKakudo(double angle) {
    if (!(angle >= kMinAngle)) angle = kMinAngle;
    if (angle > kMaxAngle) angle = kMaxAngle;
    m_kakudo = angle;
}

void CTable::AngleUp() {
    if (m_kakudo == kMaxAngle) return;
    m_kakudo = std::min(m_kakudo + 1, double(kMaxAngle));
    Write(m_profile, entries::kKakudo, int(std::trunc(m_kakudo)));
    m_saveUnderRect = {};
    RedrawTable(false);
}

void CTable::AngleDown() {
    if (m_kakudo == kMinAngle) return;
    m_kakudo = std::max(m_kakudo - 1, double(kMinAngle));
    Write(m_profile, entries::kKakudo, int(std::trunc(m_kakudo)));
    m_saveUnderRect = {};
    RedrawTable(false);
}

bool CTable::HitTableEdge(int x, int y) const {
    const Rect edge = TableEdgeRect(Perspective(m_kakudo).ti);
    return x >= RightRect().right && y > edge.top && y < edge.bottom;
}

namespace {
int HumanCount(const GameState& gs) {
    return std::clamp(gs.m_handCount[kHumanSeat], 0, kHandSize);
}
}  // namespace

Rect CTable::HandRect() const {
    return HumanHandRect(HumanCount(m_gs), Perspective(m_kakudo).ti);
}

Rect CTable::CardRect(int i) const {
    return HumanCardRect(i, HumanCount(m_gs), Perspective(m_kakudo).ti);
}

Rect CTable::TurnMarkRect() const {
    const Point mark = HumanHandLayout(HumanCount(m_gs), Perspective(m_kakudo).ti).mark;
    return Rect::At(mark.x, mark.y, 34, 34);
}

Rect CTable::PlateRect(int seat) const {
    const int ti = Perspective(m_kakudo).ti;
    const int n = std::clamp(m_gs.m_handCount[seat], 0, kHandSize);
    const bool open = m_set.m_openMode == 1 && m_gs.m_game <= 3;
    const Point plate = seat == kHumanSeat ? HumanHandLayout(n, ti).plate
                                           : ComputerHandLayout(seat, n, ti, open).plate;
    return Rect::At(plate.x, plate.y, 66, 34);
}

Rect CTable::CalledSuitRect() const {
    const Rect hand = HandRect();
    return {hand.right + 8, hand.top, hand.right + 48, hand.top + 37};
}

Rect CTable::RightRect() const {
    const Rect hand = HandRect();
    return {hand.right + 52, hand.top, hand.right + 92, hand.top + 37};
}

Rect CTable::FieldRect() const {
    return ProjectRect(Perspective(m_kakudo), kFieldHitRect);
}

Rect CTable::DiscardRect() const {
    return ProjectRect(Perspective(m_kakudo), kDiscardHitRect);
}

int CTable::HitHandCard(int bx, int by) const {
    if (!HandRect().Contains(bx, by)) return -1;
    const int count = HumanCount(m_gs);
    for (int i = 0; i < count; ++i) {
        if (CardRect(i).Contains(bx, by)) return i;
    }
    return -1;
}

int CTable::PlateIndex(const std::string& name) {
    for (int i = 0; i < kRosterSize; ++i) {
        if (RosterName(i) == name) return i;
    }
    return -1;
}

QRgb CTable::BackgroundBottom() const {
    if (!m_isNt6) return kBackgroundTop;
    const int b = std::clamp(int(std::trunc(6 * m_kakudo)) - 30, 0, 255);
    return qRgb(0, b, b);
}

void CTable::DrawBackground() {
    if (m_s.m_backBuffer.isNull()) return;
    QImage& buffer = m_s.m_backBuffer;
    // A vertical two-colour gradient, one colour per row, linear from the top to the bottom.
    const QRgb top = kBackgroundTop;
    const QRgb bottom = BackgroundBottom();
    for (int y = 0; y < buffer.height(); ++y) {
        const auto at = [y, &buffer](int from, int to) {
            return from + (to - from) * y / std::max(1, buffer.height() - 1);
        };
        const QRgb colour = qRgb(at(qRed(top), qRed(bottom)), at(qGreen(top), qGreen(bottom)),
                                 at(qBlue(top), qBlue(bottom)));
        // wmemset fills four bytes at a time as fast as the library can.
        static_assert(sizeof(wchar_t) == sizeof(QRgb));
        std::wmemset(reinterpret_cast<wchar_t*>(buffer.scanLine(y)), wchar_t(colour),
                     size_t(buffer.width()));
    }
    QPainter p(&buffer);
    DrawIndicators(p);
    Copy(p, kToolbarPos.x, kToolbarPos.y, Art(m_s.m_imgToolbar), Px());
}

void CTable::RedrawTable(bool withSurface) {
    if (m_s.m_backBuffer.isNull()) return;
    DrawBackground();
    m_saveUnderRect = {};
    const bool open = m_set.m_openMode == 1 && m_gs.m_game <= 3;
    {
        QPainter p(&m_s.m_backBuffer);
        if (m_set.m_nokoriDsp == 1) DrawRemainingPanel(p);
        for (int seat : {1, 2}) open ? DrawOpenHand(p, seat) : DrawComputerHand(p, seat);
    }
    if (withSurface && !m_s.m_tableSurface.isNull()) {
        const SurfaceInputs inputs = CurrentSurfaceInputs();
        if (!(inputs == m_surfaceInputs)) {
            const auto [top, bottom] = ChangedRows(m_surfaceInputs, inputs);
            {
                QPainter t(&m_s.m_tableSurface);
                t.setClipRect(ToQRect(Px()(Rect{0, top, kSurfaceWidth, bottom})));
                DrawTableSurface(t);
                DrawCapturedPictures(t);
                DrawFieldCards(t);
                DrawShowCards(t);
            }
            m_surfaceInputs = CurrentSurfaceInputs();
            m_surfaceRows = {std::min(m_surfaceRows.first, top),
                             std::max(m_surfaceRows.second, bottom)};
        }
    }
    ProjectTable();
    {
        QPainter p(&m_s.m_backBuffer);
        DrawTableEdge(p);
        for (int seat : {0, 3}) open ? DrawOpenHand(p, seat) : DrawComputerHand(p, seat);
        DrawHumanHand(p);
        if (m_gs.m_showScore == 1) DrawScoreBoard(p);
    }
    if (m_repaint) m_repaint();
}

}  // namespace quintrick
