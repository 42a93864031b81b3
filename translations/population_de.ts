<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Population</name>
    <message>
        <source>Drag the top of a bar up or down to set the proportion p</source>
        <translation>Ziehen Sie das obere Ende eines Balkens nach oben oder unten, um den Anteil p festzulegen</translation>
    </message>
    <message>
        <source>; with the keyboard, Left and Right choose a bar and Up and Down move its top (with Shift ten pixels at a time)</source>
        <translation>; mit der Tastatur wählen Links und Rechts einen Balken, Auf und Ab bewegen sein oberes Ende (mit Umschalt zehn Pixel auf einmal)</translation>
    </message>
    <message>
        <source>Population - Binomial</source>
        <translation>Grundgesamtheit - Binomial</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LEEREN</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empty both bars: no proportion is set</source>
        <translation>Beide Balken leeren: kein Anteil ist festgelegt</translation>
    </message>
    <message>
        <source>Set the proportion of successes to %1</source>
        <translation>Den Anteil der Erfolge auf %1 setzen</translation>
    </message>
    <message>
        <source>Binomial bars</source>
        <translation>Binomiale Balken</translation>
    </message>
    <message>
        <source>. The failures bar is chosen.</source>
        <translation>. Der Balken der Misserfolge ist gewählt.</translation>
    </message>
    <message>
        <source>. The successes bar is chosen.</source>
        <translation>. Der Balken der Erfolge ist gewählt.</translation>
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
        <translation>Linksschief</translation>
    </message>
    <message>
        <source>Skew +</source>
        <translation>Rechtsschief</translation>
    </message>
    <message>
        <source>Trimodal</source>
        <translation>Trimodal</translation>
    </message>
    <message>
        <source>U-Shaped</source>
        <translation>U-förmig</translation>
    </message>
    <message>
        <source>Uniform</source>
        <translation>Gleichverteilt</translation>
    </message>
    <message>
        <source>Click for preset shapes</source>
        <translation>Klicken für vorgegebene Formen</translation>
    </message>
    <message>
        <source>Drag up or down to reshape the population</source>
        <translation>Nach oben oder unten ziehen, um die Grundgesamtheit umzuformen</translation>
    </message>
    <message>
        <source>Drag up or down to change how common this value is</source>
        <translation>Nach oben oder unten ziehen, um die Häufigkeit dieses Werts zu ändern</translation>
    </message>
    <message>
        <source>; with the keyboard, Left and Right choose a handle and Up and Down move it (with Shift ten pixels at a time)</source>
        <translation>; mit der Tastatur wählen Links und Rechts einen Griff, Auf und Ab bewegen ihn (mit Umschalt zehn Pixel auf einmal)</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Grundgesamtheit</translation>
    </message>
    <message>
        <source>Example: two peaks</source>
        <translation>Beispiel: zwei Gipfel</translation>
    </message>
    <message>
        <source>Example population with two peaks, the larger at the low end</source>
        <translation>Beispiel einer Grundgesamtheit mit zwei Gipfeln, der größere am unteren Ende</translation>
    </message>
    <message>
        <source>Example: three peaks</source>
        <translation>Beispiel: drei Gipfel</translation>
    </message>
    <message>
        <source>Example population with three peaks, the tallest at the high end</source>
        <translation>Beispiel einer Grundgesamtheit mit drei Gipfeln, der höchste am oberen Ende</translation>
    </message>
    <message>
        <source>Example: four peaks</source>
        <translation>Beispiel: vier Gipfel</translation>
    </message>
    <message>
        <source>Example population with four peaks, the tallest at the low end</source>
        <translation>Beispiel einer Grundgesamtheit mit vier Gipfeln, der höchste am unteren Ende</translation>
    </message>
    <message>
        <source>Example: peaks near both ends</source>
        <translation>Beispiel: Gipfel an beiden Enden</translation>
    </message>
    <message>
        <source>Example population with a tall peak at the high end and a smaller one at the low end</source>
        <translation>Beispiel einer Grundgesamtheit mit einem hohen Gipfel am oberen und einem kleineren am unteren Ende</translation>
    </message>
    <message>
        <source>Population shape handle</source>
        <translation>Griff der Form der Grundgesamtheit</translation>
    </message>
    <message>
        <source>Preset shapes</source>
        <translation>Vorgegebene Formen</translation>
    </message>
    <message>
        <source>. The handle at %1 is chosen.</source>
        <translation>. Der Griff bei %1 ist gewählt.</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
</context>
<context>
    <name>PopulationSettings</name>
    <message>
        <source>Population Settings</source>
        <translation>Einstellungen der Grundgesamtheit</translation>
    </message>
    <message>
        <source>Set the population mean to</source>
        <translation>Mittelwert festlegen auf</translation>
    </message>
    <message>
        <source>Set the standard deviation</source>
        <translation>Standardabweichung auf</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>STANDARD</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SETZEN</translation>
    </message>
    <message>
        <source>Population mean to show</source>
        <translation>Anzuzeigender Mittelwert der Grundgesamtheit</translation>
    </message>
    <message>
        <source>The mean the population is to show; Enter sets it</source>
        <translation>Der Mittelwert, den die Grundgesamtheit zeigen soll; Eingabe setzt ihn</translation>
    </message>
    <message>
        <source>Standard deviation to show</source>
        <translation>Anzuzeigende Standardabweichung</translation>
    </message>
    <message>
        <source>The standard deviation the population is to show; Enter sets it</source>
        <translation>Die Standardabweichung, die die Grundgesamtheit zeigen soll; Eingabe setzt sie</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Back to the mean and standard deviation of the shape as drawn</source>
        <translation>Zurück zu Mittelwert und Standardabweichung der gezeichneten Form</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Put back the values in force (Esc)</source>
        <translation>Die geltenden Werte wiederherstellen (Esc)</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Show the population with this mean and standard deviation (Enter)</source>
        <translation>Die Grundgesamtheit mit diesem Mittelwert und dieser Standardabweichung zeigen (Eingabe)</translation>
    </message>
</context>
</TS>
