#include "qt/qt_text.h"

#include <QRegularExpression>

namespace kv::qt {

QString to_qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string to_utf8(const QString& text) {
    return text.toStdString();
}

int utf16_position(const QString& text, std::size_t characters) {
    int position = 0;
    for (std::size_t n = 0; n < characters && position < text.size(); ++n) {
        const bool pair = text.at(position).isHighSurrogate() && position + 1 < text.size() &&
                          text.at(position + 1).isLowSurrogate();
        position += pair ? 2 : 1;
    }
    return position;
}

std::size_t character_position(const QString& text, int utf16) {
    const int end = std::min<int>(utf16, static_cast<int>(text.size()));
    std::size_t characters = 0;
    for (int position = 0; position < end; ++position) {
        if (!text.at(position).isLowSurrogate() || position == 0 ||
            !text.at(position - 1).isHighSurrogate()) {
            ++characters;
        }
    }
    return characters;
}

QString caption_text(std::string_view caption) {
    return to_qstring(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString menu_caption_text(std::string_view caption) {
    static const QRegularExpression access_key(QStringLiteral("\\(([A-Za-z])\\)(\\.\\.\\.)?$"));
    return caption_text(caption).replace(access_key, QStringLiteral("(&\\1)\\2"));
}

QStringList caption_words(std::string_view caption) {
    static const QRegularExpression blanks(QStringLiteral("\\s{2,}"));
    return to_qstring(caption).trimmed().split(blanks, Qt::SkipEmptyParts);
}

}  // namespace kv::qt
