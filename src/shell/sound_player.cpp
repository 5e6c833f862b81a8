#include "shell/sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <QFile>
#include <algorithm>
#include <memory>
#include <type_traits>
#include <utility>

#include "resource_paths.h"
#include "text/translations.h"

namespace quintrick {
namespace {

constexpr int kChannel = 0;  // one channel: a new sound always replaces the playing one

}  // namespace

// SDL and SDL_mixer are loaded at the first sound rather than linked: the two libraries and what
// they bring (decoders, a synthesizer, the sound servers' clients) would be loaded and bound at
// every start, before the first table can be painted.
struct CSoundPlayer::Sdl {
    struct Closer {
        void operator()(void* handle) const { dlclose(handle); }
    };
    std::unique_ptr<void, Closer> sdl, mixer;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_RWFromConstMem) RWFromConstMem = nullptr;
    decltype(&SDL_GetTicks) GetTicks = nullptr;
    decltype(&SDL_Delay) Delay = nullptr;
    decltype(&Mix_OpenAudio) OpenAudio = nullptr;
    decltype(&Mix_CloseAudio) CloseAudio = nullptr;
    decltype(&Mix_QuerySpec) QuerySpec = nullptr;
    decltype(&Mix_AllocateChannels) AllocateChannels = nullptr;
    decltype(&Mix_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&Mix_FreeChunk) FreeChunk = nullptr;
    decltype(&Mix_PlayChannelTimed) PlayChannelTimed = nullptr;
    decltype(&Mix_HaltChannel) HaltChannel = nullptr;
    decltype(&Mix_Playing) Playing = nullptr;
    decltype(&Mix_VolumeChunk) VolumeChunk = nullptr;

    // Null when a library or one of its functions is missing.
    static std::unique_ptr<Sdl> Load() {
        auto api = std::make_unique<Sdl>();
        // Never unloaded from the process: SDL may keep threads or handlers of its own.
        constexpr int kFlags = RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE;
        api->sdl.reset(dlopen("libSDL2-2.0.so.0", kFlags));
        api->mixer.reset(dlopen("libSDL2_mixer-2.0.so.0", kFlags));
        if (!api->sdl || !api->mixer) return nullptr;
        bool all = true;
        const auto bind = [&all](void* library, auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
            all = all && function;
        };
        void* sdl = api->sdl.get();
        void* mixer = api->mixer.get();
        bind(sdl, api->InitSubSystem, "SDL_InitSubSystem");
        bind(sdl, api->QuitSubSystem, "SDL_QuitSubSystem");
        bind(sdl, api->RWFromConstMem, "SDL_RWFromConstMem");
        bind(sdl, api->GetTicks, "SDL_GetTicks");
        bind(sdl, api->Delay, "SDL_Delay");
        bind(mixer, api->OpenAudio, "Mix_OpenAudio");
        bind(mixer, api->CloseAudio, "Mix_CloseAudio");
        bind(mixer, api->QuerySpec, "Mix_QuerySpec");
        bind(mixer, api->AllocateChannels, "Mix_AllocateChannels");
        bind(mixer, api->LoadWAV_RW, "Mix_LoadWAV_RW");
        bind(mixer, api->FreeChunk, "Mix_FreeChunk");
        bind(mixer, api->PlayChannelTimed, "Mix_PlayChannelTimed");
        bind(mixer, api->HaltChannel, "Mix_HaltChannel");
        bind(mixer, api->Playing, "Mix_Playing");
        bind(mixer, api->VolumeChunk, "Mix_VolumeChunk");
        return all ? std::move(api) : nullptr;
    }
};

QByteArray SoundResource(int sound) {
    QFile file(SoundPath(sound, UiAssetLanguage()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

CSoundPlayer::CSoundPlayer(const SettingCopies& copies, Source source)
    : m_copies(copies), m_source(source ? std::move(source) : Source(SoundResource)) {}

CSoundPlayer::~CSoundPlayer() {
    if (m_device != Device::Open) return;
    StopAndFree();
    m_sdl->CloseAudio();
    m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
}

bool CSoundPlayer::OpenDevice() {
    // Opened at the first sound, not at start; a failure is remembered and never retried.
    if (m_device == Device::Unopened) {
        m_device = Device::Failed;
        m_sdl = Sdl::Load();
        if (!m_sdl) return false;
        if (m_sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        if (m_sdl->OpenAudio(22050, AUDIO_S16SYS, 1, 512) != 0) {
            m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        m_sdl->QuerySpec(&frequency, &format, &channels);
        m_outputBytesPerSecond =
            frequency * channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
        m_sdl->AllocateChannels(1);
        m_device = Device::Open;
    }
    return m_device == Device::Open;
}

void CSoundPlayer::StopAndFree() {
    m_sdl->HaltChannel(kChannel);
    if (m_chunk) m_sdl->FreeChunk(m_chunk);
    m_chunk = nullptr;
}

int CSoundPlayer::MixerVolume(int percent) {
    return (std::clamp(percent, 0, 100) * MIX_MAX_VOLUME + 50) / 100;
}

void CSoundPlayer::SetVolume(int percent) {
    m_volume = std::clamp(percent, 0, 100);
    if (m_chunk) m_sdl->VolumeChunk(m_chunk, MixerVolume(m_volume));
}

void CSoundPlayer::Play(int sound, bool toEnd) {
    if (m_copies.m_soundOn != 1 || m_volume == 0) return;
    const QByteArray wav = m_source(sound);
    if (wav.isEmpty() || !OpenDevice()) return;
    SDL_RWops* rw = m_sdl->RWFromConstMem(wav.constData(), static_cast<int>(wav.size()));
    Mix_Chunk* chunk = rw ? m_sdl->LoadWAV_RW(rw, 1) : nullptr;  // closes rw
    if (!chunk) return;
    StopAndFree();
    m_chunk = chunk;
    // The chunk carries the volume (the mixer multiplies chunk and channel volumes: the channel
    // stays at full).
    m_sdl->VolumeChunk(m_chunk, MixerVolume(m_volume));
    if (m_sdl->PlayChannelTimed(kChannel, m_chunk, 0, -1) < 0) {
        StopAndFree();
        return;
    }
    if (!toEnd) return;
    // Wait on this thread for the sound's length; a stuck device cannot hold it much longer.
    const Uint32 lengthMs = static_cast<Uint32>(1000ull * m_chunk->alen /
                                                static_cast<unsigned>(m_outputBytesPerSecond));
    const Uint32 deadline = m_sdl->GetTicks() + lengthMs + 1000;
    while (m_sdl->Playing(kChannel) && m_sdl->GetTicks() < deadline) m_sdl->Delay(2);
    StopAndFree();
}

bool CSoundPlayer::IsPlaying() const {
    return m_device == Device::Open && m_sdl->Playing(kChannel) != 0;
}

}  // namespace quintrick
