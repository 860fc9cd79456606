// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the tests inside a QApplication, so that core tests and widget tests share one entry
// point. Tests never need a display or a sound card: unless told otherwise they draw offscreen
// and play into SDL's dummy audio driver. Home and data folders point into the build tree, so
// no test touches a real player's data.
#include <QApplication>
#include <QDir>

#include <gmock/gmock.h>

namespace {

void setUpTestEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    const QByteArray home = PULSADROME_TEST_HOME;
    const QByteArray runtime = home + "/runtime";
    QDir().mkpath(QString::fromUtf8(runtime));
    QFile::setPermissions(QString::fromUtf8(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_CACHE_HOME", home + "/cache");
    qputenv("XDG_RUNTIME_DIR", runtime);
}

} // namespace

int main(int argc, char** argv) {
    setUpTestEnvironment();
    ::testing::InitGoogleMock(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
