<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CConfIntervalDlg</name>
    <message>
        <source>medians</source>
        <translation>Mediane</translation>
    </message>
    <message>
        <source>standard deviations</source>
        <translation>Standardabweichungen</translation>
    </message>
    <message>
        <source>variances</source>
        <translation>Varianzen</translation>
    </message>
    <message>
        <source>variances with divisor n</source>
        <translation>Varianzen mit Divisor n</translation>
    </message>
    <message>
        <source>ranges</source>
        <translation>Spannweiten</translation>
    </message>
    <message>
        <source>Confidence Intervals for μ (the Dorvane window shows %1)</source>
        <translation>Konfidenzintervalle für μ (das Dorvane-Fenster zeigt %1)</translation>
    </message>
    <message>
        <source>Confidence Intervals for μ (Dorvane: %1)</source>
        <translation>Konfidenzintervalle für μ (Dorvane: %1)</translation>
    </message>
    <message>
        <source>Confidence Intervals for μ</source>
        <translation>Konfidenzintervalle für μ</translation>
    </message>
</context>
<context>
    <name>ConfidenceIntervals</name>
    <message>
        <source>Confidence Intervals</source>
        <translation>Konfidenzintervalle</translation>
    </message>
    <message>
        <source>ADD MORE</source>
        <translation>WEITERE DAZU</translation>
    </message>
    <message>
        <source>NEW SERIES</source>
        <translation>NEUE SERIE</translation>
    </message>
    <message>
        <source>z-value =</source>
        <translation>z-Wert =</translation>
    </message>
    <message>
        <source>t-value =</source>
        <translation>t-Wert =</translation>
    </message>
    <message>
        <source>Low End</source>
        <translation>Untere</translation>
    </message>
    <message>
        <source>High End</source>
        <translation>Obere</translation>
    </message>
    <message>
        <source>One Sided</source>
        <translation>Einseitig</translation>
    </message>
    <message>
        <source>Two Sided</source>
        <translation>Zweiseitig</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
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
        <source>% Confidence Level</source>
        <translation>% Konfidenzniveau</translation>
    </message>
    <message>
        <source>Total Samples
Drawn</source>
        <translation>Gezogene
Stichproben</translation>
    </message>
    <message>
        <source>Population Mean is:</source>
        <translation>Mittelwert der Grundgesamtheit:</translation>
    </message>
    <message>
        <source>In the
Interval</source>
        <translation>Im
Intervall</translation>
    </message>
    <message>
        <source>Not In the
Interval</source>
        <translation>Nicht im
Intervall</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Sort By
Sample
Averages</source>
        <translation>Nach
Mittelwerten
sortieren</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>bekannt</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Click an interval to select its sample in every window; with the keyboard, Up and Down select the next or previous sample</source>
        <translation>Klicken auf ein Intervall wählt seine Stichprobe in jedem Fenster aus; mit der Tastatur wählen Auf und Ab die nächste oder vorige Stichprobe</translation>
    </message>
    <message>
        <source>Drag to try another possible mean</source>
        <translation>Ziehen probiert einen anderen möglichen Mittelwert</translation>
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
        <source>Series mode</source>
        <translation>Serienmodus</translation>
    </message>
    <message>
        <source>Confidence level</source>
        <translation>Konfidenzniveau</translation>
    </message>
    <message>
        <source>The confidence level in percent, 1 to 99</source>
        <translation>Das Konfidenzniveau in Prozent, 1 bis 99</translation>
    </message>
    <message>
        <source>Sides</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Switch between two-sided and one-sided intervals</source>
        <translation>Wechselt zwischen zweiseitigen und einseitigen Intervallen</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Which end a one-sided interval has: the high or the low one</source>
        <translation>Welches Ende ein einseitiges Intervall hat: das obere oder das untere</translation>
    </message>
    <message>
        <source>Sigma known or unknown</source>
        <translation>Sigma bekannt oder unbekannt</translation>
    </message>
    <message>
        <source>Whether the population&apos;s σ is known, or each sample&apos;s s stands in for it</source>
        <translation>Ob σ der Grundgesamtheit bekannt ist oder das s jeder Stichprobe an seine Stelle tritt</translation>
    </message>
    <message>
        <source>z or t</source>
        <translation>z oder t</translation>
    </message>
    <message>
        <source>Switch between critical values of z and of t</source>
        <translation>Wechselt zwischen kritischen Werten von z und von t</translation>
    </message>
    <message>
        <source>Critical value</source>
        <translation>Kritischer Wert</translation>
    </message>
    <message>
        <source>Draw samples</source>
        <translation>Stichproben ziehen</translation>
    </message>
    <message>
        <source>Total samples drawn</source>
        <translation>Gezogene Stichproben insgesamt</translation>
    </message>
    <message>
        <source>Number of intervals that contain the population mean</source>
        <translation>Anzahl der Intervalle, die den Mittelwert der Grundgesamtheit enthalten</translation>
    </message>
    <message>
        <source>Number of intervals that miss the population mean</source>
        <translation>Anzahl der Intervalle, die den Mittelwert der Grundgesamtheit verfehlen</translation>
    </message>
    <message>
        <source>Percent of intervals that contain the population mean</source>
        <translation>Prozent der Intervalle, die den Mittelwert der Grundgesamtheit enthalten</translation>
    </message>
    <message>
        <source>Percent of intervals that miss the population mean</source>
        <translation>Prozent der Intervalle, die den Mittelwert der Grundgesamtheit verfehlen</translation>
    </message>
    <message>
        <source>Intervals scroll bar</source>
        <translation>Bildlaufleiste der Intervalle</translation>
    </message>
    <message>
        <source>Go through the pages of intervals</source>
        <translation>Geht durch die Seiten der Intervalle</translation>
    </message>
    <message>
        <source>Sort by sample averages: on</source>
        <translation>Nach Stichprobenmittelwerten sortieren: ein</translation>
    </message>
    <message>
        <source>Put the intervals in the order of their sample means</source>
        <translation>Ordnet die Intervalle nach ihren Stichprobenmittelwerten</translation>
    </message>
    <message>
        <source>Sort by sample averages: off</source>
        <translation>Nach Stichprobenmittelwerten sortieren: aus</translation>
    </message>
    <message>
        <source>Put the intervals in the order they were drawn</source>
        <translation>Ordnet die Intervalle in der Reihenfolge, in der sie gezogen wurden</translation>
    </message>
    <message>
        <source>Confidence intervals graph</source>
        <translation>Grafik der Konfidenzintervalle</translation>
    </message>
    <message>
        <source>Possible mean</source>
        <translation>Möglicher Mittelwert</translation>
    </message>
    <message>
        <source>Click an interval to select its sample</source>
        <translation>Klicken auf ein Intervall wählt seine Stichprobe aus</translation>
    </message>
    <message>
        <source>Possible mean value</source>
        <translation>Wert des möglichen Mittelwerts</translation>
    </message>
    <message>
        <source>low = %1</source>
        <translation>unten = %1</translation>
    </message>
    <message>
        <source>high = %1</source>
        <translation>oben = %1</translation>
    </message>
    <message>
        <source>PLAUSIBLE</source>
        <translation>PLAUSIBEL</translation>
    </message>
    <message>
        <source>NOT PLAUSIBLE</source>
        <translation>NICHT PLAUSIBEL</translation>
    </message>
    <message>
        <source>SAMPLING</source>
        <translation>STICHPROBEN-</translation>
    </message>
    <message>
        <source>DISTRIBUTION</source>
        <translation>VERTEILUNG</translation>
    </message>
    <message>
        <source>the population proportion %1</source>
        <translation>den Anteil der Grundgesamtheit %1</translation>
    </message>
    <message>
        <source>the population mean %1</source>
        <translation>den Mittelwert der Grundgesamtheit %1</translation>
    </message>
    <message>
        <source>Selected sample %1: centre %2, no interval.</source>
        <translation>Ausgewählte Stichprobe %1: Mitte %2, kein Intervall.</translation>
    </message>
    <message>
        <source>Selected sample %1: %2centre %3; it contains %4.</source>
        <translation>Ausgewählte Stichprobe %1: %2Mitte %3; ihr Intervall enthält %4.</translation>
    </message>
    <message>
        <source>Selected sample %1: %2centre %3; it misses %4.</source>
        <translation>Ausgewählte Stichprobe %1: %2Mitte %3; ihr Intervall verfehlt %4.</translation>
    </message>
    <message>
        <source>%1% confidence intervals</source>
        <translation>%1-%-Konfidenzintervalle</translation>
    </message>
    <message>
        <source>%1% one-sided (low end) confidence intervals</source>
        <translation>einseitigen %1-%-Konfidenzintervalle (unteres Ende)</translation>
    </message>
    <message>
        <source>%1% one-sided (high end) confidence intervals</source>
        <translation>einseitigen %1-%-Konfidenzintervalle (oberes Ende)</translation>
    </message>
    <message>
        <source>Graph of %1: no samples drawn yet</source>
        <translation>Grafik der %1: noch keine Stichproben gezogen</translation>
    </message>
    <message>
        <source>Graph of %1 of %2 samples, %3 to %4 shown in the order of their means</source>
        <translation>Grafik der %1 von %2 Stichproben, %3 bis %4 gezeigt, geordnet nach ihren Mittelwerten</translation>
    </message>
    <message>
        <source>Graph of %1 of %2 samples, %3 to %4 shown</source>
        <translation>Grafik der %1 von %2 Stichproben, %3 bis %4 gezeigt</translation>
    </message>
    <message>
        <source>Graph of %1 of %2 sample, %3 to %4 shown in the order of their means</source>
        <translation>Grafik der %1 von %2 Stichprobe, %3 bis %4 gezeigt, geordnet nach ihren Mittelwerten</translation>
    </message>
    <message>
        <source>Graph of %1 of %2 sample, %3 to %4 shown</source>
        <translation>Grafik der %1 von %2 Stichprobe, %3 bis %4 gezeigt</translation>
    </message>
    <message>
        <source>: %1 contain %2 and %3 miss it.</source>
        <translation>: %1 enthalten %2 und %3 verfehlen ihn.</translation>
    </message>
    <message>
        <source>Sampling distribution of the proportion for a possible %1: select a sample to test it against its interval</source>
        <translation>Stichprobenverteilung des Anteils für einen möglichen Wert %1: eine Stichprobe auswählen, um ihn an ihrem Intervall zu prüfen</translation>
    </message>
    <message>
        <source>Sampling distribution of the mean for a possible %1: select a sample to test it against its interval</source>
        <translation>Stichprobenverteilung des Mittelwerts für einen möglichen Wert %1: eine Stichprobe auswählen, um ihn an ihrem Intervall zu prüfen</translation>
    </message>
    <message>
        <source>Sampling distribution of the proportion for a possible %1: plausible</source>
        <translation>Stichprobenverteilung des Anteils für einen möglichen Wert %1: plausibel</translation>
    </message>
    <message>
        <source>Sampling distribution of the mean for a possible %1: plausible</source>
        <translation>Stichprobenverteilung des Mittelwerts für einen möglichen Wert %1: plausibel</translation>
    </message>
    <message>
        <source>Sampling distribution of the proportion for a possible %1: not plausible</source>
        <translation>Stichprobenverteilung des Anteils für einen möglichen Wert %1: nicht plausibel</translation>
    </message>
    <message>
        <source>Sampling distribution of the mean for a possible %1: not plausible</source>
        <translation>Stichprobenverteilung des Mittelwerts für einen möglichen Wert %1: nicht plausibel</translation>
    </message>
</context>
</TS>
