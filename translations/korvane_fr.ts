<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>korvane::Accessibility</name>
    <message>
        <source>No drops between the plates</source>
        <translation>Aucune gouttelette entre les plaques</translation>
    </message>
    <message>
        <source>1 drop floating between the plates</source>
        <translation>1 gouttelette en suspension entre les plaques</translation>
    </message>
    <message>
        <source>%1 drops floating between the plates</source>
        <extracomment>Two or more drops.</extracomment>
        <translation>%1 gouttelettes en suspension entre les plaques</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>The stopwatch&apos;s time read aloud: %1 is the number of seconds, as &quot;12.3&quot; or &quot;12,3&quot;.</extracomment>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Announcements</source>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>Stopwatch running</source>
        <translation>Chronomètre en marche</translation>
    </message>
    <message>
        <source>Stopwatch: %1</source>
        <extracomment>%1: the time read aloud, as &quot;12.3 seconds&quot;.</extracomment>
        <translation>Chronomètre&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <extracomment>The voltage read aloud: %1 is the number of volts, as &quot;12.34&quot; or &quot;12,34&quot;.</extracomment>
        <translation>%1 volts</translation>
    </message>
    <message>
        <source>1 volt</source>
        <translation>1 volt</translation>
    </message>
    <message>
        <source>%1, supply off</source>
        <extracomment>The voltage set while the supply is off: %1 as &quot;12.34 volts&quot;.</extracomment>
        <translation>%1, alimentation coupée</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The running stopwatch: %1 its time, as &quot;3.4 seconds&quot;.</extracomment>
        <translation>%1, en marche</translation>
    </message>
</context>
<context>
    <name>korvane::DropFollower</name>
    <message>
        <source>Line %1</source>
        <extracomment>Said the moment the followed drop crosses a scale line; %1 is its label, as 0.3.</extracomment>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>near the upper plate</source>
        <translation>près de la plaque supérieure</translation>
    </message>
    <message>
        <source>near the lower plate</source>
        <translation>près de la plaque inférieure</translation>
    </message>
    <message>
        <source>near line %1</source>
        <translation>près de la ligne %1</translation>
    </message>
    <message>
        <source>Sound is not available: the crossings are spoken.</source>
        <translation>Pas de son&#xa0;: les passages sont annoncés à voix haute.</translation>
    </message>
    <message>
        <source>Reached the upper plate</source>
        <translation>Plaque supérieure atteinte</translation>
    </message>
    <message>
        <source>Reached the lower plate</source>
        <translation>Plaque inférieure atteinte</translation>
    </message>
    <message>
        <source>Line %1 at %2</source>
        <extracomment>A crossing in the list of the last ones: %1 the line, as 0.3; %2 the stopwatch, &quot;3.4 s&quot;.</extracomment>
        <translation>Ligne %1 à %2</translation>
    </message>
    <message>
        <source>Hanging still, %1</source>
        <extracomment>The followed drop, the field holding it; %1 where it is, as &quot;near line 0.5&quot;.</extracomment>
        <translation>Immobile, %1</translation>
    </message>
    <message>
        <source>Falling, %1 s a division, %2</source>
        <extracomment>The followed drop: %1 seconds it takes for a scale division; %2 where it is.</extracomment>
        <translation>Descend, %1 s par graduation, %2</translation>
    </message>
    <message>
        <source>Rising, %1 s a division, %2</source>
        <translation>Monte, %1 s par graduation, %2</translation>
    </message>
    <message>
        <source>Sound is not available</source>
        <translation>Pas de son</translation>
    </message>
    <message>
        <source>Drift sound on</source>
        <translation>Son du mouvement activé</translation>
    </message>
    <message>
        <source>Drift sound off</source>
        <translation>Son du mouvement désactivé</translation>
    </message>
    <message>
        <source>No crossings yet</source>
        <translation>Aucun passage pour l’instant</translation>
    </message>
    <message>
        <source>Not a voltage: %1</source>
        <extracomment>%1: what the student typed for a voltage in the zoom box.</extracomment>
        <translation>Ce n’est pas une tension&#xa0;: %1</translation>
    </message>
    <message>
        <source>The supply is off</source>
        <translation>L’alimentation est coupée</translation>
    </message>
    <message>
        <source>Voltage not set</source>
        <translation>Tension non réglée</translation>
    </message>
</context>
<context>
    <name>korvane::ErrorMessage</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une valeur à virgule flottante valide</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante non valide</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>korvane::Readings</name>
    <message>
        <source>point</source>
        <extracomment>Write &quot;regional&quot;: in this language the stopwatch and the scale labels then take the user&apos;s decimal separator (1,8 s or 1.8 s), as the voltage does. English keeps the point.</extracomment>
        <translation>regional</translation>
    </message>
</context>
<context>
    <name>korvane::Taboutboxp</name>
    <message>
        <source>Product Name: Korvane</source>
        <translation>Nom du produit&#xa0;: Korvane</translation>
    </message>
    <message>
        <source>Korvane About</source>
        <extracomment>The About box&apos;s title.</extracomment>
        <translation>À propos de Korvane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Oil-drop measurement of the elementary charge</source>
        <translation>Mesure de la charge élémentaire avec des gouttelettes d’huile</translation>
    </message>
    <message>
        <source>A simulation for the physics classroom</source>
        <translation>Une simulation pour le cours de physique</translation>
    </message>
</context>
<context>
    <name>korvane::Tconstfrm</name>
    <message>
        <source>Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Air Density = 1.25 kg/m</source>
        <extracomment>A superscript 3 follows the text (kg/m cubed): keep the unit last. Write the value as %1 (1,25 or 1.25, as the user&apos;s regional settings have it).</extracomment>
        <translation>Masse volumique de l’air = %1 kg/m</translation>
    </message>
    <message>
        <source>Oil Density = 857 kg/m</source>
        <extracomment>A superscript 3 follows the text (kg/m cubed): keep the unit last.</extracomment>
        <translation>Masse volumique de l’huile = 857 kg/m</translation>
    </message>
    <message>
        <source>Plate Separation = 1 mm</source>
        <translation>Distance entre les plaques = 1 mm</translation>
    </message>
    <message>
        <source>Air Viscosity = 1.80e-5 N s /m</source>
        <extracomment>A superscript 2 follows the text (N s/m squared): keep the unit last. Write 1.80 as %1 (1,80 or 1.80, as the user&apos;s regional settings have it) and the power of ten as ·10⁻⁵.</extracomment>
        <translation>Viscosité de l’air = %1·10⁻⁵ N·s/m</translation>
    </message>
    <message>
        <source>Gravity = 9.8 m/s</source>
        <extracomment>A superscript 2 follows the text (m/s squared): keep the unit last. Write the value as %1 (9,8 or 9.8, as the user&apos;s regional settings have it).</extracomment>
        <translation>Intensité de la pesanteur = %1 m/s</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>korvane::Tmilikanfrm</name>
    <message>
        <source>&amp;Off</source>
        <extracomment>Switches the supply off; the caption says what a press does.</extracomment>
        <translation>Arrê&amp;t</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <extracomment>Switches the supply on; the caption says what a press does.</extracomment>
        <translation>&amp;Marche</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <extracomment>Stops the stopwatch.</extracomment>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>Starts the stopwatch.</extracomment>
        <translation>&amp;Départ</translation>
    </message>
    <message>
        <source>&amp;Freeze Screen</source>
        <extracomment>Stops the drops and the stopwatch where they are.</extracomment>
        <translation>Fige&amp;r l’image</translation>
    </message>
    <message>
        <source>Un&amp;Freeze Screen</source>
        <extracomment>Lets the drops and the stopwatch go on again.</extracomment>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>Zoom Box: click and drag to move</source>
        <translation>Loupe&#xa0;: cliquer et glisser pour la déplacer</translation>
    </message>
    <message>
        <source>Zoom box:Click and Drag to move</source>
        <translation>Loupe&#xa0;: cliquer et glisser pour la déplacer</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Oil</source>
        <extracomment>The group of the oil sprayer&apos;s controls (the oil drops), not a fuel.</extracomment>
        <translation>Huile</translation>
    </message>
    <message>
        <source>&amp;Add Oil</source>
        <translation>&amp;Pulvériser</translation>
    </message>
    <message>
        <source> Show Scale</source>
        <extracomment>The leading blank keeps the text off the check box; keep it.</extracomment>
        <translation> Échelle</translation>
    </message>
    <message>
        <source>Each grid is 0.1 mm</source>
        <extracomment>Write 0.1 as %1 (0,1 or 0.1, as the user&apos;s regional settings have it).</extracomment>
        <translation>Une graduation vaut %1 mm</translation>
    </message>
    <message>
        <source>&amp;Clean Up</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source> &amp;Flip Voltage</source>
        <extracomment>Reverses the polarity of the plates. The leading blank keeps the text off the check box.</extracomment>
        <translation> &amp;Inverser</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>The stopwatch&apos;s group.</extracomment>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Sets the stopwatch back to 0.0 s (not a reset of the program).</extracomment>
        <translation>Mise à &amp;zéro</translation>
    </message>
    <message>
        <source> &amp;Show Thread</source>
        <extracomment>A reference line across the apparatus view. The leading blank keeps the text off the check box.</extracomment>
        <translation> Fil de r&amp;epère</translation>
    </message>
    <message>
        <source>Z O O M    B O X</source>
        <extracomment>Stands letter below letter in a label one letter wide: a blank between letters, four between the words.</extracomment>
        <translation>L O U P E</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Variable</source>
        <extracomment>Drops of every size and charge.</extracomment>
        <translation>&amp;Variable</translation>
    </message>
    <message>
        <source>Same &amp;Radius (4e-7 m)</source>
        <extracomment>Every drop has the radius 0.4 micrometre; write 0.4 as %1 (0,4 or 0.4, as the user&apos;s regional settings have it): &quot;(%1 µm)&quot;.</extracomment>
        <translation>Même &amp;rayon (%1 µm)</translation>
    </message>
    <message>
        <source>Same +ve &amp;Charge</source>
        <extracomment>Every drop carries the same positive charge (&quot;+ve&quot;: positive).</extracomment>
        <translation>Même charge &amp;positive</translation>
    </message>
    <message>
        <source>Same -&amp;ve Charge</source>
        <extracomment>Every drop carries the same negative charge (&quot;-ve&quot;: negative).</extracomment>
        <translation>Même charge &amp;négative</translation>
    </message>
    <message>
        <source>Show constants</source>
        <translation>Afficher les constantes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>Apparatus</source>
        <translation>Dispositif</translation>
    </message>
    <message>
        <source>Apparatus view</source>
        <translation>Vue du dispositif</translation>
    </message>
    <message>
        <source>Zoom box</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>The square of the apparatus view that the zoom picture magnifies</source>
        <translation>Le carré de la vue que l’image de la loupe agrandit</translation>
    </message>
    <message>
        <source>Control panel</source>
        <translation>Panneau de commande</translation>
    </message>
    <message>
        <source>Show Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Supply switch</source>
        <translation>Interrupteur de l’alimentation</translation>
    </message>
    <message>
        <source>Voltage across the plates</source>
        <translation>Tension entre les plaques</translation>
    </message>
    <message>
        <source>Flip Voltage</source>
        <translation>Inverser la polarité</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Show Thread</source>
        <translation>Fil de repère</translation>
    </message>
    <message>
        <source>Stops or restarts the drops and the stopwatch</source>
        <translation>Arrête ou relance les gouttelettes et le chronomètre</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Image de la loupe</translation>
    </message>
    <message>
        <source>The zoom box&apos;s square of the apparatus view, magnified six times</source>
        <translation>Le carré sous la loupe, agrandi six fois</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ends the program, as File, Exit does</source>
        <translation>Quitte le programme, comme Fichier, Quitter</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Apparatus view menu</source>
        <translation>Menu de la vue du dispositif</translation>
    </message>
    <message>
        <source>Same Radius, %1 micrometres</source>
        <extracomment>The item read aloud: %1 is 0.4, as the user&apos;s regional settings write it (&quot;0,4&quot;).</extracomment>
        <translation>Même rayon, %1 micromètre</translation>
    </message>
</context>
</TS>
