#include "qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kv::qt {

QLocale window_locale() {
    return QLocale(QLocale::Chinese, QLocale::China);
}

bool use_chinese_qt_texts(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    const bool loaded =
        translator->load(window_locale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace kv::qt
