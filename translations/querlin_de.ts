<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>slider</source>
        <translation>Schieberegler</translation>
    </message>
    <message>
        <source>field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>caption of the %1 %2</source>
        <translation>Beschriftung: %1 %2</translation>
    </message>
</context>
<context>
    <name>Antenna</name>
    <message>
        <source>nec2c&apos;s output lacks the currents between feed and coils.</source>
        <translation>In der Ausgabe von nec2c fehlen die Ströme zwischen Speisepunkt und Spulen.</translation>
    </message>
    <message>
        <source>The loading coil of %1 µH cannot be wound on that former. %2</source>
        <translation>Die Verlängerungsspule von %1 µH lässt sich auf diesem Spulenkörper nicht wickeln. %2</translation>
    </message>
    <message>
        <source>The antenna&apos;s resistance at resonance, %1 ohms, is at or above the line&apos;s %2 ohms: no coil across the feed point can match it. The loading coils resonate it; the SWR that remains is %3.</source>
        <translation>Der Widerstand der Antenne bei Resonanz, %1 Ohm, liegt bei oder über den %2 Ohm der Leitung: keine Spule am Speisepunkt kann sie anpassen. Die Verlängerungsspulen bringen sie in Resonanz; es bleibt ein SWV von %3.</translation>
    </message>
    <message>
        <source>No loading coil brings the antenna to resonance at %1 MHz.</source>
        <translation>Keine Verlängerungsspule bringt die Antenne bei %1 MHz in Resonanz.</translation>
    </message>
    <message>
        <source>Segments near the coils or the source are shorter than %1 wire radii, where NEC-2&apos;s thin-wire kernel errs by more than 1 %: take the figures as rough.</source>
        <translation>Segmente nahe den Spulen oder der Quelle sind kürzer als %1 Drahtradien; dort irrt der Dünndraht-Kern von NEC-2 um mehr als 1 %: die Werte sind nur grob.</translation>
    </message>
    <message>
        <source>nec2c wrote &apos;%1&apos; where a number belongs.</source>
        <translation>nec2c schrieb „%1“, wo eine Zahl stehen muss.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no %1.</source>
        <translation>Die Ausgabe von nec2c enthält kein %1.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no value of %1.</source>
        <translation>Die Ausgabe von nec2c enthält keinen Wert für %1.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds an average gain without its solid angle.</source>
        <translation>Die Ausgabe von nec2c enthält einen mittleren Gewinn ohne seinen Raumwinkel.</translation>
    </message>
    <message>
        <source>nec2c&apos;s currents table holds &apos;%1&apos; where a segment&apos;s line belongs.</source>
        <translation>Die Stromtabelle von nec2c enthält „%1“, wo die Zeile eines Segments stehen muss.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds a currents table without a current.</source>
        <translation>Die Ausgabe von nec2c enthält eine Stromtabelle ohne Strom.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no feed-point impedance.</source>
        <translation>Die Ausgabe von nec2c enthält keine Speisepunktimpedanz.</translation>
    </message>
    <message>
        <source>nec2c&apos;s power budget does not add up: %1 W radiated of %2 W put in.</source>
        <translation>Die Leistungsbilanz von nec2c geht nicht auf: %1 W abgestrahlt von %2 W zugeführt.</translation>
    </message>
    <message>
        <source>nec2c&apos;s average gain gives %1 of the input power radiated, not a share of it.</source>
        <translation>Der mittlere Gewinn von nec2c ergibt %1 der zugeführten Leistung als abgestrahlt, keinen Anteil davon.</translation>
    </message>
    <message>
        <source>No temporary folder for nec2c: %1</source>
        <translation>Kein temporärer Ordner für nec2c: %1</translation>
    </message>
    <message>
        <source>Could not write the deck for nec2c: %1</source>
        <translation>Das Kartendeck für nec2c konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; could not be started (%2): install the Debian package nec2c, or name the program in QUERLIN_NEC2C.</source>
        <translation>Das NEC-2-Programm „%1“ konnte nicht gestartet werden (%2): installieren Sie das Debian-Paket nec2c oder nennen Sie das Programm in QUERLIN_NEC2C.</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; did not finish.</source>
        <translation>Das NEC-2-Programm „%1“ wurde nicht fertig.</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; failed (exit status %2)%3</source>
        <translation>Das NEC-2-Programm „%1“ ist gescheitert (Exit-Status %2)%3</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; wrote no output.</source>
        <translation>Das NEC-2-Programm „%1“ schrieb keine Ausgabe.</translation>
    </message>
    <message>
        <source>The output of the NEC-2 engine &apos;%1&apos; holds %2 feed-point impedances where %3 were asked for.</source>
        <translation>Die Ausgabe des NEC-2-Programms „%1“ enthält %2 Speisepunktimpedanzen, verlangt waren %3.</translation>
    </message>
    <message>
        <source>The design cannot be modelled: it needs a positive frequency, length and element.</source>
        <translation>Der Entwurf lässt sich nicht modellieren: er braucht eine positive Frequenz, Länge und Elementstärke.</translation>
    </message>
    <message>
        <source>The design cannot be modelled: the coils must sit inside the antenna.</source>
        <translation>Der Entwurf lässt sich nicht modellieren: die Spulen müssen innerhalb der Antenne sitzen.</translation>
    </message>
    <message>
        <source>The model takes %1 to %2 segments, not %3.</source>
        <translation>Das Modell nimmt %1 bis %2 Segmente, nicht %3.</translation>
    </message>
    <message>
        <source>A coil&apos;s length must be a positive number.</source>
        <translation>Die Länge einer Spule muss eine positive Zahl sein.</translation>
    </message>
    <message>
        <source>The antenna must be above the ground to be modelled.</source>
        <translation>Die Antenne muss über dem Boden liegen, um modelliert zu werden.</translation>
    </message>
    <message>
        <source>A coil&apos;s Q must be a positive number.</source>
        <translation>Die Güte Q einer Spule muss eine positive Zahl sein.</translation>
    </message>
    <message>
        <source>Loaded dipole for %1 MHz, %2 %3 long, element %4 %5</source>
        <translation>Verkürzter Dipol für %1 MHz, %2 %3 lang, Element %4 %5</translation>
    </message>
    <message>
        <source>At %1 MHz it is above a third of its self-resonance of about %2 MHz, where its Q is in doubt.</source>
        <translation>Bei %1 MHz liegt sie über einem Drittel ihrer Eigenresonanz von etwa %2 MHz; dort ist ihre Güte Q zweifelhaft.</translation>
    </message>
    <message>
        <source>Insulation needs a positive thickness and a relative permittivity of 1 or more.</source>
        <translation>Die Isolierung braucht eine positive Dicke und eine relative Permittivität von 1 oder mehr.</translation>
    </message>
    <message>
        <source>The angle between the legs must be more than 0 and at most 180 degrees.</source>
        <translation>Der Winkel zwischen den Schenkeln muss größer als 0 und höchstens 180 Grad sein.</translation>
    </message>
    <message>
        <source>Hung so, the tips would be %1 m (%2 ft) below the ground: the apex must be higher or the legs less steep.</source>
        <translation>So aufgehängt lägen die Enden %1 m (%2 ft) unter dem Boden: die Spitze muss höher oder die Schenkel flacher sein.</translation>
    </message>
    <message>
        <source>The coils are modelled as pure inductances. A coil as wound acts as more, its self-capacitance across its winding: one twice as long as its inch across (Medhurst&apos;s %1 pF) as %2 % more at %3 MHz. --coil-diameter, --coil-length and --coil-wire model the coil to wind.</source>
        <translation>Die Spulen sind als reine Induktivitäten modelliert. Eine gewickelte Spule wirkt als mehr, ihre Eigenkapazität liegt über ihrer Wicklung: eine doppelt so lang wie ihr Zoll Durchmesser (Medhursts %1 pF) als %2 % mehr bei %3 MHz. --coil-diameter, --coil-length und --coil-wire modellieren die zu wickelnde Spule.</translation>
    </message>
    <message>
        <source>The loading coils at %1 % do not fit the former, nor do any farther out.</source>
        <translation>Die Verlängerungsspulen bei %1 % passen nicht auf den Spulenkörper, ebenso wenig alle weiter außen.</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>the coil radius</source>
        <translation>des Spulenradius</translation>
    </message>
    <message>
        <source>nine times the coil radius</source>
        <translation>des neunfachen Spulenradius</translation>
    </message>
    <message>
        <source>ten times the coil length</source>
        <translation>der zehnfachen Spulenlänge</translation>
    </message>
    <message>
        <source>the denominator of the coil formula</source>
        <translation>des Nenners der Spulenformel</translation>
    </message>
    <message>
        <source>the coil radius squared</source>
        <translation>des Quadrats des Spulenradius</translation>
    </message>
    <message>
        <source>the turns squared per microhenry</source>
        <translation>der quadrierten Windungen je Mikrohenry</translation>
    </message>
    <message>
        <source>the turns squared</source>
        <translation>der quadrierten Windungszahl</translation>
    </message>
    <message>
        <source>the number of turns</source>
        <translation>der Windungszahl</translation>
    </message>
    <message>
        <source>the winding length</source>
        <translation>der Wickellänge</translation>
    </message>
    <message>
        <source>the coil position</source>
        <translation>der Spulenposition</translation>
    </message>
    <message>
        <source>the position of the left coil</source>
        <translation>der Position der linken Spule</translation>
    </message>
    <message>
        <source>the position of the right coil</source>
        <translation>der Position der rechten Spule</translation>
    </message>
    <message>
        <source>the length in feet</source>
        <translation>der Länge in Fuß</translation>
    </message>
    <message>
        <source>the element diameter in inches</source>
        <translation>des Elementdurchmessers in Zoll</translation>
    </message>
    <message>
        <source>the length of each half beyond the coil</source>
        <translation>der Länge jeder Hälfte hinter der Spule</translation>
    </message>
    <message>
        <source>the distance from the centre to the coil</source>
        <translation>des Abstands von der Mitte zur Spule</translation>
    </message>
    <message>
        <source>the quarter wavelength</source>
        <translation>der Viertelwellenlänge</translation>
    </message>
    <message>
        <source>the length beyond the coil</source>
        <translation>der Länge hinter der Spule</translation>
    </message>
    <message>
        <source>the scale factor of the inductance</source>
        <translation>des Skalenfaktors der Induktivität</translation>
    </message>
    <message>
        <source>the quarter-wave term</source>
        <translation>des Viertelwellenterms</translation>
    </message>
    <message>
        <source>the coil-position term</source>
        <translation>des Spulenpositionsterms</translation>
    </message>
    <message>
        <source>the outer-section term</source>
        <translation>des Terms des Außenabschnitts</translation>
    </message>
    <message>
        <source>the outer-section length term</source>
        <translation>des Längenterms des Außenabschnitts</translation>
    </message>
    <message>
        <source>the inductance of each loading coil</source>
        <translation>der Induktivität jeder Verlängerungsspule</translation>
    </message>
    <message>
        <source>the coil distance in metres</source>
        <translation>des Spulenabstands in Metern</translation>
    </message>
    <message>
        <source>the antenna impedance</source>
        <translation>der Antennenimpedanz</translation>
    </message>
    <message>
        <source>the impedance ratio of the matching coil</source>
        <translation>des Impedanzverhältnisses der Anpassspule</translation>
    </message>
    <message>
        <source>the reactance of the matching coil</source>
        <translation>der Reaktanz der Anpassspule</translation>
    </message>
    <message>
        <source>the inductance of the matching coil</source>
        <translation>der Induktivität der Anpassspule</translation>
    </message>
</context>
<context>
    <name>Coil</name>
    <message>
        <source>The frequency must be a positive number of MHz.</source>
        <translation>Die Frequenz muss eine positive Zahl in MHz sein.</translation>
    </message>
    <message>
        <source>Medhurst&apos;s self-capacitance covers coils from 0.1 to 50 diameters long, not %1.</source>
        <translation>Medhursts Eigenkapazität gilt für Spulen von 0,1 bis 50 Durchmessern Länge, nicht %1.</translation>
    </message>
    <message>
        <source>At %1 MHz the coil is above its self-resonance of about %2 MHz, no longer an inductor.</source>
        <translation>Bei %1 MHz liegt die Spule über ihrer Eigenresonanz von etwa %2 MHz und ist keine Induktivität mehr.</translation>
    </message>
    <message>
        <source>At %1 MHz the skin depth of copper, %2 inches, is more than a fifth of the wire: the Q estimate needs a thicker wire or a higher frequency.</source>
        <translation>Bei %1 MHz ist die Eindringtiefe von Kupfer, %2 Zoll, mehr als ein Fünftel des Drahts: die Schätzung der Güte braucht dickeren Draht oder eine höhere Frequenz.</translation>
    </message>
    <message>
        <source>The coil&apos;s Q lies beyond what the calculation can hold.</source>
        <translation>Die Güte Q der Spule liegt außerhalb dessen, was die Rechnung fassen kann.</translation>
    </message>
    <message>
        <source>The winding needs a positive number of turns, coil diameter, coil length and wire diameter.</source>
        <translation>Die Wicklung braucht positive Werte für Windungszahl, Spulendurchmesser, Spulenlänge und Drahtdurchmesser.</translation>
    </message>
    <message>
        <source>A winding needs at least one turn, not %1.</source>
        <translation>Eine Wicklung braucht mindestens eine Windung, nicht %1.</translation>
    </message>
    <message>
        <source>A wire as thick as the coil diameter winds no coil.</source>
        <translation>Ein Draht so dick wie der Spulendurchmesser ergibt keine Spule.</translation>
    </message>
    <message>
        <source>The winding&apos;s figures lie beyond what the calculation can hold.</source>
        <translation>Die Werte der Wicklung liegen außerhalb dessen, was die Rechnung fassen kann.</translation>
    </message>
    <message>
        <source>At %1 MHz the loading coil is above a third of its self-resonance of about %2 MHz: it acts as more inductance than its winding&apos;s, with less Q, so the check cannot take its Q.</source>
        <translation>Bei %1 MHz liegt die Verlängerungsspule über einem Drittel ihrer Eigenresonanz von etwa %2 MHz: sie wirkt als größere Induktivität als die ihrer Wicklung, mit geringerer Güte, daher kann die Prüfung ihre Güte Q nicht übernehmen.</translation>
    </message>
    <message>
        <source>The winding does not fit: %1 turns of %2-inch wire need %3 inches, more than the coil length of %4 inches.</source>
        <translation>Die Wicklung passt nicht: %1 Windungen aus %2-Zoll-Draht brauchen %3 Zoll, mehr als die Spulenlänge von %4 Zoll.</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>an invalid operation</source>
        <translation>eine ungültige Operation</translation>
    </message>
    <message>
        <source>an overflow</source>
        <translation>ein Überlauf</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number.</source>
        <translation>„%1“ enthält keine Zahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large.</source>
        <translation>„%1“ ist zu groß.</translation>
    </message>
    <message>
        <source>An overflow occurred while calculating %1.</source>
        <translation>Bei der Berechnung %1 trat ein Überlauf auf.</translation>
    </message>
    <message>
        <source>%1 occurred while calculating %2.</source>
        <translation>%1 trat bei der Berechnung %2 auf.</translation>
    </message>
    <message>
        <source>An invalid argument was given to %1 while calculating %2.</source>
        <translation>Bei der Berechnung %2 erhielt %1 ein ungültiges Argument.</translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation>%1 ist gescheitert.</translation>
    </message>
    <message>
        <source>a logarithm</source>
        <translation>ein Logarithmus</translation>
    </message>
    <message>
        <source>a square root</source>
        <translation>eine Quadratwurzel</translation>
    </message>
    <message>
        <source>access to %1.%2</source>
        <translation>Zugriff auf %1.%2</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Wire from the feed point to the coil</source>
        <translation>Draht vom Speisepunkt zur Spule</translation>
    </message>
    <message>
        <source>Coil, as modelled</source>
        <translation>Spule, wie modelliert</translation>
    </message>
    <message>
        <source>Wire from the coil to the tip</source>
        <translation>Draht von der Spule zum Ende</translation>
    </message>
    <message>
        <source>Each loading coil</source>
        <translation>Jede Verlängerungsspule</translation>
    </message>
    <message>
        <source>Matching coil across the feed point</source>
        <translation>Anpassspule am Speisepunkt</translation>
    </message>
    <message>
        <source>SWR with them</source>
        <translation>SWV mit ihnen</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth with them</source>
        <translation>Bandbreite bis SWV 2:1 mit ihnen</translation>
    </message>
    <message>
        <source>Feed resistance before the matching coil</source>
        <translation>Speisewiderstand vor der Anpassspule</translation>
    </message>
    <message>
        <source>Feed reactance before the matching coil</source>
        <translation>Speisereaktanz vor der Anpassspule</translation>
    </message>
    <message>
        <source>Efficiency of the build</source>
        <translation>Wirkungsgrad des Aufbaus</translation>
    </message>
    <message>
        <source>Turns of each loading coil</source>
        <translation>Windungen jeder Verlängerungsspule</translation>
    </message>
    <message>
        <source>Q of each loading coil</source>
        <translation>Güte jeder Verlängerungsspule</translation>
    </message>
    <message>
        <source>Turns of the matching coil</source>
        <translation>Windungen der Anpassspule</translation>
    </message>
    <message>
        <source>Q of the matching coil</source>
        <translation>Güte der Anpassspule</translation>
    </message>
    <message>
        <source>Rounds until inductance and Q agree</source>
        <translation>Durchläufe, bis Induktivität und Güte übereinstimmen</translation>
    </message>
    <message>
        <source>Resonant frequency</source>
        <translation>Resonanzfrequenz</translation>
    </message>
    <message>
        <source>Off the design frequency by</source>
        <translation>Abweichung von der Designfrequenz</translation>
    </message>
    <message>
        <source>Feed resistance at the design frequency</source>
        <translation>Speisewiderstand bei der Designfrequenz</translation>
    </message>
    <message>
        <source>Feed reactance at the design frequency</source>
        <translation>Speisereaktanz bei der Designfrequenz</translation>
    </message>
    <message>
        <source>Each coil for resonance at the design frequency</source>
        <translation>Jede Spule für Resonanz bei der Designfrequenz</translation>
    </message>
    <message>
        <source>SWR at the design frequency</source>
        <translation>SWV bei der Designfrequenz</translation>
    </message>
    <message>
        <source>SWR with the matching coil</source>
        <translation>SWV mit der Anpassspule</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth</source>
        <translation>Bandbreite bis SWV 2:1</translation>
    </message>
    <message>
        <source>Efficiency, made resonant</source>
        <translation>Wirkungsgrad, in Resonanz gebracht</translation>
    </message>
    <message>
        <source>Measured resonance</source>
        <translation>Gemessene Resonanz</translation>
    </message>
    <message>
        <source>Resistance there</source>
        <translation>Widerstand dort</translation>
    </message>
    <message>
        <source>Lowest SWR</source>
        <translation>Niedrigstes SWV</translation>
    </message>
    <message>
        <source>Lowest SWR at</source>
        <translation>Niedrigstes SWV bei</translation>
    </message>
    <message>
        <source>The design&apos;s resonance, by NEC-2</source>
        <translation>Resonanz des Entwurfs, nach NEC-2</translation>
    </message>
    <message>
        <source>Change to each tip</source>
        <translation>Änderung an jedem Ende</translation>
    </message>
    <message>
        <source>Or to each coil</source>
        <translation>Oder an jeder Spule</translation>
    </message>
    <message>
        <source>Coils&apos; Q, an estimate</source>
        <translation>Güte der Spulen, geschätzt</translation>
    </message>
    <message>
        <source>Efficiency, an estimate</source>
        <translation>Wirkungsgrad, geschätzt</translation>
    </message>
    <message>
        <source>Or to each coil&apos;s turns</source>
        <translation>Oder an den Windungen jeder Spule</translation>
    </message>
    <message>
        <source>Each loading coil on an LCR meter</source>
        <translation>Jede Verlängerungsspule am LCR-Messgerät</translation>
    </message>
    <message>
        <source>Matching coil on an LCR meter</source>
        <translation>Anpassspule am LCR-Messgerät</translation>
    </message>
    <message>
        <source>Height of each tip over the ground</source>
        <translation>Höhe jedes Endes über dem Boden</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>INPUT FREQUENCY</source>
        <translation>FREQUENZ EINGEBEN</translation>
    </message>
    <message>
        <source>INPUT TOTAL LENGTH</source>
        <translation>GESAMTLÄNGE EINGEBEN</translation>
    </message>
    <message>
        <source>INPUT ELEMENT SIZE</source>
        <translation>ELEMENTSTÄRKE EINGEBEN</translation>
    </message>
    <message>
        <source>INPUT FEEDLINE IMPEDANCE</source>
        <translation>IMPEDANZ DER SPEISELEITUNG</translation>
    </message>
    <message>
        <source>FEET</source>
        <translation>FUSS</translation>
    </message>
    <message>
        <source>INCHES</source>
        <translation>ZOLL</translation>
    </message>
    <message>
        <source>METERS</source>
        <translation>METER</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>QUERLIN        by      ORVANE</source>
        <translation>QUERLIN        von      ORVANE</translation>
    </message>
    <message>
        <source>SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL<byte value="xd"/>
</source>
        <translation>SCHIEBEN: ABSTAND VON DER MITTE BIS ZUM SPULENANFANG
</translation>
    </message>
    <message>
        <source>METRIC</source>
        <translation>METRISCH</translation>
    </message>
    <message>
        <source>The coil will be</source>
        <translation>Die Spule sitzt</translation>
    </message>
    <message>
        <source>from the center</source>
        <translation>von der Mitte</translation>
    </message>
    <message>
        <source>AWG WIRE SIZES</source>
        <translation>AWG-TABELLE</translation>
    </message>
    <message>
        <source>READ ME FIRST</source>
        <translation>ZUERST LESEN</translation>
    </message>
    <message>
        <source>Loading coils will be</source>
        <translation>Verlängerungsspulen je</translation>
    </message>
    <message>
        <source>mHYs</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>DESIGN COILS</source>
        <translation>SPULEN BERECHNEN</translation>
    </message>
    <message>
        <source>Antenna Impedance is approximately</source>
        <translation>Antennenimpedanz beträgt etwa</translation>
    </message>
    <message>
        <source>OHMS</source>
        <translation>OHM</translation>
    </message>
    <message>
        <source>Matching coil is</source>
        <translation>Anpassspule</translation>
    </message>
    <message>
        <source>WEBSITE</source>
        <translation>WEBSEITE</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>BERECHNEN</translation>
    </message>
    <message>
        <source>ohms</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>DESIGN COIL</source>
        <translation>SPULE BERECHNEN</translation>
    </message>
    <message>
        <source>Antenna drawing</source>
        <translation>Antennenzeichnung</translation>
    </message>
    <message>
        <source>The dipole, fed at its centre; the coil symbols show where the loading coils sit along each half.</source>
        <translation>Der in der Mitte gespeiste Dipol; die Spulensymbole zeigen, wo die Verlängerungsspulen auf jeder Hälfte sitzen.</translation>
    </message>
    <message>
        <source>Left loading coil</source>
        <translation>Linke Verlängerungsspule</translation>
    </message>
    <message>
        <source>Coil symbol on the left half of the antenna.</source>
        <translation>Spulensymbol auf der linken Antennenhälfte.</translation>
    </message>
    <message>
        <source>Right loading coil</source>
        <translation>Rechte Verlängerungsspule</translation>
    </message>
    <message>
        <source>Coil symbol on the right half of the antenna.</source>
        <translation>Spulensymbol auf der rechten Antennenhälfte.</translation>
    </message>
    <message>
        <source>Separator bar</source>
        <translation>Trennbalken</translation>
    </message>
    <message>
        <source>between the inputs and the loading coils</source>
        <translation>zwischen den Eingaben und den Verlängerungsspulen</translation>
    </message>
    <message>
        <source>between the loading coils and the matching coil</source>
        <translation>zwischen den Verlängerungsspulen und der Anpassspule</translation>
    </message>
    <message>
        <source>banner</source>
        <translation>Titelzeile</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>lengths in metres, diameters in millimetres</source>
        <translation>Längen in Metern, Durchmesser in Millimetern</translation>
    </message>
    <message>
        <source>lengths in feet, diameters in inches</source>
        <translation>Längen in Fuß, Durchmesser in Zoll</translation>
    </message>
    <message>
        <source>works out the loading coils</source>
        <translation>berechnet die Verlängerungsspulen</translation>
    </message>
    <message>
        <source>works out the matching coil</source>
        <translation>berechnet die Anpassspule</translation>
    </message>
    <message>
        <source>opens the coil window</source>
        <translation>öffnet das Spulenfenster</translation>
    </message>
    <message>
        <source>opens the notes</source>
        <translation>öffnet die Hinweise</translation>
    </message>
    <message>
        <source>opens the link to the author&apos;s web page</source>
        <translation>öffnet den Link zur Webseite des Autors</translation>
    </message>
    <message>
        <source>FEET</source>
        <comment>the unit after a length: The coil will be 10 FEET</comment>
        <translation>FUSS</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>MICROHENRYS</source>
        <translation>MIKROHENRY</translation>
    </message>
    <message>
        <source>COIL DIAMETER</source>
        <translation>DURCHMESSER</translation>
    </message>
    <message>
        <source>COIL LENGTH</source>
        <translation>SPULENLÄNGE</translation>
    </message>
    <message>
        <source>WIRE DECIMAL</source>
        <translation>DRAHT DEZIMAL</translation>
    </message>
    <message>
        <source> THIS WILL FIT BUT YOU MAY WANT TO TRY A SHORTER COIL OR LARGER DIAMETER WIRE</source>
        <translation> DAS PASST, ABER VERSUCHEN SIE EVENTUELL EINE KÜRZERE SPULE ODER DICKEREN DRAHT</translation>
    </message>
    <message>
        <source> THIS COIL IS TOO SMALL YOU MAY WISH TO TRY A LARGER COIL OR SMALLER DIAMETER WIRE</source>
        <translation> DIESE SPULE IST ZU KLEIN, VERSUCHEN SIE EINE GRÖSSERE SPULE ODER DÜNNEREN DRAHT</translation>
    </message>
    <message>
        <source>COILS</source>
        <translation>SPULEN</translation>
    </message>
    <message>
        <source>The most efficient coils have a high Q factor.Use the largest wire possible with <byte value="xd"/>
close winding. The coil should be no more than  twice as long as the diameter.<byte value="xd"/>
</source>
        <translation>Die effizientesten Spulen haben eine hohe Güte Q. Nehmen Sie dicken Draht,
eng gewickelt. Die Spule sollte höchstens doppelt so lang wie dick sein.
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
#   ZOLL  MM
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
        <translation>MIKROHENRY und SPULEN-
DURCHMESSER (DEZIMALZOLL)
AUCH DÜNNES ROHR GEHT
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
        <translation>DURCHMESSER
BRUCH        DEZIMAL    CM
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
        <translation>EMPFOHLENE WINDUNGSZAHL</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>BERECHNEN</translation>
    </message>
    <message>
        <source>Advice on coils</source>
        <translation>Rat zu Spulen</translation>
    </message>
    <message>
        <source>Wire gauge table</source>
        <translation>Drahtstärkentabelle</translation>
    </message>
    <message>
        <source>one gauge a line: its number, its diameter in inches and in millimetres</source>
        <translation>eine Drahtstärke je Zeile: ihre Nummer, ihr Durchmesser in Zoll und in Millimetern</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Tubing diameter table</source>
        <translation>Rohrdurchmessertabelle</translation>
    </message>
    <message>
        <source>one size a line: the diameter as a fraction of an inch, in decimal inches and in centimetres</source>
        <translation>eine Größe je Zeile: der Durchmesser als Zollbruch, in Dezimalzoll und in Zentimetern</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>works out the number of turns</source>
        <translation>berechnet die Windungszahl</translation>
    </message>
    <message>
        <source>Advice on the winding</source>
        <translation>Rat zur Wicklung</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>NOTES</source>
        <translation>HINWEISE</translation>
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
        <translation>PUNKTE
1   QUERLIN SIND NICHT SO EFFIZIENT WIE VOLLE DIPOLE
2   SIE SIND SCHMALBANDIGER
3   DIE SPULEN SITZEN AM BESTEN BEI ETWA 50% DES WEGES
     VON DER MITTE. ZU WEIT INNEN BEGRENZT DEN STROM, ZU
     WEIT AUSSEN DIE SPANNUNG, UND DIE SPULEN WERDEN GROSS.
4  NAHE GEGENSTÄNDE VERLÄNGERN DIE ANTENNE KAPAZITIV.
    BESSER LÄNGER BAUEN ALS BERECHNET UND DIE ENDEN
    KÜRZEN, ALS DIE INDUKTIVITÄT DER FERTIGEN SPULE ZU
    ERHÖHEN.
</translation>
    </message>
    <message>
        <source>THE ANTENNA MAY BE MATCHED BY STUB, HAIRPIN OR EVEN A DELTA OR GAMMA<byte value="xd"/>
IF YOU USE THE MATCHING COIL, THE ANTENNA IS LIMITED TO THE DESIGN FREQUENCY<byte value="xd"/>
LARGER MATCHING INDUCTORS CAN BE USED WITH VARIABLE CAPACITORS TO ALLOW<byte value="xd"/>
TUNING WITHIN THE BAND OR FOR MULTIPLE BANDS.<byte value="xd"/>
</source>
        <translation>ANPASSUNG AUCH MIT STUB, HAARNADEL ODER SOGAR DELTA ODER GAMMA
MIT DER ANPASSSPULE IST DIE ANTENNE AUF DIE DESIGNFREQUENZ BESCHRÄNKT
GRÖSSERE ANPASSSPULEN MIT DREHKONDENSATOREN ERLAUBEN DAS ABSTIMMEN
IM BAND ODER AUF MEHREREN BÄNDERN.
</translation>
    </message>
    <message>
        <source>IF YOU GET A NEGATIVE NUMBER FOR THE MATCHING COIL, THEN THE <byte value="xd"/>
ANTENNA IS LONGER THAN YOU REQUIRE FOR THAT FREQUENCY. THE <byte value="xd"/>
ANTENNA MAY BE TUNED WITH VARIABLE CAPACITORS.  <byte value="xd"/>
</source>
        <translation>IST DER WERT DER ANPASSSPULE NEGATIV, DANN IST DIE
ANTENNE FÜR DIESE FREQUENZ LÄNGER ALS NÖTIG. SIE
KANN MIT DREHKONDENSATOREN ABGESTIMMT WERDEN.
</translation>
    </message>
    <message>
        <source>Points on shortened dipoles</source>
        <translation>Punkte zu verkürzten Dipolen</translation>
    </message>
    <message>
        <source>Ways to match the antenna</source>
        <translation>Wege zur Anpassung der Antenne</translation>
    </message>
    <message>
        <source>A negative matching coil</source>
        <translation>Eine negative Anpassspule</translation>
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
        <translation>%1 Zoll (%2 ft)</translation>
    </message>
    <message>
        <source>The model of the design resonates nowhere near %1 MHz: nothing to compare with.</source>
        <translation>Das Modell des Entwurfs ist nirgends nahe %1 MHz in Resonanz: nichts zu vergleichen.</translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the resonance to %3 MHz.</source>
        <translation>Jedes Ende: %2 %1, um die Resonanz auf %3 MHz zu bringen.</translation>
    </message>
    <message>
        <source>fold back</source>
        <translation>zurückfalten</translation>
    </message>
    <message>
        <source>lengthen by</source>
        <translation>verlängern</translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the resonance to %1 MHz.</source>
        <translation>Jedes Ende: das Modell findet keine Länge, die die Resonanz auf %1 MHz bringt.</translation>
    </message>
    <message>
        <source>Or each coil: %1 %2 uH (%3 to %4 uH).</source>
        <translation>Oder jede Spule: %2 uH %1 (%3 auf %4 uH).</translation>
    </message>
    <message>
        <source>take off</source>
        <translation>wegnehmen</translation>
    </message>
    <message>
        <source>add</source>
        <translation>hinzufügen</translation>
    </message>
    <message>
        <source>On that former: %1 %2 turns (%3 to %4 turns)%5.</source>
        <translation>Auf diesem Spulenkörper: %2 Windungen %1 (%3 auf %4 Windungen)%5.</translation>
    </message>
    <message>
        <source>unwind</source>
        <translation>abwickeln</translation>
    </message>
    <message>
        <source>wind on</source>
        <translation>aufwickeln</translation>
    </message>
    <message>
        <source>, which do not fit its length</source>
        <translation>, die nicht auf seine Länge passen</translation>
    </message>
    <message>
        <source>Or each coil: the model finds no inductance that does.</source>
        <translation>Oder jede Spule: das Modell findet keine Induktivität, die das leistet.</translation>
    </message>
    <message>
        <source>An estimate: the resonance is as sharp as the model&apos;s with coils of Q %1, with which it radiates %2 % of the power put in.</source>
        <translation>Eine Schätzung: die Resonanz ist so scharf wie die des Modells mit Spulen der Güte %1, womit es %2 % der zugeführten Leistung abstrahlt.</translation>
    </message>
    <message>
        <source>In the model %1 more on each tip %2 the resonance by %3 kHz; the rule for full-size dipoles says %4 kHz.</source>
        <translation>Im Modell %2 %1 mehr an jedem Ende die Resonanz um %3 kHz; die Regel für volle Dipole sagt %4 kHz.</translation>
    </message>
    <message>
        <source>1 cm</source>
        <translation>1 cm</translation>
    </message>
    <message>
        <source>an inch</source>
        <translation>ein Zoll</translation>
    </message>
    <message>
        <source>lowers</source>
        <translation>senkt</translation>
    </message>
    <message>
        <source>raises</source>
        <translation>hebt</translation>
    </message>
    <message>
        <source>SWR on the %1-ohm line</source>
        <translation>SWV auf der %1-Ohm-Leitung</translation>
    </message>
    <message>
        <source>, resistance and reactance</source>
        <translation>, Widerstand und Reaktanz</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>: measured, and the design as NEC-2 models it</source>
        <translation>: gemessen, und der Entwurf, wie NEC-2 ihn modelliert</translation>
    </message>
    <message>
        <source>The design, by NEC-2</source>
        <translation>Der Entwurf, nach NEC-2</translation>
    </message>
    <message>
        <source>the reactance does not rise through zero anywhere from %1 to %2 MHz: the sweep holds no resonance; sweep more widely around it.</source>
        <translation>die Reaktanz geht zwischen %1 und %2 MHz nirgends steigend durch null: der Sweep enthält keine Resonanz; messen Sie breiter um sie herum.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the frequency must be a positive number that a sweep can hold, not %1 MHz.</source>
        <translation>die Frequenz muss eine positive Zahl sein, die ein Sweep fassen kann, nicht %1 MHz.</translation>
    </message>
    <message>
        <source>these values give no finite impedance (an open circuit, or numbers out of range).</source>
        <translation>diese Werte ergeben keine endliche Impedanz (ein Leerlauf oder Zahlen außerhalb des Bereichs).</translation>
    </message>
    <message>
        <source>the frequency %1 MHz does not rise above the %2 MHz before it: a sweep&apos;s frequencies must rise.</source>
        <translation>die Frequenz %1 MHz liegt nicht über den %2 MHz davor: die Frequenzen eines Sweeps müssen steigen.</translation>
    </message>
    <message>
        <source>more than %1 frequencies, more than any analyser sweeps.</source>
        <translation>mehr als %1 Frequenzen, mehr als jeder Analysator misst.</translation>
    </message>
    <message>
        <source>no sweep: the file holds no line of data.</source>
        <translation>kein Sweep: die Datei enthält keine Datenzeile.</translation>
    </message>
    <message>
        <source>one frequency only: a sweep needs at least two to find anything.</source>
        <translation>nur eine Frequenz: ein Sweep braucht mindestens zwei, um etwas zu finden.</translation>
    </message>
    <message>
        <source>a zero byte: this is no text file (a file saved as UTF-16 must be saved as plain text or UTF-8).</source>
        <translation>ein Nullbyte: dies ist keine Textdatei (eine als UTF-16 gespeicherte Datei muss als reiner Text oder UTF-8 gespeichert werden).</translation>
    </message>
    <message>
        <source>no such file.</source>
        <translation>keine solche Datei.</translation>
    </message>
    <message>
        <source>not a file that holds a measurement.</source>
        <translation>keine Datei, die eine Messung enthält.</translation>
    </message>
    <message>
        <source>a file of %1 ports; an antenna&apos;s feed point is measured as one port, a .s1p file.</source>
        <translation>eine Datei mit %1 Toren; der Speisepunkt einer Antenne wird als ein Tor gemessen, eine .s1p-Datei.</translation>
    </message>
    <message>
        <source>larger than %1 MB, more than any analyser&apos;s sweep.</source>
        <translation>größer als %1 MB, mehr als der Sweep jedes Analysators.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <source>no column is named as the frequency; a CSV measurement begins with a header row such as %1.</source>
        <translation>keine Spalte ist als Frequenz benannt; eine CSV-Messung beginnt mit einer Kopfzeile wie %1.</translation>
    </message>
    <message>
        <source>no columns are named as the reflection coefficient&apos;s real and imaginary parts or as the resistance and reactance, as in %1.</source>
        <translation>keine Spalten sind als Real- und Imaginärteil des Reflexionsfaktors oder als Widerstand und Reaktanz benannt, wie in %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the column &apos;%2&apos; is not a number.</source>
        <translation>„%1“ in der Spalte „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 fields where the columns read need %2.</source>
        <translation>%1 Felder, wo die gelesenen Spalten %2 brauchen.</translation>
    </message>
    <message>
        <source>%1 repeats a part of the option line, which reads %2.</source>
        <translation>%1 wiederholt einen Teil der Optionszeile, die so lautet: %2.</translation>
    </message>
    <message>
        <source>R must be followed by the reference resistance in ohms, a positive number.</source>
        <translation>Auf R muss der Bezugswiderstand in Ohm folgen, eine positive Zahl.</translation>
    </message>
    <message>
        <source>%1 parameters describe two ports; an antenna&apos;s feed point is one: S, Y or Z.</source>
        <translation>%1-Parameter beschreiben zwei Tore; der Speisepunkt einer Antenne ist eines: S, Y oder Z.</translation>
    </message>
    <message>
        <source>%1 is no part of an option line, which reads %2.</source>
        <translation>%1 ist kein Teil einer Optionszeile, die so lautet: %2.</translation>
    </message>
    <message>
        <source>%1 is a keyword of Touchstone version 2; save the measurement as version 1.</source>
        <translation>%1 ist ein Schlüsselwort von Touchstone Version 2; speichern Sie die Messung als Version 1.</translation>
    </message>
    <message>
        <source>data before the option line: a Touchstone file says first what its numbers are, as in %1.</source>
        <translation>Daten vor der Optionszeile: eine Touchstone-Datei sagt zuerst, was ihre Zahlen sind, wie in %1.</translation>
    </message>
    <message>
        <source>%1 numbers where one port&apos;s line holds three: the frequency and two for the parameter.</source>
        <translation>%1 Zahlen, wo die Zeile eines Tors drei enthält: die Frequenz und zwei für den Parameter.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>no option line and no data: a Touchstone file holds an option line such as %1 and a line for each frequency.</source>
        <translation>keine Optionszeile und keine Daten: eine Touchstone-Datei enthält eine Optionszeile wie %1 und eine Zeile je Frequenz.</translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the lowest SWR with the matching coil to %3 MHz.</source>
        <translation>Jedes Ende: %2 %1, um das niedrigste SWV mit der Anpassspule auf %3 MHz zu bringen.</translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the lowest SWR with the matching coil to %1 MHz.</source>
        <translation>Jedes Ende: das Modell findet keine Länge, die das niedrigste SWV mit der Anpassspule auf %1 MHz bringt.</translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>The best position, %1 %</source>
        <translation>Die beste Position, %1 %</translation>
    </message>
    <message>
        <source>Each loading coil by the formula and as built to match the line by NEC-2, and what the build gives</source>
        <translation>Jede Verlängerungsspule nach der Formel und wie nach NEC-2 zur Anpassung an die Leitung gebaut, und was der Aufbau ergibt</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and as NEC-2 needs it, and where each design resonates</source>
        <translation>Die Induktivität jeder Spule nach der Formel und wie NEC-2 sie braucht, und wo jeder Entwurf in Resonanz ist</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula</source>
        <translation>Die Induktivität jeder Spule nach der Formel</translation>
    </message>
    <message>
        <source>Coil inductance (µH)</source>
        <translation>Spuleninduktivität (µH)</translation>
    </message>
    <message>
        <source>By the formula</source>
        <translation>Nach der Formel</translation>
    </message>
    <message>
        <source>For resonance at %1 MHz, by NEC-2</source>
        <translation>Für Resonanz bei %1 MHz, nach NEC-2</translation>
    </message>
    <message>
        <source>As built, by NEC-2</source>
        <translation>Wie gebaut, nach NEC-2</translation>
    </message>
    <message>
        <source>The worked position, %1 %</source>
        <translation>Die berechnete Position, %1 %</translation>
    </message>
    <message>
        <source>Resonance (MHz)</source>
        <translation>Resonanz (MHz)</translation>
    </message>
    <message>
        <source>Resonance as built, by NEC-2</source>
        <translation>Resonanz wie gebaut, nach NEC-2</translation>
    </message>
    <message>
        <source>Target, %1 MHz</source>
        <translation>Ziel, %1 MHz</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Wirkungsgrad (%)</translation>
    </message>
    <message>
        <source>Efficiency as matched, by NEC-2</source>
        <translation>Wirkungsgrad angepasst, nach NEC-2</translation>
    </message>
    <message>
        <source>Bandwidth (kHz)</source>
        <translation>Bandbreite (kHz)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth as matched, by NEC-2</source>
        <translation>Bandbreite bis SWV 2:1 angepasst, nach NEC-2</translation>
    </message>
    <message>
        <source>Coil position (% of half the antenna, from the centre)</source>
        <translation>Spulenposition (% der halben Antenne, von der Mitte)</translation>
    </message>
    <message>
        <source>SWR</source>
        <translation>SWV</translation>
    </message>
    <message>
        <source>Design frequency, %1 MHz</source>
        <translation>Designfrequenz, %1 MHz</translation>
    </message>
    <message>
        <source>Impedance (ohms)</source>
        <translation>Impedanz (Ohm)</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Reactance</source>
        <translation>Reaktanz</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>opening the web page</source>
        <translation>das Öffnen der Webseite</translation>
    </message>
</context>
<context>
    <name>querlin</name>
    <message>
        <source>The antenna is as long as or longer than a resonant dipole at %1 MHz, so it needs no loading coil (the formula gives %2 µH).</source>
        <translation>Die Antenne ist so lang wie ein resonanter Dipol bei %1 MHz oder länger und braucht daher keine Verlängerungsspule (die Formel ergibt %2 µH).</translation>
    </message>
    <message>
        <source>With %1 the length is in metres and the element in millimetres: if they are in feet and inches, leave out %1.</source>
        <translation>Mit %1 ist die Länge in Metern und das Element in Millimetern: sind sie in Fuß und Zoll, %1 weglassen.</translation>
    </message>
    <message>
        <source>Without %1 the length is in feet and the element in inches: if they are in metres and millimetres, give %1.</source>
        <translation>Ohne %1 ist die Länge in Fuß und das Element in Zoll: sind sie in Metern und Millimetern, %1 angeben.</translation>
    </message>
</context>
<context>
    <name>querlin-calc</name>
    <message>
        <source>No position gives a build with an efficiency.</source>
        <translation>Keine Position ergibt einen Aufbau mit einem Wirkungsgrad.</translation>
    </message>
    <message>
        <source>winding inductance: %1 uH, by Nagaoka&apos;s coefficient and Rosa&apos;s round-wire corrections</source>
        <translation>Induktivität der Wicklung: %1 uH, nach Nagaokas Koeffizient und Rosas Runddrahtkorrekturen</translation>
    </message>
    <message>
        <source>difference from the wanted inductance: %1 %</source>
        <translation>Abweichung von der gewünschten Induktivität: %1 %</translation>
    </message>
    <message>
        <source>wire length: %1 inches (%2 m)</source>
        <translation>Drahtlänge: %1 Zoll (%2 m)</translation>
    </message>
    <message>
        <source>Q at %2 MHz: %1</source>
        <translation>Güte bei %2 MHz: %1</translation>
    </message>
    <message>
        <source>self-resonance: about %1 MHz</source>
        <translation>Eigenresonanz: etwa %1 MHz</translation>
    </message>
    <message>
        <source>reactance at %2 MHz: %1 ohms</source>
        <translation>Reaktanz bei %2 MHz: %1 Ohm</translation>
    </message>
    <message>
        <source>warning: %1 MHz is above a third of the self-resonance, where the coil acts as more inductance than its winding&apos;s, with less Q</source>
        <translation>Warnung: %1 MHz liegt über einem Drittel der Eigenresonanz, wo die Spule als größere Induktivität als die ihrer Wicklung wirkt, mit geringerer Güte</translation>
    </message>
    <message>
        <source>--frequency takes a number of MHz, not &apos;%1&apos;.</source>
        <translation>--frequency nimmt eine Zahl in MHz, nicht „%1“.</translation>
    </message>
    <message>
        <source>--%1 cannot be a line of a batch.</source>
        <translation>--%1 kann keine Zeile eines Stapels sein.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not --%1.</source>
        <translation>--batch nimmt seine Befehle von der Standardeingabe, nicht --%1.</translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not &apos;%1&apos;.</source>
        <translation>--batch nimmt seine Befehle von der Standardeingabe, nicht „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Mehr mit „%1 --help“.</translation>
    </message>
    <message>
        <source>where the two loading coils go and how large they are</source>
        <translation>wohin die beiden Verlängerungsspulen kommen und wie groß sie sind</translation>
    </message>
    <message>
        <source>The main window&apos;s upper CALCULATE: prints the distance from the centre to each loading coil (feet, or metres with --metric), the inductance of each coil in microhenries and the approximate feed-point impedance in ohms. --sweep tabulates every position as CSV, from 1 % (coils next to the feed point) to 99 % (near the tips); --check adds what the NEC-2 engine says of each, and --plot draws the table as a picture in place of printing it.</source>
        <translation>Das obere BERECHNEN des Hauptfensters: gibt den Abstand von der Mitte zu jeder Verlängerungsspule aus (Fuß, oder Meter mit --metric), die Induktivität jeder Spule in Mikrohenry und die ungefähre Speisepunktimpedanz in Ohm. --sweep tabelliert jede Position als CSV, von 1 % (Spulen neben dem Speisepunkt) bis 99 % (nahe den Enden); --check fügt hinzu, was das NEC-2-Programm zu jeder sagt, und --plot zeichnet die Tabelle als Bild, statt sie auszugeben.</translation>
    </message>
    <message>
        <source>the same, and the matching coil across the feed point</source>
        <translation>dasselbe, und die Anpassspule am Speisepunkt</translation>
    </message>
    <message>
        <source>The main window&apos;s lower CALCULATE: prints what dipole prints, then the inductance of the shunt coil across the feed point that matches the antenna to the feed line, in microhenries.</source>
        <translation>Das untere BERECHNEN des Hauptfensters: gibt aus, was dipole ausgibt, dann die Induktivität der Parallelspule am Speisepunkt, die die Antenne an die Speiseleitung anpasst, in Mikrohenry.</translation>
    </message>
    <message>
        <source>the turns of a loading coil, and the coil as wound</source>
        <translation>die Windungen einer Verlängerungsspule, und die Spule wie gewickelt</translation>
    </message>
    <message>
        <source>the design as a NEC-2 card deck</source>
        <translation>der Entwurf als NEC-2-Kartendeck</translation>
    </message>
    <message>
        <source>Writes the design as a NEC-2 card deck: the straight centre-fed wire, the source on a segment of its own at the centre, each loading coil of the computed inductance a wire of its own, 1/81 of the antenna long (shorter near the centre or a tip), centred at the computed distance, and a sweep from 10 % below to 10 % above the design frequency, with comment cards naming the design.</source>
        <translation>Schreibt den Entwurf als NEC-2-Kartendeck: den geraden, mittig gespeisten Draht, die Quelle auf einem eigenen Segment in der Mitte, jede Verlängerungsspule der berechneten Induktivität als eigener Draht, 1/81 der Antenne lang (kürzer nahe der Mitte oder einem Ende), zentriert im berechneten Abstand, und einen Sweep von 10 % unter bis 10 % über der Designfrequenz, mit Kommentarkarten, die den Entwurf nennen.</translation>
    </message>
    <message>
        <source>the design modelled in nec2c: its resonance, impedance and SWR</source>
        <translation>der Entwurf in nec2c modelliert: Resonanz, Impedanz und SWV</translation>
    </message>
    <message>
        <source>what to build instead: the coils that match the feed line</source>
        <translation>was stattdessen zu bauen ist: die Spulen, die an die Speiseleitung anpassen</translation>
    </message>
    <message>
        <source>an analyser&apos;s sweep of the antenna, and how to tune it</source>
        <translation>der Sweep eines Analysators an der Antenne, und wie man sie abstimmt</translation>
    </message>
    <message>
        <source>Reads an antenna analyser&apos;s sweep of the feed point, a Touchstone version 1 .s1p file or a CSV file, and prints the resonance, the resistance there, the lowest SWR on the feed line and the 2:1 bandwidth. Given the design, it also says how much to change each tip, or instead each coil, to bring the resonance to the design frequency, found with nec2c, and estimates the coils&apos; Q and the efficiency from the resonance&apos;s sharpness; with the former the coils are wound on, the turns to wind on or unwind. --plot draws the sweep&apos;s SWR, resistance and reactance against frequency, with the design the model&apos;s beside them.</source>
        <translation>Liest den Sweep eines Antennenanalysators am Speisepunkt, eine Touchstone-Datei Version 1 (.s1p) oder eine CSV-Datei, und gibt die Resonanz aus, den Widerstand dort, das niedrigste SWV auf der Speiseleitung und die Bandbreite bis 2:1. Mit dem Entwurf sagt es auch, wie viel an jedem Ende oder stattdessen an jeder Spule zu ändern ist, um die Resonanz auf die Designfrequenz zu bringen, mit nec2c gefunden, und schätzt die Güte der Spulen und den Wirkungsgrad aus der Schärfe der Resonanz; mit dem Spulenkörper, auf den die Spulen gewickelt sind, die auf- oder abzuwickelnden Windungen. --plot zeichnet SWV, Widerstand und Reaktanz des Sweeps über der Frequenz, mit dem Entwurf die des Modells daneben.</translation>
    </message>
    <message>
        <source>The operating frequency, in MHz.</source>
        <translation>Die Betriebsfrequenz in MHz.</translation>
    </message>
    <message>
        <source>The design frequency, in MHz: the resonance nearest it is read (without it, the one nearest the lowest SWR).</source>
        <translation>Die Designfrequenz in MHz: die Resonanz, die ihr am nächsten liegt, wird gelesen (ohne sie die nächste am niedrigsten SWV).</translation>
    </message>
    <message>
        <source>The total length of the antenna, tip to tip, in feet (metres with --metric).</source>
        <translation>Die Gesamtlänge der Antenne, Ende zu Ende, in Fuß (Meter mit --metric).</translation>
    </message>
    <message>
        <source>The design&apos;s total length, in feet (metres with --metric); with --frequency, --element and --position.</source>
        <translation>Die Gesamtlänge des Entwurfs in Fuß (Meter mit --metric); mit --frequency, --element und --position.</translation>
    </message>
    <message>
        <source>The element diameter, in inches (millimetres with --metric).</source>
        <translation>Der Elementdurchmesser in Zoll (Millimeter mit --metric).</translation>
    </message>
    <message>
        <source>The design&apos;s element diameter, in inches (millimetres with --metric).</source>
        <translation>Der Elementdurchmesser des Entwurfs in Zoll (Millimeter mit --metric).</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99.</source>
        <translation>Der Abstand von der Mitte zu jeder Spule in Prozent der halben Antenne, das %-Feld des Fensters: eine ganze Zahl von 1 bis 99.</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99. With --sweep only with --plot, which marks it.</source>
        <translation>Der Abstand von der Mitte zu jeder Spule in Prozent der halben Antenne, das %-Feld des Fensters: eine ganze Zahl von 1 bis 99. Mit --sweep nur mit --plot, das ihn markiert.</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, a whole number from 1 to 99; or best, the position of highest efficiency, which needs the coils&apos; loss. With --sweep only with --plot, which marks it.</source>
        <translation>Der Abstand von der Mitte zu jeder Spule in Prozent der halben Antenne, eine ganze Zahl von 1 bis 99; oder best, die Position mit dem höchsten Wirkungsgrad, die den Verlust der Spulen braucht. Mit --sweep nur mit --plot, das ihn markiert.</translation>
    </message>
    <message>
        <source>The design&apos;s coil position, per cent, 1 to 99.</source>
        <translation>Die Spulenposition des Entwurfs in Prozent, 1 bis 99.</translation>
    </message>
    <message>
        <source>The length is in metres and the element diameter in millimetres; the coil distance is printed in metres.</source>
        <translation>Die Länge ist in Metern und der Elementdurchmesser in Millimetern; der Spulenabstand wird in Metern ausgegeben.</translation>
    </message>
    <message>
        <source>The design&apos;s length is in metres and its element diameter in millimetres; the tip change is printed in metres.</source>
        <translation>Die Länge des Entwurfs ist in Metern und sein Elementdurchmesser in Millimetern; die Änderung der Enden wird in Metern ausgegeben.</translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms.</source>
        <translation>Die Impedanz der Speiseleitung in Ohm.</translation>
    </message>
    <message>
        <source>The wanted inductance, in microhenries.</source>
        <translation>Die gewünschte Induktivität in Mikrohenry.</translation>
    </message>
    <message>
        <source>The coil diameter, in inches, from wire centre to wire centre: a former&apos;s diameter plus one wire diameter.</source>
        <translation>Der Spulendurchmesser in Zoll, von Drahtmitte zu Drahtmitte: der Durchmesser des Spulenkörpers plus ein Drahtdurchmesser.</translation>
    </message>
    <message>
        <source>The coil length, in inches.</source>
        <translation>Die Spulenlänge in Zoll.</translation>
    </message>
    <message>
        <source>The wire diameter, in inches.</source>
        <translation>Der Drahtdurchmesser in Zoll.</translation>
    </message>
    <message>
        <source>With --details: the frequency the coil works at, in MHz, for its Q, self-resonance and reactance.</source>
        <translation>Mit --details: die Frequenz, bei der die Spule arbeitet, in MHz, für ihre Güte, Eigenresonanz und Reaktanz.</translation>
    </message>
    <message>
        <source>Every position from 1 to 99, as CSV with the header row position,distance,inductance,impedance (with --json, one object per position); without --position.</source>
        <translation>Jede Position von 1 bis 99, als CSV mit der Kopfzeile position,distance,inductance,impedance (mit --json ein Objekt je Position); ohne --position.</translation>
    </message>
    <message>
        <source>Build every position, a row each, as CSV; without --position.</source>
        <translation>Jede Position bauen, eine Zeile je Position, als CSV; ohne --position.</translation>
    </message>
    <message>
        <source>With --sweep: the check&apos;s figures of every position too, as further columns; takes the model and coil options of check.</source>
        <translation>Mit --sweep: auch die Werte der Prüfung jeder Position, als weitere Spalten; nimmt die Modell- und Spulenoptionen von check.</translation>
    </message>
    <message>
        <source>With --sweep: draw the table in FILE instead of printing it, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Mit --sweep: die Tabelle in FILE zeichnen, statt sie auszugeben, ein PNG- oder SVG-Bild je nach Endung des Namens (.png oder .svg).</translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation>Die Impedanz der Speiseleitung in Ohm; 50, wenn nicht angegeben.</translation>
    </message>
    <message>
        <source>With --sweep --check: the feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation>Mit --sweep --check: die Impedanz der Speiseleitung in Ohm; 50, wenn nicht angegeben.</translation>
    </message>
    <message>
        <source>The inductance of each coil as built, in microhenries, in place of the design&apos;s.</source>
        <translation>Die Induktivität jeder Spule wie gebaut, in Mikrohenry, anstelle der des Entwurfs.</translation>
    </message>
    <message>
        <source>No segment of the model is longer than the antenna over N, and those at the source and the coils are shorter where they must be; 9 to 2001, 81 unless given.</source>
        <translation>Kein Segment des Modells ist länger als die Antenne durch N, und die an der Quelle und den Spulen sind kürzer, wo sie es sein müssen; 9 bis 2001, 81, wenn nicht angegeben.</translation>
    </message>
    <message>
        <source>Adds the loss of copper wire to the model; without it the wire has none.</source>
        <translation>Fügt dem Modell den Verlust von Kupferdraht hinzu; ohne dies ist der Draht verlustfrei.</translation>
    </message>
    <message>
        <source>The coils&apos; Q, for their loss: a series resistance of their reactance over Q at the design frequency; lossless unless given.</source>
        <translation>Die Güte der Spulen, für ihren Verlust: ein Serienwiderstand von ihrer Reaktanz durch Q bei der Designfrequenz; verlustfrei, wenn nicht angegeben.</translation>
    </message>
    <message>
        <source>The Q of every coil, the matching coil&apos;s too, for their loss; lossless unless given.</source>
        <translation>Die Güte jeder Spule, auch der Anpassspule, für ihren Verlust; verlustfrei, wenn nicht angegeben.</translation>
    </message>
    <message>
        <source>Wind each loading coil on this diameter, in inches from wire centre to wire centre, as the coil window designs it, and take its Q for the coils&apos; loss; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation>Jede Verlängerungsspule auf diesen Durchmesser wickeln, in Zoll von Drahtmitte zu Drahtmitte, wie das Spulenfenster sie berechnet, und ihre Güte für den Verlust der Spulen nehmen; mit --coil-length und --coil-wire, ohne --coil-q.</translation>
    </message>
    <message>
        <source>Wind the loading coils and the matching coil on this diameter, in inches from wire centre to wire centre, by Nagaoka&apos;s coefficient, each with its own Q; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation>Die Verlängerungsspulen und die Anpassspule auf diesen Durchmesser wickeln, in Zoll von Drahtmitte zu Drahtmitte, nach Nagaokas Koeffizient, jede mit ihrer eigenen Güte; mit --coil-length und --coil-wire, ohne --coil-q.</translation>
    </message>
    <message>
        <source>With the design: the diameter, in inches from wire centre to wire centre, of the former the coils are wound on, for the turns of the advised change; with --coil-length and --coil-wire.</source>
        <translation>Mit dem Entwurf: der Durchmesser des Spulenkörpers, auf den die Spulen gewickelt sind, in Zoll von Drahtmitte zu Drahtmitte, für die Windungen der empfohlenen Änderung; mit --coil-length und --coil-wire.</translation>
    </message>
    <message>
        <source>The length of that coil, in inches.</source>
        <translation>Die Länge dieser Spule in Zoll.</translation>
    </message>
    <message>
        <source>The wire diameter of that coil, in inches.</source>
        <translation>Der Drahtdurchmesser dieser Spule in Zoll.</translation>
    </message>
    <message>
        <source>Write the deck to FILE instead of standard output.</source>
        <translation>Das Deck in FILE schreiben statt auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>Also write the model&apos;s feed point from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line.</source>
        <translation>Auch den Speisepunkt des Modells von einem Zehntel unter bis einem Zehntel über der Designfrequenz in 201 Schritten in FILE schreiben, eine Touchstone-.s1p-Datei auf der Speiseleitung.</translation>
    </message>
    <message>
        <source>Also write the build&apos;s feed point, its loading coils as built with their Q and the matching coil across it, from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line; without --sweep.</source>
        <translation>Auch den Speisepunkt des Aufbaus, mit seinen Verlängerungsspulen wie gebaut samt Güte und der Anpassspule daran, von einem Zehntel unter bis einem Zehntel über der Designfrequenz in 201 Schritten in FILE schreiben, eine Touchstone-.s1p-Datei auf der Speiseleitung; ohne --sweep.</translation>
    </message>
    <message>
        <source>With --sweep: draw the builds in FILE instead of printing them, against the position: each loading coil by the formula and as built, the 2:1 bandwidth and, with loss in the model, the efficiency, the best position ringed; a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Mit --sweep: die Aufbauten in FILE zeichnen, statt sie auszugeben, über der Position: jede Verlängerungsspule nach der Formel und wie gebaut, die Bandbreite bis 2:1 und, mit Verlust im Modell, den Wirkungsgrad, die beste Position umkreist; ein PNG- oder SVG-Bild je nach Endung des Namens (.png oder .svg).</translation>
    </message>
    <message>
        <source>Also draw the sweep&apos;s SWR, resistance and reactance against frequency in FILE, and with the design the model&apos;s beside them, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Auch SWV, Widerstand und Reaktanz des Sweeps über der Frequenz in FILE zeichnen, mit dem Entwurf die des Modells daneben, ein PNG- oder SVG-Bild je nach Endung des Namens (.png oder .svg).</translation>
    </message>
    <message>
        <source>One compact JSON object per result, texts as strings and figures as numbers.</source>
        <translation>Ein kompaktes JSON-Objekt je Ergebnis, Texte als Zeichenketten und Werte als Zahlen.</translation>
    </message>
    <message>
        <source>Read and write numbers in the user&apos;s locale, as the windows do, instead of the C locale.</source>
        <translation>Zahlen im Gebietsschema des Benutzers lesen und schreiben, wie die Fenster es tun, statt im C-Gebietsschema.</translation>
    </message>
    <message>
        <source>Read one command per line from standard input and print one JSON line for each.</source>
        <translation>Einen Befehl je Zeile von der Standardeingabe lesen und für jeden eine JSON-Zeile ausgeben.</translation>
    </message>
    <message>
        <source>The calculations of QUERLIN&apos;s windows from the command line, for scripts and tables. Each command prints, one per line, the texts that the window&apos;s result fields would show; numbers are read as the windows read them, in the C locale unless --locale is given.</source>
        <translation>Die Berechnungen der Fenster von QUERLIN auf der Kommandozeile, für Skripte und Tabellen. Jeder Befehl gibt, einen je Zeile, die Texte aus, die die Ergebnisfelder des Fensters zeigen würden; Zahlen werden gelesen, wie die Fenster sie lesen, im C-Gebietsschema, wenn nicht --locale angegeben ist.</translation>
    </message>
    <message>
        <source>Run &apos;querlin-calc COMMAND --help&apos; or &apos;querlin-calc help COMMAND&apos; for a command&apos;s usage and options; the manual page, man querlin-calc, has them all, with the output keys and the exit statuses.</source>
        <translation>„querlin-calc BEFEHL --help“ oder „querlin-calc help BEFEHL“ zeigt Aufruf und Optionen eines Befehls; die Handbuchseite, man querlin-calc, hat sie alle, mit den Ausgabeschlüsseln und den Exit-Status.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Aufruf: </translation>
    </message>
    <message>
        <source>  or:  </source>
        <translation>  oder: </translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>The analyser&apos;s sweep: a Touchstone .s1p file or a CSV file.</source>
        <translation>Der Sweep des Analysators: eine Touchstone-.s1p-Datei oder eine CSV-Datei.</translation>
    </message>
    <message>
        <source>the Touchstone file</source>
        <translation>die Touchstone-Datei</translation>
    </message>
    <message>
        <source>--%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation>--%1 nimmt eine positive Zahl, nicht „%2“.</translation>
    </message>
    <message>
        <source>--segments takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--segments nimmt eine ganze Zahl von %1 bis %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>the deck</source>
        <translation>das Deck</translation>
    </message>
    <message>
        <source>Could not write %1 to %2: %3</source>
        <translation>Konnte %1 nicht nach %2 schreiben: %3</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>measured needs the file of the sweep: measured FILE.</source>
        <translation>measured braucht die Datei des Sweeps: measured FILE.</translation>
    </message>
    <message>
        <source>--sweep takes every position: leave out --position.</source>
        <translation>--sweep nimmt jede Position: lassen Sie --position weg.</translation>
    </message>
    <message>
        <source>%1 takes no --%2.</source>
        <translation>%1 nimmt kein --%2.</translation>
    </message>
    <message>
        <source>%1 needs --%2.</source>
        <translation>%1 braucht --%2.</translation>
    </message>
    <message>
        <source>--check goes with --sweep; for one position, use check.</source>
        <translation>--check gehört zu --sweep; für eine Position nehmen Sie check.</translation>
    </message>
    <message>
        <source>dipole takes --%1 only with --sweep --check.</source>
        <translation>dipole nimmt --%1 nur mit --sweep --check.</translation>
    </message>
    <message>
        <source>--touchstone writes one build&apos;s feed point: leave out --sweep.</source>
        <translation>--touchstone schreibt den Speisepunkt eines Aufbaus: lassen Sie --sweep weg.</translation>
    </message>
    <message>
        <source>--position best needs the coils&apos; loss: --coil-q, or --coil-diameter, --coil-length and --coil-wire.</source>
        <translation>--position best braucht den Verlust der Spulen: --coil-q, oder --coil-diameter, --coil-length und --coil-wire.</translation>
    </message>
    <message>
        <source>measured compares with the design given all of --frequency, --length, --element and --position.</source>
        <translation>measured vergleicht mit dem Entwurf, wenn --frequency, --length, --element und --position alle angegeben sind.</translation>
    </message>
    <message>
        <source>measured takes --%1 only with the design: --frequency, --length, --element and --position.</source>
        <translation>measured nimmt --%1 nur mit dem Entwurf: --frequency, --length, --element und --position.</translation>
    </message>
    <message>
        <source>coil takes --frequency with --details only.</source>
        <translation>coil nimmt --frequency nur mit --details.</translation>
    </message>
    <message>
        <source>--position takes a whole percentage from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--position nimmt einen ganzen Prozentwert von %1 bis %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>--coil-diameter, --coil-length and --coil-wire go together.</source>
        <translation>--coil-diameter, --coil-length und --coil-wire gehören zusammen.</translation>
    </message>
    <message>
        <source>--coil-q is the Q of a coil not wound here: give it or --coil-diameter, --coil-length and --coil-wire, not both.</source>
        <translation>--coil-q ist die Güte einer nicht hier gewickelten Spule: geben Sie sie oder --coil-diameter, --coil-length und --coil-wire an, nicht beides.</translation>
    </message>
    <message>
        <source>--plot writes a .png or .svg file, not &apos;%1&apos;.</source>
        <translation>--plot schreibt eine .png- oder .svg-Datei, nicht „%1“.</translation>
    </message>
    <message>
        <source>--touchstone writes a .s1p file, not &apos;%1&apos;.</source>
        <translation>--touchstone schreibt eine .s1p-Datei, nicht „%1“.</translation>
    </message>
    <message>
        <source>--plot draws a --sweep.</source>
        <translation>--plot zeichnet einen --sweep.</translation>
    </message>
    <message>
        <source>--plot draws the table instead of printing it: leave out --json.</source>
        <translation>--plot zeichnet die Tabelle, statt sie auszugeben: lassen Sie --json weg.</translation>
    </message>
    <message>
        <source>turns as wound for the wanted inductance: %1, close-wound %2 inches, which fit</source>
        <translation>Windungen wie gewickelt für die gewünschte Induktivität: %1, eng gewickelt %2 Zoll, das passt</translation>
    </message>
    <message>
        <source>turns as wound for the wanted inductance: %1, close-wound %2 inches, more than the coil length of %3 inches</source>
        <translation>Windungen wie gewickelt für die gewünschte Induktivität: %1, eng gewickelt %2 Zoll, mehr als die Spulenlänge von %3 Zoll</translation>
    </message>
    <message>
        <source>The coil window&apos;s CALCULATE: prints the number of turns of a single-layer air-core coil for the wanted inductance and the fit message, which begins with a blank as the coil window shows it. --details adds the coil as wound, its turns spread evenly over the coil length, one figure and its unit a line: its inductance by Nagaoka&apos;s coefficient less Rosa&apos;s round-wire corrections, how far that is from the wanted inductance, the turns that give the wanted inductance as wound and whether they fit, and the wire length; with --frequency, its Q, its self-resonance and its reactance there, and a warning above a third of the self-resonance.</source>
        <translation>Das BERECHNEN des Spulenfensters: gibt die Windungszahl einer einlagigen Luftspule für die gewünschte Induktivität aus und die Passt-Meldung, die wie im Spulenfenster mit einem Leerzeichen beginnt. --details fügt die Spule wie gewickelt hinzu, ihre Windungen gleichmäßig über die Spulenlänge verteilt, ein Wert mit Einheit je Zeile: ihre Induktivität nach Nagaokas Koeffizient abzüglich Rosas Runddrahtkorrekturen, wie weit sie von der gewünschten abweicht, die Windungen, die wie gewickelt die gewünschte Induktivität ergeben, und ob sie passen, und die Drahtlänge; mit --frequency ihre Güte, ihre Eigenresonanz und ihre Reaktanz dort, und eine Warnung über einem Drittel der Eigenresonanz.</translation>
    </message>
    <message>
        <source>Runs the design&apos;s deck in the NEC-2 engine nec2c and prints the design&apos;s texts, then what the engine says, each after its key: where the antenna resonates and how far that is from the design frequency, the feed impedance there, the inductance each coil needs for resonance there, the SWR without and with the matching coil, the 2:1 bandwidth and, with --conductor copper, --coil-q, a coil to wind or --height, the efficiency: the share of the power put in that is radiated, over ground into the upper half of space, with coils of the resonant inductance. A last line, note, says when segments shorter than 8 wire radii make the figures rough. --coil-diameter, --coil-length and --coil-wire wind each loading coil as coil --details does and model it with the Q that gives, and add the turns that give its inductance as wound.</source>
        <translation>Rechnet das Deck des Entwurfs im NEC-2-Programm nec2c und gibt die Texte des Entwurfs aus, dann, was das Programm sagt, jeweils nach seinem Schlüssel: wo die Antenne in Resonanz ist und wie weit das von der Designfrequenz abweicht, die Speiseimpedanz dort, die Induktivität, die jede Spule für Resonanz dort braucht, das SWV ohne und mit Anpassspule, die Bandbreite bis 2:1 und, mit --conductor copper, --coil-q, einer zu wickelnden Spule oder --height, den Wirkungsgrad: den Anteil der zugeführten Leistung, der abgestrahlt wird, über Grund in den oberen Halbraum, mit Spulen der Resonanzinduktivität. Eine letzte Zeile, note, sagt, wenn Segmente kürzer als 8 Drahtradien die Werte grob machen. --coil-diameter, --coil-length und --coil-wire wickeln jede Verlängerungsspule wie coil --details, modellieren sie mit der Güte, die das ergibt, und geben die Windungen an, die wie gewickelt ihre Induktivität ergeben.</translation>
    </message>
    <message>
        <source>Prints the design&apos;s texts, then what to build instead, found by nec2c with the coils&apos; loss in the model: each loading coil and the matching coil across the feed point with which the feed line sees an SWR of 1, and the SWR, bandwidth and feed impedance with them, or in words why no coil across the feed point can match, and what to cut for each half: the wire to the coil, the coil and the wire to the tip. With a coil to wind it gives each coil&apos;s turns and Q; --position best builds every position and prints the one of highest efficiency, and --sweep every position, a row each, which --plot draws as a picture in place of printing it. --touchstone writes the build&apos;s feed point for an analyser&apos;s program, as check&apos;s does.</source>
        <translation>Gibt die Texte des Entwurfs aus, dann, was stattdessen zu bauen ist, von nec2c mit dem Verlust der Spulen im Modell gefunden: jede Verlängerungsspule und die Anpassspule am Speisepunkt, mit denen die Speiseleitung ein SWV von 1 sieht, und SWV, Bandbreite und Speiseimpedanz mit ihnen, oder in Worten, warum keine Spule am Speisepunkt anpassen kann, und was für jede Hälfte zuzuschneiden ist: der Draht bis zur Spule, die Spule und der Draht bis zum Ende. Mit einer zu wickelnden Spule gibt es Windungen und Güte jeder Spule; --position best baut jede Position und gibt die mit dem höchsten Wirkungsgrad aus, und --sweep jede Position, eine Zeile je Position, die --plot als Bild zeichnet, statt sie auszugeben. --touchstone schreibt den Speisepunkt des Aufbaus für das Programm eines Analysators, wie bei check.</translation>
    </message>
    <message>
        <source>The coil as wound too: its inductance, its difference from the wanted inductance in per cent, the turns that give the wanted inductance as wound and whether they fit, and the wire length, in inches and metres.</source>
        <translation>Auch die Spule wie gewickelt: ihre Induktivität, ihre Abweichung von der gewünschten Induktivität in Prozent, die Windungen, die wie gewickelt die gewünschte Induktivität ergeben, und ob sie passen, und die Drahtlänge in Zoll und Metern.</translation>
    </message>
    <message>
        <source>The old spelling of --conductor; coil&apos;s --wire is the wire&apos;s diameter.</source>
        <translation>Die alte Schreibweise von --conductor; bei coil ist --wire der Drahtdurchmesser.</translation>
    </message>
    <message>
        <source>Did you mean --%1?</source>
        <translation>Meinten Sie --%1?</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number in the user&apos;s locale, in which --locale reads it.</source>
        <translation>--%1: „%2“ ist keine Zahl im Gebietsschema des Benutzers, in dem --locale sie liest.</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number (a decimal point, or --locale for the user&apos;s decimal comma).</source>
        <translation>--%1: „%2“ ist keine Zahl (ein Dezimalpunkt, oder --locale für das Dezimalkomma des Benutzers).</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is too large.</source>
        <translation>--%1: „%2“ ist zu groß.</translation>
    </message>
    <message>
        <source>--%1 takes copper, not &apos;%2&apos;.</source>
        <translation>--%1 nimmt copper, nicht „%2“.</translation>
    </message>
    <message>
        <source>querlin-calc build --frequency MHZ --length L --element D --position PCT|best
         [--metric] [--feedline OHMS] [the model and coil options of check]
querlin-calc build --frequency MHZ --length L --element D --sweep [...]
querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]
querlin-calc build ... --touchstone FILE.s1p</source>
        <translation>querlin-calc build --frequency MHZ --length L --element D --position PCT|best
         [--metric] [--feedline OHMS] [die Modell- und Spulenoptionen von check]
querlin-calc build --frequency MHZ --length L --element D --sweep [...]
querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]
querlin-calc build ... --touchstone FILE.s1p</translation>
    </message>
    <message>
        <source>querlin-calc COMMAND [OPTIONS]
querlin-calc help COMMAND
querlin-calc --batch [--locale] &lt; commands</source>
        <translation>querlin-calc BEFEHL [OPTIONEN]
querlin-calc help BEFEHL
querlin-calc --batch [--locale] &lt; befehle</translation>
    </message>
    <message>
        <source>querlin-calc --batch &lt; commands</source>
        <translation>querlin-calc --batch &lt; befehle</translation>
    </message>
    <message>
        <source>as wound, at %2 MHz it acts as %1 uH</source>
        <translation>gewickelt wirkt sie bei %2 MHz wie %1 uH</translation>
    </message>
    <message>
        <source>Q as wound at %2 MHz: %1</source>
        <translation>Güte gewickelt bei %2 MHz: %1</translation>
    </message>
    <message>
        <source>The ground goes with --height; without it the model is free space.</source>
        <translation>Der Boden gehört zu --height; ohne sie ist das Modell freier Raum.</translation>
    </message>
    <message>
        <source>--ground names a ground; --ground-permittivity and --ground-conductivity give one: not both.</source>
        <translation>--ground nennt einen Boden; --ground-permittivity und --ground-conductivity geben einen an: nicht beides.</translation>
    </message>
    <message>
        <source>--ground-permittivity and --ground-conductivity go together.</source>
        <translation>--ground-permittivity und --ground-conductivity gehören zusammen.</translation>
    </message>
    <message>
        <source>--ground takes %1, not &apos;%2&apos;.</source>
        <translation>--ground nimmt %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--apex-angle takes the angle between the legs, more than 0 and at most 180 degrees (180: flat), not &apos;%1&apos;.</source>
        <translation>--apex-angle nimmt den Winkel zwischen den Schenkeln, größer als 0 und höchstens 180 Grad (180: gestreckt), nicht „%1“.</translation>
    </message>
    <message>
        <source>--insulation-permittivity goes with --insulation, its thickness.</source>
        <translation>--insulation-permittivity gehört zu --insulation, ihrer Dicke.</translation>
    </message>
    <message>
        <source>The height of the feed point over the ground, in feet (metres with --metric); free space unless given.</source>
        <translation>Die Höhe des Speisepunkts über dem Boden in Fuß (Meter mit --metric); freier Raum, wenn nicht angegeben.</translation>
    </message>
    <message>
        <source>The ground under the antenna with --height: very-poor, poor, average, good, very-good, fresh-water or sea-water; average (relative permittivity 13, 0.005 S/m) unless given.</source>
        <translation>Der Boden unter der Antenne mit --height: very-poor, poor, average, good, very-good, fresh-water oder sea-water; average (relative Permittivität 13, 0,005 S/m), wenn nicht angegeben.</translation>
    </message>
    <message>
        <source>The ground&apos;s relative permittivity, with --ground-conductivity, in place of a named ground.</source>
        <translation>Die relative Permittivität des Bodens, mit --ground-conductivity, anstelle eines benannten Bodens.</translation>
    </message>
    <message>
        <source>The ground&apos;s conductivity, in S/m.</source>
        <translation>Die Leitfähigkeit des Bodens in S/m.</translation>
    </message>
    <message>
        <source>The wire&apos;s insulation, its radial thickness in inches (millimetres with --metric); bare wire unless given.</source>
        <translation>Die Isolierung des Drahts, ihre radiale Dicke in Zoll (Millimeter mit --metric); blanker Draht, wenn nicht angegeben.</translation>
    </message>
    <message>
        <source>The insulation&apos;s relative permittivity: 3.5 (PVC) unless given, polyethylene about 2.3.</source>
        <translation>Die relative Permittivität der Isolierung: 3,5 (PVC), wenn nicht angegeben, Polyethylen etwa 2,3.</translation>
    </message>
    <message>
        <source>Hang the antenna as an inverted V with this angle between its legs, in degrees, its feed point at the apex; 180 (flat) unless given.</source>
        <translation>Die Antenne als Inverted-V mit diesem Winkel zwischen den Schenkeln aufhängen, in Grad, den Speisepunkt an der Spitze; 180 (gestreckt), wenn nicht angegeben.</translation>
    </message>
    <message>
        <source>The matching coil across the feed point while measuring, in microhenries, as build gave it: the resonance is then the antenna&apos;s own, and the advice brings the lowest SWR with that coil to the design frequency.</source>
        <translation>Die Anpassspule am Speisepunkt während der Messung, in Mikrohenry, wie build sie angab: die Resonanz ist dann die der Antenne selbst, und der Rat bringt das niedrigste SWV mit dieser Spule auf die Designfrequenz.</translation>
    </message>
    <message>
        <source>--%1 takes a relative permittivity of 1 or more, not &apos;%2&apos;.</source>
        <translation>--%1 nimmt eine relative Permittivität von 1 oder mehr, nicht „%2“.</translation>
    </message>
</context>
<context>
    <name>querlin::CheckWindow</name>
    <message>
        <source>Check with NEC-2</source>
        <translation>Prüfung mit NEC-2</translation>
    </message>
    <message>
        <source>Progress of the check</source>
        <translation>Fortschritt der Prüfung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stops the NEC-2 engine</source>
        <translation>Hält das NEC-2-Programm an</translation>
    </message>
    <message>
        <source>Cancelled. Check with NEC-2… on the main window&apos;s results starts it again.</source>
        <translation>Abgebrochen. „Mit NEC-2 prüfen…“ an den Ergebnissen des Hauptfensters startet sie neu.</translation>
    </message>
    <message>
        <source>Plot of every coil position</source>
        <translation>Diagramm aller Spulenpositionen</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and, once checked, the inductance that nec2c finds resonant, against the coil position; under it the frequency at which each design as built resonates and, with the coils&apos; Q, the efficiency of each position&apos;s build, the best ringed.</source>
        <translation>Die Induktivität jeder Spule nach der Formel und, nach der Prüfung, die Induktivität, die nec2c für Resonanz findet, über der Spulenposition; darunter die Frequenz, bei der jeder Entwurf wie gebaut in Resonanz ist, und mit der Güte der Spulen der Wirkungsgrad des Aufbaus jeder Position, der beste umkreist.</translation>
    </message>
    <message>
        <source>Nothing to check yet: type the frequency, the total length and the element size in the main window and press its upper CALCULATE. The check models the design it last calculated.</source>
        <translation>Noch nichts zu prüfen: geben Sie Frequenz, Gesamtlänge und Elementstärke im Hauptfenster ein und drücken Sie dort das obere BERECHNEN. Die Prüfung modelliert den zuletzt berechneten Entwurf.</translation>
    </message>
    <message>
        <source>The main window&apos;s last calculation ended in a fault: correct its inputs and press CALCULATE, then check again.</source>
        <translation>Die letzte Berechnung im Hauptfenster endete mit einem Fehler: berichtigen Sie die Eingaben, drücken Sie BERECHNEN und prüfen Sie dann erneut.</translation>
    </message>
    <message>
        <source>the %1-ohm line matched in the main window</source>
        <translation>die im Hauptfenster angepasste %1-Ohm-Leitung</translation>
    </message>
    <message>
        <source>a %1-ohm line</source>
        <translation>eine %1-Ohm-Leitung</translation>
    </message>
    <message>
        <source>Checking the design with nec2c…</source>
        <translation>Prüfe den Entwurf mit nec2c…</translation>
    </message>
    <message>
        <source>Checking every coil position for the plot: %1 of %2…</source>
        <translation>Prüfe jede Spulenposition für das Diagramm: %1 von %2…</translation>
    </message>
    <message>
        <source>Checking every coil position for the plot…</source>
        <translation>Prüfe jede Spulenposition für das Diagramm…</translation>
    </message>
    <message>
        <source>What to build instead</source>
        <translation>Was stattdessen zu bauen ist</translation>
    </message>
    <message>
        <source>lossless</source>
        <translation>verlustfrei</translation>
    </message>
    <message>
        <source>Coils&apos; Q</source>
        <translation>Güte der Spulen</translation>
    </message>
    <message>
        <source>Empty for lossless coils. Air-core loading coils have a Q of about 100 to 400; querlin-calc coil --details estimates one.</source>
        <translation>Leer für verlustfreie Spulen. Luftspulen als Verlängerungsspulen haben eine Güte von etwa 100 bis 400; querlin-calc coil --details schätzt sie.</translation>
    </message>
    <message>
        <source>Design the loading coil…</source>
        <translation>Verlängerungsspule berechnen…</translation>
    </message>
    <message>
        <source>Opens the coil window with the loading coil&apos;s inductance</source>
        <translation>Öffnet das Spulenfenster mit der Induktivität der Verlängerungsspule</translation>
    </message>
    <message>
        <source>Coils&apos; Q:</source>
        <translation>Güte der Spulen:</translation>
    </message>
    <message>
        <source>Building with nec2c…</source>
        <translation>Baue mit nec2c…</translation>
    </message>
    <message>
        <source>Building every coil position with coils of Q %1 for the plot…</source>
        <translation>Baue jede Spulenposition mit Spulen der Güte %1 für das Diagramm…</translation>
    </message>
    <message>
        <source>Checked with nec2c.</source>
        <translation>Mit nec2c geprüft.</translation>
    </message>
    <message>
        <source>The coils&apos; Q is a positive number, such as 300; empty for lossless coils.</source>
        <translation>Die Güte der Spulen ist eine positive Zahl wie 300; leer für verlustfreie Spulen.</translation>
    </message>
    <message>
        <source>Compare with a measurement…</source>
        <translation>Mit einer Messung vergleichen…</translation>
    </message>
    <message>
        <source>Opens an analyser&apos;s sweep of the antenna as built, a Touchstone .s1p or CSV file, and says what to change</source>
        <translation>Öffnet den Sweep eines Analysators an der gebauten Antenne, eine Touchstone-.s1p- oder CSV-Datei, und sagt, was zu ändern ist</translation>
    </message>
    <message>
        <source>Compared with a measurement</source>
        <translation>Mit einer Messung verglichen</translation>
    </message>
    <message>
        <source>Plot of the measured and modelled SWR</source>
        <translation>Diagramm des gemessenen und des modellierten SWV</translation>
    </message>
    <message>
        <source>Compare with a measurement</source>
        <translation>Mit einer Messung vergleichen</translation>
    </message>
    <message>
        <source>Analyser sweeps (*.s1p *.csv);;All files (*)</source>
        <translation>Analysator-Sweeps (*.s1p *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Comparing %1 with the design, with nec2c…</source>
        <translation>Vergleiche %1 mit dem Entwurf, mit nec2c…</translation>
    </message>
    <message>
        <source>%1 against the design as nec2c models it, coils of %2 µH, on the %3-ohm line:</source>
        <translation>%1 gegen den Entwurf, wie nec2c ihn modelliert, Spulen von %2 µH, auf der %3-Ohm-Leitung:</translation>
    </message>
    <message>
        <source>lowest %1 at %2 MHz</source>
        <translation>niedrigstes %1 bei %2 MHz</translation>
    </message>
    <message>
        <source>The SWR on the %1-ohm line from %2 to %3 MHz, the design frequency marked: measured, %4; the design as nec2c models it, %5.</source>
        <translation>Das SWV auf der %1-Ohm-Leitung von %2 bis %3 MHz, die Designfrequenz markiert: gemessen, %4; der Entwurf, wie nec2c ihn modelliert, %5.</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Als PNG speichern…</translation>
    </message>
    <message>
        <source>Save as SVG…</source>
        <translation>Als SVG speichern…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save the plot as SVG</source>
        <translation>Diagramm als SVG speichern</translation>
    </message>
    <message>
        <source>Save the plot as PNG</source>
        <translation>Diagramm als PNG speichern</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The plot could not be saved as %1: %2</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s name before its value; French sets a narrow no-break space before the colon.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Self-resonance of each loading coil</source>
        <translation>Eigenresonanz jeder Verlängerungsspule</translation>
    </message>
    <message>
        <source>Each loading coil fits its former</source>
        <translation>Jede Verlängerungsspule passt auf ihren Spulenkörper</translation>
    </message>
    <message>
        <source>Self-resonance of the matching coil</source>
        <translation>Eigenresonanz der Anpassspule</translation>
    </message>
    <message>
        <source>Matching coil fits its former</source>
        <translation>Anpassspule passt auf ihren Spulenkörper</translation>
    </message>
    <message>
        <source>Building every coil position with its coils as wound for the plot…</source>
        <translation>Baue jede Spulenposition mit ihren gewickelten Spulen für das Diagramm…</translation>
    </message>
    <message>
        <source>about %1 MHz</source>
        <translation>etwa %1 MHz</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Coil p&amp;ositions</source>
        <translation>Spulen&amp;positionen</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>Hung so, the tips would be %1 %2 below the ground: raise the Height or open the Apex angle.</source>
        <translation>So aufgehängt lägen die Enden %1 %2 unter dem Boden: erhöhen Sie die Höhe oder öffnen Sie den Spitzenwinkel.</translation>
    </message>
    <message>
        <source>%1, coils at %2 % of each half: %3 µH each.
Modelled by nec2c %4; %5 segments, fed from %6.</source>
        <translation>%1, Spulen bei %2 % jeder Hälfte: je %3 µH.
Von nec2c modelliert %4; %5 Segmente, gespeist über %6.</translation>
    </message>
    <message>
        <source>very poor</source>
        <translation>sehr schlecht</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>schlecht</translation>
    </message>
    <message>
        <source>average</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>good</source>
        <translation>gut</translation>
    </message>
    <message>
        <source>very good</source>
        <translation>sehr gut</translation>
    </message>
    <message>
        <source>fresh water</source>
        <translation>Süßwasser</translation>
    </message>
    <message>
        <source>sea water</source>
        <translation>Meerwasser</translation>
    </message>
    <message>
        <source>%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation>%1 nimmt eine positive Zahl, nicht „%2“.</translation>
    </message>
    <message>
        <source>%1 needs a positive number.</source>
        <translation>%1 braucht eine positive Zahl.</translation>
    </message>
    <message>
        <source>%1 takes a relative permittivity of 1 or more, not &apos;%2&apos;.</source>
        <translation>%1 nimmt eine relative Permittivität von 1 oder mehr, nicht „%2“.</translation>
    </message>
    <message>
        <source>How the model hangs and is wound</source>
        <translation>Wie das Modell hängt und gewickelt ist</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>freier Raum</translation>
    </message>
    <message>
        <source>Height of the feed point over ground</source>
        <translation>Höhe des Speisepunkts über dem Boden</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Boden</translation>
    </message>
    <message>
        <source>typed below</source>
        <translation>unten eingegeben</translation>
    </message>
    <message>
        <source>Ground under the antenna</source>
        <translation>Boden unter der Antenne</translation>
    </message>
    <message>
        <source>Ground &amp;permittivity</source>
        <translation>&amp;Permittivität des Bodens</translation>
    </message>
    <message>
        <source>relative</source>
        <translation>relativ</translation>
    </message>
    <message>
        <source>Ground&apos;s relative permittivity</source>
        <translation>Relative Permittivität des Bodens</translation>
    </message>
    <message>
        <source>Ground &amp;conductivity</source>
        <translation>&amp;Leitfähigkeit des Bodens</translation>
    </message>
    <message>
        <source>Ground&apos;s conductivity, siemens per metre</source>
        <translation>Leitfähigkeit des Bodens, Siemens pro Meter</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>gestreckt</translation>
    </message>
    <message>
        <source>inverted V</source>
        <translation>Inverted-V</translation>
    </message>
    <message>
        <source>Shape of the antenna</source>
        <translation>Form der Antenne</translation>
    </message>
    <message>
        <source>&amp;Apex angle</source>
        <translation>&amp;Spitzenwinkel</translation>
    </message>
    <message>
        <source>Angle between the inverted V&apos;s legs, degrees, at most 180</source>
        <translation>Winkel zwischen den Schenkeln des Inverted-V, Grad, höchstens 180</translation>
    </message>
    <message>
        <source>Wi&amp;re</source>
        <translation>&amp;Draht</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>insulated copper</source>
        <translation>isoliertes Kupfer</translation>
    </message>
    <message>
        <source>Wire of the antenna</source>
        <translation>Draht der Antenne</translation>
    </message>
    <message>
        <source>&amp;Insulation</source>
        <translation>&amp;Isolierung</translation>
    </message>
    <message>
        <source>Thickness of the wire&apos;s insulation</source>
        <translation>Dicke der Isolierung des Drahts</translation>
    </message>
    <message>
        <source>Insulation p&amp;ermittivity</source>
        <translation>Permittivität der I&amp;solierung</translation>
    </message>
    <message>
        <source>Insulation&apos;s relative permittivity, PVC&apos;s 3.5 unless changed</source>
        <translation>Relative Permittivität der Isolierung, 3,5 für PVC, wenn nicht geändert</translation>
    </message>
    <message>
        <source>Coil &amp;diameter</source>
        <translation>Spulen&amp;durchmesser</translation>
    </message>
    <message>
        <source>no coil to wind</source>
        <translation>keine Spule zu wickeln</translation>
    </message>
    <message>
        <source>Diameter of the coil to wind, wire centre to wire centre</source>
        <translation>Durchmesser der zu wickelnden Spule, Drahtmitte zu Drahtmitte</translation>
    </message>
    <message>
        <source>Coil &amp;length</source>
        <translation>Spulen&amp;länge</translation>
    </message>
    <message>
        <source>Length of the coil to wind</source>
        <translation>Länge der zu wickelnden Spule</translation>
    </message>
    <message>
        <source>Coil &amp;wire</source>
        <translation>Spulen&amp;draht</translation>
    </message>
    <message>
        <source>Wire diameter of the coil to wind</source>
        <translation>Drahtdurchmesser der zu wickelnden Spule</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A field&apos;s name for a screen reader, then its unit: &quot;Height of the feed point over ground, feet&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 takes the angle between the legs, more than 0 and at most 180 degrees (180: flat), not &apos;%2&apos;.</source>
        <translation>%1 nimmt den Winkel zwischen den Schenkeln, größer als 0 und höchstens 180 Grad (180: gestreckt), nicht „%2“.</translation>
    </message>
    <message>
        <source>The coil to wind takes its diameter, its length and its wire together; empty all three to model the coils as pure inductances.</source>
        <translation>Die zu wickelnde Spule braucht Durchmesser, Länge und Draht zusammen; leeren Sie alle drei, um die Spulen als reine Induktivitäten zu modellieren.</translation>
    </message>
    <message>
        <source>in free space</source>
        <translation>im freien Raum</translation>
    </message>
    <message>
        <source>%1 ground</source>
        <translation>Boden „%1“</translation>
    </message>
    <message>
        <source>ground of relative permittivity %1 and %2 S/m</source>
        <translation>Boden mit relativer Permittivität %1 und %2 S/m</translation>
    </message>
    <message>
        <source>%1 %2 over %3</source>
        <translation>%1 %2 über %3</translation>
    </message>
    <message>
        <source>as an inverted V of %1°</source>
        <translation>als Inverted-V mit %1°</translation>
    </message>
    <message>
        <source>lossless wire</source>
        <translation>verlustfreier Draht</translation>
    </message>
    <message>
        <source>copper wire insulated %1 %2</source>
        <translation>Kupferdraht, %1 %2 isoliert</translation>
    </message>
    <message>
        <source>copper wire</source>
        <translation>Kupferdraht</translation>
    </message>
    <message>
        <source>coils as wound on a former %1 %4 across, %2 %4 long, wire %3 %4</source>
        <translation>Spulen gewickelt auf einen Körper von %1 %4 Durchmesser, %2 %4 lang, Draht %3 %4</translation>
    </message>
    <message>
        <source>coils as pure inductances</source>
        <translation>Spulen als reine Induktivitäten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Saves the deck, the Touchstone files, the plot or the figures as querlin-calc writes them</source>
        <translation>Speichert das Deck, die Touchstone-Dateien, das Diagramm oder die Werte so, wie querlin-calc sie schreibt</translation>
    </message>
    <message>
        <source>NEC-2 deck…</source>
        <translation>NEC-2-Deck…</translation>
    </message>
    <message>
        <source>Touchstone of the model…</source>
        <translation>Touchstone des Modells…</translation>
    </message>
    <message>
        <source>Touchstone of the build…</source>
        <translation>Touchstone des Aufbaus…</translation>
    </message>
    <message>
        <source>Plot as PNG or SVG…</source>
        <translation>Diagramm als PNG oder SVG…</translation>
    </message>
    <message>
        <source>Figures as text…</source>
        <translation>Werte als Text…</translation>
    </message>
    <message>
        <source>Save the NEC-2 deck</source>
        <translation>NEC-2-Deck speichern</translation>
    </message>
    <message>
        <source>NEC-2 decks (*.nec)</source>
        <translation>NEC-2-Decks (*.nec)</translation>
    </message>
    <message>
        <source>Save the model as Touchstone</source>
        <translation>Modell als Touchstone speichern</translation>
    </message>
    <message>
        <source>Touchstone files (*.s1p)</source>
        <translation>Touchstone-Dateien (*.s1p)</translation>
    </message>
    <message>
        <source>Save the build as Touchstone</source>
        <translation>Aufbau als Touchstone speichern</translation>
    </message>
    <message>
        <source>Save the plot</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>Save the figures as text</source>
        <translation>Werte als Text speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <extracomment>How the model hangs: where, its shape, its wire and its coils, after &quot;Modelled by nec2c&quot;.</extracomment>
        <translation>%1, %2, %3, %4</translation>
    </message>
    <message>
        <source>Compares the sweep with the build and its matching coil instead of the design</source>
        <translation>Vergleicht die Messung mit dem Aufbau und seiner Anpassspule statt mit dem Entwurf</translation>
    </message>
    <message>
        <source>%1 against the build as nec2c models it, coils of %2 µH and a matching coil of %3 µH, on the %4-ohm line:</source>
        <translation>%1 gegen den Aufbau, wie nec2c ihn modelliert, Spulen von %2 µH und eine Anpassspule von %3 µH, auf der %4-Ohm-Leitung:</translation>
    </message>
    <message>
        <source>Built as &quot;What to build instead&quot; says, its matching coil fitted</source>
        <translation>Gebaut, wie „Was stattdessen zu bauen ist“ sagt, mit angebrachter Anpassspule</translation>
    </message>
    <message>
        <source>Coils as wou&amp;nd</source>
        <translation>Spulen wie gewi&amp;ckelt</translation>
    </message>
</context>
<context>
    <name>querlin::CoilWindow</name>
    <message>
        <source>The coil as wound…</source>
        <translation>Die Spule wie gewickelt…</translation>
    </message>
    <message>
        <source>The coil as wound</source>
        <translation>Die Spule wie gewickelt</translation>
    </message>
</context>
<context>
    <name>querlin::MainWindow</name>
    <message>
        <source>Its context menu checks the design with NEC-2 (or press %1).</source>
        <translation>Sein Kontextmenü prüft den Entwurf mit NEC-2 (oder %1 drücken).</translation>
    </message>
    <message>
        <source>Check with NEC-2…</source>
        <translation>Mit NEC-2 prüfen…</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>Web Page Link</source>
        <translation>Link zur Webseite</translation>
    </message>
    <message>
        <source>The link will be opened in your default browser.</source>
        <translation>Der Link öffnet sich im Standardbrowser.</translation>
    </message>
    <message>
        <source>Click Link Below to </source>
        <translation>Link unten anklicken</translation>
    </message>
    <message>
        <source>link to the author&apos;s web page, opened in your default browser by a click, Return or Space</source>
        <translation>Link zur Webseite des Autors, im Standardbrowser geöffnet per Klick, Eingabetaste oder Leertaste</translation>
    </message>
</context>
</TS>
