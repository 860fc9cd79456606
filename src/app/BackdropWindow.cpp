// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BackdropWindow.h"

#include "app/Startup.h"
#include "resources/ResPicture.h"

#include <QDebug>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#ifdef PULSADROME_HAS_X11
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace pulsadrome::app {

BackdropWindow::BackdropWindow(const QString& themeWord, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Pulsadrome"));
    if (const auto theme = themeBackground(themeWord)) {
        try {
            resources::ResPicture loader;
            picture_ =
                loader.LoadResPicture(QStringLiteral("fond"), *theme + QStringLiteral("1680"));
        } catch (const resources::ResourceError& e) {
            qWarning().noquote() << "The backdrop picture cannot be shown:" << e.description();
        }
    }
}

void BackdropWindow::showOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        setGeometry(screen->geometry());
    }
    showFullScreen();
    setLockKeys();
}

void BackdropWindow::resizeEvent(QResizeEvent* event) {
    picturePosition_ = backdropPosition(size());
    QWidget::resizeEvent(event);
}

void BackdropWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) {
        const QRect target(picturePosition_, kBackdropPicture);
        // Larger screens than the picture get it stretched to cover them.
        const QRect cover =
            target.united(rect()) == target
                ? target
                : QRect(QPoint(0, 0),
                        kBackdropPicture.scaled(size(), Qt::KeepAspectRatioByExpanding));
        picture_.paint(painter, QRectF(cover));
    }
}

bool setLockKeys() {
#ifdef PULSADROME_HAS_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) {
        return false;
    }
    const unsigned num = XkbKeysymToModifiers(display, XK_Num_Lock);
    const unsigned scroll = XkbKeysymToModifiers(display, XK_Scroll_Lock);
    const unsigned affected = num | LockMask | scroll;
    if (!XkbLockModifiers(display, XkbUseCoreKbd, affected, num)) {
        return false;
    }
    XFlush(display);
    return true;
#else
    return false;
#endif
}

} // namespace pulsadrome::app
