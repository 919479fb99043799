#include "link/PictureFile.h"

#include "link/PictureContent.h"
#include "link/PictureVariableData.h"
#include "link/TiLibraries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// Scratch files never need to reach a disk: where the system keeps a folder in
// memory they go there, which spares a read the disk's latency.
QString scratchFolder()
{
    static const QString folder = [] {
        const QFileInfo memory(QStringLiteral("/dev/shm"));
        return memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    }();
    return folder;
}

// libtifiles2 reads files by name and picks the model from the extension, so
// every file it reads is a scratch copy of ours named with the model's own
// extension. The scratch file is removed when this goes out of scope.
class ScratchFile {
public:
    explicit ScratchFile(CalcKind kind)
        : file_(scratchFolder() + QStringLiteral("/pixoram-XXXXXX.") + pictureFileExtension(kind))
    {
    }

    // Creates the file with the bytes; false when the scratch file cannot be made.
    bool create(const QByteArray& bytes)
    {
        if (!file_.open())
            return false;
        const bool written = file_.write(bytes) == bytes.size();
        file_.close();
        return written;
    }

    QByteArray nativeName() const { return QFile::encodeName(file_.fileName()); }
    QString errorString() const { return file_.errorString(); }

private:
    QTemporaryFile file_;
};

}  // namespace

QString pictureFileExtension(CalcKind kind)
{
    switch (kind) {
    case CalcKind::TI92:
        return QStringLiteral("92i");
    case CalcKind::TI92Plus:
        return QStringLiteral("9xi");
    case CalcKind::Voyage200:
        return QStringLiteral("v2i");
    case CalcKind::TI89:
        return QStringLiteral("89i");
    }
    return {};
}

QString tiFilesErrorText(int code)
{
    // The library's text reads "Msg: invalid file.\nCause: ..."; the first line is enough.
    QString text = tiErrorText(code).section(QLatin1Char('\n'), 0, 0).trimmed();
    text.remove(QStringLiteral("Msg: "));
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

std::optional<PictureFileFacts> readPictureFileFacts(CalcKind kind, const QByteArray& fileBytes, int& code,
                                                     QString& reason)
{
    ensureTiLibrariesReady();
    ScratchFile scratch(kind);
    if (!scratch.create(fileBytes)) {
        code = TiFilesError::FileIo;
        reason = QStringLiteral("a temporary copy could not be made (%1).").arg(scratch.errorString());
        return std::nullopt;
    }
    FileContent* raw = tifiles_content_create_regular(tiCalcModel(kind));
    if (!raw) {
        code = TiFilesError::FileIo;
        reason = QStringLiteral("out of memory.");
        return std::nullopt;
    }
    // On an error the library has already freed the content it was given.
    const int result = tifiles_file_read_regular(scratch.nativeName().constData(), raw);
    if (result != 0) {
        code = result;
        reason = QStringLiteral("it is not a calculator variable file, or it is damaged (%1).")
                     .arg(tiFilesErrorText(result));
        return std::nullopt;
    }
    const FileContentPtr content(raw);

    code = TiFilesError::InvalidFile;
    if (content->num_entries == 0) {
        reason = QStringLiteral("the file holds no variable.");
        return std::nullopt;
    }
    if (content->num_entries > 1) {
        reason = QStringLiteral("the file holds %1 variables; a picture file holds exactly one.")
                     .arg(content->num_entries);
        return std::nullopt;
    }
    const VarEntry* entry = content->entries[0];
    if (entry->type != kPictureTypeCode) {
        reason = QStringLiteral("the file holds a variable of another type (%1), not a picture.")
                     .arg(QString::fromLatin1(tifiles_vartype2string(tiCalcModel(kind), entry->type)));
        return std::nullopt;
    }
    code = 0;
    PictureFileFacts facts;
    facts.comment = QByteArray(content->comment, static_cast<int>(qstrnlen(content->comment, 40)));
    facts.checksumMatches = content->checksum == content->stored_checksum;
    PictureFileEntry& picture = facts.entry;
    picture.folder = QByteArray(entry->folder, static_cast<int>(qstrnlen(entry->folder, 8)));
    picture.name = QByteArray(entry->name, static_cast<int>(qstrnlen(entry->name, 8)));
    picture.data = QByteArray(reinterpret_cast<const char*>(entry->data), static_cast<int>(entry->size));
    return facts;
}

std::optional<PictureFileEntry> parsePictureFile(CalcKind kind, const QByteArray& fileBytes, int& code,
                                                 QString& reason)
{
    std::optional<PictureFileFacts> facts = readPictureFileFacts(kind, fileBytes, code, reason);
    if (!facts)
        return std::nullopt;
    if (!facts->checksumMatches) {
        code = TiFilesError::InvalidFile;
        reason = QStringLiteral("the file is damaged: its checksum does not match its contents.");
        return std::nullopt;
    }
    return facts->entry;
}

bool writePictureFile(CalcKind kind, const PictureFileEntry& entry, const QString& path, int& code, QString& reason)
{
    ensureTiLibrariesReady();
    const FileContentPtr content = makePictureContent(tiCalcModel(kind), entry.folder, entry.name, entry.data);
    if (!content) {
        code = TiFilesError::FileIo;
        reason = QStringLiteral("out of memory.");
        return false;
    }
    const int result = tifiles_file_write_regular(QFile::encodeName(path).constData(), content.get(), nullptr);
    if (result != 0) {
        code = result;
        reason = QStringLiteral("the calculator file could not be made (%1).").arg(tiFilesErrorText(result));
        return false;
    }
    // The library reports success even when its writes failed (a full disk
    // leaves an empty file), so the size is checked: an 86-byte header, the
    // variable's data and a 2-byte checksum.
    const qint64 expected = 86 + entry.data.size() + 2;
    const qint64 size = QFileInfo(path).size();
    if (size != expected) {
        code = TiFilesError::FileIo;
        reason = QStringLiteral("the file cannot be written (only %1 of %2 bytes reached it; the disk may be full).")
                     .arg(size)
                     .arg(expected);
        return false;
    }
    code = 0;
    return true;
}
