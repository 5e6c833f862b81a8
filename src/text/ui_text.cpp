#include "ui_text.h"

#include <QCoreApplication>
#include <QStringList>

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

QString UiPlayerName(const std::string& name) {
    return Translate("Roster", name);
}

QString UiSuitName(int suit) {
    return UiText(kCardSuitNames).split(u',').value(suit & 3);
}

QString UiCardName(CardId card) {
    if (card == kJoker) return UiText(kCardJoker);
    if (!IsValidCard(card)) return {};
    const QStringList ranks = UiText(kCardRankNames).split(u',');
    //: A card's name: %1 its suit, %2 its rank ("ハートのＡ").
    return QCoreApplication::translate("Cards", "%1の%2")
        .arg(UiSuitName(SuitOf(card)), ranks.value(Slot(card)));
}

}  // namespace quintrick
