#pragma once
// A question screen as data. One QuestionScreen runs any screen from its
// table; each organ branch is a file of tables (Hojas.cpp, Racimos.cpp, …).
//
// Table format
// ------------
// ScreenTable
//   name, title        object name ("Form7") and window caption, exact.
//   sintoma            value stored in SintomaActual by the load; null for a
//                      screen whose load sets none (Form10).
//   selectOption1      the load selects Option1 (running its click actions)
//                      before loading photos.
//   closeAtLoad        a screen the load closes, right after SintomaActual.
//   boxes              photo boxes Image1…Image7, each with its geometry in
//                      twips (left, top, width, height), whether it is visible
//                      when the screen opens, its pointer-over text(s), and
//                      its click and hand-pointer conditions. Boxes are
//                      stacked in index order: a higher ImageK lies in front.
//   loadPhotos         (box, photo) pairs the load loads, in this order.
//                      Photo paths are relative to RutaFotos and begin with
//                      "\" ("\Melazo\melazo03.jpg").
//   options            Option1…Option13: caption, click actions in order
//                      (hide box, show box, load photo into box, store key),
//                      and the pointer-over hint: a choice sentence (C1–C4),
//                      a photo pair (P1–P3 when not selected, F1/F2 when
//                      selected, each with an optional lead sentence), or a
//                      description text (by text key).
//   rules              SIGUIENTE rules, tested in order. A rule fires when one
//                      of its options is selected; a rule with no options is
//                      terminal (always fires); an "otherwise" rule fires when
//                      no earlier rule fired. A rule may set OrganoElegido to
//                      the screen's title and/or SintomaActual before opening
//                      its target. The screen closes after its rules.
//   volver             the screen VOLVER opens; or volverByOrgano: the
//                      screen named by OrganoElegido ("HOJAS" → Form2, …).
//   buttonHints        variants (1 or 2) of the hints of Command1…Command3.
//
// Box texts are text keys into the descriptive texts (core/Descriptions.h): a box has
// one key, or one key per selected option. A box condition is "holds a
// picture" plus, optionally, "one of these options selected" or "none of
// these options selected"; click and hand pointer have a condition each.
// otherwiseHint is a choice sentence shown when the pointer condition fails
// (Form21's placeholder box shows C1 then).

#include <QList>
#include <QPair>
#include <QString>

namespace q {

enum class Choice { None, C1, C2, C3, C4 };
enum class Prompt { P1, P2, P3 };
enum class FollowUp { F1, F2 };

QString choiceText(Choice c);
QString promptText(Prompt p);
QString followUpText(FollowUp f);
QString buttonHint(int command, int variant);  // command 1..3, variant 1..2

struct Condition {
    enum class Kind { Picture, PictureAndAnyOf, PictureAndNoneOf };
    Kind kind = Kind::Picture;
    QList<int> options;

    static Condition picture() { return {}; }
    static Condition anyOf(QList<int> o) { return {Kind::PictureAndAnyOf, std::move(o)}; }
    static Condition noneOf(QList<int> o) { return {Kind::PictureAndNoneOf, std::move(o)}; }
};

struct BoxDef {
    int index = 1;
    int left = 0, top = 0, width = 4335, height = 3255;  // twips
    bool visibleAtLoad = true;
    QString text;                             // text key shown whatever is selected
    QList<QPair<int, QString>> textByOption;  // option → text key
    Condition click;
    Condition hand;
    Choice otherwiseHint = Choice::None;
};

struct Action {
    enum class Kind { Hide, Show, Load, StoreKey };
    Kind kind;
    int box = 0;
    QString value;  // photo path (Load) or key (StoreKey)
};

struct OptionHint {
    enum class Kind { Choice, PhotoPair, Description };
    Kind kind = Kind::Choice;
    Choice choice = Choice::C1;
    Prompt prompt = Prompt::P1;
    FollowUp followUp = FollowUp::F1;
    QString leadPrompt;  // sentence before the prompt (not selected)
    QString leadFollow;  // sentence before the follow-up (selected)
    QString textKey;     // Description
};

struct OptionDef {
    int index = 1;
    QString caption;
    QList<Action> actions;
    OptionHint hint;
};

struct Rule {
    QList<int> options;       // empty: always fires (terminal screen)
    bool otherwise = false;   // fires when no earlier rule fired
    QString target;           // a screen name or "ResultadoVid"
    bool setsOrgano = false;  // OrganoElegido := the screen's title
    QString setsSintoma;      // SintomaActual := this, when not empty
};

struct ScreenTable {
    QString name;
    QString title;
    QString sintoma;  // null: the load sets none
    bool selectOption1 = false;
    QString closeAtLoad;
    QList<BoxDef> boxes;
    QList<QPair<int, QString>> loadPhotos;
    QList<OptionDef> options;
    QList<Rule> rules;
    QString volver;
    bool volverByOrgano = false;
    int buttonHints[3] = {1, 1, 1};

    const BoxDef *box(int index) const;
    const OptionDef *option(int index) const;
};

// Every question screen of the six branches.
const QList<ScreenTable> &allScreens();
const ScreenTable *screenTable(const QString &name);

// What the home screen's look-up stores in SintomaActual ("Diagnóstico").
QString homeSymptom();
// The screen that stores a value in SintomaActual, by its load or by one of
// its rules (the home screen, Form1, for homeSymptom()); empty for any other
// value. The result screen's VOLVER goes back there.
QString screenForSymptom(const QString &sintoma);

// The branch files.
QList<ScreenTable> leavesBranch();
QList<ScreenTable> budsBranch();
QList<ScreenTable> trunkBranch();
QList<ScreenTable> bunchesBranch();
QList<ScreenTable> shootsBranch();
QList<ScreenTable> rootsBranch();

}  // namespace q
