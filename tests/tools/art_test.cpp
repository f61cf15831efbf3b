#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>

#include "artpainter.h"

using namespace hoshi::assets;

namespace {

int distinctColours(const QImage& img) {
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2) colours.insert(img.pixel(x, y));
    return static_cast<int>(colours.size());
}

} // namespace

TEST(Art, TitleIsAFullPicture) {
    const QImage img = paintTitle();
    EXPECT_EQ(img.size(), QSize(612, 562));
    EXPECT_GT(distinctColours(img), 2000);
}

TEST(Art, TitleLeavesTheVersionCornerPlain) {
    const QImage img = paintTitle();
    double sum = 0, sq = 0;
    int n = 0;
    for (int y = 50; y < 80; ++y) {
        for (int x = 490; x < 580; ++x) {
            const double v = qGray(img.pixel(x, y));
            sum += v;
            sq += v * v;
            ++n;
        }
    }
    const double mean = sum / n;
    EXPECT_LT(mean, 60) << "white text must stand out";
    EXPECT_LT(std::sqrt(sq / n - mean * mean), 8);
}

TEST(Art, IconIsOpaqueInsideAndReadableSmall) {
    const QImage img = paintIcon();
    EXPECT_EQ(img.size(), QSize(256, 256));
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(img.pixel(128, 128)), 255);
    const QImage small = img.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(distinctColours(small), 40);
}

TEST(Art, WritesBmpAndPng) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeArt(dir.path());
    QImageReader bmp(dir.filePath("title.bmp"));
    EXPECT_EQ(bmp.format(), "bmp");
    const QImage title = bmp.read();
    EXPECT_EQ(title.size(), QSize(612, 562));
    EXPECT_GT(distinctColours(title), 2000);
    QImageReader png(dir.filePath("hoshikura.png"));
    EXPECT_EQ(png.format(), "png");
    const QImage icon = png.read();
    EXPECT_EQ(icon.size(), QSize(256, 256));
    EXPECT_GT(distinctColours(icon), 100);
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
