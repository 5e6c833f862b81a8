// What the engine needs of the platform. The engine never draws, sleeps, reads a clock, opens
// a box or touches the profile itself: it asks its host. The Qt view is the real host; tests and
// the headless match runner use a scripted one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "resume.h"

namespace quintrick {

// Message box styles and the buttons they return.
enum MessageStyle : int { kStyleInfo = 0x40, kStyleError = 0x10, kStyleQuestion = 0x24 };
inline constexpr int IDOK = 1;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Timer event ids of the view.
inline constexpr int kGameTimerEvent = 1;
inline constexpr int kPeekTimerEvent = 98;
inline constexpr int kSetupTimerEvent = 99;

// The local time of day; valid is false when the clock cannot be read.
struct LocalTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool valid = true;
};

// The application profile: integer and string entries addressed by section and entry.
class IProfile {
  public:
    virtual ~IProfile() = default;
    virtual int ReadInt(std::string_view section, std::string_view entry, int def) = 0;
    virtual void WriteInt(std::string_view section, std::string_view entry, int value) = 0;
    virtual std::string ReadString(std::string_view section, std::string_view entry,
                                   std::string_view def) = 0;
    virtual void WriteString(std::string_view section, std::string_view entry,
                             std::string_view value) = 0;

    // Writes made between BeginGroup and EndGroup belong together (a reset, the entries written
    // at close) and reach the stored profile as one write, so another process sees all of them
    // or none. Groups nest; the outermost EndGroup writes. Reads inside a group see its writes.
    virtual void BeginGroup() {}
    virtual void EndGroup() {}
};

// A group of profile writes for the lifetime of this object.
class ProfileGroup {
  public:
    explicit ProfileGroup(IProfile& profile) : m_profile(profile) { m_profile.BeginGroup(); }
    ~ProfileGroup() { m_profile.EndGroup(); }
    ProfileGroup(const ProfileGroup&) = delete;
    ProfileGroup& operator=(const ProfileGroup&) = delete;

  private:
    IProfile& m_profile;
};

// The call plates and the banner of the table.
enum class Callout { Redeal, Kan, Come, Go, SuitCall, TrumpCall };

// Sound ids (wave resources).
enum SoundId : int {
    kSoundTrumpDiamonds = 143,
    kSoundTrumpClubs = 144,
    kSoundTrumpHearts = 145,
    kSoundGo = 146,
    kSoundKan = 147,
    kSoundCome = 148,
    kSoundCard = 149,
    kSoundChoice = 150,
    kSoundTrumpSpades = 151,
    kSoundCallClubs = 171,
    kSoundCallDiamonds = 172,
    kSoundCallHearts = 173,
    kSoundCallSpades = 174,
    kSoundUnification = 193,
};
constexpr int TrumpSound(int suit) {
    constexpr int sounds[4] = {kSoundTrumpClubs, kSoundTrumpDiamonds, kSoundTrumpHearts,
                               kSoundTrumpSpades};
    return sounds[suit & 3];
}
constexpr int CallSound(int suit) {
    return kSoundCallClubs + (suit & 3);
}

// Message boxes: the string-table entry `stringId` after `prefix`, caption "Quintrick"; returns
// IDOK, IDYES or IDNO (0 without showing anything when the entry does not exist). Blocks until
// answered.
class IMessageBox {
  public:
    virtual ~IMessageBox() = default;
    virtual int ShowMessage(int stringId, std::string_view prefix, int style) = 0;
};

class IHost : public IMessageBox {
  public:
    // Starts (or restarts) the timer with this event id; returns its id, 0 when it could not be
    // set.
    virtual int SetTimer(int eventId, int intervalMs) = 0;
    virtual void KillTimer(int eventId) = 0;

    // The suit dialog; `prompt` empty keeps the dialog's word "請求". Returns the suit 0..3.
    virtual int ChooseSuit(std::string_view prompt) = 0;
    // The character dialog; returns the chosen roster index (any value), or -1 when cancelled.
    virtual int ChooseCharacter() = 0;

    // A call plate at a seat (the banner is centred): painted, its sound played to the end when
    // `sound` is not 0, a pause of `pauseMs`, then the table repainted.
    virtual void ShowCallout(Callout callout, int seat, int suit, int sound, int pauseMs) = 0;

    // Plays a sound: to its end (blocking) or in the background (replacing a playing one).
    virtual void PlaySound(int sound, bool toEnd) = 0;

    // Recompose the table and repaint it now.
    virtual void RedrawTable() = 0;

    // Sets up the card-back images at start-up; false when that failed.
    virtual bool PrepareCardBacks() = 0;

    // Asks the main window to close (after the player declines to go on).
    virtual void RequestClose() = 0;

    virtual LocalTime LocalTimeOfDay() = 0;

    virtual IProfile& Profile() = 0;

    // The match has reached a point where it can be saved and taken up again (see resume.h).
    virtual void SaveResumePoint(const ResumePoint& /*point*/) {}
    // The stones of a finished match have been credited: a saved match has served its purpose.
    virtual void MatchCredited() {}
    // At start, before the automatic start: a host that puts a saved match back into the game
    // state returns the point it was saved at, and the engine goes on from there.
    virtual std::optional<ResumePoint> TakeUpSavedMatch() { return std::nullopt; }
    // A game is over and its points are booked (after the tenth, the stones are credited too):
    // the host may show the result and wait until the player has seen it.
    virtual void GameOver() {}
};

}  // namespace quintrick
