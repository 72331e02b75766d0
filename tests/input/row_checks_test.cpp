#include "row_checks.h"

#include <gtest/gtest.h>

namespace simplesso {
namespace {

struct RowCase {
    const char* name;
    RowTexts texts;
    char separator;
    RowFault fault;
    std::optional<int> focus;  // the field the failed check points at
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class RowCheck : public testing::TestWithParam<RowCase> {};

TEST_P(RowCheck, ReportsTheFaultAndTheFirstFieldToCorrect) {
    const RowCase& c = GetParam();
    EXPECT_EQ(CheckRow(c.texts, c.separator), c.fault);
    const auto focus = c.fault == RowFault::Empty ? FirstEmptyField(c.texts)
                                                  : FirstNonNumericField(c.texts, c.separator);
    EXPECT_EQ(focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowCheck,
    testing::Values(
        RowCase{"AllEmpty", {"", "", "", ""}, '.', RowFault::Empty, 0},
        RowCase{"EmptyBeatsLetters", {"1", "", "abc", "2"}, '.', RowFault::Empty, 1},
        RowCase{"OnlyKnownTermEmpty", {"1", "2", "3", ""}, '.', RowFault::Empty, 3},
        RowCase{"FirstOfTwoNonNumbers", {"1", "2", "abc", "x"}, '.', RowFault::NotNumber, 2},
        RowCase{"SingleBlankIsNotEmpty", {"1", "2", "3", " "}, '.', RowFault::NotNumber, 3},
        RowCase{"CommaUnderPoint", {"1,5", "2", "3", "4"}, '.', RowFault::NotNumber, 0},
        RowCase{"PointUnderComma", {"1", "1.5", "3", "4"}, ',', RowFault::NotNumber, 1},
        RowCase{"AllNumbers", {"-2", "1E3", " 0", "+4."}, '.', RowFault::None, std::nullopt},
        RowCase{"CommaUnderComma", {"1,5", "-2", "0", "4"}, ',', RowFault::None, std::nullopt}),
    [](const testing::TestParamInfo<RowCase>& info) { return info.param.name; });

TEST(RowCheck, MessagesDependOnTheRowKindOnlyForEmptyFields) {
    EXPECT_EQ(RowFaultMessage(RowKind::Objective, RowFault::Empty).text,
              "Compila prima tutti i campi richesti!");
    EXPECT_EQ(RowFaultMessage(RowKind::Constraint, RowFault::Empty).text,
              "Compilare prima tutti i campi dei vincoli!");
    for (RowKind kind : {RowKind::Objective, RowKind::Constraint}) {
        const Message m = RowFaultMessage(kind, RowFault::NotNumber);
        EXPECT_EQ(m.text, "I campi non devono contenere caratteri!");
        EXPECT_EQ(m.title, "Attenzione!");
        EXPECT_EQ(m.icon, MessageIcon::Warning);
    }
}

TEST(KnownTerms, TheFirstNegativeOneIsReported) {
    EXPECT_EQ(FirstNegativeKnownTerm({"4", "-0,5", "-1"}, ','), 1);
    EXPECT_EQ(FirstNegativeKnownTerm({"4", "-0", "0"}, '.'), std::nullopt);
    EXPECT_EQ(FirstNegativeKnownTerm({"1E-50", "2", "-1E-50"}, '.'), 2);
    EXPECT_EQ(NegativeKnownTermMessage().text,
              "I termini noti dei vincoli non possono essere negativi.");
}

}  // namespace
}  // namespace simplesso
