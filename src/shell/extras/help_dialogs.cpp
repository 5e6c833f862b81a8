#include "shell/extras/help_dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "engine/strings.h"
#include "images/image_files.h"
#include "text/translations.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {

constexpr HelpPage kHelpPages[] = {
    {kCmdHelpOperation, "quintrick_sousa.html", QT_TRANSLATE_NOOP("Help", "操作方法")},
    {kCmdHelpRules, "quintrick_rule.html", QT_TRANSLATE_NOOP("Help", "ルール")},
    {kCmdHelpTactics, "quintrick_kakehiki.html", QT_TRANSLATE_NOOP("Help", "カケヒキ")},
};

// The about box is laid out in dialog units of its 11-point font.
constexpr double kUnitX = 1.75;
constexpr double kUnitY = 1.75;
QRect Units(int x, int y, int w, int h) {
    return QRect(int(x * kUnitX), int(y * kUnitY), int(w * kUnitX), int(h * kUnitY));
}

// The name of the program in large letters over the empty band of the about box.
class CTitleBand : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(18, 92, 52));
        g.setColorAt(1, QColor(8, 52, 28));
        p.fillRect(rect(), g);
        QFont f(PreferredGothicFamily());
        f.setPixelSize(height() * 2 / 5);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(250, 236, 190));
        p.drawText(rect().adjusted(0, 0, 0, -height() / 5), Qt::AlignCenter,
                   QStringLiteral("Quintrick"));
        f.setPixelSize(height() / 7);
        f.setBold(false);
        p.setFont(f);
        p.drawText(rect().adjusted(0, height() / 2, 0, 0), Qt::AlignCenter,
                   QCoreApplication::translate("About", "５人で遊ぶ絵札取りのトランプゲーム"));
    }
};

}  // namespace

std::optional<HelpPage> HelpPageFor(int command) {
    for (const HelpPage& p : kHelpPages) {
        if (p.command == command) return p;
    }
    return std::nullopt;
}

QString HelpCaption(const HelpPage& page) {
    return QCoreApplication::translate("Help", page.caption);
}

CHelpDlg::CHelpDlg(IMessageBox& messages, QWidget* parent, QString helpFolder)
    : QDialog(parent), m_messages(messages), m_folder(std::move(helpFolder)) {
    // The English pages lie in the help folder's "en".
    if (m_folder.isEmpty()) {
        m_folder =
            QDir(QCoreApplication::applicationDirPath())
                .filePath(UiAssetLanguage() == AssetLanguage::English ? QStringLiteral("help/en")
                                                                      : QStringLiteral("help"));
    }
    setObjectName(QStringLiteral("186"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({m_folder});
    // A link to another of the help pages: the title names the page on view.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& source) {
        const QString name = QFileInfo(source.path()).fileName();
        for (const HelpPage& p : kHelpPages) {
            if (name == QLatin1String(p.page)) setWindowTitle(HelpCaption(p));
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(430, 280);
}

QString CHelpDlg::PagePath() const {
    return QDir(m_folder).filePath(m_page);
}

bool CHelpDlg::OpenPage() {
    const QFileInfo page(PagePath());
    // The page itself is looked for: a folder without this page, or a page that cannot be read,
    // is missing it all the same (the viewer would stay blank).
    QFile file(page.absoluteFilePath());
    char first = 0;
    if (m_page.isEmpty() || !page.isFile() || !file.open(QIODevice::ReadOnly) ||
        file.read(&first, 1) < 0) {
        m_messages.ShowMessage(kMsgNoHelpFolder, {}, kStyleInfo);
        return false;
    }
    m_browser->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
    setWindowTitle(m_caption);
    return true;
}

int CHelpDlg::exec() {
    if (!OpenPage()) return Rejected;
    setWindowState(windowState() | Qt::WindowMaximized);
    return QDialog::exec();
}

QString VersionHistoryText() {
    QString text;
    for (int id = kVersionNewest; id >= kVersionOldest; --id) text += UiText(id) + u'\n';
    return text;
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("100"));
    setWindowTitle(QCoreApplication::translate("About", "バージョン情報"));
    QFont f(PreferredGothicFamily());
    f.setPointSize(11);
    setFont(f);
    setFixedSize(Units(0, 0, 272, 253).size());

    auto* icon = new QLabel(this);
    icon->setGeometry(Units(31, 3, 20, 20));
    const QIcon appIcon = QApplication::windowIcon();
    if (!appIcon.isNull()) icon->setPixmap(appIcon.pixmap(icon->size()));

    auto* ok = new QPushButton(QCoreApplication::translate("About", "確認 (&Y)"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setGeometry(Units(210, 2, 60, 20));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* band = new CTitleBand(this);
    band->setGeometry(Units(0, 26, 272, 80));

    auto* name =
        new QLabel(QCoreApplication::translate("About", "Quintrick(トランプゲーム)"), this);
    name->setGeometry(Units(169, 109, 100, 10));
    name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // This program's own version, the one --version prints; the history below is the game's.
    auto* version = new QLabel(QCoreApplication::translate("About", "バージョン %1")
                                   .arg(QApplication::applicationVersion()),
                               this);
    version->setObjectName(QStringLiteral("programVersion"));
    version->setGeometry(Units(120, 121, 149, 10));
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* label = new QLabel(QCoreApplication::translate("About", "バージョン情報"), this);
    label->setGeometry(Units(1, 163, 55, 36));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont labelFont = font();
    labelFont.setPointSize(9);
    label->setFont(labelFont);

    m_history = new QPlainTextEdit(this);
    m_history->setObjectName(QStringLiteral("1004"));
    m_history->setGeometry(Units(57, 163, 213, 36));
    m_history->setReadOnly(true);
    // Long lines wrap: the box has only a vertical scroll bar.
    m_history->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont small = font();
    small.setPointSize(9);
    m_history->setFont(small);
    m_history->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_history->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_history->setPlainText(VersionHistoryText());

    auto* line = new QFrame(this);
    line->setGeometry(Units(0, 201, 271, 1));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
}

}  // namespace quintrick
