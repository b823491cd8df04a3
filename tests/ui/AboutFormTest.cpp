// The About window against its design: every control, the window itself
// and the picture.
#include "About1.h"
#include "FontSubstitutes.h"
#include "FormChecks.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QtTest>

namespace {

const QString sans = QStringLiteral("MS Sans Serif");
const QString picturePath = QStringLiteral(":/pictures/about-horsehead.png");

const QList<DesignedControl> aboutControls = {
    {"Image1", "QLabel", "TAbout", {0, 0, 121, 241}, "", sans, 11, false, false},
    {"Label1", "QLabel", "TAbout", {184, 16, 91, 25}, "Starloom", "AvantGarde Md BT", 21, true, true},
    {"Label2", "QLabel", "TAbout", {208, 48, 43, 13}, "Ver. 1.10", sans, 11, false, true},
    {"Label3", "QLabel", "TAbout", {144, 88, 185, 13}, "A CCD camera for the classroom", sans, 11, false, true},
    {"Label4", "QLabel", "TAbout", {144, 112, 127, 13}, "Photo: Dylan O'Donnell", sans, 11, false, true},
    {"Label5", "QLabel", "TAbout", {144, 136, 153, 13}, "IC 434, public domain", sans, 11, false, true},
    {"Button1", "QPushButton", "TAbout", {200, 184, 65, 25}, "OK", sans, 11, false, false},
};

const DesignedWindow aboutWindow = {"Version", {329, 241}, {603, 211}, sans, 11};

const QRgb grey = qRgb(128, 128, 128);

} // namespace

class AboutFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InstallFontSubstitutes();
        form = new TAbout;
    }

    void cleanupTestCase()
    {
        delete form;
    }

    void control_data()
    {
        addControlRows(aboutControls);
    }

    void control()
    {
        QFETCH(DesignedControl, control);
        verifyControl(form, control);
    }

    void controlsAreCreatedInDesignedOrder()
    {
        verifyCreationOrder(form, aboutControls);
    }

    void windowIsCreatedHiddenAsDesigned()
    {
        verifyCreatedWindow(form, aboutWindow);
        // It shows the application's icon and has none of its own.
        QVERIFY(!form->testAttribute(Qt::WA_SetWindowIcon));
    }

    void framePlacedAsDesigned()
    {
        TAbout window;
        verifyFramePlacement(&window, aboutWindow);
    }

    void pictureIsATrueColourResource()
    {
        QVERIFY(QFile::exists(picturePath));
        const QImage picture(picturePath);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), QSize(120, 240));
        QCOMPARE(picture.bitPlaneCount(), 24);
        QVERIFY(!picture.hasAlphaChannel());
        QVERIFY(!picture.isGrayscale());
    }

    // Drawn unscaled at the top-left corner of a control one pixel larger,
    // on the window's grey.
    void pictureDrawnUnscaledOnGrey()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QImage shown = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = QImage(picturePath).convertToFormat(QImage::Format_RGB32);
        form->hide();

        QCOMPARE(shown.size(), QSize(329, 241));
        QCOMPARE(shown.copy(0, 0, 120, 240), picture);
        for (int y = 0; y <= 240; ++y)
            QCOMPARE(shown.pixel(120, y), grey);
        for (int x = 0; x <= 120; ++x)
            QCOMPARE(shown.pixel(x, 240), grey);
        // Clear of every control: only the background shows.
        QCOMPARE(shown.pixel(300, 230), grey);
        QCOMPARE(shown.pixel(130, 5), grey);
    }

private:
    TAbout* form = nullptr;
};

QTEST_MAIN(AboutFormTest)
#include "AboutFormTest.moc"
