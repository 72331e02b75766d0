// The lesson's export as files: the PDF read back as text, the LaTeX as written, and every way a
// save can fail leaving the place it was aimed at as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "latex.h"
#include "lesson_file.h"
#include "play_lesson.h"

// Found by argument lookup, so that failures show reasons as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}

namespace simplesso {
namespace {

using namespace testing_support;

LessonDocument WorkedExample(int presses) {
    return BuildLessonDocument(PlayLesson(kWorkedExample, '.', presses));
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pages as pdftotext lays them out, in order.
QStringList PdfPages(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(SIMPLESSO_PDFTOTEXT), {"-layout", path, "-"});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
}

TEST(SaveLesson, WorkedExampleAsPdfReadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lezione.pdf");
    ASSERT_EQ(SaveLesson(path, WorkedExample(2)), std::nullopt);

    const QString text = PdfPages(path).join('\n');
    for (const char* expected :
         {"Lezione sul metodo del simplesso", "Problema", "max z = 4 x1 \\+ 6 x2 \\+ 2 x3",
          "x1 \\+ 2 x2 \\+ 4 x3 ≤ 8", "x1, x2, x3 ≥ 0", "Tabella iniziale",
          "x5\\s+1\\s+2\\s+4\\s+0\\s+1\\s+0\\s+8", "Passo 1", "Z\\s*=\\s+24", "Passo 2",
          "DELTA r:\\s+0\\s+0\\s+-9.6\\s+0\\s+-2.8\\s+-0.4", "Entra x2: il suo DELTA r \\(6\\)",
          "Fine del calcolo del simplesso.", "Risultato", "Soluzione ottima: Z = 28.4"}) {
        EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8(expected)))) << expected;
    }
    // A4 in points, as the writer states it for the page.
    const QRegularExpression mediaBox(R"(/MediaBox \[0 0 (\d+\.?\d*) (\d+\.?\d*)\])");
    const auto box = mediaBox.match(QString::fromLatin1(Contents(path)));
    EXPECT_NEAR(box.captured(1).toDouble(), 595.3, 1);
    EXPECT_NEAR(box.captured(2).toDouble(), 841.9, 1);
}

// Presses after the end add tableaux, enough for several pages: each page must hold the last
// rows of every tableau whose heading it holds.
TEST(SaveLesson, NoTableauIsSplitOverTwoPages) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lezione.pdf");
    ASSERT_EQ(SaveLesson(path, WorkedExample(10)), std::nullopt);

    const QStringList pages = PdfPages(path);
    ASSERT_GT(pages.size(), 2);
    const QRegularExpression heading(R"(^[ \t]*(Tabella iniziale|Passo \d+)[ \t]*$)",
                                     QRegularExpression::MultilineOption);
    int tableaux = 0;
    for (int p = 0; p < pages.size(); ++p) {
        int headings = 0;
        for (auto match = heading.globalMatch(pages[p]); match.hasNext(); match.next()) {
            ++headings;
        }
        EXPECT_EQ(headings, pages[p].count("Soluzione:")) << "page " << p + 1;
        tableaux += headings;
    }
    EXPECT_EQ(tableaux, 11);
}

TEST(SaveLesson, LatexFileHoldsTheDocument) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lezione.TEX");
    const LessonDocument document = WorkedExample(2);
    ASSERT_EQ(SaveLesson(path, document), std::nullopt);
    EXPECT_EQ(Contents(path), QByteArray::fromStdString(LessonLatex(document)));
}

// Where a save is aimed and why it must fail.
struct FailureCase {
    const char* name;
    QString folder;  // empty: the test's own folder; "SIMPLESSO_...": the variable's; else itself
    QString file;
    QString reason;  // "%1" stands for the folder
};

// Entries by name and kind, so that a pipe replaced by a file shows, and files with their bytes.
QStringList Snapshot(const QString& folder) {
    QStringList entries;
    const auto filter = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(filter, QDir::Name)) {
        entries << entry.fileName() + (entry.isFile() ? " " + Contents(entry.filePath()) : "*");
    }
    return entries;
}

// Saves three presses, more than the one page left on the full volume even as LaTeX. A system
// folder changes by itself: there only the file's absence is checked.
void ExpectRefusedAndUntouched(const FailureCase& c, const QString& folder) {
    const bool ours = !c.folder.startsWith('/');
    const QString path = folder + "/" + c.file;
    const QStringList before = ours ? Snapshot(folder) : QStringList();
    const bool existed = QFileInfo::exists(path);
    const QString reason = QString(c.reason).replace("%1", folder);
    EXPECT_EQ(SaveLesson(path, WorkedExample(3)), "Impossibile salvare la lezione: " + reason);
    EXPECT_EQ(ours ? Snapshot(folder) : QStringList(), before);
    EXPECT_EQ(QFileInfo::exists(path), existed);
}

class SaveLessonFailure : public testing::TestWithParam<FailureCase> {};

// Tests run as root, who may write in any folder that exists: "appunti.txt" is a file, and
// /proc is where not even root may create one. The volumes come from run_on_small_mounts.sh: a
// full one and a read-only one, each holding an earlier lesson.
TEST_P(SaveLessonFailure, SaysWhyInItalianAndLeavesThePlaceAsItWas) {
    const FailureCase& c = GetParam();
    QTemporaryDir dir;
    QString folder = c.folder.isEmpty() ? dir.path() : c.folder;
    if (c.folder.startsWith("SIMPLESSO_")) {
        folder = qEnvironmentVariable(c.folder.toLatin1().constData());
        if (folder.isEmpty()) {
            GTEST_SKIP() << "runs under run_on_small_mounts.sh";
        }
    }
    QFile earlier(dir.filePath("appunti.txt"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("lezione precedente") > 0);
    earlier.close();
    ASSERT_EQ(mkfifo(dir.filePath("tubo.pdf").toLocal8Bit().constData(), 0644), 0);
    ExpectRefusedAndUntouched(c, folder);
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, SaveLessonFailure,
    testing::Values(
        FailureCase{"NeitherPdfNorLatex",
                    {},
                    "lezione.txt",
                    "il nome del file deve finire con .pdf o .tex."},
        FailureCase{"FolderThatDoesNotExist",
                    {},
                    "appunti.txt/lezione.pdf",
                    "la cartella «%1/appunti.txt» non esiste."},
        FailureCase{"NoPermission", "/proc", "lezione.pdf",
                    "non si ha il permesso di scrivere nella cartella «%1»."},
        FailureCase{"NotAPlainFile", {}, "tubo.pdf", "«%1/tubo.pdf» non è un file ordinario."},
        FailureCase{"VolumeFull", "SIMPLESSO_FULL_DIR", "lezione.pdf", "il disco è pieno."},
        FailureCase{"VolumeReadOnly", "SIMPLESSO_READONLY_DIR", "lezione.pdf",
                    "la cartella «%1» è in sola lettura."}),
    CaseName());

}  // namespace
}  // namespace simplesso
