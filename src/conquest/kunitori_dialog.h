// The province map dialog: the standard map (one third, whole Japan) and the enlarged map
// (scrollable, clickable), the owners' colours and the stones, the human's and the regulars'
// takings, the unification ceremony and the export of the map image.
#pragma once

#include <QDialog>
#include <QImage>
#include <memory>

#include "conquest/conquest_rules.h"
#include "conquest/kuni_coords.h"
#include "conquest/kunitori_host.h"
#include "conquest/map_fill.h"

class QPushButton;
class QScrollBar;

namespace quintrick {

// The enlarged map's size plus a 24-pixel margin for the scroll bars.
inline constexpr int kScrollWidth = kEnlargedWidth + 24;    // 1491
inline constexpr int kScrollHeight = kEnlargedHeight + 24;  // 1638

class CKunitori : public QDialog, private IConquestMap {
    Q_OBJECT

  public:
    CKunitori(const KunitoriContext& context, QWidget* owner = nullptr);
    ~CKunitori() override;

    // Opens the map over its owner and runs it until it is closed. This is all the game window
    // does for menu command 32784.
    static void Run(const KunitoriContext& context, QWidget* owner);

    // False when the map images could not be made (message 30001 has been shown); the dialog
    // then ends as soon as it runs.
    bool IsReady() const { return m_ready; }
    int exec() override;

    void FillProvince(int province, QRgb colour);
    void WhitenProvinces();
    void PaintOwners();
    // The legend's stone column on the standard map, from the profile.
    void PaintStones();
    void SetStatus(const QString& text);
    void ShowInitialStatus();
    void UnificationCeremony();
    void SaveMapImage();

    // The Zoom button.
    void OnZoom();
    // Scroll bar actions (line, page, thumb tracking) on one bar.
    void OnScroll(Qt::Orientation orientation, int action);

    bool IsStandardMap() const { return m_standardMap; }
    bool InConquestMode() const { return m_session.ConquestMode(); }
    int ScrollX() const { return m_scrollX; }
    int ScrollY() const { return m_scrollY; }
    const QImage& EnlargedMap() const { return m_enlarged; }
    const QImage& StandardMap() const { return m_standard; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void done(int result) override;

  private:
    // IConquestMap
    void FillOwner(int province, int character) override;
    void ShowPlainBox(std::string_view caption, std::string_view text) override;
    void SetStatus(std::string_view text) override {
        SetStatus(QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    void RepaintFromProfile() override;
    void PlaySound(int sound) override;

    bool LoadMaps();
    void FillEnlarged(int province, QRgb colour);
    void PlaceControls();
    void SetScrollRanges();
    // The window manager's frame around the client area: the real one once it is known, the
    // owner's until then (the same manager frames both).
    QMargins FrameMargins() const;
    bool FrameKnown() const;
    // Gives the window the outer rectangle `outer`: the client is what the frame leaves of it.
    void SetOuterRect(const QRect& outer);
    void FitMinimumSize();
    // The outer rectangle now (the restored one while maximised).
    QRect OuterRect() const;
    void StoreWindowState();

    KunitoriContext m_context;
    ConquestSession m_session;
    MapSeeds m_seeds;
    bool m_ready = false;

    // The stored outer window rectangle ("Last" "PX", "PY", "SX", "SY").
    int m_px = 0, m_py = 0, m_sx = 640, m_sy = 480;
    QRect m_openRect;          // the outer rectangle given at opening
    QSize m_openClient;        // the client size that the opening rectangle left
    QMargins m_frameEstimate;  // the owner's frame, used until this window's own is known
    bool m_settled = false;    // the opening rectangle has been applied inside the real frame
    int m_scrollX = 0, m_scrollY = 0;
    int m_cw = 0, m_ch = 0;
    bool m_standardMap = true;
    bool m_clearBackground = false;
    bool m_stored = false;
    QString m_modeTitle;

    QImage m_enlarged;  // working copies of the map artwork, coloured in place
    QImage m_standard;
    QScrollBar* m_vertical = nullptr;
    QScrollBar* m_horizontal = nullptr;
    QPushButton* m_zoom = nullptr;
};

// The image type for a file name: the lower-cased extension, "jpg" and "tif" as "jpeg", "tiff".
QString ExportImageType(const QString& path);

// The local time as "%Y.%m.%d %H:%M:%S"; empty when it cannot be formatted.
QString FormatStamp(long long time);

}  // namespace quintrick
