<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <location filename="../src/engine/Players.h" line="50"/>
        <source>ROUND %1 OF 5</source>
        <translation>RODADA %1 DE 5</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="11"/>
        <source>Show hint</source>
        <translation>Mostrar dica</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="12"/>
        <source>Show statistics</source>
        <translation>Mostrar estatísticas</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="13"/>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="14"/>
        <source>First die</source>
        <translation>Primeiro dado</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="15"/>
        <source>Second die</source>
        <translation>Segundo dado</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="16"/>
        <source>Round</source>
        <translation>Rodada</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="17"/>
        <source>Number %1</source>
        <translation>Número %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="18"/>
        <source>Red&apos;s total</source>
        <translation>Pontos do Vermelho</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="18"/>
        <source>Magenta&apos;s total</source>
        <translation>Pontos do Magenta</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="19"/>
        <source>Yellow&apos;s total</source>
        <translation>Pontos do Amarelo</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="19"/>
        <source>Green&apos;s total</source>
        <translation>Pontos do Verde</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="22"/>
        <source>Threw %1 and %2</source>
        <translation>Saiu %1 e %2</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="23"/>
        <source>Threw %1</source>
        <translation>Saiu %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="24"/>
        <source>Covered %1</source>
        <translation>Coberto o %1</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="25"/>
        <source>Number %1, covered by Red</source>
        <translation>Número %1, coberto pelo Vermelho</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="26"/>
        <source>Number %1, covered by Magenta</source>
        <translation>Número %1, coberto pelo Magenta</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="27"/>
        <source>Number %1, covered by Yellow</source>
        <translation>Número %1, coberto pelo Amarelo</translation>
    </message>
    <message>
        <location filename="../src/board/BoardTexts.h" line="28"/>
        <source>Number %1, covered by Green</source>
        <translation>Número %1, coberto pelo Verde</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="19"/>
        <location filename="../src/screens/BoardScreens.cpp" line="92"/>
        <source>RED TO PLAY</source>
        <translation>VEZ DO VERMELHO</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="19"/>
        <source>RED HAS WON!</source>
        <translation>O VERMELHO VENCEU!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="21"/>
        <source>MAGENTA TO PLAY</source>
        <translation>VEZ DO MAGENTA</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="21"/>
        <source>MAGENTA HAS WON!</source>
        <translation>O MAGENTA VENCEU!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="23"/>
        <source>YELLOW TO PLAY</source>
        <translation>VEZ DO AMARELO</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="23"/>
        <source>YELLOW HAS WON!</source>
        <translation>O AMARELO VENCEU!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="25"/>
        <source>GREEN TO PLAY</source>
        <translation>VEZ DO VERDE</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.cpp" line="25"/>
        <source>GREEN HAS WON!</source>
        <translation>O VERDE VENCEU!</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="45"/>
        <source>TURN OVER</source>
        <translation>FIM DA VEZ</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="46"/>
        <source>IT&apos;S A DRAW</source>
        <translation>EMPATE</translation>
    </message>
    <message>
        <location filename="../src/engine/Players.h" line="52"/>
        <source>END OF GAME</source>
        <translation>FIM DE JOGO</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="14"/>
        <source>Throw Just One Die</source>
        <translation>Lançar só um dado</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="23"/>
        <source>ROUND 1 OF 5</source>
        <translation>RODADA 1 DE 5</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="77"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="82"/>
        <source>Throw Dice</source>
        <translation>Lançar dados</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="87"/>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="105"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/BoardScreens.cpp" line="140"/>
        <source>The computer is playing as magenta</source>
        <translation>O computador é o Magenta</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <location filename="../src/engine/Hint.h" line="34"/>
        <source>cover %1</source>
        <translation>cobrir o %1</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="35"/>
        <source>cover %1 and %2</source>
        <translation>cobrir o %1 e o %2</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="36"/>
        <source>throw one die</source>
        <translation>lançar um dado</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="37"/>
        <source>throw two dice</source>
        <translation>lançar dois dados</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="38"/>
        <source>tick Throw Just One Die</source>
        <translation>marcar “Lançar só um dado”</translation>
    </message>
    <message>
        <location filename="../src/engine/Hint.h" line="39"/>
        <source>untick Throw Just One Die</source>
        <translation>desmarcar “Lançar só um dado”</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="13"/>
        <source>The Rules of Ninefold</source>
        <translation>As regras de Ninefold</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="21"/>
        <source>The board and the dice</source>
        <translation>O tabuleiro e os dados</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="22"/>
        <source>The playing board shows the numbers 1 to 9. Players take turns to throw two dice and place counters on the numbers. A covered number stays covered for the rest of the turn.</source>
        <translation>O tabuleiro mostra os números de 1 a 9. Os jogadores se revezam lançando dois dados e colocando fichas sobre os números. Um número coberto continua coberto até o fim da vez.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="26"/>
        <source>After each throw the player either covers the number equal to the sum of the dice, or covers the two numbers shown by the dice, one after the other. Both dice must be used: a die&apos;s number can only be taken if the other die&apos;s number can be taken too, so a double can only be taken as its sum. With a 3 and a 4 the player covers 7, or 3 and 4. With two 4s the only move is 8.</source>
        <translation>Depois de cada lançamento, o jogador cobre o número igual à soma dos dados ou então, um depois do outro, os dois números que os dados mostram. Os dois dados precisam ser usados: o número de um dado só pode ser usado se o número do outro também puder, por isso uma dupla só vale pela soma. Com um 3 e um 4, o jogador cobre o 7, ou o 3 e o 4. Com dois 4, a única jogada é o 8.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="32"/>
        <source>Scoring and turns</source>
        <translation>Pontos e vez de jogar</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="33"/>
        <source>Each number covered scores its own value for the player who covered it.</source>
        <translation>Cada número coberto vale o seu próprio valor em pontos para o jogador que o cobriu.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="35"/>
        <source>The player goes on throwing until a throw allows no valid move; the dice then pass to the next player in the order Red, Magenta, Yellow, Green. Double five and double six always end a turn, as they never allow a move.</source>
        <translation>O jogador continua lançando até que um lançamento não permita nenhuma jogada válida; então os dados passam ao próximo jogador, na ordem Vermelho, Magenta, Amarelo, Verde. Dupla de cinco e dupla de seis sempre encerram a vez, pois nunca permitem uma jogada.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="39"/>
        <source>7, 8 and 9</source>
        <translation>7, 8 e 9</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="40"/>
        <source>Once 7, 8 and 9 are covered the player may choose to throw a single die for the rest of the turn, by ticking the box Throw Just One Die.</source>
        <translation>Quando o 7, o 8 e o 9 estiverem cobertos, o jogador pode escolher lançar um só dado até o fim da vez, marcando a caixa “Lançar só um dado”.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="43"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="44"/>
        <source>A player who covers all nine numbers has made Ninefold: the counters are removed, all the numbers are open again, and the same player carries on throwing.</source>
        <translation>Quem cobre os nove números faz Ninefold: as fichas são retiradas, todos os números ficam livres de novo e o mesmo jogador continua lançando.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="47"/>
        <source>The end of the game</source>
        <translation>O fim do jogo</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="48"/>
        <source>A game has five rounds; in each round every player has one turn. After the fifth round the player with the highest total wins. If two or more players share the highest total the game is a draw.</source>
        <translation>Um jogo tem cinco rodadas; em cada rodada, cada jogador joga uma vez. Depois da quinta rodada, vence o jogador com mais pontos. Se dois ou mais jogadores tiverem o mesmo total mais alto, o jogo termina em empate.</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="52"/>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <location filename="../tools/assets/RulesDocument.cpp" line="53"/>
        <source>Two to four people play at one computer, or one person plays Red against the computer, which always plays Magenta. Exit keeps an unfinished game, and Restart Previous Game on the title screen continues it.</source>
        <translation>Duas a quatro pessoas jogam no mesmo computador, ou uma pessoa joga com o Vermelho contra o computador, que sempre joga com o Magenta. “Sair” salva um jogo não terminado, e “Retomar jogo anterior”, na tela inicial, permite continuá-lo.</translation>
    </message>
</context>
<context>
    <name>RulesPages</name>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="41"/>
        <source>The Rules of Ninefold</source>
        <translation>As regras de Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="64"/>
        <source>After five rounds the player with the highest score wins.</source>
        <translation>Depois de cinco rodadas, vence o jogador com mais pontos.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="66"/>
        <source>Page 1 of 3</source>
        <translation>Página 1 de 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="67"/>
        <location filename="../src/screens/RulesScreens.cpp" line="160"/>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Próxima</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="69"/>
        <source>If there is just one player, select button &apos;1&apos; to play against the computer. The computer always plays as the second player - Magenta.</source>
        <translation>Se houver só um jogador, selecione o botão “1” para jogar contra o computador. O computador sempre joga como segundo jogador: o Magenta.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="75"/>
        <source>The game is designed for 2 - 4 players or one player against the computer. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Red, Magenta, Yellow, Green. </source>
        <translation>O jogo é para 2 a 4 jogadores ou para um jogador contra o computador. Para começar, clique no botão com o número de jogadores. Os jogadores jogam então nesta ordem: Vermelho, Magenta, Amarelo, Verde.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="81"/>
        <source>Getting ready to play</source>
        <translation>Antes de jogar</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="84"/>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Antes de o jogo começar, os jogadores podem ajustar as opções do jogo.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="88"/>
        <source>The player continues to throw the dice until no valid move is available. The dice then pass to the next player. The players are awarded points equal to each number that they cover. </source>
        <translation>O jogador continua lançando os dados até não ter mais nenhuma jogada válida. Então os dados passam ao próximo jogador. Cada número coberto dá ao jogador tantos pontos quanto o seu valor.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="94"/>
        <source>Players take turns to throw two dice. After throwing the dice, a player can either take the scores on each die separately or take the sum of the two scores. For example, if the dice show a 3 and a 4, the player has two options. They could put a counter on the number 3 and a counter on the number 4, or, alternatively, they could can put a counter on the number 7. Once a counter has been put on a number it is no longer available.</source>
        <translation>Os jogadores se revezam lançando dois dados. Depois do lançamento, o jogador pode usar o valor de cada dado separadamente ou a soma dos dois. Por exemplo, se os dados mostrarem um 3 e um 4, o jogador tem duas opções: colocar uma ficha no número 3 e outra no número 4, ou então colocar uma ficha no número 7. Um número que já tem uma ficha não está mais disponível.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="104"/>
        <source>The playing board shows the numbers 1 to 9. To ‘Ninefold’ a player must place a counter on all nine numbers. </source>
        <translation>O tabuleiro mostra os números de 1 a 9. Para fazer “Ninefold”, o jogador precisa colocar uma ficha em todos os nove números.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="108"/>
        <source>Summary of the rules</source>
        <translation>Resumo das regras</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="111"/>
        <location filename="../src/screens/RulesScreens.cpp" line="168"/>
        <location filename="../src/screens/RulesScreens.cpp" line="216"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="124"/>
        <source>Note that the player must use the scores on both dice. This restricts the options if a double is thrown. For example, if a player throws two 4s, then the only move available is to place a counter on the number 8. They cannot put a counter on the number 4, as this would only use the score on one of their dice.</source>
        <translation>O jogador precisa usar os valores dos dois dados. Isso limita as opções quando sai uma dupla. Por exemplo, se o jogador tirar dois 4, a única jogada possível é colocar uma ficha no número 8. Não é permitido colocar uma ficha no número 4, pois assim só seria usado o valor de um dado.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="132"/>
        <source>Selecting the number on the board</source>
        <translation>Escolher o número no tabuleiro</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="136"/>
        <source>After throwing the dice, the player can either take the scores on each die separately or take the sum of the two scores. For example, if the dice show a 3 and a 4, the player has two options. They could put a counter on the number 3 and a counter on the number 4, or, alternatively, they could put a counter on the number 7. </source>
        <translation>Depois do lançamento, o jogador pode usar o valor de cada dado separadamente ou a soma dos dois. Por exemplo, se os dados mostrarem um 3 e um 4, o jogador tem duas opções: colocar uma ficha no número 3 e outra no número 4, ou então colocar uma ficha no número 7.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="144"/>
        <source>To place a counter on a number the player must click the number. The player will then be awarded points equal to the number. Once a counter has been put on a number it is no longer available.</source>
        <translation>Para colocar uma ficha num número, o jogador clica nesse número e ganha tantos pontos quanto o valor dele. Um número que já tem uma ficha não está mais disponível.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="149"/>
        <source>Throw Dice</source>
        <translation>Lançar dados</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="158"/>
        <source>Page 2 of 3</source>
        <translation>Página 2 de 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="159"/>
        <location filename="../src/screens/RulesScreens.cpp" line="201"/>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Anterior</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="161"/>
        <source>The player whose turn it is clicks the button labelled &apos;Throw Dice&apos;. Two numbers are then randomly generated, corresponding to the dice throw. </source>
        <translation>O jogador da vez clica no botão “Lançar dados”. Dois números são então sorteados, como no lançamento dos dados.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="165"/>
        <source>Generating a number</source>
        <translation>O lançamento</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="171"/>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Clique no botão à direita para experimentar um lançamento.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="174"/>
        <source>The player continues to throw the dice until they cannot make a valid move with their throw. It is then the turn of the next player. If a player throws a double five or a double six, it is always the end of their turn, as there is never a valid move for these throws.</source>
        <translation>O jogador continua lançando os dados até que o lançamento não permita mais nenhuma jogada válida. Então é a vez do próximo jogador. Uma dupla de cinco ou de seis sempre encerra a vez, pois com esses lançamentos nunca há jogada válida.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="189"/>
        <source>If a player covers all nine numbers they have &apos;Ninefold&apos;. The counters are then removed, so that all the numbers are available again. The player then continues with their turn and throws the dice.</source>
        <translation>Se um jogador cobrir os nove números, ele fez “Ninefold”. As fichas são retiradas e todos os números ficam disponíveis de novo. O jogador continua a sua vez e lança os dados.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="194"/>
        <source>&apos;Ninefolding&apos;</source>
        <translation>Fazer “Ninefold”</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="195"/>
        <source>Open Rules Document for Printing</source>
        <translation>Abrir regras para imprimir</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="200"/>
        <source>Page 3 of 3</source>
        <translation>Página 3 de 3</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="203"/>
        <source>There are five rounds in a game. After the five rounds the player with the highest total of points is the winner.</source>
        <translation>Um jogo tem cinco rodadas. Depois das cinco rodadas, vence o jogador com o maior total de pontos.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="207"/>
        <source>The End</source>
        <translation>O fim</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="210"/>
        <source>If a player manages to cover the numbers 7, 8 and 9, they can opt to throw a single die for their subsequent throws. The program will offer a check box at this point. Click the check box to choose to throw a single die.</source>
        <translation>Se um jogador conseguir cobrir os números 7, 8 e 9, pode lançar um só dado nos lançamentos seguintes. O programa mostra então uma caixa de seleção: clique nela para lançar um só dado.</translation>
    </message>
    <message>
        <location filename="../src/screens/RulesScreens.cpp" line="215"/>
        <source>7, 8 and 9</source>
        <translation>7, 8 e 9</translation>
    </message>
    <message>
        <location filename="../src/front/RulesPage.cpp" line="37"/>
        <source>The Rules, page %1 of 3</source>
        <translation>As regras, página %1 de 3</translation>
    </message>
</context>
<context>
    <name>Startplay2</name>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="83"/>
        <source>Hide Desktop</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="90"/>
        <source>Play Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="107"/>
        <source>The Rules</source>
        <translation>As regras</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="112"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="136"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="147"/>
        <source>Select Number of Players</source>
        <translation>Quantos jogadores?</translation>
    </message>
    <message>
        <location filename="../src/front/SetupScreen.cpp" line="34"/>
        <source>Ninefold, new game</source>
        <translation>Ninefold, novo jogo</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="12"/>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="13"/>
        <source>People</source>
        <translation>Pessoas</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="14"/>
        <source>Against the classic computer</source>
        <translation>Contra o computador clássico</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="15"/>
        <source>Against the expert computer</source>
        <translation>Contra o computador especialista</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="16"/>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="16"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="17"/>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="17"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="19"/>
        <source>Seat</source>
        <translation>Cor</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="19"/>
        <source>Matches</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="20"/>
        <source>Wins</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="20"/>
        <source>Draws</source>
        <translation>Empates</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="21"/>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="21"/>
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="22"/>
        <source>Clears</source>
        <translation>Ninefolds</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="22"/>
        <source>Points lost per turn</source>
        <translation>Pontos perdidos por vez</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="24"/>
        <source>%1: matches %2, wins %3, draws %4, best total %5, mean total %6, clears %7, points lost per turn %8</source>
        <extracomment>%1 the seat colour, then its figures in the columns&apos; order.</extracomment>
        <translation>%1: jogos %2, vitórias %3, empates %4, melhor total %5, total médio %6, Ninefolds %7, pontos perdidos por vez %8</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="27"/>
        <source>Matches recorded: %1</source>
        <translation>Jogos registrados: %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="29"/>
        <source>The last %1 matches: totals, and points lost per turn</source>
        <translation>Últimos jogos (%1): totais e pontos perdidos por vez</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="31"/>
        <source>Last match (%1): %2; %3 won</source>
        <extracomment>%1 the kind of board, %2 the seats&apos; totals (&quot;Red 62, Magenta 48&quot;).</extracomment>
        <translation>Último jogo (%1): %2; o %3 venceu</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="32"/>
        <source>Last match (%1): %2; a draw</source>
        <translation>Último jogo (%1): %2; empate</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="34"/>
        <source>It was continued from a saved game: its throws before are not known.</source>
        <translation>Foi retomado de um jogo salvo: os lançamentos anteriores são desconhecidos.</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="35"/>
        <source>The costliest choices of the last match</source>
        <translation>As escolhas mais caras do último jogo</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="36"/>
        <source>No choice of the last match lost points.</source>
        <translation>Nenhuma escolha do último jogo custou pontos.</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="39"/>
        <source>round %1, %2, %3: %4, best was %5 (%6 points lost)</source>
        <extracomment>%1 round, %2 seat colour, %3 the situation, %4 the choice, %5 the best choice, %6 points.</extracomment>
        <translation>rodada %1, %2 (%3): %4, melhor seria %5 (%6 pontos perdidos)</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="40"/>
        <source>dice %1 and %2 with %3 covered</source>
        <translation>dados %1 e %2, cobertos: %3</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="41"/>
        <source>dice %1 and %2 on an open board</source>
        <translation>dados %1 e %2, tabuleiro livre</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="42"/>
        <source>die %1 with %2 covered</source>
        <translation>dado %1, cobertos: %2</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="43"/>
        <source>with %1 covered</source>
        <translation>cobertos: %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="44"/>
        <source>covered %1</source>
        <translation>cobriu %1</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="45"/>
        <source>one die</source>
        <translation>um dado</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="46"/>
        <source>two dice</source>
        <translation>dois dados</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="47"/>
        <source>threw one die</source>
        <translation>lançou um dado</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="48"/>
        <source>threw two dice</source>
        <translation>lançou dois dados</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="50"/>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of numbers: &quot;1, 2 and 7&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="7"/>
        <source>Ninefold 2026 - free to play and to share</source>
        <extracomment>Also on the setup screen.</extracomment>
        <translation>Ninefold 2026 – livre para jogar e compartilhar</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="26"/>
        <source>Ninefold</source>
        <translation>Ninefold</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="40"/>
        <source>Restart Previous Game</source>
        <translation>Retomar jogo anterior</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="46"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/screens/TitleScreens.cpp" line="52"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location filename="../src/front/TitleScreen.cpp" line="14"/>
        <source>Show statistics</source>
        <translation>Mostrar estatísticas</translation>
    </message>
    <message>
        <location filename="../src/front/TitleScreen.cpp" line="25"/>
        <source>Ninefold, title screen</source>
        <translation>Ninefold, tela de título</translation>
    </message>
</context>
</TS>
