// The suit and character dialogs, driven with QTest without modal loops.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <vector>

#include "conquest/kuni_coords.h"
#include "conquest/kuni_table.h"
#include "engine/roster.h"
#include "interaction/mon_sel.h"
#include "interaction/select.h"
#include "resource_paths.h"

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

// Whether the suit button's frame is drawn in the chosen suit's dark blue.
bool FramedAsChosen(QWidget& dialog, int suit) {
    auto* button = Control<QAbstractButton>(dialog, 1001 + suit);
    const QImage shot = button->grab().toImage();
    // The middle of the left edge, inside the rounded corners.
    return shot.pixel(1, shot.height() / 2) == qRgb(0x1a, 0x4f, 0xb0);
}

// The keys the focused control receives: the arrows step around the four suits, 1-4 choose one,
// the chosen suit is framed, and Enter confirms it.
TEST(SuitDialog, KeysChooseTheSuitAndFrameIt) {
    App();
    const struct {
        std::vector<Qt::Key> keys;
        int suit;
    } cases[] = {
        {{Qt::Key_Right}, 1},
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, 3},
        {{Qt::Key_Left}, 3},  // from clubs round to spades
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, 1},
        {{Qt::Key_3}, 2},
        {{Qt::Key_4, Qt::Key_Right}, 0},
        {{Qt::Key_2, Qt::Key_1}, 0},
        {{}, 0},
    };
    for (const auto& c : cases) {
        int clicks = 0;
        CMonSel dialog(nullptr, [&clicks] { ++clicks; });
        dialog.OnInitDialog();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        for (Qt::Key key : c.keys) {
            QWidget* focused = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
            QTest::keyClick(focused, key);
        }
        EXPECT_EQ(dialog.m_suit, c.suit);
        EXPECT_EQ(clicks, int(c.keys.size())) << "each choice by key sounds like a click";
        for (int suit = 0; suit < 4; ++suit) {
            EXPECT_EQ(Control<QRadioButton>(dialog, 1013 + suit)->isChecked(), suit == c.suit);
            EXPECT_EQ(FramedAsChosen(dialog, suit), suit == c.suit) << "suit " << suit;
        }
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.m_suit, c.suit) << "Enter confirms the suit chosen by key";
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

// The buttons' titles and the map picture name and show each character's home province of the
// province table: the picture in both languages has the home in the character's colour where
// the conquest map has it, and no other province in any of the six colours.
TEST(CharacterDialog, TitlesAndMapShowTheHomeProvinces) {
    App();
    CSelect dialog;
    std::vector<QRgb> colours;
    std::vector<int> homes;
    for (const SelectButton& b : kSelectButtons) {
        const int home = HomeProvince(b.character);
        ASSERT_GE(home, 0) << b.character;
        const QString title = QString::fromStdString(KuniName(home)) + "の打ち手　" +
                              QString::fromUtf8(RosterName(b.character).data(),
                                                qsizetype(RosterName(b.character).size()));
        EXPECT_TRUE(Control<QAbstractButton>(dialog, b.id)->toolTip().startsWith(title))
            << Control<QAbstractButton>(dialog, b.id)->toolTip().toStdString();
        const KuniRgb c = KuniColor(b.character).value();
        colours.push_back(qRgb(c.red, c.green, c.blue));
        homes.push_back(home);
    }
    for (const AssetLanguage language : {AssetLanguage::Japanese, AssetLanguage::English}) {
        const QImage map = QImage(ImagePath(191, language)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(map.size(), QSize(kHomeMapWidth, kHomeMapHeight));
        const auto at = [&](int province) {
            const KuniCoord& k = KuniCoords[static_cast<std::size_t>(province)];
            const HomeMapPoint point = HomeMapFromStandard(k.sx, k.sy);
            return QPoint(point.x, point.y);
        };
        for (std::size_t i = 0; i < homes.size(); ++i) {
            // The lines and names drawn over a home may hide its fill seed: the province's
            // pixels of the colour must surround the seed.
            QRect box;
            int area = 0;
            for (int y = 0; y < map.height(); ++y) {
                for (int x = 0; x < map.width(); ++x) {
                    if (map.pixel(x, y) != colours[i]) continue;
                    box |= QRect(x, y, 1, 1);
                    ++area;
                }
            }
            EXPECT_GT(area, 60) << KuniName(homes[i]);
            EXPECT_LT(std::max(box.width(), box.height()), 80) << KuniName(homes[i]);
            EXPECT_TRUE(box.contains(at(homes[i]))) << KuniName(homes[i]);
        }
        for (int p = 0; p < kProvinces; ++p) {
            if (std::ranges::find(homes, p) != homes.end()) continue;
            EXPECT_EQ(std::ranges::find(colours, map.pixel(at(p))), colours.end()) << KuniName(p);
        }
    }
}

TEST(CharacterDialog, EnterChoosesOnlyTheCharacterWithTheFocus) {
    App();
    CSelect dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "Enter before any character has the focus";
    EXPECT_EQ(dialog.m_chosen, -100);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Right);
    QTest::keyClick(&dialog, Qt::Key_Right);
    auto* focused = qobject_cast<QAbstractButton*>(dialog.focusWidget());
    ASSERT_NE(focused, nullptr) << "the arrows move between the characters";
    int character = -1;
    for (const SelectButton& b : kSelectButtons) {
        if (focused == Control<QAbstractButton>(dialog, b.id)) character = b.character;
    }
    ASSERT_GE(character, 0);
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_chosen, character);
}

// The keys go to whatever has the focus, as a player's do: Right, Down and Tab step through all
// six characters, the focused one alone framed in blue, and Space chooses it.
TEST(CharacterDialog, EveryCharacterByKeysWithAClearFocus) {
    App();
    const auto framed = [](QAbstractButton* button) {
        const QImage shot = button->grab().toImage();
        return shot.pixel(1, shot.height() / 2) == qRgb(0x1a, 0x5f, 0xd0);
    };
    for (Qt::Key step : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Tab}) {
        for (int presses = 1; presses <= int(kSelectButtons.size()); ++presses) {
            CSelect dialog;
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            std::vector<QWidget*> seen;
            for (int i = 0; i < presses; ++i) {
                QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, step);
                seen.push_back(dialog.focusWidget());
            }
            std::sort(seen.begin(), seen.end());
            EXPECT_EQ(std::unique(seen.begin(), seen.end()) - seen.begin(), presses)
                << presses << " presses reach as many characters";
            auto* focused = qobject_cast<QAbstractButton*>(dialog.focusWidget());
            ASSERT_NE(focused, nullptr);
            int character = -1;
            for (const SelectButton& b : kSelectButtons) {
                auto* button = Control<QAbstractButton>(dialog, b.id);
                EXPECT_EQ(framed(button), button == focused) << "button " << b.id;
                if (button == focused) character = b.character;
            }
            QTest::keyClick(focused, Qt::Key_Space);
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(dialog.m_chosen, character);
        }
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
