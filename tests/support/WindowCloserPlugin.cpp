// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt plug-in for tests of the real program: loaded with
// QT_QPA_GENERIC_PLUGINS=windowcloser:<class name>, it watches the program's windows and closes
// every shown window of that class through the window system, exactly as a title bar's close
// button does, saying so on stderr.
#include <QApplication>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

class WindowCloser : public QObject {
public:
    explicit WindowCloser(QString className) : className_(std::move(className)) {
        timer_.setInterval(100);
        connect(&timer_, &QTimer::timeout, this, &WindowCloser::look);
        timer_.start();
    }

private:
    void look() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowHandle() &&
                className_ == QLatin1String(window->metaObject()->className())) {
                std::fprintf(stderr, "window closer: %s\n", qPrintable(className_));
                std::fflush(stderr);
                window->windowHandle()->close();
            }
        }
    }

    QString className_;
    QTimer timer_;
};

} // namespace

class WindowCloserPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "WindowCloserPlugin.json")
public:
    QObject* create(const QString& key, const QString& parameters) override {
        return key == QLatin1String("windowcloser") ? new WindowCloser(parameters) : nullptr;
    }
};

#include "WindowCloserPlugin.moc"
