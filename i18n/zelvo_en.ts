<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>MsgBox</name>
    <message>
        <source>&amp;Sim</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Não</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Palavras</name>
    <message>
        <source>algarismo</source>
        <translation>digit</translation>
    </message>
    <message>
        <source>espaço</source>
        <translation>space</translation>
    </message>
    <message>
        <source>hífen</source>
        <translation>hyphen</translation>
    </message>
    <message>
        <source>apóstrofo</source>
        <translation>apostrophe</translation>
    </message>
    <message>
        <source>caractere &apos;%1&apos; não aceito</source>
        <translation>character &apos;%1&apos; not allowed</translation>
    </message>
    <message>
        <source>mais de %1 letras</source>
        <translation>more than %1 letters</translation>
    </message>
    <message>
        <source>palavra vazia</source>
        <translation>empty word</translation>
    </message>
    <message>
        <source>dica longa demais</source>
        <translation>hint too long</translation>
    </message>
    <message>
        <source>dica com caractere de controle</source>
        <translation>hint with a control character</translation>
    </message>
    <message>
        <source>o arquivo está vazio</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>nenhuma palavra pode ser jogada</source>
        <translation>no word in it can be played</translation>
    </message>
    <message>
        <source>arquivo grande demais</source>
        <translation>the file is too big</translation>
    </message>
    <message>
        <source>o arquivo não está em UTF-8</source>
        <translation>the file is not in UTF-8</translation>
    </message>
    <message>
        <source>não foi possível ler o arquivo</source>
        <translation>the file could not be read</translation>
    </message>
    <message>
        <source> (lista própria)</source>
        <translation> (your list)</translation>
    </message>
</context>
<context>
    <name>Recordes</name>
    <message>
        <source>Surpresa</source>
        <translation>Surprise</translation>
    </message>
    <message>
        <source>Anônimo</source>
        <translation>Anonymous</translation>
    </message>
    <message>
        <source>Fácil</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Difícil</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>frmForca</name>
    <message>
        <source>Jogo da Forca</source>
        <translation>Hangman</translation>
    </message>
    <message>
        <source>Cabeça enforcada, com a corda</source>
        <translation>Hanged head, with the rope</translation>
    </message>
    <message>
        <source>Tronco</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Braço esquerdo</source>
        <translation>Left arm</translation>
    </message>
    <message>
        <source>Braço direito</source>
        <translation>Right arm</translation>
    </message>
    <message>
        <source>Perna esquerda</source>
        <translation>Left leg</translation>
    </message>
    <message>
        <source>Perna direita</source>
        <translation>Right leg</translation>
    </message>
    <message>
        <source>Banquinho</source>
        <translation>Little stool</translation>
    </message>
    <message>
        <source>Cabeça sorridente</source>
        <translation>Smiling head</translation>
    </message>
    <message>
        <source>Flor com seis pétalas, sorrindo</source>
        <translation>Flower with six petals, smiling</translation>
    </message>
    <message>
        <source>Flor com cinco pétalas; uma caiu</source>
        <translation>Flower with five petals; one fell off</translation>
    </message>
    <message>
        <source>Flor com quatro pétalas; duas caíram</source>
        <translation>Flower with four petals; two fell off</translation>
    </message>
    <message>
        <source>Flor com três pétalas; três caíram</source>
        <translation>Flower with three petals; three fell off</translation>
    </message>
    <message>
        <source>Flor com duas pétalas, preocupada; quatro caíram</source>
        <translation>Flower with two petals, worried; four fell off</translation>
    </message>
    <message>
        <source>Flor com uma pétala, chorando; cinco caíram</source>
        <translation>Flower with one petal, crying; five fell off</translation>
    </message>
    <message>
        <source>Flor sem pétalas, murcha</source>
        <translation>Flower with no petals, wilted</translation>
    </message>
    <message>
        <source>Flor com todas as pétalas, rindo de alegria</source>
        <translation>Flower with all its petals, laughing for joy</translation>
    </message>
    <message>
        <source>Forca</source>
        <translation>Hangman</translation>
    </message>
    <message>
        <source>Palavra:</source>
        <translation>Word:</translation>
    </message>
    <message>
        <source>J o g o  d a  F o r c a</source>
        <extracomment>The board&apos;s title: letters spaced out, two spaces between words.</extracomment>
        <translation>H a n g m a n</translation>
    </message>
    <message>
        <source>Letra %1</source>
        <translation>Letter %1</translation>
    </message>
    <message>
        <source>Clique ou tecle %1 para tentar esta letra</source>
        <translation>Click or press %1 to try this letter</translation>
    </message>
    <message>
        <source>&amp;Novo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Inicio</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Palavra secreta</source>
        <translation>Secret word</translation>
    </message>
    <message>
        <source>&amp;Dica</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>Mostra uma dica da palavra (F3)</source>
        <translation>Shows a hint for the word (F3)</translation>
    </message>
    <message>
        <source>&amp;Jogo</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Placar</source>
        <translation>Score&amp;board</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Dupla</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>Solitário</source>
        <translation>One player</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Figura</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Flor</source>
        <translation>Flower</translation>
    </message>
    <message>
        <source>Esta lista não pode ser usada: %1.</source>
        <translation>This list can&apos;t be used: %1.</translation>
    </message>
    <message>
        <source>O arquivo %1 tem 1 palavra que não pode ser jogada e ficou de fora:
</source>
        <translation>The file %1 has 1 word that can&apos;t be played, so it was left out:
</translation>
    </message>
    <message>
        <source>O arquivo %1 tem %2 palavras que não podem ser jogadas e ficaram de fora:
</source>
        <translation>The file %1 has %2 words that can&apos;t be played, so they were left out:
</translation>
    </message>
    <message>
        <source>
linha %1: &apos;%2&apos;: %3</source>
        <translation>
line %1: &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>
... e mais %1.</source>
        <translation>
... and %1 more.</translation>
    </message>
    <message>
        <source>Infelizmente você perdeu. Deseja jogar novamente?</source>
        <translation>Oh no, you lost! Do you want to play again?</translation>
    </message>
    <message>
        <source>Parabéns você ganhou!!!</source>
        <translation>Well done, you won!!!</translation>
    </message>
    <message>
        <source>oculta</source>
        <translation>hidden</translation>
    </message>
    <message>
        <source>Letra %1: %2</source>
        <translation>Letter %1: %2</translation>
    </message>
    <message>
        <source>Categoria: %1</source>
        <translation>Category: %1</translation>
    </message>
    <message>
        <source>Digite primeiro a palavra</source>
        <translation>Type the word first</translation>
    </message>
    <message>
        <source>Dica: %1</source>
        <translation>Hint: %1</translation>
    </message>
    <message>
        <source>Você deseja finalizar o programa Jogo da Forca?</source>
        <translation>Do you want to leave Hangman?</translation>
    </message>
</context>
<context>
    <name>frmMemory</name>
    <message>
        <source>Azul</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Vermelho</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Amarelo</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>J O G O  M E M O R Y</source>
        <extracomment>The title over the toy: capitals spaced out, two spaces between words.</extracomment>
        <translation>M E M O R Y  G A M E</translation>
    </message>
    <message>
        <source>acesa</source>
        <translation>lit</translation>
    </message>
    <message>
        <source>apagada</source>
        <translation>off</translation>
    </message>
    <message>
        <source>%1: clique ou tecle %2</source>
        <extracomment>A pad&apos;s tooltip: its colour, and the key that plays it.</extracomment>
        <translation>%1: click or press %2</translation>
    </message>
    <message>
        <source>&amp;Inicio</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Jogo</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>Ní&amp;vel</source>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>Re&amp;cordes…</source>
        <translation>&amp;High scores…</translation>
    </message>
    <message>
        <source>&amp;Som</source>
        <translation>S&amp;ound</translation>
    </message>
    <message>
        <source>&amp;Números nas teclas</source>
        <translation>&amp;Numbers on the pads</translation>
    </message>
    <message>
        <source>Sai&amp;r</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Você deseja sair do jogo Memory?</source>
        <translation>Do you want to leave Memory?</translation>
    </message>
    <message>
        <source>Observe…</source>
        <translation>Watch…</translation>
    </message>
    <message>
        <source>Sequência: %1</source>
        <translation>Sequence: %1</translation>
    </message>
    <message>
        <source>Infelizmente você errou! Tente novamente</source>
        <translation>Oops, that was wrong! Try again</translation>
    </message>
    <message>
        <source>Parabéns! Você repetiu a sequência inteira de %1 teclas!</source>
        <translation>Well done! You repeated the whole sequence of %1 pads!</translation>
    </message>
    <message>
        <source>Sua vez!</source>
        <translation>Your turn!</translation>
    </message>
    <message>
        <source>Novo recorde: %1</source>
        <translation>New record: %1</translation>
    </message>
    <message>
        <source>Recorde: –</source>
        <translation>Record: –</translation>
    </message>
    <message>
        <source>Recorde: %1</source>
        <translation>Record: %1</translation>
    </message>
</context>
<context>
    <name>frmPlacar</name>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Vitórias</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>Derrotas</source>
        <translation>Losses</translation>
    </message>
    <message>
        <source>Sequência</source>
        <translation>Streak</translation>
    </message>
    <message>
        <source>Melhor sequência</source>
        <translation>Best streak</translation>
    </message>
    <message>
        <source>Com dica</source>
        <translation>With a hint</translation>
    </message>
    <message>
        <source>Placar</source>
        <translation>Scoreboard</translation>
    </message>
    <message>
        <source>Nenhuma partida jogada ainda.</source>
        <translation>No games played yet.</translation>
    </message>
    <message>
        <source>&amp;Zerar</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Dupla</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>Deseja zerar o placar? Todas as partidas registradas serão apagadas.</source>
        <translation>Do you want to reset the scoreboard? Every game on it will be wiped out.</translation>
    </message>
    <message>
        <source>Jogo da Forca</source>
        <translation>Hangman</translation>
    </message>
</context>
<context>
    <name>frmRecordes</name>
    <message>
        <source>Recordes</source>
        <translation>High scores</translation>
    </message>
    <message>
        <source>Recordes do nível %1</source>
        <translation>High scores for the %1 level</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sequências</source>
        <translation>Sequences</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Limpar</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Apagar os recordes do nível %1?</source>
        <translation>Clear the high scores for the %1 level?</translation>
    </message>
    <message>
        <source>, o mais recente</source>
        <translation>, the latest</translation>
    </message>
    <message>
        <source>O mais recente</source>
        <translation>The latest</translation>
    </message>
    <message>
        <source>1º</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>2º</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3º</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>4º</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>5º</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Seu nome:</source>
        <translation>Your name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Seu nome</source>
        <translation>Your name</translation>
    </message>
</context>
<context>
    <name>frmZelvo</name>
    <message>
        <source>Uma forca de madeira, um carrasco encapuzado com uma foice e, ao fundo, um brinquedo redondo de quatro cores</source>
        <translation>A wooden gallows, a hooded executioner with a scythe and, behind them, a round toy in four colors</translation>
    </message>
    <message>
        <source>Título, letra %1 de 5</source>
        <translation>Title, letter %1 of 5</translation>
    </message>
    <message>
        <source>&amp;Forca</source>
        <translation>&amp;Hangman</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Memory</translation>
    </message>
    <message>
        <source>Sai&amp;r</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Jogo da forca e um jogo de memória com cores e sons.</source>
        <translation>Hangman and a memory game of colors and sounds.</translation>
    </message>
    <message>
        <source>Mostra esta ajuda e sai.</source>
        <translation>Shows this help and quits.</translation>
    </message>
</context>
</TS>
