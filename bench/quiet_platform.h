#pragma once

#include <string>
#include <string_view>

#include "support/fake_platform.h"

namespace kv::bench {

// The file every dialog of a benchmark names.
inline constexpr std::string_view kListFile = "registers.txt";

// The tests' scripted platform as a benchmark runs it: it keeps no records,
// only counts, so a million actions cost no memory; every message box is
// answered at once (OK, or Yes to a question) and every file dialog names
// kListFile. A benchmark measures the program's own work, not a disk or a
// dialog.
[[nodiscard]] inline test::FakePlatform quiet_platform() {
    test::FakePlatform platform;
    platform.keeps_records = false;
    platform.standing_dialog_answer = std::string(kListFile);
    return platform;
}

}  // namespace kv::bench
