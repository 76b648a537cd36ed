<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>turnpixa::CAnimationDlg</name>
    <message>
        <source>Animated Image</source>
        <translation>Imagen animada</translation>
    </message>
    <message>
        <source>An animated image turns by itself, from the start image on, on pages and listings that take no scripts. It is written into the frame folder and uploaded with the frames.</source>
        <translation>Una imagen animada gira sola, desde la imagen inicial, en páginas y anuncios que no admiten scripts. Se escribe en la carpeta de fotogramas y se sube con ellos.</translation>
    </message>
    <message>
        <source>GIF (spin.gif): every browser and marketplace</source>
        <translation>GIF (spin.gif): todos los navegadores y mercados</translation>
    </message>
    <message>
        <source>WebP (spin.webp): a fraction of the size</source>
        <translation>WebP (spin.webp): una fracción del tamaño</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The frames are %1 pixels wide; other widths are rendered from the photos.</source>
        <translation>Los fotogramas miden %1 píxeles de ancho; otros anchos se hacen a partir de las fotos.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Turn the other way</source>
        <translation>Girar en el otro sentido</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Time per frame</source>
        <translation>Tiempo por fotograma</translation>
    </message>
    <message>
        <source>No animated image is made.</source>
        <translation>No se hace ninguna imagen animada.</translation>
    </message>
    <message>
        <source>No animated image is made from now on; the ones written stay in the frame folder but are not uploaded.</source>
        <translation>A partir de ahora no se hace ninguna imagen animada; las ya escritas quedan en la carpeta de fotogramas pero no se suben.</translation>
    </message>
    <message>
        <source>OK writes it into the frame folder of the saved image now, and again with every save.</source>
        <translation>Aceptar la escribe ahora en la carpeta de fotogramas de la imagen guardada, y de nuevo en cada guardado.</translation>
    </message>
    <message>
        <source>It is written with the image at the next save.</source>
        <translation>Se escribe con la imagen en el próximo guardado.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CCheckUpdatesDlg</name>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>TurnPixa can automatically detect when a new version is available.

Is it OK to access the internet to check for updates?</source>
        <translation>TurnPixa puede detectar automáticamente cuándo hay una versión nueva.

¿Permite que acceda a Internet para buscar actualizaciones?</translation>
    </message>
    <message>
        <source>Yes, automatically check for updates?</source>
        <translation>Sí, ¿buscar actualizaciones automáticamente?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Buscar ahora</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CEditDlg</name>
    <message>
        <source>Step4: Edit TurnPixa</source>
        <translation>Paso 4: Retocar TurnPixa</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosidad</translation>
    </message>
    <message>
        <source>All Images</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Esta imagen</translation>
    </message>
    <message>
        <source>Even out lightness</source>
        <translation>Igualar la luminosidad</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Midiendo</translation>
    </message>
    <message>
        <source>Background Removal</source>
        <translation>Quitar el fondo</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Soft Edge Frame</source>
        <translation>Borde suave</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Select this box to use the Background Removal option.

TurnPixa will analyse the image to automatically determine which part is the background.

This will work best when the background is fairly uniform. Use the slider to increase or decrease the removal.</source>
        <translation>Marque esta casilla para quitar el fondo.

TurnPixa analizará la imagen para determinar automáticamente qué parte es el fondo.

Funciona mejor con un fondo bastante uniforme. Con el control deslizante se quita más o menos fondo.</translation>
    </message>
    <message>
        <source>Click here to choose a new colour for the background.

This colour will replace the background.</source>
        <translation>Haga clic aquí para elegir un nuevo color de fondo.

Este color sustituirá al fondo.</translation>
    </message>
    <message>
        <source>Select this box to leave no background at all: PNG and WebP frames show the page behind the object.

JPG frames cannot be transparent.</source>
        <translation>Marque esta casilla para no dejar ningún fondo: los fotogramas PNG y WebP dejan ver la página detrás del objeto.

Los fotogramas JPG no pueden ser transparentes.</translation>
    </message>
    <message>
        <source>This slider controls how much background is removed.

Slide to the right to remove more background.
Slide to the left if too much is removed.</source>
        <translation>Este control deslizante determina cuánto fondo se quita.

Deslícelo a la derecha para quitar más fondo.
Deslícelo a la izquierda si se quita demasiado.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CFileThumbnailDlg</name>
    <message>
        <source>All raster files (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</source>
        <translation>Todas las imágenes de mapa de bits (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</translation>
    </message>
    <message>
        <source>BMP Files (*.bmp *.BMP)</source>
        <translation>Archivos BMP (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif *.GIF)</source>
        <translation>Archivos GIF (*.gif *.GIF)</translation>
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
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>turnpixa::CFramePackDlg</name>
    <message>
        <source>Frame Pack</source>
        <translation>Paquete de fotogramas</translation>
    </message>
    <message>
        <source>The frames of one turn at equal steps, made from your photos with every setting, as JPEG files 01.jpg, 02.jpg ... in one zip file: for shops and marketplaces that take a spin as a set of numbered frames. Each step shows the photo nearest to its angle.</source>
        <translation>Los fotogramas de una vuelta a pasos iguales, hechos a partir de sus fotos con todos los ajustes, como archivos JPEG 01.jpg, 02.jpg ... en un archivo zip: para tiendas y mercados que aceptan un giro como serie de fotogramas numerados. Cada paso muestra la foto más cercana a su ángulo.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Most marketplaces show frames of 1000 to 2000 pixels with a zoom. Wider than your photos, the frames are enlarged and less sharp.</source>
        <translation>La mayoría de los mercados muestran fotogramas de 1000 a 2000 píxeles con zoom. Más anchos que sus fotos, los fotogramas se amplían y pierden nitidez.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>%v of %m frames</source>
        <translation>%v de %m fotogramas</translation>
    </message>
    <message>
        <source>Write Pack</source>
        <translation>Escribir paquete</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Fotogramas</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>x %1 px</source>
        <translation>x %1 px</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)</source>
        <translation>Archivos zip (*.zip)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The frame pack could not be written.

%1</source>
        <translation>No se pudo escribir el paquete de fotogramas.

%1</translation>
    </message>
    <message>
        <source>Saved a frame pack of %1 frames (%2 x %3) to %4</source>
        <translation>Paquete de %1 fotogramas (%2 x %3) guardado en %4</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Nota: </translation>
    </message>
</context>
<context>
    <name>turnpixa::CImportDlg</name>
    <message>
        <source>Step 2: Load Photos</source>
        <translation>Paso 2: Cargar fotos</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Acquire...</source>
        <translation>Adquirir...</translation>
    </message>
    <message>
        <source>Scan pages from a scanner or take them from a camera.</source>
        <translation>Escanear páginas con un escáner o tomarlas de una cámara.</translation>
    </message>
    <message>
        <source>Remove All Images...</source>
        <translation>Quitar todas las imágenes...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>Step 2: Load your photos.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Use the Browse or Acquire button<byte value="xd"/>
<byte value="xd"/>
 or drag-and-drop files onto this window)</source>
        <translation>Paso 2: Cargue sus fotos.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Use el botón Examinar o Adquirir<byte value="xd"/>
<byte value="xd"/>
 o arrastre archivos a esta ventana)</translation>
    </message>
    <message>
        <source>Loading %1 of %2: %3</source>
        <translation>Cargando %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1: loaded, but damaged: %2</source>
        <translation>%1: cargado, pero dañado: %2</translation>
    </message>
    <message>
        <source>%1 photos loaded.</source>
        <translation>%1 fotos cargadas.</translation>
    </message>
    <message>
        <source>%1 of %2 files loaded.</source>
        <translation>%1 de %2 archivos cargados.</translation>
    </message>
    <message>
        <source>These files could not be read as pictures and were left out:

%1</source>
        <translation>Estos archivos no se pudieron leer como imágenes y se omitieron:

%1</translation>
    </message>
    <message>
        <source>These photos were loaded, but not all is well:

%1</source>
        <translation>Estas fotos se cargaron, pero no todo está bien:

%1</translation>
    </message>
    <message>
        <source>Please wait until the photos being loaded are in.</source>
        <translation>Espere hasta que terminen de cargarse las fotos.</translation>
    </message>
    <message>
        <source>

Drag across the picture to turn it. Drag a thumbnail onto another photo&apos;s line to move it there; right-click a thumbnail for more.</source>
        <translation>

Arrastre sobre la imagen para girarla. Arrastre una miniatura sobre la línea de otra foto para moverla allí; haga clic derecho en una miniatura para ver más.</translation>
    </message>
    <message>
        <source>Waiting for the scanner...</source>
        <translation>Esperando al escáner...</translation>
    </message>
    <message>
        <source>Pages scanned: %1</source>
        <translation>Páginas escaneadas: %1</translation>
    </message>
    <message>
        <source>1 page scanned.</source>
        <translation>1 página escaneada.</translation>
    </message>
    <message>
        <source>%1 pages scanned.</source>
        <translation>%1 páginas escaneadas.</translation>
    </message>
    <message>
        <source>The scanner stopped: %1. %2</source>
        <translation>El escáner se detuvo: %1. %2</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the imported images from TurnPixa?</source>
        <translation>¿Seguro que desea quitar de TurnPixa todas las imágenes importadas?</translation>
    </message>
</context>
<context>
    <name>turnpixa::CPrintPadDlg</name>
    <message>
        <source>PDF file</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>Print TurnPixa Pad</source>
        <translation>Imprimir la base TurnPixa</translation>
    </message>
    <message>
        <source>Printer Properties...</source>
        <translation>Propiedades de la impresora...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>Tamaño del papel:</translation>
    </message>
    <message>
        <source>Number of photos:</source>
        <translation>Número de fotos:</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>Imprimir en archivo PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The pad could not be printed.

%1</source>
        <translation>No se pudo imprimir la base.

%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSaveDlg</name>
    <message>
        <source>JPG frames cannot be transparent: PNG is chosen (WebP weighs less).</source>
        <translation>Los fotogramas JPG no pueden ser transparentes: se elige PNG (WebP pesa menos).</translation>
    </message>
    <message>
        <source>Step 5: Save TurnPixa</source>
        <translation>Paso 5: Guardar TurnPixa</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>JPG (default)</source>
        <translation>JPG (predeterminado)</translation>
    </message>
    <message>
        <source>WebP frames weigh about half as much as JPG frames and look as sharp; every current browser shows them.</source>
        <translation>Los fotogramas WebP pesan aproximadamente la mitad que los JPG y se ven igual de nítidos; todos los navegadores actuales los muestran.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Also saves large frames this wide in the frame folder&apos;s zoom folder, made from the photos, for zooming and sharp screens. 0 = none.</source>
        <translation>Guarda además fotogramas grandes de este ancho, hechos a partir de las fotos, en la carpeta zoom de la carpeta de fotogramas, para ampliar y para pantallas de alta resolución. 0 = ninguno.</translation>
    </message>
    <message>
        <source>Zoom frames</source>
        <translation>Fotogramas zoom</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Giro automático</translation>
    </message>
    <message>
        <source>Spin to the left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Spin to the right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Preview in Browser</source>
        <translation>Vista previa en el navegador</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Upload to Web</source>
        <translation>Subir a la Web</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>JPG frames cannot carry the transparent background chosen on the Edit page.</source>
        <translation>Los fotogramas JPG no admiten el fondo transparente elegido en el paso Retocar.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>HTML Files (*.htm *.HTM)</source>
        <translation>Archivos HTML (*.htm *.HTM)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Saving frame %1 of %2...</source>
        <translation>Guardando fotograma %1 de %2...</translation>
    </message>
    <message>
        <source>Saving failed.</source>
        <translation>No se pudo guardar.</translation>
    </message>
    <message>
        <source>The rotatable image could not be saved completely.

%1</source>
        <translation>La imagen giratoria no se pudo guardar por completo.

%1</translation>
    </message>
    <message>
        <source>Saved %1 frames to %2</source>
        <translation>%1 fotogramas guardados en %2</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Nota: </translation>
    </message>
    <message>
        <source>Drag across the picture to turn it, as visitors of your page will.</source>
        <translation>Arrastre sobre la imagen para girarla, como harán los visitantes de su página.</translation>
    </message>
    <message>
        <source>
%1 rows of %2 photos.</source>
        <translation>
%1 filas de %2 fotos.</translation>
    </message>
    <message>
        <source>Animated image...</source>
        <translation>Imagen animada...</translation>
    </message>
    <message>
        <source>Also writes an animated GIF or WebP of the spin into the frame folder, for listings and pages that take no scripts.</source>
        <translation>Escribe además un GIF o WebP animado del giro en la carpeta de fotogramas, para anuncios y páginas que no admiten scripts.</translation>
    </message>
    <message>
        <source>No animated image is written from now on.</source>
        <translation>A partir de ahora no se escribe ninguna imagen animada.</translation>
    </message>
    <message>
        <source>The animated image is written with the next save.</source>
        <translation>La imagen animada se escribe en el próximo guardado.</translation>
    </message>
    <message>
        <source>Making the animated image...</source>
        <translation>Creando la imagen animada...</translation>
    </message>
    <message>
        <source>Making the animated image: frame %1 of %2...</source>
        <translation>Creando la imagen animada: fotograma %1 de %2...</translation>
    </message>
    <message>
        <source>The animated image could not be written.</source>
        <translation>No se pudo escribir la imagen animada.</translation>
    </message>
    <message>
        <source>The animated image could not be written.

%1</source>
        <translation>No se pudo escribir la imagen animada.

%1</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>%1 escrito en %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Frame pack…</source>
        <translation>Paquete de fotogramas…</translation>
    </message>
    <message>
        <source>Writes the frames of one turn as numbered JPEG files in a zip file, for shops that take a spin as a set of frames.</source>
        <translation>Escribe los fotogramas de una vuelta como archivos JPEG numerados en un archivo zip, para tiendas que aceptan un giro como serie de fotogramas.</translation>
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
        <translation>Seleccionar origen</translation>
    </message>
    <message>
        <source>No scanner or camera was found.

Check that it is connected and turned on, then try again.</source>
        <translation>No se encontró ningún escáner ni cámara.

Compruebe que esté conectado y encendido y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Sources:</source>
        <translation>Orígenes:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>turnpixa::CScanSourceDlg</name>
    <message>
        <source>Scan - %1</source>
        <translation>Escanear - %1</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Escáner:</translation>
    </message>
    <message>
        <source>Paper from:</source>
        <translation>Papel desde:</translation>
    </message>
    <message>
        <source>Put the page on the scanner and press Scan.</source>
        <translation>Coloque la página en el escáner y pulse Escanear.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escanear</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Escaneando...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSizeDlg</name>
    <message>
        <source>Step3: Size TurnPixa</source>
        <translation>Paso 3: Tamaño de TurnPixa</translation>
    </message>
    <message>
        <source>Reverse spin direction</source>
        <translation>Invertir el sentido de giro</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotar</translation>
    </message>
    <message>
        <source>Left 90</source>
        <translation>Izquierda 90</translation>
    </message>
    <message>
        <source>Right 90</source>
        <translation>Derecha 90</translation>
    </message>
    <message>
        <source>Crop &amp;&amp; Pan</source>
        <translation>Recortar y desplazar</translation>
    </message>
    <message>
        <source>Crop...</source>
        <translation>Recortar...</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Desplazar</translation>
    </message>
    <message>
        <source>All Images</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Esta imagen</translation>
    </message>
    <message>
        <source>Auto-centre</source>
        <translation>Centrado automático</translation>
    </message>
    <message>
        <source>Centring</source>
        <translation>Centrando</translation>
    </message>
    <message>
        <source>A frame of %1 x %2 pixels is too large to make.

Please choose a smaller size.</source>
        <translation>Un fotograma de %L1 x %L2 píxeles es demasiado grande.

Elija un tamaño menor.</translation>
    </message>
    <message>
        <source>Apply Crop</source>
        <translation>Aplicar recorte</translation>
    </message>
    <message>
        <source>Undo Crop</source>
        <translation>Deshacer recorte</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Photos shot in several rows at different camera heights: row 1&apos;s photos first, every row the same number. Only row counts that divide the photo count are offered.</source>
        <translation>Fotos tomadas en varias filas a distintas alturas de cámara: primero las de la fila 1, todas las filas con el mismo número. Solo se ofrecen números de filas que dividen el número de fotos.</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 fila</translation>
    </message>
    <message>
        <source>%1 rows of %2</source>
        <translation>%1 filas de %2</translation>
    </message>
    <message>
        <source>%1 rows need a multiple of %1 photos: the %2 photos are one row.</source>
        <translation>%1 filas necesitan un múltiplo de %1 fotos: las %2 fotos son una fila.</translation>
    </message>
    <message>
        <source>Row %1 of %2, photo %3 of %4. Drag up and down to tilt.</source>
        <translation>Fila %1 de %2, foto %3 de %4. Arrastre arriba y abajo para inclinar.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSnippetDlg</name>
    <message>
        <source>Copy To Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>First TurnPixa on page</source>
        <translation>Primer TurnPixa de la página</translation>
    </message>
    <message>
        <source>Copy for Ebay</source>
        <translation>Copiar para eBay</translation>
    </message>
    <message>
        <source>Copy for Webpage</source>
        <translation>Copiar para página web</translation>
    </message>
    <message>
        <source>Copy for IFrame</source>
        <translation>Copiar para IFrame</translation>
    </message>
    <message>
        <source>How the snippets work</source>
        <translation>Cómo funcionan los fragmentos de código</translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation>Dirección de su espacio web</translation>
    </message>
    <message>
        <source>TurnPixa folder in your webspace</source>
        <translation>Carpeta TurnPixa en su espacio web</translation>
    </message>
    <message>
        <source>TurnPixa Image Name</source>
        <translation>Nombre de la imagen TurnPixa</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Please enter the name of a previously uploaded TurnPixa image</source>
        <translation>Escriba el nombre de una imagen TurnPixa ya subida</translation>
    </message>
    <message>
        <source>Can&apos;t find a TurnPixa image called &quot;%1&quot; at
%2

Please check the name you have entered.
Remember to upload your TurnPixa image before using
this Copy To Clipboard facility</source>
        <translation>No se encuentra ninguna imagen TurnPixa llamada «%1» en
%2

Compruebe el nombre que ha escrito.
Recuerde subir su imagen TurnPixa antes de
copiarla al portapapeles.</translation>
    </message>
    <message>
        <source>Auction listing, no scripts</source>
        <translation>Anuncio de subasta, sin scripts</translation>
    </message>
    <message>
        <source>The uploaded animated image, linked to the uploaded page: for listings that take no scripts</source>
        <translation>La imagen animada subida, enlazada a la página subida: para anuncios que no admiten scripts</translation>
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
        <translation>Paso 1: Tome sus fotos.<byte value="xd"/>
<byte value="xd"/>
O bien 1. Gire el objeto entre una foto y otra, sin mover la cámara.<byte value="xd"/>
<byte value="xd"/>
 O bien 2. Gire con la cámara alrededor del objeto, sin mover el objeto.<byte value="xd"/>
<byte value="xd"/>
 O bien 3. Gire sobre sí mismo con la cámara para captar toda la escena.</translation>
    </message>
    <message>
        <source>Step 1 : Take Photos</source>
        <translation>Paso 1: Tomar fotos</translation>
    </message>
    <message>
        <source>Step 1 - Take Photos</source>
        <translation>Paso 1 - Tomar fotos</translation>
    </message>
    <message>
        <source>Print a TurnPixa Pad...</source>
        <translation>Imprimir una base TurnPixa...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>Start by Loading Photos</source>
        <translation>Empezar cargando fotos</translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation>Actualizaciones...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CTurnPixaDlg</name>
    <message>
        <source>About TurnPixa...</source>
        <translation>Acerca de TurnPixa...</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Regreso</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Siguiente &gt;&gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Preparing the photos for the new size: %1 of %2</source>
        <translation>Preparando las fotos para el nuevo tamaño: %1 de %2</translation>
    </message>
    <message>
        <source>1 photo could not be read again; its frame may look less sharp.</source>
        <translation>1 foto no se pudo volver a leer; su fotograma puede verse menos nítido.</translation>
    </message>
    <message>
        <source>%1 photos could not be read again; their frames may look less sharp.</source>
        <translation>%1 fotos no se pudieron volver a leer; sus fotogramas pueden verse menos nítidos.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpToDateDlg</name>
    <message>
        <source>Up To Date</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>This is already the latest version.
(ver %1)</source>
        <translation>Esta ya es la versión más reciente.
(versión %1)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpdateCheck</name>
    <message>
        <source>Checking for update...</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>Update available...</source>
        <translation>Actualización disponible...</translation>
    </message>
    <message>
        <source>You are up-to-date</source>
        <translation>Está actualizado</translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation>Actualizaciones...</translation>
    </message>
    <message>
        <source>TurnPixa could not check for updates.

Please check your internet connection and try again later.</source>
        <translation>TurnPixa no pudo buscar actualizaciones.

Compruebe su conexión a Internet y vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.

%1</source>
        <translation>No se pudo descargar la nueva versión.

%1</translation>
    </message>
    <message>
        <source>The new version was downloaded to
%1
but could not be started. Please start it from there.</source>
        <translation>La nueva versión se descargó en
%1
pero no se pudo iniciar. Iníciela desde allí.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpdateOfferDlg</name>
    <message>
        <source>New TurnPixa Version Available</source>
        <translation>Nueva versión de TurnPixa disponible</translation>
    </message>
    <message>
        <source>Version %1 is now available</source>
        <translation>Ya está disponible la versión %1</translation>
    </message>
    <message>
        <source>Yes, download and install</source>
        <translation>Sí, descargar e instalar</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>Would you like to upgrade?</source>
        <translation>¿Desea actualizar?</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUploadDlg</name>
    <message>
        <source>Upload to Your Webspace</source>
        <translation>Subir a su espacio web</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configuración...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>(no server set: see Settings...)</source>
        <translation>(no hay servidor: vea Configuración...)</translation>
    </message>
    <message>
        <source>%1 and its %2 frames go to the folder &quot;%3&quot; on %4.</source>
        <translation>%1 y sus %2 fotogramas van a la carpeta «%3» de %4.</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation>%1 puerto %2</translation>
    </message>
    <message>
        <source>TurnPixa has not met the webspace server %1 before, and cannot tell whether it is the server you mean.

Its %2 key fingerprint is
%3

Compare it with the fingerprint your host publishes. If they are the same, trust the key: it is remembered, and the next upload goes ahead without asking.</source>
        <translation>TurnPixa no conoce todavía el servidor de espacio web %1 y no puede saber si es el servidor que usted quiere.

La huella de su clave %2 es
%3

Compárela con la huella que publica su proveedor. Si son iguales, confíe en la clave: se recordará y la próxima subida se hará sin preguntar.</translation>
    </message>
    <message>
        <source>The SSH key %1 is protected by a passphrase.

Passphrase:</source>
        <translation>La clave SSH %1 está protegida con una frase de contraseña.

Frase de contraseña:</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Subiendo...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Se anuló la subida.</translation>
    </message>
    <message>
        <source>The upload did not work.</source>
        <translation>La subida no funcionó.</translation>
    </message>
    <message>
        <source>Uploaded. Checking that the files are online...</source>
        <translation>Subido. Comprobando que los archivos están en línea...</translation>
    </message>
    <message>
        <source>The upload is complete.

%1</source>
        <translation>La subida ha terminado.

%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CViewDlg</name>
    <message>
        <source>Image Number</source>
        <translation>Número de imagen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Set Start Image</source>
        <translation>Fijar como imagen inicial</translation>
    </message>
    <message>
        <source>Remove this Image</source>
        <translation>Quitar esta imagen</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CWebspaceSettingsDlg</name>
    <message>
        <source>Webspace Upload Settings</source>
        <translation>Configuración de subida</translation>
    </message>
    <message>
        <source>ftp.example.com, ftps://ftp.example.com or sftp://example.com</source>
        <translation>ftp.example.com, ftps://ftp.example.com o sftp://example.com</translation>
    </message>
    <message>
        <source>The name of your webspace&apos;s FTP server. Write it as ftps://name for a secure connection, or as sftp://name (sftp://name:port for a port other than 22) for SFTP over SSH; with SFTP an empty password logs on with your SSH agent or your key in ~/.ssh.</source>
        <translation>El nombre del servidor FTP de su espacio web. Escríbalo como ftps://nombre para una conexión segura, o como sftp://nombre (sftp://nombre:puerto para un puerto distinto del 22) para SFTP sobre SSH; con SFTP, una contraseña vacía inicia sesión con su agente SSH o su clave de ~/.ssh.</translation>
    </message>
    <message>
        <source>Webspace FTP Server</source>
        <translation>Servidor FTP del espacio web</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Sub Folder for your website</source>
        <translation>Subcarpeta de su sitio web</translation>
    </message>
    <message>
        <source>Website Folder</source>
        <translation>Carpeta del sitio web</translation>
    </message>
    <message>
        <source>empty: htdocs or public_html</source>
        <translation>vacío: htdocs o public_html</translation>
    </message>
    <message>
        <source>Folder to store in on your webspace</source>
        <translation>Carpeta donde guardar en su espacio web</translation>
    </message>
    <message>
        <source>TurnPixa Folder</source>
        <translation>Carpeta TurnPixa</translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation>Dirección de su espacio web</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
</context>
<context>
    <name>turnpixa::DialogSeam</name>
    <message>
        <source>Unknown Server Key</source>
        <translation>Clave de servidor desconocida</translation>
    </message>
    <message>
        <source>Trust and Connect</source>
        <translation>Confiar y conectar</translation>
    </message>
    <message>
        <source>SSH Key Passphrase</source>
        <translation>Frase de contraseña de la clave SSH</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>About TurnPixa</source>
        <translation>Acerca de TurnPixa</translation>
    </message>
    <message>
        <source>TurnPixa Version 1.0</source>
        <translation>TurnPixa versión 1.0</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Las páginas de ayuda están en inglés.</translation>
    </message>
</context>
<context>
    <name>turnpixa::HelpOpener</name>
    <message>
        <source>Unable to find the help file: %1

It should be in the installation folder:
%2</source>
        <translation>No se encuentra el archivo de ayuda: %1

Debería estar en la carpeta de instalación:
%2</translation>
    </message>
    <message>
        <source>Unable to open the web page in your Browser.
Please point your web browser to:
%1</source>
        <translation>No se pudo abrir la página web en su navegador.
Abra en su navegador la dirección:
%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::SeriesAdjustBox</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>There are no photos to adjust.</source>
        <translation>No hay fotos que ajustar.</translation>
    </message>
    <message>
        <source> %1 of %2...</source>
        <translation> %1 de %2...</translation>
    </message>
    <message>
        <source>Undone: the photos are as they were.</source>
        <translation>Deshecho: las fotos están como antes.</translation>
    </message>
    <message>
        <source>The photos have changed since, so there is nothing to undo.</source>
        <translation>Las fotos han cambiado desde entonces; no hay nada que deshacer.</translation>
    </message>
    <message>
        <source>The photos are already centred; nothing was changed.</source>
        <translation>Las fotos ya están centradas; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The photos are already evenly lit; nothing was changed.</source>
        <translation>Las fotos ya tienen una luz uniforme; no se ha cambiado nada.</translation>
    </message>
</context>
</TS>
