#include "FrameImage.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

FrameImage::FrameImage(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

QImage& FrameImage::Picture()
{
    if (picture.isNull())
        picture = QImage(size(), QImage::Format_RGB32);
    return picture;
}

void FrameImage::paintEvent(QPaintEvent* event)
{
    if (picture.isNull())
        return;
    // One picture pixel per logical pixel. On a high-density screen that is
    // several device pixels; sampling without smoothing keeps every grey
    // level exact instead of blending neighbours.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), picture, event->rect());
}

void FrameImage::mouseMoveEvent(QMouseEvent* event)
{
    // Positions may be fractional on a scaled screen; the pixel that holds
    // the point is the one whose corner lies at or above and left of it, so
    // round down, never to nearest (599.6 is still pixel 599, -0.4 is
    // already outside).
    const QPointF at = event->position();
    emit MouseMoved(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
}
