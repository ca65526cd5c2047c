#pragma once

#include <array>

#include "panel/kv2841a.h"

class QWidget;

namespace kv::qt {

class Bindings;

// The pages of the configuration window, each bound to its controls.
QWidget* function_page(Bindings& bind, Kv2841a& w);
QWidget* clock_page(Bindings& bind, Kv2841a& w);
QWidget* gain_page(Bindings& bind, Kv2841a& w);
QWidget* register_page(Bindings& bind, Kv2841a& w);

// The layout of each page of kPages, in the same order.
using PageLayout = QWidget* (*)(Bindings&, Kv2841a&);
inline constexpr std::array<PageLayout, kPages.size()> kPageLayouts = {function_page, clock_page,
                                                                       gain_page, register_page};

}  // namespace kv::qt
