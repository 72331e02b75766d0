// The checks of an input row and of the known terms: which fault is reported and which field gets
// the focus. The window's tests check the messages it shows for them.
#include "row_checks.h"

#include <gtest/gtest.h>

namespace simplesso {
namespace {

// An empty field is reported before one that is not a number (a blank is not empty), and the
// focus goes to the first field that fails the check reported, in a row of any length.
TEST(RowCheck, ReportsTheFaultAndTheFirstFieldToCorrect) {
    using enum RowFault;
    const std::tuple<RowTexts, char, RowFault, std::optional<int>> cases[] = {
        {{"", "", "", ""}, '.', Empty, 0},           {{"1", "", "abc", "2"}, '.', Empty, 1},
        {{"1", "2", "3", ""}, '.', Empty, 3},        {{"1", "2", "abc", "x"}, '.', NotNumber, 2},
        {{"1", "2", "3", " "}, '.', NotNumber, 3},   {{"1,5", "2", "3", "4"}, '.', NotNumber, 0},
        {{"1", "1.5", "3", "4"}, ',', NotNumber, 1}, {{"-2", "1E3", " 0", "+4."}, '.', None, {}},
        {{"1,5", "-2", "0", "4"}, ',', None, {}}};
    for (const auto& [texts, separator, fault, focus] : cases) {
        EXPECT_EQ(CheckRow(texts, separator), fault) << texts[0] << texts[1] << texts.back();
        EXPECT_EQ(fault == Empty ? FirstEmptyField(texts) : FirstNonNumericField(texts, separator),
                  focus);
    }
}

}  // namespace
}  // namespace simplesso
