#include "qt/look.h"

#include <QApplication>
#include <QByteArray>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <QStyleFactory>

#include "qt/caption_font.h"
#include "qt/classic_style.h"

namespace kv::qt {

namespace {

// The classic style draws plain bevels and frames; it paints a page in about
// half the time of Fusion's shaded, rounded frames, and less again with its
// indicators kept and its frames filled (docs/performance.md).
void use_classic_style() {
    if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) {
        QApplication::setStyle(new ClassicStyle(QStyleFactory::create(QStringLiteral("Windows"))));
    }
}

// Every caption in one small font built into the program: no system CJK font
// is searched, loaded or mapped at start. A character outside it (only
// reachable by typing one) still falls back to the system's fonts.
// Captions, words and numbers need no shaping: Chinese, digits and plain
// Latin letters are drawn glyph by glyph, without the pair kerning that
// shaping would add ("Te" one pixel wider) and without the cost of shaping
// every text again at every paint, a sixth of a page switch.
void use_caption_font() {
    const std::span<const unsigned char> data = caption_font_data();
    const int id = QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
        reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size())));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        return;
    }
    QFont font = QApplication::font();
    font.setFamilies(families);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}

}  // namespace

void apply_look() {
    use_classic_style();
    use_caption_font();
}

}  // namespace kv::qt
