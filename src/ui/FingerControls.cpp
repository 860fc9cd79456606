// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FingerControls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

namespace pulsadrome::ui {

const char* const kFingerListStyle = R"(
QAbstractItemView[finger="true"]::item { min-height: 32px; }
QAbstractItemView[finger="true"] QScrollBar:vertical { width: 32px; }
QComboBox[finger="true"] { combobox-popup: 0; }
)";

void fitForFingers(QAbstractItemView* list) {
    list->setProperty("finger", true);
    for (QWidget* widget :
         {static_cast<QWidget*>(list), static_cast<QWidget*>(list->verticalScrollBar())}) {
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
}

void fitForFingers(QComboBox* box) {
    box->setProperty("finger", true);
    // The default drop-down delegate draws menu rows of its own height; this one follows the
    // style's rows.
    box->setItemDelegate(new QStyledItemDelegate(box));
    fitForFingers(box->view());
    box->style()->unpolish(box);
    box->style()->polish(box);
}

} // namespace pulsadrome::ui
