#pragma once

#include <QStringList>

// Every Japanese caption the program's windows show, main window included:
// the faces that stand in for the Japanese designs must have all of them.
inline QStringList japaneseTexts()
{
    return {
        // main window
        QStringLiteral("スタート"), QStringLiteral("ダーク処理"), QStringLiteral("空の明るさ"),
        QStringLiteral("等級"), QStringLiteral("CCD温度"), QStringLiteral("露出"),
        QStringLiteral("ピクセル情報"), QStringLiteral("秒"), QStringLiteral("℃"),
        QStringLiteral("ファイル(&F)"), QStringLiteral("終了(&X)"), QStringLiteral("ヘルプ(&H)"),
        QStringLiteral("バージョン(&V)"),
        // manual
        QStringLiteral("設定"), QStringLiteral("肉眼で見える一番くらい星の等級数"),
        QStringLiteral("CCDチップの温度"), QStringLiteral("露出時間"), QStringLiteral("露出する時間"),
        QStringLiteral("表示"), QStringLiteral("マウスのポインタがある画面内の座標"),
        QStringLiteral("強度"), QStringLiteral("ボタン"), QStringLiteral("シミュレーション開始"),
        QStringLiteral("ダークノイズを引き算する"), QStringLiteral("閉じる"),
    };
}
