// The matches as CSV for spreadsheet programs: UTF-8 with a byte-order mark, one header line.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "records_stats.h"

namespace quintrick {

QByteArray MatchesCsv(const std::vector<MatchRow>& rows);
// Writes the CSV through a temporary file renamed over `path` (a link there is replaced); false
// when that failed, with the reason in `why` (the file that was there stays as it was).
bool ExportMatchesCsv(const std::vector<MatchRow>& rows, const QString& path,
                      QString* why = nullptr);

}  // namespace quintrick
