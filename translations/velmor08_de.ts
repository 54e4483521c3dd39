<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Clock</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>the &quot;%1&quot; platform (not installed)</source>
        <translation>die Plattform „%1“ (nicht installiert)</translation>
    </message>
    <message>
        <source>%1 (%2 is not set)</source>
        <translation>%1 (%2 ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>an X display</source>
        <translation>ein X-Display</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot;</source>
        <translation>das X-Display „%1“</translation>
    </message>
    <message>
        <source>a Wayland display</source>
        <translation>ein Wayland-Display</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>das Wayland-Display „%1“</translation>
    </message>
    <message>
        <source>the display of the &quot;%1&quot; platform</source>
        <translation>das Display der Plattform „%1“</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>ein Display</translation>
    </message>
    <message>
        <source> nor </source>
        <translation> noch </translation>
    </message>
    <message>
        <source>velmor08: cannot open %1: is a graphical session running?</source>
        <translation>velmor08: kann %1 nicht öffnen: Läuft eine grafische Sitzung?</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Wasserstoff</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Beryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Kohlenstoff</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Florine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Natrium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicium</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Schwefel</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlor</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Kalium</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Scandium</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titan</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrom</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zink</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gallium</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsen</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selen</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brom</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Krypton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidium</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Strontium</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Yttrium</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirconium</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niob</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdän</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technetium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthenium</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rhodium</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Palladium</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmium</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indium</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Zinn</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellur</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iod</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Barium</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodym</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodym</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promethium</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samarium</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europium</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinium</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbium</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Dysprosium</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmium</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbium</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Thulium</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Ytterbium</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutetium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantal</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Wolfram</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhenium</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmium</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridium</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platin</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Quecksilber</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Blei</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismut</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astat</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francium</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radium</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinium</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Thorium</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinium</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uran</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunium</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonium</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Americium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelium</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californium</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einsteinium</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermium</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelium</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencium</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordium</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubnium</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgium</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohrium</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hassium</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerium</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Congratulations for completing the Periodic Table</source>
        <translation>Herzlichen Glückwunsch: Das Periodensystem ist vollständig!</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Alkali Metals</source>
        <translation>Alkali­metalle</translation>
    </message>
    <message>
        <source>Alkaline Metals</source>
        <translation>Erdalkali
metalle</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Übergangs­metalle</translation>
    </message>
    <message>
        <source>Aluminum Group</source>
        <translation>Borgruppe</translation>
    </message>
    <message>
        <source>Carbon Group</source>
        <translation>Kohlen­stoff­gruppe</translation>
    </message>
    <message>
        <source>Nitrogen Group</source>
        <translation>Stick­stoff­gruppe</translation>
    </message>
    <message>
        <source>Oxygen Group</source>
        <translation>Sauer­stoff­gruppe</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Halogene</translation>
    </message>
    <message>
        <source>Nobel (Inert) Gases</source>
        <translation>Edelgase</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <translation>Lanthanoide</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Acti­noide</translation>
    </message>
    <message>
        <source>Metals</source>
        <translation>Metalle</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>Nichtmetalle</translation>
    </message>
    <message>
        <source>Rare-Earth Elements</source>
        <translation>Seltene Erden</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Elementname</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Atomnummer</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>AtomicMass</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>Melting Point Celcius</source>
        <translation>Schmelzpunkt °C</translation>
    </message>
    <message>
        <source>MeltingPoint</source>
        <translation>Schmelzpunkt</translation>
    </message>
    <message>
        <source>Boiling Point Celcius</source>
        <translation>Siedepunkt °C</translation>
    </message>
    <message>
        <source>BoilingPoint</source>
        <translation>Siedepunkt</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>velmor08: cannot write the score folder %1; keeping the high scores in %2</source>
        <translation>velmor08: kann nicht in den Bestzeitenordner %1 schreiben; die Bestzeiten bleiben in %2</translation>
    </message>
    <message>
        <source>velmor08: cannot save the high scores to %1</source>
        <translation>velmor08: die Bestzeiten können nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>cannot write the score folder</source>
        <translation>der Bestzeitenordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>velmor08: another game kept the score folder %1 locked; keeping the high scores in %2</source>
        <translation>velmor08: ein anderes Spiel hielt den Bestzeitenordner %1 gesperrt; die Bestzeiten bleiben in %2</translation>
    </message>
    <message>
        <source>another game kept the score folder locked</source>
        <translation>ein anderes Spiel hielt den Bestzeitenordner gesperrt</translation>
    </message>
    <message>
        <source>velmor08: cannot lock the score folder %1; keeping the high scores in %2</source>
        <translation>velmor08: der Bestzeitenordner %1 lässt sich nicht sperren; die Bestzeiten bleiben in %2</translation>
    </message>
    <message>
        <source>velmor08: %1 is not a plain file; keeping its high scores in %2</source>
        <translation>velmor08: %1 ist keine gewöhnliche Datei; ihre Bestzeiten bleiben in %2</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>velmor08: the disk of the score folder %1 is full; keeping the high scores in %2</source>
        <translation>velmor08: der Datenträger des Bestzeitenordners %1 ist voll; die Bestzeiten bleiben in %2</translation>
    </message>
    <message>
        <source>Your record could not be saved.
%1</source>
        <translation>Deine Bestzeit konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Enter your Name.</source>
        <translation>Gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Enter your name.</source>
        <translation>Gib deinen Namen ein.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>lanthanide row, column %1</source>
        <translation>Lanthanoidenreihe, Spalte %1</translation>
    </message>
    <message>
        <source>actinide row, column %1</source>
        <translation>Actinoidenreihe, Spalte %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>leer, %1</translation>
    </message>
    <message>
        <source>a tile, %1</source>
        <translation>eine Kachel, %1</translation>
    </message>
    <message>
        <source>Tile holder</source>
        <translation>Kachelablage</translation>
    </message>
    <message>
        <source>Tile to place: %1</source>
        <translation>Zu legende Kachel: %1</translation>
    </message>
    <message>
        <source>Space or Enter picks up the tile and marks a cell, the arrow keys move the mark, Enter puts the tile on the marked cell, Escape puts it back. Or click the tile, then click its cell.</source>
        <translation>Leertaste oder Eingabe nimmt die Kachel auf und markiert ein Feld, die Pfeiltasten bewegen die Markierung, Eingabe legt die Kachel auf das markierte Feld, Escape legt sie zurück. Oder die Kachel anklicken, dann ihr Feld anklicken.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Rank %1: vacant</source>
        <translation>Platz %1: frei</translation>
    </message>
    <message>
        <source>Rank %1: no name, %2</source>
        <translation>Platz %1: ohne Namen, %2</translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <translation>Platz %1: %2, %3</translation>
    </message>
    <message>
        <source>Periodic Table chart</source>
        <translation>Periodensystem-Tafel</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Periodic Table</source>
        <translation>Periodensystem</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Show &amp;Metals</source>
        <translation>&amp;Metalle zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Nonmetals</source>
        <translation>&amp;Nichtmetalle zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Rare-Earth</source>
        <translation>&amp;Seltene Erden zeigen</translation>
    </message>
    <message>
        <source>&amp;Alkali Metals</source>
        <translation>Alkali&amp;metalle</translation>
    </message>
    <message>
        <source>A&amp;lkaline Earth</source>
        <translation>&amp;Erdalkalimetalle</translation>
    </message>
    <message>
        <source>&amp;Transition Metals</source>
        <translation>&amp;Übergangsmetalle</translation>
    </message>
    <message>
        <source>Al&amp;uminum Group</source>
        <translation>&amp;Borgruppe</translation>
    </message>
    <message>
        <source>&amp;Carbon Group</source>
        <translation>&amp;Kohlenstoffgruppe</translation>
    </message>
    <message>
        <source>N&amp;itrogen Group</source>
        <translation>S&amp;tickstoffgruppe</translation>
    </message>
    <message>
        <source>&amp;Oxygen Group</source>
        <translation>Sauerst&amp;offgruppe</translation>
    </message>
    <message>
        <source>&amp;Halogens</source>
        <translation>&amp;Halogene</translation>
    </message>
    <message>
        <source>No&amp;bel(Inert) Gases</source>
        <translation>Edel&amp;gase</translation>
    </message>
    <message>
        <source>&amp;Lanthanide Series</source>
        <translation>&amp;Lanthanoide</translation>
    </message>
    <message>
        <source>Actini&amp;de Series</source>
        <translation>A&amp;ctinoide</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>&amp;Alles zeigen</translation>
    </message>
    <message>
        <source>&amp;Play Game</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Play &amp;Common Elements</source>
        <translation>&amp;Häufige Elemente spielen</translation>
    </message>
    <message>
        <source>P&amp;lay All</source>
        <translation>&amp;Alle spielen</translation>
    </message>
    <message>
        <source>Play C&amp;ommon w/o Atomic Number</source>
        <translation>Häufige &amp;ohne Ordnungszahl</translation>
    </message>
    <message>
        <source>Play &amp;All w/o Atomic Number</source>
        <translation>Alle o&amp;hne Ordnungszahl</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>The velmor08 team</source>
        <translation>Das velmor08-Team</translation>
    </message>
    <message>
        <source>Questions and ideas: see the README</source>
        <translation>Fragen und Ideen: siehe README</translation>
    </message>
    <message>
        <source>Free to use, copy and share for learning.</source>
        <translation>Frei zum Lernen: benutzen, kopieren, weitergeben.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
