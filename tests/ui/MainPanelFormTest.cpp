// The main window's form as designed: every component's parent, place, size,
// text and font, the installed face each font ends up in, the sliders'
// settings, the tab order and the menu.

#include "MainPanelFixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

const char* const PGothic = "ＭＳ Ｐゴシック";
const char* const Gothic = "ＭＳ ゴシック";
const char* const Mincho = "ＭＳ 明朝";

// The faces installed in their place (fonts-ipafont-gothic, -mincho).
const char* const PGothicFace = "IPAPGothic";
const char* const GothicFace = "IPAGothic";
const char* const MinchoFace = "IPAMincho";

struct Component {
    const char* name;
    const char* parent;  // "MainPanel": the window's client area
    QRect geometry;
    const char* text;    // as shown right after start-up; nullptr: has none
    const char* family;  // the font the component ends up with, its own or
    int pixelSize;       // inherited from its parent; nullptr: no text to show
    const char* face;
};

const Component Components[] = {
    {"Image1", "MainPanel", {0, 0, 600, 400}, nullptr, nullptr, 0, nullptr},
    {"Button1", "MainPanel", {520, 416, 73, 89}, "スタート", PGothic, 16, PGothicFace},
    {"Button2", "MainPanel", {440, 416, 73, 89}, "ダーク処理", PGothic, 12, PGothicFace},
    {"GroupBox1", "MainPanel", {8, 408, 105, 105}, "空の明るさ", Gothic, 12, GothicFace},
    {"Label10", "GroupBox1", {56, 40, 24, 12}, "等級", Mincho, 12, MinchoFace},
    {"Edit4", "GroupBox1", {32, 32, 17, 21}, "4", Gothic, 13, GothicFace},
    {"ScrollBar4", "MainPanel", {16, 480, 90, 20}, nullptr, nullptr, 0, nullptr},
    {"GroupBox2", "MainPanel", {120, 408, 105, 105}, "CCD温度", Gothic, 12, GothicFace},
    {"Label2", "GroupBox2", {64, 40, 12, 12}, "℃", Gothic, 12, GothicFace},
    {"ScrollBar3", "GroupBox2", {8, 72, 90, 20}, nullptr, nullptr, 0, nullptr},
    {"Edit3", "GroupBox2", {32, 32, 25, 21}, "-10", Gothic, 13, GothicFace},
    {"GroupBox3", "MainPanel", {232, 408, 105, 105}, "露出", Gothic, 12, GothicFace},
    {"Label1", "GroupBox3", {64, 40, 12, 12}, "秒", Gothic, 12, GothicFace},
    {"ScrollBar2", "GroupBox3", {8, 72, 90, 20}, nullptr, nullptr, 0, nullptr},
    {"Edit2", "GroupBox3", {16, 32, 41, 21}, "300", Gothic, 13, GothicFace},
    {"GroupBox4", "MainPanel", {344, 408, 89, 105}, "ピクセル情報", Gothic, 12, GothicFace},
    {"Label4", "GroupBox4", {8, 30, 18, 12}, "X =", Gothic, 12, GothicFace},
    {"Label5", "GroupBox4", {8, 54, 18, 12}, "Y =", Gothic, 12, GothicFace},
    {"Label6", "GroupBox4", {8, 76, 18, 12}, "I =", Gothic, 12, GothicFace},
    {"Edit1", "GroupBox4", {32, 24, 25, 20}, "", Gothic, 12, GothicFace},
    {"Edit5", "GroupBox4", {32, 48, 25, 20}, "", Gothic, 12, GothicFace},
    {"Edit6", "GroupBox4", {32, 72, 49, 20}, "", Gothic, 12, GothicFace},
};

QString ShownText(const QWidget* widget)
{
    if (auto* button = qobject_cast<const QPushButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return {};
}

// The face that `font` is drawn in must have a glyph for every character of
// `text`; otherwise the Japanese captions come out as empty boxes.
void ExpectFaceShows(const QFont& font, const QString& text, const char* name)
{
    const QFontMetrics metrics(font);
    for (char32_t character : text.toUcs4())
        EXPECT_TRUE(metrics.inFontUcs4(character))
            << name << ": no glyph for U+" << std::hex << static_cast<unsigned>(character);
}

struct Slider {
    const char* name;
    int minimum, maximum, position, smallStep, largeStep;
};

const Slider Sliders[] = {
    {"ScrollBar2", 0, 1000, 300, 1, 50},
    {"ScrollBar3", -50, 20, -10, 1, 5},
    {"ScrollBar4", 0, 8, 4, 1, 1},
};

using MainPanelForm = MainPanelFixture;

TEST_F(MainPanelForm, WindowAsDesigned)
{
    EXPECT_EQ(panel->objectName(), "MainPanel");
    EXPECT_EQ(panel->windowTitle(), "Starloom");
    EXPECT_EQ(panel->pos(), QPoint(256, 102));
    EXPECT_EQ(panel->centralWidget()->size(), QSize(600, 513));
    EXPECT_EQ(panel->centralWidget()->pos(), QPoint(0, panel->menuBar()->height()));
    EXPECT_EQ(panel->font().family(), "MS Sans Serif");
    EXPECT_EQ(panel->font().pixelSize(), 12);
    ExpectFaceShows(panel->font(), panel->windowTitle(), "MainPanel");
}

TEST_F(MainPanelForm, EveryComponentAsDesigned)
{
    for (const Component& expected : Components) {
        SCOPED_TRACE(expected.name);
        auto* widget = Child<QWidget>(expected.name);
        ASSERT_NE(widget, nullptr);
        const QString parent = QString::fromUtf8(expected.parent);
        if (parent == "MainPanel")
            EXPECT_EQ(widget->parentWidget(), panel->centralWidget());
        else
            EXPECT_EQ(widget->parentWidget()->objectName(), parent);
        EXPECT_EQ(widget->geometry(), expected.geometry);
        EXPECT_TRUE(widget->isVisible());
        if (!expected.family)
            continue;
        EXPECT_EQ(ShownText(widget), QString::fromUtf8(expected.text));
        EXPECT_EQ(widget->font().family(), QString::fromUtf8(expected.family));
        EXPECT_EQ(widget->font().pixelSize(), expected.pixelSize);
        EXPECT_EQ(QFontInfo(widget->font()).family(), QString::fromUtf8(expected.face));
        ExpectFaceShows(widget->font(), ShownText(widget), expected.name);
    }
}

TEST_F(MainPanelForm, ValueBoxesAreReadOnlyAndTakeFocus)
{
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"}) {
        SCOPED_TRACE(name);
        auto* edit = Child<QLineEdit>(name);
        EXPECT_TRUE(edit->isReadOnly());
        EXPECT_TRUE(edit->focusPolicy() & Qt::TabFocus);
    }
}

TEST_F(MainPanelForm, SlidersAsDesigned)
{
    for (const Slider& expected : Sliders) {
        SCOPED_TRACE(expected.name);
        auto* slider = Child<QScrollBar>(expected.name);
        EXPECT_EQ(slider->orientation(), Qt::Horizontal);
        EXPECT_EQ(slider->minimum(), expected.minimum);
        EXPECT_EQ(slider->maximum(), expected.maximum);
        EXPECT_EQ(slider->value(), expected.position);
        EXPECT_EQ(slider->singleStep(), expected.smallStep);
        EXPECT_EQ(slider->pageStep(), expected.largeStep);
        EXPECT_TRUE(slider->hasTracking());
    }
}

TEST_F(MainPanelForm, SkySliderLiesAboveItsGroupAndTakesThePointer)
{
    auto* slider = Child<QScrollBar>("ScrollBar4");
    EXPECT_TRUE(Child<QGroupBox>("GroupBox1")->geometry().contains(slider->geometry()));
    EXPECT_EQ(panel->centralWidget()->childAt(slider->geometry().center()), slider);
}

TEST_F(MainPanelForm, TabKeyWalksTheDesignedOrder)
{
    const QStringList expected = {"Button1", "Button2", "Edit4", "ScrollBar4", "ScrollBar3", "Edit3",
                                  "ScrollBar2", "Edit2", "Edit1", "Edit5", "Edit6", "Button1"};
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    Child<QWidget>("Button1")->setFocus(Qt::OtherFocusReason);
    QStringList visited = {QApplication::focusWidget()->objectName()};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(MainPanelForm, MenuAsDesigned)
{
    QMenuBar* bar = panel->menuBar();
    EXPECT_EQ(bar->objectName(), "MainMenu1");
    auto* file = Child<QMenu>("File1");
    auto* help = Child<QMenu>("Version1");
    EXPECT_EQ(bar->actions(), (QList<QAction*>{file->menuAction(), help->menuAction()}));
    EXPECT_EQ(file->title(), "ファイル(&F)");
    EXPECT_EQ(help->title(), "ヘルプ(&H)");
    EXPECT_EQ(file->actions(), QList<QAction*>{Child<QAction>("Quit1")});
    EXPECT_EQ(help->actions(), (QList<QAction*>{Child<QAction>("Help1"), Child<QAction>("Version2")}));
    EXPECT_EQ(Child<QAction>("Quit1")->text(), "終了(&X)");
    EXPECT_EQ(Child<QAction>("Help1")->text(), "ヘルプ(&H)");
    EXPECT_EQ(Child<QAction>("Version2")->text(), "バージョン(&V)");
    for (QAction* action : panel->findChildren<QAction*>()) {
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->objectName().toStdString();
        ExpectFaceShows(bar->font(), action->text(), "MainMenu1");
    }
}

}  // namespace
