<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Population</name>
    <message>
        <source>Drag the top of a bar up or down to set the proportion p</source>
        <translation>Arrastre el extremo superior de una barra hacia arriba o hacia abajo para fijar la proporción p</translation>
    </message>
    <message>
        <source>; with the keyboard, Left and Right choose a bar and Up and Down move its top (with Shift ten pixels at a time)</source>
        <translation>; con el teclado, Izquierda y Derecha eligen una barra y Arriba y Abajo mueven su extremo (con Mayús, diez píxeles a la vez)</translation>
    </message>
    <message>
        <source>Population - Binomial</source>
        <translation>Población - Binomial</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>VACIAR</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Empty both bars: no proportion is set</source>
        <translation>Vaciar ambas barras: no queda ninguna proporción fijada</translation>
    </message>
    <message>
        <source>Set the proportion of successes to %1</source>
        <translation>Fijar la proporción de éxitos en %1</translation>
    </message>
    <message>
        <source>Binomial bars</source>
        <translation>Barras binomiales</translation>
    </message>
    <message>
        <source>. The failures bar is chosen.</source>
        <translation>. Está elegida la barra de los fracasos.</translation>
    </message>
    <message>
        <source>. The successes bar is chosen.</source>
        <translation>. Está elegida la barra de los éxitos.</translation>
    </message>
    <message>
        <source>Bimodal</source>
        <translation>Bimodal</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Skew -</source>
        <translation>Asimétrica -</translation>
    </message>
    <message>
        <source>Skew +</source>
        <translation>Asimétrica +</translation>
    </message>
    <message>
        <source>Trimodal</source>
        <translation>Trimodal</translation>
    </message>
    <message>
        <source>U-Shaped</source>
        <translation>En forma de U</translation>
    </message>
    <message>
        <source>Uniform</source>
        <translation>Uniforme</translation>
    </message>
    <message>
        <source>Click for preset shapes</source>
        <translation>Haga clic para ver formas predefinidas</translation>
    </message>
    <message>
        <source>Drag up or down to reshape the population</source>
        <translation>Arrastre hacia arriba o hacia abajo para cambiar la forma de la población</translation>
    </message>
    <message>
        <source>Drag up or down to change how common this value is</source>
        <translation>Arrastre hacia arriba o hacia abajo para cambiar la frecuencia de este valor</translation>
    </message>
    <message>
        <source>; with the keyboard, Left and Right choose a handle and Up and Down move it (with Shift ten pixels at a time)</source>
        <translation>; con el teclado, Izquierda y Derecha eligen un tirador y Arriba y Abajo lo mueven (con Mayús, diez píxeles a la vez)</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Población</translation>
    </message>
    <message>
        <source>Example: two peaks</source>
        <translation>Ejemplo: dos picos</translation>
    </message>
    <message>
        <source>Example population with two peaks, the larger at the low end</source>
        <translation>Población de ejemplo con dos picos, el mayor en el extremo inferior</translation>
    </message>
    <message>
        <source>Example: three peaks</source>
        <translation>Ejemplo: tres picos</translation>
    </message>
    <message>
        <source>Example population with three peaks, the tallest at the high end</source>
        <translation>Población de ejemplo con tres picos, el más alto en el extremo superior</translation>
    </message>
    <message>
        <source>Example: four peaks</source>
        <translation>Ejemplo: cuatro picos</translation>
    </message>
    <message>
        <source>Example population with four peaks, the tallest at the low end</source>
        <translation>Población de ejemplo con cuatro picos, el más alto en el extremo inferior</translation>
    </message>
    <message>
        <source>Example: peaks near both ends</source>
        <translation>Ejemplo: picos cerca de ambos extremos</translation>
    </message>
    <message>
        <source>Example population with a tall peak at the high end and a smaller one at the low end</source>
        <translation>Población de ejemplo con un pico alto en el extremo superior y otro menor en el inferior</translation>
    </message>
    <message>
        <source>Population shape handle</source>
        <translation>Tirador de la forma de la población</translation>
    </message>
    <message>
        <source>Preset shapes</source>
        <translation>Formas predefinidas</translation>
    </message>
    <message>
        <source>. The handle at %1 is chosen.</source>
        <translation>. Está elegido el tirador en %1.</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar</translation>
    </message>
</context>
<context>
    <name>PopulationSettings</name>
    <message>
        <source>Population Settings</source>
        <translation>Ajustes de la población</translation>
    </message>
    <message>
        <source>Set the population mean to</source>
        <translation>Fijar la media en</translation>
    </message>
    <message>
        <source>Set the standard deviation</source>
        <translation>Fijar la desviación típica</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>INICIAL</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>FIJAR</translation>
    </message>
    <message>
        <source>Population mean to show</source>
        <translation>Media de la población que se mostrará</translation>
    </message>
    <message>
        <source>The mean the population is to show; Enter sets it</source>
        <translation>La media que mostrará la población; Intro la fija</translation>
    </message>
    <message>
        <source>Standard deviation to show</source>
        <translation>Desviación típica que se mostrará</translation>
    </message>
    <message>
        <source>The standard deviation the population is to show; Enter sets it</source>
        <translation>La desviación típica que mostrará la población; Intro la fija</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Inicial</translation>
    </message>
    <message>
        <source>Back to the mean and standard deviation of the shape as drawn</source>
        <translation>Volver a la media y la desviación típica de la forma dibujada</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Put back the values in force (Esc)</source>
        <translation>Restaurar los valores vigentes (Esc)</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Show the population with this mean and standard deviation (Enter)</source>
        <translation>Mostrar la población con esta media y esta desviación típica (Intro)</translation>
    </message>
</context>
</TS>
