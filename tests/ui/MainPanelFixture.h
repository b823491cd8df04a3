#pragma once
// The main window as the program builds it, with the two information windows
// that its Help menu shows. The engine is set up once per process, by the
// window's constructor, so CTest runs every case in a process of its own.

#include "About1.h"
#include "FrameImage.h"
#include "Manual1.h"
#include "Random.h"
#include "Starloompanel.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class MainPanelFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartRandomSource();
        panel = std::make_unique<TMainPanel>();
        MainPanel = panel.get();
        about = std::make_unique<TAbout>();
        About = about.get();
        manualWindow = std::make_unique<Tmanual>();
        manual = manualWindow.get();
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }

    void TearDown() override
    {
        MainPanel = nullptr;
        About = nullptr;
        manual = nullptr;
    }

    template <class Widget>
    Widget* Child(const char* name) const
    {
        auto* child = panel->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QString Text(const char* edit) const { return Child<QLineEdit>(edit)->text(); }
    FrameImage* Image() const { return Child<FrameImage>("Image1"); }
    QImage Picture() const { return Image()->Picture().copy(); }

    std::unique_ptr<TMainPanel> panel;
    std::unique_ptr<TAbout> about;
    std::unique_ptr<Tmanual> manualWindow;
};
