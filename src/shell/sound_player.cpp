#include "shell/sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>
#include <utility>

#include "resource_paths.h"

namespace quintrick {
namespace {

constexpr int kChannel = 0;  // one channel: a new sound always replaces the playing one

}  // namespace

QByteArray SoundResource(int sound) {
    QFile file(SoundPath(sound));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

CSoundPlayer::CSoundPlayer(const SettingCopies& copies, Source source)
    : m_copies(copies), m_source(source ? std::move(source) : Source(SoundResource)) {}

CSoundPlayer::~CSoundPlayer() {
    if (m_device != Device::Open) return;
    StopAndFree();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool CSoundPlayer::OpenDevice() {
    // Opened at the first sound, not at start; a failure is remembered and never retried.
    if (m_device == Device::Unopened) {
        m_device = Device::Failed;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        if (Mix_OpenAudio(22050, AUDIO_S16SYS, 1, 512) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        Mix_QuerySpec(&frequency, &format, &channels);
        m_outputBytesPerSecond =
            frequency * channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
        Mix_AllocateChannels(1);
        m_device = Device::Open;
    }
    return m_device == Device::Open;
}

void CSoundPlayer::StopAndFree() {
    Mix_HaltChannel(kChannel);
    if (m_chunk) Mix_FreeChunk(m_chunk);
    m_chunk = nullptr;
}

void CSoundPlayer::Play(int sound, bool toEnd) {
    if (m_copies.m_soundOn != 1) return;
    const QByteArray wav = m_source(sound);
    if (wav.isEmpty() || !OpenDevice()) return;
    SDL_RWops* rw = SDL_RWFromConstMem(wav.constData(), static_cast<int>(wav.size()));
    Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;  // closes rw
    if (!chunk) return;
    StopAndFree();
    m_chunk = chunk;
    if (Mix_PlayChannel(kChannel, m_chunk, 0) < 0) {
        StopAndFree();
        return;
    }
    if (!toEnd) return;
    // Wait on this thread for the sound's length; a stuck device cannot hold it much longer.
    const Uint32 lengthMs = static_cast<Uint32>(1000ull * m_chunk->alen /
                                                static_cast<unsigned>(m_outputBytesPerSecond));
    const Uint32 deadline = SDL_GetTicks() + lengthMs + 1000;
    while (Mix_Playing(kChannel) && SDL_GetTicks() < deadline) SDL_Delay(2);
    StopAndFree();
}

bool CSoundPlayer::IsPlaying() const {
    return m_device == Device::Open && Mix_Playing(kChannel) != 0;
}

}  // namespace quintrick
