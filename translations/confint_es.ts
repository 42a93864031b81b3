<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CConfIntervalDlg</name>
    <message>
        <source>medians</source>
        <translation>medianas</translation>
    </message>
    <message>
        <source>standard deviations</source>
        <translation>desviaciones típicas</translation>
    </message>
    <message>
        <source>variances</source>
        <translation>varianzas</translation>
    </message>
    <message>
        <source>variances with divisor n</source>
        <translation>varianzas con divisor n</translation>
    </message>
    <message>
        <source>ranges</source>
        <translation>rangos</translation>
    </message>
    <message>
        <source>Confidence Intervals for μ (the Dorvane window shows %1)</source>
        <translation>Intervalos de confianza para μ (la ventana Dorvane muestra %1)</translation>
    </message>
    <message>
        <source>Confidence Intervals for μ (Dorvane: %1)</source>
        <translation>Intervalos de confianza para μ (Dorvane: %1)</translation>
    </message>
    <message>
        <source>Confidence Intervals for μ</source>
        <translation>Intervalos de confianza para μ</translation>
    </message>
</context>
<context>
    <name>ConfidenceIntervals</name>
    <message>
        <source>Confidence Intervals</source>
        <translation>Intervalos de confianza</translation>
    </message>
    <message>
        <source>ADD MORE</source>
        <translation>AÑADIR MÁS</translation>
    </message>
    <message>
        <source>NEW SERIES</source>
        <translation>NUEVA SERIE</translation>
    </message>
    <message>
        <source>z-value =</source>
        <translation>valor z =</translation>
    </message>
    <message>
        <source>t-value =</source>
        <translation>valor t =</translation>
    </message>
    <message>
        <source>Low End</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>High End</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>One Sided</source>
        <translation>Unilateral</translation>
    </message>
    <message>
        <source>Two Sided</source>
        <translation>Bilateral</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
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
        <source>% Confidence Level</source>
        <translation>% Nivel de confianza</translation>
    </message>
    <message>
        <source>Total Samples
Drawn</source>
        <translation>Muestras
extraídas</translation>
    </message>
    <message>
        <source>Population Mean is:</source>
        <translation>La media poblacional es:</translation>
    </message>
    <message>
        <source>In the
Interval</source>
        <translation>En el
intervalo</translation>
    </message>
    <message>
        <source>Not In the
Interval</source>
        <translation>Fuera del
intervalo</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porc.</translation>
    </message>
    <message>
        <source>Sort By
Sample
Averages</source>
        <translation>Ordenar por
medias
muestrales</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>conocida</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>Click an interval to select its sample in every window; with the keyboard, Up and Down select the next or previous sample</source>
        <translation>Haga clic en un intervalo para seleccionar su muestra en todas las ventanas; con el teclado, Arriba y Abajo seleccionan la muestra siguiente o anterior</translation>
    </message>
    <message>
        <source>Drag to try another possible mean</source>
        <translation>Arrastre para probar otra media posible</translation>
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
        <source>Series mode</source>
        <translation>Modo de serie</translation>
    </message>
    <message>
        <source>Confidence level</source>
        <translation>Nivel de confianza</translation>
    </message>
    <message>
        <source>The confidence level in percent, 1 to 99</source>
        <translation>El nivel de confianza en porcentaje, de 1 a 99</translation>
    </message>
    <message>
        <source>Sides</source>
        <translation>Colas</translation>
    </message>
    <message>
        <source>Switch between two-sided and one-sided intervals</source>
        <translation>Alterna entre intervalos bilaterales y unilaterales</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Extremo</translation>
    </message>
    <message>
        <source>Which end a one-sided interval has: the high or the low one</source>
        <translation>Qué extremo tiene un intervalo unilateral: el superior o el inferior</translation>
    </message>
    <message>
        <source>Sigma known or unknown</source>
        <translation>Sigma conocida o desconocida</translation>
    </message>
    <message>
        <source>Whether the population&apos;s σ is known, or each sample&apos;s s stands in for it</source>
        <translation>Si la σ de la población es conocida, o si la s de cada muestra la sustituye</translation>
    </message>
    <message>
        <source>z or t</source>
        <translation>z o t</translation>
    </message>
    <message>
        <source>Switch between critical values of z and of t</source>
        <translation>Alterna entre valores críticos de z y de t</translation>
    </message>
    <message>
        <source>Critical value</source>
        <translation>Valor crítico</translation>
    </message>
    <message>
        <source>Draw samples</source>
        <translation>Extraer muestras</translation>
    </message>
    <message>
        <source>Total samples drawn</source>
        <translation>Total de muestras extraídas</translation>
    </message>
    <message>
        <source>Number of intervals that contain the population mean</source>
        <translation>Número de intervalos que contienen la media poblacional</translation>
    </message>
    <message>
        <source>Number of intervals that miss the population mean</source>
        <translation>Número de intervalos que no contienen la media poblacional</translation>
    </message>
    <message>
        <source>Percent of intervals that contain the population mean</source>
        <translation>Porcentaje de intervalos que contienen la media poblacional</translation>
    </message>
    <message>
        <source>Percent of intervals that miss the population mean</source>
        <translation>Porcentaje de intervalos que no contienen la media poblacional</translation>
    </message>
    <message>
        <source>Intervals scroll bar</source>
        <translation>Barra de desplazamiento de los intervalos</translation>
    </message>
    <message>
        <source>Go through the pages of intervals</source>
        <translation>Recorre las páginas de intervalos</translation>
    </message>
    <message>
        <source>Sort by sample averages: on</source>
        <translation>Ordenar por medias muestrales: sí</translation>
    </message>
    <message>
        <source>Put the intervals in the order of their sample means</source>
        <translation>Ordena los intervalos según sus medias muestrales</translation>
    </message>
    <message>
        <source>Sort by sample averages: off</source>
        <translation>Ordenar por medias muestrales: no</translation>
    </message>
    <message>
        <source>Put the intervals in the order they were drawn</source>
        <translation>Ordena los intervalos en el orden en que se extrajeron</translation>
    </message>
    <message>
        <source>Confidence intervals graph</source>
        <translation>Gráfico de los intervalos de confianza</translation>
    </message>
    <message>
        <source>Possible mean</source>
        <translation>Media posible</translation>
    </message>
    <message>
        <source>Click an interval to select its sample</source>
        <translation>Haga clic en un intervalo para seleccionar su muestra</translation>
    </message>
    <message>
        <source>Possible mean value</source>
        <translation>Valor de la media posible</translation>
    </message>
    <message>
        <source>low = %1</source>
        <translation>inf = %1</translation>
    </message>
    <message>
        <source>high = %1</source>
        <translation>sup = %1</translation>
    </message>
    <message>
        <source>PLAUSIBLE</source>
        <translation>PLAUSIBLE</translation>
    </message>
    <message>
        <source>NOT PLAUSIBLE</source>
        <translation>NO PLAUSIBLE</translation>
    </message>
    <message>
        <source>SAMPLING</source>
        <translation>DISTRIBUCIÓN</translation>
    </message>
    <message>
        <source>DISTRIBUTION</source>
        <translation>MUESTRAL</translation>
    </message>
    <message>
        <source>the population proportion %1</source>
        <translation>la proporción poblacional %1</translation>
    </message>
    <message>
        <source>the population mean %1</source>
        <translation>la media poblacional %1</translation>
    </message>
    <message>
        <source>Selected sample %1: centre %2, no interval.</source>
        <translation>Muestra seleccionada %1: centro %2, sin intervalo.</translation>
    </message>
    <message>
        <source>Selected sample %1: %2centre %3; it contains %4.</source>
        <translation>Muestra seleccionada %1: %2centro %3; su intervalo contiene %4.</translation>
    </message>
    <message>
        <source>Selected sample %1: %2centre %3; it misses %4.</source>
        <translation>Muestra seleccionada %1: %2centro %3; su intervalo no contiene %4.</translation>
    </message>
    <message>
        <source>%1% confidence intervals</source>
        <translation>intervalos de confianza del %1 %</translation>
    </message>
    <message>
        <source>%1% one-sided (low end) confidence intervals</source>
        <translation>intervalos de confianza unilaterales (extremo inferior) del %1 %</translation>
    </message>
    <message>
        <source>%1% one-sided (high end) confidence intervals</source>
        <translation>intervalos de confianza unilaterales (extremo superior) del %1 %</translation>
    </message>
    <message>
        <source>Graph of %1: no samples drawn yet</source>
        <translation>Gráfico de los %1: aún no se han extraído muestras</translation>
    </message>
    <message>
        <source>Graph of %1 of %2 samples, %3 to %4 shown in the order of their means</source>
        <translation>Gráfico de los %1 de %2 muestras, de la %3 a la %4 a la vista, ordenados por sus medias</translation>
    </message>
    <message>
        <source>Graph of %1 of %2 samples, %3 to %4 shown</source>
        <translation>Gráfico de los %1 de %2 muestras, de la %3 a la %4 a la vista</translation>
    </message>
    <message>
        <source>Graph of %1 of %2 sample, %3 to %4 shown in the order of their means</source>
        <translation>Gráfico de los %1 de %2 muestra, de la %3 a la %4 a la vista, ordenados por sus medias</translation>
    </message>
    <message>
        <source>Graph of %1 of %2 sample, %3 to %4 shown</source>
        <translation>Gráfico de los %1 de %2 muestra, de la %3 a la %4 a la vista</translation>
    </message>
    <message>
        <source>: %1 contain %2 and %3 miss it.</source>
        <translation>: %1 contienen %2 y %3 no la contienen.</translation>
    </message>
    <message>
        <source>Sampling distribution of the proportion for a possible %1: select a sample to test it against its interval</source>
        <translation>Distribución muestral de la proporción para un posible %1: seleccione una muestra para contrastarlo con su intervalo</translation>
    </message>
    <message>
        <source>Sampling distribution of the mean for a possible %1: select a sample to test it against its interval</source>
        <translation>Distribución muestral de la media para un posible %1: seleccione una muestra para contrastarlo con su intervalo</translation>
    </message>
    <message>
        <source>Sampling distribution of the proportion for a possible %1: plausible</source>
        <translation>Distribución muestral de la proporción para un posible %1: plausible</translation>
    </message>
    <message>
        <source>Sampling distribution of the mean for a possible %1: plausible</source>
        <translation>Distribución muestral de la media para un posible %1: plausible</translation>
    </message>
    <message>
        <source>Sampling distribution of the proportion for a possible %1: not plausible</source>
        <translation>Distribución muestral de la proporción para un posible %1: no plausible</translation>
    </message>
    <message>
        <source>Sampling distribution of the mean for a possible %1: not plausible</source>
        <translation>Distribución muestral de la media para un posible %1: no plausible</translation>
    </message>
</context>
</TS>
