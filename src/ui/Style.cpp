// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Style.h"

#include <QApplication>
#include <QDebug>
#include <QFont>
#include <QFontDatabase>

namespace pulsadrome::ui {

bool applyProgramStyle(QApplication& app) {
    const bool hasAndika = QFontDatabase::families().contains(QLatin1String(kFontFamily));
    if (!hasAndika) {
        qWarning() << "The Andika font is not installed; the desktop's font is used.";
    }
    QFont font(hasAndika ? QString::fromLatin1(kFontFamily) : app.font().family());
    font.setPointSize(13);
    app.setFont(font);
    return hasAndika;
}

} // namespace pulsadrome::ui
