#include "LocalisedText.h"

#include <algorithm>

namespace kelvora {

QStringList localisedText(const CourseNode &node, const char *field, const std::vector<CourseLanguage> &languages)
{
    if (!node.has(field))
        return {};
    const CourseNode map = node.object(field);
    const QJsonObject &texts = map.json();
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        const bool taught = std::any_of(languages.begin(), languages.end(),
                                        [&](const CourseLanguage &language) { return language.tag == it.key(); });
        if (!taught)
            map.fail(QStringLiteral("the course has no language %1").arg(it.key()));
        if (!it.value().isString())
            map.fail(qPrintable(it.key()), QStringLiteral("is not a text"));
    }
    if (texts.isEmpty())
        map.fail(QStringLiteral("holds no text"));
    const QString fallback = texts.value(languages.front().tag).toString(texts.begin().value().toString());
    QStringList result;
    for (const CourseLanguage &language : languages)
        result << texts.value(language.tag).toString(fallback);
    return result;
}

} // namespace kelvora
