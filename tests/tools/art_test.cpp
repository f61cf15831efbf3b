#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "artpainter.h"
#include "stempictures.h"

using namespace hoshi::assets;

namespace {

int distinctColours(const QImage& img) {
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2) colours.insert(img.pixel(x, y));
    return static_cast<int>(colours.size());
}

// Mean absolute difference per channel, 0 … 255.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// Bits per pixel from the BMP info header.
int bmpBitCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray head = f.read(30);
    if (head.size() < 30 || !head.startsWith("BM")) return -1;
    return static_cast<unsigned char>(head[28]) | static_cast<unsigned char>(head[29]) << 8;
}

QString fileName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) + ".bmp";
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

TEST(StemPictures, EveryNameGivesAFullPicture) {
    for (const std::string_view name : kStemPictureNames) {
        const QImage img = paintStemPicture(name);
        EXPECT_EQ(img.size(), QSize(220, 127)) << name;
        EXPECT_GT(distinctColours(img), 150) << name;
    }
    EXPECT_EQ(paintStemPicture("kawa"), paintStemPicture("kawa"));
    EXPECT_THROW(paintStemPicture("unknown"), std::invalid_argument);
}

TEST(StemPictures, AreClearlyDifferentFromEachOther) {
    std::vector<QImage> pictures;
    for (const std::string_view name : kStemPictureNames) pictures.push_back(paintStemPicture(name));
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_GT(meanDifference(pictures[i], pictures[j]), 12.0)
                << kStemPictureNames[i] << " vs " << kStemPictureNames[j];
}

TEST(StemPictures, CompassHasSouthAtTheTop) {
    const QImage img = paintCompass();
    EXPECT_EQ(img.size(), QSize(130, 130));
    const QRgb south = img.pixel(65, 35), north = img.pixel(65, 95);
    EXPECT_GT(qRed(south), qBlue(south) + 60);
    EXPECT_GT(qBlue(north), qRed(north) + 30);
}

TEST(StemPictures, WritesThirtyThree24BitBmps) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeStemPictures(dir.path());
    EXPECT_EQ(QDir(dir.path()).entryList({"*.bmp"}, QDir::Files).size(), 33);
    std::vector<std::pair<QString, QSize>> expected{{"compass.bmp", QSize(130, 130)}};
    for (const std::string_view name : kStemPictureNames)
        expected.emplace_back(fileName(name), QSize(220, 127));
    for (const auto& [file, size] : expected) {
        const QString path = dir.filePath(file);
        EXPECT_EQ(bmpBitCount(path), 24) << file.toStdString();
        const QImage img(path, "BMP");
        EXPECT_EQ(img.size(), size) << file.toStdString();
    }
    EXPECT_EQ(QImage(dir.filePath("taiboku.bmp")),
              paintStemPicture("taiboku").convertToFormat(QImage::Format_RGB32));
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
