// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PasswordHash.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <gmock/gmock.h>

#include <cctype>

using namespace pulsadrome::app;

namespace {

QString hashed(const char* password) {
    const auto hash = hashPassword(QString::fromUtf8(password));
    EXPECT_TRUE(hash.has_value());
    return hash.value_or(QString());
}

enum class Kept { Hashed, AsItStands };

struct LoginCase {
    const char* what;
    const char* password;
    Kept kept; // what the record holds: the password's hash, or the text itself
    const char* typed;
    bool passes;
};

void PrintTo(const LoginCase& c, std::ostream* os) {
    *os << c.what;
}

class Login : public ::testing::TestWithParam<LoginCase> {};

TEST_P(Login, comparesTheTypedTextExactlyWithTheStoredPassword) {
    const LoginCase& c = GetParam();
    const QString stored =
        c.kept == Kept::Hashed ? hashed(c.password) : QString::fromUtf8(c.password);
    EXPECT_EQ(passwordMatches(stored, QString::fromUtf8(c.typed)), c.passes);
}

INSTANTIATE_TEST_SUITE_P(
    PasswordHash, Login,
    ::testing::Values(
        LoginCase{"the password", "Soleil", Kept::Hashed, "Soleil", true},
        LoginCase{"another letter case", "Soleil", Kept::Hashed, "soleil", false},
        LoginCase{"a trailing space", "Soleil", Kept::Hashed, "Soleil ", false},
        LoginCase{"nothing typed", "Soleil", Kept::Hashed, "", false},
        LoginCase{"accented letters", "Éléphant 🐘", Kept::Hashed, "Éléphant 🐘", true},
        LoginCase{"decomposed accents", "Éléphant", Kept::Hashed, "E\u0301le\u0301phant", false},
        LoginCase{"no password and nothing typed", "", Kept::AsItStands, "", true},
        LoginCase{"no password and something typed", "", Kept::AsItStands, "x", false},
        LoginCase{"a password in clear", "Soleil", Kept::AsItStands, "Soleil", true},
        LoginCase{"a password in clear other case", "Soleil", Kept::AsItStands, "SOLEIL", false},
        LoginCase{"a broken hash typed as it stands", "$argon2id$broken", Kept::AsItStands,
                  "$argon2id$broken", false}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.what)) {
            if (std::isalnum(static_cast<unsigned char>(c))) {
                name += c;
            }
        }
        return name;
    });

TEST(PasswordHash, typingTheStoredTextItselfDoesNotLogIn) {
    const QString stored = hashed("Soleil");
    EXPECT_FALSE(passwordMatches(stored, stored));
}

TEST(PasswordHash, noPasswordStaysAnEmptyText) {
    const auto hash = hashPassword(QString());
    ASSERT_TRUE(hash.has_value());
    EXPECT_TRUE(hash->isEmpty());
    EXPECT_FALSE(hash->isNull()) << "stored as text, not as NULL";
}

TEST(PasswordHash, hashesAreSaltedArgon2idStringsThatNeverHoldThePassword) {
    const QString first = hashed("Soleil");
    const QString second = hashed("Soleil");
    EXPECT_NE(first, second);
    for (const QString& hash : {first, second}) {
        EXPECT_TRUE(hash.startsWith("$argon2id$")) << hash.toStdString();
        EXPECT_TRUE(isPasswordHash(hash));
        EXPECT_FALSE(hash.contains("Soleil", Qt::CaseInsensitive));
        EXPECT_TRUE(passwordMatches(hash, "Soleil"));
    }
}

TEST(PasswordHash, aStoredCostBeyondReasonIsRefusedAtOnce) {
    // A valid string asking for 100 000 passes: hours of work if it were computed.
    const QString hostile = hashed("Soleil").replace(QRegularExpression(",t=\\d+,"), ",t=100000,");
    ASSERT_TRUE(hostile.contains(",t=100000,"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(passwordMatches(hostile, "Soleil"));
    EXPECT_LT(clock.elapsed(), 1000);
}

} // namespace
