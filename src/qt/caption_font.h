#pragma once

#include <span>

namespace kv::qt {

// The caption font, a TrueType font with the glyphs of printable ASCII and of
// every character the program's texts use (generated at build time).
std::span<const unsigned char> caption_font_data();

}  // namespace kv::qt
