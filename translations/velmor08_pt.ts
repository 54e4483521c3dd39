<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>Clock</name>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>the &quot;%1&quot; platform (not installed)</source>
        <translation>a plataforma «%1» (não instalada)</translation>
    </message>
    <message>
        <source>%1 (%2 is not set)</source>
        <translation>%1 (%2 não está definida)</translation>
    </message>
    <message>
        <source>an X display</source>
        <translation>um ecrã X</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot;</source>
        <translation>o ecrã X «%1»</translation>
    </message>
    <message>
        <source>a Wayland display</source>
        <translation>um ecrã Wayland</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>o ecrã Wayland «%1»</translation>
    </message>
    <message>
        <source>the display of the &quot;%1&quot; platform</source>
        <translation>o ecrã da plataforma «%1»</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>um ecrã</translation>
    </message>
    <message>
        <source> nor </source>
        <translation> nem </translation>
    </message>
    <message>
        <source>velmor08: cannot open %1: is a graphical session running?</source>
        <translation>velmor08: não é possível abrir %1: há uma sessão gráfica a correr?</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrogénio</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hélio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lítio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berílio</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Boro</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbono</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azoto</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxigénio</translation>
    </message>
    <message>
        <source>Florine</source>
        <translation>Flúor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sódio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésio</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Alumínio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silício</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Enxofre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Árgon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potássio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Cálcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Escândio</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titânio</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanádio</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Crómio</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganês</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalto</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinco</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gálio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germânio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsénio</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selénio</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Crípton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubídio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Estrôncio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Ítrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zircónio</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Nióbio</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibdénio</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Tecnécio</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruténio</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Ródio</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Paládio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cádmio</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Índio</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estanho</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimónio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Telúrio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iodo</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xénon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Césio</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bário</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantânio</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cério</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodímio</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodímio</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promécio</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samário</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Európio</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolínio</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Térbio</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Disprósio</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Hólmio</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Érbio</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Túlio</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Itérbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutécio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Háfnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tântalo</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungsténio</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rénio</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Ósmio</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Irídio</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platina</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Ouro</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Tálio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Chumbo</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuto</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polónio</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astato</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Rádon</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Frâncio</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actínio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Tório</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactínio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Urânio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptúnio</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutónio</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Amerício</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Cúrio</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berquélio</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Califórnio</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einsténio</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Férmio</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelévio</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobélio</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Laurêncio</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfórdio</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dúbnio</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seabórgio</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bóhrio</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hássio</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnério</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Congratulations for completing the Periodic Table</source>
        <translation>Parabéns, completaste a tabela periódica!</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Alkali Metals</source>
        <translation>Metais alcalinos</translation>
    </message>
    <message>
        <source>Alkaline Metals</source>
        <translation>Alcalino-terrosos</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Metais de transição</translation>
    </message>
    <message>
        <source>Aluminum Group</source>
        <translation>Grupo do boro</translation>
    </message>
    <message>
        <source>Carbon Group</source>
        <translation>Grupo do carbono</translation>
    </message>
    <message>
        <source>Nitrogen Group</source>
        <translation>Grupo do azoto</translation>
    </message>
    <message>
        <source>Oxygen Group</source>
        <translation>Grupo do oxigénio</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Halogéneos</translation>
    </message>
    <message>
        <source>Nobel (Inert) Gases</source>
        <translation>Gases nobres (inertes)</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <translation>Lantanídeos</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Acti­nídeos</translation>
    </message>
    <message>
        <source>Metals</source>
        <translation>Metais</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>Não metais</translation>
    </message>
    <message>
        <source>Rare-Earth Elements</source>
        <translation>Terras raras</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nome do elemento</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Número atómico</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Massa atómica</translation>
    </message>
    <message>
        <source>AtomicMass</source>
        <translation>Massa atómica</translation>
    </message>
    <message>
        <source>Melting Point Celcius</source>
        <translation>Ponto de fusão °C</translation>
    </message>
    <message>
        <source>MeltingPoint</source>
        <translation>Ponto de fusão</translation>
    </message>
    <message>
        <source>Boiling Point Celcius</source>
        <translation>Ponto de ebulição °C</translation>
    </message>
    <message>
        <source>BoilingPoint</source>
        <translation>Ponto de ebulição</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>velmor08: cannot write the score folder %1; keeping the high scores in %2</source>
        <translation>velmor08: não é possível escrever na pasta das pontuações %1; os melhores tempos ficam em %2</translation>
    </message>
    <message>
        <source>velmor08: cannot save the high scores to %1</source>
        <translation>velmor08: não é possível guardar os melhores tempos em %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>cannot write the score folder</source>
        <translation>não é possível escrever na pasta das pontuações</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>velmor08: another game kept the score folder %1 locked; keeping the high scores in %2</source>
        <translation>velmor08: outro jogo manteve a pasta das pontuações %1 bloqueada; os melhores tempos ficam em %2</translation>
    </message>
    <message>
        <source>another game kept the score folder locked</source>
        <translation>outro jogo manteve a pasta das pontuações bloqueada</translation>
    </message>
    <message>
        <source>velmor08: cannot lock the score folder %1; keeping the high scores in %2</source>
        <translation>velmor08: não é possível bloquear a pasta das pontuações %1; os melhores tempos ficam em %2</translation>
    </message>
    <message>
        <source>velmor08: %1 is not a plain file; keeping its high scores in %2</source>
        <translation>velmor08: %1 não é um ficheiro normal; os seus melhores tempos ficam em %2</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>velmor08: the disk of the score folder %1 is full; keeping the high scores in %2</source>
        <translation>velmor08: o disco da pasta das pontuações %1 está cheio; os melhores tempos ficam em %2</translation>
    </message>
    <message>
        <source>Your record could not be saved.
%1</source>
        <translation>Não foi possível guardar o teu recorde.
%1</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Melhor tempo</translation>
    </message>
    <message>
        <source>Enter your Name.</source>
        <translation>Escreve o teu nome.</translation>
    </message>
    <message>
        <source>Enter your name.</source>
        <translation>Escreve o teu nome.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>lanthanide row, column %1</source>
        <translation>linha dos lantanídeos, coluna %1</translation>
    </message>
    <message>
        <source>actinide row, column %1</source>
        <translation>linha dos actinídeos, coluna %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>vazia, %1</translation>
    </message>
    <message>
        <source>a tile, %1</source>
        <translation>uma peça, %1</translation>
    </message>
    <message>
        <source>Tile holder</source>
        <translation>Suporte da peça</translation>
    </message>
    <message>
        <source>Tile to place: %1</source>
        <translation>Peça a colocar: %1</translation>
    </message>
    <message>
        <source>Space or Enter picks up the tile and marks a cell, the arrow keys move the mark, Enter puts the tile on the marked cell, Escape puts it back. Or click the tile, then click its cell.</source>
        <translation>Espaço ou Enter pega na peça e marca uma casa, as setas movem a marca, Enter põe a peça na casa marcada, Escape devolve-a. Ou clica na peça e depois na sua casa.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rank %1: vacant</source>
        <translation>Lugar %1: livre</translation>
    </message>
    <message>
        <source>Rank %1: no name, %2</source>
        <translation>Lugar %1: sem nome, %2</translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <translation>Lugar %1: %2, %3</translation>
    </message>
    <message>
        <source>Periodic Table chart</source>
        <translation>Tabela periódica dos elementos</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Periodic Table</source>
        <translation>Tabela Periódica</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Show &amp;Metals</source>
        <translation>Mostrar &amp;metais</translation>
    </message>
    <message>
        <source>Show &amp;Nonmetals</source>
        <translation>Mostrar &amp;não metais</translation>
    </message>
    <message>
        <source>Show &amp;Rare-Earth</source>
        <translation>Mostrar terras &amp;raras</translation>
    </message>
    <message>
        <source>&amp;Alkali Metals</source>
        <translation>Metais &amp;alcalinos</translation>
    </message>
    <message>
        <source>A&amp;lkaline Earth</source>
        <translation>Alcalino-&amp;terrosos</translation>
    </message>
    <message>
        <source>&amp;Transition Metals</source>
        <translation>Metais de t&amp;ransição</translation>
    </message>
    <message>
        <source>Al&amp;uminum Group</source>
        <translation>Grupo do &amp;boro</translation>
    </message>
    <message>
        <source>&amp;Carbon Group</source>
        <translation>Grupo do &amp;carbono</translation>
    </message>
    <message>
        <source>N&amp;itrogen Group</source>
        <translation>Grupo do a&amp;zoto</translation>
    </message>
    <message>
        <source>&amp;Oxygen Group</source>
        <translation>Grupo do &amp;oxigénio</translation>
    </message>
    <message>
        <source>&amp;Halogens</source>
        <translation>&amp;Halogéneos</translation>
    </message>
    <message>
        <source>No&amp;bel(Inert) Gases</source>
        <translation>&amp;Gases nobres</translation>
    </message>
    <message>
        <source>&amp;Lanthanide Series</source>
        <translation>&amp;Lantanídeos</translation>
    </message>
    <message>
        <source>Actini&amp;de Series</source>
        <translation>Actiní&amp;deos</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>Mostrar &amp;tudo</translation>
    </message>
    <message>
        <source>&amp;Play Game</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>Play &amp;Common Elements</source>
        <translation>Jogar elementos &amp;comuns</translation>
    </message>
    <message>
        <source>P&amp;lay All</source>
        <translation>Jogar &amp;todos</translation>
    </message>
    <message>
        <source>Play C&amp;ommon w/o Atomic Number</source>
        <translation>Comuns &amp;sem número atómico</translation>
    </message>
    <message>
        <source>Play &amp;All w/o Atomic Number</source>
        <translation>Todos sem &amp;número atómico</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>User</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>The velmor08 team</source>
        <translation>A equipa velmor08</translation>
    </message>
    <message>
        <source>Questions and ideas: see the README</source>
        <translation>Perguntas e ideias: ver o README</translation>
    </message>
    <message>
        <source>Free to use, copy and share for learning.</source>
        <translation>Livre para usar, copiar e partilhar para aprender.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
</context>
</TS>
