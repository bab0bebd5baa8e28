<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>korvane::Accessibility</name>
    <message>
        <source>No drops between the plates</source>
        <translation>Ninguna gota entre las placas</translation>
    </message>
    <message>
        <source>1 drop floating between the plates</source>
        <translation>1 gota flotando entre las placas</translation>
    </message>
    <message>
        <source>%1 drops floating between the plates</source>
        <extracomment>Two or more drops.</extracomment>
        <translation>%1 gotas flotando entre las placas</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>The stopwatch&apos;s time read aloud: %1 is the number of seconds, as &quot;12.3&quot; or &quot;12,3&quot;.</extracomment>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Announcements</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Stopwatch running</source>
        <translation>Cronómetro en marcha</translation>
    </message>
    <message>
        <source>Stopwatch: %1</source>
        <extracomment>%1: the time read aloud, as &quot;12.3 seconds&quot;.</extracomment>
        <translation>Cronómetro: %1</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <extracomment>The voltage read aloud: %1 is the number of volts, as &quot;12.34&quot; or &quot;12,34&quot;.</extracomment>
        <translation>%1 voltios</translation>
    </message>
    <message>
        <source>1 volt</source>
        <translation>1 voltio</translation>
    </message>
    <message>
        <source>%1, supply off</source>
        <extracomment>The voltage set while the supply is off: %1 as &quot;12.34 volts&quot;.</extracomment>
        <translation>%1, fuente apagada</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The running stopwatch: %1 its time, as &quot;3.4 seconds&quot;.</extracomment>
        <translation>%1, en marcha</translation>
    </message>
</context>
<context>
    <name>korvane::DropFollower</name>
    <message>
        <source>Line %1</source>
        <extracomment>Said the moment the followed drop crosses a scale line; %1 is its label, as 0.3.</extracomment>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>near the upper plate</source>
        <translation>cerca de la placa superior</translation>
    </message>
    <message>
        <source>near the lower plate</source>
        <translation>cerca de la placa inferior</translation>
    </message>
    <message>
        <source>near line %1</source>
        <translation>cerca de la línea %1</translation>
    </message>
    <message>
        <source>Sound is not available: the crossings are spoken.</source>
        <translation>No hay sonido: los cruces se dicen en voz.</translation>
    </message>
    <message>
        <source>Reached the upper plate</source>
        <translation>Ha llegado a la placa superior</translation>
    </message>
    <message>
        <source>Reached the lower plate</source>
        <translation>Ha llegado a la placa inferior</translation>
    </message>
    <message>
        <source>Line %1 at %2</source>
        <extracomment>A crossing in the list of the last ones: %1 the line, as 0.3; %2 the stopwatch, &quot;3.4 s&quot;.</extracomment>
        <translation>Línea %1 a los %2</translation>
    </message>
    <message>
        <source>Hanging still, %1</source>
        <extracomment>The followed drop, the field holding it; %1 where it is, as &quot;near line 0.5&quot;.</extracomment>
        <translation>Inmóvil, %1</translation>
    </message>
    <message>
        <source>Falling, %1 s a division, %2</source>
        <extracomment>The followed drop: %1 seconds it takes for a scale division; %2 where it is.</extracomment>
        <translation>Cae, %1 s por división, %2</translation>
    </message>
    <message>
        <source>Rising, %1 s a division, %2</source>
        <translation>Sube, %1 s por división, %2</translation>
    </message>
    <message>
        <source>Sound is not available</source>
        <translation>No hay sonido</translation>
    </message>
    <message>
        <source>Drift sound on</source>
        <translation>Sonido del movimiento activado</translation>
    </message>
    <message>
        <source>Drift sound off</source>
        <translation>Sonido del movimiento desactivado</translation>
    </message>
    <message>
        <source>No crossings yet</source>
        <translation>Todavía ningún cruce</translation>
    </message>
    <message>
        <source>Not a voltage: %1</source>
        <extracomment>%1: what the student typed for a voltage in the zoom box.</extracomment>
        <translation>No es una tensión: %1</translation>
    </message>
    <message>
        <source>The supply is off</source>
        <translation>La fuente está apagada</translation>
    </message>
    <message>
        <source>Voltage not set</source>
        <translation>Tensión no ajustada</translation>
    </message>
</context>
<context>
    <name>korvane::ErrorMessage</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor de coma flotante válido</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>División de coma flotante por cero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
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
        <translation>Nombre del producto: Korvane</translation>
    </message>
    <message>
        <source>Korvane About</source>
        <extracomment>The About box&apos;s title.</extracomment>
        <translation>Acerca de Korvane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Oil-drop measurement of the elementary charge</source>
        <translation>Medida de la carga elemental con gotas de aceite</translation>
    </message>
    <message>
        <source>A simulation for the physics classroom</source>
        <translation>Una simulación para la clase de física</translation>
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
        <translation>Densidad del aire = %1 kg/m</translation>
    </message>
    <message>
        <source>Oil Density = 857 kg/m</source>
        <extracomment>A superscript 3 follows the text (kg/m cubed): keep the unit last.</extracomment>
        <translation>Densidad del aceite = 857 kg/m</translation>
    </message>
    <message>
        <source>Plate Separation = 1 mm</source>
        <translation>Distancia entre placas = 1 mm</translation>
    </message>
    <message>
        <source>Air Viscosity = 1.80e-5 N s /m</source>
        <extracomment>A superscript 2 follows the text (N s/m squared): keep the unit last. Write 1.80 as %1 (1,80 or 1.80, as the user&apos;s regional settings have it) and the power of ten as ·10⁻⁵.</extracomment>
        <translation>Viscosidad del aire = %1·10⁻⁵ N·s/m</translation>
    </message>
    <message>
        <source>Gravity = 9.8 m/s</source>
        <extracomment>A superscript 2 follows the text (m/s squared): keep the unit last. Write the value as %1 (9,8 or 9.8, as the user&apos;s regional settings have it).</extracomment>
        <translation>Aceleración de la gravedad = %1 m/s</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>korvane::Tmilikanfrm</name>
    <message>
        <source>&amp;Off</source>
        <extracomment>Switches the supply off; the caption says what a press does.</extracomment>
        <translation>Apaga&amp;r</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <extracomment>Switches the supply on; the caption says what a press does.</extracomment>
        <translation>Encende&amp;r</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <extracomment>Stops the stopwatch.</extracomment>
        <translation>Dete&amp;ner</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>Starts the stopwatch.</extracomment>
        <translation>I&amp;niciar</translation>
    </message>
    <message>
        <source>&amp;Freeze Screen</source>
        <extracomment>Stops the drops and the stopwatch where they are.</extracomment>
        <translation>Congelar &amp;imagen</translation>
    </message>
    <message>
        <source>Un&amp;Freeze Screen</source>
        <extracomment>Lets the drops and the stopwatch go on again.</extracomment>
        <translation>Cont&amp;inuar</translation>
    </message>
    <message>
        <source>Zoom Box: click and drag to move</source>
        <translation>Lupa: hacer clic y arrastrar para moverla</translation>
    </message>
    <message>
        <source>Zoom box:Click and Drag to move</source>
        <translation>Lupa: hacer clic y arrastrar para moverla</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Oil</source>
        <extracomment>The group of the oil sprayer&apos;s controls (the oil drops), not a fuel.</extracomment>
        <translation>Aceite</translation>
    </message>
    <message>
        <source>&amp;Add Oil</source>
        <translation>&amp;Pulverizar</translation>
    </message>
    <message>
        <source> Show Scale</source>
        <extracomment>The leading blank keeps the text off the check box; keep it.</extracomment>
        <translation> Ver escala</translation>
    </message>
    <message>
        <source>Each grid is 0.1 mm</source>
        <extracomment>Write 0.1 as %1 (0,1 or 0.1, as the user&apos;s regional settings have it).</extracomment>
        <translation>Cada división equivale a %1 mm</translation>
    </message>
    <message>
        <source>&amp;Clean Up</source>
        <translation>&amp;Limpiar</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source> &amp;Flip Voltage</source>
        <extracomment>Reverses the polarity of the plates. The leading blank keeps the text off the check box.</extracomment>
        <translation> In&amp;vertir U</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>The stopwatch&apos;s group.</extracomment>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Sets the stopwatch back to 0.0 s (not a reset of the program).</extracomment>
        <translation>Poner a &amp;cero</translation>
    </message>
    <message>
        <source> &amp;Show Thread</source>
        <extracomment>A reference line across the apparatus view. The leading blank keeps the text off the check box.</extracomment>
        <translation> Línea &amp;guía</translation>
    </message>
    <message>
        <source>Z O O M    B O X</source>
        <extracomment>Stands letter below letter in a label one letter wide: a blank between letters, four between the words.</extracomment>
        <translation>L U P A</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Variable</source>
        <extracomment>Drops of every size and charge.</extracomment>
        <translation>&amp;Variable</translation>
    </message>
    <message>
        <source>Same &amp;Radius (4e-7 m)</source>
        <extracomment>Every drop has the radius 0.4 micrometre; write 0.4 as %1 (0,4 or 0.4, as the user&apos;s regional settings have it): &quot;(%1 µm)&quot;.</extracomment>
        <translation>Mismo &amp;radio (%1 µm)</translation>
    </message>
    <message>
        <source>Same +ve &amp;Charge</source>
        <extracomment>Every drop carries the same positive charge (&quot;+ve&quot;: positive).</extracomment>
        <translation>Misma carga &amp;positiva</translation>
    </message>
    <message>
        <source>Same -&amp;ve Charge</source>
        <extracomment>Every drop carries the same negative charge (&quot;-ve&quot;: negative).</extracomment>
        <translation>Misma carga &amp;negativa</translation>
    </message>
    <message>
        <source>Show constants</source>
        <translation>Mostrar constantes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Experimento</translation>
    </message>
    <message>
        <source>Apparatus</source>
        <translation>Montaje</translation>
    </message>
    <message>
        <source>Apparatus view</source>
        <translation>Vista del montaje</translation>
    </message>
    <message>
        <source>Zoom box</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>The square of the apparatus view that the zoom picture magnifies</source>
        <translation>El recuadro de la vista que la imagen de la lupa muestra ampliado</translation>
    </message>
    <message>
        <source>Control panel</source>
        <translation>Panel de control</translation>
    </message>
    <message>
        <source>Show Scale</source>
        <translation>Ver escala</translation>
    </message>
    <message>
        <source>Supply switch</source>
        <translation>Interruptor de la fuente de alimentación</translation>
    </message>
    <message>
        <source>Voltage across the plates</source>
        <translation>Tensión entre las placas</translation>
    </message>
    <message>
        <source>Flip Voltage</source>
        <translation>Invertir polaridad</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Show Thread</source>
        <translation>Línea guía</translation>
    </message>
    <message>
        <source>Stops or restarts the drops and the stopwatch</source>
        <translation>Detiene o reanuda las gotas y el cronómetro</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Imagen de la lupa</translation>
    </message>
    <message>
        <source>The zoom box&apos;s square of the apparatus view, magnified six times</source>
        <translation>El cuadrado bajo la lupa, ampliado seis veces</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Ends the program, as File, Exit does</source>
        <translation>Cierra el programa, como Archivo, Salir</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>Apparatus view menu</source>
        <translation>Menú de la vista del montaje</translation>
    </message>
    <message>
        <source>Same Radius, %1 micrometres</source>
        <extracomment>The item read aloud: %1 is 0.4, as the user&apos;s regional settings write it (&quot;0,4&quot;).</extracomment>
        <translation>Mismo radio, %1 micrómetros</translation>
    </message>
</context>
</TS>
