// The table: the surfaces, the bird's-eye angle, the rectangles of the layout, the
// composition of the whole table in base coordinates (RedrawTable) and the paint routine that
// brings it to any QPainter at the client size. The view owns one and supplies the game state,
// the setting copies, the profile and the message boxes.
#pragma once

#include <QPainter>
#include <QSize>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/game_state.h"
#include "engine/host.h"
#include "engine/setting_copies.h"
#include "geometry.h"
#include "layout.h"
#include "projection.h"
#include "scaled_art.h"
#include "surfaces.h"

namespace quintrick {

class CTable {
  public:
    CTable(const GameState& gs, const SettingCopies& settings, IProfile& profile,
           IMessageBox& messages);
    CTable(const CTable&) = delete;
    CTable& operator=(const CTable&) = delete;

    // Start-up: the surfaces, the card sheet (from `folder`, by default the executable's) and
    // the card backs (from the cache unless `rebuild`).
    bool BuildSurfaces() { return quintrick::BuildSurfaces(m_s, m_messages); }
    void ReleaseSurfaces() { quintrick::ReleaseSurfaces(m_s); }
    bool LoadCardSheet(const QString& folder = {}) { return quintrick::LoadCardSheet(m_s, folder); }
    // `flicker` is called ten times while the hand strip is composed (the F1 button's flicker).
    bool PrepareCardBacks(bool rebuild, std::function<void()> flicker = {});
    // The start-up in steps, so that the empty table is on the screen sooner: what it needs;
    // the card data file read and checked (from `folder`, by default the executable's; false
    // without a message when it is missing or damaged); then the rest: the remaining surfaces
    // and the card sheet decoded (nothing once done). The first and the last show a message when
    // a surface cannot be made; the last also when the sheet does not decode.
    bool BuildFirstSurfaces();
    bool ReadCardData(const QString& folder = {});
    bool CompleteSurfaces();

    // The scale the table is composed at: pixels of the back buffer per base unit (1: the base
    // 1200 x 900). A new scale makes the back buffer and the table surface anew at their new
    // size (once they exist) and forgets what was drawn at the old one; the next RedrawTable
    // composes at the new scale. False when a surface cannot be made (a message was shown).
    bool SetPixelScale(double k);
    double PixelScaleFactor() const { return m_art.Scale().k; }

    // The bird's-eye angle.
    double Kakudo() const { return m_kakudo; }
    void SetKakudo(double angle);  // the edge drag; never below 9 or above 26
    void AngleUp();
    void AngleDown();
    bool HitTableEdge(int x, int y) const;
    // Where the two show cards lie on the table at the current angle (base coordinates).
    Rect ShowCardsRect() const;

    // Composes the table into m_backBuffer (with the table surface redrawn first when
    // withSurface) and asks for a repaint.
    void RedrawTable(bool withSurface);
    void DrawBackground();
    // The background gradient's bottom colour (its top is kBackgroundTop).
    QRgb BackgroundBottom() const;

    // Extra drawing of the view: `mark` at the keyboard selection mark's place in the paint
    // order, `overlay` after everything else (dragged card, discard spread, call plates ...).
    struct PaintHooks {
        std::function<void(QPainter&)> mark;
        std::function<void(QPainter&)> overlay;
    };
    // Paints the composed table stretched to the scales, with the banner, the called-suit and
    // right indicators and white margins up to `client`.
    void Paint(QPainter& p, QSize client, const PaintHooks& hooks = {});
    // Fills what `client` has outside `area` with the table's background, its gradient's rows
    // running on from the table's.
    void PaintMargins(QPainter& p, const QRect& area, const QRect& client) const;

    // Name plate row of a player name in the roster; 0 when the name is not in it.
    // The plate of a character's name; -1 for no character (the human before choosing one).
    static int PlateIndex(const std::string& name);

    CSurfaces m_s;
    Scales m_scales;

    // Application flags: a newer system (gradient background), and the peek commands with the
    // hand publication.
    bool m_isNt6 = true;
    // The human is answering a question or choosing the trump: the turn mark points at the
    // human whoever's turn it is.
    bool m_humanAnswers = false;
    bool m_thumbBar = true;

    // Asks the window to repaint at once (RedrawTable's last step).
    std::function<void()> m_repaint;
    // Where things lie now (base coordinates), computed from the layout for the current state
    // and angle, never recorded by a draw: hit tests and explanations use these.
    Rect HandRect() const;           // the human's whole hand
    Rect CardRect(int i) const;      // the visible strip of card i of the human's hand
    Rect TurnMarkRect() const;       // the human's current-player mark
    Rect PlateRect(int seat) const;  // a seat's name plate
    Rect CalledSuitRect() const;     // the called-suit indicator right of the hand
    Rect RightRect() const;          // the right indicator beside it
    Rect FieldRect() const;
    Rect DiscardRect() const;
    // Position of the human's card under a base point, or -1.
    int HitHandCard(int bx, int by) const;

    Rect m_discardSide;  // the discard stack's side, as the last projection drew it
    int m_discardTopRow = 0;
    int m_discardBottomRow = 0;
    Rect m_saveUnderRect;  // screen rectangle under an overlay; emptied by every redraw

  private:
    // The scale of the composition, and the images as drawn at it.
    PixelScale Px() const { return m_art.Scale(); }
    const QImage& Art(const QImage& base, int cellW = 0, int cellH = 0) {
        return Px().k == 1 ? base : m_art.Of(base, cellW, cellH);
    }
    // An image the table stamps digits into before it draws it.
    QImage& Stamped(QImage& base) { return Px().k == 1 ? base : m_art.Of(base, 0, 0, false); }
    // The back buffer and the table surface at the scale; false when one cannot be made.
    bool MakeScaledSurfaces();

    // Panels (draw_panels.cpp).
    void DrawIndicators(QPainter& p);
    void DrawRemainingPanel(QPainter& p);
    void DrawScoreBoard(QPainter& p);
    void DrawLcdNumber(QPainter& p, int value, int x, int y);
    // Hands (draw_hands.cpp).
    void DrawComputerHand(QPainter& p, int seat);
    void DrawOpenHand(QPainter& p, int seat);
    void DrawHumanHand(QPainter& p);
    void DrawSeatMarks(QPainter& p, int seat, const HandLayout& l);
    // Table surface and projection (draw_surface.cpp).
    void DrawTableSurface(QPainter& p);
    void DrawCapturedPictures(QPainter& p);
    void DrawFieldCards(QPainter& p);
    void DrawShowCards(QPainter& p);
    void ProjectTable();  // writes the back buffer directly: no painter may be open on it
    void DrawTableEdge(QPainter& p);
    void DrawCard(QPainter& p, CardId card, int x, int y);
    // A card turned a quarter turn clockwise (the side seats' cards on the table).
    void DrawTurnedCard(QPainter& p, CardId card, int x, int y);
    // Paint (paint.cpp).
    void DrawBanner(QPainter& p, int row);
    void DrawInfoIndicators(QPainter& p);

    // What the table surface shows; it is drawn again only when this changes.
    struct SurfaceInputs {
        int ti = -1;
        int discardCount = 0;
        std::array<int, kPictureCards> pictureTaker{};
        std::array<CardId, kSeats> field{};
        int showCount = 0;
        std::array<CardId, 2> showCard{};
        qint64 sheet = 0, backSideways = 0, surface = 0;
        bool operator==(const SurfaceInputs&) const = default;
    };
    SurfaceInputs CurrentSurfaceInputs() const;
    // The rows of the table surface where `now` differs from `before` (top, bottom exclusive).
    static std::pair<int, int> ChangedRows(const SurfaceInputs& before, const SurfaceInputs& now);
    // The projected table top: kept in base coordinates with the row spans it covers, and
    // projected again only when the angle or the table surface changes.
    struct ProjectedTable {
        QImage image;
        struct Span {
            int y, left, right;
        };
        std::vector<Span> spans;
        double kakudo = -1;
        qint64 surface = 0;
    };
    std::pair<int, int> m_surfaceRows{0, kSurfaceHeight};  // rows drawn again since projected
    // Projects the bands whose source rows meet rows top .. bottom - 1 of the table surface.
    void Reproject(const std::vector<ProjectionBand>& bands, int top, int bottom);

    // A computer seat's face-down fan scaled to its drawn size, for the fans it was scaled from.
    struct ScaledFan {
        struct Key {
            int count = 0, width = 0, height = 0;
            qint64 source = 0;
            bool operator==(const Key&) const = default;
        } key;
        QImage image;
    };
    std::array<ScaledFan, kSeats> m_fans;
    // The unscaled fan last scaled, kept for the next scaling (the computers play down to the
    // same count one after another; an angle drag scales every fan again).
    struct UnscaledFan {
        int count = 0;
        qint64 source = 0;
        QImage image;
    } m_unscaled;
    const QImage& Unscaled(int count);

    const GameState& m_gs;
    const SettingCopies& m_set;
    IProfile& m_profile;
    IMessageBox& m_messages;
    double m_kakudo = kDefaultAngle;
    SurfaceInputs m_surfaceInputs;
    QByteArray m_cardData;  // the card data file between the two halves of the start-up
    bool m_surfacesComplete = false;
    ProjectedTable m_projected;
    ScaledArt m_art;
};

}  // namespace quintrick
