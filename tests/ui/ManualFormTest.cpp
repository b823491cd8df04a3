// The Manual window against its design: every control with its Japanese
// text, the window itself, its tab order and its own icon.
#include "FontSubstitutes.h"
#include "FormChecks.h"
#include "Manual1.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QtTest>

namespace {

const QString gothic = QStringLiteral("ＭＳ Ｐゴシック");

DesignedControl label(const char* name, const char* parent, QRect geometry, const char* text)
{
    return {name, "QLabel", parent, geometry, QString::fromUtf8(text), gothic, 12, false, true};
}

DesignedControl groupBox(const char* name, QRect geometry, const char* title)
{
    return {name, "QGroupBox", "Tmanual", geometry, QString::fromUtf8(title), gothic, 12, false, false};
}

const DesignedWindow manualWindow = {"Starloom manual", {433, 305}, {294, 179}, gothic, 12};

const QList<DesignedControl> manualControls = {
    {"Label1", "QLabel", "Tmanual", {184, 0, 81, 25}, "Starloom ", gothic, 16, false, false},
    label("Label16", "Tmanual", {264, 4, 44, 12}, "Ver. 1.10"),
    groupBox("GroupBox1", {0, 168, 433, 105}, "設定"),
    label("Label2", "GroupBox1", {22, 24, 55, 12}, "空の明るさ"),
    label("Label5", "GroupBox1", {112, 24, 180, 12}, "肉眼で見える一番くらい星の等級数"),
    label("Label4", "GroupBox1", {29, 48, 48, 12}, "CCD温度"),
    label("Label6", "GroupBox1", {112, 48, 91, 12}, "CCDチップの温度"),
    label("Label3", "GroupBox1", {27, 72, 48, 12}, "露出時間"),
    label("Label7", "GroupBox1", {112, 72, 70, 12}, "露出する時間"),
    groupBox("GroupBox2", {0, 96, 433, 65}, "表示"),
    label("Label8", "GroupBox2", {56, 16, 16, 12}, "X,Y"),
    label("Label9", "GroupBox2", {112, 16, 190, 12}, "マウスのポインタがある画面内の座標"),
    label("Label10", "GroupBox2", {64, 40, 3, 12}, "I"),
    label("Label11", "GroupBox2", {112, 40, 24, 12}, "強度"),
    groupBox("GroupBox3", {0, 24, 433, 65}, "ボタン"),
    label("Label12", "GroupBox3", {40, 16, 40, 12}, "スタート"),
    label("Label13", "GroupBox3", {24, 40, 57, 12}, "ダーク処理"),
    label("Label14", "GroupBox3", {112, 16, 104, 12}, "シミュレーション開始"),
    label("Label15", "GroupBox3", {112, 40, 129, 12}, "ダークノイズを引き算する"),
    {"Button1", "QPushButton", "Tmanual", {192, 280, 65, 25}, "閉じる", gothic, 12, false, false},
};

} // namespace

class ManualFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InstallFontSubstitutes();
        form = new Tmanual;
    }

    void cleanupTestCase()
    {
        delete form;
    }

    void control_data()
    {
        addControlRows(manualControls);
    }

    void control()
    {
        QFETCH(DesignedControl, control);
        verifyControl(form, control);
    }

    void controlsAreCreatedInDesignedOrder()
    {
        verifyCreationOrder(form, manualControls);
    }

    // "faint" is written in kana; the kanji would read differently to a
    // child and is easy to slip in.
    void faintIsWrittenInKana()
    {
        auto* label = form->findChild<QLabel*>(QStringLiteral("Label5"));
        QVERIFY(label);
        QVERIFY(label->text().contains(QStringLiteral("くらい")));
        QVERIFY(!label->text().contains(QStringLiteral("暗")));
    }

    // The terms on the left must end before their explanations start at
    // x = 112, or the two columns run into each other.
    void termsEndBeforeTheirExplanations_data()
    {
        QTest::addColumn<QString>("term");
        for (const char* name : {"Label2", "Label4", "Label3", "Label8", "Label10", "Label12", "Label13"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void termsEndBeforeTheirExplanations()
    {
        QFETCH(QString, term);
        auto* label = form->findChild<QLabel*>(term);
        QVERIFY(label);
        QVERIFY2(label->geometry().right() < 112, qPrintable(term + " runs into its explanation"));
    }

    void windowIsCreatedHiddenAsDesigned()
    {
        verifyCreatedWindow(form, manualWindow);
    }

    // Only the close button takes the keyboard focus; the designed tab
    // order still holds for the rest of the chain.
    void tabOrderAsDesigned()
    {
        const QStringList designed = {"GroupBox1", "GroupBox2", "GroupBox3", "Button1"};
        QStringList chain;
        for (QWidget* w = form->nextInFocusChain(); w != form; w = w->nextInFocusChain()) {
            if (designed.contains(w->objectName()))
                chain << w->objectName();
        }
        QCOMPARE(chain, designed);
    }

    void framePlacedAsDesigned()
    {
        Tmanual window;
        verifyFramePlacement(&window, manualWindow);
    }

    // The background is the dialog face colour; nothing is drawn at the
    // top-left corner.
    void backgroundIsButtonFace()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QImage shown = form->grab().toImage();
        form->hide();
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(shown.pixelColor(5, 5), face);
        QCOMPARE(shown.pixelColor(430, 300), face);
    }

    // Its own icon, the same picture as the application's.
    void carriesItsOwnCopyOfTheIcon()
    {
        QVERIFY(form->testAttribute(Qt::WA_SetWindowIcon));
        const QImage own = form->windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage application = QImage(QStringLiteral(":/icons/MAINICON")).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!application.isNull());
        QCOMPARE(own, application);
    }

private:
    Tmanual* form = nullptr;
};

QTEST_MAIN(ManualFormTest)
#include "ManualFormTest.moc"
