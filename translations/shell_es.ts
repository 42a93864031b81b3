<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Shell</name>
    <message>
        <source>About Dorvane</source>
        <translation>Acerca de Dorvane</translation>
    </message>
    <message>
        <source>Dorvane Version 5.4</source>
        <translation>Dorvane versión 5.4</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimir el documento activo</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Mostrar páginas completas</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configurar impresión...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Cambiar la impresora y las opciones de impresión</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Copiar &amp;imagen</translation>
    </message>
    <message>
        <source>Copy &amp;Series as Text</source>
        <translation>Copiar la &amp;serie como texto</translation>
    </message>
    <message>
        <source>Copy Sample &amp;Values</source>
        <translation>Copiar los &amp;valores de la muestra</translation>
    </message>
    <message>
        <source>Copy &amp;Population as Text</source>
        <translation>Copiar la &amp;población como texto</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Población</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>&amp;Muestras</translation>
    </message>
    <message>
        <source>Sampling &amp;Distribution</source>
        <translation>&amp;Distribución muestral</translation>
    </message>
    <message>
        <source>&amp;Confidence Intervals</source>
        <translation>&amp;Intervalos de confianza</translation>
    </message>
    <message>
        <source>Population Se&amp;ttings</source>
        <translation>A&amp;justes de la población</translation>
    </message>
    <message>
        <source>Close &amp;Window</source>
        <translation>&amp;Cerrar ventana</translation>
    </message>
    <message>
        <source>&amp;Arrange for This Screen</source>
        <translation>&amp;Organizar para esta pantalla</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pantalla c&amp;ompleta</translation>
    </message>
    <message>
        <source>&amp;Measurement</source>
        <translation>&amp;Medida</translation>
    </message>
    <message>
        <source>&amp;Binomial</source>
        <translation>&amp;Binomial</translation>
    </message>
    <message>
        <source>&amp;Discrete</source>
        <translation>&amp;Discreta</translation>
    </message>
    <message>
        <source>&amp;Continuous</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>Ve&amp;locidad</translation>
    </message>
    <message>
        <source>&amp;S  Slowest	Ctrl+1</source>
        <translation>&amp;S  La más lenta	Ctrl+1</translation>
    </message>
    <message>
        <source>&amp;2	Ctrl+2</source>
        <translation>&amp;2	Ctrl+2</translation>
    </message>
    <message>
        <source>&amp;3	Ctrl+3</source>
        <translation>&amp;3	Ctrl+3</translation>
    </message>
    <message>
        <source>&amp;4	Ctrl+4</source>
        <translation>&amp;4	Ctrl+4</translation>
    </message>
    <message>
        <source>&amp;F  Fastest	Ctrl+5</source>
        <translation>&amp;F  La más rápida	Ctrl+5</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Display Samples in Population</source>
        <translation>Mostrar las muestras en la población</translation>
    </message>
    <message>
        <source>Do Not Display Samples</source>
        <translation>No mostrar las muestras</translation>
    </message>
    <message>
        <source>&amp;Observed Values</source>
        <translation>Valores &amp;observados</translation>
    </message>
    <message>
        <source>&amp;Z-Values</source>
        <translation>Valores &amp;z</translation>
    </message>
    <message>
        <source>&amp;T-Values</source>
        <translation>Valores &amp;t</translation>
    </message>
    <message>
        <source>Proportion &amp;Above</source>
        <translation>Proporción por &amp;encima</translation>
    </message>
    <message>
        <source>Proportion &amp;Below</source>
        <translation>Proporción por &amp;debajo</translation>
    </message>
    <message>
        <source>&amp;One Slider</source>
        <translation>&amp;Un control deslizante</translation>
    </message>
    <message>
        <source>Two Sliders &amp;Separate</source>
        <translation>Dos controles &amp;separados</translation>
    </message>
    <message>
        <source>Two Sliders Tandem</source>
        <translation>Dos controles en tándem</translation>
    </message>
    <message>
        <source>Possible Mu</source>
        <translation>μ posible</translation>
    </message>
    <message>
        <source>Colour-Blind Safe &amp;Colours</source>
        <translation>&amp;Colores aptos para daltónicos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Dorvane...</source>
        <translation>&amp;Acerca de Dorvane...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>Proportion &amp;Outside</source>
        <translation>Proporción &amp;fuera</translation>
    </message>
    <message>
        <source>Proportion &amp;Between</source>
        <translation>Proporción &amp;entre</translation>
    </message>
    <message>
        <source>1 sample</source>
        <translation>1 muestra</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 muestras</translation>
    </message>
    <message>
        <source>Copied %1 as text</source>
        <translation>Copiadas %1 como texto</translation>
    </message>
    <message>
        <source>Copied the %1 values of sample %2 as text</source>
        <translation>Copiados los %1 valores de la muestra %2 como texto</translation>
    </message>
    <message>
        <source>Copied the population&apos;s %1 values and their probabilities as text</source>
        <translation>Copiados los %1 valores de la población y sus probabilidades como texto</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>DRAW
SAMPLES</source>
        <translation>EXTRAER
MUESTRAS</translation>
    </message>
    <message>
        <source>Values in each sample, 1 to 1000; Enter draws</source>
        <translation>Valores de cada muestra, de 1 a 1000; Intro extrae</translation>
    </message>
    <message>
        <source>Samples to draw, at most 10,000 in a series; Enter draws</source>
        <translation>Muestras que extraer, como máximo 10.000 en una serie; Intro extrae</translation>
    </message>
    <message>
        <source>Switch between starting a new series with each draw and adding more samples to it</source>
        <translation>Alternar entre empezar una serie nueva en cada extracción y añadirle más muestras</translation>
    </message>
    <message>
        <source>Draw the samples (Enter in a field does the same); during a run it reads STOP and stops it, as Esc does</source>
        <translation>Extraer las muestras (Intro en un campo hace lo mismo); durante una ejecución dice PARAR y la detiene, como Esc</translation>
    </message>
    <message>
        <source>Speed S, slowest</source>
        <translation>Velocidad S, la más lenta</translation>
    </message>
    <message>
        <source>Speed 2</source>
        <translation>Velocidad 2</translation>
    </message>
    <message>
        <source>Speed 3</source>
        <translation>Velocidad 3</translation>
    </message>
    <message>
        <source>Speed 4</source>
        <translation>Velocidad 4</translation>
    </message>
    <message>
        <source>Speed F, fastest</source>
        <translation>Velocidad F, la más rápida</translation>
    </message>
    <message>
        <source>Slowest: every value of a sample falls into place (Ctrl+1)</source>
        <translation>La más lenta: cada valor de una muestra cae en su sitio (Ctrl+1)</translation>
    </message>
    <message>
        <source>Drawing speed 2 (Ctrl+2)</source>
        <translation>Velocidad de extracción 2 (Ctrl+2)</translation>
    </message>
    <message>
        <source>Drawing speed 3 (Ctrl+3)</source>
        <translation>Velocidad de extracción 3 (Ctrl+3)</translation>
    </message>
    <message>
        <source>Drawing speed 4 (Ctrl+4)</source>
        <translation>Velocidad de extracción 4 (Ctrl+4)</translation>
    </message>
    <message>
        <source>Fastest: only the finished series is shown (Ctrl+5)</source>
        <translation>La más rápida: solo se muestra la serie terminada (Ctrl+5)</translation>
    </message>
    <message>
        <source>Typed value</source>
        <translation>Valor escrito</translation>
    </message>
    <message>
        <source>Type a value: Enter moves it there, Esc leaves it as it is</source>
        <translation>Escriba un valor: Intro lo lleva allí, Esc lo deja como está</translation>
    </message>
    <message>
        <source>Double-click to type a value</source>
        <translation>Doble clic para escribir un valor</translation>
    </message>
    <message>
        <source>; with the keyboard, Left and Right move it a pixel (Shift: ten) and Enter types its value</source>
        <translation>; con el teclado, Izquierda y Derecha lo mueven un píxel (Mayús: diez) e Intro permite escribir su valor</translation>
    </message>
    <message>
        <source>; with the keyboard, Tab to it and press Enter</source>
        <translation>; con el teclado, llegue con Tab y pulse Intro</translation>
    </message>
    <message>
        <source>Dorvane Program</source>
        <translation>Dorvane Programa</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>Drawing sample %1 of %2 – Esc stops</source>
        <translation>Extrayendo la muestra %1 de %2 – Esc detiene</translation>
    </message>
    <message>
        <source>Copied the %1 picture, %2 × %3</source>
        <translation>Copiada la imagen «%1», %2 × %3</translation>
    </message>
    <message>
        <source>S&amp;tatistic</source>
        <translation>Es&amp;tadístico</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>&amp;Media</translation>
    </message>
    <message>
        <source>Me&amp;dian</source>
        <translation>Me&amp;diana</translation>
    </message>
    <message>
        <source>&amp;Standard Deviation (s)</source>
        <translation>De&amp;sviación típica (s)</translation>
    </message>
    <message>
        <source>&amp;Variance (s², n − 1)</source>
        <translation>&amp;Varianza (s², n − 1)</translation>
    </message>
    <message>
        <source>Variance (&amp;n)</source>
        <translation>Varianza (&amp;n)</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <translation>&amp;Rango</translation>
    </message>
</context>
</TS>
