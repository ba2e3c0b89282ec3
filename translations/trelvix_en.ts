<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru">
<context>
    <name>trelvix::AuthorsWindow</name>
    <message>
        <source>рисунок: шар на пружине</source>
        <translation>picture: a ball on a spring</translation>
    </message>
</context>
<context>
    <name>trelvix::Captions</name>
    <message>
        <source>не определено</source>
        <translation>undefined</translation>
    </message>
    <message>
        <source> кг/куб.м</source>
        <translation> kg/m3</translation>
    </message>
    <message>
        <source> кг</source>
        <translation> kg</translation>
    </message>
    <message>
        <source> м</source>
        <translation> m</translation>
    </message>
    <message>
        <source> рад/c</source>
        <translation> rad/s</translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source> Гц</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source> Па·с</source>
        <translation> Pa·s</translation>
    </message>
    <message>
        <source>   _kr = </source>
        <translation>   _cr = </translation>
    </message>
</context>
<context>
    <name>trelvix::CommandLine</name>
    <message>
        <source>Показать эту справку.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Показать версию программы.</source>
        <translation>Show the program&apos;s version.</translation>
    </message>
    <message>
        <source>Напечатать пятнадцать характеристик движения и выйти.</source>
        <translation>Print the fifteen characteristics of the motion and exit.</translation>
    </message>
    <message>
        <source>Рассчитать эксперимент до конца, записать файл результатов и выйти.</source>
        <translation>Compute the experiment to its end, write the results file and exit.</translation>
    </message>
    <message>
        <source>Файл результатов для --run (по умолчанию trelvix_out.txt в текущей папке).</source>
        <translation>The results file of --run (by default trelvix_out.txt in the current folder).</translation>
    </message>
    <message>
        <source>Напечатать резонансную кривую в формате CSV и выйти.</source>
        <translation>Print the resonance curve as CSV and exit.</translation>
    </message>
    <message>
        <source>Начало диапазона частот для --resonance, Гц (по умолчанию 0.5·ν0, ν0 = ω0/2π); дробная часть отделяется точкой или запятой.</source>
        <translation>Start of the frequency range of --resonance, Hz (by default 0.5·ν0, ν0 = ω0/2π); the fraction is separated by a point or a comma.</translation>
    </message>
    <message>
        <source>Конец диапазона частот для --resonance, Гц (по умолчанию 1.5·ν0).</source>
        <translation>End of the frequency range of --resonance, Hz (by default 1.5·ν0).</translation>
    </message>
    <message>
        <source>Число точек для --resonance, не меньше 2 (по умолчанию 200).</source>
        <translation>Number of points of --resonance, at least 2 (by default 200).</translation>
    </message>
    <message>
        <source>Язык текстов программы: %1 (по умолчанию выбранный в меню «Язык», иначе язык рабочего стола).</source>
        <translation>Language of the program&apos;s texts: %1 (by default the one chosen in the Language menu, else the desktop&apos;s language).</translation>
    </message>
    <message>
        <source>Коды завершения: 0 — успешно; 1 — файл эксперимента не прочитан или отвергнут, расчёт невозможен или файл результатов не записан; 2 — ошибка в командной строке или в диапазоне частот; 3 — расчёт --run прерван (шар коснулся точки подвеса или числа вышли за пределы представимых), файл результатов содержит рассчитанное до этого.</source>
        <translation>Exit statuses: 0 — success; 1 — the experiment file was not read or was refused, the run cannot be computed or the results file was not written; 2 — an error in the command line or in the frequency range; 3 — the --run computation was cut short (the ball touched the suspension point or the numbers left the representable range), the results file holds what was computed until then.</translation>
    </message>
    <message>
        <source>--%1: не число: %2</source>
        <translation>--%1: not a number: %2</translation>
    </message>
    <message>
        <source>--%1: не конечное число: %2</source>
        <translation>--%1: not a finite number: %2</translation>
    </message>
    <message>
        <source>--%1: не целое число: %2</source>
        <translation>--%1: not a whole number: %2</translation>
    </message>
    <message>
        <source>--out допускается только вместе с --run</source>
        <translation>--out is allowed only with --run</translation>
    </message>
    <message>
        <source>--%1 допускается только вместе с --resonance</source>
        <translation>--%1 is allowed only with --resonance</translation>
    </message>
    <message>
        <source>Файл эксперимента (*.trelvix).</source>
        <translation>Experiment file (*.trelvix).</translation>
    </message>
    <message>
        <source>можно указать только один режим</source>
        <translation>only one mode can be given</translation>
    </message>
    <message>
        <source>можно указать только один файл эксперимента</source>
        <translation>only one experiment file can be given</translation>
    </message>
    <message>
        <source>--lang: нет языка «%1»; есть: %2</source>
        <translation>--lang: no language &quot;%1&quot;; there are: %2</translation>
    </message>
</context>
<context>
    <name>trelvix::ExperimentEntries</name>
    <message>
        <source>сохранено %1</source>
        <translation>saved %1</translation>
    </message>
</context>
<context>
    <name>trelvix::ExperimentFileTexts</name>
    <message>
        <source>Не удалось прочитать файл эксперимента «%1»: %2.</source>
        <translation>Could not read the experiment file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» не является файлом эксперимента: он больше 64 КБ.</source>
        <translation>The file &quot;%1&quot; is not an experiment file: it is larger than 64 KB.</translation>
    </message>
    <message>
        <source>Файл «%1» не является файлом эксперимента: строка %2 — не текст в кодировке UTF-8.</source>
        <translation>The file &quot;%1&quot; is not an experiment file: line %2 is not UTF-8 text.</translation>
    </message>
    <message>
        <source>Файл «%1» не является файлом эксперимента: строка 1 должна быть «trelvix experiment 1».</source>
        <translation>The file &quot;%1&quot; is not an experiment file: line 1 must be &quot;trelvix experiment 1&quot;.</translation>
    </message>
    <message>
        <source>Ошибка в файле эксперимента «%1», строка %2: ожидается строка вида «ИМЯ = ТЕКСТ».</source>
        <translation>Error in the experiment file &quot;%1&quot;, line %2: a line of the form &quot;NAME = TEXT&quot; is expected.</translation>
    </message>
    <message>
        <source>строка %1, </source>
        <translation>line %1, </translation>
    </message>
    <message>
        <source>не задано в файле, </source>
        <translation>not given in the file, </translation>
    </message>
    <message>
        <source>значение не указано</source>
        <translation>no value given</translation>
    </message>
    <message>
        <source>«%1» — не число</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source> и ещё %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>В файле эксперимента «%1» есть неизвестные имена: %2. Остальные параметры загружены.</source>
        <translation>The experiment file &quot;%1&quot; has names the program does not know: %2. The other parameters have been loaded.</translation>
    </message>
    <message>
        <source>Файл эксперимента «%1» не загружен, параметры не изменены. Отвергнуты значения:</source>
        <translation>The experiment file &quot;%1&quot; was not loaded, the parameters are unchanged. Refused values:</translation>
    </message>
    <message>
        <source>Файл эксперимента «%1», %2</source>
        <translation>Experiment file &quot;%1&quot;, %2</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл эксперимента «%1»: %2. Прежний файл не изменён.</source>
        <translation>Could not save the experiment file &quot;%1&quot;: %2. The previous file is unchanged.</translation>
    </message>
    <message>
        <source>При текущих параметрах такого режима нет (например, при сильном затухании нет резонанса). Параметры не изменены.</source>
        <translation>The current parameters have no such regime (for example, with strong damping there is no resonance). The parameters are unchanged.</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2.</source>
        <translation>Could not write the file &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>trelvix::ExperimentFilesController</name>
    <message>
        <source>Эксперименты (*.trelvix)</source>
        <translation>Experiments (*.trelvix)</translation>
    </message>
    <message>
        <source>Открыть эксперимент</source>
        <translation>Open Experiment</translation>
    </message>
    <message>
        <source>Сохранить эксперимент</source>
        <translation>Save Experiment</translation>
    </message>
    <message>
        <source>эксперимент.trelvix</source>
        <translation>experiment.trelvix</translation>
    </message>
    <message>
        <source>(список пуст)</source>
        <translation>(empty)</translation>
    </message>
</context>
<context>
    <name>trelvix::ExportController</name>
    <message>
        <source>Экспорт таблицы</source>
        <translation>Export Table</translation>
    </message>
    <message>
        <source>таблица.csv</source>
        <translation>table.csv</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>отчёт.pdf</source>
        <translation>report.pdf</translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Не удалось напечатать отчёт.</source>
        <translation>The report could not be printed.</translation>
    </message>
    <message>
        <source>Страница %1 из %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>trelvix::FileListTexts</name>
    <message>
        <source>%1 байт</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 КБ</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 МБ</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 ГБ</source>
        <translation>%1 GB</translation>
    </message>
</context>
<context>
    <name>trelvix::InputTable</name>
    <message>
        <source>Не может быть отрицательным или 0! Не вводите заново, а исправьте!</source>
        <translation>Cannot be negative or 0! Do not type it anew, correct it!</translation>
    </message>
    <message>
        <source>m (кг) =</source>
        <translation>m (kg) =</translation>
    </message>
    <message>
        <source>масса шара</source>
        <translation>mass of the ball</translation>
    </message>
    <message>
        <source>масса шара, кг</source>
        <translation>mass of the ball, kg</translation>
    </message>
    <message>
        <source>не может быть отрицательной или 0! Не вводите заново, а исправьте!</source>
        <translation>cannot be negative or 0! Do not type it anew, correct it!</translation>
    </message>
    <message>
        <source>d (м) =</source>
        <translation>d (m) =</translation>
    </message>
    <message>
        <source>диаметр шара</source>
        <translation>diameter of the ball</translation>
    </message>
    <message>
        <source>диаметр шара, м</source>
        <translation>diameter of the ball, m</translation>
    </message>
    <message>
        <source>с = </source>
        <translation>c = </translation>
    </message>
    <message>
        <source>коэффициент лобового сопротивления для шара</source>
        <translation>drag coefficient of the ball</translation>
    </message>
    <message>
        <source>коэффициент лобового сопротивления шара</source>
        <translation>drag coefficient of the ball (c)</translation>
    </message>
    <message>
        <source>Не может быть отрицательным! Не вводите заново, а исправьте!</source>
        <translation>Cannot be negative! Do not type it anew, correct it!</translation>
    </message>
    <message>
        <source>k (Н/м) =</source>
        <translation>k (N/m) =</translation>
    </message>
    <message>
        <source>коэффициент жёсткости пружины</source>
        <translation>spring stiffness</translation>
    </message>
    <message>
        <source>жёсткость пружины, Н/м</source>
        <translation>spring stiffness, N/m</translation>
    </message>
    <message>
        <source>Lo (м) =</source>
        <translation>Lo (m) =</translation>
    </message>
    <message>
        <source>длина нерастянутой пружины</source>
        <translation>unstretched spring length</translation>
    </message>
    <message>
        <source>длина нерастянутой пружины, м</source>
        <translation>unstretched spring length, m</translation>
    </message>
    <message>
        <source>  o (кг/м3) =</source>
        <translation>  o (kg/m3)=</translation>
    </message>
    <message>
        <source>плотность среды</source>
        <translation>density of the medium</translation>
    </message>
    <message>
        <source>плотность среды, кг/м3</source>
        <translation>density of the medium, kg/m3</translation>
    </message>
    <message>
        <source>ro(кг/м3)=</source>
        <translation>ro(kg/m3)=</translation>
    </message>
    <message>
        <source>Это вакуум! Тогда и вязкость среды должна быть=0! Но можно экспериментировать и так!</source>
        <translation>This is a vacuum! Then the viscosity of the medium must be 0 too! But you may experiment this way as well!</translation>
    </message>
    <message>
        <source>    (Па·с) = </source>
        <translation>    (Pa·s) = </translation>
    </message>
    <message>
        <source>коэффициент динамической вязкости среды</source>
        <translation>dynamic viscosity of the medium</translation>
    </message>
    <message>
        <source>динамическая вязкость среды, Па·с</source>
        <translation>dynamic viscosity of the medium, Pa·s</translation>
    </message>
    <message>
        <source>h(Па·с)=</source>
        <translation>h(Pa·s)=</translation>
    </message>
    <message>
        <source>Это вакуум! Тогда и плотность среды должна быть=0! Но можно экспериментировать и так!</source>
        <translation>This is a vacuum! Then the density of the medium must be 0 too! But you may experiment this way as well!</translation>
    </message>
    <message>
        <source>Хm (м) =</source>
        <translation>Xm (m) =</translation>
    </message>
    <message>
        <source>амплитуда вынуждающей силы</source>
        <translation>amplitude of the driving force</translation>
    </message>
    <message>
        <source>амплитуда колебаний точки подвеса, м</source>
        <translation>amplitude of the suspension point&apos;s oscillation, m</translation>
    </message>
    <message>
        <source>   (Гц) =</source>
        <translation>   (Hz) =</translation>
    </message>
    <message>
        <source>частота вынуждающей силы</source>
        <translation>driving frequency</translation>
    </message>
    <message>
        <source>частота вынуждающей силы, Гц</source>
        <translation>driving frequency, Hz</translation>
    </message>
    <message>
        <source>nu(Гц)=</source>
        <translation>nu(Hz)=</translation>
    </message>
    <message>
        <source>Хo (м) =</source>
        <translation>Xo (m) =</translation>
    </message>
    <message>
        <source>начальная координата центра шара</source>
        <translation>initial position of the ball&apos;s centre</translation>
    </message>
    <message>
        <source>начальная координата центра шара, м</source>
        <translation>initial position of the ball&apos;s centre, m</translation>
    </message>
    <message>
        <source>Не может быть меньше суммы радиуса шара и радиуса колеса! Не вводите заново, а исправьте!</source>
        <translation>Cannot be less than the sum of the ball&apos;s radius and the wheel&apos;s radius! Do not type it anew, correct it!</translation>
    </message>
    <message>
        <source>Voх (м/с)=</source>
        <translation>Vox (m/s)=</translation>
    </message>
    <message>
        <source>начальная скорость</source>
        <translation>initial velocity</translation>
    </message>
    <message>
        <source>начальная скорость шара, м/с</source>
        <translation>initial velocity of the ball, m/s</translation>
    </message>
    <message>
        <source>Т (с) =</source>
        <translation>T (s) =</translation>
    </message>
    <message>
        <source>время расчета</source>
        <translation>computation time</translation>
    </message>
    <message>
        <source>время расчёта, с</source>
        <translation>computation time, s</translation>
    </message>
    <message>
        <source>Должно быть больше 0! Не вводите заново, а исправьте!</source>
        <translation>Must be greater than 0! Do not type it anew, correct it!</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>trelvix::LabReport</name>
    <message>
        <source>Параметры эксперимента</source>
        <translation>Parameters of the experiment</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Характеристики движения</source>
        <translation>Characteristics of the motion</translation>
    </message>
    <message>
        <source>Графики последнего расчёта</source>
        <translation>Graphs of the last run</translation>
    </message>
    <message>
        <source>Отчёт о лабораторной работе</source>
        <translation>Laboratory report</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm</source>
        <extracomment>The form of the report&apos;s date: dd day, MM month, yyyy year, HH:mm hours and minutes.</extracomment>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>Вертикальные вынужденные колебания шара на пружине в вязкой среде</source>
        <translation>Vertical forced oscillations of a ball on a spring in a viscous medium</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Траектория центра шара (Y-X)</source>
        <translation>Trajectory of the ball&apos;s centre (Y-X)</translation>
    </message>
    <message>
        <source>Координата X(t)</source>
        <translation>Coordinate X(t)</translation>
    </message>
    <message>
        <source>Скорость Vx(t)</source>
        <translation>Velocity Vx(t)</translation>
    </message>
    <message>
        <source>Энергия W(t)</source>
        <translation>Energy W(t)</translation>
    </message>
</context>
<context>
    <name>trelvix::Language</name>
    <message>
        <source>Русский</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>trelvix::MagnifierWindow</name>
    <message>
        <source>лупа: движение центра шара</source>
        <translation>magnifier: motion of the ball&apos;s centre</translation>
    </message>
</context>
<context>
    <name>trelvix::MainControls</name>
    <message>
        <source>плотность материала шара</source>
        <translation>density of the ball&apos;s material</translation>
    </message>
    <message>
        <source>масса среды в объёме шара</source>
        <translation>mass of the medium displaced by the ball</translation>
    </message>
    <message>
        <source>координата положения равновесия</source>
        <translation>equilibrium position</translation>
    </message>
    <message>
        <source>Характерное расстояние для квадратичной силы сопротивления среды</source>
        <translation>Characteristic distance of the medium&apos;s quadratic drag</translation>
    </message>
    <message>
        <source>декремент затухания</source>
        <translation>damping coefficient</translation>
    </message>
    <message>
        <source>циклическая частота гармонических колебаний</source>
        <translation>harmonic (undamped) angular frequency</translation>
    </message>
    <message>
        <source>циклическая частота собственных колебаний</source>
        <translation>natural angular frequency</translation>
    </message>
    <message>
        <source>циклическая частота вынуждающей силы</source>
        <translation>driving angular frequency</translation>
    </message>
    <message>
        <source>Период гармонических колебаний</source>
        <translation>Harmonic period</translation>
    </message>
    <message>
        <source>Период собственных колебаний</source>
        <translation>Natural period</translation>
    </message>
    <message>
        <source>Период вынуждающей силы</source>
        <translation>Driving period</translation>
    </message>
    <message>
        <source>Логарифмический декремент затухания</source>
        <translation>Logarithmic decrement</translation>
    </message>
    <message>
        <source>добротность</source>
        <translation>quality factor</translation>
    </message>
    <message>
        <source>резонансная частота (при с=0)</source>
        <translation>resonance frequency (at c = 0)</translation>
    </message>
    <message>
        <source>вязкость критического режима (при с=0)</source>
        <translation>critical viscosity (at c = 0)</translation>
    </message>
    <message>
        <source>Параметры задачи</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Параметры задачи</source>
        <comment>tooltip</comment>
        <translation>Parameters of the problem</translation>
    </message>
    <message>
        <source>Характеристики</source>
        <translation>Characteristics</translation>
    </message>
    <message>
        <source>Характеристики движения</source>
        <translation>Characteristics of the motion</translation>
    </message>
    <message>
        <source>Запуск (остановка) установки</source>
        <translation>Start (stop) the apparatus</translation>
    </message>
    <message>
        <source>ЛУПА</source>
        <translation>ZOOM</translation>
    </message>
    <message>
        <source>Увеличение масштаба просмотра до 10 раз</source>
        <translation>Magnify the view up to 10 times</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Вывод результатов на печать</source>
        <translation>Write the results to a file for printing</translation>
    </message>
    <message>
        <source>замедление времени</source>
        <translation>time slow-down</translation>
    </message>
    <message>
        <source>Замедление времени</source>
        <translation>Time slow-down</translation>
    </message>
    <message>
        <source>увеличение лупы</source>
        <translation>magnifier zoom</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Выбор показа графика</source>
        <translation>Choice of the graphs shown</translation>
    </message>
    <message>
        <source>анимация</source>
        <translation>animation</translation>
    </message>
    <message>
        <source>Анимация движения (траектория)</source>
        <translation>Animation of the motion (trajectory)</translation>
    </message>
    <message>
        <source>Зависимости координаты, проекции скорости и полной энергии от времени</source>
        <translation>Coordinate, velocity projection and total energy against time</translation>
    </message>
    <message>
        <source>Плоскость Y-X график</source>
        <translation>Y-X plane graph</translation>
    </message>
    <message>
        <source>плоскость Y-X</source>
        <translation>Y-X plane</translation>
    </message>
    <message>
        <source>Анимация движения</source>
        <translation>Animation of the motion</translation>
    </message>
    <message>
        <source>анимация движения шара на пружине</source>
        <translation>animation of the ball on the spring</translation>
    </message>
    <message>
        <source>Зависимость смещения от положения равновесия от времени. Слева - масштаб</source>
        <translation>Displacement from the equilibrium position against time. Scale on the left</translation>
    </message>
    <message>
        <source>график смещения X(t)</source>
        <translation>displacement graph X(t)</translation>
    </message>
    <message>
        <source>Зависимость проекции скорости от времени. Слева - масштаб</source>
        <translation>Velocity projection against time. Scale on the left</translation>
    </message>
    <message>
        <source>график скорости Vx(t)</source>
        <translation>velocity graph Vx(t)</translation>
    </message>
    <message>
        <source>Зависимость полной энергии от времени. Слева - масштаб</source>
        <translation>Total energy against time. Scale on the left</translation>
    </message>
    <message>
        <source>график энергии W(t)</source>
        <translation>energy graph W(t)</translation>
    </message>
    <message>
        <source>масштаб графика X(t)</source>
        <translation>scale of the X(t) graph</translation>
    </message>
    <message>
        <source>масштаб графика Vx(t)</source>
        <translation>scale of the Vx(t) graph</translation>
    </message>
    <message>
        <source>масштаб графика W(t)</source>
        <translation>scale of the W(t) graph</translation>
    </message>
</context>
<context>
    <name>trelvix::MainMenus</name>
    <message>
        <source>Справка</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Справка2</source>
        <translation>Reference 2</translation>
    </message>
    <message>
        <source>Открыть эксперимент…</source>
        <translation>Open Experiment…</translation>
    </message>
    <message>
        <source>Сохранить эксперимент…</source>
        <translation>Save Experiment…</translation>
    </message>
    <message>
        <source>Последние</source>
        <translation>Recent</translation>
    </message>
    <message>
        <source>Примеры</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Экспорт таблицы (CSV)…</source>
        <translation>Export Table (CSV)…</translation>
    </message>
    <message>
        <source>Копировать таблицу</source>
        <translation>Copy Table</translation>
    </message>
    <message>
        <source>Отчёт (PDF)…</source>
        <translation>Report (PDF)…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Резонансная кривая</source>
        <translation>Resonance Curve</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Продолжить	F5</source>
        <translation>Continue	F5</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Запомнить прогон</source>
        <translation>Keep Run</translation>
    </message>
    <message>
        <source>Забыть прогоны</source>
        <translation>Forget Runs</translation>
    </message>
    <message>
        <source>Фазовый портрет</source>
        <translation>Phase Portrait</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Инструкция</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Управление</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Критическая вязкость (η = ηкр)</source>
        <translation>Critical viscosity (η = ηcr)</translation>
    </message>
    <message>
        <source>Вынуждающая сила на резонансе (ν = νr)</source>
        <translation>Driving force at resonance (ν = νr)</translation>
    </message>
    <message>
        <source>Без вынуждающей силы (Xm = 0)</source>
        <translation>No driving force (Xm = 0)</translation>
    </message>
    <message>
        <source>Вакуум (ρ = 0, η = 0)</source>
        <translation>Vacuum (ρ = 0, η = 0)</translation>
    </message>
    <message>
        <source>Биения (ν на 5 % выше νo)</source>
        <translation>Beats (ν 5 % above νo)</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Исследование</source>
        <translation>&amp;Research</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>trelvix::MeasurementRows</name>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Измерено</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Предсказано</source>
        <translation>Predicted</translation>
    </message>
    <message>
        <source>Чем предсказано</source>
        <translation>Predicted by</translation>
    </message>
    <message>
        <source>Расхождение, %</source>
        <translation>Difference, %</translation>
    </message>
    <message>
        <source>Период T, c</source>
        <translation>Period T, s</translation>
    </message>
    <message>
        <source>Логарифмический декремент Θ</source>
        <translation>Logarithmic decrement Θ</translation>
    </message>
    <message>
        <source>Коэффициент затухания δ, рад/c</source>
        <translation>Damping coefficient δ, rad/s</translation>
    </message>
    <message>
        <source>Амплитуда A, м</source>
        <translation>Amplitude A, m</translation>
    </message>
    <message>
        <source>Отставание по фазе φ, рад</source>
        <translation>Phase lag φ, rad</translation>
    </message>
    <message>
        <source>характеристики</source>
        <translation>characteristics</translation>
    </message>
    <message>
        <source>линейная теория</source>
        <translation>linear theory</translation>
    </message>
    <message>
        <source>расчёт установившегося режима</source>
        <translation>steady-state computation</translation>
    </message>
    <message>
        <source>затухание при измеренных амплитудах</source>
        <translation>decay at the measured amplitudes</translation>
    </message>
    <message>
        <source>%1: не применимо, %2</source>
        <translation>%1: not applicable (%2)</translation>
    </message>
</context>
<context>
    <name>trelvix::Measurements</name>
    <message>
        <source>нет ни одного пересечения Xg снизу вверх</source>
        <translation>no upward crossing of Xg</translation>
    </message>
    <message>
        <source>только одно пересечение Xg: меньше периода</source>
        <translation>only one crossing of Xg: less than a period</translation>
    </message>
    <message>
        <source>при c ≠ 0 затухание зависит от амплитуды</source>
        <translation>at c ≠ 0 the damping depends on the amplitude</translation>
    </message>
    <message>
        <source>только для вынужденных колебаний (Xm ≠ 0, ν ≠ 0)</source>
        <translation>forced oscillations only (Xm ≠ 0, ν ≠ 0)</translation>
    </message>
    <message>
        <source>апериодическое движение: колебаний нет</source>
        <translation>aperiodic motion: no oscillations</translation>
    </message>
    <message>
        <source>меньше двух максимумов отклонения</source>
        <translation>fewer than two maxima of the deviation</translation>
    </message>
    <message>
        <source>период не измерен</source>
        <translation>the period is not measured</translation>
    </message>
    <message>
        <source>без квадратичного сопротивления, а c ≠ 0</source>
        <translation>holds without quadratic drag, but c ≠ 0</translation>
    </message>
    <message>
        <source>только для свободных колебаний (Xm = 0)</source>
        <translation>free oscillations only (Xm = 0)</translation>
    </message>
    <message>
        <source>меньше двух полных периодов вынуждающей силы</source>
        <translation>fewer than two whole periods of the driving force</translation>
    </message>
    <message>
        <source>колебания ещё не установились</source>
        <translation>the oscillations have not yet settled</translation>
    </message>
    <message>
        <source>прогона ещё не было</source>
        <translation>no run yet</translation>
    </message>
</context>
<context>
    <name>trelvix::MeasurementsWindow</name>
    <message>
        <source>Измерения</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>измерения последнего прогона и их предсказания</source>
        <translation>measurements of the last run and their predictions</translation>
    </message>
    <message>
        <source>Прогона ещё не было: измерять нечего.</source>
        <translation>No run yet: nothing to measure.</translation>
    </message>
    <message>
        <source>Последний прогон: %1 шагов, t до %2 с.%3</source>
        <translation>Last run: %1 steps, t up to %2 s.%3</translation>
    </message>
    <message>
        <source> Запись прорежена: хранится каждый %1-й шаг.</source>
        <translation> The record is thinned: one step in %1 is kept.</translation>
    </message>
</context>
<context>
    <name>trelvix::PhasePortraitWindow</name>
    <message>
        <source>Фазовый портрет</source>
        <translation>Phase Portrait</translation>
    </message>
    <message>
        <source>фазовый портрет: скорость против отклонения</source>
        <translation>phase portrait: velocity against deviation</translation>
    </message>
</context>
<context>
    <name>trelvix::PictureMenu</name>
    <message>
        <source>Сохранить изображение</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>график.png</source>
        <translation>graph.png</translation>
    </message>
    <message>
        <source>Изображения PNG (*.png);;Рисунки SVG (*.svg)</source>
        <translation>PNG images (*.png);;SVG drawings (*.svg)</translation>
    </message>
    <message>
        <source>Сохранить изображение…</source>
        <translation>Save Image…</translation>
    </message>
    <message>
        <source>Копировать изображение</source>
        <translation>Copy Image</translation>
    </message>
</context>
<context>
    <name>trelvix::PlotTexts</name>
    <message>
        <source>X, м</source>
        <translation>X, m</translation>
    </message>
    <message>
        <source>Y, м</source>
        <translation>Y, m</translation>
    </message>
    <message>
        <source>t,c</source>
        <translation>t,s</translation>
    </message>
    <message>
        <source>То</source>
        <translation>To</translation>
    </message>
    <message>
        <source>(X-Xg),м</source>
        <translation>(X-Xg),m</translation>
    </message>
    <message>
        <source>Vx, м/с</source>
        <translation>Vx, m/s</translation>
    </message>
    <message>
        <source>W, Дж</source>
        <translation>W, J</translation>
    </message>
    <message>
        <source>X-Xg, м</source>
        <translation>X-Xg, m</translation>
    </message>
    <message>
        <source>ν, Гц</source>
        <translation>ν, Hz</translation>
    </message>
    <message>
        <source>A, м</source>
        <translation>A, m</translation>
    </message>
    <message>
        <source>φ, рад</source>
        <translation>φ, rad</translation>
    </message>
    <message>
        <source>расчёт</source>
        <translation>computed</translation>
    </message>
    <message>
        <source>линейная теория</source>
        <translation>linear theory</translation>
    </message>
    <message>
        <source>X − Xg = %1 м</source>
        <translation>X − Xg = %1 m</translation>
    </message>
    <message>
        <source>Vx = %1 м/с</source>
        <translation>Vx = %1 m/s</translation>
    </message>
    <message>
        <source>W = %1 Дж</source>
        <translation>W = %1 J</translation>
    </message>
    <message>
        <source>t = %1 с</source>
        <translation>t = %1 s</translation>
    </message>
    <message>
        <source>t = %1 с
%2</source>
        <translation>t = %1 s
%2</translation>
    </message>
    <message>
        <source>Y = %1 м
X = %2 м</source>
        <translation>Y = %1 m
X = %2 m</translation>
    </message>
</context>
<context>
    <name>trelvix::Program</name>
    <message>
        <source>нет графического дисплея (DISPLAY не задан): запустите программу на рабочем столе или через xvfb-run</source>
        <translation>no graphical display (DISPLAY is not set): start the program on the desktop or through xvfb-run</translation>
    </message>
</context>
<context>
    <name>trelvix::QtFileDialogs</name>
    <message>
        <source>Папка:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Имя файла:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Тип файла:</source>
        <translation>Files of type:</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>trelvix::QtMessageBoxes</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>trelvix::ResonanceSetup</name>
    <message>
        <source>Резонансную кривую построить нельзя: %1</source>
        <translation>The resonance curve cannot be computed: %1</translation>
    </message>
    <message>
        <source>Частоты диапазона должны быть положительными числами (в герцах): при нулевой частоте подвес неподвижен и установившихся вынужденных колебаний нет.</source>
        <translation>The frequencies of the range must be positive numbers (in hertz): at zero frequency the suspension point stands still and there are no steady forced oscillations.</translation>
    </message>
    <message>
        <source>Начальная частота диапазона должна быть меньше конечной.</source>
        <translation>The start frequency of the range must be below its end frequency.</translation>
    </message>
    <message>
        <source>Число точек кривой должно быть не меньше 2.</source>
        <translation>The curve must have at least 2 points.</translation>
    </message>
    <message>
        <source>Число точек кривой должно быть не больше %1.</source>
        <translation>The curve can have at most %1 points.</translation>
    </message>
    <message>
        <source>пружина не создаёт возвращающей силы, собственных колебаний нет. Измените параметры</source>
        <translation>the spring exerts no restoring force, there are no natural oscillations. Change the parameters</translation>
    </message>
    <message>
        <source>при отрицательном сопротивлении среды колебания нарастают без конца. Измените параметры</source>
        <translation>with a negative resistance of the medium the oscillations grow without limit. Change the parameters</translation>
    </message>
    <message>
        <source>амплитуда колебаний точки подвеса отрицательна. Измените параметры</source>
        <translation>the amplitude of the suspension point&apos;s oscillation is negative. Change the parameters</translation>
    </message>
    <message>
        <source>коэффициенты уравнения движения не имеют конечных значений. Измените параметры</source>
        <translation>the coefficients of the equation of motion have no finite values. Change the parameters</translation>
    </message>
</context>
<context>
    <name>trelvix::ResonanceWindow</name>
    <message>
        <source>Резонансная кривая</source>
        <translation>Resonance Curve</translation>
    </message>
    <message>
        <source>Идёт расчёт: частоту можно будет выбрать на кривой после его окончания.</source>
        <translation>A run is in progress: a frequency can be chosen on the curve once it has ended.</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Сохранить PNG…</source>
        <translation>Save PNG…</translation>
    </message>
    <message>
        <source>Наведите курсор на график, чтобы прочитать значения; щелчок по графику амплитуды предлагает эту частоту для опыта.</source>
        <translation>Hover over a plot to read its values; a click on the amplitude plot offers that frequency for the experiment.</translation>
    </message>
    <message>
        <source>Число точек кривой должно быть целым.</source>
        <translation>The number of points of the curve must be a whole number.</translation>
    </message>
    <message>
        <source>Установить частоту вынуждающей силы ν = %1 Гц?</source>
        <translation>Set the driving frequency to ν = %1 Hz?</translation>
    </message>
    <message>
        <source>ν = %1 Гц   A = %2 м   φ = %3 рад   (линейная теория: A = %4 м, φ = %5 рад)</source>
        <translation>ν = %1 Hz   A = %2 m   φ = %3 rad   (linear theory: A = %4 m, φ = %5 rad)</translation>
    </message>
    <message>
        <source>Расчёт прерван: рассчитано точек: %1.</source>
        <translation>Computation cancelled: points computed: %1.</translation>
    </message>
    <message>
        <source>Рассчитано точек: %1.</source>
        <translation>Points computed: %1.</translation>
    </message>
    <message>
        <source> Из них %1 добавлены у вершины пика.</source>
        <translation> Of them, %1 were added near the top of the peak.</translation>
    </message>
    <message>
        <source> В %1 точках движение вышло за пределы представимых чисел (×).</source>
        <translation> At %1 of them the motion left the range of representable numbers (×).</translation>
    </message>
    <message>
        <source>от, Гц</source>
        <translation>from, Hz</translation>
    </message>
    <message>
        <source>до, Гц</source>
        <translation>to, Hz</translation>
    </message>
    <message>
        <source>точек</source>
        <translation>points</translation>
    </message>
    <message>
        <source>начало диапазона частот, Гц</source>
        <translation>start of the frequency range, Hz</translation>
    </message>
    <message>
        <source>конец диапазона частот, Гц</source>
        <translation>end of the frequency range, Hz</translation>
    </message>
    <message>
        <source>число точек кривой</source>
        <translation>number of points of the curve</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ход расчёта кривой</source>
        <translation>progress of the curve&apos;s computation</translation>
    </message>
    <message>
        <source>амплитуда от частоты</source>
        <translation>amplitude against frequency</translation>
    </message>
    <message>
        <source>сдвиг фазы от частоты</source>
        <translation>phase shift against frequency</translation>
    </message>
</context>
<context>
    <name>trelvix::ResultsFile</name>
    <message>
        <source>параметры</source>
        <translation>parameters</translation>
    </message>
    <message>
        <source>расчёт</source>
        <translation>computation</translation>
    </message>
    <message>
        <source>    t,c         X-Xg, м       Vx, м/с       W, Дж</source>
        <extracomment>The column titles over the numbers: each title starts 2 characters after the start of its 14-character column (t at 4); Latin letters only, the file is in the Windows code page.</extracomment>
        <translation>    t,s         X-Xg, m       Vx, m/s       W, J</translation>
    </message>
</context>
<context>
    <name>trelvix::RunLegend</name>
    <message>
        <source>те же параметры</source>
        <translation>same parameters</translation>
    </message>
</context>
<context>
    <name>trelvix::RunTable</name>
    <message>
        <source>t, с</source>
        <translation>t, s</translation>
    </message>
    <message>
        <source>X − Xg, м</source>
        <translation>X − Xg, m</translation>
    </message>
    <message>
        <source>Vx, м/с</source>
        <translation>Vx, m/s</translation>
    </message>
    <message>
        <source>W, Дж</source>
        <translation>W, J</translation>
    </message>
</context>
<context>
    <name>trelvix::SystemErrors</name>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>это именованный канал, а не файл</source>
        <translation>it is a named pipe, not a file</translation>
    </message>
    <message>
        <source>это устройство, а не файл</source>
        <translation>it is a device, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>файл не открыт</source>
        <translation>the file is not open</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>нет такой папки</source>
        <translation>no such folder</translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation>no permission to read</translation>
    </message>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>символические ссылки пути замкнуты в кольцо</source>
        <translation>the symbolic links of the path form a loop</translation>
    </message>
    <message>
        <source>часть пути не является папкой</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>исчерпана дисковая квота</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>файловая система только для чтения</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
</context>
<context>
    <name>trelvix::WindowTexts</name>
    <message>
        <source>Вертикальные вынужденные колебания шара на пружине в среде</source>
        <translation>Vertical forced oscillations of a ball on a spring in a medium</translation>
    </message>
    <message>
        <source>Вертикальные вынужденные колебания шара на пружине в среде.</source>
        <translation>Vertical forced oscillations of a ball on a spring in a medium.</translation>
    </message>
    <message>
        <source>При работе размер окна изменить нельзя!</source>
        <translation>The window size cannot be changed during a run!</translation>
    </message>
    <message>
        <source> — Пауза</source>
        <translation> — Paused</translation>
    </message>
    <message>
        <source>Лупа (движение центра шара)</source>
        <translation>Magnifier (motion of the ball&apos;s centre)</translation>
    </message>
    <message>
        <source> Время расчёта - </source>
        <translation> Computation time - </translation>
    </message>
    <message>
        <source> c</source>
        <comment>seconds after a number</comment>
        <translation> s</translation>
    </message>
    <message>
        <source>ПУСК</source>
        <translation>START</translation>
    </message>
    <message>
        <source>СТОП</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Что-то пошло не так. Шар коснулся точки подвеса пружины. Эксперимент не удался. Измените параметры</source>
        <translation>Something went wrong. The ball touched the suspension point of the spring. The experiment failed. Change the parameters</translation>
    </message>
    <message>
        <source>Вы абсолютно уверены?</source>
        <translation>Are you absolutely sure?</translation>
    </message>
    <message>
        <source>На Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Расчёт невозможен: при этих параметрах характеристики движения не имеют конечных значений или шаг расчёта слишком мал. Измените параметры</source>
        <translation>Cannot compute: with these parameters the characteristics of the motion have no finite values or the computation step is too small. Change the parameters</translation>
    </message>
    <message>
        <source>Расчёт остановлен: координата, скорость или энергия шара вышли за пределы представимых чисел. Измените параметры</source>
        <translation>Computation stopped: the coordinate, velocity or energy of the ball went beyond the range of representable numbers. Change the parameters</translation>
    </message>
    <message>
        <source>Не удалось записать файл результатов «%1»: %2. Запись в файл отключена.</source>
        <translation>Could not write the results file “%1”: %2. Writing to the file is switched off.</translation>
    </message>
    <message>
        <source>О ПРОГРАММЕ</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>Программа моделирует вынужденные колебания шара на вертикально подвешенной пружине.
Точка подвеса может совершать вертикальные гармонические колебания.
Колебания происходят в вязкой среде. Силы сопротивления пропорциональны v и v^2.
 
История версий:
Версия 0.1, декабрь 2026 г., Linux (Debian 12 и совместимые), настольное приложение Qt 6.
 
Государственной регистрации эта версия не проходила.
Следующая версия пока не выпущена.</source>
        <translation>The program models forced oscillations of a ball on a vertically suspended spring.
The suspension point can perform vertical harmonic oscillations.
The oscillations take place in a viscous medium. The drag forces are proportional to v and v^2.
 
Version history:
Version 0.1, December 2026, Linux (Debian 12 and compatible), Qt 6 desktop application.
 
This version has not been registered with the state.
The next version has not been released yet.</translation>
    </message>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>Программа создана разработчиками проекта trelvix для школьников, студентов и преподавателей физики.</source>
        <translation>The program was created by the developers of the trelvix project for school students, university students and teachers of physics.</translation>
    </message>
</context>
</TS>
