// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/Language.h"
#include "ui/ClickLabel.h"

namespace pulsadrome::ui {

// A language's flag, drawn at any size, that chooses the language when clicked.
class Flag : public ClickLabel {
    Q_OBJECT
public:
    Flag(i18n::Language language, QWidget* parent = nullptr);
    i18n::Language language() const { return language_; }
    void setCurrent(bool current);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    i18n::Language language_;
    bool current_ = false;
};

} // namespace pulsadrome::ui
