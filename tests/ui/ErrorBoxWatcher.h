#pragma once
// Answers the program's error boxes in tests, where nobody is there to press OK.

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Answers every error box that opens while it lives, and remembers what the
// boxes said.
class ErrorBoxWatcher {
public:
    ErrorBoxWatcher()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            titles << box->windowTitle();
            texts << box->text();
            icons << box->icon();
            box->accept();
        });
        timer.start(10);
    }

    QStringList titles;
    QStringList texts;
    QList<QMessageBox::Icon> icons;

private:
    QTimer timer;
};
