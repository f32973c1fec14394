// The pictures and icons must be reachable through the resource paths that
// the windows name, at the sizes and colour depth the windows are drawn for.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "resources/tests/picture_paths.h"

namespace {

QString path(std::string_view resource) {
    return QString::fromUtf8(resource.data(), static_cast<qsizetype>(resource.size()));
}

struct PictureRow {
    const char* name;
    std::string_view resource;
    QSize size;
};
void PrintTo(const PictureRow& row, std::ostream* os) {
    *os << row.name;
}

class PictureTest : public testing::TestWithParam<PictureRow> {};

TEST_P(PictureTest, load_hasSizeTheWindowDrawsAt) {
    const QImage image(path(GetParam().resource));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureTest,
    testing::Values(PictureRow{"paper_cream", kanmeri::resources::kPaperCream, QSize(634, 395)},
                    PictureRow{"paper_white", kanmeri::resources::kPaperWhite, QSize(300, 180)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaperTest, creamPaper_averagesNearCream) {
    const QImage image = QImage(path(kanmeri::resources::kPaperCream)).scaled(1, 1);
    const QColor mean = image.pixelColor(0, 0);
    EXPECT_NEAR(mean.red(), 0xF3, 8);
    EXPECT_NEAR(mean.green(), 0xEB, 8);
    EXPECT_NEAR(mean.blue(), 0xCF, 8);
}

struct IconRow {
    const char* name;
    std::string_view resource;
    std::vector<int> sides;  // in the order the file stores them
};
void PrintTo(const IconRow& row, std::ostream* os) {
    *os << row.name;
}

class IconTest : public testing::TestWithParam<IconRow> {};

// Reads the directory of an icon file: one entry per image, 16 bytes each.
TEST_P(IconTest, directory_listsSixteenColourImages) {
    QFile file(path(GetParam().resource));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    ASSERT_GE(bytes.size(), 6);
    const auto count = qFromLittleEndian<quint16>(data + 4);
    ASSERT_EQ(count, GetParam().sides.size());
    ASSERT_LE(6 + 16 * count, bytes.size()) << "the directory runs past the file";
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        const uchar* entry = data + 6 + 16 * i;
        EXPECT_EQ(entry[0], GetParam().sides[i]);
        EXPECT_EQ(entry[1], GetParam().sides[i]);
        EXPECT_EQ(entry[2], 16);                              // colours in the palette
        EXPECT_EQ(qFromLittleEndian<quint16>(entry + 6), 4);  // bits per pixel
        const auto size = qFromLittleEndian<quint32>(entry + 8);
        const auto offset = qFromLittleEndian<quint32>(entry + 12);
        EXPECT_LE(qint64(offset) + size, bytes.size());
    }
}

TEST_P(IconTest, imageReader_decodesEveryImage) {
    QImageReader reader(path(GetParam().resource));
    ASSERT_EQ(reader.imageCount(), static_cast<int>(GetParam().sides.size()));
    for (int side : GetParam().sides) {
        SCOPED_TRACE(side);
        const QImage image = reader.read();
        EXPECT_FALSE(image.isNull()) << reader.errorString().toStdString();
        if (!image.isNull()) {
            EXPECT_EQ(image.size(), QSize(side, side));
            EXPECT_TRUE(image.hasAlphaChannel());  // the corners are see-through
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        }
        reader.jumpToNextImage();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Icons, IconTest,
    testing::Values(IconRow{"smiley", kanmeri::resources::kSmiley, {32, 16}},
                    IconRow{"face_computer", kanmeri::resources::kFaceComputer, {32}}),
    [](const auto& info) { return std::string(info.param.name); });

// QIcon needs a running GUI application; the offscreen platform serves.
class WindowIconTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "resources_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { app_.reset(); }
    static inline std::unique_ptr<QGuiApplication> app_;
};

TEST_F(WindowIconTest, smiley_offersBothSizes) {
    const QIcon icon(path(kanmeri::resources::kSmiley));
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

TEST_F(WindowIconTest, faceComputer_offers32) {
    const QIcon icon(path(kanmeri::resources::kFaceComputer));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
}

class DesktopIconTest : public testing::TestWithParam<int> {};

TEST_P(DesktopIconTest, png_isSquareOfItsFolderSize) {
    const int side = GetParam();
    const QString file = QStringLiteral(KANMERI_RESOURCES_DIR
                                        "/icons/hicolor/%1x%1/apps/"
                                        "io.github.kanmeri.png")
                             .arg(side);
    const QImage image(file);
    ASSERT_FALSE(image.isNull()) << file.toStdString();
    EXPECT_EQ(image.size(), QSize(side, side));
    EXPECT_TRUE(image.hasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P(Hicolor, DesktopIconTest, testing::Values(16, 32, 48, 128, 256),
                         [](const auto& info) { return "px" + std::to_string(info.param); });

}  // namespace
