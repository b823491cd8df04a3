#include "Manual1.h"

#include "ui_Manual1.h"

Tmanual* manual = nullptr;

Tmanual::Tmanual(QWidget* parent) : QWidget(parent), ui(new Ui::Tmanual)
{
    ui->setupUi(this);
    connect(ui->Button1, &QPushButton::clicked, this, &Tmanual::Button1Click);
}

Tmanual::~Tmanual()
{
    delete ui;
}

void Tmanual::Button1Click()
{
    close();
}
