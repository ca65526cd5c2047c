#include "panel/kv2841a.h"

namespace kv {

void Kv2841a::attach_output() {
    chafen.Click = [this] { chafen_Click(); };
    danduan.Click = [this] { danduan_Click(); };
    ACout.Click = [this] { ACout_Click(); };
    DCout.Click = [this] { DCout_Click(); };
    Option2bit.Click = [this] { Option2bit_Click(); };
    Option4bit.Click = [this] { Option4bit_Click(); };
    D2S_ck.Click = [this] { D2S_ck_Click(); };
    ADC_ck.Click = [this] { ADC_ck_Click(); };
    Freq_ck.Click = [this] { Freq_ck_Click(); };
}

}  // namespace kv
