#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

namespace kv {
class Kv2841a;
class TextBox;
}  // namespace kv

namespace kv::qt {

// Units and captions the pages place beside their controls.
inline constexpr char kMHz[] = "MHz";
inline constexpr char kHz[] = "Hz";

// A caption beside a control; it names the control for the keyboard too.
QLabel* caption(const QString& text, QWidget* parent, QWidget* buddy = nullptr);
QLabel* caption(const char* text, QWidget* parent, QWidget* buddy = nullptr);

// Gives a field room for that many characters of its font, and no more.
void fit_characters(QWidget& field, int characters);

// A grid with the spacing the pages share.
QGridLayout* page_grid(QWidget* parent);

// Keeps a grid's cells together at its top left when its widget grows.
void keep_to_top_left(QGridLayout& grid);

// The name of register n, as the window labels it: "REG9".
[[nodiscard]] QString register_name(int n);
// The caption of a panel word box: the register it feeds.
[[nodiscard]] QString register_name(const Kv2841a& w, const TextBox& box);

}  // namespace kv::qt
