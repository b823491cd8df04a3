#pragma once

#include <QImage>
#include <QWidget>

// An image that keeps its own picture and shows it unscaled from its
// top-left corner, so that whatever was drawn into it comes back after the
// window has been covered, moved or minimised. It reports the pointer
// position in picture pixels whenever the mouse moves over it, and also while
// a button pressed over it is held and the pointer has left it.
class FrameImage : public QWidget {
    Q_OBJECT
public:
    explicit FrameImage(QWidget* parent = nullptr);

    // The retained picture, created at the widget's size on first use. After
    // drawing into it, call update() to have it shown.
    QImage& Picture();

signals:
    // Picture pixel under the pointer; may lie outside the picture while a
    // held button keeps the pointer captured.
    void MouseMoved(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage picture;
};
