#include "window/window.h"

#include "bandwidth/bandwidth.h"
#include "clock/clock.h"
#include "gain/gain.h"
#include "lo/lo.h"
#include "output/output.h"
#include "panel/kv2841a.h"
#include "shell/shell.h"
#include "shell/status_panels.h"

namespace kv {

// The window put together: the controls in the order they are declared, each
// with its design, and the handlers of every subsystem.
Kv2841a::Kv2841a(Module& module, Platform& platform)
    : StatusBar1{"StatusBar1", status_bar_panels()}, module_(module), platform_(platform) {
    for (Control* root : std::initializer_list<Control*>{&files, &help, &Direction, &TabStrip1,
                                                         &StatusBar1, &FocusSeter, &YFPB}) {
        collect_controls(*root, controls_);
    }
    for (const Page& page : kPages) {
        collect_controls(this->*page.frame, controls_);
    }
    attach_bandwidth(*this);
    attach_pages();
    attach_table();
    attach_reset(*this);
    attach_clock(*this);
    attach_lo(*this);
    attach_gain(*this);
    attach_output(*this);
    attach_files();
    attach_shell(*this);
}

}  // namespace kv
