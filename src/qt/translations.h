#pragma once

#include <QLocale>

class QCoreApplication;

namespace kv::qt {

// The window's language, Simplified Chinese as spoken in China, whatever the
// desktop's: its texts, Qt's own texts and the dates and times it shows.
[[nodiscard]] QLocale window_locale();

// Qt's own Simplified Chinese texts (Debian's qt6-translations-l10n), so that
// the save dialog, its columns and the standard buttons speak the window's
// language whatever the desktop's. True when they were found and loaded.
bool use_chinese_qt_texts(QCoreApplication& application);

}  // namespace kv::qt
