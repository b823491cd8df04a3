#include "FontSubstitutes.h"

#include <QFont>
#include <QString>
#include <QStringList>

void InstallFontSubstitutes()
{
    // IPA fonts (Debian fonts-ipafont-gothic / fonts-ipafont-mincho) have the
    // same three designs: proportional Gothic, fixed-pitch Gothic, Mincho.
    // Each list ends in a Japanese Gothic so that the Japanese captions keep
    // a face that has their glyphs even when the first choice is missing.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"),
                               {QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho"),
                                QStringLiteral("IPAGothic")});
    // The Latin dialog face: any plain sans serif will do.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("IPAPGothic")});
    // URW Gothic is a free cut of the Avant Garde design the title was set in.
    QFont::insertSubstitutions(QStringLiteral("AvantGarde Md BT"),
                               {QStringLiteral("URW Gothic"), QStringLiteral("DejaVu Sans"),
                                QStringLiteral("IPAPGothic")});
}
