<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Board</name>
    <message>
        <location filename="../src/engine/Players.h" line="50"/>
        <source>ROUND %1 OF 5</source>
        <translation>第 %1 轮，共 5 轮</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="11"/>
        <source>Show hint</source>
        <translation>显示提示</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="12"/>
        <source>Show statistics</source>
        <translation>显示统计</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="13"/>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="14"/>
        <source>First die</source>
        <translation>第一个骰子</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="15"/>
        <source>Second die</source>
        <translation>第二个骰子</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="16"/>
        <source>Round</source>
        <translation>轮次</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="17"/>
        <source>Number %1</source>
        <translation>数字 %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="18"/>
        <source>Red&apos;s total</source>
        <translation>红方得分</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="18"/>
        <source>Magenta&apos;s total</source>
        <translation>品红方得分</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="19"/>
        <source>Yellow&apos;s total</source>
        <translation>黄方得分</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="19"/>
        <source>Green&apos;s total</source>
        <translation>绿方得分</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="22"/>
        <source>Threw %1 and %2</source>
        <translation>掷出 %1 和 %2</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="23"/>
        <source>Threw %1</source>
        <translation>掷出 %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="24"/>
        <source>Covered %1</source>
        <translation>盖住了 %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="25"/>
        <source>Number %1, covered by Red</source>
        <translation>数字 %1，红方盖住</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="26"/>
        <source>Number %1, covered by Magenta</source>
        <translation>数字 %1，品红方盖住</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="27"/>
        <source>Number %1, covered by Yellow</source>
        <translation>数字 %1，黄方盖住</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="28"/>
        <source>Number %1, covered by Green</source>
        <translation>数字 %1，绿方盖住</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="19"/>
        <location filename="../src/screens/BoardScreens.cpp" line="92"/>
        <source>RED TO PLAY</source>
        <translation>轮到红方</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="19"/>
        <source>RED HAS WON!</source>
        <translation>红方获胜！</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="21"/>
        <source>MAGENTA TO PLAY</source>
        <translation>轮到品红方</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="21"/>
        <source>MAGENTA HAS WON!</source>
        <translation>品红方获胜！</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="23"/>
        <source>YELLOW TO PLAY</source>
        <translation>轮到黄方</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="23"/>
        <source>YELLOW HAS WON!</source>
        <translation>黄方获胜！</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="25"/>
        <source>GREEN TO PLAY</source>
        <translation>轮到绿方</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="25"/>
        <source>GREEN HAS WON!</source>
        <translation>绿方获胜！</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="45"/>
        <source>TURN OVER</source>
        <translation>回合结束</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="46"/>
        <source>IT&apos;S A DRAW</source>
        <translation>平局</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="52"/>
        <source>END OF GAME</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="14"/>
        <source>Throw Just One Die</source>
        <translation>只掷一个骰子</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="23"/>
        <source>ROUND 1 OF 5</source>
        <translation>第 1 轮，共 5 轮</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="77"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="82"/>
        <source>Throw Dice</source>
        <translation>掷骰子</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="87"/>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="105"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="140"/>
        <source>The computer is playing as magenta</source>
        <translation>电脑执品红方</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <location filename="../src/engine/Hint.h" line="34"/>
        <source>cover %1</source>
        <translation>盖住 %1</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="35"/>
        <source>cover %1 and %2</source>
        <translation>盖住 %1 和 %2</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="36"/>
        <source>throw one die</source>
        <translation>掷一个骰子</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="37"/>
        <source>throw two dice</source>
        <translation>掷两个骰子</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="38"/>
        <source>tick Throw Just One Die</source>
        <translation>勾选“只掷一个骰子”</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="39"/>
        <source>untick Throw Just One Die</source>
        <translation>取消勾选“只掷一个骰子”</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="13"/>
        <source>The Rules of Ninefold</source>
        <translation>Ninefold 游戏规则</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="21"/>
        <source>The board and the dice</source>
        <translation>棋盘和骰子</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="22"/>
        <source>The playing board shows the numbers 1 to 9. Players take turns to throw two dice and place counters on the numbers. A covered number stays covered for the rest of the turn.</source>
        <translation>棋盘上有数字 1 到 9。玩家轮流掷两个骰子，并把筹码放在数字上。被盖住的数字在本回合余下的时间里一直保持盖住。</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="26"/>
        <source>After each throw the player either covers the number equal to the sum of the dice, or covers the two numbers shown by the dice, one after the other. Both dice must be used: a die&apos;s number can only be taken if the other die&apos;s number can be taken too, so a double can only be taken as its sum. With a 3 and a 4 the player covers 7, or 3 and 4. With two 4s the only move is 8.</source>
        <translation>每次掷骰后，玩家要么盖住与两个骰子点数之和相等的数字，要么依次盖住两个骰子各自显示的数字。两个骰子都必须用上：只有当另一个骰子的数字也能取时，才能取一个骰子的数字，因此对子只能按点数之和来取。掷出 3 和 4 时，玩家盖住 7，或者盖住 3 和 4。掷出两个 4 时，唯一的走法是 8。</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="32"/>
        <source>Scoring and turns</source>
        <translation>计分与回合</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="33"/>
        <source>Each number covered scores its own value for the player who covered it.</source>
        <translation>每盖住一个数字，盖住它的玩家就得到与该数字相同的分数。</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="35"/>
        <source>The player goes on throwing until a throw allows no valid move; the dice then pass to the next player in the order Red, Magenta, Yellow, Green. Double five and double six always end a turn, as they never allow a move.</source>
        <translation>玩家一直掷骰，直到某次掷骰没有任何有效走法；然后骰子按红方、品红方、黄方、绿方的顺序交给下一位玩家。掷出两个 5 或两个 6 时不可能有走法，所以总会结束回合。</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="39"/>
        <source>7, 8 and 9</source>
        <translation>7、8 和 9</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="40"/>
        <source>Once 7, 8 and 9 are covered the player may choose to throw a single die for the rest of the turn, by ticking the box Throw Just One Die.</source>
        <translation>盖住 7、8 和 9 后，玩家可以勾选“只掷一个骰子”方框，在本回合余下的时间里只掷一个骰子。</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="43"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="44"/>
        <source>A player who covers all nine numbers has made Ninefold: the counters are removed, all the numbers are open again, and the same player carries on throwing.</source>
        <translation>盖住全部九个数字的玩家就完成了 Ninefold：所有筹码都会被移走，所有数字重新空出，由同一位玩家继续掷骰。</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="47"/>
        <source>The end of the game</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="48"/>
        <source>A game has five rounds; in each round every player has one turn. After the fifth round the player with the highest total wins. If two or more players share the highest total the game is a draw.</source>
        <translation>一局游戏共五轮，每轮每位玩家各有一个回合。第五轮结束后，总分最高的玩家获胜。如果两位或更多玩家并列最高分，则本局为平局。</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="52"/>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="53"/>
        <source>Two to four people play at one computer, or one person plays Red against the computer, which always plays Magenta. Exit keeps an unfinished game, and Restart Previous Game on the title screen continues it.</source>
        <translation>两到四人在同一台电脑上玩，或者一人执红方与电脑对战，电脑总是执品红方。“退出”会保存未完成的游戏，在标题画面点击“继续上一局”即可接着玩。</translation>
    </message>
</context>
<context>
    <name>RulesPages</name>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="41"/>
        <source>The Rules of Ninefold</source>
        <translation>Ninefold 游戏规则</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="64"/>
        <source>After five rounds the player with the highest score wins.</source>
        <translation>五轮之后，得分最高的玩家获胜。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="66"/>
        <source>Page 1 of 3</source>
        <translation>第 1 页，共 3 页</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="67"/>
        <location filename="../src/screens/RulesScreens.cpp" line="160"/>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; 下一页</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="69"/>
        <source>If there is just one player, select button &apos;1&apos; to play against the computer. The computer always plays as the second player - Magenta.</source>
        <translation>如果只有一位玩家，请选择按钮“1”与电脑对战。电脑总是作为第二位玩家，即品红方。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="75"/>
        <source>The game is designed for 2 - 4 players or one player against the computer. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Red, Magenta, Yellow, Green. </source>
        <translation>本游戏适合 2 至 4 位玩家，或一位玩家与电脑对战。开始游戏时，点击与玩家人数对应的按钮。随后玩家按以下顺序轮流进行回合：红方、品红方、黄方、绿方。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="81"/>
        <source>Getting ready to play</source>
        <translation>准备开始</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="84"/>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>游戏开始前，玩家可以设置游戏选项。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="88"/>
        <source>The player continues to throw the dice until no valid move is available. The dice then pass to the next player. The players are awarded points equal to each number that they cover. </source>
        <translation>玩家一直掷骰，直到没有有效走法为止。然后骰子交给下一位玩家。玩家每盖住一个数字，就得到与该数字相同的分数。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="94"/>
        <source>Players take turns to throw two dice. After throwing the dice, a player can either take the scores on each die separately or take the sum of the two scores. For example, if the dice show a 3 and a 4, the player has two options. They could put a counter on the number 3 and a counter on the number 4, or, alternatively, they could can put a counter on the number 7. Once a counter has been put on a number it is no longer available.</source>
        <translation>玩家轮流掷两个骰子。掷骰后，玩家可以分别取每个骰子的点数，也可以取两个点数之和。例如，玩家掷出 3 和 4 时，有两种选择：在数字 3 和数字 4 上各放一个筹码，或者在数字 7 上放一个筹码。放了筹码的数字就不能再用了。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="104"/>
        <source>The playing board shows the numbers 1 to 9. To ‘Ninefold’ a player must place a counter on all nine numbers. </source>
        <translation>棋盘上有数字 1 到 9。要完成“Ninefold”，玩家必须在全部九个数字上都放上筹码。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="108"/>
        <source>Summary of the rules</source>
        <translation>规则摘要</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="111"/>
        <location filename="../src/screens/RulesScreens.cpp" line="168"/>
        <location filename="../src/screens/RulesScreens.cpp" line="216"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="124"/>
        <source>Note that the player must use the scores on both dice. This restricts the options if a double is thrown. For example, if a player throws two 4s, then the only move available is to place a counter on the number 8. They cannot put a counter on the number 4, as this would only use the score on one of their dice.</source>
        <translation>注意，玩家必须用上两个骰子的点数。因此掷出对子时选择会受到限制。例如，如果玩家掷出两个 4，唯一的走法就是在数字 8 上放一个筹码。不能在数字 4 上放筹码，因为那样只用了一个骰子的点数。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="132"/>
        <source>Selecting the number on the board</source>
        <translation>在棋盘上选择数字</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="136"/>
        <source>After throwing the dice, the player can either take the scores on each die separately or take the sum of the two scores. For example, if the dice show a 3 and a 4, the player has two options. They could put a counter on the number 3 and a counter on the number 4, or, alternatively, they could put a counter on the number 7. </source>
        <translation>掷骰后，玩家可以分别取每个骰子的点数，也可以取两个点数之和。例如，玩家掷出 3 和 4 时，有两种选择：在数字 3 和数字 4 上各放一个筹码，或者在数字 7 上放一个筹码。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="144"/>
        <source>To place a counter on a number the player must click the number. The player will then be awarded points equal to the number. Once a counter has been put on a number it is no longer available.</source>
        <translation>要在数字上放筹码，玩家点击该数字即可，并得到与该数字相同的分数。放了筹码的数字就不能再用了。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="149"/>
        <source>Throw Dice</source>
        <translation>掷骰子</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="158"/>
        <source>Page 2 of 3</source>
        <translation>第 2 页，共 3 页</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="159"/>
        <location filename="../src/screens/RulesScreens.cpp" line="201"/>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; 上一页</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="161"/>
        <source>The player whose turn it is clicks the button labelled &apos;Throw Dice&apos;. Two numbers are then randomly generated, corresponding to the dice throw. </source>
        <translation>轮到的玩家点击“掷骰子”按钮，程序随即随机生成两个数字，作为掷骰的结果。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="165"/>
        <source>Generating a number</source>
        <translation>掷骰</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="171"/>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>点击右侧的按钮，试试掷骰子。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="174"/>
        <source>The player continues to throw the dice until they cannot make a valid move with their throw. It is then the turn of the next player. If a player throws a double five or a double six, it is always the end of their turn, as there is never a valid move for these throws.</source>
        <translation>玩家一直掷骰，直到掷出的点数没有有效走法为止。然后轮到下一位玩家。掷出两个 5 或两个 6 时不可能有有效走法，所以回合总会结束。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="189"/>
        <source>If a player covers all nine numbers they have &apos;Ninefold&apos;. The counters are then removed, so that all the numbers are available again. The player then continues with their turn and throws the dice.</source>
        <translation>如果玩家盖住了全部九个数字，就完成了“Ninefold”。随后所有筹码都会被移走，所有数字重新可用。该玩家继续自己的回合并掷骰。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="194"/>
        <source>&apos;Ninefolding&apos;</source>
        <translation>完成“Ninefold”</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="195"/>
        <source>Open Rules Document for Printing</source>
        <translation>打开可打印的规则</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="200"/>
        <source>Page 3 of 3</source>
        <translation>第 3 页，共 3 页</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="203"/>
        <source>There are five rounds in a game. After the five rounds the player with the highest total of points is the winner.</source>
        <translation>一局游戏共五轮。五轮结束后，总分最高的玩家获胜。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="207"/>
        <source>The End</source>
        <translation>结束</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="210"/>
        <source>If a player manages to cover the numbers 7, 8 and 9, they can opt to throw a single die for their subsequent throws. The program will offer a check box at this point. Click the check box to choose to throw a single die.</source>
        <translation>玩家盖住 7、8 和 9 后，程序会显示一个复选框；勾选它，之后即可只掷一个骰子。</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="215"/>
        <source>7, 8 and 9</source>
        <translation>7、8 和 9</translation>
    </message>
    <message>
        <location filename="../src/front/RulesPage.cpp" line="37"/>
        <source>The Rules, page %1 of 3</source>
        <translation>游戏规则，第 %1 页，共 3 页</translation>
    </message>
</context>
<context>
    <name>Startplay2</name>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="83"/>
        <source>Hide Desktop</source>
        <translation>隐藏桌面</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="90"/>
        <source>Play Sound</source>
        <translation>播放声音</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="107"/>
        <source>The Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="112"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="136"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="147"/>
        <source>Select Number of Players</source>
        <translation>选择玩家人数</translation>
    </message>
    <message>
        <location filename="../src/front/SetupScreen.cpp" line="34"/>
        <source>Ninefold, new game</source>
        <translation>Ninefold，新游戏</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="12"/>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="13"/>
        <source>People</source>
        <translation>真人对战</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="14"/>
        <source>Against the classic computer</source>
        <translation>与经典电脑对战</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="15"/>
        <source>Against the expert computer</source>
        <translation>与专家电脑对战</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="16"/>
        <source>Red</source>
        <translation>红方</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="16"/>
        <source>Magenta</source>
        <translation>品红方</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="17"/>
        <source>Yellow</source>
        <translation>黄方</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="17"/>
        <source>Green</source>
        <translation>绿方</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="19"/>
        <source>Seat</source>
        <translation>颜色</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="19"/>
        <source>Matches</source>
        <translation>局数</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="20"/>
        <source>Wins</source>
        <translation>胜局</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="20"/>
        <source>Draws</source>
        <translation>平局</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="21"/>
        <source>Best</source>
        <translation>最高分</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="21"/>
        <source>Mean</source>
        <translation>平均分</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="22"/>
        <source>Clears</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="22"/>
        <source>Points lost per turn</source>
        <translation>每回合损失</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="24"/>
        <source>%1: matches %2, wins %3, draws %4, best total %5, mean total %6, clears %7, points lost per turn %8</source>
        <extracomment>%1 the seat colour, then its figures in the columns&apos; order.</extracomment>
        <translation>%1：%2 局，胜 %3 局，平 %4 局，最高分 %5，平均分 %6，Ninefold %7 次，每回合损失 %8</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="27"/>
        <source>Matches recorded: %1</source>
        <translation>已记录的对局：%1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="29"/>
        <source>The last %1 matches: totals, and points lost per turn</source>
        <translation>最近 %1 局：总分和每回合损失</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="31"/>
        <source>Last match (%1): %2; %3 won</source>
        <extracomment>%1 the kind of board, %2 the seats&apos; totals (&quot;Red 62, Magenta 48&quot;).</extracomment>
        <translation>最近一局（%1）：%2；%3获胜</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="32"/>
        <source>Last match (%1): %2; a draw</source>
        <translation>最近一局（%1）：%2；平局</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="34"/>
        <source>It was continued from a saved game: its throws before are not known.</source>
        <translation>本局是从存档继续的：之前的掷骰记录未知。</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="35"/>
        <source>The costliest choices of the last match</source>
        <translation>最近一局中代价最大的选择</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="36"/>
        <source>No choice of the last match lost points.</source>
        <translation>最近一局中没有任何选择损失分数。</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="39"/>
        <source>round %1, %2, %3: %4, best was %5 (%6 points lost)</source>
        <extracomment>%1 round, %2 seat colour, %3 the situation, %4 the choice, %5 the best choice, %6 points.</extracomment>
        <translation>第 %1 轮，%2，%3：%4，最佳为%5（损失 %6 分）</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="40"/>
        <source>dice %1 and %2 with %3 covered</source>
        <translation>已盖住 %3 时掷出 %1 和 %2</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="41"/>
        <source>dice %1 and %2 on an open board</source>
        <translation>未盖住任何数字时掷出 %1 和 %2</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="42"/>
        <source>die %1 with %2 covered</source>
        <translation>已盖住 %2 时掷出 %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="43"/>
        <source>with %1 covered</source>
        <translation>已盖住 %1 时</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="44"/>
        <source>covered %1</source>
        <translation>盖住了 %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="45"/>
        <source>one die</source>
        <translation>一个骰子</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="46"/>
        <source>two dice</source>
        <translation>两个骰子</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="47"/>
        <source>threw one die</source>
        <translation>掷了一个骰子</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="48"/>
        <source>threw two dice</source>
        <translation>掷了两个骰子</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="50"/>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of numbers: &quot;1, 2 and 7&quot;.</extracomment>
        <translation>%1 和 %2</translation>
    </message>
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="7"/>
        <source>Ninefold 2026 - free to play and to share</source>
        <extracomment>Also on the setup screen.</extracomment>
        <translation>Ninefold 2026 – 免费游玩，自由分享</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="26"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="40"/>
        <source>Restart Previous Game</source>
        <translation>继续上一局</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="46"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="52"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../src/front/TitleScreen.cpp" line="14"/>
        <source>Show statistics</source>
        <translation>显示统计</translation>
    </message>
    <message>
        <location filename="../src/front/TitleScreen.cpp" line="25"/>
        <source>Ninefold, title screen</source>
        <translation>Ninefold，标题画面</translation>
    </message>
</context>
</TS>
