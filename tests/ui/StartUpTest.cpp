// The application object: its identity, the error box for exceptions that
// escape the start-up, and the run of the three windows from
// start-up to the close of the main window.

#include "About1.h"
#include "ErrorBoxWatcher.h"
#include "FrameImage.h"
#include "Manual1.h"
#include "Random.h"
#include "StarloomApplication.h"
#include "Starloompanel.h"

#include <QAction>
#include <QLineEdit>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

StarloomApplication& Application()
{
    return *static_cast<StarloomApplication*>(QApplication::instance());
}

TEST(StarloomApplication, NameAndVersion)
{
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Starloom"));
    EXPECT_EQ(QApplication::applicationVersion(), QStringLiteral("1.0.0.0"));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST(StarloomApplication, ExceptionEscapingStartUpIsShownAndEndsWithStatusOne)
{
    ErrorBoxWatcher watcher;
    const int status = Application().RunGuarded([]() -> int { throw std::runtime_error("no window"); });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(watcher.titles, QStringList{"Starloom"});
    EXPECT_EQ(watcher.texts, QStringList{"no window"});
}

TEST(StarloomApplication, CleanStartUpPassesTheLoopStatusOn)
{
    ErrorBoxWatcher watcher;
    EXPECT_EQ(Application().RunGuarded([] { return 0; }), 0);
    EXPECT_TRUE(watcher.titles.isEmpty());
}

// Runs the program's start-up with `whileRunning` called once the event loop
// runs, and gives back the loop's status. Run() can be called once per
// process, since the main window sets the engine up.
int RunProgram(const std::function<void()>& whileRunning)
{
    StartRandomSource();
    QTimer::singleShot(0, whileRunning);
    return Application().Run();
}

QAction* Menu(const char* name)
{
    return MainPanel->findChild<QAction*>(QString::fromLatin1(name));
}

TEST(StarloomApplication, OnlyTheMainWindowShowsAtLaunch)
{
    bool checked = false;
    const int status = RunProgram([&] {
        EXPECT_TRUE(MainPanel->isVisible());
        EXPECT_FALSE(About->isVisible());
        EXPECT_FALSE(manual->isVisible());
        const QImage picture = MainPanel->findChild<FrameImage*>("Image1")->Picture();
        EXPECT_EQ(picture.size(), QSize(600, 400));
        EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(picture.pixel(599, 399), qRgb(0, 0, 0));
        EXPECT_EQ(MainPanel->findChild<QLineEdit*>("Edit2")->text(), "300");
        checked = true;
        MainPanel->close();
    });
    EXPECT_TRUE(checked);
    EXPECT_EQ(status, 0);
    // The windows are gone, and so are their names.
    EXPECT_EQ(MainPanel, nullptr);
    EXPECT_EQ(About, nullptr);
    EXPECT_EQ(manual, nullptr);
}

// Closing the main window ends the program, whichever way it is closed and
// even while an information window is open.
struct Ending {
    const char* name;
    const char* openWith;  // menu action that opens an information window
    std::function<QWidget*()> opened;
    std::function<void()> close;
};

class EndOfProgram : public ::testing::TestWithParam<Ending> {};

TEST_P(EndOfProgram, ClosingTheMainWindowEndsItWithStatusZero)
{
    const Ending& ending = GetParam();
    bool openAtClose = false;
    const int status = RunProgram([&] {
        Menu(ending.openWith)->trigger();
        openAtClose = ending.opened()->isVisible();
        ending.close();
    });
    EXPECT_TRUE(openAtClose);
    EXPECT_EQ(status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    StarloomApplication, EndOfProgram,
    ::testing::Values(Ending{"QuitWithAboutOpen", "Version2", [] { return static_cast<QWidget*>(About); },
                             [] { Menu("Quit1")->trigger(); }},
                      Ending{"QuitWithManualOpen", "Help1", [] { return static_cast<QWidget*>(manual); },
                             [] { Menu("Quit1")->trigger(); }},
                      Ending{"CloseBoxWithAboutOpen", "Version2", [] { return static_cast<QWidget*>(About); },
                             [] { MainPanel->close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StarloomApplication, ClosingAnInformationWindowKeepsTheProgramRunning)
{
    bool ranOn = false;
    const int status = RunProgram([&] {
        Menu("Version2")->trigger();
        Menu("Help1")->trigger();
        About->close();
        manual->close();
        // Had either close ended the loop, this would never run.
        QTimer::singleShot(50, [&] {
            ranOn = MainPanel->isVisible();
            MainPanel->close();
        });
    });
    EXPECT_TRUE(ranOn);
    EXPECT_EQ(status, 0);
}

}  // namespace
