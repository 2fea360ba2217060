#include "Format2Reader.h"

#include "CourseNode.h"
#include "Format2Screen.h"
#include "LanguageCaptions.h"
#include "LocalisedText.h"

#include <QFileInfo>
#include <QSet>

namespace kelvora {

namespace {
// The captions' keys in the file, in the order of LanguageCaptions.
const char *const CaptionKeys[] = {"start", "continue", "next", "exit", "currentLanguage", "credit"};

QString *captionField(LanguageCaptions &captions, int i)
{
    QString *fields[] = {&captions.start, &captions.continueLabel, &captions.next,
                         &captions.exit,  &captions.currentLanguage, &captions.credit};
    return fields[i];
}
} // namespace

Format2Reader::Format2Reader(QString file, QJsonObject root) : m_file(std::move(file)), m_root(std::move(root)) {}

Course Format2Reader::read()
{
    const CourseNode root(m_file, m_root, {});
    root.allow({"format", "id", "title", "languages", "screens"});
    m_course.fitsPictures = true;
    m_course.playsExitClick = false;
    m_course.file = m_file;
    m_course.folder = QFileInfo(m_file).absolutePath();
    m_course.id = root.requiredText("id");
    readLanguages();
    if (!root.has("title"))
        root.fail("title", QStringLiteral("is missing"));
    m_course.titles = localisedText(root, "title", m_course.languages);
    m_course.title = m_course.titles.front();
    m_course.lines.resize(m_course.languages.size());

    const QList<CourseNode> screens = root.objects("screens", [](const QJsonObject &o, int i) {
        const QString id = o.value(QStringLiteral("id")).toString();
        return id.isEmpty() ? QStringLiteral("screen %1").arg(i + 1) : QStringLiteral("screen %1").arg(id);
    });
    if (screens.isEmpty())
        root.fail("screens", QStringLiteral("holds no screen"));
    QSet<QString> ids;
    for (const CourseNode &screen : screens) {
        const int number = int(m_course.screens.size()) + 1;
        m_course.screens.push_back(Format2Screen(screen, number, m_course).compile());
        const QString id = screen.json().value(QStringLiteral("id")).toString();
        if (ids.contains(id))
            screen.fail("id", QStringLiteral("is the id of an earlier screen"));
        ids.insert(id);
        LessonDesign &design = m_course.screens.back();
        for (const QString &title : m_course.titles)
            design.captions << QStringLiteral("%1 - %2 / %3").arg(title).arg(number).arg(screens.size());
        design.caption = design.captions.front();
    }
    m_course.screens.back().runEnding = RunEndingDesign{};
    // The start screen shows where the lessons begin.
    m_course.startPicture = m_course.screens.front().firstPhotograph;
    return std::move(m_course);
}

void Format2Reader::readLanguages()
{
    const CourseNode root(m_file, m_root, {});
    const QList<CourseNode> languages = root.objects("languages", [](const QJsonObject &o, int i) {
        const QString tag = o.value(QStringLiteral("tag")).toString();
        return tag.isEmpty() ? QStringLiteral("language %1").arg(i + 1) : QStringLiteral("language %1").arg(tag);
    });
    if (languages.isEmpty())
        root.fail("languages", QStringLiteral("names no language"));
    for (const CourseNode &language : languages) {
        language.allow({"tag", "name", "captions"});
        CourseLanguage l{language.requiredText("name"), {}, language.requiredText("tag")};
        if (!isLanguageTag(l.tag))
            language.fail("tag", QStringLiteral("is not a language tag such as \"en\" or \"pt-BR\""));
        for (const CourseLanguage &earlier : m_course.languages) {
            if (earlier.tag.compare(l.tag, Qt::CaseInsensitive) == 0)
                language.fail("tag", QStringLiteral("is the tag of an earlier language"));
        }
        const LanguageCaptions *defaults = defaultCaptions(l.tag);
        if (defaults)
            l.captions = *defaults;
        const CourseNode captions = language.object("captions");
        captions.allow({"start", "continue", "next", "exit", "currentLanguage", "credit"});
        for (int i = 0; i < int(std::size(CaptionKeys)); ++i) {
            if (captions.has(CaptionKeys[i]))
                *captionField(l.captions, i) = captions.text(CaptionKeys[i]);
            else if (!defaults)
                captions.fail(CaptionKeys[i], QStringLiteral("is missing: the trainer has no caption of its own for %1")
                                                  .arg(l.tag));
        }
        m_course.languages.push_back(l);
    }
}

} // namespace kelvora
