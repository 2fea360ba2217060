#include "PoCatalogue.h"

#include "ToolError.h"
#include "content/RegularFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryFile>

#include <gettext-po.h>

#include <cerrno>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace kelvora {

namespace {
// Far above the texts of any course.
constexpr qint64 MaxPoBytes = 64 * 1024 * 1024;

// libgettextpo reports through plain C callbacks and expects a fatal one never
// to return: the callbacks collect the messages, and a fatal one jumps back to
// the call below, which holds nothing that needs destroying.
QStringList *collected = nullptr;
std::jmp_buf fatalJump;

void collect(int severity, const char *filename, size_t lineno, const char *text)
{
    if (severity != PO_SEVERITY_WARNING) {
        QString where;
        if (filename)
            where = lineno == size_t(-1) ? QStringLiteral("%1: ").arg(QString::fromLocal8Bit(filename))
                                         : QStringLiteral("%1:%2: ").arg(QString::fromLocal8Bit(filename)).arg(lineno);
        collected->append(where + QString::fromUtf8(text).trimmed());
    }
}

extern "C" void onProblem(int severity, po_message_t, const char *filename, size_t lineno, size_t, int,
                          const char *text)
{
    collect(severity, filename, lineno, text);
    if (severity == PO_SEVERITY_FATAL_ERROR)
        std::longjmp(fatalJump, 1);
}

extern "C" void onTwoProblems(int severity, po_message_t, const char *filename1, size_t lineno1, size_t, int,
                              const char *text1, po_message_t, const char *filename2, size_t lineno2, size_t, int,
                              const char *text2)
{
    collect(severity, filename1, lineno1, text1);
    collect(severity, filename2, lineno2, text2);
    if (severity == PO_SEVERITY_FATAL_ERROR)
        std::longjmp(fatalJump, 1);
}

const po_xerror_handler Handler{onProblem, onTwoProblems};

po_file_t readGuarded(const char *path)
{
    if (setjmp(fatalJump) != 0)
        return nullptr;
    return po_file_read(path, &Handler);
}

bool writeGuarded(po_file_t file, const char *path)
{
    if (setjmp(fatalJump) != 0)
        return false;
    return po_file_write(file, path, &Handler) != nullptr;
}

using PoFile = std::unique_ptr<std::remove_pointer_t<po_file_t>, decltype(&po_file_free)>;

QString headerField(const char *header, const char *field)
{
    if (!header)
        return {};
    const std::unique_ptr<char, decltype(&std::free)> value(po_header_field(header, field), std::free);
    return value ? QString::fromUtf8(value.get()).trimmed() : QString();
}

QString text(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

QString problemsIn(const QString &file, const QStringList &problems, const QString &fallback)
{
    return problems.isEmpty() ? QStringLiteral("%1: %2").arg(file, fallback) : problems.join(u'\n');
}
} // namespace

PoCatalogue PoCatalogue::read(const QString &file)
{
    // Read here first: a FIFO would hold libgettextpo's open for ever, and what it cannot say is looked for.
    QString readError;
    const std::optional<QByteArray> bytes = readRegularFile(file, MaxPoBytes, &readError);
    if (!bytes)
        throw ToolError(QStringLiteral("%1: %2").arg(file, readError));
    if (const qsizetype at = bytes->indexOf('\0'); at >= 0)
        throw ToolError(QStringLiteral("%1:%2: a NUL byte: a translation would be cut short there")
                            .arg(file).arg(bytes->left(at).count('\n') + 1));
    // An unescaped backslash, then octal or hexadecimal zero.
    static const QRegularExpression escapedNul(
        QStringLiteral("(?<!\\\\)(?:\\\\\\\\)*\\\\(?:0{1,3}(?![0-7])|x0+(?![0-9A-Fa-f]))"));
    if (const QRegularExpressionMatch nul = escapedNul.match(QString::fromUtf8(*bytes)); nul.hasMatch())
        throw ToolError(QStringLiteral("%1:%2: an escaped NUL character: a translation would be cut short there")
                            .arg(file).arg(QString::fromUtf8(*bytes).left(nul.capturedStart()).count(u'\n') + 1));
    QStringList problems;
    collected = &problems;
    errno = 0;
    const PoFile po(readGuarded(QFile::encodeName(file).constData()), po_file_free);
    collected = nullptr;
    if (!po || !problems.isEmpty())
        throw ToolError(problemsIn(file, problems, QString::fromLocal8Bit(std::strerror(errno))));

    const char *header = po_file_domain_header(po.get(), nullptr);
    const QString contentType = headerField(header, "Content-Type");
    const QString charset = contentType.section(QStringLiteral("charset="), 1).section(u';', 0, 0).trimmed();
    if (charset.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0)
        throw ToolError(QStringLiteral("%1: is in %2; only UTF-8 translation files are read")
                            .arg(file, charset.isEmpty() ? QStringLiteral("no stated encoding") : charset));

    PoCatalogue catalogue;
    catalogue.projectId = headerField(header, "Project-Id-Version");
    catalogue.language = headerField(header, "Language");
    const std::unique_ptr<std::remove_pointer_t<po_message_iterator_t>, decltype(&po_message_iterator_free)> messages(
        po_message_iterator(po.get(), nullptr), po_message_iterator_free);
    while (po_message_t message = po_next_message(messages.get())) {
        if (!*po_message_msgid(message))
            continue; // the header
        if (po_message_msgid_plural(message))
            throw ToolError(QStringLiteral("%1: %2: a plural entry (msgid_plural): a course's texts have no plural forms")
                                .arg(file, text(po_message_msgctxt(message))));
        catalogue.entries.append({text(po_message_msgctxt(message)), text(po_message_msgid(message)),
                                  text(po_message_msgstr(message)), bool(po_message_is_fuzzy(message)),
                                  bool(po_message_is_obsolete(message))});
    }
    return catalogue;
}

void PoCatalogue::write(const QString &file) const
{
    const QString now = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm+0000"));
    const QString header = QStringLiteral("Project-Id-Version: %1\n"
                                          "Report-Msgid-Bugs-To: \n"
                                          "POT-Creation-Date: %2\n"
                                          "PO-Revision-Date: %2\n"
                                          "Last-Translator: \n"
                                          "Language-Team: \n"
                                          "Language: %3\n"
                                          "MIME-Version: 1.0\n"
                                          "Content-Type: text/plain; charset=UTF-8\n"
                                          "Content-Transfer-Encoding: 8bit\n"
                                          "X-Generator: kelvora-course\n")
                               .arg(projectId, now, language);

    const PoFile po(po_file_create(), po_file_free);
    const std::unique_ptr<std::remove_pointer_t<po_message_iterator_t>, decltype(&po_message_iterator_free)> messages(
        po_message_iterator(po.get(), nullptr), po_message_iterator_free);
    auto insert = [&](const QString &context, const QString &source, const QString &translation, bool fuzzy) {
        po_message_t message = po_message_create();
        if (!context.isNull())
            po_message_set_msgctxt(message, context.toUtf8().constData());
        po_message_set_msgid(message, source.toUtf8().constData());
        po_message_set_msgstr(message, translation.toUtf8().constData());
        po_message_set_fuzzy(message, fuzzy);
        po_message_insert(messages.get(), message);
    };
    insert(QString(), QString(), header, false);
    for (const PoEntry &entry : entries)
        insert(entry.context, entry.source, entry.translation, entry.fuzzy);

    // Written to a file of its own first, then put in place whole (or on the standard output, every byte).
    QTemporaryFile draft;
    if (!draft.open())
        throw ToolError(QStringLiteral("%1: not written (a temporary file: %2)").arg(file, draft.errorString()));
    QStringList problems;
    collected = &problems;
    const bool written = writeGuarded(po.get(), QFile::encodeName(draft.fileName()).constData());
    collected = nullptr;
    if (!written || !problems.isEmpty())
        throw ToolError(problemsIn(file, problems, QStringLiteral("cannot be written")).replace(draft.fileName(), file));
    QString error;
    const std::optional<QByteArray> bytes = readRegularFile(draft.fileName(), MaxPoBytes, &error);
    if (!bytes)
        throw ToolError(QStringLiteral("%1: not written (%2)").arg(file, error));
    error = file == QLatin1String("-") ? writeStandardOutput(*bytes) : saveWholeFile(file, *bytes);
    if (!error.isEmpty())
        throw ToolError(error);
}

} // namespace kelvora
