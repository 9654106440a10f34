#include "SoundStream.h"

#include "Files.h"
#include "Texts.h"

#include <QCoreApplication>
#include <array>
#include <cstdio>
#include <cstring>
#include <pulse/pulseaudio.h>

namespace {

// The server is asked to queue only this much ahead of what it plays. A new sound is put in front
// of the queue anyway; what follows from this is how far ahead the server mixes, which the first
// sample of a new sound may still wait behind.
constexpr pa_usec_t QueueUsec = 10 * PA_USEC_PER_MSEC;
constexpr pa_usec_t RestAfterUsec = 3 * PA_USEC_PER_SEC;
// A lost server is looked for again this often, so that its stream is open again before the next
// sound: a stream's first moments may still be taken by the server settling its timing.
constexpr pa_usec_t RetryUsec = 1 * PA_USEC_PER_SEC;

constexpr pa_sample_spec Format{PA_SAMPLE_FLOAT32NE, SoundStream::Rate, 1};

// Follows every sound on PipeWire: see openStream() for why. A tenth of a second is longer than
// any period a server reads in.
constexpr std::array<float, SoundStream::Rate / 10> Silence{};

std::chrono::microseconds lengthOf(const SoundSamples& sound) {
    return std::chrono::microseconds(sound->size() * 1000000 / SoundStream::Rate);
}

} // namespace

SoundStream::SoundStream()
    : m_name(QCoreApplication::translate("Texts", Texts::Caption).toStdString()),
      m_loop(pa_threaded_mainloop_new()) {
    if (!m_loop)
        return;
    pa_threaded_mainloop_set_name(m_loop, "zunbario-sound");
    // Reading the sound library's settings and reaching the server happen on its own thread.
    connectSoon();
    if (pa_threaded_mainloop_start(m_loop) < 0) {
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
}

SoundStream::~SoundStream() {
    if (!m_loop)
        return;
    pa_threaded_mainloop_lock(m_loop);
    forget();
    if (m_retryTimer)
        pa_threaded_mainloop_get_api(m_loop)->time_free(m_retryTimer);
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void SoundStream::play(SoundSamples sound) {
    if (!m_loop)
        return;
    pa_threaded_mainloop_lock(m_loop);
    if (m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY) {
        start(sound);
    } else if (sound) {
        m_waiting = std::move(sound);
        m_waitingSince = std::chrono::steady_clock::now();
        if (!m_context && !m_connecting)
            connectSoon();
        else if (m_context && !m_stream && m_onPipeWire.has_value())
            openStream();
    }
    pa_threaded_mainloop_unlock(m_loop);
}

void SoundStream::connectSoon() {
    m_connecting = true;
    pa_mainloop_api_once(
        pa_threaded_mainloop_get_api(m_loop),
        [](pa_mainloop_api*, void* self) { static_cast<SoundStream*>(self)->connect(); }, this);
}

void SoundStream::connect() {
    m_connecting = false;
    if (m_context)
        return;
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, m_name.c_str());
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, Files::DesktopId);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, Files::DesktopId);
    m_context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), m_name.c_str(),
                                             properties);
    pa_proplist_free(properties);
    if (!m_context)
        return;
    pa_context_set_state_callback(
        m_context,
        [](pa_context*, void* self) { static_cast<SoundStream*>(self)->onContextState(); }, this);
    // No server of our own is started: a desktop without one plays the game silently.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 && m_context)
        lose();
}

void SoundStream::onContextState() {
    switch (pa_context_get_state(m_context)) {
    case PA_CONTEXT_READY:
        // The stream is set up a little differently for PipeWire: see openStream().
        pa_operation_unref(pa_context_get_server_info(
            m_context,
            [](pa_context*, const pa_server_info* info, void* self) {
                static_cast<SoundStream*>(self)->onServerInfo(info);
            },
            this));
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        lose();
        break;
    default:
        break;
    }
}

void SoundStream::onServerInfo(const pa_server_info* info) {
    // No answer: the connection is failing, and its state callback deals with that.
    if (!info)
        return;
    m_onPipeWire = info->server_name && std::strstr(info->server_name, "PipeWire");
    openStream();
}

void SoundStream::openStream() {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, Files::DesktopId);
    m_stream = pa_stream_new_with_proplist(m_context, m_name.c_str(), &Format, nullptr, properties);
    pa_proplist_free(properties);
    if (!m_stream)
        return;
    pa_stream_set_state_callback(
        m_stream, [](pa_stream*, void* self) { static_cast<SoundStream*>(self)->onStreamState(); },
        this);
    // No prebuffering: the stream plays as soon as a sound arrives and never waits to refill.
    // Not so on PipeWire, where pipewire-pulse moves a dry stream's read position on from its own
    // thread while the next sound is being put there, and now and then skipped a sound's first
    // few milliseconds. A prebuffer of one sample makes a dry stream stand still until the next
    // sound; standing still, it reads only whole periods and keeps back the last part of one,
    // which the silence after each sound carries out.
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(QueueUsec, &Format));
    buffer.prebuf = m_onPipeWire.value_or(false) ? sizeof(float) : 0;
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    m_corked = true;
    if (pa_stream_connect_playback(
            m_stream, nullptr, &buffer,
            static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED),
            nullptr, nullptr) < 0)
        forget();
}

void SoundStream::onStreamState() {
    switch (pa_stream_get_state(m_stream)) {
    case PA_STREAM_READY:
        if (m_waiting && std::chrono::steady_clock::now() - m_waitingSince < lengthOf(m_waiting))
            start(m_waiting);
        m_waiting.reset();
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        // The stream alone was closed, say from the mixer: the next sound opens a new one.
        pa_stream_unref(m_stream);
        m_stream = nullptr;
        break;
    default:
        break;
    }
}

void SoundStream::start(const SoundSamples& sound) {
    // A resting stream is woken first, so that the server's read position moves on again
    // before the new sound is put there.
    if (sound && m_corked) {
        pa_operation_unref(pa_stream_cork(m_stream, 0, nullptr, nullptr));
        m_corked = false;
    }
    // What is still queued of the old sound goes; the new one is put where the server reads next.
    pa_operation_unref(pa_stream_flush(m_stream, nullptr, nullptr));
    if (!sound)
        return;
    pa_stream_write(m_stream, sound->data(), sound->size() * sizeof(float), nullptr, 0,
                    PA_SEEK_RELATIVE_ON_READ);
    if (m_onPipeWire.value_or(false))
        pa_stream_write(m_stream, Silence.data(), sizeof Silence, nullptr, 0, PA_SEEK_RELATIVE);
    const pa_usec_t restAt = pa_rtclock_now() + RestAfterUsec + lengthOf(sound).count();
    if (m_restTimer)
        pa_context_rttime_restart(m_context, m_restTimer, restAt);
    else
        m_restTimer = pa_context_rttime_new(
            m_context, restAt,
            [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
                static_cast<SoundStream*>(self)->rest();
            },
            this);
}

void SoundStream::rest() {
    if (m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY && !m_corked) {
        pa_operation_unref(pa_stream_cork(m_stream, 1, nullptr, nullptr));
        m_corked = true;
    }
}

void SoundStream::lose() {
    if (!m_told) {
        // One line for the whole run, however often the server is looked for again.
        std::fprintf(stderr, "zunbario: no sound (%s); the game plays silently\n",
                     pa_strerror(pa_context_errno(m_context)));
        m_told = true;
    }
    forget();
    retryLater();
}

void SoundStream::retryLater() {
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
    timeval at;
    pa_timeval_add(pa_gettimeofday(&at), RetryUsec);
    if (m_retryTimer) {
        api->time_restart(m_retryTimer, &at);
        return;
    }
    m_retryTimer = api->time_new(
        api, &at,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
            static_cast<SoundStream*>(self)->connect();
        },
        this);
}

void SoundStream::forget() {
    if (m_restTimer) {
        pa_threaded_mainloop_get_api(m_loop)->time_free(m_restTimer);
        m_restTimer = nullptr;
    }
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    m_onPipeWire.reset();
    m_waiting.reset();
}
