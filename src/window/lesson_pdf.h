// The lesson as a PDF through Qt's own writer: A4, Italian headings, every tableau kept whole on
// one page with the pivot cell of its press in cyan, as on screen.
#pragma once

#include <QIODevice>

#include "lesson_document.h"

namespace simplesso {

// Writes the whole document to an open device; false if the writer could not start or finish.
bool WriteLessonPdf(const LessonDocument& document, QIODevice& out);

}  // namespace simplesso
