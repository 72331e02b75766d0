// Saving the lesson to a file, PDF or LaTeX by the file's suffix. The file is written whole or not
// at all: a failure leaves whatever was there before untouched and says why in Italian.
#pragma once

#include <QString>
#include <optional>

#include "lesson_document.h"

namespace simplesso {

// Empty on success; otherwise the text for the warning box, "Impossibile salvare la lezione: ...".
std::optional<QString> SaveLesson(const QString& path, const LessonDocument& document);

}  // namespace simplesso
