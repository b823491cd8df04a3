// What FinishDesignedForm takes from a form's dynamic properties, on a small
// form built here so that each rule can be seen on its own.
#include "DesignedForm.h"

#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

struct SmallForm {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QLabel* fits = new QLabel(QStringLiteral("sizes itself"), form.get());
    QLabel* fixed = new QLabel(QStringLiteral("fixed"), form.get());
    QLabel* big = new QLabel(QStringLiteral("own size"), form.get());

    SmallForm()
    {
        form->resize(200, 100);
        form->setProperty("fontPixelSize", 11);
        fits->setGeometry(10, 20, 5, 5);
        fits->setProperty("autoSize", true);
        fixed->setGeometry(10, 50, 30, 7);
        big->setGeometry(10, 70, 60, 20);
        big->setProperty("fontPixelSize", 21);
    }
};

} // namespace

class DesignedFormTest : public QObject {
    Q_OBJECT
private slots:
    void pixelSizesReachControlsThatSetNoneOfTheirOwn()
    {
        SmallForm f;
        FinishDesignedForm(f.form.get());
        QCOMPARE(f.form->font().pixelSize(), 11);
        QCOMPARE(f.fits->font().pixelSize(), 11);
        QCOMPARE(f.fixed->font().pixelSize(), 11);
        QCOMPARE(f.big->font().pixelSize(), 21);
    }

    void onlyAutoSizeLabelsFitTheirText()
    {
        SmallForm f;
        FinishDesignedForm(f.form.get());
        QCOMPARE(f.fits->pos(), QPoint(10, 20));
        QCOMPARE(f.fits->size(), f.fits->sizeHint());
        QVERIFY(f.fits->width() > 5);
        QCOMPARE(f.fixed->geometry(), QRect(10, 50, 30, 7));
    }

    void clientKeepsItsDesignedSizeWhenEverythingFits()
    {
        SmallForm f;
        FinishDesignedForm(f.form.get());
        QCOMPARE(f.form->size(), QSize(200, 100));
    }

    // A text set in a wider face than designed must not be cut off by the
    // window's edge.
    void clientGrowsToATextThatReachesBeyondIt()
    {
        SmallForm f;
        f.fits->setText(QStringLiteral("a caption much longer than the window was designed for"));
        f.fits->move(150, 90);
        FinishDesignedForm(f.form.get());
        QCOMPARE(f.form->width(), f.fits->geometry().right() + 1);
        QCOMPARE(f.form->height(), f.fits->geometry().bottom() + 1);
        QVERIFY(f.form->width() > 200);
    }

    void framePositionMovesTheWindow()
    {
        SmallForm f;
        f.form->setProperty("framePosition", QPoint(321, 123));
        FinishDesignedForm(f.form.get());
        QCOMPARE(f.form->pos(), QPoint(321, 123));
    }
};

QTEST_MAIN(DesignedFormTest)
#include "DesignedFormTest.moc"
