// Fuzz target: reading any bytes as a register list file, and opening them.
//
// Reading never fails; a file it takes has 44 texts, none with a control
// character, every word in upper case, and written again in its own layout it
// reads back as the same texts. Opening the bytes in a window either refuses
// them with one box "警告" and leaves the window exactly as it was, or leaves
// every register holding the text read.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "panel/kv2841a.h"
#include "panel/utf8.h"
#include "register_lists/list_commands.h"
#include "register_lists/list_text.h"
#include "register_lists/register_list_reading.h"
#include "register_lists/register_lists.h"
#include "support/fake_platform.h"
#include "support/window_state.h"
#include "window/window.h"

namespace {

[[noreturn]] void fail(const char* rule) {
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

std::string written_again(const kv::RegisterListFile& file) {
    const std::vector<std::string> texts(file.texts.begin(), file.texts.end());
    switch (file.layout) {
        case kv::ListLayout::Spi:
            return kv::spi_list(texts);
        case kv::ListLayout::C:
            return kv::c_list(texts);
        case kv::ListLayout::No:
            return kv::no_list(texts);
    }
    return {};
}

void check_texts(const kv::RegisterListFile& file) {
    for (const std::string& text : file.texts) {
        for (char32_t c : kv::to_utf32(text)) {
            if (c < 0x20 || c == 0x7F) {
                fail("a text read holds a control character");
            }
        }
        if (kv::is_word(text) && kv::register_text(text) != text) {
            fail("a word read is not in upper case");
        }
    }
    const kv::ListReading again = kv::read_register_list(written_again(file));
    if (!again.list || again.list->texts != file.texts) {
        fail("the texts written again do not read back the same");
    }
}

void check_opening(std::string_view bytes, const kv::ListReading& reading) {
    kv::test::FakePlatform platform;
    kv::Module module;
    kv::Kv2841aWindow w(module, platform);
    Form_Load(w);
    const std::string before = kv::test::window_state(w, module);
    platform.files["fuzz.txt"] = std::string(bytes);
    const bool opened = open_register_list(w, "fuzz.txt");
    if (opened != reading.list.has_value()) {
        fail("opening and reading disagree");
    }
    if (!opened) {
        if (platform.messages.size() != 1 || platform.messages[0].title != "警告" ||
            kv::test::window_state(w, module) != before) {
            fail("a refused file changed the window or told it otherwise");
        }
        return;
    }
    for (int n = 0; n < kv::kRegisterCount; ++n) {
        if (w.register_box(n).text() != reading.list->texts[static_cast<std::size_t>(n)]) {
            fail("a register does not hold the text read");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kv::ListReading reading = kv::read_register_list(bytes);
    if (reading.list) {
        check_texts(*reading.list);
    }
    check_opening(bytes, reading);
    return 0;
}
