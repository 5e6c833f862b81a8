// quintrick-extras-shot <folder>: renders the card-back dialog, an explanation tip over the
// table, the peek window, a help page, the about box and the suit dialog as PNG files, without a
// display (QT_QPA_PLATFORM=offscreen). The help pages are read from resources/help of the source
// tree.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTextBrowser>
#include <cstdio>

#include "engine/roster.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "interaction/mon_sel.h"
#include "memory_profile.h"
#include "shell/extras/back_set.h"
#include "shell/extras/help_dialogs.h"
#include "shell/extras/peek_window.h"
#include "shell/extras/tip_window.h"
#include "table/table.h"

using namespace quintrick;

namespace {

class SilentBox : public IMessageBox {
  public:
    int ShowMessage(int id, std::string_view, int) override {
        std::fprintf(stderr, "message %d\n", id);
        return IDOK;
    }
};

bool Save(const QImage& image, const QString& path) {
    const bool ok = image.save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// A picture of the user's own for the third frame: a sunset over the sea.
QImage UserPicture() {
    QImage picture(400, 300, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 0, 190);
    sky.setColorAt(0, QColor(40, 60, 140));
    sky.setColorAt(1, QColor(250, 150, 80));
    p.fillRect(0, 0, 400, 190, sky);
    p.setBrush(QColor(255, 220, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(200, 190), 45, 45);
    QLinearGradient sea(0, 190, 0, 300);
    sea.setColorAt(0, QColor(30, 70, 120));
    sea.setColorAt(1, QColor(10, 30, 60));
    p.fillRect(0, 190, 400, 110, sea);
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Orvendel");
    QCoreApplication::setApplicationName("Quintrick-shot");
    if (argc < 2) {
        std::fprintf(stderr, "usage: quintrick-extras-shot <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    SilentBox box;
    MemoryProfile profile;
    GameState gs;
    gs.ResetAtInitialUpdate();
    SettingCopies settings;
    CTable table(gs, settings, profile, box);
    if (!table.BuildSurfaces() || !table.LoadCardSheet()) return 1;
    bool ok = true;

    // The card-back dialog with a picture of the user's own chosen.
    {
        const QString picture = QDir::temp().filePath("quintrick-shot-sunset.png");
        UserPicture().save(picture);
        BackSetHost host{table.m_s, profile, box, {}, {}, {}};
        CBackSet dialog(host);
        dialog.show();
        dialog.OpenFreeImage(picture);
        QFile::remove(picture);
        ok &= Save(dialog.grab().toImage(), out.filePath("backset-dialog.png"));
    }

    // An explanation tip over the table's remaining-cards panel.
    {
        table.PrepareCardBacks(true);
        table.RedrawTable(true);
        QImage shot(800, 600, QImage::Format_RGB32);
        {
            QPainter p(&shot);
            table.m_scales = {800.0f / 1200.0f, 600.0f / 900.0f};
            table.Paint(p, shot.size());
        }
        QWidget view;
        view.resize(800, 600);
        view.show();
        CTipWindow tip(&view);
        tip.Apply({HoverHelp::Action::Show, kTipTrump});
        tip.resize(tip.BalloonSize(tip.ToolText()));
        const QImage balloon = tip.grab().toImage();
        QPainter p(&shot);
        p.drawImage(QPoint(24, 66), balloon);
        ok &= Save(shot, out.filePath("explanation-tip.png"));
    }

    // The peek window showing a published hand.
    {
        Write(profile, entries::kCunNow, 1);
        Write(profile, entries::kCunName, RosterName(kShrike));
        Write(profile, entries::kCunHand[1], "3,11,16,24,30,37,41,47,51,");
        CPeekWindow peek(profile, table.m_s.m_cardSheet);
        peek.show();
        peek.PeekTick();
        ok &= Save(peek.grab().toImage(), out.filePath("peek-window.png"));
    }

    // A help page and the about box.
    {
        CHelpDlg help(box, nullptr, QStringLiteral(QUINTRICK_HELP_DIR));
        help.m_page = QStringLiteral("quintrick_rule.html");
        help.m_caption = QStringLiteral("ルール");
        if (help.OpenPage()) {
            help.resize(900, 700);
            help.show();
            ok &= Save(help.grab().toImage(), out.filePath("help-rules.png"));
        } else {
            ok = false;
        }
        CAboutDlg about;
        about.show();
        ok &= Save(about.grab().toImage(), out.filePath("about-box.png"));
    }

    // The suit dialog as the human's trump partner sees it in battles 2 and 3.
    {
        CMonSel suits;
        suits.m_prompt = "役に";
        suits.OnInitDialog();
        suits.show();
        ok &= Save(suits.grab().toImage(), out.filePath("game-suit-dialog.png"));
    }
    return ok ? 0 : 1;
}
