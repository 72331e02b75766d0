#include "latex.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "play_lesson.h"

namespace simplesso {
namespace {

using namespace testing_support;

struct EscapeCase {
    const char* name;
    std::string text;
    std::string latex;
};

class LatexEscapedTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(LatexEscapedTest, KeepsTextModeSafe) {
    EXPECT_EQ(LatexEscaped(GetParam().text), GetParam().latex);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LatexEscapedTest,
    testing::Values(EscapeCase{"Reserved", "50% _ & # $ {x}", "50\\% \\_ \\& \\# \\$ \\{x\\}"},
                    EscapeCase{"Accents", "~^\\", "\\~{}\\^{}$\\backslash$"},
                    EscapeCase{"SignsOutOfText", "<>|\"", "$<$$>$$|$''"},
                    EscapeCase{"ItalianLetters", "è più perché È", "è più perché È"},
                    EscapeCase{"Symbols", "1 ≤ 2 − 3 …", "1 $\\leq$ 2 $-$ 3 \\dots{}"},
                    EscapeCase{"LettersTheFontsLack", "ð þ ✓", "? ? ?"},
                    EscapeCase{"MalformedBytes", "a\xff\xc3", "a??"},
                    EscapeCase{"ControlCharacters", "a\tb\rc", "a b c"}),
    CaseName());

std::string ReadFile(const std::filesystem::path& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Compiled in a folder of its own, where TeX keeps any font it has to make as well.
TEST(LessonLatex, WorkedExampleCompilesWithEveryCharacterItMayMeet) {
    LessonRecord record = PlayLesson(kWorkedExample, ',', 2);
    record.snapshots[1].explanation += "\n50% _ & # $ { } ~ ^ \\ < > | \" « » … ≤ ≥ − × è É ð";
    record.snapshots[2].messages.push_back(
        {"Attenzione!", "Con l'aritmetica esatta\rquesto passo {non} si farebbe", {}});
    const std::string latex = LessonLatex(BuildLessonDocument(record));

    std::string folder = (std::filesystem::temp_directory_path() / "lezioneXXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    std::ofstream(folder + "/lezione.tex") << latex;
    const std::string command = "cd '" + folder + "' && TEXMFVAR='" + folder +
                                "' " SIMPLESSO_PDFLATEX
                                " -interaction=nonstopmode -halt-on-error -no-shell-escape "
                                "lezione.tex >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << ReadFile(folder + "/lezione.log");
    EXPECT_TRUE(std::filesystem::exists(folder + "/lezione.pdf"));
    EXPECT_EQ(ReadFile(folder + "/lezione.log").find("Missing character"), std::string::npos);
    std::filesystem::remove_all(folder);

    // After each press its pivot cell holds 1, boxed; the initial tableau has no pivot.
    const std::string boxed = "\\fcolorbox{black}{pivot}{\\strut 1}";
    int boxes = 0;
    for (auto at = latex.find(boxed); at != std::string::npos; at = latex.find(boxed, at + 1)) {
        ++boxes;
    }
    EXPECT_EQ(boxes, 2);
    EXPECT_LT(latex.find("Passo 1"), latex.find(boxed));
}

}  // namespace
}  // namespace simplesso
