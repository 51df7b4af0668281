<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CoreText</name>
    <message>
        <source>Number of channels:  %1 (* not for SoC *)</source>
        <translation>Число каналов:  %1 (* не для ТЧ *)</translation>
    </message>
    <message>
        <source>Number of channels:  %1 </source>
        <translation>Число каналов:  %1 </translation>
    </message>
    <message>
        <source>Audio sample rate:     %1 Hz</source>
        <translation>Частота дискретизации:  %1 Гц</translation>
    </message>
    <message>
        <source>Nominal bitrate:           %1</source>
        <translation>Номинальный битрейт:     %1</translation>
    </message>
    <message>
        <source>Min/max bitrate:           %1 / %2</source>
        <translation>Мин./макс. битрейт:      %1 / %2</translation>
    </message>
    <message>
        <source>Vendor:</source>
        <translation>Кодировщик:</translation>
    </message>
    <message>
        <source>File size:                        %1 bytes</source>
        <translation>Размер файла:                     %1 байт</translation>
    </message>
    <message>
        <source>Comment CRC:           %1 (File)</source>
        <translation>CRC комментария:       %1 (в файле)</translation>
    </message>
    <message>
        <source>Comment CRC:           %1 (Calculated)</source>
        <translation>CRC комментария:       %1 (вычислена)</translation>
    </message>
    <message>
        <source>New file size:                %1 bytes (when saved)</source>
        <translation>Новый размер файла:           %1 байт (после сохранения)</translation>
    </message>
    <message>
        <source>  ** Inserted new segment lacing byte **</source>
        <translation>  ** Добавлен новый байт таблицы сегментов **</translation>
    </message>
    <message>
        <source> Read %1 bytes. </source>
        <translation> Прочитано байт: %1. </translation>
    </message>
    <message>
        <source>Large file, reading just headers.</source>
        <translation>Большой файл, прочитаны только заголовки.</translation>
    </message>
    <message>
        <source>Not an Ogg file.</source>
        <translation>Это не файл Ogg.</translation>
    </message>
    <message>
        <source>Not a valid Ogg sound file.</source>
        <translation>Это некорректный звуковой файл Ogg.</translation>
    </message>
    <message>
        <source>Not a valid Ogg sound file; no comment page segments.</source>
        <translation>Это некорректный звуковой файл Ogg: на странице комментария нет сегментов.</translation>
    </message>
    <message>
        <source>Not a valid Ogg sound file; it ends too early.</source>
        <translation>Это некорректный звуковой файл Ogg: файл обрывается слишком рано.</translation>
    </message>
    <message>
        <source> Invalid Ogg Vorbis comment header char: %1</source>
        <translation> Недопустимый символ в заголовке комментария Ogg Vorbis: %1</translation>
    </message>
    <message>
        <source>File has a bad CRC checksum. Click Apply to fix.</source>
        <translation>Неверная контрольная сумма. Нажмите «Применить».</translation>
    </message>
    <message>
        <source> File size &gt; %1 bytes; not a GSC sound - it cannot be viewed/edited.</source>
        <translation> Размер файла &gt; %1 байт; это не звук GSC, его нельзя просмотреть или изменить.</translation>
    </message>
    <message>
        <source>Comment block inserted.  Adjust values and click Apply to fix.</source>
        <translation>Добавлен блок комментария.  Задайте значения и нажмите «Применить».</translation>
    </message>
    <message>
        <source>Older comment block turned into a version %1 block.  Click Apply to save it.</source>
        <translation>Старый блок комментария превращён в блок версии %1.  Нажмите «Применить», чтобы сохранить.</translation>
    </message>
    <message>
        <source>Comment block cannot be inserted: the comment header does not fit on page %1.</source>
        <translation>Блок комментария нельзя добавить: заголовок комментария не помещается на странице %1.</translation>
    </message>
    <message>
        <source>Comment block does not lie on page %1; the file cannot be edited.</source>
        <translation>Блок комментария лежит не на странице %1; файл нельзя изменить.</translation>
    </message>
    <message>
        <source>Could not open file for reading.</source>
        <translation>Не удалось открыть файл для чтения.</translation>
    </message>
    <message>
        <source>Could not scan file for reading.</source>
        <translation>Не удалось прочитать файл.</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>в порядке</translation>
    </message>
    <message>
        <source>bad checksum</source>
        <translation>неверная контрольная сумма</translation>
    </message>
    <message>
        <source>no block</source>
        <translation>нет блока</translation>
    </message>
    <message>
        <source>older block, version %1</source>
        <translation>старый блок, версия %1</translation>
    </message>
    <message>
        <source>over %1 MiB, view only</source>
        <translation>больше %1 МиБ, только просмотр</translation>
    </message>
    <message>
        <source>changed on disk since it was listed; not written</source>
        <translation>изменён на диске после чтения списка; не записан</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>larger than %1 MiB: shown, never written</source>
        <translation>больше %1 МиБ: показывается, но не записывается</translation>
    </message>
    <message>
        <source>maximum distance below %1: the game stops with &quot;Invalid max distance&quot;</source>
        <translation>максимальное расстояние меньше %1: игра вылетит с ошибкой «Invalid max distance»</translation>
    </message>
    <message>
        <source>maximum AI distance below %1: the game stops with &quot;Invalid max distance&quot;</source>
        <translation>максимальное расстояние для ИИ меньше %1: игра вылетит с ошибкой «Invalid max distance»</translation>
    </message>
    <message>
        <source>type code %1 is not in the list: it shows as undefined, and saving in the window writes undefined</source>
        <translation>кода типа %1 нет в списке: он показан как undefined, и при сохранении в окне записывается undefined</translation>
    </message>
    <message>
        <source>older block of version %1, which the game still reads</source>
        <translation>старый блок версии %1, игра его ещё читает</translation>
    </message>
    <message>
        <source>the first comment is not an attribute block (the game plays the sound with its defaults: minimum 1, maximum 300, volume 1, AI 300, type 0)</source>
        <translation>первый комментарий — не блок атрибутов (игра воспроизводит звук со значениями движка по умолчанию: минимум 1, максимум 300, громкость 1, ИИ 300, тип 0)</translation>
    </message>
    <message>
        <source>no attribute block (the game plays the sound with its defaults: minimum 1, maximum 300, volume 1, AI 300, type 0)</source>
        <translation>нет блока атрибутов (игра воспроизводит звук со значениями движка по умолчанию: минимум 1, максимум 300, громкость 1, ИИ 300, тип 0)</translation>
    </message>
    <message>
        <source>sample rate %1 Hz: the stock games load only %2 Hz</source>
        <translation>частота %1 Гц: оригинальные игры загружают только %2 Гц</translation>
    </message>
    <message>
        <source>%1 channels: the first game plays only mono sounds; the later games play stereo only as sounds in the player&apos;s head</source>
        <translation>каналов: %1; первая игра (ТЧ) воспроизводит только моно, поздние игры воспроизводят стерео только как звук «в голове» игрока</translation>
    </message>
    <message>
        <source> Must be valid floating point value from %1 to %2</source>
        <translation> Нужно число с плавающей точкой от %1 до %2</translation>
    </message>
    <message>
        <source> Number value must be equal to or greater than minimum</source>
        <translation> Число должно быть не меньше минимального</translation>
    </message>
    <message>
        <source> Number value must be equal to or greater than %1</source>
        <translation> Число должно быть не меньше %1</translation>
    </message>
    <message>
        <source>the file ended before its size</source>
        <translation>файл короче заявленного размера</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>файл изменился во время чтения</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>the folder could not be flushed to the disk</source>
        <translation>папку не удалось сбросить на диск</translation>
    </message>
    <message>
        <source>its owner and group could not be kept</source>
        <translation>не удалось сохранить владельца и группу</translation>
    </message>
    <message>
        <source>its owner could not be kept</source>
        <translation>не удалось сохранить владельца</translation>
    </message>
    <message>
        <source>some of its extended attributes could not be kept</source>
        <translation>часть расширенных атрибутов не удалось сохранить</translation>
    </message>
    <message>
        <source>its permissions could not be kept</source>
        <translation>не удалось сохранить права доступа</translation>
    </message>
    <message>
        <source>the symbolic link points at nothing</source>
        <translation>символическая ссылка никуда не указывает</translation>
    </message>
    <message>
        <source>the sound cannot be written</source>
        <translation>звук нельзя записать</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>Older comment block longer than a version %1 block; it is left as it is.</source>
        <translation>Старый блок комментария длиннее блока версии %1; он оставлен как есть.</translation>
    </message>
    <message>
        <source>the first comment starts with version %1 but holds only %2 bytes: the game reads past its end, and may stop</source>
        <translation>первый комментарий начинается с версии %1, но содержит лишь %2 байт: игра читает за его концом и может вылететь</translation>
    </message>
    <message>
        <source>not restored</source>
        <translation>не восстановлен</translation>
    </message>
    <message>
        <source>not restored: the backup is not a regular file</source>
        <translation>не восстановлен: резервная копия — не обычный файл</translation>
    </message>
    <message>
        <source>not restored: its .newer name is taken; move that file away first</source>
        <translation>не восстановлен: имя .newer уже занято; сначала уберите тот файл</translation>
    </message>
    <message>
        <source>not restored: the disk could not be flushed</source>
        <translation>не восстановлен: не удалось сбросить данные на диск</translation>
    </message>
    <message>
        <source>changed on disk since it was read; not restored</source>
        <translation>изменён на диске после чтения; не восстановлен</translation>
    </message>
    <message>
        <source>stops the game</source>
        <translation>вылет игры</translation>
    </message>
    <message>
        <source>the page %1 checksum is wrong: the game&apos;s decoder cannot open the file until it is repaired</source>
        <translation>неверная контрольная сумма страницы %1: декодер игры не откроет файл, пока она не исправлена</translation>
    </message>
    <message>
        <source>the identification header breaks the decoder&apos;s rules: the game cannot open the file</source>
        <translation>заголовок идентификации нарушает правила декодера: игра не сможет открыть файл</translation>
    </message>
    <message>
        <source>a length or count in the comment header runs past its end: the game cannot open the file</source>
        <translation>длина или число комментариев в заголовке комментариев выходят за его конец: игра не сможет открыть файл</translation>
    </message>
    <message>
        <source>the file ends inside its headers: the game cannot open it</source>
        <translation>файл обрывается внутри заголовков: игра не сможет его открыть</translation>
    </message>
    <message>
        <source>A problem occurred opening or reading file %1</source>
        <translation>Ошибка при открытии или чтении файла %1</translation>
    </message>
    <message>
        <source> Problem creating/writing updated file %1</source>
        <translation> Ошибка при создании или записи обновлённого файла %1</translation>
    </message>
    <message>
        <source> %1 changed on disk after it was loaded; nothing was written.</source>
        <translation> %1 изменён на диске после загрузки; ничего не записано.</translation>
    </message>
    <message>
        <source> %1 is open in another program; nothing was written. Close it there and save again.</source>
        <translation> %1 открыт в другой программе; ничего не записано. Закройте его там и сохраните снова.</translation>
    </message>
    <message>
        <source> Backup %1 (%2) could not be made; nothing was written.</source>
        <translation> Резервную копию %1 (%2) сделать не удалось; ничего не записано.</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>отклонён: %1</translation>
    </message>
    <message>
        <source>view only: %1</source>
        <translation>только просмотр: %1</translation>
    </message>
    <message>
        <source>%1, stops the game</source>
        <translation>%1, вылет игры</translation>
    </message>
    <message>
        <source>the folder cannot be read (%1)</source>
        <translation>папку нельзя прочитать (%1)</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8, so it cannot be opened; rename it to include it</source>
        <translation>имя не в кодировке UTF-8, файл нельзя открыть; переименуйте его, чтобы он попал в список</translation>
    </message>
    <message>
        <source>a link to a folder listed already, not listed again</source>
        <translation>ссылка на уже прочитанную папку, повторно не читается</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>Не записан: %1</translation>
    </message>
    <message>
        <source>its attributes could not be kept</source>
        <translation>не удалось сохранить атрибуты файла</translation>
    </message>
    <message>
        <source>no backup: %1 is not a regular file</source>
        <translation>нет резервной копии: %1 — не обычный файл</translation>
    </message>
    <message>
        <source>%1 other hard link to %2 keeps the old sound</source>
        <translation>ещё жёстких ссылок на %2, хранящих старый звук: %1</translation>
    </message>
    <message>
        <source>%1 other hard links to %2 keep the old sound</source>
        <translation>ещё жёстких ссылок на %2, хранящих старый звук: %1</translation>
    </message>
    <message>
        <source>%1; the backup it made could not be removed</source>
        <translation>%1; созданную резервную копию не удалось удалить</translation>
    </message>
    <message>
        <source>AI distance %1 is beyond the maximum distance %2: NPCs hear what the player cannot</source>
        <translation>расстояние для ИИ %1 больше максимального расстояния %2: NPC слышат то, чего не слышит игрок</translation>
    </message>
    <message>
        <source>%1 dB at the maximum distance: the sound is heard to cut off there</source>
        <translation>%1 дБ на максимальном расстоянии: слышно, как звук там обрывается</translation>
    </message>
    <message>
        <source>page 1 is not marked as the start of the stream: the game cannot open the file</source>
        <translation>страница 1 не помечена как начало потока: игра не сможет открыть файл</translation>
    </message>
    <message>
        <source>page 2 belongs to another stream (its serial number differs): the game cannot open the file</source>
        <translation>страница 2 относится к другому потоку (у неё другой серийный номер): игра не сможет открыть файл</translation>
    </message>
    <message>
        <source>page 2 does not follow page 1 in sequence: the game cannot open the file</source>
        <translation>номер страницы 2 не следует за номером страницы 1: игра не сможет открыть файл</translation>
    </message>
    <message>
        <source>page 2 is marked as continuing a packet, which loses the comment header: the game cannot open the file</source>
        <translation>страница 2 помечена как продолжение пакета, и заголовок комментариев теряется: игра не сможет открыть файл</translation>
    </message>
    <message>
        <source>the old sound could not be removed and stays as %1</source>
        <translation>старый звук не удалось удалить, он остался как %1</translation>
    </message>
    <message>
        <source>not finished: the backup is in place, but its .bak name could not be removed; restore again to finish</source>
        <translation>не завершено: резервная копия на месте, но имя .bak удалить не удалось; повторите восстановление, чтобы завершить его</translation>
    </message>
    <message>
        <source>minimum distance %1 and maximum distance %2 are no range: how far the sound carries cannot be told</source>
        <translation>минимальное расстояние %1 и максимальное расстояние %2 не задают дальность: насколько далеко слышен звук, сказать нельзя</translation>
    </message>
    <message>
        <source>volume %1 is out of range 0.0 to 2.0</source>
        <translation>громкость %1 вне диапазона от 0,0 до 2,0</translation>
    </message>
    <message>
        <source>minimum distance %1 is below 0</source>
        <translation>минимальное расстояние %1 меньше 0</translation>
    </message>
    <message>
        <source>maximum distance %1 is below minimum distance %2</source>
        <translation>максимальное расстояние %1 меньше минимального расстояния %2</translation>
    </message>
    <message>
        <source>maximum AI distance %1 is below 0</source>
        <translation>максимальное расстояние ИИ %1 меньше 0</translation>
    </message>
    <message>
        <source>not a sound this program reads (%1)</source>
        <translation>не звук, который читает эта программа (%1)</translation>
    </message>
    <message>
        <source>the sound cannot be read to its end (%1)</source>
        <translation>звук не читается до конца (%1)</translation>
    </message>
    <message>
        <source>the sound holds no samples</source>
        <translation>в звуке нет ни одного сэмпла</translation>
    </message>
    <message>
        <source>the sound has %1 channels; the game plays 1 or 2 (mix it down to mono)</source>
        <translation>в звуке %1 каналов; игра играет 1 или 2 (сведите его в моно)</translation>
    </message>
    <message>
        <source>longer than an hour</source>
        <translation>длиннее часа</translation>
    </message>
    <message>
        <source>the source is the file to be written; choose another name</source>
        <translation>исходный файл совпадает с записываемым; выберите другое имя</translation>
    </message>
    <message>
        <source>kept, already there</source>
        <translation>оставлен, уже есть</translation>
    </message>
    <message>
        <source>left as it is: at 44100 Hz already, with the channels asked for</source>
        <translation>оставлен как есть: уже 44100 Гц, с нужными каналами</translation>
    </message>
    <message>
        <source>the archive is cut short: it ends inside a chunk&apos;s header</source>
        <translation>архив обрезан: он кончается внутри заголовка блока</translation>
    </message>
    <message>
        <source>the archive is cut short: a chunk runs past its end</source>
        <translation>архив обрезан: блок выходит за его конец</translation>
    </message>
    <message>
        <source>not a game archive: it holds no file list</source>
        <translation>не архив игры: в нём нет списка файлов</translation>
    </message>
    <message>
        <source>the archive&apos;s file list is damaged</source>
        <translation>список файлов архива повреждён</translation>
    </message>
    <message>
        <source>the archive&apos;s file list is encrypted with a key this program does not know</source>
        <translation>список файлов архива зашифрован ключом, неизвестным этой программе</translation>
    </message>
    <message>
        <source>the archive cannot be read</source>
        <translation>архив не удаётся прочитать</translation>
    </message>
    <message>
        <source>left out: the game does not load this archive (auto_load = false)</source>
        <translation>пропущен: игра не загружает этот архив (auto_load = false)</translation>
    </message>
    <message>
        <source>left out: its bytes run past the archive&apos;s end</source>
        <translation>пропущен: его байты выходят за конец архива</translation>
    </message>
    <message>
        <source>left out: its name is not Windows-1251 text</source>
        <translation>пропущен: его имя — не текст в Windows-1251</translation>
    </message>
    <message>
        <source>left out: its name leads out of the folder (absolute, or with ..)</source>
        <translation>пропущен: его имя ведёт за пределы папки (абсолютное или с ..)</translation>
    </message>
    <message>
        <source>compressed, not a sound</source>
        <translation>сжат, не звук</translation>
    </message>
    <message>
        <source>the archive holds no such file</source>
        <translation>в архиве нет такого файла</translation>
    </message>
    <message>
        <source>inside the archive %1: read-only; extract it to change it</source>
        <translation>внутри архива %1: только для чтения; извлеките его, чтобы изменить</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>Game Sound Type</source>
        <translation>Тип звука в игре</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Base Sound Volume</source>
        <translation>Базовая громкость</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Minimum Distance</source>
        <translation>Мин. расстояние</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Maximum Distance</source>
        <translation>Макс. расстояние</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>Maximum AI Distance</source>
        <translation>Макс. расстояние ИИ</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>ИИ</translation>
    </message>
</context>
<context>
    <name>SoundTableEditor</name>
    <message numerus="yes">
        <source>%1 of %n sound(s)</source>
        <translation>
            <numerusform>%1 у %n звука</numerusform>
            <numerusform>%1 у %n звуков</numerusform>
            <numerusform>%1 у %n звуков</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartRequest</name>
    <message>
        <source> Could not find %1; the working folder is listed.</source>
        <translation> Не найдено: %1; показана рабочая папка.</translation>
    </message>
    <message>
        <source> Could not open the folder %1; the working folder is listed.</source>
        <translation> Не удалось открыть папку %1; показана рабочая папка.</translation>
    </message>
    <message>
        <source> Could not open the folder of %1; the working folder is listed.</source>
        <translation> Не удалось открыть папку файла %1; показана рабочая папка.</translation>
    </message>
</context>
<context>
    <name>kelvane::FolderOrArchiveDialog</name>
    <message>
        <source>Folders and game archives (*.db* *.xdb*)</source>
        <translation>Папки и архивы игры (*.db* *.xdb*)</translation>
    </message>
</context>
<context>
    <name>kelvane::HelpDesk</name>
    <message>
        <source>for S.T.A.L.K.E.R. SoC/CS/CoP</source>
        <translation>для S.T.A.L.K.E.R. ТЧ/ЧН/ЗП</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>The Kelvane developers</source>
        <translation>Разработчики Kelvane</translation>
    </message>
    <message>
        <source>   Acknowledgements with great thanks:</source>
        <translation>   С большой благодарностью:</translation>
    </message>
    <message>
        <source>    Page checksum routine:</source>
        <translation>    Контрольная сумма страниц:</translation>
    </message>
    <message>
        <source>        (the Ogg framing document)</source>
        <translation>        (описание формата кадров Ogg)</translation>
    </message>
    <message>
        <source>    File and comment structure:</source>
        <translation>    Устройство файла и комментариев:</translation>
    </message>
    <message>
        <source>        Xiph.Org, Vorbis I (the codec&apos;s reference)</source>
        <translation>        Xiph.Org, Vorbis I (справочник по кодеку)</translation>
    </message>
    <message>
        <source>        The game modding community</source>
        <translation>        Сообщество моддеров игры</translation>
    </message>
    <message>
        <source> Could not find %1</source>
        <translation> Не найдено: %1</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Could not read %1</source>
        <translation>Не удалось прочитать %1</translation>
    </message>
</context>
<context>
    <name>kelvane::ImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Импортировать</translation>
    </message>
    <message>
        <source>Import Sounds</source>
        <translation>Импорт звуков</translation>
    </message>
    <message>
        <source>Make Game-Ready</source>
        <translation>Подготовить для игры</translation>
    </message>
    <message>
        <source>Each sound is encoded again at 44100 Hz and keeps its block. Encoding again loses a little quality; the sound as it was is kept as .bak when backups are made.</source>
        <translation>Каждый звук кодируется заново с частотой 44100 Гц и сохраняет свой блок. Повторное кодирование немного снижает качество; прежний звук сохраняется как .bak, если включены резервные копии.</translation>
    </message>
    <message>
        <source>Sources (WAV, AIFF, FLAC or Ogg):</source>
        <translation>Исходные файлы (WAV, AIFF, FLAC или Ogg):</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Добавить...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Into folder:</source>
        <translation>В папку:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Vorbis quality from -1 to 10; the stock sounds are at 5 (about 96 kbps in mono).</source>
        <translation>Качество Vorbis от -1 до 10; стандартные звуки игры — 5 (около 96 кбит/с в моно).</translation>
    </message>
    <message>
        <source>Keep each sound&apos;s quality</source>
        <translation>Сохранить качество каждого звука</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>Mono: a sound placed in the world</source>
        <translation>Моно: звук, размещённый в мире</translation>
    </message>
    <message>
        <source>Keep the channels: a sound in the player&apos;s head (music, the radio)</source>
        <translation>Сохранить каналы: звук «в голове» игрока (музыка, радио)</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Каналы:</translation>
    </message>
    <message>
        <source>The block of the new sounds</source>
        <translation>Блок новых звуков</translation>
    </message>
    <message>
        <source>Like a Sound...</source>
        <translation>Как у звука...</translation>
    </message>
    <message>
        <source>The block of another sound, such as the stock sound the new one replaces</source>
        <translation>Блок другого звука, например стандартного звука, который заменяет новый</translation>
    </message>
    <message>
        <source>An Ogg source with a block keeps its own</source>
        <translation>Исходный Ogg с блоком сохраняет свой</translation>
    </message>
    <message>
        <source>Add Sources</source>
        <translation>Добавить исходные файлы</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.wave *.aif *.aiff *.aifc *.flac *.ogg *.oga)</source>
        <translation>Звуки (*.wav *.wave *.aif *.aiff *.aifc *.flac *.ogg *.oga)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Into Folder</source>
        <translation>В папку</translation>
    </message>
    <message>
        <source>Like a Sound</source>
        <translation>Как у звука</translation>
    </message>
    <message>
        <source>Ogg Vorbis sound files (*.ogg)</source>
        <translation>Звуковые файлы Ogg Vorbis (*.ogg)</translation>
    </message>
    <message>
        <source>%1 has no block to take.</source>
        <translation>У %1 нет блока, который можно взять.</translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) of these names are in the folder already. Replace them?</source>
        <translation>
            <numerusform>%n звук с таким именем уже есть в папке. Заменить?</numerusform>
            <numerusform>%n звука с такими именами уже есть в папке. Заменить их?</numerusform>
            <numerusform>%n звуков с такими именами уже есть в папке. Заменить их?</numerusform>
        </translation>
    </message>
    <message>
        <source>No keeps them as they are and makes the others.</source>
        <translation>«Нет» оставит их как есть и создаст остальные.</translation>
    </message>
    <message>
        <source>Encoding...</source>
        <translation>Кодирование...</translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) could not be made.</source>
        <translation>
            <numerusform>Не удалось создать %n звук.</numerusform>
            <numerusform>Не удалось создать %n звука.</numerusform>
            <numerusform>Не удалось создать %n звуков.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Остановка...</translation>
    </message>
</context>
<context>
    <name>kelvane::KelvaneApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
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
        <translation> Недопустимое число с плавающей точкой.</translation>
    </message>
    <message>
        <source>The data has changed</source>
        <translation>Данные изменены</translation>
    </message>
    <message>
        <source>Save changes first?</source>
        <translation>Сначала сохранить изменения?</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Select Drive/Directory</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Rename Originals with .bak</source>
        <translation>Оставлять оригиналы как .bak</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О Kelvane</translation>
    </message>
    <message>
        <source>Shift-click to open Explorer</source>
        <translation>Shift+щелчок откроет файловый менеджер</translation>
    </message>
    <message>
        <source>Make backups when saving|When a changed file is saved, the original can be renamed with .bak extension</source>
        <translation>Делать резервные копии при сохранении|При сохранении изменённого файла оригинал можно оставить с расширением .bak</translation>
    </message>
    <message>
        <source>|Click for Open dialog, Shift-click to explore this dir, Ctrl-click to refresh list</source>
        <translation>|Щелчок — выбор папки, Shift+щелчок — открыть папку в файловом менеджере, Ctrl+щелчок — обновить список</translation>
    </message>
    <message>
        <source>Every sound of this folder and its sub-folders (Ctrl+R lists them again)|One row per sound of this folder and its sub-folders: sort, filter, and set fields of many sounds at once. Double-click a row to open it here.</source>
        <translation>Все звуки этой папки и вложенных папок (Ctrl+R — прочитать заново)|По строке на каждый звук этой папки и вложенных папок: сортировка, фильтр и изменение полей сразу у многих звуков. Двойной щелчок по строке открывает звук здесь.</translation>
    </message>
    <message>
        <source>All Sounds</source>
        <translation>Все звуки</translation>
    </message>
    <message>
        <source>Import Sounds...</source>
        <translation>Импорт звуков...</translation>
    </message>
    <message>
        <source>Make game sounds of WAV, AIFF, FLAC or Ogg files (or drop them on the list)|Each becomes an Ogg Vorbis sound at 44100 Hz, mono unless told otherwise, with the block chosen, in the folder chosen.</source>
        <translation>Сделать игровые звуки из файлов WAV, AIFF, FLAC или Ogg (или перетащите их в список)|Каждый становится звуком Ogg Vorbis 44100 Гц, моно, если не указано иное, с выбранным блоком, в выбранной папке.</translation>
    </message>
    <message numerus="yes">
        <source> Made %n game sound(s); %1 kept as they were; %2 failed.</source>
        <translation>
            <numerusform> Создан %n игровой звук; оставлено как есть: %1; ошибок: %2.</numerusform>
            <numerusform> Создано %n игровых звука; оставлено как есть: %1; ошибок: %2.</numerusform>
            <numerusform> Создано %n игровых звуков; оставлено как есть: %1; ошибок: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n sound(s) encoded again at 44100 Hz.</source>
        <translation>
            <numerusform> %n звук заново закодирован с частотой 44100 Гц.</numerusform>
            <numerusform> %n звука заново закодированы с частотой 44100 Гц.</numerusform>
            <numerusform> %n звуков заново закодированы с частотой 44100 Гц.</numerusform>
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
        <translation>Насколько громко игра воспроизводит звук на каждом расстоянии; щёлкните, чтобы слушать оттуда</translation>
    </message>
    <message>
        <source>%1: silent</source>
        <translation>%1: тишина</translation>
    </message>
    <message>
        <source>%1: %2 dB</source>
        <translation>%1: %2 дБ</translation>
    </message>
    <message>
        <source>no range: the distances are not valid</source>
        <translation>график не построен: недопустимые расстояния</translation>
    </message>
    <message>
        <source>AI %1</source>
        <translation>ИИ %1</translation>
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
        <translation>Звуковые файлы Ogg Vorbis (*.ogg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Вернуть</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Sound File Info</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>Click to play or stop the sound (Ctrl+Space)|Click here or press Ctrl+Space to play the sound at the base volume in the box (at most 1.0); again to stop. A file over 10 MiB is read in part and not played.</source>
        <translation>Щелчок — прослушать или остановить звук (Ctrl+Пробел)|Щёлкните здесь или нажмите Ctrl+Пробел, чтобы прослушать звук с базовой громкостью из поля (не больше 1,0); ещё раз — остановить. Файл больше 10 МиБ читается частично и не воспроизводится.</translation>
    </message>
    <message>
        <source>Read-only details about the sound</source>
        <translation>Сведения о звуке (только чтение)</translation>
    </message>
    <message>
        <source>Determines how AI will react|Determines how AI will react if they hear the sound.</source>
        <translation>Определяет реакцию ИИ|Определяет, как ИИ отреагирует, если услышит звук.</translation>
    </message>
    <message>
        <source>0.0 to 2.0, typically 1.0</source>
        <translation>от 0,0 до 2,0, обычно 1,0</translation>
    </message>
    <message>
        <source>Full volume up to here|You will still hear the sound at full volume up to this distance.</source>
        <translation>Полная громкость до этого расстояния|До этого расстояния звук слышен в полную громкость.</translation>
    </message>
    <message>
        <source>Still hear sound up to here|You will still be able to hear the sound up to this distance.</source>
        <translation>Звук слышен до этого расстояния|До этого расстояния звук ещё можно услышать.</translation>
    </message>
    <message>
        <source>AI will react up to this distance|Up to this distance, AI will &quot;hear&quot; the sound for certain sound types.</source>
        <translation>ИИ реагирует до этого расстояния|До этого расстояния ИИ «слышит» звуки некоторых типов.</translation>
    </message>
    <message>
        <source>Shift-click for Save as...</source>
        <translation>Shift+щелчок — сохранить как...</translation>
    </message>
    <message>
        <source>Restore original file attributes</source>
        <translation>Вернуть атрибуты из файла</translation>
    </message>
    <message>
        <source>Make a copy of these attributes</source>
        <translation>Запомнить эти атрибуты</translation>
    </message>
    <message>
        <source>Use previously-copied attributes</source>
        <translation>Вставить запомненные атрибуты</translation>
    </message>
    <message>
        <source>&lt; No File Selected &gt;</source>
        <translation>‹ Файл не выбран ›</translation>
    </message>
    <message>
        <source> %1 is not an .ogg sound listed here; its folder is listed.</source>
        <translation> %1 — не звук .ogg из этого списка; показана его папка.</translation>
    </message>
    <message>
        <source>Changing directory to </source>
        <translation>Переход в папку </translation>
    </message>
    <message>
        <source> Could not open the folder %1</source>
        <translation> Не удалось открыть папку %1</translation>
    </message>
    <message>
        <source> Nothing written -- nothing changed!</source>
        <translation> Ничего не записано — ничего не изменилось!</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Восстановить резервную копию...</translation>
    </message>
    <message>
        <source>Put the backup %1.bak back in the place of %1?</source>
        <translation>Вернуть резервную копию %1.bak на место %1?</translation>
    </message>
    <message>
        <source>The sound there now is kept as %1.newer, unless it is the same as the backup.</source>
        <translation>Текущий звук сохранится как %1.newer, если он отличается от копии.</translation>
    </message>
    <message>
        <source>Changes not applied are dropped.</source>
        <translation>Непримененные изменения будут потеряны.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Восстановление резервной копии</translation>
    </message>
    <message>
        <source> %1 is as its backup was.</source>
        <translation> %1 восстановлен из резервной копии.</translation>
    </message>
    <message>
        <source> %1 is as its backup was; the sound that was there is kept as %2.</source>
        <translation> %1 восстановлен из резервной копии; прежний звук сохранён как %2.</translation>
    </message>
    <message>
        <source>Backup: %1.bak (the file list&apos;s menu restores it)</source>
        <translation>Резервная копия: %1.bak (восстанавливается из меню списка файлов)</translation>
    </message>
    <message>
        <source> Ctrl-click Select Drive/Directory to reload it.</source>
        <translation> Ctrl+щелчок по «Выбрать папку» загрузит его заново.</translation>
    </message>
    <message>
        <source> Wrote %1 bytes</source>
        <translation> Записано байт: %1</translation>
    </message>
    <message>
        <source> Saved; %1.</source>
        <translation> Сохранено; %1.</translation>
    </message>
    <message>
        <source>Stops the game: %1</source>
        <translation>Вылет игры: %1</translation>
    </message>
    <message>
        <source>Make Game-Ready...</source>
        <translation>Подготовить для игры...</translation>
    </message>
    <message>
        <source>Make Game-Ready</source>
        <translation>Подготовить для игры</translation>
    </message>
</context>
<context>
    <name>kelvane::SoundPreview</name>
    <message>
        <source>Length: </source>
        <translation>Длительность: </translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>с</translation>
    </message>
    <message>
        <source>read in part: not decoded</source>
        <translation>прочитан частично: не декодирован</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>не декодируется</translation>
    </message>
    <message>
        <source> A file over 10 MiB is read in part and cannot be played.</source>
        <translation> Файл больше 10 МиБ прочитан частично и не воспроизводится.</translation>
    </message>
    <message>
        <source> The sound cannot be decoded: </source>
        <translation> Звук не декодируется: </translation>
    </message>
    <message>
        <source> No audio output is available.</source>
        <translation> Нет устройства вывода звука.</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> на %1</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Дальность</translation>
    </message>
    <message>
        <source>How loud the game plays the sound at each distance, from the values in the boxes; click the picture to listen from there</source>
        <translation>Насколько громко игра воспроизводит звук на каждом расстоянии, по значениям в полях; щёлкните по графику, чтобы слушать оттуда</translation>
    </message>
</context>
<context>
    <name>kelvane::SoundTableModel</name>
    <message>
        <source>ok</source>
        <translation>в порядке</translation>
    </message>
    <message>
        <source>bad checksum</source>
        <translation>неверная контрольная сумма</translation>
    </message>
    <message>
        <source>no block</source>
        <translation>нет блока</translation>
    </message>
    <message>
        <source>older block</source>
        <translation>старый блок</translation>
    </message>
    <message>
        <source>view-only</source>
        <translation>только просмотр</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>отклонён</translation>
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
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>s</source>
        <comment>seconds</comment>
        <translation>с</translation>
    </message>
    <message>
        <source>stops the game</source>
        <translation>вылет игры</translation>
    </message>
    <message>
        <source>%1, stops the game</source>
        <translation>%1, вылет игры</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Предупреждения</translation>
    </message>
    <message>
        <source>only in the mod</source>
        <translation>только в моде</translation>
    </message>
    <message>
        <source>stock: %1</source>
        <translation>оригинал: %1</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Архив</translation>
    </message>
</context>
<context>
    <name>kelvane::SoundTablePanel</name>
    <message>
        <source>unchanged</source>
        <translation>не менять</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v из %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(не менять)</translation>
    </message>
    <message>
        <source>Apply to Selected</source>
        <translation>Применить к выбранным</translation>
    </message>
    <message>
        <source>Sets the filled-in fields in every selected sound; each sound keeps its own value of a field left empty</source>
        <translation>Записывает заполненные поля в каждый выбранный звук; в незаполненных полях у каждого звука остаётся его значение</translation>
    </message>
    <message>
        <source>Filter: a part of the path</source>
        <translation>Фильтр: часть пути</translation>
    </message>
    <message>
        <source>Warnings only</source>
        <translation>Только с предупреждениями</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source> The sounds are being written; list them again when that is done.</source>
        <translation> Звуки записываются; прочитайте их заново, когда запись закончится.</translation>
    </message>
    <message>
        <source> Listing the sounds of %1</source>
        <translation> Чтение звуков папки %1</translation>
    </message>
    <message>
        <source> Cancelled: the others are as they were.</source>
        <translation> Отменено: остальные звуки не тронуты.</translation>
    </message>
    <message>
        <source> Their rows say why.</source>
        <translation> Причина указана в их строках.</translation>
    </message>
    <message>
        <source> Fill in what to set; an empty field keeps each sound&apos;s own value.</source>
        <translation> Заполните то, что нужно задать; в незаполненных полях у каждого звука остаётся его значение.</translation>
    </message>
    <message>
        <source> Select the sounds to change first.</source>
        <translation> Сначала выберите звуки, которые нужно изменить.</translation>
    </message>
    <message>
        <source>Restore Backups of Selected...</source>
        <translation>Восстановить резервные копии выбранных...</translation>
    </message>
    <message>
        <source>Restore Backups</source>
        <translation>Восстановление резервных копий</translation>
    </message>
    <message numerus="yes">
        <source>Put the .bak backups of %n selected sound(s) back in their places?</source>
        <translation>
            <numerusform>Вернуть на место резервные копии .bak %n выбранного звука?</numerusform>
            <numerusform>Вернуть на место резервные копии .bak %n выбранных звуков?</numerusform>
            <numerusform>Вернуть на место резервные копии .bak %n выбранных звуков?</numerusform>
        </translation>
    </message>
    <message>
        <source>Each sound that differs from its backup is kept as .newer beside it.</source>
        <translation>Каждый звук, отличающийся от своей копии, сохраняется рядом как .newer.</translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) could not be restored.</source>
        <translation>
            <numerusform>Не удалось восстановить %n звук.</numerusform>
            <numerusform>Не удалось восстановить %n звука.</numerusform>
            <numerusform>Не удалось восстановить %n звуков.</numerusform>
        </translation>
    </message>
    <message>
        <source> Restored %1; %2 without a backup; %3 not restored.</source>
        <translation> Восстановлено: %1; без резервной копии: %2; не восстановлено: %3.</translation>
    </message>
    <message>
        <source>Stops the game</source>
        <translation>Вылет игры</translation>
    </message>
    <message>
        <source>Only the sounds the game stops on: a value it refuses, or a file its decoder cannot open</source>
        <translation>Только звуки, на которых игра вылетит: значение, которое она не принимает, или файл, который не может открыть её декодер</translation>
    </message>
    <message>
        <source>Text anywhere in the path, or a pattern with * and ?: *reload*, weapons/ak74/*</source>
        <translation>Текст в любом месте пути или шаблон с * и ?: *reload*, weapons/ak74/*</translation>
    </message>
    <message>
        <source>Remove Backups of Selected...</source>
        <translation>Удалить резервные копии выбранных...</translation>
    </message>
    <message>
        <source>Remove Backups</source>
        <translation>Удаление резервных копий</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n .bak and .newer file(s) beside the selected sounds?</source>
        <translation>
            <numerusform>Удалить %n файл .bak и .newer рядом с выбранными звуками?</numerusform>
            <numerusform>Удалить %n файла .bak и .newer рядом с выбранными звуками?</numerusform>
            <numerusform>Удалить %n файлов .bak и .newer рядом с выбранными звуками?</numerusform>
        </translation>
    </message>
    <message>
        <source>They cannot be brought back; the sounds stay as they are.</source>
        <translation>Вернуть их будет нельзя; сами звуки не изменятся.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be removed.</source>
        <translation>
            <numerusform>Не удалось удалить %n файл.</numerusform>
            <numerusform>Не удалось удалить %n файла.</numerusform>
            <numerusform>Не удалось удалить %n файлов.</numerusform>
        </translation>
    </message>
    <message>
        <source> Removed %1 backup files; %2 not removed.</source>
        <translation> Удалено резервных файлов: %1; не удалено: %2.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Apply Edits</source>
        <translation>Применить правки</translation>
    </message>
    <message>
        <source>Writes every edit made in the cells</source>
        <translation>Записывает все правки, сделанные в ячейках</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Сбросить правки</translation>
    </message>
    <message>
        <source>Drops every edit not yet written</source>
        <translation>Отбрасывает все ещё не записанные правки</translation>
    </message>
    <message>
        <source> Not changed: %1: %2</source>
        <translation> Не изменено: %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n edit(s) not written</source>
        <translation>
            <numerusform>%n правка не записана</numerusform>
            <numerusform>%n правки не записаны</numerusform>
            <numerusform>%n правок не записано</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Показать в файловом менеджере</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Копировать путь</translation>
    </message>
    <message>
        <source>Take Stock Values</source>
        <translation>Взять значения из игры</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Сравнить с...</translation>
    </message>
    <message>
        <source>Pairs each sound with the sound of the same path below another folder, such as the game&apos;s unpacked gamedata/sounds, and tints the values that differ</source>
        <translation>Сопоставляет каждый звук со звуком по тому же пути в другой папке, например в распакованной gamedata/sounds игры, и подсвечивает отличающиеся значения</translation>
    </message>
    <message>
        <source>All sounds</source>
        <translation>Все звуки</translation>
    </message>
    <message>
        <source>Differs from stock</source>
        <translation>Отличается от оригинала</translation>
    </message>
    <message>
        <source>Only in mod</source>
        <translation>Только в моде</translation>
    </message>
    <message>
        <source>Stop Comparing</source>
        <translation>Закончить сравнение</translation>
    </message>
    <message>
        <source>Compare with the Stock Sounds</source>
        <translation>Сравнение со звуками игры</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Папку %1 нельзя прочитать.</translation>
    </message>
    <message>
        <source>%1 is the folder listed. Choose the stock sounds to compare it with, such as the game&apos;s unpacked gamedata/sounds.</source>
        <translation>%1 — это показанная папка. Выберите звуки игры для сравнения, например распакованную gamedata/sounds игры.</translation>
    </message>
    <message>
        <source> Reading the stock sounds of %1</source>
        <translation> Чтение звуков игры из %1</translation>
    </message>
    <message>
        <source> Comparison cancelled.</source>
        <translation> Сравнение отменено.</translation>
    </message>
    <message>
        <source>%1 holds no sounds to compare with.</source>
        <translation>В %1 нет звуков для сравнения.</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Сравнивается с %1</translation>
    </message>
    <message>
        <source> No stock sound has the path of the selected sounds.</source>
        <translation> Ни у одного звука игры нет пути выбранных звуков.</translation>
    </message>
    <message numerus="yes">
        <source>stock values of %n sound(s)</source>
        <translation>
            <numerusform>значения игры для %n звука</numerusform>
            <numerusform>значения игры для %n звуков</numerusform>
            <numerusform>значения игры для %n звуков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Writing %n sound(s)</source>
        <translation>
            <numerusform> Запись звуков: %n</numerusform>
            <numerusform> Запись звуков: %n</numerusform>
            <numerusform> Запись звуков: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Listing cancelled: %1 of %n sound(s) listed.</source>
        <translation>
            <numerusform> Чтение отменено: прочитано звуков — %1 из %n.</numerusform>
            <numerusform> Чтение отменено: прочитано звуков — %1 из %n.</numerusform>
            <numerusform> Чтение отменено: прочитано звуков — %1 из %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Listed %n sound(s) of %1</source>
        <translation>
            <numerusform> Прочитано звуков: %n, папка %1</numerusform>
            <numerusform> Прочитано звуков: %n, папка %1</numerusform>
            <numerusform> Прочитано звуков: %n, папка %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Wrote %n sound(s), %1 unchanged, %2 not written.</source>
        <translation>
            <numerusform> Записано звуков: %n, без изменений: %1, не записано: %2.</numerusform>
            <numerusform> Записано звуков: %n, без изменений: %1, не записано: %2.</numerusform>
            <numerusform> Записано звуков: %n, без изменений: %1, не записано: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Compared with %1: %n sound(s) differ, %2 only in the mod.</source>
        <translation>
            <numerusform> Сравнение с %1: отличающихся звуков: %n, только в моде: %2.</numerusform>
            <numerusform> Сравнение с %1: отличающихся звуков: %n, только в моде: %2.</numerusform>
            <numerusform> Сравнение с %1: отличающихся звуков: %n, только в моде: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n sound(s)</source>
        <comment>shown of listed</comment>
        <translation>
            <numerusform>звуков: %1 из %n</numerusform>
            <numerusform>звуков: %1 из %n</numerusform>
            <numerusform>звуков: %1 из %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected sounds have no .bak or .newer files.</source>
        <translation>У выбранных звуков нет файлов .bak и .newer.</translation>
    </message>
    <message numerus="yes">
        <source>%n backup file(s) of this folder tree have no sound beside them; they stay until you remove them yourself (see the details).</source>
        <translation>
            <numerusform>%n резервная копия в этой папке и её подпапках лежит без звука рядом; она останется, пока вы не удалите её сами (см. подробности).</numerusform>
            <numerusform>%n резервные копии в этой папке и её подпапках лежат без звука рядом; они останутся, пока вы не удалите их сами (см. подробности).</numerusform>
            <numerusform>%n резервных копий в этой папке и её подпапках лежат без звука рядом; они останутся, пока вы не удалите их сами (см. подробности).</numerusform>
        </translation>
    </message>
    <message>
        <source>Make Game-Ready...</source>
        <translation>Подготовить для игры...</translation>
    </message>
    <message>
        <source> The selected sounds are at 44100 Hz in mono already.</source>
        <translation> Выбранные звуки уже в 44100 Гц и моно.</translation>
    </message>
    <message>
        <source>Extracting the sounds...</source>
        <translation>Извлечение звуков...</translation>
    </message>
    <message>
        <source> The selected sounds are not inside a game archive.</source>
        <translation> Выбранные звуки не лежат в архиве игры.</translation>
    </message>
    <message>
        <source>Extract to Mod: the Mod&apos;s gamedata Folder</source>
        <translation>Извлечь в мод: папка gamedata мода</translation>
    </message>
    <message>
        <source>Extract to Mod</source>
        <translation>Извлечь в мод</translation>
    </message>
    <message numerus="yes">
        <source>%n sound(s) extracted into %1; they are the mod&apos;s own now, ready to edit.</source>
        <translation>
            <numerusform>%n звук извлечён в %1; теперь он принадлежит моду и готов к правке.</numerusform>
            <numerusform>%n звука извлечено в %1; теперь они принадлежат моду и готовы к правке.</numerusform>
            <numerusform>%n звуков извлечено в %1; теперь они принадлежат моду и готовы к правке.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept as they were: a file of that name is there already.</source>
        <translation>
            <numerusform>%n оставлен как был: файл с таким именем уже есть.</numerusform>
            <numerusform>%n оставлено как были: файлы с такими именами уже есть.</numerusform>
            <numerusform>%n оставлено как были: файлы с такими именами уже есть.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be extracted.</source>
        <translation>
            <numerusform>%n не удалось извлечь.</numerusform>
            <numerusform>%n не удалось извлечь.</numerusform>
            <numerusform>%n не удалось извлечь.</numerusform>
        </translation>
    </message>
    <message>
        <source> Extracted %1 sounds into %2; %3 kept, %4 failed.</source>
        <translation> Извлечено звуков в %2: %1; оставлено: %3, с ошибкой: %4.</translation>
    </message>
    <message>
        <source>Extract to Mod...</source>
        <translation>Извлечь в мод...</translation>
    </message>
    <message>
        <source>The archive %1 cannot be read.</source>
        <translation>Архив %1 нельзя прочитать.</translation>
    </message>
</context>
</TS>
