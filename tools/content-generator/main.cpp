// kelvora-content-gen OUTDIR [TEXTSDIR]: writes the default content pack.

#include "PackWriter.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    // Only painting into images: no display is needed or wanted.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: kelvora-content-gen OUTDIR [TEXTSDIR]\n"
                             "  TEXTSDIR holds tr.txt, en.txt and fr.txt (default: %s)\n",
                     KELVORA_TEXTS_DIR);
        return 2;
    }
    const QString textsFolder = arguments.size() == 3 ? arguments.at(2) : QStringLiteral(KELVORA_TEXTS_DIR);

    try {
        QElapsedTimer clock;
        clock.start();
        const int count = kelvora::content::PackWriter(arguments.at(1), textsFolder).writeAll();
        std::printf("kelvora-content-gen: wrote %d files to %s in %.1f s\n", count, qPrintable(arguments.at(1)),
                    clock.elapsed() / 1000.0);
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "kelvora-content-gen: %s\n", error.what());
        return 1;
    }
}
