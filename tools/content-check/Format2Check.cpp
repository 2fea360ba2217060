#include "Format2Check.h"

#include "course/author/AuthorCompiler.h"

#include "LessonFlow.h"
#include "SoundDecode.h"
#include "content/ContentPath.h"
#include "content/ContentPicture.h"
#include "content/TextContrast.h"
#include "course/MarkLook.h"
#include "platform/RuntimeError.h"
#include "content/ExplanationFit.h"
#include "content/Letterbox.h"
#include "course/ControlNames.h"
#include "course/PageControls.h"
#include "course/author/AuthorTexts.h"
#include "course/author/AuthorValidation.h"
#include "screens/Look.h"

#include <QDir>
#include <QDirIterator>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>

namespace kelvora {

namespace {
// "missing" for a screen's or step's text, "title: missing", "throttle/half: missing" for the others.
QString textMessage(const AuthorText &text, const QString &what)
{
    const QString part = text.step.isEmpty() ? text.context.section(u'/', 1) : QString();
    const QString own = text.screen.isEmpty() ? text.context : part;
    return own.isEmpty() ? what : QStringLiteral("%1: %2").arg(own, what);
}

// Every file the course names, once whatever its case.
QSet<QString> namedFiles(const AuthorCourse &course)
{
    QSet<QString> names;
    auto add = [&names](const QString &name) {
        if (!name.isEmpty())
            names.insert(contentRelativePath(name).toLower());
    };
    for (const AuthorScreen &screen : course.screens) {
        add(screen.photograph);
        add(screen.loop);
        if (screen.inset)
            add(screen.inset->picture);
        for (const AuthorStep &step : screen.steps) {
            add(step.sound);
            add(step.photograph);
            for (const QString &name : step.photographs)
                add(name);
        }
        if (screen.sequence) {
            add(screen.sequence->sound);
            for (const QString &name : screen.sequence->photographs)
                add(name);
        }
        if (screen.throttle) {
            add(screen.throttle->picture);
            add(screen.throttle->sound);
        }
        // Recordings of the texts, one file per language.
        for (const Texts *narration : {&screen.narration, screen.sequence ? &screen.sequence->narration : nullptr}) {
            for (const QString &name : narration ? *narration : Texts())
                add(name);
        }
        for (const AuthorStep &step : screen.steps) {
            for (const QString &name : step.narration)
                add(name);
        }
    }
    return names;
}

bool isPictureOrSound(const QString &name)
{
    static const QStringList Suffixes = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
                                         QStringLiteral("bmp"), QStringLiteral("gif"),  QStringLiteral("webp"),
                                         QStringLiteral("wav"), QStringLiteral("ogg"),  QStringLiteral("oga"),
                                         QStringLiteral("flac"), QStringLiteral("mp3"), QStringLiteral("opus")};
    return Suffixes.contains(name.section(u'.', -1).toLower());
}
} // namespace

Format2Check::Format2Check(const AuthorCourse &course, const Course *compiled) : m_course(course), m_compiled(compiled) {}

int Format2Check::filesChecked() const
{
    return int(namedFiles(m_course).size());
}

QList<CourseFinding> Format2Check::run()
{
    m_findings.clear();
    const AuthorValidationOptions thorough{
        .rules = true, .files = true, .decodeFiles = true, .soundProblem = [](const QString &path) { return SoundChecks::shared().check(path); },
        .filesElsewhere = m_elsewhere};
    for (const AuthorProblem &problem : validateAuthorCourse(m_course, thorough))
        report(problem.screen, problem.step, problem.language, problem.message);
    checkTexts();
    checkCaptions();
    noteUnusedFiles();
    if (m_keyboard)
        noteUnlabelledTargets();
    if (m_compiled) {
        for (size_t i = 0; i < m_course.screens.size(); ++i) {
            checkTargets(m_course.screens[i], m_compiled->screens[i].layout);
            checkContrast(m_course.screens[i], m_compiled->screens[i].layout);
        }
        checkFlow();
    }
    return m_findings;
}

void Format2Check::checkTexts()
{
    const QFont font = explanationFont();
    if (QFontInfo(font).family() != font.family()) {
        report({}, {}, {}, QStringLiteral("text widths not checked: the font %1 is not installed").arg(font.family()));
        return;
    }
    if (!m_compiled)
        return;
    QHash<QString, QSize> labels; // by screen id
    for (size_t i = 0; i < m_course.screens.size(); ++i)
        labels.insert(m_course.screens[i].id, PageControls(m_compiled->screens[i].layout).explanation.size());
    for (const AuthorText &text : authorTexts(m_course)) {
        if (!text.explanation || !labels.contains(text.screen))
            continue;
        const QSize label = labels.value(text.screen);
        for (const QString &tag : m_course.tags()) {
            const QString shown = text.texts.value(tag);
            if (shown.trimmed().isEmpty())
                continue; // said by the validation
            if (shown.size() > LongestTextLaidOut || !fitsLabel(shown, font, label.width(), label.height())) {
                const WrappedText wrapped = wrapText(shown.left(LongestTextLaidOut), font, label.width());
                report(text.screen, text.step, tag,
                       textMessage(text, QStringLiteral("does not fit the explanation label (%1 x %2 px): %3 row(s), widest %4 px")
                                             .arg(label.width()).arg(label.height()).arg(wrapped.rows).arg(wrapped.widestRow)));
            }
        }
    }
}

// The continue caption stands on one row of the continue label; the start screen and the buttons
// leave their captions room.
void Format2Check::checkCaptions()
{
    const QFontMetrics metrics(captionFont());
    const int width = LessonLayout().continueLabel.width();
    for (const AuthorLanguage &language : m_course.languages) {
        const int wide = metrics.horizontalAdvance(language.captions.continueLabel);
        if (wide > width)
            report({}, {}, language.tag,
                   QStringLiteral("captions: continue: does not fit the Continue label (%1 px wide): %2 px").arg(width).arg(wide));
    }
}

// Every step of a screen can become active, and the screen can lead on; the steps are found by the source
// map, whatever the names the compiler gave them.
void Format2Check::checkFlow()
{
    for (size_t i = 0; i < m_course.screens.size(); ++i) {
        const AuthorScreen &screen = m_course.screens[i];
        const LessonFlow flow(m_compiled->screens[i]);
        const SourceScreen &source = m_compiled->source.screens[i];
        for (const AuthorStep &step : screen.steps) {
            for (auto it = source.names.begin(); it != source.names.end(); ++it) {
                if (it->kind == SourcePlace::Kind::Step && it->id == step.id && names::isNumberedBlinkTimer(it.key()) &&
                    !flow.canEnable(it.key()))
                    report(screen.id, step.id, {}, QStringLiteral("can never become active"));
            }
        }
        if (!flow.throttleCanBeActive())
            report(screen.id, {}, {}, QStringLiteral("throttle: can never become active"));
        if (!flow.leadsOn())
            report(screen.id, {}, {}, QStringLiteral("can never lead on"));
    }
}

// The controls take the presses made on them, so a target to press must lie clear of them; a look-only
// target may be drawn over them.
void Format2Check::checkTargets(const AuthorScreen &screen, const LessonLayout &layout)
{
    const QString path = m_elsewhere.value(screen.photograph, resolveContentPath(screen.photograph, m_course.folder));
    const QSize size = path.isEmpty() ? QSize() : authorPhotographSize(path);
    if (size.isEmpty())
        return; // said with the files
    const auto controls = PageControls(layout).list(screen.inset.has_value());
    const Letterbox fit = Letterbox::fit(size, LessonPictureSize);
    auto check = [&](const std::optional<Target> &target, const QString &step, const QString &what) {
        if (!target || target->box.isEmpty())
            return;
        const QRectF onPage = fit.map(QRectF(target->box));
        QStringList under;
        for (const auto &[name, control] : controls) {
            if (onPage.intersects(control))
                under << name;
        }
        if (!under.isEmpty())
            report(screen.id, step, {}, QStringLiteral("%1 lies under the trainer's %2").arg(what, under.join(QStringLiteral(" and "))));
    };
    for (const AuthorStep &step : screen.steps)
        check(step.target, step.id, QStringLiteral("target"));
    if (screen.throttle)
        check(screen.throttle->lift, {}, QStringLiteral("throttle: lift target"));
}

// Each explanation against the photographs it is shown over, where its words lie: the screen's text over the
// screen's photograph, a step's over what the step leaves, the sequence's over each of its photographs. The
// trainer plates a label that its photograph leaves unreadable as a whole; words on a bright part of a label
// that is readable as a whole stay unplated, and are reported.
void Format2Check::checkContrast(const AuthorScreen &screen, const LessonLayout &layout)
{
    const QRect label = PageControls(layout).explanation;
    const QFontMetrics metrics(explanationFont());
    QHash<QString, QImage> pages;
    auto check = [&](const Texts &texts, const QString &photograph, const QString &step) {
        if (texts.isEmpty() || photograph.isEmpty())
            return;
        if (!pages.contains(photograph)) {
            try {
                pages.insert(photograph, loadContentPicture({photograph, LessonPictureSize}, m_course.folder));
            } catch (const RuntimeError &) {
                pages.insert(photograph, QImage()); // said with the files
            }
        }
        const QImage page = pages.value(photograph);
        if (page.isNull())
            return;
        if (needsPlate(page, label, MarkYellow))
            return; // readable on its plate
        for (const QString &tag : m_course.tags()) {
            const QString text = texts.value(tag);
            if (text.trimmed().isEmpty())
                continue;
            const QRect words = metrics.boundingRect(QRect(label.topLeft(), QSize(label.width(), 1 << 16)),
                                                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
                                    .intersected(label);
            const double ratio = contrastOver(page, words, MarkYellow);
            if (ratio >= ReadableContrast)
                continue;
            report(screen.id, step, tag,
                   QStringLiteral("the explanation reads at %1:1 on %2, below %3:1, and the trainer puts no plate behind it")
                       .arg(ratio, 0, 'f', 1).arg(photograph).arg(ReadableContrast, 0, 'f', 1));
        }
    };
    QString shown = screen.photograph;
    check(screen.text, shown, {});
    for (const AuthorStep &step : screen.steps) {
        if (!step.photograph.isEmpty())
            shown = step.photograph;
        if (!step.photographs.isEmpty())
            shown = step.photographs.back();
        check(step.text, shown, step.id);
    }
    if (screen.sequence) {
        for (const QString &photograph : screen.sequence->photographs)
            check(screen.sequence->text, photograph, {});
    }
}

void Format2Check::noteUnusedFiles()
{
    if (m_course.folder.isEmpty())
        return;
    // A course kept in a crowded folder is not walked for ever: the first few thousand entries say enough.
    constexpr int MostLookedAt = 5000;
    const QSet<QString> named = namedFiles(m_course);
    const QDir folder(m_course.folder);
    QStringList unused;
    QDirIterator it(m_course.folder, QDir::Files, QDirIterator::Subdirectories);
    for (int seen = 0; it.hasNext() && seen < MostLookedAt; ++seen) {
        const QString name = folder.relativeFilePath(it.next());
        if (isPictureOrSound(name) && !named.contains(contentRelativePath(name).toLower()))
            unused << name;
    }
    unused.sort();
    for (const QString &name : std::as_const(unused))
        m_findings.append({{}, {}, {}, QStringLiteral("%1: not used by the course").arg(name), true});
}

void Format2Check::noteUnlabelledTargets()
{
    for (const AuthorScreen &screen : m_course.screens) {
        for (const AuthorStep &step : screen.steps) {
            // A label in some languages but not all is missing where it lacks, as every text is (checkTexts).
            if (step.target && step.label.isEmpty())
                m_findings.append({screen.id, step.id, {},
                                   QStringLiteral("no label: from the keyboard or a screen reader the target is \"%1\"")
                                       .arg(readableId(step.id)),
                                   true});
        }
    }
}

void Format2Check::report(const QString &screen, const QString &step, const QString &language, const QString &message)
{
    m_findings.append({screen, step, language, message});
}

} // namespace kelvora
