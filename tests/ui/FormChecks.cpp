#include "FormChecks.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QtTest>

namespace {

QString shownText(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return group->title();
    return {};
}

} // namespace

QString withoutFoundry(QString family)
{
    const qsizetype bracket = family.indexOf(QStringLiteral(" ["));
    if (bracket >= 0)
        family.truncate(bracket);
    return family;
}

void verifyCreatedWindow(QWidget* form, const DesignedWindow& design)
{
    QCOMPARE(form->windowTitle(), design.title);
    QVERIFY(form->isWindow());
    QVERIFY(form->isHidden());
    QCOMPARE(form->size(), design.clientSize);
    QCOMPARE(form->windowModality(), Qt::NonModal);
    QVERIFY(!form->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(form->font().family(), design.family);
    QCOMPARE(form->font().pixelSize(), design.pixelSize);
}

void verifyFramePlacement(QWidget* form, const DesignedWindow& design)
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->frameGeometry().topLeft(), design.framePosition);
    QCOMPARE(form->size(), design.clientSize);
}

void addControlRows(const QList<DesignedControl>& controls)
{
    QTest::addColumn<DesignedControl>("control");
    for (const DesignedControl& control : controls)
        QTest::newRow(qPrintable(control.name)) << control;
}

QString installedFaceFor(const QString& designedFamily)
{
    static const QMap<QString, QString> faces = {
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")},
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("AvantGarde Md BT"), QStringLiteral("URW Gothic")},
    };
    return faces.value(designedFamily);
}

void verifyControl(QWidget* form, const DesignedControl& control)
{
    auto* widget = form->findChild<QWidget*>(control.name);
    QVERIFY2(widget, qPrintable(control.name + " is missing"));
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), control.kind);
    QWidget* parent = widget->parentWidget();
    QVERIFY(parent);
    QCOMPARE(parent->objectName(), control.parent);

    QCOMPARE(widget->pos(), control.geometry.topLeft());
    if (control.sizesToText)
        QCOMPARE(widget->size(), widget->sizeHint());
    else
        QCOMPARE(widget->size(), control.geometry.size());
    QVERIFY2(parent->rect().contains(widget->geometry()),
             qPrintable(control.name + " reaches beyond its parent"));

    QCOMPARE(shownText(widget), control.text);

    const QFont font = widget->font();
    QCOMPARE(font.family(), control.family);
    QCOMPARE(font.pixelSize(), control.pixelSize);
    QCOMPARE(font.bold(), control.bold);
    QCOMPARE(withoutFoundry(QFontInfo(font).family()), installedFaceFor(control.family));
    const QFontMetrics metrics(font);
    for (const char32_t c : control.text.toUcs4())
        QVERIFY2(metrics.inFontUcs4(c), qPrintable(control.name + ": no glyph for " + QString::fromUcs4(&c, 1)));
    // A label of fixed size must still show its whole text in the face
    // that stands in for the designed one.
    if (qobject_cast<QLabel*>(widget) && !control.text.isEmpty())
        QVERIFY2(metrics.horizontalAdvance(control.text) <= widget->width(),
                 qPrintable(control.name + " cuts its text off"));

    const bool takesFocus = widget->focusPolicy() != Qt::NoFocus;
    QCOMPARE(takesFocus, control.kind == QStringLiteral("QPushButton"));
}

void verifyCreationOrder(QWidget* form, const QList<DesignedControl>& controls)
{
    QMap<QString, QStringList> designed;
    for (const DesignedControl& control : controls)
        designed[control.parent] << control.name;
    for (auto it = designed.cbegin(); it != designed.cend(); ++it) {
        QWidget* parent = it.key() == form->objectName() ? form : form->findChild<QWidget*>(it.key());
        QVERIFY(parent);
        QStringList created;
        for (QObject* child : parent->children()) {
            if (child->isWidgetType())
                created << child->objectName();
        }
        QCOMPARE(created, it.value());
    }
}
