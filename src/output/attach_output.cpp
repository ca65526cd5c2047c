#include "output/output.h"
#include "panel/kv2841a.h"

namespace kv {

void attach_output(Kv2841a& w) {
    w.chafen.Click = [&w] { chafen_Click(w); };
    w.danduan.Click = [&w] { danduan_Click(w); };
    w.ACout.Click = [&w] { ACout_Click(w); };
    w.DCout.Click = [&w] { DCout_Click(w); };
    w.Option2bit.Click = [&w] { Option2bit_Click(w); };
    w.Option4bit.Click = [&w] { Option4bit_Click(w); };
    w.D2S_ck.Click = [&w] { D2S_ck_Click(w); };
    w.ADC_ck.Click = [&w] { ADC_ck_Click(w); };
    w.Freq_ck.Click = [&w] { Freq_ck_Click(w); };
}

}  // namespace kv
