#include "lesson_file.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QtGlobal>
#include <cerrno>
#include <initializer_list>

#include "latex.h"
#include "lesson_pdf.h"

namespace simplesso {
namespace {

QString Failure(const QString& reason) {
    return QStringLiteral("Impossibile salvare la lezione: ") + reason;
}

QString Quoted(const QString& path) {
    return QStringLiteral("«") + QDir::toNativeSeparators(path) + QStringLiteral("»");
}

std::optional<QByteArray> Contents(const QString& suffix, const LessonDocument& document) {
    if (suffix == QLatin1String("tex")) {
        return QByteArray::fromStdString(LessonLatex(document));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!WriteLessonPdf(document, buffer)) {
        return std::nullopt;
    }
    return bytes;
}

// What can be told from the path alone, before anything is written.
std::optional<QString> PlaceProblem(const QString& path) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        return QStringLiteral("la cartella %1 non esiste.").arg(Quoted(folder));
    }
    if (target.isDir()) {
        return QStringLiteral("%1 è una cartella.").arg(Quoted(path));
    }
    // A device or a pipe would be replaced by a file, not written to.
    if (target.exists() && !target.isFile()) {
        return QStringLiteral("%1 non è un file ordinario.").arg(Quoted(path));
    }
    return std::nullopt;
}

// Qt reports the system's error as the text it makes of the error number, in English; the same
// conversion of the numbers we expect tells which one it was.
bool IsError(const QFileDevice& file, std::initializer_list<int> codes) {
    for (int code : codes) {
        if (file.errorString() == qt_error_string(code)) {
            return true;
        }
    }
    return false;
}

QString OpenProblem(const QFileDevice& file, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (IsError(file, {ENOSPC, EDQUOT})) {
        return QStringLiteral("il disco è pieno.");
    }
    // Over an existing file QSaveFile says only that it cannot write it; the volume tells why.
    if (IsError(file, {EROFS}) || QStorageInfo(folder).isReadOnly()) {
        return QStringLiteral("la cartella %1 è in sola lettura.").arg(Quoted(folder));
    }
    if (IsError(file, {ENAMETOOLONG})) {
        return QStringLiteral("il nome del file è troppo lungo.");
    }
    return QStringLiteral("non si ha il permesso di scrivere nella cartella %1.")
        .arg(Quoted(folder));
}

QString WriteProblem(const QFileDevice& file) {
    if (IsError(file, {ENOSPC, EDQUOT})) {
        return QStringLiteral("il disco è pieno.");
    }
    if (IsError(file, {EFBIG})) {
        return QStringLiteral("il file è troppo grande per il disco.");
    }
    return QStringLiteral("la scrittura sul disco non è riuscita.");
}

// Unbuffered, a short write shows at once and the next one reports the system's reason.
bool WriteAll(QSaveFile& file, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

std::optional<QString> SaveLesson(const QString& path, const LessonDocument& document) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("tex")) {
        return Failure(QStringLiteral("il nome del file deve finire con .pdf o .tex."));
    }
    if (const auto problem = PlaceProblem(path)) {
        return Failure(*problem);
    }
    const auto bytes = Contents(suffix, document);
    if (!bytes) {
        return Failure(QStringLiteral("non è stato possibile comporre il PDF."));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Failure(OpenProblem(file, path));
    }
    if (!WriteAll(file, *bytes)) {
        const QString reason = WriteProblem(file);
        file.cancelWriting();
        return Failure(reason);
    }
    if (!file.commit()) {
        return Failure(WriteProblem(file));
    }
    return std::nullopt;
}

}  // namespace simplesso
