#include "Manual1.h"

#include "DesignedForm.h"
#include "ui_Manual1.h"

Tmanual* manual = nullptr;

// Always a window of its own, even when given an owner: the owner only
// decides when it is destroyed.
Tmanual::Tmanual(QWidget* parent) : QWidget(parent, Qt::Window), ui(new Ui::Tmanual)
{
    ui->setupUi(this);
    FinishDesignedForm(this);
    // Only the main window's closing ends the program; closing this one just
    // hides it (and never deletes it, so it comes back where it was left).
    setAttribute(Qt::WA_QuitOnClose, false);
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
