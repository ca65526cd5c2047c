#include "shell/version_text.h"

#include "shell/product.h"

namespace kv {

namespace {

// A date field with its leading zeros: 2018, 10, 01.
std::string date_field(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

}  // namespace

std::string version_text(std::string_view program) {
    const std::string year = date_field(product::kReleaseYear, 4);
    return std::string(program) + " " + std::string(product::kVersion) + "\nCopyright (C) " + year +
           " " + std::string(product::kCompany) + "\nBuild " + std::string(product::kBuild) +
           ", released " + year + "-" + date_field(product::kReleaseMonth, 2) + "-" +
           date_field(product::kReleaseDay, 2) + ".\n";
}

}  // namespace kv
