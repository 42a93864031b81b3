<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Samples</name>
    <message>
        <source>Sample %1</source>
        <translation>Stichprobe %1</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Stichproben</translation>
    </message>
    <message>
        <source>ADD
MORE</source>
        <translation>WEITERE
DAZU</translation>
    </message>
    <message>
        <source>NEW
SERIES</source>
        <translation>NEUE
SERIE</translation>
    </message>
    <message>
        <source>view</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Sample
Size</source>
        <translation>Stichpr.-
umfang</translation>
    </message>
    <message>
        <source>Number of
Samples</source>
        <translation>Anzahl
Stichproben</translation>
    </message>
    <message>
        <source>%1% of observed values fall</source>
        <translation>%1% der beobachteten Werte liegen</translation>
    </message>
    <message>
        <source>between the two limits</source>
        <translation>zwischen den beiden Grenzen</translation>
    </message>
    <message>
        <source>%1% </source>
        <translation>%1% </translation>
    </message>
    <message>
        <source>Click the sample to select it in every window; with the keyboard, the arrow keys, Page Up and Page Down go through the samples and Space selects the one shown</source>
        <translation>Klicken wählt die Stichprobe in jedem Fenster aus; mit der Tastatur gehen die Pfeiltasten, Bild auf und Bild ab durch die Stichproben, die Leertaste wählt die gezeigte aus</translation>
    </message>
    <message>
        <source>Drag to move the limit</source>
        <translation>Ziehen verschiebt die Grenze</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Untere Grenze</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Obere Grenze</translation>
    </message>
    <message>
        <source>Draw samples</source>
        <translation>Stichproben ziehen</translation>
    </message>
    <message>
        <source>Series mode</source>
        <translation>Serienmodus</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Switch between one sample as a histogram and six samples in a grid</source>
        <translation>Wechselt zwischen einer Stichprobe als Histogramm und sechs Stichproben im Raster</translation>
    </message>
    <message>
        <source>Sample size</source>
        <translation>Stichprobenumfang</translation>
    </message>
    <message>
        <source>Number of samples</source>
        <translation>Anzahl der Stichproben</translation>
    </message>
    <message>
        <source>Samples scroll bar</source>
        <translation>Bildlaufleiste der Stichproben</translation>
    </message>
    <message>
        <source>Go through the samples of the series</source>
        <translation>Geht durch die Stichproben der Serie</translation>
    </message>
    <message>
        <source>Samples picture</source>
        <translation>Bild der Stichproben</translation>
    </message>
    <message>
        <source>Click to select this sample</source>
        <translation>Klicken wählt diese Stichprobe aus</translation>
    </message>
    <message>
        <source>Lower limit value</source>
        <translation>Wert der unteren Grenze</translation>
    </message>
    <message>
        <source>Upper limit value</source>
        <translation>Wert der oberen Grenze</translation>
    </message>
    <message>
        <source>No samples drawn yet</source>
        <translation>Noch keine Stichproben gezogen</translation>
    </message>
    <message>
        <source>Samples %1 to %2 of %3, each as a small histogram</source>
        <translation>Stichproben %1 bis %2 von %3, jede als kleines Histogramm</translation>
    </message>
    <message>
        <source>Sample %1 of %2 as a histogram of its 1 value</source>
        <translation>Stichprobe %1 von %2 als Histogramm ihres einen Werts</translation>
    </message>
    <message>
        <source>Sample %1 of %2 as a histogram of its %3 values</source>
        <translation>Stichprobe %1 von %2 als Histogramm ihrer %3 Werte</translation>
    </message>
    <message>
        <source>: proportion of successes %1</source>
        <translation>: Anteil der Erfolge %1</translation>
    </message>
    <message>
        <source>: mean %1, SD %2</source>
        <translation>: Mittelwert %1, Standardabweichung %2</translation>
    </message>
    <message>
        <source>: mean %1</source>
        <translation>: Mittelwert %1</translation>
    </message>
    <message>
        <source>, median %1</source>
        <translation>, Median %1</translation>
    </message>
    <message>
        <source>, range %1</source>
        <translation>, Spannweite %1</translation>
    </message>
    <message>
        <source>, variance %1</source>
        <translation>, Varianz %1</translation>
    </message>
    <message>
        <source>, variance with divisor n %1</source>
        <translation>, Varianz mit Divisor n %1</translation>
    </message>
    <message>
        <source>; %1% of the values lie between the limits %2 and %3</source>
        <translation>; %1 % der Werte liegen zwischen den Grenzen %2 und %3</translation>
    </message>
    <message>
        <source>; it is the selected sample</source>
        <translation>; sie ist die ausgewählte Stichprobe</translation>
    </message>
</context>
</TS>
