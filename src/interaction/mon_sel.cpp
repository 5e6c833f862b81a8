#include "mon_sel.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

#include "resource_images.h"
#include "resource_paths.h"
#include "text/translations.h"

namespace quintrick {
namespace {

// Dialog units of the layout to pixels.
constexpr int kDlu = 2;
QRect Dlu(int x, int y, int w, int h) {
    return QRect(x * kDlu, y * kDlu, w * kDlu, h * kDlu);
}

QIcon PngIcon(const QString& path) {
    return QIcon(QPixmap::fromImage(ReadPngResource(path)));
}

constexpr const char* kSuitTips[4] = {QT_TRANSLATE_NOOP("SuitDialog", "クラブを指定します"),
                                      QT_TRANSLATE_NOOP("SuitDialog", "ダイヤを指定します"),
                                      QT_TRANSLATE_NOOP("SuitDialog", "ハートを指定します"),
                                      QT_TRANSLATE_NOOP("SuitDialog", "スッペを指定します")};
// The engine's word in front of the prompt when the trump is named.
[[maybe_unused]] constexpr const char* kTrumpPrompt = QT_TRANSLATE_NOOP("SuitDialog", "役に");

// The context of this file's texts in the catalogue.
struct SuitDialog {
    Q_DECLARE_TR_FUNCTIONS(SuitDialog)
};
constexpr int kSuitBitmaps[4] = {146, 147, 148, 149};

// The chosen suit's button is framed thick and dark blue on a light ground, seen at a glance
// whatever the colours of the suit, the other buttons only thinly.
constexpr const char* kSuitButtonStyle =
    "QToolButton { background: #f4f4f4; border: 1px solid #8a8a8a; border-radius: 4px; }"
    "QToolButton:hover { background: #fff4d8; }"
    "QToolButton:checked { background: #dce8ff; border: 4px solid #1a4fb0; }";

}  // namespace

CMonSel::CMonSel(QWidget* parent, std::function<void()> clickSound)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_clickSound(std::move(clickSound)) {
    setWindowTitle(SuitDialog::tr("紋の指定"));
    setFixedSize(Dlu(0, 0, 162, 76).size());

    m_promptLabel = new QLabel(SuitDialog::tr("請求"), this);
    m_promptLabel->setObjectName("1005");
    m_promptLabel->setGeometry(Dlu(13, 10, 16, 8));
    m_tailLabel = new QLabel(SuitDialog::tr("する紋を指定してください。"), this);
    QLabel* tail = m_tailLabel;
    tail->setGeometry(Dlu(29, 10, 85, 8));

    // The English picture already reads "OK": beside the text it would say it twice.
    auto* ok = new QPushButton(SuitDialog::tr("決 定(&Y)"), this);
    if (UiAssetLanguage() == AssetLanguage::Japanese) {
        ok->setIcon(PngIcon(ImagePath(182, UiAssetLanguage())));
    }
    ok->setObjectName("1");
    ok->setGeometry(Dlu(116, 2, 41, 20));
    ok->setIconSize(QSize(16, 16));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    ok->setCursor(Qt::ArrowCursor);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->installEventFilter(this);

    auto* group = new QButtonGroup(this);
    auto* buttons = new QButtonGroup(this);  // exactly one suit button is shown chosen
    for (int suit = 0; suit < 4; ++suit) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::number(1001 + suit));
        button->setGeometry(Dlu(27 + 26 * suit, 36, 26, 31));
        button->setIcon(PngIcon(ImagePath(kSuitBitmaps[suit])));
        button->setIconSize(QSize(47, 53));
        button->setToolTip(SuitDialog::tr(kSuitTips[suit]));
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::NoFocus);
        button->setCheckable(true);
        button->setStyleSheet(kSuitButtonStyle);
        buttons->addButton(button, suit);
        connect(button, &QToolButton::clicked, this, [this, suit] { Choose(suit, true); });
        m_suitButtons[suit] = button;

        auto* radio = new QRadioButton(this);
        radio->setObjectName(QString::number(1013 + suit));
        radio->setGeometry(Dlu(37 + 26 * suit, 25, 8, 10));
        radio->setFocusPolicy(Qt::NoFocus);
        group->addButton(radio, suit);
        connect(radio, &QRadioButton::clicked, this, [this, suit] { Choose(suit, false); });
        m_radios[suit] = radio;
    }
}

void CMonSel::OnInitDialog() {
    if (!m_prompt.empty()) m_promptLabel->setText(SuitDialog::tr(m_prompt.c_str()));
    FitPrompt();
    m_suit = 0;
    m_radios[0]->setChecked(true);
    m_suitButtons[0]->setChecked(true);
}

int CMonSel::exec() {
    OnInitDialog();
    return QDialog::exec();
}

void CMonSel::FitPrompt() {
    const QRect place = Dlu(13, 10, 16, 8);
    const int width = std::max(
        place.width(), m_promptLabel->fontMetrics().horizontalAdvance(m_promptLabel->text()) + 4);
    m_promptLabel->setGeometry(place.adjusted(0, 0, width - place.width(), 0));
    const QRect tail = Dlu(29, 10, 85, 8);
    m_tailLabel->setGeometry(tail.translated(width - place.width(), 0));
}

void CMonSel::Choose(int suit, bool fromSuitButton) {
    m_suit = suit;
    if (fromSuitButton) m_radios[suit]->setChecked(true);
    m_suitButtons[suit]->setChecked(true);
    if (m_clickSound) m_clickSound();
}

bool CMonSel::ChooseByKey(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            Choose((m_suit + 3) % 4, true);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            Choose((m_suit + 1) % 4, true);
            return true;
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_3:
        case Qt::Key_4:
            Choose(key - Qt::Key_1, true);
            return true;
        default:
            return false;
    }
}

void CMonSel::keyPressEvent(QKeyEvent* event) {
    if (!ChooseByKey(event->key())) QDialog::keyPressEvent(event);
}

bool CMonSel::eventFilter(QObject* watched, QEvent* event) {
    // The OK button keeps the focus (Enter, Space); the arrows would move it away.
    if (event->type() == QEvent::KeyPress && ChooseByKey(static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quintrick
