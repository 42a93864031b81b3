<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CSamplingDistDlg</name>
    <message>
        <source>&amp;Mean</source>
        <translation>&amp;Mittelwert</translation>
    </message>
    <message>
        <source>Me&amp;dian</source>
        <translation>Me&amp;dian</translation>
    </message>
    <message>
        <source>&amp;Standard Deviation (s)</source>
        <translation>&amp;Standardabweichung (s)</translation>
    </message>
    <message>
        <source>&amp;Variance (s², n − 1)</source>
        <translation>&amp;Varianz (s², n − 1)</translation>
    </message>
    <message>
        <source>Variance (&amp;n)</source>
        <translation>Varianz (&amp;n)</translation>
    </message>
    <message>
        <source>&amp;Range</source>
        <translation>Sp&amp;annweite</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Kennwert</translation>
    </message>
    <message>
        <source>The statistic whose sampling distribution is drawn: mean, median, SD, variance (n − 1 or n) or range</source>
        <translation>Der Kennwert, dessen Stichprobenverteilung gezeichnet wird: Mittelwert, Median, Standardabweichung, Varianz (n − 1 oder n) oder Spannweite</translation>
    </message>
    <message>
        <source>&amp;Proportion</source>
        <translation>&amp;Anteil</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>SD (s)</source>
        <translation>SA (s)</translation>
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
        <translation>Spannweite</translation>
    </message>
    <message>
        <source>Prop. (p)</source>
        <translation>Anteil (p)</translation>
    </message>
    <message>
        <source>Show or hide the curve that theory gives this statistic&apos;s samples</source>
        <translation>Die theoretische Kurve dieses Kennwerts zeigen oder verbergen</translation>
    </message>
</context>
<context>
    <name>Dorvane</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>◄ %1 further left</source>
        <translation>◄ %1 weiter links</translation>
    </message>
    <message>
        <source>%1 further right ►</source>
        <translation>%1 weiter rechts ►</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>HÄUFIGKEIT</translation>
    </message>
    <message>
        <source>Distribution of Sample Proportions</source>
        <translation>Verteilung der Stichprobenanteile</translation>
    </message>
    <message>
        <source>Distribution of Sample Means</source>
        <translation>Verteilung der Stichprobenmittelwerte</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>langsam</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>schnell</translation>
    </message>
    <message>
        <source>Dorvane</source>
        <translation>Dorvane</translation>
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
        <source>Click a column to select one of its samples; with the keyboard, Left and Right select the next smaller or larger mean</source>
        <translation>Klicken auf eine Säule wählt eine ihrer Stichproben aus; mit der Tastatur wählen Links und Rechts den nächstkleineren oder nächstgrößeren Mittelwert</translation>
    </message>
    <message>
        <source>Drag along the axis to count the samples beyond it</source>
        <translation>Entlang der Achse ziehen zählt die Stichproben dahinter</translation>
    </message>
    <message>
        <source>Slider</source>
        <translation>Schieber</translation>
    </message>
    <message>
        <source>Left slider</source>
        <translation>Linker Schieber</translation>
    </message>
    <message>
        <source>Right slider</source>
        <translation>Rechter Schieber</translation>
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
        <source>Sample size</source>
        <translation>Stichprobenumfang</translation>
    </message>
    <message>
        <source>Number of samples</source>
        <translation>Anzahl der Stichproben</translation>
    </message>
    <message>
        <source>Normal curve outline</source>
        <translation>Umriss der Normalverteilung</translation>
    </message>
    <message>
        <source>Show or hide the normal curve that the sample means follow</source>
        <translation>Zeigt oder verbirgt die Normalverteilungskurve, der die Stichprobenmittelwerte folgen</translation>
    </message>
    <message>
        <source>Population outline</source>
        <translation>Umriss der Grundgesamtheit</translation>
    </message>
    <message>
        <source>Show or hide the population&apos;s shape over the histogram</source>
        <translation>Zeigt oder verbirgt die Form der Grundgesamtheit über dem Histogramm</translation>
    </message>
    <message>
        <source>Total samples drawn</source>
        <translation>Gezogene Stichproben insgesamt</translation>
    </message>
    <message>
        <source>Mean of the sample SDs</source>
        <translation>Mittelwert der Stichproben-Standardabweichungen</translation>
    </message>
    <message>
        <source>Standard deviation of the sample SDs</source>
        <translation>Standardabweichung der Stichproben-Standardabweichungen</translation>
    </message>
    <message>
        <source>Standard error</source>
        <translation>Standardfehler</translation>
    </message>
    <message>
        <source>Actual number counted</source>
        <translation>Tatsächlich gezählte Anzahl</translation>
    </message>
    <message>
        <source>Actual proportion counted</source>
        <translation>Tatsächlich gezählter Anteil</translation>
    </message>
    <message>
        <source>Number expected from the z distribution</source>
        <translation>Nach der z-Verteilung erwartete Anzahl</translation>
    </message>
    <message>
        <source>Proportion expected from the z distribution</source>
        <translation>Nach der z-Verteilung erwarteter Anteil</translation>
    </message>
    <message>
        <source>Number expected from the t distribution</source>
        <translation>Nach der t-Verteilung erwartete Anzahl</translation>
    </message>
    <message>
        <source>Proportion expected from the t distribution</source>
        <translation>Nach der t-Verteilung erwarteter Anteil</translation>
    </message>
    <message>
        <source>Axis scroll bar</source>
        <translation>Bildlaufleiste der Achse</translation>
    </message>
    <message>
        <source>Scroll along the axis</source>
        <translation>Rollt entlang der Achse</translation>
    </message>
    <message>
        <source>Sampling distribution histogram</source>
        <translation>Histogramm der Stichprobenverteilung</translation>
    </message>
    <message>
        <source>Interval width %1</source>
        <translation>Klassenbreite %1</translation>
    </message>
    <message>
        <source>Columns %1 wide</source>
        <translation>Säulen %1 breit</translation>
    </message>
    <message>
        <source>Click a column to select one of its samples</source>
        <translation>Klicken auf eine Säule wählt eine ihrer Stichproben aus</translation>
    </message>
    <message>
        <source>Left slider value</source>
        <translation>Wert des linken Schiebers</translation>
    </message>
    <message>
        <source>Right slider value</source>
        <translation>Wert des rechten Schiebers</translation>
    </message>
    <message>
        <source>Slider value</source>
        <translation>Wert des Schiebers</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>OUTLINES</source>
        <translation>UMRISSE</translation>
    </message>
    <message>
        <source>Interval
Width</source>
        <translation>Klassen-
breite</translation>
    </message>
    <message>
        <source>Total
Samples
Drawn</source>
        <translation>Gezogene
Stich-
proben</translation>
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
        <source>Mean
of</source>
        <translation>Mittelwert
der</translation>
    </message>
    <message>
        <source>Standard
Dev. of</source>
        <translation>Standard-
abw. der</translation>
    </message>
    <message>
        <source>Sample
Proportions</source>
        <translation>Stichpr.-
anteile</translation>
    </message>
    <message>
        <source>Sample
Means</source>
        <translation>Stichpr.-
mittelwerte</translation>
    </message>
    <message>
        <source>Sample SD
(n - 1)</source>
        <translation>Stichpr.-SA
(n - 1)</translation>
    </message>
    <message>
        <source>Actual (%1)</source>
        <translation>Tatsächl. (%1)</translation>
    </message>
    <message>
        <source>z Dist.</source>
        <translation>z-Vert.</translation>
    </message>
    <message>
        <source>t Dist.</source>
        <translation>t-Vert.</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>darüber</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>darunter</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>außerhalb</translation>
    </message>
    <message>
        <source>Between</source>
        <translation>dazwischen</translation>
    </message>
    <message>
        <source>Number
%1</source>
        <translation>Anzahl
%1</translation>
    </message>
    <message>
        <source>Proportion
%1</source>
        <translation>Anteil
%1</translation>
    </message>
    <message>
        <source>Sample z-Values</source>
        <translation>z-Werte der Stichproben</translation>
    </message>
    <message>
        <source>Sample t-Values</source>
        <translation>t-Werte der Stichproben</translation>
    </message>
    <message>
        <source>Values of Sample Proportions ( %1 )</source>
        <translation>Werte der Stichprobenanteile ( %1 )</translation>
    </message>
    <message>
        <source>Values of Sample Means ( %1 )</source>
        <translation>Werte der Stichprobenmittelwerte ( %1 )</translation>
    </message>
    <message>
        <source>normal approx.</source>
        <translation>Normalapprox.</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>t, %1 df</source>
        <translation>t, %1 FG</translation>
    </message>
    <message>
        <source>scaled χ², %1 df</source>
        <translation>skaliertes χ², %1 FG</translation>
    </message>
    <message>
        <source>√ scaled χ², %1 df</source>
        <translation>√ skaliertes χ², %1 FG</translation>
    </message>
    <message>
        <source>Theory</source>
        <translation>Theorie</translation>
    </message>
    <message>
        <source>Distribution of Sample Medians</source>
        <translation>Verteilung der Stichprobenmediane</translation>
    </message>
    <message>
        <source>Distribution of Sample SDs</source>
        <translation>Verteilung der Standardabweichungen</translation>
    </message>
    <message>
        <source>Distribution of Sample Variances (s²)</source>
        <translation>Verteilung der Stichprobenvarianzen (s²)</translation>
    </message>
    <message>
        <source>Distribution of Sample Variances (n)</source>
        <translation>Verteilung der Stichprobenvarianzen (n)</translation>
    </message>
    <message>
        <source>Distribution of Sample Ranges</source>
        <translation>Verteilung der Spannweiten</translation>
    </message>
    <message>
        <source>Values of Sample Medians (M)</source>
        <translation>Werte der Stichprobenmediane (M)</translation>
    </message>
    <message>
        <source>Values of Sample SDs (s)</source>
        <translation>Werte der Standardabweichungen (s)</translation>
    </message>
    <message>
        <source>Values of Sample Variances (s²)</source>
        <translation>Werte der Stichprobenvarianzen (s²)</translation>
    </message>
    <message>
        <source>Values of Sample Variances (n)</source>
        <translation>Werte der Stichprobenvarianzen (n)</translation>
    </message>
    <message>
        <source>Values of Sample Ranges (R)</source>
        <translation>Werte der Spannweiten (R)</translation>
    </message>
    <message>
        <source>Sample
Medians</source>
        <translation>Stichpr.-
mediane</translation>
    </message>
    <message>
        <source>Sample
SDs</source>
        <translation>Stichpr.-
SA</translation>
    </message>
    <message>
        <source>Sample
Variances</source>
        <translation>Stichpr.-
varianzen</translation>
    </message>
    <message>
        <source>Variances
(n)</source>
        <translation>Varianzen
(n)</translation>
    </message>
    <message>
        <source>Sample
Ranges</source>
        <translation>Spann-
weiten</translation>
    </message>
    <message>
        <source>span</source>
        <translation>Spannweite</translation>
    </message>
    <message>
        <source>%1 sample with s = 0 has no t value;
counts and proportions are of the other %2</source>
        <translation>%1 Stichprobe mit s = 0 hat keinen t-Wert;
Anzahlen und Anteile beziehen sich auf die übrigen %2</translation>
    </message>
    <message>
        <source>%1 samples with s = 0 have no t value;
counts and proportions are of the other %2</source>
        <translation>%1 Stichproben mit s = 0 haben keinen t-Wert;
Anzahlen und Anteile beziehen sich auf die übrigen %2</translation>
    </message>
    <message>
        <source>%1 sample of one value has no SD (s);
counts and proportions are of the other %2</source>
        <translation>%1 Stichprobe aus einem Wert hat keine Standardabweichung;
Anzahlen und Anteile beziehen sich auf die übrigen %2</translation>
    </message>
    <message>
        <source>%1 samples of one value have no SD (s);
counts and proportions are of the other %2</source>
        <translation>%1 Stichproben aus einem Wert haben keine Standardabweichung;
Anzahlen und Anteile beziehen sich auf die übrigen %2</translation>
    </message>
    <message>
        <source>%1 sample of one value has no s²;
counts and proportions are of the other %2</source>
        <translation>%1 Stichprobe aus einem Wert hat kein s²;
Anzahlen und Anteile beziehen sich auf die übrigen %2</translation>
    </message>
    <message>
        <source>%1 samples of one value have no s²;
counts and proportions are of the other %2</source>
        <translation>%1 Stichproben aus einem Wert haben kein s²;
Anzahlen und Anteile beziehen sich auf die übrigen %2</translation>
    </message>
    <message>
        <source>; %1 of them (%2) lie above %3</source>
        <translation>; %1 davon (%2) liegen über %3</translation>
    </message>
    <message>
        <source>; %1 of them (%2) lie at or below %3</source>
        <translation>; %1 davon (%2) liegen bei oder unter %3</translation>
    </message>
    <message>
        <source>; %1 of them (%2) lie at or below %3 or above %4</source>
        <translation>; %1 davon (%2) liegen bei oder unter %3 oder über %4</translation>
    </message>
    <message>
        <source>; %1 of them (%2) lie above %3 and at or below %4</source>
        <translation>; %1 davon (%2) liegen über %3 und bei oder unter %4</translation>
    </message>
    <message>
        <source>Number Above</source>
        <translation>Anzahl darüber</translation>
    </message>
    <message>
        <source>Number Below</source>
        <translation>Anzahl darunter</translation>
    </message>
    <message>
        <source>Number Outside</source>
        <translation>Anzahl außerhalb</translation>
    </message>
    <message>
        <source>Number Between</source>
        <translation>Anzahl dazwischen</translation>
    </message>
    <message>
        <source>sample proportion</source>
        <translation>Stichprobenanteil</translation>
    </message>
    <message>
        <source>sample proportions</source>
        <translation>Stichprobenanteilen</translation>
    </message>
    <message>
        <source>sample median</source>
        <translation>Stichprobenmedian</translation>
    </message>
    <message>
        <source>sample medians</source>
        <translation>Stichprobenmedianen</translation>
    </message>
    <message>
        <source>sample SD</source>
        <translation>Stichproben-Standardabweichung</translation>
    </message>
    <message>
        <source>sample SDs</source>
        <translation>Stichproben-Standardabweichungen</translation>
    </message>
    <message>
        <source>sample variance (n - 1)</source>
        <translation>Stichprobenvarianz (n - 1)</translation>
    </message>
    <message>
        <source>sample variances (n - 1)</source>
        <translation>Stichprobenvarianzen (n - 1)</translation>
    </message>
    <message>
        <source>sample variance (n)</source>
        <translation>Stichprobenvarianz (n)</translation>
    </message>
    <message>
        <source>sample variances (n)</source>
        <translation>Stichprobenvarianzen (n)</translation>
    </message>
    <message>
        <source>sample range</source>
        <translation>Stichprobenspannweite</translation>
    </message>
    <message>
        <source>sample ranges</source>
        <translation>Stichprobenspannweiten</translation>
    </message>
    <message>
        <source>sample mean</source>
        <translation>Stichprobenmittelwert</translation>
    </message>
    <message>
        <source>sample means</source>
        <translation>Stichprobenmittelwerten</translation>
    </message>
    <message>
        <source>%1 sample lies left of the part of the axis in view</source>
        <translation>%1 Stichprobe liegt links vom sichtbaren Teil der Achse</translation>
    </message>
    <message>
        <source>%1 samples lie left of the part of the axis in view</source>
        <translation>%1 Stichproben liegen links vom sichtbaren Teil der Achse</translation>
    </message>
    <message>
        <source>%1 sample lies right of the part of the axis in view</source>
        <translation>%1 Stichprobe liegt rechts vom sichtbaren Teil der Achse</translation>
    </message>
    <message>
        <source>%1 samples lie right of the part of the axis in view</source>
        <translation>%1 Stichproben liegen rechts vom sichtbaren Teil der Achse</translation>
    </message>
    <message>
        <source>none of them is counted in %2</source>
        <translation>keine davon wird in „%2“ gezählt</translation>
    </message>
    <message>
        <source>it is counted in %2 (red)</source>
        <translation>sie wird in „%2“ gezählt (rot)</translation>
    </message>
    <message>
        <source>all of them are counted in %2 (red)</source>
        <translation>alle werden in „%2“ gezählt (rot)</translation>
    </message>
    <message>
        <source>%1 of them is counted in %2 (red)</source>
        <translation>%1 davon wird in „%2“ gezählt (rot)</translation>
    </message>
    <message>
        <source>%1 of them are counted in %2 (red)</source>
        <translation>%1 davon werden in „%2“ gezählt (rot)</translation>
    </message>
    <message>
        <source>Histogram of %1: no samples drawn yet</source>
        <translation>Histogramm von %1: noch keine Stichproben gezogen</translation>
    </message>
    <message>
        <source>Histogram of the z values of %1: no samples drawn yet</source>
        <translation>Histogramm der z-Werte von %1: noch keine Stichproben gezogen</translation>
    </message>
    <message>
        <source>Histogram of the t values of %1: no samples drawn yet</source>
        <translation>Histogramm der t-Werte von %1: noch keine Stichproben gezogen</translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation>Mittelwert %1</translation>
    </message>
    <message>
        <source>mean %1, SD %2</source>
        <translation>Mittelwert %1, Standardabweichung %2</translation>
    </message>
    <message>
        <source>Histogram of %1: %2</source>
        <translation>Histogramm von %1: %2</translation>
    </message>
    <message>
        <source>Histogram of the z values of %1; the proportions have %2</source>
        <translation>Histogramm der z-Werte von %1; die Anteile selbst: %2</translation>
    </message>
    <message>
        <source>Histogram of the z values of %1; the means have %2</source>
        <translation>Histogramm der z-Werte von %1; die Mittelwerte selbst: %2</translation>
    </message>
    <message>
        <source>Histogram of the t values of %1; the means have %2</source>
        <translation>Histogramm der t-Werte von %1; die Mittelwerte selbst: %2</translation>
    </message>
    <message>
        <source>Theory curve outline</source>
        <translation>Umriss der theoretischen Kurve</translation>
    </message>
    <message>
        <source>Mean of the sample means</source>
        <translation>Mittelwert der Stichprobenmittelwerte</translation>
    </message>
    <message>
        <source>Standard deviation of the sample means</source>
        <translation>Standardabweichung der Stichprobenmittelwerte</translation>
    </message>
    <message>
        <source>Mean of the sample medians</source>
        <translation>Mittelwert der Stichprobenmediane</translation>
    </message>
    <message>
        <source>Standard deviation of the sample medians</source>
        <translation>Standardabweichung der Stichprobenmediane</translation>
    </message>
    <message>
        <source>Mean of the sample variances</source>
        <translation>Mittelwert der Stichprobenvarianzen</translation>
    </message>
    <message>
        <source>Standard deviation of the sample variances</source>
        <translation>Standardabweichung der Stichprobenvarianzen</translation>
    </message>
    <message>
        <source>Mean of the sample variances (n)</source>
        <translation>Mittelwert der Stichprobenvarianzen (n)</translation>
    </message>
    <message>
        <source>Standard deviation of the sample variances (n)</source>
        <translation>Standardabweichung der Stichprobenvarianzen (n)</translation>
    </message>
    <message>
        <source>Mean of the sample ranges</source>
        <translation>Mittelwert der Stichprobenspannweiten</translation>
    </message>
    <message>
        <source>Standard deviation of the sample ranges</source>
        <translation>Standardabweichung der Stichprobenspannweiten</translation>
    </message>
    <message>
        <source>Mean of the sample proportions</source>
        <translation>Mittelwert der Stichprobenanteile</translation>
    </message>
    <message>
        <source>Standard deviation of the sample proportions</source>
        <translation>Standardabweichung der Stichprobenanteile</translation>
    </message>
</context>
</TS>
