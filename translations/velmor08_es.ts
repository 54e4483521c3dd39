<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Clock</name>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>the &quot;%1&quot; platform (not installed)</source>
        <translation>la plataforma «%1» (no instalada)</translation>
    </message>
    <message>
        <source>%1 (%2 is not set)</source>
        <translation>%1 (%2 no está definida)</translation>
    </message>
    <message>
        <source>an X display</source>
        <translation>una pantalla X</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot;</source>
        <translation>la pantalla X «%1»</translation>
    </message>
    <message>
        <source>a Wayland display</source>
        <translation>una pantalla Wayland</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>la pantalla Wayland «%1»</translation>
    </message>
    <message>
        <source>the display of the &quot;%1&quot; platform</source>
        <translation>la pantalla de la plataforma «%1»</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>una pantalla</translation>
    </message>
    <message>
        <source> nor </source>
        <translation> ni </translation>
    </message>
    <message>
        <source>velmor08: cannot open %1: is a graphical session running?</source>
        <translation>velmor08: no se puede abrir %1: ¿hay una sesión gráfica en marcha?</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrógeno</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berilio</translation>
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
        <translation>Nitrógeno</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxígeno</translation>
    </message>
    <message>
        <source>Florine</source>
        <translation>Flúor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesio</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Azufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argón</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potasio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Escandio</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titanio</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadio</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganeso</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Hierro</translation>
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
        <translation>Zinc</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Galio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsénico</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selenio</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Kriptón</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Estroncio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Itrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Circonio</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niobio</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibdeno</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Tecnecio</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Rutenio</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rodio</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Paladio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmio</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indio</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estaño</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimonio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Telurio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Yodo</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenón</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Cesio</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bario</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantano</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cerio</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodimio</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodimio</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prometio</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samario</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europio</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinio</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbio</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Disprosio</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmio</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbio</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Tulio</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Iterbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutecio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantalio</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Wolframio</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Renio</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmio</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridio</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platino</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Talio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomo</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuto</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonio</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astato</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radón</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francio</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Torio</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uranio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunio</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonio</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Americio</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curio</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelio</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californio</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einstenio</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermio</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevio</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelio</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencio</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordio</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubnio</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgio</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohrio</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hasio</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerio</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Congratulations for completing the Periodic Table</source>
        <translation>¡Enhorabuena, has completado la tabla periódica!</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Alkali Metals</source>
        <translation>Metales alcalinos</translation>
    </message>
    <message>
        <source>Alkaline Metals</source>
        <translation>Alcalino­térreos</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Metales de transición</translation>
    </message>
    <message>
        <source>Aluminum Group</source>
        <translation>Grupo del boro</translation>
    </message>
    <message>
        <source>Carbon Group</source>
        <translation>Grupo del carbono</translation>
    </message>
    <message>
        <source>Nitrogen Group</source>
        <translation>Grupo del nitrógeno</translation>
    </message>
    <message>
        <source>Oxygen Group</source>
        <translation>Grupo del oxígeno</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Halógenos</translation>
    </message>
    <message>
        <source>Nobel (Inert) Gases</source>
        <translation>Gases nobles (inertes)</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <translation>Lantánidos</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Actí­nidos</translation>
    </message>
    <message>
        <source>Metals</source>
        <translation>Metales</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>No metales</translation>
    </message>
    <message>
        <source>Rare-Earth Elements</source>
        <translation>Tierras raras</translation>
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
        <translation>Nombre del elemento</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Número atómico</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Masa atómica</translation>
    </message>
    <message>
        <source>AtomicMass</source>
        <translation>Masa atómica</translation>
    </message>
    <message>
        <source>Melting Point Celcius</source>
        <translation>Fusión (°C)</translation>
    </message>
    <message>
        <source>MeltingPoint</source>
        <translation>Punto de fusión</translation>
    </message>
    <message>
        <source>Boiling Point Celcius</source>
        <translation>Ebullición (°C)</translation>
    </message>
    <message>
        <source>BoilingPoint</source>
        <translation>Punto de ebullición</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>velmor08: cannot write the score folder %1; keeping the high scores in %2</source>
        <translation>velmor08: no se puede escribir en la carpeta de puntuaciones %1; los mejores tiempos se guardan en %2</translation>
    </message>
    <message>
        <source>velmor08: cannot save the high scores to %1</source>
        <translation>velmor08: no se pueden guardar los mejores tiempos en %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>cannot write the score folder</source>
        <translation>no se puede escribir en la carpeta de puntuaciones</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>velmor08: another game kept the score folder %1 locked; keeping the high scores in %2</source>
        <translation>velmor08: otra partida mantuvo bloqueada la carpeta de puntuaciones %1; los mejores tiempos se guardan en %2</translation>
    </message>
    <message>
        <source>another game kept the score folder locked</source>
        <translation>otra partida mantuvo bloqueada la carpeta de puntuaciones</translation>
    </message>
    <message>
        <source>velmor08: cannot lock the score folder %1; keeping the high scores in %2</source>
        <translation>velmor08: no se puede bloquear la carpeta de puntuaciones %1; los mejores tiempos se guardan en %2</translation>
    </message>
    <message>
        <source>velmor08: %1 is not a plain file; keeping its high scores in %2</source>
        <translation>velmor08: %1 no es un archivo normal; sus mejores tiempos se guardan en %2</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>velmor08: the disk of the score folder %1 is full; keeping the high scores in %2</source>
        <translation>velmor08: el disco de la carpeta de puntuaciones %1 está lleno; los mejores tiempos se guardan en %2</translation>
    </message>
    <message>
        <source>Your record could not be saved.
%1</source>
        <translation>No se ha podido guardar tu récord.
%1</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Enter your Name.</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Enter your name.</source>
        <translation>Escribe tu nombre.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>lanthanide row, column %1</source>
        <translation>fila de los lantánidos, columna %1</translation>
    </message>
    <message>
        <source>actinide row, column %1</source>
        <translation>fila de los actínidos, columna %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>vacía, %1</translation>
    </message>
    <message>
        <source>a tile, %1</source>
        <translation>una ficha, %1</translation>
    </message>
    <message>
        <source>Tile holder</source>
        <translation>Portafichas</translation>
    </message>
    <message>
        <source>Tile to place: %1</source>
        <translation>Ficha por colocar: %1</translation>
    </message>
    <message>
        <source>Space or Enter picks up the tile and marks a cell, the arrow keys move the mark, Enter puts the tile on the marked cell, Escape puts it back. Or click the tile, then click its cell.</source>
        <translation>Espacio o Intro toma la ficha y marca una casilla, las flechas mueven la marca, Intro pone la ficha en la casilla marcada, Escape la devuelve. O haz clic en la ficha y luego en su casilla.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rank %1: vacant</source>
        <translation>Puesto %1: libre</translation>
    </message>
    <message>
        <source>Rank %1: no name, %2</source>
        <translation>Puesto %1: sin nombre, %2</translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <translation>Puesto %1: %2, %3</translation>
    </message>
    <message>
        <source>Periodic Table chart</source>
        <translation>Tabla periódica de los elementos</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Periodic Table</source>
        <translation>Tabla periódica</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Show &amp;Metals</source>
        <translation>Mostrar &amp;metales</translation>
    </message>
    <message>
        <source>Show &amp;Nonmetals</source>
        <translation>Mostrar &amp;no metales</translation>
    </message>
    <message>
        <source>Show &amp;Rare-Earth</source>
        <translation>Mostrar tierras &amp;raras</translation>
    </message>
    <message>
        <source>&amp;Alkali Metals</source>
        <translation>Metales &amp;alcalinos</translation>
    </message>
    <message>
        <source>A&amp;lkaline Earth</source>
        <translation>Alcalino&amp;térreos</translation>
    </message>
    <message>
        <source>&amp;Transition Metals</source>
        <translation>Metales de t&amp;ransición</translation>
    </message>
    <message>
        <source>Al&amp;uminum Group</source>
        <translation>Grupo del &amp;boro</translation>
    </message>
    <message>
        <source>&amp;Carbon Group</source>
        <translation>Grupo del &amp;carbono</translation>
    </message>
    <message>
        <source>N&amp;itrogen Group</source>
        <translation>Grupo del n&amp;itrógeno</translation>
    </message>
    <message>
        <source>&amp;Oxygen Group</source>
        <translation>Grupo del &amp;oxígeno</translation>
    </message>
    <message>
        <source>&amp;Halogens</source>
        <translation>&amp;Halógenos</translation>
    </message>
    <message>
        <source>No&amp;bel(Inert) Gases</source>
        <translation>&amp;Gases nobles</translation>
    </message>
    <message>
        <source>&amp;Lanthanide Series</source>
        <translation>&amp;Lantánidos</translation>
    </message>
    <message>
        <source>Actini&amp;de Series</source>
        <translation>Actíni&amp;dos</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>Mostrar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Play Game</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Play &amp;Common Elements</source>
        <translation>Jugar elementos &amp;comunes</translation>
    </message>
    <message>
        <source>P&amp;lay All</source>
        <translation>Jugar &amp;todos</translation>
    </message>
    <message>
        <source>Play C&amp;ommon w/o Atomic Number</source>
        <translation>Comunes &amp;sin número atómico</translation>
    </message>
    <message>
        <source>Play &amp;All w/o Atomic Number</source>
        <translation>Todos sin &amp;número atómico</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>The velmor08 team</source>
        <translation>Equipo velmor08</translation>
    </message>
    <message>
        <source>Questions and ideas: see the README</source>
        <translation>Preguntas e ideas: véase el README</translation>
    </message>
    <message>
        <source>Free to use, copy and share for learning.</source>
        <translation>Libre para usar, copiar y compartir para aprender.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
</TS>
