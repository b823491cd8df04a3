#include "About1.h"

#include "ui_About1.h"

TAbout* About = nullptr;

TAbout::TAbout(QWidget* parent) : QWidget(parent), ui(new Ui::TAbout)
{
    ui->setupUi(this);
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
