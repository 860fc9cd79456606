// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pulsadrome::app {

// "Suivant" on the player choice. The password is checked first, against the row the list
// points at (the table's first row before a name is picked), then that a name is chosen.
enum class GoOnOutcome { WrongPassword, NoNameChosen, Proceed };
GoOnOutcome goOnCheck(const QString& typedPassword, const QString& storedPasswordField,
                      const QString& listText);

// "Valider" on the new-player form: a wanted but empty password is refused; an empty name
// does nothing.
enum class SaveOutcome { PasswordMissing, Save, Nothing };
SaveOutcome saveNewPlayerCheck(bool passwordWanted, const QString& password, const QString& name);

} // namespace pulsadrome::app
