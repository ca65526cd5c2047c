#pragma once

#include <string_view>

namespace kv {

// The settings of the window as its pages name them; a channel's setting
// takes the channel's name in front ("1通道" + "本振" -> "1通道本振").
inline constexpr std::string_view kBandwidthSetting = "带宽";
inline constexpr std::string_view kCrystalSetting = "晶振";
inline constexpr std::string_view kLoSetting = "本振";
// The dividers of the page "时钟调节", as its formulas name them.
inline constexpr std::string_view kReASetting = "参考分频比A";
inline constexpr std::string_view kReBSetting = "参考分频比B";
inline constexpr std::string_view kFbASetting = "反馈分频比A";
inline constexpr std::string_view kFbBSetting = "反馈分频比B";
inline constexpr std::string_view kScFpbSetting = "输出分频比";
// The gain lists and switches of the page "增益调节".
inline constexpr std::string_view kFrontEndGainSetting = "前端增益";
inline constexpr std::string_view kAgcGainSetting = "AGC增益";
inline constexpr std::string_view kIfaGainSetting = "IFA增益";
inline constexpr std::string_view kAgcSwitchSetting = "AGC自动开关";
inline constexpr std::string_view kIfaSwitchSetting = "IFA手动开关";
// The output and test switches of the page "功能调节".
inline constexpr std::string_view kAnalogOutSetting = "模拟输出";
inline constexpr std::string_view kDigitalOutSetting = "数字输出";
inline constexpr std::string_view kSingleEndedSetting = "单端输出";
inline constexpr std::string_view kFourBitSetting = "4Bit输出";
inline constexpr std::string_view kAdcTestSetting = "输出模式控制";
inline constexpr std::string_view kD2STestSetting = "单端差分控制";
inline constexpr std::string_view kFreqTestSetting = "频率调节控制";

}  // namespace kv
