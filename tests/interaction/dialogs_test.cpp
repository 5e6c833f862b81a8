// The suit and character dialogs, driven with QTest without modal loops.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "interaction/mon_sel.h"
#include "interaction/select.h"

namespace quintrick {
namespace {

// The test executable's one QApplication (made by the tests' shared main).
QApplication& App() {
    return *qApp;
}

template <class T>
T* Control(QWidget& dialog, int id) {
    return dialog.findChild<T*>(QString::number(id));
}

TEST(SuitDialog, EnterAtOnceGivesClubs) {
    App();
    CMonSel dialog;
    dialog.m_suit = 3;
    dialog.OnInitDialog();
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_suit, 0);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "紋の指定");
}

TEST(SuitDialog, ButtonsAndRadiosChooseTheSuitWithAClick) {
    App();
    struct Step {
        int control;
        int suit;
    };
    const std::vector<std::vector<Step>> cases{
        {{1003, 2}, {1016, 3}},  // hearts button, then the spades radio
        {{1002, 1}},
        {{1014, 1}, {1001, 0}},
    };
    for (const auto& steps : cases) {
        int clicks = 0;
        CMonSel dialog(nullptr, [&clicks] { ++clicks; });
        dialog.OnInitDialog();
        dialog.show();
        for (const Step& step : steps) {
            QTest::mouseClick(Control<QAbstractButton>(dialog, step.control), Qt::LeftButton);
            EXPECT_EQ(dialog.m_suit, step.suit);
        }
        for (int suit = 0; suit < 4; ++suit) {
            EXPECT_EQ(Control<QRadioButton>(dialog, 1013 + suit)->isChecked(),
                      suit == steps.back().suit);
        }
        EXPECT_EQ(clicks, int(steps.size()));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.m_suit, steps.back().suit) << "Esc keeps the choice for the caller";
    }
}

TEST(SuitDialog, ThePromptWordReplacesTheCallWord) {
    App();
    for (auto [prompt, shown] : {std::pair{"", "請求"}, std::pair{"役に", "役に"}}) {
        CMonSel dialog;
        dialog.m_prompt = prompt;
        dialog.OnInitDialog();
        EXPECT_EQ(Control<QLabel>(dialog, 1005)->text().toStdString(), shown);
    }
}

TEST(CharacterDialog, EachButtonChoosesItsCharacter) {
    App();
    for (const SelectButton& b : kSelectButtons) {
        CSelect dialog;
        dialog.show();
        auto* button = Control<QAbstractButton>(dialog, b.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry().topLeft(), QPoint(b.left * 2, b.top * 2));
        EXPECT_TRUE(button->toolTip().endsWith("を選択します。"));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.m_chosen, b.character);
    }
}

TEST(CharacterDialog, EscCancels) {
    App();
    CSelect dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace quintrick
