#include "shell/status_panels.h"

#include <string>

#include "shell/maker.h"

namespace kv {

std::vector<StatusBar::Panel> status_bar_panels() {
    const std::string maker_line = std::string(maker::kCompany) + std::string(17, ' ') + "Korvane" +
                                   std::string(15, ' ') + "V1.0.0.18.1001";
    return {{StatusBar::PanelStyle::Text, maker_line},
            {StatusBar::PanelStyle::Date, ""},
            {StatusBar::PanelStyle::Time, ""}};
}

}  // namespace kv
