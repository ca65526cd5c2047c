#include "batch/script_line.h"

namespace kv::batch {

namespace {

// The characters between the fields of a script line.
bool separates_fields(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view skip_blanks(std::string_view s) {
    while (!s.empty() && separates_fields(s.front())) {
        s.remove_prefix(1);
    }
    return s;
}

std::string_view take_field(std::string_view& s) {
    s = skip_blanks(s);
    std::size_t end = 0;
    while (end < s.size() && !separates_fields(s[end])) {
        ++end;
    }
    const std::string_view field = s.substr(0, end);
    s.remove_prefix(end);
    return field;
}

}  // namespace

std::optional<ScriptLine> parse_script_line(std::string_view line) {
    std::string_view rest = skip_blanks(line);
    if (rest.empty() || rest.front() == '#') {
        return std::nullopt;
    }
    ScriptLine parsed;
    parsed.verb = take_field(rest);
    parsed.rest = skip_blanks(rest);
    parsed.control = take_field(rest);
    // After the blanks that separate it, the argument is the rest of the line
    // as written, blanks inside and at its end included.
    parsed.argument = skip_blanks(rest);
    return parsed;
}

}  // namespace kv::batch
