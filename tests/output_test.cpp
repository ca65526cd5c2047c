#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "output/output.h"
#include "panel/kv2841a.h"
#include "support/fake_platform.h"
#include "support/window_fixture.h"
#include "window/window.h"

namespace kv::test {
namespace {

using Switch = CheckBox Kv2841a::*;

// Clicks the switch when it does not already hold the value.
void set_switch(CheckBox& box, int value) {
    if (box.value() != value) {
        ASSERT_TRUE(box.click()) << box.name();
    }
}

class Output : public LoadedWindow {
protected:
    // Opens the output frame and the differential / single-ended choice.
    void open_output_frame() {
        set_switch(w.ADC_ck, 1);
        set_switch(w.D2S_ck, 1);
        set_switch(w.ACout, 1);
    }
};

TEST_F(Output, StateRightAfterStartUp) {
    EXPECT_EQ(reg(8), "318C2");
    EXPECT_EQ(reg(23), "F7BDE");
    EXPECT_EQ(reg(40), "00000");
    EXPECT_EQ(w.outmode.text(), "318C2");
    EXPECT_EQ(w.Reg23Ctrl.text(), "F7BDE");
    EXPECT_EQ(w.testmode.text(), "00000");
    for (int n : {8, 23, 40}) {
        EXPECT_FALSE(marked(n)) << n;
    }
    EXPECT_TRUE(w.chafen.value());
    EXPECT_FALSE(w.danduan.value());
    EXPECT_EQ(w.ACout.value(), 1);
    EXPECT_EQ(w.DCout.value(), 0);
    EXPECT_TRUE(w.Option4bit.value());
    EXPECT_FALSE(w.Option2bit.value());
    for (const Control* control : std::initializer_list<const Control*>{
             &w.chafen, &w.danduan, &w.Option2bit, &w.Option4bit, &w.Frame6, &w.Frame8}) {
        EXPECT_FALSE(control->enabled()) << control->name();
    }
    for (const CheckBox* box : {&w.D2S_ck, &w.ADC_ck, &w.Freq_ck}) {
        EXPECT_EQ(box->value(), 0) << box->name();
    }
}

// Start-up selects chafen while the analog output is still off, then turns the
// analog output on; DCout is already 0 and raises nothing.
TEST(OutputStartUp, HandlersRunInOrderAndWriteTheirWords) {
    FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    std::vector<std::string> log;
    const auto trace = [&log](Handler& handler, std::string name) {
        handler = [&log, name = std::move(name), inner = handler] {
            log.push_back(name);
            inner();
        };
    };
    trace(w.chafen.Click, "chafen_Click");
    trace(w.danduan.Click, "danduan_Click");
    trace(w.ACout.Click, "ACout_Click");
    trace(w.DCout.Click, "DCout_Click");
    trace(w.Option2bit.Click, "Option2bit_Click");
    trace(w.Option4bit.Click, "Option4bit_Click");
    w.Text1[8].Change = [&] { log.push_back("REG8 " + w.Text1[8].text()); };
    w.Text1[23].Change = [&] { log.push_back("REG23 " + w.Text1[23].text()); };
    Form_Load(w);
    const std::vector<std::string> expected = {"chafen_Click", "REG8 00002", "ACout_Click",
                                               "REG8 318C2", "Option4bit_Click"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(w.Text1[8].back_color(), kWindowBackground);
}

struct Reg8Row {
    const char* name;
    int analog;
    int digital;
    bool single_ended;
    const char* word;
};

TEST_F(Output, AllEightWordsOfReg8) {
    const Reg8Row rows[] = {
        {"all off", 0, 0, false, "00002"},
        {"single-ended only", 0, 0, true, "08422"},
        {"analog differential", 1, 0, false, "318C2"},
        {"analog single-ended", 1, 0, true, "39CE2"},
        {"digital", 0, 1, false, "C6302"},
        {"digital single-ended", 0, 1, true, "CE722"},
        {"both differential", 1, 1, false, "F7BC2"},
        {"both single-ended", 1, 1, true, "FFFE2"},
    };
    for (const Reg8Row& row : rows) {
        open_output_frame();
        ASSERT_TRUE(row.single_ended ? w.danduan.click() : w.chafen.click()) << row.name;
        set_switch(w.DCout, row.digital);
        set_switch(w.ACout, row.analog);
        EXPECT_EQ(w.outmode.text(), row.word) << row.name;
        EXPECT_EQ(reg(8), row.word) << row.name;
        EXPECT_EQ(marked(8), std::string(row.word) != "318C2") << row.name;
        EXPECT_EQ(w.danduan.value(), row.single_ended) << row.name;
        EXPECT_EQ(w.chafen.value(), !row.single_ended) << row.name;
    }
}

TEST_F(Output, SingleEndedAndBackToDifferential) {
    open_output_frame();
    ASSERT_TRUE(w.danduan.click());
    EXPECT_FALSE(w.chafen.value());
    EXPECT_EQ(reg(8), "39CE2");
    EXPECT_TRUE(marked(8));
    ASSERT_TRUE(w.chafen.click());
    EXPECT_FALSE(w.danduan.value());
    EXPECT_EQ(reg(8), "318C2");
    EXPECT_FALSE(marked(8));
}

TEST_F(Output, AnalogOffKeepsTheSingleEndedBits) {
    open_output_frame();
    ASSERT_TRUE(w.danduan.click());
    ASSERT_TRUE(w.ACout.click());
    EXPECT_EQ(reg(8), "08422");
    EXPECT_TRUE(w.danduan.value());
    EXPECT_FALSE(w.danduan.enabled());
}

// Called while its option is not selected, a handler selects the other one.
TEST(OutputPair, HandlerOfAnUnselectedOptionSelectsTheOther) {
    FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    ASSERT_FALSE(w.chafen.value());
    ASSERT_FALSE(w.danduan.value());
    chafen_Click(w);
    EXPECT_TRUE(w.danduan.value());
    EXPECT_FALSE(w.chafen.value());
    EXPECT_EQ(w.outmode.text(), "08422");
}

TEST_F(Output, BothWordsOfReg23) {
    set_switch(w.ADC_ck, 1);
    set_switch(w.DCout, 1);
    ASSERT_TRUE(w.Option2bit.click());
    EXPECT_EQ(w.Reg23Ctrl.text(), "F6B5A");
    EXPECT_EQ(reg(23), "F6B5A");
    EXPECT_TRUE(marked(23));
    EXPECT_FALSE(w.Option4bit.value());
    ASSERT_TRUE(w.Option4bit.click());
    EXPECT_EQ(w.Reg23Ctrl.text(), "F7BDE");
    EXPECT_EQ(reg(23), "F7BDE");
    EXPECT_FALSE(marked(23));
    EXPECT_FALSE(w.Option2bit.value());
}

TEST_F(Output, SampleWidthOptionsFollowTheDigitalOutput) {
    set_switch(w.ADC_ck, 1);
    EXPECT_FALSE(w.Option2bit.click());
    set_switch(w.DCout, 1);
    EXPECT_TRUE(w.Option2bit.enabled());
    EXPECT_TRUE(w.Option4bit.enabled());
    ASSERT_TRUE(w.Option2bit.click());
    set_switch(w.DCout, 0);
    EXPECT_FALSE(w.Option2bit.enabled());
    EXPECT_FALSE(w.Option4bit.enabled());
    EXPECT_FALSE(w.Option4bit.click());
    EXPECT_TRUE(w.Option2bit.value());
    EXPECT_EQ(reg(23), "F6B5A");
    EXPECT_EQ(reg(8), "318C2");
}

struct Reg40Row {
    int d2s;
    int adc;
    int freq;
    const char* word;
};

TEST_F(Output, AllEightWordsOfReg40) {
    const Reg40Row rows[] = {
        {0, 0, 1, "04000"}, {0, 1, 0, "08000"}, {0, 1, 1, "0C000"}, {1, 0, 0, "10000"},
        {1, 0, 1, "14000"}, {1, 1, 0, "18000"}, {1, 1, 1, "1C000"}, {0, 0, 0, "00000"},
    };
    for (const Reg40Row& row : rows) {
        set_switch(w.D2S_ck, row.d2s);
        set_switch(w.ADC_ck, row.adc);
        set_switch(w.Freq_ck, row.freq);
        EXPECT_EQ(w.testmode.text(), row.word) << row.word;
        EXPECT_EQ(reg(40), row.word) << row.word;
        EXPECT_EQ(marked(40), std::string(row.word) != "00000") << row.word;
    }
}

struct EnableRow {
    const char* name;
    std::vector<std::pair<Switch, int>> steps;
    bool open;
};

// The choice between chafen and danduan is open only while ACout and D2S_ck
// are both checked, whichever of the two changed last.
TEST(OutputPolarity, ChoiceOpensOnlyWithAnalogOutputAndD2S) {
    const EnableRow rows[] = {
        {"start", {}, false},
        {"D2S with analog on", {{&Kv2841a::D2S_ck, 1}}, true},
        {"analog off after D2S", {{&Kv2841a::D2S_ck, 1}, {&Kv2841a::ACout, 0}}, false},
        {"D2S while analog off", {{&Kv2841a::ACout, 0}, {&Kv2841a::D2S_ck, 1}}, false},
        {"analog on after D2S",
         {{&Kv2841a::ACout, 0}, {&Kv2841a::D2S_ck, 1}, {&Kv2841a::ACout, 1}},
         true},
        {"D2S off after analog on",
         {{&Kv2841a::D2S_ck, 1}, {&Kv2841a::ACout, 0}, {&Kv2841a::ACout, 1}, {&Kv2841a::D2S_ck, 0}},
         false},
    };
    for (const EnableRow& row : rows) {
        FakePlatform platform;
        Module module;
        Kv2841aWindow w{module, platform};
        Form_Load(w);
        set_switch(w.ADC_ck, 1);
        for (const auto& [box, value] : row.steps) {
            set_switch(w.*box, value);
        }
        EXPECT_EQ(w.chafen.enabled(), row.open) << row.name;
        EXPECT_EQ(w.danduan.enabled(), row.open) << row.name;
        EXPECT_EQ(w.danduan.click(), row.open) << row.name;
    }
}

TEST_F(Output, ChoiceNeedsTheOutputFrameToo) {
    set_switch(w.D2S_ck, 1);
    EXPECT_TRUE(w.danduan.enabled());
    EXPECT_FALSE(w.danduan.click());
    EXPECT_EQ(reg(8), "318C2");
    set_switch(w.ADC_ck, 1);
    EXPECT_TRUE(w.danduan.click());
    EXPECT_EQ(reg(8), "39CE2");
}

TEST_F(Output, D2SDoesNotRecomputeReg8) {
    w.outmode.set_text("0000X");
    set_switch(w.D2S_ck, 1);
    EXPECT_EQ(w.outmode.text(), "0000X");
    EXPECT_EQ(reg(8), "0000X");  // copied by the recomputation that REG40 runs
    EXPECT_EQ(reg(40), "10000");
}

TEST_F(Output, TestSwitchesOpenAndCloseTheirFrames) {
    EXPECT_FALSE(w.ACout.click());
    EXPECT_FALSE(w.DCout.click());
    EXPECT_FALSE(w.outmode.click());
    EXPECT_FALSE(w.ch1bz.type("1"));
    EXPECT_FALSE(w.ch2bz.pick("1207"));
    EXPECT_EQ(w.ACout.value(), 1);

    set_switch(w.ADC_ck, 1);
    EXPECT_TRUE(w.Frame6.enabled());
    EXPECT_FALSE(w.Frame8.enabled());
    ASSERT_TRUE(w.DCout.click());
    EXPECT_EQ(reg(8), "F7BC2");
    set_switch(w.ADC_ck, 0);
    EXPECT_FALSE(w.Frame6.enabled());
    EXPECT_FALSE(w.DCout.click());
    EXPECT_EQ(w.DCout.value(), 1);
    EXPECT_EQ(reg(8), "F7BC2");

    set_switch(w.Freq_ck, 1);
    EXPECT_TRUE(w.Frame8.enabled());
    EXPECT_TRUE(w.ch1bz.usable());
    set_switch(w.Freq_ck, 0);
    EXPECT_FALSE(w.Frame8.enabled());
    EXPECT_FALSE(w.ch1bz.type("1"));
    EXPECT_EQ(reg(40), "00000");
    EXPECT_FALSE(marked(40));
}

}  // namespace
}  // namespace kv::test
