#include <gtest/gtest.h>

#include <QKeyEvent>
#include <optional>
#include <string>

#include "qt/file_filter.h"
#include "qt/key_ascii.h"
#include "qt/qt_text.h"

namespace kv::qt::test {
namespace {

TEST(QtText, PositionsCountCharactersNotCodeUnits) {
    const QString text = QString::fromUtf8(
        "a\xF0\x9F\x98\x80"
        "b");  // a, one emoji, b
    EXPECT_EQ(text.size(), 4);
    EXPECT_EQ(utf16_position(text, 0), 0);
    EXPECT_EQ(utf16_position(text, 2), 3);
    EXPECT_EQ(utf16_position(text, 9), 4);
    EXPECT_EQ(character_position(text, 3), 2U);
    EXPECT_EQ(character_position(text, 4), 3U);
    EXPECT_EQ(to_utf8(to_qstring("寄存器列表")), "寄存器列表");
}

TEST(QtText, CaptionWordsSplitAtRunsOfBlanks) {
    EXPECT_EQ(caption_words("前端增益      AGC增益        IFA增益      模拟OBuffer增益"),
              (QStringList{QString::fromUtf8("前端增益"), QString::fromUtf8("AGC增益"),
                           QString::fromUtf8("IFA增益"), QString::fromUtf8("模拟OBuffer增益")}));
    EXPECT_EQ(caption_words("模拟增益             dBm"),
              (QStringList{QString::fromUtf8("模拟增益"), "dBm"}));
    EXPECT_EQ(caption_words("默 认"), QStringList{QString::fromUtf8("默 认")});
}

struct KeyRow {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    std::optional<int> code;
};

TEST(KeyAscii, EditingKeysHaveTheirCharacterCodes) {
    const KeyRow rows[] = {
        {"digit", Qt::Key_5, Qt::NoModifier, "5", '5'},
        {"letter", Qt::Key_A, Qt::ShiftModifier, "A", 'A'},
        {"chinese", Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("兆"), 0x5146},
        {"backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
        {"delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", 127},
        {"paste", Qt::Key_V, Qt::ControlModifier, "\x16", 22},
        {"cut", Qt::Key_X, Qt::ControlModifier, "\x18", 24},
        {"undo", Qt::Key_Z, Qt::ControlModifier, "\x1a", 26},
        {"copy", Qt::Key_C, Qt::ControlModifier, "\x03", std::nullopt},
        {"left", Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
        {"return", Qt::Key_Return, Qt::NoModifier, "\r", std::nullopt},
        {"tab", Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
    };
    for (const KeyRow& row : rows) {
        const QKeyEvent event(QEvent::KeyPress, row.key, row.modifiers, row.text);
        EXPECT_EQ(key_ascii(event), row.code) << row.name;
    }
}

struct FilterRow {
    const char* name;
    const char* filter;
    const char* expected;
};

TEST(FileFilter, PairsBecomeQtNameFilters) {
    const FilterRow rows[] = {
        {"text files", "Text_Files(*.txt)|*.txt", "Text_Files(*.txt) (*.txt)"},
        {"several patterns", "Logs|*.log;*.txt", "Logs (*.log *.txt)"},
        {"two pairs", "Text|*.txt|All|*.*", "Text (*.txt)\nAll (*.*)"},
        {"description only", "Text", "Text"},
        {"empty", "", ""},
    };
    for (const FilterRow& row : rows) {
        EXPECT_EQ(qt_name_filter(row.filter), QString::fromUtf8(row.expected)) << row.name;
    }
}

}  // namespace
}  // namespace kv::qt::test
