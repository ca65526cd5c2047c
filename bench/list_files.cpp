#include "list_files.h"

#include <vector>

#include "panel/register_map.h"
#include "panel/register_texts.h"
#include "quiet_platform.h"
#include "window/window.h"

namespace kv::bench {

namespace {

// Crystal, LOs, a bandwidth, gains, output and test switches, as a person sets them.
std::vector<std::string> set_up_texts() {
    test::FakePlatform platform = quiet_platform();
    Module module;
    Kv2841aWindow w(module, platform);
    Form_Load(w);
    w.Freq_ck.click();
    w.ADC_ck.click();
    w.crylist.pick("40");
    w.ch1bz.select_all();
    w.ch1bz.type("1400");
    w.ch3bz.pick("1598");
    w.Combo2.pick("30");
    w.CH2_RF_Gain.pick("49");
    w.CH1_IFA_SW.click();
    w.DCout.click();
    w.VScroll_fbA.arrow_up();
    return register_texts(w);
}

}  // namespace

void next_file_to_open(Kv2841a& w, ListLayout layout, bool there) {
    static const std::vector<std::string> set_up = set_up_texts();
    static const std::vector<std::string> start(kDefaultWords.begin(), kDefaultWords.end());
    static_cast<test::FakePlatform&>(w.platform()).files[std::string(kListFile)] =
        layout(there ? set_up : start);
}

}  // namespace kv::bench
