<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>slider</source>
        <translation>curseur</translation>
    </message>
    <message>
        <source>field</source>
        <translation>champ</translation>
    </message>
    <message>
        <source>caption of the %1 %2</source>
        <translation>légende du %1 %2</translation>
    </message>
</context>
<context>
    <name>Antenna</name>
    <message>
        <source>nec2c&apos;s output lacks the currents between feed and coils.</source>
        <translation>La sortie de nec2c ne contient pas les courants entre le point d&apos;alimentation et les bobines.</translation>
    </message>
    <message>
        <source>The loading coil of %1 µH cannot be wound on that former. %2</source>
        <translation>La bobine de charge de %1 µH ne peut pas être bobinée sur ce mandrin. %2</translation>
    </message>
    <message>
        <source>The antenna&apos;s resistance at resonance, %1 ohms, is at or above the line&apos;s %2 ohms: no coil across the feed point can match it. The loading coils resonate it; the SWR that remains is %3.</source>
        <translation>La résistance de l&apos;antenne à la résonance, %1 ohms, est égale ou supérieure aux %2 ohms de la ligne&#x202f;: aucune bobine au point d&apos;alimentation ne peut l&apos;adapter. Les bobines de charge la mettent à la résonance&#x202f;; il reste un ROS de %3.</translation>
    </message>
    <message>
        <source>No loading coil brings the antenna to resonance at %1 MHz.</source>
        <translation>Aucune bobine de charge ne met l&apos;antenne à la résonance sur %1 MHz.</translation>
    </message>
    <message>
        <source>Segments near the coils or the source are shorter than %1 wire radii, where NEC-2&apos;s thin-wire kernel errs by more than 1 %: take the figures as rough.</source>
        <translation>Des segments proches des bobines ou de la source sont plus courts que %1 rayons du fil&#x202f;; là, le noyau fil mince de NEC-2 se trompe de plus de 1 %&#x202f;: ne prenez ces valeurs que comme approximatives.</translation>
    </message>
    <message>
        <source>nec2c wrote &apos;%1&apos; where a number belongs.</source>
        <translation>nec2c a écrit «&#x202f;%1&#x202f;» là où un nombre est attendu.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no %1.</source>
        <translation>La sortie de nec2c ne contient aucun %1.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no value of %1.</source>
        <translation>La sortie de nec2c ne contient aucune valeur de %1.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds an average gain without its solid angle.</source>
        <translation>La sortie de nec2c contient un gain moyen sans son angle solide.</translation>
    </message>
    <message>
        <source>nec2c&apos;s currents table holds &apos;%1&apos; where a segment&apos;s line belongs.</source>
        <translation>Le tableau des courants de nec2c contient «&#x202f;%1&#x202f;» là où la ligne d&apos;un segment est attendue.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds a currents table without a current.</source>
        <translation>La sortie de nec2c contient un tableau des courants sans courant.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no feed-point impedance.</source>
        <translation>La sortie de nec2c ne contient aucune impédance au point d&apos;alimentation.</translation>
    </message>
    <message>
        <source>nec2c&apos;s power budget does not add up: %1 W radiated of %2 W put in.</source>
        <translation>Le bilan de puissance de nec2c ne tombe pas juste&#x202f;: %1 W rayonnés pour %2 W fournis.</translation>
    </message>
    <message>
        <source>nec2c&apos;s average gain gives %1 of the input power radiated, not a share of it.</source>
        <translation>Le gain moyen de nec2c donne %1 de la puissance fournie comme rayonnée, pas une part de celle-ci.</translation>
    </message>
    <message>
        <source>No temporary folder for nec2c: %1</source>
        <translation>Aucun dossier temporaire pour nec2c&#x202f;: %1</translation>
    </message>
    <message>
        <source>Could not write the deck for nec2c: %1</source>
        <translation>Impossible d&apos;écrire le jeu de cartes pour nec2c&#x202f;: %1</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; could not be started (%2): install the Debian package nec2c, or name the program in QUERLIN_NEC2C.</source>
        <translation>Le moteur NEC-2 «&#x202f;%1&#x202f;» n&apos;a pas pu être lancé (%2)&#x202f;: installez le paquet Debian nec2c, ou indiquez le programme dans QUERLIN_NEC2C.</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; did not finish.</source>
        <translation>Le moteur NEC-2 «&#x202f;%1&#x202f;» n&apos;a pas terminé.</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; failed (exit status %2)%3</source>
        <translation>Le moteur NEC-2 «&#x202f;%1&#x202f;» a échoué (code de sortie %2)%3</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; wrote no output.</source>
        <translation>Le moteur NEC-2 «&#x202f;%1&#x202f;» n&apos;a rien écrit.</translation>
    </message>
    <message>
        <source>The output of the NEC-2 engine &apos;%1&apos; holds %2 feed-point impedances where %3 were asked for.</source>
        <translation>La sortie du moteur NEC-2 «&#x202f;%1&#x202f;» contient %2 impédances au point d&apos;alimentation là où %3 étaient demandées.</translation>
    </message>
    <message>
        <source>The design cannot be modelled: it needs a positive frequency, length and element.</source>
        <translation>L&apos;antenne calculée ne peut pas être modélisée&#x202f;: il lui faut une fréquence, une longueur et un élément positifs.</translation>
    </message>
    <message>
        <source>The design cannot be modelled: the coils must sit inside the antenna.</source>
        <translation>L&apos;antenne calculée ne peut pas être modélisée&#x202f;: les bobines doivent se trouver sur l&apos;antenne.</translation>
    </message>
    <message>
        <source>The model takes %1 to %2 segments, not %3.</source>
        <translation>Le modèle accepte de %1 à %2 segments, pas %3.</translation>
    </message>
    <message>
        <source>A coil&apos;s length must be a positive number.</source>
        <translation>La longueur d&apos;une bobine doit être un nombre positif.</translation>
    </message>
    <message>
        <source>The antenna must be above the ground to be modelled.</source>
        <translation>L&apos;antenne doit être au-dessus du sol pour être modélisée.</translation>
    </message>
    <message>
        <source>A coil&apos;s Q must be a positive number.</source>
        <translation>Le Q d&apos;une bobine doit être un nombre positif.</translation>
    </message>
    <message>
        <source>Loaded dipole for %1 MHz, %2 %3 long, element %4 %5</source>
        <translation>Dipôle raccourci pour %1 MHz, %2 %3 de long, élément %4 %5</translation>
    </message>
    <message>
        <source>At %1 MHz it is above a third of its self-resonance of about %2 MHz, where its Q is in doubt.</source>
        <translation>À %1 MHz, elle dépasse le tiers de sa résonance propre d&apos;environ %2 MHz&#x202f;; son Q y est douteux.</translation>
    </message>
    <message>
        <source>Insulation needs a positive thickness and a relative permittivity of 1 or more.</source>
        <translation>L’isolant demande une épaisseur positive et une permittivité relative de 1 ou plus.</translation>
    </message>
    <message>
        <source>The angle between the legs must be more than 0 and at most 180 degrees.</source>
        <translation>L’angle entre les brins doit être supérieur à 0 et d’au plus 180 degrés.</translation>
    </message>
    <message>
        <source>Hung so, the tips would be %1 m (%2 ft) below the ground: the apex must be higher or the legs less steep.</source>
        <translation>Ainsi suspendue, les extrémités seraient %1 m (%2 ft) sous le sol&#x202f;: le sommet doit être plus haut ou les brins moins inclinés.</translation>
    </message>
    <message>
        <source>The coils are modelled as pure inductances. A coil as wound acts as more, its self-capacitance across its winding: one twice as long as its inch across (Medhurst&apos;s %1 pF) as %2 % more at %3 MHz. --coil-diameter, --coil-length and --coil-wire model the coil to wind.</source>
        <translation>Les bobines sont modélisées comme des inductances pures. Une bobine telle que bobinée agit comme davantage, sa capacité propre en parallèle sur son enroulement&#x202f;: une deux fois plus longue que son pouce de diamètre (%1 pF selon Medhurst) comme %2 % de plus à %3 MHz. --coil-diameter, --coil-length et --coil-wire modélisent la bobine à bobiner.</translation>
    </message>
    <message>
        <source>The loading coils at %1 % do not fit the former, nor do any farther out.</source>
        <translation>Les bobines de charge à %1 % ne tiennent pas sur le mandrin, ni aucune plus loin vers l’extrémité.</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>the coil radius</source>
        <translation>du rayon de la bobine</translation>
    </message>
    <message>
        <source>nine times the coil radius</source>
        <translation>de neuf fois le rayon de la bobine</translation>
    </message>
    <message>
        <source>ten times the coil length</source>
        <translation>de dix fois la longueur de la bobine</translation>
    </message>
    <message>
        <source>the denominator of the coil formula</source>
        <translation>du dénominateur de la formule de la bobine</translation>
    </message>
    <message>
        <source>the coil radius squared</source>
        <translation>du carré du rayon de la bobine</translation>
    </message>
    <message>
        <source>the turns squared per microhenry</source>
        <translation>du carré des spires par microhenry</translation>
    </message>
    <message>
        <source>the turns squared</source>
        <translation>du carré du nombre de spires</translation>
    </message>
    <message>
        <source>the number of turns</source>
        <translation>du nombre de spires</translation>
    </message>
    <message>
        <source>the winding length</source>
        <translation>de la longueur du bobinage</translation>
    </message>
    <message>
        <source>the coil position</source>
        <translation>de la position de la bobine</translation>
    </message>
    <message>
        <source>the position of the left coil</source>
        <translation>de la position de la bobine gauche</translation>
    </message>
    <message>
        <source>the position of the right coil</source>
        <translation>de la position de la bobine droite</translation>
    </message>
    <message>
        <source>the length in feet</source>
        <translation>de la longueur en pieds</translation>
    </message>
    <message>
        <source>the element diameter in inches</source>
        <translation>du diamètre de l&apos;élément en pouces</translation>
    </message>
    <message>
        <source>the length of each half beyond the coil</source>
        <translation>de la longueur de chaque moitié au-delà de la bobine</translation>
    </message>
    <message>
        <source>the distance from the centre to the coil</source>
        <translation>de la distance du centre à la bobine</translation>
    </message>
    <message>
        <source>the quarter wavelength</source>
        <translation>du quart d&apos;onde</translation>
    </message>
    <message>
        <source>the length beyond the coil</source>
        <translation>de la longueur au-delà de la bobine</translation>
    </message>
    <message>
        <source>the scale factor of the inductance</source>
        <translation>du facteur d&apos;échelle de l&apos;inductance</translation>
    </message>
    <message>
        <source>the quarter-wave term</source>
        <translation>du terme du quart d&apos;onde</translation>
    </message>
    <message>
        <source>the coil-position term</source>
        <translation>du terme de la position de la bobine</translation>
    </message>
    <message>
        <source>the outer-section term</source>
        <translation>du terme de la section extérieure</translation>
    </message>
    <message>
        <source>the outer-section length term</source>
        <translation>du terme de longueur de la section extérieure</translation>
    </message>
    <message>
        <source>the inductance of each loading coil</source>
        <translation>de l&apos;inductance de chaque bobine de charge</translation>
    </message>
    <message>
        <source>the coil distance in metres</source>
        <translation>de la distance des bobines en mètres</translation>
    </message>
    <message>
        <source>the antenna impedance</source>
        <translation>de l&apos;impédance de l&apos;antenne</translation>
    </message>
    <message>
        <source>the impedance ratio of the matching coil</source>
        <translation>du rapport d&apos;impédances de la bobine d&apos;adaptation</translation>
    </message>
    <message>
        <source>the reactance of the matching coil</source>
        <translation>de la réactance de la bobine d&apos;adaptation</translation>
    </message>
    <message>
        <source>the inductance of the matching coil</source>
        <translation>de l&apos;inductance de la bobine d&apos;adaptation</translation>
    </message>
</context>
<context>
    <name>Coil</name>
    <message>
        <source>The frequency must be a positive number of MHz.</source>
        <translation>La fréquence doit être un nombre positif de MHz.</translation>
    </message>
    <message>
        <source>Medhurst&apos;s self-capacitance covers coils from 0.1 to 50 diameters long, not %1.</source>
        <translation>La capacité propre de Medhurst vaut pour des bobines longues de 0,1 à 50 diamètres, pas %1.</translation>
    </message>
    <message>
        <source>At %1 MHz the coil is above its self-resonance of about %2 MHz, no longer an inductor.</source>
        <translation>À %1 MHz, la bobine est au-dessus de sa résonance propre d&apos;environ %2 MHz&#x202f;: ce n&apos;est plus une inductance.</translation>
    </message>
    <message>
        <source>At %1 MHz the skin depth of copper, %2 inches, is more than a fifth of the wire: the Q estimate needs a thicker wire or a higher frequency.</source>
        <translation>À %1 MHz, l&apos;épaisseur de peau du cuivre, %2 pouces, dépasse le cinquième du fil&#x202f;: l&apos;estimation du Q demande un fil plus gros ou une fréquence plus haute.</translation>
    </message>
    <message>
        <source>The coil&apos;s Q lies beyond what the calculation can hold.</source>
        <translation>Le Q de la bobine sort de ce que le calcul peut contenir.</translation>
    </message>
    <message>
        <source>The winding needs a positive number of turns, coil diameter, coil length and wire diameter.</source>
        <translation>Le bobinage demande un nombre de spires, un diamètre de bobine, une longueur de bobine et un diamètre de fil positifs.</translation>
    </message>
    <message>
        <source>A winding needs at least one turn, not %1.</source>
        <translation>Un bobinage demande au moins une spire, pas %1.</translation>
    </message>
    <message>
        <source>The winding does not fit: %1 turns of %2-inch wire need %3 inches, more than the coil length of %4 inches.</source>
        <translation>Le bobinage ne tient pas&#x202f;: %1 spires de fil de %2 pouce demandent %3 pouces, plus que la longueur de bobine de %4 pouces.</translation>
    </message>
    <message>
        <source>A wire as thick as the coil diameter winds no coil.</source>
        <translation>Un fil aussi gros que le diamètre de la bobine ne forme pas de bobine.</translation>
    </message>
    <message>
        <source>The winding&apos;s figures lie beyond what the calculation can hold.</source>
        <translation>Les valeurs du bobinage sortent de ce que le calcul peut contenir.</translation>
    </message>
    <message>
        <source>At %1 MHz the loading coil is above a third of its self-resonance of about %2 MHz: it acts as more inductance than its winding&apos;s, with less Q, so the check cannot take its Q.</source>
        <translation>À %1 MHz, la bobine de charge dépasse le tiers de sa résonance propre d&apos;environ %2 MHz&#x202f;: elle agit comme une inductance plus grande que celle de son bobinage, avec un Q plus faible, si bien que la vérification ne peut pas reprendre son Q.</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>division by zero</source>
        <translation>division par zéro</translation>
    </message>
    <message>
        <source>an invalid operation</source>
        <translation>opération invalide</translation>
    </message>
    <message>
        <source>an overflow</source>
        <translation>dépassement de capacité</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number.</source>
        <translation>«&#x202f;%1&#x202f;» ne contient pas de nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large.</source>
        <translation>«&#x202f;%1&#x202f;» est trop grand.</translation>
    </message>
    <message>
        <source>An overflow occurred while calculating %1.</source>
        <translation>Dépassement de capacité lors du calcul %1.</translation>
    </message>
    <message>
        <source>%1 occurred while calculating %2.</source>
        <translation>%1 lors du calcul %2.</translation>
    </message>
    <message>
        <source>An invalid argument was given to %1 while calculating %2.</source>
        <translation>Argument invalide passé à %1 lors du calcul %2.</translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation>%1 a échoué.</translation>
    </message>
    <message>
        <source>a logarithm</source>
        <translation>un logarithme</translation>
    </message>
    <message>
        <source>a square root</source>
        <translation>une racine carrée</translation>
    </message>
    <message>
        <source>access to %1.%2</source>
        <translation>l&apos;accès à %1.%2</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Wire from the feed point to the coil</source>
        <translation>Fil du point d&apos;alimentation à la bobine</translation>
    </message>
    <message>
        <source>Coil, as modelled</source>
        <translation>Bobine, telle que modélisée</translation>
    </message>
    <message>
        <source>Wire from the coil to the tip</source>
        <translation>Fil de la bobine à l&apos;extrémité</translation>
    </message>
    <message>
        <source>Each loading coil</source>
        <translation>Chaque bobine de charge</translation>
    </message>
    <message>
        <source>Matching coil across the feed point</source>
        <translation>Bobine d&apos;adaptation au point d&apos;alimentation</translation>
    </message>
    <message>
        <source>SWR with them</source>
        <translation>ROS avec elles</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth with them</source>
        <translation>Bande passante à ROS 2:1 avec elles</translation>
    </message>
    <message>
        <source>Feed resistance before the matching coil</source>
        <translation>Résistance au point d&apos;alimentation avant la bobine d&apos;adaptation</translation>
    </message>
    <message>
        <source>Feed reactance before the matching coil</source>
        <translation>Réactance au point d&apos;alimentation avant la bobine d&apos;adaptation</translation>
    </message>
    <message>
        <source>Efficiency of the build</source>
        <translation>Rendement de la réalisation</translation>
    </message>
    <message>
        <source>Turns of each loading coil</source>
        <translation>Spires de chaque bobine de charge</translation>
    </message>
    <message>
        <source>Q of each loading coil</source>
        <translation>Q de chaque bobine de charge</translation>
    </message>
    <message>
        <source>Turns of the matching coil</source>
        <translation>Spires de la bobine d&apos;adaptation</translation>
    </message>
    <message>
        <source>Q of the matching coil</source>
        <translation>Q de la bobine d&apos;adaptation</translation>
    </message>
    <message>
        <source>Rounds until inductance and Q agree</source>
        <translation>Passes jusqu&apos;à l&apos;accord entre inductance et Q</translation>
    </message>
    <message>
        <source>Resonant frequency</source>
        <translation>Fréquence de résonance</translation>
    </message>
    <message>
        <source>Off the design frequency by</source>
        <translation>Écart à la fréquence de calcul</translation>
    </message>
    <message>
        <source>Feed resistance at the design frequency</source>
        <translation>Résistance au point d&apos;alimentation à la fréquence de calcul</translation>
    </message>
    <message>
        <source>Feed reactance at the design frequency</source>
        <translation>Réactance au point d&apos;alimentation à la fréquence de calcul</translation>
    </message>
    <message>
        <source>Each coil for resonance at the design frequency</source>
        <translation>Chaque bobine pour la résonance à la fréquence de calcul</translation>
    </message>
    <message>
        <source>SWR at the design frequency</source>
        <translation>ROS à la fréquence de calcul</translation>
    </message>
    <message>
        <source>SWR with the matching coil</source>
        <translation>ROS avec la bobine d&apos;adaptation</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth</source>
        <translation>Bande passante à ROS 2:1</translation>
    </message>
    <message>
        <source>Efficiency, made resonant</source>
        <translation>Rendement, mise à la résonance</translation>
    </message>
    <message>
        <source>Measured resonance</source>
        <translation>Résonance mesurée</translation>
    </message>
    <message>
        <source>Resistance there</source>
        <translation>Résistance à cette fréquence</translation>
    </message>
    <message>
        <source>Lowest SWR</source>
        <translation>ROS minimal</translation>
    </message>
    <message>
        <source>Lowest SWR at</source>
        <translation>ROS minimal à</translation>
    </message>
    <message>
        <source>The design&apos;s resonance, by NEC-2</source>
        <translation>Résonance de l&apos;antenne calculée, selon NEC-2</translation>
    </message>
    <message>
        <source>Change to each tip</source>
        <translation>Modification à chaque extrémité</translation>
    </message>
    <message>
        <source>Or to each coil</source>
        <translation>Ou à chaque bobine</translation>
    </message>
    <message>
        <source>Coils&apos; Q, an estimate</source>
        <translation>Q des bobines, estimé</translation>
    </message>
    <message>
        <source>Efficiency, an estimate</source>
        <translation>Rendement, estimé</translation>
    </message>
    <message>
        <source>Or to each coil&apos;s turns</source>
        <translation>Ou aux spires de chaque bobine</translation>
    </message>
    <message>
        <source>Each loading coil on an LCR meter</source>
        <translation>Chaque bobine de charge au pont LCR</translation>
    </message>
    <message>
        <source>Matching coil on an LCR meter</source>
        <translation>Bobine d&apos;adaptation au pont LCR</translation>
    </message>
    <message>
        <source>Height of each tip over the ground</source>
        <translation>Hauteur de chaque extrémité au-dessus du sol</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>INPUT FREQUENCY</source>
        <translation>FRÉQUENCE</translation>
    </message>
    <message>
        <source>INPUT TOTAL LENGTH</source>
        <translation>LONGUEUR TOTALE</translation>
    </message>
    <message>
        <source>INPUT ELEMENT SIZE</source>
        <translation>DIAMÈTRE DE L&apos;ÉLÉMENT</translation>
    </message>
    <message>
        <source>INPUT FEEDLINE IMPEDANCE</source>
        <translation>IMPÉDANCE DU CÂBLE COAXIAL</translation>
    </message>
    <message>
        <source>FEET</source>
        <translation>PIEDS</translation>
    </message>
    <message>
        <source>INCHES</source>
        <translation>POUCES</translation>
    </message>
    <message>
        <source>METERS</source>
        <translation>MÈTRES</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>QUERLIN        by      ORVANE</source>
        <translation>QUERLIN        par      ORVANE</translation>
    </message>
    <message>
        <source>SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL<byte value="xd"/>
</source>
        <translation>GLISSEZ&#x202f;: DISTANCE DU CENTRE AU DÉBUT DE LA BOBINE
</translation>
    </message>
    <message>
        <source>METRIC</source>
        <translation>MÉTRIQUE</translation>
    </message>
    <message>
        <source>The coil will be</source>
        <translation>La bobine sera à</translation>
    </message>
    <message>
        <source>from the center</source>
        <translation>du centre</translation>
    </message>
    <message>
        <source>AWG WIRE SIZES</source>
        <translation>CALIBRES AWG</translation>
    </message>
    <message>
        <source>READ ME FIRST</source>
        <translation>LISEZ-MOI D&apos;ABORD</translation>
    </message>
    <message>
        <source>Loading coils will be</source>
        <translation>Bobines de charge&#x202f;:</translation>
    </message>
    <message>
        <source>mHYs</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>DESIGN COILS</source>
        <translation>CALCULER LES BOBINES</translation>
    </message>
    <message>
        <source>Antenna Impedance is approximately</source>
        <translation>Impédance de l&apos;antenne&#x202f;: environ</translation>
    </message>
    <message>
        <source>OHMS</source>
        <translation>OHMS</translation>
    </message>
    <message>
        <source>Matching coil is</source>
        <translation>Bobine d&apos;adaptation&#x202f;:</translation>
    </message>
    <message>
        <source>WEBSITE</source>
        <translation>SITE WEB</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>CALCULER</translation>
    </message>
    <message>
        <source>ohms</source>
        <translation>ohms</translation>
    </message>
    <message>
        <source>DESIGN COIL</source>
        <translation>CALCULER LA BOBINE</translation>
    </message>
    <message>
        <source>Antenna drawing</source>
        <translation>Dessin de l&apos;antenne</translation>
    </message>
    <message>
        <source>The dipole, fed at its centre; the coil symbols show where the loading coils sit along each half.</source>
        <translation>Le dipôle, alimenté en son centre&#x202f;; les symboles de bobine montrent où se trouvent les bobines de charge sur chaque moitié.</translation>
    </message>
    <message>
        <source>Left loading coil</source>
        <translation>Bobine de charge gauche</translation>
    </message>
    <message>
        <source>Coil symbol on the left half of the antenna.</source>
        <translation>Symbole de bobine sur la moitié gauche de l&apos;antenne.</translation>
    </message>
    <message>
        <source>Right loading coil</source>
        <translation>Bobine de charge droite</translation>
    </message>
    <message>
        <source>Coil symbol on the right half of the antenna.</source>
        <translation>Symbole de bobine sur la moitié droite de l&apos;antenne.</translation>
    </message>
    <message>
        <source>Separator bar</source>
        <translation>Barre de séparation</translation>
    </message>
    <message>
        <source>between the inputs and the loading coils</source>
        <translation>entre les entrées et les bobines de charge</translation>
    </message>
    <message>
        <source>between the loading coils and the matching coil</source>
        <translation>entre les bobines de charge et la bobine d&apos;adaptation</translation>
    </message>
    <message>
        <source>banner</source>
        <translation>bandeau</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>lengths in metres, diameters in millimetres</source>
        <translation>longueurs en mètres, diamètres en millimètres</translation>
    </message>
    <message>
        <source>lengths in feet, diameters in inches</source>
        <translation>longueurs en pieds, diamètres en pouces</translation>
    </message>
    <message>
        <source>works out the loading coils</source>
        <translation>calcule les bobines de charge</translation>
    </message>
    <message>
        <source>works out the matching coil</source>
        <translation>calcule la bobine d&apos;adaptation</translation>
    </message>
    <message>
        <source>opens the coil window</source>
        <translation>ouvre la fenêtre des bobines</translation>
    </message>
    <message>
        <source>opens the notes</source>
        <translation>ouvre les notes</translation>
    </message>
    <message>
        <source>opens the link to the author&apos;s web page</source>
        <translation>ouvre le lien vers la page web de l&apos;auteur</translation>
    </message>
    <message>
        <source>FEET</source>
        <comment>the unit after a length: The coil will be 10 FEET</comment>
        <translation>PIEDS</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>MICROHENRYS</source>
        <translation>MICROHENRYS</translation>
    </message>
    <message>
        <source>COIL DIAMETER</source>
        <translation>DIAMÈTRE BOBINE</translation>
    </message>
    <message>
        <source>COIL LENGTH</source>
        <translation>LONGUEUR BOBINE</translation>
    </message>
    <message>
        <source>WIRE DECIMAL</source>
        <translation>FIL DÉCIMAL</translation>
    </message>
    <message>
        <source> THIS WILL FIT BUT YOU MAY WANT TO TRY A SHORTER COIL OR LARGER DIAMETER WIRE</source>
        <translation> CELA TIENT, MAIS ESSAYEZ PEUT-ÊTRE UNE BOBINE PLUS COURTE OU UN FIL PLUS GROS</translation>
    </message>
    <message>
        <source> THIS COIL IS TOO SMALL YOU MAY WISH TO TRY A LARGER COIL OR SMALLER DIAMETER WIRE</source>
        <translation> CETTE BOBINE EST TROP PETITE, ESSAYEZ UNE BOBINE PLUS GRANDE OU UN FIL PLUS FIN</translation>
    </message>
    <message>
        <source>COILS</source>
        <translation>BOBINES</translation>
    </message>
    <message>
        <source>The most efficient coils have a high Q factor.Use the largest wire possible with <byte value="xd"/>
close winding. The coil should be no more than  twice as long as the diameter.<byte value="xd"/>
</source>
        <translation>Les bobines au meilleur rendement ont un facteur Q élevé. Utilisez le fil le plus
gros possible, à spires jointives. La bobine ne devrait pas être plus de deux fois
plus longue que son diamètre.
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
#   POUCE  MM
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
        <translation>MICROHENRYS et DIAMÈTRE DE
BOBINE (POUCES DÉCIMAUX)
UN PETIT TUBE CONVIENT AUSSI
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
        <translation>DIAMÈTRE
FRACTION   DÉCIMAL    CM
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
        <translation>NOMBRE DE SPIRES CONSEILLÉ</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>CALCULER</translation>
    </message>
    <message>
        <source>Advice on coils</source>
        <translation>Conseils sur les bobines</translation>
    </message>
    <message>
        <source>Wire gauge table</source>
        <translation>Tableau des calibres de fil</translation>
    </message>
    <message>
        <source>one gauge a line: its number, its diameter in inches and in millimetres</source>
        <translation>un calibre par ligne&#x202f;: son numéro, son diamètre en pouces et en millimètres</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Tubing diameter table</source>
        <translation>Tableau des diamètres de tube</translation>
    </message>
    <message>
        <source>one size a line: the diameter as a fraction of an inch, in decimal inches and in centimetres</source>
        <translation>une taille par ligne&#x202f;: le diamètre en fraction de pouce, en pouces décimaux et en centimètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>works out the number of turns</source>
        <translation>calcule le nombre de spires</translation>
    </message>
    <message>
        <source>Advice on the winding</source>
        <translation>Conseil sur le bobinage</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>NOTES</source>
        <translation>NOTES</translation>
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
        <translation>REMARQUES
1   RENDEMENT INFÉRIEUR À CELUI D&apos;UN DIPÔLE PLEINE TAILLE
2   BANDE PASSANTE PLUS ÉTROITE
3   LES BOBINES SONT AU MIEUX VERS 50 % DU CHEMIN DEPUIS
     LE CENTRE. TROP PRÈS LIMITE LE COURANT&#x202f;; TROP LOIN LIMITE
     LA TENSION ET DEMANDE DES BOBINES BIEN PLUS GROSSES.
4  LES OBJETS PROCHES ALLONGENT L&apos;ANTENNE PAR EFFET CAPACITIF,
    MAIS MIEUX VAUT LA FAIRE PLUS LONGUE QUE CALCULÉ ET
    RACCOURCIR LES EXTRÉMITÉS QUE D&apos;AUGMENTER L&apos;INDUCTANCE
    D&apos;UNE BOBINE DÉJÀ RÉALISÉE.
</translation>
    </message>
    <message>
        <source>THE ANTENNA MAY BE MATCHED BY STUB, HAIRPIN OR EVEN A DELTA OR GAMMA<byte value="xd"/>
IF YOU USE THE MATCHING COIL, THE ANTENNA IS LIMITED TO THE DESIGN FREQUENCY<byte value="xd"/>
LARGER MATCHING INDUCTORS CAN BE USED WITH VARIABLE CAPACITORS TO ALLOW<byte value="xd"/>
TUNING WITHIN THE BAND OR FOR MULTIPLE BANDS.<byte value="xd"/>
</source>
        <translation>L&apos;ANTENNE PEUT ÊTRE ADAPTÉE PAR STUB, HAIRPIN, OU MÊME DELTA OU GAMMA
AVEC LA BOBINE D&apos;ADAPTATION, L&apos;ANTENNE RESTE SUR LA FRÉQUENCE DE CALCUL
DES BOBINES D&apos;ADAPTATION PLUS GROSSES ET DES CONDENSATEURS VARIABLES
PERMETTENT L&apos;ACCORD DANS LA BANDE OU SUR PLUSIEURS BANDES.
</translation>
    </message>
    <message>
        <source>IF YOU GET A NEGATIVE NUMBER FOR THE MATCHING COIL, THEN THE <byte value="xd"/>
ANTENNA IS LONGER THAN YOU REQUIRE FOR THAT FREQUENCY. THE <byte value="xd"/>
ANTENNA MAY BE TUNED WITH VARIABLE CAPACITORS.  <byte value="xd"/>
</source>
        <translation>SI LA BOBINE D&apos;ADAPTATION DONNE UNE VALEUR NÉGATIVE, L&apos;ANTENNE
EST PLUS LONGUE QUE NÉCESSAIRE POUR CETTE FRÉQUENCE. ELLE
PEUT ÊTRE ACCORDÉE AVEC DES CONDENSATEURS VARIABLES.
</translation>
    </message>
    <message>
        <source>Points on shortened dipoles</source>
        <translation>Remarques sur les dipôles raccourcis</translation>
    </message>
    <message>
        <source>Ways to match the antenna</source>
        <translation>Façons d&apos;adapter l&apos;antenne</translation>
    </message>
    <message>
        <source>A negative matching coil</source>
        <translation>Une bobine d&apos;adaptation négative</translation>
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
        <translation>%1 pouces (%2 ft)</translation>
    </message>
    <message>
        <source>The model of the design resonates nowhere near %1 MHz: nothing to compare with.</source>
        <translation>Le modèle de l&apos;antenne calculée ne résonne nulle part près de %1 MHz&#x202f;: rien à comparer.</translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the resonance to %3 MHz.</source>
        <translation>Chaque extrémité&#x202f;: %1 %2 pour amener la résonance à %3 MHz.</translation>
    </message>
    <message>
        <source>fold back</source>
        <translation>replier</translation>
    </message>
    <message>
        <source>lengthen by</source>
        <translation>rallonger de</translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the resonance to %1 MHz.</source>
        <translation>Chaque extrémité&#x202f;: le modèle ne trouve aucune longueur qui amène la résonance à %1 MHz.</translation>
    </message>
    <message>
        <source>Or each coil: %1 %2 uH (%3 to %4 uH).</source>
        <translation>Ou chaque bobine&#x202f;: %1 %2 uH (de %3 à %4 uH).</translation>
    </message>
    <message>
        <source>take off</source>
        <translation>retirer</translation>
    </message>
    <message>
        <source>add</source>
        <translation>ajouter</translation>
    </message>
    <message>
        <source>On that former: %1 %2 turns (%3 to %4 turns)%5.</source>
        <translation>Sur ce mandrin&#x202f;: %1 %2 spires (de %3 à %4 spires)%5.</translation>
    </message>
    <message>
        <source>unwind</source>
        <translation>enlever</translation>
    </message>
    <message>
        <source>wind on</source>
        <translation>ajouter</translation>
    </message>
    <message>
        <source>, which do not fit its length</source>
        <translation>, qui ne tiennent pas sur sa longueur</translation>
    </message>
    <message>
        <source>Or each coil: the model finds no inductance that does.</source>
        <translation>Ou chaque bobine&#x202f;: le modèle ne trouve aucune inductance qui y parvienne.</translation>
    </message>
    <message>
        <source>An estimate: the resonance is as sharp as the model&apos;s with coils of Q %1, with which it radiates %2 % of the power put in.</source>
        <translation>Une estimation&#x202f;: la résonance est aussi pointue que celle du modèle avec des bobines de Q %1, avec lesquelles il rayonne %2 % de la puissance fournie.</translation>
    </message>
    <message>
        <source>In the model %1 more on each tip %2 the resonance by %3 kHz; the rule for full-size dipoles says %4 kHz.</source>
        <translation>Dans le modèle, %1 de plus à chaque extrémité %2 la résonance de %3 kHz&#x202f;; la règle des dipôles pleine taille donne %4 kHz.</translation>
    </message>
    <message>
        <source>1 cm</source>
        <translation>1 cm</translation>
    </message>
    <message>
        <source>an inch</source>
        <translation>un pouce</translation>
    </message>
    <message>
        <source>lowers</source>
        <translation>abaisse</translation>
    </message>
    <message>
        <source>raises</source>
        <translation>élève</translation>
    </message>
    <message>
        <source>SWR on the %1-ohm line</source>
        <translation>ROS sur la ligne de %1 ohms</translation>
    </message>
    <message>
        <source>, resistance and reactance</source>
        <translation>, résistance et réactance</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Mesuré</translation>
    </message>
    <message>
        <source>: measured, and the design as NEC-2 models it</source>
        <translation>&#x202f;: mesuré, et l&apos;antenne calculée telle que NEC-2 la modélise</translation>
    </message>
    <message>
        <source>The design, by NEC-2</source>
        <translation>L&apos;antenne calculée, selon NEC-2</translation>
    </message>
    <message>
        <source>the reactance does not rise through zero anywhere from %1 to %2 MHz: the sweep holds no resonance; sweep more widely around it.</source>
        <translation>la réactance ne passe nulle part par zéro en montant entre %1 et %2 MHz&#x202f;: le balayage ne contient aucune résonance&#x202f;; balayez plus largement autour.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>the frequency must be a positive number that a sweep can hold, not %1 MHz.</source>
        <translation>la fréquence doit être un nombre positif qu&apos;un balayage peut contenir, pas %1 MHz.</translation>
    </message>
    <message>
        <source>these values give no finite impedance (an open circuit, or numbers out of range).</source>
        <translation>ces valeurs ne donnent aucune impédance finie (un circuit ouvert, ou des nombres hors limites).</translation>
    </message>
    <message>
        <source>the frequency %1 MHz does not rise above the %2 MHz before it: a sweep&apos;s frequencies must rise.</source>
        <translation>la fréquence %1 MHz n&apos;est pas au-dessus des %2 MHz qui la précèdent&#x202f;: les fréquences d&apos;un balayage doivent croître.</translation>
    </message>
    <message>
        <source>more than %1 frequencies, more than any analyser sweeps.</source>
        <translation>plus de %1 fréquences, plus que n&apos;en balaie aucun analyseur.</translation>
    </message>
    <message>
        <source>no sweep: the file holds no line of data.</source>
        <translation>aucun balayage&#x202f;: le fichier ne contient aucune ligne de données.</translation>
    </message>
    <message>
        <source>one frequency only: a sweep needs at least two to find anything.</source>
        <translation>une seule fréquence&#x202f;: un balayage en demande au moins deux pour trouver quoi que ce soit.</translation>
    </message>
    <message>
        <source>a zero byte: this is no text file (a file saved as UTF-16 must be saved as plain text or UTF-8).</source>
        <translation>un octet nul&#x202f;: ce n&apos;est pas un fichier texte (un fichier enregistré en UTF-16 doit être enregistré en texte brut ou en UTF-8).</translation>
    </message>
    <message>
        <source>no such file.</source>
        <translation>fichier introuvable.</translation>
    </message>
    <message>
        <source>not a file that holds a measurement.</source>
        <translation>pas un fichier contenant une mesure.</translation>
    </message>
    <message>
        <source>a file of %1 ports; an antenna&apos;s feed point is measured as one port, a .s1p file.</source>
        <translation>un fichier à %1 ports&#x202f;; le point d&apos;alimentation d&apos;une antenne se mesure comme un seul port, un fichier .s1p.</translation>
    </message>
    <message>
        <source>larger than %1 MB, more than any analyser&apos;s sweep.</source>
        <translation>plus de %1 Mo, plus que le balayage de n&apos;importe quel analyseur.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>lecture impossible&#x202f;: %1.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>le fichier est vide.</translation>
    </message>
    <message>
        <source>no column is named as the frequency; a CSV measurement begins with a header row such as %1.</source>
        <translation>aucune colonne n&apos;est nommée comme la fréquence&#x202f;; une mesure CSV commence par une ligne d&apos;en-tête telle que %1.</translation>
    </message>
    <message>
        <source>no columns are named as the reflection coefficient&apos;s real and imaginary parts or as the resistance and reactance, as in %1.</source>
        <translation>aucune colonne n&apos;est nommée comme les parties réelle et imaginaire du coefficient de réflexion, ni comme la résistance et la réactance, comme dans %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the column &apos;%2&apos; is not a number.</source>
        <translation>«&#x202f;%1&#x202f;» dans la colonne «&#x202f;%2&#x202f;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>%1 fields where the columns read need %2.</source>
        <translation>%1 champs là où les colonnes lues en demandent %2.</translation>
    </message>
    <message>
        <source>%1 repeats a part of the option line, which reads %2.</source>
        <translation>%1 répète une partie de la ligne d&apos;options, qui se lit %2.</translation>
    </message>
    <message>
        <source>R must be followed by the reference resistance in ohms, a positive number.</source>
        <translation>R doit être suivi de la résistance de référence en ohms, un nombre positif.</translation>
    </message>
    <message>
        <source>%1 parameters describe two ports; an antenna&apos;s feed point is one: S, Y or Z.</source>
        <translation>Les paramètres %1 décrivent deux ports&#x202f;; le point d&apos;alimentation d&apos;une antenne n&apos;en est qu&apos;un&#x202f;: S, Y ou Z.</translation>
    </message>
    <message>
        <source>%1 is no part of an option line, which reads %2.</source>
        <translation>%1 ne fait pas partie d&apos;une ligne d&apos;options, qui se lit %2.</translation>
    </message>
    <message>
        <source>%1 is a keyword of Touchstone version 2; save the measurement as version 1.</source>
        <translation>%1 est un mot-clé de Touchstone version 2&#x202f;; enregistrez la mesure en version 1.</translation>
    </message>
    <message>
        <source>data before the option line: a Touchstone file says first what its numbers are, as in %1.</source>
        <translation>des données avant la ligne d&apos;options&#x202f;: un fichier Touchstone dit d&apos;abord ce que sont ses nombres, comme dans %1.</translation>
    </message>
    <message>
        <source>%1 numbers where one port&apos;s line holds three: the frequency and two for the parameter.</source>
        <translation>%1 nombres là où la ligne d&apos;un port en contient trois&#x202f;: la fréquence et deux pour le paramètre.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>no option line and no data: a Touchstone file holds an option line such as %1 and a line for each frequency.</source>
        <translation>ni ligne d&apos;options ni données&#x202f;: un fichier Touchstone contient une ligne d&apos;options telle que %1 et une ligne par fréquence.</translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the lowest SWR with the matching coil to %3 MHz.</source>
        <translation>Chaque extrémité&#x202f;: %1 %2 pour amener le ROS le plus bas avec la bobine d&apos;adaptation à %3 MHz.</translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the lowest SWR with the matching coil to %1 MHz.</source>
        <translation>Chaque extrémité&#x202f;: le modèle ne trouve aucune longueur qui amène le ROS le plus bas avec la bobine d&apos;adaptation à %1 MHz.</translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>The best position, %1 %</source>
        <translation>La meilleure position, %1 %</translation>
    </message>
    <message>
        <source>Each loading coil by the formula and as built to match the line by NEC-2, and what the build gives</source>
        <translation>Chaque bobine de charge selon la formule et telle que construite pour s&apos;adapter à la ligne selon NEC-2, et ce que donne la réalisation</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and as NEC-2 needs it, and where each design resonates</source>
        <translation>L&apos;inductance de chaque bobine selon la formule et telle que NEC-2 la demande, et où chaque antenne calculée résonne</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula</source>
        <translation>L&apos;inductance de chaque bobine selon la formule</translation>
    </message>
    <message>
        <source>Coil inductance (µH)</source>
        <translation>Inductance de la bobine (µH)</translation>
    </message>
    <message>
        <source>By the formula</source>
        <translation>Selon la formule</translation>
    </message>
    <message>
        <source>For resonance at %1 MHz, by NEC-2</source>
        <translation>Pour la résonance à %1 MHz, selon NEC-2</translation>
    </message>
    <message>
        <source>As built, by NEC-2</source>
        <translation>Telle que construite, selon NEC-2</translation>
    </message>
    <message>
        <source>The worked position, %1 %</source>
        <translation>La position calculée, %1 %</translation>
    </message>
    <message>
        <source>Resonance (MHz)</source>
        <translation>Résonance (MHz)</translation>
    </message>
    <message>
        <source>Resonance as built, by NEC-2</source>
        <translation>Résonance telle que construite, selon NEC-2</translation>
    </message>
    <message>
        <source>Target, %1 MHz</source>
        <translation>Cible, %1 MHz</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>Rendement (%)</translation>
    </message>
    <message>
        <source>Efficiency as matched, by NEC-2</source>
        <translation>Rendement une fois adaptée, selon NEC-2</translation>
    </message>
    <message>
        <source>Bandwidth (kHz)</source>
        <translation>Bande passante (kHz)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth as matched, by NEC-2</source>
        <translation>Bande passante à ROS 2:1 une fois adaptée, selon NEC-2</translation>
    </message>
    <message>
        <source>Coil position (% of half the antenna, from the centre)</source>
        <translation>Position de la bobine (% de la demi-antenne, depuis le centre)</translation>
    </message>
    <message>
        <source>SWR</source>
        <translation>ROS</translation>
    </message>
    <message>
        <source>Design frequency, %1 MHz</source>
        <translation>Fréquence de calcul, %1 MHz</translation>
    </message>
    <message>
        <source>Impedance (ohms)</source>
        <translation>Impédance (ohms)</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Résistance</translation>
    </message>
    <message>
        <source>Reactance</source>
        <translation>Réactance</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>opening the web page</source>
        <translation>l&apos;ouverture de la page web</translation>
    </message>
</context>
<context>
    <name>querlin</name>
    <message>
        <source>The antenna is as long as or longer than a resonant dipole at %1 MHz, so it needs no loading coil (the formula gives %2 µH).</source>
        <translation>L&apos;antenne est aussi longue qu&apos;un dipôle résonant sur %1 MHz, ou plus longue&#x202f;: elle n&apos;a donc besoin d&apos;aucune bobine de charge (la formule donne %2 µH).</translation>
    </message>
    <message>
        <source>With %1 the length is in metres and the element in millimetres: if they are in feet and inches, leave out %1.</source>
        <translation>Avec %1, la longueur est en mètres et l&apos;élément en millimètres&#x202f;: s&apos;ils sont en pieds et en pouces, omettez %1.</translation>
    </message>
    <message>
        <source>Without %1 the length is in feet and the element in inches: if they are in metres and millimetres, give %1.</source>
        <translation>Sans %1, la longueur est en pieds et l&apos;élément en pouces&#x202f;: s&apos;ils sont en mètres et en millimètres, ajoutez %1.</translation>
    </message>
</context>
<context>
    <name>querlin-calc</name>
    <message>
        <source>No position gives a build with an efficiency.</source>
        <translation>Aucune position ne donne une réalisation avec un rendement.</translation>
    </message>
    <message>
        <source>winding inductance: %1 uH, by Nagaoka&apos;s coefficient and Rosa&apos;s round-wire corrections</source>
        <translation>inductance du bobinage&#x202f;: %1 uH, par le coefficient de Nagaoka et les corrections de Rosa pour fil rond</translation>
    </message>
    <message>
        <source>difference from the wanted inductance: %1 %</source>
        <translation>écart par rapport à l&apos;inductance voulue&#x202f;: %1 %</translation>
    </message>
    <message>
        <source>turns as wound for the wanted inductance: %1, close-wound %2 inches, which fit</source>
        <translation>spires telles que bobinées pour l&apos;inductance voulue&#x202f;: %1, à spires jointives %2 pouces, qui tiennent</translation>
    </message>
    <message>
        <source>turns as wound for the wanted inductance: %1, close-wound %2 inches, more than the coil length of %3 inches</source>
        <translation>spires telles que bobinées pour l&apos;inductance voulue&#x202f;: %1, à spires jointives %2 pouces, plus que la longueur de bobine de %3 pouces</translation>
    </message>
    <message>
        <source>wire length: %1 inches (%2 m)</source>
        <translation>longueur de fil&#x202f;: %1 pouces (%2 m)</translation>
    </message>
    <message>
        <source>Q at %2 MHz: %1</source>
        <translation>Q à %2 MHz&#x202f;: %1</translation>
    </message>
    <message>
        <source>self-resonance: about %1 MHz</source>
        <translation>résonance propre&#x202f;: environ %1 MHz</translation>
    </message>
    <message>
        <source>reactance at %2 MHz: %1 ohms</source>
        <translation>réactance à %2 MHz&#x202f;: %1 ohms</translation>
    </message>
    <message>
        <source>warning: %1 MHz is above a third of the self-resonance, where the coil acts as more inductance than its winding&apos;s, with less Q</source>
        <translation>attention&#x202f;: %1 MHz dépasse le tiers de la résonance propre, où la bobine agit comme une inductance plus grande que celle de son bobinage, avec un Q plus faible</translation>
    </message>
    <message>
        <source>--frequency takes a number of MHz, not &apos;%1&apos;.</source>
        <translation>--frequency prend un nombre de MHz, pas «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>--%1 cannot be a line of a batch.</source>
        <translation>--%1 ne peut pas être une ligne d&apos;un lot.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Commande inconnue «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not --%1.</source>
        <translation>--batch lit ses commandes sur l&apos;entrée standard, pas --%1.</translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not &apos;%1&apos;.</source>
        <translation>--batch lit ses commandes sur l&apos;entrée standard, pas «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Essayez «&#x202f;%1 --help&#x202f;» pour en savoir plus.</translation>
    </message>
    <message>
        <source>where the two loading coils go and how large they are</source>
        <translation>où vont les deux bobines de charge et quelle est leur valeur</translation>
    </message>
    <message>
        <source>The main window&apos;s upper CALCULATE: prints the distance from the centre to each loading coil (feet, or metres with --metric), the inductance of each coil in microhenries and the approximate feed-point impedance in ohms. --sweep tabulates every position as CSV, from 1 % (coils next to the feed point) to 99 % (near the tips); --check adds what the NEC-2 engine says of each, and --plot draws the table as a picture in place of printing it.</source>
        <translation>Le CALCULER du haut de la fenêtre principale&#x202f;: affiche la distance du centre à chaque bobine de charge (en pieds, ou en mètres avec --metric), l&apos;inductance de chaque bobine en microhenrys et l&apos;impédance approximative au point d&apos;alimentation en ohms. --sweep donne chaque position en tableau CSV, de 1 % (bobines près du point d&apos;alimentation) à 99 % (près des extrémités)&#x202f;; --check y ajoute ce que le moteur NEC-2 dit de chacune, et --plot dessine le tableau en image au lieu de l&apos;afficher.</translation>
    </message>
    <message>
        <source>the same, and the matching coil across the feed point</source>
        <translation>la même chose, et la bobine d&apos;adaptation au point d&apos;alimentation</translation>
    </message>
    <message>
        <source>The main window&apos;s lower CALCULATE: prints what dipole prints, then the inductance of the shunt coil across the feed point that matches the antenna to the feed line, in microhenries.</source>
        <translation>Le CALCULER du bas de la fenêtre principale&#x202f;: affiche ce qu&apos;affiche dipole, puis l&apos;inductance en microhenrys de la bobine en parallèle au point d&apos;alimentation qui adapte l&apos;antenne à la ligne d&apos;alimentation.</translation>
    </message>
    <message>
        <source>the turns of a loading coil, and the coil as wound</source>
        <translation>les spires d&apos;une bobine de charge, et la bobine telle que bobinée</translation>
    </message>
    <message>
        <source>The coil window&apos;s CALCULATE: prints the number of turns of a single-layer air-core coil for the wanted inductance and the fit message, which begins with a blank as the coil window shows it. --details adds the coil as wound, its turns spread evenly over the coil length, one figure and its unit a line: its inductance by Nagaoka&apos;s coefficient less Rosa&apos;s round-wire corrections, how far that is from the wanted inductance, the turns that give the wanted inductance as wound and whether they fit, and the wire length; with --frequency, its Q, its self-resonance and its reactance there, and a warning above a third of the self-resonance.</source>
        <translation>Le CALCULER de la fenêtre des bobines&#x202f;: affiche le nombre de spires d&apos;une bobine à air à une seule couche pour l&apos;inductance voulue et le message d&apos;ajustement, qui commence par un espace comme dans la fenêtre des bobines. --details y ajoute la bobine telle que bobinée, ses spires réparties régulièrement sur la longueur de la bobine, une valeur et son unité par ligne&#x202f;: son inductance par le coefficient de Nagaoka moins les corrections de Rosa pour fil rond, son écart par rapport à l&apos;inductance voulue, les spires qui donnent l&apos;inductance voulue telle que bobinée et si elles tiennent, et la longueur de fil&#x202f;; avec --frequency, son Q, sa résonance propre et sa réactance à cette fréquence, et un avertissement au-dessus du tiers de la résonance propre.</translation>
    </message>
    <message>
        <source>the design as a NEC-2 card deck</source>
        <translation>l&apos;antenne calculée en jeu de cartes NEC-2</translation>
    </message>
    <message>
        <source>Writes the design as a NEC-2 card deck: the straight centre-fed wire, the source on a segment of its own at the centre, each loading coil of the computed inductance a wire of its own, 1/81 of the antenna long (shorter near the centre or a tip), centred at the computed distance, and a sweep from 10 % below to 10 % above the design frequency, with comment cards naming the design.</source>
        <translation>Écrit l&apos;antenne calculée en jeu de cartes NEC-2&#x202f;: le fil droit alimenté au centre, la source sur son propre segment au centre, chaque bobine de charge de l&apos;inductance calculée comme un fil à part, long de 1/81 de l&apos;antenne (plus court près du centre ou d&apos;une extrémité), centré à la distance calculée, et un balayage de 10 % au-dessous à 10 % au-dessus de la fréquence de calcul, avec des cartes de commentaire qui nomment l&apos;antenne calculée.</translation>
    </message>
    <message>
        <source>the design modelled in nec2c: its resonance, impedance and SWR</source>
        <translation>l&apos;antenne calculée modélisée par nec2c&#x202f;: résonance, impédance et ROS</translation>
    </message>
    <message>
        <source>Runs the design&apos;s deck in the NEC-2 engine nec2c and prints the design&apos;s texts, then what the engine says, each after its key: where the antenna resonates and how far that is from the design frequency, the feed impedance there, the inductance each coil needs for resonance there, the SWR without and with the matching coil, the 2:1 bandwidth and, with --conductor copper, --coil-q, a coil to wind or --height, the efficiency: the share of the power put in that is radiated, over ground into the upper half of space, with coils of the resonant inductance. A last line, note, says when segments shorter than 8 wire radii make the figures rough. --coil-diameter, --coil-length and --coil-wire wind each loading coil as coil --details does and model it with the Q that gives, and add the turns that give its inductance as wound.</source>
        <translation>Fait tourner le jeu de cartes de l&apos;antenne calculée dans le moteur NEC-2 nec2c et affiche les textes de l&apos;antenne calculée, puis ce que dit le moteur, chaque valeur après sa clé&#x202f;: où l&apos;antenne résonne et son écart à la fréquence de calcul, l&apos;impédance au point d&apos;alimentation à cette fréquence, l&apos;inductance qu&apos;il faut à chaque bobine pour y résonner, le ROS sans et avec la bobine d&apos;adaptation, la bande passante à 2:1 et, avec --conductor copper, --coil-q, une bobine à bobiner ou --height, le rendement&#x202f;: la part de la puissance fournie qui est rayonnée, au-dessus du sol dans le demi-espace supérieur, avec des bobines de l&apos;inductance de résonance. Une dernière ligne, note, signale quand des segments plus courts que 8 rayons du fil rendent les valeurs approximatives. --coil-diameter, --coil-length et --coil-wire bobinent chaque bobine de charge comme le fait coil --details, la modélisent avec le Q obtenu, et ajoutent les spires qui donnent son inductance telle que bobinée.</translation>
    </message>
    <message>
        <source>what to build instead: the coils that match the feed line</source>
        <translation>ce qu&apos;il faut construire à la place&#x202f;: bobines adaptées à la ligne</translation>
    </message>
    <message>
        <source>Prints the design&apos;s texts, then what to build instead, found by nec2c with the coils&apos; loss in the model: each loading coil and the matching coil across the feed point with which the feed line sees an SWR of 1, and the SWR, bandwidth and feed impedance with them, or in words why no coil across the feed point can match, and what to cut for each half: the wire to the coil, the coil and the wire to the tip. With a coil to wind it gives each coil&apos;s turns and Q; --position best builds every position and prints the one of highest efficiency, and --sweep every position, a row each, which --plot draws as a picture in place of printing it. --touchstone writes the build&apos;s feed point for an analyser&apos;s program, as check&apos;s does.</source>
        <translation>Affiche les textes de l&apos;antenne calculée, puis ce qu&apos;il faut construire à la place, trouvé par nec2c avec les pertes des bobines dans le modèle&#x202f;: chaque bobine de charge et la bobine d&apos;adaptation au point d&apos;alimentation avec lesquelles la ligne d&apos;alimentation voit un ROS de 1, et le ROS, la bande passante et l&apos;impédance au point d&apos;alimentation avec elles, ou en toutes lettres pourquoi aucune bobine au point d&apos;alimentation ne peut adapter, et ce qu&apos;il faut couper pour chaque moitié&#x202f;: le fil jusqu&apos;à la bobine, la bobine et le fil jusqu&apos;à l&apos;extrémité. Avec une bobine à bobiner, il donne les spires et le Q de chaque bobine&#x202f;; --position best construit chaque position et affiche celle du meilleur rendement, et --sweep chaque position, une ligne chacune, que --plot dessine en image au lieu de l&apos;afficher. --touchstone écrit le point d&apos;alimentation de la réalisation pour le logiciel d&apos;un analyseur, comme pour check.</translation>
    </message>
    <message>
        <source>an analyser&apos;s sweep of the antenna, and how to tune it</source>
        <translation>le balayage de l&apos;antenne par un analyseur, et comment l&apos;accorder</translation>
    </message>
    <message>
        <source>Reads an antenna analyser&apos;s sweep of the feed point, a Touchstone version 1 .s1p file or a CSV file, and prints the resonance, the resistance there, the lowest SWR on the feed line and the 2:1 bandwidth. Given the design, it also says how much to change each tip, or instead each coil, to bring the resonance to the design frequency, found with nec2c, and estimates the coils&apos; Q and the efficiency from the resonance&apos;s sharpness; with the former the coils are wound on, the turns to wind on or unwind. --plot draws the sweep&apos;s SWR, resistance and reactance against frequency, with the design the model&apos;s beside them.</source>
        <translation>Lit le balayage du point d&apos;alimentation fait par un analyseur d&apos;antenne, un fichier Touchstone version 1 .s1p ou un fichier CSV, et affiche la résonance, la résistance à cette fréquence, le ROS minimal sur la ligne d&apos;alimentation et la bande passante à 2:1. Avec l&apos;antenne calculée, il indique aussi de combien modifier chaque extrémité, ou plutôt chaque bobine, pour amener la résonance sur la fréquence de calcul, trouvé avec nec2c, et estime le Q des bobines et le rendement d&apos;après l&apos;acuité de la résonance&#x202f;; avec le mandrin sur lequel les bobines sont bobinées, les spires à ajouter ou à enlever. --plot dessine le ROS, la résistance et la réactance du balayage en fonction de la fréquence, avec l&apos;antenne calculée ceux du modèle à côté.</translation>
    </message>
    <message>
        <source>The operating frequency, in MHz.</source>
        <translation>La fréquence de travail, en MHz.</translation>
    </message>
    <message>
        <source>The design frequency, in MHz: the resonance nearest it is read (without it, the one nearest the lowest SWR).</source>
        <translation>La fréquence de calcul, en MHz&#x202f;: on lit la résonance la plus proche d&apos;elle (sans elle, la plus proche du ROS minimal).</translation>
    </message>
    <message>
        <source>The total length of the antenna, tip to tip, in feet (metres with --metric).</source>
        <translation>La longueur totale de l&apos;antenne, d&apos;une extrémité à l&apos;autre, en pieds (en mètres avec --metric).</translation>
    </message>
    <message>
        <source>The design&apos;s total length, in feet (metres with --metric); with --frequency, --element and --position.</source>
        <translation>La longueur totale de l&apos;antenne calculée, en pieds (en mètres avec --metric)&#x202f;; avec --frequency, --element et --position.</translation>
    </message>
    <message>
        <source>The element diameter, in inches (millimetres with --metric).</source>
        <translation>Le diamètre de l&apos;élément, en pouces (en millimètres avec --metric).</translation>
    </message>
    <message>
        <source>The design&apos;s element diameter, in inches (millimetres with --metric).</source>
        <translation>Le diamètre de l&apos;élément de l&apos;antenne calculée, en pouces (en millimètres avec --metric).</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99.</source>
        <translation>La distance du centre à chaque bobine en pourcentage de la demi-antenne, le champ % de la fenêtre&#x202f;: un nombre entier de 1 à 99.</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99. With --sweep only with --plot, which marks it.</source>
        <translation>La distance du centre à chaque bobine en pourcentage de la demi-antenne, le champ % de la fenêtre&#x202f;: un nombre entier de 1 à 99. Avec --sweep, seulement avec --plot, qui la marque.</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, a whole number from 1 to 99; or best, the position of highest efficiency, which needs the coils&apos; loss. With --sweep only with --plot, which marks it.</source>
        <translation>La distance du centre à chaque bobine en pourcentage de la demi-antenne, un nombre entier de 1 à 99&#x202f;; ou best, la position du meilleur rendement, qui demande les pertes des bobines. Avec --sweep, seulement avec --plot, qui la marque.</translation>
    </message>
    <message>
        <source>The design&apos;s coil position, per cent, 1 to 99.</source>
        <translation>La position des bobines de l&apos;antenne calculée, en pour cent, de 1 à 99.</translation>
    </message>
    <message>
        <source>The length is in metres and the element diameter in millimetres; the coil distance is printed in metres.</source>
        <translation>La longueur est en mètres et le diamètre de l&apos;élément en millimètres&#x202f;; la distance des bobines est affichée en mètres.</translation>
    </message>
    <message>
        <source>The design&apos;s length is in metres and its element diameter in millimetres; the tip change is printed in metres.</source>
        <translation>La longueur de l&apos;antenne calculée est en mètres et le diamètre de son élément en millimètres&#x202f;; la modification des extrémités est affichée en mètres.</translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms.</source>
        <translation>L&apos;impédance de la ligne d&apos;alimentation, en ohms.</translation>
    </message>
    <message>
        <source>The wanted inductance, in microhenries.</source>
        <translation>L&apos;inductance voulue, en microhenrys.</translation>
    </message>
    <message>
        <source>The coil diameter, in inches, from wire centre to wire centre: a former&apos;s diameter plus one wire diameter.</source>
        <translation>Le diamètre de la bobine, en pouces, d&apos;axe de fil à axe de fil&#x202f;: le diamètre du mandrin plus un diamètre de fil.</translation>
    </message>
    <message>
        <source>The coil length, in inches.</source>
        <translation>La longueur de la bobine, en pouces.</translation>
    </message>
    <message>
        <source>The wire diameter, in inches.</source>
        <translation>Le diamètre du fil, en pouces.</translation>
    </message>
    <message>
        <source>The coil as wound too: its inductance, its difference from the wanted inductance in per cent, the turns that give the wanted inductance as wound and whether they fit, and the wire length, in inches and metres.</source>
        <translation>La bobine telle que bobinée aussi&#x202f;: son inductance, son écart par rapport à l&apos;inductance voulue en pour cent, les spires qui donnent l&apos;inductance voulue telle que bobinée et si elles tiennent, et la longueur de fil, en pouces et en mètres.</translation>
    </message>
    <message>
        <source>With --details: the frequency the coil works at, in MHz, for its Q, self-resonance and reactance.</source>
        <translation>Avec --details&#x202f;: la fréquence de travail de la bobine, en MHz, pour son Q, sa résonance propre et sa réactance.</translation>
    </message>
    <message>
        <source>Every position from 1 to 99, as CSV with the header row position,distance,inductance,impedance (with --json, one object per position); without --position.</source>
        <translation>Chaque position de 1 à 99, en CSV avec la ligne d&apos;en-tête position,distance,inductance,impedance (avec --json, un objet par position)&#x202f;; sans --position.</translation>
    </message>
    <message>
        <source>Build every position, a row each, as CSV; without --position.</source>
        <translation>Construire chaque position, une ligne chacune, en CSV&#x202f;; sans --position.</translation>
    </message>
    <message>
        <source>With --sweep: the check&apos;s figures of every position too, as further columns; takes the model and coil options of check.</source>
        <translation>Avec --sweep&#x202f;: les valeurs de la vérification pour chaque position aussi, en colonnes supplémentaires&#x202f;; accepte les options de modèle et de bobine de check.</translation>
    </message>
    <message>
        <source>With --sweep: draw the table in FILE instead of printing it, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Avec --sweep&#x202f;: dessiner le tableau dans FILE au lieu de l&apos;afficher, une image PNG ou SVG selon l&apos;extension du nom (.png ou .svg).</translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation>L&apos;impédance de la ligne d&apos;alimentation, en ohms&#x202f;; 50 si elle n&apos;est pas donnée.</translation>
    </message>
    <message>
        <source>With --sweep --check: the feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation>Avec --sweep --check&#x202f;: l&apos;impédance de la ligne d&apos;alimentation, en ohms&#x202f;; 50 si elle n&apos;est pas donnée.</translation>
    </message>
    <message>
        <source>The inductance of each coil as built, in microhenries, in place of the design&apos;s.</source>
        <translation>L&apos;inductance de chaque bobine telle que construite, en microhenrys, à la place de celle de l&apos;antenne calculée.</translation>
    </message>
    <message>
        <source>No segment of the model is longer than the antenna over N, and those at the source and the coils are shorter where they must be; 9 to 2001, 81 unless given.</source>
        <translation>Aucun segment du modèle n&apos;est plus long que l&apos;antenne divisée par N, et ceux de la source et des bobines sont plus courts là où il le faut&#x202f;; de 9 à 2001, 81 si N n&apos;est pas donné.</translation>
    </message>
    <message>
        <source>Adds the loss of copper wire to the model; without it the wire has none.</source>
        <translation>Ajoute au modèle les pertes du fil de cuivre&#x202f;; sans cela, le fil est sans pertes.</translation>
    </message>
    <message>
        <source>The old spelling of --conductor; coil&apos;s --wire is the wire&apos;s diameter.</source>
        <translation>L&apos;ancienne orthographe de --conductor&#x202f;; pour coil, --wire est le diamètre du fil.</translation>
    </message>
    <message>
        <source>The coils&apos; Q, for their loss: a series resistance of their reactance over Q at the design frequency; lossless unless given.</source>
        <translation>Le Q des bobines, pour leurs pertes&#x202f;: une résistance série égale à leur réactance divisée par Q à la fréquence de calcul&#x202f;; sans pertes s&apos;il n&apos;est pas donné.</translation>
    </message>
    <message>
        <source>The Q of every coil, the matching coil&apos;s too, for their loss; lossless unless given.</source>
        <translation>Le Q de chaque bobine, y compris la bobine d&apos;adaptation, pour leurs pertes&#x202f;; sans pertes s&apos;il n&apos;est pas donné.</translation>
    </message>
    <message>
        <source>Wind each loading coil on this diameter, in inches from wire centre to wire centre, as the coil window designs it, and take its Q for the coils&apos; loss; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation>Bobiner chaque bobine de charge sur ce diamètre, en pouces d&apos;axe de fil à axe de fil, comme la fenêtre des bobines la calcule, et prendre son Q pour les pertes des bobines&#x202f;; avec --coil-length et --coil-wire, sans --coil-q.</translation>
    </message>
    <message>
        <source>Wind the loading coils and the matching coil on this diameter, in inches from wire centre to wire centre, by Nagaoka&apos;s coefficient, each with its own Q; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation>Bobiner les bobines de charge et la bobine d&apos;adaptation sur ce diamètre, en pouces d&apos;axe de fil à axe de fil, par le coefficient de Nagaoka, chacune avec son propre Q&#x202f;; avec --coil-length et --coil-wire, sans --coil-q.</translation>
    </message>
    <message>
        <source>With the design: the diameter, in inches from wire centre to wire centre, of the former the coils are wound on, for the turns of the advised change; with --coil-length and --coil-wire.</source>
        <translation>Avec l&apos;antenne calculée&#x202f;: le diamètre, en pouces d&apos;axe de fil à axe de fil, du mandrin sur lequel les bobines sont bobinées, pour les spires de la modification conseillée&#x202f;; avec --coil-length et --coil-wire.</translation>
    </message>
    <message>
        <source>The length of that coil, in inches.</source>
        <translation>La longueur de cette bobine, en pouces.</translation>
    </message>
    <message>
        <source>The wire diameter of that coil, in inches.</source>
        <translation>Le diamètre du fil de cette bobine, en pouces.</translation>
    </message>
    <message>
        <source>Write the deck to FILE instead of standard output.</source>
        <translation>Écrire le jeu de cartes dans FILE au lieu de la sortie standard.</translation>
    </message>
    <message>
        <source>Also write the model&apos;s feed point from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line.</source>
        <translation>Écrire aussi le point d&apos;alimentation du modèle, d&apos;un dixième au-dessous à un dixième au-dessus de la fréquence de calcul, en 201 pas, dans FILE, un fichier Touchstone .s1p sur la ligne d&apos;alimentation.</translation>
    </message>
    <message>
        <source>Also write the build&apos;s feed point, its loading coils as built with their Q and the matching coil across it, from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line; without --sweep.</source>
        <translation>Écrire aussi le point d&apos;alimentation de la réalisation, ses bobines de charge telles que construites avec leur Q et la bobine d&apos;adaptation en parallèle, d&apos;un dixième au-dessous à un dixième au-dessus de la fréquence de calcul, en 201 pas, dans FILE, un fichier Touchstone .s1p sur la ligne d&apos;alimentation&#x202f;; sans --sweep.</translation>
    </message>
    <message>
        <source>With --sweep: draw the builds in FILE instead of printing them, against the position: each loading coil by the formula and as built, the 2:1 bandwidth and, with loss in the model, the efficiency, the best position ringed; a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Avec --sweep&#x202f;: dessiner les réalisations dans FILE au lieu de les afficher, en fonction de la position&#x202f;: chaque bobine de charge selon la formule et telle que construite, la bande passante à 2:1 et, avec des pertes dans le modèle, le rendement, la meilleure position entourée&#x202f;; une image PNG ou SVG selon l&apos;extension du nom (.png ou .svg).</translation>
    </message>
    <message>
        <source>Also draw the sweep&apos;s SWR, resistance and reactance against frequency in FILE, and with the design the model&apos;s beside them, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Dessiner aussi le ROS, la résistance et la réactance du balayage en fonction de la fréquence dans FILE, et avec l&apos;antenne calculée ceux du modèle à côté, une image PNG ou SVG selon l&apos;extension du nom (.png ou .svg).</translation>
    </message>
    <message>
        <source>One compact JSON object per result, texts as strings and figures as numbers.</source>
        <translation>Un objet JSON compact par résultat, les textes en chaînes et les valeurs en nombres.</translation>
    </message>
    <message>
        <source>Read and write numbers in the user&apos;s locale, as the windows do, instead of the C locale.</source>
        <translation>Lire et écrire les nombres selon les paramètres régionaux de l&apos;utilisateur, comme le font les fenêtres, au lieu des paramètres régionaux C.</translation>
    </message>
    <message>
        <source>Read one command per line from standard input and print one JSON line for each.</source>
        <translation>Lire une commande par ligne sur l&apos;entrée standard et afficher une ligne JSON pour chacune.</translation>
    </message>
    <message>
        <source>The calculations of QUERLIN&apos;s windows from the command line, for scripts and tables. Each command prints, one per line, the texts that the window&apos;s result fields would show; numbers are read as the windows read them, in the C locale unless --locale is given.</source>
        <translation>Les calculs des fenêtres de QUERLIN en ligne de commande, pour les scripts et les tableaux. Chaque commande affiche, un par ligne, les textes que montreraient les champs de résultat de la fenêtre&#x202f;; les nombres sont lus comme les fenêtres les lisent, selon les paramètres régionaux C sauf si --locale est donné.</translation>
    </message>
    <message>
        <source>Run &apos;querlin-calc COMMAND --help&apos; or &apos;querlin-calc help COMMAND&apos; for a command&apos;s usage and options; the manual page, man querlin-calc, has them all, with the output keys and the exit statuses.</source>
        <translation>«&#x202f;querlin-calc COMMANDE --help&#x202f;» ou «&#x202f;querlin-calc help COMMANDE&#x202f;» donne l&apos;usage et les options d&apos;une commande&#x202f;; la page de manuel, man querlin-calc, les donne toutes, avec les clés de sortie et les codes de sortie.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Usage&#x202f;: </translation>
    </message>
    <message>
        <source>  or:  </source>
        <translation>   ou&#x202f;: </translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes&#x202f;:</translation>
    </message>
    <message>
        <source>The analyser&apos;s sweep: a Touchstone .s1p file or a CSV file.</source>
        <translation>Le balayage de l&apos;analyseur&#x202f;: un fichier Touchstone .s1p ou un fichier CSV.</translation>
    </message>
    <message>
        <source>the Touchstone file</source>
        <translation>le fichier Touchstone</translation>
    </message>
    <message>
        <source>--%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation>--%1 prend un nombre positif, pas «&#x202f;%2&#x202f;».</translation>
    </message>
    <message>
        <source>--segments takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--segments prend un nombre entier de %1 à %2, pas «&#x202f;%3&#x202f;».</translation>
    </message>
    <message>
        <source>the deck</source>
        <translation>le jeu de cartes</translation>
    </message>
    <message>
        <source>Could not write %1 to %2: %3</source>
        <translation>Impossible d&apos;écrire %1 dans %2&#x202f;: %3</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Aucune commande donnée.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>measured needs the file of the sweep: measured FILE.</source>
        <translation>measured demande le fichier du balayage&#x202f;: measured FILE.</translation>
    </message>
    <message>
        <source>--sweep takes every position: leave out --position.</source>
        <translation>--sweep prend chaque position&#x202f;: omettez --position.</translation>
    </message>
    <message>
        <source>%1 takes no --%2.</source>
        <translation>%1 n&apos;accepte pas --%2.</translation>
    </message>
    <message>
        <source>%1 needs --%2.</source>
        <translation>%1 demande --%2.</translation>
    </message>
    <message>
        <source>--check goes with --sweep; for one position, use check.</source>
        <translation>--check va avec --sweep&#x202f;; pour une seule position, utilisez check.</translation>
    </message>
    <message>
        <source>dipole takes --%1 only with --sweep --check.</source>
        <translation>dipole n&apos;accepte --%1 qu&apos;avec --sweep --check.</translation>
    </message>
    <message>
        <source>--touchstone writes one build&apos;s feed point: leave out --sweep.</source>
        <translation>--touchstone écrit le point d&apos;alimentation d&apos;une seule réalisation&#x202f;: omettez --sweep.</translation>
    </message>
    <message>
        <source>--position best needs the coils&apos; loss: --coil-q, or --coil-diameter, --coil-length and --coil-wire.</source>
        <translation>--position best demande les pertes des bobines&#x202f;: --coil-q, ou --coil-diameter, --coil-length et --coil-wire.</translation>
    </message>
    <message>
        <source>measured compares with the design given all of --frequency, --length, --element and --position.</source>
        <translation>measured compare avec l&apos;antenne calculée si --frequency, --length, --element et --position sont tous donnés.</translation>
    </message>
    <message>
        <source>measured takes --%1 only with the design: --frequency, --length, --element and --position.</source>
        <translation>measured n&apos;accepte --%1 qu&apos;avec l&apos;antenne calculée&#x202f;: --frequency, --length, --element et --position.</translation>
    </message>
    <message>
        <source>coil takes --frequency with --details only.</source>
        <translation>coil n&apos;accepte --frequency qu&apos;avec --details.</translation>
    </message>
    <message>
        <source>Did you mean --%1?</source>
        <translation>Vouliez-vous dire --%1&#x202f;?</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number in the user&apos;s locale, in which --locale reads it.</source>
        <translation>--%1&#x202f;: «&#x202f;%2&#x202f;» n&apos;est pas un nombre selon les paramètres régionaux de l&apos;utilisateur, dans lesquels --locale le lit.</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number (a decimal point, or --locale for the user&apos;s decimal comma).</source>
        <translation>--%1&#x202f;: «&#x202f;%2&#x202f;» n&apos;est pas un nombre (un point décimal, ou --locale pour la virgule décimale de l&apos;utilisateur).</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is too large.</source>
        <translation>--%1&#x202f;: «&#x202f;%2&#x202f;» est trop grand.</translation>
    </message>
    <message>
        <source>--position takes a whole percentage from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--position prend un pourcentage entier de %1 à %2, pas «&#x202f;%3&#x202f;».</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 demande une valeur.</translation>
    </message>
    <message>
        <source>--%1 takes copper, not &apos;%2&apos;.</source>
        <translation>--%1 accepte copper, pas «&#x202f;%2&#x202f;».</translation>
    </message>
    <message>
        <source>--coil-diameter, --coil-length and --coil-wire go together.</source>
        <translation>--coil-diameter, --coil-length et --coil-wire vont ensemble.</translation>
    </message>
    <message>
        <source>--coil-q is the Q of a coil not wound here: give it or --coil-diameter, --coil-length and --coil-wire, not both.</source>
        <translation>--coil-q est le Q d&apos;une bobine qui n&apos;est pas bobinée ici&#x202f;: donnez-le, ou bien --coil-diameter, --coil-length et --coil-wire, pas les deux.</translation>
    </message>
    <message>
        <source>--plot writes a .png or .svg file, not &apos;%1&apos;.</source>
        <translation>--plot écrit un fichier .png ou .svg, pas «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>--touchstone writes a .s1p file, not &apos;%1&apos;.</source>
        <translation>--touchstone écrit un fichier .s1p, pas «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>--plot draws a --sweep.</source>
        <translation>--plot dessine un --sweep.</translation>
    </message>
    <message>
        <source>--plot draws the table instead of printing it: leave out --json.</source>
        <translation>--plot dessine le tableau au lieu de l&apos;afficher&#x202f;: omettez --json.</translation>
    </message>
    <message>
        <source>querlin-calc build --frequency MHZ --length L --element D --position PCT|best
         [--metric] [--feedline OHMS] [the model and coil options of check]
querlin-calc build --frequency MHZ --length L --element D --sweep [...]
querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]
querlin-calc build ... --touchstone FILE.s1p</source>
        <translation>querlin-calc build --frequency MHZ --length L --element D --position PCT|best
         [--metric] [--feedline OHMS] [les options de modèle et de bobine de check]
querlin-calc build --frequency MHZ --length L --element D --sweep [...]
querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]
querlin-calc build ... --touchstone FILE.s1p</translation>
    </message>
    <message>
        <source>querlin-calc COMMAND [OPTIONS]
querlin-calc help COMMAND
querlin-calc --batch [--locale] &lt; commands</source>
        <translation>querlin-calc COMMANDE [OPTIONS]
querlin-calc help COMMANDE
querlin-calc --batch [--locale] &lt; commandes</translation>
    </message>
    <message>
        <source>querlin-calc --batch &lt; commands</source>
        <translation>querlin-calc --batch &lt; commandes</translation>
    </message>
    <message>
        <source>as wound, at %2 MHz it acts as %1 uH</source>
        <translation>bobinée, elle agit à %2 MHz comme %1 uH</translation>
    </message>
    <message>
        <source>Q as wound at %2 MHz: %1</source>
        <translation>Q bobinée à %2 MHz&#x202f;: %1</translation>
    </message>
    <message>
        <source>The ground goes with --height; without it the model is free space.</source>
        <translation>Le sol va avec --height&#x202f;; sans lui le modèle est en espace libre.</translation>
    </message>
    <message>
        <source>--ground names a ground; --ground-permittivity and --ground-conductivity give one: not both.</source>
        <translation>--ground nomme un sol&#x202f;; --ground-permittivity et --ground-conductivity en donnent un&#x202f;: pas les deux.</translation>
    </message>
    <message>
        <source>--ground-permittivity and --ground-conductivity go together.</source>
        <translation>--ground-permittivity et --ground-conductivity vont ensemble.</translation>
    </message>
    <message>
        <source>--ground takes %1, not &apos;%2&apos;.</source>
        <translation>--ground prend %1, pas «&#x202f;%2&#x202f;».</translation>
    </message>
    <message>
        <source>--apex-angle takes the angle between the legs, more than 0 and at most 180 degrees (180: flat), not &apos;%1&apos;.</source>
        <translation>--apex-angle prend l’angle entre les brins, supérieur à 0 et d’au plus 180 degrés (180&#x202f;: à plat), pas «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>--insulation-permittivity goes with --insulation, its thickness.</source>
        <translation>--insulation-permittivity va avec --insulation, son épaisseur.</translation>
    </message>
    <message>
        <source>The height of the feed point over the ground, in feet (metres with --metric); free space unless given.</source>
        <translation>La hauteur du point d’alimentation au-dessus du sol, en pieds (mètres avec --metric)&#x202f;; espace libre sinon.</translation>
    </message>
    <message>
        <source>The ground under the antenna with --height: very-poor, poor, average, good, very-good, fresh-water or sea-water; average (relative permittivity 13, 0.005 S/m) unless given.</source>
        <translation>Le sol sous l’antenne avec --height&#x202f;: very-poor, poor, average, good, very-good, fresh-water ou sea-water&#x202f;; average (permittivité relative 13, 0,005 S/m) sinon.</translation>
    </message>
    <message>
        <source>The ground&apos;s relative permittivity, with --ground-conductivity, in place of a named ground.</source>
        <translation>La permittivité relative du sol, avec --ground-conductivity, à la place d’un sol nommé.</translation>
    </message>
    <message>
        <source>The ground&apos;s conductivity, in S/m.</source>
        <translation>La conductivité du sol, en S/m.</translation>
    </message>
    <message>
        <source>The wire&apos;s insulation, its radial thickness in inches (millimetres with --metric); bare wire unless given.</source>
        <translation>L’isolant du fil, son épaisseur radiale en pouces (millimètres avec --metric)&#x202f;; fil nu sinon.</translation>
    </message>
    <message>
        <source>The insulation&apos;s relative permittivity: 3.5 (PVC) unless given, polyethylene about 2.3.</source>
        <translation>La permittivité relative de l’isolant&#x202f;: 3,5 (PVC) sinon, polyéthylène environ 2,3.</translation>
    </message>
    <message>
        <source>Hang the antenna as an inverted V with this angle between its legs, in degrees, its feed point at the apex; 180 (flat) unless given.</source>
        <translation>Suspendre l’antenne en V inversé avec cet angle entre ses brins, en degrés, le point d’alimentation au sommet ; 180 (à plat) sinon.</translation>
    </message>
    <message>
        <source>The matching coil across the feed point while measuring, in microhenries, as build gave it: the resonance is then the antenna&apos;s own, and the advice brings the lowest SWR with that coil to the design frequency.</source>
        <translation>La bobine d&apos;adaptation au point d&apos;alimentation pendant la mesure, en microhenrys, telle que build l&apos;a donnée&#x202f;: la résonance est alors celle de l&apos;antenne seule, et le conseil amène le ROS le plus bas avec cette bobine à la fréquence de conception.</translation>
    </message>
    <message>
        <source>--%1 takes a relative permittivity of 1 or more, not &apos;%2&apos;.</source>
        <translation>--%1 prend une permittivité relative de 1 ou plus, pas «&#x202f;%2&#x202f;».</translation>
    </message>
</context>
<context>
    <name>querlin::CheckWindow</name>
    <message>
        <source>Check with NEC-2</source>
        <translation>Vérification avec NEC-2</translation>
    </message>
    <message>
        <source>Progress of the check</source>
        <translation>Avancement de la vérification</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stops the NEC-2 engine</source>
        <translation>Arrête le moteur NEC-2</translation>
    </message>
    <message>
        <source>Cancelled. Check with NEC-2… on the main window&apos;s results starts it again.</source>
        <translation>Annulé. «&#x202f;Vérifier avec NEC-2…&#x202f;» sur les résultats de la fenêtre principale la relance.</translation>
    </message>
    <message>
        <source>Plot of every coil position</source>
        <translation>Graphique de toutes les positions des bobines</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and, once checked, the inductance that nec2c finds resonant, against the coil position; under it the frequency at which each design as built resonates and, with the coils&apos; Q, the efficiency of each position&apos;s build, the best ringed.</source>
        <translation>L&apos;inductance de chaque bobine selon la formule et, une fois vérifiée, l&apos;inductance que nec2c trouve résonante, en fonction de la position des bobines&#x202f;; en dessous, la fréquence à laquelle chaque antenne calculée résonne telle que construite et, avec le Q des bobines, le rendement de la réalisation de chaque position, la meilleure entourée.</translation>
    </message>
    <message>
        <source>Nothing to check yet: type the frequency, the total length and the element size in the main window and press its upper CALCULATE. The check models the design it last calculated.</source>
        <translation>Rien à vérifier pour l&apos;instant&#x202f;: entrez la fréquence, la longueur totale et la taille de l&apos;élément dans la fenêtre principale et appuyez sur son CALCULER du haut. La vérification modélise la dernière antenne calculée.</translation>
    </message>
    <message>
        <source>The main window&apos;s last calculation ended in a fault: correct its inputs and press CALCULATE, then check again.</source>
        <translation>Le dernier calcul de la fenêtre principale s&apos;est terminé par une erreur&#x202f;: corrigez ses entrées et appuyez sur CALCULER, puis vérifiez à nouveau.</translation>
    </message>
    <message>
        <source>the %1-ohm line matched in the main window</source>
        <translation>la ligne de %1 ohms adaptée dans la fenêtre principale</translation>
    </message>
    <message>
        <source>a %1-ohm line</source>
        <translation>une ligne de %1 ohms</translation>
    </message>
    <message>
        <source>Checking the design with nec2c…</source>
        <translation>Vérification de l&apos;antenne calculée avec nec2c…</translation>
    </message>
    <message>
        <source>Checking every coil position for the plot: %1 of %2…</source>
        <translation>Vérification de chaque position des bobines pour le graphique&#x202f;: %1 sur %2…</translation>
    </message>
    <message>
        <source>Checking every coil position for the plot…</source>
        <translation>Vérification de chaque position des bobines pour le graphique…</translation>
    </message>
    <message>
        <source>What to build instead</source>
        <translation>Ce qu&apos;il faut construire à la place</translation>
    </message>
    <message>
        <source>lossless</source>
        <translation>sans pertes</translation>
    </message>
    <message>
        <source>Coils&apos; Q</source>
        <translation>Q des bobines</translation>
    </message>
    <message>
        <source>Empty for lossless coils. Air-core loading coils have a Q of about 100 to 400; querlin-calc coil --details estimates one.</source>
        <translation>Vide pour des bobines sans pertes. Les bobines de charge à air ont un Q d&apos;environ 100 à 400&#x202f;; querlin-calc coil --details en estime un.</translation>
    </message>
    <message>
        <source>Design the loading coil…</source>
        <translation>Calculer la bobine de charge…</translation>
    </message>
    <message>
        <source>Opens the coil window with the loading coil&apos;s inductance</source>
        <translation>Ouvre la fenêtre des bobines avec l&apos;inductance de la bobine de charge</translation>
    </message>
    <message>
        <source>Coils&apos; Q:</source>
        <translation>Q des bobines&#x202f;:</translation>
    </message>
    <message>
        <source>Building with nec2c…</source>
        <translation>Construction avec nec2c…</translation>
    </message>
    <message>
        <source>Building every coil position with coils of Q %1 for the plot…</source>
        <translation>Construction de chaque position des bobines avec des bobines de Q %1 pour le graphique…</translation>
    </message>
    <message>
        <source>Checked with nec2c.</source>
        <translation>Vérifié avec nec2c.</translation>
    </message>
    <message>
        <source>The coils&apos; Q is a positive number, such as 300; empty for lossless coils.</source>
        <translation>Le Q des bobines est un nombre positif, comme 300&#x202f;; vide pour des bobines sans pertes.</translation>
    </message>
    <message>
        <source>Compare with a measurement…</source>
        <translation>Comparer avec une mesure…</translation>
    </message>
    <message>
        <source>Opens an analyser&apos;s sweep of the antenna as built, a Touchstone .s1p or CSV file, and says what to change</source>
        <translation>Ouvre le balayage d&apos;un analyseur sur l&apos;antenne telle que construite, un fichier Touchstone .s1p ou CSV, et indique ce qu&apos;il faut modifier</translation>
    </message>
    <message>
        <source>Compared with a measurement</source>
        <translation>Comparé avec une mesure</translation>
    </message>
    <message>
        <source>Plot of the measured and modelled SWR</source>
        <translation>Graphique du ROS mesuré et modélisé</translation>
    </message>
    <message>
        <source>Compare with a measurement</source>
        <translation>Comparer avec une mesure</translation>
    </message>
    <message>
        <source>Analyser sweeps (*.s1p *.csv);;All files (*)</source>
        <translation>Balayages d&apos;analyseur (*.s1p *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Comparing %1 with the design, with nec2c…</source>
        <translation>Comparaison de %1 avec l&apos;antenne calculée, avec nec2c…</translation>
    </message>
    <message>
        <source>%1 against the design as nec2c models it, coils of %2 µH, on the %3-ohm line:</source>
        <translation>%1 comparé à l&apos;antenne calculée telle que nec2c la modélise, bobines de %2 µH, sur la ligne de %3 ohms&#x202f;:</translation>
    </message>
    <message>
        <source>lowest %1 at %2 MHz</source>
        <translation>minimum %1, à %2 MHz</translation>
    </message>
    <message>
        <source>The SWR on the %1-ohm line from %2 to %3 MHz, the design frequency marked: measured, %4; the design as nec2c models it, %5.</source>
        <translation>Le ROS sur la ligne de %1 ohms de %2 à %3 MHz, la fréquence de calcul marquée&#x202f;: mesuré, %4&#x202f;; l&apos;antenne calculée telle que nec2c la modélise, %5.</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Enregistrer en PNG…</translation>
    </message>
    <message>
        <source>Save as SVG…</source>
        <translation>Enregistrer en SVG…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save the plot as SVG</source>
        <translation>Enregistrer le graphique en SVG</translation>
    </message>
    <message>
        <source>Save the plot as PNG</source>
        <translation>Enregistrer le graphique en PNG</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The plot could not be saved as %1: %2</source>
        <translation>Le graphique n&apos;a pas pu être enregistré en %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s name before its value; French sets a narrow no-break space before the colon.</extracomment>
        <translation>%1&#x202f;:</translation>
    </message>
    <message>
        <source>Self-resonance of each loading coil</source>
        <translation>Autorésonance de chaque bobine de charge</translation>
    </message>
    <message>
        <source>Each loading coil fits its former</source>
        <translation>Chaque bobine de charge tient sur son mandrin</translation>
    </message>
    <message>
        <source>Self-resonance of the matching coil</source>
        <translation>Autorésonance de la bobine d&apos;adaptation</translation>
    </message>
    <message>
        <source>Matching coil fits its former</source>
        <translation>La bobine d&apos;adaptation tient sur son mandrin</translation>
    </message>
    <message>
        <source>Building every coil position with its coils as wound for the plot…</source>
        <translation>Construction de chaque position de bobine avec ses bobines telles que bobinées pour le graphique…</translation>
    </message>
    <message>
        <source>about %1 MHz</source>
        <translation>environ %1 MHz</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Coil p&amp;ositions</source>
        <translation>P&amp;ositions des bobines</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>Hung so, the tips would be %1 %2 below the ground: raise the Height or open the Apex angle.</source>
        <translation>Ainsi suspendue, les extrémités seraient %1 %2 sous le sol&#x202f;: augmentez la Hauteur ou ouvrez l&apos;Angle au sommet.</translation>
    </message>
    <message>
        <source>%1, coils at %2 % of each half: %3 µH each.
Modelled by nec2c %4; %5 segments, fed from %6.</source>
        <translation>%1, bobines à %2 % de chaque moitié&#x202f;: %3 µH chacune.
Modélisé par nec2c %4&#x202f;; %5 segments, alimenté par %6.</translation>
    </message>
    <message>
        <source>very poor</source>
        <translation>très mauvais</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>mauvais</translation>
    </message>
    <message>
        <source>average</source>
        <translation>moyen</translation>
    </message>
    <message>
        <source>good</source>
        <translation>bon</translation>
    </message>
    <message>
        <source>very good</source>
        <translation>très bon</translation>
    </message>
    <message>
        <source>fresh water</source>
        <translation>eau douce</translation>
    </message>
    <message>
        <source>sea water</source>
        <translation>eau de mer</translation>
    </message>
    <message>
        <source>%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation>%1 prend un nombre positif, pas «&#x202f;%2&#x202f;».</translation>
    </message>
    <message>
        <source>%1 needs a positive number.</source>
        <translation>%1 demande un nombre positif.</translation>
    </message>
    <message>
        <source>%1 takes a relative permittivity of 1 or more, not &apos;%2&apos;.</source>
        <translation>%1 prend une permittivité relative de 1 ou plus, pas «&#x202f;%2&#x202f;».</translation>
    </message>
    <message>
        <source>How the model hangs and is wound</source>
        <translation>Comment le modèle est suspendu et bobiné</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>espace libre</translation>
    </message>
    <message>
        <source>Height of the feed point over ground</source>
        <translation>Hauteur du point d&apos;alimentation au-dessus du sol</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Sol</translation>
    </message>
    <message>
        <source>typed below</source>
        <translation>saisi ci-dessous</translation>
    </message>
    <message>
        <source>Ground under the antenna</source>
        <translation>Sol sous l&apos;antenne</translation>
    </message>
    <message>
        <source>Ground &amp;permittivity</source>
        <translation>&amp;Permittivité du sol</translation>
    </message>
    <message>
        <source>relative</source>
        <translation>relative</translation>
    </message>
    <message>
        <source>Ground&apos;s relative permittivity</source>
        <translation>Permittivité relative du sol</translation>
    </message>
    <message>
        <source>Ground &amp;conductivity</source>
        <translation>&amp;Conductivité du sol</translation>
    </message>
    <message>
        <source>Ground&apos;s conductivity, siemens per metre</source>
        <translation>Conductivité du sol, siemens par mètre</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forme</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>à plat</translation>
    </message>
    <message>
        <source>inverted V</source>
        <translation>V inversé</translation>
    </message>
    <message>
        <source>Shape of the antenna</source>
        <translation>Forme de l&apos;antenne</translation>
    </message>
    <message>
        <source>&amp;Apex angle</source>
        <translation>&amp;Angle au sommet</translation>
    </message>
    <message>
        <source>Angle between the inverted V&apos;s legs, degrees, at most 180</source>
        <translation>Angle entre les branches du V inversé, degrés, au plus 180</translation>
    </message>
    <message>
        <source>Wi&amp;re</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>cuivre</translation>
    </message>
    <message>
        <source>insulated copper</source>
        <translation>cuivre isolé</translation>
    </message>
    <message>
        <source>Wire of the antenna</source>
        <translation>Fil de l&apos;antenne</translation>
    </message>
    <message>
        <source>&amp;Insulation</source>
        <translation>&amp;Isolant</translation>
    </message>
    <message>
        <source>Thickness of the wire&apos;s insulation</source>
        <translation>Épaisseur de l&apos;isolant du fil</translation>
    </message>
    <message>
        <source>Insulation p&amp;ermittivity</source>
        <translation>P&amp;ermittivité de l&apos;isolant</translation>
    </message>
    <message>
        <source>Insulation&apos;s relative permittivity, PVC&apos;s 3.5 unless changed</source>
        <translation>Permittivité relative de l&apos;isolant, 3,5 pour le PVC sauf modification</translation>
    </message>
    <message>
        <source>Coil &amp;diameter</source>
        <translation>&amp;Diamètre de bobine</translation>
    </message>
    <message>
        <source>no coil to wind</source>
        <translation>aucune bobine à bobiner</translation>
    </message>
    <message>
        <source>Diameter of the coil to wind, wire centre to wire centre</source>
        <translation>Diamètre de la bobine à bobiner, d&apos;axe à axe du fil</translation>
    </message>
    <message>
        <source>Coil &amp;length</source>
        <translation>&amp;Longueur de bobine</translation>
    </message>
    <message>
        <source>Length of the coil to wind</source>
        <translation>Longueur de la bobine à bobiner</translation>
    </message>
    <message>
        <source>Coil &amp;wire</source>
        <translation>Fil de &amp;bobine</translation>
    </message>
    <message>
        <source>Wire diameter of the coil to wind</source>
        <translation>Diamètre du fil de la bobine à bobiner</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A field&apos;s name for a screen reader, then its unit: &quot;Height of the feed point over ground, feet&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 takes the angle between the legs, more than 0 and at most 180 degrees (180: flat), not &apos;%2&apos;.</source>
        <translation>%1 prend l&apos;angle entre les branches, plus de 0 et au plus 180 degrés (180&#x202f;: à plat), pas «&#x202f;%2&#x202f;».</translation>
    </message>
    <message>
        <source>The coil to wind takes its diameter, its length and its wire together; empty all three to model the coils as pure inductances.</source>
        <translation>La bobine à bobiner demande ensemble son diamètre, sa longueur et son fil&#x202f;; videz les trois pour modéliser les bobines comme des inductances pures.</translation>
    </message>
    <message>
        <source>in free space</source>
        <translation>en espace libre</translation>
    </message>
    <message>
        <source>%1 ground</source>
        <translation>sol «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>ground of relative permittivity %1 and %2 S/m</source>
        <translation>sol de permittivité relative %1 et %2 S/m</translation>
    </message>
    <message>
        <source>%1 %2 over %3</source>
        <translation>à %1 %2 au-dessus d&apos;un %3</translation>
    </message>
    <message>
        <source>as an inverted V of %1°</source>
        <translation>en V inversé de %1°</translation>
    </message>
    <message>
        <source>lossless wire</source>
        <translation>fil sans pertes</translation>
    </message>
    <message>
        <source>copper wire insulated %1 %2</source>
        <translation>fil de cuivre isolé sur %1 %2</translation>
    </message>
    <message>
        <source>copper wire</source>
        <translation>fil de cuivre</translation>
    </message>
    <message>
        <source>coils as wound on a former %1 %4 across, %2 %4 long, wire %3 %4</source>
        <translation>bobines bobinées sur un mandrin de %1 %4 de diamètre, %2 %4 de long, fil de %3 %4</translation>
    </message>
    <message>
        <source>coils as pure inductances</source>
        <translation>bobines comme inductances pures</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Saves the deck, the Touchstone files, the plot or the figures as querlin-calc writes them</source>
        <translation>Enregistre le jeu de cartes, les fichiers Touchstone, le graphique ou les valeurs tels que querlin-calc les écrit</translation>
    </message>
    <message>
        <source>NEC-2 deck…</source>
        <translation>Jeu de cartes NEC-2…</translation>
    </message>
    <message>
        <source>Touchstone of the model…</source>
        <translation>Touchstone du modèle…</translation>
    </message>
    <message>
        <source>Touchstone of the build…</source>
        <translation>Touchstone de la réalisation…</translation>
    </message>
    <message>
        <source>Plot as PNG or SVG…</source>
        <translation>Graphique en PNG ou SVG…</translation>
    </message>
    <message>
        <source>Figures as text…</source>
        <translation>Valeurs en texte…</translation>
    </message>
    <message>
        <source>Save the NEC-2 deck</source>
        <translation>Enregistrer le jeu de cartes NEC-2</translation>
    </message>
    <message>
        <source>NEC-2 decks (*.nec)</source>
        <translation>Jeux de cartes NEC-2 (*.nec)</translation>
    </message>
    <message>
        <source>Save the model as Touchstone</source>
        <translation>Enregistrer le modèle en Touchstone</translation>
    </message>
    <message>
        <source>Touchstone files (*.s1p)</source>
        <translation>Fichiers Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>Save the build as Touchstone</source>
        <translation>Enregistrer la réalisation en Touchstone</translation>
    </message>
    <message>
        <source>Save the plot</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>Save the figures as text</source>
        <translation>Enregistrer les valeurs en texte</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 n&apos;a pas pu être enregistré&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <extracomment>How the model hangs: where, its shape, its wire and its coils, after &quot;Modelled by nec2c&quot;.</extracomment>
        <translation>%1, %2, %3, %4</translation>
    </message>
    <message>
        <source>Compares the sweep with the build and its matching coil instead of the design</source>
        <translation>Compare le balayage avec l&apos;antenne construite et sa bobine d&apos;adaptation au lieu de l&apos;antenne calculée</translation>
    </message>
    <message>
        <source>%1 against the build as nec2c models it, coils of %2 µH and a matching coil of %3 µH, on the %4-ohm line:</source>
        <translation>%1 comparé à l&apos;antenne construite telle que nec2c la modélise, bobines de %2 µH et bobine d&apos;adaptation de %3 µH, sur la ligne de %4 ohms&#x202f;:</translation>
    </message>
    <message>
        <source>Built as &quot;What to build instead&quot; says, its matching coil fitted</source>
        <translation>Construite comme le dit «&#x202f;Ce qu&apos;il faut construire à la place&#x202f;», sa bobine d&apos;adaptation en place</translation>
    </message>
    <message>
        <source>Coils as wou&amp;nd</source>
        <translation>Bobines telles que bobi&amp;nées</translation>
    </message>
</context>
<context>
    <name>querlin::CoilWindow</name>
    <message>
        <source>The coil as wound…</source>
        <translation>La bobine telle que bobinée…</translation>
    </message>
    <message>
        <source>The coil as wound</source>
        <translation>La bobine telle que bobinée</translation>
    </message>
</context>
<context>
    <name>querlin::MainWindow</name>
    <message>
        <source>Its context menu checks the design with NEC-2 (or press %1).</source>
        <translation>Son menu contextuel vérifie l&apos;antenne calculée avec NEC-2 (ou appuyez sur %1).</translation>
    </message>
    <message>
        <source>Check with NEC-2…</source>
        <translation>Vérifier avec NEC-2…</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>Web Page Link</source>
        <translation>Lien vers la page web</translation>
    </message>
    <message>
        <source>The link will be opened in your default browser.</source>
        <translation>Le lien s&apos;ouvrira dans votre navigateur par défaut.</translation>
    </message>
    <message>
        <source>Click Link Below to </source>
        <translation>Cliquez sur le lien ci-dessous</translation>
    </message>
    <message>
        <source>link to the author&apos;s web page, opened in your default browser by a click, Return or Space</source>
        <translation>lien vers la page web de l&apos;auteur, ouvert dans votre navigateur par défaut par un clic, Entrée ou Espace</translation>
    </message>
</context>
</TS>
