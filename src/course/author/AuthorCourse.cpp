#include "AuthorCourse.h"

namespace kelvora {

QStringList AuthorCourse::tags() const
{
    QStringList result;
    for (const AuthorLanguage &l : languages)
        result << l.tag;
    return result;
}

const AuthorLanguage *AuthorCourse::language(const QString &tag) const
{
    for (const AuthorLanguage &l : languages) {
        if (l.tag == tag)
            return &l;
    }
    return nullptr;
}

QString AuthorCourse::textIn(const Texts &texts, const QString &tag) const
{
    if (texts.contains(tag))
        return texts.value(tag);
    if (!languages.empty() && texts.contains(languages.front().tag))
        return texts.value(languages.front().tag);
    return texts.isEmpty() ? QString() : texts.first();
}

int AuthorCourse::screenIndex(const QString &screenId) const
{
    for (size_t i = 0; i < screens.size(); ++i) {
        if (screens[i].id == screenId)
            return int(i);
    }
    return -1;
}

} // namespace kelvora
