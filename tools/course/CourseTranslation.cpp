#include "CourseTranslation.h"

#include "ToolError.h"
#include "course/CourseTexts.h"

#include <QHash>
#include <QSet>

namespace kelvora {

namespace {
// gettext writes "pt_BR" where BCP 47 writes "pt-BR"; both ignore letter case.
QString comparable(QString tag)
{
    return tag.replace(u'_', u'-').toLower();
}
} // namespace

CourseTranslation::CourseTranslation(QJsonObject course, QString courseFile)
    : m_course(std::move(course)), m_file(std::move(courseFile)), m_tags(courseLanguageTags(m_course))
{
    if (m_course.value(QStringLiteral("format")).toInt() != 2)
        throw ToolError(QStringLiteral("%1: not a format 2 course: the texts of a format 1 course are in its language files")
                            .arg(m_file));
    if (m_tags.isEmpty())
        throw ToolError(QStringLiteral("%1: names no languages").arg(m_file));
}

QString CourseTranslation::courseTag(const QString &tag) const
{
    for (const QString &own : m_tags) {
        if (comparable(own) == comparable(tag))
            return own;
    }
    throw ToolError(QStringLiteral("%1: has no language %2 (its languages: %3)")
                        .arg(m_file, tag.isEmpty() ? QStringLiteral("(none named)") : tag, m_tags.join(QStringLiteral(", "))));
}

PoCatalogue CourseTranslation::exportTexts(const QString &tag, QStringList &notes) const
{
    const QString language = courseTag(tag);
    const QString first = m_tags.first();
    PoCatalogue catalogue{m_course.value(QStringLiteral("id")).toString(), QString(language).replace(u'-', u'_'), {}};
    QSet<QString> contexts;
    for (const CourseText &text : courseTexts(m_course)) {
        const QString source = text.texts.value(first).toString();
        if (source.isEmpty()) {
            notes << QStringLiteral("%1: no %2 text to translate: left out").arg(text.context, first);
            continue;
        }
        if (contexts.contains(text.context)) {
            notes << QStringLiteral("%1: a second text of that context (two ids alike): left out").arg(text.context);
            continue;
        }
        contexts.insert(text.context);
        catalogue.entries.append({text.context, source, text.texts.value(language).toString()});
    }
    return catalogue;
}

CourseTranslation::Imported CourseTranslation::importTexts(const PoCatalogue &catalogue, const QString &poFile)
{
    if (catalogue.language.isEmpty())
        throw ToolError(QStringLiteral("%1: its header names no Language").arg(poFile));
    Imported result;
    result.tag = courseTag(catalogue.language);
    const QString first = m_tags.first();
    QHash<QString, QJsonObject> texts;
    for (const CourseText &text : courseTexts(m_course))
        texts.insert(text.context, text.texts);

    for (const PoEntry &entry : catalogue.entries) {
        if (entry.obsolete || entry.fuzzy || entry.translation.isEmpty()) {
            ++result.skipped;
            continue;
        }
        const auto found = texts.constFind(entry.context);
        if (found == texts.constEnd()) {
            result.problems << QStringLiteral("%1: %2: the course has no such text: skipped")
                                   .arg(poFile, entry.context.isNull() ? QStringLiteral("(no context)") : entry.context);
            continue;
        }
        if (found->value(first).toString() != entry.source) {
            result.problems << QStringLiteral("%1: %2: the course's %3 text has changed since this file was made: skipped")
                                   .arg(poFile, entry.context, first);
            continue;
        }
        if (found->value(result.tag).toString() == entry.translation)
            continue;
        setCourseText(m_course, entry.context, result.tag, entry.translation);
        ++result.changed;
    }
    return result;
}

} // namespace kelvora
