#pragma once

#include "AuthorCourse.h"

namespace kelvora::author {

// The fields of each object of the author's file, in the order the canonical form writes them. The reader,
// the writer and the translation round trip walk these lists, so a field is named once. A walker provides:
//   field(name, QString &), field(name, Texts &), field(name, std::optional<int> &),
//   field(name, std::optional<Target> &), field(name, QStringList &), field(name, std::vector<Target> &),
//   object(name, S &) for an object always there (written when not empty),
//   object(name, std::optional<S> &), list(name, std::vector<S> &, what each item is called in messages).

template <class W> void fields(LanguageCaptions &c, W &w)
{
    w.field("start", c.start);
    w.field("continue", c.continueLabel);
    w.field("next", c.next);
    w.field("exit", c.exit);
    w.field("currentLanguage", c.currentLanguage);
    w.field("credit", c.credit);
}

template <class W> void fields(AuthorLanguage &l, W &w)
{
    w.field("tag", l.tag);
    w.field("name", l.name);
    w.object("captions", l.captions);
}

template <class W> void fields(AuthorInset &i, W &w)
{
    w.field("picture", i.picture);
    w.field("place", i.place);
    w.field("description", i.description);
}

template <class W> void fields(AuthorStep &s, W &w)
{
    w.field("id", s.id);
    w.field("target", s.target);
    w.field("sound", s.sound);
    w.field("photograph", s.photograph);
    w.field("presses", s.presses);
    w.field("photographs", s.photographs);
    w.field("text", s.text);
    w.field("label", s.label);
    w.field("caption", s.caption);
    w.field("narration", s.narration);
}

template <class W> void fields(AuthorGroup &g, W &w)
{
    w.field("id", g.id);
    w.field("targets", g.targets);
}

template <class W> void fields(AuthorSequence &s, W &w)
{
    w.field("periodMs", s.periodMs);
    w.field("photographs", s.photographs);
    w.field("sound", s.sound);
    w.field("watch", s.watch);
    w.field("text", s.text);
    w.field("caption", s.caption);
    w.field("narration", s.narration);
}

template <class W> void fields(ThrottleCaptions &c, W &w)
{
    w.field("half", c.half);
    w.field("idle", c.idle);
}

template <class W> void fields(AuthorThrottle &t, W &w)
{
    w.field("picture", t.picture);
    w.field("place", t.place);
    w.field("lift", t.lift);
    w.field("sound", t.sound);
    w.object("captions", t.captions);
}

template <class W> void fields(AuthorScreen &s, W &w)
{
    w.field("id", s.id);
    w.field("title", s.title);
    w.field("photograph", s.photograph);
    w.object("inset", s.inset);
    w.field("loop", s.loop);
    w.field("text", s.text);
    w.field("description", s.description);
    w.field("loopCaption", s.loopCaption);
    w.field("narration", s.narration);
    w.list("steps", s.steps, "step");
    w.list("pointAt", s.pointAt, "pointAt");
    w.object("sequence", s.sequence);
    w.object("throttle", s.throttle);
}

// "format" is the readers' table's, not a field of the model.
template <class W> void fields(AuthorCourse &c, W &w)
{
    w.field("id", c.id);
    w.field("title", c.title);
    w.list("languages", c.languages, "language");
    w.list("screens", c.screens, "screen");
}

// How an item of a list is named in messages and translation contexts: its id, or a language's tag.
inline QString itemName(const AuthorLanguage &l) { return l.tag; }
template <class S> QString itemName(const S &s) { return s.id; }

} // namespace kelvora::author
