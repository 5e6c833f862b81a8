// The texts the player sees in the language of the user interface: the string table's entries
// and the characters' names, translated by the catalogue installed at start. Every window turns
// a string id into its text here.
#pragma once

#include <QString>
#include <string>

#include "engine/cards.h"

namespace quintrick {

// A string-table entry; empty for an id the table does not hold.
QString UiText(int id);
// The same in UTF-8, for the rules that compose their texts without Qt.
std::string UiTextUtf8(int id);

// A roster character's name (empty outside 0..9).
QString UiRosterName(int character);
// A card's name as the table says it ("ハートのＡ", "ジョーカー"); empty for no card.
QString UiCardName(CardId card);
// A suit's name ("ハート").
QString UiSuitName(int suit);

// A name the engine gave a player (a roster name; any other stays as it is).
QString UiPlayerName(const std::string& name);

}  // namespace quintrick
