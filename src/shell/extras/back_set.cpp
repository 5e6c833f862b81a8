#include "shell/extras/back_set.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

#include "engine/settings_table.h"
#include "engine/strings.h"
#include "images/image_files.h"
#include "table/card_backs.h"
#include "table/layout.h"

namespace quintrick {
namespace {

constexpr char kFileDialogTitle[] = QT_TRANSLATE_NOOP("CardBacks", "イメージファイルを指定");
constexpr char kFileFilter[] = QT_TRANSLATE_NOOP(
    "CardBacks",
    "イメージファイル(jpeg, gif, bmp, png, tiff) "
    "|*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.tif;*.tiff|JPEGファイル(*.jpeg)|*.jpg;*.jpeg|"
    "GIFファイル(*.gif)|*.gif|ビットマップファイル(*.bmp)|*.bmp|PNGファイル(*.png)|*.png|"
    "TIFFファイル(*.tiff)|*.tif;*.tiff||");

// The context of this file's texts in the catalogue.
struct CardBacks {
    Q_DECLARE_TR_FUNCTIONS(CardBacks)
};

// The dialog is laid out in dialog units of its 11-point font.
constexpr double kUnitX = 1.9;
constexpr double kUnitY = 1.75;
QRect Units(int x, int y, int w, int h) {
    return QRect(int(x * kUnitX), int(y * kUnitY), int(w * kUnitX), int(h * kUnitY));
}

// The built-in backs' cells on the card sheet.
QRect BuiltInCell(int which) {
    return QRect(0, kCardHeight * (which + 1), kCardWidth, kCardHeight);
}

}  // namespace

QRect FitCardRect(const QRect& frame) {
    const int w = frame.width();
    const int h = frame.height();
    if (w > kCardWidth && h > kCardHeight)
        return QRect(frame.left() + (w - kCardWidth) / 2, frame.top() + (h - kCardHeight) / 2,
                     kCardWidth, kCardHeight);
    const float fx = float(w) / float(kCardWidth);
    const float fy = float(h) / float(kCardHeight);
    if (fy > fx) {
        const int ch = int(fx * float(kCardHeight));
        return QRect(frame.left(), frame.top() + (h - ch) / 2, w, ch);
    }
    const int cw = int(fy * float(kCardWidth));
    return QRect(frame.left() + (w - cw) / 2, frame.top(), cw, h);
}

QString FileDialogFilter(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << parts[i].trimmed() + QStringLiteral(" (") + patterns + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

CBackSet::CBackSet(BackSetHost& host, QWidget* parent) : QDialog(parent), m_host(host) {
    setObjectName(QStringLiteral("169"));
    setWindowTitle(CardBacks::tr("カード背面の設定"));
    QFont f(PreferredGothicFamily());
    f.setPointSize(11);
    setFont(f);
    setFixedSize(Units(0, 0, 317, 206).size());
    setAcceptDrops(true);
    setMouseTracking(true);

    auto* intro =
        new QLabel(CardBacks::tr("カードの背面に設定したいイメージを選択してください。"), this);
    intro->setGeometry(Units(7, 4, 305, 11));

    static const char* const kRadioTexts[3] = {
        QT_TRANSLATE_NOOP("CardBacks", "南八甲田山中の黄瀬沼(&1)"),
        QT_TRANSLATE_NOOP("CardBacks", "国指定名勝の盛美園(&2)"),
        QT_TRANSLATE_NOOP("CardBacks", "自由設定イメージ(&3)")};
    for (int i = 0; i < 3; ++i) {
        // The frames are painted by the dialog; these stand-ins only carry their places.
        auto* frame = new QWidget(this);
        frame->setObjectName(QString::number(106 + i));
        frame->setGeometry(Units(7 + 103 * i, 17, 100, 120));
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_frame[i] = frame->geometry();
        m_card[i] = FitCardRect(m_frame[i]);

        m_radio[i] = new QRadioButton(CardBacks::tr(kRadioTexts[i]), this);
        m_radio[i]->setObjectName(QString::number(1000 + i));
        m_radio[i]->setGeometry(Units(7 + 103 * i, 139, 100, 11));
        connect(m_radio[i], &QRadioButton::clicked, this, [this] {
            if (m_host.playChoice) m_host.playChoice();
        });
    }

    auto* change = new QPushButton(CardBacks::tr("変更(&P)"), this);
    change->setObjectName(QStringLiteral("1017"));
    change->setGeometry(Units(262, 151, 50, 14));
    connect(change, &QPushButton::clicked, this, [this] { ChooseFile(); });

    m_frameCheck = new QCheckBox(CardBacks::tr("カード外周に枠線を付ける(&W)"), this);
    m_frameCheck->setObjectName(QStringLiteral("1012"));
    m_frameCheck->setGeometry(Units(7, 153, 200, 11));
    connect(m_frameCheck, &QCheckBox::toggled, this, [this](bool on) {
        m_frameLine = on;
        for (const QRect& r : m_frame) repaint(r.adjusted(-2, -2, 2, 2));
    });

    auto* note1 = new QLabel(CardBacks::tr("※ 自由設定イメージを変更したい場合は、「変更」ボタンを"
                                           "クリックしてファイルを選択してください。"),
                             this);
    note1->setGeometry(Units(7, 166, 238, 19));
    note1->setWordWrap(true);
    auto* note2 = new QLabel(
        CardBacks::tr("黒枠内に直接ファイルをドラッグ＆ドロップしてセットすることもできます。"),
        this);
    note2->setGeometry(Units(7, 186, 238, 19));
    note2->setWordWrap(true);

    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                               CardBacks::tr("保存終了(&S)"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(Units(250, 168, 62, 16));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CBackSet::accept);
    auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                   CardBacks::tr("中止(&C)"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(Units(250, 187, 62, 16));
    connect(cancel, &QPushButton::clicked, this, &CBackSet::reject);

    m_chooseFile = [this] {
        return QFileDialog::getOpenFileName(this, CardBacks::tr(kFileDialogTitle), QString(),
                                            FileDialogFilter(CardBacks::tr(kFileFilter)));
    };

    // The stored choice, the user's stored picture and the frame line.
    const int backSet = Read(m_host.profile, entries::kBackSet);
    m_radio[backSet == 1 ? 1 : backSet == 2 ? 2 : 0]->setChecked(true);
    CardBackContext ctx{m_host.s, m_host.profile, m_host.messages, {}};
    m_pictureSet = LoadStoredFreeImage(ctx);
    m_frameLine = Read(m_host.profile, entries::kCardWaku) != 0;
    m_frameCheck->setChecked(m_frameLine);
}

int CBackSet::Selection() const {
    if (m_radio[2]->isChecked()) return 2;
    return m_radio[1]->isChecked() ? 1 : 0;
}

int CBackSet::FrameAt(QPoint point) const {
    for (int i = 0; i < 3; ++i) {
        if (m_frame[i].contains(point)) return i;
    }
    return -1;
}

void CBackSet::Select(int which) {
    m_radio[which]->setChecked(true);
}

void CBackSet::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < 3; ++i) {
        p.setPen(i == 2 ? Qt::black : Qt::white);
        p.setBrush(Qt::NoBrush);
        p.drawRect(m_frame[i].adjusted(0, 0, -1, -1));
        bool drawn = false;
        if (i < 2 && !m_host.s.m_cardSheet.isNull()) {
            p.drawImage(m_card[i], m_host.s.m_cardSheet, BuiltInCell(i));
            drawn = true;
        } else if (i == 2 && m_pictureSet && !m_host.s.m_cardBack.isNull()) {
            p.drawImage(m_card[i], m_host.s.m_cardBack, QRect(0, 0, kCardWidth, kCardHeight));
            drawn = true;
        }
        if (drawn && m_frameLine) {
            p.setPen(QColor::fromRgb(kFrameColour));
            p.drawRect(m_card[i].adjusted(0, 0, -1, -1));
        }
    }
}

void CBackSet::mousePressEvent(QMouseEvent* event) {
    const int which = FrameAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && which >= 0) {
        Select(which);
        if (m_host.playChoice) m_host.playChoice();
    }
    QDialog::mousePressEvent(event);
}

void CBackSet::mouseDoubleClickEvent(QMouseEvent* event) {
    const int which = FrameAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && which >= 0) {
        Select(which);
        StoreBackSettings();
        return;
    }
    QDialog::mouseDoubleClickEvent(event);
}

void CBackSet::mouseMoveEvent(QMouseEvent* event) {
    const int which = FrameAt(event->position().toPoint());
    const bool hot = which >= 0 && (which < 2 || m_pictureSet);
    setCursor(hot ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QDialog::mouseMoveEvent(event);
}

void CBackSet::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CBackSet::dragMoveEvent(QDragMoveEvent* event) {
    // Only the black frame takes a dropped file.
    if (event->mimeData()->hasUrls() && FrameAt(event->position().toPoint()) == 2)
        event->acceptProposedAction();
    else
        event->ignore();
}

void CBackSet::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || FrameAt(event->position().toPoint()) != 2 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    OpenFreeImage(urls.first().toLocalFile());
}

void CBackSet::ChooseFile() {
    const QString path = m_chooseFile ? m_chooseFile() : QString();
    if (!path.isEmpty()) OpenFreeImage(path);
}

bool CBackSet::OpenFreeImage(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    const QString type = ImageTypeOf(path, m_host.messages);  // 30056 for other types
    if (type.isEmpty()) return false;
    int width = 0, height = 0;
    QImage picture;
    if (type == QStringLiteral("jpeg")) picture = LoadPictureFile(path, width, height);
    if (picture.isNull()) picture = LoadImageAsPicture(path, width, height, m_host.messages);
    // A broken or hostile file gives no picture: refused, and the back on view stays.
    QImage whole;
    if (!picture.isNull()) whole = QImage(PictureSizeInPixels(picture), QImage::Format_RGB32);
    bool rendered = false;
    if (!whole.isNull()) {
        whole.fill(Qt::white);
        QPainter p(&whole);
        rendered = RenderPicture(p, picture);
    }
    if (!rendered) {
        m_host.messages.ShowMessage(kMsgTransferFailed, {}, kStyleError);
        return false;
    }
    // Squeezed to the card size; the proportions are not kept.
    QImage back =
        whole.scaled(kCardWidth, kCardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    if (back.isNull()) return false;
    m_host.s.m_cardBack = back;
    m_pictureSet = true;
    m_changed = true;
    Select(2);
    repaint();
    return true;
}

bool CBackSet::StoreBackSettings() {
    const int sel = Selection();
    if (sel == 2 && !m_pictureSet) {
        m_host.messages.ShowMessage(kMsgNoFreeImage, {}, kStyleError);
        return false;
    }
    if (sel == 2 && m_changed) {
        const QString dir = GetTempDir({}, m_host.messages);
        // A failed save is not fatal: the surfaces fall back to the first built-in back.
        if (!dir.isEmpty())
            SaveBitmapAsImage(m_host.s.m_cardBack, kCardWidth, kCardHeight,
                              QDir(dir).filePath(QString::fromLatin1(kFreeImageFile)),
                              QStringLiteral("jpeg"), m_host.messages);
    }
    // The choice and the frame line are stored together, as one write.
    const ProfileGroup group(m_host.profile);
    if (sel != Read(m_host.profile, entries::kBackSet)) {
        Write(m_host.profile, entries::kBackSet, sel);
        m_changed = true;
    }
    const int frameLine = m_frameLine ? 1 : 0;
    if (frameLine != Read(m_host.profile, entries::kCardWaku)) {
        Write(m_host.profile, entries::kCardWaku, frameLine);
        m_changed = true;
    }
    QDialog::accept();
    return true;
}

void CBackSet::accept() {
    StoreBackSettings();
}

void FinishBackSettings(BackSetHost& host, bool accepted, bool changed) {
    if (Read(host.profile, entries::kBackSet) != 2) DeleteTempCardBack(host.messages);
    if (!accepted || !changed) return;
    if (!host.prepareCardBacks || !host.prepareCardBacks(true)) {
        host.messages.ShowMessage(kMsgCardBackFailed, {}, kStyleError);
        return;
    }
    if (host.redrawTable) host.redrawTable();
}

void RunBackSettings(BackSetHost& host, QWidget* parent) {
    CBackSet dialog(host, parent);
    const int result = dialog.exec();
    FinishBackSettings(host, result == QDialog::Accepted, dialog.Changed());
}

}  // namespace quintrick
