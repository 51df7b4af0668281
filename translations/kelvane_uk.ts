<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CoreText</name>
    <message>
        <source>Number of channels:  %1 (* not for SoC *)</source>
        <translation>Кількість каналів:  %1 (* не для ТЧ *)</translation>
    </message>
    <message>
        <source>Number of channels:  %1 </source>
        <translation>Кількість каналів:  %1 </translation>
    </message>
    <message>
        <source>Audio sample rate:     %1 Hz</source>
        <translation>Частота дискретизації: %1 Гц</translation>
    </message>
    <message>
        <source>Nominal bitrate:           %1</source>
        <translation>Номінальний бітрейт:     %1</translation>
    </message>
    <message>
        <source>Min/max bitrate:           %1 / %2</source>
        <translation>Мін./макс. бітрейт:      %1 / %2</translation>
    </message>
    <message>
        <source>Vendor:</source>
        <translation>Кодувальник:</translation>
    </message>
    <message>
        <source>File size:                        %1 bytes</source>
        <translation>Розмір файлу:                     %1 байт</translation>
    </message>
    <message>
        <source>Comment CRC:           %1 (File)</source>
        <translation>CRC коментаря:         %1 (у файлі)</translation>
    </message>
    <message>
        <source>Comment CRC:           %1 (Calculated)</source>
        <translation>CRC коментаря:         %1 (обчислена)</translation>
    </message>
    <message>
        <source>New file size:                %1 bytes (when saved)</source>
        <translation>Новий розмір файлу:           %1 байт (після збереження)</translation>
    </message>
    <message>
        <source>  ** Inserted new segment lacing byte **</source>
        <translation>  ** Додано новий байт таблиці сегментів **</translation>
    </message>
    <message>
        <source> Read %1 bytes. </source>
        <translation> Прочитано байтів: %1. </translation>
    </message>
    <message>
        <source>Large file, reading just headers.</source>
        <translation>Великий файл, прочитано лише заголовки.</translation>
    </message>
    <message>
        <source>Not an Ogg file.</source>
        <translation>Це не файл Ogg.</translation>
    </message>
    <message>
        <source>Not a valid Ogg sound file.</source>
        <translation>Це некоректний звуковий файл Ogg.</translation>
    </message>
    <message>
        <source>Not a valid Ogg sound file; no comment page segments.</source>
        <translation>Це некоректний звуковий файл Ogg: на сторінці коментаря немає сегментів.</translation>
    </message>
    <message>
        <source>Not a valid Ogg sound file; it ends too early.</source>
        <translation>Це некоректний звуковий файл Ogg: файл обривається зарано.</translation>
    </message>
    <message>
        <source> Invalid Ogg Vorbis comment header char: %1</source>
        <translation> Неприпустимий символ у заголовку коментаря Ogg Vorbis: %1</translation>
    </message>
    <message>
        <source>File has a bad CRC checksum. Click Apply to fix.</source>
        <translation>Неправильна контрольна сума. Натисніть «Застосувати».</translation>
    </message>
    <message>
        <source> File size &gt; %1 bytes; not a GSC sound - it cannot be viewed/edited.</source>
        <translation> Розмір файлу &gt; %1 байт; це не звук GSC, його не можна переглянути чи змінити.</translation>
    </message>
    <message>
        <source>Comment block inserted.  Adjust values and click Apply to fix.</source>
        <translation>Додано блок коментаря.  Задайте значення й натисніть «Застосувати».</translation>
    </message>
    <message>
        <source>Older comment block turned into a version %1 block.  Click Apply to save it.</source>
        <translation>Старий блок коментаря перетворено на блок версії %1.  Натисніть «Застосувати», щоб зберегти.</translation>
    </message>
    <message>
        <source>Comment block cannot be inserted: the comment header does not fit on page %1.</source>
        <translation>Блок коментаря не можна додати: заголовок коментаря не вміщується на сторінці %1.</translation>
    </message>
    <message>
        <source>Comment block does not lie on page %1; the file cannot be edited.</source>
        <translation>Блок коментаря лежить не на сторінці %1; файл не можна змінити.</translation>
    </message>
    <message>
        <source>Could not open file for reading.</source>
        <translation>Не вдалося відкрити файл для читання.</translation>
    </message>
    <message>
        <source>Could not scan file for reading.</source>
        <translation>Не вдалося прочитати файл.</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>у нормі</translation>
    </message>
    <message>
        <source>bad checksum</source>
        <translation>неправильна контрольна сума</translation>
    </message>
    <message>
        <source>no block</source>
        <translation>немає блока</translation>
    </message>
    <message>
        <source>older block, version %1</source>
        <translation>старий блок, версія %1</translation>
    </message>
    <message>
        <source>over %1 MiB, view only</source>
        <translation>понад %1 МіБ, лише перегляд</translation>
    </message>
    <message>
        <source>changed on disk since it was listed; not written</source>
        <translation>змінено на диску після читання списку; не записано</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>без змін</translation>
    </message>
    <message>
        <source>larger than %1 MiB: shown, never written</source>
        <translation>понад %1 МіБ: показується, але не записується</translation>
    </message>
    <message>
        <source>maximum distance below %1: the game stops with &quot;Invalid max distance&quot;</source>
        <translation>максимальна відстань менша за %1: гра вилетить з помилкою «Invalid max distance»</translation>
    </message>
    <message>
        <source>maximum AI distance below %1: the game stops with &quot;Invalid max distance&quot;</source>
        <translation>максимальна відстань для ШІ менша за %1: гра вилетить з помилкою «Invalid max distance»</translation>
    </message>
    <message>
        <source>type code %1 is not in the list: it shows as undefined, and saving in the window writes undefined</source>
        <translation>коду типу %1 немає у списку: він показаний як undefined, і збереження у вікні записує undefined</translation>
    </message>
    <message>
        <source>older block of version %1, which the game still reads</source>
        <translation>старий блок версії %1, гра його ще читає</translation>
    </message>
    <message>
        <source>the first comment is not an attribute block (the game plays the sound with its defaults: minimum 1, maximum 300, volume 1, AI 300, type 0)</source>
        <translation>перший коментар — не блок атрибутів (гра відтворює звук з типовими значеннями рушія: мінімум 1, максимум 300, гучність 1, ШІ 300, тип 0)</translation>
    </message>
    <message>
        <source>no attribute block (the game plays the sound with its defaults: minimum 1, maximum 300, volume 1, AI 300, type 0)</source>
        <translation>немає блока атрибутів (гра відтворює звук з типовими значеннями рушія: мінімум 1, максимум 300, гучність 1, ШІ 300, тип 0)</translation>
    </message>
    <message>
        <source>sample rate %1 Hz: the stock games load only %2 Hz</source>
        <translation>частота %1 Гц: оригінальні ігри завантажують лише %2 Гц</translation>
    </message>
    <message>
        <source>%1 channels: the first game plays only mono sounds; the later games play stereo only as sounds in the player&apos;s head</source>
        <translation>каналів: %1; перша гра (ТЧ) відтворює лише моно, пізніші ігри відтворюють стерео лише як звук «у голові» гравця</translation>
    </message>
    <message>
        <source> Must be valid floating point value from %1 to %2</source>
        <translation> Потрібне число з рухомою комою від %1 до %2</translation>
    </message>
    <message>
        <source> Number value must be equal to or greater than minimum</source>
        <translation> Число має бути не меншим за мінімальне</translation>
    </message>
    <message>
        <source> Number value must be equal to or greater than %1</source>
        <translation> Число має бути не меншим за %1</translation>
    </message>
    <message>
        <source>the file ended before its size</source>
        <translation>файл коротший за заявлений розмір</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>файл змінився під час читання</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>бракує пам&apos;яті</translation>
    </message>
    <message>
        <source>the folder could not be flushed to the disk</source>
        <translation>теку не вдалося скинути на диск</translation>
    </message>
    <message>
        <source>its owner and group could not be kept</source>
        <translation>не вдалося зберегти власника й групу</translation>
    </message>
    <message>
        <source>its owner could not be kept</source>
        <translation>не вдалося зберегти власника</translation>
    </message>
    <message>
        <source>some of its extended attributes could not be kept</source>
        <translation>частину розширених атрибутів не вдалося зберегти</translation>
    </message>
    <message>
        <source>its permissions could not be kept</source>
        <translation>не вдалося зберегти права доступу</translation>
    </message>
    <message>
        <source>the symbolic link points at nothing</source>
        <translation>символьне посилання нікуди не вказує</translation>
    </message>
    <message>
        <source>the sound cannot be written</source>
        <translation>звук не можна записати</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>Older comment block longer than a version %1 block; it is left as it is.</source>
        <translation>Старий блок коментаря довший за блок версії %1; його лишено як є.</translation>
    </message>
    <message>
        <source>the first comment starts with version %1 but holds only %2 bytes: the game reads past its end, and may stop</source>
        <translation>перший коментар починається з версії %1, але містить лише %2 байтів: гра читає за його кінцем і може вилетіти</translation>
    </message>
    <message>
        <source>not restored</source>
        <translation>не відновлено</translation>
    </message>
    <message>
        <source>not restored: the backup is not a regular file</source>
        <translation>не відновлено: резервна копія — не звичайний файл</translation>
    </message>
    <message>
        <source>not restored: its .newer name is taken; move that file away first</source>
        <translation>не відновлено: ім&apos;я .newer уже зайняте; спершу приберіть той файл</translation>
    </message>
    <message>
        <source>not restored: the disk could not be flushed</source>
        <translation>не відновлено: не вдалося скинути дані на диск</translation>
    </message>
    <message>
        <source>changed on disk since it was read; not restored</source>
        <translation>змінено на диску після читання; не відновлено</translation>
    </message>
    <message>
        <source>stops the game</source>
        <translation>виліт гри</translation>
    </message>
    <message>
        <source>the page %1 checksum is wrong: the game&apos;s decoder cannot open the file until it is repaired</source>
        <translation>неправильна контрольна сума сторінки %1: декодер гри не відкриє файл, доки її не виправлено</translation>
    </message>
    <message>
        <source>the identification header breaks the decoder&apos;s rules: the game cannot open the file</source>
        <translation>заголовок ідентифікації порушує правила декодера: гра не зможе відкрити файл</translation>
    </message>
    <message>
        <source>a length or count in the comment header runs past its end: the game cannot open the file</source>
        <translation>довжина або кількість коментарів у заголовку коментарів виходять за його кінець: гра не зможе відкрити файл</translation>
    </message>
    <message>
        <source>the file ends inside its headers: the game cannot open it</source>
        <translation>файл обривається всередині заголовків: гра не зможе його відкрити</translation>
    </message>
    <message>
        <source>A problem occurred opening or reading file %1</source>
        <translation>Помилка під час відкриття чи читання файлу %1</translation>
    </message>
    <message>
        <source> Problem creating/writing updated file %1</source>
        <translation> Помилка під час створення чи запису оновленого файлу %1</translation>
    </message>
    <message>
        <source> %1 changed on disk after it was loaded; nothing was written.</source>
        <translation> %1 змінено на диску після завантаження; нічого не записано.</translation>
    </message>
    <message>
        <source> %1 is open in another program; nothing was written. Close it there and save again.</source>
        <translation> %1 відкритий в іншій програмі; нічого не записано. Закрийте його там і збережіть знову.</translation>
    </message>
    <message>
        <source> Backup %1 (%2) could not be made; nothing was written.</source>
        <translation> Резервну копію %1 (%2) зробити не вдалося; нічого не записано.</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>відхилено: %1</translation>
    </message>
    <message>
        <source>view only: %1</source>
        <translation>лише перегляд: %1</translation>
    </message>
    <message>
        <source>%1, stops the game</source>
        <translation>%1, виліт гри</translation>
    </message>
    <message>
        <source>the folder cannot be read (%1)</source>
        <translation>теку не можна прочитати (%1)</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8, so it cannot be opened; rename it to include it</source>
        <translation>ім&apos;я не в кодуванні UTF-8, файл не можна відкрити; перейменуйте його, щоб він потрапив до списку</translation>
    </message>
    <message>
        <source>a link to a folder listed already, not listed again</source>
        <translation>посилання на вже прочитану теку, повторно не читається</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Не записано: %1</translation>
    </message>
    <message>
        <source>its attributes could not be kept</source>
        <translation>не вдалося зберегти атрибути файлу</translation>
    </message>
    <message>
        <source>no backup: %1 is not a regular file</source>
        <translation>немає резервної копії: %1 — не звичайний файл</translation>
    </message>
    <message>
        <source>%1 other hard link to %2 keeps the old sound</source>
        <translation>ще жорстких посилань на %2, що зберігають старий звук: %1</translation>
    </message>
    <message>
        <source>%1 other hard links to %2 keep the old sound</source>
        <translation>ще жорстких посилань на %2, що зберігають старий звук: %1</translation>
    </message>
    <message>
        <source>%1; the backup it made could not be removed</source>
        <translation>%1; створену резервну копію не вдалося видалити</translation>
    </message>
    <message>
        <source>AI distance %1 is beyond the maximum distance %2: NPCs hear what the player cannot</source>
        <translation>відстань для ШІ %1 більша за максимальну відстань %2: NPC чують те, чого не чує гравець</translation>
    </message>
    <message>
        <source>%1 dB at the maximum distance: the sound is heard to cut off there</source>
        <translation>%1 дБ на максимальній відстані: чутно, як звук там обривається</translation>
    </message>
    <message>
        <source>page 1 is not marked as the start of the stream: the game cannot open the file</source>
        <translation>сторінку 1 не позначено як початок потоку: гра не зможе відкрити файл</translation>
    </message>
    <message>
        <source>page 2 belongs to another stream (its serial number differs): the game cannot open the file</source>
        <translation>сторінка 2 належить до іншого потоку (в неї інший серійний номер): гра не зможе відкрити файл</translation>
    </message>
    <message>
        <source>page 2 does not follow page 1 in sequence: the game cannot open the file</source>
        <translation>номер сторінки 2 не йде за номером сторінки 1: гра не зможе відкрити файл</translation>
    </message>
    <message>
        <source>page 2 is marked as continuing a packet, which loses the comment header: the game cannot open the file</source>
        <translation>сторінку 2 позначено як продовження пакета, і заголовок коментарів губиться: гра не зможе відкрити файл</translation>
    </message>
    <message>
        <source>the old sound could not be removed and stays as %1</source>
        <translation>старий звук не вдалося видалити, він залишився як %1</translation>
    </message>
    <message>
        <source>not finished: the backup is in place, but its .bak name could not be removed; restore again to finish</source>
        <translation>не завершено: резервна копія на місці, але ім&apos;я .bak видалити не вдалося; повторіть відновлення, щоб завершити його</translation>
    </message>
    <message>
        <source>minimum distance %1 and maximum distance %2 are no range: how far the sound carries cannot be told</source>
        <translation>мінімальна відстань %1 і максимальна відстань %2 не задають дальності: наскільки далеко чути звук, сказати неможливо</translation>
    </message>
    <message>
        <source>volume %1 is out of range 0.0 to 2.0</source>
        <translation>гучність %1 поза межами від 0,0 до 2,0</translation>
    </message>
    <message>
        <source>minimum distance %1 is below 0</source>
        <translation>мінімальна відстань %1 менша за 0</translation>
    </message>
    <message>
        <source>maximum distance %1 is below minimum distance %2</source>
        <translation>максимальна відстань %1 менша за мінімальну відстань %2</translation>
    </message>
    <message>
        <source>maximum AI distance %1 is below 0</source>
        <translation>максимальна відстань ШІ %1 менша за 0</translation>
    </message>
    <message>
        <source>not a sound this program reads (%1)</source>
        <translation>не звук, який читає ця програма (%1)</translation>
    </message>
    <message>
        <source>the sound cannot be read to its end (%1)</source>
        <translation>звук не читається до кінця (%1)</translation>
    </message>
    <message>
        <source>the sound holds no samples</source>
        <translation>у звуці немає жодного семпла</translation>
    </message>
    <message>
        <source>the sound has %1 channels; the game plays 1 or 2 (mix it down to mono)</source>
        <translation>у звуці %1 каналів; гра грає 1 або 2 (зведіть його в моно)</translation>
    </message>
    <message>
        <source>longer than an hour</source>
        <translation>довший за годину</translation>
    </message>
    <message>
        <source>the source is the file to be written; choose another name</source>
        <translation>вихідний файл збігається з тим, що записується; виберіть іншу назву</translation>
    </message>
    <message>
        <source>kept, already there</source>
        <translation>залишено, вже є</translation>
    </message>
    <message>
        <source>left as it is: at 44100 Hz already, with the channels asked for</source>
        <translation>залишено як є: вже 44100 Гц, з потрібними каналами</translation>
    </message>
    <message>
        <source>the archive is cut short: it ends inside a chunk&apos;s header</source>
        <translation>архів обрізано: він закінчується всередині заголовка блоку</translation>
    </message>
    <message>
        <source>the archive is cut short: a chunk runs past its end</source>
        <translation>архів обрізано: блок виходить за його кінець</translation>
    </message>
    <message>
        <source>not a game archive: it holds no file list</source>
        <translation>не архів гри: у ньому немає списку файлів</translation>
    </message>
    <message>
        <source>the archive&apos;s file list is damaged</source>
        <translation>список файлів архіву пошкоджено</translation>
    </message>
    <message>
        <source>the archive&apos;s file list is encrypted with a key this program does not know</source>
        <translation>список файлів архіву зашифровано ключем, невідомим цій програмі</translation>
    </message>
    <message>
        <source>the archive cannot be read</source>
        <translation>архів не вдається прочитати</translation>
    </message>
    <message>
        <source>left out: the game does not load this archive (auto_load = false)</source>
        <translation>пропущено: гра не завантажує цей архів (auto_load = false)</translation>
    </message>
    <message>
        <source>left out: its bytes run past the archive&apos;s end</source>
        <translation>пропущено: його байти виходять за кінець архіву</translation>
    </message>
    <message>
        <source>left out: its name is not Windows-1251 text</source>
        <translation>пропущено: його ім&apos;я — не текст у Windows-1251</translation>
    </message>
    <message>
        <source>left out: its name leads out of the folder (absolute, or with ..)</source>
        <translation>пропущено: його ім&apos;я веде за межі теки (абсолютне або з ..)</translation>
    </message>
    <message>
        <source>compressed, not a sound</source>
        <translation>стиснутий, не звук</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>в архіві немає такого файлу</translation>
    </message>
    <message>
        <source>inside the archive %1: read-only; extract it to change it</source>
        <translation>всередині архіву %1: лише для читання; видобудьте його, щоб змінити</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>Game Sound Type</source>
        <translation>Тип звуку в грі</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Base Sound Volume</source>
        <translation>Базова гучність</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Гучність</translation>
    </message>
    <message>
        <source>Minimum Distance</source>
        <translation>Мін. відстань</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мін.</translation>
    </message>
    <message>
        <source>Maximum Distance</source>
        <translation>Макс. відстань</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>Maximum AI Distance</source>
        <translation>Макс. відстань ШІ</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>ШІ</translation>
    </message>
</context>
<context>
    <name>SoundTableEditor</name>
    <message numerus="yes">
        <source>%1 of %n sound(s)</source>
        <translation>
            <numerusform>%1 у %n звуку</numerusform>
            <numerusform>%1 у %n звуків</numerusform>
            <numerusform>%1 у %n звуків</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartRequest</name>
    <message>
        <source> Could not find %1; the working folder is listed.</source>
        <translation> Не знайдено: %1; показано робочу теку.</translation>
    </message>
    <message>
        <source> Could not open the folder %1; the working folder is listed.</source>
        <translation> Не вдалося відкрити теку %1; показано робочу теку.</translation>
    </message>
    <message>
        <source> Could not open the folder of %1; the working folder is listed.</source>
        <translation> Не вдалося відкрити теку файлу %1; показано робочу теку.</translation>
    </message>
</context>
<context>
    <name>kelvane::FolderOrArchiveDialog</name>
    <message>
        <source>Folders and game archives (*.db* *.xdb*)</source>
        <translation>Теки й архіви гри (*.db* *.xdb*)</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpDesk</name>
    <message>
        <source>for S.T.A.L.K.E.R. SoC/CS/CoP</source>
        <translation>для S.T.A.L.K.E.R. ТЧ/ЧН/ПП</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>The Kelvane developers</source>
        <translation>Розробники Kelvane</translation>
    </message>
    <message>
        <source>   Acknowledgements with great thanks:</source>
        <translation>   З великою вдячністю:</translation>
    </message>
    <message>
        <source>    Page checksum routine:</source>
        <translation>    Контрольна сума сторінок:</translation>
    </message>
    <message>
        <source>        (the Ogg framing document)</source>
        <translation>        (опис формату кадрів Ogg)</translation>
    </message>
    <message>
        <source>    File and comment structure:</source>
        <translation>    Будова файлу й коментарів:</translation>
    </message>
    <message>
        <source>        Xiph.Org, Vorbis I (the codec&apos;s reference)</source>
        <translation>        Xiph.Org, Vorbis I (довідник кодека)</translation>
    </message>
    <message>
        <source>        The game modding community</source>
        <translation>        Спільнота модерів гри</translation>
    </message>
    <message>
        <source> Could not find %1</source>
        <translation> Не знайдено: %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Could not read %1</source>
        <translation>Не вдалося прочитати %1</translation>
    </message>
</context>
<context>
    <name>kelvane::ImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Імпортувати</translation>
    </message>
    <message>
        <source>Import Sounds</source>
        <translation>Імпорт звуків</translation>
    </message>
    <message>
        <source>Make Game-Ready</source>
        <translation>Підготувати для гри</translation>
    </message>
    <message>
        <source>Each sound is encoded again at 44100 Hz and keeps its block. Encoding again loses a little quality; the sound as it was is kept as .bak when backups are made.</source>
        <translation>Кожен звук кодується знову з частотою 44100 Гц і зберігає свій блок. Повторне кодування трохи знижує якість; попередній звук зберігається як .bak, якщо увімкнено резервні копії.</translation>
    </message>
    <message>
        <source>Sources (WAV, AIFF, FLAC or Ogg):</source>
        <translation>Вихідні файли (WAV, AIFF, FLAC або Ogg):</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Додати...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Прибрати</translation>
    </message>
    <message>
        <source>Into folder:</source>
        <translation>У теку:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Огляд...</translation>
    </message>
    <message>
        <source>Vorbis quality from -1 to 10; the stock sounds are at 5 (about 96 kbps in mono).</source>
        <translation>Якість Vorbis від -1 до 10; стандартні звуки гри — 5 (близько 96 кбіт/с у моно).</translation>
    </message>
    <message>
        <source>Keep each sound&apos;s quality</source>
        <translation>Зберегти якість кожного звуку</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Якість:</translation>
    </message>
    <message>
        <source>Mono: a sound placed in the world</source>
        <translation>Моно: звук, розміщений у світі</translation>
    </message>
    <message>
        <source>Keep the channels: a sound in the player&apos;s head (music, the radio)</source>
        <translation>Зберегти канали: звук «у голові» гравця (музика, радіо)</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Канали:</translation>
    </message>
    <message>
        <source>The block of the new sounds</source>
        <translation>Блок нових звуків</translation>
    </message>
    <message>
        <source>Like a Sound...</source>
        <translation>Як у звуку...</translation>
    </message>
    <message>
        <source>The block of another sound, such as the stock sound the new one replaces</source>
        <translation>Блок іншого звуку, наприклад стандартного звуку, який замінює новий</translation>
    </message>
    <message>
        <source>An Ogg source with a block keeps its own</source>
        <translation>Вихідний Ogg з блоком зберігає свій</translation>
    </message>
    <message>
        <source>Add Sources</source>
        <translation>Додати вихідні файли</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.wave *.aif *.aiff *.aifc *.flac *.ogg *.oga)</source>
        <translation>Звуки (*.wav *.wave *.aif *.aiff *.aifc *.flac *.ogg *.oga)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>Into Folder</source>
        <translation>У теку</translation>
    </message>
    <message>
        <source>Like a Sound</source>
        <translation>Як у звуку</translation>
    </message>
    <message>
        <source>Ogg Vorbis sound files (*.ogg)</source>
        <translation>Звукові файли Ogg Vorbis (*.ogg)</translation>
    </message>
    <message>
        <source>%1 has no block to take.</source>
        <translation>У %1 немає блоку, який можна взяти.</translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) of these names are in the folder already. Replace them?</source>
        <translation>
            <numerusform>%n звук із такою назвою вже є в теці. Замінити?</numerusform>
            <numerusform>%n звуки з такими назвами вже є в теці. Замінити їх?</numerusform>
            <numerusform>%n звуків з такими назвами вже є в теці. Замінити їх?</numerusform>
        </translation>
    </message>
    <message>
        <source>No keeps them as they are and makes the others.</source>
        <translation>«Ні» залишить їх як є і створить решту.</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Кодування...</translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) could not be made.</source>
        <translation>
            <numerusform>Не вдалося створити %n звук.</numerusform>
            <numerusform>Не вдалося створити %n звуки.</numerusform>
            <numerusform>Не вдалося створити %n звуків.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Зупинка...</translation>
    </message>
</context>
<context>
    <name>kelvane::KelvaneApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
</context>
<context>
    <name>kelvane::KelvaneWindow</name>
    <message>
        <source>Explorer.exe /n,/e,</source>
        <translation>Explorer.exe /n,/e,</translation>
    </message>
    <message>
        <source> Floating point value is not valid.</source>
        <translation> Неприпустиме число з рухомою комою.</translation>
    </message>
    <message>
        <source>The data has changed</source>
        <translation>Дані змінено</translation>
    </message>
    <message>
        <source>Save changes first?</source>
        <translation>Спершу зберегти зміни?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Select Drive/Directory</source>
        <translation>Вибрати теку</translation>
    </message>
    <message>
        <source>Rename Originals with .bak</source>
        <translation>Лишати оригінали як .bak</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про Kelvane</translation>
    </message>
    <message>
        <source>Shift-click to open Explorer</source>
        <translation>Shift+клацання відкриє файловий менеджер</translation>
    </message>
    <message>
        <source>Make backups when saving|When a changed file is saved, the original can be renamed with .bak extension</source>
        <translation>Робити резервні копії під час збереження|Під час збереження зміненого файлу оригінал можна лишити з розширенням .bak</translation>
    </message>
    <message>
        <source>|Click for Open dialog, Shift-click to explore this dir, Ctrl-click to refresh list</source>
        <translation>|Клацання — вибір теки, Shift+клацання — відкрити теку у файловому менеджері, Ctrl+клацання — оновити список</translation>
    </message>
    <message>
        <source>Every sound of this folder and its sub-folders (Ctrl+R lists them again)|One row per sound of this folder and its sub-folders: sort, filter, and set fields of many sounds at once. Double-click a row to open it here.</source>
        <translation>Усі звуки цієї теки та вкладених тек (Ctrl+R — прочитати знову)|По рядку на кожен звук цієї теки та вкладених тек: сортування, фільтр і зміна полів одразу в багатьох звуків. Подвійне клацання на рядку відкриває звук тут.</translation>
    </message>
    <message>
        <source>All Sounds</source>
        <translation>Усі звуки</translation>
    </message>
    <message>
        <source>Import Sounds...</source>
        <translation>Імпорт звуків...</translation>
    </message>
    <message>
        <source>Make game sounds of WAV, AIFF, FLAC or Ogg files (or drop them on the list)|Each becomes an Ogg Vorbis sound at 44100 Hz, mono unless told otherwise, with the block chosen, in the folder chosen.</source>
        <translation>Зробити ігрові звуки з файлів WAV, AIFF, FLAC або Ogg (або перетягніть їх у список)|Кожен стає звуком Ogg Vorbis 44100 Гц, моно, якщо не вказано інше, з обраним блоком, в обраній теці.</translation>
    </message>
    <message numerus="yes">
        <source> Made %n game sound(s); %1 kept as they were; %2 failed.</source>
        <translation>
            <numerusform> Створено %n ігровий звук; залишено як є: %1; помилок: %2.</numerusform>
            <numerusform> Створено %n ігрові звуки; залишено як є: %1; помилок: %2.</numerusform>
            <numerusform> Створено %n ігрових звуків; залишено як є: %1; помилок: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n sound(s) encoded again at 44100 Hz.</source>
        <translation>
            <numerusform> %n звук знову закодовано з частотою 44100 Гц.</numerusform>
            <numerusform> %n звуки знову закодовано з частотою 44100 Гц.</numerusform>
            <numerusform> %n звуків знову закодовано з частотою 44100 Гц.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kelvane::RangeView</name>
    <message>
        <source> m</source>
        <translation> м</translation>
    </message>
    <message>
        <source>How loud the game plays the sound at each distance; click to listen from there</source>
        <translation>Наскільки гучно гра відтворює звук на кожній відстані; клацніть, щоб слухати звідти</translation>
    </message>
    <message>
        <source>%1: silent</source>
        <translation>%1: тиша</translation>
    </message>
    <message>
        <source>%1: %2 dB</source>
        <translation>%1: %2 дБ</translation>
    </message>
    <message>
        <source>no range: the distances are not valid</source>
        <translation>графік не побудовано: неприпустимі відстані</translation>
    </message>
    <message>
        <source>AI %1</source>
        <translation>ШІ %1</translation>
    </message>
    <message>
        <source>-40 dB at %1</source>
        <translation>-40 дБ на %1</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 дБ</translation>
    </message>
</context>
<context>
    <name>kelvane::SoundPage</name>
    <message>
        <source>Ogg Vorbis sound files (*.ogg)</source>
        <translation>Звукові файли Ogg Vorbis (*.ogg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Застосувати</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Повернути</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Вставити</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Зберегти &amp;як...</translation>
    </message>
    <message>
        <source>Sound File Info</source>
        <translation>Відомості</translation>
    </message>
    <message>
        <source>Click to play or stop the sound (Ctrl+Space)|Click here or press Ctrl+Space to play the sound at the base volume in the box (at most 1.0); again to stop. A file over 10 MiB is read in part and not played.</source>
        <translation>Клацання — прослухати чи зупинити звук (Ctrl+Пробіл)|Клацніть тут або натисніть Ctrl+Пробіл, щоб прослухати звук із базовою гучністю з поля (не більше 1,0); ще раз — зупинити. Файл понад 10 МіБ читається частково й не відтворюється.</translation>
    </message>
    <message>
        <source>Read-only details about the sound</source>
        <translation>Відомості про звук (лише читання)</translation>
    </message>
    <message>
        <source>Determines how AI will react|Determines how AI will react if they hear the sound.</source>
        <translation>Визначає реакцію ШІ|Визначає, як ШІ зреагує, якщо почує звук.</translation>
    </message>
    <message>
        <source>0.0 to 2.0, typically 1.0</source>
        <translation>від 0,0 до 2,0, зазвичай 1,0</translation>
    </message>
    <message>
        <source>Full volume up to here|You will still hear the sound at full volume up to this distance.</source>
        <translation>Повна гучність до цієї відстані|До цієї відстані звук чутно на повну гучність.</translation>
    </message>
    <message>
        <source>Still hear sound up to here|You will still be able to hear the sound up to this distance.</source>
        <translation>Звук чутно до цієї відстані|До цієї відстані звук ще можна почути.</translation>
    </message>
    <message>
        <source>AI will react up to this distance|Up to this distance, AI will &quot;hear&quot; the sound for certain sound types.</source>
        <translation>ШІ реагує до цієї відстані|До цієї відстані ШІ «чує» звуки деяких типів.</translation>
    </message>
    <message>
        <source>Shift-click for Save as...</source>
        <translation>Shift+клацання — зберегти як...</translation>
    </message>
    <message>
        <source>Restore original file attributes</source>
        <translation>Повернути атрибути з файлу</translation>
    </message>
    <message>
        <source>Make a copy of these attributes</source>
        <translation>Запам&apos;ятати ці атрибути</translation>
    </message>
    <message>
        <source>Use previously-copied attributes</source>
        <translation>Вставити запам&apos;ятовані атрибути</translation>
    </message>
    <message>
        <source>&lt; No File Selected &gt;</source>
        <translation>‹ Файл не вибрано ›</translation>
    </message>
    <message>
        <source> %1 is not an .ogg sound listed here; its folder is listed.</source>
        <translation> %1 — не звук .ogg з цього списку; показано його теку.</translation>
    </message>
    <message>
        <source>Changing directory to </source>
        <translation>Перехід до теки </translation>
    </message>
    <message>
        <source> Could not open the folder %1</source>
        <translation> Не вдалося відкрити теку %1</translation>
    </message>
    <message>
        <source> Nothing written -- nothing changed!</source>
        <translation> Нічого не записано — нічого не змінилося!</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Відновити резервну копію...</translation>
    </message>
    <message>
        <source>Put the backup %1.bak back in the place of %1?</source>
        <translation>Повернути резервну копію %1.bak на місце %1?</translation>
    </message>
    <message>
        <source>The sound there now is kept as %1.newer, unless it is the same as the backup.</source>
        <translation>Поточний звук збережеться як %1.newer, якщо він відрізняється від копії.</translation>
    </message>
    <message>
        <source>Changes not applied are dropped.</source>
        <translation>Незастосовані зміни буде втрачено.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Відновлення резервної копії</translation>
    </message>
    <message>
        <source> %1 is as its backup was.</source>
        <translation> %1 відновлено з резервної копії.</translation>
    </message>
    <message>
        <source> %1 is as its backup was; the sound that was there is kept as %2.</source>
        <translation> %1 відновлено з резервної копії; попередній звук збережено як %2.</translation>
    </message>
    <message>
        <source>Backup: %1.bak (the file list&apos;s menu restores it)</source>
        <translation>Резервна копія: %1.bak (відновлюється з меню списку файлів)</translation>
    </message>
    <message>
        <source> Ctrl-click Select Drive/Directory to reload it.</source>
        <translation> Ctrl+клацання на «Вибрати теку» завантажить його знову.</translation>
    </message>
    <message>
        <source> Wrote %1 bytes</source>
        <translation> Записано байтів: %1</translation>
    </message>
    <message>
        <source> Saved; %1.</source>
        <translation> Збережено; %1.</translation>
    </message>
    <message>
        <source>Stops the game: %1</source>
        <translation>Виліт гри: %1</translation>
    </message>
    <message>
        <source>Make Game-Ready...</source>
        <translation>Підготувати для гри...</translation>
    </message>
    <message>
        <source>Make Game-Ready</source>
        <translation>Підготувати для гри</translation>
    </message>
</context>
<context>
    <name>kelvane::SoundPreview</name>
    <message>
        <source>Length: </source>
        <translation>Тривалість: </translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>с</translation>
    </message>
    <message>
        <source>read in part: not decoded</source>
        <translation>прочитано частково: не декодовано</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>не декодується</translation>
    </message>
    <message>
        <source> A file over 10 MiB is read in part and cannot be played.</source>
        <translation> Файл понад 10 МіБ прочитано частково, його не можна відтворити.</translation>
    </message>
    <message>
        <source> The sound cannot be decoded: </source>
        <translation> Звук не декодується: </translation>
    </message>
    <message>
        <source> No audio output is available.</source>
        <translation> Немає пристрою виведення звуку.</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> на %1</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Дальність</translation>
    </message>
    <message>
        <source>How loud the game plays the sound at each distance, from the values in the boxes; click the picture to listen from there</source>
        <translation>Наскільки гучно гра відтворює звук на кожній відстані, за значеннями в полях; клацніть по графіку, щоб слухати звідти</translation>
    </message>
</context>
<context>
    <name>kelvane::SoundTableModel</name>
    <message>
        <source>ok</source>
        <translation>у нормі</translation>
    </message>
    <message>
        <source>bad checksum</source>
        <translation>неправильна контрольна сума</translation>
    </message>
    <message>
        <source>no block</source>
        <translation>немає блока</translation>
    </message>
    <message>
        <source>older block</source>
        <translation>старий блок</translation>
    </message>
    <message>
        <source>view-only</source>
        <translation>лише перегляд</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>відхилено</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Канали</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Тривалість</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>с</translation>
    </message>
    <message>
        <source>stops the game</source>
        <translation>виліт гри</translation>
    </message>
    <message>
        <source>%1, stops the game</source>
        <translation>%1, виліт гри</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>only in the mod</source>
        <translation>лише в моді</translation>
    </message>
    <message>
        <source>stock: %1</source>
        <translation>оригінал: %1</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Архів</translation>
    </message>
</context>
<context>
    <name>kelvane::SoundTablePanel</name>
    <message>
        <source>unchanged</source>
        <translation>не змінювати</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v з %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(не змінювати)</translation>
    </message>
    <message>
        <source>Apply to Selected</source>
        <translation>Застосувати до вибраних</translation>
    </message>
    <message>
        <source>Sets the filled-in fields in every selected sound; each sound keeps its own value of a field left empty</source>
        <translation>Записує заповнені поля в кожен вибраний звук; у порожніх полях кожен звук зберігає власне значення</translation>
    </message>
    <message>
        <source>Filter: a part of the path</source>
        <translation>Фільтр: частина шляху</translation>
    </message>
    <message>
        <source>Warnings only</source>
        <translation>Лише з попередженнями</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Канали</translation>
    </message>
    <message>
        <source> The sounds are being written; list them again when that is done.</source>
        <translation> Звуки записуються; прочитайте їх знову, коли запис закінчиться.</translation>
    </message>
    <message>
        <source> Listing the sounds of %1</source>
        <translation> Читання звуків теки %1</translation>
    </message>
    <message>
        <source> Cancelled: the others are as they were.</source>
        <translation> Скасовано: інші звуки не зачеплено.</translation>
    </message>
    <message>
        <source> Their rows say why.</source>
        <translation> Причину вказано в їхніх рядках.</translation>
    </message>
    <message>
        <source> Fill in what to set; an empty field keeps each sound&apos;s own value.</source>
        <translation> Заповніть те, що треба задати; порожнє поле кожен звук зберігає своїм.</translation>
    </message>
    <message>
        <source> Select the sounds to change first.</source>
        <translation> Спершу виберіть звуки, які треба змінити.</translation>
    </message>
    <message>
        <source>Restore Backups of Selected...</source>
        <translation>Відновити резервні копії вибраних...</translation>
    </message>
    <message>
        <source>Restore Backups</source>
        <translation>Відновлення резервних копій</translation>
    </message>
    <message numerus="yes">
        <source>Put the .bak backups of %n selected sound(s) back in their places?</source>
        <translation>
            <numerusform>Повернути на місце резервні копії .bak %n вибраного звуку?</numerusform>
            <numerusform>Повернути на місце резервні копії .bak %n вибраних звуків?</numerusform>
            <numerusform>Повернути на місце резервні копії .bak %n вибраних звуків?</numerusform>
        </translation>
    </message>
    <message>
        <source>Each sound that differs from its backup is kept as .newer beside it.</source>
        <translation>Кожен звук, що відрізняється від своєї копії, зберігається поруч як .newer.</translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) could not be restored.</source>
        <translation>
            <numerusform>Не вдалося відновити %n звук.</numerusform>
            <numerusform>Не вдалося відновити %n звуки.</numerusform>
            <numerusform>Не вдалося відновити %n звуків.</numerusform>
        </translation>
    </message>
    <message>
        <source> Restored %1; %2 without a backup; %3 not restored.</source>
        <translation> Відновлено: %1; без резервної копії: %2; не відновлено: %3.</translation>
    </message>
    <message>
        <source>Stops the game</source>
        <translation>Виліт гри</translation>
    </message>
    <message>
        <source>Only the sounds the game stops on: a value it refuses, or a file its decoder cannot open</source>
        <translation>Лише звуки, на яких гра вилетить: значення, якого вона не приймає, або файл, який не може відкрити її декодер</translation>
    </message>
    <message>
        <source>Text anywhere in the path, or a pattern with * and ?: *reload*, weapons/ak74/*</source>
        <translation>Текст у будь-якому місці шляху або шаблон із * та ?: *reload*, weapons/ak74/*</translation>
    </message>
    <message>
        <source>Remove Backups of Selected...</source>
        <translation>Видалити резервні копії вибраних...</translation>
    </message>
    <message>
        <source>Remove Backups</source>
        <translation>Видалення резервних копій</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n .bak and .newer file(s) beside the selected sounds?</source>
        <translation>
            <numerusform>Видалити %n файл .bak і .newer поруч із вибраними звуками?</numerusform>
            <numerusform>Видалити %n файли .bak і .newer поруч із вибраними звуками?</numerusform>
            <numerusform>Видалити %n файлів .bak і .newer поруч із вибраними звуками?</numerusform>
        </translation>
    </message>
    <message>
        <source>They cannot be brought back; the sounds stay as they are.</source>
        <translation>Повернути їх буде неможливо; самі звуки не зміняться.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be removed.</source>
        <translation>
            <numerusform>Не вдалося видалити %n файл.</numerusform>
            <numerusform>Не вдалося видалити %n файли.</numerusform>
            <numerusform>Не вдалося видалити %n файлів.</numerusform>
        </translation>
    </message>
    <message>
        <source> Removed %1 backup files; %2 not removed.</source>
        <translation> Видалено резервних файлів: %1; не видалено: %2.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Apply Edits</source>
        <translation>Застосувати правки</translation>
    </message>
    <message>
        <source>Writes every edit made in the cells</source>
        <translation>Записує всі правки, зроблені в клітинках</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Скинути правки</translation>
    </message>
    <message>
        <source>Drops every edit not yet written</source>
        <translation>Відкидає всі ще не записані правки</translation>
    </message>
    <message>
        <source> Not changed: %1: %2</source>
        <translation> Не змінено: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n edit(s) not written</source>
        <translation>
            <numerusform>%n правку не записано</numerusform>
            <numerusform>%n правки не записано</numerusform>
            <numerusform>%n правок не записано</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Відтворити</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Показати у файловому менеджері</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Копіювати шлях</translation>
    </message>
    <message>
        <source>Take Stock Values</source>
        <translation>Взяти значення з гри</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Порівняти з...</translation>
    </message>
    <message>
        <source>Pairs each sound with the sound of the same path below another folder, such as the game&apos;s unpacked gamedata/sounds, and tints the values that differ</source>
        <translation>Зіставляє кожен звук зі звуком за тим самим шляхом в іншій теці, наприклад у розпакованій gamedata/sounds гри, і підсвічує відмінні значення</translation>
    </message>
    <message>
        <source>All sounds</source>
        <translation>Усі звуки</translation>
    </message>
    <message>
        <source>Differs from stock</source>
        <translation>Відрізняється від оригіналу</translation>
    </message>
    <message>
        <source>Only in mod</source>
        <translation>Лише в моді</translation>
    </message>
    <message>
        <source>Stop Comparing</source>
        <translation>Завершити порівняння</translation>
    </message>
    <message>
        <source>Compare with the Stock Sounds</source>
        <translation>Порівняння зі звуками гри</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Теку %1 неможливо прочитати.</translation>
    </message>
    <message>
        <source>%1 is the folder listed. Choose the stock sounds to compare it with, such as the game&apos;s unpacked gamedata/sounds.</source>
        <translation>%1 — це показана тека. Виберіть звуки гри для порівняння, наприклад розпаковану gamedata/sounds гри.</translation>
    </message>
    <message>
        <source> Reading the stock sounds of %1</source>
        <translation> Читання звуків гри з %1</translation>
    </message>
    <message>
        <source> Comparison cancelled.</source>
        <translation> Порівняння скасовано.</translation>
    </message>
    <message>
        <source>%1 holds no sounds to compare with.</source>
        <translation>У %1 немає звуків для порівняння.</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Порівнюється з %1</translation>
    </message>
    <message>
        <source> No stock sound has the path of the selected sounds.</source>
        <translation> Жоден звук гри не має шляху вибраних звуків.</translation>
    </message>
    <message numerus="yes">
        <source>stock values of %n sound(s)</source>
        <translation>
            <numerusform>значення гри для %n звуку</numerusform>
            <numerusform>значення гри для %n звуків</numerusform>
            <numerusform>значення гри для %n звуків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Writing %n sound(s)</source>
        <translation>
            <numerusform> Запис звуків: %n</numerusform>
            <numerusform> Запис звуків: %n</numerusform>
            <numerusform> Запис звуків: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Listing cancelled: %1 of %n sound(s) listed.</source>
        <translation>
            <numerusform> Читання скасовано: прочитано звуків — %1 з %n.</numerusform>
            <numerusform> Читання скасовано: прочитано звуків — %1 з %n.</numerusform>
            <numerusform> Читання скасовано: прочитано звуків — %1 з %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Listed %n sound(s) of %1</source>
        <translation>
            <numerusform> Прочитано звуків: %n, тека %1</numerusform>
            <numerusform> Прочитано звуків: %n, тека %1</numerusform>
            <numerusform> Прочитано звуків: %n, тека %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Wrote %n sound(s), %1 unchanged, %2 not written.</source>
        <translation>
            <numerusform> Записано звуків: %n, без змін: %1, не записано: %2.</numerusform>
            <numerusform> Записано звуків: %n, без змін: %1, не записано: %2.</numerusform>
            <numerusform> Записано звуків: %n, без змін: %1, не записано: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Compared with %1: %n sound(s) differ, %2 only in the mod.</source>
        <translation>
            <numerusform> Порівняння з %1: відмінних звуків: %n, лише в моді: %2.</numerusform>
            <numerusform> Порівняння з %1: відмінних звуків: %n, лише в моді: %2.</numerusform>
            <numerusform> Порівняння з %1: відмінних звуків: %n, лише в моді: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n sound(s)</source>
        <comment>shown of listed</comment>
        <translation>
            <numerusform>звуків: %1 з %n</numerusform>
            <numerusform>звуків: %1 з %n</numerusform>
            <numerusform>звуків: %1 з %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected sounds have no .bak or .newer files.</source>
        <translation>Вибрані звуки не мають файлів .bak і .newer.</translation>
    </message>
    <message numerus="yes">
        <source>%n backup file(s) of this folder tree have no sound beside them; they stay until you remove them yourself (see the details).</source>
        <translation>
            <numerusform>%n резервна копія в цій теці та її підтеках лежить без звуку поруч; вона залишиться, доки ви не видалите її самі (див. подробиці).</numerusform>
            <numerusform>%n резервні копії в цій теці та її підтеках лежать без звуку поруч; вони залишаться, доки ви не видалите їх самі (див. подробиці).</numerusform>
            <numerusform>%n резервних копій у цій теці та її підтеках лежать без звуку поруч; вони залишаться, доки ви не видалите їх самі (див. подробиці).</numerusform>
        </translation>
    </message>
    <message>
        <source>Make Game-Ready...</source>
        <translation>Підготувати для гри...</translation>
    </message>
    <message>
        <source> The selected sounds are at 44100 Hz in mono already.</source>
        <translation> Вибрані звуки вже в 44100 Гц і моно.</translation>
    </message>
    <message>
        <source>Extracting the sounds...</source>
        <translation>Видобування звуків...</translation>
    </message>
    <message>
        <source> The selected sounds are not inside a game archive.</source>
        <translation> Вибрані звуки не лежать в архіві гри.</translation>
    </message>
    <message>
        <source>Extract to Mod: the Mod&apos;s gamedata Folder</source>
        <translation>Видобути в мод: тека gamedata мода</translation>
    </message>
    <message>
        <source>Extract to Mod</source>
        <translation>Видобути в мод</translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) extracted into %1; they are the mod&apos;s own now, ready to edit.</source>
        <translation>
            <numerusform>%n звук видобуто в %1; тепер він належить моду й готовий до правки.</numerusform>
            <numerusform>%n звуки видобуто в %1; тепер вони належать моду й готові до правки.</numerusform>
            <numerusform>%n звуків видобуто в %1; тепер вони належать моду й готові до правки.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept as they were: a file of that name is there already.</source>
        <translation>
            <numerusform>%n залишено як був: файл із такою назвою вже є.</numerusform>
            <numerusform>%n залишено як були: файли з такими назвами вже є.</numerusform>
            <numerusform>%n залишено як були: файли з такими назвами вже є.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be extracted.</source>
        <translation>
            <numerusform>%n не вдалося видобути.</numerusform>
            <numerusform>%n не вдалося видобути.</numerusform>
            <numerusform>%n не вдалося видобути.</numerusform>
        </translation>
    </message>
    <message>
        <source> Extracted %1 sounds into %2; %3 kept, %4 failed.</source>
        <translation> Видобуто звуків у %2: %1; залишено: %3, з помилкою: %4.</translation>
    </message>
    <message>
        <source>Extract to Mod...</source>
        <translation>Видобути в мод...</translation>
    </message>
    <message>
        <source>The archive %1 cannot be read.</source>
        <translation>Архів %1 неможливо прочитати.</translation>
    </message>
</context>
</TS>
