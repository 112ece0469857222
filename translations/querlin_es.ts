<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>slider</source>
        <translation>control deslizante</translation>
    </message>
    <message>
        <source>field</source>
        <translation>campo</translation>
    </message>
    <message>
        <source>caption of the %1 %2</source>
        <translation>rótulo del %1 %2</translation>
    </message>
</context>
<context>
    <name>Antenna</name>
    <message>
        <source>nec2c&apos;s output lacks the currents between feed and coils.</source>
        <translation>A la salida de nec2c le faltan las corrientes entre el punto de alimentación y las bobinas.</translation>
    </message>
    <message>
        <source>The loading coil of %1 µH cannot be wound on that former. %2</source>
        <translation>La bobina de carga de %1 µH no se puede bobinar en ese soporte. %2</translation>
    </message>
    <message>
        <source>The antenna&apos;s resistance at resonance, %1 ohms, is at or above the line&apos;s %2 ohms: no coil across the feed point can match it. The loading coils resonate it; the SWR that remains is %3.</source>
        <translation>La resistencia de la antena en resonancia, %1 ohmios, es igual o mayor que los %2 ohmios de la línea: ninguna bobina en el punto de alimentación puede adaptarla. Las bobinas de carga la llevan a resonancia; la ROE que queda es %3.</translation>
    </message>
    <message>
        <source>No loading coil brings the antenna to resonance at %1 MHz.</source>
        <translation>Ninguna bobina de carga lleva la antena a resonancia en %1 MHz.</translation>
    </message>
    <message>
        <source>Segments near the coils or the source are shorter than %1 wire radii, where NEC-2&apos;s thin-wire kernel errs by more than 1 %: take the figures as rough.</source>
        <translation>Hay segmentos cerca de las bobinas o de la fuente más cortos que %1 radios del alambre, donde la aproximación de hilo delgado de NEC-2 yerra en más de un 1 %: tome las cifras como aproximadas.</translation>
    </message>
    <message>
        <source>nec2c wrote &apos;%1&apos; where a number belongs.</source>
        <translation>nec2c escribió «%1» donde debe ir un número.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no %1.</source>
        <translation>La salida de nec2c no contiene %1.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no value of %1.</source>
        <translation>La salida de nec2c no contiene ningún valor de %1.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds an average gain without its solid angle.</source>
        <translation>La salida de nec2c contiene una ganancia media sin su ángulo sólido.</translation>
    </message>
    <message>
        <source>nec2c&apos;s currents table holds &apos;%1&apos; where a segment&apos;s line belongs.</source>
        <translation>La tabla de corrientes de nec2c contiene «%1» donde debe ir la línea de un segmento.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds a currents table without a current.</source>
        <translation>La salida de nec2c contiene una tabla de corrientes sin ninguna corriente.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no feed-point impedance.</source>
        <translation>La salida de nec2c no contiene la impedancia en el punto de alimentación.</translation>
    </message>
    <message>
        <source>nec2c&apos;s power budget does not add up: %1 W radiated of %2 W put in.</source>
        <translation>El balance de potencia de nec2c no cuadra: %1 W radiados de %2 W aplicados.</translation>
    </message>
    <message>
        <source>nec2c&apos;s average gain gives %1 of the input power radiated, not a share of it.</source>
        <translation>La ganancia media de nec2c da %1 de la potencia aplicada como radiada, no una parte de ella.</translation>
    </message>
    <message>
        <source>No temporary folder for nec2c: %1</source>
        <translation>No hay carpeta temporal para nec2c: %1</translation>
    </message>
    <message>
        <source>Could not write the deck for nec2c: %1</source>
        <translation>No se pudo escribir el archivo de tarjetas para nec2c: %1</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; could not be started (%2): install the Debian package nec2c, or name the program in QUERLIN_NEC2C.</source>
        <translation>No se pudo iniciar el motor NEC-2 «%1» (%2): instale el paquete de Debian nec2c o indique el programa en QUERLIN_NEC2C.</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; did not finish.</source>
        <translation>El motor NEC-2 «%1» no terminó.</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; failed (exit status %2)%3</source>
        <translation>El motor NEC-2 «%1» falló (código de salida %2)%3</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; wrote no output.</source>
        <translation>El motor NEC-2 «%1» no produjo ninguna salida.</translation>
    </message>
    <message>
        <source>The output of the NEC-2 engine &apos;%1&apos; holds %2 feed-point impedances where %3 were asked for.</source>
        <translation>La salida del motor NEC-2 «%1» contiene %2 impedancias en el punto de alimentación donde se pidieron %3.</translation>
    </message>
    <message>
        <source>The design cannot be modelled: it needs a positive frequency, length and element.</source>
        <translation>El diseño no se puede modelar: necesita una frecuencia, una longitud y un elemento positivos.</translation>
    </message>
    <message>
        <source>The design cannot be modelled: the coils must sit inside the antenna.</source>
        <translation>El diseño no se puede modelar: las bobinas deben estar dentro de la antena.</translation>
    </message>
    <message>
        <source>The model takes %1 to %2 segments, not %3.</source>
        <translation>El modelo admite de %1 a %2 segmentos, no %3.</translation>
    </message>
    <message>
        <source>A coil&apos;s length must be a positive number.</source>
        <translation>La longitud de una bobina debe ser un número positivo.</translation>
    </message>
    <message>
        <source>The antenna must be above the ground to be modelled.</source>
        <translation>La antena debe estar sobre el suelo para poder modelarla.</translation>
    </message>
    <message>
        <source>A coil&apos;s Q must be a positive number.</source>
        <translation>El factor Q de una bobina debe ser un número positivo.</translation>
    </message>
    <message>
        <source>Loaded dipole for %1 MHz, %2 %3 long, element %4 %5</source>
        <translation>Dipolo acortado para %1 MHz, de %2 %3 de largo, elemento de %4 %5</translation>
    </message>
    <message>
        <source>At %1 MHz it is above a third of its self-resonance of about %2 MHz, where its Q is in doubt.</source>
        <translation>A %1 MHz está por encima de un tercio de su autorresonancia de unos %2 MHz, donde su Q es dudoso.</translation>
    </message>
    <message>
        <source>Insulation needs a positive thickness and a relative permittivity of 1 or more.</source>
        <translation>El aislamiento necesita un espesor positivo y una permitividad relativa de 1 o más.</translation>
    </message>
    <message>
        <source>The angle between the legs must be more than 0 and at most 180 degrees.</source>
        <translation>El ángulo entre las ramas debe ser mayor que 0 y como mucho 180 grados.</translation>
    </message>
    <message>
        <source>Hung so, the tips would be %1 m (%2 ft) below the ground: the apex must be higher or the legs less steep.</source>
        <translation>Colgada así, las puntas quedarían %1 m (%2 ft) bajo el suelo: el vértice debe estar más alto o las ramas menos inclinadas.</translation>
    </message>
    <message>
        <source>The coils are modelled as pure inductances. A coil as wound acts as more, its self-capacitance across its winding: one twice as long as its inch across (Medhurst&apos;s %1 pF) as %2 % more at %3 MHz. --coil-diameter, --coil-length and --coil-wire model the coil to wind.</source>
        <translation>Las bobinas se modelan como inductancias puras. Una bobina bobinada actúa como más, con su autocapacidad a través del devanado: una el doble de larga que su pulgada de diámetro (%1 pF de Medhurst) como un %2 % más a %3 MHz. --coil-diameter, --coil-length y --coil-wire modelan la bobina que se va a bobinar.</translation>
    </message>
    <message>
        <source>The loading coils at %1 % do not fit the former, nor do any farther out.</source>
        <translation>Las bobinas de carga al %1 % no caben en el soporte, ni ninguna más hacia fuera.</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>the coil radius</source>
        <translation>el radio de la bobina</translation>
    </message>
    <message>
        <source>nine times the coil radius</source>
        <translation>nueve veces el radio de la bobina</translation>
    </message>
    <message>
        <source>ten times the coil length</source>
        <translation>diez veces la longitud de la bobina</translation>
    </message>
    <message>
        <source>the denominator of the coil formula</source>
        <translation>el denominador de la fórmula de la bobina</translation>
    </message>
    <message>
        <source>the coil radius squared</source>
        <translation>el cuadrado del radio de la bobina</translation>
    </message>
    <message>
        <source>the turns squared per microhenry</source>
        <translation>el cuadrado de las espiras por microhenrio</translation>
    </message>
    <message>
        <source>the turns squared</source>
        <translation>el cuadrado del número de espiras</translation>
    </message>
    <message>
        <source>the number of turns</source>
        <translation>el número de espiras</translation>
    </message>
    <message>
        <source>the winding length</source>
        <translation>la longitud del bobinado</translation>
    </message>
    <message>
        <source>the coil position</source>
        <translation>la posición de la bobina</translation>
    </message>
    <message>
        <source>the position of the left coil</source>
        <translation>la posición de la bobina izquierda</translation>
    </message>
    <message>
        <source>the position of the right coil</source>
        <translation>la posición de la bobina derecha</translation>
    </message>
    <message>
        <source>the length in feet</source>
        <translation>la longitud en pies</translation>
    </message>
    <message>
        <source>the element diameter in inches</source>
        <translation>el diámetro del elemento en pulgadas</translation>
    </message>
    <message>
        <source>the length of each half beyond the coil</source>
        <translation>la longitud de cada mitad más allá de la bobina</translation>
    </message>
    <message>
        <source>the distance from the centre to the coil</source>
        <translation>la distancia del centro a la bobina</translation>
    </message>
    <message>
        <source>the quarter wavelength</source>
        <translation>el cuarto de onda</translation>
    </message>
    <message>
        <source>the length beyond the coil</source>
        <translation>la longitud más allá de la bobina</translation>
    </message>
    <message>
        <source>the scale factor of the inductance</source>
        <translation>el factor de escala de la inductancia</translation>
    </message>
    <message>
        <source>the quarter-wave term</source>
        <translation>el término de cuarto de onda</translation>
    </message>
    <message>
        <source>the coil-position term</source>
        <translation>el término de la posición de la bobina</translation>
    </message>
    <message>
        <source>the outer-section term</source>
        <translation>el término de la sección exterior</translation>
    </message>
    <message>
        <source>the outer-section length term</source>
        <translation>el término de longitud de la sección exterior</translation>
    </message>
    <message>
        <source>the inductance of each loading coil</source>
        <translation>la inductancia de cada bobina de carga</translation>
    </message>
    <message>
        <source>the coil distance in metres</source>
        <translation>la distancia de la bobina en metros</translation>
    </message>
    <message>
        <source>the antenna impedance</source>
        <translation>la impedancia de la antena</translation>
    </message>
    <message>
        <source>the impedance ratio of the matching coil</source>
        <translation>la relación de impedancias de la bobina de adaptación</translation>
    </message>
    <message>
        <source>the reactance of the matching coil</source>
        <translation>la reactancia de la bobina de adaptación</translation>
    </message>
    <message>
        <source>the inductance of the matching coil</source>
        <translation>la inductancia de la bobina de adaptación</translation>
    </message>
</context>
<context>
    <name>Coil</name>
    <message>
        <source>The frequency must be a positive number of MHz.</source>
        <translation>La frecuencia debe ser un número positivo de MHz.</translation>
    </message>
    <message>
        <source>Medhurst&apos;s self-capacitance covers coils from 0.1 to 50 diameters long, not %1.</source>
        <translation>La autocapacidad de Medhurst abarca bobinas de 0.1 a 50 diámetros de longitud, no %1.</translation>
    </message>
    <message>
        <source>At %1 MHz the coil is above its self-resonance of about %2 MHz, no longer an inductor.</source>
        <translation>A %1 MHz la bobina está por encima de su autorresonancia de unos %2 MHz y ya no es una inductancia.</translation>
    </message>
    <message>
        <source>At %1 MHz the skin depth of copper, %2 inches, is more than a fifth of the wire: the Q estimate needs a thicker wire or a higher frequency.</source>
        <translation>A %1 MHz la profundidad pelicular del cobre, %2 pulgadas, es más de una quinta parte del alambre: la estimación del Q necesita un alambre más grueso o una frecuencia más alta.</translation>
    </message>
    <message>
        <source>The coil&apos;s Q lies beyond what the calculation can hold.</source>
        <translation>El Q de la bobina está fuera de lo que el cálculo puede manejar.</translation>
    </message>
    <message>
        <source>The winding needs a positive number of turns, coil diameter, coil length and wire diameter.</source>
        <translation>El bobinado necesita valores positivos de número de espiras, diámetro de la bobina, longitud de la bobina y diámetro del alambre.</translation>
    </message>
    <message>
        <source>A winding needs at least one turn, not %1.</source>
        <translation>Un bobinado necesita al menos una espira, no %1.</translation>
    </message>
    <message>
        <source>The winding does not fit: %1 turns of %2-inch wire need %3 inches, more than the coil length of %4 inches.</source>
        <translation>El bobinado no cabe: %1 espiras de alambre de %2 pulgadas necesitan %3 pulgadas, más que la longitud de la bobina de %4 pulgadas.</translation>
    </message>
    <message>
        <source>A wire as thick as the coil diameter winds no coil.</source>
        <translation>Un alambre tan grueso como el diámetro de la bobina no forma ninguna bobina.</translation>
    </message>
    <message>
        <source>The winding&apos;s figures lie beyond what the calculation can hold.</source>
        <translation>Las cifras del bobinado están fuera de lo que el cálculo puede manejar.</translation>
    </message>
    <message>
        <source>At %1 MHz the loading coil is above a third of its self-resonance of about %2 MHz: it acts as more inductance than its winding&apos;s, with less Q, so the check cannot take its Q.</source>
        <translation>A %1 MHz la bobina de carga está por encima de un tercio de su autorresonancia de unos %2 MHz: actúa como una inductancia mayor que la de su bobinado, con menos Q, así que la comprobación no puede tomar su Q.</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>division by zero</source>
        <translation>una división por cero</translation>
    </message>
    <message>
        <source>an invalid operation</source>
        <translation>una operación no válida</translation>
    </message>
    <message>
        <source>an overflow</source>
        <translation>un desbordamiento</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number.</source>
        <translation>«%1» no contiene un número.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large.</source>
        <translation>«%1» es demasiado grande.</translation>
    </message>
    <message>
        <source>An overflow occurred while calculating %1.</source>
        <translation>Se produjo un desbordamiento al calcular %1.</translation>
    </message>
    <message>
        <source>%1 occurred while calculating %2.</source>
        <translation>%1 al calcular %2.</translation>
    </message>
    <message>
        <source>An invalid argument was given to %1 while calculating %2.</source>
        <translation>Al calcular %2, %1 recibió un argumento no válido.</translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation>%1 falló.</translation>
    </message>
    <message>
        <source>a logarithm</source>
        <translation>un logaritmo</translation>
    </message>
    <message>
        <source>a square root</source>
        <translation>una raíz cuadrada</translation>
    </message>
    <message>
        <source>access to %1.%2</source>
        <translation>el acceso a %1.%2</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Wire from the feed point to the coil</source>
        <translation>Alambre del punto de alimentación a la bobina</translation>
    </message>
    <message>
        <source>Coil, as modelled</source>
        <translation>Bobina, según el modelo</translation>
    </message>
    <message>
        <source>Wire from the coil to the tip</source>
        <translation>Alambre de la bobina al extremo</translation>
    </message>
    <message>
        <source>Each loading coil</source>
        <translation>Cada bobina de carga</translation>
    </message>
    <message>
        <source>Matching coil across the feed point</source>
        <translation>Bobina de adaptación en el punto de alimentación</translation>
    </message>
    <message>
        <source>SWR with them</source>
        <translation>ROE con ellas</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth with them</source>
        <translation>Ancho de banda con ROE 2:1 con ellas</translation>
    </message>
    <message>
        <source>Feed resistance before the matching coil</source>
        <translation>Resistencia de alimentación antes de la bobina de adaptación</translation>
    </message>
    <message>
        <source>Feed reactance before the matching coil</source>
        <translation>Reactancia de alimentación antes de la bobina de adaptación</translation>
    </message>
    <message>
        <source>Efficiency of the build</source>
        <translation>Rendimiento del montaje</translation>
    </message>
    <message>
        <source>Turns of each loading coil</source>
        <translation>Espiras de cada bobina de carga</translation>
    </message>
    <message>
        <source>Q of each loading coil</source>
        <translation>Q de cada bobina de carga</translation>
    </message>
    <message>
        <source>Turns of the matching coil</source>
        <translation>Espiras de la bobina de adaptación</translation>
    </message>
    <message>
        <source>Q of the matching coil</source>
        <translation>Q de la bobina de adaptación</translation>
    </message>
    <message>
        <source>Rounds until inductance and Q agree</source>
        <translation>Iteraciones hasta que inductancia y Q coinciden</translation>
    </message>
    <message>
        <source>Resonant frequency</source>
        <translation>Frecuencia de resonancia</translation>
    </message>
    <message>
        <source>Off the design frequency by</source>
        <translation>Desviación de la frecuencia de diseño</translation>
    </message>
    <message>
        <source>Feed resistance at the design frequency</source>
        <translation>Resistencia de alimentación en la frecuencia de diseño</translation>
    </message>
    <message>
        <source>Feed reactance at the design frequency</source>
        <translation>Reactancia de alimentación en la frecuencia de diseño</translation>
    </message>
    <message>
        <source>Each coil for resonance at the design frequency</source>
        <translation>Cada bobina para resonancia en la frecuencia de diseño</translation>
    </message>
    <message>
        <source>SWR at the design frequency</source>
        <translation>ROE en la frecuencia de diseño</translation>
    </message>
    <message>
        <source>SWR with the matching coil</source>
        <translation>ROE con la bobina de adaptación</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth</source>
        <translation>Ancho de banda con ROE 2:1</translation>
    </message>
    <message>
        <source>Efficiency, made resonant</source>
        <translation>Rendimiento, en resonancia</translation>
    </message>
    <message>
        <source>Measured resonance</source>
        <translation>Resonancia medida</translation>
    </message>
    <message>
        <source>Resistance there</source>
        <translation>Resistencia en ella</translation>
    </message>
    <message>
        <source>Lowest SWR</source>
        <translation>ROE mínima</translation>
    </message>
    <message>
        <source>Lowest SWR at</source>
        <translation>ROE mínima en</translation>
    </message>
    <message>
        <source>The design&apos;s resonance, by NEC-2</source>
        <translation>Resonancia del diseño, según NEC-2</translation>
    </message>
    <message>
        <source>Change to each tip</source>
        <translation>Cambio en cada extremo</translation>
    </message>
    <message>
        <source>Or to each coil</source>
        <translation>O en cada bobina</translation>
    </message>
    <message>
        <source>Coils&apos; Q, an estimate</source>
        <translation>Q de las bobinas, estimado</translation>
    </message>
    <message>
        <source>Efficiency, an estimate</source>
        <translation>Rendimiento, estimado</translation>
    </message>
    <message>
        <source>Or to each coil&apos;s turns</source>
        <translation>O en las espiras de cada bobina</translation>
    </message>
    <message>
        <source>Each loading coil on an LCR meter</source>
        <translation>Cada bobina de carga en un medidor LCR</translation>
    </message>
    <message>
        <source>Matching coil on an LCR meter</source>
        <translation>Bobina de adaptación en un medidor LCR</translation>
    </message>
    <message>
        <source>Height of each tip over the ground</source>
        <translation>Altura de cada punta sobre el suelo</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>INPUT FREQUENCY</source>
        <translation>FRECUENCIA</translation>
    </message>
    <message>
        <source>INPUT TOTAL LENGTH</source>
        <translation>LONGITUD TOTAL</translation>
    </message>
    <message>
        <source>INPUT ELEMENT SIZE</source>
        <translation>DIÁMETRO DEL ELEMENTO</translation>
    </message>
    <message>
        <source>INPUT FEEDLINE IMPEDANCE</source>
        <translation>IMPEDANCIA DE LA LÍNEA</translation>
    </message>
    <message>
        <source>FEET</source>
        <translation>PIES</translation>
    </message>
    <message>
        <source>INCHES</source>
        <translation>PULGADAS</translation>
    </message>
    <message>
        <source>METERS</source>
        <translation>METROS</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>QUERLIN        by      ORVANE</source>
        <translation>QUERLIN        por      ORVANE</translation>
    </message>
    <message>
        <source>SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL<byte value="xd"/>
</source>
        <translation>DESLICE: DISTANCIA DEL CENTRO AL INICIO DE LA BOBINA
</translation>
    </message>
    <message>
        <source>METRIC</source>
        <translation>MÉTRICO</translation>
    </message>
    <message>
        <source>The coil will be</source>
        <translation>La bobina estará a</translation>
    </message>
    <message>
        <source>from the center</source>
        <translation>del centro</translation>
    </message>
    <message>
        <source>AWG WIRE SIZES</source>
        <translation>CALIBRES AWG</translation>
    </message>
    <message>
        <source>READ ME FIRST</source>
        <translation>LÉAME PRIMERO</translation>
    </message>
    <message>
        <source>Loading coils will be</source>
        <translation>Bobinas de carga de</translation>
    </message>
    <message>
        <source>mHYs</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>DESIGN COILS</source>
        <translation>DISEÑAR BOBINAS</translation>
    </message>
    <message>
        <source>Antenna Impedance is approximately</source>
        <translation>Impedancia aproximada de la antena</translation>
    </message>
    <message>
        <source>OHMS</source>
        <translation>OHMIOS</translation>
    </message>
    <message>
        <source>Matching coil is</source>
        <translation>Bobina de adaptación</translation>
    </message>
    <message>
        <source>WEBSITE</source>
        <translation>SITIO WEB</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>CALCULAR</translation>
    </message>
    <message>
        <source>ohms</source>
        <translation>ohmios</translation>
    </message>
    <message>
        <source>DESIGN COIL</source>
        <translation>DISEÑAR BOBINA</translation>
    </message>
    <message>
        <source>Antenna drawing</source>
        <translation>Dibujo de la antena</translation>
    </message>
    <message>
        <source>The dipole, fed at its centre; the coil symbols show where the loading coils sit along each half.</source>
        <translation>El dipolo, alimentado en su centro; los símbolos de bobina muestran dónde van las bobinas de carga en cada mitad.</translation>
    </message>
    <message>
        <source>Left loading coil</source>
        <translation>Bobina de carga izquierda</translation>
    </message>
    <message>
        <source>Coil symbol on the left half of the antenna.</source>
        <translation>Símbolo de bobina en la mitad izquierda de la antena.</translation>
    </message>
    <message>
        <source>Right loading coil</source>
        <translation>Bobina de carga derecha</translation>
    </message>
    <message>
        <source>Coil symbol on the right half of the antenna.</source>
        <translation>Símbolo de bobina en la mitad derecha de la antena.</translation>
    </message>
    <message>
        <source>Separator bar</source>
        <translation>Barra separadora</translation>
    </message>
    <message>
        <source>between the inputs and the loading coils</source>
        <translation>entre los datos de entrada y las bobinas de carga</translation>
    </message>
    <message>
        <source>between the loading coils and the matching coil</source>
        <translation>entre las bobinas de carga y la bobina de adaptación</translation>
    </message>
    <message>
        <source>banner</source>
        <translation>cabecera</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>lengths in metres, diameters in millimetres</source>
        <translation>longitudes en metros, diámetros en milímetros</translation>
    </message>
    <message>
        <source>lengths in feet, diameters in inches</source>
        <translation>longitudes en pies, diámetros en pulgadas</translation>
    </message>
    <message>
        <source>works out the loading coils</source>
        <translation>calcula las bobinas de carga</translation>
    </message>
    <message>
        <source>works out the matching coil</source>
        <translation>calcula la bobina de adaptación</translation>
    </message>
    <message>
        <source>opens the coil window</source>
        <translation>abre la ventana de la bobina</translation>
    </message>
    <message>
        <source>opens the notes</source>
        <translation>abre las notas</translation>
    </message>
    <message>
        <source>opens the link to the author&apos;s web page</source>
        <translation>abre el enlace a la página web del autor</translation>
    </message>
    <message>
        <source>FEET</source>
        <comment>the unit after a length: The coil will be 10 FEET</comment>
        <translation>PIES</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>MICROHENRYS</source>
        <translation>MICROHENRIOS</translation>
    </message>
    <message>
        <source>COIL DIAMETER</source>
        <translation>DIÁMETRO</translation>
    </message>
    <message>
        <source>COIL LENGTH</source>
        <translation>LONGITUD</translation>
    </message>
    <message>
        <source>WIRE DECIMAL</source>
        <translation>ALAMBRE DECIMAL</translation>
    </message>
    <message>
        <source> THIS WILL FIT BUT YOU MAY WANT TO TRY A SHORTER COIL OR LARGER DIAMETER WIRE</source>
        <translation> LA BOBINA CABE, PERO QUIZÁ PREFIERA UNA MÁS CORTA O UN ALAMBRE MÁS GRUESO</translation>
    </message>
    <message>
        <source> THIS COIL IS TOO SMALL YOU MAY WISH TO TRY A LARGER COIL OR SMALLER DIAMETER WIRE</source>
        <translation> ESTA BOBINA ES DEMASIADO PEQUEÑA: PRUEBE UNA BOBINA MAYOR O UN ALAMBRE MÁS FINO</translation>
    </message>
    <message>
        <source>COILS</source>
        <translation>BOBINAS</translation>
    </message>
    <message>
        <source>The most efficient coils have a high Q factor.Use the largest wire possible with <byte value="xd"/>
close winding. The coil should be no more than  twice as long as the diameter.<byte value="xd"/>
</source>
        <translation>Las bobinas más eficientes tienen un Q alto. Use el alambre más grueso posible
y espiras juntas. La bobina no debe medir más del doble de su diámetro.
</translation>
    </message>
    <message>
        <source>AWG<byte value="xd"/>
#   INCH  MM<byte value="xd"/>
1    .289    7.348<byte value="xd"/>
2    .257    6.544<byte value="xd"/>
3    .229    5.827<byte value="xd"/>
4    .204    5.189<byte value="xd"/>
5    .182    4.621<byte value="xd"/>
6    .162    4.115<byte value="xd"/>
7    .144    3.665<byte value="xd"/>
8    . 128    3.264<byte value="xd"/>
9    .114    2.906<byte value="xd"/>
10  .102    2.588<byte value="xd"/>
11  .097    2.305<byte value="xd"/>
12  .081    2.053<byte value="xd"/>
13  .072    1.828<byte value="xd"/>
14  .064    1.628<byte value="xd"/>
15  .057    1.450<byte value="xd"/>
16  .051    1.291<byte value="xd"/>
17  .045    1.150<byte value="xd"/>
18  .040    1.024<byte value="xd"/>
19  .036    0.912<byte value="xd"/>
20  .032    0.812<byte value="xd"/>
21  .029    0.723<byte value="xd"/>
22  .025    0.644<byte value="xd"/>
23  .023    0.573<byte value="xd"/>
24  .020    0.511<byte value="xd"/>
</source>
        <translation>AWG
#   PULG  MM
1    .289    7.348
2    .257    6.544
3    .229    5.827
4    .204    5.189
5    .182    4.621
6    .162    4.115
7    .144    3.665
8    . 128    3.264
9    .114    2.906
10  .102    2.588
11  .097    2.305
12  .081    2.053
13  .072    1.828
14  .064    1.628
15  .057    1.450
16  .051    1.291
17  .045    1.150
18  .040    1.024
19  .036    0.912
20  .032    0.812
21  .029    0.723
22  .025    0.644
23  .023    0.573
24  .020    0.511
</translation>
    </message>
    <message>
        <source>INPUT MICROHENRYS and COIL <byte value="xd"/>
DIAMETER ( DECIMAL INCHES)<byte value="xd"/>
SMALL TUBING CAN ALSO BE USED<byte value="xd"/>
</source>
        <translation>MICROHENRIOS Y DIÁMETRO DE LA
BOBINA (PULGADAS DECIMALES)
TAMBIÉN SIRVE TUBO DELGADO
</translation>
    </message>
    <message>
        <source>DIAMETER<byte value="xd"/>
FRACTION   DECIMAL    CM<byte value="xd"/>
       1/4         .250        .635      <byte value="xd"/>
       3/8         .375        .952    <byte value="xd"/>
       1/2         .500        1.27<byte value="xd"/>
       5/8        .625         1.58    <byte value="xd"/>
       3/4        .750         1.90      <byte value="xd"/>
       1.0        1.00         2.54<byte value="xd"/>
       1 1/4     1.250       3.17<byte value="xd"/>
       1 1/2     1.500       3.81<byte value="xd"/>
       1 3/4     1.750       4.44<byte value="xd"/>
       2.0        2.000       5.08    <byte value="xd"/>
       2 1/2     2.500       6.35       <byte value="xd"/>
       3.0        3.000       7.62<byte value="xd"/>
</source>
        <translation>DIÁMETRO
FRACCIÓN   DECIMAL    CM
       1/4         .250        .635      
       3/8         .375        .952    
       1/2         .500        1.27
       5/8        .625         1.58    
       3/4        .750         1.90      
       1.0        1.00         2.54
       1 1/4     1.250       3.17
       1 1/2     1.500       3.81
       1 3/4     1.750       4.44
       2.0        2.000       5.08    
       2 1/2     2.500       6.35       
       3.0        3.000       7.62
</translation>
    </message>
    <message>
        <source>RECOMMENDED  NUMBER OF TURNS</source>
        <translation>NÚMERO DE ESPIRAS RECOMENDADO</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>CALCULAR</translation>
    </message>
    <message>
        <source>Advice on coils</source>
        <translation>Consejos sobre bobinas</translation>
    </message>
    <message>
        <source>Wire gauge table</source>
        <translation>Tabla de calibres de alambre</translation>
    </message>
    <message>
        <source>one gauge a line: its number, its diameter in inches and in millimetres</source>
        <translation>un calibre por línea: su número, su diámetro en pulgadas y en milímetros</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Tubing diameter table</source>
        <translation>Tabla de diámetros de tubo</translation>
    </message>
    <message>
        <source>one size a line: the diameter as a fraction of an inch, in decimal inches and in centimetres</source>
        <translation>una medida por línea: el diámetro en fracción de pulgada, en pulgadas decimales y en centímetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>works out the number of turns</source>
        <translation>calcula el número de espiras</translation>
    </message>
    <message>
        <source>Advice on the winding</source>
        <translation>Consejos sobre el bobinado</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>NOTES</source>
        <translation>NOTAS</translation>
    </message>
    <message>
        <source>POINTS<byte value="xd"/>
1   QUERLIN ARE NOT AS EFFICIENT AS A FULL SIZE DIPOLES<byte value="xd"/>
2   THEY ARE NOT AS BROADBAND<byte value="xd"/>
3   THE COILS BEST POSTION IS ABOUT 50% OF THE DISTANCE FROM<byte value="xd"/>
     THE CENTER. TOO CLOSE IN LIMITS THE CURRENT. TOO FAR OUT<byte value="xd"/>
     LIMITS THE VOLTAGE AND REQUIRES MUCH LARGER COILS.<byte value="xd"/>
4  PROXIMITY TO OBJECTS  MAY MAKE THE ANTENNA LONGER BY<byte value="xd"/>
    CAPACITANCE LOADING, BUT IT IS BEST TO MAKE THE ANTENNA <byte value="xd"/>
    LONGER THAN DESIGN AND TRIM BACK THE ENDS THAN TO TRY TO <byte value="xd"/>
    INCREASE THE COIL INDUCTANCE AFTER IT IS ALREADY BUILT.<byte value="xd"/>
</source>
        <translation>PUNTOS
1   LOS QUERLIN RINDEN MENOS QUE UN DIPOLO DE TAMAÑO COMPLETO
2   SU ANCHO DE BANDA ES MENOR
3   LAS BOBINAS VAN MEJOR HACIA EL 50% DE LA DISTANCIA DESDE
     EL CENTRO. MUY DENTRO LIMITAN LA CORRIENTE; MUY FUERA,
     LA TENSIÓN, Y LAS BOBINAS RESULTAN MUCHO MAYORES.
4  LOS OBJETOS CERCANOS PUEDEN ALARGAR LA ANTENA POR CARGA
    CAPACITIVA. ES MEJOR HACERLA MÁS LARGA QUE EL DISEÑO Y
    RECORTAR LOS EXTREMOS QUE TRATAR DE AUMENTAR LA
    INDUCTANCIA DE LA BOBINA UNA VEZ CONSTRUIDA.
</translation>
    </message>
    <message>
        <source>THE ANTENNA MAY BE MATCHED BY STUB, HAIRPIN OR EVEN A DELTA OR GAMMA<byte value="xd"/>
IF YOU USE THE MATCHING COIL, THE ANTENNA IS LIMITED TO THE DESIGN FREQUENCY<byte value="xd"/>
LARGER MATCHING INDUCTORS CAN BE USED WITH VARIABLE CAPACITORS TO ALLOW<byte value="xd"/>
TUNING WITHIN THE BAND OR FOR MULTIPLE BANDS.<byte value="xd"/>
</source>
        <translation>LA ANTENA PUEDE ADAPTARSE CON STUB, HORQUILLA O INCLUSO DELTA O GAMMA
CON LA BOBINA DE ADAPTACIÓN LA ANTENA SE LIMITA A LA FRECUENCIA DE DISEÑO
BOBINAS DE ADAPTACIÓN MAYORES CON CONDENSADORES VARIABLES PERMITEN
SINTONIZAR DENTRO DE LA BANDA O EN VARIAS BANDAS.
</translation>
    </message>
    <message>
        <source>IF YOU GET A NEGATIVE NUMBER FOR THE MATCHING COIL, THEN THE <byte value="xd"/>
ANTENNA IS LONGER THAN YOU REQUIRE FOR THAT FREQUENCY. THE <byte value="xd"/>
ANTENNA MAY BE TUNED WITH VARIABLE CAPACITORS.  <byte value="xd"/>
</source>
        <translation>SI LA BOBINA DE ADAPTACIÓN DA UN VALOR NEGATIVO, LA ANTENA
ES MÁS LARGA DE LO NECESARIO PARA ESA FRECUENCIA. PUEDE
SINTONIZARSE CON CONDENSADORES VARIABLES.
</translation>
    </message>
    <message>
        <source>Points on shortened dipoles</source>
        <translation>Puntos sobre los dipolos acortados</translation>
    </message>
    <message>
        <source>Ways to match the antenna</source>
        <translation>Formas de adaptar la antena</translation>
    </message>
    <message>
        <source>A negative matching coil</source>
        <translation>Una bobina de adaptación negativa</translation>
    </message>
</context>
<context>
    <name>Measurement</name>
    <message>
        <source>%1 cm (%2 m)</source>
        <translation>%1 cm (%2 m)</translation>
    </message>
    <message>
        <source>%1 inches (%2 ft)</source>
        <translation>%1 pulgadas (%2 ft)</translation>
    </message>
    <message>
        <source>The model of the design resonates nowhere near %1 MHz: nothing to compare with.</source>
        <translation>El modelo del diseño no resuena en ningún punto cercano a %1 MHz: no hay nada que comparar.</translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the resonance to %3 MHz.</source>
        <translation>Cada extremo: %1 %2 para llevar la resonancia a %3 MHz.</translation>
    </message>
    <message>
        <source>fold back</source>
        <translation>doblar hacia atrás</translation>
    </message>
    <message>
        <source>lengthen by</source>
        <translation>alargar</translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the resonance to %1 MHz.</source>
        <translation>Cada extremo: el modelo no encuentra ninguna longitud que lleve la resonancia a %1 MHz.</translation>
    </message>
    <message>
        <source>Or each coil: %1 %2 uH (%3 to %4 uH).</source>
        <translation>O cada bobina: %1 %2 uH (de %3 a %4 uH).</translation>
    </message>
    <message>
        <source>take off</source>
        <translation>quitar</translation>
    </message>
    <message>
        <source>add</source>
        <translation>añadir</translation>
    </message>
    <message>
        <source>On that former: %1 %2 turns (%3 to %4 turns)%5.</source>
        <translation>En ese soporte: %1 %2 espiras (de %3 a %4 espiras)%5.</translation>
    </message>
    <message>
        <source>unwind</source>
        <translation>desenrollar</translation>
    </message>
    <message>
        <source>wind on</source>
        <translation>enrollar</translation>
    </message>
    <message>
        <source>, which do not fit its length</source>
        <translation>, que no caben en su longitud</translation>
    </message>
    <message>
        <source>Or each coil: the model finds no inductance that does.</source>
        <translation>O cada bobina: el modelo no encuentra ninguna inductancia que lo logre.</translation>
    </message>
    <message>
        <source>An estimate: the resonance is as sharp as the model&apos;s with coils of Q %1, with which it radiates %2 % of the power put in.</source>
        <translation>Una estimación: la resonancia es tan aguda como la del modelo con bobinas de Q %1, con las que radia el %2 % de la potencia aplicada.</translation>
    </message>
    <message>
        <source>In the model %1 more on each tip %2 the resonance by %3 kHz; the rule for full-size dipoles says %4 kHz.</source>
        <translation>En el modelo, %1 más en cada extremo %2 la resonancia en %3 kHz; la regla de los dipolos de tamaño completo da %4 kHz.</translation>
    </message>
    <message>
        <source>1 cm</source>
        <translation>1 cm</translation>
    </message>
    <message>
        <source>an inch</source>
        <translation>una pulgada</translation>
    </message>
    <message>
        <source>lowers</source>
        <translation>baja</translation>
    </message>
    <message>
        <source>raises</source>
        <translation>sube</translation>
    </message>
    <message>
        <source>SWR on the %1-ohm line</source>
        <translation>ROE en la línea de %1 ohmios</translation>
    </message>
    <message>
        <source>, resistance and reactance</source>
        <translation>, resistencia y reactancia</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Medida</translation>
    </message>
    <message>
        <source>: measured, and the design as NEC-2 models it</source>
        <translation>: medidas, y el diseño según lo modela NEC-2</translation>
    </message>
    <message>
        <source>The design, by NEC-2</source>
        <translation>El diseño, según NEC-2</translation>
    </message>
    <message>
        <source>the reactance does not rise through zero anywhere from %1 to %2 MHz: the sweep holds no resonance; sweep more widely around it.</source>
        <translation>la reactancia no cruza el cero subiendo en ningún punto entre %1 y %2 MHz: el barrido no contiene ninguna resonancia; haga un barrido más amplio a su alrededor.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the frequency must be a positive number that a sweep can hold, not %1 MHz.</source>
        <translation>la frecuencia debe ser un número positivo que un barrido pueda contener, no %1 MHz.</translation>
    </message>
    <message>
        <source>these values give no finite impedance (an open circuit, or numbers out of range).</source>
        <translation>estos valores no dan una impedancia finita (un circuito abierto, o números fuera de rango).</translation>
    </message>
    <message>
        <source>the frequency %1 MHz does not rise above the %2 MHz before it: a sweep&apos;s frequencies must rise.</source>
        <translation>la frecuencia %1 MHz no es mayor que los %2 MHz anteriores: las frecuencias de un barrido deben ir en aumento.</translation>
    </message>
    <message>
        <source>more than %1 frequencies, more than any analyser sweeps.</source>
        <translation>más de %1 frecuencias, más de las que barre cualquier analizador.</translation>
    </message>
    <message>
        <source>no sweep: the file holds no line of data.</source>
        <translation>no hay barrido: el archivo no contiene ninguna línea de datos.</translation>
    </message>
    <message>
        <source>one frequency only: a sweep needs at least two to find anything.</source>
        <translation>una sola frecuencia: un barrido necesita al menos dos para encontrar algo.</translation>
    </message>
    <message>
        <source>a zero byte: this is no text file (a file saved as UTF-16 must be saved as plain text or UTF-8).</source>
        <translation>un byte cero: no es un archivo de texto (un archivo guardado como UTF-16 debe guardarse como texto sin formato o UTF-8).</translation>
    </message>
    <message>
        <source>no such file.</source>
        <translation>no existe ese archivo.</translation>
    </message>
    <message>
        <source>not a file that holds a measurement.</source>
        <translation>no es un archivo que contenga una medida.</translation>
    </message>
    <message>
        <source>a file of %1 ports; an antenna&apos;s feed point is measured as one port, a .s1p file.</source>
        <translation>un archivo de %1 puertos; el punto de alimentación de una antena se mide como un puerto, un archivo .s1p.</translation>
    </message>
    <message>
        <source>larger than %1 MB, more than any analyser&apos;s sweep.</source>
        <translation>mayor de %1 MB, más que el barrido de cualquier analizador.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>no se puede leer: %1.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>el archivo está vacío.</translation>
    </message>
    <message>
        <source>no column is named as the frequency; a CSV measurement begins with a header row such as %1.</source>
        <translation>ninguna columna se llama como la frecuencia; una medida CSV empieza con una fila de encabezado como %1.</translation>
    </message>
    <message>
        <source>no columns are named as the reflection coefficient&apos;s real and imaginary parts or as the resistance and reactance, as in %1.</source>
        <translation>ninguna columna se llama como las partes real e imaginaria del coeficiente de reflexión ni como la resistencia y la reactancia, como en %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the column &apos;%2&apos; is not a number.</source>
        <translation>«%1» en la columna «%2» no es un número.</translation>
    </message>
    <message>
        <source>%1 fields where the columns read need %2.</source>
        <translation>%1 campos donde las columnas leídas necesitan %2.</translation>
    </message>
    <message>
        <source>%1 repeats a part of the option line, which reads %2.</source>
        <translation>%1 repite una parte de la línea de opciones, que dice %2.</translation>
    </message>
    <message>
        <source>R must be followed by the reference resistance in ohms, a positive number.</source>
        <translation>R debe ir seguida de la resistencia de referencia en ohmios, un número positivo.</translation>
    </message>
    <message>
        <source>%1 parameters describe two ports; an antenna&apos;s feed point is one: S, Y or Z.</source>
        <translation>los parámetros %1 describen dos puertos; el punto de alimentación de una antena es uno: S, Y o Z.</translation>
    </message>
    <message>
        <source>%1 is no part of an option line, which reads %2.</source>
        <translation>%1 no forma parte de una línea de opciones, que dice %2.</translation>
    </message>
    <message>
        <source>%1 is a keyword of Touchstone version 2; save the measurement as version 1.</source>
        <translation>%1 es una palabra clave de la versión 2 de Touchstone; guarde la medida como versión 1.</translation>
    </message>
    <message>
        <source>data before the option line: a Touchstone file says first what its numbers are, as in %1.</source>
        <translation>datos antes de la línea de opciones: un archivo Touchstone dice primero qué son sus números, como en %1.</translation>
    </message>
    <message>
        <source>%1 numbers where one port&apos;s line holds three: the frequency and two for the parameter.</source>
        <translation>%1 números donde la línea de un puerto contiene tres: la frecuencia y dos para el parámetro.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 no es un número.</translation>
    </message>
    <message>
        <source>no option line and no data: a Touchstone file holds an option line such as %1 and a line for each frequency.</source>
        <translation>ni línea de opciones ni datos: un archivo Touchstone contiene una línea de opciones como %1 y una línea por frecuencia.</translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the lowest SWR with the matching coil to %3 MHz.</source>
        <translation>Cada extremo: %1 %2 para llevar la ROE más baja con la bobina de adaptación a %3 MHz.</translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the lowest SWR with the matching coil to %1 MHz.</source>
        <translation>Cada extremo: el modelo no encuentra ninguna longitud que lleve la ROE más baja con la bobina de adaptación a %1 MHz.</translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>The best position, %1 %</source>
        <translation>La mejor posición, %1 %</translation>
    </message>
    <message>
        <source>Each loading coil by the formula and as built to match the line by NEC-2, and what the build gives</source>
        <translation>Cada bobina de carga según la fórmula y como se construye para adaptar la línea según NEC-2, y lo que da el montaje</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and as NEC-2 needs it, and where each design resonates</source>
        <translation>La inductancia de cada bobina según la fórmula y como la necesita NEC-2, y dónde resuena cada diseño</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula</source>
        <translation>La inductancia de cada bobina según la fórmula</translation>
    </message>
    <message>
        <source>Coil inductance (µH)</source>
        <translation>Inductancia de la bobina (µH)</translation>
    </message>
    <message>
        <source>By the formula</source>
        <translation>Según la fórmula</translation>
    </message>
    <message>
        <source>For resonance at %1 MHz, by NEC-2</source>
        <translation>Para resonancia en %1 MHz, según NEC-2</translation>
    </message>
    <message>
        <source>As built, by NEC-2</source>
        <translation>Tal como se construye, según NEC-2</translation>
    </message>
    <message>
        <source>The worked position, %1 %</source>
        <translation>La posición calculada, %1 %</translation>
    </message>
    <message>
        <source>Resonance (MHz)</source>
        <translation>Resonancia (MHz)</translation>
    </message>
    <message>
        <source>Resonance as built, by NEC-2</source>
        <translation>Resonancia tal como se construye, según NEC-2</translation>
    </message>
    <message>
        <source>Target, %1 MHz</source>
        <translation>Objetivo, %1 MHz</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Rendimiento (%)</translation>
    </message>
    <message>
        <source>Efficiency as matched, by NEC-2</source>
        <translation>Rendimiento con adaptación, según NEC-2</translation>
    </message>
    <message>
        <source>Bandwidth (kHz)</source>
        <translation>Ancho de banda (kHz)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth as matched, by NEC-2</source>
        <translation>Ancho de banda con ROE 2:1 con adaptación, según NEC-2</translation>
    </message>
    <message>
        <source>Coil position (% of half the antenna, from the centre)</source>
        <translation>Posición de la bobina (% de media antena, desde el centro)</translation>
    </message>
    <message>
        <source>SWR</source>
        <translation>ROE</translation>
    </message>
    <message>
        <source>Design frequency, %1 MHz</source>
        <translation>Frecuencia de diseño, %1 MHz</translation>
    </message>
    <message>
        <source>Impedance (ohms)</source>
        <translation>Impedancia (ohmios)</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Reactance</source>
        <translation>Reactancia</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>opening the web page</source>
        <translation>la apertura de la página web</translation>
    </message>
</context>
<context>
    <name>querlin</name>
    <message>
        <source>The antenna is as long as or longer than a resonant dipole at %1 MHz, so it needs no loading coil (the formula gives %2 µH).</source>
        <translation>La antena es tan larga como un dipolo resonante en %1 MHz, o más, así que no necesita bobina de carga (la fórmula da %2 µH).</translation>
    </message>
    <message>
        <source>With %1 the length is in metres and the element in millimetres: if they are in feet and inches, leave out %1.</source>
        <translation>Con %1 la longitud va en metros y el elemento en milímetros: si están en pies y pulgadas, omita %1.</translation>
    </message>
    <message>
        <source>Without %1 the length is in feet and the element in inches: if they are in metres and millimetres, give %1.</source>
        <translation>Sin %1 la longitud va en pies y el elemento en pulgadas: si están en metros y milímetros, indique %1.</translation>
    </message>
</context>
<context>
    <name>querlin-calc</name>
    <message>
        <source>No position gives a build with an efficiency.</source>
        <translation>Ninguna posición da un montaje con un rendimiento.</translation>
    </message>
    <message>
        <source>winding inductance: %1 uH, by Nagaoka&apos;s coefficient and Rosa&apos;s round-wire corrections</source>
        <translation>inductancia del bobinado: %1 uH, según el coeficiente de Nagaoka y las correcciones de Rosa para alambre redondo</translation>
    </message>
    <message>
        <source>difference from the wanted inductance: %1 %</source>
        <translation>diferencia con la inductancia buscada: %1 %</translation>
    </message>
    <message>
        <source>turns as wound for the wanted inductance: %1, close-wound %2 inches, which fit</source>
        <translation>espiras tal como se bobinan para la inductancia buscada: %1, que a espiras juntas ocupan %2 pulgadas y caben</translation>
    </message>
    <message>
        <source>turns as wound for the wanted inductance: %1, close-wound %2 inches, more than the coil length of %3 inches</source>
        <translation>espiras tal como se bobinan para la inductancia buscada: %1, que a espiras juntas ocupan %2 pulgadas, más que la longitud de la bobina de %3 pulgadas</translation>
    </message>
    <message>
        <source>wire length: %1 inches (%2 m)</source>
        <translation>longitud del alambre: %1 pulgadas (%2 m)</translation>
    </message>
    <message>
        <source>Q at %2 MHz: %1</source>
        <translation>Q a %2 MHz: %1</translation>
    </message>
    <message>
        <source>self-resonance: about %1 MHz</source>
        <translation>autorresonancia: unos %1 MHz</translation>
    </message>
    <message>
        <source>reactance at %2 MHz: %1 ohms</source>
        <translation>reactancia a %2 MHz: %1 ohmios</translation>
    </message>
    <message>
        <source>warning: %1 MHz is above a third of the self-resonance, where the coil acts as more inductance than its winding&apos;s, with less Q</source>
        <translation>aviso: %1 MHz está por encima de un tercio de la autorresonancia, donde la bobina actúa como una inductancia mayor que la de su bobinado, con menos Q</translation>
    </message>
    <message>
        <source>--frequency takes a number of MHz, not &apos;%1&apos;.</source>
        <translation>--frequency admite un número de MHz, no «%1».</translation>
    </message>
    <message>
        <source>--%1 cannot be a line of a batch.</source>
        <translation>--%1 no puede ser una línea de un lote.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Comando desconocido «%1».</translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not --%1.</source>
        <translation>--batch toma sus comandos de la entrada estándar, no --%1.</translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not &apos;%1&apos;.</source>
        <translation>--batch toma sus comandos de la entrada estándar, no «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>where the two loading coils go and how large they are</source>
        <translation>dónde van las dos bobinas de carga y qué tamaño tienen</translation>
    </message>
    <message>
        <source>The main window&apos;s upper CALCULATE: prints the distance from the centre to each loading coil (feet, or metres with --metric), the inductance of each coil in microhenries and the approximate feed-point impedance in ohms. --sweep tabulates every position as CSV, from 1 % (coils next to the feed point) to 99 % (near the tips); --check adds what the NEC-2 engine says of each, and --plot draws the table as a picture in place of printing it.</source>
        <translation>El CALCULAR superior de la ventana principal: muestra la distancia del centro a cada bobina de carga (en pies, o en metros con --metric), la inductancia de cada bobina en microhenrios y la impedancia aproximada en el punto de alimentación en ohmios. --sweep tabula cada posición como CSV, del 1 % (bobinas junto al punto de alimentación) al 99 % (cerca de los extremos); --check añade lo que dice el motor NEC-2 de cada una, y --plot dibuja la tabla como imagen en lugar de mostrarla.</translation>
    </message>
    <message>
        <source>the same, and the matching coil across the feed point</source>
        <translation>lo mismo, y la bobina de adaptación en el punto de alimentación</translation>
    </message>
    <message>
        <source>The main window&apos;s lower CALCULATE: prints what dipole prints, then the inductance of the shunt coil across the feed point that matches the antenna to the feed line, in microhenries.</source>
        <translation>El CALCULAR inferior de la ventana principal: muestra lo que muestra dipole y luego la inductancia de la bobina en paralelo en el punto de alimentación que adapta la antena a la línea de alimentación, en microhenrios.</translation>
    </message>
    <message>
        <source>the turns of a loading coil, and the coil as wound</source>
        <translation>las espiras de una bobina de carga, y la bobina tal como se bobina</translation>
    </message>
    <message>
        <source>The coil window&apos;s CALCULATE: prints the number of turns of a single-layer air-core coil for the wanted inductance and the fit message, which begins with a blank as the coil window shows it. --details adds the coil as wound, its turns spread evenly over the coil length, one figure and its unit a line: its inductance by Nagaoka&apos;s coefficient less Rosa&apos;s round-wire corrections, how far that is from the wanted inductance, the turns that give the wanted inductance as wound and whether they fit, and the wire length; with --frequency, its Q, its self-resonance and its reactance there, and a warning above a third of the self-resonance.</source>
        <translation>El CALCULAR de la ventana de la bobina: muestra el número de espiras de una bobina de una sola capa con núcleo de aire para la inductancia buscada y el mensaje de si cabe, que empieza con un espacio como lo muestra la ventana de la bobina. --details añade la bobina tal como se bobina, con sus espiras repartidas por igual a lo largo de la bobina, una cifra con su unidad por línea: su inductancia según el coeficiente de Nagaoka menos las correcciones de Rosa para alambre redondo, cuánto se aparta de la inductancia buscada, las espiras que dan la inductancia buscada tal como se bobina y si caben, y la longitud del alambre; con --frequency, su Q, su autorresonancia y su reactancia a esa frecuencia, y un aviso por encima de un tercio de la autorresonancia.</translation>
    </message>
    <message>
        <source>the design as a NEC-2 card deck</source>
        <translation>el diseño como archivo de tarjetas NEC-2</translation>
    </message>
    <message>
        <source>Writes the design as a NEC-2 card deck: the straight centre-fed wire, the source on a segment of its own at the centre, each loading coil of the computed inductance a wire of its own, 1/81 of the antenna long (shorter near the centre or a tip), centred at the computed distance, and a sweep from 10 % below to 10 % above the design frequency, with comment cards naming the design.</source>
        <translation>Escribe el diseño como archivo de tarjetas NEC-2: el alambre recto alimentado en el centro, la fuente en un segmento propio en el centro, cada bobina de carga de la inductancia calculada como un alambre propio, de 1/81 de la longitud de la antena (más corto cerca del centro o de un extremo), centrado a la distancia calculada, y un barrido desde un 10 % por debajo hasta un 10 % por encima de la frecuencia de diseño, con tarjetas de comentario que nombran el diseño.</translation>
    </message>
    <message>
        <source>the design modelled in nec2c: its resonance, impedance and SWR</source>
        <translation>el diseño modelado en nec2c: su resonancia, impedancia y ROE</translation>
    </message>
    <message>
        <source>Runs the design&apos;s deck in the NEC-2 engine nec2c and prints the design&apos;s texts, then what the engine says, each after its key: where the antenna resonates and how far that is from the design frequency, the feed impedance there, the inductance each coil needs for resonance there, the SWR without and with the matching coil, the 2:1 bandwidth and, with --conductor copper, --coil-q, a coil to wind or --height, the efficiency: the share of the power put in that is radiated, over ground into the upper half of space, with coils of the resonant inductance. A last line, note, says when segments shorter than 8 wire radii make the figures rough. --coil-diameter, --coil-length and --coil-wire wind each loading coil as coil --details does and model it with the Q that gives, and add the turns that give its inductance as wound.</source>
        <translation>Ejecuta el archivo de tarjetas del diseño en el motor NEC-2 nec2c y muestra los textos del diseño y luego lo que dice el motor, cada cosa tras su clave: dónde resuena la antena y cuánto se aparta de la frecuencia de diseño, la impedancia de alimentación allí, la inductancia que necesita cada bobina para resonar allí, la ROE sin y con la bobina de adaptación, el ancho de banda 2:1 y, con --conductor copper, --coil-q, una bobina que bobinar o --height, el rendimiento: la parte de la potencia aplicada que se radia, sobre el suelo hacia el semiespacio superior, con bobinas de la inductancia de resonancia. Una última línea, note, avisa cuando segmentos más cortos que 8 radios del alambre hacen que las cifras sean aproximadas. --coil-diameter, --coil-length y --coil-wire bobinan cada bobina de carga como lo hace coil --details, la modelan con el Q que resulta y añaden las espiras que dan su inductancia tal como se bobina.</translation>
    </message>
    <message>
        <source>what to build instead: the coils that match the feed line</source>
        <translation>qué construir en su lugar: las bobinas que adaptan la línea de alimentación</translation>
    </message>
    <message>
        <source>Prints the design&apos;s texts, then what to build instead, found by nec2c with the coils&apos; loss in the model: each loading coil and the matching coil across the feed point with which the feed line sees an SWR of 1, and the SWR, bandwidth and feed impedance with them, or in words why no coil across the feed point can match, and what to cut for each half: the wire to the coil, the coil and the wire to the tip. With a coil to wind it gives each coil&apos;s turns and Q; --position best builds every position and prints the one of highest efficiency, and --sweep every position, a row each, which --plot draws as a picture in place of printing it. --touchstone writes the build&apos;s feed point for an analyser&apos;s program, as check&apos;s does.</source>
        <translation>Muestra los textos del diseño y luego qué construir en su lugar, según nec2c con las pérdidas de las bobinas en el modelo: cada bobina de carga y la bobina de adaptación en el punto de alimentación con las que la línea de alimentación ve una ROE de 1, y la ROE, el ancho de banda y la impedancia de alimentación con ellas, o dice con palabras por qué ninguna bobina en el punto de alimentación puede adaptar, y qué cortar para cada mitad: el alambre hasta la bobina, la bobina y el alambre hasta el extremo. Con una bobina que bobinar da las espiras y el Q de cada bobina; --position best construye cada posición y muestra la de mayor rendimiento, y --sweep cada posición, una fila por posición, que --plot dibuja como imagen en lugar de mostrarla. --touchstone escribe el punto de alimentación del montaje para el programa de un analizador de antenas, como el de check.</translation>
    </message>
    <message>
        <source>an analyser&apos;s sweep of the antenna, and how to tune it</source>
        <translation>el barrido de un analizador de antenas, y cómo ajustar la antena</translation>
    </message>
    <message>
        <source>Reads an antenna analyser&apos;s sweep of the feed point, a Touchstone version 1 .s1p file or a CSV file, and prints the resonance, the resistance there, the lowest SWR on the feed line and the 2:1 bandwidth. Given the design, it also says how much to change each tip, or instead each coil, to bring the resonance to the design frequency, found with nec2c, and estimates the coils&apos; Q and the efficiency from the resonance&apos;s sharpness; with the former the coils are wound on, the turns to wind on or unwind. --plot draws the sweep&apos;s SWR, resistance and reactance against frequency, with the design the model&apos;s beside them.</source>
        <translation>Lee el barrido del punto de alimentación hecho con un analizador de antenas, un archivo Touchstone versión 1 .s1p o un archivo CSV, y muestra la resonancia, la resistencia en ella, la ROE mínima en la línea de alimentación y el ancho de banda 2:1. Con el diseño indica además cuánto cambiar cada extremo, o en su lugar cada bobina, para llevar la resonancia a la frecuencia de diseño, según nec2c, y estima el Q de las bobinas y el rendimiento a partir de la agudeza de la resonancia; con el soporte en que están bobinadas las bobinas, las espiras que enrollar o desenrollar. --plot dibuja la ROE, la resistencia y la reactancia del barrido frente a la frecuencia y, con el diseño, las del modelo junto a ellas.</translation>
    </message>
    <message>
        <source>The operating frequency, in MHz.</source>
        <translation>La frecuencia de trabajo, en MHz.</translation>
    </message>
    <message>
        <source>The design frequency, in MHz: the resonance nearest it is read (without it, the one nearest the lowest SWR).</source>
        <translation>La frecuencia de diseño, en MHz: se lee la resonancia más cercana a ella (sin ella, la más cercana a la ROE mínima).</translation>
    </message>
    <message>
        <source>The total length of the antenna, tip to tip, in feet (metres with --metric).</source>
        <translation>La longitud total de la antena, de extremo a extremo, en pies (metros con --metric).</translation>
    </message>
    <message>
        <source>The design&apos;s total length, in feet (metres with --metric); with --frequency, --element and --position.</source>
        <translation>La longitud total del diseño, en pies (metros con --metric); con --frequency, --element y --position.</translation>
    </message>
    <message>
        <source>The element diameter, in inches (millimetres with --metric).</source>
        <translation>El diámetro del elemento, en pulgadas (milímetros con --metric).</translation>
    </message>
    <message>
        <source>The design&apos;s element diameter, in inches (millimetres with --metric).</source>
        <translation>El diámetro del elemento del diseño, en pulgadas (milímetros con --metric).</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99.</source>
        <translation>La distancia del centro a cada bobina como porcentaje de media antena, la casilla % de la ventana: un número entero de 1 a 99.</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99. With --sweep only with --plot, which marks it.</source>
        <translation>La distancia del centro a cada bobina como porcentaje de media antena, la casilla % de la ventana: un número entero de 1 a 99. Con --sweep solo junto con --plot, que la marca.</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, a whole number from 1 to 99; or best, the position of highest efficiency, which needs the coils&apos; loss. With --sweep only with --plot, which marks it.</source>
        <translation>La distancia del centro a cada bobina como porcentaje de media antena, un número entero de 1 a 99; o best, la posición de mayor rendimiento, que necesita las pérdidas de las bobinas. Con --sweep solo junto con --plot, que la marca.</translation>
    </message>
    <message>
        <source>The design&apos;s coil position, per cent, 1 to 99.</source>
        <translation>La posición de las bobinas del diseño, en porcentaje, de 1 a 99.</translation>
    </message>
    <message>
        <source>The length is in metres and the element diameter in millimetres; the coil distance is printed in metres.</source>
        <translation>La longitud va en metros y el diámetro del elemento en milímetros; la distancia de la bobina se muestra en metros.</translation>
    </message>
    <message>
        <source>The design&apos;s length is in metres and its element diameter in millimetres; the tip change is printed in metres.</source>
        <translation>La longitud del diseño va en metros y el diámetro de su elemento en milímetros; el cambio en los extremos se muestra en metros.</translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms.</source>
        <translation>La impedancia de la línea de alimentación, en ohmios.</translation>
    </message>
    <message>
        <source>The wanted inductance, in microhenries.</source>
        <translation>La inductancia buscada, en microhenrios.</translation>
    </message>
    <message>
        <source>The coil diameter, in inches, from wire centre to wire centre: a former&apos;s diameter plus one wire diameter.</source>
        <translation>El diámetro de la bobina, en pulgadas, de centro a centro del alambre: el diámetro del soporte más un diámetro del alambre.</translation>
    </message>
    <message>
        <source>The coil length, in inches.</source>
        <translation>La longitud de la bobina, en pulgadas.</translation>
    </message>
    <message>
        <source>The wire diameter, in inches.</source>
        <translation>El diámetro del alambre, en pulgadas.</translation>
    </message>
    <message>
        <source>The coil as wound too: its inductance, its difference from the wanted inductance in per cent, the turns that give the wanted inductance as wound and whether they fit, and the wire length, in inches and metres.</source>
        <translation>También la bobina tal como se bobina: su inductancia, su diferencia con la inductancia buscada en tanto por ciento, las espiras que dan la inductancia buscada tal como se bobina y si caben, y la longitud del alambre, en pulgadas y en metros.</translation>
    </message>
    <message>
        <source>With --details: the frequency the coil works at, in MHz, for its Q, self-resonance and reactance.</source>
        <translation>Con --details: la frecuencia de trabajo de la bobina, en MHz, para su Q, su autorresonancia y su reactancia.</translation>
    </message>
    <message>
        <source>Every position from 1 to 99, as CSV with the header row position,distance,inductance,impedance (with --json, one object per position); without --position.</source>
        <translation>Cada posición de 1 a 99, como CSV con la fila de encabezado position,distance,inductance,impedance (con --json, un objeto por posición); sin --position.</translation>
    </message>
    <message>
        <source>Build every position, a row each, as CSV; without --position.</source>
        <translation>Construye cada posición, una fila por posición, como CSV; sin --position.</translation>
    </message>
    <message>
        <source>With --sweep: the check&apos;s figures of every position too, as further columns; takes the model and coil options of check.</source>
        <translation>Con --sweep: también las cifras de la comprobación de cada posición, como columnas adicionales; admite las opciones de modelo y de bobina de check.</translation>
    </message>
    <message>
        <source>With --sweep: draw the table in FILE instead of printing it, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Con --sweep: dibuja la tabla en FILE en lugar de mostrarla, una imagen PNG o SVG según la terminación del nombre (.png o .svg).</translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation>La impedancia de la línea de alimentación, en ohmios; 50 si no se indica.</translation>
    </message>
    <message>
        <source>With --sweep --check: the feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation>Con --sweep --check: la impedancia de la línea de alimentación, en ohmios; 50 si no se indica.</translation>
    </message>
    <message>
        <source>The inductance of each coil as built, in microhenries, in place of the design&apos;s.</source>
        <translation>La inductancia de cada bobina tal como está construida, en microhenrios, en lugar de la del diseño.</translation>
    </message>
    <message>
        <source>No segment of the model is longer than the antenna over N, and those at the source and the coils are shorter where they must be; 9 to 2001, 81 unless given.</source>
        <translation>Ningún segmento del modelo es más largo que la antena dividida por N, y los de la fuente y las bobinas son más cortos donde deben serlo; de 9 a 2001, 81 si no se indica.</translation>
    </message>
    <message>
        <source>Adds the loss of copper wire to the model; without it the wire has none.</source>
        <translation>Añade al modelo las pérdidas del alambre de cobre; sin ella el alambre no tiene pérdidas.</translation>
    </message>
    <message>
        <source>The old spelling of --conductor; coil&apos;s --wire is the wire&apos;s diameter.</source>
        <translation>La grafía antigua de --conductor; en coil, --wire es el diámetro del alambre.</translation>
    </message>
    <message>
        <source>The coils&apos; Q, for their loss: a series resistance of their reactance over Q at the design frequency; lossless unless given.</source>
        <translation>El Q de las bobinas, para sus pérdidas: una resistencia en serie igual a su reactancia dividida por Q en la frecuencia de diseño; sin pérdidas si no se indica.</translation>
    </message>
    <message>
        <source>The Q of every coil, the matching coil&apos;s too, for their loss; lossless unless given.</source>
        <translation>El Q de cada bobina, también el de la bobina de adaptación, para sus pérdidas; sin pérdidas si no se indica.</translation>
    </message>
    <message>
        <source>Wind each loading coil on this diameter, in inches from wire centre to wire centre, as the coil window designs it, and take its Q for the coils&apos; loss; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation>Enrolla cada bobina de carga sobre este diámetro, en pulgadas de centro a centro del alambre, como la diseña la ventana de la bobina, y toma su Q para las pérdidas de las bobinas; con --coil-length y --coil-wire, sin --coil-q.</translation>
    </message>
    <message>
        <source>Wind the loading coils and the matching coil on this diameter, in inches from wire centre to wire centre, by Nagaoka&apos;s coefficient, each with its own Q; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation>Enrolla las bobinas de carga y la bobina de adaptación sobre este diámetro, en pulgadas de centro a centro del alambre, según el coeficiente de Nagaoka, cada una con su propio Q; con --coil-length y --coil-wire, sin --coil-q.</translation>
    </message>
    <message>
        <source>With the design: the diameter, in inches from wire centre to wire centre, of the former the coils are wound on, for the turns of the advised change; with --coil-length and --coil-wire.</source>
        <translation>Con el diseño: el diámetro, en pulgadas de centro a centro del alambre, del soporte sobre el que están bobinadas las bobinas, para las espiras del cambio aconsejado; con --coil-length y --coil-wire.</translation>
    </message>
    <message>
        <source>The length of that coil, in inches.</source>
        <translation>La longitud de esa bobina, en pulgadas.</translation>
    </message>
    <message>
        <source>The wire diameter of that coil, in inches.</source>
        <translation>El diámetro del alambre de esa bobina, en pulgadas.</translation>
    </message>
    <message>
        <source>Write the deck to FILE instead of standard output.</source>
        <translation>Escribe el archivo de tarjetas en FILE en lugar de la salida estándar.</translation>
    </message>
    <message>
        <source>Also write the model&apos;s feed point from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line.</source>
        <translation>Escribe también el punto de alimentación del modelo, desde una décima por debajo hasta una décima por encima de la frecuencia de diseño, en 201 pasos, en FILE, un archivo Touchstone .s1p sobre la línea de alimentación.</translation>
    </message>
    <message>
        <source>Also write the build&apos;s feed point, its loading coils as built with their Q and the matching coil across it, from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line; without --sweep.</source>
        <translation>Escribe también el punto de alimentación del montaje, con sus bobinas de carga tal como están construidas, con su Q, y la bobina de adaptación en él, desde una décima por debajo hasta una décima por encima de la frecuencia de diseño, en 201 pasos, en FILE, un archivo Touchstone .s1p sobre la línea de alimentación; sin --sweep.</translation>
    </message>
    <message>
        <source>With --sweep: draw the builds in FILE instead of printing them, against the position: each loading coil by the formula and as built, the 2:1 bandwidth and, with loss in the model, the efficiency, the best position ringed; a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Con --sweep: dibuja los montajes en FILE en lugar de mostrarlos, frente a la posición: cada bobina de carga según la fórmula y tal como se construye, el ancho de banda 2:1 y, con pérdidas en el modelo, el rendimiento, con la mejor posición en un círculo; una imagen PNG o SVG según la terminación del nombre (.png o .svg).</translation>
    </message>
    <message>
        <source>Also draw the sweep&apos;s SWR, resistance and reactance against frequency in FILE, and with the design the model&apos;s beside them, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Dibuja también la ROE, la resistencia y la reactancia del barrido frente a la frecuencia en FILE y, con el diseño, las del modelo junto a ellas, una imagen PNG o SVG según la terminación del nombre (.png o .svg).</translation>
    </message>
    <message>
        <source>One compact JSON object per result, texts as strings and figures as numbers.</source>
        <translation>Un objeto JSON compacto por resultado, los textos como cadenas y las cifras como números.</translation>
    </message>
    <message>
        <source>Read and write numbers in the user&apos;s locale, as the windows do, instead of the C locale.</source>
        <translation>Lee y escribe los números en la configuración regional del usuario, como las ventanas, en lugar de la configuración regional C.</translation>
    </message>
    <message>
        <source>Read one command per line from standard input and print one JSON line for each.</source>
        <translation>Lee un comando por línea de la entrada estándar y escribe una línea JSON por cada uno.</translation>
    </message>
    <message>
        <source>The calculations of QUERLIN&apos;s windows from the command line, for scripts and tables. Each command prints, one per line, the texts that the window&apos;s result fields would show; numbers are read as the windows read them, in the C locale unless --locale is given.</source>
        <translation>Los cálculos de las ventanas de QUERLIN desde la línea de comandos, para scripts y tablas. Cada comando muestra, uno por línea, los textos que mostrarían los campos de resultado de la ventana; los números se leen como los leen las ventanas, en la configuración regional C salvo que se indique --locale.</translation>
    </message>
    <message>
        <source>Run &apos;querlin-calc COMMAND --help&apos; or &apos;querlin-calc help COMMAND&apos; for a command&apos;s usage and options; the manual page, man querlin-calc, has them all, with the output keys and the exit statuses.</source>
        <translation>Ejecute «querlin-calc COMANDO --help» o «querlin-calc help COMANDO» para ver el uso y las opciones de un comando; la página del manual, man querlin-calc, los tiene todos, con las claves de salida y los códigos de salida.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Uso: </translation>
    </message>
    <message>
        <source>  or:  </source>
        <translation>  o: </translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>The analyser&apos;s sweep: a Touchstone .s1p file or a CSV file.</source>
        <translation>El barrido del analizador de antenas: un archivo Touchstone .s1p o un archivo CSV.</translation>
    </message>
    <message>
        <source>the Touchstone file</source>
        <translation>el archivo Touchstone</translation>
    </message>
    <message>
        <source>--%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation>--%1 admite un número positivo, no «%2».</translation>
    </message>
    <message>
        <source>--segments takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--segments admite un número entero de %1 a %2, no «%3».</translation>
    </message>
    <message>
        <source>the deck</source>
        <translation>el archivo de tarjetas</translation>
    </message>
    <message>
        <source>Could not write %1 to %2: %3</source>
        <translation>No se pudo escribir %1 en %2: %3</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>No se ha indicado ningún comando.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>measured needs the file of the sweep: measured FILE.</source>
        <translation>measured necesita el archivo del barrido: measured FILE.</translation>
    </message>
    <message>
        <source>--sweep takes every position: leave out --position.</source>
        <translation>--sweep toma todas las posiciones: omita --position.</translation>
    </message>
    <message>
        <source>%1 takes no --%2.</source>
        <translation>%1 no admite --%2.</translation>
    </message>
    <message>
        <source>%1 needs --%2.</source>
        <translation>%1 necesita --%2.</translation>
    </message>
    <message>
        <source>--check goes with --sweep; for one position, use check.</source>
        <translation>--check va con --sweep; para una sola posición, use check.</translation>
    </message>
    <message>
        <source>dipole takes --%1 only with --sweep --check.</source>
        <translation>dipole admite --%1 solo con --sweep --check.</translation>
    </message>
    <message>
        <source>--touchstone writes one build&apos;s feed point: leave out --sweep.</source>
        <translation>--touchstone escribe el punto de alimentación de un solo montaje: omita --sweep.</translation>
    </message>
    <message>
        <source>--position best needs the coils&apos; loss: --coil-q, or --coil-diameter, --coil-length and --coil-wire.</source>
        <translation>--position best necesita las pérdidas de las bobinas: --coil-q, o --coil-diameter, --coil-length y --coil-wire.</translation>
    </message>
    <message>
        <source>measured compares with the design given all of --frequency, --length, --element and --position.</source>
        <translation>measured compara con el diseño si se indican todas estas opciones: --frequency, --length, --element y --position.</translation>
    </message>
    <message>
        <source>measured takes --%1 only with the design: --frequency, --length, --element and --position.</source>
        <translation>measured admite --%1 solo con el diseño: --frequency, --length, --element y --position.</translation>
    </message>
    <message>
        <source>coil takes --frequency with --details only.</source>
        <translation>coil admite --frequency solo con --details.</translation>
    </message>
    <message>
        <source>Did you mean --%1?</source>
        <translation>¿Quiso decir --%1?</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number in the user&apos;s locale, in which --locale reads it.</source>
        <translation>--%1: «%2» no es un número en la configuración regional del usuario, en la que lo lee --locale.</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number (a decimal point, or --locale for the user&apos;s decimal comma).</source>
        <translation>--%1: «%2» no es un número (use punto decimal, o --locale para la coma decimal del usuario).</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is too large.</source>
        <translation>--%1: «%2» es demasiado grande.</translation>
    </message>
    <message>
        <source>--position takes a whole percentage from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--position admite un porcentaje entero de %1 a %2, no «%3».</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 necesita un valor.</translation>
    </message>
    <message>
        <source>--%1 takes copper, not &apos;%2&apos;.</source>
        <translation>--%1 admite copper, no «%2».</translation>
    </message>
    <message>
        <source>--coil-diameter, --coil-length and --coil-wire go together.</source>
        <translation>--coil-diameter, --coil-length y --coil-wire van juntas.</translation>
    </message>
    <message>
        <source>--coil-q is the Q of a coil not wound here: give it or --coil-diameter, --coil-length and --coil-wire, not both.</source>
        <translation>--coil-q es el Q de una bobina no bobinada aquí: indique esta opción o --coil-diameter, --coil-length y --coil-wire, no ambas.</translation>
    </message>
    <message>
        <source>--plot writes a .png or .svg file, not &apos;%1&apos;.</source>
        <translation>--plot escribe un archivo .png o .svg, no «%1».</translation>
    </message>
    <message>
        <source>--touchstone writes a .s1p file, not &apos;%1&apos;.</source>
        <translation>--touchstone escribe un archivo .s1p, no «%1».</translation>
    </message>
    <message>
        <source>--plot draws a --sweep.</source>
        <translation>--plot dibuja un --sweep.</translation>
    </message>
    <message>
        <source>--plot draws the table instead of printing it: leave out --json.</source>
        <translation>--plot dibuja la tabla en lugar de mostrarla: omita --json.</translation>
    </message>
    <message>
        <source>querlin-calc build --frequency MHZ --length L --element D --position PCT|best
         [--metric] [--feedline OHMS] [the model and coil options of check]
querlin-calc build --frequency MHZ --length L --element D --sweep [...]
querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]
querlin-calc build ... --touchstone FILE.s1p</source>
        <translation>querlin-calc build --frequency MHZ --length L --element D --position PCT|best
         [--metric] [--feedline OHMS] [las opciones de modelo y de bobina de check]
querlin-calc build --frequency MHZ --length L --element D --sweep [...]
querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]
querlin-calc build ... --touchstone FILE.s1p</translation>
    </message>
    <message>
        <source>querlin-calc COMMAND [OPTIONS]
querlin-calc help COMMAND
querlin-calc --batch [--locale] &lt; commands</source>
        <translation>querlin-calc COMANDO [OPCIONES]
querlin-calc help COMANDO
querlin-calc --batch [--locale] &lt; comandos</translation>
    </message>
    <message>
        <source>querlin-calc --batch &lt; commands</source>
        <translation>querlin-calc --batch &lt; comandos</translation>
    </message>
    <message>
        <source>as wound, at %2 MHz it acts as %1 uH</source>
        <translation>bobinada, a %2 MHz actúa como %1 uH</translation>
    </message>
    <message>
        <source>Q as wound at %2 MHz: %1</source>
        <translation>Q bobinada a %2 MHz: %1</translation>
    </message>
    <message>
        <source>The ground goes with --height; without it the model is free space.</source>
        <translation>El suelo va con --height; sin él el modelo es espacio libre.</translation>
    </message>
    <message>
        <source>--ground names a ground; --ground-permittivity and --ground-conductivity give one: not both.</source>
        <translation>--ground nombra un suelo; --ground-permittivity y --ground-conductivity dan uno: no ambos.</translation>
    </message>
    <message>
        <source>--ground-permittivity and --ground-conductivity go together.</source>
        <translation>--ground-permittivity y --ground-conductivity van juntos.</translation>
    </message>
    <message>
        <source>--ground takes %1, not &apos;%2&apos;.</source>
        <translation>--ground toma %1, no «%2».</translation>
    </message>
    <message>
        <source>--apex-angle takes the angle between the legs, more than 0 and at most 180 degrees (180: flat), not &apos;%1&apos;.</source>
        <translation>--apex-angle toma el ángulo entre las ramas, mayor que 0 y como mucho 180 grados (180: horizontal), no «%1».</translation>
    </message>
    <message>
        <source>--insulation-permittivity goes with --insulation, its thickness.</source>
        <translation>--insulation-permittivity va con --insulation, su espesor.</translation>
    </message>
    <message>
        <source>The height of the feed point over the ground, in feet (metres with --metric); free space unless given.</source>
        <translation>La altura del punto de alimentación sobre el suelo, en pies (metros con --metric); espacio libre si no se indica.</translation>
    </message>
    <message>
        <source>The ground under the antenna with --height: very-poor, poor, average, good, very-good, fresh-water or sea-water; average (relative permittivity 13, 0.005 S/m) unless given.</source>
        <translation>El suelo bajo la antena con --height: very-poor, poor, average, good, very-good, fresh-water o sea-water; average (permitividad relativa 13, 0,005 S/m) si no se indica.</translation>
    </message>
    <message>
        <source>The ground&apos;s relative permittivity, with --ground-conductivity, in place of a named ground.</source>
        <translation>La permitividad relativa del suelo, con --ground-conductivity, en lugar de un suelo con nombre.</translation>
    </message>
    <message>
        <source>The ground&apos;s conductivity, in S/m.</source>
        <translation>La conductividad del suelo, en S/m.</translation>
    </message>
    <message>
        <source>The wire&apos;s insulation, its radial thickness in inches (millimetres with --metric); bare wire unless given.</source>
        <translation>El aislamiento del hilo, su espesor radial en pulgadas (milímetros con --metric); hilo desnudo si no se indica.</translation>
    </message>
    <message>
        <source>The insulation&apos;s relative permittivity: 3.5 (PVC) unless given, polyethylene about 2.3.</source>
        <translation>La permitividad relativa del aislamiento: 3,5 (PVC) si no se indica, polietileno unos 2,3.</translation>
    </message>
    <message>
        <source>Hang the antenna as an inverted V with this angle between its legs, in degrees, its feed point at the apex; 180 (flat) unless given.</source>
        <translation>Colgar la antena como V invertida con este ángulo entre sus ramas, en grados, con el punto de alimentación en el vértice; 180 (horizontal) si no se indica.</translation>
    </message>
    <message>
        <source>The matching coil across the feed point while measuring, in microhenries, as build gave it: the resonance is then the antenna&apos;s own, and the advice brings the lowest SWR with that coil to the design frequency.</source>
        <translation>La bobina de adaptación en el punto de alimentación durante la medida, en microhenrios, como la dio build: la resonancia es entonces la de la antena sola, y el consejo lleva la ROE más baja con esa bobina a la frecuencia de diseño.</translation>
    </message>
    <message>
        <source>--%1 takes a relative permittivity of 1 or more, not &apos;%2&apos;.</source>
        <translation>--%1 toma una permitividad relativa de 1 o más, no «%2».</translation>
    </message>
</context>
<context>
    <name>querlin::CheckWindow</name>
    <message>
        <source>Check with NEC-2</source>
        <translation>Comprobación con NEC-2</translation>
    </message>
    <message>
        <source>Progress of the check</source>
        <translation>Progreso de la comprobación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the NEC-2 engine</source>
        <translation>Detiene el motor NEC-2</translation>
    </message>
    <message>
        <source>Cancelled. Check with NEC-2… on the main window&apos;s results starts it again.</source>
        <translation>Cancelada. «Comprobar con NEC-2…» en los resultados de la ventana principal la inicia de nuevo.</translation>
    </message>
    <message>
        <source>Plot of every coil position</source>
        <translation>Gráfica de todas las posiciones de bobina</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and, once checked, the inductance that nec2c finds resonant, against the coil position; under it the frequency at which each design as built resonates and, with the coils&apos; Q, the efficiency of each position&apos;s build, the best ringed.</source>
        <translation>La inductancia de cada bobina según la fórmula y, una vez comprobada, la inductancia que nec2c encuentra resonante, frente a la posición de la bobina; debajo, la frecuencia a la que resuena cada diseño tal como se construye y, con el Q de las bobinas, el rendimiento del montaje de cada posición, con la mejor en un círculo.</translation>
    </message>
    <message>
        <source>Nothing to check yet: type the frequency, the total length and the element size in the main window and press its upper CALCULATE. The check models the design it last calculated.</source>
        <translation>Aún no hay nada que comprobar: escriba la frecuencia, la longitud total y el diámetro del elemento en la ventana principal y pulse su CALCULAR superior. La comprobación modela el último diseño calculado.</translation>
    </message>
    <message>
        <source>The main window&apos;s last calculation ended in a fault: correct its inputs and press CALCULATE, then check again.</source>
        <translation>El último cálculo de la ventana principal terminó con un error: corrija sus datos, pulse CALCULAR y vuelva a comprobar.</translation>
    </message>
    <message>
        <source>the %1-ohm line matched in the main window</source>
        <translation>la línea de %1 ohmios adaptada en la ventana principal</translation>
    </message>
    <message>
        <source>a %1-ohm line</source>
        <translation>una línea de %1 ohmios</translation>
    </message>
    <message>
        <source>Checking the design with nec2c…</source>
        <translation>Comprobando el diseño con nec2c…</translation>
    </message>
    <message>
        <source>Checking every coil position for the plot: %1 of %2…</source>
        <translation>Comprobando cada posición de bobina para la gráfica: %1 de %2…</translation>
    </message>
    <message>
        <source>Checking every coil position for the plot…</source>
        <translation>Comprobando cada posición de bobina para la gráfica…</translation>
    </message>
    <message>
        <source>What to build instead</source>
        <translation>Qué construir en su lugar</translation>
    </message>
    <message>
        <source>lossless</source>
        <translation>sin pérdidas</translation>
    </message>
    <message>
        <source>Coils&apos; Q</source>
        <translation>Q de las bobinas</translation>
    </message>
    <message>
        <source>Empty for lossless coils. Air-core loading coils have a Q of about 100 to 400; querlin-calc coil --details estimates one.</source>
        <translation>Vacío para bobinas sin pérdidas. Las bobinas de carga con núcleo de aire tienen un Q de unos 100 a 400; querlin-calc coil --details lo estima.</translation>
    </message>
    <message>
        <source>Design the loading coil…</source>
        <translation>Diseñar la bobina de carga…</translation>
    </message>
    <message>
        <source>Opens the coil window with the loading coil&apos;s inductance</source>
        <translation>Abre la ventana de la bobina con la inductancia de la bobina de carga</translation>
    </message>
    <message>
        <source>Coils&apos; Q:</source>
        <translation>Q de las bobinas:</translation>
    </message>
    <message>
        <source>Building with nec2c…</source>
        <translation>Construyendo con nec2c…</translation>
    </message>
    <message>
        <source>Building every coil position with coils of Q %1 for the plot…</source>
        <translation>Construyendo cada posición de bobina con bobinas de Q %1 para la gráfica…</translation>
    </message>
    <message>
        <source>Checked with nec2c.</source>
        <translation>Comprobado con nec2c.</translation>
    </message>
    <message>
        <source>The coils&apos; Q is a positive number, such as 300; empty for lossless coils.</source>
        <translation>El Q de las bobinas es un número positivo, como 300; vacío para bobinas sin pérdidas.</translation>
    </message>
    <message>
        <source>Compare with a measurement…</source>
        <translation>Comparar con una medida…</translation>
    </message>
    <message>
        <source>Opens an analyser&apos;s sweep of the antenna as built, a Touchstone .s1p or CSV file, and says what to change</source>
        <translation>Abre el barrido de un analizador de antenas de la antena construida, un archivo Touchstone .s1p o CSV, e indica qué cambiar</translation>
    </message>
    <message>
        <source>Compared with a measurement</source>
        <translation>Comparado con una medida</translation>
    </message>
    <message>
        <source>Plot of the measured and modelled SWR</source>
        <translation>Gráfica de la ROE medida y modelada</translation>
    </message>
    <message>
        <source>Compare with a measurement</source>
        <translation>Comparar con una medida</translation>
    </message>
    <message>
        <source>Analyser sweeps (*.s1p *.csv);;All files (*)</source>
        <translation>Barridos de analizador (*.s1p *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Comparing %1 with the design, with nec2c…</source>
        <translation>Comparando %1 con el diseño, con nec2c…</translation>
    </message>
    <message>
        <source>%1 against the design as nec2c models it, coils of %2 µH, on the %3-ohm line:</source>
        <translation>%1 frente al diseño tal como lo modela nec2c, bobinas de %2 µH, en la línea de %3 ohmios:</translation>
    </message>
    <message>
        <source>lowest %1 at %2 MHz</source>
        <translation>mínima de %1 a %2 MHz</translation>
    </message>
    <message>
        <source>The SWR on the %1-ohm line from %2 to %3 MHz, the design frequency marked: measured, %4; the design as nec2c models it, %5.</source>
        <translation>La ROE en la línea de %1 ohmios de %2 a %3 MHz, con la frecuencia de diseño marcada: medida, %4; el diseño tal como lo modela nec2c, %5.</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Guardar como PNG…</translation>
    </message>
    <message>
        <source>Save as SVG…</source>
        <translation>Guardar como SVG…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save the plot as SVG</source>
        <translation>Guardar la gráfica como SVG</translation>
    </message>
    <message>
        <source>Save the plot as PNG</source>
        <translation>Guardar la gráfica como PNG</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Imágenes SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The plot could not be saved as %1: %2</source>
        <translation>No se pudo guardar la gráfica como %1: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s name before its value; French sets a narrow no-break space before the colon.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Self-resonance of each loading coil</source>
        <translation>Autorresonancia de cada bobina de carga</translation>
    </message>
    <message>
        <source>Each loading coil fits its former</source>
        <translation>Cada bobina de carga cabe en su soporte</translation>
    </message>
    <message>
        <source>Self-resonance of the matching coil</source>
        <translation>Autorresonancia de la bobina de adaptación</translation>
    </message>
    <message>
        <source>Matching coil fits its former</source>
        <translation>La bobina de adaptación cabe en su soporte</translation>
    </message>
    <message>
        <source>Building every coil position with its coils as wound for the plot…</source>
        <translation>Construyendo cada posición de bobina con sus bobinas tal como se bobinan para el gráfico…</translation>
    </message>
    <message>
        <source>about %1 MHz</source>
        <translation>unos %1 MHz</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Coil p&amp;ositions</source>
        <translation>P&amp;osiciones de bobina</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modelo</translation>
    </message>
    <message>
        <source>Hung so, the tips would be %1 %2 below the ground: raise the Height or open the Apex angle.</source>
        <translation>Colgada así, las puntas quedarían %1 %2 bajo el suelo: aumente la Altura o abra el Ángulo del vértice.</translation>
    </message>
    <message>
        <source>%1, coils at %2 % of each half: %3 µH each.
Modelled by nec2c %4; %5 segments, fed from %6.</source>
        <translation>%1, bobinas al %2 % de cada mitad: %3 µH cada una.
Modelado por nec2c %4; %5 segmentos, alimentado desde %6.</translation>
    </message>
    <message>
        <source>very poor</source>
        <translation>muy pobre</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>pobre</translation>
    </message>
    <message>
        <source>average</source>
        <translation>medio</translation>
    </message>
    <message>
        <source>good</source>
        <translation>bueno</translation>
    </message>
    <message>
        <source>very good</source>
        <translation>muy bueno</translation>
    </message>
    <message>
        <source>fresh water</source>
        <translation>agua dulce</translation>
    </message>
    <message>
        <source>sea water</source>
        <translation>agua de mar</translation>
    </message>
    <message>
        <source>%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation>%1 admite un número positivo, no «%2».</translation>
    </message>
    <message>
        <source>%1 needs a positive number.</source>
        <translation>%1 necesita un número positivo.</translation>
    </message>
    <message>
        <source>%1 takes a relative permittivity of 1 or more, not &apos;%2&apos;.</source>
        <translation>%1 admite una permitividad relativa de 1 o más, no «%2».</translation>
    </message>
    <message>
        <source>How the model hangs and is wound</source>
        <translation>Cómo cuelga y se bobina el modelo</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Altura</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>espacio libre</translation>
    </message>
    <message>
        <source>Height of the feed point over ground</source>
        <translation>Altura del punto de alimentación sobre el suelo</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Suelo</translation>
    </message>
    <message>
        <source>typed below</source>
        <translation>escrito abajo</translation>
    </message>
    <message>
        <source>Ground under the antenna</source>
        <translation>Suelo bajo la antena</translation>
    </message>
    <message>
        <source>Ground &amp;permittivity</source>
        <translation>&amp;Permitividad del suelo</translation>
    </message>
    <message>
        <source>relative</source>
        <translation>relativa</translation>
    </message>
    <message>
        <source>Ground&apos;s relative permittivity</source>
        <translation>Permitividad relativa del suelo</translation>
    </message>
    <message>
        <source>Ground &amp;conductivity</source>
        <translation>&amp;Conductividad del suelo</translation>
    </message>
    <message>
        <source>Ground&apos;s conductivity, siemens per metre</source>
        <translation>Conductividad del suelo, siemens por metro</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forma</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>plana</translation>
    </message>
    <message>
        <source>inverted V</source>
        <translation>V invertida</translation>
    </message>
    <message>
        <source>Shape of the antenna</source>
        <translation>Forma de la antena</translation>
    </message>
    <message>
        <source>&amp;Apex angle</source>
        <translation>Ángulo del &amp;vértice</translation>
    </message>
    <message>
        <source>Angle between the inverted V&apos;s legs, degrees, at most 180</source>
        <translation>Ángulo entre las ramas de la V invertida, grados, como mucho 180</translation>
    </message>
    <message>
        <source>Wi&amp;re</source>
        <translation>&amp;Hilo</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>cobre</translation>
    </message>
    <message>
        <source>insulated copper</source>
        <translation>cobre aislado</translation>
    </message>
    <message>
        <source>Wire of the antenna</source>
        <translation>Hilo de la antena</translation>
    </message>
    <message>
        <source>&amp;Insulation</source>
        <translation>Ais&amp;lamiento</translation>
    </message>
    <message>
        <source>Thickness of the wire&apos;s insulation</source>
        <translation>Espesor del aislamiento del hilo</translation>
    </message>
    <message>
        <source>Insulation p&amp;ermittivity</source>
        <translation>P&amp;ermitividad del aislamiento</translation>
    </message>
    <message>
        <source>Insulation&apos;s relative permittivity, PVC&apos;s 3.5 unless changed</source>
        <translation>Permitividad relativa del aislamiento, 3,5 del PVC salvo cambio</translation>
    </message>
    <message>
        <source>Coil &amp;diameter</source>
        <translation>&amp;Diámetro de bobina</translation>
    </message>
    <message>
        <source>no coil to wind</source>
        <translation>ninguna bobina que bobinar</translation>
    </message>
    <message>
        <source>Diameter of the coil to wind, wire centre to wire centre</source>
        <translation>Diámetro de la bobina a bobinar, de centro a centro del hilo</translation>
    </message>
    <message>
        <source>Coil &amp;length</source>
        <translation>Lon&amp;gitud de bobina</translation>
    </message>
    <message>
        <source>Length of the coil to wind</source>
        <translation>Longitud de la bobina a bobinar</translation>
    </message>
    <message>
        <source>Coil &amp;wire</source>
        <translation>Hilo de &amp;bobina</translation>
    </message>
    <message>
        <source>Wire diameter of the coil to wind</source>
        <translation>Diámetro del hilo de la bobina a bobinar</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A field&apos;s name for a screen reader, then its unit: &quot;Height of the feed point over ground, feet&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 takes the angle between the legs, more than 0 and at most 180 degrees (180: flat), not &apos;%2&apos;.</source>
        <translation>%1 admite el ángulo entre las ramas, más de 0 y como mucho 180 grados (180: plana), no «%2».</translation>
    </message>
    <message>
        <source>The coil to wind takes its diameter, its length and its wire together; empty all three to model the coils as pure inductances.</source>
        <translation>La bobina a bobinar necesita a la vez su diámetro, su longitud y su hilo; vacíe los tres para modelar las bobinas como inductancias puras.</translation>
    </message>
    <message>
        <source>in free space</source>
        <translation>en espacio libre</translation>
    </message>
    <message>
        <source>%1 ground</source>
        <translation>suelo «%1»</translation>
    </message>
    <message>
        <source>ground of relative permittivity %1 and %2 S/m</source>
        <translation>suelo de permitividad relativa %1 y %2 S/m</translation>
    </message>
    <message>
        <source>%1 %2 over %3</source>
        <translation>a %1 %2 sobre %3</translation>
    </message>
    <message>
        <source>as an inverted V of %1°</source>
        <translation>como V invertida de %1°</translation>
    </message>
    <message>
        <source>lossless wire</source>
        <translation>hilo sin pérdidas</translation>
    </message>
    <message>
        <source>copper wire insulated %1 %2</source>
        <translation>hilo de cobre con aislamiento de %1 %2</translation>
    </message>
    <message>
        <source>copper wire</source>
        <translation>hilo de cobre</translation>
    </message>
    <message>
        <source>coils as wound on a former %1 %4 across, %2 %4 long, wire %3 %4</source>
        <translation>bobinas bobinadas en un soporte de %1 %4 de diámetro, %2 %4 de largo, hilo de %3 %4</translation>
    </message>
    <message>
        <source>coils as pure inductances</source>
        <translation>bobinas como inductancias puras</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Saves the deck, the Touchstone files, the plot or the figures as querlin-calc writes them</source>
        <translation>Guarda el archivo de tarjetas, los archivos Touchstone, la gráfica o las cifras tal como los escribe querlin-calc</translation>
    </message>
    <message>
        <source>NEC-2 deck…</source>
        <translation>Archivo de tarjetas NEC-2…</translation>
    </message>
    <message>
        <source>Touchstone of the model…</source>
        <translation>Touchstone del modelo…</translation>
    </message>
    <message>
        <source>Touchstone of the build…</source>
        <translation>Touchstone de la construcción…</translation>
    </message>
    <message>
        <source>Plot as PNG or SVG…</source>
        <translation>Gráfica como PNG o SVG…</translation>
    </message>
    <message>
        <source>Figures as text…</source>
        <translation>Cifras como texto…</translation>
    </message>
    <message>
        <source>Save the NEC-2 deck</source>
        <translation>Guardar el archivo de tarjetas NEC-2</translation>
    </message>
    <message>
        <source>NEC-2 decks (*.nec)</source>
        <translation>Archivos de tarjetas NEC-2 (*.nec)</translation>
    </message>
    <message>
        <source>Save the model as Touchstone</source>
        <translation>Guardar el modelo como Touchstone</translation>
    </message>
    <message>
        <source>Touchstone files (*.s1p)</source>
        <translation>Archivos Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>Save the build as Touchstone</source>
        <translation>Guardar la construcción como Touchstone</translation>
    </message>
    <message>
        <source>Save the plot</source>
        <translation>Guardar la gráfica</translation>
    </message>
    <message>
        <source>Save the figures as text</source>
        <translation>Guardar las cifras como texto</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <extracomment>How the model hangs: where, its shape, its wire and its coils, after &quot;Modelled by nec2c&quot;.</extracomment>
        <translation>%1, %2, %3, %4</translation>
    </message>
    <message>
        <source>Compares the sweep with the build and its matching coil instead of the design</source>
        <translation>Compara el barrido con lo construido y su bobina de adaptación en lugar del diseño</translation>
    </message>
    <message>
        <source>%1 against the build as nec2c models it, coils of %2 µH and a matching coil of %3 µH, on the %4-ohm line:</source>
        <translation>%1 frente a lo construido tal como lo modela nec2c, bobinas de %2 µH y una bobina de adaptación de %3 µH, en la línea de %4 ohmios:</translation>
    </message>
    <message>
        <source>Built as &quot;What to build instead&quot; says, its matching coil fitted</source>
        <translation>Construida como dice «Qué construir en su lugar», con su bobina de adaptación puesta</translation>
    </message>
    <message>
        <source>Coils as wou&amp;nd</source>
        <translation>Bobi&amp;nas tal como se bobinan</translation>
    </message>
</context>
<context>
    <name>querlin::CoilWindow</name>
    <message>
        <source>The coil as wound…</source>
        <translation>La bobina tal como se bobina…</translation>
    </message>
    <message>
        <source>The coil as wound</source>
        <translation>La bobina tal como se bobina</translation>
    </message>
</context>
<context>
    <name>querlin::MainWindow</name>
    <message>
        <source>Its context menu checks the design with NEC-2 (or press %1).</source>
        <translation>Su menú contextual comprueba el diseño con NEC-2 (o pulse %1).</translation>
    </message>
    <message>
        <source>Check with NEC-2…</source>
        <translation>Comprobar con NEC-2…</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>Web Page Link</source>
        <translation>Enlace a la página web</translation>
    </message>
    <message>
        <source>The link will be opened in your default browser.</source>
        <translation>El enlace se abrirá en su navegador predeterminado.</translation>
    </message>
    <message>
        <source>Click Link Below to </source>
        <translation>Haga clic en el enlace de abajo</translation>
    </message>
    <message>
        <source>link to the author&apos;s web page, opened in your default browser by a click, Return or Space</source>
        <translation>enlace a la página web del autor; se abre en su navegador predeterminado con un clic, Intro o Espacio</translation>
    </message>
</context>
</TS>
