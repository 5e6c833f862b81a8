#include "select.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "conquest/kuni_table.h"
#include "resource_images.h"
#include "resource_paths.h"
#include "text/translations.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {
constexpr int kDlu = 2;  // dialog units to pixels
// The context of this file's texts in the catalogue.
struct Select {
    Q_DECLARE_TR_FUNCTIONS(Select)
};
}  // namespace

CSelect::CSelect(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Select::tr("打ち手の選択 (下の６名の中から選択してください)"));
    setFixedSize(217 * kDlu, 269 * kDlu + 28);

    auto* map = new QLabel(this);
    map->setObjectName("191");
    map->setGeometry(0, 0, 217 * kDlu, 269 * kDlu);
    map->setPixmap(QPixmap::fromImage(ReadPngResource(ImagePath(191, UiAssetLanguage()))));

    auto* note = new QLabel(Select::tr("※ 自動スタートにするとこの画面は表示されません。"), this);
    note->setGeometry(8, 269 * kDlu + 3, 217 * kDlu - 16, 22);
    note->setStyleSheet("color: #203040;");

    for (const SelectButton& b : kSelectButtons) {
        const QString name = UiRosterName(b.character);
        auto* button = new QPushButton(name, this);
        button->setObjectName(QString::number(b.id));
        button->setGeometry(b.left * kDlu, b.top * kDlu, 30 * kDlu, 27 * kDlu);
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(false);
        // The title names the character's home province, as the province table has it.
        const QString home =
            QString::fromStdString(KuniName(HomeProvince(b.character), &UiTextUtf8));
        //: The tip of a character's button: %1 its home province, %2 the character's name.
        button->setToolTip(Select::tr("%1の打ち手　%2を選択します。").arg(home, name));
        button->setStyleSheet(
            "QPushButton { background: #fff8e8; border: 2px solid #6a3b12; border-radius: 6px;"
            " font-weight: bold; color: #3a1d05; }"
            "QPushButton:hover { background: #ffe2a8; }"
            "QPushButton:focus { border: 4px solid #1a5fd0; background: #ffeccc; }"
            "QPushButton:pressed { background: #f0c070; }");
        connect(button, &QPushButton::clicked, this, [this, character = b.character] {
            m_chosen = character;
            accept();
        });
    }
    setFocusPolicy(Qt::StrongFocus);
}

void CSelect::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setFocus(Qt::OtherFocusReason);  // the dialog itself: no character has the focus yet
}

void CSelect::keyPressEvent(QKeyEvent* event) {
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            focusNextPrevChild(false);
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            focusNextPrevChild(true);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (focused) focused->click();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace quintrick
