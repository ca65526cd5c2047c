#include "support/window_model.h"

namespace kv::test {

namespace {

constexpr int kFirstGainRegister = 10;

}  // namespace

WindowModel::WindowModel(Kv2841a& w) : w_(w) {
    for (int n = 0; n < kRegisterCount; ++n) {
        locked_[index(n)] = box(n).locked();
        box(n).on_view_update = [this, n] { box_updated(n); };
    }
    unlocked_ = !box(0).locked();
    won_ = w.module().RegsUnlocked == 1;
}

WindowModel::~WindowModel() {
    for (TextBox& register_box : w_.Text1) {
        register_box.on_view_update = nullptr;
    }
}

// A change of the lock is no write; everything else that reaches the hook
// outside the person's own edit is the program writing the box or deciding
// its mark, which it does only together with a write.
void WindowModel::box_updated(int n) {
    if (box(n).locked() != locked_[index(n)]) {
        locked_[index(n)] = box(n).locked();
        return;
    }
    if (n == person_box_) {
        return;
    }
    written_[index(n)] = true;
    typed_[index(n)] = Typed{};
}

void WindowModel::start_action() {
    written_.fill(false);
}

void WindowModel::end_action(bool was_reset) {
    for (int channel = 1; channel <= 3; ++channel) {
        bool& current = gain_current_[static_cast<std::size_t>(channel - 1)];
        current = !was_reset && (current || written(kFirstGainRegister + channel - 1));
    }
}

void WindowModel::register_box_clicked() {
    unlocked_ = unlocked_ || w_.module().RegsUnlocked == 1;
}

}  // namespace kv::test
