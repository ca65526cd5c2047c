#include "window/window.h"

#include "bandwidth/bandwidth.h"
#include "clock/clock.h"
#include "gain/gain.h"
#include "lo/lo.h"
#include "output/output.h"
#include "register_lists/list_commands.h"
#include "shell/shell.h"

namespace kv {

Kv2841aWindow::Kv2841aWindow(Module& module, Platform& platform) : Kv2841a(module, platform) {
    attach_bandwidth(*this);
    attach_reset(*this);
    attach_clock(*this);
    attach_lo(*this);
    attach_gain(*this);
    attach_output(*this);
    attach_register_lists(*this);
    attach_shell(*this);
}

}  // namespace kv
