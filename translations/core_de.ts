<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Core</name>
    <message>
        <source>The total number of samples cannot exceed 10,000</source>
        <translation>Die Gesamtzahl der Stichproben darf 10.000 nicht übersteigen</translation>
    </message>
    <message>
        <source>The sample size cannot be greater than 1000</source>
        <translation>Der Stichprobenumfang darf nicht größer als 1000 sein</translation>
    </message>
    <message>
        <source>The sample size must be at least 1</source>
        <translation>Der Stichprobenumfang muss mindestens 1 sein</translation>
    </message>
    <message>
        <source>The sample size must be a whole number from 1 to 1000</source>
        <translation>Der Stichprobenumfang muss eine ganze Zahl von 1 bis 1000 sein</translation>
    </message>
    <message>
        <source>The number of samples must be at least 1</source>
        <translation>Die Anzahl der Stichproben muss mindestens 1 sein</translation>
    </message>
    <message>
        <source>The number of samples must be a whole number from 1 to 10,000</source>
        <translation>Die Anzahl der Stichproben muss eine ganze Zahl von 1 bis 10.000 sein</translation>
    </message>
    <message>
        <source>The population is empty. Choose or draw a population first.</source>
        <translation>Die Grundgesamtheit ist leer. Wählen oder zeichnen Sie zuerst eine Grundgesamtheit.</translation>
    </message>
    <message>
        <source>The confidence level must be a whole number from 1 to 99</source>
        <translation>Das Konfidenzniveau muss eine ganze Zahl von 1 bis 99 sein</translation>
    </message>
    <message>
        <source>The population has no spread, so its standard deviation cannot be set.</source>
        <translation>Die Grundgesamtheit hat keine Streuung, daher lässt sich ihre Standardabweichung nicht festlegen.</translation>
    </message>
    <message>
        <source>A standard deviation cannot be negative. Type 0 or a positive number.</source>
        <translation>Eine Standardabweichung kann nicht negativ sein. Geben Sie 0 oder eine positive Zahl ein.</translation>
    </message>
    <message>
        <source>Type a number for the mean and a number for the standard deviation.</source>
        <translation>Geben Sie eine Zahl für den Mittelwert und eine Zahl für die Standardabweichung ein.</translation>
    </message>
    <message>
        <source>These numbers are too large to show. Type a smaller mean or standard deviation.</source>
        <translation>Diese Zahlen sind zu groß für die Anzeige. Geben Sie einen kleineren Mittelwert oder eine kleinere Standardabweichung ein.</translation>
    </message>
    <message>
        <source>Type a number, such as 5.5 or -1.96.</source>
        <translation>Geben Sie eine Zahl ein, etwa 5,5 oder -1,96.</translation>
    </message>
    <message>
        <source>BIMODAL</source>
        <translation>BIMODAL</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>SKEWED -</source>
        <translation>LINKSSCHIEF</translation>
    </message>
    <message>
        <source>SKEWED +</source>
        <translation>RECHTSSCHIEF</translation>
    </message>
    <message>
        <source>TRIMODAL</source>
        <translation>TRIMODAL</translation>
    </message>
    <message>
        <source>U-SHAPED</source>
        <translation>U-FÖRMIG</translation>
    </message>
    <message>
        <source>UNIFORM</source>
        <translation>GLEICHVERTEILT</translation>
    </message>
    <message>
        <source>DISTRIBUTION</source>
        <translation>VERTEILUNG</translation>
    </message>
    <message>
        <source>Binomial population, empty: no proportion is set</source>
        <translation>Binomiale Grundgesamtheit, leer: kein Anteil festgelegt</translation>
    </message>
    <message>
        <source>Binomial population: proportion of successes p = %1, SD %2</source>
        <translation>Binomiale Grundgesamtheit: Anteil der Erfolge p = %1, Standardabweichung %2</translation>
    </message>
    <message>
        <source>Discrete population</source>
        <translation>Diskrete Grundgesamtheit</translation>
    </message>
    <message>
        <source>Continuous population</source>
        <translation>Stetige Grundgesamtheit</translation>
    </message>
    <message>
        <source>%1, %2 shape</source>
        <translation>%1, Form %2</translation>
    </message>
    <message>
        <source>%1, empty: raise its handles or choose a shape</source>
        <translation>%1, leer: ziehen Sie die Griffe hoch oder wählen Sie eine Form</translation>
    </message>
    <message>
        <source>%1: mean %2, SD %3, median %4, quartiles %5 and %6</source>
        <translation>%1: Mittelwert %2, Standardabweichung %3, Median %4, Quartile %5 und %6</translation>
    </message>
    <message>
        <source>A sample of one value has no spread to build on.</source>
        <translation>Eine Stichprobe aus einem einzigen Wert hat keine Streuung.</translation>
    </message>
    <message>
        <source>Its theory holds for a normal population, not for whole-number values.</source>
        <translation>Die Theorie gilt für eine normalverteilte Grundgesamtheit, nicht für ganzzahlige Werte.</translation>
    </message>
    <message>
        <source>Its theory holds for a normal population: choose the NORMAL shape.</source>
        <translation>Die Theorie gilt für eine normalverteilte Grundgesamtheit: die Form NORMAL wählen.</translation>
    </message>
    <message>
        <source>The population has no spread to draw from.</source>
        <translation>Die Grundgesamtheit hat keine Streuung.</translation>
    </message>
    <message>
        <source>There is no sample size.</source>
        <translation>Es gibt keinen Stichprobenumfang.</translation>
    </message>
    <message>
        <source>A binomial population gives only the proportion.</source>
        <translation>Eine binomiale Grundgesamtheit liefert nur den Anteil.</translation>
    </message>
    <message>
        <source>t needs a sample of at least two values.</source>
        <translation>t braucht eine Stichprobe aus mindestens zwei Werten.</translation>
    </message>
    <message>
        <source>The median&apos;s normal approximation needs a continuous population.</source>
        <translation>Die Normalapproximation des Medians braucht eine stetige Grundgesamtheit.</translation>
    </message>
    <message>
        <source>The population has no density at its median.</source>
        <translation>Die Grundgesamtheit hat an ihrem Median keine Dichte.</translation>
    </message>
    <message>
        <source>The range&apos;s sampling distribution has no simple formula.</source>
        <translation>Für die Stichprobenverteilung der Spannweite gibt es keine einfache Formel.</translation>
    </message>
</context>
</TS>
