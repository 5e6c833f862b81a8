#include "key_reference.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace quintrick {

std::vector<KeyLine> TableKeys() {
    return {
        {CKeyReference::tr("← →"), CKeyReference::tr("手札(見せ札)のカードを選ぶ")},
        {CKeyReference::tr("Home / End"), CKeyReference::tr("手札の最初 / 最後のカード")},
        {CKeyReference::tr("Enter, Space, ↑"),
         CKeyReference::tr("選んだカードを出す(見せ札を出す)")},
        {QStringLiteral("F1"), CKeyReference::tr("ゲームメニュー")},
        {QStringLiteral("F2"), CKeyReference::tr("設定メニュー")},
        {QStringLiteral("F3"), CKeyReference::tr("ヘルプメニュー")},
        {QStringLiteral("F4 / F5"), CKeyReference::tr("見下ろす角度を上げる / 下げる")},
        {QStringLiteral("F6"), CKeyReference::tr("戦績")},
        {QStringLiteral("F11"), CKeyReference::tr("全画面の切り替え")},
        {QStringLiteral("H"), CKeyReference::tr("ヒント")},
        {QStringLiteral("S"), CKeyReference::tr("得点表の表示 / 非表示")},
        {QStringLiteral("L"), CKeyReference::tr("前の巡の札を見る(もう一度で閉じる)")},
        {QStringLiteral("D"), CKeyReference::tr("捨て札を見る(もう一度で閉じる)")},
        {QStringLiteral("P"), CKeyReference::tr("一時停止 / 再開")},
        {QStringLiteral("I"), CKeyReference::tr("ゲームの状況を読み上げる")},
        {QStringLiteral("?"), CKeyReference::tr("このキー一覧")},
        {QStringLiteral("M"), CKeyReference::tr("効果音のオン / オフ")},
        {QStringLiteral("- / +"), CKeyReference::tr("音量を下げる / 上げる")},
        {QStringLiteral("V"), CKeyReference::tr("前のゲームの振り返り")},
        {QStringLiteral("Ctrl+N"), CKeyReference::tr("新しいマッチ")},
        {QStringLiteral("Ctrl+Z"), CKeyReference::tr("一手戻す")},
        {QStringLiteral("Escape"), CKeyReference::tr("開いている表示を閉じる / 全画面を抜ける")},
    };
}

CKeyReference::CKeyReference(QWidget* view) : QFrame(view), m_text(new QLabel(this)) {
    setObjectName(QStringLiteral("keyReference"));
    setAccessibleName(tr("キー一覧"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setStyleSheet(
        QStringLiteral("#keyReference { background: rgba(16, 24, 40, 235);"
                       " border: 3px solid #f0d060; border-radius: 8px; }"
                       "QLabel { color: white; }"));
    QString rows;
    for (const KeyLine& line : TableKeys()) {
        rows += QStringLiteral(
                    "<tr><td style='padding:2px 18px 2px 4px'><b>%1</b></td>"
                    "<td style='padding:2px'>%2</td></tr>")
                    .arg(line.keys.toHtmlEscaped(), line.action.toHtmlEscaped());
    }
    m_text->setTextFormat(Qt::RichText);
    m_text->setText(QStringLiteral("<h2>%1</h2><table>%2</table><p>%3</p>")
                        .arg(tr("キー一覧").toHtmlEscaped(), rows,
                             tr("? または Escape で閉じます").toHtmlEscaped()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(m_text);
    hide();
}

bool CKeyReference::Toggle() {
    if (isVisible()) {
        hide();
        parentWidget()->setFocus();
        return false;
    }
    QFont f = font();
    // Readable at every window size, and the whole list (26 lines with the title) on the table.
    f.setPixelSize(std::max(10, parentWidget()->height() / 46));
    m_text->setFont(f);
    adjustSize();
    move((parentWidget()->width() - width()) / 2, (parentWidget()->height() - height()) / 2);
    show();
    raise();
    setFocus();
    return true;
}

void CKeyReference::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Question) {
        Toggle();
        return;
    }
    QFrame::keyPressEvent(event);
}

}  // namespace quintrick
