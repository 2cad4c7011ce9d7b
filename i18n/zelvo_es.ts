<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
<context>
    <name>MsgBox</name>
    <message>
        <source>&amp;Sim</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;Não</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Palavras</name>
    <message>
        <source>algarismo</source>
        <translation>número</translation>
    </message>
    <message>
        <source>espaço</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>hífen</source>
        <translation>guion</translation>
    </message>
    <message>
        <source>apóstrofo</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <source>caractere &apos;%1&apos; não aceito</source>
        <translation>carácter &apos;%1&apos; no admitido</translation>
    </message>
    <message>
        <source>mais de %1 letras</source>
        <translation>más de %1 letras</translation>
    </message>
    <message>
        <source>palavra vazia</source>
        <translation>palabra vacía</translation>
    </message>
    <message>
        <source>dica longa demais</source>
        <translation>pista demasiado larga</translation>
    </message>
    <message>
        <source>dica com caractere de controle</source>
        <translation>pista con un carácter de control</translation>
    </message>
    <message>
        <source>o arquivo está vazio</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>nenhuma palavra pode ser jogada</source>
        <translation>no se puede jugar ninguna palabra</translation>
    </message>
    <message>
        <source>arquivo grande demais</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>o arquivo não está em UTF-8</source>
        <translation>el archivo no está en UTF-8</translation>
    </message>
    <message>
        <source>não foi possível ler o arquivo</source>
        <translation>no se pudo leer el archivo</translation>
    </message>
    <message>
        <source> (lista própria)</source>
        <translation> (tu lista)</translation>
    </message>
</context>
<context>
    <name>Recordes</name>
    <message>
        <source>Surpresa</source>
        <translation>Sorpresa</translation>
    </message>
    <message>
        <source>Anônimo</source>
        <translation>Anónimo</translation>
    </message>
    <message>
        <source>Fácil</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Difícil</source>
        <translation>Difícil</translation>
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
        <translation>El ahorcado</translation>
    </message>
    <message>
        <source>Cabeça enforcada, com a corda</source>
        <translation>Cabeza colgada, con la cuerda</translation>
    </message>
    <message>
        <source>Tronco</source>
        <translation>Cuerpo</translation>
    </message>
    <message>
        <source>Braço esquerdo</source>
        <translation>Brazo izquierdo</translation>
    </message>
    <message>
        <source>Braço direito</source>
        <translation>Brazo derecho</translation>
    </message>
    <message>
        <source>Perna esquerda</source>
        <translation>Pierna izquierda</translation>
    </message>
    <message>
        <source>Perna direita</source>
        <translation>Pierna derecha</translation>
    </message>
    <message>
        <source>Banquinho</source>
        <translation>Taburete</translation>
    </message>
    <message>
        <source>Cabeça sorridente</source>
        <translation>Cabeza sonriente</translation>
    </message>
    <message>
        <source>Flor com seis pétalas, sorrindo</source>
        <translation>Flor con seis pétalos, sonriendo</translation>
    </message>
    <message>
        <source>Flor com cinco pétalas; uma caiu</source>
        <translation>Flor con cinco pétalos; se cayó uno</translation>
    </message>
    <message>
        <source>Flor com quatro pétalas; duas caíram</source>
        <translation>Flor con cuatro pétalos; se cayeron dos</translation>
    </message>
    <message>
        <source>Flor com três pétalas; três caíram</source>
        <translation>Flor con tres pétalos; se cayeron tres</translation>
    </message>
    <message>
        <source>Flor com duas pétalas, preocupada; quatro caíram</source>
        <translation>Flor con dos pétalos, preocupada; se cayeron cuatro</translation>
    </message>
    <message>
        <source>Flor com uma pétala, chorando; cinco caíram</source>
        <translation>Flor con un pétalo, llorando; se cayeron cinco</translation>
    </message>
    <message>
        <source>Flor sem pétalas, murcha</source>
        <translation>Flor sin pétalos, marchita</translation>
    </message>
    <message>
        <source>Flor com todas as pétalas, rindo de alegria</source>
        <translation>Flor con todos sus pétalos, riendo de alegría</translation>
    </message>
    <message>
        <source>Forca</source>
        <translation>Ahorcado</translation>
    </message>
    <message>
        <source>Palavra:</source>
        <translation>Palabra:</translation>
    </message>
    <message>
        <source>J o g o  d a  F o r c a</source>
        <extracomment>The board&apos;s title: letters spaced out, two spaces between words.</extracomment>
        <translation>E l  a h o r c a d o</translation>
    </message>
    <message>
        <source>Letra %1</source>
        <translation>Letra %1</translation>
    </message>
    <message>
        <source>Clique ou tecle %1 para tentar esta letra</source>
        <translation>Haz clic o pulsa %1 para probar esta letra</translation>
    </message>
    <message>
        <source>&amp;Novo</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Inicio</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Palavra secreta</source>
        <translation>Palabra secreta</translation>
    </message>
    <message>
        <source>&amp;Dica</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Mostra uma dica da palavra (F3)</source>
        <translation>Muestra una pista de la palabra (F3)</translation>
    </message>
    <message>
        <source>&amp;Jogo</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Placar</source>
        <translation>&amp;Marcador</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Dupla</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>Solitário</source>
        <translation>Un jugador</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Figura</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <source>Flor</source>
        <translation>Flor</translation>
    </message>
    <message>
        <source>Esta lista não pode ser usada: %1.</source>
        <translation>Esta lista no se puede usar: %1.</translation>
    </message>
    <message>
        <source>O arquivo %1 tem 1 palavra que não pode ser jogada e ficou de fora:
</source>
        <translation>El archivo %1 tiene 1 palabra que no se puede jugar y se ha quedado fuera:
</translation>
    </message>
    <message>
        <source>O arquivo %1 tem %2 palavras que não podem ser jogadas e ficaram de fora:
</source>
        <translation>El archivo %1 tiene %2 palabras que no se pueden jugar y se han quedado fuera:
</translation>
    </message>
    <message>
        <source>
linha %1: &apos;%2&apos;: %3</source>
        <translation>
línea %1: &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>
... e mais %1.</source>
        <translation>
... y %1 más.</translation>
    </message>
    <message>
        <source>Infelizmente você perdeu. Deseja jogar novamente?</source>
        <translation>¡Oh, has perdido! ¿Quieres jugar otra vez?</translation>
    </message>
    <message>
        <source>Parabéns você ganhou!!!</source>
        <translation>¡¡¡Muy bien, has ganado!!!</translation>
    </message>
    <message>
        <source>oculta</source>
        <translation>oculta</translation>
    </message>
    <message>
        <source>Letra %1: %2</source>
        <translation>Letra %1: %2</translation>
    </message>
    <message>
        <source>Categoria: %1</source>
        <translation>Categoría: %1</translation>
    </message>
    <message>
        <source>Digite primeiro a palavra</source>
        <translation>Escribe primero la palabra</translation>
    </message>
    <message>
        <source>Dica: %1</source>
        <translation>Pista: %1</translation>
    </message>
    <message>
        <source>Você deseja finalizar o programa Jogo da Forca?</source>
        <translation>¿Quieres salir del ahorcado?</translation>
    </message>
</context>
<context>
    <name>frmMemory</name>
    <message>
        <source>Azul</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Vermelho</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Amarelo</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>J O G O  M E M O R Y</source>
        <extracomment>The title over the toy: capitals spaced out, two spaces between words.</extracomment>
        <translation>M E M O R I A</translation>
    </message>
    <message>
        <source>acesa</source>
        <translation>encendida</translation>
    </message>
    <message>
        <source>apagada</source>
        <translation>apagada</translation>
    </message>
    <message>
        <source>%1: clique ou tecle %2</source>
        <extracomment>A pad&apos;s tooltip: its colour, and the key that plays it.</extracomment>
        <translation>%1: haz clic o pulsa %2</translation>
    </message>
    <message>
        <source>&amp;Inicio</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Jogo</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Ní&amp;vel</source>
        <translation>Ni&amp;vel</translation>
    </message>
    <message>
        <source>Re&amp;cordes…</source>
        <translation>&amp;Récords…</translation>
    </message>
    <message>
        <source>&amp;Som</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Números nas teclas</source>
        <translation>Nú&amp;meros en las teclas</translation>
    </message>
    <message>
        <source>Sai&amp;r</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Você deseja sair do jogo Memory?</source>
        <translation>¿Quieres salir de Memoria?</translation>
    </message>
    <message>
        <source>Observe…</source>
        <translation>Mira…</translation>
    </message>
    <message>
        <source>Sequência: %1</source>
        <translation>Secuencia: %1</translation>
    </message>
    <message>
        <source>Infelizmente você errou! Tente novamente</source>
        <translation>¡Uy, te has equivocado! Inténtalo otra vez</translation>
    </message>
    <message>
        <source>Parabéns! Você repetiu a sequência inteira de %1 teclas!</source>
        <translation>¡Muy bien! ¡Has repetido la secuencia entera de %1 teclas!</translation>
    </message>
    <message>
        <source>Sua vez!</source>
        <translation>¡Te toca!</translation>
    </message>
    <message>
        <source>Novo recorde: %1</source>
        <translation>Nuevo récord: %1</translation>
    </message>
    <message>
        <source>Recorde: –</source>
        <translation>Récord: –</translation>
    </message>
    <message>
        <source>Recorde: %1</source>
        <translation>Récord: %1</translation>
    </message>
</context>
<context>
    <name>frmPlacar</name>
    <message>
        <source>Categoria</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Vitórias</source>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Derrotas</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Sequência</source>
        <translation>Racha</translation>
    </message>
    <message>
        <source>Melhor sequência</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <source>Com dica</source>
        <translation>Con pista</translation>
    </message>
    <message>
        <source>Placar</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Nenhuma partida jogada ainda.</source>
        <translation>Todavía no se ha jugado ninguna partida.</translation>
    </message>
    <message>
        <source>&amp;Zerar</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Dupla</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>Deseja zerar o placar? Todas as partidas registradas serão apagadas.</source>
        <translation>¿Quieres borrar el marcador? Se borrarán todas las partidas guardadas.</translation>
    </message>
    <message>
        <source>Jogo da Forca</source>
        <translation>El ahorcado</translation>
    </message>
</context>
<context>
    <name>frmRecordes</name>
    <message>
        <source>Recordes</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Recordes do nível %1</source>
        <translation>Récords del nivel %1</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Sequências</source>
        <translation>Secuencias</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;Limpar</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Apagar os recordes do nível %1?</source>
        <translation>¿Borrar los récords del nivel %1?</translation>
    </message>
    <message>
        <source>, o mais recente</source>
        <translation>, el más reciente</translation>
    </message>
    <message>
        <source>O mais recente</source>
        <translation>El más reciente</translation>
    </message>
    <message>
        <source>1º</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>2º</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3º</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>4º</source>
        <translation>4.º</translation>
    </message>
    <message>
        <source>5º</source>
        <translation>5.º</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Seu nome:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Seu nome</source>
        <translation>Tu nombre</translation>
    </message>
</context>
<context>
    <name>frmZelvo</name>
    <message>
        <source>Uma forca de madeira, um carrasco encapuzado com uma foice e, ao fundo, um brinquedo redondo de quatro cores</source>
        <translation>Una horca de madera, un verdugo encapuchado con una guadaña y, al fondo, un juguete redondo de cuatro colores</translation>
    </message>
    <message>
        <source>Título, letra %1 de 5</source>
        <translation>Título, letra %1 de 5</translation>
    </message>
    <message>
        <source>&amp;Forca</source>
        <translation>El &amp;ahorcado</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Memoria</translation>
    </message>
    <message>
        <source>Sai&amp;r</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Jogo da forca e um jogo de memória com cores e sons.</source>
        <translation>El ahorcado y un juego de memoria con colores y sonidos.</translation>
    </message>
    <message>
        <source>Mostra esta ajuda e sai.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
</context>
</TS>
