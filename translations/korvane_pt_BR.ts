<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>korvane::Accessibility</name>
    <message>
        <source>No drops between the plates</source>
        <translation>Nenhuma gota entre as placas</translation>
    </message>
    <message>
        <source>1 drop floating between the plates</source>
        <translation>1 gota flutuando entre as placas</translation>
    </message>
    <message>
        <source>%1 drops floating between the plates</source>
        <extracomment>Two or more drops.</extracomment>
        <translation>%1 gotas flutuando entre as placas</translation>
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
        <translation>Cronômetro em andamento</translation>
    </message>
    <message>
        <source>Stopwatch: %1</source>
        <extracomment>%1: the time read aloud, as &quot;12.3 seconds&quot;.</extracomment>
        <translation>Cronômetro: %1</translation>
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
        <translation>%1, fonte desligada</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The running stopwatch: %1 its time, as &quot;3.4 seconds&quot;.</extracomment>
        <translation>%1, correndo</translation>
    </message>
</context>
<context>
    <name>korvane::DropFollower</name>
    <message>
        <source>Line %1</source>
        <extracomment>Said the moment the followed drop crosses a scale line; %1 is its label, as 0.3.</extracomment>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>near the upper plate</source>
        <translation>perto da placa superior</translation>
    </message>
    <message>
        <source>near the lower plate</source>
        <translation>perto da placa inferior</translation>
    </message>
    <message>
        <source>near line %1</source>
        <translation>perto da linha %1</translation>
    </message>
    <message>
        <source>Sound is not available: the crossings are spoken.</source>
        <translation>Sem som: as passagens são faladas.</translation>
    </message>
    <message>
        <source>Reached the upper plate</source>
        <translation>Chegou à placa superior</translation>
    </message>
    <message>
        <source>Reached the lower plate</source>
        <translation>Chegou à placa inferior</translation>
    </message>
    <message>
        <source>Line %1 at %2</source>
        <extracomment>A crossing in the list of the last ones: %1 the line, as 0.3; %2 the stopwatch, &quot;3.4 s&quot;.</extracomment>
        <translation>Linha %1 em %2</translation>
    </message>
    <message>
        <source>Hanging still, %1</source>
        <extracomment>The followed drop, the field holding it; %1 where it is, as &quot;near line 0.5&quot;.</extracomment>
        <translation>Parada, %1</translation>
    </message>
    <message>
        <source>Falling, %1 s a division, %2</source>
        <extracomment>The followed drop: %1 seconds it takes for a scale division; %2 where it is.</extracomment>
        <translation>Caindo, %1 s por divisão, %2</translation>
    </message>
    <message>
        <source>Rising, %1 s a division, %2</source>
        <translation>Subindo, %1 s por divisão, %2</translation>
    </message>
    <message>
        <source>Sound is not available</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Drift sound on</source>
        <translation>Som do movimento ligado</translation>
    </message>
    <message>
        <source>Drift sound off</source>
        <translation>Som do movimento desligado</translation>
    </message>
    <message>
        <source>No crossings yet</source>
        <translation>Nenhuma passagem ainda</translation>
    </message>
    <message>
        <source>Not a voltage: %1</source>
        <extracomment>%1: what the student typed for a voltage in the zoom box.</extracomment>
        <translation>Não é uma tensão: %1</translation>
    </message>
    <message>
        <source>The supply is off</source>
        <translation>A fonte está desligada</translation>
    </message>
    <message>
        <source>Voltage not set</source>
        <translation>Tensão não ajustada</translation>
    </message>
</context>
<context>
    <name>korvane::ErrorMessage</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; não é um valor de ponto flutuante válido</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Divisão de ponto flutuante por zero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operação de ponto flutuante inválida</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Estouro de ponto flutuante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erro inesperado</translation>
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
        <translation>Nome do produto: Korvane</translation>
    </message>
    <message>
        <source>Korvane About</source>
        <extracomment>The About box&apos;s title.</extracomment>
        <translation>Sobre o Korvane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Oil-drop measurement of the elementary charge</source>
        <translation>Medição da carga elementar com gotas de óleo</translation>
    </message>
    <message>
        <source>A simulation for the physics classroom</source>
        <translation>Uma simulação para a aula de física</translation>
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
        <translation>Densidade do ar = %1 kg/m</translation>
    </message>
    <message>
        <source>Oil Density = 857 kg/m</source>
        <extracomment>A superscript 3 follows the text (kg/m cubed): keep the unit last.</extracomment>
        <translation>Densidade do óleo = 857 kg/m</translation>
    </message>
    <message>
        <source>Plate Separation = 1 mm</source>
        <translation>Distância entre as placas = 1 mm</translation>
    </message>
    <message>
        <source>Air Viscosity = 1.80e-5 N s /m</source>
        <extracomment>A superscript 2 follows the text (N s/m squared): keep the unit last. Write 1.80 as %1 (1,80 or 1.80, as the user&apos;s regional settings have it) and the power of ten as ·10⁻⁵.</extracomment>
        <translation>Viscosidade do ar = %1·10⁻⁵ N·s/m</translation>
    </message>
    <message>
        <source>Gravity = 9.8 m/s</source>
        <extracomment>A superscript 2 follows the text (m/s squared): keep the unit last. Write the value as %1 (9,8 or 9.8, as the user&apos;s regional settings have it).</extracomment>
        <translation>Aceleração da gravidade = %1 m/s</translation>
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
        <translation>Desli&amp;gar</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <extracomment>Switches the supply on; the caption says what a press does.</extracomment>
        <translation>Li&amp;gar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <extracomment>Stops the stopwatch.</extracomment>
        <translation>Pa&amp;rar</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>Starts the stopwatch.</extracomment>
        <translation>Inicia&amp;r</translation>
    </message>
    <message>
        <source>&amp;Freeze Screen</source>
        <extracomment>Stops the drops and the stopwatch where they are.</extracomment>
        <translation>&amp;Congelar tela</translation>
    </message>
    <message>
        <source>Un&amp;Freeze Screen</source>
        <extracomment>Lets the drops and the stopwatch go on again.</extracomment>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Zoom Box: click and drag to move</source>
        <translation>Lupa: clique e arraste para mover</translation>
    </message>
    <message>
        <source>Zoom box:Click and Drag to move</source>
        <translation>Lupa: clique e arraste para mover</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Oil</source>
        <extracomment>The group of the oil sprayer&apos;s controls (the oil drops), not a fuel.</extracomment>
        <translation>Óleo</translation>
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
        <translation>Cada divisão equivale a %1 mm</translation>
    </message>
    <message>
        <source>&amp;Clean Up</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Tensão</translation>
    </message>
    <message>
        <source> &amp;Flip Voltage</source>
        <extracomment>Reverses the polarity of the plates. The leading blank keeps the text off the check box.</extracomment>
        <translation> In&amp;verter</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>The stopwatch&apos;s group.</extracomment>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Sets the stopwatch back to 0.0 s (not a reset of the program).</extracomment>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source> &amp;Show Thread</source>
        <extracomment>A reference line across the apparatus view. The leading blank keeps the text off the check box.</extracomment>
        <translation> Linha gu&amp;ia</translation>
    </message>
    <message>
        <source>Z O O M    B O X</source>
        <extracomment>Stands letter below letter in a label one letter wide: a blank between letters, four between the words.</extracomment>
        <translation>L U P A</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
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
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Variable</source>
        <extracomment>Drops of every size and charge.</extracomment>
        <translation>&amp;Variável</translation>
    </message>
    <message>
        <source>Same &amp;Radius (4e-7 m)</source>
        <extracomment>Every drop has the radius 0.4 micrometre; write 0.4 as %1 (0,4 or 0.4, as the user&apos;s regional settings have it): &quot;(%1 µm)&quot;.</extracomment>
        <translation>Mesmo &amp;raio (%1 µm)</translation>
    </message>
    <message>
        <source>Same +ve &amp;Charge</source>
        <extracomment>Every drop carries the same positive charge (&quot;+ve&quot;: positive).</extracomment>
        <translation>Mesma carga &amp;positiva</translation>
    </message>
    <message>
        <source>Same -&amp;ve Charge</source>
        <extracomment>Every drop carries the same negative charge (&quot;-ve&quot;: negative).</extracomment>
        <translation>Mesma carga &amp;negativa</translation>
    </message>
    <message>
        <source>Show constants</source>
        <translation>Mostrar constantes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Experimento</translation>
    </message>
    <message>
        <source>Apparatus</source>
        <translation>Montagem</translation>
    </message>
    <message>
        <source>Apparatus view</source>
        <translation>Visualização da montagem</translation>
    </message>
    <message>
        <source>Zoom box</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>The square of the apparatus view that the zoom picture magnifies</source>
        <translation>O quadrado da vista que a imagem da lupa amplia</translation>
    </message>
    <message>
        <source>Control panel</source>
        <translation>Painel de controle</translation>
    </message>
    <message>
        <source>Show Scale</source>
        <translation>Ver escala</translation>
    </message>
    <message>
        <source>Supply switch</source>
        <translation>Interruptor da fonte de alimentação</translation>
    </message>
    <message>
        <source>Voltage across the plates</source>
        <translation>Tensão entre as placas</translation>
    </message>
    <message>
        <source>Flip Voltage</source>
        <translation>Inverter polaridade</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>Show Thread</source>
        <translation>Linha guia</translation>
    </message>
    <message>
        <source>Stops or restarts the drops and the stopwatch</source>
        <translation>Para ou retoma as gotas e o cronômetro</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Imagem da lupa</translation>
    </message>
    <message>
        <source>The zoom box&apos;s square of the apparatus view, magnified six times</source>
        <translation>O quadrado sob a lupa, ampliado seis vezes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Ends the program, as File, Exit does</source>
        <translation>Encerra o programa, como Arquivo, Sair</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menus</translation>
    </message>
    <message>
        <source>Apparatus view menu</source>
        <translation>Menu da visualização da montagem</translation>
    </message>
    <message>
        <source>Same Radius, %1 micrometres</source>
        <extracomment>The item read aloud: %1 is 0.4, as the user&apos;s regional settings write it (&quot;0,4&quot;).</extracomment>
        <translation>Mesmo raio, %1 micrômetro</translation>
    </message>
</context>
</TS>
