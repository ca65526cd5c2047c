#pragma once

#include <functional>
#include <optional>
#include <string>

#include "panel/kv2841a.h"

namespace kv {

// The field panel of the page "寄存器列表": the register under the mouse, or
// else the one with the keyboard focus, explained field by field as the
// window's words now stand. It follows the words live: every change of a
// register box tells the view, which asks for the text again. It keeps no
// copy of a word. The register boxes' own tips are not touched.
class FieldPanel final {
public:
    explicit FieldPanel(Kv2841a& w);
    ~FieldPanel();
    FieldPanel(const FieldPanel&) = delete;
    FieldPanel& operator=(const FieldPanel&) = delete;

    // The mouse entered register box n, or left it (none).
    void hover(std::optional<int> n);
    // Register box n took the keyboard focus, or lost it (none).
    void focus(std::optional<int> n);

    // The register shown: the one under the mouse, else the focused one.
    [[nodiscard]] std::optional<int> shown() const;
    // "REG2 32178" and an indented line for each field; empty when none is
    // shown.
    [[nodiscard]] std::string text() const;

    // Called when the text may have changed; the view refreshes here.
    std::function<void()> on_change;

private:
    void changed() const;

    Kv2841a& w_;
    std::optional<int> hovered_;
    std::optional<int> focused_;
};

}  // namespace kv
