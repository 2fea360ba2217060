#include "SourceMap.h"

namespace kelvora {

const SourceScreen *SourceMap::screen(int number) const
{
    return number >= 1 && number <= int(screens.size()) ? &screens[size_t(number - 1)] : nullptr;
}

const SourcePlace *SourceMap::place(int screen, const QString &generatedName) const
{
    const SourceScreen *s = this->screen(screen);
    if (!s)
        return nullptr;
    const auto found = s->names.find(generatedName);
    return found == s->names.end() ? nullptr : &found.value();
}

QString SourceMap::authorName(int screen, const QString &generatedName) const
{
    const SourcePlace *p = place(screen, generatedName);
    if (!p)
        return generatedName;
    QString name = p->id;
    if (p->kind == SourcePlace::Kind::Throttle)
        name = QStringLiteral("throttle: ") + p->id.section(u'-', 1);
    return p->part.isEmpty() ? name : name + QStringLiteral(": ") + p->part;
}

} // namespace kelvora
