<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CSamplingDistDlg</name>
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
    <message>
        <source>Statistic</source>
        <translation>Estadístico</translation>
    </message>
    <message>
        <source>The statistic whose sampling distribution is drawn: mean, median, SD, variance (n − 1 or n) or range</source>
        <translation>El estadístico cuya distribución muestral se dibuja: media, mediana, desviación típica, varianza (n − 1 o n) o rango</translation>
    </message>
    <message>
        <source>&amp;Proportion</source>
        <translation>&amp;Proporción</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>SD (s)</source>
        <translation>DT (s)</translation>
    </message>
    <message>
        <source>Var. (s²)</source>
        <translation>Var. (s²)</translation>
    </message>
    <message>
        <source>Var. (n)</source>
        <translation>Var. (n)</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Prop. (p)</source>
        <translation>Prop. (p)</translation>
    </message>
    <message>
        <source>Show or hide the curve that theory gives this statistic&apos;s samples</source>
        <translation>Mostrar u ocultar la curva teórica de este estadístico</translation>
    </message>
</context>
<context>
    <name>Dorvane</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>◄ %1 further left</source>
        <translation>◄ %1 más a la izquierda</translation>
    </message>
    <message>
        <source>%1 further right ►</source>
        <translation>%1 más a la derecha ►</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>FRECUENCIA</translation>
    </message>
    <message>
        <source>Distribution of Sample Proportions</source>
        <translation>Distribución de las proporciones muestrales</translation>
    </message>
    <message>
        <source>Distribution of Sample Means</source>
        <translation>Distribución de las medias muestrales</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lento</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rápido</translation>
    </message>
    <message>
        <source>Dorvane</source>
        <translation>Dorvane</translation>
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
        <source>Click a column to select one of its samples; with the keyboard, Left and Right select the next smaller or larger mean</source>
        <translation>Haga clic en una columna para seleccionar una de sus muestras; con el teclado, Izquierda y Derecha seleccionan la media siguiente menor o mayor</translation>
    </message>
    <message>
        <source>Drag along the axis to count the samples beyond it</source>
        <translation>Arrastre a lo largo del eje para contar las muestras más allá</translation>
    </message>
    <message>
        <source>Slider</source>
        <translation>Deslizador</translation>
    </message>
    <message>
        <source>Left slider</source>
        <translation>Deslizador izquierdo</translation>
    </message>
    <message>
        <source>Right slider</source>
        <translation>Deslizador derecho</translation>
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
        <source>Sample size</source>
        <translation>Tamaño de muestra</translation>
    </message>
    <message>
        <source>Number of samples</source>
        <translation>Número de muestras</translation>
    </message>
    <message>
        <source>Normal curve outline</source>
        <translation>Contorno de la curva normal</translation>
    </message>
    <message>
        <source>Show or hide the normal curve that the sample means follow</source>
        <translation>Muestra u oculta la curva normal que siguen las medias muestrales</translation>
    </message>
    <message>
        <source>Population outline</source>
        <translation>Contorno de la población</translation>
    </message>
    <message>
        <source>Show or hide the population&apos;s shape over the histogram</source>
        <translation>Muestra u oculta la forma de la población sobre el histograma</translation>
    </message>
    <message>
        <source>Total samples drawn</source>
        <translation>Total de muestras extraídas</translation>
    </message>
    <message>
        <source>Mean of the sample SDs</source>
        <translation>Media de las desviaciones típicas muestrales</translation>
    </message>
    <message>
        <source>Standard deviation of the sample SDs</source>
        <translation>Desviación típica de las desviaciones típicas muestrales</translation>
    </message>
    <message>
        <source>Standard error</source>
        <translation>Error típico</translation>
    </message>
    <message>
        <source>Actual number counted</source>
        <translation>Número contado real</translation>
    </message>
    <message>
        <source>Actual proportion counted</source>
        <translation>Proporción contada real</translation>
    </message>
    <message>
        <source>Number expected from the z distribution</source>
        <translation>Número esperado según la distribución z</translation>
    </message>
    <message>
        <source>Proportion expected from the z distribution</source>
        <translation>Proporción esperada según la distribución z</translation>
    </message>
    <message>
        <source>Number expected from the t distribution</source>
        <translation>Número esperado según la distribución t</translation>
    </message>
    <message>
        <source>Proportion expected from the t distribution</source>
        <translation>Proporción esperada según la distribución t</translation>
    </message>
    <message>
        <source>Axis scroll bar</source>
        <translation>Barra de desplazamiento del eje</translation>
    </message>
    <message>
        <source>Scroll along the axis</source>
        <translation>Desplaza a lo largo del eje</translation>
    </message>
    <message>
        <source>Sampling distribution histogram</source>
        <translation>Histograma de la distribución muestral</translation>
    </message>
    <message>
        <source>Interval width %1</source>
        <translation>Ancho de clase %1</translation>
    </message>
    <message>
        <source>Columns %1 wide</source>
        <translation>Columnas de ancho %1</translation>
    </message>
    <message>
        <source>Click a column to select one of its samples</source>
        <translation>Haga clic en una columna para seleccionar una de sus muestras</translation>
    </message>
    <message>
        <source>Left slider value</source>
        <translation>Valor del deslizador izquierdo</translation>
    </message>
    <message>
        <source>Right slider value</source>
        <translation>Valor del deslizador derecho</translation>
    </message>
    <message>
        <source>Slider value</source>
        <translation>Valor del deslizador</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Población</translation>
    </message>
    <message>
        <source>OUTLINES</source>
        <translation>CONTORNOS</translation>
    </message>
    <message>
        <source>Interval
Width</source>
        <translation>Ancho de
clase</translation>
    </message>
    <message>
        <source>Total
Samples
Drawn</source>
        <translation>Total de
muestras
extraídas</translation>
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
        <source>Mean
of</source>
        <translation>Media
de</translation>
    </message>
    <message>
        <source>Standard
Dev. of</source>
        <translation>Desv.
típ. de</translation>
    </message>
    <message>
        <source>Sample
Proportions</source>
        <translation>Proporciones
muestrales</translation>
    </message>
    <message>
        <source>Sample
Means</source>
        <translation>Medias
muestrales</translation>
    </message>
    <message>
        <source>Sample SD
(n - 1)</source>
        <translation>Desv. típ.
(n - 1)</translation>
    </message>
    <message>
        <source>Actual (%1)</source>
        <translation>Real (%1)</translation>
    </message>
    <message>
        <source>z Dist.</source>
        <translation>Dist. z</translation>
    </message>
    <message>
        <source>t Dist.</source>
        <translation>Dist. t</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>encima</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>debajo</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>fuera</translation>
    </message>
    <message>
        <source>Between</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>Number
%1</source>
        <translation>Número
%1</translation>
    </message>
    <message>
        <source>Proportion
%1</source>
        <translation>Proporción
%1</translation>
    </message>
    <message>
        <source>Sample z-Values</source>
        <translation>Valores z muestrales</translation>
    </message>
    <message>
        <source>Sample t-Values</source>
        <translation>Valores t muestrales</translation>
    </message>
    <message>
        <source>Values of Sample Proportions ( %1 )</source>
        <translation>Valores de las proporciones muestrales ( %1 )</translation>
    </message>
    <message>
        <source>Values of Sample Means ( %1 )</source>
        <translation>Valores de las medias muestrales ( %1 )</translation>
    </message>
    <message>
        <source>normal approx.</source>
        <translation>aprox. normal</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>t, %1 df</source>
        <translation>t, %1 gl</translation>
    </message>
    <message>
        <source>scaled χ², %1 df</source>
        <translation>χ² escalada, %1 gl</translation>
    </message>
    <message>
        <source>√ scaled χ², %1 df</source>
        <translation>√ χ² escalada, %1 gl</translation>
    </message>
    <message>
        <source>Theory</source>
        <translation>Teoría</translation>
    </message>
    <message>
        <source>Distribution of Sample Medians</source>
        <translation>Distribución de las medianas muestrales</translation>
    </message>
    <message>
        <source>Distribution of Sample SDs</source>
        <translation>Distribución de las desviaciones típicas</translation>
    </message>
    <message>
        <source>Distribution of Sample Variances (s²)</source>
        <translation>Distribución de las varianzas muestrales (s²)</translation>
    </message>
    <message>
        <source>Distribution of Sample Variances (n)</source>
        <translation>Distribución de las varianzas muestrales (n)</translation>
    </message>
    <message>
        <source>Distribution of Sample Ranges</source>
        <translation>Distribución de los rangos muestrales</translation>
    </message>
    <message>
        <source>Values of Sample Medians (M)</source>
        <translation>Valores de las medianas muestrales (M)</translation>
    </message>
    <message>
        <source>Values of Sample SDs (s)</source>
        <translation>Valores de las desviaciones típicas (s)</translation>
    </message>
    <message>
        <source>Values of Sample Variances (s²)</source>
        <translation>Valores de las varianzas muestrales (s²)</translation>
    </message>
    <message>
        <source>Values of Sample Variances (n)</source>
        <translation>Valores de las varianzas muestrales (n)</translation>
    </message>
    <message>
        <source>Values of Sample Ranges (R)</source>
        <translation>Valores de los rangos muestrales (R)</translation>
    </message>
    <message>
        <source>Sample
Medians</source>
        <translation>Medianas
muestrales</translation>
    </message>
    <message>
        <source>Sample
SDs</source>
        <translation>Desv. típ.
muestrales</translation>
    </message>
    <message>
        <source>Sample
Variances</source>
        <translation>Varianzas
muestrales</translation>
    </message>
    <message>
        <source>Variances
(n)</source>
        <translation>Varianzas
(n)</translation>
    </message>
    <message>
        <source>Sample
Ranges</source>
        <translation>Rangos
muestrales</translation>
    </message>
    <message>
        <source>span</source>
        <translation>rango</translation>
    </message>
    <message>
        <source>%1 sample with s = 0 has no t value;
counts and proportions are of the other %2</source>
        <translation>%1 muestra con s = 0 no tiene valor t;
los recuentos y proporciones son de las otras %2</translation>
    </message>
    <message>
        <source>%1 samples with s = 0 have no t value;
counts and proportions are of the other %2</source>
        <translation>%1 muestras con s = 0 no tienen valor t;
los recuentos y proporciones son de las otras %2</translation>
    </message>
    <message>
        <source>%1 sample of one value has no SD (s);
counts and proportions are of the other %2</source>
        <translation>%1 muestra de un solo valor no tiene desviación típica;
los recuentos y proporciones son de las otras %2</translation>
    </message>
    <message>
        <source>%1 samples of one value have no SD (s);
counts and proportions are of the other %2</source>
        <translation>%1 muestras de un solo valor no tienen desviación típica;
los recuentos y proporciones son de las otras %2</translation>
    </message>
    <message>
        <source>%1 sample of one value has no s²;
counts and proportions are of the other %2</source>
        <translation>%1 muestra de un solo valor no tiene s²;
los recuentos y proporciones son de las otras %2</translation>
    </message>
    <message>
        <source>%1 samples of one value have no s²;
counts and proportions are of the other %2</source>
        <translation>%1 muestras de un solo valor no tienen s²;
los recuentos y proporciones son de las otras %2</translation>
    </message>
    <message>
        <source>; %1 of them (%2) lie above %3</source>
        <translation>; %1 (%2) están por encima de %3</translation>
    </message>
    <message>
        <source>; %1 of them (%2) lie at or below %3</source>
        <translation>; %1 (%2) están en %3 o por debajo</translation>
    </message>
    <message>
        <source>; %1 of them (%2) lie at or below %3 or above %4</source>
        <translation>; %1 (%2) están en %3 o por debajo, o por encima de %4</translation>
    </message>
    <message>
        <source>; %1 of them (%2) lie above %3 and at or below %4</source>
        <translation>; %1 (%2) están por encima de %3 y en %4 o por debajo</translation>
    </message>
    <message>
        <source>Number Above</source>
        <translation>Número encima</translation>
    </message>
    <message>
        <source>Number Below</source>
        <translation>Número debajo</translation>
    </message>
    <message>
        <source>Number Outside</source>
        <translation>Número fuera</translation>
    </message>
    <message>
        <source>Number Between</source>
        <translation>Número entre</translation>
    </message>
    <message>
        <source>sample proportion</source>
        <translation>proporción muestral</translation>
    </message>
    <message>
        <source>sample proportions</source>
        <translation>proporciones muestrales</translation>
    </message>
    <message>
        <source>sample median</source>
        <translation>mediana muestral</translation>
    </message>
    <message>
        <source>sample medians</source>
        <translation>medianas muestrales</translation>
    </message>
    <message>
        <source>sample SD</source>
        <translation>desviación típica muestral</translation>
    </message>
    <message>
        <source>sample SDs</source>
        <translation>desviaciones típicas muestrales</translation>
    </message>
    <message>
        <source>sample variance (n - 1)</source>
        <translation>varianza muestral (n - 1)</translation>
    </message>
    <message>
        <source>sample variances (n - 1)</source>
        <translation>varianzas muestrales (n - 1)</translation>
    </message>
    <message>
        <source>sample variance (n)</source>
        <translation>varianza muestral (n)</translation>
    </message>
    <message>
        <source>sample variances (n)</source>
        <translation>varianzas muestrales (n)</translation>
    </message>
    <message>
        <source>sample range</source>
        <translation>rango muestral</translation>
    </message>
    <message>
        <source>sample ranges</source>
        <translation>rangos muestrales</translation>
    </message>
    <message>
        <source>sample mean</source>
        <translation>media muestral</translation>
    </message>
    <message>
        <source>sample means</source>
        <translation>medias muestrales</translation>
    </message>
    <message>
        <source>%1 sample lies left of the part of the axis in view</source>
        <translation>%1 muestra queda a la izquierda de la parte visible del eje</translation>
    </message>
    <message>
        <source>%1 samples lie left of the part of the axis in view</source>
        <translation>%1 muestras quedan a la izquierda de la parte visible del eje</translation>
    </message>
    <message>
        <source>%1 sample lies right of the part of the axis in view</source>
        <translation>%1 muestra queda a la derecha de la parte visible del eje</translation>
    </message>
    <message>
        <source>%1 samples lie right of the part of the axis in view</source>
        <translation>%1 muestras quedan a la derecha de la parte visible del eje</translation>
    </message>
    <message>
        <source>none of them is counted in %2</source>
        <translation>ninguna se cuenta en «%2»</translation>
    </message>
    <message>
        <source>it is counted in %2 (red)</source>
        <translation>se cuenta en «%2» (en rojo)</translation>
    </message>
    <message>
        <source>all of them are counted in %2 (red)</source>
        <translation>todas se cuentan en «%2» (en rojo)</translation>
    </message>
    <message>
        <source>%1 of them is counted in %2 (red)</source>
        <translation>%1 de ellas se cuenta en «%2» (en rojo)</translation>
    </message>
    <message>
        <source>%1 of them are counted in %2 (red)</source>
        <translation>%1 de ellas se cuentan en «%2» (en rojo)</translation>
    </message>
    <message>
        <source>Histogram of %1: no samples drawn yet</source>
        <translation>Histograma de %1: aún no se han extraído muestras</translation>
    </message>
    <message>
        <source>Histogram of the z values of %1: no samples drawn yet</source>
        <translation>Histograma de los valores z de %1: aún no se han extraído muestras</translation>
    </message>
    <message>
        <source>Histogram of the t values of %1: no samples drawn yet</source>
        <translation>Histograma de los valores t de %1: aún no se han extraído muestras</translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation>media %1</translation>
    </message>
    <message>
        <source>mean %1, SD %2</source>
        <translation>media %1, desviación típica %2</translation>
    </message>
    <message>
        <source>Histogram of %1: %2</source>
        <translation>Histograma de %1: %2</translation>
    </message>
    <message>
        <source>Histogram of the z values of %1; the proportions have %2</source>
        <translation>Histograma de los valores z de %1; las proporciones tienen %2</translation>
    </message>
    <message>
        <source>Histogram of the z values of %1; the means have %2</source>
        <translation>Histograma de los valores z de %1; las medias tienen %2</translation>
    </message>
    <message>
        <source>Histogram of the t values of %1; the means have %2</source>
        <translation>Histograma de los valores t de %1; las medias tienen %2</translation>
    </message>
    <message>
        <source>Theory curve outline</source>
        <translation>Contorno de la curva teórica</translation>
    </message>
    <message>
        <source>Mean of the sample means</source>
        <translation>Media de las medias muestrales</translation>
    </message>
    <message>
        <source>Standard deviation of the sample means</source>
        <translation>Desviación típica de las medias muestrales</translation>
    </message>
    <message>
        <source>Mean of the sample medians</source>
        <translation>Media de las medianas muestrales</translation>
    </message>
    <message>
        <source>Standard deviation of the sample medians</source>
        <translation>Desviación típica de las medianas muestrales</translation>
    </message>
    <message>
        <source>Mean of the sample variances</source>
        <translation>Media de las varianzas muestrales</translation>
    </message>
    <message>
        <source>Standard deviation of the sample variances</source>
        <translation>Desviación típica de las varianzas muestrales</translation>
    </message>
    <message>
        <source>Mean of the sample variances (n)</source>
        <translation>Media de las varianzas muestrales (n)</translation>
    </message>
    <message>
        <source>Standard deviation of the sample variances (n)</source>
        <translation>Desviación típica de las varianzas muestrales (n)</translation>
    </message>
    <message>
        <source>Mean of the sample ranges</source>
        <translation>Media de los rangos muestrales</translation>
    </message>
    <message>
        <source>Standard deviation of the sample ranges</source>
        <translation>Desviación típica de los rangos muestrales</translation>
    </message>
    <message>
        <source>Mean of the sample proportions</source>
        <translation>Media de las proporciones muestrales</translation>
    </message>
    <message>
        <source>Standard deviation of the sample proportions</source>
        <translation>Desviación típica de las proporciones muestrales</translation>
    </message>
</context>
</TS>
