<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>slider</source>
        <translation>ползунок</translation>
    </message>
    <message>
        <source>field</source>
        <translation>поле</translation>
    </message>
    <message>
        <source>caption of the %1 %2</source>
        <translation>подпись: %1 %2</translation>
    </message>
</context>
<context>
    <name>Antenna</name>
    <message>
        <source>nec2c&apos;s output lacks the currents between feed and coils.</source>
        <translation>В выводе nec2c нет токов между точкой питания и катушками.</translation>
    </message>
    <message>
        <source>The loading coil of %1 µH cannot be wound on that former. %2</source>
        <translation>Удлиняющую катушку %1 мкГн не намотать на этом каркасе. %2</translation>
    </message>
    <message>
        <source>The antenna&apos;s resistance at resonance, %1 ohms, is at or above the line&apos;s %2 ohms: no coil across the feed point can match it. The loading coils resonate it; the SWR that remains is %3.</source>
        <translation>Активное сопротивление антенны в резонансе, %1 Ом, не меньше %2 Ом линии: никакая катушка в точке питания не согласует её. Удлиняющие катушки настраивают её в резонанс; остаётся КСВ %3.</translation>
    </message>
    <message>
        <source>No loading coil brings the antenna to resonance at %1 MHz.</source>
        <translation>Никакая удлиняющая катушка не настраивает антенну в резонанс на %1 МГц.</translation>
    </message>
    <message>
        <source>Segments near the coils or the source are shorter than %1 wire radii, where NEC-2&apos;s thin-wire kernel errs by more than 1 %: take the figures as rough.</source>
        <translation>Сегменты у катушек или источника короче %1 радиусов провода, где тонкопроволочное ядро NEC-2 ошибается более чем на 1 %: считайте результаты приблизительными.</translation>
    </message>
    <message>
        <source>nec2c wrote &apos;%1&apos; where a number belongs.</source>
        <translation>nec2c вывел «%1» там, где должно быть число.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no %1.</source>
        <translation>В выводе nec2c нет «%1».</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no value of %1.</source>
        <translation>В выводе nec2c нет значения «%1».</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds an average gain without its solid angle.</source>
        <translation>В выводе nec2c есть средний коэффициент усиления без его телесного угла.</translation>
    </message>
    <message>
        <source>nec2c&apos;s currents table holds &apos;%1&apos; where a segment&apos;s line belongs.</source>
        <translation>Таблица токов nec2c содержит «%1» там, где должна быть строка сегмента.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds a currents table without a current.</source>
        <translation>В выводе nec2c есть таблица токов без тока.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output holds no feed-point impedance.</source>
        <translation>В выводе nec2c нет импеданса в точке питания.</translation>
    </message>
    <message>
        <source>nec2c&apos;s power budget does not add up: %1 W radiated of %2 W put in.</source>
        <translation>Баланс мощности nec2c не сходится: излучено %1 Вт из подведённых %2 Вт.</translation>
    </message>
    <message>
        <source>nec2c&apos;s average gain gives %1 of the input power radiated, not a share of it.</source>
        <translation>Средний коэффициент усиления nec2c даёт излучённой %1 подведённой мощности, а не её долю.</translation>
    </message>
    <message>
        <source>No temporary folder for nec2c: %1</source>
        <translation>Нет временной папки для nec2c: %1</translation>
    </message>
    <message>
        <source>Could not write the deck for nec2c: %1</source>
        <translation>Не удалось записать набор карт для nec2c: %1</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; could not be started (%2): install the Debian package nec2c, or name the program in QUERLIN_NEC2C.</source>
        <translation>Программу NEC-2 «%1» не удалось запустить (%2): установите пакет Debian nec2c или укажите программу в QUERLIN_NEC2C.</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; did not finish.</source>
        <translation>Программа NEC-2 «%1» не завершилась.</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; failed (exit status %2)%3</source>
        <translation>Программа NEC-2 «%1» завершилась с ошибкой (код выхода %2)%3</translation>
    </message>
    <message>
        <source>The NEC-2 engine &apos;%1&apos; wrote no output.</source>
        <translation>Программа NEC-2 «%1» ничего не вывела.</translation>
    </message>
    <message>
        <source>The output of the NEC-2 engine &apos;%1&apos; holds %2 feed-point impedances where %3 were asked for.</source>
        <translation>Вывод программы NEC-2 «%1» содержит импедансов в точке питания: %2, а запрошено %3.</translation>
    </message>
    <message>
        <source>The design cannot be modelled: it needs a positive frequency, length and element.</source>
        <translation>Проект нельзя смоделировать: нужны положительные частота, длина и диаметр полотна.</translation>
    </message>
    <message>
        <source>The design cannot be modelled: the coils must sit inside the antenna.</source>
        <translation>Проект нельзя смоделировать: катушки должны находиться внутри антенны.</translation>
    </message>
    <message>
        <source>The model takes %1 to %2 segments, not %3.</source>
        <translation>Модель допускает от %1 до %2 сегментов, а не %3.</translation>
    </message>
    <message>
        <source>A coil&apos;s length must be a positive number.</source>
        <translation>Длина катушки должна быть положительным числом.</translation>
    </message>
    <message>
        <source>The antenna must be above the ground to be modelled.</source>
        <translation>Для моделирования антенна должна находиться над землёй.</translation>
    </message>
    <message>
        <source>A coil&apos;s Q must be a positive number.</source>
        <translation>Добротность Q катушки должна быть положительным числом.</translation>
    </message>
    <message>
        <source>Loaded dipole for %1 MHz, %2 %3 long, element %4 %5</source>
        <translation>Укороченный диполь на %1 МГц, длина %2 %3, полотно %4 %5</translation>
    </message>
    <message>
        <source>At %1 MHz it is above a third of its self-resonance of about %2 MHz, where its Q is in doubt.</source>
        <translation>На %1 МГц она выше трети своего собственного резонанса около %2 МГц, где её добротность Q сомнительна.</translation>
    </message>
    <message>
        <source>Insulation needs a positive thickness and a relative permittivity of 1 or more.</source>
        <translation>Изоляции нужны положительная толщина и относительная диэлектрическая проницаемость не меньше 1.</translation>
    </message>
    <message>
        <source>The angle between the legs must be more than 0 and at most 180 degrees.</source>
        <translation>Угол между плечами должен быть больше 0 и не больше 180 градусов.</translation>
    </message>
    <message>
        <source>Hung so, the tips would be %1 m (%2 ft) below the ground: the apex must be higher or the legs less steep.</source>
        <translation>При такой подвеске концы оказались бы на %1 м (%2 ft) ниже земли: вершина должна быть выше или плечи положе.</translation>
    </message>
    <message>
        <source>The coils are modelled as pure inductances. A coil as wound acts as more, its self-capacitance across its winding: one twice as long as its inch across (Medhurst&apos;s %1 pF) as %2 % more at %3 MHz. --coil-diameter, --coil-length and --coil-wire model the coil to wind.</source>
        <translation>Катушки смоделированы как чистые индуктивности. Намотанная катушка действует как большая индуктивность, её собственная ёмкость шунтирует обмотку: катушка вдвое длиннее своего дюймового диаметра (%1 пФ по Медхерсту) — на %2 % больше на %3 MHz. --coil-diameter, --coil-length и --coil-wire моделируют наматываемую катушку.</translation>
    </message>
    <message>
        <source>The loading coils at %1 % do not fit the former, nor do any farther out.</source>
        <translation>Удлиняющие катушки на %1 % не помещаются на каркасе, как и все дальше от центра.</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>the coil radius</source>
        <translation>радиуса катушки</translation>
    </message>
    <message>
        <source>nine times the coil radius</source>
        <translation>девятикратного радиуса катушки</translation>
    </message>
    <message>
        <source>ten times the coil length</source>
        <translation>десятикратной длины катушки</translation>
    </message>
    <message>
        <source>the denominator of the coil formula</source>
        <translation>знаменателя формулы катушки</translation>
    </message>
    <message>
        <source>the coil radius squared</source>
        <translation>квадрата радиуса катушки</translation>
    </message>
    <message>
        <source>the turns squared per microhenry</source>
        <translation>квадрата числа витков на микрогенри</translation>
    </message>
    <message>
        <source>the turns squared</source>
        <translation>квадрата числа витков</translation>
    </message>
    <message>
        <source>the number of turns</source>
        <translation>числа витков</translation>
    </message>
    <message>
        <source>the winding length</source>
        <translation>длины намотки</translation>
    </message>
    <message>
        <source>the coil position</source>
        <translation>положения катушки</translation>
    </message>
    <message>
        <source>the position of the left coil</source>
        <translation>положения левой катушки</translation>
    </message>
    <message>
        <source>the position of the right coil</source>
        <translation>положения правой катушки</translation>
    </message>
    <message>
        <source>the length in feet</source>
        <translation>длины в футах</translation>
    </message>
    <message>
        <source>the element diameter in inches</source>
        <translation>диаметра полотна в дюймах</translation>
    </message>
    <message>
        <source>the length of each half beyond the coil</source>
        <translation>длины каждой половины за катушкой</translation>
    </message>
    <message>
        <source>the distance from the centre to the coil</source>
        <translation>расстояния от центра до катушки</translation>
    </message>
    <message>
        <source>the quarter wavelength</source>
        <translation>четверти длины волны</translation>
    </message>
    <message>
        <source>the length beyond the coil</source>
        <translation>длины за катушкой</translation>
    </message>
    <message>
        <source>the scale factor of the inductance</source>
        <translation>масштабного коэффициента индуктивности</translation>
    </message>
    <message>
        <source>the quarter-wave term</source>
        <translation>четвертьволнового члена</translation>
    </message>
    <message>
        <source>the coil-position term</source>
        <translation>члена положения катушки</translation>
    </message>
    <message>
        <source>the outer-section term</source>
        <translation>члена внешнего участка</translation>
    </message>
    <message>
        <source>the outer-section length term</source>
        <translation>члена длины внешнего участка</translation>
    </message>
    <message>
        <source>the inductance of each loading coil</source>
        <translation>индуктивности каждой удлиняющей катушки</translation>
    </message>
    <message>
        <source>the coil distance in metres</source>
        <translation>расстояния до катушки в метрах</translation>
    </message>
    <message>
        <source>the antenna impedance</source>
        <translation>импеданса антенны</translation>
    </message>
    <message>
        <source>the impedance ratio of the matching coil</source>
        <translation>отношения импедансов согласующей катушки</translation>
    </message>
    <message>
        <source>the reactance of the matching coil</source>
        <translation>реактивного сопротивления согласующей катушки</translation>
    </message>
    <message>
        <source>the inductance of the matching coil</source>
        <translation>индуктивности согласующей катушки</translation>
    </message>
</context>
<context>
    <name>Coil</name>
    <message>
        <source>The frequency must be a positive number of MHz.</source>
        <translation>Частота должна быть положительным числом в МГц.</translation>
    </message>
    <message>
        <source>Medhurst&apos;s self-capacitance covers coils from 0.1 to 50 diameters long, not %1.</source>
        <translation>Собственная ёмкость по Медхерсту применима к катушкам длиной от 0,1 до 50 диаметров, а не %1.</translation>
    </message>
    <message>
        <source>At %1 MHz the coil is above its self-resonance of about %2 MHz, no longer an inductor.</source>
        <translation>На %1 МГц катушка выше своего собственного резонанса около %2 МГц и уже не является индуктивностью.</translation>
    </message>
    <message>
        <source>At %1 MHz the skin depth of copper, %2 inches, is more than a fifth of the wire: the Q estimate needs a thicker wire or a higher frequency.</source>
        <translation>На %1 МГц глубина скин-слоя в меди, %2 дюйма, больше пятой части провода: для оценки добротности нужен провод толще или частота выше.</translation>
    </message>
    <message>
        <source>The coil&apos;s Q lies beyond what the calculation can hold.</source>
        <translation>Добротность Q катушки выходит за пределы того, что вмещает расчёт.</translation>
    </message>
    <message>
        <source>The winding needs a positive number of turns, coil diameter, coil length and wire diameter.</source>
        <translation>Для намотки нужны положительные число витков, диаметр катушки, длина катушки и диаметр провода.</translation>
    </message>
    <message>
        <source>A winding needs at least one turn, not %1.</source>
        <translation>Намотке нужен хотя бы один виток, а не %1.</translation>
    </message>
    <message>
        <source>The winding does not fit: %1 turns of %2-inch wire need %3 inches, more than the coil length of %4 inches.</source>
        <translation>Намотка не помещается: %1 витков провода %2 дюйма занимают %3 дюйма, больше длины катушки %4 дюйма.</translation>
    </message>
    <message>
        <source>A wire as thick as the coil diameter winds no coil.</source>
        <translation>Провод толщиной в диаметр катушки катушку не образует.</translation>
    </message>
    <message>
        <source>The winding&apos;s figures lie beyond what the calculation can hold.</source>
        <translation>Параметры намотки выходят за пределы того, что вмещает расчёт.</translation>
    </message>
    <message>
        <source>At %1 MHz the loading coil is above a third of its self-resonance of about %2 MHz: it acts as more inductance than its winding&apos;s, with less Q, so the check cannot take its Q.</source>
        <translation>На %1 МГц удлиняющая катушка выше трети своего собственного резонанса около %2 МГц: она действует как индуктивность больше, чем у её намотки, с меньшей добротностью, поэтому проверка не может взять её добротность Q.</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>division by zero</source>
        <translation>деление на ноль</translation>
    </message>
    <message>
        <source>an invalid operation</source>
        <translation>недопустимая операция</translation>
    </message>
    <message>
        <source>an overflow</source>
        <translation>переполнение</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number.</source>
        <translation>Поле «%1» не содержит числа.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large.</source>
        <translation>Число в поле «%1» слишком велико.</translation>
    </message>
    <message>
        <source>An overflow occurred while calculating %1.</source>
        <translation>При вычислении %1 произошло переполнение.</translation>
    </message>
    <message>
        <source>%1 occurred while calculating %2.</source>
        <translation>%1 при вычислении %2.</translation>
    </message>
    <message>
        <source>An invalid argument was given to %1 while calculating %2.</source>
        <translation>При вычислении %2 %1 получил недопустимый аргумент.</translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation>%1: сбой.</translation>
    </message>
    <message>
        <source>a logarithm</source>
        <translation>логарифм</translation>
    </message>
    <message>
        <source>a square root</source>
        <translation>квадратный корень</translation>
    </message>
    <message>
        <source>access to %1.%2</source>
        <translation>обращение к %1.%2</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Wire from the feed point to the coil</source>
        <translation>Провод от точки питания до катушки</translation>
    </message>
    <message>
        <source>Coil, as modelled</source>
        <translation>Катушка, как в модели</translation>
    </message>
    <message>
        <source>Wire from the coil to the tip</source>
        <translation>Провод от катушки до конца</translation>
    </message>
    <message>
        <source>Each loading coil</source>
        <translation>Каждая удлиняющая катушка</translation>
    </message>
    <message>
        <source>Matching coil across the feed point</source>
        <translation>Согласующая катушка в точке питания</translation>
    </message>
    <message>
        <source>SWR with them</source>
        <translation>КСВ с ними</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth with them</source>
        <translation>Полоса по КСВ 2:1 с ними</translation>
    </message>
    <message>
        <source>Feed resistance before the matching coil</source>
        <translation>Активное сопротивление до согласующей катушки</translation>
    </message>
    <message>
        <source>Feed reactance before the matching coil</source>
        <translation>Реактивное сопротивление до согласующей катушки</translation>
    </message>
    <message>
        <source>Efficiency of the build</source>
        <translation>КПД конструкции</translation>
    </message>
    <message>
        <source>Turns of each loading coil</source>
        <translation>Витки каждой удлиняющей катушки</translation>
    </message>
    <message>
        <source>Q of each loading coil</source>
        <translation>Добротность каждой удлиняющей катушки</translation>
    </message>
    <message>
        <source>Turns of the matching coil</source>
        <translation>Витки согласующей катушки</translation>
    </message>
    <message>
        <source>Q of the matching coil</source>
        <translation>Добротность согласующей катушки</translation>
    </message>
    <message>
        <source>Rounds until inductance and Q agree</source>
        <translation>Итераций до сходимости индуктивности и добротности</translation>
    </message>
    <message>
        <source>Resonant frequency</source>
        <translation>Резонансная частота</translation>
    </message>
    <message>
        <source>Off the design frequency by</source>
        <translation>Отклонение от расчётной частоты</translation>
    </message>
    <message>
        <source>Feed resistance at the design frequency</source>
        <translation>Активное сопротивление на расчётной частоте</translation>
    </message>
    <message>
        <source>Feed reactance at the design frequency</source>
        <translation>Реактивное сопротивление на расчётной частоте</translation>
    </message>
    <message>
        <source>Each coil for resonance at the design frequency</source>
        <translation>Каждая катушка для резонанса на расчётной частоте</translation>
    </message>
    <message>
        <source>SWR at the design frequency</source>
        <translation>КСВ на расчётной частоте</translation>
    </message>
    <message>
        <source>SWR with the matching coil</source>
        <translation>КСВ с согласующей катушкой</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth</source>
        <translation>Полоса по КСВ 2:1</translation>
    </message>
    <message>
        <source>Efficiency, made resonant</source>
        <translation>КПД при настройке в резонанс</translation>
    </message>
    <message>
        <source>Measured resonance</source>
        <translation>Измеренный резонанс</translation>
    </message>
    <message>
        <source>Resistance there</source>
        <translation>Активное сопротивление там</translation>
    </message>
    <message>
        <source>Lowest SWR</source>
        <translation>Минимальный КСВ</translation>
    </message>
    <message>
        <source>Lowest SWR at</source>
        <translation>Минимальный КСВ на</translation>
    </message>
    <message>
        <source>The design&apos;s resonance, by NEC-2</source>
        <translation>Резонанс проекта по NEC-2</translation>
    </message>
    <message>
        <source>Change to each tip</source>
        <translation>Изменение каждого конца</translation>
    </message>
    <message>
        <source>Or to each coil</source>
        <translation>Или каждой катушки</translation>
    </message>
    <message>
        <source>Coils&apos; Q, an estimate</source>
        <translation>Добротность катушек, оценка</translation>
    </message>
    <message>
        <source>Efficiency, an estimate</source>
        <translation>КПД, оценка</translation>
    </message>
    <message>
        <source>Or to each coil&apos;s turns</source>
        <translation>Или витков каждой катушки</translation>
    </message>
    <message>
        <source>Each loading coil on an LCR meter</source>
        <translation>Каждая удлиняющая катушка на LCR-метре</translation>
    </message>
    <message>
        <source>Matching coil on an LCR meter</source>
        <translation>Согласующая катушка на LCR-метре</translation>
    </message>
    <message>
        <source>Height of each tip over the ground</source>
        <translation>Высота каждого конца над землёй</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>INPUT FREQUENCY</source>
        <translation>ЧАСТОТА</translation>
    </message>
    <message>
        <source>INPUT TOTAL LENGTH</source>
        <translation>ОБЩАЯ ДЛИНА</translation>
    </message>
    <message>
        <source>INPUT ELEMENT SIZE</source>
        <translation>ДИАМЕТР ПОЛОТНА</translation>
    </message>
    <message>
        <source>INPUT FEEDLINE IMPEDANCE</source>
        <translation>ВОЛНОВОЕ СОПР. ФИДЕРА</translation>
    </message>
    <message>
        <source>FEET</source>
        <translation>ФУТЫ</translation>
    </message>
    <message>
        <source>INCHES</source>
        <translation>ДЮЙМ.</translation>
    </message>
    <message>
        <source>METERS</source>
        <translation>М</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>ММ</translation>
    </message>
    <message>
        <source>QUERLIN        by      ORVANE</source>
        <translation>QUERLIN        от      ORVANE</translation>
    </message>
    <message>
        <source>SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL<byte value="xd"/>
</source>
        <translation>ПОЛЗУНОК: РАССТОЯНИЕ ОТ ЦЕНТРА ДО НАЧАЛА КАТУШКИ
</translation>
    </message>
    <message>
        <source>METRIC</source>
        <translation>МЕТРЫ</translation>
    </message>
    <message>
        <source>The coil will be</source>
        <translation>Катушка стоит</translation>
    </message>
    <message>
        <source>from the center</source>
        <translation>от центра</translation>
    </message>
    <message>
        <source>AWG WIRE SIZES</source>
        <translation>ТАБЛИЦА AWG</translation>
    </message>
    <message>
        <source>READ ME FIRST</source>
        <translation>СНАЧАЛА ПРОЧТИТЕ</translation>
    </message>
    <message>
        <source>Loading coils will be</source>
        <translation>Удлиняющие катушки</translation>
    </message>
    <message>
        <source>mHYs</source>
        <translation>мкГн</translation>
    </message>
    <message>
        <source>DESIGN COILS</source>
        <translation>РАСЧЁТ КАТУШЕК</translation>
    </message>
    <message>
        <source>Antenna Impedance is approximately</source>
        <translation>Импеданс антенны примерно</translation>
    </message>
    <message>
        <source>OHMS</source>
        <translation>ОМ</translation>
    </message>
    <message>
        <source>Matching coil is</source>
        <translation>Согласующая катушка</translation>
    </message>
    <message>
        <source>WEBSITE</source>
        <translation>САЙТ</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>РАССЧИТАТЬ</translation>
    </message>
    <message>
        <source>ohms</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>DESIGN COIL</source>
        <translation>РАСЧЁТ КАТУШКИ</translation>
    </message>
    <message>
        <source>Antenna drawing</source>
        <translation>Рисунок антенны</translation>
    </message>
    <message>
        <source>The dipole, fed at its centre; the coil symbols show where the loading coils sit along each half.</source>
        <translation>Диполь с питанием в центре; значки катушек показывают, где на каждой половине стоят удлиняющие катушки.</translation>
    </message>
    <message>
        <source>Left loading coil</source>
        <translation>Левая удлиняющая катушка</translation>
    </message>
    <message>
        <source>Coil symbol on the left half of the antenna.</source>
        <translation>Значок катушки на левой половине антенны.</translation>
    </message>
    <message>
        <source>Right loading coil</source>
        <translation>Правая удлиняющая катушка</translation>
    </message>
    <message>
        <source>Coil symbol on the right half of the antenna.</source>
        <translation>Значок катушки на правой половине антенны.</translation>
    </message>
    <message>
        <source>Separator bar</source>
        <translation>Разделительная полоса</translation>
    </message>
    <message>
        <source>between the inputs and the loading coils</source>
        <translation>между вводом данных и удлиняющими катушками</translation>
    </message>
    <message>
        <source>between the loading coils and the matching coil</source>
        <translation>между удлиняющими катушками и согласующей катушкой</translation>
    </message>
    <message>
        <source>banner</source>
        <translation>заголовок</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>lengths in metres, diameters in millimetres</source>
        <translation>длины в метрах, диаметры в миллиметрах</translation>
    </message>
    <message>
        <source>lengths in feet, diameters in inches</source>
        <translation>длины в футах, диаметры в дюймах</translation>
    </message>
    <message>
        <source>works out the loading coils</source>
        <translation>рассчитывает удлиняющие катушки</translation>
    </message>
    <message>
        <source>works out the matching coil</source>
        <translation>рассчитывает согласующую катушку</translation>
    </message>
    <message>
        <source>opens the coil window</source>
        <translation>открывает окно катушек</translation>
    </message>
    <message>
        <source>opens the notes</source>
        <translation>открывает примечания</translation>
    </message>
    <message>
        <source>opens the link to the author&apos;s web page</source>
        <translation>открывает ссылку на веб-страницу автора</translation>
    </message>
    <message>
        <source>FEET</source>
        <comment>the unit after a length: The coil will be 10 FEET</comment>
        <translation>ФТ</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>MICROHENRYS</source>
        <translation>МИКРОГЕНРИ</translation>
    </message>
    <message>
        <source>COIL DIAMETER</source>
        <translation>ДИАМЕТР КАТУШКИ</translation>
    </message>
    <message>
        <source>COIL LENGTH</source>
        <translation>ДЛИНА КАТУШКИ</translation>
    </message>
    <message>
        <source>WIRE DECIMAL</source>
        <translation>ДИАМ. ПРОВОДА</translation>
    </message>
    <message>
        <source> THIS WILL FIT BUT YOU MAY WANT TO TRY A SHORTER COIL OR LARGER DIAMETER WIRE</source>
        <translation> ПОМЕСТИТСЯ, НО ПОПРОБУЙТЕ КАТУШКУ КОРОЧЕ ИЛИ ПРОВОД ТОЛЩЕ</translation>
    </message>
    <message>
        <source> THIS COIL IS TOO SMALL YOU MAY WISH TO TRY A LARGER COIL OR SMALLER DIAMETER WIRE</source>
        <translation> КАТУШКА СЛИШКОМ МАЛА, ПОПРОБУЙТЕ КАТУШКУ БОЛЬШЕ ИЛИ ПРОВОД ТОНЬШЕ</translation>
    </message>
    <message>
        <source>COILS</source>
        <translation>КАТУШКИ</translation>
    </message>
    <message>
        <source>The most efficient coils have a high Q factor.Use the largest wire possible with <byte value="xd"/>
close winding. The coil should be no more than  twice as long as the diameter.<byte value="xd"/>
</source>
        <translation>Лучшие катушки имеют высокую добротность Q: берите провод толще
и мотайте виток к витку. Длина — не больше двух диаметров.
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
#   ДЮЙМ  ММ
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
        <translation>ВВЕДИТЕ МИКРОГЕНРИ И ДИАМЕТР
КАТУШКИ (ДЕСЯТИЧНЫЕ ДЮЙМЫ)
ПОДОЙДЁТ И ТОНКАЯ ТРУБКА
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
        <translation>ДИАМЕТР
ДРОБЬ        ДЕСЯТИЧН.  СМ
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
        <translation>РЕКОМЕНДУЕМОЕ ЧИСЛО ВИТКОВ</translation>
    </message>
    <message>
        <source>CALCULATE</source>
        <translation>РАССЧИТАТЬ</translation>
    </message>
    <message>
        <source>Advice on coils</source>
        <translation>Советы по катушкам</translation>
    </message>
    <message>
        <source>Wire gauge table</source>
        <translation>Таблица калибров проводов</translation>
    </message>
    <message>
        <source>one gauge a line: its number, its diameter in inches and in millimetres</source>
        <translation>один калибр в строке: номер, диаметр в дюймах и в миллиметрах</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Инструкция</translation>
    </message>
    <message>
        <source>Tubing diameter table</source>
        <translation>Таблица диаметров трубок</translation>
    </message>
    <message>
        <source>one size a line: the diameter as a fraction of an inch, in decimal inches and in centimetres</source>
        <translation>один размер в строке: диаметр в долях дюйма, в десятичных дюймах и в сантиметрах</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>дюймы</translation>
    </message>
    <message>
        <source>works out the number of turns</source>
        <translation>рассчитывает число витков</translation>
    </message>
    <message>
        <source>Advice on the winding</source>
        <translation>Совет по намотке</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>NOTES</source>
        <translation>ПРИМЕЧАНИЯ</translation>
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
        <translation>ЗАМЕЧАНИЯ
1   QUERLIN НЕ ТАК ЭФФЕКТИВНЫ, КАК ПОЛНОРАЗМЕРНЫЕ ДИПОЛИ
2   ОНИ БОЛЕЕ УЗКОПОЛОСНЫЕ
3   ЛУЧШЕЕ МЕСТО КАТУШЕК — ОКОЛО 50% РАССТОЯНИЯ ОТ
     ЦЕНТРА. БЛИЖЕ К ЦЕНТРУ ОГРАНИЧЕН ТОК, ДАЛЬШЕ —
     НАПРЯЖЕНИЕ, И КАТУШКИ НУЖНЫ ГОРАЗДО БОЛЬШЕ.
4  БЛИЗКИЕ ПРЕДМЕТЫ ЁМКОСТНО УДЛИНЯЮТ АНТЕННУ.
    ЛУЧШЕ СДЕЛАТЬ АНТЕННУ ДЛИННЕЕ РАСЧЁТНОЙ И ПОДРЕЗАТЬ
    КОНЦЫ, ЧЕМ УВЕЛИЧИВАТЬ ИНДУКТИВНОСТЬ ГОТОВОЙ КАТУШКИ.
</translation>
    </message>
    <message>
        <source>THE ANTENNA MAY BE MATCHED BY STUB, HAIRPIN OR EVEN A DELTA OR GAMMA<byte value="xd"/>
IF YOU USE THE MATCHING COIL, THE ANTENNA IS LIMITED TO THE DESIGN FREQUENCY<byte value="xd"/>
LARGER MATCHING INDUCTORS CAN BE USED WITH VARIABLE CAPACITORS TO ALLOW<byte value="xd"/>
TUNING WITHIN THE BAND OR FOR MULTIPLE BANDS.<byte value="xd"/>
</source>
        <translation>СОГЛАСОВАНИЕ ТАКЖЕ ШЛЕЙФОМ, ШПИЛЬКОЙ, ДЕЛЬТА- ИЛИ ГАММА-СХЕМОЙ
С СОГЛАСУЮЩЕЙ КАТУШКОЙ АНТЕННА РАБОТАЕТ ТОЛЬКО НА РАСЧЁТНОЙ ЧАСТОТЕ
КАТУШКИ БОЛЬШЕЙ ИНДУКТИВНОСТИ С КПЕ ПОЗВОЛЯЮТ ПЕРЕСТРАИВАТЬ
АНТЕННУ В ДИАПАЗОНЕ ИЛИ РАБОТАТЬ НА НЕСКОЛЬКИХ ДИАПАЗОНАХ.
</translation>
    </message>
    <message>
        <source>IF YOU GET A NEGATIVE NUMBER FOR THE MATCHING COIL, THEN THE <byte value="xd"/>
ANTENNA IS LONGER THAN YOU REQUIRE FOR THAT FREQUENCY. THE <byte value="xd"/>
ANTENNA MAY BE TUNED WITH VARIABLE CAPACITORS.  <byte value="xd"/>
</source>
        <translation>ЕСЛИ СОГЛАСУЮЩАЯ КАТУШКА ПОЛУЧИЛАСЬ ОТРИЦАТЕЛЬНОЙ,
ТО АНТЕННА ДЛИННЕЕ, ЧЕМ НУЖНО ДЛЯ ЭТОЙ ЧАСТОТЫ.
ЕЁ МОЖНО НАСТРОИТЬ КОНДЕНСАТОРАМИ ПЕРЕМЕННОЙ ЁМКОСТИ.
</translation>
    </message>
    <message>
        <source>Points on shortened dipoles</source>
        <translation>Замечания об укороченных диполях</translation>
    </message>
    <message>
        <source>Ways to match the antenna</source>
        <translation>Способы согласования антенны</translation>
    </message>
    <message>
        <source>A negative matching coil</source>
        <translation>Отрицательная согласующая катушка</translation>
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
        <translation>%1 дюйм. (%2 ft)</translation>
    </message>
    <message>
        <source>The model of the design resonates nowhere near %1 MHz: nothing to compare with.</source>
        <translation>Модель проекта нигде не резонирует вблизи %1 МГц: сравнивать не с чем.</translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the resonance to %3 MHz.</source>
        <translation>Каждый конец: %1 %2, чтобы перевести резонанс на %3 MHz.</translation>
    </message>
    <message>
        <source>fold back</source>
        <translation>подогнуть на</translation>
    </message>
    <message>
        <source>lengthen by</source>
        <translation>удлинить на</translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the resonance to %1 MHz.</source>
        <translation>Каждый конец: модель не находит длины, которая переводит резонанс на %1 MHz.</translation>
    </message>
    <message>
        <source>Or each coil: %1 %2 uH (%3 to %4 uH).</source>
        <translation>Или каждая катушка: %1 %2 uH (с %3 до %4 uH).</translation>
    </message>
    <message>
        <source>take off</source>
        <translation>убавить</translation>
    </message>
    <message>
        <source>add</source>
        <translation>добавить</translation>
    </message>
    <message>
        <source>On that former: %1 %2 turns (%3 to %4 turns)%5.</source>
        <translation>На этом каркасе: %1 %2 витк. (с %3 до %4 витк.)%5.</translation>
    </message>
    <message>
        <source>unwind</source>
        <translation>отмотать</translation>
    </message>
    <message>
        <source>wind on</source>
        <translation>домотать</translation>
    </message>
    <message>
        <source>, which do not fit its length</source>
        <translation>, которые не уместятся по его длине</translation>
    </message>
    <message>
        <source>Or each coil: the model finds no inductance that does.</source>
        <translation>Или каждая катушка: модель не находит такой индуктивности.</translation>
    </message>
    <message>
        <source>An estimate: the resonance is as sharp as the model&apos;s with coils of Q %1, with which it radiates %2 % of the power put in.</source>
        <translation>Оценка: резонанс так же остр, как у модели с катушками добротностью %1, при которой она излучает %2 % подведённой мощности.</translation>
    </message>
    <message>
        <source>In the model %1 more on each tip %2 the resonance by %3 kHz; the rule for full-size dipoles says %4 kHz.</source>
        <translation>В модели ещё %1 на каждом конце %2 резонанс на %3 kHz; правило для полноразмерных диполей даёт %4 kHz.</translation>
    </message>
    <message>
        <source>1 cm</source>
        <translation>1 cm</translation>
    </message>
    <message>
        <source>an inch</source>
        <translation>дюйм</translation>
    </message>
    <message>
        <source>lowers</source>
        <translation>понижает</translation>
    </message>
    <message>
        <source>raises</source>
        <translation>повышает</translation>
    </message>
    <message>
        <source>SWR on the %1-ohm line</source>
        <translation>КСВ в линии %1 Ом</translation>
    </message>
    <message>
        <source>, resistance and reactance</source>
        <translation>, активное и реактивное сопротивление</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Измерено</translation>
    </message>
    <message>
        <source>: measured, and the design as NEC-2 models it</source>
        <translation>: измерение и проект по модели NEC-2</translation>
    </message>
    <message>
        <source>The design, by NEC-2</source>
        <translation>Проект по NEC-2</translation>
    </message>
    <message>
        <source>the reactance does not rise through zero anywhere from %1 to %2 MHz: the sweep holds no resonance; sweep more widely around it.</source>
        <translation>реактивное сопротивление нигде от %1 до %2 МГц не проходит через ноль, возрастая: в развёртке нет резонанса; снимите развёртку шире вокруг него.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>the frequency must be a positive number that a sweep can hold, not %1 MHz.</source>
        <translation>частота должна быть положительным числом, допустимым для развёртки, а не %1 МГц.</translation>
    </message>
    <message>
        <source>these values give no finite impedance (an open circuit, or numbers out of range).</source>
        <translation>эти значения не дают конечного импеданса (холостой ход или числа вне диапазона).</translation>
    </message>
    <message>
        <source>the frequency %1 MHz does not rise above the %2 MHz before it: a sweep&apos;s frequencies must rise.</source>
        <translation>частота %1 МГц не выше предыдущей, %2 МГц: частоты развёртки должны возрастать.</translation>
    </message>
    <message>
        <source>more than %1 frequencies, more than any analyser sweeps.</source>
        <translation>больше %1 частот — больше, чем снимает любой анализатор.</translation>
    </message>
    <message>
        <source>no sweep: the file holds no line of data.</source>
        <translation>нет развёртки: в файле нет ни одной строки данных.</translation>
    </message>
    <message>
        <source>one frequency only: a sweep needs at least two to find anything.</source>
        <translation>только одна частота: развёртке нужно хотя бы две, чтобы что-то найти.</translation>
    </message>
    <message>
        <source>a zero byte: this is no text file (a file saved as UTF-16 must be saved as plain text or UTF-8).</source>
        <translation>нулевой байт: это не текстовый файл (файл, сохранённый в UTF-16, нужно сохранить как простой текст или UTF-8).</translation>
    </message>
    <message>
        <source>no such file.</source>
        <translation>нет такого файла.</translation>
    </message>
    <message>
        <source>not a file that holds a measurement.</source>
        <translation>это не файл с измерением.</translation>
    </message>
    <message>
        <source>a file of %1 ports; an antenna&apos;s feed point is measured as one port, a .s1p file.</source>
        <translation>файл с числом портов %1; точку питания антенны измеряют как один порт, файлом .s1p.</translation>
    </message>
    <message>
        <source>larger than %1 MB, more than any analyser&apos;s sweep.</source>
        <translation>больше %1 МБ — больше любой развёртки анализатора.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>не удаётся прочитать: %1.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>файл пуст.</translation>
    </message>
    <message>
        <source>no column is named as the frequency; a CSV measurement begins with a header row such as %1.</source>
        <translation>ни один столбец не назван частотой; измерение в CSV начинается со строки заголовков, например %1.</translation>
    </message>
    <message>
        <source>no columns are named as the reflection coefficient&apos;s real and imaginary parts or as the resistance and reactance, as in %1.</source>
        <translation>нет столбцов, названных действительной и мнимой частями коэффициента отражения или активным и реактивным сопротивлением, как в %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in the column &apos;%2&apos; is not a number.</source>
        <translation>«%1» в столбце «%2» — не число.</translation>
    </message>
    <message>
        <source>%1 fields where the columns read need %2.</source>
        <translation>полей: %1, а прочитанным столбцам нужно %2.</translation>
    </message>
    <message>
        <source>%1 repeats a part of the option line, which reads %2.</source>
        <translation>%1 повторяет часть строки опций, которая выглядит так: %2.</translation>
    </message>
    <message>
        <source>R must be followed by the reference resistance in ohms, a positive number.</source>
        <translation>За R должно следовать опорное сопротивление в омах, положительное число.</translation>
    </message>
    <message>
        <source>%1 parameters describe two ports; an antenna&apos;s feed point is one: S, Y or Z.</source>
        <translation>параметры %1 описывают два порта; точка питания антенны — один порт: S, Y или Z.</translation>
    </message>
    <message>
        <source>%1 is no part of an option line, which reads %2.</source>
        <translation>%1 не входит в строку опций, которая выглядит так: %2.</translation>
    </message>
    <message>
        <source>%1 is a keyword of Touchstone version 2; save the measurement as version 1.</source>
        <translation>%1 — ключевое слово Touchstone версии 2; сохраните измерение в версии 1.</translation>
    </message>
    <message>
        <source>data before the option line: a Touchstone file says first what its numbers are, as in %1.</source>
        <translation>данные до строки опций: файл Touchstone сначала сообщает, что означают его числа, как в %1.</translation>
    </message>
    <message>
        <source>%1 numbers where one port&apos;s line holds three: the frequency and two for the parameter.</source>
        <translation>чисел: %1, а строка однопортового файла содержит три: частоту и два для параметра.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 — не число.</translation>
    </message>
    <message>
        <source>no option line and no data: a Touchstone file holds an option line such as %1 and a line for each frequency.</source>
        <translation>нет ни строки опций, ни данных: файл Touchstone содержит строку опций, например %1, и по строке на каждую частоту.</translation>
    </message>
    <message>
        <source>Each tip: %1 %2 to bring the lowest SWR with the matching coil to %3 MHz.</source>
        <translation>Каждый конец: %1 %2, чтобы перевести минимум КСВ с согласующей катушкой на %3 MHz.</translation>
    </message>
    <message>
        <source>Each tip: the model finds no length that brings the lowest SWR with the matching coil to %1 MHz.</source>
        <translation>Каждый конец: модель не находит длины, которая переводит минимум КСВ с согласующей катушкой на %1 MHz.</translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>The best position, %1 %</source>
        <translation>Лучшее положение, %1 %</translation>
    </message>
    <message>
        <source>Each loading coil by the formula and as built to match the line by NEC-2, and what the build gives</source>
        <translation>Каждая удлиняющая катушка по формуле и как построена для согласования с линией по NEC-2, и что даёт конструкция</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and as NEC-2 needs it, and where each design resonates</source>
        <translation>Индуктивность каждой катушки по формуле и как нужно NEC-2, и где резонирует каждый проект</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula</source>
        <translation>Индуктивность каждой катушки по формуле</translation>
    </message>
    <message>
        <source>Coil inductance (µH)</source>
        <translation>Индуктивность катушки (мкГн)</translation>
    </message>
    <message>
        <source>By the formula</source>
        <translation>По формуле</translation>
    </message>
    <message>
        <source>For resonance at %1 MHz, by NEC-2</source>
        <translation>Для резонанса на %1 МГц, по NEC-2</translation>
    </message>
    <message>
        <source>As built, by NEC-2</source>
        <translation>Как построено, по NEC-2</translation>
    </message>
    <message>
        <source>The worked position, %1 %</source>
        <translation>Текущее положение, %1 %</translation>
    </message>
    <message>
        <source>Resonance (MHz)</source>
        <translation>Резонанс (МГц)</translation>
    </message>
    <message>
        <source>Resonance as built, by NEC-2</source>
        <translation>Резонанс как построено, по NEC-2</translation>
    </message>
    <message>
        <source>Target, %1 MHz</source>
        <translation>Цель, %1 МГц</translation>
    </message>
    <message>
        <source>Efficiency (%)</source>
        <translation>КПД (%)</translation>
    </message>
    <message>
        <source>Efficiency as matched, by NEC-2</source>
        <translation>КПД при согласовании, по NEC-2</translation>
    </message>
    <message>
        <source>Bandwidth (kHz)</source>
        <translation>Полоса (кГц)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth as matched, by NEC-2</source>
        <translation>Полоса по КСВ 2:1 при согласовании, по NEC-2</translation>
    </message>
    <message>
        <source>Coil position (% of half the antenna, from the centre)</source>
        <translation>Положение катушки (% половины антенны от центра)</translation>
    </message>
    <message>
        <source>SWR</source>
        <translation>КСВ</translation>
    </message>
    <message>
        <source>Design frequency, %1 MHz</source>
        <translation>Расчётная частота, %1 МГц</translation>
    </message>
    <message>
        <source>Impedance (ohms)</source>
        <translation>Импеданс (Ом)</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Активное сопротивление</translation>
    </message>
    <message>
        <source>Reactance</source>
        <translation>Реактивное сопротивление</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Частота (МГц)</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>opening the web page</source>
        <translation>открытие веб-страницы</translation>
    </message>
</context>
<context>
    <name>querlin</name>
    <message>
        <source>The antenna is as long as or longer than a resonant dipole at %1 MHz, so it needs no loading coil (the formula gives %2 µH).</source>
        <translation>Антенна не короче резонансного диполя на %1 МГц, поэтому удлиняющая катушка ей не нужна (формула даёт %2 мкГн).</translation>
    </message>
    <message>
        <source>With %1 the length is in metres and the element in millimetres: if they are in feet and inches, leave out %1.</source>
        <translation>С %1 длина задаётся в метрах, а полотно — в миллиметрах: если они в футах и дюймах, уберите %1.</translation>
    </message>
    <message>
        <source>Without %1 the length is in feet and the element in inches: if they are in metres and millimetres, give %1.</source>
        <translation>Без %1 длина задаётся в футах, а полотно — в дюймах: если они в метрах и миллиметрах, укажите %1.</translation>
    </message>
</context>
<context>
    <name>querlin-calc</name>
    <message>
        <source>No position gives a build with an efficiency.</source>
        <translation>Ни одно положение не даёт конструкции с КПД.</translation>
    </message>
    <message>
        <source>winding inductance: %1 uH, by Nagaoka&apos;s coefficient and Rosa&apos;s round-wire corrections</source>
        <translation>индуктивность намотки: %1 uH, по коэффициенту Нагаоки с поправками Розы на круглый провод</translation>
    </message>
    <message>
        <source>difference from the wanted inductance: %1 %</source>
        <translation>отличие от нужной индуктивности: %1 %</translation>
    </message>
    <message>
        <source>turns as wound for the wanted inductance: %1, close-wound %2 inches, which fit</source>
        <translation>витки для нужной индуктивности с учётом намотки: %1, виток к витку %2 дюйм., помещаются</translation>
    </message>
    <message>
        <source>turns as wound for the wanted inductance: %1, close-wound %2 inches, more than the coil length of %3 inches</source>
        <translation>витки для нужной индуктивности с учётом намотки: %1, виток к витку %2 дюйм., больше длины катушки %3 дюйм.</translation>
    </message>
    <message>
        <source>wire length: %1 inches (%2 m)</source>
        <translation>длина провода: %1 дюйм. (%2 m)</translation>
    </message>
    <message>
        <source>Q at %2 MHz: %1</source>
        <translation>добротность на %2 MHz: %1</translation>
    </message>
    <message>
        <source>self-resonance: about %1 MHz</source>
        <translation>собственный резонанс: около %1 MHz</translation>
    </message>
    <message>
        <source>reactance at %2 MHz: %1 ohms</source>
        <translation>реактивное сопротивление на %2 MHz: %1 Ом</translation>
    </message>
    <message>
        <source>warning: %1 MHz is above a third of the self-resonance, where the coil acts as more inductance than its winding&apos;s, with less Q</source>
        <translation>предупреждение: %1 MHz выше трети собственного резонанса, где катушка действует как индуктивность больше, чем у её намотки, с меньшей добротностью</translation>
    </message>
    <message>
        <source>--frequency takes a number of MHz, not &apos;%1&apos;.</source>
        <translation>--frequency принимает число МГц, а не «%1».</translation>
    </message>
    <message>
        <source>--%1 cannot be a line of a batch.</source>
        <translation>--%1 не может быть строкой пакета.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Неизвестная команда «%1».</translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not --%1.</source>
        <translation>--batch берёт команды со стандартного ввода, а не из --%1.</translation>
    </message>
    <message>
        <source>--batch takes its commands from standard input, not &apos;%1&apos;.</source>
        <translation>--batch берёт команды со стандартного ввода, а не из «%1».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation>Подробнее: «%1 --help».</translation>
    </message>
    <message>
        <source>where the two loading coils go and how large they are</source>
        <translation>где стоят две удлиняющие катушки и какой они величины</translation>
    </message>
    <message>
        <source>The main window&apos;s upper CALCULATE: prints the distance from the centre to each loading coil (feet, or metres with --metric), the inductance of each coil in microhenries and the approximate feed-point impedance in ohms. --sweep tabulates every position as CSV, from 1 % (coils next to the feed point) to 99 % (near the tips); --check adds what the NEC-2 engine says of each, and --plot draws the table as a picture in place of printing it.</source>
        <translation>Верхняя кнопка РАССЧИТАТЬ главного окна: выводит расстояние от центра до каждой удлиняющей катушки (в футах или в метрах с --metric), индуктивность каждой катушки в микрогенри и примерный импеданс в точке питания в омах. --sweep сводит в таблицу CSV все положения, от 1 % (катушки у точки питания) до 99 % (у концов); --check добавляет, что говорит о каждом программа NEC-2, а --plot рисует таблицу картинкой вместо вывода.</translation>
    </message>
    <message>
        <source>the same, and the matching coil across the feed point</source>
        <translation>то же, и согласующая катушка в точке питания</translation>
    </message>
    <message>
        <source>The main window&apos;s lower CALCULATE: prints what dipole prints, then the inductance of the shunt coil across the feed point that matches the antenna to the feed line, in microhenries.</source>
        <translation>Нижняя кнопка РАССЧИТАТЬ главного окна: выводит то же, что dipole, затем индуктивность параллельной катушки в точке питания, согласующей антенну с фидером, в микрогенри.</translation>
    </message>
    <message>
        <source>the turns of a loading coil, and the coil as wound</source>
        <translation>витки удлиняющей катушки и катушка с учётом намотки</translation>
    </message>
    <message>
        <source>The coil window&apos;s CALCULATE: prints the number of turns of a single-layer air-core coil for the wanted inductance and the fit message, which begins with a blank as the coil window shows it. --details adds the coil as wound, its turns spread evenly over the coil length, one figure and its unit a line: its inductance by Nagaoka&apos;s coefficient less Rosa&apos;s round-wire corrections, how far that is from the wanted inductance, the turns that give the wanted inductance as wound and whether they fit, and the wire length; with --frequency, its Q, its self-resonance and its reactance there, and a warning above a third of the self-resonance.</source>
        <translation>Кнопка РАССЧИТАТЬ окна катушек: выводит число витков однослойной катушки без сердечника для нужной индуктивности и сообщение о том, помещается ли намотка; оно начинается с пробела, как в окне катушек. --details добавляет катушку с учётом намотки, витки равномерно по длине катушки, по одной величине с единицей в строке: её индуктивность по коэффициенту Нагаоки за вычетом поправок Розы на круглый провод, насколько она отличается от нужной, витки, дающие нужную индуктивность с учётом намотки, и помещаются ли они, и длину провода; с --frequency — её добротность, собственный резонанс и реактивное сопротивление на этой частоте, и предупреждение выше трети собственного резонанса.</translation>
    </message>
    <message>
        <source>the design as a NEC-2 card deck</source>
        <translation>проект как набор карт NEC-2</translation>
    </message>
    <message>
        <source>Writes the design as a NEC-2 card deck: the straight centre-fed wire, the source on a segment of its own at the centre, each loading coil of the computed inductance a wire of its own, 1/81 of the antenna long (shorter near the centre or a tip), centred at the computed distance, and a sweep from 10 % below to 10 % above the design frequency, with comment cards naming the design.</source>
        <translation>Записывает проект как набор карт NEC-2: прямой провод с питанием в центре, источник на собственном сегменте в центре, каждая удлиняющая катушка рассчитанной индуктивности — отдельный провод длиной 1/81 антенны (короче у центра или у конца) с центром на рассчитанном расстоянии, и развёртка от 10 % ниже до 10 % выше расчётной частоты, с картами комментариев, называющими проект.</translation>
    </message>
    <message>
        <source>the design modelled in nec2c: its resonance, impedance and SWR</source>
        <translation>проект в модели nec2c: резонанс, импеданс и КСВ</translation>
    </message>
    <message>
        <source>Runs the design&apos;s deck in the NEC-2 engine nec2c and prints the design&apos;s texts, then what the engine says, each after its key: where the antenna resonates and how far that is from the design frequency, the feed impedance there, the inductance each coil needs for resonance there, the SWR without and with the matching coil, the 2:1 bandwidth and, with --conductor copper, --coil-q, a coil to wind or --height, the efficiency: the share of the power put in that is radiated, over ground into the upper half of space, with coils of the resonant inductance. A last line, note, says when segments shorter than 8 wire radii make the figures rough. --coil-diameter, --coil-length and --coil-wire wind each loading coil as coil --details does and model it with the Q that gives, and add the turns that give its inductance as wound.</source>
        <translation>Запускает набор карт проекта в программе NEC-2 nec2c и выводит тексты проекта, затем то, что говорит программа, каждое после своего ключа: где антенна резонирует и насколько это отличается от расчётной частоты, импеданс в точке питания там, индуктивность, нужную каждой катушке для резонанса там, КСВ без согласующей катушки и с ней, полосу по КСВ 2:1 и — с --conductor copper, --coil-q, катушкой для намотки или --height — КПД: долю подведённой мощности, которая излучается, над землёй — в верхнее полупространство, с катушками резонансной индуктивности. Последняя строка, note, сообщает, когда сегменты короче 8 радиусов провода делают результаты приблизительными. --coil-diameter, --coil-length и --coil-wire наматывают каждую удлиняющую катушку, как coil --details, моделируют её с полученной добротностью и добавляют витки, дающие её индуктивность с учётом намотки.</translation>
    </message>
    <message>
        <source>what to build instead: the coils that match the feed line</source>
        <translation>что построить вместо этого: катушки, согласующие с фидером</translation>
    </message>
    <message>
        <source>Prints the design&apos;s texts, then what to build instead, found by nec2c with the coils&apos; loss in the model: each loading coil and the matching coil across the feed point with which the feed line sees an SWR of 1, and the SWR, bandwidth and feed impedance with them, or in words why no coil across the feed point can match, and what to cut for each half: the wire to the coil, the coil and the wire to the tip. With a coil to wind it gives each coil&apos;s turns and Q; --position best builds every position and prints the one of highest efficiency, and --sweep every position, a row each, which --plot draws as a picture in place of printing it. --touchstone writes the build&apos;s feed point for an analyser&apos;s program, as check&apos;s does.</source>
        <translation>Выводит тексты проекта, затем что построить вместо этого, найденное nec2c с потерями катушек в модели: каждую удлиняющую катушку и согласующую катушку в точке питания, с которыми фидер видит КСВ 1, и КСВ, полосу и импеданс в точке питания с ними — или словами, почему никакая катушка в точке питания не согласует, — и что отрезать для каждой половины: провод до катушки, катушку и провод до конца. С катушкой для намотки выводит витки и добротность каждой катушки; --position best строит каждое положение и выводит положение с наибольшим КПД, а --sweep — каждое положение, по строке на каждое, которые --plot рисует картинкой вместо вывода. --touchstone записывает точку питания конструкции для программы антенного анализатора, как у check.</translation>
    </message>
    <message>
        <source>an analyser&apos;s sweep of the antenna, and how to tune it</source>
        <translation>развёртка антенного анализатора и как настроить антенну</translation>
    </message>
    <message>
        <source>Reads an antenna analyser&apos;s sweep of the feed point, a Touchstone version 1 .s1p file or a CSV file, and prints the resonance, the resistance there, the lowest SWR on the feed line and the 2:1 bandwidth. Given the design, it also says how much to change each tip, or instead each coil, to bring the resonance to the design frequency, found with nec2c, and estimates the coils&apos; Q and the efficiency from the resonance&apos;s sharpness; with the former the coils are wound on, the turns to wind on or unwind. --plot draws the sweep&apos;s SWR, resistance and reactance against frequency, with the design the model&apos;s beside them.</source>
        <translation>Читает развёртку антенного анализатора в точке питания — файл Touchstone версии 1 (.s1p) или файл CSV — и выводит резонанс, активное сопротивление там, минимальный КСВ в фидере и полосу по КСВ 2:1. С проектом также говорит, насколько изменить каждый конец или вместо этого каждую катушку, чтобы перевести резонанс на расчётную частоту (найдено с nec2c), и оценивает добротность катушек и КПД по остроте резонанса; с каркасом, на котором намотаны катушки, — сколько витков домотать или отмотать. --plot рисует КСВ, активное и реактивное сопротивление развёртки в зависимости от частоты, а с проектом — рядом те же кривые модели.</translation>
    </message>
    <message>
        <source>The operating frequency, in MHz.</source>
        <translation>Рабочая частота в МГц.</translation>
    </message>
    <message>
        <source>The design frequency, in MHz: the resonance nearest it is read (without it, the one nearest the lowest SWR).</source>
        <translation>Расчётная частота в МГц: берётся ближайший к ней резонанс (без неё — ближайший к минимуму КСВ).</translation>
    </message>
    <message>
        <source>The total length of the antenna, tip to tip, in feet (metres with --metric).</source>
        <translation>Общая длина антенны от конца до конца в футах (в метрах с --metric).</translation>
    </message>
    <message>
        <source>The design&apos;s total length, in feet (metres with --metric); with --frequency, --element and --position.</source>
        <translation>Общая длина проекта в футах (в метрах с --metric); вместе с --frequency, --element и --position.</translation>
    </message>
    <message>
        <source>The element diameter, in inches (millimetres with --metric).</source>
        <translation>Диаметр полотна в дюймах (в миллиметрах с --metric).</translation>
    </message>
    <message>
        <source>The design&apos;s element diameter, in inches (millimetres with --metric).</source>
        <translation>Диаметр полотна проекта в дюймах (в миллиметрах с --metric).</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99.</source>
        <translation>Расстояние от центра до каждой катушки в процентах половины антенны, поле % окна: целое число от 1 до 99.</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, the window&apos;s % box: a whole number from 1 to 99. With --sweep only with --plot, which marks it.</source>
        <translation>Расстояние от центра до каждой катушки в процентах половины антенны, поле % окна: целое число от 1 до 99. С --sweep — только вместе с --plot, который его отмечает.</translation>
    </message>
    <message>
        <source>The distance from the centre to each coil as a percentage of half the antenna, a whole number from 1 to 99; or best, the position of highest efficiency, which needs the coils&apos; loss. With --sweep only with --plot, which marks it.</source>
        <translation>Расстояние от центра до каждой катушки в процентах половины антенны, целое число от 1 до 99; или best — положение с наибольшим КПД, для которого нужны потери катушек. С --sweep — только вместе с --plot, который его отмечает.</translation>
    </message>
    <message>
        <source>The design&apos;s coil position, per cent, 1 to 99.</source>
        <translation>Положение катушек проекта в процентах, от 1 до 99.</translation>
    </message>
    <message>
        <source>The length is in metres and the element diameter in millimetres; the coil distance is printed in metres.</source>
        <translation>Длина задаётся в метрах, диаметр полотна — в миллиметрах; расстояние до катушки выводится в метрах.</translation>
    </message>
    <message>
        <source>The design&apos;s length is in metres and its element diameter in millimetres; the tip change is printed in metres.</source>
        <translation>Длина проекта задаётся в метрах, диаметр полотна — в миллиметрах; изменение концов выводится в метрах.</translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms.</source>
        <translation>Волновое сопротивление фидера в омах.</translation>
    </message>
    <message>
        <source>The wanted inductance, in microhenries.</source>
        <translation>Нужная индуктивность в микрогенри.</translation>
    </message>
    <message>
        <source>The coil diameter, in inches, from wire centre to wire centre: a former&apos;s diameter plus one wire diameter.</source>
        <translation>Диаметр катушки в дюймах, от центра провода до центра провода: диаметр каркаса плюс один диаметр провода.</translation>
    </message>
    <message>
        <source>The coil length, in inches.</source>
        <translation>Длина катушки в дюймах.</translation>
    </message>
    <message>
        <source>The wire diameter, in inches.</source>
        <translation>Диаметр провода в дюймах.</translation>
    </message>
    <message>
        <source>The coil as wound too: its inductance, its difference from the wanted inductance in per cent, the turns that give the wanted inductance as wound and whether they fit, and the wire length, in inches and metres.</source>
        <translation>Также катушка с учётом намотки: её индуктивность, её отличие от нужной индуктивности в процентах, витки, дающие нужную индуктивность с учётом намотки, и помещаются ли они, и длина провода в дюймах и метрах.</translation>
    </message>
    <message>
        <source>With --details: the frequency the coil works at, in MHz, for its Q, self-resonance and reactance.</source>
        <translation>С --details: частота, на которой работает катушка, в МГц — для её добротности, собственного резонанса и реактивного сопротивления.</translation>
    </message>
    <message>
        <source>Every position from 1 to 99, as CSV with the header row position,distance,inductance,impedance (with --json, one object per position); without --position.</source>
        <translation>Каждое положение от 1 до 99 в виде CSV со строкой заголовков position,distance,inductance,impedance (с --json — по объекту на положение); без --position.</translation>
    </message>
    <message>
        <source>Build every position, a row each, as CSV; without --position.</source>
        <translation>Построить каждое положение, по строке на каждое, в виде CSV; без --position.</translation>
    </message>
    <message>
        <source>With --sweep: the check&apos;s figures of every position too, as further columns; takes the model and coil options of check.</source>
        <translation>С --sweep: также результаты проверки каждого положения, дополнительными столбцами; принимает параметры модели и катушек команды check.</translation>
    </message>
    <message>
        <source>With --sweep: draw the table in FILE instead of printing it, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>С --sweep: нарисовать таблицу в FILE вместо вывода, картинку PNG или SVG по окончанию имени (.png или .svg).</translation>
    </message>
    <message>
        <source>The feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation>Волновое сопротивление фидера в омах; 50, если не задано.</translation>
    </message>
    <message>
        <source>With --sweep --check: the feed line&apos;s impedance, in ohms; 50 unless given.</source>
        <translation>С --sweep --check: волновое сопротивление фидера в омах; 50, если не задано.</translation>
    </message>
    <message>
        <source>The inductance of each coil as built, in microhenries, in place of the design&apos;s.</source>
        <translation>Индуктивность каждой катушки в исполнении, в микрогенри, вместо индуктивности проекта.</translation>
    </message>
    <message>
        <source>No segment of the model is longer than the antenna over N, and those at the source and the coils are shorter where they must be; 9 to 2001, 81 unless given.</source>
        <translation>Ни один сегмент модели не длиннее антенны, делённой на N, а сегменты у источника и катушек короче там, где это нужно; от 9 до 2001, 81, если не задано.</translation>
    </message>
    <message>
        <source>Adds the loss of copper wire to the model; without it the wire has none.</source>
        <translation>Добавляет в модель потери медного провода; без этого провод без потерь.</translation>
    </message>
    <message>
        <source>The old spelling of --conductor; coil&apos;s --wire is the wire&apos;s diameter.</source>
        <translation>Старое написание --conductor; у coil --wire — это диаметр провода.</translation>
    </message>
    <message>
        <source>The coils&apos; Q, for their loss: a series resistance of their reactance over Q at the design frequency; lossless unless given.</source>
        <translation>Добротность катушек, для их потерь: последовательное сопротивление, равное их реактивному сопротивлению, делённому на Q, на расчётной частоте; без потерь, если не задано.</translation>
    </message>
    <message>
        <source>The Q of every coil, the matching coil&apos;s too, for their loss; lossless unless given.</source>
        <translation>Добротность каждой катушки, в том числе согласующей, для их потерь; без потерь, если не задано.</translation>
    </message>
    <message>
        <source>Wind each loading coil on this diameter, in inches from wire centre to wire centre, as the coil window designs it, and take its Q for the coils&apos; loss; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation>Намотать каждую удлиняющую катушку на этот диаметр, в дюймах от центра провода до центра провода, как рассчитывает окно катушек, и взять её добротность для потерь катушек; с --coil-length и --coil-wire, без --coil-q.</translation>
    </message>
    <message>
        <source>Wind the loading coils and the matching coil on this diameter, in inches from wire centre to wire centre, by Nagaoka&apos;s coefficient, each with its own Q; with --coil-length and --coil-wire, without --coil-q.</source>
        <translation>Намотать удлиняющие катушки и согласующую катушку на этот диаметр, в дюймах от центра провода до центра провода, по коэффициенту Нагаоки, каждую со своей добротностью; с --coil-length и --coil-wire, без --coil-q.</translation>
    </message>
    <message>
        <source>With the design: the diameter, in inches from wire centre to wire centre, of the former the coils are wound on, for the turns of the advised change; with --coil-length and --coil-wire.</source>
        <translation>С проектом: диаметр каркаса, на котором намотаны катушки, в дюймах от центра провода до центра провода, для витков рекомендуемого изменения; с --coil-length и --coil-wire.</translation>
    </message>
    <message>
        <source>The length of that coil, in inches.</source>
        <translation>Длина этой катушки в дюймах.</translation>
    </message>
    <message>
        <source>The wire diameter of that coil, in inches.</source>
        <translation>Диаметр провода этой катушки в дюймах.</translation>
    </message>
    <message>
        <source>Write the deck to FILE instead of standard output.</source>
        <translation>Записать набор карт в FILE вместо стандартного вывода.</translation>
    </message>
    <message>
        <source>Also write the model&apos;s feed point from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line.</source>
        <translation>Также записать точку питания модели от десятой части ниже до десятой части выше расчётной частоты, за 201 шаг, в FILE — файл Touchstone .s1p на фидере.</translation>
    </message>
    <message>
        <source>Also write the build&apos;s feed point, its loading coils as built with their Q and the matching coil across it, from a tenth below to a tenth above the design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed line; without --sweep.</source>
        <translation>Также записать точку питания конструкции — её удлиняющие катушки в исполнении с их добротностью и согласующую катушку на ней — от десятой части ниже до десятой части выше расчётной частоты, за 201 шаг, в FILE — файл Touchstone .s1p на фидере; без --sweep.</translation>
    </message>
    <message>
        <source>With --sweep: draw the builds in FILE instead of printing them, against the position: each loading coil by the formula and as built, the 2:1 bandwidth and, with loss in the model, the efficiency, the best position ringed; a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>С --sweep: нарисовать конструкции в FILE вместо вывода, в зависимости от положения: каждую удлиняющую катушку по формуле и в исполнении, полосу по КСВ 2:1 и, с потерями в модели, КПД, с лучшим положением в кружке; картинку PNG или SVG по окончанию имени (.png или .svg).</translation>
    </message>
    <message>
        <source>Also draw the sweep&apos;s SWR, resistance and reactance against frequency in FILE, and with the design the model&apos;s beside them, a PNG or SVG picture by the name&apos;s ending (.png or .svg).</source>
        <translation>Также нарисовать КСВ, активное и реактивное сопротивление развёртки в зависимости от частоты в FILE, а с проектом — рядом те же кривые модели; картинку PNG или SVG по окончанию имени (.png или .svg).</translation>
    </message>
    <message>
        <source>One compact JSON object per result, texts as strings and figures as numbers.</source>
        <translation>Один компактный объект JSON на результат, тексты — строками, величины — числами.</translation>
    </message>
    <message>
        <source>Read and write numbers in the user&apos;s locale, as the windows do, instead of the C locale.</source>
        <translation>Читать и писать числа в локали пользователя, как окна, а не в локали C.</translation>
    </message>
    <message>
        <source>Read one command per line from standard input and print one JSON line for each.</source>
        <translation>Читать по одной команде в строке со стандартного ввода и выводить по строке JSON на каждую.</translation>
    </message>
    <message>
        <source>The calculations of QUERLIN&apos;s windows from the command line, for scripts and tables. Each command prints, one per line, the texts that the window&apos;s result fields would show; numbers are read as the windows read them, in the C locale unless --locale is given.</source>
        <translation>Расчёты окон QUERLIN из командной строки, для скриптов и таблиц. Каждая команда выводит, по одному в строке, тексты, которые показали бы поля результатов окна; числа читаются так же, как их читают окна, — в локали C, если не задан --locale.</translation>
    </message>
    <message>
        <source>Run &apos;querlin-calc COMMAND --help&apos; or &apos;querlin-calc help COMMAND&apos; for a command&apos;s usage and options; the manual page, man querlin-calc, has them all, with the output keys and the exit statuses.</source>
        <translation>Запустите «querlin-calc КОМАНДА --help» или «querlin-calc help КОМАНДА», чтобы узнать вызов и параметры команды; на странице руководства, man querlin-calc, есть все они, с ключами вывода и кодами выхода.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Вывести эту справку и выйти.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Вывести версию и выйти.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Вызов: </translation>
    </message>
    <message>
        <source>  or:  </source>
        <translation>  или: </translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Команды:</translation>
    </message>
    <message>
        <source>The analyser&apos;s sweep: a Touchstone .s1p file or a CSV file.</source>
        <translation>Развёртка анализатора: файл Touchstone .s1p или файл CSV.</translation>
    </message>
    <message>
        <source>the Touchstone file</source>
        <translation>файл Touchstone</translation>
    </message>
    <message>
        <source>--%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation>--%1 принимает положительное число, а не «%2».</translation>
    </message>
    <message>
        <source>--segments takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--segments принимает целое число от %1 до %2, а не «%3».</translation>
    </message>
    <message>
        <source>the deck</source>
        <translation>набор карт</translation>
    </message>
    <message>
        <source>Could not write %1 to %2: %3</source>
        <translation>Не удалось записать %1 в %2: %3</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Команда не задана.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>measured needs the file of the sweep: measured FILE.</source>
        <translation>measured нужен файл развёртки: measured FILE.</translation>
    </message>
    <message>
        <source>--sweep takes every position: leave out --position.</source>
        <translation>--sweep берёт все положения: уберите --position.</translation>
    </message>
    <message>
        <source>%1 takes no --%2.</source>
        <translation>%1 не принимает --%2.</translation>
    </message>
    <message>
        <source>%1 needs --%2.</source>
        <translation>%1 нужен --%2.</translation>
    </message>
    <message>
        <source>--check goes with --sweep; for one position, use check.</source>
        <translation>--check идёт вместе с --sweep; для одного положения используйте check.</translation>
    </message>
    <message>
        <source>dipole takes --%1 only with --sweep --check.</source>
        <translation>dipole принимает --%1 только с --sweep --check.</translation>
    </message>
    <message>
        <source>--touchstone writes one build&apos;s feed point: leave out --sweep.</source>
        <translation>--touchstone записывает точку питания одной конструкции: уберите --sweep.</translation>
    </message>
    <message>
        <source>--position best needs the coils&apos; loss: --coil-q, or --coil-diameter, --coil-length and --coil-wire.</source>
        <translation>--position best нужны потери катушек: --coil-q или --coil-diameter, --coil-length и --coil-wire.</translation>
    </message>
    <message>
        <source>measured compares with the design given all of --frequency, --length, --element and --position.</source>
        <translation>measured сравнивает с проектом, если заданы все --frequency, --length, --element и --position.</translation>
    </message>
    <message>
        <source>measured takes --%1 only with the design: --frequency, --length, --element and --position.</source>
        <translation>measured принимает --%1 только с проектом: --frequency, --length, --element и --position.</translation>
    </message>
    <message>
        <source>coil takes --frequency with --details only.</source>
        <translation>coil принимает --frequency только с --details.</translation>
    </message>
    <message>
        <source>Did you mean --%1?</source>
        <translation>Может быть, вы имели в виду --%1?</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number in the user&apos;s locale, in which --locale reads it.</source>
        <translation>--%1: «%2» — не число в локали пользователя, в которой его читает --locale.</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is not a number (a decimal point, or --locale for the user&apos;s decimal comma).</source>
        <translation>--%1: «%2» — не число (нужна десятичная точка или --locale для десятичной запятой пользователя).</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; is too large.</source>
        <translation>--%1: «%2» — слишком большое число.</translation>
    </message>
    <message>
        <source>--position takes a whole percentage from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--position принимает целое число процентов от %1 до %2, а не «%3».</translation>
    </message>
    <message>
        <source>--%1 needs a value.</source>
        <translation>--%1 нужно значение.</translation>
    </message>
    <message>
        <source>--%1 takes copper, not &apos;%2&apos;.</source>
        <translation>--%1 принимает copper, а не «%2».</translation>
    </message>
    <message>
        <source>--coil-diameter, --coil-length and --coil-wire go together.</source>
        <translation>--coil-diameter, --coil-length и --coil-wire задаются вместе.</translation>
    </message>
    <message>
        <source>--coil-q is the Q of a coil not wound here: give it or --coil-diameter, --coil-length and --coil-wire, not both.</source>
        <translation>--coil-q — добротность катушки, намотанной не здесь: задайте её или --coil-diameter, --coil-length и --coil-wire, но не то и другое.</translation>
    </message>
    <message>
        <source>--plot writes a .png or .svg file, not &apos;%1&apos;.</source>
        <translation>--plot записывает файл .png или .svg, а не «%1».</translation>
    </message>
    <message>
        <source>--touchstone writes a .s1p file, not &apos;%1&apos;.</source>
        <translation>--touchstone записывает файл .s1p, а не «%1».</translation>
    </message>
    <message>
        <source>--plot draws a --sweep.</source>
        <translation>--plot рисует --sweep.</translation>
    </message>
    <message>
        <source>--plot draws the table instead of printing it: leave out --json.</source>
        <translation>--plot рисует таблицу вместо вывода: уберите --json.</translation>
    </message>
    <message>
        <source>querlin-calc build --frequency MHZ --length L --element D --position PCT|best
         [--metric] [--feedline OHMS] [the model and coil options of check]
querlin-calc build --frequency MHZ --length L --element D --sweep [...]
querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]
querlin-calc build ... --touchstone FILE.s1p</source>
        <translation>querlin-calc build --frequency MHZ --length L --element D --position PCT|best
         [--metric] [--feedline OHMS] [параметры модели и катушек команды check]
querlin-calc build --frequency MHZ --length L --element D --sweep [...]
querlin-calc build ... --sweep --plot FILE.png|FILE.svg [--position PCT]
querlin-calc build ... --touchstone FILE.s1p</translation>
    </message>
    <message>
        <source>querlin-calc COMMAND [OPTIONS]
querlin-calc help COMMAND
querlin-calc --batch [--locale] &lt; commands</source>
        <translation>querlin-calc КОМАНДА [ПАРАМЕТРЫ]
querlin-calc help КОМАНДА
querlin-calc --batch [--locale] &lt; команды</translation>
    </message>
    <message>
        <source>querlin-calc --batch &lt; commands</source>
        <translation>querlin-calc --batch &lt; команды</translation>
    </message>
    <message>
        <source>as wound, at %2 MHz it acts as %1 uH</source>
        <translation>намотанная, на %2 MHz действует как %1 uH</translation>
    </message>
    <message>
        <source>Q as wound at %2 MHz: %1</source>
        <translation>добротность намотанной на %2 MHz: %1</translation>
    </message>
    <message>
        <source>The ground goes with --height; without it the model is free space.</source>
        <translation>Грунт задаётся вместе с --height; без неё модель в свободном пространстве.</translation>
    </message>
    <message>
        <source>--ground names a ground; --ground-permittivity and --ground-conductivity give one: not both.</source>
        <translation>--ground называет грунт; --ground-permittivity и --ground-conductivity задают его: не то и другое вместе.</translation>
    </message>
    <message>
        <source>--ground-permittivity and --ground-conductivity go together.</source>
        <translation>--ground-permittivity и --ground-conductivity задаются вместе.</translation>
    </message>
    <message>
        <source>--ground takes %1, not &apos;%2&apos;.</source>
        <translation>--ground принимает %1, а не «%2».</translation>
    </message>
    <message>
        <source>--apex-angle takes the angle between the legs, more than 0 and at most 180 degrees (180: flat), not &apos;%1&apos;.</source>
        <translation>--apex-angle принимает угол между плечами, больше 0 и не больше 180 градусов (180: горизонтально), а не «%1».</translation>
    </message>
    <message>
        <source>--insulation-permittivity goes with --insulation, its thickness.</source>
        <translation>--insulation-permittivity задаётся вместе с --insulation, её толщиной.</translation>
    </message>
    <message>
        <source>The height of the feed point over the ground, in feet (metres with --metric); free space unless given.</source>
        <translation>Высота точки питания над землёй в футах (в метрах с --metric); без неё свободное пространство.</translation>
    </message>
    <message>
        <source>The ground under the antenna with --height: very-poor, poor, average, good, very-good, fresh-water or sea-water; average (relative permittivity 13, 0.005 S/m) unless given.</source>
        <translation>Грунт под антенной с --height: very-poor, poor, average, good, very-good, fresh-water или sea-water; без указания average (относительная проницаемость 13, 0,005 См/м).</translation>
    </message>
    <message>
        <source>The ground&apos;s relative permittivity, with --ground-conductivity, in place of a named ground.</source>
        <translation>Относительная проницаемость грунта, вместе с --ground-conductivity, вместо названного грунта.</translation>
    </message>
    <message>
        <source>The ground&apos;s conductivity, in S/m.</source>
        <translation>Проводимость грунта, в См/м.</translation>
    </message>
    <message>
        <source>The wire&apos;s insulation, its radial thickness in inches (millimetres with --metric); bare wire unless given.</source>
        <translation>Изоляция провода, её радиальная толщина в дюймах (в миллиметрах с --metric); без неё голый провод.</translation>
    </message>
    <message>
        <source>The insulation&apos;s relative permittivity: 3.5 (PVC) unless given, polyethylene about 2.3.</source>
        <translation>Относительная проницаемость изоляции: без указания 3,5 (ПВХ), полиэтилен около 2,3.</translation>
    </message>
    <message>
        <source>Hang the antenna as an inverted V with this angle between its legs, in degrees, its feed point at the apex; 180 (flat) unless given.</source>
        <translation>Подвесить антенну инвертированным V с этим углом между плечами, в градусах, с точкой питания в вершине; без указания 180 (горизонтально).</translation>
    </message>
    <message>
        <source>The matching coil across the feed point while measuring, in microhenries, as build gave it: the resonance is then the antenna&apos;s own, and the advice brings the lowest SWR with that coil to the design frequency.</source>
        <translation>Согласующая катушка в точке питания во время измерения, в микрогенри, как её дал build: тогда резонанс — собственный резонанс антенны, а совет переводит минимум КСВ с этой катушкой на расчётную частоту.</translation>
    </message>
    <message>
        <source>--%1 takes a relative permittivity of 1 or more, not &apos;%2&apos;.</source>
        <translation>--%1 принимает относительную проницаемость не меньше 1, а не «%2».</translation>
    </message>
</context>
<context>
    <name>querlin::CheckWindow</name>
    <message>
        <source>Check with NEC-2</source>
        <translation>Проверка в NEC-2</translation>
    </message>
    <message>
        <source>Progress of the check</source>
        <translation>Ход проверки</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stops the NEC-2 engine</source>
        <translation>Останавливает программу NEC-2</translation>
    </message>
    <message>
        <source>Cancelled. Check with NEC-2… on the main window&apos;s results starts it again.</source>
        <translation>Отменено. Пункт «Проверить в NEC-2…» у результатов главного окна запустит её снова.</translation>
    </message>
    <message>
        <source>Plot of every coil position</source>
        <translation>График всех положений катушек</translation>
    </message>
    <message>
        <source>Each coil&apos;s inductance by the formula and, once checked, the inductance that nec2c finds resonant, against the coil position; under it the frequency at which each design as built resonates and, with the coils&apos; Q, the efficiency of each position&apos;s build, the best ringed.</source>
        <translation>Индуктивность каждой катушки по формуле и, после проверки, индуктивность, при которой nec2c находит резонанс, в зависимости от положения катушки; под ним — частота, на которой резонирует каждый проект в исполнении, и, с добротностью катушек, КПД конструкции каждого положения, лучшее — в кружке.</translation>
    </message>
    <message>
        <source>Nothing to check yet: type the frequency, the total length and the element size in the main window and press its upper CALCULATE. The check models the design it last calculated.</source>
        <translation>Проверять пока нечего: введите частоту, общую длину и диаметр полотна в главном окне и нажмите его верхнюю кнопку РАССЧИТАТЬ. Проверка моделирует последний рассчитанный проект.</translation>
    </message>
    <message>
        <source>The main window&apos;s last calculation ended in a fault: correct its inputs and press CALCULATE, then check again.</source>
        <translation>Последний расчёт главного окна закончился ошибкой: исправьте ввод и нажмите РАССЧИТАТЬ, затем проверьте снова.</translation>
    </message>
    <message>
        <source>the %1-ohm line matched in the main window</source>
        <translation>линию %1 Ом, согласованную в главном окне</translation>
    </message>
    <message>
        <source>a %1-ohm line</source>
        <translation>линию %1 Ом</translation>
    </message>
    <message>
        <source>Checking the design with nec2c…</source>
        <translation>Проверка проекта в nec2c…</translation>
    </message>
    <message>
        <source>Checking every coil position for the plot: %1 of %2…</source>
        <translation>Проверка каждого положения катушек для графика: %1 из %2…</translation>
    </message>
    <message>
        <source>Checking every coil position for the plot…</source>
        <translation>Проверка каждого положения катушек для графика…</translation>
    </message>
    <message>
        <source>What to build instead</source>
        <translation>Что построить вместо этого</translation>
    </message>
    <message>
        <source>lossless</source>
        <translation>без потерь</translation>
    </message>
    <message>
        <source>Coils&apos; Q</source>
        <translation>Добротность катушек</translation>
    </message>
    <message>
        <source>Empty for lossless coils. Air-core loading coils have a Q of about 100 to 400; querlin-calc coil --details estimates one.</source>
        <translation>Пусто — катушки без потерь. У удлиняющих катушек без сердечника добротность около 100–400; её оценивает querlin-calc coil --details.</translation>
    </message>
    <message>
        <source>Design the loading coil…</source>
        <translation>Рассчитать катушку…</translation>
    </message>
    <message>
        <source>Opens the coil window with the loading coil&apos;s inductance</source>
        <translation>Открывает окно катушек с индуктивностью удлиняющей катушки</translation>
    </message>
    <message>
        <source>Coils&apos; Q:</source>
        <translation>Добротность катушек:</translation>
    </message>
    <message>
        <source>Building with nec2c…</source>
        <translation>Построение в nec2c…</translation>
    </message>
    <message>
        <source>Building every coil position with coils of Q %1 for the plot…</source>
        <translation>Построение каждого положения катушек с добротностью %1 для графика…</translation>
    </message>
    <message>
        <source>Checked with nec2c.</source>
        <translation>Проверено в nec2c.</translation>
    </message>
    <message>
        <source>The coils&apos; Q is a positive number, such as 300; empty for lossless coils.</source>
        <translation>Добротность катушек — положительное число, например 300; пусто — катушки без потерь.</translation>
    </message>
    <message>
        <source>Compare with a measurement…</source>
        <translation>Сравнить с измерением…</translation>
    </message>
    <message>
        <source>Opens an analyser&apos;s sweep of the antenna as built, a Touchstone .s1p or CSV file, and says what to change</source>
        <translation>Открывает развёртку антенного анализатора для построенной антенны, файл Touchstone .s1p или CSV, и говорит, что изменить</translation>
    </message>
    <message>
        <source>Compared with a measurement</source>
        <translation>Сравнение с измерением</translation>
    </message>
    <message>
        <source>Plot of the measured and modelled SWR</source>
        <translation>График измеренного и расчётного КСВ</translation>
    </message>
    <message>
        <source>Compare with a measurement</source>
        <translation>Сравнить с измерением</translation>
    </message>
    <message>
        <source>Analyser sweeps (*.s1p *.csv);;All files (*)</source>
        <translation>Развёртки анализатора (*.s1p *.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Comparing %1 with the design, with nec2c…</source>
        <translation>Сравнение %1 с проектом в nec2c…</translation>
    </message>
    <message>
        <source>%1 against the design as nec2c models it, coils of %2 µH, on the %3-ohm line:</source>
        <translation>%1 в сравнении с проектом по модели nec2c, катушки %2 мкГн, в линии %3 Ом:</translation>
    </message>
    <message>
        <source>lowest %1 at %2 MHz</source>
        <translation>минимум %1 на %2 МГц</translation>
    </message>
    <message>
        <source>The SWR on the %1-ohm line from %2 to %3 MHz, the design frequency marked: measured, %4; the design as nec2c models it, %5.</source>
        <translation>КСВ в линии %1 Ом от %2 до %3 МГц, расчётная частота отмечена: измерение — %4; проект по модели nec2c — %5.</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Сохранить как PNG…</translation>
    </message>
    <message>
        <source>Save as SVG…</source>
        <translation>Сохранить как SVG…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Save the plot as SVG</source>
        <translation>Сохранить график как SVG</translation>
    </message>
    <message>
        <source>Save the plot as PNG</source>
        <translation>Сохранить график как PNG</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Рисунки SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Рисунки PNG (*.png)</translation>
    </message>
    <message>
        <source>The plot could not be saved as %1: %2</source>
        <translation>Не удалось сохранить график как %1: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A figure&apos;s name before its value; French sets a narrow no-break space before the colon.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Self-resonance of each loading coil</source>
        <translation>Собственный резонанс каждой удлиняющей катушки</translation>
    </message>
    <message>
        <source>Each loading coil fits its former</source>
        <translation>Каждая удлиняющая катушка помещается на каркас</translation>
    </message>
    <message>
        <source>Self-resonance of the matching coil</source>
        <translation>Собственный резонанс согласующей катушки</translation>
    </message>
    <message>
        <source>Matching coil fits its former</source>
        <translation>Согласующая катушка помещается на каркас</translation>
    </message>
    <message>
        <source>Building every coil position with its coils as wound for the plot…</source>
        <translation>Расчёт каждой позиции катушек с намотанными катушками для графика…</translation>
    </message>
    <message>
        <source>about %1 MHz</source>
        <translation>около %1 МГц</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Coil p&amp;ositions</source>
        <translation>П&amp;озиции катушек</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Модель</translation>
    </message>
    <message>
        <source>Hung so, the tips would be %1 %2 below the ground: raise the Height or open the Apex angle.</source>
        <translation>При такой подвеске концы оказались бы на %1 %2 под землёй: увеличьте высоту или раскройте угол при вершине.</translation>
    </message>
    <message>
        <source>%1, coils at %2 % of each half: %3 µH each.
Modelled by nec2c %4; %5 segments, fed from %6.</source>
        <translation>%1, катушки на %2 % каждой половины: по %3 мкГн.
Модель nec2c %4; %5 сегментов, питание от %6.</translation>
    </message>
    <message>
        <source>very poor</source>
        <translation>очень плохая</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>плохая</translation>
    </message>
    <message>
        <source>average</source>
        <translation>средняя</translation>
    </message>
    <message>
        <source>good</source>
        <translation>хорошая</translation>
    </message>
    <message>
        <source>very good</source>
        <translation>очень хорошая</translation>
    </message>
    <message>
        <source>fresh water</source>
        <translation>пресная вода</translation>
    </message>
    <message>
        <source>sea water</source>
        <translation>морская вода</translation>
    </message>
    <message>
        <source>%1 takes a positive number, not &apos;%2&apos;.</source>
        <translation>%1: нужно положительное число, а не «%2».</translation>
    </message>
    <message>
        <source>%1 needs a positive number.</source>
        <translation>%1: нужно положительное число.</translation>
    </message>
    <message>
        <source>%1 takes a relative permittivity of 1 or more, not &apos;%2&apos;.</source>
        <translation>%1: нужна относительная проницаемость от 1, а не «%2».</translation>
    </message>
    <message>
        <source>How the model hangs and is wound</source>
        <translation>Как подвешена и намотана модель</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Высота</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>свободное пространство</translation>
    </message>
    <message>
        <source>Height of the feed point over ground</source>
        <translation>Высота точки питания над землёй</translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation>&amp;Земля</translation>
    </message>
    <message>
        <source>typed below</source>
        <translation>задана ниже</translation>
    </message>
    <message>
        <source>Ground under the antenna</source>
        <translation>Земля под антенной</translation>
    </message>
    <message>
        <source>Ground &amp;permittivity</source>
        <translation>&amp;Проницаемость земли</translation>
    </message>
    <message>
        <source>relative</source>
        <translation>относит.</translation>
    </message>
    <message>
        <source>Ground&apos;s relative permittivity</source>
        <translation>Относительная проницаемость земли</translation>
    </message>
    <message>
        <source>Ground &amp;conductivity</source>
        <translation>П&amp;роводимость земли</translation>
    </message>
    <message>
        <source>Ground&apos;s conductivity, siemens per metre</source>
        <translation>Проводимость земли, сименс на метр</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Форма</translation>
    </message>
    <message>
        <source>flat</source>
        <translation>прямая</translation>
    </message>
    <message>
        <source>inverted V</source>
        <translation>инвертированное V</translation>
    </message>
    <message>
        <source>Shape of the antenna</source>
        <translation>Форма антенны</translation>
    </message>
    <message>
        <source>&amp;Apex angle</source>
        <translation>&amp;Угол при вершине</translation>
    </message>
    <message>
        <source>Angle between the inverted V&apos;s legs, degrees, at most 180</source>
        <translation>Угол между плечами инвертированного V, градусы, не более 180</translation>
    </message>
    <message>
        <source>Wi&amp;re</source>
        <translation>П&amp;ровод</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>медь</translation>
    </message>
    <message>
        <source>insulated copper</source>
        <translation>медь в изоляции</translation>
    </message>
    <message>
        <source>Wire of the antenna</source>
        <translation>Провод антенны</translation>
    </message>
    <message>
        <source>&amp;Insulation</source>
        <translation>&amp;Изоляция</translation>
    </message>
    <message>
        <source>Thickness of the wire&apos;s insulation</source>
        <translation>Толщина изоляции провода</translation>
    </message>
    <message>
        <source>Insulation p&amp;ermittivity</source>
        <translation>Проницаемость изол&amp;яции</translation>
    </message>
    <message>
        <source>Insulation&apos;s relative permittivity, PVC&apos;s 3.5 unless changed</source>
        <translation>Относительная проницаемость изоляции, 3,5 для ПВХ, если не изменена</translation>
    </message>
    <message>
        <source>Coil &amp;diameter</source>
        <translation>&amp;Диаметр катушки</translation>
    </message>
    <message>
        <source>no coil to wind</source>
        <translation>катушка не наматывается</translation>
    </message>
    <message>
        <source>Diameter of the coil to wind, wire centre to wire centre</source>
        <translation>Диаметр наматываемой катушки, между центрами провода</translation>
    </message>
    <message>
        <source>Coil &amp;length</source>
        <translation>Д&amp;лина катушки</translation>
    </message>
    <message>
        <source>Length of the coil to wind</source>
        <translation>Длина наматываемой катушки</translation>
    </message>
    <message>
        <source>Coil &amp;wire</source>
        <translation>Провод &amp;катушки</translation>
    </message>
    <message>
        <source>Wire diameter of the coil to wind</source>
        <translation>Диаметр провода наматываемой катушки</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>метры</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>футы</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>миллиметры</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>дюймы</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A field&apos;s name for a screen reader, then its unit: &quot;Height of the feed point over ground, feet&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 takes the angle between the legs, more than 0 and at most 180 degrees (180: flat), not &apos;%2&apos;.</source>
        <translation>%1: нужен угол между плечами, больше 0 и не более 180 градусов (180 — прямая), а не «%2».</translation>
    </message>
    <message>
        <source>The coil to wind takes its diameter, its length and its wire together; empty all three to model the coils as pure inductances.</source>
        <translation>Для наматываемой катушки нужны сразу диаметр, длина и провод; очистите все три поля, чтобы моделировать катушки как чистые индуктивности.</translation>
    </message>
    <message>
        <source>in free space</source>
        <translation>в свободном пространстве</translation>
    </message>
    <message>
        <source>%1 ground</source>
        <translation>земля «%1»</translation>
    </message>
    <message>
        <source>ground of relative permittivity %1 and %2 S/m</source>
        <translation>землёй с относительной проницаемостью %1 и %2 См/м</translation>
    </message>
    <message>
        <source>%1 %2 over %3</source>
        <translation>на высоте %1 %2 над: %3</translation>
    </message>
    <message>
        <source>as an inverted V of %1°</source>
        <translation>как инвертированное V с углом %1°</translation>
    </message>
    <message>
        <source>lossless wire</source>
        <translation>провод без потерь</translation>
    </message>
    <message>
        <source>copper wire insulated %1 %2</source>
        <translation>медный провод с изоляцией %1 %2</translation>
    </message>
    <message>
        <source>copper wire</source>
        <translation>медный провод</translation>
    </message>
    <message>
        <source>coils as wound on a former %1 %4 across, %2 %4 long, wire %3 %4</source>
        <translation>катушки, намотанные на каркас диаметром %1 %4, длиной %2 %4, провод %3 %4</translation>
    </message>
    <message>
        <source>coils as pure inductances</source>
        <translation>катушки как чистые индуктивности</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Saves the deck, the Touchstone files, the plot or the figures as querlin-calc writes them</source>
        <translation>Сохраняет набор карт, файлы Touchstone, график или значения так, как их записывает querlin-calc</translation>
    </message>
    <message>
        <source>NEC-2 deck…</source>
        <translation>Набор карт NEC-2…</translation>
    </message>
    <message>
        <source>Touchstone of the model…</source>
        <translation>Touchstone модели…</translation>
    </message>
    <message>
        <source>Touchstone of the build…</source>
        <translation>Touchstone конструкции…</translation>
    </message>
    <message>
        <source>Plot as PNG or SVG…</source>
        <translation>График в PNG или SVG…</translation>
    </message>
    <message>
        <source>Figures as text…</source>
        <translation>Значения текстом…</translation>
    </message>
    <message>
        <source>Save the NEC-2 deck</source>
        <translation>Сохранить набор карт NEC-2</translation>
    </message>
    <message>
        <source>NEC-2 decks (*.nec)</source>
        <translation>Наборы карт NEC-2 (*.nec)</translation>
    </message>
    <message>
        <source>Save the model as Touchstone</source>
        <translation>Сохранить модель в Touchstone</translation>
    </message>
    <message>
        <source>Touchstone files (*.s1p)</source>
        <translation>Файлы Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>Save the build as Touchstone</source>
        <translation>Сохранить конструкцию в Touchstone</translation>
    </message>
    <message>
        <source>Save the plot</source>
        <translation>Сохранить график</translation>
    </message>
    <message>
        <source>Save the figures as text</source>
        <translation>Сохранить значения текстом</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>Не удалось сохранить %1: %2</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <extracomment>How the model hangs: where, its shape, its wire and its coils, after &quot;Modelled by nec2c&quot;.</extracomment>
        <translation>%1, %2, %3, %4</translation>
    </message>
    <message>
        <source>Compares the sweep with the build and its matching coil instead of the design</source>
        <translation>Сравнивает измерение с построенной антенной и её согласующей катушкой вместо проекта</translation>
    </message>
    <message>
        <source>%1 against the build as nec2c models it, coils of %2 µH and a matching coil of %3 µH, on the %4-ohm line:</source>
        <translation>%1 в сравнении с построенной антенной по модели nec2c, катушки %2 мкГн и согласующая катушка %3 мкГн, в линии %4 Ом:</translation>
    </message>
    <message>
        <source>Built as &quot;What to build instead&quot; says, its matching coil fitted</source>
        <translation>Построена, как сказано в «Что построить вместо этого», согласующая катушка установлена</translation>
    </message>
    <message>
        <source>Coils as wou&amp;nd</source>
        <translation>Катушки как &amp;намотаны</translation>
    </message>
</context>
<context>
    <name>querlin::CoilWindow</name>
    <message>
        <source>The coil as wound…</source>
        <translation>Катушка как намотана…</translation>
    </message>
    <message>
        <source>The coil as wound</source>
        <translation>Катушка как намотана</translation>
    </message>
</context>
<context>
    <name>querlin::MainWindow</name>
    <message>
        <source>Its context menu checks the design with NEC-2 (or press %1).</source>
        <translation>Контекстное меню: проверка проекта в NEC-2 (или нажмите %1).</translation>
    </message>
    <message>
        <source>Check with NEC-2…</source>
        <translation>Проверить в NEC-2…</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>Web Page Link</source>
        <translation>Ссылка на веб-страницу</translation>
    </message>
    <message>
        <source>The link will be opened in your default browser.</source>
        <translation>Ссылка откроется в браузере по умолчанию.</translation>
    </message>
    <message>
        <source>Click Link Below to </source>
        <translation>Нажмите на ссылку ниже</translation>
    </message>
    <message>
        <source>link to the author&apos;s web page, opened in your default browser by a click, Return or Space</source>
        <translation>ссылка на веб-страницу автора, открывается в браузере по умолчанию щелчком, клавишей Enter или пробелом</translation>
    </message>
</context>
</TS>
