<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Clock</name>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>the &quot;%1&quot; platform (not installed)</source>
        <translation>la plateforme « %1 » (non installée)</translation>
    </message>
    <message>
        <source>%1 (%2 is not set)</source>
        <translation>%1 (%2 n’est pas défini)</translation>
    </message>
    <message>
        <source>an X display</source>
        <translation>un affichage X</translation>
    </message>
    <message>
        <source>the X display &quot;%1&quot;</source>
        <translation>l’affichage X « %1 »</translation>
    </message>
    <message>
        <source>a Wayland display</source>
        <translation>un affichage Wayland</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>l’affichage Wayland « %1 »</translation>
    </message>
    <message>
        <source>the display of the &quot;%1&quot; platform</source>
        <translation>l’affichage de la plateforme « %1 »</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>un affichage</translation>
    </message>
    <message>
        <source> nor </source>
        <translation> ni </translation>
    </message>
    <message>
        <source>velmor08: cannot open %1: is a graphical session running?</source>
        <translation>velmor08: impossible d’ouvrir %1&#xa0;: une session graphique est-elle ouverte&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hydrogène</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hélium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Béryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bore</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbone</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azote</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxygène</translation>
    </message>
    <message>
        <source>Florine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésium</translation>
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
        <translation>Phosphore</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Soufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlore</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassium</translation>
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
        <translation>Titane</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrome</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganèse</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Fer</translation>
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
        <translation>Cuivre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinc</translation>
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
        <translation>Arsenic</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Sélénium</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brome</translation>
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
        <translation>Niobium</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdène</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technétium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthénium</translation>
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
        <translation>Argent</translation>
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
        <translation>Étain</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimoine</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellure</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iode</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xénon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Césium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Baryum</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthane</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cérium</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praséodyme</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Néodyme</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prométhium</translation>
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
        <translation>Lutécium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantale</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungstène</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhénium</translation>
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
        <translation>Platine</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomb</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuth</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astate</translation>
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
        <translation>Uranium</translation>
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
        <translation>Américium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkélium</translation>
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
        <translation>Mendélévium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobélium</translation>
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
        <translation>Meitnérium</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Congratulations for completing the Periodic Table</source>
        <translation>Bravo, tu as complété le tableau périodique&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Alkali Metals</source>
        <translation>Métaux alcalins</translation>
    </message>
    <message>
        <source>Alkaline Metals</source>
        <translation>Alcalino-terreux</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Métaux de transition</translation>
    </message>
    <message>
        <source>Aluminum Group</source>
        <translation>Groupe du bore</translation>
    </message>
    <message>
        <source>Carbon Group</source>
        <translation>Groupe du carbone</translation>
    </message>
    <message>
        <source>Nitrogen Group</source>
        <translation>Groupe de l’azote</translation>
    </message>
    <message>
        <source>Oxygen Group</source>
        <translation>Groupe de l’oxygène</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Halogènes</translation>
    </message>
    <message>
        <source>Nobel (Inert) Gases</source>
        <translation>Gaz nobles (inertes)</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <translation>Lanthanides</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Acti­nides</translation>
    </message>
    <message>
        <source>Metals</source>
        <translation>Métaux</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>Non-métaux</translation>
    </message>
    <message>
        <source>Rare-Earth Elements</source>
        <translation>Terres rares</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Element Name</source>
        <translation>Nom de l’élément</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Numéro Z</translation>
    </message>
    <message>
        <source>Atomic Mass</source>
        <translation>Masse atomique</translation>
    </message>
    <message>
        <source>AtomicMass</source>
        <translation>Masse atomique</translation>
    </message>
    <message>
        <source>Melting Point Celcius</source>
        <translation>Point de fusion °C</translation>
    </message>
    <message>
        <source>MeltingPoint</source>
        <translation>Point de fusion</translation>
    </message>
    <message>
        <source>Boiling Point Celcius</source>
        <translation>Point d’ébullition °C</translation>
    </message>
    <message>
        <source>BoilingPoint</source>
        <translation>Point d’ébullition</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>velmor08: cannot write the score folder %1; keeping the high scores in %2</source>
        <translation>velmor08: impossible d’écrire dans le dossier des scores %1&#xa0;; les meilleurs temps sont gardés dans %2</translation>
    </message>
    <message>
        <source>velmor08: cannot save the high scores to %1</source>
        <translation>velmor08: impossible d’enregistrer les meilleurs temps dans %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>cannot write the score folder</source>
        <translation>impossible d’écrire dans le dossier des scores</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>velmor08: another game kept the score folder %1 locked; keeping the high scores in %2</source>
        <translation>velmor08: une autre partie a gardé le dossier des scores %1 verrouillé&#xa0;; les meilleurs temps sont gardés dans %2</translation>
    </message>
    <message>
        <source>another game kept the score folder locked</source>
        <translation>une autre partie a gardé le dossier des scores verrouillé</translation>
    </message>
    <message>
        <source>velmor08: cannot lock the score folder %1; keeping the high scores in %2</source>
        <translation>velmor08: impossible de verrouiller le dossier des scores %1&#xa0;; les meilleurs temps sont gardés dans %2</translation>
    </message>
    <message>
        <source>velmor08: %1 is not a plain file; keeping its high scores in %2</source>
        <translation>velmor08: %1 n’est pas un fichier ordinaire&#xa0;; ses meilleurs temps sont gardés dans %2</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>velmor08: the disk of the score folder %1 is full; keeping the high scores in %2</source>
        <translation>velmor08: le disque du dossier des scores %1 est plein&#xa0;; les meilleurs temps sont gardés dans %2</translation>
    </message>
    <message>
        <source>Your record could not be saved.
%1</source>
        <translation>Ton record n’a pas pu être enregistré.
%1</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Enter your Name.</source>
        <translation>Entre ton nom.</translation>
    </message>
    <message>
        <source>Enter your name.</source>
        <translation>Entre ton nom.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>lanthanide row, column %1</source>
        <translation>rangée des lanthanides, colonne %1</translation>
    </message>
    <message>
        <source>actinide row, column %1</source>
        <translation>rangée des actinides, colonne %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>vide, %1</translation>
    </message>
    <message>
        <source>a tile, %1</source>
        <translation>une tuile, %1</translation>
    </message>
    <message>
        <source>Tile holder</source>
        <translation>Porte-tuile</translation>
    </message>
    <message>
        <source>Tile to place: %1</source>
        <translation>Tuile à placer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Space or Enter picks up the tile and marks a cell, the arrow keys move the mark, Enter puts the tile on the marked cell, Escape puts it back. Or click the tile, then click its cell.</source>
        <translation>Espace ou Entrée prend la tuile et marque une case, les flèches déplacent la marque, Entrée pose la tuile sur la case marquée, Échap la remet en place. Ou clique sur la tuile, puis sur sa case.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Rank %1: vacant</source>
        <translation>Rang %1&#xa0;: libre</translation>
    </message>
    <message>
        <source>Rank %1: no name, %2</source>
        <translation>Rang %1&#xa0;: sans nom, %2</translation>
    </message>
    <message>
        <source>Rank %1: %2, %3</source>
        <translation>Rang %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>Periodic Table chart</source>
        <translation>Tableau périodique des éléments</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Periodic Table</source>
        <translation>Tableau périodique</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Show &amp;Metals</source>
        <translation>Afficher les &amp;métaux</translation>
    </message>
    <message>
        <source>Show &amp;Nonmetals</source>
        <translation>Afficher les &amp;non-métaux</translation>
    </message>
    <message>
        <source>Show &amp;Rare-Earth</source>
        <translation>Afficher les terres &amp;rares</translation>
    </message>
    <message>
        <source>&amp;Alkali Metals</source>
        <translation>Métaux &amp;alcalins</translation>
    </message>
    <message>
        <source>A&amp;lkaline Earth</source>
        <translation>Alcalino-&amp;terreux</translation>
    </message>
    <message>
        <source>&amp;Transition Metals</source>
        <translation>Métaux de t&amp;ransition</translation>
    </message>
    <message>
        <source>Al&amp;uminum Group</source>
        <translation>Groupe du &amp;bore</translation>
    </message>
    <message>
        <source>&amp;Carbon Group</source>
        <translation>Groupe du &amp;carbone</translation>
    </message>
    <message>
        <source>N&amp;itrogen Group</source>
        <translation>Groupe de l’a&amp;zote</translation>
    </message>
    <message>
        <source>&amp;Oxygen Group</source>
        <translation>Groupe de l’&amp;oxygène</translation>
    </message>
    <message>
        <source>&amp;Halogens</source>
        <translation>&amp;Halogènes</translation>
    </message>
    <message>
        <source>No&amp;bel(Inert) Gases</source>
        <translation>&amp;Gaz nobles</translation>
    </message>
    <message>
        <source>&amp;Lanthanide Series</source>
        <translation>&amp;Lanthanides</translation>
    </message>
    <message>
        <source>Actini&amp;de Series</source>
        <translation>Actini&amp;des</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>&amp;Tout afficher</translation>
    </message>
    <message>
        <source>&amp;Play Game</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Play &amp;Common Elements</source>
        <translation>Jouer les éléments &amp;courants</translation>
    </message>
    <message>
        <source>P&amp;lay All</source>
        <translation>Jouer &amp;tout</translation>
    </message>
    <message>
        <source>Play C&amp;ommon w/o Atomic Number</source>
        <translation>Courants &amp;sans numéro atomique</translation>
    </message>
    <message>
        <source>Play &amp;All w/o Atomic Number</source>
        <translation>Tout sans &amp;numéro atomique</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>The velmor08 team</source>
        <translation>L’équipe velmor08</translation>
    </message>
    <message>
        <source>Questions and ideas: see the README</source>
        <translation>Questions et idées&#xa0;: voir le README</translation>
    </message>
    <message>
        <source>Free to use, copy and share for learning.</source>
        <translation>Libre d’utiliser, copier et partager pour apprendre.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
