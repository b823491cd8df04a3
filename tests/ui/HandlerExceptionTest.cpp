// An exception thrown by an event handler: the application object shows it
// in the error box, the rest of the handler is skipped and the program goes
// on handling events.
//
// The handler here is reached by a mouse click, as the buttons' handlers
// are. The exception unwinds through Qt's event delivery, which is built
// without exception support and so does not free its copy of the mouse
// event on the way: a few hundred bytes per exception, which is why CTest
// runs this program with leak detection off.

#include "ErrorBoxWatcher.h"

#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(StarloomApplication, ExceptionInAHandlerIsShownAndTheProgramGoesOn)
{
    ErrorBoxWatcher watcher;
    QPushButton button;
    int started = 0;
    int finished = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++started;
        throw std::runtime_error("the handler failed");
        ++finished;  // never reached: the rest of the handler is skipped
    });
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));

    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);

    EXPECT_EQ(started, 2);
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(watcher.titles, QStringList({"Starloom", "Starloom"}));
    EXPECT_EQ(watcher.texts, QStringList({"the handler failed", "the handler failed"}));
    EXPECT_EQ(watcher.icons, QList<QMessageBox::Icon>({QMessageBox::Critical, QMessageBox::Critical}));
}

}  // namespace
