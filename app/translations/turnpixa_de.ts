<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>turnpixa::CAnimationDlg</name>
    <message>
        <source>Animated Image</source>
        <translation>Animiertes Bild</translation>
    </message>
    <message>
        <source>An animated image turns by itself, from the start image on, on pages and listings that take no scripts. It is written into the frame folder and uploaded with the frames.</source>
        <translation>Ein animiertes Bild dreht sich von selbst, ab dem Startbild, auch auf Seiten und in Angeboten, die keine Skripte zulassen. Es wird in den Bildordner geschrieben und mit den Bildern hochgeladen.</translation>
    </message>
    <message>
        <source>GIF (spin.gif): every browser and marketplace</source>
        <translation>GIF (spin.gif): jeder Browser und Marktplatz</translation>
    </message>
    <message>
        <source>WebP (spin.webp): a fraction of the size</source>
        <translation>WebP (spin.webp): ein Bruchteil der Größe</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The frames are %1 pixels wide; other widths are rendered from the photos.</source>
        <translation>Die Bilder sind %1 Pixel breit; andere Breiten werden aus den Fotos erstellt.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Turn the other way</source>
        <translation>Andersherum drehen</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Time per frame</source>
        <translation>Zeit pro Bild</translation>
    </message>
    <message>
        <source>No animated image is made.</source>
        <translation>Es wird kein animiertes Bild erstellt.</translation>
    </message>
    <message>
        <source>No animated image is made from now on; the ones written stay in the frame folder but are not uploaded.</source>
        <translation>Ab jetzt wird kein animiertes Bild erstellt; die bereits geschriebenen bleiben im Bildordner, werden aber nicht hochgeladen.</translation>
    </message>
    <message>
        <source>OK writes it into the frame folder of the saved image now, and again with every save.</source>
        <translation>OK schreibt es jetzt in den Bildordner des gespeicherten Bildes und erneut bei jedem Speichern.</translation>
    </message>
    <message>
        <source>It is written with the image at the next save.</source>
        <translation>Es wird beim nächsten Speichern mit dem Bild geschrieben.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CCheckUpdatesDlg</name>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>TurnPixa can automatically detect when a new version is available.

Is it OK to access the internet to check for updates?</source>
        <translation>TurnPixa kann selbst erkennen, wenn eine neue Version verfügbar ist.

Darf TurnPixa dazu im Internet nach Updates suchen?</translation>
    </message>
    <message>
        <source>Yes, automatically check for updates?</source>
        <translation>Ja, automatisch nach Updates suchen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Jetzt suchen</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CEditDlg</name>
    <message>
        <source>Step4: Edit TurnPixa</source>
        <translation>Schritt 4: TurnPixa bearbeiten</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>All Images</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Dieses Bild</translation>
    </message>
    <message>
        <source>Even out lightness</source>
        <translation>Helligkeit angleichen</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Background Removal</source>
        <translation>Hintergrund entfernen</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Soft Edge Frame</source>
        <translation>Weicher Rand</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Select this box to use the Background Removal option.

TurnPixa will analyse the image to automatically determine which part is the background.

This will work best when the background is fairly uniform. Use the slider to increase or decrease the removal.</source>
        <translation>Wählen Sie dieses Feld, um den Hintergrund zu entfernen.

TurnPixa untersucht das Bild und erkennt selbst, welcher Teil der Hintergrund ist.

Das gelingt am besten bei einem recht gleichmäßigen Hintergrund. Mit dem Schieberegler entfernen Sie mehr oder weniger.</translation>
    </message>
    <message>
        <source>Click here to choose a new colour for the background.

This colour will replace the background.</source>
        <translation>Klicken Sie hier, um eine neue Farbe für den Hintergrund zu wählen.

Diese Farbe ersetzt den Hintergrund.</translation>
    </message>
    <message>
        <source>Select this box to leave no background at all: PNG and WebP frames show the page behind the object.

JPG frames cannot be transparent.</source>
        <translation>Wählen Sie dieses Feld, um gar keinen Hintergrund zu lassen: PNG- und WebP-Bilder zeigen hinter dem Objekt die Seite.

JPG-Bilder können nicht transparent sein.</translation>
    </message>
    <message>
        <source>This slider controls how much background is removed.

Slide to the right to remove more background.
Slide to the left if too much is removed.</source>
        <translation>Dieser Schieberegler bestimmt, wie viel Hintergrund entfernt wird.

Nach rechts schieben entfernt mehr Hintergrund.
Nach links schieben, wenn zu viel entfernt wird.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CFileThumbnailDlg</name>
    <message>
        <source>All raster files (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</source>
        <translation>Alle Rasterbilder (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</translation>
    </message>
    <message>
        <source>BMP Files (*.bmp *.BMP)</source>
        <translation>BMP-Dateien (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif *.GIF)</source>
        <translation>GIF-Dateien (*.gif *.GIF)</translation>
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
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>turnpixa::CFramePackDlg</name>
    <message>
        <source>Frame Pack</source>
        <translation>Bilderpaket</translation>
    </message>
    <message>
        <source>The frames of one turn at equal steps, made from your photos with every setting, as JPEG files 01.jpg, 02.jpg ... in one zip file: for shops and marketplaces that take a spin as a set of numbered frames. Each step shows the photo nearest to its angle.</source>
        <translation>Die Bilder einer Umdrehung in gleichen Schritten, aus Ihren Fotos mit allen Einstellungen erstellt, als JPEG-Dateien 01.jpg, 02.jpg ... in einer ZIP-Datei: für Shops und Marktplätze, die eine Drehung als Reihe nummerierter Bilder annehmen. Jeder Schritt zeigt das Foto, das seinem Winkel am nächsten liegt.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Most marketplaces show frames of 1000 to 2000 pixels with a zoom. Wider than your photos, the frames are enlarged and less sharp.</source>
        <translation>Die meisten Marktplätze zeigen Bilder von 1000 bis 2000 Pixeln mit Zoom. Breiter als Ihre Fotos werden die Bilder vergrößert und weniger scharf.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>%v of %m frames</source>
        <translation>%v von %m Bildern</translation>
    </message>
    <message>
        <source>Write Pack</source>
        <translation>Paket schreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>x %1 px</source>
        <translation>x %1 px</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The frame pack could not be written.

%1</source>
        <translation>Das Bilderpaket konnte nicht geschrieben werden.

%1</translation>
    </message>
    <message>
        <source>Saved a frame pack of %1 frames (%2 x %3) to %4</source>
        <translation>Bilderpaket mit %1 Bildern (%2 x %3) gespeichert in %4</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Hinweis: </translation>
    </message>
</context>
<context>
    <name>turnpixa::CImportDlg</name>
    <message>
        <source>Step 2: Load Photos</source>
        <translation>Schritt 2: Fotos laden</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Acquire...</source>
        <translation>Einlesen...</translation>
    </message>
    <message>
        <source>Scan pages from a scanner or take them from a camera.</source>
        <translation>Seiten mit einem Scanner einscannen oder von einer Kamera übernehmen.</translation>
    </message>
    <message>
        <source>Remove All Images...</source>
        <translation>Alle Bilder entfernen...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>Step 2: Load your photos.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Use the Browse or Acquire button<byte value="xd"/>
<byte value="xd"/>
 or drag-and-drop files onto this window)</source>
        <translation>Schritt 2: Laden Sie Ihre Fotos.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Nutzen Sie „Durchsuchen“ oder „Einlesen“<byte value="xd"/>
<byte value="xd"/>
 oder ziehen Sie Dateien in dieses Fenster)</translation>
    </message>
    <message>
        <source>Loading %1 of %2: %3</source>
        <translation>Lade %1 von %2: %3</translation>
    </message>
    <message>
        <source>%1: loaded, but damaged: %2</source>
        <translation>%1: geladen, aber beschädigt: %2</translation>
    </message>
    <message>
        <source>%1 photos loaded.</source>
        <translation>%1 Fotos geladen.</translation>
    </message>
    <message>
        <source>%1 of %2 files loaded.</source>
        <translation>%1 von %2 Dateien geladen.</translation>
    </message>
    <message>
        <source>These files could not be read as pictures and were left out:

%1</source>
        <translation>Diese Dateien ließen sich nicht als Bilder lesen und wurden ausgelassen:

%1</translation>
    </message>
    <message>
        <source>These photos were loaded, but not all is well:

%1</source>
        <translation>Diese Fotos wurden geladen, aber nicht alles ist in Ordnung:

%1</translation>
    </message>
    <message>
        <source>Please wait until the photos being loaded are in.</source>
        <translation>Bitte warten Sie, bis die Fotos fertig geladen sind.</translation>
    </message>
    <message>
        <source>

Drag across the picture to turn it. Drag a thumbnail onto another photo&apos;s line to move it there; right-click a thumbnail for more.</source>
        <translation>

Ziehen Sie über das Bild, um es zu drehen. Ziehen Sie ein Vorschaubild auf die Linie eines anderen Fotos, um es dorthin zu verschieben; ein Rechtsklick auf ein Vorschaubild bietet mehr.</translation>
    </message>
    <message>
        <source>Waiting for the scanner...</source>
        <translation>Warte auf den Scanner...</translation>
    </message>
    <message>
        <source>Pages scanned: %1</source>
        <translation>Gescannte Seiten: %1</translation>
    </message>
    <message>
        <source>1 page scanned.</source>
        <translation>1 Seite gescannt.</translation>
    </message>
    <message>
        <source>%1 pages scanned.</source>
        <translation>%1 Seiten gescannt.</translation>
    </message>
    <message>
        <source>The scanner stopped: %1. %2</source>
        <translation>Der Scanner hat angehalten: %1. %2</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the imported images from TurnPixa?</source>
        <translation>Möchten Sie wirklich alle geladenen Bilder aus TurnPixa entfernen?</translation>
    </message>
</context>
<context>
    <name>turnpixa::CPrintPadDlg</name>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Print TurnPixa Pad</source>
        <translation>TurnPixa-Unterlage drucken</translation>
    </message>
    <message>
        <source>Printer Properties...</source>
        <translation>Druckereigenschaften...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>Papierformat:</translation>
    </message>
    <message>
        <source>Number of photos:</source>
        <translation>Anzahl der Fotos:</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The pad could not be printed.

%1</source>
        <translation>Die Unterlage konnte nicht gedruckt werden.

%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSaveDlg</name>
    <message>
        <source>JPG frames cannot be transparent: PNG is chosen (WebP weighs less).</source>
        <translation>JPG-Bilder können nicht transparent sein: PNG ist gewählt (WebP ist kleiner).</translation>
    </message>
    <message>
        <source>Step 5: Save TurnPixa</source>
        <translation>Schritt 5: TurnPixa speichern</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>JPG (default)</source>
        <translation>JPG (Standard)</translation>
    </message>
    <message>
        <source>WebP frames weigh about half as much as JPG frames and look as sharp; every current browser shows them.</source>
        <translation>WebP-Bilder sind etwa halb so groß wie JPG-Bilder und ebenso scharf; jeder aktuelle Browser zeigt sie an.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Also saves large frames this wide in the frame folder&apos;s zoom folder, made from the photos, for zooming and sharp screens. 0 = none.</source>
        <translation>Speichert zusätzlich große Bilder dieser Breite, aus den Fotos erstellt, im Zoom-Ordner des Bildordners: zum Vergrößern und für hochauflösende Bildschirme. 0 = keine.</translation>
    </message>
    <message>
        <source>Zoom frames</source>
        <translation>Zoom-Bilder</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Selbst drehen</translation>
    </message>
    <message>
        <source>Spin to the left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Spin to the right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Preview in Browser</source>
        <translation>Vorschau im Browser</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage</translation>
    </message>
    <message>
        <source>Upload to Web</source>
        <translation>Ins Web hochladen</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>JPG frames cannot carry the transparent background chosen on the Edit page.</source>
        <translation>JPG-Bilder können den auf der Seite „Bearbeiten“ gewählten transparenten Hintergrund nicht tragen.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>HTML Files (*.htm *.HTM)</source>
        <translation>HTML-Dateien (*.htm *.HTM)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Saving frame %1 of %2...</source>
        <translation>Speichere Bild %1 von %2...</translation>
    </message>
    <message>
        <source>Saving failed.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The rotatable image could not be saved completely.

%1</source>
        <translation>Das drehbare Bild konnte nicht vollständig gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>Saved %1 frames to %2</source>
        <translation>%1 Bilder gespeichert in %2</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Hinweis: </translation>
    </message>
    <message>
        <source>Drag across the picture to turn it, as visitors of your page will.</source>
        <translation>Ziehen Sie über das Bild, um es zu drehen – so wie die Besucher Ihrer Seite.</translation>
    </message>
    <message>
        <source>
%1 rows of %2 photos.</source>
        <translation>
%1 Reihen zu je %2 Fotos.</translation>
    </message>
    <message>
        <source>Animated image...</source>
        <translation>Animiertes Bild...</translation>
    </message>
    <message>
        <source>Also writes an animated GIF or WebP of the spin into the frame folder, for listings and pages that take no scripts.</source>
        <translation>Schreibt zusätzlich ein animiertes GIF oder WebP der Drehung in den Bildordner, für Angebote und Seiten, die keine Skripte zulassen.</translation>
    </message>
    <message>
        <source>No animated image is written from now on.</source>
        <translation>Ab jetzt wird kein animiertes Bild geschrieben.</translation>
    </message>
    <message>
        <source>The animated image is written with the next save.</source>
        <translation>Das animierte Bild wird beim nächsten Speichern geschrieben.</translation>
    </message>
    <message>
        <source>Making the animated image...</source>
        <translation>Erstelle das animierte Bild...</translation>
    </message>
    <message>
        <source>Making the animated image: frame %1 of %2...</source>
        <translation>Erstelle das animierte Bild: Bild %1 von %2...</translation>
    </message>
    <message>
        <source>The animated image could not be written.</source>
        <translation>Das animierte Bild konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The animated image could not be written.

%1</source>
        <translation>Das animierte Bild konnte nicht geschrieben werden.

%1</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>%1 geschrieben nach %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Frame pack…</source>
        <translation>Bilderpaket…</translation>
    </message>
    <message>
        <source>Writes the frames of one turn as numbered JPEG files in a zip file, for shops that take a spin as a set of frames.</source>
        <translation>Schreibt die Bilder einer Umdrehung als nummerierte JPEG-Dateien in eine ZIP-Datei, für Shops, die eine Drehung als Reihe von Bildern annehmen.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
</context>
<context>
    <name>turnpixa::CScanSelectDlg</name>
    <message>
        <source>Select Source</source>
        <translation>Quelle wählen</translation>
    </message>
    <message>
        <source>No scanner or camera was found.

Check that it is connected and turned on, then try again.</source>
        <translation>Es wurde kein Scanner und keine Kamera gefunden.

Prüfen Sie, ob das Gerät angeschlossen und eingeschaltet ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sources:</source>
        <translation>Quellen:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>turnpixa::CScanSourceDlg</name>
    <message>
        <source>Scan - %1</source>
        <translation>Scannen - %1</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Paper from:</source>
        <translation>Papier aus:</translation>
    </message>
    <message>
        <source>Put the page on the scanner and press Scan.</source>
        <translation>Legen Sie die Seite auf den Scanner und klicken Sie auf „Scannen“.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scanne...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSizeDlg</name>
    <message>
        <source>Step3: Size TurnPixa</source>
        <translation>Schritt 3: TurnPixa-Größe</translation>
    </message>
    <message>
        <source>Reverse spin direction</source>
        <translation>Drehrichtung umkehren</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Bild drehen</translation>
    </message>
    <message>
        <source>Left 90</source>
        <translation>Links 90</translation>
    </message>
    <message>
        <source>Right 90</source>
        <translation>Rechts 90</translation>
    </message>
    <message>
        <source>Crop &amp;&amp; Pan</source>
        <translation>Zuschneiden &amp;&amp; Verschieben</translation>
    </message>
    <message>
        <source>Crop...</source>
        <translation>Zuschneiden...</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>All Images</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Dieses Bild</translation>
    </message>
    <message>
        <source>Auto-centre</source>
        <translation>Automatisch zentrieren</translation>
    </message>
    <message>
        <source>Centring</source>
        <translation>Zentrierung</translation>
    </message>
    <message>
        <source>A frame of %1 x %2 pixels is too large to make.

Please choose a smaller size.</source>
        <translation>Ein Bild mit %L1 x %L2 Pixeln ist zu groß.

Bitte wählen Sie eine kleinere Größe.</translation>
    </message>
    <message>
        <source>Apply Crop</source>
        <translation>Zuschnitt anwenden</translation>
    </message>
    <message>
        <source>Undo Crop</source>
        <translation>Zuschnitt aufheben</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Photos shot in several rows at different camera heights: row 1&apos;s photos first, every row the same number. Only row counts that divide the photo count are offered.</source>
        <translation>Fotos in mehreren Reihen aus verschiedenen Kamerahöhen: zuerst die Fotos der Reihe 1, jede Reihe gleich viele. Angeboten werden nur Reihenzahlen, durch die sich die Fotoanzahl teilen lässt.</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 Reihe</translation>
    </message>
    <message>
        <source>%1 rows of %2</source>
        <translation>%1 Reihen zu je %2</translation>
    </message>
    <message>
        <source>%1 rows need a multiple of %1 photos: the %2 photos are one row.</source>
        <translation>%1 Reihen brauchen ein Vielfaches von %1 Fotos: Die %2 Fotos sind eine Reihe.</translation>
    </message>
    <message>
        <source>Row %1 of %2, photo %3 of %4. Drag up and down to tilt.</source>
        <translation>Reihe %1 von %2, Foto %3 von %4. Nach oben und unten ziehen zum Kippen.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSnippetDlg</name>
    <message>
        <source>Copy To Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>First TurnPixa on page</source>
        <translation>Erstes TurnPixa auf der Seite</translation>
    </message>
    <message>
        <source>Copy for Ebay</source>
        <translation>Für eBay kopieren</translation>
    </message>
    <message>
        <source>Copy for Webpage</source>
        <translation>Für Webseite kopieren</translation>
    </message>
    <message>
        <source>Copy for IFrame</source>
        <translation>Für IFrame kopieren</translation>
    </message>
    <message>
        <source>How the snippets work</source>
        <translation>So funktionieren die Codeschnipsel</translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation>Adresse Ihres Webspace</translation>
    </message>
    <message>
        <source>TurnPixa folder in your webspace</source>
        <translation>TurnPixa-Ordner in Ihrem Webspace</translation>
    </message>
    <message>
        <source>TurnPixa Image Name</source>
        <translation>Name des TurnPixa-Bildes</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter the name of a previously uploaded TurnPixa image</source>
        <translation>Bitte geben Sie den Namen eines bereits hochgeladenen TurnPixa-Bildes ein</translation>
    </message>
    <message>
        <source>Can&apos;t find a TurnPixa image called &quot;%1&quot; at
%2

Please check the name you have entered.
Remember to upload your TurnPixa image before using
this Copy To Clipboard facility</source>
        <translation>Unter
%2
wurde kein TurnPixa-Bild namens „%1“ gefunden.

Bitte prüfen Sie den eingegebenen Namen.
Laden Sie Ihr TurnPixa-Bild hoch, bevor Sie es
in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>Auction listing, no scripts</source>
        <translation>Auktionsangebot, ohne Skripte</translation>
    </message>
    <message>
        <source>The uploaded animated image, linked to the uploaded page: for listings that take no scripts</source>
        <translation>Das hochgeladene animierte Bild, verlinkt mit der hochgeladenen Seite: für Angebote, die keine Skripte zulassen</translation>
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
        <translation>Schritt 1: Machen Sie Ihre Fotos.<byte value="xd"/>
<byte value="xd"/>
Entweder 1. Drehen Sie Ihr Objekt zwischen den Fotos weiter, die Kamera bleibt stehen.<byte value="xd"/>
<byte value="xd"/>
 Oder 2. Gehen Sie mit der Kamera um das Objekt herum, das Objekt bleibt stehen.<byte value="xd"/>
<byte value="xd"/>
 Oder 3. Drehen Sie sich mit der Kamera auf der Stelle, um die ganze Umgebung aufzunehmen.</translation>
    </message>
    <message>
        <source>Step 1 : Take Photos</source>
        <translation>Schritt 1: Fotos machen</translation>
    </message>
    <message>
        <source>Step 1 - Take Photos</source>
        <translation>Schritt 1 - Fotos machen</translation>
    </message>
    <message>
        <source>Print a TurnPixa Pad...</source>
        <translation>TurnPixa-Unterlage drucken...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>Start by Loading Photos</source>
        <translation>Mit dem Laden der Fotos beginnen</translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation>Updates...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CTurnPixaDlg</name>
    <message>
        <source>About TurnPixa...</source>
        <translation>Über TurnPixa...</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <source>Preparing the photos for the new size: %1 of %2</source>
        <translation>Fotos werden für die neue Größe vorbereitet: %1 von %2</translation>
    </message>
    <message>
        <source>1 photo could not be read again; its frame may look less sharp.</source>
        <translation>1 Foto konnte nicht erneut gelesen werden; sein Bild ist womöglich weniger scharf.</translation>
    </message>
    <message>
        <source>%1 photos could not be read again; their frames may look less sharp.</source>
        <translation>%1 Fotos konnten nicht erneut gelesen werden; ihre Bilder sind womöglich weniger scharf.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpToDateDlg</name>
    <message>
        <source>Up To Date</source>
        <translation>Auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>This is already the latest version.
(ver %1)</source>
        <translation>Dies ist bereits die neueste Version.
(Version %1)</translation>
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
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>Update available...</source>
        <translation>Update verfügbar...</translation>
    </message>
    <message>
        <source>You are up-to-date</source>
        <translation>Alles aktuell</translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation>Updates...</translation>
    </message>
    <message>
        <source>TurnPixa could not check for updates.

Please check your internet connection and try again later.</source>
        <translation>TurnPixa konnte nicht nach Updates suchen.

Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.

%1</source>
        <translation>Die neue Version konnte nicht heruntergeladen werden.

%1</translation>
    </message>
    <message>
        <source>The new version was downloaded to
%1
but could not be started. Please start it from there.</source>
        <translation>Die neue Version wurde nach
%1
heruntergeladen, konnte aber nicht gestartet werden. Bitte starten Sie sie von dort.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpdateOfferDlg</name>
    <message>
        <source>New TurnPixa Version Available</source>
        <translation>Neue TurnPixa-Version verfügbar</translation>
    </message>
    <message>
        <source>Version %1 is now available</source>
        <translation>Version %1 ist jetzt verfügbar</translation>
    </message>
    <message>
        <source>Yes, download and install</source>
        <translation>Ja, herunterladen und installieren</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>Would you like to upgrade?</source>
        <translation>Möchten Sie aktualisieren?</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUploadDlg</name>
    <message>
        <source>Upload to Your Webspace</source>
        <translation>In Ihren Webspace hochladen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>(no server set: see Settings...)</source>
        <translation>(kein Server eingestellt: siehe Einstellungen...)</translation>
    </message>
    <message>
        <source>%1 and its %2 frames go to the folder &quot;%3&quot; on %4.</source>
        <translation>%1 und seine %2 Bilder kommen in den Ordner „%3“ auf %4.</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation>%1 Port %2</translation>
    </message>
    <message>
        <source>TurnPixa has not met the webspace server %1 before, and cannot tell whether it is the server you mean.

Its %2 key fingerprint is
%3

Compare it with the fingerprint your host publishes. If they are the same, trust the key: it is remembered, and the next upload goes ahead without asking.</source>
        <translation>TurnPixa kennt den Webspace-Server %1 noch nicht und kann nicht feststellen, ob es der gemeinte Server ist.

Sein %2-Schlüssel hat den Fingerabdruck
%3

Vergleichen Sie ihn mit dem Fingerabdruck, den Ihr Anbieter veröffentlicht. Stimmen beide überein, vertrauen Sie dem Schlüssel: Er wird gespeichert, und das nächste Hochladen läuft ohne Nachfrage.</translation>
    </message>
    <message>
        <source>The SSH key %1 is protected by a passphrase.

Passphrase:</source>
        <translation>Der SSH-Schlüssel %1 ist durch eine Passphrase geschützt.

Passphrase:</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Lade hoch...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Das Hochladen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The upload did not work.</source>
        <translation>Das Hochladen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Uploaded. Checking that the files are online...</source>
        <translation>Hochgeladen. Prüfe, ob die Dateien online sind...</translation>
    </message>
    <message>
        <source>The upload is complete.

%1</source>
        <translation>Das Hochladen ist abgeschlossen.

%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CViewDlg</name>
    <message>
        <source>Image Number</source>
        <translation>Bildnummer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Set Start Image</source>
        <translation>Als Startbild festlegen</translation>
    </message>
    <message>
        <source>Remove this Image</source>
        <translation>Dieses Bild entfernen</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Reihe %1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CWebspaceSettingsDlg</name>
    <message>
        <source>Webspace Upload Settings</source>
        <translation>Einstellungen für das Hochladen</translation>
    </message>
    <message>
        <source>ftp.example.com, ftps://ftp.example.com or sftp://example.com</source>
        <translation>ftp.example.com, ftps://ftp.example.com oder sftp://example.com</translation>
    </message>
    <message>
        <source>The name of your webspace&apos;s FTP server. Write it as ftps://name for a secure connection, or as sftp://name (sftp://name:port for a port other than 22) for SFTP over SSH; with SFTP an empty password logs on with your SSH agent or your key in ~/.ssh.</source>
        <translation>Der Name des FTP-Servers Ihres Webspace. Schreiben Sie ftps://name für eine sichere Verbindung oder sftp://name (sftp://name:port für einen anderen Port als 22) für SFTP über SSH; bei SFTP meldet ein leeres Passwort Sie mit Ihrem SSH-Agenten oder Ihrem Schlüssel in ~/.ssh an.</translation>
    </message>
    <message>
        <source>Webspace FTP Server</source>
        <translation>FTP-Server des Webspace</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Sub Folder for your website</source>
        <translation>Unterordner Ihrer Website</translation>
    </message>
    <message>
        <source>Website Folder</source>
        <translation>Website-Ordner</translation>
    </message>
    <message>
        <source>empty: htdocs or public_html</source>
        <translation>leer: htdocs oder public_html</translation>
    </message>
    <message>
        <source>Folder to store in on your webspace</source>
        <translation>Ordner zum Speichern in Ihrem Webspace</translation>
    </message>
    <message>
        <source>TurnPixa Folder</source>
        <translation>TurnPixa-Ordner</translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation>Adresse Ihres Webspace</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
</context>
<context>
    <name>turnpixa::DialogSeam</name>
    <message>
        <source>Unknown Server Key</source>
        <translation>Unbekannter Serverschlüssel</translation>
    </message>
    <message>
        <source>Trust and Connect</source>
        <translation>Vertrauen und verbinden</translation>
    </message>
    <message>
        <source>SSH Key Passphrase</source>
        <translation>Passphrase des SSH-Schlüssels</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>About TurnPixa</source>
        <translation>Über TurnPixa</translation>
    </message>
    <message>
        <source>TurnPixa Version 1.0</source>
        <translation>TurnPixa Version 1.0</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Die Hilfeseiten sind auf Englisch.</translation>
    </message>
</context>
<context>
    <name>turnpixa::HelpOpener</name>
    <message>
        <source>Unable to find the help file: %1

It should be in the installation folder:
%2</source>
        <translation>Die Hilfedatei wurde nicht gefunden: %1

Sie sollte im Installationsordner liegen:
%2</translation>
    </message>
    <message>
        <source>Unable to open the web page in your Browser.
Please point your web browser to:
%1</source>
        <translation>Die Webseite konnte nicht in Ihrem Browser geöffnet werden.
Bitte öffnen Sie in Ihrem Browser:
%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::SeriesAdjustBox</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>There are no photos to adjust.</source>
        <translation>Es gibt keine Fotos zum Anpassen.</translation>
    </message>
    <message>
        <source> %1 of %2...</source>
        <translation> %1 von %2...</translation>
    </message>
    <message>
        <source>Undone: the photos are as they were.</source>
        <translation>Rückgängig gemacht: Die Fotos sind wie zuvor.</translation>
    </message>
    <message>
        <source>The photos have changed since, so there is nothing to undo.</source>
        <translation>Die Fotos haben sich inzwischen geändert; es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>The photos are already centred; nothing was changed.</source>
        <translation>Die Fotos sind bereits zentriert; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The photos are already evenly lit; nothing was changed.</source>
        <translation>Die Fotos sind bereits gleichmäßig hell; nichts wurde geändert.</translation>
    </message>
</context>
</TS>
