// Window pictures are drawn from the bytes the build embedded, pixel for
// pixel what decoding the picture file gives, and without a copy of their own.
#include <gtest/gtest.h>

#include <QImage>
#include <QResource>
#include <QTemporaryDir>
#include <ostream>
#include <string>

#include "resources/picture.h"
#include "resources/tests/picture_paths.h"

namespace kanmeri::resources {
namespace {

struct PictureRow {
    const char* name;
    std::string_view resource;
    QSize shown;  // the client area of the window that shows it
};
void PrintTo(const PictureRow& row, std::ostream* os) {
    *os << row.name;
}

constexpr QSize kWhole(32767, 32767);

class BakedPictureTest : public ::testing::TestWithParam<PictureRow> {
protected:
    [[nodiscard]] std::string path() const { return std::string(GetParam().resource); }
};

TEST_P(BakedPictureTest, open_drawsFromTheEmbeddedBytes) {
    const QResource baked(QString::fromStdString(path() + ".pixels"));
    ASSERT_TRUE(baked.isValid());
    const QImage image = openPicture(path(), kWhole);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.constBits(), baked.data() + 32) << "the picture was copied";
}

TEST_P(BakedPictureTest, open_hasThePixelsOfTheDecodedFileWhereTheWindowShowsIt) {
    const QImage decoded =
        QImage(QString::fromStdString(path())).convertToFormat(QImage::Format_RGB888);
    const QImage image = openPicture(path(), kWhole);
    ASSERT_EQ(image.size(), GetParam().shown);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_TRUE(image == decoded.copy(QRect(QPoint(0, 0), GetParam().shown)));
}

TEST_P(BakedPictureTest, openForSmallerWindow_cutsWithoutCopying) {
    const QImage whole = openPicture(path(), kWhole);
    const QSize window = whole.size() - QSize(50, 40);
    const QImage cut = openPicture(path(), window);
    ASSERT_EQ(cut.size(), window);
    EXPECT_EQ(cut.constBits(), whole.constBits());
    EXPECT_EQ(cut.pixelColor(window.width() - 1, window.height() - 1),
              whole.pixelColor(window.width() - 1, window.height() - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, BakedPictureTest,
    ::testing::Values(PictureRow{"paper_cream", resources::kPaperCream, QSize(580, 340)},
                      PictureRow{"paper_white", resources::kPaperWhite, QSize(291, 105)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureTest, open_withoutBakedForm_decodesTheFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage drawn(7, 3, QImage::Format_RGB32);
    drawn.fill(QColor(0x12, 0x34, 0x56));
    const QString file = dir.filePath(QStringLiteral("plain.png"));
    ASSERT_TRUE(drawn.save(file));

    const QImage image = openPicture(file.toStdString(), kWhole);
    ASSERT_EQ(image.size(), QSize(7, 3));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.pixelColor(6, 2), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(openPicture(file.toStdString(), QSize(5, 2)).size(), QSize(5, 2));
}

TEST(PictureTest, open_missingFile_givesNullImage) {
    EXPECT_TRUE(openPicture("/nonexistent/kanmeri-picture.jpg", kWhole).isNull());
}

}  // namespace
}  // namespace kanmeri::resources
