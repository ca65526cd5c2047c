#pragma once

#include <string>
#include <string_view>

namespace kv {

// What a program of this product prints for --version, in the usual form of
// command-line programs (and as help2man reads it): the program and its
// version on the first line, the copyright line, then the build with its
// release date.
//
//   kv2841a-batch 1.0.0
//   Copyright (C) 2018 Korvane Microelectronics Co., Ltd.
//   Build 18.1001, released 2018-10-01.
[[nodiscard]] std::string version_text(std::string_view program);

}  // namespace kv
