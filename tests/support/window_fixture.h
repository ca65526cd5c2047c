#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "panel/kv2841a.h"
#include "panel/register_map.h"
#include "support/fake_platform.h"
#include "window/window.h"

namespace kv::test {

// A configuration window on a scripted platform, loaded as at every start.
class LoadedWindow : public ::testing::Test {
protected:
    LoadedWindow() { Form_Load(w); }

    [[nodiscard]] const std::string& reg(int n) const {
        return w.Text1[static_cast<std::size_t>(n)].text();
    }
    [[nodiscard]] bool marked(int n) const {
        return w.Text1[static_cast<std::size_t>(n)].back_color() == kHighlight;
    }
    // The registers whose boxes carry the mark.
    [[nodiscard]] std::vector<int> marked_registers() const {
        std::vector<int> out;
        for (int n = 0; n < kRegisterCount; ++n) {
            if (marked(n)) {
                out.push_back(n);
            }
        }
        return out;
    }

    // How many message boxes showed exactly this text.
    [[nodiscard]] int messages_with_text(std::string_view text) const {
        int count = 0;
        for (const Message& message : platform.messages) {
            count += message.text == text ? 1 : 0;
        }
        return count;
    }

    FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
};

}  // namespace kv::test
