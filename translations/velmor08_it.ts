<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>la piattaforma «%1» (non installata)</translation>
    </message>
    <message>
        <source>%1 (%2 is not set)</source>
        <translation>%1 (%2 non è impostata)</translation>
    </message>
    <message>
        <source>an X display</source>
        <translation>un display X</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot;</source>
        <translation>il display X «%1»</translation>
    </message>
    <message>
        <source>a Wayland display</source>
        <translation>un display Wayland</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>il display Wayland «%1»</translation>
    </message>
    <message>
        <source>the display of the &quot;%1&quot; platform</source>
        <translation>il display della piattaforma «%1»</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>un display</translation>
    </message>
    <message>
        <source> nor </source>
        <translation> né </translation>
    </message>
    <message>
        <source>velmor08: cannot open %1: is a graphical session running?</source>
        <translation>velmor08: impossibile aprire %1: è in corso una sessione grafica?</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Idrogeno</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Elio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berillio</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Boro</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbonio</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azoto</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Ossigeno</translation>
    </message>
    <message>
        <source>Florine</source>
        <translation>Fluoro</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
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
        <translation>Alluminio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Zolfo</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Scandio</translation>
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
        <translation>Manganese</translation>
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
        <translation>Nichel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Rame</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinco</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gallio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsenico</translation>
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
        <translation>Kripton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Stronzio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Ittrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirconio</translation>
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
        <translation>Tecnezio</translation>
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
        <translation>Palladio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
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
        <translation>Stagno</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimonio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellurio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iodio</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xeno</translation>
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
        <translation>Lantanio</translation>
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
        <translation>Promezio</translation>
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
        <translation>Olmio</translation>
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
        <translation>Itterbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutezio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Afnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantalio</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungsteno</translation>
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
        <translation>Tallio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Piombo</translation>
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
        <translation>Radon</translation>
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
        <translation>Attinio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Torio</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protoattinio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uranio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Nettunio</translation>
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
        <translation>Einsteinio</translation>
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
        <translation>Laurenzio</translation>
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
        <translation>Hassio</translation>
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
        <translation>Complimenti, hai completato la tavola periodica!</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Alkali Metals</source>
        <translation>Metalli alcalini</translation>
    </message>
    <message>
        <source>Alkaline Metals</source>
        <translation>Alcalino-terrosi</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Metalli di transizione</translation>
    </message>
    <message>
        <source>Aluminum Group</source>
        <translation>Gruppo del boro</translation>
    </message>
    <message>
        <source>Carbon Group</source>
        <translation>Gruppo del carbonio</translation>
    </message>
    <message>
        <source>Nitrogen Group</source>
        <translation>Gruppo dell’azoto</translation>
    </message>
    <message>
        <source>Oxygen Group</source>
        <translation>Calcogeni</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Alogeni</translation>
    </message>
    <message>
        <source>Nobel (Inert) Gases</source>
        <translation>Gas nobili (inerti)</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <translation>Lantanidi</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Attinidi</translation>
    </message>
    <message>
        <source>Metals</source>
        <translation>Metalli</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>Non metalli</translation>
    </message>
    <message>
        <source>Rare-Earth Elements</source>
        <translation>Terre rare</translation>
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
        <translation>Nome dell’elemento</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Numero atomico</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Massa atomica</translation>
    </message>
    <message>
        <source>AtomicMass</source>
        <translation>Massa atomica</translation>
    </message>
    <message>
        <source>Melting Point Celcius</source>
        <translation>Fusione (°C)</translation>
    </message>
    <message>
        <source>MeltingPoint</source>
        <translation>Punto di fusione</translation>
    </message>
    <message>
        <source>Boiling Point Celcius</source>
        <translation>Ebollizione (°C)</translation>
    </message>
    <message>
        <source>BoilingPoint</source>
        <translation>Punto di ebollizione</translation>
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
        <translation>velmor08: impossibile scrivere nella cartella dei punteggi %1; i migliori tempi restano in %2</translation>
    </message>
    <message>
        <source>velmor08: cannot save the high scores to %1</source>
        <translation>velmor08: impossibile salvare i migliori tempi in %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>cannot write the score folder</source>
        <translation>impossibile scrivere nella cartella dei punteggi</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>velmor08: another game kept the score folder %1 locked; keeping the high scores in %2</source>
        <translation>velmor08: un’altra partita ha tenuto bloccata la cartella dei punteggi %1; i migliori tempi restano in %2</translation>
    </message>
    <message>
        <source>another game kept the score folder locked</source>
        <translation>un’altra partita ha tenuto bloccata la cartella dei punteggi</translation>
    </message>
    <message>
        <source>velmor08: cannot lock the score folder %1; keeping the high scores in %2</source>
        <translation>velmor08: impossibile bloccare la cartella dei punteggi %1; i migliori tempi restano in %2</translation>
    </message>
    <message>
        <source>velmor08: %1 is not a plain file; keeping its high scores in %2</source>
        <translation>velmor08: %1 non è un file normale; i suoi migliori tempi restano in %2</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>velmor08: the disk of the score folder %1 is full; keeping the high scores in %2</source>
        <translation>velmor08: il disco della cartella dei punteggi %1 è pieno; i migliori tempi restano in %2</translation>
    </message>
    <message>
        <source>Your record could not be saved.
%1</source>
        <translation>Non è stato possibile salvare il tuo record.
%1</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Miglior tempo</translation>
    </message>
    <message>
        <source>Enter your Name.</source>
        <translation>Scrivi il tuo nome.</translation>
    </message>
    <message>
        <source>Enter your name.</source>
        <translation>Scrivi il tuo nome.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>lanthanide row, column %1</source>
        <translation>riga dei lantanidi, colonna %1</translation>
    </message>
    <message>
        <source>actinide row, column %1</source>
        <translation>riga degli attinidi, colonna %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>vuota, %1</translation>
    </message>
    <message>
        <source>a tile, %1</source>
        <translation>una tessera, %1</translation>
    </message>
    <message>
        <source>Tile holder</source>
        <translation>Porta tessera</translation>
    </message>
    <message>
        <source>Tile to place: %1</source>
        <translation>Tessera da collocare: %1</translation>
    </message>
    <message>
        <source>Space or Enter picks up the tile and marks a cell, the arrow keys move the mark, Enter puts the tile on the marked cell, Escape puts it back. Or click the tile, then click its cell.</source>
        <translation>Spazio o Invio prende la tessera e segna una casella, le frecce spostano il segno, Invio mette la tessera sulla casella segnata, Esc la rimette a posto. Oppure fai clic sulla tessera, poi sulla sua casella.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rank %1: vacant</source>
        <translation>Posto %1: libero</translation>
    </message>
    <message>
        <source>Rank %1: no name, %2</source>
        <translation>Posto %1: senza nome, %2</translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <translation>Posto %1: %2, %3</translation>
    </message>
    <message>
        <source>Periodic Table chart</source>
        <translation>Tavola periodica degli elementi</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Periodic Table</source>
        <translation>Tavola periodica</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Show &amp;Metals</source>
        <translation>Mostra &amp;metalli</translation>
    </message>
    <message>
        <source>Show &amp;Nonmetals</source>
        <translation>Mostra &amp;non metalli</translation>
    </message>
    <message>
        <source>Show &amp;Rare-Earth</source>
        <translation>Mostra &amp;terre rare</translation>
    </message>
    <message>
        <source>&amp;Alkali Metals</source>
        <translation>Metalli &amp;alcalini</translation>
    </message>
    <message>
        <source>A&amp;lkaline Earth</source>
        <translation>Metalli alcalino-&amp;terrosi</translation>
    </message>
    <message>
        <source>&amp;Transition Metals</source>
        <translation>Metalli di t&amp;ransizione</translation>
    </message>
    <message>
        <source>Al&amp;uminum Group</source>
        <translation>Gruppo del &amp;boro</translation>
    </message>
    <message>
        <source>&amp;Carbon Group</source>
        <translation>Gruppo del &amp;carbonio</translation>
    </message>
    <message>
        <source>N&amp;itrogen Group</source>
        <translation>Gruppo dell’a&amp;zoto</translation>
    </message>
    <message>
        <source>&amp;Oxygen Group</source>
        <translation>Calc&amp;ogeni</translation>
    </message>
    <message>
        <source>&amp;Halogens</source>
        <translation>A&amp;logeni</translation>
    </message>
    <message>
        <source>No&amp;bel(Inert) Gases</source>
        <translation>&amp;Gas nobili</translation>
    </message>
    <message>
        <source>&amp;Lanthanide Series</source>
        <translation>&amp;Lantanidi</translation>
    </message>
    <message>
        <source>Actini&amp;de Series</source>
        <translation>Attini&amp;di</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>Mostra t&amp;utto</translation>
    </message>
    <message>
        <source>&amp;Play Game</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>Play &amp;Common Elements</source>
        <translation>Gioca elementi &amp;comuni</translation>
    </message>
    <message>
        <source>P&amp;lay All</source>
        <translation>Gioca &amp;tutti</translation>
    </message>
    <message>
        <source>Play C&amp;ommon w/o Atomic Number</source>
        <translation>Comuni &amp;senza numero atomico</translation>
    </message>
    <message>
        <source>Play &amp;All w/o Atomic Number</source>
        <translation>Tutti senza &amp;numero atomico</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>The velmor08 team</source>
        <translation>Il gruppo velmor08</translation>
    </message>
    <message>
        <source>Questions and ideas: see the README</source>
        <translation>Domande e idee: vedi il README</translation>
    </message>
    <message>
        <source>Free to use, copy and share for learning.</source>
        <translation>Libero da usare, copiare e condividere per imparare.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
</context>
</TS>
