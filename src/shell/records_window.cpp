#include "records_window.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "engine/cards.h"
#include "engine/host.h"
#include "engine/roster.h"
#include "engine/strings.h"
#include "images/image_files.h"
#include "records/records_csv.h"
#include "records/records_stats.h"
#include "text/translations.h"
#include "text/ui_text.h"

namespace quintrick {
namespace {

// The take-back texts of the string table.
constexpr int kRecWithTakeBacks = 30400;
constexpr int kRecIncludeTakeBacks = 30401;

QString Text(int id) {
    return UiText(id);
}

QString Name(int character) {
    return UiRosterName(character);
}

// The context of this file's texts in the catalogue.
struct Records {
    Q_DECLARE_TR_FUNCTIONS(Records)
};

// A rank as the records show it.
QString RankLabel(int rank) {
    //: %1 the rank, %2 the rank's word (string 30332).
    // Both at once: a translation that puts the word first must not see the rank as a marker.
    return Records::tr("%1%2").arg(QString::number(rank), Text(kRecRankSuffix));
}

QString Signed(double value, int decimals = 0) {
    return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', decimals);
}

// A table cell that sorts by the number kept beside its text.
class SortItem : public QTableWidgetItem {
  public:
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant a = data(Qt::UserRole), b = other.data(Qt::UserRole);
        if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
        return QTableWidgetItem::operator<(other);
    }
};

QTableWidgetItem* NumberItem(double value, const QString& shown) {
    auto* item = new SortItem;
    item->setText(shown);
    item->setData(Qt::UserRole, value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidget* MakeTable(const QStringList& headers, const char* name) {
    auto* table = new QTableWidget(0, int(headers.size()));
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

QChart* MakeChart(const QString& title, const QFont& font) {
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont titleFont = font;
    titleFont.setPointSize(font.pointSize() + 2);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->legend()->setFont(font);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(6, 6, 6, 6));
    return chart;
}

void StyleAxis(QAbstractAxis* axis, const QFont& font) {
    axis->setLabelsFont(font);
    axis->setTitleFont(font);
}

// A match's state in the table: finished or abandoned, and whether moves were taken back.
QString StateText(const MatchRow& row) {
    const QString state = Text(row.finished ? kRecStateFinished : kRecStateAbandoned);
    if (row.takeBacks == 0) return state;
    //: A match's state with its take-backs: %1 finished or abandoned, %2 "with take-backs".
    return Records::tr("%1（%2）").arg(state, Text(kRecWithTakeBacks));
}

// An axis of whole numbers from `low` to `high`: ticks at a whole step (1, 2, 5, 10, 20 ...) so
// that no label repeats, at most about eight of them. Any stored number gives an axis, extreme ones
// from a damaged or foreign file included (the arithmetic is in doubles).
void WholeNumberAxis(QValueAxis* axis, double low, double high) {
    if (high <= low) high = low + 1;
    static constexpr double kSteps[] = {1,   2,   5,    10,   20,   50,   100,
                                        200, 500, 1000, 2000, 5000, 10000};
    double step = std::ceil((high - low) / 8);
    for (double candidate : kSteps) {
        if ((high - low) / candidate <= 8) {
            step = candidate;
            break;
        }
    }
    const double from = std::floor(low / step) * step;
    const double to = std::ceil(high / step) * step;
    axis->setRange(from, to);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(from);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%d"));
}

// The export's column headers in the interface language (the database keeps its own names).
std::vector<std::string> CsvHeaders() {
    std::vector<std::string> headers;
    const auto add = [&headers](const QString& text) { headers.push_back(text.toStdString()); };
    add(Records::tr("番号"));
    add(Text(kRecStarted));
    add(Records::tr("終了日時"));
    add(Records::tr("最後まで（1）／中断（0）"));
    add(Records::tr("ゲーム数"));
    //: The export's columns of one player: %1 the player (あなた, 相手1 ...).
    const char* kinds[] = {QT_TRANSLATE_NOOP("Records", "%1のキャラクター番号"),
                           QT_TRANSLATE_NOOP("Records", "%1の名前"),
                           QT_TRANSLATE_NOOP("Records", "%1の席"),
                           QT_TRANSLATE_NOOP("Records", "%1の得点")};
    for (const char* kind : kinds) {
        for (int p = 0; p < kRecordPlayers; ++p) {
            //: A computer player in the export: %1 its number, 1 to 4.
            const QString computer = Records::tr("相手%1").arg(p + 1);
            const QString who = p == kHumanPlayer ? Text(kRecYou) : computer;
            add(Records::tr(kind).arg(who));
        }
    }
    add(Text(kRecRank));
    add(Records::tr("獲得した石"));
    add(Records::tr("石の残高"));
    return headers;
}

}  // namespace

CRecordsWindow::CRecordsWindow(CRecordsDb& db, RecordsWindowHost host, QWidget* parent)
    : QDialog(parent), m_db(db), m_host(std::move(host)) {
    setObjectName(QStringLiteral("recordsWindow"));
    setWindowTitle(Text(kRecTitle));
    // The interface font (in English the desktop's, the Japanese face behind it).
    QFont font =
        UiLanguage() == QLatin1String("en") ? QApplication::font() : QFont(PreferredGothicFamily());
    font.setPointSize(10);
    setFont(font);

    auto* tabs = new QTabWidget;
    // Totals and characters.
    auto* summary = new QWidget;
    auto* form = new QFormLayout;
    const int labels[7] = {kRecMatches, kRecFinished, kRecAveragePoints, kRecRanks,
                           kRecBest,    kRecWorst,    kRecLongestRun};
    const char* names[7] = {"totalMatches", "totalFinished", "averagePoints", "rankCounts",
                            "bestMatch",    "worstMatch",    "longestRun"};
    for (int i = 0; i < 7; ++i) {
        m_totals[i] = new QLabel;
        m_totals[i]->setObjectName(QLatin1String(names[i]));
        m_totals[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(Records::tr("%1：").arg(Text(labels[i])), m_totals[i]);
    }
    m_characters =
        MakeTable({Text(kRecCharacter), Text(kRecRole), Text(kRecMatches), Text(kRecAveragePoints),
                   Text(kRecWinRate), Text(kRecAveragePictures)},
                  "characterTable");
    // Matches played with take-backs are counted apart unless the player includes them.
    m_includeTakeBacks = new QCheckBox(Text(kRecIncludeTakeBacks));
    m_includeTakeBacks->setObjectName(QStringLiteral("includeTakeBacks"));
    connect(m_includeTakeBacks, &QCheckBox::toggled, this, &CRecordsWindow::Reload);
    auto* summaryLayout = new QVBoxLayout(summary);
    summaryLayout->addLayout(form);
    summaryLayout->addWidget(m_includeTakeBacks);
    summaryLayout->addWidget(m_characters, 1);
    tabs->addTab(summary, Text(kRecSummaryTab));

    // Charts.
    auto* charts = new QWidget;
    auto* chartsLayout = new QVBoxLayout(charts);
    m_pointsChart = new QChartView;
    m_pointsChart->setObjectName(QStringLiteral("pointsChart"));
    m_pointsChart->setRenderHint(QPainter::Antialiasing);
    m_rankChart = new QChartView;
    m_rankChart->setObjectName(QStringLiteral("rankChart"));
    m_rankChart->setRenderHint(QPainter::Antialiasing);
    chartsLayout->addWidget(m_pointsChart, 3);
    chartsLayout->addWidget(m_rankChart, 2);
    tabs->addTab(charts, Text(kRecChartsTab));

    // The last fifty matches.
    m_last = MakeTable({Text(kRecStarted), Text(kRecCharacter), Text(kRecPoints), Text(kRecRank),
                        Text(kRecGames), Text(kRecStones), Text(kRecState)},
                       "lastMatches");
    m_last->setSortingEnabled(true);
    m_last->setWordWrap(false);
    m_last->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* last = new QWidget;
    auto* lastLayout = new QVBoxLayout(last);
    lastLayout->addWidget(m_last, 1);
    if (m_host.review) {
        // The review of a game of the selected match.
        m_reviewGame = new QSpinBox;
        m_reviewGame->setObjectName(QStringLiteral("reviewGame"));
        m_reviewGame->setRange(1, 10);
        auto* review = new QPushButton(Records::tr("振り返り(&V)"));
        review->setObjectName(QStringLiteral("reviewGameButton"));
        connect(review, &QPushButton::clicked, this, &CRecordsWindow::ReviewSelected);
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        //: The game of the selected match to review.
        row->addWidget(new QLabel(Records::tr("ゲーム：")));
        row->addWidget(m_reviewGame);
        row->addWidget(review);
        lastLayout->addLayout(row);
    }
    tabs->addTab(last, Text(kRecLast50));

    auto* exportButton = new QPushButton(Text(kRecExportCsv));
    exportButton->setObjectName(QStringLiteral("exportCsv"));
    auto* clearButton = new QPushButton(Text(kRecClear));
    clearButton->setObjectName(QStringLiteral("clearRecords"));
    auto* closeButton = new QPushButton(Text(kRecClose));
    closeButton->setDefault(true);
    connect(exportButton, &QPushButton::clicked, this, &CRecordsWindow::ExportCsv);
    connect(clearButton, &QPushButton::clicked, this, &CRecordsWindow::ClearRecords);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportButton);
    buttons->addWidget(clearButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);

    // Four fifths of the game window, in its proportions.
    const int width = parent ? std::clamp(parent->window()->width() * 4 / 5, 640, 1280) : 960;
    resize(width, width * 3 / 4);
    Reload();
}

void CRecordsWindow::Reload() {
    const std::vector<MatchRow> rows = m_db.LoadMatches();
    const RecordsSummary s = Summarize(rows, m_includeTakeBacks->isChecked());
    FillTotals(s, rows);
    FillCharacters(s);
    FillCharts(s);
    FillLastMatches(rows);
}

void CRecordsWindow::FillTotals(const RecordsSummary& s, const std::vector<MatchRow>& rows) {
    const QString none = Text(kRecNone);
    const auto match = [&rows](int index) {
        if (index < 0) return QStringLiteral("—");
        const MatchRow& row = rows[size_t(index)];
        //: A match in the totals: %1 its points, %2 its start, %3 the human's character.
        return Records::tr("%1（%2、%3）")
            .arg(Signed(row.points[kHumanPlayer]), QString::fromStdString(row.started),
                 Name(row.character[kHumanPlayer]));
    };
    m_totals[0]->setText(s.matches ? QString::number(s.matches) : none);
    m_totals[1]->setText(QString::number(s.finished));
    m_totals[2]->setText(s.finished ? Signed(s.averagePoints, 2) : QStringLiteral("—"));
    QStringList ranks;
    for (int r = 0; r < 5; ++r) {
        //: A rank's count in the totals: %1 the rank, %2 how often.
        ranks << Records::tr("%1 %2").arg(RankLabel(r + 1), QString::number(s.rankCounts[r]));
    }
    m_totals[3]->setText(ranks.join(Records::tr("　")));
    m_totals[4]->setText(match(s.bestIndex));
    m_totals[5]->setText(match(s.worstIndex));
    m_totals[6]->setText(QString::number(s.longestPositiveRun));
}

void CRecordsWindow::FillCharacters(const RecordsSummary& s) {
    m_characters->setRowCount(int(s.characters.size()));
    for (int i = 0; i < int(s.characters.size()); ++i) {
        const CharacterStats& c = s.characters[size_t(i)];
        m_characters->setItem(i, 0, new QTableWidgetItem(Name(c.character)));
        m_characters->setItem(i, 1, new QTableWidgetItem(Text(c.human ? kRecYou : kRecOpponent)));
        m_characters->setItem(i, 2, NumberItem(c.matches, QString::number(c.matches)));
        m_characters->setItem(i, 3, NumberItem(c.averagePoints, Signed(c.averagePoints, 2)));
        m_characters->setItem(
            i, 4, NumberItem(c.winRate, QString::number(c.winRate * 100, 'f', 1) + u'%'));
        m_characters->setItem(
            i, 5,
            NumberItem(c.averagePictures, c.averagePictures < 0
                                              ? QStringLiteral("—")
                                              : QString::number(c.averagePictures, 'f', 1)));
    }
}

void CRecordsWindow::FillCharts(const RecordsSummary& s) {
    const QFont font = this->font();
    // The human's final points per match, with the moving average over it.
    QChart* points = MakeChart(Text(kRecPointsChart), font);
    auto* line = new QLineSeries;
    line->setName(Text(kRecPoints));
    auto* average = new QLineSeries;
    average->setName(Text(kRecMovingAverage));
    for (int i = 0; i < int(s.points.size()); ++i) {
        line->append(i + 1, s.points[size_t(i)]);
        average->append(i + 1, s.movingAverage[size_t(i)]);
    }
    line->setPen(QPen(QColor(120, 150, 200), 1.2));
    // Markers: one or two matches make no visible line.
    line->setPointsVisible(true);
    line->setMarkerSize(7);
    average->setPen(QPen(QColor(200, 60, 40), 2.5));
    points->addSeries(line);
    points->addSeries(average);
    auto* x = new QValueAxis;
    x->setTitleText(Text(kRecMatchAxis));
    WholeNumberAxis(x, 1, std::max<int>(2, int(s.points.size())));
    auto* y = new QValueAxis;
    y->setTitleText(Text(kRecPoints));
    const ChartRange range = PointsChartRange(s.points);
    WholeNumberAxis(y, range.low, range.high);
    StyleAxis(x, font);
    StyleAxis(y, font);
    points->addAxis(x, Qt::AlignBottom);
    points->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : points->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    QChart* old = m_pointsChart->chart();
    m_pointsChart->setChart(points);
    delete old;

    // How often each rank was reached.
    QChart* ranks = MakeChart(Text(kRecRankChart), font);
    auto* set = new QBarSet(Text(kRecCount));
    set->setColor(QColor(70, 120, 170));
    QFont labelFont = font;
    labelFont.setBold(true);
    set->setLabelFont(labelFont);
    set->setLabelColor(Qt::white);
    QStringList categories;
    int most = 0;
    for (int r = 0; r < 5; ++r) {
        *set << s.rankCounts[size_t(r)];
        most = std::max(most, s.rankCounts[size_t(r)]);
        categories << RankLabel(r + 1);
    }
    auto* bars = new QBarSeries;
    bars->append(set);
    bars->setLabelsVisible(true);
    bars->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    ranks->addSeries(bars);
    ranks->legend()->setVisible(false);
    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(categories);
    auto* count = new QValueAxis;
    WholeNumberAxis(count, 0, std::max(1, most + most / 8 + 1));
    StyleAxis(categoryAxis, font);
    StyleAxis(count, font);
    ranks->addAxis(categoryAxis, Qt::AlignBottom);
    ranks->addAxis(count, Qt::AlignLeft);
    bars->attachAxis(categoryAxis);
    bars->attachAxis(count);
    old = m_rankChart->chart();
    m_rankChart->setChart(ranks);
    delete old;
}

void CRecordsWindow::FillLastMatches(const std::vector<MatchRow>& rows) {
    m_last->setSortingEnabled(false);
    const int shown = std::min<int>(50, int(rows.size()));
    m_last->setRowCount(shown);
    for (int i = 0; i < shown; ++i) {
        const MatchRow& row = rows[rows.size() - 1 - size_t(i)];  // the newest first
        const int points = row.points[kHumanPlayer];
        auto* started = new SortItem;
        started->setText(QString::fromStdString(row.started));
        started->setData(Qt::UserRole, double(row.id));  // in the order played
        m_last->setItem(i, 0, started);
        m_last->setItem(i, 1, new QTableWidgetItem(Name(row.character[kHumanPlayer])));
        m_last->setItem(i, 2, NumberItem(points, Signed(points)));
        // A match given up before its first game ended has no rank.
        const bool ranked = row.finished || row.games > 0;
        m_last->setItem(i, 3,
                        NumberItem(ranked ? row.rank : 99,
                                   ranked ? QString::number(row.rank) : QStringLiteral("—")));
        m_last->setItem(i, 4, NumberItem(row.games, QString::number(row.games)));
        // Stones are credited only for a finished match.
        m_last->setItem(
            i, 5,
            NumberItem(row.finished ? row.stonesCredited : 0,
                       row.finished ? Signed(row.stonesCredited) : QStringLiteral("—")));
        m_last->setItem(i, 6, new QTableWidgetItem(StateText(row)));
    }
    m_last->setSortingEnabled(true);
    m_last->sortItems(0, Qt::DescendingOrder);  // the newest first
}

void CRecordsWindow::ReviewSelected() {
    const int row = m_last->currentRow() >= 0 ? m_last->currentRow() : 0;
    const QTableWidgetItem* item = m_last->item(row, 0);
    if (!item || !m_host.review) return;
    m_host.review(static_cast<std::int64_t>(item->data(Qt::UserRole).toDouble()),
                  m_reviewGame->value(), this);
}

void CRecordsWindow::ExportCsv() {
    const QString path = m_host.askSavePath ? m_host.askSavePath(this) : AskSavePath(this);
    if (path.isEmpty()) return;
    CsvLabels labels{CsvHeaders(), [](int character) { return Name(character).toStdString(); }};
    const std::string where = QDir::toNativeSeparators(path).toStdString() + "\n";
    QString why;
    if (!ExportMatchesCsv(m_db.LoadMatches(), path, labels, &why)) {
        m_host.message(kMsgRecordsExportFailed, where + why.toStdString() + "\n", kStyleError);
        return;
    }
    // Where the file went, so that the player can find it.
    m_host.message(kMsgRecordsExported, where, kStyleInfo);
}

void CRecordsWindow::ClearRecords() {
    if (m_host.message(kMsgRecordsClearAsk, {}, kStyleQuestion) != IDYES) return;
    if (!m_db.Clear()) {
        const std::string prefix = QDir::toNativeSeparators(m_db.Path()).toStdString() + "\n";
        m_host.message(kMsgRecordsUnwritable, prefix, kStyleError);
    }
    Reload();
}

QString CRecordsWindow::AskSavePath(QWidget* owner) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists()) folder = QDir::homePath();
    return QFileDialog::getSaveFileName(owner, Text(kRecExportCsv),
                                        QDir(folder).filePath(Text(kRecTitle) + ".csv"),
                                        Text(kRecCsvFilter));
}

}  // namespace quintrick
