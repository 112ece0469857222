<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caption of the %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Antenna</name>
    <message>
        <source>nec2c&apos;s output lacks the currents between feed and coils.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loading coil of %1 µH cannot be wound on that former. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The antenna&apos;s resistance at resonance, %1 ohms, is at or above the line&apos;s %2 ohms: no coil across the feed point can match it. The loading coils resonate it; the SWR that remains is %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No loading coil brings the antenna to resonance at %1 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segments near the coils or the source are shorter than %1 wire radii, where NEC-2&apos;s thin-wire kernel errs by more than 1 %: take the figures as rough.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nec2c wrote &apos;%1&apos; where a number belongs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no value of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds an average gain without its solid angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nec2c&apos;s currents table holds &apos;%1&apos; where a segment&apos;s line belongs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds a currents table without a current.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no feed-point impedance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nec2c&apos;s power budget does not add up: %1 W radiated of %2 W put in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nec2c&apos;s average gain gives %1 of the input power radiated, not a share of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temporary folder for nec2c: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the deck for nec2c: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; could not be started (%2): install the Debian package nec2c, or name the program in QUERLIN_NEC2C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; did not finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; failed (exit status %2)%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; wrote no output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output of the NEC-2 engine &apos;%1&apos; holds %2 feed-point impedances where %3 were asked for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design cannot be modelled: it needs a positive frequency, length and element.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design cannot be modelled: the coils must sit inside the antenna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model takes %1 to %2 segments, not %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A coil&apos;s length must be a positive number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The antenna must be above the ground to be modelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A coil&apos;s Q must be a positive number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded dipole for %1 MHz, %2 %3 long, element %4 %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1 MHz it is above a third of its self-resonance of about %2 MHz, where its Q is in doubt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>the coil radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine times the coil radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten times the coil length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the denominator of the coil formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coil radius squared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the turns squared per microhenry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the turns squared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the winding length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coil position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position of the left coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position of the right coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length in feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the element diameter in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length of each half beyond the coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the distance from the centre to the coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quarter wavelength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length beyond the coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scale factor of the inductance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quarter-wave term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coil-position term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the outer-section term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the outer-section length term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the inductance of each loading coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coil distance in metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the antenna impedance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the impedance ratio of the matching coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the reactance of the matching coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the inductance of the matching coil</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Coil</name>
    <message>
        <source>The frequency must be a positive number of MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medhurst&apos;s self-capacitance covers coils from 0.1 to 50 diameters long, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1 MHz the coil is above its self-resonance of about %2 MHz, no longer an inductor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1 MHz the skin depth of copper, %2 inches, is more than a fifth of the wire: the Q estimate needs a thicker wire or a higher frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coil&apos;s Q lies beyond what the calculation can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The winding needs a positive number of turns, coil diameter, coil length and wire diameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A winding needs at least one turn, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The winding does not fit: %1 turns of %2-inch wire need %3 inches, more than the coil length of %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A wire as thick as the coil diameter winds no coil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The winding&apos;s figures lie beyond what the calculation can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1 MHz the loading coil is above a third of its self-resonance of about %2 MHz: it acts as more inductance than its winding&apos;s, with less Q, so the check cannot take its Q.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an invalid operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An overflow occurred while calculating %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 occurred while calculating %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An invalid argument was given to %1 while calculating %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a logarithm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a square root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>access to %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Each loading coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matching coil across the feed point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWR with them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth with them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed resistance before the matching coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed reactance before the matching coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency of the build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns of each loading coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q of each loading coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns of the matching coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q of the matching coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds until inductance and Q agree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resonant frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off the design frequency by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed resistance at the design frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feed reactance at the design frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each coil for resonance at the design frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWR at the design frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWR with the matching coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency, made resonant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured resonance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest SWR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest SWR at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design&apos;s resonance, by NEC-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change to each tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or to each coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coils&apos; Q, an estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency, an estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or to each coil&apos;s turns</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>INPUT FREQUENCY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUT TOTAL LENGTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUT ELEMENT SIZE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUT FEEDLINE IMPEDANCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INCHES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>METERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUERLIN        by      ORVANE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>METRIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coil will be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AWG WIRE SIZES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>READ ME FIRST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading coils will be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mHYs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESIGN COILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna Impedance is approximately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OHMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matching coil is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEBSITE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ohms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESIGN COIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dipole, fed at its centre; the coil symbols show where the loading coils sit along each half.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left loading coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coil symbol on the left half of the antenna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right loading coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coil symbol on the right half of the antenna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between the inputs and the loading coils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between the loading coils and the matching coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lengths in metres, diameters in millimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lengths in feet, diameters in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>works out the loading coils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>works out the matching coil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opens the coil window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opens the notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opens the link to the author&apos;s web page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>MICROHENRYS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COIL DIAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COIL LENGTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WIRE DECIMAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> THIS WILL FIT BUT YOU MAY WANT TO TRY A SHORTER COIL OR LARGER DIAMETER WIRE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> THIS COIL IS TOO SMALL YOU MAY WISH TO TRY A LARGER COIL OR SMALLER DIAMETER WIRE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most efficient coils have a high Q factor.Use the largest wire possible with <byte value="xd"/>
close winding. The coil should be no more than  twice as long as the diameter.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUT MICROHENRYS and COIL <byte value="xd"/>
DIAMETER ( DECIMAL INCHES)<byte value="xd"/>
SMALL TUBING CAN ALSO BE USED<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECOMMENDED  NUMBER OF TURNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advice on coils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wire gauge table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one gauge a line: its number, its diameter in inches and in millimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tubing diameter table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one size a line: the diameter as a fraction of an inch, in decimal inches and in centimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>works out the number of turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advice on the winding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>NOTES</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THE ANTENNA MAY BE MATCHED BY STUB, HAIRPIN OR EVEN A DELTA OR GAMMA<byte value="xd"/>
IF YOU USE THE MATCHING COIL, THE ANTENNA IS LIMITED TO THE DESIGN FREQUENCY<byte value="xd"/>
LARGER MATCHING INDUCTORS CAN BE USED WITH VARIABLE CAPACITORS TO ALLOW<byte value="xd"/>
TUNING WITHIN THE BAND OR FOR MULTIPLE BANDS.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IF YOU GET A NEGATIVE NUMBER FOR THE MATCHING COIL, THEN THE <byte value="xd"/>
ANTENNA IS LONGER THAN YOU REQUIRE FOR THAT FREQUENCY. THE <byte value="xd"/>
ANTENNA MAY BE TUNED WITH VARIABLE CAPACITORS.  <byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points on shortened dipoles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ways to match the antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A negative matching coil</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Measurement</name>
    <message>
        <source>%1 cm (%2 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 inches (%2 ft)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model of the design resonates nowhere near %1 MHz: nothing to compare with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the resonance to %3 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fold back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lengthen by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the resonance to %1 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or each coil: %1 %2 uH (%3 to %4 uH).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>take off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On that former: %1 %2 turns (%3 to %4 turns)%5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unwind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wind on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, which do not fit its length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or each coil: the model finds no inductance that does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An estimate: the resonance is as sharp as the model&apos;s with coils of Q %1, with which it radiates %2 % of the power put in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the model %1 more on each tip %2 the resonance by %3 kHz; the rule for full-size dipoles says %4 kHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWR on the %1-ohm line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, resistance and reactance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: measured, and the design as NEC-2 models it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design, by NEC-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the reactance does not rise through zero anywhere from %1 to %2 MHz: the sweep holds no resonance; sweep more widely around it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frequency must be a positive number that a sweep can hold, not %1 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>these values give no finite impedance (an open circuit, or numbers out of range).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frequency %1 MHz does not rise above the %2 MHz before it: a sweep&apos;s frequencies must rise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 frequencies, more than any analyser sweeps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sweep: the file holds no line of data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one frequency only: a sweep needs at least two to find anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a zero byte: this is no text file (a file saved as UTF-16 must be saved as plain text or UTF-8).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a file that holds a measurement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of %1 ports; an antenna&apos;s feed point is measured as one port, a .s1p file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 MB, more than any analyser&apos;s sweep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no column is named as the frequency; a CSV measurement begins with a header row such as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no columns are named as the reflection coefficient&apos;s real and imaginary parts or as the resistance and reactance, as in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the column &apos;%2&apos; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fields where the columns read need %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 repeats a part of the option line, which reads %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R must be followed by the reference resistance in ohms, a positive number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 parameters describe two ports; an antenna&apos;s feed point is one: S, Y or Z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no part of an option line, which reads %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a keyword of Touchstone version 2; save the measurement as version 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data before the option line: a Touchstone file says first what its numbers are, as in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 numbers where one port&apos;s line holds three: the frequency and two for the parameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no option line and no data: a Touchstone file holds an option line such as %1 and a line for each frequency.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>The best position, %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each loading coil by the formula and as built to match the line by NEC-2, and what the build gives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and as NEC-2 needs it, and where each design resonates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coil inductance (µH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By the formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For resonance at %1 MHz, by NEC-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As built, by NEC-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worked position, %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resonance (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resonance as built, by NEC-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target, %1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency as matched, by NEC-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth (kHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth as matched, by NEC-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coil position (% of half the antenna, from the centre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design frequency, %1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impedance (ohms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>opening the web page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>querlin-calc</name>
    <message>
        <source>No position gives a build with an efficiency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>winding inductance: %1 uH, by Nagaoka&apos;s coefficient and Rosa&apos;s round-wire corrections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>difference from the wanted inductance: %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wire length: %1 inches (%2 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q at %2 MHz: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>self-resonance: about %1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactance at %2 MHz: %1 ohms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1 MHz is above a third of the self-resonance, where the coil acts as more inductance than its winding&apos;s, with less Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--frequency takes a number of MHz, not &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 cannot be a line of a batch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not --%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>where the two loading coils go and how large they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main window&apos;s upper CALCULATE: prints the distance from the centre to each loading coil (feet, or metres with --metric), the inductance of each coil in microhenries and the approximate feed-point impedance in ohms. --sweep tabulates every position as CSV, from 1 % (coils next to the feed point) to 99 % (near the tips); --check adds what the NEC-2 engine says of each, and --plot draws the table as a picture in place of printing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same, and the matching coil across the feed point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main window&apos;s lower CALCULATE: prints what dipole prints, then the inductance of the shunt coil across the feed point that matches the antenna to the feed line, in microhenries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the turns of a loading coil, and the coil as wound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coil window&apos;s CALCULATE: prints the number of turns of a single-layer air-core coil for the wanted inductance and the fit message, which begins with a blank as the coil window shows it. --details adds the coil as wound, its turns spread evenly over the coil length, one figure and its unit a line: its inductance by Nagaoka&apos;s coefficient less Rosa&apos;s round-wire corrections, how far that is from the wanted inductance and the wire length; with --frequency, its Q, its self-resonance and its reactance there, and a warning above a third of the self-resonance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the design as a NEC-2 card deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the design as a NEC-2 card deck: the straight centre-fed wire, the source on a segment of its own at the centre, each loading coil of the computed inductance a wire of its own, 1/81 of the antenna long (shorter near the centre or a tip), centred at the computed distance, and a sweep from 10 % below to 10 % above the design frequency, with comment cards naming the design.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the design modelled in nec2c: its resonance, impedance and SWR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs the design&apos;s deck in the NEC-2 engine nec2c and prints the design&apos;s texts, then what the engine says, each after its key: where the antenna resonates and how far that is from the design frequency, the feed impedance there, the inductance each coil needs for resonance there, the SWR without and with the matching coil, the 2:1 bandwidth and, with --wire copper, --coil-q, a coil to wind or --height, the efficiency: the share of the power put in that is radiated, over ground into the upper half of space, with coils of the resonant inductance. A last line, note, says when segments shorter than 8 wire radii make the figures rough. --coil-diameter, --coil-length and --coil-wire wind each loading coil as coil --details does and model it with the Q that gives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what to build instead: the coils that match the feed line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the design&apos;s texts, then what to build instead, found by nec2c with the coils&apos; loss in the model: each loading coil and the matching coil across the feed point with which the feed line sees an SWR of 1, and the SWR, bandwidth and feed impedance with them, or in words why no coil across the feed point can match. With a coil to wind it gives each coil&apos;s turns and Q; --position best builds every position and prints the one of highest efficiency, and --sweep every position, a row each, which --plot draws as a picture in place of printing it. --touchstone writes the build&apos;s feed point for an analyser&apos;s program, as check&apos;s does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an analyser&apos;s sweep of the antenna, and how to tune it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads an antenna analyser&apos;s sweep of the feed point, a Touchstone version 1 .s1p file or a CSV file, and prints the resonance, the resistance there, the lowest SWR on the feed line and the 2:1 bandwidth. Given the design, it also says how much to change each tip, or instead each coil, to bring the resonance to the design frequency, found with nec2c, and estimates the coils&apos; Q and the efficiency from the resonance&apos;s sharpness; with the former the coils are wound on, the turns to wind on or unwind. --plot draws the sweep&apos;s SWR, resistance and reactance against frequency, with the design the model&apos;s beside them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operating frequency, in MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design frequency, in MHz: the resonance nearest it is read (without it, the one nearest the lowest SWR).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total length of the antenna, tip to tip, in feet (metres with --metric).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design&apos;s total length, in feet (metres with --metric); with --frequency, --element and --position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The element diameter, in inches (millimetres with --metric).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design&apos;s element diameter, in inches (millimetres with --metric).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99. With --sweep only with --plot, which marks it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, a whole number from 1 to 99; or best, the position of highest efficiency, which needs the coils&apos; loss. With --sweep only with --plot, which marks it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design&apos;s coil position, per cent, 1 to 99.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length is in metres and the element diameter in millimetres; the coil distance is printed in metres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design&apos;s length is in metres and its element diameter in millimetres; the tip change is printed in metres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wanted inductance, in microhenries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coil diameter, in inches, from wire centre to wire centre: a former&apos;s diameter plus one wire diameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coil length, in inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wire diameter, in inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coil as wound too: its inductance, its difference from the wanted inductance in per cent and the wire length, in inches and metres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --details: the frequency the coil works at, in MHz, for its Q, self-resonance and reactance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every position from 1 to 99, as CSV with the header row position,distance,inductance,impedance (with --json, one object per position); without --position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build every position, a row each, as CSV; without --position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --sweep: the check&apos;s figures of every position too, as further columns; takes the model and coil options of check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --sweep: draw the table in FILE instead of printing it, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --sweep --check: the feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The inductance of each coil as built, in microhenries, in place of the design&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No segment of the model is longer than the antenna over N, and those at the source and the coils are shorter where they must be; 9 to 2001, 81 unless given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The antenna&apos;s height over average ground (relative permittivity 13, 0.005 S/m), in feet (metres with --metric); free space unless given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the loss of copper wire to the model; without it the wire has none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coils&apos; Q, for their loss: a series resistance of their reactance over Q at the design frequency; lossless unless given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Q of every coil, the matching coil&apos;s too, for their loss; lossless unless given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind each loading coil on this diameter, in inches from wire centre to wire centre, as the coil window designs it, and take its Q for the coils&apos; loss; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind the loading coils and the matching coil on this diameter, in inches from wire centre to wire centre, by Nagaoka&apos;s coefficient, each with its own Q; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the design: the diameter, in inches from wire centre to wire centre, of the former the coils are wound on, for the turns of the advised change; with --coil-length and --coil-wire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of that coil, in inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wire diameter of that coil, in inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the deck to FILE instead of standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also write the model&apos;s feed point from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also write the build&apos;s feed point, its loading coils as built with their Q and the matching coil across it, from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line; without --sweep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --sweep: draw the builds in FILE instead of printing them, against the position: each loading coil by the formula and as built, the 2:1 bandwidth and, with loss in the model, the efficiency, the best position ringed; a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also draw the sweep&apos;s SWR, resistance and reactance against frequency in FILE, and with the design the model&apos;s beside them, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One compact JSON object per result, texts as strings and figures as numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read and write numbers in the user&apos;s locale, as the windows do, instead of the C locale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read one command per line from standard input and print one JSON line for each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculations of QUERLIN&apos;s windows from the command line, for scripts and tables. Each command prints, one per line, the texts that the window&apos;s result fields would show; numbers are read as the windows read them, in the C locale unless --locale is given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &apos;querlin-calc COMMAND --help&apos; or &apos;querlin-calc help COMMAND&apos; for a command&apos;s usage and options; the manual page, man querlin-calc, has them all, with the output keys and the exit statuses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  or:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The analyser&apos;s sweep: a Touchstone .s1p file or a CSV file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Touchstone file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--segments takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>measured needs the file of the sweep: measured FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sweep takes every position: leave out --position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no --%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs --%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--check goes with --sweep; for one position, use check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dipole takes --%1 only with --sweep --check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--touchstone writes one build&apos;s feed point: leave out --sweep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--position best needs the coils&apos; loss: --coil-q, or --coil-diameter, --coil-length and --coil-wire.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>measured compares with the design given all of --frequency, --length, --element and --position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>measured takes --%1 only with the design: --frequency, --length, --element and --position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coil takes --frequency with --details only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--position takes a whole percentage from %1 to %2, not &apos;%3&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--wire takes copper, not &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--coil-diameter, --coil-length and --coil-wire go together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--coil-q is the Q of a coil not wound here: give it or --coil-diameter, --coil-length and --coil-wire, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--plot writes a .png or .svg file, not &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--touchstone writes a .s1p file, not &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--plot draws a --sweep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--plot draws the table instead of printing it: leave out --json.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>querlin::CheckWindow</name>
    <message>
        <source>Check with NEC-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of the check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the NEC-2 engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled. Check with NEC-2… on the main window&apos;s results starts it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot of every coil position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and, once checked, the inductance that nec2c finds resonant, against the coil position; under it the frequency at which each design as built resonates and, with the coils&apos; Q, the efficiency of each position&apos;s build, the best ringed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to check yet: type the frequency, the total length and the element size in the main window and press its upper CALCULATE. The check models the design it last calculated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main window&apos;s last calculation ended in a fault: correct its inputs and press CALCULATE, then check again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, coils at %2 % of each half: %3 µH each.
Modelled by nec2c in free space with lossless wire, %4 segments, fed from %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1-ohm line matched in the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a %1-ohm line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the design with nec2c…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking every coil position for the plot: %1 of %2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking every coil position for the plot…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to build instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lossless</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coils&apos; Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty for lossless coils. Air-core loading coils have a Q of about 100 to 400; querlin-calc coil --details estimates one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design the loading coil…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the coil window with the loading coil&apos;s inductance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coils&apos; Q:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building with nec2c…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building every coil position with coils of Q %1 for the plot…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked with nec2c.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coils&apos; Q is a positive number, such as 300; empty for lossless coils.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with a measurement…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens an analyser&apos;s sweep of the antenna as built, a Touchstone .s1p or CSV file, and says what to change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared with a measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot of the measured and modelled SWR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with a measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyser sweeps (*.s1p *.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparing %1 with the design, with nec2c…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 against the design as nec2c models it, coils of %2 µH, on the %3-ohm line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowest %1 at %2 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SWR on the %1-ohm line from %2 to %3 MHz, the design frequency marked: measured, %4; the design as nec2c models it, %5.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>querlin::MainWindow</name>
    <message>
        <source>Check with NEC-2…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>Web Page Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link will be opened in your default browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Link Below to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link to the author&apos;s web page, opened in your default browser by a click, Return or Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
