// The sound effects: one player for the fourteen sounds, played through SDL_mixer, whose mixing
// runs on SDL's own audio thread, so a sound played to its end keeps playing while the GUI
// thread waits for it. Without an audio device, or when a sound cannot be played, nothing is
// heard and the game goes on.
#pragma once

#include <QByteArray>
#include <functional>
#include <memory>

#include "engine/setting_copies.h"

struct Mix_Chunk;

namespace quintrick {

class CSoundPlayer {
  public:
    // The WAV data of a sound id; empty when there is none.
    using Source = std::function<QByteArray(int sound)>;

    // Plays only while `copies.m_soundOn` is 1. The default source is the program's recordings.
    explicit CSoundPlayer(const SettingCopies& copies, Source source = {});
    ~CSoundPlayer();
    CSoundPlayer(const CSoundPlayer&) = delete;
    CSoundPlayer& operator=(const CSoundPlayer&) = delete;

    // To its end: returns when the sound has finished. In the background: returns at once; the
    // sound replaces any sound still playing.
    void Play(int sound, bool toEnd);

    bool IsPlaying() const;

    // The volume of effects and voices, 0 to 100 % (100 the recordings as they are); 0 plays
    // nothing. Applied to the sound playing and to every later one.
    void SetVolume(int percent);
    int Volume() const { return m_volume; }
    // The mixer's volume (0..128) for a percentage.
    static int MixerVolume(int percent);
    // Whether an audio device was opened (false before the first sound and without a device).
    bool HasDevice() const { return m_device == Device::Open; }

  private:
    struct Sdl;  // the libraries' functions, loaded with the device

    bool OpenDevice();
    void StopAndFree();

    const SettingCopies& m_copies;
    Source m_source;
    enum class Device { Unopened, Open, Failed } m_device = Device::Unopened;
    std::unique_ptr<Sdl> m_sdl;
    Mix_Chunk* m_chunk = nullptr;  // the sound on the channel, freed when replaced
    int m_outputBytesPerSecond = 0;
    int m_volume = 100;
};

// The WAV data of a sound in the program's resources.
QByteArray SoundResource(int sound);

}  // namespace quintrick
