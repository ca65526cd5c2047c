#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "panel/kv2841a.h"

namespace kv::test {

// What a session knows of a window beyond its controls, so that every rule can
// be stated exactly:
// - which register boxes the person typed into since the program last wrote
//   them (manual entry keeps the box's mark, and no rule of the producers
//   holds for such a box until it is written again), with the text and mark
//   the person left;
// - whether the gain words are the words of the current gain settings (they
//   hold their default words from start and from every reset until a gain
//   handler of their channel runs);
// - whether manual entry was unlocked and a board of the puzzle was won.
// It watches the register boxes as a view does: every write of the program
// reaches the box's view hook, also a write of the same text.
class WindowModel final {
public:
    explicit WindowModel(Kv2841a& w);
    ~WindowModel();
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    // Runs an edit of register box n made by the person (typing, a paste, a
    // backspace, a selection) and notes what it left.
    template <typename Edit>
    void person_edits(int n, Edit edit) {
        const std::string before = box(n).text();
        person_box_ = n;
        edit();
        person_box_ = -1;
        if (box(n).text() != before) {
            typed_[index(n)] = Typed{true, box(n).text(), box(n).back_color()};
        }
    }

    // Before each action of the session, and after it: a reset leaves the
    // gain words at their defaults, a gain handler makes its word current.
    void start_action();
    void end_action(bool was_reset);

    // A click into a register box, accepted by the window.
    void register_box_clicked();
    void puzzle_won() { won_ = true; }

    [[nodiscard]] bool hand_typed(int n) const { return typed_[index(n)].by_hand; }
    [[nodiscard]] const std::string& typed_text(int n) const { return typed_[index(n)].text; }
    [[nodiscard]] Colour typed_mark(int n) const { return typed_[index(n)].mark; }
    [[nodiscard]] bool written(int n) const { return written_[index(n)]; }
    // Channel 1..3.
    [[nodiscard]] bool gain_current(int channel) const {
        return gain_current_[static_cast<std::size_t>(channel - 1)];
    }
    [[nodiscard]] bool unlocked() const { return unlocked_; }
    [[nodiscard]] bool won() const { return won_; }

private:
    struct Typed {
        bool by_hand = false;
        std::string text;
        Colour mark = kWindowBackground;
    };

    static std::size_t index(int n) { return static_cast<std::size_t>(n); }
    TextBox& box(int n) { return w_.Text1[index(n)]; }
    void box_updated(int n);

    Kv2841a& w_;
    int person_box_ = -1;
    std::array<Typed, kRegisterCount> typed_{};
    std::array<bool, kRegisterCount> written_{};
    std::array<bool, kRegisterCount> locked_{};
    std::array<bool, 3> gain_current_{};
    bool unlocked_ = false;
    bool won_ = false;
};

}  // namespace kv::test
