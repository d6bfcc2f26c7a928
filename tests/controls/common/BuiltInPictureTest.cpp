#include "controls/common/BuiltInPicture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
TEST(BuiltInPicture, ReadsThePictureInTheFormatOfItsSuffix)
{
    QTemporaryDir folder;
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.setPixelColor(2, 1, Qt::blue);
    const QString path = folder.filePath(QStringLiteral("glyph.xpm"));
    ASSERT_TRUE(picture.save(path, "XPM"));
    const QImage read = BuiltInPicture(path);
    ASSERT_EQ(read.size(), QSize(3, 2));
    EXPECT_EQ(read.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(read.pixelColor(2, 1), QColor(Qt::blue));
}

TEST(BuiltInPicture, MissingOrMisnamedPictureIsNull)
{
    QTemporaryDir folder;
    EXPECT_TRUE(BuiltInPicture(folder.filePath(QStringLiteral("missing.xpm"))).isNull());
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QString path = folder.filePath(QStringLiteral("really-a-png.xpm"));
    ASSERT_TRUE(picture.save(path, "PNG"));
    EXPECT_TRUE(BuiltInPicture(path).isNull());
}
} // namespace
