#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv::test {

// The rules a check found broken, each told in a line.
class Problems final {
public:
    void add(std::string what) { list_.push_back(std::move(what)); }

    // The texts differ: "<what>: '<actual>', not '<expected>'".
    void differ(std::string_view what, std::string_view actual, std::string_view expected) {
        add(std::string(what) + ": '" + shown(actual) + "', not '" + shown(expected) + "'");
    }

    // A text short enough for a report line.
    static std::string shown(std::string_view text) {
        constexpr std::size_t kLongest = 60;
        if (text.size() <= kLongest) {
            return std::string(text);
        }
        return std::string(text.substr(0, kLongest)) + "...(" + std::to_string(text.size()) +
               " bytes)";
    }

    [[nodiscard]] const std::vector<std::string>& list() const { return list_; }
    [[nodiscard]] std::vector<std::string> take() { return std::move(list_); }

private:
    std::vector<std::string> list_;
};

}  // namespace kv::test
