#pragma once

#include <QWidget>
#include <string>

#include "panel/list_comparison.h"

namespace kv::qt {

// The comparison of the window's register list with a file, in a window of
// its own: the file, the settings that differ in the window's terms, then a
// table of the registers whose words differ with the fields that differ. It
// shows what the core compared and computes nothing.
class ComparisonWindow final : public QWidget {
    Q_OBJECT

public:
    ComparisonWindow(const std::string& path, const ListComparison& comparison, QWidget* parent);
};

}  // namespace kv::qt
