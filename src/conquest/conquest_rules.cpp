#include "conquest/conquest_rules.h"

#include <cstddef>
#include <utility>

#include "conquest/kuni_table.h"
#include "engine/roster.h"
#include "engine/settings_table.h"
#include "engine/strings.h"

namespace quintrick {
namespace {

using Owners = std::array<int, kProvinces>;

Owners ReadOwners(IProfile& profile) {
    Owners owners{};
    for (int i = 0; i < kProvinces; ++i)
        owners[static_cast<std::size_t>(i)] = GetKuniOwner(profile, i);
    return owners;
}

const KuniRecord& Kuni(int province) {
    return KuniTable[static_cast<std::size_t>(province)];
}

}  // namespace

std::string TableText(int id) {
    return std::string(LoadString(id));
}

std::string FillText(std::string text, std::initializer_list<std::string_view> arguments) {
    int n = 1;
    for (std::string_view argument : arguments) {
        const std::string marker = "%" + std::to_string(n++);
        const std::size_t at = text.find(marker);
        if (at != std::string::npos) text.replace(at, marker.size(), argument);
    }
    return text;
}

int CheapestTarget(IProfile& profile, int character) {
    const Owners owners = ReadOwners(profile);
    bool ownsAny = false;
    int best = 200;
    int result = kNoTarget;
    for (int j = 0; j < kProvinces; ++j) {
        if (owners[static_cast<std::size_t>(j)] != character) continue;
        ownsAny = true;
        for (int n : Kuni(j).Neighbours()) {
            if (owners[static_cast<std::size_t>(n)] != character && Kuni(n).cost < best) {
                best = Kuni(n).cost;
                result = n;
            }
        }
    }
    return ownsAny ? result : kNoProvince;
}

bool CanTake(IProfile& profile, int character, int province) {
    if (province < 0 || province >= kProvinces) return false;
    const Owners owners = ReadOwners(profile);
    for (int n : Kuni(province).Neighbours()) {
        if (owners[static_cast<std::size_t>(n)] == character) return true;
    }
    return false;
}

std::string ConquestStatus(IProfile& profile, int character, TextSource text) {
    const int target = CheapestTarget(profile, character);
    if (target == kNoTarget) return text(kStatusNoTarget);
    if (target == kNoProvince) return text(kStatusNoProvince);
    const std::string stones = std::to_string(GetStones(profile, character));
    if (GetStones(profile, character) >= Kuni(target).cost) {
        return FillText(text(kStatusCanTake), {stones, KuniName(target, text)});
    }
    return FillText(text(kStatusTooFew), {stones});
}

std::string StoneCellText(int stones) {
    if (stones >= 10000) return {};
    const std::string padded = "     " + std::to_string(stones);
    std::string text = padded.substr(padded.size() - 5);
    if (stones > 999) text = text.substr(1, 1) + "," + text.substr(2);
    return text;
}

ConquestSession::ConquestSession(IProfile& profile, IMessageBox& box, IConquestMap& map,
                                 std::array<std::string, 5> names, int human, bool soundOn,
                                 TextSource text)
    : m_profile(profile),
      m_box(box),
      m_map(map),
      m_names(std::move(names)),
      m_human(human),
      m_soundOn(soundOn),
      m_text(text) {}

ConquestSession::Taking ConquestSession::HumanTakes(int province) {
    if (province < 0 || province >= kProvinces) return Taking::Ignored;
    if (GetKuniOwner(m_profile, province) == m_human) return Taking::Ignored;
    if (!CanTake(m_profile, m_human, province)) return Taking::Ignored;
    const int stones = GetStones(m_profile, m_human);
    const int cost = Kuni(province).cost;
    if (cost > stones) {
        m_box.ShowMessage(kMsgNotEnoughStones, "", kStyleInfo);
        return Taking::TooFewStones;
    }
    m_map.FillOwner(province, m_human);
    if (m_soundOn) m_map.PlaySound(kSoundCard);
    SetKuniOwner(m_profile, province, m_human);
    SetStones(m_profile, m_human, stones - cost);

    const int next = CheapestTarget(m_profile, m_human);
    if (next == kNoTarget) {
        m_map.UnificationCeremony();
        return Taking::Unified;
    }
    m_map.SetStatus(ConquestStatus(m_profile, m_human, m_text));
    if (next >= 0 && stones - cost < Kuni(next).cost) m_conquestMode = false;
    return Taking::Taken;
}

void ConquestSession::RegularsTurn() {
    for (int regular : {kHeron, kRaven, kMagpie, kShrike}) {
        int target = CheapestTarget(m_profile, regular);
        if (target == kNoProvince) continue;
        while (true) {
            if (target == kNoTarget) {
                m_box.ShowMessage(
                    kMsgUnified, FillText(m_text(kUnifiedByPrefix), {NameOf(regular)}), kStyleInfo);
                ResetAfterUnification();
                m_map.SetStatus(m_text(kStatusReset));
                m_map.RepaintFromProfile();
                return;
            }
            const int stones = GetStones(m_profile, regular);
            const int cost = Kuni(target).cost;
            if (stones < cost) break;
            m_map.ShowPlainBox(FillText(m_text(kRegularCaption), {NameOf(regular)}),
                               FillText(m_text(kRegularTakes),
                                        {KuniName(target, m_text), std::to_string(stones - cost)}));
            m_map.FillOwner(target, regular);
            SetKuniOwner(m_profile, target, regular);
            SetStones(m_profile, regular, stones - cost);
            target = CheapestTarget(m_profile, regular);
        }
    }
}

void ConquestSession::ResetAfterUnification() {
    {
        const ProfileGroup group(m_profile);
        ResetKunitori(m_profile, m_box, false);
        Write(m_profile, entries::kKunitoriInit, 0);
    }
    m_conquestMode = false;
}

std::string ConquestSession::NameOf(int character) const {
    // The regulars are the computer players; their display names come from the game.
    for (int player = 0; player < 4; ++player) {
        if (ComputerCharacter(player) == character) {
            const std::string& name = m_names[static_cast<std::size_t>(player)];
            return name.empty() ? std::string(RosterName(character)) : name;
        }
    }
    return std::string(RosterName(character));
}

}  // namespace quintrick
