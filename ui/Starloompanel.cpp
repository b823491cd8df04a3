#include "Starloompanel.h"

#include "About1.h"
#include "DesignedForm.h"
#include "Manual1.h"
#include "Presses.h"
#include "Simulation.h"
#include "ui_Starloompanel.h"

#include <QCloseEvent>
#include <QPainter>

TMainPanel* MainPanel = nullptr;

namespace {

void ShowModeless(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

TMainPanel::TMainPanel(QWidget* parent) : QMainWindow(parent), ui(new Ui::TMainPanel)
{
    ui->setupUi(this);
    FinishDesignedForm(this);
    // The client area keeps its designed size; the menu bar comes on top.
    adjustSize();

    SetUpSimulation();
    ui->Edit2->setText(QString::number(ExposureTime));
    ui->Edit3->setText(QString::number(CcdTemperature));
    ui->Edit4->setText(QString::number(SkyMagnitude));

    // Connected only now, so that loading the form's slider positions ran
    // none of the change handlers.
    ConnectHandlers();
    FormCreate();
}

TMainPanel::~TMainPanel()
{
    delete ui;
}

void TMainPanel::ConnectHandlers()
{
    connect(ui->Button1, &QPushButton::clicked, this, &TMainPanel::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TMainPanel::Button2Click);
    // valueChanged, not sliderReleased: the box follows a dragged thumb.
    connect(ui->ScrollBar2, &QScrollBar::valueChanged, this, &TMainPanel::ScrollBar2Change);
    connect(ui->ScrollBar3, &QScrollBar::valueChanged, this, &TMainPanel::ScrollBar3Change);
    connect(ui->ScrollBar4, &QScrollBar::valueChanged, this, &TMainPanel::ScrollBar4Change);
    connect(ui->Image1, &FrameImage::MouseMoved, this, &TMainPanel::Image1MouseMove);
    connect(ui->Quit1, &QAction::triggered, this, &TMainPanel::Quit1Click);
    connect(ui->Help1, &QAction::triggered, this, &TMainPanel::Help1Click);
    connect(ui->Version2, &QAction::triggered, this, &TMainPanel::Version2Click);
}

void TMainPanel::FormCreate()
{
    QImage& picture = ui->Image1->Picture();
    QPainter(&picture).fillRect(picture.rect(), Qt::black);
    ui->Image1->update();
}

void TMainPanel::Button1Click()
{
    PressStart(SliderPositionsNow());
    PaintDisplayFrame();
}

void TMainPanel::Button2Click()
{
    // With no exposure waiting for its dark, the press does nothing at all.
    if (!PressDark(SliderPositionsNow()))
        return;
    PaintDisplayFrame();
}

SliderPositions TMainPanel::SliderPositionsNow() const
{
    return {ui->ScrollBar2->value(), ui->ScrollBar3->value(), ui->ScrollBar4->value()};
}

void TMainPanel::ScrollBar2Change()
{
    ExposureTime = ui->ScrollBar2->value();
    ui->Edit2->setText(QString::number(ExposureTime));
}

void TMainPanel::ScrollBar3Change()
{
    CcdTemperature = ui->ScrollBar3->value();
    ui->Edit3->setText(QString::number(CcdTemperature));
}

void TMainPanel::ScrollBar4Change()
{
    SkyMagnitude = ui->ScrollBar4->value();
    ui->Edit4->setText(QString::number(SkyMagnitude));
}

void TMainPanel::Image1MouseMove(int X, int Y)
{
    ui->Edit1->setText(QString::number(X));
    ui->Edit5->setText(QString::number(Y));
    // A held button keeps reporting positions after the pointer has left
    // the frame. There is no pixel there to read, and a count left over from
    // another pixel beside the new coordinates would mislead.
    if (X >= 0 && X < FrameWidth && Y >= 0 && Y < FrameHeight)
        ui->Edit6->setText(QString::number(RawFrame[X][Y]));
    else
        ui->Edit6->clear();
}

void TMainPanel::Quit1Click()
{
    close();
}

void TMainPanel::Help1Click()
{
    ShowModeless(manual);
}

void TMainPanel::Version2Click()
{
    ShowModeless(About);
}

void TMainPanel::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

void TMainPanel::PaintDisplayFrame()
{
    // Written straight into the picture's rows: DisplayFrame holds grey
    // levels 0..255, and a grey pixel has red = green = blue = level.
    QImage& picture = ui->Image1->Picture();
    for (int y = 0; y < FrameHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < FrameWidth; ++x) {
            const int level = DisplayFrame[x][y];
            row[x] = qRgb(level, level, level);
        }
    }
    ui->Image1->update();
}
