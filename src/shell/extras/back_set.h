// The card-back settings dialog: one of the two built-in backs or a picture of the user's own
// (chosen with the file dialog or dropped onto the black frame, squeezed to the card size and
// kept as "CardBackOne.jpg" in the cache folder), with or without a frame line. After it closes
// the card-back surfaces are rebuilt and the table redrawn when something changed.
#pragma once

#include <QDialog>
#include <QRect>
#include <array>
#include <functional>

#include "engine/host.h"
#include "table/surfaces.h"

class QCheckBox;
class QRadioButton;

namespace quintrick {

// What the dialog works with: the view's surfaces (the card sheet with the built-in backs, and
// m_cardBack, which holds the user's picture while the dialog is open), the profile, the
// message boxes, and the view's follow-up steps.
struct BackSetHost {
    CSurfaces& s;
    IProfile& profile;
    IMessageBox& messages;
    std::function<void()> playChoice;  // sound 150 (silent while sounds are off)
    std::function<bool(bool rebuild)> prepareCardBacks;
    std::function<void()> redrawTable;  // the whole table, discard pile as it is
};

// The card rectangle (x, y, width, height) fitted into a frame of the given rectangle: the card
// at its own size, centred, when the frame is larger both ways; otherwise scaled to the frame's
// width or height, whichever is tighter, and centred the other way.
QRect FitCardRect(const QRect& frame);

// The file dialog's filter from the program's own filter text ("description|patterns|...||").
QString FileDialogFilter(const QString& windowsFilter);

class CBackSet : public QDialog {
  public:
    explicit CBackSet(BackSetHost& host, QWidget* parent = nullptr);

    // Loads a picture file as the user's back; false (and nothing changed) when the file is
    // missing, of an unsupported type or cannot be decoded.
    bool OpenFreeImage(const QString& path);
    // The OK step: false (the dialog stays open) when the user's picture is chosen but none is
    // set; otherwise stores the settings and closes the dialog with OK.
    bool StoreBackSettings();
    void accept() override;

    bool Changed() const { return m_changed; }
    bool PictureSet() const { return m_pictureSet; }
    int Selection() const;
    // The fitted card rectangles of the three frames (106, 107, 108), client coordinates.
    const std::array<QRect, 3>& CardRects() const { return m_card; }

    // The open-file dialog; returns the chosen path or empty when cancelled. Tests replace it.
    std::function<QString()> m_chooseFile;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    int FrameAt(QPoint point) const;  // 0..2, -1 outside every frame
    void Select(int which);
    void ChooseFile();

    BackSetHost& m_host;
    std::array<QRadioButton*, 3> m_radio{};
    QCheckBox* m_frameCheck = nullptr;
    bool m_changed = false;
    bool m_pictureSet = false;
    bool m_frameLine = true;
    std::array<QRect, 3> m_frame{};
    std::array<QRect, 3> m_card{};
};

// The card-back command: the dialog, then the follow-up.
void RunBackSettings(BackSetHost& host, QWidget* parent);
// The follow-up after the dialog closed: the user's picture is kept only while it is the chosen
// back; after OK with a change the card backs are rebuilt (30007 on failure) and the table
// redrawn.
void FinishBackSettings(BackSetHost& host, bool accepted, bool changed);

}  // namespace quintrick
