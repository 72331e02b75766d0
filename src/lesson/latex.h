// The lesson as a complete LaTeX document that pdflatex compiles with the base packages alone:
// A4, every tableau in a block that never splits, the pivot cell boxed in cyan.
#pragma once

#include <string>
#include <string_view>

#include "lesson_document.h"

namespace simplesso {

std::string LessonLatex(const LessonDocument& document);

// UTF-8 text made safe for text mode: the characters TeX reserves escaped, the Italian letters
// kept, the few symbols the lesson uses set in math, anything the base fonts lack shown as "?".
std::string LatexEscaped(std::string_view text);

}  // namespace simplesso
