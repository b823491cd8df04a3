#pragma once

#include <QApplication>

#include <functional>

// The application object. Besides what QApplication does, it shows every
// exception that escapes an event handler in an error box and goes on with
// the next event, and it brings the program's three windows up and down.
class StarloomApplication : public QApplication {
    Q_OBJECT
public:
    StarloomApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Creates MainPanel, About and manual, hidden and in that order, shows
    // the main window and handles events until it is closed, even while the
    // other two are open. Destroys the windows before returning. Returns
    // the event loop's status.
    int Run();

    // Runs the start-up steps. An exception that escapes them is shown in
    // the error box, and the result is then 1: a start that failed must not
    // look like a clean exit to whoever launched the program.
    int RunGuarded(const std::function<int()>& steps);

    // The error box: captioned with the application's name, with the
    // message, an error icon and an OK button; modal.
    static void ShowException(const QString& message);
};
