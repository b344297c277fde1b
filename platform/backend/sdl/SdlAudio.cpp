// Sound over SDL2_mixer: WAV files and decoded MIDI pieces as chunks, each device on a channel of
// its own, and one MIDI piece at a time streamed through FluidSynth so that music starts at once.
// The audio device is closed while nothing sounds and opened again at the next sound.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <list>
#include <map>
#include <optional>
#include <set>
#include <thread>

#include "platform/AudioOutput.h"
#include "platform/Clock.h"

namespace platform {
namespace {

constexpr int OutputFrequency = 44100;
constexpr int OutputChannels = 2;
constexpr int OutputBufferFrames = 1024;
// MIDI pieces up to this long are decoded as soon as they are opened (a jingle: about 70 ms of
// work), so that they can sound beside the streamed music without delay.
constexpr std::int64_t DecodeAtOpenMs = 15'000;
// Each streamed piece holds its own synthesiser with the soundfont (about 8 MB, 40 ms to load);
// at most this many are kept, and only while a device has their piece open.
constexpr std::size_t StreamsKept = 2;
// SDL's audio thread wakes for every buffer even while paused or silent, so a device that has been
// silent this long is closed; opening it again takes a few milliseconds.
constexpr auto CloseAfterSilence = std::chrono::milliseconds(1000);
constexpr auto SilenceCheckPeriod = std::chrono::milliseconds(250);
// General MIDI soundfonts where Debian's packages put them.
constexpr const char* SoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                      "/usr/share/sounds/sf2/default-GM.sf2"};

struct ChunkFree {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkFree>;
struct MusicFree {
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};
using MusicPtr = std::unique_ptr<Mix_Music, MusicFree>;

// Opens the audio device for our output format. Closing the device forgets the soundfont, so it
// is given again at every open (null: none was found and music is silent).
bool OpenDevice(const char* soundFont)
{
    if (Mix_OpenAudio(OutputFrequency, AUDIO_S16SYS, OutputChannels, OutputBufferFrames) != 0) {
        return false;
    }
    if (soundFont != nullptr) {
        Mix_SetSoundFonts(soundFont);
    }
    return true;
}

SDL_RWops* ReadFrom(const MediaFile& file)
{
    return SDL_RWFromConstMem(file.bytes.data(), static_cast<int>(file.bytes.size()));
}

class SdlAudio;

class SdlVoice final : public Voice {
public:
    SdlVoice(SdlAudio& audio, std::shared_ptr<const MediaFile> file, int channel)
        : audio_(audio), file_(std::move(file)), channel_(channel)
    {
    }
    ~SdlVoice() override;

    void Play(std::int64_t fromMs) override;
    void Pause() override;
    void Resume(std::int64_t atMs) override;
    void Stop() override;

    const MediaFile& File() const { return *file_; }
    int Channel() const { return channel_; }
    const std::shared_ptr<const MediaFile>& SharedFile() const { return file_; }
    // Paused with a sound to resume: the device must stay open.
    bool Holding() const { return paused_ && route_ != Route::None; }
    // The device closes: nothing of this voice is in the mixer any more.
    void Silence()
    {
        route_ = Route::None;
        rest_.reset();
    }
    // Streaming and not yet at its end (or paused): the stream is taken.
    bool HoldsStream() const;
    void LoseStream() { route_ = Route::None; }
    // The decode that a pending play waited for is done (chunk null: it failed): sound from where
    // the clock now is.
    void StartDecoded(Mix_Chunk* chunk);

private:
    enum class Route { None, Channel, Stream, Pending };

    std::int64_t ClockPosition() const { return playFrom_ + NowMs() - playStartedAt_; }
    void StartChunk(Mix_Chunk* chunk, std::int64_t fromMs);

    SdlAudio& audio_;
    std::shared_ptr<const MediaFile> file_;
    int channel_;
    Route route_ = Route::None;
    bool paused_ = false;
    std::int64_t playFrom_ = 0;
    std::int64_t playStartedAt_ = 0;
    ChunkPtr rest_; // the part of a chunk after a start position; shares the chunk's samples
};

class SdlAudio final : public AudioOutput {
public:
    // The device is open when this is made.
    SdlAudio(std::mutex& lock, const char* soundFont) : lock_(lock), soundFont_(soundFont)
    {
        Opened();
        worker_ = std::thread([this] { WorkLoop(); });
    }

    ~SdlAudio() override
    {
        StopDecoding();
        if (open_) {
            Mix_HaltChannel(-1);
            Mix_HaltMusic();
        }
        streams_.clear();
        chunks_.clear();
        if (open_) {
            Mix_CloseAudio();
        }
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    std::unique_ptr<Voice> OpenVoice(std::shared_ptr<const MediaFile> file) override
    {
        if (!EnsureOpen()) {
            return nullptr;
        }
        ++users_[file.get()];
        if (file->kind == MediaKind::Wave && chunks_.count(file.get()) == 0) {
            chunks_[file.get()] = Decoded{file, ChunkPtr(Mix_LoadWAV_RW(ReadFrom(*file), 1))};
        }
        if (file->kind == MediaKind::Midi && file->lengthMs <= DecodeAtOpenMs) {
            RequestDecode(file);
        }
        auto voice = std::make_unique<SdlVoice>(*this, std::move(file), AllocateChannel());
        voices_.push_back(voice.get());
        return voice;
    }

    // A voice goes: what was decoded or streamed for its file goes too when no other voice has the
    // file open.
    void Release(SdlVoice* voice)
    {
        std::erase(voices_, voice);
        FreeChannel(voice->Channel());
        const MediaFile* file = &voice->File();
        if (--users_[file] > 0) {
            return;
        }
        users_.erase(file);
        chunks_.erase(file);
        streams_.remove_if([file](const Stream& stream) { return stream.file.get() == file; });
    }

    // Opens the device again when it was closed for silence; false when it cannot be opened.
    bool EnsureOpen()
    {
        if (open_) {
            return true;
        }
        if (!OpenDevice(soundFont_)) {
            if (!reopenFailed_) {
                std::fprintf(stderr, "vandrel: the audio device does not open again (%s)\n",
                             Mix_GetError());
                reopenFailed_ = true;
            }
            return false;
        }
        Opened();
        if (channelsUsed_.size() > MIX_CHANNELS) {
            Mix_AllocateChannels(static_cast<int>(channelsUsed_.size()));
        }
        wake_.notify_one();
        return true;
    }

    // The file's whole sound as a chunk, when it is loaded or decoded.
    Mix_Chunk* ReadyChunk(const MediaFile& file) const
    {
        const auto found = chunks_.find(&file);
        return found == chunks_.end() ? nullptr : found->second.chunk.get();
    }
    // SDL could not make a sound of the file: it stays silent.
    bool Unplayable(const MediaFile& file) const
    {
        const auto found = chunks_.find(&file);
        return found != chunks_.end() && !found->second.chunk;
    }

    std::size_t BytesAt(std::int64_t ms) const
    {
        return static_cast<std::size_t>(ms * frequency_ / 1000 * frameBytes_);
    }

    void RequestDecode(const std::shared_ptr<const MediaFile>& file)
    {
        if (chunks_.count(file.get()) != 0 || decoding_.count(file.get()) != 0 || !EnsureOpen()) {
            return;
        }
        decoding_.insert(file.get());
        queue_.push_back(file);
        wake_.notify_one();
    }

    void AddPending(SdlVoice* voice) { pending_.push_back(voice); }
    void RemovePending(SdlVoice* voice) { std::erase(pending_, voice); }

    // Starts the file's music stream for the voice unless another voice's stream still plays.
    bool TakeStream(SdlVoice& voice)
    {
        if (streamOwner_ != nullptr && streamOwner_ != &voice && streamOwner_->HoldsStream()) {
            return false;
        }
        Mix_Music* music = StreamFor(voice.SharedFile());
        if (music == nullptr) {
            return false;
        }
        if (Mix_PlayMusic(music, 0) != 0) {
            return false;
        }
        if (streamOwner_ != nullptr && streamOwner_ != &voice) {
            streamOwner_->LoseStream();
        }
        streamOwner_ = &voice;
        return true;
    }

    bool OwnsStream(const SdlVoice& voice) const { return streamOwner_ == &voice; }
    void ReleaseStream(const SdlVoice& voice)
    {
        if (streamOwner_ == &voice) {
            Mix_HaltMusic();
            streamOwner_ = nullptr;
        }
    }

    // Waits for the decode under way and ends the decoding thread.
    void StopDecoding()
    {
        {
            const std::scoped_lock guard(lock_);
            quit_ = true;
        }
        wake_.notify_one();
        if (worker_.joinable()) {
            worker_.join();
        }
    }

private:
    void Opened()
    {
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        Mix_QuerySpec(&frequency, &format, &channels);
        frequency_ = frequency;
        frameBytes_ = channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
        open_ = true;
        silentSince_.reset();
    }

    bool Silent() const
    {
        return Mix_Playing(-1) == 0 && Mix_PlayingMusic() == 0 && pending_.empty() &&
               decoding_.empty() && queue_.empty() &&
               std::none_of(voices_.begin(), voices_.end(),
                            [](const SdlVoice* voice) { return voice->Holding(); });
    }

    void CloseDevice()
    {
        for (SdlVoice* voice : voices_) {
            voice->Silence();
        }
        streamOwner_ = nullptr;
        streams_.clear();
        Mix_CloseAudio();
        open_ = false;
    }

    void FreeChannel(int channel) { channelsUsed_[static_cast<std::size_t>(channel)] = false; }

    int AllocateChannel()
    {
        const auto free = std::find(channelsUsed_.begin(), channelsUsed_.end(), false);
        const auto channel = static_cast<int>(free - channelsUsed_.begin());
        if (free == channelsUsed_.end()) {
            channelsUsed_.resize(channelsUsed_.size() + 8, false);
            Mix_AllocateChannels(static_cast<int>(channelsUsed_.size()));
        }
        channelsUsed_[static_cast<std::size_t>(channel)] = true;
        return channel;
    }

    Mix_Music* StreamFor(const std::shared_ptr<const MediaFile>& file)
    {
        const auto found = std::find_if(streams_.begin(), streams_.end(),
                                        [&](const Stream& s) { return s.file == file; });
        if (found != streams_.end()) {
            streams_.splice(streams_.begin(), streams_, found);
            return streams_.front().music.get();
        }
        MusicPtr music(Mix_LoadMUS_RW(ReadFrom(*file), 1));
        if (!music) {
            return nullptr;
        }
        streams_.push_front(Stream{file, std::move(music)});
        while (streams_.size() > StreamsKept) {
            streams_.pop_back();
        }
        return streams_.front().music.get();
    }

    // The decoding thread: decodes MIDI pieces asked for, and closes the device once it has been
    // silent for a while (the device stays open while a decode runs, which needs its format).
    void WorkLoop()
    {
        std::unique_lock guard(lock_);
        for (;;) {
            if (quit_) {
                return;
            }
            if (!queue_.empty()) {
                Decode(guard);
                continue;
            }
            if (open_ && Silent()) {
                const auto now = std::chrono::steady_clock::now();
                if (!silentSince_) {
                    silentSince_ = now;
                } else if (now - *silentSince_ >= CloseAfterSilence) {
                    CloseDevice();
                    continue;
                }
            } else {
                silentSince_.reset();
            }
            const auto woken = [this] { return quit_ || !queue_.empty(); };
            if (open_) {
                wake_.wait_for(guard, SilenceCheckPeriod, woken);
            } else {
                wake_.wait(guard, [&] { return woken() || open_; });
            }
        }
    }

    void Decode(std::unique_lock<std::mutex>& guard)
    {
        const auto file = queue_.front();
        queue_.pop_front();
        // A piece whose devices all closed before its turn is not decoded.
        ChunkPtr chunk;
        if (users_.count(file.get()) != 0) {
            guard.unlock();
            chunk.reset(Mix_LoadWAV_RW(ReadFrom(*file), 1));
            guard.lock();
        }
        decoding_.erase(file.get());
        if (users_.count(file.get()) == 0) {
            return;
        }
        Mix_Chunk* ready = chunk.get();
        chunks_[file.get()] = Decoded{file, std::move(chunk)};
        const auto waiting = pending_;
        for (SdlVoice* voice : waiting) {
            if (&voice->File() == file.get()) {
                RemovePending(voice);
                voice->StartDecoded(ready);
            }
        }
    }

    struct Decoded {
        std::shared_ptr<const MediaFile> file;
        ChunkPtr chunk; // null when SDL could not decode the file
    };

    struct Stream {
        std::shared_ptr<const MediaFile> file; // the music reads the bytes it was made from
        MusicPtr music;
    };

    std::mutex& lock_;
    const char* soundFont_;
    std::int64_t frequency_ = OutputFrequency;
    std::int64_t frameBytes_ = 4;
    // Chunks by file: a file that changed on disk is another MediaFile and is decoded anew.
    std::map<const MediaFile*, Decoded> chunks_;
    std::set<const MediaFile*> decoding_;
    std::deque<std::shared_ptr<const MediaFile>> queue_;
    std::vector<SdlVoice*> pending_;
    std::vector<bool> channelsUsed_;
    std::list<Stream> streams_;
    SdlVoice* streamOwner_ = nullptr;
    std::vector<SdlVoice*> voices_;
    std::map<const MediaFile*, int> users_; // open voices of each file
    bool open_ = false;
    bool reopenFailed_ = false;
    std::optional<std::chrono::steady_clock::time_point> silentSince_;
    std::condition_variable wake_;
    bool quit_ = false;
    std::thread worker_;
};

SdlVoice::~SdlVoice()
{
    Stop();
    if (audio_.OwnsStream(*this)) {
        audio_.ReleaseStream(*this);
    }
    audio_.Release(this);
}

bool SdlVoice::HoldsStream() const
{
    return route_ == Route::Stream && (paused_ || ClockPosition() < file_->lengthMs);
}

void SdlVoice::StartChunk(Mix_Chunk* chunk, std::int64_t fromMs)
{
    const std::size_t offset = audio_.BytesAt(fromMs);
    if (offset >= chunk->alen) {
        return;
    }
    if (offset > 0) {
        rest_.reset(
            Mix_QuickLoad_RAW(chunk->abuf + offset, chunk->alen - static_cast<Uint32>(offset)));
        chunk = rest_.get();
    }
    if (chunk != nullptr && Mix_PlayChannel(channel_, chunk, 0) == channel_) {
        route_ = Route::Channel;
    }
}

void SdlVoice::Play(std::int64_t fromMs)
{
    Stop();
    if (!audio_.EnsureOpen()) {
        return;
    }
    playFrom_ = fromMs;
    playStartedAt_ = NowMs();
    if (Mix_Chunk* chunk = audio_.ReadyChunk(*file_)) {
        StartChunk(chunk, fromMs);
        return;
    }
    if (file_->kind != MediaKind::Midi || audio_.Unplayable(*file_)) {
        return;
    }
    if (fromMs == 0 && audio_.TakeStream(*this)) {
        route_ = Route::Stream;
        return;
    }
    // The stream is taken or cannot start here: sound once the piece is decoded, from wherever
    // the clock has got to by then.
    route_ = Route::Pending;
    audio_.AddPending(this);
    audio_.RequestDecode(file_);
}

void SdlVoice::StartDecoded(Mix_Chunk* chunk)
{
    route_ = Route::None;
    const std::int64_t position = ClockPosition();
    if (chunk != nullptr && position < file_->lengthMs) {
        StartChunk(chunk, position);
    }
}

void SdlVoice::Pause()
{
    paused_ = true;
    switch (route_) {
    case Route::Channel:
        Mix_Pause(channel_);
        break;
    case Route::Stream:
        Mix_PauseMusic();
        break;
    case Route::Pending:
        audio_.RemovePending(this);
        route_ = Route::None;
        break;
    case Route::None:
        break;
    }
}

void SdlVoice::Resume(std::int64_t atMs)
{
    const bool wasPaused = paused_;
    paused_ = false;
    if (wasPaused && route_ == Route::Channel) {
        playFrom_ = atMs;
        playStartedAt_ = NowMs();
        Mix_Resume(channel_);
    } else if (wasPaused && route_ == Route::Stream) {
        playFrom_ = atMs;
        playStartedAt_ = NowMs();
        Mix_ResumeMusic();
    } else {
        Play(atMs);
    }
}

void SdlVoice::Stop()
{
    switch (route_) {
    case Route::Channel:
        Mix_HaltChannel(channel_);
        break;
    case Route::Stream:
        audio_.ReleaseStream(*this);
        break;
    case Route::Pending:
        audio_.RemovePending(this);
        break;
    case Route::None:
        break;
    }
    rest_.reset();
    route_ = Route::None;
    paused_ = false;
}

SdlAudio* openAudio = nullptr;

} // namespace

std::unique_ptr<AudioOutput> OpenSdlAudio(std::mutex& mediaLock)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "vandrel: no audio (%s); sounds are silent\n", SDL_GetError());
        return nullptr;
    }
    Mix_Init(MIX_INIT_MID);
    std::error_code ec;
    const auto font =
        std::find_if(std::begin(SoundFonts), std::end(SoundFonts),
                     [&](const char* path) { return std::filesystem::exists(path, ec); });
    const char* soundFont = font != std::end(SoundFonts) ? *font : nullptr;
    if (!OpenDevice(soundFont)) {
        std::fprintf(stderr, "vandrel: no audio device (%s); sounds are silent\n", Mix_GetError());
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    if (soundFont == nullptr) {
        std::fprintf(stderr, "vandrel: no General MIDI soundfont (package timgm6mb-soundfont); "
                             "music is silent\n");
    }
    auto audio = std::make_unique<SdlAudio>(mediaLock, soundFont);
    // The decoding thread must be finished before the program's teardown closes the audio.
    openAudio = audio.get();
    std::atexit([] { openAudio->StopDecoding(); });
    return audio;
}

} // namespace platform
