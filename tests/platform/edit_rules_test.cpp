// What typing, pasting and deleting do to an edit field under its styles and text limit.
#include "platform/edit_rules.h"
#include "tests/support/case_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using case_name::PrintTo;

std::string Describe(const EditText& field) {
    return '"' + field.text + "\" [" + std::to_string(field.selectionStart) + ',' +
           std::to_string(field.selectionEnd) + ']';
}

struct InsertionCase {
    const char* name;
    EditText field;
    std::string inserted;
    DWORD style;
    int limit;
    std::optional<EditText> expected; // no value: refused, the field stays as it was
};

class EditInsertion : public testing::TestWithParam<InsertionCase> {};

TEST_P(EditInsertion, FollowsTheFieldsRules) {
    const InsertionCase& c = GetParam();
    const std::optional<EditText> result =
        ApplyEditInsertion(c.field, c.inserted, c.style, c.limit);
    ASSERT_EQ(result.has_value(), c.expected.has_value()) << Describe(result ? *result : c.field);
    if (result) {
        EXPECT_EQ(*result, *c.expected)
            << "got " << Describe(*result) << ", expected " << Describe(*c.expected);
    }
}

const std::string kAccentedSmall = "\xE0\xE9\xF6\xF7\xF8\xFE\xFF";
const std::string kAccentedCapital = "\xC0\xC9\xD6\xF7\xD8\xDE\xFF";

INSTANTIATE_TEST_SUITE_P(
    Cases, EditInsertion,
    testing::Values(
        InsertionCase{"TypesAtTheCaret", {"ac", 1, 1}, "b", 0, 0, EditText{"abc", 2, 2}},
        InsertionCase{"ReplacesTheSelection", {"abcd", 1, 3}, "X", 0, 0, EditText{"aXd", 2, 2}},
        InsertionCase{"ReversedSelection", {"abcd", 3, 1}, "X", 0, 0, EditText{"aXd", 2, 2}},
        InsertionCase{
            "SelectionPastTheEndIsClamped", {"ab", 1, 9}, "X", 0, 0, EditText{"aX", 2, 2}},
        InsertionCase{
            "ReadOnlyRefuses", {"12", 0, 2}, "3", ES_READONLY | ES_NUMBER, 0, std::nullopt},
        InsertionCase{"NumberTakesDigits",
                      {"", 0, 0},
                      "0123456789",
                      ES_NUMBER,
                      0,
                      EditText{"0123456789", 10, 10}},
        InsertionCase{"NumberRefusesALetter", {"1", 1, 1}, "a", ES_NUMBER, 0, std::nullopt},
        InsertionCase{"NumberRefusesASign", {"", 0, 0}, "-", ES_NUMBER, 0, std::nullopt},
        InsertionCase{"NumberRefusesAPasteWithOneNonDigitWhole",
                      {"", 0, 0},
                      "12a3",
                      ES_NUMBER,
                      0,
                      std::nullopt},
        InsertionCase{"UppercaseMapsAsciiLetters",
                      {"", 0, 0},
                      "abz AZ 09",
                      ES_UPPERCASE,
                      0,
                      EditText{"ABZ AZ 09", 9, 9}},
        InsertionCase{"UppercaseMaps8BitSmallLettersButNotTheDivisionSign",
                      {"", 0, 0},
                      kAccentedSmall,
                      ES_UPPERCASE,
                      0,
                      EditText{kAccentedCapital, 7, 7}},
        InsertionCase{"WithoutUppercaseLettersStay",
                      {"", 0, 0},
                      kAccentedSmall + "ab",
                      0,
                      0,
                      EditText{kAccentedSmall + "ab", 9, 9}},
        InsertionCase{"LimitCutsAPaste", {"a", 1, 1}, "bcdef", 0, 3, EditText{"abc", 3, 3}},
        InsertionCase{
            "LimitCountsTheReplacedSelection", {"abc", 0, 3}, "xy", 0, 3, EditText{"xy", 2, 2}},
        InsertionCase{"FullFieldRefuses", {"abc", 3, 3}, "d", 0, 3, std::nullopt},
        InsertionCase{
            "TextLongerThanTheLimitTakesNothingMore", {"abcd", 2, 2}, "x", 0, 3, std::nullopt},
        InsertionCase{"TextLongerThanTheLimitCanBeShortened",
                      {"abcd", 0, 2},
                      "x",
                      0,
                      3,
                      EditText{"xcd", 1, 1}},
        InsertionCase{"LimitAppliesAfterTheNumberCheck",
                      {"", 0, 0},
                      "12345",
                      ES_NUMBER,
                      2,
                      EditText{"12", 2, 2}},
        InsertionCase{"PasteEndsAtALineBreak", {"", 0, 0}, "ab\r\ncd", 0, 0, EditText{"ab", 2, 2}},
        InsertionCase{"PasteEndsAtAZeroByte",
                      {"", 0, 0},
                      std::string("ab\0cd", 5),
                      0,
                      0,
                      EditText{"ab", 2, 2}},
        InsertionCase{
            "PasteStartingWithALineBreakRefuses", {"x", 1, 1}, "\nab", 0, 0, std::nullopt},
        InsertionCase{"NothingToInsertRefuses", {"abc", 0, 3}, "", 0, 0, std::nullopt}),
    [](const testing::TestParamInfo<InsertionCase>& info) { return info.param.name; });

struct DeletionCase {
    const char* name;
    EditText field;
    bool backward;
    DWORD style;
    std::optional<EditText> expected;
};

class EditDeletion : public testing::TestWithParam<DeletionCase> {};

TEST_P(EditDeletion, FollowsTheFieldsRules) {
    const DeletionCase& c = GetParam();
    const std::optional<EditText> result = ApplyEditDeletion(c.field, c.backward, c.style);
    ASSERT_EQ(result.has_value(), c.expected.has_value());
    if (result) {
        EXPECT_EQ(*result, *c.expected)
            << "got " << Describe(*result) << ", expected " << Describe(*c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditDeletion,
    testing::Values(
        DeletionCase{"BackspaceBeforeTheCaret", {"abc", 2, 2}, true, 0, EditText{"ac", 1, 1}},
        DeletionCase{"DeleteAfterTheCaret", {"abc", 1, 1}, false, 0, EditText{"ac", 1, 1}},
        DeletionCase{"SelectionGoesWhole", {"abcd", 3, 1}, true, 0, EditText{"ad", 1, 1}},
        DeletionCase{"BackspaceAtTheStart", {"abc", 0, 0}, true, 0, std::nullopt},
        DeletionCase{"DeleteAtTheEnd", {"abc", 3, 3}, false, 0, std::nullopt},
        DeletionCase{"ReadOnlyRefuses", {"abc", 0, 3}, true, ES_READONLY, std::nullopt}),
    [](const testing::TestParamInfo<DeletionCase>& info) { return info.param.name; });

} // namespace
