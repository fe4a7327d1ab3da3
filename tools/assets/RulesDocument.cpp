#include "RulesDocument.h"

#include <QTranslator>
#include <QtGlobal>
#include <vector>

namespace nf::assets {
namespace {

constexpr const char* kContext = "RulesDocument";
constexpr const char* kTitle = QT_TRANSLATE_NOOP("RulesDocument", "The Rules of Ninefold");

struct Section {
    const char* heading;
    std::vector<const char*> paragraphs;
};

const Section kSections[] = {
    {QT_TRANSLATE_NOOP("RulesDocument", "The board and the dice"),
     {QT_TRANSLATE_NOOP(
          "RulesDocument",
          "The playing board shows the numbers 1 to 9. Players take turns to throw two dice "
          "and place counters on the numbers. A covered number stays covered for the rest of "
          "the turn."),
      QT_TRANSLATE_NOOP(
          "RulesDocument",
          "After each throw the player either covers the number equal to the sum of the dice, "
          "or covers the two numbers shown by the dice, one after the other. Both dice must be "
          "used: a die's number can only be taken if the other die's number can be taken too, "
          "so a double can only be taken as its sum. With a 3 and a 4 the player covers 7, or "
          "3 and 4. With two 4s the only move is 8.")}},
    {QT_TRANSLATE_NOOP("RulesDocument", "Scoring and turns"),
     {QT_TRANSLATE_NOOP("RulesDocument",
                        "Each number covered scores its own value for the player who covered it."),
      QT_TRANSLATE_NOOP(
          "RulesDocument",
          "The player goes on throwing until a throw allows no valid move; the dice then pass "
          "to the next player in the order Red, Magenta, Yellow, Green. Double five and double "
          "six always end a turn, as they never allow a move.")}},
    {QT_TRANSLATE_NOOP("RulesDocument", "7, 8 and 9"),
     {QT_TRANSLATE_NOOP(
         "RulesDocument",
         "Once 7, 8 and 9 are covered the player may choose to throw a single die for the "
         "rest of the turn, by ticking the box Throw Just One Die.")}},
    {QT_TRANSLATE_NOOP("RulesDocument", "Ninefold"),
     {QT_TRANSLATE_NOOP(
         "RulesDocument",
         "A player who covers all nine numbers has made Ninefold: the counters are removed, "
         "all the numbers are open again, and the same player carries on throwing.")}},
    {QT_TRANSLATE_NOOP("RulesDocument", "The end of the game"),
     {QT_TRANSLATE_NOOP(
         "RulesDocument",
         "A game has five rounds; in each round every player has one turn. After the fifth "
         "round the player with the highest total wins. If two or more players share the "
         "highest total the game is a draw.")}},
    {QT_TRANSLATE_NOOP("RulesDocument", "Players"),
     {QT_TRANSLATE_NOOP(
         "RulesDocument",
         "Two to four people play at one computer, or one person plays Red against the "
         "computer, which always plays Magenta. Exit keeps an unfinished game, and Restart "
         "Previous Game on the title screen continues it.")}},
};

// Rich Text takes 7-bit text: every other character goes as its Unicode number.
QByteArray rtfText(const QString& text) {
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}')
            out += '\\';
        if (u < 128)
            out += static_cast<char>(u);
        else
            out += "\\u" + QByteArray::number(static_cast<qint16>(u)) + '?';
    }
    return out;
}

QByteArray paragraph(const QString& text, const char* style) {
    return QByteArray("{\\pard\\sa160") + style + " " + rtfText(text) + "\\par}\n";
}

} // namespace

QByteArray rulesDocument(const QTranslator* translator) {
    const auto say = [translator](const char* english) {
        const QString translated =
            translator ? translator->translate(kContext, english) : QString();
        return translated.isEmpty() ? QString::fromUtf8(english) : translated;
    };
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n"
                     "{\\info{\\title " +
                     rtfText(say(kTitle)) +
                     "}}\n"
                     "\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440\\margb1440\n";
    rtf += paragraph(say(kTitle), "\\qc\\b\\fs40");
    for (const Section& section : kSections) {
        rtf += paragraph(say(section.heading), "\\b\\fs28");
        for (const char* text : section.paragraphs)
            rtf += paragraph(say(text), "\\fs24");
    }
    rtf += "}\n";
    return rtf;
}

} // namespace nf::assets
