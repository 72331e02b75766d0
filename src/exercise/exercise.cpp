// Opening and saving an exercise with GLPK's own LP reader and writer, and the checks that keep
// out every file the program could not show as a student would type it.
#include "exercise.h"

#include <fcntl.h>
#include <glpk.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string_view>

#include "exact_number.h"
#include "numbers.h"

namespace simplesso {
namespace {

namespace fs = std::filesystem;

// Eight rows of eight numbers take a few hundred bytes: a larger file is something else.
constexpr std::uintmax_t kLargestFile = 1 << 20;

struct LpDeleter {
    void operator()(glp_prob* lp) const { glp_delete_prob(lp); }
};
using Lp = std::unique_ptr<glp_prob, LpDeleter>;

// While alive, whatever GLPK prints is kept here instead of reaching the terminal. GLPK cannot
// tell which hook is in place; the program installs none of its own, so GLPK's default is put
// back afterwards, and its printing switched on or off as it was.
class GlpkOutput {
  public:
    GlpkOutput() : printing_(glp_term_out(GLP_ON)) { glp_term_hook(&GlpkOutput::Keep, this); }
    ~GlpkOutput() {
        glp_term_hook(nullptr, nullptr);
        glp_term_out(printing_);
    }
    GlpkOutput(const GlpkOutput&) = delete;
    GlpkOutput& operator=(const GlpkOutput&) = delete;

    const std::string& Text() const { return text_; }

  private:
    static int Keep(void* info, const char* text) {
        static_cast<GlpkOutput*>(info)->text_ += text;
        return 1;  // printed nowhere else
    }

    int printing_;
    std::string text_;
};

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n\f\v");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n\f\v") - first + 1);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t stop = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, stop - start));
        start = stop + 1;
    }
    return lines;
}

std::string LastLine(std::string_view output) {
    std::string_view last;
    for (std::string_view line : Lines(output)) {
        last = Trimmed(line).empty() ? last : Trimmed(line);
    }
    return std::string(last);
}

// The system's error in words, to end a sentence that says what could not be done.
std::string ErrorText(int code) {
    switch (code) {
        case ENOENT:
            return "il file o la cartella non esiste";
        case EACCES:
        case EPERM:
            return "permesso negato";
        case EISDIR:
            return "è una cartella";
        case ENOTDIR:
            return "una parte del percorso non è una cartella";
        case ENAMETOOLONG:
            return "il nome è troppo lungo";
        case ENOSPC:
        case EDQUOT:
            return "il disco è pieno";
        case EROFS:
            return "il disco è in sola lettura";
        default:
            return "errore di sistema " + std::to_string(code) + " (" + std::strerror(code) + ")";
    }
}

// The shortest decimal that reads back as the double: the number the file meant.
std::string Shortest(double value) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string Shown(double value, char separator) {
    std::string text = Shortest(value);
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

std::optional<std::string> FieldOf(double value, char separator) {
    const auto exact = ReadExact(Shortest(value), '.');
    return exact ? FieldText(*exact, separator) : std::nullopt;
}

// Where a field is, for a message: `row` empty for the objective, `variable` empty for the
// known term.
std::string Place(const std::string& row, const std::string& variable) {
    const std::string what = variable.empty() ? "termine noto" : "coefficiente di " + variable;
    return what + (row.empty() ? (variable.empty() ? " della funzione obiettivo"
                                                   : " nella funzione obiettivo")
                               : (variable.empty() ? " del vincolo " : " nel vincolo ") + row);
}

std::string Count(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The file's bytes into `bytes`, or the reason they cannot be read. A pipe or a device is not
// opened at all: reading it could wait for ever.
std::optional<std::string> ReadBytes(const std::string& path, std::string& bytes) {
    const std::string cannot = "Impossibile aprire l'esercizio " + Quoted(path) + ": ";
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) {
        return cannot + "è una cartella, non un file.";
    }
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return cannot + "non è un file ordinario.";
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return cannot + ErrorText(errno) + ".";
    }
    char buffer[4096];
    std::size_t got = 0;
    while (bytes.size() <= kLargestFile && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, got);
    }
    const int code = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (code != 0) {
        return cannot + ErrorText(code) + ".";
    }
    if (bytes.size() > kLargestFile) {
        return "Il file " + Quoted(path) + " è troppo grande per essere un esercizio.";
    }
    return std::nullopt;
}

// GLPK reports what stops it as "PATH:LINE: what", the last line of the kind it prints.
std::string NotLp(const std::string& path, const std::string& output) {
    const std::string prefix = path + ":";
    std::string fault = "Il file " + Quoted(path) +
                        " non è un esercizio in formato LP (GLPK: " + Quoted(LastLine(output)) +
                        ").";
    for (std::string_view line : Lines(output)) {
        if (line.substr(0, prefix.size()) != prefix) {
            continue;
        }
        line.remove_prefix(prefix.size());
        long number = 0;
        const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
        const std::string_view what =
            Trimmed(line.substr(static_cast<std::size_t>(end - line.data())));
        if (error == std::errc() && what.substr(0, 1) == ":") {
            fault = "Il file " + Quoted(path) + " non è un esercizio in formato LP: alla riga " +
                    std::to_string(number) + " GLPK segnala " + Quoted(Trimmed(what.substr(1))) +
                    ".";
        }
    }
    return fault;
}

// GLPK takes a file that stops after a whole row for a complete one, with only a warning: a file
// cut short there would lose its last rows unseen. So the last line that holds anything but a
// comment (from a backslash to the line's end) must be "End".
bool EndsWithEnd(std::string_view bytes) {
    std::string_view last;
    for (std::string_view line : Lines(bytes)) {
        line = Trimmed(line.substr(0, line.find('\\')));
        last = line.empty() ? last : line;
    }
    return last.size() == 3 && std::tolower(static_cast<unsigned char>(last[0])) == 'e' &&
           std::tolower(static_cast<unsigned char>(last[1])) == 'n' &&
           std::tolower(static_cast<unsigned char>(last[2])) == 'd';
}

// GLPK writes the objective's constant as the comment "\* constant term = c *\" and its reader
// passes over comments: the constant comes back from the first such line, 0 without one.
double ConstantTerm(std::string_view bytes) {
    constexpr std::string_view kOpen = "\\* constant term = ";
    constexpr std::string_view kClose = " *\\";
    for (std::string_view line : Lines(bytes)) {
        line = Trimmed(line);
        if (line.substr(0, kOpen.size()) != kOpen || line.size() < kOpen.size() + kClose.size() ||
            line.substr(line.size() - kClose.size()) != kClose) {
            continue;
        }
        const std::string_view number =
            line.substr(kOpen.size(), line.size() - kOpen.size() - kClose.size());
        double value = 0;
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), value);
        if (error == std::errc() && end == number.data() + number.size()) {
            return value;
        }
    }
    return 0;
}

std::string ColumnName(glp_prob* lp, int j) {
    const char* name = glp_get_col_name(lp, j);
    return name == nullptr ? "x" + std::to_string(j) : name;
}

std::string RowName(glp_prob* lp, int i) {
    const char* name = glp_get_row_name(lp, i);
    return name == nullptr ? std::to_string(i) : name;
}

// What keeps the problem's shape out of an exercise: its size, integer or bounded variables,
// rows that are not one of "≤", "≥" and "=".
std::optional<std::string> ShapeFault(glp_prob* lp, char separator) {
    const int n = glp_get_num_cols(lp);
    const int m = glp_get_num_rows(lp);
    // GLPK writes a row with two bounds as an equality with a variable "~r_i" of its own that
    // ranges between them.
    std::vector<int> rows(static_cast<std::size_t>(m) + 1);
    std::vector<double> values(rows.size());
    for (int j = 1; j <= n; ++j) {
        if (ColumnName(lp, j).substr(0, 3) == "~r_") {
            const bool inRow = glp_get_mat_col(lp, j, rows.data(), values.data()) > 0;
            return "Il vincolo " + Quoted(inRow ? RowName(lp, rows[1]) : ColumnName(lp, j)) +
                   " ha due limiti (è un intervallo): in un esercizio ogni vincolo è un ≤, un ≥ "
                   "o un =.";
        }
    }
    if (n < kMinVariables || n > kMaxVariables) {
        return "Il file ha " + Count(n, "variabile", "variabili") + ": un esercizio ne ha da " +
               std::to_string(kMinVariables) + " a " + std::to_string(kMaxVariables) + ".";
    }
    if (m < kMinRows || m > kMaxRows) {
        return "Il file ha " + Count(m, "vincolo", "vincoli") + ": un esercizio ne ha da " +
               std::to_string(kMinRows) + " a " + std::to_string(kMaxRows) + ".";
    }
    for (int j = 1; j <= n; ++j) {
        const std::string name = ColumnName(lp, j);
        const std::string variable = "La variabile " + Quoted(name);
        if (glp_get_col_kind(lp, j) == GLP_BV) {
            return variable + " è binaria: un esercizio ha variabili intere o continue, senza "
                              "limiti.";
        }
        if (glp_get_col_kind(lp, j) != glp_get_col_kind(lp, 1)) {
            const std::string integer =
                glp_get_col_kind(lp, j) == GLP_IV ? variable : "La variabile " + Quoted(ColumnName(lp, 1));
            return integer + " è intera, ma non tutte lo sono: in un esercizio le variabili sono "
                             "tutte intere o nessuna.";
        }
        const double lower = glp_get_col_lb(lp, j);
        const double upper = glp_get_col_ub(lp, j);
        std::string bound;
        switch (glp_get_col_type(lp, j)) {
            case GLP_LO:
                bound = lower == 0 ? "" : " ha il limite " + name + " ≥ " + Shown(lower, separator);
                break;
            case GLP_FR:
                bound = " è libera";
                break;
            case GLP_FX:
                bound = " è fissata a " + Shown(lower, separator);
                break;
            default:  // GLP_UP, GLP_DB
                bound = " ha il limite " + name + " ≤ " + Shown(upper, separator);
                break;
        }
        if (!bound.empty()) {
            return variable + bound + ": in un esercizio ogni variabile ha il solo limite " + name +
                   " ≥ 0.";
        }
    }
    for (int i = 1; i <= m; ++i) {
        const int type = glp_get_row_type(lp, i);
        if (type != GLP_UP && type != GLP_LO && type != GLP_FX) {
            return "Il vincolo " + Quoted(RowName(lp, i)) + " non è un ≤, un ≥ o un =.";
        }
    }
    return std::nullopt;
}

// GLPK numbers the columns in the order the file first names them. A file whose variables are
// named exactly x1 ... xn keeps their numbers: GLPK's writer puts the objective's terms first,
// so a saved problem whose c1 is 0 names x2 before x1.
std::vector<int> ColumnOrder(glp_prob* lp) {
    const int n = glp_get_num_cols(lp);
    std::vector<int> numbered(static_cast<std::size_t>(n), 0);
    std::vector<int> appearance(numbered.size());
    bool keep = true;
    for (int j = 1; j <= n; ++j) {
        appearance[static_cast<std::size_t>(j - 1)] = j;
        const std::string name = ColumnName(lp, j);
        int k = 0;
        const char* end = name.data() + name.size();
        const bool number = name.size() >= 2 && name[0] == 'x' && name[1] != '0' &&
                            std::from_chars(name.data() + 1, end, k).ptr == end;
        if (!number || k < 1 || k > n || numbered[static_cast<std::size_t>(k - 1)] != 0) {
            keep = false;
        } else {
            numbered[static_cast<std::size_t>(k - 1)] = j;
        }
    }
    return keep ? numbered : appearance;
}

std::variant<Exercise, std::string> Texts(glp_prob* lp, double constant, char separator) {
    const int n = glp_get_num_cols(lp);
    const int m = glp_get_num_rows(lp);
    const std::vector<int> order = ColumnOrder(lp);
    std::vector<int> position(static_cast<std::size_t>(n) + 1);
    Exercise exercise{ProblemTexts(n, m), {}};
    ProblemTexts& problem = exercise.problem;
    problem.direction = glp_get_obj_dir(lp) == GLP_MIN ? Direction::Minimise : Direction::Maximise;
    problem.integer = glp_get_col_kind(lp, 1) == GLP_IV;
    std::optional<std::string> fault;  // the first number no field holds
    const auto field = [&](double value, const std::string& place) {
        std::optional<std::string> text = FieldOf(value, separator);
        if (!text && !fault) {
            fault = "Il numero " + Shown(value, separator) + " (" + place +
                    ") non si scrive esattamente in cinque caratteri, quanti ne tiene un campo "
                    "dell'esercizio.";
        }
        return text.value_or("0");
    };
    for (int v = 0; v < n; ++v) {
        const int j = order[static_cast<std::size_t>(v)];
        position[static_cast<std::size_t>(j)] = v;
        exercise.names.push_back(ColumnName(lp, j));
        problem.objective[v] =
            field(glp_get_obj_coef(lp, j), Place("", Quoted(exercise.names.back())));
    }
    problem.objectiveKnown = field(constant, Place("", ""));
    std::vector<int> columns(static_cast<std::size_t>(n) + 1);
    std::vector<double> values(columns.size());
    for (int r = 0; r < m; ++r) {
        const std::string row = Quoted(RowName(lp, r + 1));
        std::vector<std::string>& texts = problem.constraint[static_cast<std::size_t>(r)];
        texts.assign(static_cast<std::size_t>(n), "0");
        const int count = glp_get_mat_row(lp, r + 1, columns.data(), values.data());
        for (int k = 1; k <= count; ++k) {
            const int j = columns[static_cast<std::size_t>(k)];
            texts[static_cast<std::size_t>(position[static_cast<std::size_t>(j)])] =
                field(values[static_cast<std::size_t>(k)], Place(row, Quoted(ColumnName(lp, j))));
        }
        const int type = glp_get_row_type(lp, r + 1);
        problem.sense[r] = type == GLP_UP   ? Sense::LessEqual
                           : type == GLP_LO ? Sense::GreaterEqual
                                            : Sense::Equal;
        const double bound = type == GLP_UP ? glp_get_row_ub(lp, r + 1) : glp_get_row_lb(lp, r + 1);
        problem.known[r] = field(bound, Place(row, ""));
    }
    if (fault) {
        return *fault;
    }
    return exercise;
}

// The double GLPK is to write for a field, or why the field cannot be saved: it is not a number,
// or the file would not give its value back exactly.
std::variant<double, std::string> SavedValue(const std::string& text, char separator,
                                             const std::string& place) {
    const std::optional<mpq_class> exact = ReadExact(text, separator);
    if (!exact) {
        return Trimmed(text).empty()
                   ? "Il campo del " + place + " è vuoto: l'esercizio non è stato salvato."
                   : "Il campo " + Quoted(text) + " (" + place +
                         ") non è un numero: l'esercizio non è stato salvato.";
    }
    const std::optional<double> value = ReadDouble(text, separator);
    if (!value || !std::isfinite(*value) || !FieldText(*exact, separator) ||
        ReadExact(Shortest(*value), '.') != exact) {
        return "Il numero " + Quoted(text) + " (" + place +
               ") non tornerebbe uguale riaprendo il file: l'esercizio non è stato salvato.";
    }
    return *value;
}

std::variant<Lp, std::string> Build(const ProblemTexts& problem, char separator) {
    const int n = problem.Variables();
    const int m = problem.Rows();
    bool shaped = n >= kMinVariables && n <= kMaxVariables && m >= kMinRows && m <= kMaxRows &&
                  problem.constraint.size() == problem.known.size() &&
                  problem.sense.size() == problem.known.size();
    for (const auto& row : problem.constraint) {
        shaped = shaped && row.size() == problem.objective.size();
    }
    if (!shaped) {
        return "L'esercizio ha " + Count(n, "variabile", "variabili") + " e " +
               Count(m, "vincolo", "vincoli") +
               ": si salvano esercizi da 2 a 8 variabili e da 1 "
               "a 8 vincoli.";
    }
    Lp lp(glp_create_prob());
    glp_set_prob_name(lp.get(), "esercizio");
    glp_set_obj_name(lp.get(), "z");
    glp_set_obj_dir(lp.get(), problem.direction == Direction::Minimise ? GLP_MIN : GLP_MAX);
    glp_add_cols(lp.get(), n);
    glp_add_rows(lp.get(), m);
    std::optional<std::string> fault;
    const auto value = [&](const std::string& text, const std::string& place) {
        auto saved = SavedValue(text, separator, place);
        if (const std::string* why = std::get_if<std::string>(&saved); why && !fault) {
            fault = *why;
        }
        return std::holds_alternative<double>(saved) ? std::get<double>(saved) : 0.0;
    };
    for (int j = 1; j <= n; ++j) {
        const std::string name = "x" + std::to_string(j);
        glp_set_col_name(lp.get(), j, name.c_str());
        glp_set_col_bnds(lp.get(), j, GLP_LO, 0, 0);
        glp_set_col_kind(lp.get(), j, problem.integer ? GLP_IV : GLP_CV);
        glp_set_obj_coef(lp.get(), j, value(problem.objective[j - 1], Place("", name)));
    }
    glp_set_obj_coef(lp.get(), 0, value(problem.objectiveKnown, Place("", "")));
    for (int i = 1; i <= m; ++i) {
        const std::string name = "v" + std::to_string(i);
        glp_set_row_name(lp.get(), i, name.c_str());
        std::vector<int> columns{0};
        std::vector<double> values{0};
        for (int j = 1; j <= n; ++j) {
            const double a = value(problem.constraint[i - 1][j - 1],
                                   Place(std::to_string(i), "x" + std::to_string(j)));
            if (a != 0) {
                columns.push_back(j);
                values.push_back(a);
            }
        }
        glp_set_mat_row(lp.get(), i, static_cast<int>(columns.size()) - 1, columns.data(),
                        values.data());
        const double b = value(problem.known[i - 1], Place(std::to_string(i), ""));
        const Sense sense = problem.sense[i - 1];
        glp_set_row_bnds(lp.get(), i,
                         sense == Sense::LessEqual      ? GLP_UP
                         : sense == Sense::GreaterEqual ? GLP_LO
                                                        : GLP_FX,
                         b, b);
    }
    if (fault) {
        return *fault;
    }
    return lp;
}

// A new file beside the target, its name longer than the target's: a dot before, so that it
// stays hidden, and a random tail after. Its descriptor, or -1 with errno set.
int CreateBeside(const fs::path& target, fs::path& temporary) {
    std::random_device seed;
    std::mt19937 random(seed());
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string tail(6, 'a');
        for (char& letter : tail) {
            letter = kLetters[random() % kLetters.size()];
        }
        temporary = target.parent_path() / ("." + target.filename().string() + "." + tail);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Writes the problem into the temporary file and makes sure it is on the disk; the reason when
// that fails.
std::optional<std::string> WriteTemporary(glp_prob* lp, const fs::path& temporary) {
    errno = 0;
    std::string output;
    bool written = false;
    {
        GlpkOutput printed;
        written = glp_write_lp(lp, nullptr, temporary.c_str()) == 0;
        output = printed.Text();
    }
    int code = errno;  // what stopped GLPK, if the system did
    if (!written) {
        return code != 0 ? ErrorText(code) : "GLPK: " + Quoted(LastLine(output));
    }
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
    code = fd < 0 || ::fsync(fd) != 0 ? errno : 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return code != 0 ? std::optional<std::string>(ErrorText(code)) : std::nullopt;
}

}  // namespace

std::variant<Exercise, std::string> OpenExercise(const std::string& path, char separator) {
    std::string bytes;
    if (auto unreadable = ReadBytes(path, bytes)) {
        return *unreadable;
    }
    const std::string file = "Il file " + Quoted(path);
    if (Trimmed(bytes).empty()) {
        return file + " è vuoto.";
    }
    Lp lp(glp_create_prob());
    {
        GlpkOutput output;
        if (glp_read_lp(lp.get(), nullptr, path.c_str()) != 0) {
            return NotLp(path, output.Text());
        }
    }
    if (!EndsWithEnd(bytes)) {
        return file + " è incompleto: manca la riga «End» che lo chiude.";
    }
    if (auto fault = ShapeFault(lp.get(), separator)) {
        return *fault;
    }
    return Texts(lp.get(), ConstantTerm(bytes), separator);
}

std::optional<std::string> SaveExercise(const std::string& path, const ProblemTexts& problem,
                                        char separator) {
    auto built = Build(problem, separator);
    if (const std::string* fault = std::get_if<std::string>(&built)) {
        return *fault;
    }
    const std::string cannot = "Impossibile salvare l'esercizio in " + Quoted(path) + ": ";
    std::error_code error;
    fs::path target = path;
    // A link is followed, so that the file it leads to is replaced, not the link.
    if (fs::is_symlink(target, error)) {
        target = fs::weakly_canonical(target, error);
    }
    if (target.filename().empty() || fs::is_directory(target, error)) {
        return cannot + "è una cartella, non un file.";
    }
    struct stat old {};
    const bool existing = ::stat(target.c_str(), &old) == 0;
    const std::string unchanged = existing ? " Il file che c'era resta com'era." : "";
    fs::path temporary;
    const int fd = CreateBeside(target, temporary);
    if (fd < 0) {
        return cannot + "il file temporaneo non si può creare (" + ErrorText(errno) + ")." +
               unchanged;
    }
    ::close(fd);
    std::optional<std::string> failed = WriteTemporary(std::get<Lp>(built).get(), temporary);
    if (!failed && existing) {
        // The new file keeps the old one's permissions, set once it is written: a read-only
        // file's could not be written otherwise.
        ::chmod(temporary.c_str(), old.st_mode & 07777);
    }
    if (!failed && std::rename(temporary.c_str(), target.c_str()) != 0) {
        failed = "il file non si può sostituire (" + ErrorText(errno) + ")";
    } else if (failed) {
        failed = "il file temporaneo non si può scrivere (" + *failed + ")";
    }
    if (failed) {
        fs::remove(temporary, error);
        return cannot + *failed + "." + unchanged;
    }
    return std::nullopt;
}

}  // namespace simplesso
