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
