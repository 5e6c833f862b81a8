// The human's card play by mouse and keyboard, and the pointer feedback that goes with it: the
// cursor shapes, the dragged card, the keyboard mark, the discard spread and the angle drag along
// the table's front edge. The view forwards its events here; they become the engine's operations
// of the human's play (CEngine: PickUpCard, DropHeldCard, ReleaseHold ...), which hold every rule.
// The overlays are drawn by the view's paint routine over the composed table, reading the state
// only, so a mouse move never recomposes the table.
#pragma once

#include <QPainter>

#include "engine/engine.h"
#include "table/table.h"

namespace quintrick {

// The pointer shapes of the view.
enum class Pointer { Arrow, Hand, UpDown, NoEntry, EdgeDrag };

// Keys the game answers to.
enum class GameKey { Enter, Space, Up, Left, Right, Home, End };

// What the input handling needs of its window.
class IInputHost {
  public:
    virtual ~IInputHost() = default;
    virtual void SetPointer(Pointer pointer) = 0;
    // Repaints the window at once from the composed table, overlays on top.
    virtual void RepaintNow() = 0;
    // Repaints the part of the window under a screen rectangle.
    virtual void RepaintArea(const Rect& screen) = 0;
    // Opens popup menu 0 (game), 1 (settings) or 2 (help) under the icon row.
    virtual void OpenMenu(int position) = 0;
};

class CHumanInput {
  public:
    CHumanInput(GameState& gs, const SettingCopies& settings, CEngine& engine, CTable& table,
                IProfile& profile, IInputHost& host);
    CHumanInput(const CHumanInput&) = delete;
    CHumanInput& operator=(const CHumanInput&) = delete;

    // Mouse events at client (screen) pixels.
    void OnMouseMove(int x, int y);
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnLButtonDblClk(int x, int y);
    void OnKeyDown(GameKey key);

    // Position of the human's card under a base point, or -1; `remember` stores the grab offset.
    int HitHandCard(int bx, int by, bool remember);
    // Icon 0..4 of the icon row under a base point, or -1.
    static int HitIcon(int bx, int by);

    // Overlays, called by the paint routine; they only read the state.
    void DrawCursorMark(QPainter& p) const;
    void DrawOverlay(QPainter& p) const;

    // Clears the pointer state (the view's initial update).
    void Reset();
    bool AngleDragging() const { return m_engine.HeldNow() == CEngine::Held::kAngle; }
    Pointer CurrentPointer() const { return m_pointer; }

    // Base units of pointer travel per degree of the angle drag, and its range.
    static constexpr double kEdgePxPerDeg = 12.0;
    static constexpr int kEdgeMinY = 480;
    static constexpr int kEdgeMaxY = 684;

  private:
    void Show(Pointer pointer);
    void DrawDraggedCard(int bx, int by);
    // The drop zone: the field enlarged by a quarter of its width and height on each side.
    bool InDropZone(int bx, int by) const;
    void Redraw() { m_table.RedrawTable(true); }

    GameState& m_gs;
    const SettingCopies& m_set;
    CEngine& m_engine;
    CTable& m_table;
    IProfile& m_profile;
    IInputHost& m_host;
    Pointer m_pointer = Pointer::Arrow;
    Rect m_dragScreen;  // where the dragged card is drawn (screen pixels); empty = not drawn
};

}  // namespace quintrick
