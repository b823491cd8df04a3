#pragma once

#include <QWidget>

namespace Ui { class Tmanual; }

// The manual window: a one-page reference card of the main window.
// Created hidden at start-up; Help > Help shows it, its close button hides it.
class Tmanual : public QWidget {
    Q_OBJECT
public:
    explicit Tmanual(QWidget* parent = nullptr);
    ~Tmanual() override;

public slots:
    void Button1Click();

private:
    Ui::Tmanual* ui;
};

extern Tmanual* manual;
