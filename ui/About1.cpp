#include "About1.h"

#include "DesignedForm.h"
#include "ui_About1.h"

TAbout* About = nullptr;

// Always a window of its own, even when given an owner: the owner only
// decides when it is destroyed.
TAbout::TAbout(QWidget* parent) : QWidget(parent, Qt::Window), ui(new Ui::TAbout)
{
    ui->setupUi(this);
    FinishDesignedForm(this);
    // Only the main window's closing ends the program; closing this one just
    // hides it (and never deletes it, so it comes back where it was left).
    setAttribute(Qt::WA_QuitOnClose, false);
    connect(ui->Button1, &QPushButton::clicked, this, &TAbout::Button1Click);
}

TAbout::~TAbout()
{
    delete ui;
}

void TAbout::Button1Click()
{
    close();
}
