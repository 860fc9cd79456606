// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/level/NumericText.h"

#include <gmock/gmock.h>

using namespace pulsadrome::play;

namespace {

struct TextCase {
    const char* text;
    qint64 leading;
    std::optional<qint64> whole;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class NumericTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumericTexts, aTextIsReadByItsLeadingNumberAndValidatedAsAWhole) {
    const QString text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(leadingNumber(text), GetParam().leading) << GetParam().text;
    EXPECT_EQ(wholeNumber(text), GetParam().whole) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericTexts,
    ::testing::Values(TextCase{"150", 150, 150}, TextCase{" 42 ", 42, 42},
                      TextCase{"-100", -100, -100}, TextCase{"+7", 7, 7},
                      TextCase{"12abc", 12, std::nullopt}, TextCase{"abc", 0, std::nullopt},
                      TextCase{"", 0, std::nullopt}, TextCase{"-", 0, std::nullopt},
                      TextCase{"1.5", 1, std::nullopt}, TextCase{"1 2", 1, std::nullopt},
                      TextCase{"007", 7, 7}));

} // namespace
