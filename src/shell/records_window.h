// The 戦績 window: totals, a table per character, the charts of the human's points and ranks,
// the last fifty matches, the CSV export and clearing the records.
#pragma once

#include <QDialog>
#include <functional>
#include <string_view>

#include "records/records_db.h"
#include "shell/extras/command_ids.h"

class QCheckBox;
class QSpinBox;
class QLabel;
class QTableWidget;
class QChartView;

namespace quintrick {

// The command of the game menu and F6 that opens the window.

struct RecordsWindowHost {
    // A message box (string id, prefix, style), returning the button pressed.
    std::function<int(int stringId, std::string_view prefix, int style)> message;
    // The save dialog of the export; an empty path when it was cancelled.
    std::function<QString(QWidget* owner)> askSavePath;
    // Opens the review of a stored game (none: the records offer no review).
    std::function<void(std::int64_t match, int game, QWidget* owner)> review;
};

class CRecordsWindow : public QDialog {
    Q_OBJECT
  public:
    CRecordsWindow(CRecordsDb& db, RecordsWindowHost host, QWidget* parent = nullptr);

    // Reads the records again and fills every part of the window.
    void Reload();
    void ExportCsv();
    void ClearRecords();
    // The review of the chosen game of the match selected in the last fifty.
    void ReviewSelected();

    // The save dialog of the real program, in the user's documents folder.
    static QString AskSavePath(QWidget* owner);

  private:
    void FillTotals(const struct RecordsSummary& s, const std::vector<struct MatchRow>& rows);
    void FillCharacters(const RecordsSummary& s);
    void FillCharts(const RecordsSummary& s);
    void FillLastMatches(const std::vector<MatchRow>& rows);

    CRecordsDb& m_db;
    RecordsWindowHost m_host;
    QLabel* m_totals[7] = {};
    QTableWidget* m_characters = nullptr;
    QTableWidget* m_last = nullptr;
    QCheckBox* m_includeTakeBacks = nullptr;
    QSpinBox* m_reviewGame = nullptr;
    QChartView* m_pointsChart = nullptr;
    QChartView* m_rankChart = nullptr;
};

}  // namespace quintrick
