<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru">
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
    <name>trelvix::Language</name>
    <message>
        <source>Русский</source>
        <translation>English</translation>
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
    <name>trelvix::RunLegend</name>
    <message>
        <source>те же параметры</source>
        <translation>same parameters</translation>
    </message>
</context>
</TS>
