#include "batch/control_listing.h"

namespace kv::batch {

namespace {

constexpr std::string_view kNoPage = "-";

}  // namespace

std::string control_line(std::string_view name, std::string_view kind, std::string_view page,
                         std::string_view value) {
    std::string line;
    for (const std::string_view field : {name, kind, page}) {
        line += field;
        line += '\t';
    }
    return line += value;
}

std::string_view kind_name(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
            return "TextBox";
        case ControlKind::ComboBox:
            return "ComboBox";
        case ControlKind::CheckBox:
            return "CheckBox";
        case ControlKind::OptionButton:
            return "OptionButton";
        case ControlKind::ScrollBar:
            return "ScrollBar";
        case ControlKind::Frame:
            return "Frame";
        case ControlKind::Label:
            return "Label";
        case ControlKind::CommandButton:
            return "CommandButton";
        case ControlKind::MenuItem:
            return "MenuItem";
        case ControlKind::TabStrip:
            return "TabStrip";
        case ControlKind::StatusBar:
            return "StatusBar";
    }
    return {};
}

std::string_view page_key(const Kv2841a& w, const Control& control) {
    for (const Control* at = &control; at != nullptr; at = at->container()) {
        for (const Page& page : kPages) {
            if (at == &(w.*page.frame)) {
                return page.key;
            }
        }
    }
    return kNoPage;
}

}  // namespace kv::batch
