#include "result_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/strings.h"
#include "message_box.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {

QLabel* Cell(const QString& text, Qt::Alignment align, bool strong = false) {
    auto* label = new QLabel(text);
    label->setAlignment(align | Qt::AlignVCenter);
    if (strong) label->setProperty("strong", true);
    return label;
}

}  // namespace

CResultPanel::CResultPanel(const GameResult& r, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("resultPanel"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    QString title = UiText(kResTitle).arg(r.game);
    if (r.matchOver) title += QStringLiteral("　") + UiText(kResMatchOver);
    setWindowTitle(title);
    setAccessibleName(title);
    setAccessibleDescription(ResultPlainText(r));
    setStyleSheet(
        QStringLiteral("#resultPanel { background: #123a24; border: 3px solid #d8c070; }"
                       "QLabel { color: #f4ecd0; font-size: 15px; }"
                       "QLabel#resultTitle { color: #ffe27a; font-size: 22px; font-weight: bold; }"
                       "QLabel[strong=\"true\"] { color: #ffffff; font-weight: bold; }"
                       "QLabel[head=\"true\"] { color: #d8c070; }"
                       "QPushButton { font-size: 15px; padding: 4px 18px; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(8);
    auto* heading = new QLabel(title);
    heading->setObjectName(QStringLiteral("resultTitle"));
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    for (std::size_t b = 0; b < r.battleOutcome.size(); ++b) {
        auto* line =
            new QLabel(UiText(kResBattle).arg(QString::number(b + 1), UiText(r.battleOutcome[b])));
        line->setObjectName(QStringLiteral("battle%1").arg(b + 1));
        layout->addWidget(line);
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(4);
    std::vector<int> heads{kResHeadName, kResHeadGroup, kResHeadGame, kResHeadTotal,
                           kResHeadPictures};
    if (r.matchOver) heads.insert(heads.end(), {kResHeadRank, kResHeadStones});
    for (int c = 0; c < int(heads.size()); ++c) {
        QLabel* head = Cell(UiText(heads[size_t(c)]), c == 0 ? Qt::AlignLeft : Qt::AlignRight);
        head->setProperty("head", true);
        grid->addWidget(head, 0, c);
    }
    int row = 1;
    // The human first, then the computers as they sit.
    for (int player : {kHumanPlayer, 0, 1, 2, 3}) {
        const bool human = player == kHumanPlayer;
        const Qt::Alignment right = Qt::AlignRight;
        grid->addWidget(Cell(UiPlayerName(r.names[player]), Qt::AlignLeft, human), row, 0);
        grid->addWidget(Cell(UiText(r.related[player] ? kResRelated : kResUnrelated), right, human),
                        row, 1);
        QLabel* points = Cell(SignedPoints(r.points[player]), right, human);
        points->setObjectName(QStringLiteral("points%1").arg(player));
        grid->addWidget(points, row, 2);
        QLabel* total = Cell(SignedPoints(r.totals[player]), right, human);
        total->setObjectName(QStringLiteral("total%1").arg(player));
        grid->addWidget(total, row, 3);
        grid->addWidget(Cell(QString::number(r.pictures[player]), right, human), row, 4);
        if (r.matchOver) {
            QLabel* rank = Cell(UiText(kResRank).arg(r.ranks[player]), right, human);
            rank->setObjectName(QStringLiteral("rank%1").arg(player));
            grid->addWidget(rank, row, 5);
            grid->addWidget(Cell(QStringLiteral("%1 (%2)").arg(SignedPoints(r.stones[player]),
                                                               QString::number(r.accounts[player])),
                                 right, human),
                            row, 6);
        }
        ++row;
    }
    layout->addLayout(grid);
    auto* close = new QPushButton(UiText(kResClose));
    close->setObjectName(QStringLiteral("resultClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* review = new QPushButton(UiText(kResReview));
    review->setObjectName(QStringLiteral("resultReview"));
    review->setAutoDefault(false);
    connect(review, &QPushButton::clicked, this, [this] { done(kReview); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(review);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void CResultPanel::mousePressEvent(QMouseEvent*) {
    accept();
}

void CResultPanel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Escape:
            accept();
            return;
        case Qt::Key_V:
            done(kReview);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CResultPanel::showEvent(QShowEvent* event) {
    // Over the middle of the table.
    adjustSize();
    if (QWidget* owner = parentWidget()) {
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        move(centre - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}

bool CQtDialogs::ShowResult(QWidget* owner, const GameResult& result) {
    CResultPanel panel(result, owner);
    return panel.exec() == CResultPanel::kReview;
}

}  // namespace quintrick
