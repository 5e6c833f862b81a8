#include "records_csv.h"

#include <string_view>

#include "engine/roster.h"
#include "files/safe_file.h"

namespace quintrick {
namespace {

void Field(QByteArray& out, std::string_view text) {
    if (!out.isEmpty() && !out.endsWith('\n')) out += ',';
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(text.data(), qsizetype(text.size()));
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void Field(QByteArray& out, long long value) {
    Field(out, std::to_string(value));
}

}  // namespace

QByteArray MatchesCsv(const std::vector<MatchRow>& rows, const CsvLabels& labels) {
    std::vector<std::string> headers = labels.headers;
    if (int(headers.size()) != kCsvColumns) {
        headers.clear();
        for (const char* name : {"id", "started", "ended", "finished", "games"})
            headers.emplace_back(name);
        for (const char* name : {"character", "name", "seat", "points"}) {
            for (int p = 0; p < kRecordPlayers; ++p)
                headers.push_back(std::string(name) + "_" + std::to_string(p));
        }
        for (const char* name : {"rank", "stones_credited", "stones_account"})
            headers.emplace_back(name);
    }
    QByteArray out("\xEF\xBB\xBF");
    QByteArray head;
    for (const std::string& name : headers) Field(head, name);
    out += head;
    out += '\n';
    const auto nameOf = [&labels](int character) {
        return labels.name ? labels.name(character) : std::string(RosterName(character));
    };
    for (const MatchRow& row : rows) {
        QByteArray line;
        Field(line, row.id);
        Field(line, row.started);
        Field(line, row.ended);
        Field(line, row.finished ? 1 : 0);
        Field(line, row.games);
        for (int c : row.character) Field(line, c);
        for (int c : row.character) Field(line, nameOf(c));
        for (int s : row.seat) Field(line, s);
        for (int p : row.points) Field(line, p);
        Field(line, row.rank);
        Field(line, row.stonesCredited);
        if (row.stonesAccount < 0) {
            line += ',';
        } else {
            Field(line, row.stonesAccount);
        }
        out += line;
        out += '\n';
    }
    return out;
}

bool ExportMatchesCsv(const std::vector<MatchRow>& rows, const QString& path,
                      const CsvLabels& labels, QString* why) {
    return WriteFileSafely(path, SafeWrite::Durable, MatchesCsv(rows, labels), why);
}

}  // namespace quintrick
