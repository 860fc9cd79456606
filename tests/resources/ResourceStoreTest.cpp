// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/ResourceStore.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>

using namespace pulsadrome::resources;

namespace {

std::shared_ptr<ResourceModule> bundle() {
    int error = 0;
    auto module = ResourceModule::openFile(QStringLiteral(PULSADROME_TEST_BUNDLE), &error);
    EXPECT_NE(module, nullptr) << "system error " << error;
    return module;
}

TEST(ResourceId, numericTextIsANumberAndOtherTextIsAName) {
    EXPECT_EQ(resourceId(u"101"), ResourceId(101));
    EXPECT_EQ(resourceId(u" 101 "), ResourceId(101));
    EXPECT_EQ(resourceId(u"0101"), ResourceId(101));
    EXPECT_EQ(resourceId(u"espace"), ResourceId(QStringLiteral("espace")));
    EXPECT_EQ(resourceId(u"espace1680"), ResourceId(QStringLiteral("espace1680")));
    EXPECT_EQ(resourceId(u"1680espace"), ResourceId(QStringLiteral("1680espace")));
}

TEST(ResourceModule, findsTypesAndNamesWithoutRegardToCaseAndNumbersByNumber) {
    const auto module = bundle();
    ASSERT_NE(module, nullptr);
    const QByteArray byNumber = module->data(resourceId(u"images"), resourceId(101));
    EXPECT_TRUE(byNumber.startsWith("<?xml"));
    EXPECT_EQ(module->data(resourceId(u"IMAGES"), resourceId(u"101")), byNumber);
    EXPECT_EQ(module->data(resourceId(u"fond"), resourceId(u"espace")),
              module->data(resourceId(u"FOND"), resourceId(u"ESPACE")));
    EXPECT_THAT(module->names(resourceId(u"Images")),
                ::testing::UnorderedElementsAre("101", "102"));
}

struct Missing {
    const char* type;
    int number;
    int code;
};

class MissingResource : public ::testing::TestWithParam<Missing> {};

TEST_P(MissingResource, raisesNotFoundWithTheSystemCode) {
    const auto module = bundle();
    ASSERT_NE(module, nullptr);
    try {
        module->data(resourceId(QString::fromLatin1(GetParam().type)),
                     resourceId(GetParam().number));
        FAIL() << "no error raised";
    } catch (const ResourceError& e) {
        EXPECT_EQ(e.number(), kErrorResource);
        EXPECT_EQ(
            e.description(),
            QStringLiteral("The resource was not found. GetLastError: %1").arg(GetParam().code));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingResource,
                         ::testing::Values(Missing{"images", 661, kSystemResourceNameNotFound},
                                           Missing{"images", 100, kSystemResourceNameNotFound},
                                           Missing{"dmseg", 1, kSystemResourceTypeNotFound}));

TEST(ResourceModule, aBundleThatIsNotThereOrNotABundleCannotBeOpened) {
    int error = 0;
    EXPECT_EQ(ResourceModule::openFile(QStringLiteral("/no/such/file.rcc"), &error), nullptr);
    EXPECT_EQ(error, kSystemFileNotFound);

    QTemporaryDir dir;
    const QString junk = dir.filePath(QStringLiteral("junk.rcc"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(300, '\x42'));
    file.close();
    error = 0;
    EXPECT_EQ(ResourceModule::openFile(junk, &error), nullptr);
    EXPECT_NE(error, 0);
}

TEST(ResourceModule, aHandleReachesItsModuleOnlyWhileItIsOpen) {
    auto module = bundle();
    ASSERT_NE(module, nullptr);
    const auto handle = module->handle();
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(ResourceModule::fromHandle(handle), module);
    module.reset();
    EXPECT_EQ(ResourceModule::fromHandle(handle), nullptr);
    EXPECT_NE(ResourceModule::program()->handle(), handle);
    EXPECT_EQ(ResourceModule::fromHandle(ResourceModule::program()->handle()),
              ResourceModule::program());
}

TEST(ResourceModule, twoBundlesOfTheSameFileAreIndependent) {
    auto first = bundle();
    auto second = bundle();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    first.reset();
    EXPECT_TRUE(second->data(resourceId(u"images"), resourceId(101)).startsWith("<?xml"));
}

} // namespace
