// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/ResPicture.h"

#include <QPainter>

#include <gmock/gmock.h>

using namespace pulsadrome::resources;

namespace {

const QString kBundle = QStringLiteral(PULSADROME_TEST_BUNDLE);

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ResourceError& e) {
        return e.description();
    }
    return {};
}

TEST(ResPicture, loadsAVectorPictureAndDrawsItAtAnySize) {
    ResPicture loader;
    loader.setFileName(kBundle);
    EXPECT_EQ(loader.FileName(), kBundle);
    EXPECT_NE(loader.hInstance(), 0u);
    const Picture picture = loader.LoadResPicture(QStringLiteral("images"), 101);
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.isVector());
    EXPECT_EQ(picture.naturalSize(), QSize(233, 57));
    // The staff line is drawn at the same relative height at 1x and 4x.
    for (int scale : {1, 4}) {
        const QImage image = picture.toImage(QSize(233 * scale, 57 * scale));
        EXPECT_GT(qAlpha(image.pixel(100 * scale, 28 * scale)), 200) << scale;
        EXPECT_EQ(qAlpha(image.pixel(100 * scale, 10 * scale)), 0) << scale;
    }
}

TEST(ResPicture, numericTextFindsTheSameResourceAndRasterPicturesLoadAsStored) {
    ResPicture a;
    a.setFileName(kBundle);
    EXPECT_EQ(a.LoadResPicture(QStringLiteral("IMAGES"), QStringLiteral("101")).naturalSize(),
              QSize(233, 57));
    ResPicture b;
    b.setFileName(kBundle);
    const Picture raster = b.LoadResPicture(QStringLiteral("fond"), QStringLiteral("ESPACE"));
    EXPECT_FALSE(raster.isVector());
    EXPECT_EQ(raster.naturalSize(), QSize(4, 3));
    EXPECT_EQ(raster.toImage(QSize(4, 3)).pixel(1, 1), qRgb(255, 0, 0));
}

TEST(ResPicture, reportsTheLoaderErrorsInTheirOwnWords) {
    ResPicture loader;
    loader.setFileName(kBundle);
    EXPECT_EQ(errorOf([&] { loader.LoadResPicture(QStringLiteral("images"), 661); }),
              QStringLiteral("The resource was not found. GetLastError: 1814"));
    // Bytes that are not a picture name the resource.
    EXPECT_THAT(
        errorOf([&] { loader.LoadResPicture(QStringLiteral("images"), 102); }).toStdString(),
        ::testing::HasSubstr("images 102"));

    ResPicture missing;
    EXPECT_EQ(errorOf([&] { missing.setFileName(QStringLiteral("/nowhere/pulsadrome.rcc")); }),
              QStringLiteral("Cannot open /nowhere/pulsadrome.rcc. GetLastError returns: 2"));
    EXPECT_TRUE(missing.FileName().isEmpty());
}

TEST(ResPicture, aBorrowedHandleReplacesTheOpenedFileAndIsNeverReleased) {
    int error = 0;
    auto module = ResourceModule::openFile(kBundle, &error);
    ASSERT_NE(module, nullptr);
    std::uint32_t openedByLoader = 0;
    {
        ResPicture loader;
        loader.setFileName(kBundle);
        openedByLoader = loader.hInstance();
        loader.setHInstance(module->handle());
        EXPECT_TRUE(loader.FileName().isEmpty());
        EXPECT_EQ(loader.hInstance(), module->handle());
        // The bundle the loader opened itself is released at once.
        EXPECT_EQ(ResourceModule::fromHandle(openedByLoader), nullptr);
        EXPECT_FALSE(loader.LoadResPicture(QStringLiteral("images"), 101).isNull());
    }
    // The borrowed module outlives the loader.
    EXPECT_EQ(ResourceModule::fromHandle(module->handle()), module);
}

TEST(ResPicture, withNoFileItReadsTheProgramsOwnResources) {
    ResPicture loader;
    EXPECT_EQ(loader.hInstance(), 0u);
    EXPECT_EQ(errorOf([&] { loader.LoadResPicture(QStringLiteral("no_such_type"), 1); }),
              QStringLiteral("The resource was not found. GetLastError: 1813"));
}

} // namespace
