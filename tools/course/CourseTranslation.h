#pragma once

#include "PoCatalogue.h"
#include "course/author/AuthorCourse.h"

#include <QStringList>

namespace kelvora {

// The translators' round trip of an author's course: its texts and the trainer's captions of a language
// ("captions/continue" ...) out to a PO catalogue of one language, and a translated catalogue back into the
// course, so a new language gets its captions from its translator.
class CourseTranslation {
public:
    // Throws ToolError when the course has no language.
    CourseTranslation(AuthorCourse course, QString courseFile);

    // The course's spelling of a language tag, matched as BCP 47 and gettext
    // both write them ("pt-BR", "pt_br"); throws ToolError naming the tag and
    // the course's languages when it has no such language.
    QString courseTag(const QString &tag) const;

    // Every text with the first language's text as its source and the
    // language's text, or nothing, as its translation. Texts that cannot be
    // exported (no source text, a context twice) are left out with a note.
    PoCatalogue exportTexts(const QString &tag, QStringList &notes) const;

    struct Imported {
        QString tag;
        int changed = 0;
        int skipped = 0;      // fuzzy, obsolete or untranslated
        QStringList problems; // entries that do not match the course, skipped
    };
    // Takes the catalogue's translations that differ from the course's texts.
    Imported importTexts(const PoCatalogue &catalogue, const QString &poFile);

    const AuthorCourse &course() const { return m_course; }

private:
    // Every text of the course by context, with its text per language; captions as the trainer shows them.
    QList<std::pair<QString, Texts>> texts() const;

    AuthorCourse m_course;
    QString m_file;
    QStringList m_tags;
};

} // namespace kelvora
