<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Board</name>
    <message>
        <location filename="../src/engine/Players.h" line="50"/>
        <source>ROUND %1 OF 5</source>
        <translation>RUNDA %1 Z 5</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="11"/>
        <source>Show hint</source>
        <translation>Pokaż podpowiedź</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="12"/>
        <source>Show statistics</source>
        <translation>Pokaż statystyki</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="13"/>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="14"/>
        <source>First die</source>
        <translation>Pierwsza kostka</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="15"/>
        <source>Second die</source>
        <translation>Druga kostka</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="16"/>
        <source>Round</source>
        <translation>Runda</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="17"/>
        <source>Number %1</source>
        <translation>Liczba %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="18"/>
        <source>Red&apos;s total</source>
        <translation>Punkty Czerwonego</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="18"/>
        <source>Magenta&apos;s total</source>
        <translation>Punkty Purpurowego</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="19"/>
        <source>Yellow&apos;s total</source>
        <translation>Punkty Żółtego</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="19"/>
        <source>Green&apos;s total</source>
        <translation>Punkty Zielonego</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="22"/>
        <source>Threw %1 and %2</source>
        <translation>Wyrzucono %1 i %2</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="23"/>
        <source>Threw %1</source>
        <translation>Wyrzucono %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="24"/>
        <source>Covered %1</source>
        <translation>Zakryto %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="25"/>
        <source>Number %1, covered by Red</source>
        <translation>Liczba %1, zakrył Czerwony</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="26"/>
        <source>Number %1, covered by Magenta</source>
        <translation>Liczba %1, zakrył Purpurowy</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="27"/>
        <source>Number %1, covered by Yellow</source>
        <translation>Liczba %1, zakrył Żółty</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="28"/>
        <source>Number %1, covered by Green</source>
        <translation>Liczba %1, zakrył Zielony</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="19"/>
        <location filename="../src/screens/BoardScreens.cpp" line="92"/>
        <source>RED TO PLAY</source>
        <translation>GRA CZERWONY</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="19"/>
        <source>RED HAS WON!</source>
        <translation>WYGRAŁ CZERWONY!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="21"/>
        <source>MAGENTA TO PLAY</source>
        <translation>GRA PURPUROWY</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="21"/>
        <source>MAGENTA HAS WON!</source>
        <translation>WYGRAŁ PURPUROWY!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="23"/>
        <source>YELLOW TO PLAY</source>
        <translation>GRA ŻÓŁTY</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="23"/>
        <source>YELLOW HAS WON!</source>
        <translation>WYGRAŁ ŻÓŁTY!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="25"/>
        <source>GREEN TO PLAY</source>
        <translation>GRA ZIELONY</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="25"/>
        <source>GREEN HAS WON!</source>
        <translation>WYGRAŁ ZIELONY!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="45"/>
        <source>TURN OVER</source>
        <translation>KONIEC KOLEJKI</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="46"/>
        <source>IT&apos;S A DRAW</source>
        <translation>REMIS</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="52"/>
        <source>END OF GAME</source>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="14"/>
        <source>Throw Just One Die</source>
        <translation>Rzucaj jedną kostką</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="23"/>
        <source>ROUND 1 OF 5</source>
        <translation>RUNDA 1 Z 5</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="77"/>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="82"/>
        <source>Throw Dice</source>
        <translation>Rzuć kostkami</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="87"/>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="105"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="140"/>
        <source>The computer is playing as magenta</source>
        <translation>Komputer to Purpurowy</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <location filename="../src/engine/Hint.h" line="34"/>
        <source>cover %1</source>
        <translation>zakryj %1</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="35"/>
        <source>cover %1 and %2</source>
        <translation>zakryj %1 i %2</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="36"/>
        <source>throw one die</source>
        <translation>rzuć jedną kostką</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="37"/>
        <source>throw two dice</source>
        <translation>rzuć dwiema kostkami</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="38"/>
        <source>tick Throw Just One Die</source>
        <translation>zaznacz „Rzucaj jedną kostką”</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="39"/>
        <source>untick Throw Just One Die</source>
        <translation>odznacz „Rzucaj jedną kostką”</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="13"/>
        <source>The Rules of Ninefold</source>
        <translation>Zasady gry Ninefold</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="21"/>
        <source>The board and the dice</source>
        <translation>Plansza i kostki</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="22"/>
        <source>The playing board shows the numbers 1 to 9. Players take turns to throw two dice and place counters on the numbers. A covered number stays covered for the rest of the turn.</source>
        <translation>Plansza pokazuje liczby od 1 do 9. Gracze po kolei rzucają dwiema kostkami i kładą żetony na liczbach. Zakryta liczba pozostaje zakryta do końca kolejki.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="26"/>
        <source>After each throw the player either covers the number equal to the sum of the dice, or covers the two numbers shown by the dice, one after the other. Both dice must be used: a die&apos;s number can only be taken if the other die&apos;s number can be taken too, so a double can only be taken as its sum. With a 3 and a 4 the player covers 7, or 3 and 4. With two 4s the only move is 8.</source>
        <translation>Po każdym rzucie gracz zakrywa albo liczbę równą sumie oczek na kostkach, albo – jedną po drugiej – obie liczby wyrzucone na kostkach. Trzeba wykorzystać obie kostki: liczbę z jednej kostki można wziąć tylko wtedy, gdy da się wziąć także liczbę z drugiej, dlatego dublet liczy się tylko jako suma. Przy 3 i 4 gracz zakrywa albo 7, albo 3 i 4. Przy dwóch czwórkach jedynym ruchem jest 8.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="32"/>
        <source>Scoring and turns</source>
        <translation>Punkty i kolejki</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="33"/>
        <source>Each number covered scores its own value for the player who covered it.</source>
        <translation>Każda zakryta liczba daje graczowi, który ją zakrył, tyle punktów, ile wynosi.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="35"/>
        <source>The player goes on throwing until a throw allows no valid move; the dice then pass to the next player in the order Red, Magenta, Yellow, Green. Double five and double six always end a turn, as they never allow a move.</source>
        <translation>Gracz rzuca dalej, dopóki rzut pozwala na prawidłowy ruch; potem kostki przechodzą do następnego gracza w kolejności: Czerwony, Purpurowy, Żółty, Zielony. Dwie piątki i dwie szóstki zawsze kończą kolejkę, bo nigdy nie pozwalają na ruch.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="39"/>
        <source>7, 8 and 9</source>
        <translation>7, 8 i 9</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="40"/>
        <source>Once 7, 8 and 9 are covered the player may choose to throw a single die for the rest of the turn, by ticking the box Throw Just One Die.</source>
        <translation>Gdy 7, 8 i 9 są zakryte, gracz może do końca kolejki rzucać jedną kostką – wystarczy zaznaczyć pole „Rzucaj jedną kostką”.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="43"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="44"/>
        <source>A player who covers all nine numbers has made Ninefold: the counters are removed, all the numbers are open again, and the same player carries on throwing.</source>
        <translation>Gracz, który zakryje wszystkie dziewięć liczb, zdobywa Ninefold: żetony zostają zdjęte, wszystkie liczby są znów wolne, a ten sam gracz rzuca dalej.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="47"/>
        <source>The end of the game</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="48"/>
        <source>A game has five rounds; in each round every player has one turn. After the fifth round the player with the highest total wins. If two or more players share the highest total the game is a draw.</source>
        <translation>Gra ma pięć rund; w każdej rundzie każdy gracz ma jedną kolejkę. Po piątej rundzie wygrywa gracz z największą liczbą punktów. Jeśli dwóch lub więcej graczy ma ten sam najwyższy wynik, gra kończy się remisem.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="52"/>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="53"/>
        <source>Two to four people play at one computer, or one person plays Red against the computer, which always plays Magenta. Exit keeps an unfinished game, and Restart Previous Game on the title screen continues it.</source>
        <translation>Od dwóch do czterech osób gra przy jednym komputerze albo jedna osoba gra Czerwonym przeciw komputerowi, który zawsze gra Purpurowym. „Wyjdź” zachowuje niedokończoną grę, a „Wznów poprzednią grę” na ekranie tytułowym pozwala ją kontynuować.</translation>
    </message>
</context>
<context>
    <name>RulesPages</name>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="41"/>
        <source>The Rules of Ninefold</source>
        <translation>Zasady gry Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="64"/>
        <source>After five rounds the player with the highest score wins.</source>
        <translation>Po pięciu rundach wygrywa gracz z największą liczbą punktów.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="66"/>
        <source>Page 1 of 3</source>
        <translation>Strona 1 z 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="67"/>
        <location filename="../src/screens/RulesScreens.cpp" line="160"/>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Dalej</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="69"/>
        <source>If there is just one player, select button &apos;1&apos; to play against the computer. The computer always plays as the second player - Magenta.</source>
        <translation>Jeśli gra tylko jedna osoba, wybierz przycisk „1”, aby grać przeciw komputerowi. Komputer zawsze gra jako drugi gracz – Purpurowy.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="75"/>
        <source>The game is designed for 2 - 4 players or one player against the computer. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Red, Magenta, Yellow, Green. </source>
        <translation>Gra jest przeznaczona dla 2–4 graczy albo dla jednego gracza przeciw komputerowi. Aby zacząć grę, kliknij przycisk z liczbą graczy. Gracze grają potem w tej kolejności: Czerwony, Purpurowy, Żółty, Zielony.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="81"/>
        <source>Getting ready to play</source>
        <translation>Przygotowanie do gry</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="84"/>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Przed rozpoczęciem gry gracze mogą ustawić jej opcje.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="88"/>
        <source>The player continues to throw the dice until no valid move is available. The dice then pass to the next player. The players are awarded points equal to each number that they cover. </source>
        <translation>Gracz rzuca kostkami, dopóki ma prawidłowy ruch. Potem kostki przechodzą do następnego gracza. Za każdą zakrytą liczbę gracz dostaje tyle punktów, ile ona wynosi.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="94"/>
        <source>Players take turns to throw two dice. After throwing the dice, a player can either take the scores on each die separately or take the sum of the two scores. For example, if the dice show a 3 and a 4, the player has two options. They could put a counter on the number 3 and a counter on the number 4, or, alternatively, they could can put a counter on the number 7. Once a counter has been put on a number it is no longer available.</source>
        <translation>Gracze po kolei rzucają dwiema kostkami. Po rzucie gracz może wziąć oczka z każdej kostki osobno albo ich sumę. Na przykład gdy kostki pokazują 3 i 4, gracz ma dwie możliwości: położyć żeton na liczbie 3 i żeton na liczbie 4 albo położyć żeton na liczbie 7. Liczba, na której leży żeton, nie jest już dostępna.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="104"/>
        <source>The playing board shows the numbers 1 to 9. To ‘Ninefold’ a player must place a counter on all nine numbers. </source>
        <translation>Plansza pokazuje liczby od 1 do 9. Aby zdobyć „Ninefold”, gracz musi położyć żeton na wszystkich dziewięciu liczbach.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="108"/>
        <source>Summary of the rules</source>
        <translation>Podsumowanie zasad</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="111"/>
        <location filename="../src/screens/RulesScreens.cpp" line="168"/>
        <location filename="../src/screens/RulesScreens.cpp" line="216"/>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="124"/>
        <source>Note that the player must use the scores on both dice. This restricts the options if a double is thrown. For example, if a player throws two 4s, then the only move available is to place a counter on the number 8. They cannot put a counter on the number 4, as this would only use the score on one of their dice.</source>
        <translation>Gracz musi wykorzystać oczka z obu kostek. To ogranicza możliwości przy dublecie. Na przykład gdy gracz wyrzuci dwie czwórki, jedynym możliwym ruchem jest położenie żetonu na liczbie 8. Nie może położyć żetonu na liczbie 4, bo wykorzystałby wtedy oczka tylko z jednej kostki.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="132"/>
        <source>Selecting the number on the board</source>
        <translation>Wybór liczby na planszy</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="136"/>
        <source>After throwing the dice, the player can either take the scores on each die separately or take the sum of the two scores. For example, if the dice show a 3 and a 4, the player has two options. They could put a counter on the number 3 and a counter on the number 4, or, alternatively, they could put a counter on the number 7. </source>
        <translation>Po rzucie gracz może wziąć oczka z każdej kostki osobno albo ich sumę. Na przykład gdy kostki pokazują 3 i 4, gracz ma dwie możliwości: położyć żeton na liczbie 3 i żeton na liczbie 4 albo położyć żeton na liczbie 7.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="144"/>
        <source>To place a counter on a number the player must click the number. The player will then be awarded points equal to the number. Once a counter has been put on a number it is no longer available.</source>
        <translation>Aby położyć żeton na liczbie, gracz klika tę liczbę. Dostaje wtedy tyle punktów, ile ona wynosi. Liczba, na której leży żeton, nie jest już dostępna.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="149"/>
        <source>Throw Dice</source>
        <translation>Rzuć kostkami</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="158"/>
        <source>Page 2 of 3</source>
        <translation>Strona 2 z 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="159"/>
        <location filename="../src/screens/RulesScreens.cpp" line="201"/>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Wstecz</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="161"/>
        <source>The player whose turn it is clicks the button labelled &apos;Throw Dice&apos;. Two numbers are then randomly generated, corresponding to the dice throw. </source>
        <translation>Gracz, na którego przypada kolejka, klika przycisk „Rzuć kostkami”. Program losuje wtedy dwie liczby – wynik rzutu kostkami.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="165"/>
        <source>Generating a number</source>
        <translation>Rzut kostkami</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="171"/>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Kliknij przycisk po prawej, aby wypróbować rzut kostkami.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="174"/>
        <source>The player continues to throw the dice until they cannot make a valid move with their throw. It is then the turn of the next player. If a player throws a double five or a double six, it is always the end of their turn, as there is never a valid move for these throws.</source>
        <translation>Gracz rzuca kostkami, dopóki jego rzut pozwala na prawidłowy ruch. Potem kolejka przechodzi na następnego gracza. Dwie piątki albo dwie szóstki zawsze kończą kolejkę, bo przy takim rzucie nigdy nie ma prawidłowego ruchu.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="189"/>
        <source>If a player covers all nine numbers they have &apos;Ninefold&apos;. The counters are then removed, so that all the numbers are available again. The player then continues with their turn and throws the dice.</source>
        <translation>Jeśli gracz zakryje wszystkie dziewięć liczb, zdobywa „Ninefold”. Żetony zostają wtedy zdjęte i wszystkie liczby są znów dostępne. Gracz kontynuuje swoją kolejkę i rzuca dalej.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="194"/>
        <source>&apos;Ninefolding&apos;</source>
        <translation>Zdobycie „Ninefold”</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="195"/>
        <source>Open Rules Document for Printing</source>
        <translation>Otwórz zasady do druku</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="200"/>
        <source>Page 3 of 3</source>
        <translation>Strona 3 z 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="203"/>
        <source>There are five rounds in a game. After the five rounds the player with the highest total of points is the winner.</source>
        <translation>Gra ma pięć rund. Po pięciu rundach wygrywa gracz z największą sumą punktów.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="207"/>
        <source>The End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="210"/>
        <source>If a player manages to cover the numbers 7, 8 and 9, they can opt to throw a single die for their subsequent throws. The program will offer a check box at this point. Click the check box to choose to throw a single die.</source>
        <translation>Jeśli graczowi uda się zakryć liczby 7, 8 i 9, może w kolejnych rzutach rzucać jedną kostką. Program pokaże wtedy pole wyboru. Zaznacz je, aby rzucać jedną kostką.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="215"/>
        <source>7, 8 and 9</source>
        <translation>7, 8 i 9</translation>
    </message>
    <message>
        <location filename="../src/front/RulesPage.cpp" line="37"/>
        <source>The Rules, page %1 of 3</source>
        <translation>Zasady, strona %1 z 3</translation>
    </message>
</context>
<context>
    <name>Startplay2</name>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="83"/>
        <source>Hide Desktop</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="90"/>
        <source>Play Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="107"/>
        <source>The Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="112"/>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="136"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="147"/>
        <source>Select Number of Players</source>
        <translation>Wybierz liczbę graczy</translation>
    </message>
    <message>
        <location filename="../src/front/SetupScreen.cpp" line="34"/>
        <source>Ninefold, new game</source>
        <translation>Ninefold, nowa gra</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="12"/>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="13"/>
        <source>People</source>
        <translation>Ludzie</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="14"/>
        <source>Against the classic computer</source>
        <translation>Przeciw klasycznemu komputerowi</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="15"/>
        <source>Against the expert computer</source>
        <translation>Przeciw eksperckiemu komputerowi</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="16"/>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="16"/>
        <source>Magenta</source>
        <translation>Purpurowy</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="17"/>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="17"/>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="19"/>
        <source>Seat</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="19"/>
        <source>Matches</source>
        <translation>Gry</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="20"/>
        <source>Wins</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="20"/>
        <source>Draws</source>
        <translation>Remisy</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="21"/>
        <source>Best</source>
        <translation>Najlepszy</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="21"/>
        <source>Mean</source>
        <translation>Średni</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="22"/>
        <source>Clears</source>
        <translation>Ninefoldy</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="22"/>
        <source>Points lost per turn</source>
        <translation>Strata na kolejkę</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="24"/>
        <source>%1: matches %2, wins %3, draws %4, best total %5, mean total %6, clears %7, points lost per turn %8</source>
        <extracomment>%1 the seat colour, then its figures in the columns&apos; order.</extracomment>
        <translation>%1: gry %2, wygrane %3, remisy %4, najlepszy wynik %5, średni wynik %6, Ninefoldy %7, strata na kolejkę %8</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="27"/>
        <source>Matches recorded: %1</source>
        <translation>Zapisane gry: %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="29"/>
        <source>The last %1 matches: totals, and points lost per turn</source>
        <translation>Ostatnie gry (%1): wyniki i strata na kolejkę</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="31"/>
        <source>Last match (%1): %2; %3 won</source>
        <extracomment>%1 the kind of board, %2 the seats&apos; totals (&quot;Red 62, Magenta 48&quot;).</extracomment>
        <translation>Ostatnia gra (%1): %2; wygrał %3</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="32"/>
        <source>Last match (%1): %2; a draw</source>
        <translation>Ostatnia gra (%1): %2; remis</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="34"/>
        <source>It was continued from a saved game: its throws before are not known.</source>
        <translation>Gra została wznowiona z zapisu: wcześniejsze rzuty nie są znane.</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="35"/>
        <source>The costliest choices of the last match</source>
        <translation>Najdroższe decyzje ostatniej gry</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="36"/>
        <source>No choice of the last match lost points.</source>
        <translation>Żadna decyzja w ostatniej grze nie kosztowała punktów.</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="39"/>
        <source>round %1, %2, %3: %4, best was %5 (%6 points lost)</source>
        <extracomment>%1 round, %2 seat colour, %3 the situation, %4 the choice, %5 the best choice, %6 points.</extracomment>
        <translation>runda %1, %2 (%3): %4, najlepszy wybór: %5 (strata %6 punktu)</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="40"/>
        <source>dice %1 and %2 with %3 covered</source>
        <translation>kostki %1 i %2, zakryte: %3</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="41"/>
        <source>dice %1 and %2 on an open board</source>
        <translation>kostki %1 i %2, pusta plansza</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="42"/>
        <source>die %1 with %2 covered</source>
        <translation>kostka %1, zakryte: %2</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="43"/>
        <source>with %1 covered</source>
        <translation>zakryte: %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="44"/>
        <source>covered %1</source>
        <translation>zakrył %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="45"/>
        <source>one die</source>
        <translation>jedna kostka</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="46"/>
        <source>two dice</source>
        <translation>dwie kostki</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="47"/>
        <source>threw one die</source>
        <translation>rzucił jedną kostką</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="48"/>
        <source>threw two dice</source>
        <translation>rzucił dwiema kostkami</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="50"/>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of numbers: &quot;1, 2 and 7&quot;.</extracomment>
        <translation>%1 i %2</translation>
    </message>
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="7"/>
        <source>Ninefold 2026 - free to play and to share</source>
        <extracomment>Also on the setup screen.</extracomment>
        <translation>Ninefold 2026 – graj i udostępniaj za darmo</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="26"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="40"/>
        <source>Restart Previous Game</source>
        <translation>Wznów poprzednią grę</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="46"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="52"/>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <location filename="../src/front/TitleScreen.cpp" line="14"/>
        <source>Show statistics</source>
        <translation>Pokaż statystyki</translation>
    </message>
    <message>
        <location filename="../src/front/TitleScreen.cpp" line="25"/>
        <source>Ninefold, title screen</source>
        <translation>Ninefold, ekran tytułowy</translation>
    </message>
</context>
</TS>
