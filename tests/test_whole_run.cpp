// The whole procedure as a user walks it, in-process in the run window, on the
// content pack the build writes into the runnable folder: once in real time with
// the real sound player, and in the other languages with every tick delivered
// through the Timer controls and the recording sound player.
#include "LessonWalker.h"
#include "TestRun.h"
#include "app/Form000.h"
#include "screens/Run.h"
#include "app/TrainerApplication.h"
#include "content/LanguageFile.h"
#include "course/BuiltInTargetLabels.h"
#include "course/CourseLoader.h"
#include "platform/ErrorReport.h"
#include "platform/ProgramEnd.h"
#include "platform/ProgramFolder.h"
#include "content/ContentPath.h"
#include "platform/SdlSoundPlayer.h"
#include "screens/LessonScreen.h"
#include "screens/RunWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>

using namespace kelvora;
using namespace kelvora::test;

namespace {
constexpr qint64 RunLimitMs = 5 * 60 * 1000;

// The photographs in the order the lessons show them, from the start screen on.
QList<int> photographsInOrder()
{
    QList<int> numbers{0, 1, 2, 3};
    auto range = [&numbers](int from, int to) {
        for (int n = from; n <= to; ++n)
            numbers << n;
    };
    range(4, 12);  // screen 3
    range(13, 14); // 4
    range(15, 21); // 5, with its timed sequence
    range(24, 33); // 6, with its timed sequence
    range(34, 42); // 7
    range(43, 47); // 8
    numbers << 48; // 9
    range(49, 55); // 10, by the press count
    range(56, 65); // 11
    numbers << 66 << 67 << 66; // 12 ends on the photograph it started with
    numbers << 68 << 69;       // 13
    numbers << 70 << 71 << 72; // 14 to 16
    numbers << 73 << 68;       // 17 goes back to an earlier view
    range(75, 78);             // 18
    return numbers;
}

// Forwards to the real player and keeps the order of requests and of the end.
class LoggingPlayer final : public SoundPlayer {
public:
    explicit LoggingPlayer(SoundPlayer &real) : m_real(real) {}
    bool play(std::string_view name, int module, unsigned flags) override
    {
        const bool played = m_real.play(name, module, flags);
        log << QStringLiteral("%1 %2 %3").arg(QString::fromUtf8(name.data(), qsizetype(name.size()))).arg(module).arg(flags);
        return played;
    }
    QStringList log;

private:
    SoundPlayer &m_real;
};

int photographNumber(const QString &name)
{
    static const QRegularExpression number(QStringLiteral("^images\\\\(\\d+)\\.jpg$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = number.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// What the user sees, sampled whenever the event loop runs.
class Watcher {
public:
    explicit Watcher(const RunWindow &window) : m_window(window) {}
    void sample()
    {
        Screen *screen = m_window.page();
        if (!screen || screen->isLeaving()) // mid-change: the next page has read its line, but is not shown yet
            return;
        const QString picture = screen->objectName() + QLatin1Char('/') + screen->pictureName();
        if (picture != m_lastPicture && !screen->pictureName().isEmpty()) {
            m_lastPicture = picture;
            photographs << photographNumber(screen->pictureName());
        }
        if (auto *explain = screen->findChild<QLabel *>(QStringLiteral("Explain"));
            explain && (lines.isEmpty() || lines.last().first != screen->run().explanationCursor)) {
            if (screen->run().explanationCursor > 0)
                lines << qMakePair(screen->run().explanationCursor, explain->text());
        }
    }
    QList<int> photographs;
    QList<QPair<int, QString>> lines;

private:
    const RunWindow &m_window;
    QString m_lastPicture;
};

} // namespace

class WholeRunTest : public QObject {
    Q_OBJECT
private slots:
    void aUserWalksTheWholeProcedure_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("realTime");
        QTest::newRow("in English, in real time") << 2 << true;
        QTest::newRow("in Turkish") << 1 << false;
        QTest::newRow("in French") << 3 << false;
    }
    void aUserWalksTheWholeProcedure()
    {
        QFETCH(int, language);
        QFETCH(bool, realTime);
        const QString dist = QStringLiteral(KELVORA_DIST_DIR);
        QVERIFY2(QFile::exists(dist + QStringLiteral("/Lang%1.txt").arg(language)), "the content pack was not built");
        const QString previousCurrent = QDir::currentPath();
        QDir::setCurrent(dist);
        Run run(loadBuiltInCourse(), {.contentRoot = dist, .languageFolder = dist});
        const QString languageFile = run.languageFilePath(QString::number(language));

        std::optional<SdlSoundPlayer> sdl;
        RecordingSoundPlayer recording;
        if (realTime) {
            sdl.emplace([&run](const QString &name) { return run.resolve(name); });
            if (sdl->usingDummyDriver())
                qInfo("no audio device: SDL's silent dummy driver paces the sounds");
        }
        LoggingPlayer sound(sdl ? static_cast<SoundPlayer &>(*sdl) : recording);
        run.setVoice(&sound);
        std::optional<int> endStatus;
        QStringList soundsAtEnd;
        run.onEnd = [&](int status) {
            if (!endStatus) {
                endStatus = status;
                soundsAtEnd = sound.log;
            }
        };
        QList<RuntimeError> errors;
        run.onError = [&](const RuntimeError &error) { errors << error; };
        const auto restore = qScopeGuard([&] {
            for (Screen *page : run.pages()) {
                if (page->isWindow())
                    delete page;
            }
            TestRun::settle();
            QDir::setCurrent(previousCurrent);
        });

        RunWindow window;
        Watcher watcher(window);
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout, [&] { watcher.sample(); });
        sampler.start(10);

        QElapsedTimer clock;
        clock.start();
        auto *start = new Form000(run);
        window.start(*start);
        watcher.sample();
        QTest::mouseClick(start->findChild<QPushButton *>(QStringLiteral("Lang%1").arg(language)), Qt::LeftButton);
        QTest::mouseClick(start->findChild<QPushButton *>(QStringLiteral("BtnStart")), Qt::LeftButton);

        const LessonWalker walker(realTime);
        qint64 knobMoveMs = -1;
        while (!endStatus && errors.isEmpty() && clock.elapsed() < RunLimitMs) {
            TestRun::settle();
            watcher.sample();
            auto *screen = qobject_cast<LessonScreen *>(window.page());
            QVERIFY2(screen, "no lesson on display");
            if (LessonWalker::pressContinue(*screen))
                continue;
            Shape *mark = walker.blinkingStepMark(*screen);
            if (!mark) {
                // a timed sequence runs on to the continue mark
                QVERIFY2(walker.runSequence(*screen), "nothing blinks and no timed sequence runs");
                watcher.sample();
                continue;
            }
            watcher.sample();
            const bool knobBack = mark->objectName() == QLatin1String("Shape3") && screen->number() == 6;
            QElapsedTimer pressTime;
            pressTime.start();
            press(screen, centreOnWindow(*mark));
            if (knobBack)
                knobMoveMs = pressTime.elapsed();
            watcher.sample();
        }
        const qint64 runMs = clock.elapsed();
        sampler.stop();
        qInfo("whole run: %.1f s; knob move on the throttle quadrant: %lld ms", runMs / 1000.0, knobMoveMs);

        QVERIFY2(errors.isEmpty(), errors.isEmpty() ? "" : qPrintable(errors.first().message()));
        QCOMPARE(endStatus, std::optional<int>(0));
        QCOMPARE(soundsAtEnd.last(), QStringLiteral("Sounds\\Dugme1.wav 1 0"));

        QCOMPARE(watcher.lines.size(), 50);
        for (int k = 1; k <= 50; ++k) {
            QCOMPARE(watcher.lines[k - 1].first, k);
            QCOMPARE(watcher.lines[k - 1].second, readLanguageLine(languageFile, k));
        }
        QCOMPARE(watcher.photographs, photographsInOrder());
    }
};

KELVORA_TEST_MAIN(WholeRunTest)
#include "test_whole_run.moc"
