#include "qt/file_filter.h"

#include <QStringList>

#include "qt/qt_text.h"

namespace kv::qt {

namespace {

// A description that already ends in its patterns in brackets, which Qt
// reads as the filter's patterns: "Text_Files(*.txt)".
bool shows_patterns(const QString& description, const QString& patterns) {
    return description.endsWith(QStringLiteral("(%1)").arg(patterns));
}

}  // namespace

QString qt_name_filter(std::string_view filter) {
    const QStringList parts = to_qstring(filter).split(QLatin1Char('|'));
    QStringList lines;
    for (qsizetype n = 0; n < parts.size(); n += 2) {
        const QString description = parts[n].trimmed();
        const QString patterns = n + 1 < parts.size()
                                     ? parts[n + 1]
                                           .split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                           .join(QLatin1Char(' '))
                                           .trimmed()
                                     : QString();
        if (description.isEmpty() && patterns.isEmpty()) {
            continue;
        }
        lines << (patterns.isEmpty() || shows_patterns(description, patterns)
                      ? description
                      : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace kv::qt
