// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/CaptionTable.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;

namespace pulsadrome::app {

// The first window: the program's title, the six language choices, the version and rights lines
// and the way out. A language choice changes every text of the window at once and is remembered
// in the language file.
class StartWindow : public QWidget {
    Q_OBJECT
public:
    StartWindow(i18n::CaptionTable& captions, QString languageFile, QWidget* parent = nullptr);

    // Copies the window's texts from the caption table.
    void retranslate();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void chooseLanguage(i18n::Language language);

    i18n::CaptionTable& captions_;
    QString languageFile_;
    QLabel* title_;
    QLabel* prompt_;
    std::vector<QPushButton*> languageButtons_;
    QLabel* version_;
    QLabel* copyright_;
    QPushButton* quit_;
};

} // namespace pulsadrome::app
