#include "CourseTranslation.h"

#include "ToolError.h"
#include "course/author/AuthorTexts.h"

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

CourseTranslation::CourseTranslation(AuthorCourse course, QString courseFile)
    : m_course(std::move(course)), m_file(std::move(courseFile)), m_tags(m_course.tags())
{
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

QList<std::pair<QString, Texts>> CourseTranslation::texts() const
{
    QList<std::pair<QString, Texts>> result;
    for (const AuthorText &text : authorTexts(m_course))
        result.append({text.context, text.texts});
    QHash<QString, qsizetype> captions;
    for (const QString &tag : m_tags) {
        for (const auto &[context, caption] : captionTexts(m_course, tag)) {
            if (!captions.contains(context)) {
                captions.insert(context, result.size());
                result.append({context, {}});
            }
            if (!caption.isEmpty())
                result[captions.value(context)].second.insert(tag, caption);
        }
    }
    return result;
}

PoCatalogue CourseTranslation::exportTexts(const QString &tag, QStringList &notes) const
{
    const QString language = courseTag(tag);
    const QString first = m_tags.first();
    PoCatalogue catalogue{m_course.id, QString(language).replace(u'-', u'_'), {}};
    QSet<QString> contexts;
    for (const auto &[context, texts] : this->texts()) {
        const QString source = texts.value(first);
        if (source.isEmpty()) {
            notes << QStringLiteral("%1: no %2 text to translate: left out").arg(context, first);
            continue;
        }
        if (contexts.contains(context)) {
            notes << QStringLiteral("%1: a second text of that context (two ids alike): left out").arg(context);
            continue;
        }
        contexts.insert(context);
        catalogue.entries.append({context, source, texts.value(language)});
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
    QHash<QString, Texts> texts;
    for (const auto &[context, map] : this->texts())
        texts.insert(context, map);

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
        if (found->value(first) != entry.source) {
            result.problems << QStringLiteral("%1: %2: the course's %3 text has changed since this file was made: skipped")
                                   .arg(poFile, entry.context, first);
            continue;
        }
        if (found->value(result.tag) == entry.translation)
            continue;
        if (!setAuthorText(m_course, entry.context, result.tag, entry.translation))
            setCaptionText(m_course, entry.context, result.tag, entry.translation);
        ++result.changed;
    }
    return result;
}

} // namespace kelvora
