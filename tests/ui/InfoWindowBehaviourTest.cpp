// How the two information windows come and go: modeless, one instance,
// brought to the front, hidden (never deleted) by their button or close box,
// back where the user left them, and never what keeps the program running.
#include "About1.h"
#include "FontSubstitutes.h"
#include "Manual1.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<QWidget> makeWindow(const QString& which)
{
    if (which == QStringLiteral("About"))
        return std::make_unique<TAbout>();
    return std::make_unique<Tmanual>();
}

// What the main window's Help commands do.
void showInFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

int visibleWindowsOfClass(const char* className)
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->inherits(className))
            ++count;
    }
    return count;
}

// Stands in for the main window: something else to click while an
// information window is open.
struct MainStandIn {
    QWidget window;
    QPushButton* button = new QPushButton(QStringLiteral("Start"), &window);

    MainStandIn()
    {
        window.setGeometry(100, 100, 300, 200);
        button->setGeometry(10, 10, 80, 30);
        window.show();
        window.activateWindow();
    }
};

} // namespace

class InfoWindowBehaviourTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InstallFontSubstitutes();
    }

    void showingTwiceLeavesOneWindowInFront_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("className");
        QTest::newRow("About") << "About" << "TAbout";
        QTest::newRow("Manual") << "Manual" << "Tmanual";
    }

    void showingTwiceLeavesOneWindowInFront()
    {
        QFETCH(QString, which);
        QFETCH(QString, className);
        MainStandIn main;
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        const auto window = makeWindow(which);

        showInFront(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(window->windowModality(), Qt::NonModal);

        // The user goes back to the main window, then asks again.
        main.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        showInFront(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(visibleWindowsOfClass(qPrintable(className)), 1);
    }

    void closingHidesAndShowingRestoresWhereLeft_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("how");
        for (const char* which : {"About", "Manual"}) {
            for (const char* how : {"button", "Button1Click", "close box"})
                QTest::addRow("%s, %s", which, how) << which << how;
        }
    }

    void closingHidesAndShowingRestoresWhereLeft()
    {
        QFETCH(QString, which);
        QFETCH(QString, how);
        const auto window = makeWindow(which);
        showInFront(window.get());
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // The user drags it somewhere else and resizes it.
        const QPoint left(50, 60);
        const QSize size = window->size() + QSize(20, 10);
        window->move(left);
        window->resize(size);

        QPointer<QWidget> alive(window.get());
        if (how == QStringLiteral("button")) {
            auto* button = window->findChild<QPushButton*>(QStringLiteral("Button1"));
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (how == QStringLiteral("Button1Click")) {
            QVERIFY(QMetaObject::invokeMethod(window.get(), "Button1Click"));
        } else {
            QVERIFY(window->windowHandle());
            window->windowHandle()->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive);
        QVERIFY(window->isHidden());

        showInFront(window.get());
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->pos(), left);
        QCOMPARE(window->size(), size);
    }

    // Neither window is modal: the main window takes clicks while both are
    // open at the same time.
    void mainWindowStaysUsable()
    {
        MainStandIn main;
        QVERIFY(QTest::qWaitForWindowExposed(&main.window));
        TAbout about;
        Tmanual manual;
        showInFront(&about);
        showInFront(&manual);
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(QTest::qWaitForWindowExposed(&manual));

        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QSignalSpy clicked(main.button, &QPushButton::clicked);
        QTest::mouseClick(main.button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(about.isVisible());
        QVERIFY(manual.isVisible());
    }

    // Closing the main window ends the event loop even while the
    // information windows are shown.
    void closingTheMainWindowEndsTheProgram()
    {
        MainStandIn main;
        TAbout about;
        Tmanual manual;
        showInFront(&about);
        showInFront(&manual);
        QVERIFY(QTest::qWaitForWindowExposed(&manual));

        QTimer::singleShot(0, &main.window, &QWidget::close);
        QTimer stillRunning;
        stillRunning.setSingleShot(true);
        connect(&stillRunning, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        stillRunning.start(5000);
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(InfoWindowBehaviourTest)
#include "InfoWindowBehaviourTest.moc"
