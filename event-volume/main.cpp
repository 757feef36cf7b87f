// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-event-volume: reads or sets the volume at which the sound server plays
// event and notification sounds, i.e. the stream-restore entry that the server
// applies to every playback stream with the media role "event".

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/ext-stream-restore.h>
#include <pulse/mainloop.h>
#include <pulse/rtclock.h>
#include <pulse/timeval.h>
#include <pulse/volume.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char *kProgram = "vyr-event-volume";
constexpr const char *kEventEntry = "sink-input-by-media-role:event";
constexpr const char *kClientName = "knob";
constexpr int kTimeoutSeconds = 3;

enum ExitStatus {
    ExitDone = 0,
    ExitNoEntry = 1,
    ExitUsage = 2,
    ExitWrongValue = 3,
    ExitTimeout = 4,
    // The server answered but refused the request (for example, its
    // stream-restore module is not loaded).
    ExitRefused = 5,
};

/// Parses a whole unsigned decimal number 0..100. Anything else (signs,
/// blanks, trailing text, overflow) is refused: a typo must not silence
/// every event sound.
bool parsePercent(const char *text, unsigned long *percent)
{
    if (*text == '\0')
        return false;
    for (const char *c = text; *c; ++c) {
        if (*c < '0' || *c > '9')
            return false;
    }
    errno = 0;
    char *end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (errno == ERANGE || *end != '\0' || value > 100)
        return false;
    *percent = value;
    return true;
}

/// 100 % is the server's normal volume; integer division as the stored
/// values have always been computed (1 % stores 655).
pa_volume_t percentToVolume(unsigned long percent)
{
    return pa_volume_t(percent * PA_VOLUME_NORM / 100UL);
}

int volumeToPercent(pa_volume_t volume)
{
    return int(std::lround(double(volume) * 100.0 / double(PA_VOLUME_NORM)));
}

struct Session {
    pa_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    bool setMode = false;
    pa_volume_t volume = 0;
    bool requested = false;
    bool connecting = false;
    bool finished = false;
};

/// Ends the main loop with @p status. Only the first outcome counts: the
/// rest of a reply is still dispatched in the same iteration.
void finish(Session *session, ExitStatus status)
{
    if (session->finished)
        return;
    session->finished = true;
    pa_mainloop_quit(session->loop, status);
}

void onTimeout(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *userdata)
{
    std::fprintf(stderr, "%s: can't connect pulse audio and set volume, timeout %d secexpired!\n", kProgram,
                 kTimeoutSeconds);
    finish(static_cast<Session *>(userdata), ExitTimeout);
}

void onEntry(pa_context *context, const pa_ext_stream_restore_info *info, int eol, void *userdata)
{
    auto *session = static_cast<Session *>(userdata);
    if (session->finished)
        return;
    if (eol < 0) {
        std::fprintf(stderr, "Restoring stream data failed: %s", pa_strerror(pa_context_errno(context)));
        finish(session, ExitRefused);
        return;
    }
    if (eol > 0 || !info) {
        finish(session, ExitNoEntry);
        return;
    }
    if (!info->name || std::strcmp(info->name, kEventEntry) != 0)
        return;
    if (info->channel_map.channels == 0) {
        std::fprintf(stderr, "%s: Number of channels stored is zero. Ignore.", kProgram);
        return;
    }
    std::printf("%d\n", volumeToPercent(info->volume.values[0]));
    std::fflush(stdout);
    finish(session, ExitDone);
}

void onWritten(pa_context *, int success, void *userdata)
{
    auto *session = static_cast<Session *>(userdata);
    if (success) {
        finish(session, ExitDone);
        return;
    }
    std::fprintf(stderr, "%s: pa_ext_stream_restore_write failed", kProgram);
    finish(session, ExitRefused);
}

/// Sends the read or write request. When it cannot be sent (the context
/// failed) the report is printed and the time-out ends the program, as it
/// does for a server that never answers.
void sendRequest(Session *session)
{
    if (session->requested)
        return;
    session->requested = true;
    pa_operation *operation = nullptr;
    if (session->setMode) {
        pa_ext_stream_restore_info info;
        std::memset(&info, 0, sizeof info);
        info.name = kEventEntry;
        pa_channel_map_init_mono(&info.channel_map);
        pa_cvolume_set(&info.volume, 1, session->volume);
        info.device = ""; // no preferred device
        info.mute = 0;
        operation = pa_ext_stream_restore_write(session->context, PA_UPDATE_REPLACE, &info, 1, 1, onWritten, session);
        if (!operation)
            std::fprintf(stderr, "%s: pa_ext_stream_restore_write failed", kProgram);
    } else {
        operation = pa_ext_stream_restore_read(session->context, onEntry, session);
        if (!operation)
            std::fprintf(stderr, "Restoring stream data failed: %s", pa_strerror(pa_context_errno(session->context)));
    }
    if (operation)
        pa_operation_unref(operation);
}

void onContextState(pa_context *context, void *userdata)
{
    auto *session = static_cast<Session *>(userdata);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        sendRequest(session);
        break;
    case PA_CONTEXT_FAILED:
        // A failure inside pa_context_connect() is reported by its caller.
        if (!session->requested && !session->connecting) {
            std::fprintf(stderr, "%s: handshake with PulseAudio failed", kProgram);
            sendRequest(session);
        }
        break;
    default:
        break;
    }
}

void printUsage()
{
    std::fputs("Usage: vyr-event-volume [volume]\n"
               "Where 'volume' is event and notification sounds volume in percents from 0 to 100\n"
               "If no 'volume' specified then it returs current volume of event sounds",
               stderr);
}

int runSession(Session &session)
{
    session.loop = pa_mainloop_new();
    if (!session.loop) {
        std::fprintf(stderr, "%s: connection to PulseAudio failed", kProgram);
        return ExitTimeout;
    }
    pa_mainloop_api *api = pa_mainloop_get_api(session.loop);
    int status = ExitTimeout;
    session.context = pa_context_new(api, kClientName);
    if (!session.context) {
        std::fprintf(stderr, "%s: connection to PulseAudio failed", kProgram);
        pa_mainloop_free(session.loop);
        return ExitTimeout;
    }
    // The main loop's own timer bounds the whole exchange: a server that
    // accepts the connection and never answers, or no server at all, ends
    // here after the time limit.
    pa_time_event *timer = pa_context_rttime_new(
        session.context, pa_rtclock_now() + pa_usec_t(kTimeoutSeconds) * PA_USEC_PER_SEC, onTimeout, &session);
    pa_context_set_state_callback(session.context, onContextState, &session);
    session.connecting = true;
    const int connected = pa_context_connect(session.context, nullptr, PA_CONTEXT_NOFAIL, nullptr);
    session.connecting = false;
    if (connected < 0) {
        std::fprintf(stderr, "%s: connection to PulseAudio failed", kProgram);
        sendRequest(&session);
    }
    pa_mainloop_run(session.loop, &status);
    if (timer)
        api->time_free(timer);
    pa_context_set_state_callback(session.context, nullptr, nullptr);
    pa_context_disconnect(session.context);
    pa_context_unref(session.context);
    pa_mainloop_free(session.loop);
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    Session session;
    if (argc == 2) {
        if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
            printUsage();
            return ExitUsage;
        }
        unsigned long percent = 0;
        if (!parsePercent(argv[1], &percent)) {
            std::fprintf(stderr, "%s: wrong value %s, volume is in percents from 0 to 100\n", kProgram, argv[1]);
            return ExitWrongValue;
        }
        session.setMode = true;
        session.volume = percentToVolume(percent);
    }
    return runSession(session);
}
