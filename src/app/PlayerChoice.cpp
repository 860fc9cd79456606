// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayerChoice.h"

#include "app/PasswordHash.h"

namespace pulsadrome::app {

GoOnOutcome goOnCheck(const QString& typedPassword, const QString& storedPasswordField,
                      const QString& listText) {
    if (!passwordMatches(storedPasswordField, typedPassword)) {
        return GoOnOutcome::WrongPassword;
    }
    if (listText.isEmpty()) {
        return GoOnOutcome::NoNameChosen;
    }
    return GoOnOutcome::Proceed;
}

SaveOutcome saveNewPlayerCheck(bool passwordWanted, const QString& password, const QString& name) {
    if (passwordWanted && password.isEmpty()) {
        return SaveOutcome::PasswordMissing;
    }
    return name.isEmpty() ? SaveOutcome::Nothing : SaveOutcome::Save;
}

} // namespace pulsadrome::app
