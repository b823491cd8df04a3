#pragma once

#include <QWidget>

namespace Ui { class TAbout; }

// The Version window: product name, version, credits and a picture.
// Created hidden at start-up; Help > Version shows it, OK hides it.
class TAbout : public QWidget {
    Q_OBJECT
public:
    explicit TAbout(QWidget* parent = nullptr);
    ~TAbout() override;

public slots:
    void Button1Click();

private:
    Ui::TAbout* ui;
};

extern TAbout* About;
