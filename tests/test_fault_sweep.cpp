// Every file of the content pack broken in turn: missing, cut to its first half,
// emptied. A picture or a language file ends the run with a run-time error that
// names it at its first use; a sound is silent. Each case is driven through the
// real screens, with ticks delivered at once, only as far as the file is first
// used (for a language file, as far as its lines go).
#include "LessonWalker.h"
#include "TestRun.h"
#include "app/Form000.h"
#include "screens/Run.h"
#include "app/TrainerApplication.h"
#include "AssetCatalogue.h"
#include "platform/ProgramFolder.h"
#include "content/ContentPath.h"
#include "platform/SdlSoundPlayer.h"
#include "screens/LessonChain.h"
#include "screens/LessonScreen.h"
#include "screens/RunGuard.h"
#include "screens/RunWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

using namespace kelvora;
using namespace kelvora::test;

namespace {
enum class Damage { Missing, FirstHalf, Empty };

void damage(const QString &path, Damage how)
{
    QFile file(path);
    switch (how) {
    case Damage::Missing: QVERIFY(file.remove()); break;
    case Damage::Empty: QVERIFY(file.resize(0)); break;
    case Damage::FirstHalf: QVERIFY(file.resize(file.size() / 2)); break;
    }
}

// The screen that uses a picture first: 0 is the start screen.
int firstScreenShowing(const QString &packPath)
{
    for (const ScreenAssets &assets : assetCatalogue()) {
        for (const QStringList *names : {&assets.insets, &assets.photographs, &assets.otherPictures}) {
            for (const QString &name : *names) {
                if (packPathOf(name) == packPath)
                    return assets.screen;
            }
        }
    }
    return -1;
}

// Walks the run until an error: the page on display only, or, with leadOn, on
// through the continue marks.
void walk(const RunWindow &window, const TestRun &run, bool leadOn)
{
    const LessonWalker walker(false);
    for (int action = 0; action < 500 && run.errors.isEmpty() && !run.endStatus; ++action) {
        auto *lesson = qobject_cast<LessonScreen *>(window.page());
        if (!lesson || !walker.act(*lesson, leadOn))
            return;
    }
}
} // namespace

class FaultSweepTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QDir dist(QStringLiteral(KELVORA_DIST_DIR));
        QVERIFY2(dist.exists(QStringLiteral("Lang1.txt")), "the content pack was not built");
        QVERIFY(m_pack.isValid());
        m_run.emplace(2);
        m_run->placeContent(m_pack.path(), m_pack.path());
        QDir::setCurrent(m_pack.path());
        for (const PackFile &file : packFiles()) {
            QDir(m_pack.path()).mkpath(QFileInfo(file.path).path());
            QVERIFY(QFile::copy(dist.filePath(file.path), m_pack.filePath(file.path)));
        }
    }

    void aBrokenFileIsNamedAtItsFirstUse_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        QTest::addColumn<Damage>("damage");
        const std::pair<Damage, const char *> damages[] = {
            {Damage::Missing, "missing"}, {Damage::FirstHalf, "cut to its first half"}, {Damage::Empty, "empty"}};
        for (const PackFile &file : packFiles()) {
            for (const auto &[how, text] : damages)
                QTest::addRow("%s %s", qPrintable(file.path), text) << file.path << int(file.kind) << how;
        }
    }
    void aBrokenFileIsNamedAtItsFirstUse()
    {
        QFETCH(QString, path);
        QFETCH(int, kind);
        QFETCH(Damage, damage);
        TestRun &run = *m_run;
        run.errors.clear();
        run.endStatus.reset();
        run.language = 2;
        const QString full = m_pack.filePath(path);
        ::damage(full, damage);
        const auto restore = qScopeGuard([&] {
            QFile::remove(full);
            QFile::copy(QDir(QStringLiteral(KELVORA_DIST_DIR)).filePath(path), full);
        });

        if (PackFileKind(kind) == PackFileKind::Sound) {
            SdlSoundPlayer player([this](const QString &name) { return resolveContentPath(name, m_pack.path()); });
            const std::string name = QString(path).replace(u'/', u'\\').toStdString();
            const bool played = player.play(name, 1, SoundAsync);
            player.play("", 1, SoundAsync);
            // A cut sound may play what it has; a missing or empty one plays nothing. None is an error.
            if (damage != Damage::FirstHalf)
                QVERIFY(!played);
            return;
        }

        RunWindow window;
        if (PackFileKind(kind) == PackFileKind::LanguageFile) {
            // Lang1.txt is Turkish, Lang2.txt English, Lang3.txt French.
            run.language = path.mid(4, 1).toInt();
            runHandler(run, [&] { window.start(*createLessonScreen(run, 1)); });
            walk(window, run, true);
        } else {
            const int screen = firstScreenShowing(path);
            QVERIFY2(screen >= 0, "no screen shows it");
            run.explanationCursor = 0;
            runHandler(run, [&] { window.start(screen == 0 ? *new Form000(run) : *createLessonScreen(run, screen)); });
            walk(window, run, false);
        }
        QVERIFY2(!run.errors.isEmpty(), "no run-time error");
        const RuntimeError &error = run.errors.first();
        QVERIFY2(error.message().contains(QFileInfo(path).fileName(), Qt::CaseInsensitive), qPrintable(error.message()));
        if (damage == Damage::Missing)
            QCOMPARE(error.kind(), RuntimeError::Kind::FileNotFound);
    }

    void cleanupTestCase() { m_run.reset(); }

private:
    QTemporaryDir m_pack;
    std::optional<TestRun> m_run; // one for every case: its own content is not used
};

KELVORA_TEST_MAIN(FaultSweepTest)
#include "test_fault_sweep.moc"
