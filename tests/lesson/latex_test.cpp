// The LaTeX export: text made safe, the tableaux as shown, and a document pdflatex compiles.
#include "latex.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "play_lesson.h"

namespace simplesso::testing_support {
namespace {

TEST(LatexEscaped, KeepsTextModeSafe) {
    const std::pair<std::string, std::string> cases[] = {
        {"50% _ & # $ {x}", "50\\% \\_ \\& \\# \\$ \\{x\\}"},     // reserved
        {"~^\\", "\\~{}\\^{}$\\backslash$"},                      // accents
        {"<>|\"", "$<$$>$$|$''"},                                 // signs out of text
        {"è più perché È", "è più perché È"},                     // Italian letters
        {"1 ≤ 2 − 3 … «x»", "1 $\\leq$ 2 $-$ 3 \\dots{} ``x''"},  // symbols
        {"ð þ ✓ 😀", "? ? ? ?"},                                   // what the fonts lack
        {"a\xff\xc3", "a??"},                                     // malformed bytes
        {"a\tb\rc", "a b c"},                                     // control characters
    };
    for (const auto& [text, latex] : cases) {
        EXPECT_EQ(LatexEscaped(text), latex) << text;
    }
}

TEST(LessonLatex, WorkedExampleCompilesWithEveryCharacterItMayMeet) {
    const LessonPlayer player(kWorkedExample, "- -", ',');
    LessonRecord record = player.lesson.Record();
    record.snapshots[1].explanation += "\n50% _ & # $ { } ~ ^ \\ < > | \" « » … ≤ ≥ − × è É ð";
    record.snapshots[2].messages.push_back(
        {"Attenzione!", "Con l'aritmetica esatta\rquesto passo {non} si farebbe", {}});
    LessonDocument document = BuildLessonDocument(record);
    // Its tree in integers drawn: three boxes, the best one green, two labelled lines.
    document.branchAndBound = integer::BranchAndBound(player.lesson.Problem(), ',');
    const std::string latex = LessonLatex(document);

    // The problem as typed, the first press's tableau as shown (labels bold, the pivot boxed, Z
    // to the left) and the end message.
    for (const char* part :
         {"\\max Z = \\mbox{4}\\,x_{1} + \\mbox{6}\\,x_{2} + \\mbox{2}\\,x_{3}\\\\\n",
          "\\quad \\mbox{2}\\,x_{1} + x_{2} + \\mbox{3}\\,x_{3} \\leq \\mbox{18}\\\\\n",
          "\\textbf{6} & \\textbf{x2} & 0,5 & \\fcolorbox{black}{pivot}{\\strut 1} & 2 & 0 & 0,5",
          "\\multicolumn{1}{r|}{\\textbf{Z =}} & \\multicolumn{1}{l}{ 24} &  &",
          "\\textit{Fine:} Fine del calcolo del simplesso.\\\\\nIl risultato",
          "\\scalebox{1.000}{%\n\\begin{tikzpicture}", "{\\strut Nodo 3: x1 $\\geq$ 5}",
          "{\\strut intera, nuova soluzione migliore}", "{x1 $\\leq$ 4}",
          "\\filldraw[fill={rgb,255:red,220;green,245;blue,220}",
          "Ottimo intero: Z = 28, x = (4; 2; 0).\\par"}) {
        EXPECT_NE(latex.find(part), std::string::npos) << part;
    }
    // After each press its pivot cell holds 1, boxed; the initial tableau has no pivot.
    const std::string boxed = "\\fcolorbox{black}{pivot}{\\strut 1}";
    int count = 0;
    for (std::size_t at = 0; (at = latex.find(boxed, at) + 1) != 0;)
        ++count;
    EXPECT_EQ(count, 2);

    // Compiled in a folder of its own, where TeX keeps any font it has to make as well; a folder
    // whose lesson did not compile, or lacked a character, stays behind for its log.
    FILE* tex =
        popen("cd \"$(mktemp -d)\" && cat >lezione.tex && TEXMFVAR=\"$PWD\" " SIMPLESSO_PDFLATEX
              " -interaction=batchmode -halt-on-error -no-shell-escape lezione.tex && ! grep "
              "'Missing character' lezione.log && rm -r \"$PWD\" || { echo \"see $PWD\"; false; }",
              "w");
    ASSERT_NE(tex, nullptr);
    std::fputs(latex.c_str(), tex);
    EXPECT_EQ(pclose(tex), 0);
}

}  // namespace
}  // namespace simplesso::testing_support
