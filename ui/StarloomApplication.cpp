#include "StarloomApplication.h"

#include "About1.h"
#include "FontSubstitutes.h"
#include "Manual1.h"
#include "Starloompanel.h"

#include <QIcon>
#include <QMessageBox>

#include <exception>
#include <memory>

namespace {

// One of the program's windows, alive while start-up runs, with its global
// name pointing at it exactly as long as it exists: a window whose creation
// failed, or that is being destroyed, is reachable under no name.
template <class Window>
class NamedWindow {
public:
    explicit NamedWindow(Window*& name) : global(name), window(std::make_unique<Window>())
    {
        global = window.get();
    }
    ~NamedWindow() { global = nullptr; }
    NamedWindow(const NamedWindow&) = delete;
    NamedWindow& operator=(const NamedWindow&) = delete;

private:
    Window*& global;
    std::unique_ptr<Window> window;
};

// Calls `step`. When an exception escapes it, shows it in the error box and
// gives `fallback` instead.
template <class Result, class Step>
Result ShowingExceptions(Step&& step, Result fallback)
{
    try {
        return step();
    } catch (const std::exception& error) {
        StarloomApplication::ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        StarloomApplication::ShowException(QStringLiteral("Unknown exception"));
    }
    return fallback;
}

}  // namespace

StarloomApplication::StarloomApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Starloom"));
    setApplicationVersion(QStringLiteral(STARLOOM_VERSION));
    setWindowIcon(QIcon(QStringLiteral(":/icons/MAINICON")));
    // Before any window exists, so that every form finds its designed faces.
    InstallFontSubstitutes();
}

bool StarloomApplication::notify(QObject* receiver, QEvent* event)
{
    // Whatever a handler changed before it threw stays changed; the rest of
    // it is skipped and the next event is handled as usual.
    return ShowingExceptions([&] { return QApplication::notify(receiver, event); }, false);
}

int StarloomApplication::Run()
{
    NamedWindow<TMainPanel> mainPanel(MainPanel);
    NamedWindow<TAbout> about(About);
    NamedWindow<Tmanual> manualWindow(manual);
    // Quitting when the last window closes is not enough: About or the
    // manual may still be open when the main window goes.
    connect(MainPanel, &TMainPanel::Closed, this, &QCoreApplication::quit);
    MainPanel->show();
    return exec();
}

int StarloomApplication::RunGuarded(const std::function<int()>& steps)
{
    return ShowingExceptions(steps, 1);
}

void StarloomApplication::ShowException(const QString& message)
{
    QMessageBox::critical(nullptr, applicationName(), message);
}
