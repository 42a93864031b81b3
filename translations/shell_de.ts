<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Shell</name>
    <message>
        <source>About Dorvane</source>
        <translation>Über Dorvane</translation>
    </message>
    <message>
        <source>Dorvane Version 5.4</source>
        <translation>Dorvane Version 5.4</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Das aktive Dokument drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Ganze Seiten anzeigen</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Drucker und Druckoptionen ändern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Bild kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Series as Text</source>
        <translation>&amp;Serie als Text kopieren</translation>
    </message>
    <message>
        <source>Copy Sample &amp;Values</source>
        <translation>&amp;Werte der Stichprobe kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Population as Text</source>
        <translation>&amp;Grundgesamtheit als Text kopieren</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Population</source>
        <translation>&amp;Grundgesamtheit</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>&amp;Stichproben</translation>
    </message>
    <message>
        <source>Sampling &amp;Distribution</source>
        <translation>Stichproben&amp;verteilung</translation>
    </message>
    <message>
        <source>&amp;Confidence Intervals</source>
        <translation>&amp;Konfidenzintervalle</translation>
    </message>
    <message>
        <source>Population Se&amp;ttings</source>
        <translation>&amp;Einstellungen der Grundgesamtheit</translation>
    </message>
    <message>
        <source>Close &amp;Window</source>
        <translation>Fenster s&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Arrange for This Screen</source>
        <translation>Für diesen Bildschirm &amp;anordnen</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Vollbil&amp;d</translation>
    </message>
    <message>
        <source>&amp;Measurement</source>
        <translation>&amp;Messung</translation>
    </message>
    <message>
        <source>&amp;Binomial</source>
        <translation>&amp;Binomial</translation>
    </message>
    <message>
        <source>&amp;Discrete</source>
        <translation>&amp;Diskret</translation>
    </message>
    <message>
        <source>&amp;Continuous</source>
        <translation>&amp;Stetig</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;S  Slowest	Ctrl+1</source>
        <translation>&amp;S  Am langsamsten	Strg+1</translation>
    </message>
    <message>
        <source>&amp;2	Ctrl+2</source>
        <translation>&amp;2	Strg+2</translation>
    </message>
    <message>
        <source>&amp;3	Ctrl+3</source>
        <translation>&amp;3	Strg+3</translation>
    </message>
    <message>
        <source>&amp;4	Ctrl+4</source>
        <translation>&amp;4	Strg+4</translation>
    </message>
    <message>
        <source>&amp;F  Fastest	Ctrl+5</source>
        <translation>&amp;F  Am schnellsten	Strg+5</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Display Samples in Population</source>
        <translation>Stichproben in der Grundgesamtheit zeigen</translation>
    </message>
    <message>
        <source>Do Not Display Samples</source>
        <translation>Stichproben nicht zeigen</translation>
    </message>
    <message>
        <source>&amp;Observed Values</source>
        <translation>&amp;Beobachtete Werte</translation>
    </message>
    <message>
        <source>&amp;Z-Values</source>
        <translation>&amp;z-Werte</translation>
    </message>
    <message>
        <source>&amp;T-Values</source>
        <translation>&amp;t-Werte</translation>
    </message>
    <message>
        <source>Proportion &amp;Above</source>
        <translation>Anteil dar&amp;über</translation>
    </message>
    <message>
        <source>Proportion &amp;Below</source>
        <translation>Anteil dar&amp;unter</translation>
    </message>
    <message>
        <source>&amp;One Slider</source>
        <translation>&amp;Ein Schieberegler</translation>
    </message>
    <message>
        <source>Two Sliders &amp;Separate</source>
        <translation>Zwei Schieberegler &amp;getrennt</translation>
    </message>
    <message>
        <source>Two Sliders Tandem</source>
        <translation>Zwei Schieberegler gekoppelt</translation>
    </message>
    <message>
        <source>Possible Mu</source>
        <translation>Mögliches μ</translation>
    </message>
    <message>
        <source>Colour-Blind Safe &amp;Colours</source>
        <translation>Farben für &amp;Farbenblinde</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Dorvane...</source>
        <translation>Ü&amp;ber Dorvane...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>Proportion &amp;Outside</source>
        <translation>Anteil au&amp;ßerhalb</translation>
    </message>
    <message>
        <source>Proportion &amp;Between</source>
        <translation>Anteil &amp;dazwischen</translation>
    </message>
    <message>
        <source>1 sample</source>
        <translation>1 Stichprobe</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 Stichproben</translation>
    </message>
    <message>
        <source>Copied %1 as text</source>
        <translation>%1 als Text kopiert</translation>
    </message>
    <message>
        <source>Copied the %1 values of sample %2 as text</source>
        <translation>Die %1 Werte der Stichprobe %2 als Text kopiert</translation>
    </message>
    <message>
        <source>Copied the population&apos;s %1 values and their probabilities as text</source>
        <translation>Die %1 Werte der Grundgesamtheit und ihre Wahrscheinlichkeiten als Text kopiert</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>DRAW
SAMPLES</source>
        <translation>PROBEN
ZIEHEN</translation>
    </message>
    <message>
        <source>Values in each sample, 1 to 1000; Enter draws</source>
        <translation>Werte je Stichprobe, 1 bis 1000; Eingabe zieht</translation>
    </message>
    <message>
        <source>Samples to draw, at most 10,000 in a series; Enter draws</source>
        <translation>Zu ziehende Stichproben, höchstens 10.000 in einer Serie; Eingabe zieht</translation>
    </message>
    <message>
        <source>Switch between starting a new series with each draw and adding more samples to it</source>
        <translation>Umschalten zwischen einer neuen Serie bei jedem Ziehen und dem Hinzufügen weiterer Stichproben</translation>
    </message>
    <message>
        <source>Draw the samples (Enter in a field does the same); during a run it reads STOP and stops it, as Esc does</source>
        <translation>Die Stichproben ziehen (Eingabe in einem Feld tut dasselbe); während eines Laufs steht hier STOPP und hält ihn an, wie Esc</translation>
    </message>
    <message>
        <source>Speed S, slowest</source>
        <translation>Tempo S, am langsamsten</translation>
    </message>
    <message>
        <source>Speed 2</source>
        <translation>Tempo 2</translation>
    </message>
    <message>
        <source>Speed 3</source>
        <translation>Tempo 3</translation>
    </message>
    <message>
        <source>Speed 4</source>
        <translation>Tempo 4</translation>
    </message>
    <message>
        <source>Speed F, fastest</source>
        <translation>Tempo F, am schnellsten</translation>
    </message>
    <message>
        <source>Slowest: every value of a sample falls into place (Ctrl+1)</source>
        <translation>Am langsamsten: jeder Wert einer Stichprobe fällt an seinen Platz (Strg+1)</translation>
    </message>
    <message>
        <source>Drawing speed 2 (Ctrl+2)</source>
        <translation>Ziehtempo 2 (Strg+2)</translation>
    </message>
    <message>
        <source>Drawing speed 3 (Ctrl+3)</source>
        <translation>Ziehtempo 3 (Strg+3)</translation>
    </message>
    <message>
        <source>Drawing speed 4 (Ctrl+4)</source>
        <translation>Ziehtempo 4 (Strg+4)</translation>
    </message>
    <message>
        <source>Fastest: only the finished series is shown (Ctrl+5)</source>
        <translation>Am schnellsten: nur die fertige Serie wird gezeigt (Strg+5)</translation>
    </message>
    <message>
        <source>Typed value</source>
        <translation>Eingegebener Wert</translation>
    </message>
    <message>
        <source>Type a value: Enter moves it there, Esc leaves it as it is</source>
        <translation>Einen Wert eingeben: Eingabe setzt ihn dorthin, Esc lässt alles, wie es ist</translation>
    </message>
    <message>
        <source>Double-click to type a value</source>
        <translation>Doppelklicken, um einen Wert einzugeben</translation>
    </message>
    <message>
        <source>; with the keyboard, Left and Right move it a pixel (Shift: ten) and Enter types its value</source>
        <translation>; mit der Tastatur bewegen Links und Rechts um ein Pixel (Umschalt: zehn), Eingabe tippt den Wert</translation>
    </message>
    <message>
        <source>; with the keyboard, Tab to it and press Enter</source>
        <translation>; mit der Tastatur mit Tab dorthin gehen und Eingabe drücken</translation>
    </message>
    <message>
        <source>Dorvane Program</source>
        <translation>Dorvane Programm</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROLLEN</translation>
    </message>
    <message>
        <source>Drawing sample %1 of %2 – Esc stops</source>
        <translation>Ziehe Stichprobe %1 von %2 – Esc hält an</translation>
    </message>
    <message>
        <source>Copied the %1 picture, %2 × %3</source>
        <translation>Bild „%1“ kopiert, %2 × %3</translation>
    </message>
    <message>
        <source>S&amp;tatistic</source>
        <translation>&amp;Kennwert</translation>
    </message>
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
</context>
</TS>
