<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>turnpixa::CAnimationDlg</name>
    <message>
        <source>Animated Image</source>
        <translation>Анимированное изображение</translation>
    </message>
    <message>
        <source>An animated image turns by itself, from the start image on, on pages and listings that take no scripts. It is written into the frame folder and uploaded with the frames.</source>
        <translation>Анимированное изображение вращается само, начиная с начального снимка, на страницах и в объявлениях, где скрипты запрещены. Оно записывается в папку кадров и загружается вместе с кадрами.</translation>
    </message>
    <message>
        <source>GIF (spin.gif): every browser and marketplace</source>
        <translation>GIF (spin.gif): любой браузер и любая площадка</translation>
    </message>
    <message>
        <source>WebP (spin.webp): a fraction of the size</source>
        <translation>WebP (spin.webp): во много раз меньше</translation>
    </message>
    <message>
        <source> px</source>
        <translation> пикс.</translation>
    </message>
    <message>
        <source>The frames are %1 pixels wide; other widths are rendered from the photos.</source>
        <translation>Кадры шириной %1 пикселей; другая ширина создаётся из снимков.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> мс</translation>
    </message>
    <message>
        <source>Turn the other way</source>
        <translation>Вращать в другую сторону</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Форматы</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Time per frame</source>
        <translation>Время на кадр</translation>
    </message>
    <message>
        <source>No animated image is made.</source>
        <translation>Анимированное изображение не создаётся.</translation>
    </message>
    <message>
        <source>No animated image is made from now on; the ones written stay in the frame folder but are not uploaded.</source>
        <translation>С этого момента анимированное изображение не создаётся; уже записанные остаются в папке кадров, но не загружаются.</translation>
    </message>
    <message>
        <source>OK writes it into the frame folder of the saved image now, and again with every save.</source>
        <translation>OK записывает его в папку кадров сохранённого изображения сейчас и снова при каждом сохранении.</translation>
    </message>
    <message>
        <source>It is written with the image at the next save.</source>
        <translation>Оно будет записано вместе с изображением при следующем сохранении.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CCheckUpdatesDlg</name>
    <message>
        <source>Check for Updates</source>
        <translation>Проверка обновлений</translation>
    </message>
    <message>
        <source>TurnPixa can automatically detect when a new version is available.

Is it OK to access the internet to check for updates?</source>
        <translation>TurnPixa может сама узнавать о выходе новой версии.

Разрешить программе обращаться к интернету для проверки обновлений?</translation>
    </message>
    <message>
        <source>Yes, automatically check for updates?</source>
        <translation>Да, проверять обновления автоматически?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Проверить сейчас</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CEditDlg</name>
    <message>
        <source>Step4: Edit TurnPixa</source>
        <translation>Шаг 4: Обработка TurnPixa</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>All Images</source>
        <translation>Все снимки</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Этот снимок</translation>
    </message>
    <message>
        <source>Even out lightness</source>
        <translation>Выровнять яркость</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Background Removal</source>
        <translation>Удаление фона</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Цвет...</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Прозрачный</translation>
    </message>
    <message>
        <source>Soft Edge Frame</source>
        <translation>Мягкая рамка</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Select this box to use the Background Removal option.

TurnPixa will analyse the image to automatically determine which part is the background.

This will work best when the background is fairly uniform. Use the slider to increase or decrease the removal.</source>
        <translation>Отметьте этот флажок, чтобы удалить фон.

TurnPixa проанализирует снимок и сама определит, какая его часть является фоном.

Лучше всего это получается на достаточно однородном фоне. Ползунком можно удалить больше или меньше фона.</translation>
    </message>
    <message>
        <source>Click here to choose a new colour for the background.

This colour will replace the background.</source>
        <translation>Нажмите, чтобы выбрать новый цвет фона.

Этим цветом будет заменён фон.</translation>
    </message>
    <message>
        <source>Select this box to leave no background at all: PNG and WebP frames show the page behind the object.

JPG frames cannot be transparent.</source>
        <translation>Отметьте этот флажок, чтобы не оставлять фона совсем: в кадрах PNG и WebP за объектом будет видна страница.

Кадры JPG не могут быть прозрачными.</translation>
    </message>
    <message>
        <source>This slider controls how much background is removed.

Slide to the right to remove more background.
Slide to the left if too much is removed.</source>
        <translation>Этот ползунок определяет, сколько фона удаляется.

Сдвиньте вправо, чтобы удалить больше фона.
Сдвиньте влево, если удаляется слишком много.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CFileThumbnailDlg</name>
    <message>
        <source>All raster files (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</source>
        <translation>Все растровые файлы (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</translation>
    </message>
    <message>
        <source>BMP Files (*.bmp *.BMP)</source>
        <translation>Файлы BMP (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif *.GIF)</source>
        <translation>Файлы GIF (*.gif *.GIF)</translation>
    </message>
    <message>
        <source>Tagged Image File Format - TIFF (*.tif *.tiff *.TIF *.TIFF)</source>
        <translation>Tagged Image File Format - TIFF (*.tif *.tiff *.TIF *.TIFF)</translation>
    </message>
    <message>
        <source>JPEG/JFIF (*.jpg *.jpeg *.JPG *.JPEG)</source>
        <translation>JPEG/JFIF (*.jpg *.jpeg *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>Portable Network Graphic (*.png *.PNG)</source>
        <translation>Portable Network Graphic (*.png *.PNG)</translation>
    </message>
    <message>
        <source>WebP (*.webp *.WEBP)</source>
        <translation>WebP (*.webp *.WEBP)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>turnpixa::CFramePackDlg</name>
    <message>
        <source>Frame Pack</source>
        <translation>Набор кадров</translation>
    </message>
    <message>
        <source>The frames of one turn at equal steps, made from your photos with every setting, as JPEG files 01.jpg, 02.jpg ... in one zip file: for shops and marketplaces that take a spin as a set of numbered frames. Each step shows the photo nearest to its angle.</source>
        <translation>Кадры одного оборота через равные шаги, сделанные из ваших снимков со всеми настройками, в виде файлов JPEG 01.jpg, 02.jpg ... в одном zip-файле: для магазинов и площадок, принимающих вращение как набор пронумерованных кадров. На каждом шаге — снимок, ближайший к его углу.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> пикс.</translation>
    </message>
    <message>
        <source>Most marketplaces show frames of 1000 to 2000 pixels with a zoom. Wider than your photos, the frames are enlarged and less sharp.</source>
        <translation>Большинство площадок показывают кадры шириной от 1000 до 2000 пикселей с увеличением. Если кадры шире ваших снимков, они увеличиваются и становятся менее резкими.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>%v of %m frames</source>
        <translation>%v из %m кадров</translation>
    </message>
    <message>
        <source>Write Pack</source>
        <translation>Записать набор</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Кадры</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>x %1 px</source>
        <translation>x %1 пикс.</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)</source>
        <translation>Файлы zip (*.zip)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>The frame pack could not be written.

%1</source>
        <translation>Не удалось записать набор кадров.

%1</translation>
    </message>
    <message>
        <source>Saved a frame pack of %1 frames (%2 x %3) to %4</source>
        <translation>Набор кадров (кадров: %1, %2 x %3) сохранён в %4</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Примечание: </translation>
    </message>
</context>
<context>
    <name>turnpixa::CImportDlg</name>
    <message>
        <source>Step 2: Load Photos</source>
        <translation>Шаг 2: Загрузка снимков</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Acquire...</source>
        <translation>Получить...</translation>
    </message>
    <message>
        <source>Scan pages from a scanner or take them from a camera.</source>
        <translation>Отсканировать страницы на сканере или взять снимки с камеры.</translation>
    </message>
    <message>
        <source>Remove All Images...</source>
        <translation>Удалить все снимки...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
    <message>
        <source>Step 2: Load your photos.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Use the Browse or Acquire button<byte value="xd"/>
<byte value="xd"/>
 or drag-and-drop files onto this window)</source>
        <translation>Шаг 2: Загрузите свои снимки.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Нажмите «Обзор» или «Получить»<byte value="xd"/>
<byte value="xd"/>
 или перетащите файлы в это окно)</translation>
    </message>
    <message>
        <source>Loading %1 of %2: %3</source>
        <translation>Загрузка %1 из %2: %3</translation>
    </message>
    <message>
        <source>%1: loaded, but damaged: %2</source>
        <translation>%1: загружен, но повреждён: %2</translation>
    </message>
    <message>
        <source>%1 photos loaded.</source>
        <translation>Загружено снимков: %1.</translation>
    </message>
    <message>
        <source>%1 of %2 files loaded.</source>
        <translation>Загружено файлов: %1 из %2.</translation>
    </message>
    <message>
        <source>These files could not be read as pictures and were left out:

%1</source>
        <translation>Эти файлы не удалось прочитать как изображения, они пропущены:

%1</translation>
    </message>
    <message>
        <source>These photos were loaded, but not all is well:

%1</source>
        <translation>Эти снимки загружены, но не всё в порядке:

%1</translation>
    </message>
    <message>
        <source>Please wait until the photos being loaded are in.</source>
        <translation>Пожалуйста, дождитесь окончания загрузки снимков.</translation>
    </message>
    <message>
        <source>

Drag across the picture to turn it. Drag a thumbnail onto another photo&apos;s line to move it there; right-click a thumbnail for more.</source>
        <translation>

Проведите мышью по изображению, чтобы повернуть его. Перетащите миниатюру на линию другого снимка, чтобы переместить её туда; щелчок правой кнопкой по миниатюре открывает другие действия.</translation>
    </message>
    <message>
        <source>Waiting for the scanner...</source>
        <translation>Ожидание сканера...</translation>
    </message>
    <message>
        <source>Pages scanned: %1</source>
        <translation>Отсканировано страниц: %1</translation>
    </message>
    <message>
        <source>1 page scanned.</source>
        <translation>Отсканирована 1 страница.</translation>
    </message>
    <message>
        <source>%1 pages scanned.</source>
        <translation>Отсканировано страниц: %1.</translation>
    </message>
    <message>
        <source>The scanner stopped: %1. %2</source>
        <translation>Сканер остановился: %1. %2</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the imported images from TurnPixa?</source>
        <translation>Вы действительно хотите удалить из TurnPixa все загруженные снимки?</translation>
    </message>
</context>
<context>
    <name>turnpixa::CPrintPadDlg</name>
    <message>
        <source>PDF file</source>
        <translation>Файл PDF</translation>
    </message>
    <message>
        <source>Print TurnPixa Pad</source>
        <translation>Печать подложки TurnPixa</translation>
    </message>
    <message>
        <source>Printer Properties...</source>
        <translation>Свойства принтера...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Принтер:</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>Размер бумаги:</translation>
    </message>
    <message>
        <source>Number of photos:</source>
        <translation>Число снимков:</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>Печать в файл PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The pad could not be printed.

%1</source>
        <translation>Не удалось напечатать подложку.

%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSaveDlg</name>
    <message>
        <source>JPG frames cannot be transparent: PNG is chosen (WebP weighs less).</source>
        <translation>Кадры JPG не могут быть прозрачными: выбран PNG (WebP легче).</translation>
    </message>
    <message>
        <source>Step 5: Save TurnPixa</source>
        <translation>Шаг 5: Сохранение TurnPixa</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>JPG (default)</source>
        <translation>JPG (по умолчанию)</translation>
    </message>
    <message>
        <source>WebP frames weigh about half as much as JPG frames and look as sharp; every current browser shows them.</source>
        <translation>Кадры WebP весят примерно вдвое меньше кадров JPG и так же резки; их показывают все современные браузеры.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> пикс.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Also saves large frames this wide in the frame folder&apos;s zoom folder, made from the photos, for zooming and sharp screens. 0 = none.</source>
        <translation>Дополнительно сохраняет в папку zoom внутри папки кадров крупные кадры такой ширины, сделанные из снимков, — для увеличения и экранов высокой чёткости. 0 = не сохранять.</translation>
    </message>
    <message>
        <source>Zoom frames</source>
        <translation>Крупные кадры</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Вращение</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Автовращение</translation>
    </message>
    <message>
        <source>Spin to the left</source>
        <translation>Вращать влево</translation>
    </message>
    <message>
        <source>Spin to the right</source>
        <translation>Вращать вправо</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Preview in Browser</source>
        <translation>Просмотр в браузере</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>В буфер обмена</translation>
    </message>
    <message>
        <source>Upload to Web</source>
        <translation>Загрузить на сайт</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
    <message>
        <source>JPG frames cannot carry the transparent background chosen on the Edit page.</source>
        <translation>Кадры JPG не могут нести прозрачный фон, выбранный на странице обработки.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>HTML Files (*.htm *.HTM)</source>
        <translation>Файлы HTML (*.htm *.HTM)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Saving frame %1 of %2...</source>
        <translation>Сохранение кадра %1 из %2...</translation>
    </message>
    <message>
        <source>Saving failed.</source>
        <translation>Сохранить не удалось.</translation>
    </message>
    <message>
        <source>The rotatable image could not be saved completely.

%1</source>
        <translation>Не удалось полностью сохранить вращаемое изображение.

%1</translation>
    </message>
    <message>
        <source>Saved %1 frames to %2</source>
        <translation>Сохранено кадров: %1, в %2</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Примечание: </translation>
    </message>
    <message>
        <source>Drag across the picture to turn it, as visitors of your page will.</source>
        <translation>Проведите мышью по изображению, чтобы повернуть его, — так же, как это сделают посетители вашей страницы.</translation>
    </message>
    <message>
        <source>
%1 rows of %2 photos.</source>
        <translation>
Рядов: %1, снимков в ряду: %2.</translation>
    </message>
    <message>
        <source>Animated image...</source>
        <translation>Анимация...</translation>
    </message>
    <message>
        <source>Also writes an animated GIF or WebP of the spin into the frame folder, for listings and pages that take no scripts.</source>
        <translation>Дополнительно записывает в папку кадров анимированный GIF или WebP вращения — для объявлений и страниц, где скрипты запрещены.</translation>
    </message>
    <message>
        <source>No animated image is written from now on.</source>
        <translation>С этого момента анимированное изображение не записывается.</translation>
    </message>
    <message>
        <source>The animated image is written with the next save.</source>
        <translation>Анимированное изображение будет записано при следующем сохранении.</translation>
    </message>
    <message>
        <source>Making the animated image...</source>
        <translation>Создание анимированного изображения...</translation>
    </message>
    <message>
        <source>Making the animated image: frame %1 of %2...</source>
        <translation>Создание анимированного изображения: кадр %1 из %2...</translation>
    </message>
    <message>
        <source>The animated image could not be written.</source>
        <translation>Не удалось записать анимированное изображение.</translation>
    </message>
    <message>
        <source>The animated image could not be written.

%1</source>
        <translation>Не удалось записать анимированное изображение.

%1</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>Записано: %1, в %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>Frame pack…</source>
        <translation>Набор кадров…</translation>
    </message>
    <message>
        <source>Writes the frames of one turn as numbered JPEG files in a zip file, for shops that take a spin as a set of frames.</source>
        <translation>Записывает кадры одного оборота в виде пронумерованных файлов JPEG в zip-файл — для магазинов, принимающих вращение как набор кадров.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
</context>
<context>
    <name>turnpixa::CScanSelectDlg</name>
    <message>
        <source>Select Source</source>
        <translation>Выбор источника</translation>
    </message>
    <message>
        <source>No scanner or camera was found.

Check that it is connected and turned on, then try again.</source>
        <translation>Не найдено ни сканера, ни камеры.

Проверьте, что устройство подключено и включено, и повторите попытку.</translation>
    </message>
    <message>
        <source>Sources:</source>
        <translation>Источники:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
</context>
<context>
    <name>turnpixa::CScanSourceDlg</name>
    <message>
        <source>Scan - %1</source>
        <translation>Сканирование - %1</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Сканер:</translation>
    </message>
    <message>
        <source>Paper from:</source>
        <translation>Подача бумаги:</translation>
    </message>
    <message>
        <source>Put the page on the scanner and press Scan.</source>
        <translation>Положите страницу на сканер и нажмите «Сканировать».</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Сканировать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Сканирование...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSizeDlg</name>
    <message>
        <source>Step3: Size TurnPixa</source>
        <translation>Шаг 3: Размер TurnPixa</translation>
    </message>
    <message>
        <source>Reverse spin direction</source>
        <translation>Обратное направление вращения</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Left 90</source>
        <translation>Влево 90</translation>
    </message>
    <message>
        <source>Right 90</source>
        <translation>Вправо 90</translation>
    </message>
    <message>
        <source>Crop &amp;&amp; Pan</source>
        <translation>Обрезка и сдвиг</translation>
    </message>
    <message>
        <source>Crop...</source>
        <translation>Обрезать...</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Вращение</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Сдвиг</translation>
    </message>
    <message>
        <source>All Images</source>
        <translation>Все снимки</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Этот снимок</translation>
    </message>
    <message>
        <source>Auto-centre</source>
        <translation>Автоцентровка</translation>
    </message>
    <message>
        <source>Centring</source>
        <translation>Центровка</translation>
    </message>
    <message>
        <source>A frame of %1 x %2 pixels is too large to make.

Please choose a smaller size.</source>
        <translation>Кадр размером %L1 x %L2 пикселей слишком велик.

Пожалуйста, выберите размер поменьше.</translation>
    </message>
    <message>
        <source>Apply Crop</source>
        <translation>Применить обрезку</translation>
    </message>
    <message>
        <source>Undo Crop</source>
        <translation>Отменить обрезку</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Ряды</translation>
    </message>
    <message>
        <source>Photos shot in several rows at different camera heights: row 1&apos;s photos first, every row the same number. Only row counts that divide the photo count are offered.</source>
        <translation>Снимки, сделанные в несколько рядов с разной высоты камеры: сначала снимки ряда 1, в каждом ряду одинаковое число. Предлагается только такое число рядов, на которое делится число снимков.</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 ряд</translation>
    </message>
    <message>
        <source>%1 rows of %2</source>
        <translation>Рядов: %1, по %2</translation>
    </message>
    <message>
        <source>%1 rows need a multiple of %1 photos: the %2 photos are one row.</source>
        <translation>Для %1 рядов нужно число снимков, кратное %1: %2 снимков составляют один ряд.</translation>
    </message>
    <message>
        <source>Row %1 of %2, photo %3 of %4. Drag up and down to tilt.</source>
        <translation>Ряд %1 из %2, снимок %3 из %4. Потяните вверх или вниз, чтобы наклонить.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSnippetDlg</name>
    <message>
        <source>Copy To Clipboard</source>
        <translation>Копирование в буфер обмена</translation>
    </message>
    <message>
        <source>First TurnPixa on page</source>
        <translation>Первый TurnPixa на странице</translation>
    </message>
    <message>
        <source>Copy for Ebay</source>
        <translation>Копировать для eBay</translation>
    </message>
    <message>
        <source>Copy for Webpage</source>
        <translation>Копировать для веб-страницы</translation>
    </message>
    <message>
        <source>Copy for IFrame</source>
        <translation>Копировать для IFrame</translation>
    </message>
    <message>
        <source>How the snippets work</source>
        <translation>Как работают фрагменты кода</translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation>Адрес вашего веб-пространства</translation>
    </message>
    <message>
        <source>TurnPixa folder in your webspace</source>
        <translation>Папка TurnPixa в вашем веб-пространстве</translation>
    </message>
    <message>
        <source>TurnPixa Image Name</source>
        <translation>Имя изображения TurnPixa</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Please enter the name of a previously uploaded TurnPixa image</source>
        <translation>Пожалуйста, введите имя ранее загруженного на сайт изображения TurnPixa</translation>
    </message>
    <message>
        <source>Can&apos;t find a TurnPixa image called &quot;%1&quot; at
%2

Please check the name you have entered.
Remember to upload your TurnPixa image before using
this Copy To Clipboard facility</source>
        <translation>Изображение TurnPixa с именем «%1» не найдено по адресу
%2

Пожалуйста, проверьте введённое имя.
Не забудьте загрузить изображение TurnPixa на сайт,
прежде чем копировать его в буфер обмена.</translation>
    </message>
    <message>
        <source>Auction listing, no scripts</source>
        <translation>Объявление аукциона, без скриптов</translation>
    </message>
    <message>
        <source>The uploaded animated image, linked to the uploaded page: for listings that take no scripts</source>
        <translation>Загруженное анимированное изображение со ссылкой на загруженную страницу: для объявлений, где скрипты запрещены</translation>
    </message>
</context>
<context>
    <name>turnpixa::CTakePhotosDlg</name>
    <message>
        <source>Step 1: Take your photos.<byte value="xd"/>
<byte value="xd"/>
Either, 1. Rotate your object between each photo, keeping the camera still.<byte value="xd"/>
<byte value="xd"/>
 Or, 2. Rotate your camera around the object, keeping the object still.<byte value="xd"/>
<byte value="xd"/>
 Or, 3. Rotate your camera around on the spot to capture the entire scene.</source>
        <translation>Шаг 1: Сделайте снимки.<byte value="xd"/>
<byte value="xd"/>
Либо 1. Поворачивайте объект между снимками, не сдвигая камеру.<byte value="xd"/>
<byte value="xd"/>
 Либо 2. Обходите с камерой вокруг объекта, не сдвигая объект.<byte value="xd"/>
<byte value="xd"/>
 Либо 3. Поворачивайтесь с камерой на месте, чтобы снять всё вокруг.</translation>
    </message>
    <message>
        <source>Step 1 : Take Photos</source>
        <translation>Шаг 1: Съёмка</translation>
    </message>
    <message>
        <source>Step 1 - Take Photos</source>
        <translation>Шаг 1 - Съёмка</translation>
    </message>
    <message>
        <source>Print a TurnPixa Pad...</source>
        <translation>Напечатать подложку TurnPixa...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
    <message>
        <source>Start by Loading Photos</source>
        <translation>Начать с загрузки снимков</translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation>Обновления...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CTurnPixaDlg</name>
    <message>
        <source>About TurnPixa...</source>
        <translation>О программе TurnPixa...</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>Вернуться</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Preparing the photos for the new size: %1 of %2</source>
        <translation>Подготовка снимков к новому размеру: %1 из %2</translation>
    </message>
    <message>
        <source>1 photo could not be read again; its frame may look less sharp.</source>
        <translation>Не удалось заново прочитать 1 снимок; его кадр может выглядеть менее резким.</translation>
    </message>
    <message>
        <source>%1 photos could not be read again; their frames may look less sharp.</source>
        <translation>Не удалось заново прочитать снимков: %1; их кадры могут выглядеть менее резкими.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpToDateDlg</name>
    <message>
        <source>Up To Date</source>
        <translation>Обновлений нет</translation>
    </message>
    <message>
        <source>This is already the latest version.
(ver %1)</source>
        <translation>Это уже самая новая версия.
(версия %1)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpdateCheck</name>
    <message>
        <source>Checking for update...</source>
        <translation>Проверка обновлений...</translation>
    </message>
    <message>
        <source>Update available...</source>
        <translation>Есть обновление...</translation>
    </message>
    <message>
        <source>You are up-to-date</source>
        <translation>Обновлений нет</translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation>Обновления...</translation>
    </message>
    <message>
        <source>TurnPixa could not check for updates.

Please check your internet connection and try again later.</source>
        <translation>TurnPixa не удалось проверить обновления.

Пожалуйста, проверьте подключение к интернету и повторите попытку позже.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.

%1</source>
        <translation>Не удалось скачать новую версию.

%1</translation>
    </message>
    <message>
        <source>The new version was downloaded to
%1
but could not be started. Please start it from there.</source>
        <translation>Новая версия скачана в
%1
но запустить её не удалось. Пожалуйста, запустите её оттуда.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpdateOfferDlg</name>
    <message>
        <source>New TurnPixa Version Available</source>
        <translation>Вышла новая версия TurnPixa</translation>
    </message>
    <message>
        <source>Version %1 is now available</source>
        <translation>Доступна версия %1</translation>
    </message>
    <message>
        <source>Yes, download and install</source>
        <translation>Да, скачать и установить</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Параметры...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
    <message>
        <source>Would you like to upgrade?</source>
        <translation>Обновить программу?</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUploadDlg</name>
    <message>
        <source>Upload to Your Webspace</source>
        <translation>Загрузка в ваше веб-пространство</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход работы</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
    <message>
        <source>(no server set: see Settings...)</source>
        <translation>(сервер не задан: см. «Настройки...»)</translation>
    </message>
    <message>
        <source>%1 and its %2 frames go to the folder &quot;%3&quot; on %4.</source>
        <translation>%1 и его кадры (%2) будут помещены в папку «%3» на %4.</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation>%1, порт %2</translation>
    </message>
    <message>
        <source>TurnPixa has not met the webspace server %1 before, and cannot tell whether it is the server you mean.

Its %2 key fingerprint is
%3

Compare it with the fingerprint your host publishes. If they are the same, trust the key: it is remembered, and the next upload goes ahead without asking.</source>
        <translation>TurnPixa ещё не встречала сервер веб-пространства %1 и не может определить, тот ли это сервер, который вы имеете в виду.

Отпечаток его ключа %2:
%3

Сравните его с отпечатком, который публикует ваш хостинг. Если они совпадают, доверьтесь ключу: он будет запомнен, и следующая загрузка пройдёт без вопросов.</translation>
    </message>
    <message>
        <source>The SSH key %1 is protected by a passphrase.

Passphrase:</source>
        <translation>Ключ SSH %1 защищён парольной фразой.

Парольная фраза:</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Загрузка отменена.</translation>
    </message>
    <message>
        <source>The upload did not work.</source>
        <translation>Загрузить не удалось.</translation>
    </message>
    <message>
        <source>Uploaded. Checking that the files are online...</source>
        <translation>Загружено. Проверка доступности файлов в сети...</translation>
    </message>
    <message>
        <source>The upload is complete.

%1</source>
        <translation>Загрузка завершена.

%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CViewDlg</name>
    <message>
        <source>Image Number</source>
        <translation>Номер снимка</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Set Start Image</source>
        <translation>Сделать начальным</translation>
    </message>
    <message>
        <source>Remove this Image</source>
        <translation>Удалить этот снимок</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ряд %1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CWebspaceSettingsDlg</name>
    <message>
        <source>Webspace Upload Settings</source>
        <translation>Настройки загрузки в веб-пространство</translation>
    </message>
    <message>
        <source>ftp.example.com, ftps://ftp.example.com or sftp://example.com</source>
        <translation>ftp.example.com, ftps://ftp.example.com или sftp://example.com</translation>
    </message>
    <message>
        <source>The name of your webspace&apos;s FTP server. Write it as ftps://name for a secure connection, or as sftp://name (sftp://name:port for a port other than 22) for SFTP over SSH; with SFTP an empty password logs on with your SSH agent or your key in ~/.ssh.</source>
        <translation>Имя FTP-сервера вашего веб-пространства. Для защищённого соединения пишите ftps://имя, для SFTP через SSH — sftp://имя (sftp://имя:порт, если порт не 22); при SFTP с пустым паролем вход выполняется через ваш агент SSH или ваш ключ в ~/.ssh.</translation>
    </message>
    <message>
        <source>Webspace FTP Server</source>
        <translation>FTP-сервер веб-пространства</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Sub Folder for your website</source>
        <translation>Подпапка вашего сайта</translation>
    </message>
    <message>
        <source>Website Folder</source>
        <translation>Папка сайта</translation>
    </message>
    <message>
        <source>empty: htdocs or public_html</source>
        <translation>пусто: htdocs или public_html</translation>
    </message>
    <message>
        <source>Folder to store in on your webspace</source>
        <translation>Папка для сохранения в веб-пространстве</translation>
    </message>
    <message>
        <source>TurnPixa Folder</source>
        <translation>Папка TurnPixa</translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation>Адрес вашего веб-пространства</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
</context>
<context>
    <name>turnpixa::DialogSeam</name>
    <message>
        <source>Unknown Server Key</source>
        <translation>Неизвестный ключ сервера</translation>
    </message>
    <message>
        <source>Trust and Connect</source>
        <translation>Доверять и подключиться</translation>
    </message>
    <message>
        <source>SSH Key Passphrase</source>
        <translation>Парольная фраза ключа SSH</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>About TurnPixa</source>
        <translation>О программе TurnPixa</translation>
    </message>
    <message>
        <source>TurnPixa Version 1.0</source>
        <translation>TurnPixa, версия 1.0</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Страницы справки — на английском языке.</translation>
    </message>
</context>
<context>
    <name>turnpixa::HelpOpener</name>
    <message>
        <source>Unable to find the help file: %1

It should be in the installation folder:
%2</source>
        <translation>Не удалось найти файл справки: %1

Он должен находиться в папке установки:
%2</translation>
    </message>
    <message>
        <source>Unable to open the web page in your Browser.
Please point your web browser to:
%1</source>
        <translation>Не удалось открыть веб-страницу в браузере.
Пожалуйста, откройте в браузере адрес:
%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::SeriesAdjustBox</name>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>There are no photos to adjust.</source>
        <translation>Нет снимков для обработки.</translation>
    </message>
    <message>
        <source> %1 of %2...</source>
        <translation> %1 из %2...</translation>
    </message>
    <message>
        <source>Undone: the photos are as they were.</source>
        <translation>Отменено: снимки такие же, как были.</translation>
    </message>
    <message>
        <source>The photos have changed since, so there is nothing to undo.</source>
        <translation>Снимки с тех пор изменились, отменять нечего.</translation>
    </message>
    <message>
        <source>The photos are already centred; nothing was changed.</source>
        <translation>Снимки уже отцентрованы; ничего не изменено.</translation>
    </message>
    <message>
        <source>The photos are already evenly lit; nothing was changed.</source>
        <translation>Снимки уже освещены равномерно; ничего не изменено.</translation>
    </message>
</context>
</TS>
