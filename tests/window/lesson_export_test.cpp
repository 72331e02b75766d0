// The lesson's export as files: the PDF read back as text, the LaTeX as written, and every way a
// save can fail leaving the place it was aimed at as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "latex.h"
#include "lesson_file.h"
#include "play_lesson.h"

namespace simplesso::testing_support {
namespace {

// What a save says: empty when it succeeded.
std::string Saved(const QString& path, const LessonRecord& record) {
    return SaveLesson(path, BuildLessonDocument(record)).value_or("").toStdString();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The worked example with its last tableau said again until the lesson fills several pages, read
// back as pdftotext lays the pages out; as LaTeX, the document the LaTeX test compiles.
TEST(SaveLesson, WorkedExampleAsPdfReadsBackWithNoTableauSplitAndAsLatex) {
    LessonRecord record = LessonPlayer(kWorkedExample, "- -").lesson.Record();
    while (record.snapshots.size() < 11) {
        record.snapshots.push_back(record.snapshots.back());
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath("lezione.pdf");
    const QString latex = dir.filePath("lezione.TEX");
    ASSERT_EQ(Saved(pdf, record) + Saved(latex, record), "");
    EXPECT_EQ(Contents(latex).toStdString(), LessonLatex(BuildLessonDocument(record)));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(SIMPLESSO_PDFTOTEXT), {"-layout", pdf, "-"});
    pdftotext.waitForFinished();
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());

    for (const char* expected :
         {"Lezione sul metodo del simplesso", "Problema", "max Z = 4 x1 \\+ 6 x2 \\+ 2 x3",
          "x1 \\+ 2 x2 \\+ 4 x3 ≤ 8", "x1, x2, x3 ≥ 0", "x5\\s+1\\s+2\\s+4\\s+0\\s+1\\s+0\\s+8",
          "Z\\s*=\\s+24", "DELTA r:\\s+0\\s+0\\s+-9.6\\s+0\\s+-2.8\\s+-0.4",
          "Entra x2: il suo DELTA r \\(6\\)", "Fine del calcolo del simplesso.", "Risultato",
          "Soluzione ottima: Z = 28.4"}) {
        EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8(expected)))) << expected;
    }
    // Every tableau's heading reaches its last row, "Soluzione:", with no page break between.
    EXPECT_GT(text.count('\f'), 2);
    const QRegularExpression whole(
        R"((^|\f)[ \t]*(Tabella iniziale|Passo \d+)[ \t]*$[^\f]*?Soluzione:)",
        QRegularExpression::MultilineOption);
    EXPECT_EQ(text.count(whole), 11);
    // A4 in points (595.3 by 841.9), as the writer states it for the page.
    EXPECT_TRUE(QString::fromLatin1(Contents(pdf))
                    .contains(QRegularExpression(R"(/MediaBox \[0 0 595[.0-9]* 84[12][.0-9]*\])")));
}

QString PdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(SIMPLESSO_PDFTOTEXT), {"-layout", pdf, "-"});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// A two-phase lesson whose tableaux are wider than the page, and one with a note: every heading
// of the analysis is there, each phase's heading on the page of its first tableau, and no row
// label is cut.
TEST(SaveLesson, KeepsEveryHeadingWithWhatFollowsAndNeverCutsALabel) {
    const std::pair<const char*, std::vector<const char*>> lessons[] = {
        {"min 2 3 0 0 / 0.5 0.25 0 < 4 / 1 3 0 > 20 / 1 1 0 = 10",
         {"Problema duale", "Scarti complementari", "Prezzi ombra", "Coefficienti"}},
        {"2 4 0 0 / 1 2 0 8 / 1 0 0 6 / 0 1 0 3", {"Note", "Il problema ha infinite soluzioni"}}};
    for (const auto& [problem, headings] : lessons) {
        const LessonDocument played = LessonPlayer(problem, "- - - - - - - -").lesson.Document();
        // The first tableau said again and again moves the later headings down every page.
        for (std::size_t again = 0; again < 3; ++again) {
            LessonDocument document = played;
            document.sections.clear();
            for (std::size_t i = 0; i <= again; ++i) {
                document.sections.push_back(played.sections.front());
            }
            for (std::size_t i = 1; i < played.sections.size(); ++i) {
                document.sections.push_back(played.sections[i]);
            }
            QTemporaryDir dir;
            const QString pdf = dir.filePath("lezione.pdf");
            ASSERT_FALSE(SaveLesson(pdf, document)) << problem;
            const QString text = PdfText(pdf);
            for (const char* heading : headings) {
                EXPECT_TRUE(text.contains(QString::fromUtf8(heading))) << problem << ": " << heading;
            }
            for (const char* phase : {"Prima fase", "Seconda fase"}) {
                EXPECT_EQ(text.contains(phase),
                          text.contains(QRegularExpression(QString(phase) + "[^\\f]*?Soluzione:")))
                    << problem << ": " << phase << " after " << again;
            }
            EXPECT_FALSE(text.contains(QRegularExpression(R"((DE|So|Cr|Z)\S*…)"))) << problem;
        }
    }
}

// In whole numbers, the lesson ends with its branch and bound tree drawn, each box's words and
// each line's bound on the page, then told a line a node.
TEST(SaveLesson, AnIntegerLessonDrawsItsTreeThenTellsIt) {
    ProblemTexts problem = Typed("4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15");
    problem.integer = true;
    LessonPlayer player(problem);
    PlayOn(player.lesson);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("lezione.pdf");
    ASSERT_FALSE(SaveLesson(pdf, player.lesson.Document()));
    const QString text = PdfText(pdf);
    const QString tree = text.mid(text.lastIndexOf("Branch and bound"));
    EXPECT_EQ(tree.count("Nodo 3"), 2) << tree.toStdString();
    EXPECT_EQ(tree.count("x1 ≤ 4"), 3);  // the box's, the line's and the words' bound
    EXPECT_EQ(tree.count("chiuso per limite"), 2);
    EXPECT_TRUE(tree.contains("Ottimo intero: Z = 28, x = (4; 2; 0)."));
}

// A tableau too wide for a portrait page turns the pages to landscape, its labels whole; today's
// tableau stays on a portrait page.
TEST(SaveLesson, AWideTableauTurnsThePage) {
    const std::pair<const char*, const char*> lessons[] = {
        {"4 6 2 0 / 2 1 3 18 / 1 2 4 8 / 3 1 1 15", R"(/MediaBox \[0 0 595[.0-9]* 84[12][.0-9]*\])"},
        {"min 1 2 3 4 5 6 7 8 0 / 1 1 1 1 1 1 1 1 > 8 / 1 0 1 0 1 0 1 0 = 4 / "
         "0 1 0 1 0 1 0 1 > 3 / 1 2 0 0 0 0 0 0 < 9 / 0 0 1 2 0 0 0 0 < 9 / "
         "0 0 0 0 1 2 0 0 < 9 / 0 0 0 0 0 0 1 2 < 9 / 1 1 0 0 0 0 0 0 > 1",
         R"(/MediaBox \[0 0 84[12][.0-9]* 595[.0-9]*\])"}};
    for (const auto& [problem, mediaBox] : lessons) {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("lezione.pdf");
        ASSERT_FALSE(SaveLesson(pdf, LessonPlayer(problem, "- - -").lesson.Document())) << problem;
        EXPECT_TRUE(QString::fromLatin1(Contents(pdf)).contains(QRegularExpression(mediaBox)))
            << problem;
        const QString text = PdfText(pdf);
        EXPECT_TRUE(text.contains("DELTA r:") && text.contains("Soluzione:")) << problem;
    }
}

// Where a save is aimed and why it must fail; "%1" in the reason stands for the folder.
struct FailureCase {
    const char* name;
    const char* folder;  // "": the test's own; else the variable so named, or the folder itself
    const char* file;
    const char* reason;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

// What a save could spoil or leave behind, by name and kind, files with their bytes: a pipe
// replaced by a file shows, and so does a temporary file left over.
std::string Listing(const QString& folder) {
    QStringList entries;
    const auto filter = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList({"*lezione*", "appunti*", "tubo*"}, filter, QDir::Name)) {
        entries << entry.fileName() + (entry.isFile() ? " " + Contents(entry.filePath()) : "*");
    }
    return entries.join('\n').toStdString();
}

class SaveLessonFailure : public testing::TestWithParam<FailureCase> {};

// Tests run as root, who may write in any folder that exists: "appunti.txt" is a file, and
// /proc is where not even root may create one. The volumes come from run_on_small_mounts.sh: a
// full one and a read-only one, each holding an earlier lesson. The worked example is more than
// the one page left on the full volume.
TEST_P(SaveLessonFailure, SaysWhyInItalianAndLeavesThePlaceAsItWas) {
    const FailureCase& c = GetParam();
    QTemporaryDir dir;
    const QString folder = *c.folder ? qEnvironmentVariable(c.folder, c.folder) : dir.path();
    if (folder.startsWith("SIMPLESSO_")) {
        GTEST_SKIP() << "runs under run_on_small_mounts.sh";
    }
    std::ofstream(dir.filePath("appunti.txt").toStdString()) << "lezione precedente";
    ASSERT_EQ(mkfifo(dir.filePath("tubo.pdf").toLocal8Bit().constData(), 0644), 0);
    const std::string before = Listing(folder);
    EXPECT_EQ(
        Saved(folder + "/" + c.file, LessonPlayer(kWorkedExample, "- -").lesson.Record()),
        "Impossibile salvare la lezione: " + QString(c.reason).replace("%1", folder).toStdString());
    EXPECT_EQ(Listing(folder), before);
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, SaveLessonFailure,
    testing::Values(
        FailureCase{"NeitherPdfNorLatex", "", "lezione.txt",
                    "il nome del file deve finire con .pdf o .tex."},
        FailureCase{"FolderThatDoesNotExist", "", "appunti.txt/lezione.pdf",
                    "la cartella «%1/appunti.txt» non esiste."},
        FailureCase{"NoPermission", "/proc", "lezione.pdf",
                    "non si ha il permesso di scrivere nella cartella «%1»."},
        FailureCase{"NotAPlainFile", "", "tubo.pdf", "«%1/tubo.pdf» non è un file ordinario."},
        FailureCase{"VolumeFull", "SIMPLESSO_FULL_DIR", "lezione.pdf", "il disco è pieno."},
        FailureCase{"VolumeReadOnly", "SIMPLESSO_READONLY_DIR", "lezione.pdf",
                    "la cartella «%1» è in sola lettura."}),
    testing::PrintToStringParamName());

}  // namespace
}  // namespace simplesso::testing_support
