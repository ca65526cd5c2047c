// Fuzz target: typing into every box that takes typing. The input is read as
// a list of edits; each names a box (fbA, reB, ch1bz..ch3bz or one of the 44
// register boxes, unlocked by solving a board of the puzzle first), a way to
// edit (keys, a paste, backspaces, a selection and keys) and the text. After
// every edit each rule of the window holds (tests/support/window_rules.h); a
// broken rule stops the fuzzer with the edits that led there.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/window_model.h"
#include "support/window_rules.h"
#include "window/application.h"

namespace {

using kv::test::FakePlatform;
using kv::test::WindowModel;

// Bytes of the input, taken in order; zeros once they run out.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    [[nodiscard]] bool done() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::string text(std::size_t length) {
        const std::size_t take = std::min(length, size_ - std::min(at_, size_));
        std::string out(reinterpret_cast<const char*>(data_ + at_), take);
        at_ += take;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The frequency test switch opens the LO lists; the version item opens the
// puzzle, a solved 3 x 3 board and a click unlock the register boxes.
void open_every_box(kv::Application& app, WindowModel& model) {
    kv::Kv2841a& w = app.window();
    w.Freq_ck.click();
    for (int use = 0; use < 5; ++use) {
        w.edition.click();
    }
    kv::MiniGame& game = *app.mini_game();
    game.lv3.click();
    for (int cell : {11, 13, 31, 33, 22}) {
        game.minibox[static_cast<std::size_t>(cell)].click();
    }
    model.puzzle_won();
    w.Text1[0].click();
    model.register_box_clicked();
}

kv::TextControl& target(kv::Kv2841a& w, std::uint8_t choice) {
    switch (choice % 49) {
        case 0:
            return w.fbA;
        case 1:
            return w.reB;
        case 2:
            return w.ch1bz;
        case 3:
            return w.ch2bz;
        case 4:
            return w.ch3bz;
        default:
            return w.register_box(choice % 49 - 5);
    }
}

void edit(kv::TextControl& box, std::uint8_t how, Reader& input) {
    const std::string text = input.text(input.byte());
    switch (how % 5) {
        case 0:
            box.type(text);
            break;
        case 1:
            box.replace_text(text);
            break;
        case 2:
            for (int i = 0; i <= how / 5 % 8; ++i) {
                box.press_backspace();
            }
            break;
        case 3:
            box.set_selection(how / 5 % 8, text.size() % 8);
            box.type(text);
            break;
        default:
            box.select_all();
            box.type(text);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakePlatform platform;
    kv::Application app(platform);
    app.start();
    WindowModel model(app.window());
    open_every_box(app, model);
    Reader input(data, size);
    std::vector<std::string> edits;
    while (!input.done()) {
        kv::TextControl& box = target(app.window(), input.byte());
        const std::uint8_t how = input.byte();
        edits.push_back(box.name() + " edit " + std::to_string(how % 5));
        model.start_action();
        if (box.index() >= 0) {
            model.person_edits(box.index(), [&] { edit(box, how, input); });
        } else {
            edit(box, how, input);
        }
        model.end_action(false);
        platform.messages.clear();
        const auto broken = kv::test::broken_rules(app.window(), app.module(), model);
        if (!broken.empty()) {
            for (const std::string& step : edits) {
                std::fprintf(stderr, "edit: %s\n", step.c_str());
            }
            for (const std::string& rule : broken) {
                std::fprintf(stderr, "broken: %s\n", rule.c_str());
            }
            std::abort();
        }
    }
    return 0;
}
