// The Qt platform tells a picture's size only for files it can show: a
// missing sprite must read as "no picture", so the unit view keeps the
// picture it had.
#include <gtest/gtest.h>

#include <QImage>

#include "support/installation.h"
#include "qt/qt_platform.h"

namespace gs::qt {
namespace {

TEST(QtPlatformPictures, TellTheSizeOnlyOfReadablePictures) {
    const std::string folder = test::makeTempFolder();
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(QString::fromStdString(folder + "/0004.jpg"), "JPG"));
    test::writeFile(folder + "/0006.jpg", "not a picture");

    QtPlatform platform;
    const auto size = platform.pictureSize(folder + "/0004.jpg");
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, 64);
    EXPECT_EQ(size->height, 48);
    EXPECT_FALSE(platform.pictureSize(folder + "/0005.jpg").has_value());
    EXPECT_FALSE(platform.pictureSize(folder + "/0006.jpg").has_value());
}

}  // namespace
}  // namespace gs::qt
