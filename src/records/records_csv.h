// The matches as CSV for spreadsheet programs: UTF-8 with a byte-order mark, one header line.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "records_stats.h"

namespace quintrick {

// The words of an export: the column headers in order and the characters' names. Left empty, the
// database's own column names and the roster's names.
struct CsvLabels {
    std::vector<std::string> headers;
    std::function<std::string(int character)> name;
};
// The number of columns of an export.
inline constexpr int kCsvColumns = 5 + 4 * kRecordPlayers + 3;

QByteArray MatchesCsv(const std::vector<MatchRow>& rows, const CsvLabels& labels = {});
// Writes the CSV through a temporary file renamed over `path` (a link there is replaced); false
// when that failed, with the reason in `why` (the file that was there stays as it was).
bool ExportMatchesCsv(const std::vector<MatchRow>& rows, const QString& path,
                      const CsvLabels& labels = {}, QString* why = nullptr);

}  // namespace quintrick
