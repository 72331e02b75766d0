// Any bytes as an exercise file. The first byte picks the decimal separator as for the readers
// (',' or any odd byte the comma), the rest is the file. Besides the sanitizers' reports, an
// exercise that opens has 2 ... 8 variables and 1 ... 8 rows, as many names as variables and every
// field a number of at most five characters; saved and opened again it gives the same texts, its
// variables now named x1 ... xn.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "exercise.h"
#include "numbers.h"
#include "text_property.h"

namespace {

using namespace simplesso;

// A folder for one input, removed with its files when the input is done (libFuzzer ends without
// running exit handlers, so nothing is left for them).
struct Folder {
    std::filesystem::path path;
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "exercise-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~Folder() { std::filesystem::remove_all(path); }
};

bool Field(const std::string& text, char separator) {
    return text.size() <= 5 && IsNumber(text, separator);
}

bool Fields(const ProblemTexts& p, char separator) {
    bool fine = Field(p.objectiveKnown, separator) && p.known.size() == p.sense.size() &&
                p.constraint.size() == p.known.size();
    for (const std::string& text : p.objective) {
        fine = fine && Field(text, separator);
    }
    for (std::size_t r = 0; r < p.constraint.size(); ++r) {
        fine = fine && p.constraint[r].size() == p.objective.size() && Field(p.known[r], separator);
        for (const std::string& text : p.constraint[r]) {
            fine = fine && Field(text, separator);
        }
    }
    return fine;
}

bool Same(const ProblemTexts& a, const ProblemTexts& b) {
    return a.objective == b.objective && a.objectiveKnown == b.objectiveKnown &&
           a.constraint == b.constraint && a.known == b.known && a.sense == b.sense &&
           a.direction == b.direction;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto [separator, text] = SeparatorAndText(data, size);
    const Folder folder;
    const std::string path = (folder.path / "aperto.lp").string();
    std::ofstream(path, std::ios::binary) << text;
    const auto opened = OpenExercise(path, separator);
    const Exercise* exercise = std::get_if<Exercise>(&opened);
    Check(exercise != nullptr || !std::get<std::string>(opened).empty(),
          "a refused file has a reason", text);
    if (exercise == nullptr) {
        return 0;
    }
    const ProblemTexts& p = exercise->problem;
    Check(p.Variables() >= kMinVariables && p.Variables() <= kMaxVariables &&
              p.Rows() >= kMinRows && p.Rows() <= kMaxRows,
          "an exercise's size is within 2 ... 8 variables and 1 ... 8 rows", text);
    Check(exercise->names.size() == p.objective.size(), "every variable has its name", text);
    Check(Fields(p, separator), "every field is a number of at most five characters", text);

    const std::string saved = (folder.path / "salvato.lp").string();
    Check(!SaveExercise(saved, p, separator), "an exercise that opens saves", text);
    const auto reopened = OpenExercise(saved, separator);
    const Exercise* again = std::get_if<Exercise>(&reopened);
    Check(again != nullptr && Same(again->problem, p), "saved and opened again, the same texts",
          text);
    bool numbered = true;
    for (std::size_t j = 0; j < again->names.size(); ++j) {
        numbered = numbered && again->names[j] == "x" + std::to_string(j + 1);
    }
    Check(numbered, "a saved file names its variables x1 ... xn", text);
    return 0;
}
