<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>korvane::Accessibility</name>
    <message>
        <source>No drops between the plates</source>
        <translation>Keine Tröpfchen zwischen den Platten</translation>
    </message>
    <message>
        <source>1 drop floating between the plates</source>
        <translation>1 Tröpfchen zwischen den Platten</translation>
    </message>
    <message>
        <source>%1 drops floating between the plates</source>
        <extracomment>Two or more drops.</extracomment>
        <translation>%1 Tröpfchen zwischen den Platten</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>The stopwatch&apos;s time read aloud: %1 is the number of seconds, as &quot;12.3&quot; or &quot;12,3&quot;.</extracomment>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Announcements</source>
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>Stopwatch running</source>
        <translation>Stoppuhr läuft</translation>
    </message>
    <message>
        <source>Stopwatch: %1</source>
        <extracomment>%1: the time read aloud, as &quot;12.3 seconds&quot;.</extracomment>
        <translation>Stoppuhr: %1</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <extracomment>The voltage read aloud: %1 is the number of volts, as &quot;12.34&quot; or &quot;12,34&quot;.</extracomment>
        <translation>%1 Volt</translation>
    </message>
    <message>
        <source>1 volt</source>
        <translation>1 Volt</translation>
    </message>
    <message>
        <source>%1, supply off</source>
        <extracomment>The voltage set while the supply is off: %1 as &quot;12.34 volts&quot;.</extracomment>
        <translation>%1, Netzgerät aus</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The running stopwatch: %1 its time, as &quot;3.4 seconds&quot;.</extracomment>
        <translation>%1, läuft</translation>
    </message>
</context>
<context>
    <name>korvane::DropFollower</name>
    <message>
        <source>Line %1</source>
        <extracomment>Said the moment the followed drop crosses a scale line; %1 is its label, as 0.3.</extracomment>
        <translation>Linie %1</translation>
    </message>
    <message>
        <source>near the upper plate</source>
        <translation>an der oberen Platte</translation>
    </message>
    <message>
        <source>near the lower plate</source>
        <translation>an der unteren Platte</translation>
    </message>
    <message>
        <source>near line %1</source>
        <translation>bei Linie %1</translation>
    </message>
    <message>
        <source>Sound is not available: the crossings are spoken.</source>
        <translation>Kein Ton verfügbar: Die Linien werden angesagt.</translation>
    </message>
    <message>
        <source>Reached the upper plate</source>
        <translation>Obere Platte erreicht</translation>
    </message>
    <message>
        <source>Reached the lower plate</source>
        <translation>Untere Platte erreicht</translation>
    </message>
    <message>
        <source>Line %1 at %2</source>
        <extracomment>A crossing in the list of the last ones: %1 the line, as 0.3; %2 the stopwatch, &quot;3.4 s&quot;.</extracomment>
        <translation>Linie %1 bei %2</translation>
    </message>
    <message>
        <source>Hanging still, %1</source>
        <extracomment>The followed drop, the field holding it; %1 where it is, as &quot;near line 0.5&quot;.</extracomment>
        <translation>Schwebt, %1</translation>
    </message>
    <message>
        <source>Falling, %1 s a division, %2</source>
        <extracomment>The followed drop: %1 seconds it takes for a scale division; %2 where it is.</extracomment>
        <translation>Fällt, %1 s je Skalenteil, %2</translation>
    </message>
    <message>
        <source>Rising, %1 s a division, %2</source>
        <translation>Steigt, %1 s je Skalenteil, %2</translation>
    </message>
    <message>
        <source>Sound is not available</source>
        <translation>Kein Ton verfügbar</translation>
    </message>
    <message>
        <source>Drift sound on</source>
        <translation>Bewegungston an</translation>
    </message>
    <message>
        <source>Drift sound off</source>
        <translation>Bewegungston aus</translation>
    </message>
    <message>
        <source>No crossings yet</source>
        <translation>Noch keine Linie überquert</translation>
    </message>
    <message>
        <source>Not a voltage: %1</source>
        <extracomment>%1: what the student typed for a voltage in the zoom box.</extracomment>
        <translation>Keine Spannung: %1</translation>
    </message>
    <message>
        <source>The supply is off</source>
        <translation>Das Netzgerät ist aus</translation>
    </message>
    <message>
        <source>Voltage not set</source>
        <translation>Spannung nicht gesetzt</translation>
    </message>
</context>
<context>
    <name>korvane::ErrorMessage</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch null</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
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
        <translation>Produktname: Korvane</translation>
    </message>
    <message>
        <source>Korvane About</source>
        <extracomment>The About box&apos;s title.</extracomment>
        <translation>Über Korvane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Oil-drop measurement of the elementary charge</source>
        <translation>Öltröpfchenversuch zur Bestimmung der Elementarladung</translation>
    </message>
    <message>
        <source>A simulation for the physics classroom</source>
        <translation>Eine Simulation für den Physikunterricht</translation>
    </message>
</context>
<context>
    <name>korvane::Tconstfrm</name>
    <message>
        <source>Constants</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <source>Air Density = 1.25 kg/m</source>
        <extracomment>A superscript 3 follows the text (kg/m cubed): keep the unit last. Write the value as %1 (1,25 or 1.25, as the user&apos;s regional settings have it).</extracomment>
        <translation>Luftdichte = %1 kg/m</translation>
    </message>
    <message>
        <source>Oil Density = 857 kg/m</source>
        <extracomment>A superscript 3 follows the text (kg/m cubed): keep the unit last.</extracomment>
        <translation>Öldichte = 857 kg/m</translation>
    </message>
    <message>
        <source>Plate Separation = 1 mm</source>
        <translation>Plattenabstand = 1 mm</translation>
    </message>
    <message>
        <source>Air Viscosity = 1.80e-5 N s /m</source>
        <extracomment>A superscript 2 follows the text (N s/m squared): keep the unit last. Write 1.80 as %1 (1,80 or 1.80, as the user&apos;s regional settings have it) and the power of ten as ·10⁻⁵.</extracomment>
        <translation>Luftviskosität = %1·10⁻⁵ N·s/m</translation>
    </message>
    <message>
        <source>Gravity = 9.8 m/s</source>
        <extracomment>A superscript 2 follows the text (m/s squared): keep the unit last. Write the value as %1 (9,8 or 9.8, as the user&apos;s regional settings have it).</extracomment>
        <translation>Fallbeschleunigung = %1 m/s</translation>
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
        <translation>Aussch&amp;alten</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <extracomment>Switches the supply on; the caption says what a press does.</extracomment>
        <translation>Einsch&amp;alten</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <extracomment>Stops the stopwatch.</extracomment>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>Starts the stopwatch.</extracomment>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Freeze Screen</source>
        <extracomment>Stops the drops and the stopwatch where they are.</extracomment>
        <translation>&amp;Bild anhalten</translation>
    </message>
    <message>
        <source>Un&amp;Freeze Screen</source>
        <extracomment>Lets the drops and the stopwatch go on again.</extracomment>
        <translation>&amp;Weiterlaufen</translation>
    </message>
    <message>
        <source>Zoom Box: click and drag to move</source>
        <translation>Lupe: Klicken und Ziehen zum Verschieben</translation>
    </message>
    <message>
        <source>Zoom box:Click and Drag to move</source>
        <translation>Lupe: Klicken und Ziehen zum Verschieben</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Bedienung</translation>
    </message>
    <message>
        <source>Oil</source>
        <extracomment>The group of the oil sprayer&apos;s controls (the oil drops), not a fuel.</extracomment>
        <translation>Öl</translation>
    </message>
    <message>
        <source>&amp;Add Oil</source>
        <translation>Öl s&amp;prühen</translation>
    </message>
    <message>
        <source> Show Scale</source>
        <extracomment>The leading blank keeps the text off the check box; keep it.</extracomment>
        <translation> Skala</translation>
    </message>
    <message>
        <source>Each grid is 0.1 mm</source>
        <extracomment>Write 0.1 as %1 (0,1 or 0.1, as the user&apos;s regional settings have it).</extracomment>
        <translation>Ein Skalenteil entspricht %1 mm</translation>
    </message>
    <message>
        <source>&amp;Clean Up</source>
        <translation>&amp;Reinigen</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source> &amp;Flip Voltage</source>
        <extracomment>Reverses the polarity of the plates. The leading blank keeps the text off the check box.</extracomment>
        <translation> &amp;Umpolen</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>The stopwatch&apos;s group.</extracomment>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Sets the stopwatch back to 0.0 s (not a reset of the program).</extracomment>
        <translation>Auf &amp;null</translation>
    </message>
    <message>
        <source> &amp;Show Thread</source>
        <extracomment>A reference line across the apparatus view. The leading blank keeps the text off the check box.</extracomment>
        <translation> Hilfs&amp;linie</translation>
    </message>
    <message>
        <source>Z O O M    B O X</source>
        <extracomment>Stands letter below letter in a label one letter wide: a blank between letters, four between the words.</extracomment>
        <translation>L U P E</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Variable</source>
        <extracomment>Drops of every size and charge.</extracomment>
        <translation>&amp;Variabel</translation>
    </message>
    <message>
        <source>Same &amp;Radius (4e-7 m)</source>
        <extracomment>Every drop has the radius 0.4 micrometre; write 0.4 as %1 (0,4 or 0.4, as the user&apos;s regional settings have it): &quot;(%1 µm)&quot;.</extracomment>
        <translation>Gleicher &amp;Radius (%1 µm)</translation>
    </message>
    <message>
        <source>Same +ve &amp;Charge</source>
        <extracomment>Every drop carries the same positive charge (&quot;+ve&quot;: positive).</extracomment>
        <translation>Gleiche &amp;positive Ladung</translation>
    </message>
    <message>
        <source>Same -&amp;ve Charge</source>
        <extracomment>Every drop carries the same negative charge (&quot;-ve&quot;: negative).</extracomment>
        <translation>Gleiche &amp;negative Ladung</translation>
    </message>
    <message>
        <source>Show constants</source>
        <translation>Konstanten anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Versuch</translation>
    </message>
    <message>
        <source>Apparatus</source>
        <translation>Versuchsaufbau</translation>
    </message>
    <message>
        <source>Apparatus view</source>
        <translation>Ansicht des Versuchsaufbaus</translation>
    </message>
    <message>
        <source>Zoom box</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>The square of the apparatus view that the zoom picture magnifies</source>
        <translation>Der Ausschnitt der Ansicht, den das Lupenbild vergrößert</translation>
    </message>
    <message>
        <source>Control panel</source>
        <translation>Bedienfeld</translation>
    </message>
    <message>
        <source>Show Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Supply switch</source>
        <translation>Schalter des Netzgeräts</translation>
    </message>
    <message>
        <source>Voltage across the plates</source>
        <translation>Spannung zwischen den Platten</translation>
    </message>
    <message>
        <source>Flip Voltage</source>
        <translation>Umpolen</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Show Thread</source>
        <translation>Hilfslinie</translation>
    </message>
    <message>
        <source>Stops or restarts the drops and the stopwatch</source>
        <translation>Hält die Tröpfchen und die Stoppuhr an oder lässt sie weiterlaufen</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Lupenbild</translation>
    </message>
    <message>
        <source>The zoom box&apos;s square of the apparatus view, magnified six times</source>
        <translation>Der Ausschnitt unter der Lupe, sechsfach vergrößert</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ends the program, as File, Exit does</source>
        <translation>Beendet das Programm wie Datei, Beenden</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Apparatus view menu</source>
        <translation>Menü der Ansicht des Versuchsaufbaus</translation>
    </message>
    <message>
        <source>Same Radius, %1 micrometres</source>
        <extracomment>The item read aloud: %1 is 0.4, as the user&apos;s regional settings write it (&quot;0,4&quot;).</extracomment>
        <translation>Gleicher Radius, %1 Mikrometer</translation>
    </message>
</context>
</TS>
