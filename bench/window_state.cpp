#include "window_state.h"

namespace kv::bench {

std::string window_state(const Kv2841a& w, const test::FakePlatform& platform) {
    std::string state;
    for (const Control* control : w.controls()) {
        state += control->name() + "=" + control->printed_value() + "\n";
    }
    state += "focus moves=" + std::to_string(platform.focus_count) + "\n";
    state += "bytes saved=" + std::to_string(platform.bytes_saved) + "\n";
    state += "messages=" + std::to_string(platform.message_count) + "\n";
    return state;
}

}  // namespace kv::bench
