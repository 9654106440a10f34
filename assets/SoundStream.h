#pragma once

#include "SoundFile.h"

#include <chrono>
#include <optional>
#include <string>

struct pa_context;
struct pa_server_info;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;

// The game's one stream to the desktop's sound server, open for the whole run, so the mixer
// shows one entry for the game and remembers its volume. The sound library's own thread talks to
// the server; the game's thread only hands sounds over and never waits for the server. Without a
// server the game plays silently; a server that goes away is looked for again every second.
class SoundStream {
public:
    // The rate the game's sounds are made at; the server converts it to its own.
    static constexpr int Rate = 22050;

    SoundStream();
    ~SoundStream();
    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    // Starts the sound at once, cutting off the one still playing; nullptr only cuts it off.
    void play(SoundSamples sound);

private:
    // Everything below runs with the sound thread's lock held.
    // Reaches the server on the sound thread, as soon as it gets to it.
    void connectSoon();
    void connect();
    void openStream();
    void onContextState();
    void onServerInfo(const pa_server_info* info);
    void onStreamState();
    void start(const SoundSamples& sound);
    void rest();
    void lose();
    void retryLater();
    void forget();

    // The game's name in the mixer, as the player reads it in the window's title.
    const std::string m_name;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    // Corks the stream a while after the last sound, so an idle game keeps no device awake.
    pa_time_event* m_restTimer = nullptr;
    pa_time_event* m_retryTimer = nullptr;
    bool m_corked = false;
    bool m_connecting = false;
    bool m_told = false;
    // Whether the server is PipeWire, once it has said which it is.
    std::optional<bool> m_onPipeWire;
    // A sound asked for while the stream is being opened, started once it is open if it would
    // still be playing by then.
    SoundSamples m_waiting;
    std::chrono::steady_clock::time_point m_waitingSince;
};
