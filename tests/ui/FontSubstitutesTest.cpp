// The faces named in the forms are Windows faces that a Linux desktop does
// not have; each must come out as an installed face that can draw the
// program's texts, so that no caption turns into empty boxes.
#include "FontSubstitutes.h"
#include "FormChecks.h"
#include "JapaneseTexts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QtTest>

#include <algorithm>

namespace {

QFont designedFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Characters of `texts` for which `has` is false.
template <typename Has>
QString missingCharacters(const QStringList& texts, Has has)
{
    QString missing;
    for (const QString& text : texts) {
        for (const char32_t c : text.toUcs4()) {
            if (!has(c))
                missing += QString::fromUcs4(&c, 1);
        }
    }
    return missing;
}

// Characters that `font`, with Qt's per-character fallback, cannot draw.
QString missingCharacters(const QFont& font, const QStringList& texts)
{
    const QFontMetrics metrics(font);
    return missingCharacters(texts, [&](char32_t c) { return metrics.inFontUcs4(c); });
}

// Characters that the one face `font` resolves to lacks.
QString missingInFace(const QFont& font, const QStringList& texts)
{
    const QRawFont face = QRawFont::fromFont(font);
    return missingCharacters(texts, [&](char32_t c) { return face.supportsCharacter(c); });
}

// Qt lists a family found under two foundries as "Family [foundry]".
bool installed(const QString& family)
{
    const QStringList families = QFontDatabase::families();
    return std::any_of(families.begin(), families.end(), [&](const QString& listed) {
        return listed == family || listed.startsWith(family + QStringLiteral(" ["));
    });
}

const QStringList latinTexts = {
    QStringLiteral("Starloom"), QStringLiteral("Ver. 1.10"), QStringLiteral("OK"),
    QStringLiteral("X = Y = I = -10 300"), QStringLiteral("Photo: Dylan O'Donnell"),
};

} // namespace

class FontSubstitutesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InstallFontSubstitutes();
    }

    void designedFamilyResolvesToInstalledFace_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("face");
        QTest::addColumn<bool>("japaneseFace");

        QTest::newRow("proportional gothic") << "ＭＳ Ｐゴシック" << 12 << false << "IPAPGothic" << true;
        QTest::newRow("proportional gothic, title") << "ＭＳ Ｐゴシック" << 16 << false << "IPAPGothic" << true;
        QTest::newRow("fixed gothic") << "ＭＳ ゴシック" << 13 << false << "IPAGothic" << true;
        QTest::newRow("mincho") << "ＭＳ 明朝" << 12 << false << "IPAMincho" << true;
        QTest::newRow("dialog face") << "MS Sans Serif" << 11 << false << "DejaVu Sans" << false;
        QTest::newRow("title face") << "AvantGarde Md BT" << 21 << true << "URW Gothic" << false;
    }

    void designedFamilyResolvesToInstalledFace()
    {
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(QString, face);
        QFETCH(bool, japaneseFace);

        // The designed faces really are absent, or this test proves nothing.
        QVERIFY(!installed(family));
        QVERIFY2(installed(face),
                 qPrintable(face + " is not installed (scripts/install-deps.sh)"));

        const QFont font = designedFont(family, pixelSize, bold);
        const QFontInfo info(font);
        QCOMPARE(withoutFoundry(info.family()), face);
        QCOMPARE(info.pixelSize(), pixelSize);

        // Whatever the face, no text of the program may lack a glyph.
        QCOMPARE(missingCharacters(font, japaneseTexts()), QString());
        QCOMPARE(missingCharacters(font, latinTexts), QString());
        // The Japanese designs must draw Japanese with their own face, not
        // with whatever fallback happens to be found.
        if (japaneseFace)
            QCOMPARE(missingInFace(font, japaneseTexts()), QString());
        else
            QCOMPARE(missingInFace(font, latinTexts), QString());
    }

    // A face that reaches the window through a families list, as uic writes
    // fonts, is substituted in the same way.
    void familiesListIsSubstitutedToo()
    {
        QFont font;
        font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック")});
        font.setPixelSize(12);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
    }
};

QTEST_MAIN(FontSubstitutesTest)
#include "FontSubstitutesTest.moc"
