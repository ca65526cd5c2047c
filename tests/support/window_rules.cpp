#include "support/window_rules.h"

#include <string>

#include "support/rule_checks.h"

namespace kv::test {

namespace rules {

void check_window(const Kv2841a& w, const Module& module, const WindowModel& model,
                  Problems& problems) {
    int pages = 0;
    for (const Page& page : kPages) {
        pages += (w.*page.frame).visible() ? 1 : 0;
    }
    if (pages != 1) {
        problems.add(std::to_string(pages) + " pages are shown");
    }
    for (const TextBox& box : w.Text1) {
        if (box.locked() == model.unlocked()) {
            problems.add(box.name() + (model.unlocked() ? " is locked after the unlock"
                                                        : " is open before any unlock"));
        }
    }
    if (module.RegsUnlocked != (model.won() ? 1 : 0)) {
        problems.add("RegsUnlocked is " + std::to_string(module.RegsUnlocked) +
                     (model.won() ? " after a board was won" : " while no board was won"));
    }
    if (module.EditionClicks < 0 || module.EditionClicks > 4) {
        problems.add("EditionClicks is " + std::to_string(module.EditionClicks));
    }
}

}  // namespace rules

std::vector<std::string> broken_rules(const Kv2841a& w, const Module& module,
                                      const WindowModel& model) {
    Problems problems;
    const rules::Words words = rules::current_words(w, module, problems);
    rules::check_registers(w, model, words, problems);
    rules::check_clock(w, module, problems);
    rules::check_lo(w, module, problems);
    rules::check_switches_and_lists(w, problems);
    rules::check_window(w, module, model, problems);
    return problems.take();
}

}  // namespace kv::test
