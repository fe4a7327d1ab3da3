#include "RulesDocument.h"

#include "engine/Text.h"
#include "platform/GameTexts.h"

#include <QTranslator>
#include <map>
#include <vector>

namespace nf::assets {
namespace {

constexpr Text kTitle = NF_TEXT("RulesDocument", "The Rules of Ninefold");

struct Section {
    Text heading;
    std::vector<Text> paragraphs;
};

const Section kSections[] = {
    {NF_TEXT("RulesDocument", "The board and the dice"),
     {NF_TEXT("RulesDocument",
              "The playing board shows the numbers 1 to 9. Players take turns to throw two dice "
              "and place counters on the numbers. A covered number stays covered for the rest of "
              "the turn."),
      NF_TEXT("RulesDocument",
              "After each throw the player either covers the number equal to the sum of the dice, "
              "or covers the two numbers shown by the dice, one after the other. Both dice must be "
              "used: a die's number can only be taken if the other die's number can be taken too, "
              "so a double can only be taken as its sum. With a 3 and a 4 the player covers 7, or "
              "3 and 4. With two 4s the only move is 8.")}},
    {NF_TEXT("RulesDocument", "Scoring and turns"),
     {NF_TEXT("RulesDocument",
              "Each number covered scores its own value for the player who covered it."),
      NF_TEXT("RulesDocument",
              "The player goes on throwing until a throw allows no valid move; the dice then pass "
              "to the next player in the order Red, Magenta, Yellow, Green. Double five and double "
              "six always end a turn, as they never allow a move.")}},
    {NF_TEXT("RulesDocument", "7, 8 and 9"),
     {NF_TEXT("RulesDocument",
              "Once 7, 8 and 9 are covered the player may choose to throw a single die for the "
              "rest of the turn, by ticking the box Throw Just One Die.")}},
    {NF_TEXT("RulesDocument", "Ninefold"),
     {NF_TEXT("RulesDocument",
              "A player who covers all nine numbers has made Ninefold: the counters are removed, "
              "all the numbers are open again, and the same player carries on throwing.")}},
    {NF_TEXT("RulesDocument", "The end of the game"),
     {NF_TEXT("RulesDocument",
              "A game has five rounds; in each round every player has one turn. After the fifth "
              "round the player with the highest total wins. If two or more players share the "
              "highest total the game is a draw.")}},
    {NF_TEXT("RulesDocument", "Players"),
     {NF_TEXT("RulesDocument",
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

// The face a word processor draws the document in: Arial has the Latin and Cyrillic letters;
// Japanese and Chinese name Noto CJK (fonts-noto-cjk) in the language's forms, with the face
// such a word processor on Windows has instead. The character set and the language tell the
// word processor which letters and which spelling the text is in; a word processor draws
// Japanese and Chinese letters in the face it associates with double-byte text, named again for
// every paragraph.
struct DocumentFace {
    const char* fonts;
    int language; // a Windows language id, 0 for the English document as it always was
    bool eastAsian = false;
};

DocumentFace documentFace(const QString& language) {
    static const std::map<QString, DocumentFace> faces = {
        {QStringLiteral("cs"), {"{\\f0\\fswiss\\fcharset238 Arial;}", 1029}},
        {QStringLiteral("de"), {"{\\f0\\fswiss Arial;}", 1031}},
        {QStringLiteral("es"), {"{\\f0\\fswiss Arial;}", 3082}},
        {QStringLiteral("fr"), {"{\\f0\\fswiss Arial;}", 1036}},
        {QStringLiteral("it"), {"{\\f0\\fswiss Arial;}", 1040}},
        {QStringLiteral("ja"),
         {"{\\f0\\fnil\\fcharset128 Noto Sans CJK JP{\\*\\falt MS Gothic};}", 1041, true}},
        {QStringLiteral("nl"), {"{\\f0\\fswiss Arial;}", 1043}},
        {QStringLiteral("pl"), {"{\\f0\\fswiss\\fcharset238 Arial;}", 1045}},
        {QStringLiteral("pt_BR"), {"{\\f0\\fswiss Arial;}", 1046}},
        {QStringLiteral("ru"), {"{\\f0\\fswiss\\fcharset204 Arial;}", 1049}},
        {QStringLiteral("sv"), {"{\\f0\\fswiss Arial;}", 1053}},
        {QStringLiteral("zh_CN"),
         {"{\\f0\\fnil\\fcharset134 Noto Sans CJK SC{\\*\\falt Microsoft YaHei};}", 2052, true}},
    };
    const auto found = faces.find(language);
    return found == faces.end() ? DocumentFace{"{\\f0\\fswiss Arial;}", 0} : found->second;
}

QByteArray paragraph(const QString& text, const QByteArray& style) {
    return QByteArray("{\\pard\\sa160") + style + " " + rtfText(text) + "\\par}\n";
}

} // namespace

QByteArray rulesDocument(const QTranslator* translator) {
    const auto say = [translator](Text text) { return textIn(translator, text); };
    const DocumentFace face = documentFace(translator ? translator->language() : QString());
    const QByteArray id = QByteArray::number(face.language);
    const QByteArray run =
        face.eastAsian ? "\\langfe" + id + "\\loch\\af0\\hich\\af0\\dbch\\af0" : QByteArray();
    QByteArray rtf = QByteArray("{\\rtf1\\ansi\\deff0");
    if (face.language != 0)
        rtf += "\\deflang" + id;
    if (face.eastAsian)
        rtf += "\\deflangfe" + id;
    rtf += QByteArray("{\\fonttbl") + face.fonts +
           "}\n"
           "{\\info{\\title " +
           rtfText(say(kTitle)) +
           "}}\n"
           "\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440\\margb1440\n";
    rtf += paragraph(say(kTitle), run + "\\qc\\b\\fs40");
    for (const Section& section : kSections) {
        rtf += paragraph(say(section.heading), run + "\\b\\fs28");
        for (const Text& text : section.paragraphs)
            rtf += paragraph(say(text), run + "\\fs24");
    }
    rtf += "}\n";
    return rtf;
}

} // namespace nf::assets
