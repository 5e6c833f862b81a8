// The view as the engine's host: message boxes, dialogs, sounds, redraws, close requests, the
// clock and the call plates.
#include <QPainter>
#include <QTime>

#include "engine/settings_table.h"
#include "engine/strings.h"
#include "table/layout.h"
#include "view.h"

namespace quintrick {

namespace {

// While the human answers, the turn mark points at the human; the table is drawn again after.
class HumanAnswers {
  public:
    HumanAnswers(CTable& table, bool inGame) : m_table(table), m_on(inGame) {
        if (!m_on) return;
        m_table.m_humanAnswers = true;
        m_table.RedrawTable(true);
    }
    ~HumanAnswers() {
        if (!m_on) return;
        m_table.m_humanAnswers = false;
        m_table.RedrawTable(true);
    }
    HumanAnswers(const HumanAnswers&) = delete;
    HumanAnswers& operator=(const HumanAnswers&) = delete;

  private:
    CTable& m_table;
    bool m_on;
};

}  // namespace

int CT40913View::ShowMessage(int stringId, std::string_view prefix, int style) {
    // Only the game's own questions: the quit and new-match questions are about the window.
    const bool game = stringId != kMsgQuitMidway && stringId != kMsgAbandonMatch;
    const HumanAnswers answering(m_table,
                                 style == kStyleQuestion && game && m_gs.m_phase != kNoGame);
    return m_dialogs->Message(this, stringId, prefix, style);
}

int CT40913View::ChooseSuit(std::string_view prompt) {
    const HumanAnswers answering(m_table, m_gs.m_phase != kNoGame);
    return m_dialogs->ChooseSuit(this, prompt);
}

int CT40913View::ChooseCharacter() {
    return m_dialogs->ChooseCharacter(this);
}

void CT40913View::PlaySound(int sound, bool toEnd) {
    m_sound.Play(sound, toEnd);
}

void CT40913View::RedrawTable() {
    m_table.RedrawTable(true);
}

bool CT40913View::PrepareCardBacks() {
    return PrepareCardBacks(false);
}

bool CT40913View::PrepareCardBacks(bool rebuild) {
    const bool ok = m_table.PrepareCardBacks(rebuild, [this] { FlickerF1Button(); });
    // A preparation that stopped half-way leaves the button as it was all the same.
    if (m_f1Inverted) FlickerF1Button();
    return ok;
}

void CT40913View::GameOver() {
    if (!m_gameResult.Pending()) return;
    m_gameResult.Shown();
    if (Read(m_profile, entries::kResultPanel) != 1) return;
    if (m_dialogs->ShowResult(this, m_gameResult.Result())) ReviewLastGame();
}

void CT40913View::RequestClose() {
    // After the last game nothing is in the middle: close without asking.
    m_closeWithoutAsking = true;
    QMetaObject::invokeMethod(window(), "close", Qt::QueuedConnection);
}

LocalTime CT40913View::LocalTimeOfDay() {
    const QTime now = QTime::currentTime();
    if (!now.isValid()) return {0, 0, 0, false};
    return {now.hour(), now.minute(), now.second(), true};
}

void CT40913View::ShowCallout(Callout callout, int seat, int suit, int sound, int pauseMs) {
    const CSurfaces& s = m_table.m_s;
    QImage plate;
    switch (callout) {
        case Callout::Redeal:
            plate = s.m_imgRedeal;
            break;
        case Callout::Kan:
            plate = s.m_imgKan;
            break;
        case Callout::Come:
            plate = s.m_imgKoi;
            break;
        case Callout::Go:
            plate = s.m_imgIku;
            break;
        case Callout::SuitCall:
            plate = s.m_imgSuitCall;
            break;
        case Callout::TrumpCall:
            plate = s.m_imgTrumpCall;
            break;
    }
    if (!plate.isNull()) {
        // The suit is stamped on a copy: the plate itself stays clean for the next call.
        plate = plate.convertToFormat(QImage::Format_RGB32);
        if (callout == Callout::SuitCall || callout == Callout::TrumpCall) {
            QPainter p(&plate);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            const QRect at =
                callout == Callout::SuitCall ? QRect(5, 0, 34, 38) : QRect(29, 1, 32, 36);
            p.drawImage(at, s.m_keyed.suit[suit & 3]);
        }
        const Scales& sc = m_table.m_scales;
        const int w = sc.X(plate.width());
        const int h = sc.Y(plate.height());
        QPoint pos((m_area.width() - w) / 2, (m_area.height() - h) / 2);
        if (callout != Callout::Redeal && seat >= 0 && seat < 4) {
            pos = QPoint(sc.X(kCalloutPos[seat].x), sc.Y(kCalloutPos[seat].y));
        }
        m_callout.image = KeyToAlpha(plate, kKeyPlate);
        m_callout.screen = QRect(pos, QSize(w, h));
        m_callout.active = true;
        repaint();
    }
    // Input and ticks wait: the sound and the pause hold the window still.
    if (sound != 0) m_sound.Play(sound, true);
    m_dialogs->Pause(pauseMs);
    m_callout.active = false;
    m_callout.image = QImage();
    repaint();
}

void CT40913View::PaintCallout(QPainter& p) {
    if (!m_callout.active || m_callout.image.isNull()) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(m_callout.screen, m_callout.image);
}

}  // namespace quintrick
