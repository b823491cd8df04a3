#pragma once

#include <QList>
#include <QMetaType>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// One control of a form as it was designed.
struct DesignedControl {
    QString name;
    QString kind;   // Qt class that stands in for it
    QString parent; // object name of the widget it lies in
    QRect geometry; // in the parent's client coordinates
    QString text;   // caption, label text or group box title
    QString family; // the designed face, as the form names it
    int pixelSize;  // character height
    bool bold;
    bool sizesToText; // a label that fits itself to its text
};
Q_DECLARE_METATYPE(DesignedControl)

// A form's window as it was designed.
struct DesignedWindow {
    QString title;
    QSize clientSize;
    QPoint framePosition; // outer frame, on the screen
    QString family;       // the form's font, inherited by its controls
    int pixelSize;
};

// Checks `form` as freshly created: a hidden, modeless top-level window
// that is not deleted when closed, with its designed title, client size
// and font.
void verifyCreatedWindow(QWidget* form, const DesignedWindow& design);

// Shows `form` and checks that its outer frame lands where it was
// designed (not centred) with the designed client size.
void verifyFramePlacement(QWidget* form, const DesignedWindow& design);

// Adds one QtTest data row per control, in the order given.
void addControlRows(const QList<DesignedControl>& controls);

// Compares one control of `form` with its design: kind, parent, position,
// size (or, for a label that fits its text, that it does and stays inside
// its parent), text, designed font and the installed face it is drawn in,
// and whether it takes the keyboard focus (only push buttons do).
void verifyControl(QWidget* form, const DesignedControl& control);

// Checks that the children of each widget of `form` were created in the
// order of `controls` (later ones lie above earlier ones).
void verifyCreationOrder(QWidget* form, const QList<DesignedControl>& controls);

// The installed face that a designed family is expected to come out as.
QString installedFaceFor(const QString& designedFamily);

// Qt names a family found under two foundries "Family [foundry]"; this is
// the family's name alone.
QString withoutFoundry(QString family);
