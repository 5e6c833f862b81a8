#include "select.h"

#include <QLabel>
#include <QPushButton>

#include "conquest/kuni_table.h"
#include "engine/roster.h"
#include "resource_paths.h"

namespace quintrick {
namespace {
constexpr int kDlu = 2;  // dialog units to pixels
}

CSelect::CSelect(QWidget* parent) : QDialog(parent) {
    setWindowTitle("打ち手の選択 (下の６名の中から選択してください)");
    setFixedSize(217 * kDlu, 269 * kDlu + 28);

    auto* map = new QLabel(this);
    map->setObjectName("191");
    map->setGeometry(0, 0, 217 * kDlu, 269 * kDlu);
    map->setPixmap(QPixmap(ImagePath(191)));

    auto* note = new QLabel("※ 自動スタートにするとこの画面は表示されません。", this);
    note->setGeometry(8, 269 * kDlu + 3, 217 * kDlu - 16, 22);
    note->setStyleSheet("color: #203040;");

    for (const SelectButton& b : kSelectButtons) {
        const QString name = QString::fromUtf8(RosterName(b.character).data(),
                                               qsizetype(RosterName(b.character).size()));
        auto* button = new QPushButton(name, this);
        button->setObjectName(QString::number(b.id));
        button->setGeometry(b.left * kDlu, b.top * kDlu, 30 * kDlu, 27 * kDlu);
        button->setCursor(Qt::PointingHandCursor);
        // The title names the character's home province, as the province table has it.
        const std::string home = KuniName(HomeProvince(b.character));
        button->setToolTip(QString::fromUtf8(home.data(), qsizetype(home.size())) +
                           QStringLiteral("の打ち手　") + name + QStringLiteral("を選択します。"));
        button->setStyleSheet(
            "QPushButton { background: #fff8e8; border: 2px solid #6a3b12; border-radius: 6px;"
            " font-weight: bold; color: #3a1d05; }"
            "QPushButton:hover { background: #ffe2a8; }"
            "QPushButton:pressed { background: #f0c070; }");
        connect(button, &QPushButton::clicked, this, [this, character = b.character] {
            m_chosen = character;
            accept();
        });
    }
}

}  // namespace quintrick
