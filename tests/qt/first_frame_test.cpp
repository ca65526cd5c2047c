#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRawFont>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTest>

#include "panel/kv2841a.h"
#include "qt/config_window.h"
#include "support/fake_platform.h"
#include "window/window.h"

// What the window does to appear quickly: the program's look (classic style,
// caption font built in) and the pages made after the first frame.
namespace kv::qt::test {
namespace {

class FirstFrame : public ::testing::Test {
protected:
    FirstFrame() { Form_Load(w); }

    QWidget* widget(const Control& control) const { return window->bindings().widget_of(control); }

    void make_window() {
        window = std::make_unique<ConfigWindow>(
            w, [] { return QDateTime(QDate(2018, 10, 1), QTime(9, 30)); });
    }

    kv::test::FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    std::unique_ptr<ConfigWindow> window;
};

TEST_F(FirstFrame, TheShownPageAndTheClockPageComeFirstTheOthersAfterTheFirstFrame) {
    make_window();
    EXPECT_NE(widget(w.Frame1), nullptr);
    EXPECT_NE(widget(w.Frame3), nullptr);
    EXPECT_NE(widget(w.VScroll_fbA), nullptr);
    EXPECT_EQ(widget(w.Frame40), nullptr);
    EXPECT_EQ(widget(w.Frame2), nullptr);
    EXPECT_EQ(widget(w.Text1[0]), nullptr);
    window->show();
    const QSize shown = window->page_area()->size();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY(widget(w.Frame40) != nullptr && widget(w.Frame2) != nullptr);
    for (const Control* control : w.controls()) {
        if (control->kind() != ControlKind::MenuItem && control != &w.YFPB) {
            EXPECT_NE(widget(*control), nullptr) << control->name();
        }
    }
    QApplication::processEvents();
    EXPECT_EQ(window->page_area()->size(), shown) << "a page made later made the window grow";
    EXPECT_EQ(window->page_area()->currentWidget(), widget(w.Frame1));
}

TEST_F(FirstFrame, APageShownBeforeItWouldBeMadeIsMadeThen) {
    make_window();
    w.TabStrip1.select("key4");
    ASSERT_NE(widget(w.Frame2), nullptr);
    EXPECT_EQ(window->page_area()->currentWidget(), widget(w.Frame2));
    EXPECT_EQ(widget(w.Frame40), nullptr);
    window->bindings().make_pages();
    EXPECT_NE(widget(w.Frame40), nullptr);
    EXPECT_EQ(window->page_area()->currentWidget(), widget(w.Frame2));
}

// Every text the window shows at start, on every page, in its menus and its
// status bar.
QString shown_texts(const ConfigWindow& window) {
    QString texts = window.windowTitle();
    for (const QObject* object : window.findChildren<QObject*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(object)) {
            texts += label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(object)) {
            texts += button->text();
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(object)) {
            texts += frame->title();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(object)) {
            texts += edit->text();
        } else if (const auto* list = qobject_cast<const QComboBox*>(object)) {
            for (int n = 0; n < list->count(); ++n) {
                texts += list->itemText(n);
            }
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(object)) {
            for (int n = 0; n < tabs->count(); ++n) {
                texts += tabs->tabText(n);
            }
        } else if (const auto* action = qobject_cast<const QAction*>(object)) {
            texts += action->text();
        }
    }
    return texts;
}

TEST_F(FirstFrame, TheWindowHasTheClassicStyleAndTheCaptionFontHasEveryCharacterShown) {
    make_window();
    window->bindings().make_pages();
    const auto* style = qobject_cast<const QProxyStyle*>(window->style());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->baseStyle()->name().toLower(), QStringLiteral("windows"));
    const QFont font = window->font();
    EXPECT_EQ(font.hintingPreference(), QFont::PreferNoHinting);
    const QRawFont caption = QRawFont::fromFont(font);
    ASSERT_TRUE(caption.isValid());
    EXPECT_EQ(caption.familyName(), font.families().value(0));
    const QString texts = shown_texts(*window);
    EXPECT_TRUE(texts.contains(QString::fromUtf8("鉴相鉴频器")));
    EXPECT_TRUE(texts.contains(QString::fromUtf8("寄存器列表")));
    QString missing;
    for (const QChar c : texts) {
        if (c.isPrint() && !caption.supportsCharacter(c) && !missing.contains(c)) {
            missing += c;
        }
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.toStdString();
    // A character no text of the program has, typed into a box, still shows.
    const char32_t typed = U'\u9F8D';
    EXPECT_FALSE(caption.supportsCharacter(typed));
    EXPECT_TRUE(QFontMetrics(font).inFontUcs4(typed));
}

}  // namespace
}  // namespace kv::qt::test
