// The checks of an input row and of the known terms: which fault is reported and which field gets
// the focus. The window's tests check the messages it shows for them.
#include "range_checks.h"
#include "row_checks.h"

#include <gtest/gtest.h>

namespace simplesso {
namespace {

// An empty field is reported before one that is not a number (a blank is not empty), and the
// focus goes to the first field that fails the check reported, in a row of any length.
TEST(RowCheck, ReportsTheFaultAndTheFirstFieldToCorrect) {
    using enum RowFault;
    using Index = std::optional<int>;
    const std::tuple<RowTexts, char, RowFault, Index, Index> cases[] = {
        {{"", "", "", ""}, '.', Empty, 0, 0},
        {{"1", "", "abc", "2"}, '.', Empty, 1, 1},
        {{"1", "2", "3", ""}, '.', Empty, 3, 3},
        {{"1", "2", "abc", "x"}, '.', NotNumber, {}, 2},
        {{"1", "2", "3", " "}, '.', NotNumber, {}, 3},
        {{"1,5", "2", "3", "4"}, '.', NotNumber, {}, 0},
        {{"1", "1.5", "3", "4"}, ',', NotNumber, {}, 1},
        {{"-2", "1E3", " 0", "+4."}, '.', None, {}, {}},
        {{"1,5", "-2", "0", "4", "7", "8", "9", "1", "2"}, ',', None, {}, {}}};
    for (const auto& [texts, separator, fault, empty, notNumber] : cases) {
        EXPECT_EQ(CheckRow(texts, separator), fault) << texts[0] << texts[1] << texts.back();
        EXPECT_EQ(FirstEmptyField(texts), empty) << texts[0] << texts[1] << texts.back();
        EXPECT_EQ(FirstNonNumericField(texts, separator), notNumber) << texts[0] << texts.back();
    }
}

// The tableau's single-precision range, checked exactly at its edge; a text that is not a
// number is the row check's to report, and a tiny one is no fault.
TEST(RangeCheck, FindsTheFirstNumberBeyondSinglePrecision) {
    const std::tuple<std::vector<std::string>, char, std::optional<int>> cases[] = {
        {{"1", "3.4E38", "-3.4E+38", "abc"}, '.', {}},
        {{"1", "3.41E38", "1E999"}, '.', 1},
        {{"-3.41E38", "0"}, '.', 0},
        {{"1E-999", "2", "-1E999"}, '.', 2},
        {{"3,4E38", "3,41E38"}, ',', 1},
        {{"3.41E38", "3,4E38"}, ',', {}}};
    for (const auto& [texts, separator, field] : cases) {
        EXPECT_EQ(FirstOutOfRangeField(texts, separator), field) << texts[0] << texts[1];
    }
    EXPECT_EQ(OutOfRangeMessage(',').text, "I numeri devono essere compresi tra -3,4E+38 e 3,4E+38.");
    EXPECT_EQ(OutOfRangeMessage('.').title, "Attenzione!");
}

}  // namespace
}  // namespace simplesso
