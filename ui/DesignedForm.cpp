#include "DesignedForm.h"

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QSize>
#include <QVariant>
#include <QWidget>

namespace {

void applyPixelSize(QWidget* widget)
{
    const QVariant pixels = widget->property("fontPixelSize");
    if (!pixels.isValid())
        return;
    QFont font = widget->font();
    font.setPixelSize(pixels.toInt());
    widget->setFont(font);
}

} // namespace

void FinishDesignedForm(QWidget* form)
{
    // Parents before children (findChildren walks depth first), so that a
    // child's own size wins over the one it inherits.
    applyPixelSize(form);
    for (QWidget* child : form->findChildren<QWidget*>())
        applyPixelSize(child);

    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (label->property("autoSize").toBool())
            label->adjustSize();
    }

    const QRect used = form->childrenRect();
    form->resize(form->size().expandedTo(QSize(used.right() + 1, used.bottom() + 1)));

    const QVariant frame = form->property("framePosition");
    if (frame.isValid())
        form->move(frame.toPoint());
}
