// Exercises in LP files: saved and opened back at every size, solved by glpsol as the program
// solves them, opened as typed, and saved or not as a failure allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "exact_number.h"
#include "exact_simplex.h"
#include "exercise.h"
#include "recording_window.h"

namespace simplesso {
namespace {

namespace fs = std::filesystem;

// A folder of the test's own, removed with all it holds.
struct Folder {
    fs::path path;
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "exercise-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~Folder() { fs::remove_all(path); }
    std::string Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
        return (path / name).string();
    }
};

std::string Read(const fs::path& path) {
    std::stringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// The problem opened, or empty with the reason printed; the same texts as `typed`, senses and
// direction alike.
std::optional<Exercise> Opened(const std::string& path, char separator) {
    auto opened = OpenExercise(path, separator);
    if (const std::string* why = std::get_if<std::string>(&opened)) {
        ADD_FAILURE() << *why;
        return std::nullopt;
    }
    return std::get<Exercise>(std::move(opened));
}

void ExpectTyped(const ProblemTexts& p, const ProblemTexts& typed) {
    EXPECT_EQ(std::tie(p.objective, p.objectiveKnown, p.constraint, p.known, p.sense, p.direction,
                       p.integer),
              std::tie(typed.objective, typed.objectiveKnown, typed.constraint, typed.known,
                       typed.sense, typed.direction, typed.integer));
}

// Every sense and direction, negative, decimal and exponent texts, each already the shortest.
ProblemTexts Mixed(int n, int m, char separator) {
    static const char* const kTexts[] = {"3", "-2", ".5",   "12E-7", "-.25", "1E6", "12.5",
                                         "0", "-7", "1E-5", "99999", "-1.5", "4",   "2"};
    std::size_t next = static_cast<std::size_t>(n * 7 + m);
    const auto fill = [&](std::string& t) {
        t = kTexts[next++ % std::size(kTexts)];
        std::replace(t.begin(), t.end(), '.', separator);
    };
    ProblemTexts p(n, m);
    std::for_each(p.objective.begin(), p.objective.end(), fill);
    p.objective[0] = "0";  // GLPK's writer then names x2 before x1
    fill(p.objectiveKnown);
    for (int r = 0; r < m; ++r) {
        std::for_each(p.constraint[r].begin(), p.constraint[r].end(), fill);
        fill(p.known[r]);
        p.sense[r] = static_cast<Sense>((r + n) % 3);
    }
    p.direction = (n + m) % 2 == 0 ? Direction::Maximise : Direction::Minimise;
    p.integer = (n + m) % 4 == 1;  // declared in a "General" section
    return p;
}

// Every size saved and opened back as typed, leaving no temporary file; glpsol, where it is
// installed, solves each saved file to the outcome exact arithmetic gives the typed problem.
TEST(Exercise, EverySizeComesBackAsTypedAndGlpsolSolvesItSo) {
    const bool glpsol = std::system("command -v glpsol >/dev/null 2>&1") == 0;
    Folder folder;
    const std::string path = (folder.path / "esercizio.lp").string();
    const std::string report = (folder.path / "soluzione.txt").string();
    int optimal = 0;
    for (int n = kMinVariables; n <= kMaxVariables; ++n) {
        for (int m = kMinRows; m <= kMaxRows; ++m) {
            const char separator = (n + m) % 3 == 0 ? ',' : '.';
            const ProblemTexts typed = Mixed(n, m, separator);
            ASSERT_EQ(SaveExercise(path, typed, separator), std::nullopt);
            const auto opened = Opened(path, separator);
            ASSERT_TRUE(opened.has_value());
            ExpectTyped(opened->problem, typed);
            if (!glpsol) {
                continue;
            }
            // The relaxation: a problem declared integer is solved as continuous.
            const std::string run = "glpsol --exact --nomip --lp '" + path + "' -o '" + report + "'";
            ASSERT_EQ(std::system((run + " >/dev/null 2>&1").c_str()), 0);
            const std::string solution = Read(report);
            const auto exact = SolveExactly(typed, separator);
            const std::string status = exact->Unbounded()    ? "UNBOUNDED"
                                       : exact->Infeasible() ? "INFEASIBLE"
                                                             : "OPTIMAL";
            EXPECT_NE(solution.find("Status:     " + status), std::string::npos) << n << "x" << m;
            if (status == "OPTIMAL") {
                const std::size_t z = solution.find("Objective:  z = ") + 16;
                const double value = std::strtod(solution.c_str() + z, nullptr);
                EXPECT_NEAR(value, exact->z.get_d(), 1e-9 * std::max(1.0, std::abs(value)));
                ++optimal;
            }
        }
    }
    EXPECT_TRUE(!glpsol || optimal >= 10) << optimal << " of 56 optimal";  // 14 today
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), {}), glpsol ? 2 : 1);
    fs::permissions(path, fs::perms::owner_read);  // a new file replaces it, with its permissions
    ASSERT_EQ(SaveExercise(path, Mixed(2, 1, '.'), '.'), std::nullopt);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read);
}

// Names in the order they first appear, decimals and a million in five characters, a variable a
// row leaves out, comments, and the objective's constant as GLPK writes it; the window's tests
// refuse the files that cannot be shown as typed.
TEST(Exercise, OpensNamesDecimalsAndTheConstantAsTyped) {
    using Names = std::vector<std::string>;
    const std::tuple<std::string, char, const char*, Names> cases[] = {
        {"Minimize\n costo: 0.50 sedie - 0.25 sgabelli\nSubject To\n a: tavoli + 1000000 sedie "
         ">= -0.25\n b: 2 sgabelli = 12.50\nend \\ fine\n\n",
         ',',
         "min ,5 -,25 0 0 / 1E6 0 1 > -,25 / 0 2 0 = 12,5",
         {"sedie", "sgabelli", "tavoli"}},
        {"Maximize\n obj: 3 x2 + x3\n\\* constant term = -2.5 *\\\nSubject To\n v1: x1 - x2 "
         "+ x3 <= 4\nEnd\n",
         '.',
         "0 3 1 -2.5 / 1 -1 1 4",
         {"x1", "x2", "x3"}}};
    Folder folder;
    for (const auto& [bytes, separator, typed, names] : cases) {
        const auto opened = Opened(folder.Put("e.lp", bytes), separator);
        ASSERT_TRUE(opened.has_value()) << bytes;
        ExpectTyped(opened->problem, testing_support::Typed(typed));
        EXPECT_EQ(opened->names, names);
    }
}

TEST(Exercise, AFailedSaveLeavesTheOldFile) {
    const ProblemTexts good = Mixed(2, 1, '.');
    ProblemTexts bad = good;
    bad.constraint[0][1] = "abc";
    const std::tuple<std::string, const ProblemTexts*, const char*> cases[] = {
        {"vecchio.lp", &bad, "«abc» (coefficiente di x2 nel vincolo 1) non è un numero"},
        // 255 bytes, as long as a name can be: the temporary name is longer.
        {std::string(252, 'e') + ".lp", &good,
         "(il nome è troppo lungo). Il file che c'era resta com'era."}};
    for (const auto& [name, problem, reason] : cases) {
        Folder folder;
        const std::string path = folder.Put(name, "vecchio");
        EXPECT_NE(SaveExercise(path, *problem, '.').value_or("saved").find(reason),
                  std::string::npos);
        EXPECT_EQ(Read(path), "vecchio");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), {}), 1);
    }
}

// Run by run_on_small_mounts.sh, in a read-only folder that holds an earlier file: there not
// even root can write.
TEST(Exercise, SaveIntoAReadOnlyFolderSaysWhyAndLeavesTheOldFile) {
    const char* folder = std::getenv("SIMPLESSO_READONLY_DIR");
    if (folder == nullptr) {
        GTEST_SKIP() << "runs under run_on_small_mounts.sh";
    }
    const std::string old = std::string(folder) + "/lezione.pdf";
    const auto reason = SaveExercise(old, Mixed(2, 1, '.'), '.');
    EXPECT_NE(reason.value_or("saved").find("il disco è in sola lettura"), std::string::npos)
        << reason.value_or("saved");
    EXPECT_EQ(Read(old), "lezione precedente");
}

TEST(FieldText, ShortestExactTextOfAtMostFiveCharacters) {
    const struct {
        const char* value;  // a fraction, or a decimal read exactly
        char separator;
        const char* text;
    } cases[] = {{"0.50", '.', ".5"},       {"1000000", '.', "1E6"}, {"-0.25", ',', "-,25"},
                 {"-0", '.', "0"},          {"12.50", ',', "12,5"},  {"0.0000012", '.', "12E-7"},
                 {"1E-99", '.', "1E-99"},   {"-1E-5", '.', "-1E-5"}, {"1E999", '.', "1E999"},
                 {"99999", '.', "99999"},   {"-99999", '.', "none"}, {"123456", '.', "none"},
                 {"0.123456", '.', "none"}, {"1E-100", '.', "none"}, {"1/3", '.', "none"},
                 {"150000", '.', "15E4"}};
    for (const auto& c : cases) {
        const mpq_class value =
            std::strchr(c.value, '/') ? mpq_class(c.value) : *ReadExact(c.value, '.');
        EXPECT_EQ(FieldText(value, c.separator).value_or("none"), c.text) << c.value;
    }
}

}  // namespace
}  // namespace simplesso
