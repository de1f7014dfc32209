#pragma once
// Short names that let each branch file read like the table it came from.

#include "core/ScreenTable.h"

namespace q::build {

inline Action hide(int box) { return {Action::Kind::Hide, box, {}}; }
inline Action show(int box) { return {Action::Kind::Show, box, {}}; }
inline Action load(int box, const QString &photo) { return {Action::Kind::Load, box, photo}; }
inline Action key(const QString &k) { return {Action::Kind::StoreKey, 0, k}; }
inline QList<Action> hideAll(QList<int> boxes)
{
    QList<Action> a;
    for (int b : boxes)
        a << hide(b);
    return a;
}

inline BoxDef box(int index, int left, int top, int width = 4335, int height = 3255, bool visible = true)
{
    BoxDef b;
    b.index = index;
    b.left = left;
    b.top = top;
    b.width = width;
    b.height = height;
    b.visibleAtLoad = visible;
    return b;
}

// A box whose pointer-over text does not depend on the options.
inline BoxDef withText(BoxDef b, const QString &textKey)
{
    b.text = textKey;
    return b;
}

// A box whose text is the one of the selected option.
inline BoxDef byOption(BoxDef b, QList<QPair<int, QString>> texts)
{
    b.textByOption = std::move(texts);
    return b;
}

inline BoxDef conditions(BoxDef b, Condition click, Condition hand)
{
    b.click = std::move(click);
    b.hand = std::move(hand);
    return b;
}

inline OptionHint choice(Choice c)
{
    OptionHint h;
    h.kind = OptionHint::Kind::Choice;
    h.choice = c;
    return h;
}

inline OptionHint pair(Prompt p, FollowUp f, const QString &leadPrompt = {}, const QString &leadFollow = {})
{
    OptionHint h;
    h.kind = OptionHint::Kind::PhotoPair;
    h.prompt = p;
    h.followUp = f;
    h.leadPrompt = leadPrompt;
    h.leadFollow = leadFollow;
    return h;
}

inline OptionHint description(const QString &textKey)
{
    OptionHint h;
    h.kind = OptionHint::Kind::Description;
    h.textKey = textKey;
    return h;
}

inline OptionDef option(int index, const QString &caption, QList<Action> actions, OptionHint hint)
{
    return {index, caption, std::move(actions), std::move(hint)};
}

inline Rule when(QList<int> options, const QString &target)
{
    Rule r;
    r.options = std::move(options);
    r.target = target;
    return r;
}
inline Rule toOrganScreen(QList<int> options, const QString &target)
{
    Rule r = when(std::move(options), target);
    r.setsOrgano = true;
    return r;
}
inline Rule terminal()
{
    Rule r;
    r.target = QStringLiteral("ResultadoVid");
    return r;
}
inline Rule otherwise(const QString &target = QStringLiteral("ResultadoVid"))
{
    Rule r;
    r.otherwise = true;
    r.target = target;
    return r;
}

inline const QString result = QStringLiteral("ResultadoVid");

inline QList<Action> operator+(QList<Action> a, const Action &b)
{
    a << b;
    return a;
}

}  // namespace q::build
