// Feeds arbitrary bytes to the language file reader as a whole file and reads
// it line by line until it runs out: every outcome must be a line or the
// reader's own error, never a crash, a hang or a sanitizer report.
#include "content/LanguageFile.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {
constexpr int MaxLines = 64;

const QString &languageFile()
{
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("Lang1.txt"));
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(languageFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    for (int line = 1; line <= MaxLines; ++line) {
        try {
            const QString text = kelvora::readLanguageLine(languageFile(), line);
            if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
                __builtin_trap(); // a line never holds its own terminator
        } catch (const kelvora::RuntimeError &) {
            break;
        }
    }
    return 0;
}
