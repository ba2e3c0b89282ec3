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
</TS>
