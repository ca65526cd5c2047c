#pragma once

class QWidget;

namespace kv {
class Kv2841a;
}

namespace kv::qt {

class Bindings;

// The four pages of the configuration window, each bound to its controls.
QWidget* function_page(Bindings& bind, Kv2841a& w);
QWidget* clock_page(Bindings& bind, Kv2841a& w);
QWidget* gain_page(Bindings& bind, Kv2841a& w);
QWidget* register_page(Bindings& bind, Kv2841a& w);

}  // namespace kv::qt
