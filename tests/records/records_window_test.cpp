// The 戦績 window on a database of known matches: the totals, the character table, the charts'
// data, the sortable last matches, the export through the save dialog and clearing, offscreen.
#include "shell/records_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QValueAxis>
#include <climits>
#include <cmath>

#include "engine/host.h"
#include "engine/roster.h"
#include "engine/strings.h"
#include "records/records_db.h"

namespace quintrick {
namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "records_window_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt SQL's own clean-up at exit must not run after its data is gone.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

MatchRecord Match(int human, std::array<int, 4> others, bool finished, int character,
                  const char* started) {
    MatchRecord m;
    m.started = started;
    m.ended = started;
    m.finished = finished;
    m.character = {5, 8, 6, 2, character};
    m.seat = {0, 1, 2, 3, 4};
    m.points = {others[0], others[1], others[2], others[3], human};
    m.rank = RankOf(m.points, 4);
    GameRecord game;
    game.game = 1;
    game.jokerSeat = 0;
    game.aceSeat = 2;
    game.points = m.points;
    game.pictures = {2, 3, 4, 5, 6};
    m.games.push_back(game);
    m.stonesCredited = finished ? human : 0;
    m.stonesAccount = finished ? 100 : -1;
    return m;
}

class RecordsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        ASSERT_EQ(m_db.Open(m_dir.filePath("records.sqlite")), CRecordsDb::Opened::Ok);
        // The human: 1st, 2nd, abandoned, 1st (tied), 5th; characters 3, 3, 3, 7, 3.
        m_db.StoreMatch(Match(20, {-5, -5, -5, -5}, true, 3, "2026-12-01 20:00:00"));
        m_db.StoreMatch(Match(5, {10, -5, -5, -5}, true, 3, "2026-12-02 20:00:00"));
        m_db.StoreMatch(Match(-30, {10, 10, 10, 0}, false, 3, "2026-12-03 20:00:00"));
        m_db.StoreMatch(Match(8, {8, -5, -5, -6}, true, 7, "2026-12-04 20:00:00"));
        m_db.StoreMatch(Match(-40, {10, 10, 10, 10}, true, 3, "2026-12-05 20:00:00"));
        m_host.message = [this](int id, std::string_view prefix, int) {
            m_messages.push_back(id);
            m_prefix = std::string(prefix);
            return m_answer;
        };
    }
    QString Label(CRecordsWindow& w, const char* name) {
        auto* label = w.findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("(missing)");
    }
    QTemporaryDir m_dir;
    CRecordsDb m_db;
    RecordsWindowHost m_host;
    std::vector<int> m_messages;
    std::string m_prefix;  // of the last message
    int m_answer = IDYES;
};

TEST_F(RecordsWindowTest, ShowsTheTotalsOfTheFixture) {
    CRecordsWindow w(m_db, m_host);
    w.show();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("戦績"));
    EXPECT_EQ(Label(w, "totalMatches"), "5");
    EXPECT_EQ(Label(w, "totalFinished"), "4");
    EXPECT_EQ(Label(w, "averagePoints"), "-1.75");  // (20 + 5 + 8 - 40) / 4
    EXPECT_EQ(Label(w, "rankCounts"), QString::fromUtf8("1位 2　2位 1　3位 0　4位 0　5位 1"));
    EXPECT_TRUE(Label(w, "bestMatch").startsWith("+20（2026-12-01 20:00:00"));
    EXPECT_TRUE(Label(w, "worstMatch").startsWith("-40（2026-12-05 20:00:00"));
    EXPECT_EQ(Label(w, "longestRun"), "3");

    auto* characters = w.findChild<QTableWidget*>("characterTable");
    ASSERT_TRUE(characters);
    ASSERT_EQ(characters->rowCount(), 2 + 4);
    // The human's Falcon (3): three finished matches, one of them won.
    EXPECT_EQ(characters->item(0, 0)->text(), QString::fromUtf8(RosterName(3).data()));
    EXPECT_EQ(characters->item(0, 1)->text(), QString::fromUtf8("あなた"));
    EXPECT_EQ(characters->item(0, 2)->text(), "3");
    EXPECT_EQ(characters->item(0, 3)->text(), "-5.00");
    EXPECT_EQ(characters->item(0, 4)->text(), "33.3%");
    EXPECT_EQ(characters->item(0, 5)->text(), "6.0");
    EXPECT_EQ(characters->item(1, 4)->text(), "100.0%");  // Egret (7) shared the top
    EXPECT_EQ(characters->item(2, 1)->text(), QString::fromUtf8("対戦相手"));

    // The charts carry the human's points, the moving average and the ranks.
    auto* points = w.findChild<QChartView*>("pointsChart");
    ASSERT_TRUE(points && points->chart());
    const auto series = points->chart()->series();
    ASSERT_EQ(series.size(), 2);
    const auto line = static_cast<QLineSeries*>(series[0])->points();
    ASSERT_EQ(line.size(), 4);
    EXPECT_EQ(line[3], QPointF(4, -40));
    EXPECT_EQ(static_cast<QLineSeries*>(series[1])->points()[1], QPointF(2, 12.5));
    auto* ranks = w.findChild<QChartView*>("rankChart");
    ASSERT_TRUE(ranks && ranks->chart());
    const auto* bars = static_cast<QBarSeries*>(ranks->chart()->series()[0]);
    const QBarSet* set = bars->barSets()[0];
    ASSERT_EQ(set->count(), 5);
    EXPECT_EQ(set->at(0), 2);
    EXPECT_EQ(set->at(4), 1);
}

// Extreme points from a damaged or foreign file: the chart's value range still holds them all.
TEST_F(RecordsWindowTest, ExtremePointsStillGiveAChartRange) {
    m_db.StoreMatch(Match(INT_MIN, {0, 0, 0, 0}, true, 3, "2026-12-06 20:00:00"));
    m_db.StoreMatch(Match(INT_MAX, {0, 0, 0, 0}, true, 3, "2026-12-07 20:00:00"));
    CRecordsWindow w(m_db, m_host);
    auto* points = w.findChild<QChartView*>("pointsChart");
    ASSERT_TRUE(points && points->chart());
    const auto axes = points->chart()->axes(Qt::Vertical);
    ASSERT_EQ(axes.size(), 1);
    const auto* y = static_cast<QValueAxis*>(axes[0]);
    EXPECT_LE(y->min(), double(INT_MIN));
    EXPECT_GE(y->max(), double(INT_MAX));

    struct Case {
        std::vector<int> points;
        double low, high;
    };
    for (const Case& c :
         std::vector<Case>{{{}, -5, 5},
                           {{12, -3}, -8, 17},
                           {{INT_MIN}, double(INT_MIN) - 5, 5},
                           {{INT_MAX, INT_MIN}, double(INT_MIN) - 5, double(INT_MAX) + 5}}) {
        const ChartRange range = PointsChartRange(c.points);
        EXPECT_EQ(range.low, c.low);
        EXPECT_EQ(range.high, c.high);
    }
}

TEST_F(RecordsWindowTest, AMatchGivenUpBeforeItsFirstGameHasNoRankAndNoStones) {
    MatchRecord none = Match(0, {0, 0, 0, 0}, false, 3, "2026-12-06 20:00:00");
    none.games.clear();
    none.stonesAccount = -1;
    m_db.StoreMatch(none);
    CRecordsWindow w(m_db, m_host);
    auto* last = w.findChild<QTableWidget*>("lastMatches");
    ASSERT_TRUE(last);
    ASSERT_EQ(last->item(0, 0)->text(), "2026-12-06 20:00:00");
    EXPECT_EQ(last->item(0, 3)->text(), QString::fromUtf8("—"));
    EXPECT_EQ(last->item(0, 5)->text(), QString::fromUtf8("—"));
    // An abandoned match with games keeps its rank; a finished one shows its stones.
    EXPECT_EQ(last->item(3, 3)->text(), "5");
    EXPECT_EQ(last->item(1, 5)->text(), "-40");
}

TEST_F(RecordsWindowTest, ChartAxesCountInWholeNumbersAndShowEveryMatch) {
    for (int matches : {1, 2, 5}) {
        QTemporaryDir dir;
        CRecordsDb db;
        ASSERT_EQ(db.Open(dir.filePath("records.sqlite")), CRecordsDb::Opened::Ok);
        for (int i = 0; i < matches; ++i) {
            db.StoreMatch(Match(3 * i - 4, {1, 1, 1, 1 - 3 * i}, true, 3, "2026-12-01 20:00:00"));
        }
        CRecordsWindow w(db, m_host);
        auto* points = w.findChild<QChartView*>("pointsChart");
        ASSERT_TRUE(points && points->chart());
        auto* line = static_cast<QLineSeries*>(points->chart()->series()[0]);
        EXPECT_TRUE(line->pointsVisible()) << "markers: one match makes no line";
        EXPECT_EQ(line->count(), matches);
        const QList<QChartView*> views = {points, w.findChild<QChartView*>("rankChart")};
        for (QChartView* view : views) {
            for (QAbstractAxis* axis : view->chart()->axes()) {
                auto* value = qobject_cast<QValueAxis*>(axis);
                if (!value) continue;
                EXPECT_EQ(value->tickType(), QValueAxis::TicksDynamic);
                EXPECT_GE(value->tickInterval(), 1.0);
                EXPECT_EQ(value->tickInterval(), std::floor(value->tickInterval()));
                EXPECT_EQ(value->min(), std::floor(value->min()));
                EXPECT_LE((value->max() - value->min()) / value->tickInterval(), 10.0);
            }
        }
    }
}

TEST_F(RecordsWindowTest, LastMatchesNewestFirstAndSortByNumber) {
    CRecordsWindow w(m_db, m_host);
    auto* last = w.findChild<QTableWidget*>("lastMatches");
    ASSERT_TRUE(last);
    ASSERT_EQ(last->rowCount(), 5);
    EXPECT_EQ(last->item(0, 0)->text(), "2026-12-05 20:00:00");
    EXPECT_EQ(last->item(2, 6)->text(), QString::fromUtf8("中断"));
    last->sortItems(2, Qt::AscendingOrder);  // points: -40 before -30 before 5 ... as numbers
    QStringList order;
    for (int r = 0; r < 5; ++r) order << last->item(r, 2)->text();
    EXPECT_EQ(order, QStringList({"-40", "-30", "+5", "+8", "+20"}));
}

TEST_F(RecordsWindowTest, ExportWritesTheChosenFileAndClearingAsksFirst) {
    const QString target = m_dir.filePath("out.csv");
    m_host.askSavePath = [&](QWidget*) { return target; };
    CRecordsWindow w(m_db, m_host);
    w.findChild<QPushButton*>("exportCsv")->click();
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray csv = f.readAll();
    EXPECT_EQ(csv.count('\n'), 6);  // the header and five matches
    // Headers a reader understands, in the interface language.
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF番号,開始日時,")) << csv.left(60).toStdString();
    EXPECT_TRUE(csv.contains("あなたの得点")) << csv.left(400).toStdString();
    // The export says where it wrote.
    EXPECT_EQ(m_messages, std::vector<int>{kMsgRecordsExported});
    EXPECT_EQ(m_prefix, QDir::toNativeSeparators(target).toStdString() + "\n");
    m_messages.clear();

    // A cancelled dialog writes nothing; a folder that is not there is said.
    m_host.askSavePath = [](QWidget*) { return QString(); };
    CRecordsWindow cancelled(m_db, m_host);
    cancelled.ExportCsv();
    EXPECT_TRUE(m_messages.empty());
    m_host.askSavePath = [&](QWidget*) { return m_dir.filePath("missing/out.csv"); };
    CRecordsWindow failing(m_db, m_host);
    failing.ExportCsv();
    EXPECT_EQ(m_messages, std::vector<int>{kMsgRecordsExportFailed});

    m_messages.clear();
    m_answer = IDNO;
    w.findChild<QPushButton*>("clearRecords")->click();
    EXPECT_EQ(m_messages, std::vector<int>{kMsgRecordsClearAsk});
    EXPECT_EQ(m_db.LoadMatches().size(), 5u);
    m_answer = IDYES;
    w.findChild<QPushButton*>("clearRecords")->click();
    EXPECT_TRUE(m_db.LoadMatches().empty());
    EXPECT_EQ(Label(w, "totalMatches"), QString::fromUtf8("まだ戦績がありません"));
    EXPECT_EQ(w.findChild<QTableWidget*>("lastMatches")->rowCount(), 0);
    EXPECT_EQ(m_messages.size(), 2u);

    // Records that cannot be written: clearing says so instead of pretending.
    m_messages.clear();
    m_db.Close();
    w.findChild<QPushButton*>("clearRecords")->click();
    EXPECT_EQ(m_messages, (std::vector<int>{kMsgRecordsClearAsk, kMsgRecordsUnwritable}));
}

}  // namespace
}  // namespace quintrick
