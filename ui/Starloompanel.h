#pragma once

#include "Presses.h"

#include <QMainWindow>

namespace Ui { class TMainPanel; }

// The working window: the frame, the three condition sliders with their
// value boxes, Start and Dark processing, the pixel readout and the menu.
// It holds no simulation data: its handlers copy the slider positions into
// the engine, run it and paint what it leaves in DisplayFrame. Constructing
// it sets the simulation up, so there is one per process.
class TMainPanel : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainPanel(QWidget* parent = nullptr);
    ~TMainPanel() override;

signals:
    // The window has accepted a close request (File > Quit, close box,
    // system menu). The program ends with it.
    void Closed();

public slots:
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void ScrollBar2Change();
    void ScrollBar3Change();
    void ScrollBar4Change();
    void Image1MouseMove(int X, int Y);
    void Quit1Click();
    void Help1Click();
    void Version2Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Exposure, CCD temperature and sky magnitude as the sliders stand.
    SliderPositions SliderPositionsNow() const;
    void PaintDisplayFrame();
    void ConnectHandlers();

    Ui::TMainPanel* ui;
};

extern TMainPanel* MainPanel;
