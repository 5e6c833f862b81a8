#include "ui_text.h"

#include <QCoreApplication>

#include "engine/roster.h"
#include "engine/strings.h"

namespace quintrick {
namespace {

// The engine's texts are NUL-terminated literals; the catalogue knows them by context, text and
// (for the string table) the id.
QString Translate(const char* context, std::string_view text, const char* id = nullptr) {
    if (text.empty()) return {};
    return QCoreApplication::translate(context, std::string(text).c_str(), id);
}

}  // namespace

QString UiText(int id) {
    return Translate("StringTable", LoadString(id), std::to_string(id).c_str());
}

std::string UiTextUtf8(int id) {
    return UiText(id).toStdString();
}

QString UiRosterName(int character) {
    return Translate("Roster", RosterName(character));
}

std::string UiRosterNameUtf8(int character) {
    return UiRosterName(character).toStdString();
}

QString UiPlayerName(const std::string& name) {
    return Translate("Roster", name);
}

}  // namespace quintrick
