// The case-folded keys that group artists and albums.
#include "core/views/TextKeys.h"

#include <gtest/gtest.h>

using namespace vireo::views;

TEST(FoldKey, FoldsLikeQtAndSharesTextsThatAreAlreadyFolded)
{
    const QString texts[] = {
        QStringLiteral("The Beatles"),
        QString::fromUtf8("ＡＢＣ ｄｅｆ"),             // full-width Latin folds too
        QString::fromUtf8("ΣΊΣΥΦΟΣ"),
        QString::fromUtf8("Straße ẞ"),
        QString::fromUtf8("𐐀𐐁 Deseret"),             // letters outside the BMP
        QString::fromUtf8("宇多田ヒカル Hikaru"),
        QString(QChar(0xD800)) + QStringLiteral("AB"), // a lone surrogate stays
    };
    for (const QString &t : texts)
        EXPECT_EQ(foldKey(t), t.toCaseFolded()) << t.toStdString();

    const QString folded = QString::fromUtf8("宇多田ヒカル hikaru");
    EXPECT_EQ(foldKey(folded).constData(), folded.constData()); // no copy
    EXPECT_TRUE(foldKey(QString()).isEmpty());
}
