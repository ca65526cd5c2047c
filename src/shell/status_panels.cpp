#include "shell/status_panels.h"

#include <string>

#include "shell/product.h"

namespace kv {

std::vector<StatusBar::Panel> status_bar_panels() {
    const std::string maker_line = std::string(product::kCompany) + std::string(17, ' ') +
                                   std::string(product::kBrand) + std::string(15, ' ') + "V" +
                                   std::string(product::kVersion) + "." +
                                   std::string(product::kBuild);
    return {{StatusBar::PanelStyle::Text, maker_line},
            {StatusBar::PanelStyle::Date, ""},
            {StatusBar::PanelStyle::Time, ""}};
}

}  // namespace kv
