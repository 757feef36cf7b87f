// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Test helper: lists or writes stream-restore entries of the server named by
// PULSE_SERVER.
//   tool_pulse_probe dump                 one line per entry:
//                                         name<TAB>channels<TAB>volume0<TAB>device<TAB>mute
//   tool_pulse_probe write NAME VOLUME    stores a mono entry with a raw volume
// Exit status 0 on success, 2 on any failure (5 s limit).

#include <pulse/context.h>
#include <pulse/ext-stream-restore.h>
#include <pulse/mainloop.h>
#include <pulse/rtclock.h>
#include <pulse/timeval.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
struct Probe {
    pa_mainloop *loop = nullptr;
    const char *mode = nullptr;
    const char *name = nullptr;
    pa_volume_t volume = 0;
    bool sent = false;
};

void onEntry(pa_context *, const pa_ext_stream_restore_info *info, int eol, void *userdata)
{
    auto *probe = static_cast<Probe *>(userdata);
    if (eol) {
        pa_mainloop_quit(probe->loop, eol > 0 ? 0 : 2);
        return;
    }
    std::printf("%s\t%u\t%s\t%s\t%d\n", info->name, unsigned(info->channel_map.channels),
                info->volume.channels ? std::to_string(info->volume.values[0]).c_str() : "-",
                info->device ? info->device : "(null)", info->mute);
}

void onWritten(pa_context *, int success, void *userdata)
{
    pa_mainloop_quit(static_cast<Probe *>(userdata)->loop, success ? 0 : 2);
}

void onState(pa_context *context, void *userdata)
{
    auto *probe = static_cast<Probe *>(userdata);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_FAILED) {
        pa_mainloop_quit(probe->loop, 2);
        return;
    }
    if (state != PA_CONTEXT_READY || probe->sent)
        return;
    probe->sent = true;
    pa_operation *operation = nullptr;
    if (std::strcmp(probe->mode, "dump") == 0) {
        operation = pa_ext_stream_restore_read(context, onEntry, probe);
    } else {
        pa_ext_stream_restore_info info;
        std::memset(&info, 0, sizeof info);
        info.name = probe->name;
        pa_channel_map_init_mono(&info.channel_map);
        pa_cvolume_set(&info.volume, 1, probe->volume);
        operation = pa_ext_stream_restore_write(context, PA_UPDATE_REPLACE, &info, 1, 1, onWritten, probe);
    }
    if (!operation)
        pa_mainloop_quit(probe->loop, 2);
    else
        pa_operation_unref(operation);
}

void onTimeout(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *userdata)
{
    pa_mainloop_quit(static_cast<Probe *>(userdata)->loop, 2);
}
}

int main(int argc, char *argv[])
{
    Probe probe;
    if (argc == 2 && std::strcmp(argv[1], "dump") == 0) {
        probe.mode = argv[1];
    } else if (argc == 4 && std::strcmp(argv[1], "write") == 0) {
        probe.mode = argv[1];
        probe.name = argv[2];
        probe.volume = pa_volume_t(std::strtoul(argv[3], nullptr, 10));
    } else {
        std::fputs("usage: tool_pulse_probe dump | write NAME VOLUME\n", stderr);
        return 2;
    }
    probe.loop = pa_mainloop_new();
    pa_context *context = pa_context_new(pa_mainloop_get_api(probe.loop), "vyr-test-probe");
    pa_time_event *timer = pa_context_rttime_new(context, pa_rtclock_now() + 5 * PA_USEC_PER_SEC, onTimeout, &probe);
    pa_context_set_state_callback(context, onState, &probe);
    int status = 2;
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0)
        pa_mainloop_run(probe.loop, &status);
    pa_mainloop_get_api(probe.loop)->time_free(timer);
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
    pa_mainloop_free(probe.loop);
    return status;
}
