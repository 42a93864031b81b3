<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Core</name>
    <message>
        <source>The total number of samples cannot exceed 10,000</source>
        <translation>El número total de muestras no puede superar 10.000</translation>
    </message>
    <message>
        <source>The sample size cannot be greater than 1000</source>
        <translation>El tamaño de la muestra no puede ser mayor que 1000</translation>
    </message>
    <message>
        <source>The sample size must be at least 1</source>
        <translation>El tamaño de la muestra debe ser al menos 1</translation>
    </message>
    <message>
        <source>The sample size must be a whole number from 1 to 1000</source>
        <translation>El tamaño de la muestra debe ser un número entero de 1 a 1000</translation>
    </message>
    <message>
        <source>The number of samples must be at least 1</source>
        <translation>El número de muestras debe ser al menos 1</translation>
    </message>
    <message>
        <source>The number of samples must be a whole number from 1 to 10,000</source>
        <translation>El número de muestras debe ser un número entero de 1 a 10.000</translation>
    </message>
    <message>
        <source>The population is empty. Choose or draw a population first.</source>
        <translation>La población está vacía. Elija o dibuje primero una población.</translation>
    </message>
    <message>
        <source>The confidence level must be a whole number from 1 to 99</source>
        <translation>El nivel de confianza debe ser un número entero de 1 a 99</translation>
    </message>
    <message>
        <source>The population has no spread, so its standard deviation cannot be set.</source>
        <translation>La población no tiene dispersión, así que no se puede fijar su desviación típica.</translation>
    </message>
    <message>
        <source>A standard deviation cannot be negative. Type 0 or a positive number.</source>
        <translation>Una desviación típica no puede ser negativa. Escriba 0 o un número positivo.</translation>
    </message>
    <message>
        <source>Type a number for the mean and a number for the standard deviation.</source>
        <translation>Escriba un número para la media y un número para la desviación típica.</translation>
    </message>
    <message>
        <source>These numbers are too large to show. Type a smaller mean or standard deviation.</source>
        <translation>Estos números son demasiado grandes para mostrarlos. Escriba una media o una desviación típica menor.</translation>
    </message>
    <message>
        <source>Type a number, such as 5.5 or -1.96.</source>
        <translation>Escriba un número, como 5,5 o -1,96.</translation>
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
        <translation>ASIMÉTRICA -</translation>
    </message>
    <message>
        <source>SKEWED +</source>
        <translation>ASIMÉTRICA +</translation>
    </message>
    <message>
        <source>TRIMODAL</source>
        <translation>TRIMODAL</translation>
    </message>
    <message>
        <source>U-SHAPED</source>
        <translation>EN FORMA DE U</translation>
    </message>
    <message>
        <source>UNIFORM</source>
        <translation>UNIFORME</translation>
    </message>
    <message>
        <source>DISTRIBUTION</source>
        <translation>DISTRIBUCIÓN</translation>
    </message>
    <message>
        <source>Binomial population, empty: no proportion is set</source>
        <translation>Población binomial, vacía: no hay proporción fijada</translation>
    </message>
    <message>
        <source>Binomial population: proportion of successes p = %1, SD %2</source>
        <translation>Población binomial: proporción de éxitos p = %1, desviación típica %2</translation>
    </message>
    <message>
        <source>Discrete population</source>
        <translation>Población discreta</translation>
    </message>
    <message>
        <source>Continuous population</source>
        <translation>Población continua</translation>
    </message>
    <message>
        <source>%1, %2 shape</source>
        <translation>%1, forma %2</translation>
    </message>
    <message>
        <source>%1, empty: raise its handles or choose a shape</source>
        <translation>%1, vacía: suba sus tiradores o elija una forma</translation>
    </message>
    <message>
        <source>%1: mean %2, SD %3, median %4, quartiles %5 and %6</source>
        <translation>%1: media %2, desviación típica %3, mediana %4, cuartiles %5 y %6</translation>
    </message>
    <message>
        <source>A sample of one value has no spread to build on.</source>
        <translation>Una muestra de un solo valor no tiene dispersión.</translation>
    </message>
    <message>
        <source>Its theory holds for a normal population, not for whole-number values.</source>
        <translation>Su teoría vale para una población normal, no para valores enteros.</translation>
    </message>
    <message>
        <source>Its theory holds for a normal population: choose the NORMAL shape.</source>
        <translation>Su teoría vale para una población normal: elija la forma NORMAL.</translation>
    </message>
    <message>
        <source>The population has no spread to draw from.</source>
        <translation>La población no tiene dispersión.</translation>
    </message>
    <message>
        <source>There is no sample size.</source>
        <translation>No hay tamaño de muestra.</translation>
    </message>
    <message>
        <source>A binomial population gives only the proportion.</source>
        <translation>Una población binomial solo da la proporción.</translation>
    </message>
    <message>
        <source>t needs a sample of at least two values.</source>
        <translation>t necesita una muestra de al menos dos valores.</translation>
    </message>
    <message>
        <source>The median&apos;s normal approximation needs a continuous population.</source>
        <translation>La aproximación normal de la mediana necesita una población continua.</translation>
    </message>
    <message>
        <source>The population has no density at its median.</source>
        <translation>La población no tiene densidad en su mediana.</translation>
    </message>
    <message>
        <source>The range&apos;s sampling distribution has no simple formula.</source>
        <translation>La distribución muestral del rango no tiene una fórmula sencilla.</translation>
    </message>
</context>
</TS>
