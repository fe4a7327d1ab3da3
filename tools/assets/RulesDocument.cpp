#include "RulesDocument.h"

#include <QStringList>

namespace nf::assets {
namespace {

struct Section {
    const char* heading;
    QStringList paragraphs;
};

const Section kSections[] = {
    {"The board and the dice",
     {"The playing board shows the numbers 1 to 9. Players take turns to throw two dice and "
      "place counters on the numbers. A covered number stays covered for the rest of the turn.",
      "After each throw the player either covers the number equal to the sum of the dice, or "
      "covers the two numbers shown by the dice, one after the other. Both dice must be used: "
      "a die's number can only be taken if the other die's number can be taken too, so a "
      "double can only be taken as its sum. With a 3 and a 4 the player covers 7, or 3 and 4. "
      "With two 4s the only move is 8."}},
    {"Scoring and turns",
     {"Each number covered scores its own value for the player who covered it.",
      "The player goes on throwing until a throw allows no valid move; the dice then pass to "
      "the next player in the order Red, Magenta, Yellow, Green. Double five and double six "
      "always end a turn, as they never allow a move."}},
    {"7, 8 and 9",
     {"Once 7, 8 and 9 are covered the player may choose to throw a single die for the rest "
      "of the turn, by ticking the box Throw Just One Die."}},
    {"Ninefold",
     {"A player who covers all nine numbers has made Ninefold: the counters are removed, all "
      "the numbers are open again, and the same player carries on throwing."}},
    {"The end of the game",
     {"A game has five rounds; in each round every player has one turn. After the fifth round "
      "the player with the highest total wins. If two or more players share the highest total "
      "the game is a draw."}},
    {"Players",
     {"Two to four people play at one computer, or one person plays Red against the computer, "
      "which always plays Magenta. Exit keeps an unfinished game, and Restart Previous Game on "
      "the title screen continues it."}},
};

QByteArray paragraph(const QString& text, const char* style) {
    return QByteArray("{\\pard\\sa160") + style + " " + text.toLatin1() + "\\par}\n";
}

} // namespace

QByteArray rulesDocument() {
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n"
                     "{\\info{\\title The Rules of Ninefold}}\n"
                     "\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440\\margb1440\n";
    rtf += paragraph(QStringLiteral("The Rules of Ninefold"), "\\qc\\b\\fs40");
    for (const Section& section : kSections) {
        rtf += paragraph(QString::fromLatin1(section.heading), "\\b\\fs28");
        for (const QString& text : section.paragraphs)
            rtf += paragraph(text, "\\fs24");
    }
    rtf += "}\n";
    return rtf;
}

} // namespace nf::assets
