#pragma once

#include "RecordingSoundPlayer.h"
#include "platform/RuntimeError.h"
#include "screens/Run.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace kelvora {
class Screen;
}

namespace kelvora::test {

// The temporary folder of a test's run, made before the run.
struct TestFolders {
    QTemporaryDir dir;
};

// One trainer run of the built-in course inside a test: a temporary program
// folder with language files whose lines say their own number ("E7" is line 7
// of the English file), a content folder (the current directory) with a small
// picture under every name of the catalogue, the recording sound player, and
// the run's end and run-time errors recorded instead of ending the test.
class TestRun : private TestFolders, public Run {
public:
    explicit TestRun(int language = 2, int languageLines = 60);
    ~TestRun();

    // Reads a course file, its files checked, and makes it this run's.
    void useCourseFile(const QString &file);

    QString programFolder() const { return dir.filePath(QStringLiteral("program")); }
    QString contentFolder() const { return dir.filePath(QStringLiteral("content")); }
    void writeLanguageFile(int language, const QByteArray &bytes) const;
    void removeContent(const QString &relativePath) const;
    // Writes a course file into a folder of its own with every picture it names at that size (a gradient, so
    // that a letterbox shows) and an empty file for every sound; returns the file's path.
    QString writeCourse(const QByteArray &json, QSize pictureSize) const;

    RecordingSoundPlayer sound;
    std::optional<int> endStatus;
    QList<RuntimeError> errors;

    // The screen on display (the last one opened that is still visible).
    static Screen *currentScreen();
    // Lets posted deletions run, so unloaded screens are gone.
    static void settle();

private:
    QString m_previousCurrent;
};

// Presses at a point in window coordinates of the widget, on whatever control
// lies there, as the user would.
void press(QWidget *widget, QPoint point, Qt::MouseButton button = Qt::LeftButton);

} // namespace kelvora::test

// A test main that runs inside the trainer's application object, so run-time
// errors raised in handlers are caught as in the trainer.
#define KELVORA_TEST_MAIN(TestObject)                                                                       \
    int main(int argc, char **argv)                                                                         \
    {                                                                                                       \
        kelvora::TrainerApplication app(argc, argv);                                                       \
        TestObject test;                                                                                    \
        return QTest::qExec(&test, argc, argv);                                                            \
    }
