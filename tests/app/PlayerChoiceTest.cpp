// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayerChoice.h"
#include "app/PasswordHash.h"

#include <gmock/gmock.h>

using namespace pulsadrome::app;

namespace {

TEST(GoOn, checksThePasswordThenTheName) {
    const QString hashed = *hashPassword("Fa#");
    EXPECT_EQ(goOnCheck("", "", "Ana"), GoOnOutcome::Proceed);
    EXPECT_EQ(goOnCheck("", "", ""), GoOnOutcome::NoNameChosen);
    EXPECT_EQ(goOnCheck("x", "", "Ana"), GoOnOutcome::WrongPassword); // none stored, one typed
    EXPECT_EQ(goOnCheck("", hashed, ""), GoOnOutcome::WrongPassword); // first row's password
    EXPECT_EQ(goOnCheck("fa#", hashed, "Tom"), GoOnOutcome::WrongPassword);
    EXPECT_EQ(goOnCheck("Fa#", hashed, "Tom"), GoOnOutcome::Proceed);
    EXPECT_EQ(goOnCheck("Fa#", hashed, ""), GoOnOutcome::NoNameChosen);
}

TEST(SaveNewPlayer, refusesAMissingPasswordAndIgnoresAnEmptyName) {
    EXPECT_EQ(saveNewPlayerCheck(true, "", "Ana"), SaveOutcome::PasswordMissing);
    EXPECT_EQ(saveNewPlayerCheck(true, "", ""), SaveOutcome::PasswordMissing);
    EXPECT_EQ(saveNewPlayerCheck(false, "", ""), SaveOutcome::Nothing);
    EXPECT_EQ(saveNewPlayerCheck(true, "abc", ""), SaveOutcome::Nothing);
    EXPECT_EQ(saveNewPlayerCheck(false, "", "Ana"), SaveOutcome::Save);
    EXPECT_EQ(saveNewPlayerCheck(true, "abc", "Ana"), SaveOutcome::Save);
}

} // namespace
