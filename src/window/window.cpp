#include "panel/kv2841a.h"
#include "shell/status_panels.h"

namespace kv {

// The window put together: the controls in the order they are declared, the
// design state, and the handlers of every subsystem.
Kv2841a::Kv2841a(Module& module, Platform& platform)
    : StatusBar1{"StatusBar1", status_bar_panels()}, module_(module), platform_(platform) {
    for (Control* root : std::initializer_list<Control*>{&files, &help, &Direction, &TabStrip1,
                                                         &StatusBar1, &FocusSeter, &YFPB}) {
        collect_controls(*root, controls_);
    }
    for (const Page& page : kPages) {
        collect_controls(this->*page.frame, controls_);
    }
    apply_design_state();
    attach_bandwidth();
    attach_pages();
    attach_table();
    attach_reset();
    attach_clock();
    attach_lo();
    attach_gain();
    attach_output();
    attach_files();
    attach_shell();
}

}  // namespace kv
