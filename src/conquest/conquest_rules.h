// The conquest rules: which province a character would take next, whether a province lies on a
// character's frontier, the human's taking, the regulars' turn and the status texts. The map
// dialog supplies the drawing and the boxes through IConquestMap; the state is in the profile.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/host.h"

namespace quintrick {

// The conquest's messages in the string table.
inline constexpr int kMsgStandardMapClick = 30032;
inline constexpr int kMsgNotEnoughStones = 30033;
inline constexpr int kMsgSaveImage = 30034;
inline constexpr int kMsgResetWithoutSaving = 30039;
inline constexpr int kMsgOverwrite = 30057;
inline constexpr int kMsgSavedShowFolder = 30069;
// The status line, the regulars' boxes and the unification's prefix.
inline constexpr int kStatusNoTarget = 30380;
inline constexpr int kStatusNoProvince = 30381;
inline constexpr int kStatusCanTake = 30382;    // %1 stones, %2 the province
inline constexpr int kStatusTooFew = 30383;     // %1 stones
inline constexpr int kRegularCaption = 30384;   // %1 the regular's name
inline constexpr int kRegularTakes = 30385;     // %1 the province, %2 the stones left
inline constexpr int kStatusReset = 30386;      // after a reset
inline constexpr int kUnifiedByPrefix = 30387;  // %1 the regular's name, before kMsgUnified

// How the rules word their texts: a string-table entry by id, in the player's language. By
// default the table's own (Japanese) text.
using TextSource = std::string (*)(int id);
std::string TableText(int id);

// `text` with %1, %2 ... replaced by the arguments in order.
std::string FillText(std::string text, std::initializer_list<std::string_view> arguments);

inline constexpr int kNoTarget = -1;    // the character owns every province
inline constexpr int kNoProvince = -2;  // the character owns no province

// The cheapest province next to the character's territory that it does not own; ties go to the
// first met (lowest owned province, then neighbour order). kNoTarget or kNoProvince otherwise.
int CheapestTarget(IProfile& profile, int character);

// True when at least one neighbour of the province is owned by the character.
bool CanTake(IProfile& profile, int character, int province);

// The status line for the human's character.
std::string ConquestStatus(IProfile& profile, int character, TextSource text = TableText);

// A character's stones as the legend shows them: right-aligned in five characters, with a
// thousands comma from 1000 (1,234); empty from 10000 on, where the cell stays blank.
std::string StoneCellText(int stones);

// What the rules ask of the map dialog.
class IConquestMap {
  public:
    virtual ~IConquestMap() = default;
    // Colours a province in a character's colour on both maps and shows it.
    virtual void FillOwner(int province, int character) = 0;
    // A box with only an OK button and no icon, with its own caption.
    virtual void ShowPlainBox(std::string_view caption, std::string_view text) = 0;
    virtual void SetStatus(std::string_view text) = 0;
    // Whitens both maps, paints the owners again and repaints.
    virtual void RepaintFromProfile() = 0;
    // The human's character has taken its last province.
    virtual void UnificationCeremony() = 0;
    virtual void PlaySound(int sound) = 0;  // in the background
};

// One opening of the map dialog: the conquest mode and the human's moves.
class ConquestSession {
  public:
    enum class Taking { Ignored, TooFewStones, Taken, Unified };

    // `names` are the five players' display names (0 Raven, 1 Shrike, 2 Magpie, 3 Heron, 4 the
    // human); `human` is the human's character; `text` words the status and the boxes.
    ConquestSession(IProfile& profile, IMessageBox& box, IConquestMap& map,
                    std::array<std::string, 5> names, int human, bool soundOn,
                    TextSource text = TableText);

    bool ConquestMode() const { return m_conquestMode; }

    // The status shown when the dialog opens.
    std::string InitialStatus() { return ConquestStatus(m_profile, m_human, m_text); }

    // A click of the human on a province of the enlarged map.
    Taking HumanTakes(int province);

    // Heron, Raven, Magpie and Shrike take what they can afford.
    void RegularsTurn();

    // Reset after a unification: every province back home, "INIT" 0, conquest mode off.
    void ResetAfterUnification();

  private:
    std::string NameOf(int character) const;

    IProfile& m_profile;
    IMessageBox& m_box;
    IConquestMap& m_map;
    std::array<std::string, 5> m_names;
    int m_human;
    bool m_soundOn;
    TextSource m_text;
    bool m_conquestMode = true;
};

}  // namespace quintrick
