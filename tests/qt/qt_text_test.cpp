#include <gtest/gtest.h>

#include <QKeyEvent>
#include <string>

#include "qt/file_filter.h"
#include "qt/qt_text.h"
#include "qt/typed_key.h"

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

struct MenuCaptionRow {
    const char* caption;
    const char* shown;
};

TEST(QtText, AMenuCaptionTakesItsBracketedLetterAsItsAltKey) {
    const MenuCaptionRow rows[] = {
        {"文件(F)", "文件(&F)"},  {"保存(S)", "保存(&S)"}, {"KV2841A", "KV2841A"},
        {"使用说明", "使用说明"}, {"A&B(C)", "A&&B(&C)"},  {"(F) first", "(F) first"},
        {"LV(3)", "LV(3)"},
    };
    for (const MenuCaptionRow& row : rows) {
        EXPECT_EQ(menu_caption_text(row.caption), QString::fromUtf8(row.shown)) << row.caption;
    }
}

struct KeyRow {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    QString typed;
    bool backspace;
};

TEST(TypedKey, PrintableKeysTypeAndBackspaceIsItsOwn) {
    const KeyRow rows[] = {
        {"digit", Qt::Key_5, Qt::NoModifier, "5", "5", false},
        {"letter", Qt::Key_A, Qt::ShiftModifier, "A", "A", false},
        {"chinese", Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("兆"),
         QString::fromUtf8("兆"), false},
        {"backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", "", true},
        {"word backspace", Qt::Key_Backspace, Qt::ControlModifier, "\b", "", false},
        {"delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", "", false},
        {"paste", Qt::Key_V, Qt::ControlModifier, "\x16", "", false},
        {"control letter", Qt::Key_A, Qt::ControlModifier, "a", "", false},
        {"left", Qt::Key_Left, Qt::NoModifier, "", "", false},
        {"return", Qt::Key_Return, Qt::NoModifier, "\r", "", false},
        {"tab", Qt::Key_Tab, Qt::NoModifier, "\t", "", false},
    };
    for (const KeyRow& row : rows) {
        const QKeyEvent event(QEvent::KeyPress, row.key, row.modifiers, row.text);
        EXPECT_EQ(typed_text(event), row.typed) << row.name;
        EXPECT_EQ(is_backspace(event), row.backspace) << row.name;
    }
}

struct FilterRow {
    const char* name;
    const char* filter;
    const char* expected;
};

TEST(FileFilter, PairsBecomeQtNameFilters) {
    const FilterRow rows[] = {
        {"text files", "Text_Files(*.txt)|*.txt", "Text_Files(*.txt)"},
        {"patterns shown otherwise", "Text(*.log)|*.txt", "Text(*.log) (*.txt)"},
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
