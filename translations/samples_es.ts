<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Samples</name>
    <message>
        <source>Sample %1</source>
        <translation>Muestra %1</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Muestras</translation>
    </message>
    <message>
        <source>ADD
MORE</source>
        <translation>AÑADIR
MÁS</translation>
    </message>
    <message>
        <source>NEW
SERIES</source>
        <translation>NUEVA
SERIE</translation>
    </message>
    <message>
        <source>view</source>
        <translation>vista</translation>
    </message>
    <message>
        <source>Sample
Size</source>
        <translation>Tamaño de
muestra</translation>
    </message>
    <message>
        <source>Number of
Samples</source>
        <translation>Número de
muestras</translation>
    </message>
    <message>
        <source>%1% of observed values fall</source>
        <translation>el %1% de los valores observados cae</translation>
    </message>
    <message>
        <source>between the two limits</source>
        <translation>entre los dos límites</translation>
    </message>
    <message>
        <source>%1% </source>
        <translation>el %1% </translation>
    </message>
    <message>
        <source>Click the sample to select it in every window; with the keyboard, the arrow keys, Page Up and Page Down go through the samples and Space selects the one shown</source>
        <translation>Haga clic en la muestra para seleccionarla en todas las ventanas; con el teclado, las flechas, Re Pág y Av Pág recorren las muestras y Espacio selecciona la mostrada</translation>
    </message>
    <message>
        <source>Drag to move the limit</source>
        <translation>Arrastre para mover el límite</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Límite inferior</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Límite superior</translation>
    </message>
    <message>
        <source>Draw samples</source>
        <translation>Extraer muestras</translation>
    </message>
    <message>
        <source>Series mode</source>
        <translation>Modo de serie</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Switch between one sample as a histogram and six samples in a grid</source>
        <translation>Alterna entre una muestra como histograma y seis muestras en cuadrícula</translation>
    </message>
    <message>
        <source>Sample size</source>
        <translation>Tamaño de muestra</translation>
    </message>
    <message>
        <source>Number of samples</source>
        <translation>Número de muestras</translation>
    </message>
    <message>
        <source>Samples scroll bar</source>
        <translation>Barra de desplazamiento de las muestras</translation>
    </message>
    <message>
        <source>Go through the samples of the series</source>
        <translation>Recorre las muestras de la serie</translation>
    </message>
    <message>
        <source>Samples picture</source>
        <translation>Imagen de las muestras</translation>
    </message>
    <message>
        <source>Click to select this sample</source>
        <translation>Haga clic para seleccionar esta muestra</translation>
    </message>
    <message>
        <source>Lower limit value</source>
        <translation>Valor del límite inferior</translation>
    </message>
    <message>
        <source>Upper limit value</source>
        <translation>Valor del límite superior</translation>
    </message>
    <message>
        <source>No samples drawn yet</source>
        <translation>Aún no se han extraído muestras</translation>
    </message>
    <message>
        <source>Samples %1 to %2 of %3, each as a small histogram</source>
        <translation>Muestras %1 a %2 de %3, cada una como un pequeño histograma</translation>
    </message>
    <message>
        <source>Sample %1 of %2 as a histogram of its 1 value</source>
        <translation>Muestra %1 de %2 como histograma de su único valor</translation>
    </message>
    <message>
        <source>Sample %1 of %2 as a histogram of its %3 values</source>
        <translation>Muestra %1 de %2 como histograma de sus %3 valores</translation>
    </message>
    <message>
        <source>: proportion of successes %1</source>
        <translation>: proporción de éxitos %1</translation>
    </message>
    <message>
        <source>: mean %1, SD %2</source>
        <translation>: media %1, desviación típica %2</translation>
    </message>
    <message>
        <source>: mean %1</source>
        <translation>: media %1</translation>
    </message>
    <message>
        <source>, median %1</source>
        <translation>, mediana %1</translation>
    </message>
    <message>
        <source>, range %1</source>
        <translation>, rango %1</translation>
    </message>
    <message>
        <source>, variance %1</source>
        <translation>, varianza %1</translation>
    </message>
    <message>
        <source>, variance with divisor n %1</source>
        <translation>, varianza con divisor n %1</translation>
    </message>
    <message>
        <source>; %1% of the values lie between the limits %2 and %3</source>
        <translation>; el %1 % de los valores está entre los límites %2 y %3</translation>
    </message>
    <message>
        <source>; it is the selected sample</source>
        <translation>; es la muestra seleccionada</translation>
    </message>
</context>
</TS>
