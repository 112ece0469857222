<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>slider</source>
        <translation>cursore</translation>
    </message>
    <message>
        <source>field</source>
        <translation>campo</translation>
    </message>
    <message>
        <source>caption of the %1 %2</source>
        <translation>etichetta del %1 %2</translation>
    </message>
</context>
<context>
    <name>Antenna</name>
    <message>
        <source>nec2c&apos;s output lacks the currents between feed and coils.</source>
        <translation>Nell&apos;output di nec2c mancano le correnti tra il punto di alimentazione e le bobine.</translation>
    </message>
    <message>
        <source>The loading coil of %1 µH cannot be wound on that former. %2</source>
        <translation>La bobina di carico da %1 µH non si può avvolgere su quel supporto. %2</translation>
    </message>
    <message>
        <source>The antenna&apos;s resistance at resonance, %1 ohms, is at or above the line&apos;s %2 ohms: no coil across the feed point can match it. The loading coils resonate it; the SWR that remains is %3.</source>
        <translation>La resistenza dell&apos;antenna in risonanza, %1 ohm, è pari o superiore ai %2 ohm della linea: nessuna bobina sul punto di alimentazione può adattarla. Le bobine di carico la portano in risonanza; il ROS che resta è %3.</translation>
    </message>
    <message>
        <source>No loading coil brings the antenna to resonance at %1 MHz.</source>
        <translation>Nessuna bobina di carico porta l&apos;antenna in risonanza a %1 MHz.</translation>
    </message>
    <message>
        <source>Segments near the coils or the source are shorter than %1 wire radii, where NEC-2&apos;s thin-wire kernel errs by more than 1 %: take the figures as rough.</source>
        <translation>I segmenti vicino alle bobine o alla sorgente sono più corti di %1 raggi del filo, dove il nucleo a filo sottile di NEC-2 sbaglia di oltre l&apos;1 %: i valori sono solo indicativi.</translation>
    </message>
    <message>
        <source>nec2c wrote &apos;%1&apos; where a number belongs.</source>
        <translation>nec2c ha scritto «%1» dove va un numero.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no %1.</source>
        <translation>L&apos;output di nec2c non contiene %1.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no value of %1.</source>
        <translation>L&apos;output di nec2c non contiene alcun valore di %1.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds an average gain without its solid angle.</source>
        <translation>L&apos;output di nec2c contiene un guadagno medio senza il suo angolo solido.</translation>
    </message>
    <message>
        <source>nec2c&apos;s currents table holds &apos;%1&apos; where a segment&apos;s line belongs.</source>
        <translation>La tabella delle correnti di nec2c contiene «%1» dove va la riga di un segmento.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds a currents table without a current.</source>
        <translation>L&apos;output di nec2c contiene una tabella delle correnti senza alcuna corrente.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no feed-point impedance.</source>
        <translation>L&apos;output di nec2c non contiene l&apos;impedenza del punto di alimentazione.</translation>
    </message>
    <message>
        <source>nec2c&apos;s power budget does not add up: %1 W radiated of %2 W put in.</source>
        <translation>Il bilancio di potenza di nec2c non torna: %1 W irradiati su %2 W immessi.</translation>
    </message>
    <message>
        <source>nec2c&apos;s average gain gives %1 of the input power radiated, not a share of it.</source>
        <translation>Il guadagno medio di nec2c dà come irradiato %1 della potenza immessa, non una sua frazione.</translation>
    </message>
    <message>
        <source>No temporary folder for nec2c: %1</source>
        <translation>Nessuna cartella temporanea per nec2c: %1</translation>
    </message>
    <message>
        <source>Could not write the deck for nec2c: %1</source>
        <translation>Impossibile scrivere il deck per nec2c: %1</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; could not be started (%2): install the Debian package nec2c, or name the program in QUERLIN_NEC2C.</source>
        <translation>Impossibile avviare il motore NEC-2 «%1» (%2): installi il pacchetto Debian nec2c o indichi il programma in QUERLIN_NEC2C.</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; did not finish.</source>
        <translation>Il motore NEC-2 «%1» non ha terminato.</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; failed (exit status %2)%3</source>
        <translation>Il motore NEC-2 «%1» non è riuscito (codice di uscita %2)%3</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; wrote no output.</source>
        <translation>Il motore NEC-2 «%1» non ha scritto alcun output.</translation>
    </message>
    <message>
        <source>The output of the NEC-2 engine &apos;%1&apos; holds %2 feed-point impedances where %3 were asked for.</source>
        <translation>L&apos;output del motore NEC-2 «%1» contiene %2 impedenze del punto di alimentazione, ne erano richieste %3.</translation>
    </message>
    <message>
        <source>The design cannot be modelled: it needs a positive frequency, length and element.</source>
        <translation>Il progetto non si può modellare: servono frequenza, lunghezza ed elemento positivi.</translation>
    </message>
    <message>
        <source>The design cannot be modelled: the coils must sit inside the antenna.</source>
        <translation>Il progetto non si può modellare: le bobine devono stare all&apos;interno dell&apos;antenna.</translation>
    </message>
    <message>
        <source>The model takes %1 to %2 segments, not %3.</source>
        <translation>Il modello accetta da %1 a %2 segmenti, non %3.</translation>
    </message>
    <message>
        <source>A coil&apos;s length must be a positive number.</source>
        <translation>La lunghezza di una bobina deve essere un numero positivo.</translation>
    </message>
    <message>
        <source>The antenna must be above the ground to be modelled.</source>
        <translation>Per essere modellata l&apos;antenna deve stare sopra il suolo.</translation>
    </message>
    <message>
        <source>A coil&apos;s Q must be a positive number.</source>
        <translation>Il Q di una bobina deve essere un numero positivo.</translation>
    </message>
    <message>
        <source>Loaded dipole for %1 MHz, %2 %3 long, element %4 %5</source>
        <translation>Dipolo accorciato per %1 MHz, lungo %2 %3, elemento %4 %5</translation>
    </message>
    <message>
        <source>At %1 MHz it is above a third of its self-resonance of about %2 MHz, where its Q is in doubt.</source>
        <translation>A %1 MHz è oltre un terzo della sua autorisonanza di circa %2 MHz, dove il suo Q è incerto.</translation>
    </message>
    <message>
        <source>Insulation needs a positive thickness and a relative permittivity of 1 or more.</source>
        <translation>L’isolamento richiede uno spessore positivo e una permittività relativa di 1 o più.</translation>
    </message>
    <message>
        <source>The angle between the legs must be more than 0 and at most 180 degrees.</source>
        <translation>L’angolo tra i bracci deve essere maggiore di 0 e al massimo 180 gradi.</translation>
    </message>
    <message>
        <source>Hung so, the tips would be %1 m (%2 ft) below the ground: the apex must be higher or the legs less steep.</source>
        <translation>Appesa così, le estremità sarebbero %1 m (%2 ft) sotto il terreno: il vertice deve essere più alto o i bracci meno inclinati.</translation>
    </message>
    <message>
        <source>The coils are modelled as pure inductances. A coil as wound acts as more, its self-capacitance across its winding: one twice as long as its inch across (Medhurst&apos;s %1 pF) as %2 % more at %3 MHz. --coil-diameter, --coil-length and --coil-wire model the coil to wind.</source>
        <translation>Le bobine sono modellate come induttanze pure. Una bobina avvolta agisce come di più, con la sua autocapacità sull&apos;avvolgimento: una lunga il doppio del suo pollice di diametro (%1 pF di Medhurst) come il %2 % in più a %3 MHz. --coil-diameter, --coil-length e --coil-wire modellano la bobina da avvolgere.</translation>
    </message>
    <message>
        <source>The loading coils at %1 % do not fit the former, nor do any farther out.</source>
        <translation>Le bobine di carico al %1 % non entrano nel supporto, né alcuna più all’esterno.</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>the coil radius</source>
        <translation>del raggio della bobina</translation>
    </message>
    <message>
        <source>nine times the coil radius</source>
        <translation>di nove volte il raggio della bobina</translation>
    </message>
    <message>
        <source>ten times the coil length</source>
        <translation>di dieci volte la lunghezza della bobina</translation>
    </message>
    <message>
        <source>the denominator of the coil formula</source>
        <translation>del denominatore della formula della bobina</translation>
    </message>
    <message>
        <source>the coil radius squared</source>
        <translation>del quadrato del raggio della bobina</translation>
    </message>
    <message>
        <source>the turns squared per microhenry</source>
        <translation>del quadrato delle spire per microhenry</translation>
    </message>
    <message>
        <source>the turns squared</source>
        <translation>del quadrato del numero di spire</translation>
    </message>
    <message>
        <source>the number of turns</source>
        <translation>del numero di spire</translation>
    </message>
    <message>
        <source>the winding length</source>
        <translation>della lunghezza dell&apos;avvolgimento</translation>
    </message>
    <message>
        <source>the coil position</source>
        <translation>della posizione della bobina</translation>
    </message>
    <message>
        <source>the position of the left coil</source>
        <translation>della posizione della bobina sinistra</translation>
    </message>
    <message>
        <source>the position of the right coil</source>
        <translation>della posizione della bobina destra</translation>
    </message>
    <message>
        <source>the length in feet</source>
        <translation>della lunghezza in piedi</translation>
    </message>
    <message>
        <source>the element diameter in inches</source>
        <translation>del diametro dell&apos;elemento in pollici</translation>
    </message>
    <message>
        <source>the length of each half beyond the coil</source>
        <translation>della lunghezza di ogni metà oltre la bobina</translation>
    </message>
    <message>
        <source>the distance from the centre to the coil</source>
        <translation>della distanza dal centro alla bobina</translation>
    </message>
    <message>
        <source>the quarter wavelength</source>
        <translation>del quarto d&apos;onda</translation>
    </message>
    <message>
        <source>the length beyond the coil</source>
        <translation>della lunghezza oltre la bobina</translation>
    </message>
    <message>
        <source>the scale factor of the inductance</source>
        <translation>del fattore di scala dell&apos;induttanza</translation>
    </message>
    <message>
        <source>the quarter-wave term</source>
        <translation>del termine del quarto d&apos;onda</translation>
    </message>
    <message>
        <source>the coil-position term</source>
        <translation>del termine della posizione della bobina</translation>
    </message>
    <message>
        <source>the outer-section term</source>
        <translation>del termine della sezione esterna</translation>
    </message>
    <message>
        <source>the outer-section length term</source>
        <translation>del termine della lunghezza della sezione esterna</translation>
    </message>
    <message>
        <source>the inductance of each loading coil</source>
        <translation>dell&apos;induttanza di ogni bobina di carico</translation>
    </message>
    <message>
        <source>the coil distance in metres</source>
        <translation>della distanza della bobina in metri</translation>
    </message>
    <message>
        <source>the antenna impedance</source>
        <translation>dell&apos;impedenza d&apos;antenna</translation>
    </message>
    <message>
        <source>the impedance ratio of the matching coil</source>
        <translation>del rapporto di impedenza della bobina di adattamento</translation>
    </message>
    <message>
        <source>the reactance of the matching coil</source>
        <translation>della reattanza della bobina di adattamento</translation>
    </message>
    <message>
        <source>the inductance of the matching coil</source>
        <translation>dell&apos;induttanza della bobina di adattamento</translation>
    </message>
</context>
<context>
    <name>Coil</name>
    <message>
        <source>The frequency must be a positive number of MHz.</source>
        <translation>La frequenza deve essere un numero positivo di MHz.</translation>
    </message>
    <message>
        <source>Medhurst&apos;s self-capacitance covers coils from 0.1 to 50 diameters long, not %1.</source>
        <translation>L&apos;autocapacità di Medhurst vale per bobine lunghe da 0,1 a 50 diametri, non %1.</translation>
    </message>
    <message>
        <source>At %1 MHz the coil is above its self-resonance of about %2 MHz, no longer an inductor.</source>
        <translation>A %1 MHz la bobina è oltre la sua autorisonanza di circa %2 MHz e non è più un&apos;induttanza.</translation>
    </message>
    <message>
        <source>At %1 MHz the skin depth of copper, %2 inches, is more than a fifth of the wire: the Q estimate needs a thicker wire or a higher frequency.</source>
        <translation>A %1 MHz lo spessore pellicolare del rame, %2 pollici, supera un quinto del filo: la stima del Q richiede un filo più grosso o una frequenza più alta.</translation>
    </message>
    <message>
        <source>The coil&apos;s Q lies beyond what the calculation can hold.</source>
        <translation>Il Q della bobina è oltre ciò che il calcolo può gestire.</translation>
    </message>
    <message>
        <source>The winding needs a positive number of turns, coil diameter, coil length and wire diameter.</source>
        <translation>L&apos;avvolgimento richiede valori positivi per numero di spire, diametro della bobina, lunghezza della bobina e diametro del filo.</translation>
    </message>
    <message>
        <source>A winding needs at least one turn, not %1.</source>
        <translation>Un avvolgimento richiede almeno una spira, non %1.</translation>
    </message>
    <message>
        <source>The winding does not fit: %1 turns of %2-inch wire need %3 inches, more than the coil length of %4 inches.</source>
        <translation>L&apos;avvolgimento non entra: %1 spire di filo da %2 pollici richiedono %3 pollici, più della lunghezza della bobina di %4 pollici.</translation>
    </message>
    <message>
        <source>A wire as thick as the coil diameter winds no coil.</source>
        <translation>Un filo spesso quanto il diametro della bobina non forma alcuna bobina.</translation>
    </message>
    <message>
        <source>The winding&apos;s figures lie beyond what the calculation can hold.</source>
        <translation>I valori dell&apos;avvolgimento sono oltre ciò che il calcolo può gestire.</translation>
    </message>
    <message>
        <source>At %1 MHz the loading coil is above a third of its self-resonance of about %2 MHz: it acts as more inductance than its winding&apos;s, with less Q, so the check cannot take its Q.</source>
        <translation>A %1 MHz la bobina di carico è oltre un terzo della sua autorisonanza di circa %2 MHz: si comporta come un&apos;induttanza maggiore di quella del suo avvolgimento, con Q minore, perciò la verifica non può usarne il Q.</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>division by zero</source>
        <translation>divisione per zero</translation>
    </message>
    <message>
        <source>an invalid operation</source>
        <translation>un&apos;operazione non valida</translation>
    </message>
    <message>
        <source>an overflow</source>
        <translation>un overflow</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number.</source>
        <translation>«%1» non contiene un numero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large.</source>
        <translation>«%1» è troppo grande.</translation>
    </message>
    <message>
        <source>An overflow occurred while calculating %1.</source>
        <translation>Si è verificato un overflow durante il calcolo %1.</translation>
    </message>
    <message>
        <source>%1 occurred while calculating %2.</source>
        <translation>%1 durante il calcolo %2.</translation>
    </message>
    <message>
        <source>An invalid argument was given to %1 while calculating %2.</source>
        <translation>Argomento non valido per %1 durante il calcolo %2.</translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation>%1: operazione non riuscita.</translation>
    </message>
    <message>
        <source>a logarithm</source>
        <translation>un logaritmo</translation>
    </message>
    <message>
        <source>a square root</source>
        <translation>una radice quadrata</translation>
    </message>
    <message>
        <source>access to %1.%2</source>
        <translation>accesso a %1.%2</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Wire from the feed point to the coil</source>
        <translation>Filo dal punto di alimentazione alla bobina</translation>
    </message>
    <message>
        <source>Coil, as modelled</source>
        <translation>Bobina, come modellata</translation>
    </message>
    <message>
        <source>Wire from the coil to the tip</source>
        <translation>Filo dalla bobina all&apos;estremità</translation>
    </message>
    <message>
        <source>Each loading coil</source>
        <translation>Ogni bobina di carico</translation>
    </message>
    <message>
        <source>Matching coil across the feed point</source>
        <translation>Bobina di adattamento sul punto di alimentazione</translation>
    </message>
    <message>
        <source>SWR with them</source>
        <translation>ROS con esse</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth with them</source>
        <translation>Larghezza di banda a ROS 2:1 con esse</translation>
    </message>
    <message>
        <source>Feed resistance before the matching coil</source>
        <translation>Resistenza al punto di alimentazione prima della bobina di adattamento</translation>
    </message>
    <message>
        <source>Feed reactance before the matching coil</source>
        <translation>Reattanza al punto di alimentazione prima della bobina di adattamento</translation>
    </message>
    <message>
        <source>Efficiency of the build</source>
        <translation>Rendimento della realizzazione</translation>
    </message>
    <message>
        <source>Turns of each loading coil</source>
        <translation>Spire di ogni bobina di carico</translation>
    </message>
    <message>
        <source>Q of each loading coil</source>
        <translation>Q di ogni bobina di carico</translation>
    </message>
    <message>
        <source>Turns of the matching coil</source>
        <translation>Spire della bobina di adattamento</translation>
    </message>
    <message>
        <source>Q of the matching coil</source>
        <translation>Q della bobina di adattamento</translation>
    </message>
    <message>
        <source>Rounds until inductance and Q agree</source>
        <translation>Iterazioni finché induttanza e Q concordano</translation>
    </message>
    <message>
        <source>Resonant frequency</source>
        <translation>Frequenza di risonanza</translation>
    </message>
    <message>
        <source>Off the design frequency by</source>
        <translation>Scostamento dalla frequenza di progetto</translation>
    </message>
    <message>
        <source>Feed resistance at the design frequency</source>
        <translation>Resistenza al punto di alimentazione alla frequenza di progetto</translation>
    </message>
    <message>
        <source>Feed reactance at the design frequency</source>
        <translation>Reattanza al punto di alimentazione alla frequenza di progetto</translation>
    </message>
    <message>
        <source>Each coil for resonance at the design frequency</source>
        <translation>Ogni bobina per la risonanza alla frequenza di progetto</translation>
    </message>
    <message>
        <source>SWR at the design frequency</source>
        <translation>ROS alla frequenza di progetto</translation>
    </message>
    <message>
        <source>SWR with the matching coil</source>
        <translation>ROS con la bobina di adattamento</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth</source>
        <translation>Larghezza di banda a ROS 2:1</translation>
    </message>
    <message>
        <source>Efficiency, made resonant</source>
        <translation>Rendimento, con l&apos;antenna in risonanza</translation>
    </message>
    <message>
        <source>Measured resonance</source>
        <translation>Risonanza misurata</translation>
    </message>
    <message>
        <source>Resistance there</source>
        <translation>Resistenza lì</translation>
    </message>
    <message>
        <source>Lowest SWR</source>
        <translation>ROS minimo</translation>
    </message>
    <message>
        <source>Lowest SWR at</source>
        <translation>ROS minimo a</translation>
    </message>
    <message>
        <source>The design&apos;s resonance, by NEC-2</source>
        <translation>Risonanza del progetto, secondo NEC-2</translation>
    </message>
    <message>
        <source>Change to each tip</source>
        <translation>Variazione a ogni estremità</translation>
    </message>
    <message>
        <source>Or to each coil</source>
        <translation>Oppure a ogni bobina</translation>
    </message>
    <message>
        <source>Coils&apos; Q, an estimate</source>
        <translation>Q delle bobine, una stima</translation>
    </message>
    <message>
        <source>Efficiency, an estimate</source>
        <translation>Rendimento, una stima</translation>
    </message>
    <message>
        <source>Or to each coil&apos;s turns</source>
        <translation>Oppure alle spire di ogni bobina</translation>
    </message>
    <message>
        <source>Each loading coil on an LCR meter</source>
        <translation>Ogni bobina di carico sul misuratore LCR</translation>
    </message>
    <message>
        <source>Matching coil on an LCR meter</source>
        <translation>Bobina di adattamento sul misuratore LCR</translation>
    </message>
    <message>
        <source>Height of each tip over the ground</source>
        <translation>Altezza di ogni estremità sul terreno</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>INPUT FREQUENCY</source>
        <translation>INSERIRE FREQUENZA</translation>
    </message>
    <message>
        <source>INPUT TOTAL LENGTH</source>
        <translation>INSERIRE LUNGHEZZA TOTALE</translation>
    </message>
    <message>
        <source>INPUT ELEMENT SIZE</source>
        <translation>INSERIRE DIAMETRO ELEMENTO</translation>
    </message>
    <message>
        <source>INPUT FEEDLINE IMPEDANCE</source>
        <translation>IMPEDENZA LINEA DI ALIMENTAZIONE</translation>
    </message>
    <message>
        <source>FEET</source>
        <translation>PIEDI</translation>
    </message>
    <message>
        <source>INCHES</source>
        <translation>POLLICI</translation>
    </message>
    <message>
        <source>METERS</source>
        <translation>METRI</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>QUERLIN        by      ORVANE</source>
        <translation>QUERLIN        di      ORVANE</translation>
    </message>
    <message>
        <source>SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL<byte value="xd"/>
</source>
        <translation>SCORRERE PER LA DISTANZA DAL CENTRO ALL&apos;INIZIO DELLA BOBINA
</translation>
    </message>
    <message>
        <source>METRIC</source>
        <translation>METRICO</translation>
    </message>
    <message>
        <source>The coil will be</source>
        <translation>La bobina sarà a</translation>
    </message>
    <message>
        <source>from the center</source>
        <translation>dal centro</translation>
    </message>
    <message>
        <source>AWG WIRE SIZES</source>
        <translation>DIAMETRI FILO AWG</translation>
    </message>
    <message>
        <source>READ ME FIRST</source>
        <translation>LEGGERE PRIMA</translation>
    </message>
    <message>
        <source>Loading coils will be</source>
        <translation>Bobine di carico da</translation>
    </message>
    <message>
        <source>mHYs</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>DESIGN COILS</source>
        <translation>CALCOLA BOBINE</translation>
    </message>
    <message>
        <source>Antenna Impedance is approximately</source>
        <translation>L&apos;impedenza d&apos;antenna è di circa</translation>
    </message>
    <message>
        <source>OHMS</source>
        <translation>OHM</translation>
    </message>
    <message>
        <source>Matching coil is</source>
        <translation>Bobina di adattamento</translation>
    </message>
    <message>
        <source>WEBSITE</source>
        <translation>SITO WEB</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>CALCOLA</translation>
    </message>
    <message>
        <source>ohms</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>DESIGN COIL</source>
        <translation>CALCOLA BOBINA</translation>
    </message>
    <message>
        <source>Antenna drawing</source>
        <translation>Disegno dell&apos;antenna</translation>
    </message>
    <message>
        <source>The dipole, fed at its centre; the coil symbols show where the loading coils sit along each half.</source>
        <translation>Il dipolo, alimentato al centro; i simboli delle bobine mostrano dove stanno le bobine di carico su ciascuna metà.</translation>
    </message>
    <message>
        <source>Left loading coil</source>
        <translation>Bobina di carico sinistra</translation>
    </message>
    <message>
        <source>Coil symbol on the left half of the antenna.</source>
        <translation>Simbolo della bobina sulla metà sinistra dell&apos;antenna.</translation>
    </message>
    <message>
        <source>Right loading coil</source>
        <translation>Bobina di carico destra</translation>
    </message>
    <message>
        <source>Coil symbol on the right half of the antenna.</source>
        <translation>Simbolo della bobina sulla metà destra dell&apos;antenna.</translation>
    </message>
    <message>
        <source>Separator bar</source>
        <translation>Barra di separazione</translation>
    </message>
    <message>
        <source>between the inputs and the loading coils</source>
        <translation>tra i dati inseriti e le bobine di carico</translation>
    </message>
    <message>
        <source>between the loading coils and the matching coil</source>
        <translation>tra le bobine di carico e la bobina di adattamento</translation>
    </message>
    <message>
        <source>banner</source>
        <translation>intestazione</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>lengths in metres, diameters in millimetres</source>
        <translation>lunghezze in metri, diametri in millimetri</translation>
    </message>
    <message>
        <source>lengths in feet, diameters in inches</source>
        <translation>lunghezze in piedi, diametri in pollici</translation>
    </message>
    <message>
        <source>works out the loading coils</source>
        <translation>calcola le bobine di carico</translation>
    </message>
    <message>
        <source>works out the matching coil</source>
        <translation>calcola la bobina di adattamento</translation>
    </message>
    <message>
        <source>opens the coil window</source>
        <translation>apre la finestra delle bobine</translation>
    </message>
    <message>
        <source>opens the notes</source>
        <translation>apre le note</translation>
    </message>
    <message>
        <source>opens the link to the author&apos;s web page</source>
        <translation>apre il link alla pagina web dell&apos;autore</translation>
    </message>
    <message>
        <source>FEET</source>
        <comment>the unit after a length: The coil will be 10 FEET</comment>
        <translation>PIEDI</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>MICROHENRYS</source>
        <translation>MICROHENRY</translation>
    </message>
    <message>
        <source>COIL DIAMETER</source>
        <translation>DIAMETRO BOBINA</translation>
    </message>
    <message>
        <source>COIL LENGTH</source>
        <translation>LUNGHEZZA BOBINA</translation>
    </message>
    <message>
        <source>WIRE DECIMAL</source>
        <translation>FILO DECIMALE</translation>
    </message>
    <message>
        <source> THIS WILL FIT BUT YOU MAY WANT TO TRY A SHORTER COIL OR LARGER DIAMETER WIRE</source>
        <translation> ENTRA, MA SI PUÒ PROVARE UNA BOBINA PIÙ CORTA O UN FILO PIÙ GROSSO</translation>
    </message>
    <message>
        <source> THIS COIL IS TOO SMALL YOU MAY WISH TO TRY A LARGER COIL OR SMALLER DIAMETER WIRE</source>
        <translation> QUESTA BOBINA È TROPPO PICCOLA: PROVARE UNA BOBINA PIÙ GRANDE O UN FILO PIÙ SOTTILE</translation>
    </message>
    <message>
        <source>COILS</source>
        <translation>BOBINE</translation>
    </message>
    <message>
        <source>The most efficient coils have a high Q factor.Use the largest wire possible with <byte value="xd"/>
close winding. The coil should be no more than  twice as long as the diameter.<byte value="xd"/>
</source>
        <translation>Le bobine più efficienti hanno un Q elevato. Usare il filo più grosso possibile,
a spire serrate. La bobina non dovrebbe essere lunga più del doppio del diametro.
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
#   POLLICI  MM
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
        <translation>INSERIRE MICROHENRY e
DIAMETRO (POLLICI DECIMALI)
VA BENE ANCHE UN TUBO SOTTILE
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
        <translation>DIAMETRO
FRAZIONE   DECIMALE    CM
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
        <translation>NUMERO DI SPIRE CONSIGLIATO</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>CALCOLA</translation>
    </message>
    <message>
        <source>Advice on coils</source>
        <translation>Consigli sulle bobine</translation>
    </message>
    <message>
        <source>Wire gauge table</source>
        <translation>Tabella dei diametri dei fili</translation>
    </message>
    <message>
        <source>one gauge a line: its number, its diameter in inches and in millimetres</source>
        <translation>un calibro per riga: il suo numero, il suo diametro in pollici e in millimetri</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Tubing diameter table</source>
        <translation>Tabella dei diametri dei tubi</translation>
    </message>
    <message>
        <source>one size a line: the diameter as a fraction of an inch, in decimal inches and in centimetres</source>
        <translation>una misura per riga: il diametro come frazione di pollice, in pollici decimali e in centimetri</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>works out the number of turns</source>
        <translation>calcola il numero di spire</translation>
    </message>
    <message>
        <source>Advice on the winding</source>
        <translation>Consigli sull&apos;avvolgimento</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>NOTES</source>
        <translation>NOTE</translation>
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
        <translation>PUNTI
1   LE ANTENNE QUERLIN NON SONO EFFICIENTI COME UN DIPOLO INTERO
2   HANNO UNA BANDA PIÙ STRETTA
3   LA POSIZIONE MIGLIORE DELLE BOBINE È A CIRCA IL 50% DELLA
     DISTANZA DAL CENTRO. TROPPO VICINE LIMITANO LA CORRENTE,
     TROPPO LONTANE LA TENSIONE, E LE BOBINE DIVENTANO GRANDI.
4  GLI OGGETTI VICINI POSSONO ALLUNGARE L&apos;ANTENNA PER EFFETTO
    CAPACITIVO. MEGLIO COSTRUIRLA PIÙ LUNGA DEL PROGETTO E
    ACCORCIARE LE ESTREMITÀ CHE CERCARE DI AUMENTARE
    L&apos;INDUTTANZA DELLA BOBINA GIÀ COSTRUITA.
</translation>
    </message>
    <message>
        <source>THE ANTENNA MAY BE MATCHED BY STUB, HAIRPIN OR EVEN A DELTA OR GAMMA<byte value="xd"/>
IF YOU USE THE MATCHING COIL, THE ANTENNA IS LIMITED TO THE DESIGN FREQUENCY<byte value="xd"/>
LARGER MATCHING INDUCTORS CAN BE USED WITH VARIABLE CAPACITORS TO ALLOW<byte value="xd"/>
TUNING WITHIN THE BAND OR FOR MULTIPLE BANDS.<byte value="xd"/>
</source>
        <translation>L&apos;ANTENNA SI PUÒ ADATTARE ANCHE CON STUB, HAIRPIN O PERFINO DELTA O GAMMA
CON LA BOBINA DI ADATTAMENTO L&apos;ANTENNA È LIMITATA ALLA FREQUENZA DI PROGETTO
BOBINE DI ADATTAMENTO PIÙ GRANDI CON CONDENSATORI VARIABILI PERMETTONO
L&apos;ACCORDO ENTRO LA BANDA O SU PIÙ BANDE.
</translation>
    </message>
    <message>
        <source>IF YOU GET A NEGATIVE NUMBER FOR THE MATCHING COIL, THEN THE <byte value="xd"/>
ANTENNA IS LONGER THAN YOU REQUIRE FOR THAT FREQUENCY. THE <byte value="xd"/>
ANTENNA MAY BE TUNED WITH VARIABLE CAPACITORS.  <byte value="xd"/>
</source>
        <translation>SE LA BOBINA DI ADATTAMENTO RISULTA NEGATIVA, L&apos;ANTENNA È
PIÙ LUNGA DEL NECESSARIO PER QUELLA FREQUENZA. SI PUÒ
ACCORDARE CON CONDENSATORI VARIABILI.
</translation>
    </message>
    <message>
        <source>Points on shortened dipoles</source>
        <translation>Punti sui dipoli accorciati</translation>
    </message>
    <message>
        <source>Ways to match the antenna</source>
        <translation>Modi per adattare l&apos;antenna</translation>
    </message>
    <message>
        <source>A negative matching coil</source>
        <translation>Una bobina di adattamento negativa</translation>
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
        <translation>%1 pollici (%2 ft)</translation>
    </message>
    <message>
        <source>The model of the design resonates nowhere near %1 MHz: nothing to compare with.</source>
        <translation>Il modello del progetto non risuona da nessuna parte vicino a %1 MHz: niente da confrontare.</translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the resonance to %3 MHz.</source>
        <translation>Ogni estremità: %1 %2 per portare la risonanza a %3 MHz.</translation>
    </message>
    <message>
        <source>fold back</source>
        <translation>ripiegare di</translation>
    </message>
    <message>
        <source>lengthen by</source>
        <translation>allungare di</translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the resonance to %1 MHz.</source>
        <translation>Ogni estremità: il modello non trova alcuna lunghezza che porti la risonanza a %1 MHz.</translation>
    </message>
    <message>
        <source>Or each coil: %1 %2 uH (%3 to %4 uH).</source>
        <translation>Oppure ogni bobina: %1 %2 uH (da %3 a %4 uH).</translation>
    </message>
    <message>
        <source>take off</source>
        <translation>togliere</translation>
    </message>
    <message>
        <source>add</source>
        <translation>aggiungere</translation>
    </message>
    <message>
        <source>On that former: %1 %2 turns (%3 to %4 turns)%5.</source>
        <translation>Su quel supporto: %1 %2 spire (da %3 a %4 spire)%5.</translation>
    </message>
    <message>
        <source>unwind</source>
        <translation>svolgere</translation>
    </message>
    <message>
        <source>wind on</source>
        <translation>avvolgere</translation>
    </message>
    <message>
        <source>, which do not fit its length</source>
        <translation>, che non entrano nella sua lunghezza</translation>
    </message>
    <message>
        <source>Or each coil: the model finds no inductance that does.</source>
        <translation>Oppure ogni bobina: il modello non trova alcuna induttanza che ci riesca.</translation>
    </message>
    <message>
        <source>An estimate: the resonance is as sharp as the model&apos;s with coils of Q %1, with which it radiates %2 % of the power put in.</source>
        <translation>Una stima: la risonanza è acuta quanto quella del modello con bobine di Q %1, con cui irradia il %2 % della potenza immessa.</translation>
    </message>
    <message>
        <source>In the model %1 more on each tip %2 the resonance by %3 kHz; the rule for full-size dipoles says %4 kHz.</source>
        <translation>Nel modello %1 in più a ogni estremità %2 la risonanza di %3 kHz; la regola per i dipoli interi dice %4 kHz.</translation>
    </message>
    <message>
        <source>1 cm</source>
        <translation>1 cm</translation>
    </message>
    <message>
        <source>an inch</source>
        <translation>un pollice</translation>
    </message>
    <message>
        <source>lowers</source>
        <translation>abbassa</translation>
    </message>
    <message>
        <source>raises</source>
        <translation>alza</translation>
    </message>
    <message>
        <source>SWR on the %1-ohm line</source>
        <translation>ROS sulla linea da %1 ohm</translation>
    </message>
    <message>
        <source>, resistance and reactance</source>
        <translation>, resistenza e reattanza</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Misurato</translation>
    </message>
    <message>
        <source>: measured, and the design as NEC-2 models it</source>
        <translation>: misurato, e il progetto come lo modella NEC-2</translation>
    </message>
    <message>
        <source>The design, by NEC-2</source>
        <translation>Il progetto, secondo NEC-2</translation>
    </message>
    <message>
        <source>the reactance does not rise through zero anywhere from %1 to %2 MHz: the sweep holds no resonance; sweep more widely around it.</source>
        <translation>la reattanza non sale passando per lo zero in nessun punto da %1 a %2 MHz: la scansione non contiene alcuna risonanza; misuri su un intervallo più ampio intorno a essa.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>the frequency must be a positive number that a sweep can hold, not %1 MHz.</source>
        <translation>la frequenza deve essere un numero positivo che una scansione possa contenere, non %1 MHz.</translation>
    </message>
    <message>
        <source>these values give no finite impedance (an open circuit, or numbers out of range).</source>
        <translation>questi valori non danno un&apos;impedenza finita (un circuito aperto, o numeri fuori intervallo).</translation>
    </message>
    <message>
        <source>the frequency %1 MHz does not rise above the %2 MHz before it: a sweep&apos;s frequencies must rise.</source>
        <translation>la frequenza %1 MHz non supera i %2 MHz che la precedono: le frequenze di una scansione devono crescere.</translation>
    </message>
    <message>
        <source>more than %1 frequencies, more than any analyser sweeps.</source>
        <translation>più di %1 frequenze, più di quante ne scansioni qualsiasi analizzatore d&apos;antenna.</translation>
    </message>
    <message>
        <source>no sweep: the file holds no line of data.</source>
        <translation>nessuna scansione: il file non contiene alcuna riga di dati.</translation>
    </message>
    <message>
        <source>one frequency only: a sweep needs at least two to find anything.</source>
        <translation>una sola frequenza: a una scansione ne servono almeno due per trovare qualcosa.</translation>
    </message>
    <message>
        <source>a zero byte: this is no text file (a file saved as UTF-16 must be saved as plain text or UTF-8).</source>
        <translation>un byte zero: questo non è un file di testo (un file salvato come UTF-16 va salvato come testo semplice o UTF-8).</translation>
    </message>
    <message>
        <source>no such file.</source>
        <translation>file inesistente.</translation>
    </message>
    <message>
        <source>not a file that holds a measurement.</source>
        <translation>non è un file che contiene una misura.</translation>
    </message>
    <message>
        <source>a file of %1 ports; an antenna&apos;s feed point is measured as one port, a .s1p file.</source>
        <translation>un file a %1 porte; il punto di alimentazione di un&apos;antenna si misura come una porta, un file .s1p.</translation>
    </message>
    <message>
        <source>larger than %1 MB, more than any analyser&apos;s sweep.</source>
        <translation>più grande di %1 MB, più della scansione di qualsiasi analizzatore d&apos;antenna.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>impossibile leggerlo: %1.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>il file è vuoto.</translation>
    </message>
    <message>
        <source>no column is named as the frequency; a CSV measurement begins with a header row such as %1.</source>
        <translation>nessuna colonna è indicata come frequenza; una misura CSV inizia con una riga di intestazione come %1.</translation>
    </message>
    <message>
        <source>no columns are named as the reflection coefficient&apos;s real and imaginary parts or as the resistance and reactance, as in %1.</source>
        <translation>nessuna colonna è indicata come parte reale e immaginaria del coefficiente di riflessione o come resistenza e reattanza, come in %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the column &apos;%2&apos; is not a number.</source>
        <translation>«%1» nella colonna «%2» non è un numero.</translation>
    </message>
    <message>
        <source>%1 fields where the columns read need %2.</source>
        <translation>%1 campi dove le colonne lette ne richiedono %2.</translation>
    </message>
    <message>
        <source>%1 repeats a part of the option line, which reads %2.</source>
        <translation>%1 ripete una parte della riga delle opzioni, che è: %2.</translation>
    </message>
    <message>
        <source>R must be followed by the reference resistance in ohms, a positive number.</source>
        <translation>R deve essere seguito dalla resistenza di riferimento in ohm, un numero positivo.</translation>
    </message>
    <message>
        <source>%1 parameters describe two ports; an antenna&apos;s feed point is one: S, Y or Z.</source>
        <translation>I parametri %1 descrivono due porte; il punto di alimentazione di un&apos;antenna ne ha una: S, Y o Z.</translation>
    </message>
    <message>
        <source>%1 is no part of an option line, which reads %2.</source>
        <translation>%1 non fa parte di una riga delle opzioni, che è: %2.</translation>
    </message>
    <message>
        <source>%1 is a keyword of Touchstone version 2; save the measurement as version 1.</source>
        <translation>%1 è una parola chiave di Touchstone versione 2; salvi la misura come versione 1.</translation>
    </message>
    <message>
        <source>data before the option line: a Touchstone file says first what its numbers are, as in %1.</source>
        <translation>dati prima della riga delle opzioni: un file Touchstone dice prima che cosa sono i suoi numeri, come in %1.</translation>
    </message>
    <message>
        <source>%1 numbers where one port&apos;s line holds three: the frequency and two for the parameter.</source>
        <translation>%1 numeri dove la riga di una porta ne contiene tre: la frequenza e due per il parametro.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 non è un numero.</translation>
    </message>
    <message>
        <source>no option line and no data: a Touchstone file holds an option line such as %1 and a line for each frequency.</source>
        <translation>nessuna riga delle opzioni e nessun dato: un file Touchstone contiene una riga delle opzioni come %1 e una riga per ogni frequenza.</translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the lowest SWR with the matching coil to %3 MHz.</source>
        <translation>Ogni estremità: %1 %2 per portare il ROS più basso con la bobina di adattamento a %3 MHz.</translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the lowest SWR with the matching coil to %1 MHz.</source>
        <translation>Ogni estremità: il modello non trova alcuna lunghezza che porti il ROS più basso con la bobina di adattamento a %1 MHz.</translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>The best position, %1 %</source>
        <translation>La posizione migliore, %1 %</translation>
    </message>
    <message>
        <source>Each loading coil by the formula and as built to match the line by NEC-2, and what the build gives</source>
        <translation>Ogni bobina di carico secondo la formula e come realizzata per adattarsi alla linea secondo NEC-2, e cosa dà la realizzazione</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and as NEC-2 needs it, and where each design resonates</source>
        <translation>L&apos;induttanza di ogni bobina secondo la formula e come la richiede NEC-2, e dove risuona ogni progetto</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula</source>
        <translation>L&apos;induttanza di ogni bobina secondo la formula</translation>
    </message>
    <message>
        <source>Coil inductance (µH)</source>
        <translation>Induttanza della bobina (µH)</translation>
    </message>
    <message>
        <source>By the formula</source>
        <translation>Secondo la formula</translation>
    </message>
    <message>
        <source>For resonance at %1 MHz, by NEC-2</source>
        <translation>Per la risonanza a %1 MHz, secondo NEC-2</translation>
    </message>
    <message>
        <source>As built, by NEC-2</source>
        <translation>Come realizzata, secondo NEC-2</translation>
    </message>
    <message>
        <source>The worked position, %1 %</source>
        <translation>La posizione calcolata, %1 %</translation>
    </message>
    <message>
        <source>Resonance (MHz)</source>
        <translation>Risonanza (MHz)</translation>
    </message>
    <message>
        <source>Resonance as built, by NEC-2</source>
        <translation>Risonanza come realizzata, secondo NEC-2</translation>
    </message>
    <message>
        <source>Target, %1 MHz</source>
        <translation>Obiettivo, %1 MHz</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Rendimento (%)</translation>
    </message>
    <message>
        <source>Efficiency as matched, by NEC-2</source>
        <translation>Rendimento con adattamento, secondo NEC-2</translation>
    </message>
    <message>
        <source>Bandwidth (kHz)</source>
        <translation>Larghezza di banda (kHz)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth as matched, by NEC-2</source>
        <translation>Larghezza di banda a ROS 2:1 con adattamento, secondo NEC-2</translation>
    </message>
    <message>
        <source>Coil position (% of half the antenna, from the centre)</source>
        <translation>Posizione della bobina (% di mezza antenna, dal centro)</translation>
    </message>
    <message>
        <source>SWR</source>
        <translation>ROS</translation>
    </message>
    <message>
        <source>Design frequency, %1 MHz</source>
        <translation>Frequenza di progetto, %1 MHz</translation>
    </message>
    <message>
        <source>Impedance (ohms)</source>
        <translation>Impedenza (ohm)</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistenza</translation>
    </message>
    <message>
        <source>Reactance</source>
        <translation>Reattanza</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenza (MHz)</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>opening the web page</source>
        <translation>apertura della pagina web</translation>
    </message>
</context>
<context>
    <name>querlin</name>
    <message>
        <source>The antenna is as long as or longer than a resonant dipole at %1 MHz, so it needs no loading coil (the formula gives %2 µH).</source>
        <translation>L&apos;antenna è lunga quanto o più di un dipolo risonante a %1 MHz, quindi non richiede alcuna bobina di carico (la formula dà %2 µH).</translation>
    </message>
    <message>
        <source>With %1 the length is in metres and the element in millimetres: if they are in feet and inches, leave out %1.</source>
        <translation>Con %1 la lunghezza è in metri e l&apos;elemento in millimetri: se sono in piedi e pollici, ometta %1.</translation>
    </message>
    <message>
        <source>Without %1 the length is in feet and the element in inches: if they are in metres and millimetres, give %1.</source>
        <translation>Senza %1 la lunghezza è in piedi e l&apos;elemento in pollici: se sono in metri e millimetri, indichi %1.</translation>
    </message>
</context>
<context>
    <name>querlin-calc</name>
    <message>
        <source>No position gives a build with an efficiency.</source>
        <translation>Nessuna posizione dà una realizzazione con un rendimento.</translation>
    </message>
    <message>
        <source>winding inductance: %1 uH, by Nagaoka&apos;s coefficient and Rosa&apos;s round-wire corrections</source>
        <translation>induttanza dell&apos;avvolgimento: %1 uH, secondo il coefficiente di Nagaoka e le correzioni di Rosa per il filo tondo</translation>
    </message>
    <message>
        <source>difference from the wanted inductance: %1 %</source>
        <translation>scostamento dall&apos;induttanza voluta: %1 %</translation>
    </message>
    <message>
        <source>turns as wound for the wanted inductance: %1, close-wound %2 inches, which fit</source>
        <translation>spire come avvolte per l&apos;induttanza voluta: %1, a spire serrate %2 pollici, che entrano</translation>
    </message>
    <message>
        <source>turns as wound for the wanted inductance: %1, close-wound %2 inches, more than the coil length of %3 inches</source>
        <translation>spire come avvolte per l&apos;induttanza voluta: %1, a spire serrate %2 pollici, più della lunghezza della bobina di %3 pollici</translation>
    </message>
    <message>
        <source>wire length: %1 inches (%2 m)</source>
        <translation>lunghezza del filo: %1 pollici (%2 m)</translation>
    </message>
    <message>
        <source>Q at %2 MHz: %1</source>
        <translation>Q a %2 MHz: %1</translation>
    </message>
    <message>
        <source>self-resonance: about %1 MHz</source>
        <translation>autorisonanza: circa %1 MHz</translation>
    </message>
    <message>
        <source>reactance at %2 MHz: %1 ohms</source>
        <translation>reattanza a %2 MHz: %1 ohm</translation>
    </message>
    <message>
        <source>warning: %1 MHz is above a third of the self-resonance, where the coil acts as more inductance than its winding&apos;s, with less Q</source>
        <translation>avviso: %1 MHz è oltre un terzo dell&apos;autorisonanza, dove la bobina si comporta come un&apos;induttanza maggiore di quella del suo avvolgimento, con Q minore</translation>
    </message>
    <message>
        <source>--frequency takes a number of MHz, not &apos;%1&apos;.</source>
        <translation>--frequency accetta un numero di MHz, non «%1».</translation>
    </message>
    <message>
        <source>--%1 cannot be a line of a batch.</source>
        <translation>--%1 non può essere una riga di un batch.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Comando sconosciuto «%1».</translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not --%1.</source>
        <translation>--batch prende i comandi dallo standard input, non da --%1.</translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not &apos;%1&apos;.</source>
        <translation>--batch prende i comandi dallo standard input, non da «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Per saperne di più: «%1 --help».</translation>
    </message>
    <message>
        <source>where the two loading coils go and how large they are</source>
        <translation>dove vanno le due bobine di carico e quanto sono grandi</translation>
    </message>
    <message>
        <source>The main window&apos;s upper CALCULATE: prints the distance from the centre to each loading coil (feet, or metres with --metric), the inductance of each coil in microhenries and the approximate feed-point impedance in ohms. --sweep tabulates every position as CSV, from 1 % (coils next to the feed point) to 99 % (near the tips); --check adds what the NEC-2 engine says of each, and --plot draws the table as a picture in place of printing it.</source>
        <translation>Il CALCOLA superiore della finestra principale: stampa la distanza dal centro a ogni bobina di carico (piedi, o metri con --metric), l&apos;induttanza di ogni bobina in microhenry e l&apos;impedenza approssimativa al punto di alimentazione in ohm. --sweep tabula ogni posizione in CSV, da 1 % (bobine accanto al punto di alimentazione) a 99 % (vicino alle estremità); --check aggiunge ciò che il motore NEC-2 dice di ciascuna, e --plot disegna la tabella come immagine invece di stamparla.</translation>
    </message>
    <message>
        <source>the same, and the matching coil across the feed point</source>
        <translation>lo stesso, e la bobina di adattamento sul punto di alimentazione</translation>
    </message>
    <message>
        <source>The main window&apos;s lower CALCULATE: prints what dipole prints, then the inductance of the shunt coil across the feed point that matches the antenna to the feed line, in microhenries.</source>
        <translation>Il CALCOLA inferiore della finestra principale: stampa ciò che stampa dipole, poi l&apos;induttanza della bobina in parallelo sul punto di alimentazione che adatta l&apos;antenna alla linea di alimentazione, in microhenry.</translation>
    </message>
    <message>
        <source>the turns of a loading coil, and the coil as wound</source>
        <translation>le spire di una bobina di carico, e la bobina come avvolta</translation>
    </message>
    <message>
        <source>The coil window&apos;s CALCULATE: prints the number of turns of a single-layer air-core coil for the wanted inductance and the fit message, which begins with a blank as the coil window shows it. --details adds the coil as wound, its turns spread evenly over the coil length, one figure and its unit a line: its inductance by Nagaoka&apos;s coefficient less Rosa&apos;s round-wire corrections, how far that is from the wanted inductance, the turns that give the wanted inductance as wound and whether they fit, and the wire length; with --frequency, its Q, its self-resonance and its reactance there, and a warning above a third of the self-resonance.</source>
        <translation>Il CALCOLA della finestra delle bobine: stampa il numero di spire di una bobina in aria a strato singolo per l&apos;induttanza voluta e il messaggio che dice se l&apos;avvolgimento entra, che inizia con uno spazio come lo mostra la finestra delle bobine. --details aggiunge la bobina come avvolta, con le spire distribuite uniformemente sulla lunghezza della bobina, un valore con la sua unità per riga: la sua induttanza secondo il coefficiente di Nagaoka meno le correzioni di Rosa per il filo tondo, quanto si scosta dall&apos;induttanza voluta, le spire che danno l&apos;induttanza voluta come avvolte e se entrano, e la lunghezza del filo; con --frequency, il suo Q, la sua autorisonanza e la sua reattanza a quella frequenza, e un avviso oltre un terzo dell&apos;autorisonanza.</translation>
    </message>
    <message>
        <source>the design as a NEC-2 card deck</source>
        <translation>il progetto come deck di schede NEC-2</translation>
    </message>
    <message>
        <source>Writes the design as a NEC-2 card deck: the straight centre-fed wire, the source on a segment of its own at the centre, each loading coil of the computed inductance a wire of its own, 1/81 of the antenna long (shorter near the centre or a tip), centred at the computed distance, and a sweep from 10 % below to 10 % above the design frequency, with comment cards naming the design.</source>
        <translation>Scrive il progetto come deck di schede NEC-2: il filo diritto alimentato al centro, la sorgente su un proprio segmento al centro, ogni bobina di carico dell&apos;induttanza calcolata come un proprio filo, lungo 1/81 dell&apos;antenna (più corto vicino al centro o a un&apos;estremità), centrato alla distanza calcolata, e uno sweep da 10 % sotto a 10 % sopra la frequenza di progetto, con schede di commento che descrivono il progetto.</translation>
    </message>
    <message>
        <source>the design modelled in nec2c: its resonance, impedance and SWR</source>
        <translation>il progetto modellato in nec2c: risonanza, impedenza e ROS</translation>
    </message>
    <message>
        <source>Runs the design&apos;s deck in the NEC-2 engine nec2c and prints the design&apos;s texts, then what the engine says, each after its key: where the antenna resonates and how far that is from the design frequency, the feed impedance there, the inductance each coil needs for resonance there, the SWR without and with the matching coil, the 2:1 bandwidth and, with --conductor copper, --coil-q, a coil to wind or --height, the efficiency: the share of the power put in that is radiated, over ground into the upper half of space, with coils of the resonant inductance. A last line, note, says when segments shorter than 8 wire radii make the figures rough. --coil-diameter, --coil-length and --coil-wire wind each loading coil as coil --details does and model it with the Q that gives, and add the turns that give its inductance as wound.</source>
        <translation>Esegue il deck del progetto nel motore NEC-2 nec2c e stampa i testi del progetto, poi ciò che dice il motore, ciascuno dopo la sua chiave: dove risuona l&apos;antenna e quanto si scosta dalla frequenza di progetto, l&apos;impedenza al punto di alimentazione lì, l&apos;induttanza che ogni bobina richiede per la risonanza lì, il ROS senza e con la bobina di adattamento, la larghezza di banda a 2:1 e, con --conductor copper, --coil-q, una bobina da avvolgere o --height, il rendimento: la frazione della potenza immessa che viene irradiata, sopra il suolo nel semispazio superiore, con bobine dell&apos;induttanza di risonanza. Un&apos;ultima riga, note, avvisa quando segmenti più corti di 8 raggi del filo rendono i valori solo indicativi. --coil-diameter, --coil-length e --coil-wire avvolgono ogni bobina di carico come fa coil --details, la modellano con il Q che ne risulta e aggiungono le spire che danno la sua induttanza come avvolta.</translation>
    </message>
    <message>
        <source>what to build instead: the coils that match the feed line</source>
        <translation>cosa costruire invece: le bobine che adattano la linea di alimentazione</translation>
    </message>
    <message>
        <source>Prints the design&apos;s texts, then what to build instead, found by nec2c with the coils&apos; loss in the model: each loading coil and the matching coil across the feed point with which the feed line sees an SWR of 1, and the SWR, bandwidth and feed impedance with them, or in words why no coil across the feed point can match, and what to cut for each half: the wire to the coil, the coil and the wire to the tip. With a coil to wind it gives each coil&apos;s turns and Q; --position best builds every position and prints the one of highest efficiency, and --sweep every position, a row each, which --plot draws as a picture in place of printing it. --touchstone writes the build&apos;s feed point for an analyser&apos;s program, as check&apos;s does.</source>
        <translation>Stampa i testi del progetto, poi cosa costruire invece, trovato da nec2c con la perdita delle bobine nel modello: ogni bobina di carico e la bobina di adattamento sul punto di alimentazione con cui la linea di alimentazione vede un ROS di 1, e ROS, larghezza di banda e impedenza al punto di alimentazione con esse, oppure a parole perché nessuna bobina sul punto di alimentazione può adattare, e cosa tagliare per ogni metà: il filo fino alla bobina, la bobina e il filo fino all&apos;estremità. Con una bobina da avvolgere dà spire e Q di ogni bobina; --position best realizza ogni posizione e stampa quella di rendimento più alto, e --sweep ogni posizione, una riga ciascuna, che --plot disegna come immagine invece di stamparla. --touchstone scrive il punto di alimentazione della realizzazione per il programma di un analizzatore d&apos;antenna, come fa quello di check.</translation>
    </message>
    <message>
        <source>an analyser&apos;s sweep of the antenna, and how to tune it</source>
        <translation>la scansione di un analizzatore d&apos;antenna, e come accordare l&apos;antenna</translation>
    </message>
    <message>
        <source>Reads an antenna analyser&apos;s sweep of the feed point, a Touchstone version 1 .s1p file or a CSV file, and prints the resonance, the resistance there, the lowest SWR on the feed line and the 2:1 bandwidth. Given the design, it also says how much to change each tip, or instead each coil, to bring the resonance to the design frequency, found with nec2c, and estimates the coils&apos; Q and the efficiency from the resonance&apos;s sharpness; with the former the coils are wound on, the turns to wind on or unwind. --plot draws the sweep&apos;s SWR, resistance and reactance against frequency, with the design the model&apos;s beside them.</source>
        <translation>Legge la scansione del punto di alimentazione fatta da un analizzatore d&apos;antenna, un file Touchstone versione 1 .s1p o un file CSV, e stampa la risonanza, la resistenza lì, il ROS minimo sulla linea di alimentazione e la larghezza di banda a 2:1. Dato il progetto, dice anche quanto variare ogni estremità, o invece ogni bobina, per portare la risonanza alla frequenza di progetto, trovato con nec2c, e stima il Q delle bobine e il rendimento dall&apos;acutezza della risonanza; con il supporto su cui sono avvolte le bobine, le spire da avvolgere o svolgere. --plot disegna ROS, resistenza e reattanza della scansione in funzione della frequenza, e accanto, dato il progetto, quelli del modello.</translation>
    </message>
    <message>
        <source>The operating frequency, in MHz.</source>
        <translation>La frequenza di lavoro, in MHz.</translation>
    </message>
    <message>
        <source>The design frequency, in MHz: the resonance nearest it is read (without it, the one nearest the lowest SWR).</source>
        <translation>La frequenza di progetto, in MHz: si legge la risonanza più vicina a essa (senza, quella più vicina al ROS minimo).</translation>
    </message>
    <message>
        <source>The total length of the antenna, tip to tip, in feet (metres with --metric).</source>
        <translation>La lunghezza totale dell&apos;antenna, da estremità a estremità, in piedi (metri con --metric).</translation>
    </message>
    <message>
        <source>The design&apos;s total length, in feet (metres with --metric); with --frequency, --element and --position.</source>
        <translation>La lunghezza totale del progetto, in piedi (metri con --metric); con --frequency, --element e --position.</translation>
    </message>
    <message>
        <source>The element diameter, in inches (millimetres with --metric).</source>
        <translation>Il diametro dell&apos;elemento, in pollici (millimetri con --metric).</translation>
    </message>
    <message>
        <source>The design&apos;s element diameter, in inches (millimetres with --metric).</source>
        <translation>Il diametro dell&apos;elemento del progetto, in pollici (millimetri con --metric).</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99.</source>
        <translation>La distanza dal centro a ogni bobina come percentuale di mezza antenna, il campo % della finestra: un numero intero da 1 a 99.</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99. With --sweep only with --plot, which marks it.</source>
        <translation>La distanza dal centro a ogni bobina come percentuale di mezza antenna, il campo % della finestra: un numero intero da 1 a 99. Con --sweep solo con --plot, che la segna.</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, a whole number from 1 to 99; or best, the position of highest efficiency, which needs the coils&apos; loss. With --sweep only with --plot, which marks it.</source>
        <translation>La distanza dal centro a ogni bobina come percentuale di mezza antenna, un numero intero da 1 a 99; oppure best, la posizione di rendimento più alto, che richiede la perdita delle bobine. Con --sweep solo con --plot, che la segna.</translation>
    </message>
    <message>
        <source>The design&apos;s coil position, per cent, 1 to 99.</source>
        <translation>La posizione delle bobine del progetto, in percentuale, da 1 a 99.</translation>
    </message>
    <message>
        <source>The length is in metres and the element diameter in millimetres; the coil distance is printed in metres.</source>
        <translation>La lunghezza è in metri e il diametro dell&apos;elemento in millimetri; la distanza della bobina viene stampata in metri.</translation>
    </message>
    <message>
        <source>The design&apos;s length is in metres and its element diameter in millimetres; the tip change is printed in metres.</source>
        <translation>La lunghezza del progetto è in metri e il diametro dell&apos;elemento in millimetri; la variazione delle estremità viene stampata in metri.</translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms.</source>
        <translation>L&apos;impedenza della linea di alimentazione, in ohm.</translation>
    </message>
    <message>
        <source>The wanted inductance, in microhenries.</source>
        <translation>L&apos;induttanza voluta, in microhenry.</translation>
    </message>
    <message>
        <source>The coil diameter, in inches, from wire centre to wire centre: a former&apos;s diameter plus one wire diameter.</source>
        <translation>Il diametro della bobina, in pollici, da centro filo a centro filo: il diametro di un supporto più un diametro del filo.</translation>
    </message>
    <message>
        <source>The coil length, in inches.</source>
        <translation>La lunghezza della bobina, in pollici.</translation>
    </message>
    <message>
        <source>The wire diameter, in inches.</source>
        <translation>Il diametro del filo, in pollici.</translation>
    </message>
    <message>
        <source>The coil as wound too: its inductance, its difference from the wanted inductance in per cent, the turns that give the wanted inductance as wound and whether they fit, and the wire length, in inches and metres.</source>
        <translation>Anche la bobina come avvolta: la sua induttanza, il suo scostamento dall&apos;induttanza voluta in percentuale, le spire che danno l&apos;induttanza voluta come avvolte e se entrano, e la lunghezza del filo, in pollici e metri.</translation>
    </message>
    <message>
        <source>With --details: the frequency the coil works at, in MHz, for its Q, self-resonance and reactance.</source>
        <translation>Con --details: la frequenza a cui lavora la bobina, in MHz, per il suo Q, la sua autorisonanza e la sua reattanza.</translation>
    </message>
    <message>
        <source>Every position from 1 to 99, as CSV with the header row position,distance,inductance,impedance (with --json, one object per position); without --position.</source>
        <translation>Ogni posizione da 1 a 99, in CSV con la riga di intestazione position,distance,inductance,impedance (con --json, un oggetto per posizione); senza --position.</translation>
    </message>
    <message>
        <source>Build every position, a row each, as CSV; without --position.</source>
        <translation>Realizza ogni posizione, una riga ciascuna, in CSV; senza --position.</translation>
    </message>
    <message>
        <source>With --sweep: the check&apos;s figures of every position too, as further columns; takes the model and coil options of check.</source>
        <translation>Con --sweep: anche i valori della verifica di ogni posizione, come ulteriori colonne; accetta le opzioni di modello e di bobina di check.</translation>
    </message>
    <message>
        <source>With --sweep: draw the table in FILE instead of printing it, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Con --sweep: disegna la tabella in FILE invece di stamparla, un&apos;immagine PNG o SVG secondo l&apos;estensione del nome (.png o .svg).</translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation>L&apos;impedenza della linea di alimentazione, in ohm; 50 se non indicata.</translation>
    </message>
    <message>
        <source>With --sweep --check: the feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation>Con --sweep --check: l&apos;impedenza della linea di alimentazione, in ohm; 50 se non indicata.</translation>
    </message>
    <message>
        <source>The inductance of each coil as built, in microhenries, in place of the design&apos;s.</source>
        <translation>L&apos;induttanza di ogni bobina come realizzata, in microhenry, al posto di quella del progetto.</translation>
    </message>
    <message>
        <source>No segment of the model is longer than the antenna over N, and those at the source and the coils are shorter where they must be; 9 to 2001, 81 unless given.</source>
        <translation>Nessun segmento del modello è più lungo dell&apos;antenna divisa per N, e quelli alla sorgente e alle bobine sono più corti dove devono esserlo; da 9 a 2001, 81 se non indicato.</translation>
    </message>
    <message>
        <source>Adds the loss of copper wire to the model; without it the wire has none.</source>
        <translation>Aggiunge al modello la perdita del filo di rame; senza, il filo non ha perdite.</translation>
    </message>
    <message>
        <source>The old spelling of --conductor; coil&apos;s --wire is the wire&apos;s diameter.</source>
        <translation>La vecchia grafia di --conductor; in coil, --wire è il diametro del filo.</translation>
    </message>
    <message>
        <source>The coils&apos; Q, for their loss: a series resistance of their reactance over Q at the design frequency; lossless unless given.</source>
        <translation>Il Q delle bobine, per la loro perdita: una resistenza in serie pari alla loro reattanza divisa per Q alla frequenza di progetto; senza perdite se non indicato.</translation>
    </message>
    <message>
        <source>The Q of every coil, the matching coil&apos;s too, for their loss; lossless unless given.</source>
        <translation>Il Q di ogni bobina, anche della bobina di adattamento, per la loro perdita; senza perdite se non indicato.</translation>
    </message>
    <message>
        <source>Wind each loading coil on this diameter, in inches from wire centre to wire centre, as the coil window designs it, and take its Q for the coils&apos; loss; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation>Avvolge ogni bobina di carico su questo diametro, in pollici da centro filo a centro filo, come la progetta la finestra delle bobine, e ne usa il Q per la perdita delle bobine; con --coil-length e --coil-wire, senza --coil-q.</translation>
    </message>
    <message>
        <source>Wind the loading coils and the matching coil on this diameter, in inches from wire centre to wire centre, by Nagaoka&apos;s coefficient, each with its own Q; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation>Avvolge le bobine di carico e la bobina di adattamento su questo diametro, in pollici da centro filo a centro filo, secondo il coefficiente di Nagaoka, ciascuna con il proprio Q; con --coil-length e --coil-wire, senza --coil-q.</translation>
    </message>
    <message>
        <source>With the design: the diameter, in inches from wire centre to wire centre, of the former the coils are wound on, for the turns of the advised change; with --coil-length and --coil-wire.</source>
        <translation>Con il progetto: il diametro, in pollici da centro filo a centro filo, del supporto su cui sono avvolte le bobine, per le spire della variazione consigliata; con --coil-length e --coil-wire.</translation>
    </message>
    <message>
        <source>The length of that coil, in inches.</source>
        <translation>La lunghezza di quella bobina, in pollici.</translation>
    </message>
    <message>
        <source>The wire diameter of that coil, in inches.</source>
        <translation>Il diametro del filo di quella bobina, in pollici.</translation>
    </message>
    <message>
        <source>Write the deck to FILE instead of standard output.</source>
        <translation>Scrive il deck in FILE invece che sullo standard output.</translation>
    </message>
    <message>
        <source>Also write the model&apos;s feed point from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line.</source>
        <translation>Scrive anche il punto di alimentazione del modello da un decimo sotto a un decimo sopra la frequenza di progetto, in 201 passi, in FILE, un file Touchstone .s1p sulla linea di alimentazione.</translation>
    </message>
    <message>
        <source>Also write the build&apos;s feed point, its loading coils as built with their Q and the matching coil across it, from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line; without --sweep.</source>
        <translation>Scrive anche il punto di alimentazione della realizzazione, con le bobine di carico come realizzate con il loro Q e la bobina di adattamento su di esso, da un decimo sotto a un decimo sopra la frequenza di progetto, in 201 passi, in FILE, un file Touchstone .s1p sulla linea di alimentazione; senza --sweep.</translation>
    </message>
    <message>
        <source>With --sweep: draw the builds in FILE instead of printing them, against the position: each loading coil by the formula and as built, the 2:1 bandwidth and, with loss in the model, the efficiency, the best position ringed; a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Con --sweep: disegna le realizzazioni in FILE invece di stamparle, in funzione della posizione: ogni bobina di carico secondo la formula e come realizzata, la larghezza di banda a 2:1 e, con la perdita nel modello, il rendimento, con la posizione migliore cerchiata; un&apos;immagine PNG o SVG secondo l&apos;estensione del nome (.png o .svg).</translation>
    </message>
    <message>
        <source>Also draw the sweep&apos;s SWR, resistance and reactance against frequency in FILE, and with the design the model&apos;s beside them, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Disegna anche ROS, resistenza e reattanza della scansione in funzione della frequenza in FILE, e accanto, dato il progetto, quelli del modello, un&apos;immagine PNG o SVG secondo l&apos;estensione del nome (.png o .svg).</translation>
    </message>
    <message>
        <source>One compact JSON object per result, texts as strings and figures as numbers.</source>
        <translation>Un oggetto JSON compatto per risultato, testi come stringhe e valori come numeri.</translation>
    </message>
    <message>
        <source>Read and write numbers in the user&apos;s locale, as the windows do, instead of the C locale.</source>
        <translation>Legge e scrive i numeri nelle impostazioni locali dell&apos;utente, come fanno le finestre, invece che in quelle C.</translation>
    </message>
    <message>
        <source>Read one command per line from standard input and print one JSON line for each.</source>
        <translation>Legge un comando per riga dallo standard input e stampa una riga JSON per ciascuno.</translation>
    </message>
    <message>
        <source>The calculations of QUERLIN&apos;s windows from the command line, for scripts and tables. Each command prints, one per line, the texts that the window&apos;s result fields would show; numbers are read as the windows read them, in the C locale unless --locale is given.</source>
        <translation>I calcoli delle finestre di QUERLIN dalla riga di comando, per script e tabelle. Ogni comando stampa, uno per riga, i testi che mostrerebbero i campi dei risultati della finestra; i numeri si leggono come li leggono le finestre, nelle impostazioni locali C se non si indica --locale.</translation>
    </message>
    <message>
        <source>Run &apos;querlin-calc COMMAND --help&apos; or &apos;querlin-calc help COMMAND&apos; for a command&apos;s usage and options; the manual page, man querlin-calc, has them all, with the output keys and the exit statuses.</source>
        <translation>«querlin-calc COMMAND --help» o «querlin-calc help COMMAND» mostra uso e opzioni di un comando; la pagina di manuale, man querlin-calc, li riporta tutti, con le chiavi di output e gli stati di uscita.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Stampa questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Stampa la versione ed esce.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Uso:   </translation>
    </message>
    <message>
        <source>  or:  </source>
        <translation>  o:   </translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>The analyser&apos;s sweep: a Touchstone .s1p file or a CSV file.</source>
        <translation>La scansione dell&apos;analizzatore d&apos;antenna: un file Touchstone .s1p o un file CSV.</translation>
    </message>
    <message>
        <source>the Touchstone file</source>
        <translation>il file Touchstone</translation>
    </message>
    <message>
        <source>--%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation>--%1 accetta un numero positivo, non «%2».</translation>
    </message>
    <message>
        <source>--segments takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--segments accetta un numero intero da %1 a %2, non «%3».</translation>
    </message>
    <message>
        <source>the deck</source>
        <translation>il deck</translation>
    </message>
    <message>
        <source>Could not write %1 to %2: %3</source>
        <translation>Impossibile scrivere %1 in %2: %3</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Nessun comando indicato.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>measured needs the file of the sweep: measured FILE.</source>
        <translation>measured richiede il file della scansione: measured FILE.</translation>
    </message>
    <message>
        <source>--sweep takes every position: leave out --position.</source>
        <translation>--sweep prende ogni posizione: ometta --position.</translation>
    </message>
    <message>
        <source>%1 takes no --%2.</source>
        <translation>%1 non accetta --%2.</translation>
    </message>
    <message>
        <source>%1 needs --%2.</source>
        <translation>%1 richiede --%2.</translation>
    </message>
    <message>
        <source>--check goes with --sweep; for one position, use check.</source>
        <translation>--check va con --sweep; per una sola posizione usi check.</translation>
    </message>
    <message>
        <source>dipole takes --%1 only with --sweep --check.</source>
        <translation>dipole accetta --%1 solo con --sweep --check.</translation>
    </message>
    <message>
        <source>--touchstone writes one build&apos;s feed point: leave out --sweep.</source>
        <translation>--touchstone scrive il punto di alimentazione di una sola realizzazione: ometta --sweep.</translation>
    </message>
    <message>
        <source>--position best needs the coils&apos; loss: --coil-q, or --coil-diameter, --coil-length and --coil-wire.</source>
        <translation>--position best richiede la perdita delle bobine: --coil-q, oppure --coil-diameter, --coil-length e --coil-wire.</translation>
    </message>
    <message>
        <source>measured compares with the design given all of --frequency, --length, --element and --position.</source>
        <translation>measured confronta con il progetto se sono indicati tutti: --frequency, --length, --element e --position.</translation>
    </message>
    <message>
        <source>measured takes --%1 only with the design: --frequency, --length, --element and --position.</source>
        <translation>measured accetta --%1 solo con il progetto: --frequency, --length, --element e --position.</translation>
    </message>
    <message>
        <source>coil takes --frequency with --details only.</source>
        <translation>coil accetta --frequency solo con --details.</translation>
    </message>
    <message>
        <source>Did you mean --%1?</source>
        <translation>Intendeva --%1?</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number in the user&apos;s locale, in which --locale reads it.</source>
        <translation>--%1: «%2» non è un numero nelle impostazioni locali dell&apos;utente, in cui lo legge --locale.</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number (a decimal point, or --locale for the user&apos;s decimal comma).</source>
        <translation>--%1: «%2» non è un numero (punto decimale, oppure --locale per la virgola decimale dell&apos;utente).</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is too large.</source>
        <translation>--%1: «%2» è troppo grande.</translation>
    </message>
    <message>
        <source>--position takes a whole percentage from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--position accetta una percentuale intera da %1 a %2, non «%3».</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 richiede un valore.</translation>
    </message>
    <message>
        <source>--%1 takes copper, not &apos;%2&apos;.</source>
        <translation>--%1 accetta copper, non «%2».</translation>
    </message>
    <message>
        <source>--coil-diameter, --coil-length and --coil-wire go together.</source>
        <translation>--coil-diameter, --coil-length e --coil-wire vanno insieme.</translation>
    </message>
    <message>
        <source>--coil-q is the Q of a coil not wound here: give it or --coil-diameter, --coil-length and --coil-wire, not both.</source>
        <translation>--coil-q è il Q di una bobina non avvolta qui: indichi quello oppure --coil-diameter, --coil-length e --coil-wire, non entrambi.</translation>
    </message>
    <message>
        <source>--plot writes a .png or .svg file, not &apos;%1&apos;.</source>
        <translation>--plot scrive un file .png o .svg, non «%1».</translation>
    </message>
    <message>
        <source>--touchstone writes a .s1p file, not &apos;%1&apos;.</source>
        <translation>--touchstone scrive un file .s1p, non «%1».</translation>
    </message>
    <message>
        <source>--plot draws a --sweep.</source>
        <translation>--plot disegna uno --sweep.</translation>
    </message>
    <message>
        <source>--plot draws the table instead of printing it: leave out --json.</source>
        <translation>--plot disegna la tabella invece di stamparla: ometta --json.</translation>
    </message>
    <message>
        <source>querlin-calc build --frequency MHZ --length L --element D --position PCT|best
         [--metric] [--feedline OHMS] [the model and coil options of check]
querlin-calc build --frequency MHZ --length L --element D --sweep [...]
querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]
querlin-calc build ... --touchstone FILE.s1p</source>
        <translation>querlin-calc build --frequency MHZ --length L --element D --position PCT|best
         [--metric] [--feedline OHMS] [le opzioni di modello e di bobina di check]
querlin-calc build --frequency MHZ --length L --element D --sweep [...]
querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]
querlin-calc build ... --touchstone FILE.s1p</translation>
    </message>
    <message>
        <source>querlin-calc COMMAND [OPTIONS]
querlin-calc help COMMAND
querlin-calc --batch [--locale] &lt; commands</source>
        <translation>querlin-calc COMMAND [OPZIONI]
querlin-calc help COMMAND
querlin-calc --batch [--locale] &lt; comandi</translation>
    </message>
    <message>
        <source>querlin-calc --batch &lt; commands</source>
        <translation>querlin-calc --batch &lt; comandi</translation>
    </message>
    <message>
        <source>as wound, at %2 MHz it acts as %1 uH</source>
        <translation>avvolta, a %2 MHz agisce come %1 uH</translation>
    </message>
    <message>
        <source>Q as wound at %2 MHz: %1</source>
        <translation>Q avvolta a %2 MHz: %1</translation>
    </message>
    <message>
        <source>The ground goes with --height; without it the model is free space.</source>
        <translation>Il terreno va con --height; senza, il modello è nello spazio libero.</translation>
    </message>
    <message>
        <source>--ground names a ground; --ground-permittivity and --ground-conductivity give one: not both.</source>
        <translation>--ground nomina un terreno; --ground-permittivity e --ground-conductivity ne danno uno: non entrambi.</translation>
    </message>
    <message>
        <source>--ground-permittivity and --ground-conductivity go together.</source>
        <translation>--ground-permittivity e --ground-conductivity vanno insieme.</translation>
    </message>
    <message>
        <source>--ground takes %1, not &apos;%2&apos;.</source>
        <translation>--ground prende %1, non «%2».</translation>
    </message>
    <message>
        <source>--apex-angle takes the angle between the legs, more than 0 and at most 180 degrees (180: flat), not &apos;%1&apos;.</source>
        <translation>--apex-angle prende l’angolo tra i bracci, maggiore di 0 e al massimo 180 gradi (180: orizzontale), non «%1».</translation>
    </message>
    <message>
        <source>--insulation-permittivity goes with --insulation, its thickness.</source>
        <translation>--insulation-permittivity va con --insulation, il suo spessore.</translation>
    </message>
    <message>
        <source>The height of the feed point over the ground, in feet (metres with --metric); free space unless given.</source>
        <translation>L’altezza del punto di alimentazione sul terreno, in piedi (metri con --metric); spazio libero se non indicata.</translation>
    </message>
    <message>
        <source>The ground under the antenna with --height: very-poor, poor, average, good, very-good, fresh-water or sea-water; average (relative permittivity 13, 0.005 S/m) unless given.</source>
        <translation>Il terreno sotto l’antenna con --height: very-poor, poor, average, good, very-good, fresh-water o sea-water; average (permittività relativa 13, 0,005 S/m) se non indicato.</translation>
    </message>
    <message>
        <source>The ground&apos;s relative permittivity, with --ground-conductivity, in place of a named ground.</source>
        <translation>La permittività relativa del terreno, con --ground-conductivity, al posto di un terreno con nome.</translation>
    </message>
    <message>
        <source>The ground&apos;s conductivity, in S/m.</source>
        <translation>La conducibilità del terreno, in S/m.</translation>
    </message>
    <message>
        <source>The wire&apos;s insulation, its radial thickness in inches (millimetres with --metric); bare wire unless given.</source>
        <translation>L’isolamento del filo, il suo spessore radiale in pollici (millimetri con --metric); filo nudo se non indicato.</translation>
    </message>
    <message>
        <source>The insulation&apos;s relative permittivity: 3.5 (PVC) unless given, polyethylene about 2.3.</source>
        <translation>La permittività relativa dell’isolamento: 3,5 (PVC) se non indicata, polietilene circa 2,3.</translation>
    </message>
    <message>
        <source>Hang the antenna as an inverted V with this angle between its legs, in degrees, its feed point at the apex; 180 (flat) unless given.</source>
        <translation>Appendere l’antenna a V invertita con questo angolo tra i bracci, in gradi, con il punto di alimentazione al vertice; 180 (orizzontale) se non indicato.</translation>
    </message>
    <message>
        <source>The matching coil across the feed point while measuring, in microhenries, as build gave it: the resonance is then the antenna&apos;s own, and the advice brings the lowest SWR with that coil to the design frequency.</source>
        <translation>La bobina di adattamento al punto di alimentazione durante la misura, in microhenry, come l&apos;ha data build: la risonanza è allora quella dell&apos;antenna sola, e il consiglio porta il ROS più basso con quella bobina alla frequenza di progetto.</translation>
    </message>
    <message>
        <source>--%1 takes a relative permittivity of 1 or more, not &apos;%2&apos;.</source>
        <translation>--%1 prende una permittività relativa di 1 o più, non «%2».</translation>
    </message>
</context>
<context>
    <name>querlin::CheckWindow</name>
    <message>
        <source>Check with NEC-2</source>
        <translation>Verifica con NEC-2</translation>
    </message>
    <message>
        <source>Progress of the check</source>
        <translation>Avanzamento della verifica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Stops the NEC-2 engine</source>
        <translation>Ferma il motore NEC-2</translation>
    </message>
    <message>
        <source>Cancelled. Check with NEC-2… on the main window&apos;s results starts it again.</source>
        <translation>Annullata. «Verifica con NEC-2…» sui risultati della finestra principale la riavvia.</translation>
    </message>
    <message>
        <source>Plot of every coil position</source>
        <translation>Grafico di tutte le posizioni delle bobine</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and, once checked, the inductance that nec2c finds resonant, against the coil position; under it the frequency at which each design as built resonates and, with the coils&apos; Q, the efficiency of each position&apos;s build, the best ringed.</source>
        <translation>L&apos;induttanza di ogni bobina secondo la formula e, dopo la verifica, l&apos;induttanza che nec2c trova risonante, in funzione della posizione della bobina; sotto, la frequenza a cui risuona ogni progetto come realizzato e, con il Q delle bobine, il rendimento della realizzazione di ogni posizione, con la migliore cerchiata.</translation>
    </message>
    <message>
        <source>Nothing to check yet: type the frequency, the total length and the element size in the main window and press its upper CALCULATE. The check models the design it last calculated.</source>
        <translation>Ancora niente da verificare: inserisca frequenza, lunghezza totale e diametro dell&apos;elemento nella finestra principale e prema il suo CALCOLA superiore. La verifica modella l&apos;ultimo progetto calcolato.</translation>
    </message>
    <message>
        <source>The main window&apos;s last calculation ended in a fault: correct its inputs and press CALCULATE, then check again.</source>
        <translation>L&apos;ultimo calcolo della finestra principale è terminato con un errore: corregga i dati inseriti e prema CALCOLA, poi verifichi di nuovo.</translation>
    </message>
    <message>
        <source>the %1-ohm line matched in the main window</source>
        <translation>la linea da %1 ohm adattata nella finestra principale</translation>
    </message>
    <message>
        <source>a %1-ohm line</source>
        <translation>una linea da %1 ohm</translation>
    </message>
    <message>
        <source>Checking the design with nec2c…</source>
        <translation>Verifica del progetto con nec2c…</translation>
    </message>
    <message>
        <source>Checking every coil position for the plot: %1 of %2…</source>
        <translation>Verifica di ogni posizione delle bobine per il grafico: %1 di %2…</translation>
    </message>
    <message>
        <source>Checking every coil position for the plot…</source>
        <translation>Verifica di ogni posizione delle bobine per il grafico…</translation>
    </message>
    <message>
        <source>What to build instead</source>
        <translation>Cosa costruire invece</translation>
    </message>
    <message>
        <source>lossless</source>
        <translation>senza perdite</translation>
    </message>
    <message>
        <source>Coils&apos; Q</source>
        <translation>Q delle bobine</translation>
    </message>
    <message>
        <source>Empty for lossless coils. Air-core loading coils have a Q of about 100 to 400; querlin-calc coil --details estimates one.</source>
        <translation>Vuoto per bobine senza perdite. Le bobine di carico in aria hanno un Q tra circa 100 e 400; querlin-calc coil --details ne stima uno.</translation>
    </message>
    <message>
        <source>Design the loading coil…</source>
        <translation>Progetta la bobina di carico…</translation>
    </message>
    <message>
        <source>Opens the coil window with the loading coil&apos;s inductance</source>
        <translation>Apre la finestra delle bobine con l&apos;induttanza della bobina di carico</translation>
    </message>
    <message>
        <source>Coils&apos; Q:</source>
        <translation>Q delle bobine:</translation>
    </message>
    <message>
        <source>Building with nec2c…</source>
        <translation>Realizzazione con nec2c…</translation>
    </message>
    <message>
        <source>Building every coil position with coils of Q %1 for the plot…</source>
        <translation>Realizzazione di ogni posizione delle bobine con bobine di Q %1 per il grafico…</translation>
    </message>
    <message>
        <source>Checked with nec2c.</source>
        <translation>Verificato con nec2c.</translation>
    </message>
    <message>
        <source>The coils&apos; Q is a positive number, such as 300; empty for lossless coils.</source>
        <translation>Il Q delle bobine è un numero positivo, come 300; vuoto per bobine senza perdite.</translation>
    </message>
    <message>
        <source>Compare with a measurement…</source>
        <translation>Confronta con una misura…</translation>
    </message>
    <message>
        <source>Opens an analyser&apos;s sweep of the antenna as built, a Touchstone .s1p or CSV file, and says what to change</source>
        <translation>Apre la scansione dell&apos;antenna realizzata fatta con un analizzatore d&apos;antenna, un file Touchstone .s1p o CSV, e dice cosa cambiare</translation>
    </message>
    <message>
        <source>Compared with a measurement</source>
        <translation>Confrontato con una misura</translation>
    </message>
    <message>
        <source>Plot of the measured and modelled SWR</source>
        <translation>Grafico del ROS misurato e modellato</translation>
    </message>
    <message>
        <source>Compare with a measurement</source>
        <translation>Confronta con una misura</translation>
    </message>
    <message>
        <source>Analyser sweeps (*.s1p *.csv);;All files (*)</source>
        <translation>Scansioni dell&apos;analizzatore d&apos;antenna (*.s1p *.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Comparing %1 with the design, with nec2c…</source>
        <translation>Confronto di %1 con il progetto, con nec2c…</translation>
    </message>
    <message>
        <source>%1 against the design as nec2c models it, coils of %2 µH, on the %3-ohm line:</source>
        <translation>%1 rispetto al progetto come lo modella nec2c, bobine da %2 µH, sulla linea da %3 ohm:</translation>
    </message>
    <message>
        <source>lowest %1 at %2 MHz</source>
        <translation>%1 minimo a %2 MHz</translation>
    </message>
    <message>
        <source>The SWR on the %1-ohm line from %2 to %3 MHz, the design frequency marked: measured, %4; the design as nec2c models it, %5.</source>
        <translation>Il ROS sulla linea da %1 ohm da %2 a %3 MHz, con la frequenza di progetto segnata: misurato, %4; il progetto come lo modella nec2c, %5.</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Salva come PNG…</translation>
    </message>
    <message>
        <source>Save as SVG…</source>
        <translation>Salva come SVG…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save the plot as SVG</source>
        <translation>Salva il grafico come SVG</translation>
    </message>
    <message>
        <source>Save the plot as PNG</source>
        <translation>Salva il grafico come PNG</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Immagini SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>The plot could not be saved as %1: %2</source>
        <translation>Impossibile salvare il grafico come %1: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s name before its value; French sets a narrow no-break space before the colon.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Self-resonance of each loading coil</source>
        <translation>Autorisonanza di ogni bobina di carico</translation>
    </message>
    <message>
        <source>Each loading coil fits its former</source>
        <translation>Ogni bobina di carico sta sul suo supporto</translation>
    </message>
    <message>
        <source>Self-resonance of the matching coil</source>
        <translation>Autorisonanza della bobina di adattamento</translation>
    </message>
    <message>
        <source>Matching coil fits its former</source>
        <translation>La bobina di adattamento sta sul suo supporto</translation>
    </message>
    <message>
        <source>Building every coil position with its coils as wound for the plot…</source>
        <translation>Costruzione di ogni posizione delle bobine con le bobine come avvolte per il grafico…</translation>
    </message>
    <message>
        <source>about %1 MHz</source>
        <translation>circa %1 MHz</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Coil p&amp;ositions</source>
        <translation>P&amp;osizioni delle bobine</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modello</translation>
    </message>
    <message>
        <source>Hung so, the tips would be %1 %2 below the ground: raise the Height or open the Apex angle.</source>
        <translation>Appesa così, le punte sarebbero %1 %2 sotto il suolo: aumentate l&apos;Altezza o aprite l&apos;Angolo al vertice.</translation>
    </message>
    <message>
        <source>%1, coils at %2 % of each half: %3 µH each.
Modelled by nec2c %4; %5 segments, fed from %6.</source>
        <translation>%1, bobine al %2 % di ogni metà: %3 µH ciascuna.
Modellato da nec2c %4; %5 segmenti, alimentato da %6.</translation>
    </message>
    <message>
        <source>very poor</source>
        <translation>molto scarso</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>scarso</translation>
    </message>
    <message>
        <source>average</source>
        <translation>medio</translation>
    </message>
    <message>
        <source>good</source>
        <translation>buono</translation>
    </message>
    <message>
        <source>very good</source>
        <translation>molto buono</translation>
    </message>
    <message>
        <source>fresh water</source>
        <translation>acqua dolce</translation>
    </message>
    <message>
        <source>sea water</source>
        <translation>acqua di mare</translation>
    </message>
    <message>
        <source>%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation>%1 accetta un numero positivo, non «%2».</translation>
    </message>
    <message>
        <source>%1 needs a positive number.</source>
        <translation>%1 richiede un numero positivo.</translation>
    </message>
    <message>
        <source>%1 takes a relative permittivity of 1 or more, not &apos;%2&apos;.</source>
        <translation>%1 accetta una permittività relativa di 1 o più, non «%2».</translation>
    </message>
    <message>
        <source>How the model hangs and is wound</source>
        <translation>Come il modello è appeso e avvolto</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Altezza</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>spazio libero</translation>
    </message>
    <message>
        <source>Height of the feed point over ground</source>
        <translation>Altezza del punto di alimentazione sul suolo</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Suolo</translation>
    </message>
    <message>
        <source>typed below</source>
        <translation>inserito sotto</translation>
    </message>
    <message>
        <source>Ground under the antenna</source>
        <translation>Suolo sotto l&apos;antenna</translation>
    </message>
    <message>
        <source>Ground &amp;permittivity</source>
        <translation>&amp;Permittività del suolo</translation>
    </message>
    <message>
        <source>relative</source>
        <translation>relativa</translation>
    </message>
    <message>
        <source>Ground&apos;s relative permittivity</source>
        <translation>Permittività relativa del suolo</translation>
    </message>
    <message>
        <source>Ground &amp;conductivity</source>
        <translation>&amp;Conducibilità del suolo</translation>
    </message>
    <message>
        <source>Ground&apos;s conductivity, siemens per metre</source>
        <translation>Conducibilità del suolo, siemens per metro</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forma</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>piatta</translation>
    </message>
    <message>
        <source>inverted V</source>
        <translation>V invertita</translation>
    </message>
    <message>
        <source>Shape of the antenna</source>
        <translation>Forma dell&apos;antenna</translation>
    </message>
    <message>
        <source>&amp;Apex angle</source>
        <translation>A&amp;ngolo al vertice</translation>
    </message>
    <message>
        <source>Angle between the inverted V&apos;s legs, degrees, at most 180</source>
        <translation>Angolo tra i bracci della V invertita, gradi, al massimo 180</translation>
    </message>
    <message>
        <source>Wi&amp;re</source>
        <translation>&amp;Filo</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>rame</translation>
    </message>
    <message>
        <source>insulated copper</source>
        <translation>rame isolato</translation>
    </message>
    <message>
        <source>Wire of the antenna</source>
        <translation>Filo dell&apos;antenna</translation>
    </message>
    <message>
        <source>&amp;Insulation</source>
        <translation>&amp;Isolamento</translation>
    </message>
    <message>
        <source>Thickness of the wire&apos;s insulation</source>
        <translation>Spessore dell&apos;isolamento del filo</translation>
    </message>
    <message>
        <source>Insulation p&amp;ermittivity</source>
        <translation>P&amp;ermittività dell&apos;isolamento</translation>
    </message>
    <message>
        <source>Insulation&apos;s relative permittivity, PVC&apos;s 3.5 unless changed</source>
        <translation>Permittività relativa dell&apos;isolamento, 3,5 del PVC se non cambiata</translation>
    </message>
    <message>
        <source>Coil &amp;diameter</source>
        <translation>&amp;Diametro della bobina</translation>
    </message>
    <message>
        <source>no coil to wind</source>
        <translation>nessuna bobina da avvolgere</translation>
    </message>
    <message>
        <source>Diameter of the coil to wind, wire centre to wire centre</source>
        <translation>Diametro della bobina da avvolgere, da centro a centro del filo</translation>
    </message>
    <message>
        <source>Coil &amp;length</source>
        <translation>&amp;Lunghezza della bobina</translation>
    </message>
    <message>
        <source>Length of the coil to wind</source>
        <translation>Lunghezza della bobina da avvolgere</translation>
    </message>
    <message>
        <source>Coil &amp;wire</source>
        <translation>Filo della &amp;bobina</translation>
    </message>
    <message>
        <source>Wire diameter of the coil to wind</source>
        <translation>Diametro del filo della bobina da avvolgere</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metri</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>piedi</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A field&apos;s name for a screen reader, then its unit: &quot;Height of the feed point over ground, feet&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 takes the angle between the legs, more than 0 and at most 180 degrees (180: flat), not &apos;%2&apos;.</source>
        <translation>%1 accetta l&apos;angolo tra i bracci, più di 0 e al massimo 180 gradi (180: piatta), non «%2».</translation>
    </message>
    <message>
        <source>The coil to wind takes its diameter, its length and its wire together; empty all three to model the coils as pure inductances.</source>
        <translation>La bobina da avvolgere richiede insieme diametro, lunghezza e filo; svuotate tutti e tre per modellare le bobine come induttanze pure.</translation>
    </message>
    <message>
        <source>in free space</source>
        <translation>nello spazio libero</translation>
    </message>
    <message>
        <source>%1 ground</source>
        <translation>suolo «%1»</translation>
    </message>
    <message>
        <source>ground of relative permittivity %1 and %2 S/m</source>
        <translation>suolo di permittività relativa %1 e %2 S/m</translation>
    </message>
    <message>
        <source>%1 %2 over %3</source>
        <translation>a %1 %2 sopra %3</translation>
    </message>
    <message>
        <source>as an inverted V of %1°</source>
        <translation>come V invertita di %1°</translation>
    </message>
    <message>
        <source>lossless wire</source>
        <translation>filo senza perdite</translation>
    </message>
    <message>
        <source>copper wire insulated %1 %2</source>
        <translation>filo di rame isolato per %1 %2</translation>
    </message>
    <message>
        <source>copper wire</source>
        <translation>filo di rame</translation>
    </message>
    <message>
        <source>coils as wound on a former %1 %4 across, %2 %4 long, wire %3 %4</source>
        <translation>bobine avvolte su un supporto di %1 %4 di diametro, %2 %4 di lunghezza, filo da %3 %4</translation>
    </message>
    <message>
        <source>coils as pure inductances</source>
        <translation>bobine come induttanze pure</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Saves the deck, the Touchstone files, the plot or the figures as querlin-calc writes them</source>
        <translation>Salva il deck, i file Touchstone, il grafico o i valori come li scrive querlin-calc</translation>
    </message>
    <message>
        <source>NEC-2 deck…</source>
        <translation>Deck NEC-2…</translation>
    </message>
    <message>
        <source>Touchstone of the model…</source>
        <translation>Touchstone del modello…</translation>
    </message>
    <message>
        <source>Touchstone of the build…</source>
        <translation>Touchstone della realizzazione…</translation>
    </message>
    <message>
        <source>Plot as PNG or SVG…</source>
        <translation>Grafico come PNG o SVG…</translation>
    </message>
    <message>
        <source>Figures as text…</source>
        <translation>Valori come testo…</translation>
    </message>
    <message>
        <source>Save the NEC-2 deck</source>
        <translation>Salva il deck NEC-2</translation>
    </message>
    <message>
        <source>NEC-2 decks (*.nec)</source>
        <translation>Deck NEC-2 (*.nec)</translation>
    </message>
    <message>
        <source>Save the model as Touchstone</source>
        <translation>Salva il modello come Touchstone</translation>
    </message>
    <message>
        <source>Touchstone files (*.s1p)</source>
        <translation>File Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>Save the build as Touchstone</source>
        <translation>Salva la realizzazione come Touchstone</translation>
    </message>
    <message>
        <source>Save the plot</source>
        <translation>Salva il grafico</translation>
    </message>
    <message>
        <source>Save the figures as text</source>
        <translation>Salva i valori come testo</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <extracomment>How the model hangs: where, its shape, its wire and its coils, after &quot;Modelled by nec2c&quot;.</extracomment>
        <translation>%1, %2, %3, %4</translation>
    </message>
    <message>
        <source>Compares the sweep with the build and its matching coil instead of the design</source>
        <translation>Confronta la scansione con quanto costruito e la sua bobina di adattamento invece del progetto</translation>
    </message>
    <message>
        <source>%1 against the build as nec2c models it, coils of %2 µH and a matching coil of %3 µH, on the %4-ohm line:</source>
        <translation>%1 rispetto a quanto costruito come lo modella nec2c, bobine da %2 µH e una bobina di adattamento da %3 µH, sulla linea da %4 ohm:</translation>
    </message>
    <message>
        <source>Built as &quot;What to build instead&quot; says, its matching coil fitted</source>
        <translation>Costruita come dice «Cosa costruire invece», con la sua bobina di adattamento montata</translation>
    </message>
    <message>
        <source>Coils as wou&amp;nd</source>
        <translation>Bobine come a&amp;vvolte</translation>
    </message>
</context>
<context>
    <name>querlin::CoilWindow</name>
    <message>
        <source>The coil as wound…</source>
        <translation>La bobina come avvolta…</translation>
    </message>
    <message>
        <source>The coil as wound</source>
        <translation>La bobina come avvolta</translation>
    </message>
</context>
<context>
    <name>querlin::MainWindow</name>
    <message>
        <source>Its context menu checks the design with NEC-2 (or press %1).</source>
        <translation>Il suo menu contestuale verifica il progetto con NEC-2 (oppure prema %1).</translation>
    </message>
    <message>
        <source>Check with NEC-2…</source>
        <translation>Verifica con NEC-2…</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>Web Page Link</source>
        <translation>Link alla pagina web</translation>
    </message>
    <message>
        <source>The link will be opened in your default browser.</source>
        <translation>Il link si aprirà nel browser predefinito.</translation>
    </message>
    <message>
        <source>Click Link Below to </source>
        <translation>Fare clic sul link qui sotto</translation>
    </message>
    <message>
        <source>link to the author&apos;s web page, opened in your default browser by a click, Return or Space</source>
        <translation>link alla pagina web dell&apos;autore, aperto nel browser predefinito con un clic, Invio o Spazio</translation>
    </message>
</context>
</TS>
