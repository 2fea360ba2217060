#include "AuthorTexts.h"

#include "AuthorFields.h"

namespace kelvora {

namespace {
// Walks every text map with its context: the path of the object that holds it, then the field's name unless
// it is the object's own "text". A per-language field added to a field list is translated with no more.
template <class Visit> class TextWalk {
public:
    TextWalk(QString path, QString screen, QString step, Visit &visit)
        : m_path(std::move(path)), m_screen(std::move(screen)), m_step(std::move(step)), m_visit(visit)
    {
    }

    void field(const char *name, Texts &texts)
    {
        if (qstrcmp(name, "narration") == 0)
            return; // recordings' file names, one per language, are not words to translate
        const bool own = qstrcmp(name, "text") == 0;
        QString context = m_path;
        if (!own)
            context += (m_path.isEmpty() ? QString() : QStringLiteral("/")) + QLatin1String(name);
        m_visit(AuthorText{context, m_screen, m_step, {}, own}, texts);
    }
    template <class T> void field(const char *, T &) {}

    // Objects always there group their fields without a place of their own (a throttle's captions).
    template <class S> void object(const char *, S &value) { author::fields(value, *this); }
    template <class S> void object(const char *name, std::optional<S> &value)
    {
        if (!value)
            return;
        TextWalk inner(m_path + u'/' + QLatin1String(name), m_screen, m_step, m_visit);
        author::fields(*value, inner);
    }
    template <class S> void list(const char *, std::vector<S> &items, const char *)
    {
        if constexpr (std::is_same_v<S, AuthorLanguage>) {
            return; // the trainer's captions are not text maps
        } else {
            for (S &item : items) {
                const bool screen = std::is_same_v<S, AuthorScreen>;
                const QString id = author::itemName(item);
                TextWalk inner(m_path.isEmpty() ? id : m_path + u'/' + id, screen ? id : m_screen, screen ? QString() : id,
                               m_visit);
                author::fields(item, inner);
            }
        }
    }

private:
    QString m_path;
    QString m_screen;
    QString m_step;
    Visit &m_visit;
};

template <class Visit> void walkTexts(AuthorCourse &course, Visit visit)
{
    TextWalk<Visit> walk({}, {}, {}, visit);
    author::fields(course, walk);
}

const char *const CaptionKeys[] = {"start", "continue", "next", "exit", "currentLanguage", "credit"};

QString *captionField(LanguageCaptions &captions, const QString &key)
{
    QString *fields[] = {&captions.start, &captions.continueLabel, &captions.next,
                         &captions.exit,  &captions.currentLanguage, &captions.credit};
    for (size_t i = 0; i < std::size(CaptionKeys); ++i) {
        if (key == QLatin1String(CaptionKeys[i]))
            return fields[i];
    }
    return nullptr;
}

const QString CaptionsContext = QStringLiteral("captions/");
} // namespace

QList<AuthorText> authorTexts(const AuthorCourse &course)
{
    QList<AuthorText> texts;
    AuthorCourse copy = course;
    walkTexts(copy, [&texts](AuthorText text, Texts &map) {
        if (map.isEmpty())
            return;
        text.texts = map;
        texts << text;
    });
    return texts;
}

QList<AuthorText> authorTextFields(const AuthorCourse &course)
{
    QList<AuthorText> texts;
    AuthorCourse copy = course;
    walkTexts(copy, [&texts](AuthorText text, Texts &map) {
        text.texts = map;
        texts << text;
    });
    return texts;
}

bool editAuthorText(AuthorCourse &course, const QString &context, const QString &tag, const QString &text)
{
    bool found = false;
    walkTexts(course, [&](const AuthorText &at, Texts &map) {
        if (at.context == context && !found) {
            if (text.isEmpty())
                map.remove(tag);
            else
                map.insert(tag, text);
            found = true;
        }
    });
    return found;
}

bool setAuthorText(AuthorCourse &course, const QString &context, const QString &tag, const QString &text)
{
    bool found = false;
    walkTexts(course, [&](const AuthorText &at, Texts &map) {
        if (at.context == context && !map.isEmpty() && !found) {
            map.insert(tag, text);
            found = true;
        }
    });
    return found;
}

QList<std::pair<QString, QString>> captionTexts(const AuthorCourse &course, const QString &tag)
{
    const AuthorLanguage *language = course.language(tag);
    if (!language)
        return {};
    LanguageCaptions captions = language->captions;
    const LanguageCaptions *builtIn = defaultCaptions(tag);
    LanguageCaptions own = builtIn ? *builtIn : LanguageCaptions{};
    QList<std::pair<QString, QString>> result;
    for (const char *key : CaptionKeys) {
        QString text = *captionField(captions, QLatin1String(key));
        if (text.isEmpty())
            text = *captionField(own, QLatin1String(key));
        result.append({CaptionsContext + QLatin1String(key), text});
    }
    return result;
}

bool setCaptionText(AuthorCourse &course, const QString &context, const QString &tag, const QString &text)
{
    if (!context.startsWith(CaptionsContext))
        return false;
    for (AuthorLanguage &language : course.languages) {
        if (language.tag != tag)
            continue;
        QString *field = captionField(language.captions, context.mid(CaptionsContext.size()));
        if (!field)
            return false;
        *field = text;
        return true;
    }
    return false;
}

} // namespace kelvora
