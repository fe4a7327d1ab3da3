<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Board</name>
    <message>
        <location filename="../src/engine/Players.h" line="50"/>
        <source>ROUND %1 OF 5</source>
        <translation>РАУНД %1 ИЗ 5</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="11"/>
        <source>Show hint</source>
        <translation>Показать подсказку</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="12"/>
        <source>Show statistics</source>
        <translation>Показать статистику</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="13"/>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="14"/>
        <source>First die</source>
        <translation>Первый кубик</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="15"/>
        <source>Second die</source>
        <translation>Второй кубик</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="16"/>
        <source>Round</source>
        <translation>Раунд</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="17"/>
        <source>Number %1</source>
        <translation>Число %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="18"/>
        <source>Red&apos;s total</source>
        <translation>Очки Красного</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="18"/>
        <source>Magenta&apos;s total</source>
        <translation>Очки Пурпурного</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="19"/>
        <source>Yellow&apos;s total</source>
        <translation>Очки Жёлтого</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="19"/>
        <source>Green&apos;s total</source>
        <translation>Очки Зелёного</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="22"/>
        <source>Threw %1 and %2</source>
        <translation>Выпало %1 и %2</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="23"/>
        <source>Threw %1</source>
        <translation>Выпало %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="24"/>
        <source>Covered %1</source>
        <translation>Закрыто %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="25"/>
        <source>Number %1, covered by Red</source>
        <translation>Число %1, закрыл Красный</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="26"/>
        <source>Number %1, covered by Magenta</source>
        <translation>Число %1, закрыл Пурпурный</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="27"/>
        <source>Number %1, covered by Yellow</source>
        <translation>Число %1, закрыл Жёлтый</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="28"/>
        <source>Number %1, covered by Green</source>
        <translation>Число %1, закрыл Зелёный</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="19"/>
        <location filename="../src/screens/BoardScreens.cpp" line="92"/>
        <source>RED TO PLAY</source>
        <translation>ХОДИТ КРАСНЫЙ</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="19"/>
        <source>RED HAS WON!</source>
        <translation>ПОБЕДИЛ КРАСНЫЙ!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="21"/>
        <source>MAGENTA TO PLAY</source>
        <translation>ХОДИТ ПУРПУРНЫЙ</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="21"/>
        <source>MAGENTA HAS WON!</source>
        <translation>ПОБЕДИЛ ПУРПУРНЫЙ!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="23"/>
        <source>YELLOW TO PLAY</source>
        <translation>ХОДИТ ЖЁЛТЫЙ</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="23"/>
        <source>YELLOW HAS WON!</source>
        <translation>ПОБЕДИЛ ЖЁЛТЫЙ!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="25"/>
        <source>GREEN TO PLAY</source>
        <translation>ХОДИТ ЗЕЛЁНЫЙ</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="25"/>
        <source>GREEN HAS WON!</source>
        <translation>ПОБЕДИЛ ЗЕЛЁНЫЙ!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="45"/>
        <source>TURN OVER</source>
        <translation>ХОД ОКОНЧЕН</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="46"/>
        <source>IT&apos;S A DRAW</source>
        <translation>НИЧЬЯ</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="52"/>
        <source>END OF GAME</source>
        <translation>КОНЕЦ ИГРЫ</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="14"/>
        <source>Throw Just One Die</source>
        <translation>Бросать один кубик</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="23"/>
        <source>ROUND 1 OF 5</source>
        <translation>РАУНД 1 ИЗ 5</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="77"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="82"/>
        <source>Throw Dice</source>
        <translation>Бросить кубики</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="87"/>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="105"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="140"/>
        <source>The computer is playing as magenta</source>
        <translation>Компьютер — Пурпурный</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <location filename="../src/engine/Hint.h" line="34"/>
        <source>cover %1</source>
        <translation>закрыть %1</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="35"/>
        <source>cover %1 and %2</source>
        <translation>закрыть %1 и %2</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="36"/>
        <source>throw one die</source>
        <translation>бросить один кубик</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="37"/>
        <source>throw two dice</source>
        <translation>бросить два кубика</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="38"/>
        <source>tick Throw Just One Die</source>
        <translation>отметить «Бросать один кубик»</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="39"/>
        <source>untick Throw Just One Die</source>
        <translation>снять отметку «Бросать один кубик»</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="13"/>
        <source>The Rules of Ninefold</source>
        <translation>Правила игры Ninefold</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="21"/>
        <source>The board and the dice</source>
        <translation>Поле и кубики</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="22"/>
        <source>The playing board shows the numbers 1 to 9. Players take turns to throw two dice and place counters on the numbers. A covered number stays covered for the rest of the turn.</source>
        <translation>На игровом поле — числа от 1 до 9. Игроки по очереди бросают два кубика и кладут на числа фишки. Закрытое число остаётся закрытым до конца хода.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="26"/>
        <source>After each throw the player either covers the number equal to the sum of the dice, or covers the two numbers shown by the dice, one after the other. Both dice must be used: a die&apos;s number can only be taken if the other die&apos;s number can be taken too, so a double can only be taken as its sum. With a 3 and a 4 the player covers 7, or 3 and 4. With two 4s the only move is 8.</source>
        <translation>После каждого броска игрок закрывает либо число, равное сумме кубиков, либо, одно за другим, оба числа, выпавшие на кубиках. Использовать нужно оба кубика: число одного кубика можно взять, только если можно взять и число другого, поэтому дубль можно взять только как сумму. При 3 и 4 игрок закрывает либо 7, либо 3 и 4. При двух четвёрках единственный вариант — 8.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="32"/>
        <source>Scoring and turns</source>
        <translation>Очки и ходы</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="33"/>
        <source>Each number covered scores its own value for the player who covered it.</source>
        <translation>Каждое закрытое число приносит закрывшему его игроку столько очков, сколько оно само.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="35"/>
        <source>The player goes on throwing until a throw allows no valid move; the dice then pass to the next player in the order Red, Magenta, Yellow, Green. Double five and double six always end a turn, as they never allow a move.</source>
        <translation>Игрок продолжает бросать, пока бросок даёт допустимый вариант; затем кубики переходят к следующему игроку в порядке: Красный, Пурпурный, Жёлтый, Зелёный. Две пятёрки и две шестёрки всегда завершают ход, потому что не дают ни одного варианта.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="39"/>
        <source>7, 8 and 9</source>
        <translation>7, 8 и 9</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="40"/>
        <source>Once 7, 8 and 9 are covered the player may choose to throw a single die for the rest of the turn, by ticking the box Throw Just One Die.</source>
        <translation>Когда 7, 8 и 9 закрыты, игрок может по желанию до конца хода бросать один кубик, отметив флажок «Бросать один кубик».</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="43"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="44"/>
        <source>A player who covers all nine numbers has made Ninefold: the counters are removed, all the numbers are open again, and the same player carries on throwing.</source>
        <translation>Игрок, закрывший все девять чисел, сделал Ninefold: фишки убираются, все числа снова свободны, и тот же игрок продолжает бросать.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="47"/>
        <source>The end of the game</source>
        <translation>Конец игры</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="48"/>
        <source>A game has five rounds; in each round every player has one turn. After the fifth round the player with the highest total wins. If two or more players share the highest total the game is a draw.</source>
        <translation>Игра состоит из пяти раундов; в каждом раунде у каждого игрока один ход. После пятого раунда побеждает игрок с наибольшей суммой очков. Если наибольшая сумма у двух или более игроков, игра заканчивается вничью.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="52"/>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="53"/>
        <source>Two to four people play at one computer, or one person plays Red against the computer, which always plays Magenta. Exit keeps an unfinished game, and Restart Previous Game on the title screen continues it.</source>
        <translation>За одним компьютером играют от двух до четырёх человек, или один человек играет за Красного против компьютера, который всегда играет за Пурпурного. «Выход» сохраняет неоконченную игру, а «Продолжить прошлую игру» на начальном экране позволяет её доиграть.</translation>
    </message>
</context>
<context>
    <name>RulesPages</name>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="41"/>
        <source>The Rules of Ninefold</source>
        <translation>Правила игры Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="64"/>
        <source>After five rounds the player with the highest score wins.</source>
        <translation>После пяти раундов побеждает игрок, набравший больше всех очков.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="66"/>
        <source>Page 1 of 3</source>
        <translation>Страница 1 из 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="67"/>
        <location filename="../src/screens/RulesScreens.cpp" line="160"/>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Далее</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="69"/>
        <source>If there is just one player, select button &apos;1&apos; to play against the computer. The computer always plays as the second player - Magenta.</source>
        <translation>Если игрок один, нажмите кнопку «1», чтобы играть против компьютера. Компьютер всегда играет вторым — за Пурпурного.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="75"/>
        <source>The game is designed for 2 - 4 players or one player against the computer. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Red, Magenta, Yellow, Green. </source>
        <translation>Игра рассчитана на 2–4 игроков или на одного игрока против компьютера. Чтобы начать игру, нажмите кнопку с числом игроков. Затем игроки ходят по очереди в таком порядке: Красный, Пурпурный, Жёлтый, Зелёный.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="81"/>
        <source>Getting ready to play</source>
        <translation>Подготовка к игре</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="84"/>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Перед началом игры игроки могут настроить её параметры.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="88"/>
        <source>The player continues to throw the dice until no valid move is available. The dice then pass to the next player. The players are awarded points equal to each number that they cover. </source>
        <translation>Игрок продолжает бросать кубики, пока бросок даёт ему допустимый вариант. Затем кубики переходят к следующему игроку. За каждое закрытое число игрок получает столько очков, сколько это число.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="94"/>
        <source>Players take turns to throw two dice. After throwing the dice, a player can either take the scores on each die separately or take the sum of the two scores. For example, if the dice show a 3 and a 4, the player has two options. They could put a counter on the number 3 and a counter on the number 4, or, alternatively, they could can put a counter on the number 7. Once a counter has been put on a number it is no longer available.</source>
        <translation>Игроки по очереди бросают два кубика. После броска игрок может взять либо значение каждого кубика по отдельности, либо их сумму. Например, если на кубиках выпали 3 и 4, у игрока два варианта: положить фишку на число 3 и фишку на число 4 или же положить фишку на число 7. Число, на котором лежит фишка, больше недоступно.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="104"/>
        <source>The playing board shows the numbers 1 to 9. To ‘Ninefold’ a player must place a counter on all nine numbers. </source>
        <translation>На игровом поле — числа от 1 до 9. Чтобы сделать «Ninefold», игрок должен положить фишки на все девять чисел.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="108"/>
        <source>Summary of the rules</source>
        <translation>Краткие правила</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="111"/>
        <location filename="../src/screens/RulesScreens.cpp" line="168"/>
        <location filename="../src/screens/RulesScreens.cpp" line="216"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="124"/>
        <source>Note that the player must use the scores on both dice. This restricts the options if a double is thrown. For example, if a player throws two 4s, then the only move available is to place a counter on the number 8. They cannot put a counter on the number 4, as this would only use the score on one of their dice.</source>
        <translation>Игрок обязан использовать значения обоих кубиков. Это сужает выбор при дубле. Например, если выпали две четвёрки, единственный вариант — положить фишку на число 8. Положить фишку на число 4 нельзя: так использовалось бы значение только одного кубика.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="132"/>
        <source>Selecting the number on the board</source>
        <translation>Выбор числа на поле</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="136"/>
        <source>After throwing the dice, the player can either take the scores on each die separately or take the sum of the two scores. For example, if the dice show a 3 and a 4, the player has two options. They could put a counter on the number 3 and a counter on the number 4, or, alternatively, they could put a counter on the number 7. </source>
        <translation>После броска игрок может взять либо значение каждого кубика по отдельности, либо их сумму. Например, если на кубиках выпали 3 и 4, у игрока два варианта: положить фишку на число 3 и фишку на число 4 или же положить фишку на число 7.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="144"/>
        <source>To place a counter on a number the player must click the number. The player will then be awarded points equal to the number. Once a counter has been put on a number it is no longer available.</source>
        <translation>Чтобы положить фишку на число, игрок щёлкает по этому числу и получает столько очков, сколько это число. Число, на котором лежит фишка, больше недоступно.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="149"/>
        <source>Throw Dice</source>
        <translation>Бросить кубики</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="158"/>
        <source>Page 2 of 3</source>
        <translation>Страница 2 из 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="159"/>
        <location filename="../src/screens/RulesScreens.cpp" line="201"/>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Назад</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="161"/>
        <source>The player whose turn it is clicks the button labelled &apos;Throw Dice&apos;. Two numbers are then randomly generated, corresponding to the dice throw. </source>
        <translation>Игрок, чей сейчас ход, нажимает кнопку «Бросить кубики». Программа случайно выбирает два числа — это и есть бросок кубиков.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="165"/>
        <source>Generating a number</source>
        <translation>Бросок кубиков</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="171"/>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Нажмите кнопку справа и попробуйте бросить кубики.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="174"/>
        <source>The player continues to throw the dice until they cannot make a valid move with their throw. It is then the turn of the next player. If a player throws a double five or a double six, it is always the end of their turn, as there is never a valid move for these throws.</source>
        <translation>Игрок продолжает бросать кубики, пока бросок даёт ему допустимый вариант. Затем ход переходит к следующему игроку. Две пятёрки или две шестёрки всегда завершают ход: при таком броске допустимого варианта не бывает.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="189"/>
        <source>If a player covers all nine numbers they have &apos;Ninefold&apos;. The counters are then removed, so that all the numbers are available again. The player then continues with their turn and throws the dice.</source>
        <translation>Если игрок закрыл все девять чисел, у него «Ninefold». Фишки убираются, и все числа снова доступны. Игрок продолжает свой ход и снова бросает кубики.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="194"/>
        <source>&apos;Ninefolding&apos;</source>
        <translation>«Ninefold»</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="195"/>
        <source>Open Rules Document for Printing</source>
        <translation>Открыть правила для печати</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="200"/>
        <source>Page 3 of 3</source>
        <translation>Страница 3 из 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="203"/>
        <source>There are five rounds in a game. After the five rounds the player with the highest total of points is the winner.</source>
        <translation>Игра состоит из пяти раундов. После пяти раундов побеждает игрок с наибольшей суммой очков.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="207"/>
        <source>The End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="210"/>
        <source>If a player manages to cover the numbers 7, 8 and 9, they can opt to throw a single die for their subsequent throws. The program will offer a check box at this point. Click the check box to choose to throw a single die.</source>
        <translation>Если игроку удалось закрыть числа 7, 8 и 9, дальше он может по желанию бросать один кубик. В этот момент программа покажет флажок «Бросать один кубик». Отметьте его, чтобы бросать один кубик.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="215"/>
        <source>7, 8 and 9</source>
        <translation>7, 8 и 9</translation>
    </message>
    <message>
        <location filename="../src/front/RulesPage.cpp" line="37"/>
        <source>The Rules, page %1 of 3</source>
        <translation>Правила, страница %1 из 3</translation>
    </message>
</context>
<context>
    <name>Startplay2</name>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="83"/>
        <source>Hide Desktop</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="90"/>
        <source>Play Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="107"/>
        <source>The Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="112"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="136"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="147"/>
        <source>Select Number of Players</source>
        <translation>Сколько игроков?</translation>
    </message>
    <message>
        <location filename="../src/front/SetupScreen.cpp" line="34"/>
        <source>Ninefold, new game</source>
        <translation>Ninefold, новая игра</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="12"/>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="13"/>
        <source>People</source>
        <translation>Люди</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="14"/>
        <source>Against the classic computer</source>
        <translation>Против классического компьютера</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="15"/>
        <source>Against the expert computer</source>
        <translation>Против компьютера-эксперта</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="16"/>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="16"/>
        <source>Magenta</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="17"/>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="17"/>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="19"/>
        <source>Seat</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="19"/>
        <source>Matches</source>
        <translation>Игры</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="20"/>
        <source>Wins</source>
        <translation>Победы</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="20"/>
        <source>Draws</source>
        <translation>Ничьи</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="21"/>
        <source>Best</source>
        <translation>Лучший</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="21"/>
        <source>Mean</source>
        <translation>Средний</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="22"/>
        <source>Clears</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="22"/>
        <source>Points lost per turn</source>
        <translation>Потери за ход</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="24"/>
        <source>%1: matches %2, wins %3, draws %4, best total %5, mean total %6, clears %7, points lost per turn %8</source>
        <extracomment>%1 the seat colour, then its figures in the columns&apos; order.</extracomment>
        <translation>%1: игры %2, победы %3, ничьи %4, лучший результат %5, средний результат %6, Ninefold %7, потери за ход %8</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="27"/>
        <source>Matches recorded: %1</source>
        <translation>Записано игр: %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="29"/>
        <source>The last %1 matches: totals, and points lost per turn</source>
        <translation>Последние игры (%1): очки и потери за ход</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="31"/>
        <source>Last match (%1): %2; %3 won</source>
        <extracomment>%1 the kind of board, %2 the seats&apos; totals (&quot;Red 62, Magenta 48&quot;).</extracomment>
        <translation>Последняя игра (%1): %2; победил %3</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="32"/>
        <source>Last match (%1): %2; a draw</source>
        <translation>Последняя игра (%1): %2; ничья</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="34"/>
        <source>It was continued from a saved game: its throws before are not known.</source>
        <translation>Игра была продолжена из сохранения: предыдущие броски неизвестны.</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="35"/>
        <source>The costliest choices of the last match</source>
        <translation>Самые дорогие решения последней игры</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="36"/>
        <source>No choice of the last match lost points.</source>
        <translation>Ни одно решение в последней игре не стоило очков.</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="39"/>
        <source>round %1, %2, %3: %4, best was %5 (%6 points lost)</source>
        <extracomment>%1 round, %2 seat colour, %3 the situation, %4 the choice, %5 the best choice, %6 points.</extracomment>
        <translation>раунд %1, %2 (%3): %4, лучший вариант — %5 (потеря %6 очка)</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="40"/>
        <source>dice %1 and %2 with %3 covered</source>
        <translation>кубики %1 и %2, закрыто %3</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="41"/>
        <source>dice %1 and %2 on an open board</source>
        <translation>кубики %1 и %2, ничего не закрыто</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="42"/>
        <source>die %1 with %2 covered</source>
        <translation>кубик %1, закрыто %2</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="43"/>
        <source>with %1 covered</source>
        <translation>закрыто %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="44"/>
        <source>covered %1</source>
        <translation>закрыл %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="45"/>
        <source>one die</source>
        <translation>один кубик</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="46"/>
        <source>two dice</source>
        <translation>два кубика</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="47"/>
        <source>threw one die</source>
        <translation>бросил один кубик</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="48"/>
        <source>threw two dice</source>
        <translation>бросил два кубика</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="50"/>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of numbers: &quot;1, 2 and 7&quot;.</extracomment>
        <translation>%1 и %2</translation>
    </message>
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="7"/>
        <source>Ninefold 2026 - free to play and to share</source>
        <extracomment>Also on the setup screen.</extracomment>
        <translation>Ninefold 2026 — свободная игра для всех</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="26"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="40"/>
        <source>Restart Previous Game</source>
        <translation>Продолжить прошлую игру</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="46"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="52"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location filename="../src/front/TitleScreen.cpp" line="14"/>
        <source>Show statistics</source>
        <translation>Показать статистику</translation>
    </message>
    <message>
        <location filename="../src/front/TitleScreen.cpp" line="25"/>
        <source>Ninefold, title screen</source>
        <translation>Ninefold, титульный экран</translation>
    </message>
</context>
</TS>
