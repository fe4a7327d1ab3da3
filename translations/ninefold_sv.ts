<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Board</name>
    <message>
        <location filename="../src/engine/Players.h" line="50"/>
        <source>ROUND %1 OF 5</source>
        <translation>OMGÅNG %1 AV 5</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="11"/>
        <source>Show hint</source>
        <translation>Visa tips</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="12"/>
        <source>Show statistics</source>
        <translation>Visa statistik</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="13"/>
        <source>Message</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="14"/>
        <source>First die</source>
        <translation>Första tärningen</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="15"/>
        <source>Second die</source>
        <translation>Andra tärningen</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="16"/>
        <source>Round</source>
        <translation>Omgång</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="17"/>
        <source>Number %1</source>
        <translation>Tal %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="18"/>
        <source>Red&apos;s total</source>
        <translation>Röds poäng</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="18"/>
        <source>Magenta&apos;s total</source>
        <translation>Magentas poäng</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="19"/>
        <source>Yellow&apos;s total</source>
        <translation>Guls poäng</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="19"/>
        <source>Green&apos;s total</source>
        <translation>Gröns poäng</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="22"/>
        <source>Threw %1 and %2</source>
        <translation>Slog %1 och %2</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="23"/>
        <source>Threw %1</source>
        <translation>Slog %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="24"/>
        <source>Covered %1</source>
        <translation>Täckte %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="25"/>
        <source>Number %1, covered by Red</source>
        <translation>Tal %1, täckt av Röd</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="26"/>
        <source>Number %1, covered by Magenta</source>
        <translation>Tal %1, täckt av Magenta</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="27"/>
        <source>Number %1, covered by Yellow</source>
        <translation>Tal %1, täckt av Gul</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="28"/>
        <source>Number %1, covered by Green</source>
        <translation>Tal %1, täckt av Grön</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="19"/>
        <location filename="../src/screens/BoardScreens.cpp" line="92"/>
        <source>RED TO PLAY</source>
        <translation>RÖDS TUR</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="19"/>
        <source>RED HAS WON!</source>
        <translation>RÖD HAR VUNNIT!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="21"/>
        <source>MAGENTA TO PLAY</source>
        <translation>MAGENTAS TUR</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="21"/>
        <source>MAGENTA HAS WON!</source>
        <translation>MAGENTA HAR VUNNIT!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="23"/>
        <source>YELLOW TO PLAY</source>
        <translation>GULS TUR</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="23"/>
        <source>YELLOW HAS WON!</source>
        <translation>GUL HAR VUNNIT!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="25"/>
        <source>GREEN TO PLAY</source>
        <translation>GRÖNS TUR</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="25"/>
        <source>GREEN HAS WON!</source>
        <translation>GRÖN HAR VUNNIT!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="45"/>
        <source>TURN OVER</source>
        <translation>TUREN ÄR SLUT</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="46"/>
        <source>IT&apos;S A DRAW</source>
        <translation>OAVGJORT</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="52"/>
        <source>END OF GAME</source>
        <translation>SPELET ÄR SLUT</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="14"/>
        <source>Throw Just One Die</source>
        <translation>Kasta bara en tärning</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="23"/>
        <source>ROUND 1 OF 5</source>
        <translation>OMGÅNG 1 AV 5</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="77"/>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="82"/>
        <source>Throw Dice</source>
        <translation>Kasta</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="87"/>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="105"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="140"/>
        <source>The computer is playing as magenta</source>
        <translation>Datorn spelar som Magenta</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <location filename="../src/engine/Hint.h" line="34"/>
        <source>cover %1</source>
        <translation>täck %1</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="35"/>
        <source>cover %1 and %2</source>
        <translation>täck %1 och %2</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="36"/>
        <source>throw one die</source>
        <translation>kasta en tärning</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="37"/>
        <source>throw two dice</source>
        <translation>kasta två tärningar</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="38"/>
        <source>tick Throw Just One Die</source>
        <translation>kryssa i ”Kasta bara en tärning”</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="39"/>
        <source>untick Throw Just One Die</source>
        <translation>kryssa ur ”Kasta bara en tärning”</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="13"/>
        <source>The Rules of Ninefold</source>
        <translation>Regler för Ninefold</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="21"/>
        <source>The board and the dice</source>
        <translation>Brädet och tärningarna</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="22"/>
        <source>The playing board shows the numbers 1 to 9. Players take turns to throw two dice and place counters on the numbers. A covered number stays covered for the rest of the turn.</source>
        <translation>Spelbrädet visar talen 1 till 9. Spelarna kastar två tärningar i tur och ordning och lägger marker på talen. Ett täckt tal förblir täckt resten av turen.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="26"/>
        <source>After each throw the player either covers the number equal to the sum of the dice, or covers the two numbers shown by the dice, one after the other. Both dice must be used: a die&apos;s number can only be taken if the other die&apos;s number can be taken too, so a double can only be taken as its sum. With a 3 and a 4 the player covers 7, or 3 and 4. With two 4s the only move is 8.</source>
        <translation>Efter varje kast täcker spelaren antingen det tal som är lika med tärningarnas summa, eller de två tal som tärningarna visar, det ena efter det andra. Båda tärningarna måste användas: en tärnings tal får bara tas om den andra tärningens tal också kan tas, så en dubbel kan bara tas som sin summa. Med en 3:a och en 4:a täcker spelaren 7, eller 3 och 4. Med två 4:or är det enda draget 8.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="32"/>
        <source>Scoring and turns</source>
        <translation>Poäng och turer</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="33"/>
        <source>Each number covered scores its own value for the player who covered it.</source>
        <translation>Varje täckt tal ger spelaren som täckte det lika många poäng som talets värde.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="35"/>
        <source>The player goes on throwing until a throw allows no valid move; the dice then pass to the next player in the order Red, Magenta, Yellow, Green. Double five and double six always end a turn, as they never allow a move.</source>
        <translation>Spelaren fortsätter kasta tills ett kast inte ger något giltigt drag; då går tärningarna vidare till nästa spelare i ordningen Röd, Magenta, Gul, Grön. Dubbla femmor och dubbla sexor avslutar alltid turen, eftersom de aldrig ger något drag.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="39"/>
        <source>7, 8 and 9</source>
        <translation>7, 8 och 9</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="40"/>
        <source>Once 7, 8 and 9 are covered the player may choose to throw a single die for the rest of the turn, by ticking the box Throw Just One Die.</source>
        <translation>När 7, 8 och 9 är täckta får spelaren välja att kasta en enda tärning resten av turen, genom att kryssa i rutan ”Kasta bara en tärning”.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="43"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="44"/>
        <source>A player who covers all nine numbers has made Ninefold: the counters are removed, all the numbers are open again, and the same player carries on throwing.</source>
        <translation>En spelare som täcker alla nio talen har gjort Ninefold: markerna tas bort, alla tal blir lediga igen och samma spelare fortsätter kasta.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="47"/>
        <source>The end of the game</source>
        <translation>Spelets slut</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="48"/>
        <source>A game has five rounds; in each round every player has one turn. After the fifth round the player with the highest total wins. If two or more players share the highest total the game is a draw.</source>
        <translation>Ett spel har fem omgångar; i varje omgång har varje spelare en tur. Efter femte omgången vinner spelaren med högst poäng. Om två eller fler spelare delar den högsta poängen blir spelet oavgjort.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="52"/>
        <source>Players</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="53"/>
        <source>Two to four people play at one computer, or one person plays Red against the computer, which always plays Magenta. Exit keeps an unfinished game, and Restart Previous Game on the title screen continues it.</source>
        <translation>Två till fyra personer spelar vid samma dator, eller så spelar en person Röd mot datorn, som alltid spelar Magenta. ”Avsluta” sparar ett pågående spel, och ”Fortsätt förra spelet” på startskärmen återupptar det.</translation>
    </message>
</context>
<context>
    <name>RulesPages</name>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="41"/>
        <source>The Rules of Ninefold</source>
        <translation>Regler för Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="64"/>
        <source>After five rounds the player with the highest score wins.</source>
        <translation>Efter fem omgångar vinner spelaren med högst poäng.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="66"/>
        <source>Page 1 of 3</source>
        <translation>Sida 1 av 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="67"/>
        <location filename="../src/screens/RulesScreens.cpp" line="160"/>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Nästa</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="69"/>
        <source>If there is just one player, select button &apos;1&apos; to play against the computer. The computer always plays as the second player - Magenta.</source>
        <translation>Om det bara finns en spelare väljer du knappen ”1” för att spela mot datorn. Datorn spelar alltid som andra spelare – Magenta.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="75"/>
        <source>The game is designed for 2 - 4 players or one player against the computer. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Red, Magenta, Yellow, Green. </source>
        <translation>Spelet är avsett för 2–4 spelare eller för en spelare mot datorn. Börja spelet genom att klicka på knappen med antalet spelare. Spelarna tar sedan sin tur i den här ordningen: Röd, Magenta, Gul, Grön.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="81"/>
        <source>Getting ready to play</source>
        <translation>Förberedelser</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="84"/>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Innan spelet börjar kan spelarna välja spelets inställningar.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="88"/>
        <source>The player continues to throw the dice until no valid move is available. The dice then pass to the next player. The players are awarded points equal to each number that they cover. </source>
        <translation>Spelaren fortsätter kasta tärningarna tills inget giltigt drag finns. Då går tärningarna vidare till nästa spelare. Spelarna får lika många poäng som varje tal de täcker.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="94"/>
        <source>Players take turns to throw two dice. After throwing the dice, a player can either take the scores on each die separately or take the sum of the two scores. For example, if the dice show a 3 and a 4, the player has two options. They could put a counter on the number 3 and a counter on the number 4, or, alternatively, they could can put a counter on the number 7. Once a counter has been put on a number it is no longer available.</source>
        <translation>Spelarna kastar två tärningar i tur och ordning. Efter kastet kan spelaren antingen ta varje tärnings värde för sig eller summan av båda. Om tärningarna till exempel visar en 3:a och en 4:a har spelaren två alternativ: lägga en mark på talet 3 och en mark på talet 4, eller i stället lägga en mark på talet 7. När en mark ligger på ett tal är talet inte längre ledigt.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="104"/>
        <source>The playing board shows the numbers 1 to 9. To ‘Ninefold’ a player must place a counter on all nine numbers. </source>
        <translation>Spelbrädet visar talen 1 till 9. För att göra ”Ninefold” måste spelaren lägga en mark på alla nio talen.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="108"/>
        <source>Summary of the rules</source>
        <translation>Reglerna i korthet</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="111"/>
        <location filename="../src/screens/RulesScreens.cpp" line="168"/>
        <location filename="../src/screens/RulesScreens.cpp" line="216"/>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="124"/>
        <source>Note that the player must use the scores on both dice. This restricts the options if a double is thrown. For example, if a player throws two 4s, then the only move available is to place a counter on the number 8. They cannot put a counter on the number 4, as this would only use the score on one of their dice.</source>
        <translation>Observera att spelaren måste använda båda tärningarnas värden. Det begränsar valen när spelaren kastar en dubbel. Om spelaren till exempel kastar två 4:or är det enda möjliga draget att lägga en mark på talet 8. Spelaren får inte lägga en mark på talet 4, eftersom bara den ena tärningens värde då skulle användas.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="132"/>
        <source>Selecting the number on the board</source>
        <translation>Välja tal på brädet</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="136"/>
        <source>After throwing the dice, the player can either take the scores on each die separately or take the sum of the two scores. For example, if the dice show a 3 and a 4, the player has two options. They could put a counter on the number 3 and a counter on the number 4, or, alternatively, they could put a counter on the number 7. </source>
        <translation>Efter kastet kan spelaren antingen ta varje tärnings värde för sig eller summan av båda. Om tärningarna till exempel visar en 3:a och en 4:a har spelaren två alternativ: lägga en mark på talet 3 och en mark på talet 4, eller i stället lägga en mark på talet 7.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="144"/>
        <source>To place a counter on a number the player must click the number. The player will then be awarded points equal to the number. Once a counter has been put on a number it is no longer available.</source>
        <translation>För att lägga en mark på ett tal klickar spelaren på talet. Spelaren får då lika många poäng som talet. När en mark ligger på ett tal är talet inte längre ledigt.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="149"/>
        <source>Throw Dice</source>
        <translation>Kasta</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="158"/>
        <source>Page 2 of 3</source>
        <translation>Sida 2 av 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="159"/>
        <location filename="../src/screens/RulesScreens.cpp" line="201"/>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Tillbaka</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="161"/>
        <source>The player whose turn it is clicks the button labelled &apos;Throw Dice&apos;. Two numbers are then randomly generated, corresponding to the dice throw. </source>
        <translation>Spelaren vars tur det är klickar på knappen ”Kasta”. Då slumpas två tal fram, som motsvarar tärningskastet.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="165"/>
        <source>Generating a number</source>
        <translation>Tärningskastet</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="171"/>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Prova att kasta tärningarna: klicka på knappen till höger.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="174"/>
        <source>The player continues to throw the dice until they cannot make a valid move with their throw. It is then the turn of the next player. If a player throws a double five or a double six, it is always the end of their turn, as there is never a valid move for these throws.</source>
        <translation>Spelaren fortsätter kasta tärningarna tills kastet inte ger något giltigt drag. Då är det nästa spelares tur. Kastar en spelare dubbla femmor eller dubbla sexor är turen alltid slut, eftersom de kasten aldrig ger något giltigt drag.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="189"/>
        <source>If a player covers all nine numbers they have &apos;Ninefold&apos;. The counters are then removed, so that all the numbers are available again. The player then continues with their turn and throws the dice.</source>
        <translation>Den spelare som täcker alla nio talen har gjort ”Ninefold”. Markerna tas då bort så att alla tal blir lediga igen. Spelaren fortsätter sedan sin tur och kastar tärningarna.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="194"/>
        <source>&apos;Ninefolding&apos;</source>
        <translation>Att göra ”Ninefold”</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="195"/>
        <source>Open Rules Document for Printing</source>
        <translation>Öppna reglerna för utskrift</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="200"/>
        <source>Page 3 of 3</source>
        <translation>Sida 3 av 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="203"/>
        <source>There are five rounds in a game. After the five rounds the player with the highest total of points is the winner.</source>
        <translation>Ett spel har fem omgångar. Efter de fem omgångarna vinner spelaren med högst totalpoäng.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="207"/>
        <source>The End</source>
        <translation>Slutet</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="210"/>
        <source>If a player manages to cover the numbers 7, 8 and 9, they can opt to throw a single die for their subsequent throws. The program will offer a check box at this point. Click the check box to choose to throw a single die.</source>
        <translation>Den spelare som lyckas täcka talen 7, 8 och 9 kan välja att kasta en enda tärning i de följande kasten. Programmet visar då en kryssruta. Klicka i kryssrutan för att kasta en enda tärning.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="215"/>
        <source>7, 8 and 9</source>
        <translation>7, 8 och 9</translation>
    </message>
    <message>
        <location filename="../src/front/RulesPage.cpp" line="37"/>
        <source>The Rules, page %1 of 3</source>
        <translation>Reglerna, sida %1 av 3</translation>
    </message>
</context>
<context>
    <name>Startplay2</name>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="83"/>
        <source>Hide Desktop</source>
        <translation>Dölj skrivbordet</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="90"/>
        <source>Play Sound</source>
        <translation>Spela ljud</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="107"/>
        <source>The Rules</source>
        <translation>Reglerna</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="112"/>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="136"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="147"/>
        <source>Select Number of Players</source>
        <translation>Välj antal spelare</translation>
    </message>
    <message>
        <location filename="../src/front/SetupScreen.cpp" line="34"/>
        <source>Ninefold, new game</source>
        <translation>Ninefold, nytt spel</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="12"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="13"/>
        <source>People</source>
        <translation>Personer</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="14"/>
        <source>Against the classic computer</source>
        <translation>Mot den klassiska datorn</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="15"/>
        <source>Against the expert computer</source>
        <translation>Mot expertdatorn</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="16"/>
        <source>Red</source>
        <translation>Röd</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="16"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="17"/>
        <source>Yellow</source>
        <translation>Gul</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="17"/>
        <source>Green</source>
        <translation>Grön</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="19"/>
        <source>Seat</source>
        <translation>Färg</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="19"/>
        <source>Matches</source>
        <translation>Spel</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="20"/>
        <source>Wins</source>
        <translation>Vinster</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="20"/>
        <source>Draws</source>
        <translation>Oavgjorda</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="21"/>
        <source>Best</source>
        <translation>Bäst</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="21"/>
        <source>Mean</source>
        <translation>Medel</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="22"/>
        <source>Clears</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="22"/>
        <source>Points lost per turn</source>
        <translation>Förlorade poäng per tur</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="24"/>
        <source>%1: matches %2, wins %3, draws %4, best total %5, mean total %6, clears %7, points lost per turn %8</source>
        <extracomment>%1 the seat colour, then its figures in the columns&apos; order.</extracomment>
        <translation>%1: spel %2, vinster %3, oavgjorda %4, bästa poäng %5, medelpoäng %6, Ninefold %7, förlorade poäng per tur %8</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="27"/>
        <source>Matches recorded: %1</source>
        <translation>Registrerade spel: %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="29"/>
        <source>The last %1 matches: totals, and points lost per turn</source>
        <translation>Senaste spelen (%1): poäng och förlorade poäng per tur</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="31"/>
        <source>Last match (%1): %2; %3 won</source>
        <extracomment>%1 the kind of board, %2 the seats&apos; totals (&quot;Red 62, Magenta 48&quot;).</extracomment>
        <translation>Senaste spelet (%1): %2; %3 vann</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="32"/>
        <source>Last match (%1): %2; a draw</source>
        <translation>Senaste spelet (%1): %2; oavgjort</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="34"/>
        <source>It was continued from a saved game: its throws before are not known.</source>
        <translation>Det fortsattes från ett sparat spel: de tidigare kasten är okända.</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="35"/>
        <source>The costliest choices of the last match</source>
        <translation>De dyraste valen i senaste spelet</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="36"/>
        <source>No choice of the last match lost points.</source>
        <translation>Inget val i senaste spelet kostade poäng.</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="39"/>
        <source>round %1, %2, %3: %4, best was %5 (%6 points lost)</source>
        <extracomment>%1 round, %2 seat colour, %3 the situation, %4 the choice, %5 the best choice, %6 points.</extracomment>
        <translation>omgång %1, %2 (%3): %4, bäst var %5 (%6 poäng förlorade)</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="40"/>
        <source>dice %1 and %2 with %3 covered</source>
        <translation>tärningarna %1 och %2, täckt: %3</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="41"/>
        <source>dice %1 and %2 on an open board</source>
        <translation>tärningarna %1 och %2, inget täckt</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="42"/>
        <source>die %1 with %2 covered</source>
        <translation>tärningen %1, täckt: %2</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="43"/>
        <source>with %1 covered</source>
        <translation>täckt: %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="44"/>
        <source>covered %1</source>
        <translation>täckte %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="45"/>
        <source>one die</source>
        <translation>en tärning</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="46"/>
        <source>two dice</source>
        <translation>två tärningar</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="47"/>
        <source>threw one die</source>
        <translation>kastade en tärning</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="48"/>
        <source>threw two dice</source>
        <translation>kastade två tärningar</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="50"/>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of numbers: &quot;1, 2 and 7&quot;.</extracomment>
        <translation>%1 och %2</translation>
    </message>
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="7"/>
        <source>Ninefold 2026 - free to play and to share</source>
        <extracomment>Also on the setup screen.</extracomment>
        <translation>Ninefold 2026 – fritt att spela och dela</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="26"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="40"/>
        <source>Restart Previous Game</source>
        <translation>Fortsätt förra spelet</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="46"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="52"/>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <location filename="../src/front/TitleScreen.cpp" line="14"/>
        <source>Show statistics</source>
        <translation>Visa statistik</translation>
    </message>
    <message>
        <location filename="../src/front/TitleScreen.cpp" line="25"/>
        <source>Ninefold, title screen</source>
        <translation>Ninefold, titelskärm</translation>
    </message>
</context>
</TS>
