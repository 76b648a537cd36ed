<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>turnpixa::CAnimationDlg</name>
    <message>
        <source>Animated Image</source>
        <translation>Immagine animata</translation>
    </message>
    <message>
        <source>An animated image turns by itself, from the start image on, on pages and listings that take no scripts. It is written into the frame folder and uploaded with the frames.</source>
        <translation>Un’immagine animata ruota da sola, a partire dall’immagine iniziale, su pagine e inserzioni che non accettano script. Viene scritta nella cartella dei fotogrammi e caricata con i fotogrammi.</translation>
    </message>
    <message>
        <source>GIF (spin.gif): every browser and marketplace</source>
        <translation>GIF (spin.gif): ogni browser e marketplace</translation>
    </message>
    <message>
        <source>WebP (spin.webp): a fraction of the size</source>
        <translation>WebP (spin.webp): una frazione delle dimensioni</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The frames are %1 pixels wide; other widths are rendered from the photos.</source>
        <translation>I fotogrammi sono larghi %1 pixel; le altre larghezze sono ricavate dalle foto.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Turn the other way</source>
        <translation>Ruota nell’altro senso</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formati</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Time per frame</source>
        <translation>Tempo per fotogramma</translation>
    </message>
    <message>
        <source>No animated image is made.</source>
        <translation>Non viene creata alcuna immagine animata.</translation>
    </message>
    <message>
        <source>No animated image is made from now on; the ones written stay in the frame folder but are not uploaded.</source>
        <translation>D’ora in poi non viene creata alcuna immagine animata; quelle già scritte restano nella cartella dei fotogrammi ma non vengono caricate.</translation>
    </message>
    <message>
        <source>OK writes it into the frame folder of the saved image now, and again with every save.</source>
        <translation>OK la scrive ora nella cartella dei fotogrammi dell’immagine salvata, e di nuovo a ogni salvataggio.</translation>
    </message>
    <message>
        <source>It is written with the image at the next save.</source>
        <translation>Viene scritta con l’immagine al prossimo salvataggio.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CCheckUpdatesDlg</name>
    <message>
        <source>Check for Updates</source>
        <translation>Controllo aggiornamenti</translation>
    </message>
    <message>
        <source>TurnPixa can automatically detect when a new version is available.

Is it OK to access the internet to check for updates?</source>
        <translation>TurnPixa può rilevare automaticamente quando è disponibile una nuova versione.

Si desidera consentire l’accesso a Internet per controllare gli aggiornamenti?</translation>
    </message>
    <message>
        <source>Yes, automatically check for updates?</source>
        <translation>Sì, controllare automaticamente gli aggiornamenti?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Controlla ora</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CEditDlg</name>
    <message>
        <source>Step4: Edit TurnPixa</source>
        <translation>Passo 4: Modifica TurnPixa</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>All Images</source>
        <translation>Tutte le immagini</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Questa immagine</translation>
    </message>
    <message>
        <source>Even out lightness</source>
        <translation>Uniforma la luminosità</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Misurazione</translation>
    </message>
    <message>
        <source>Background Removal</source>
        <translation>Rimozione dello sfondo</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Colore...</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Trasparente</translation>
    </message>
    <message>
        <source>Soft Edge Frame</source>
        <translation>Bordo sfumato</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Select this box to use the Background Removal option.

TurnPixa will analyse the image to automatically determine which part is the background.

This will work best when the background is fairly uniform. Use the slider to increase or decrease the removal.</source>
        <translation>Selezionare questa casella per rimuovere lo sfondo.

TurnPixa analizza l’immagine per stabilire automaticamente quale parte è lo sfondo.

Il risultato è migliore con uno sfondo abbastanza uniforme. Con il cursore se ne rimuove di più o di meno.</translation>
    </message>
    <message>
        <source>Click here to choose a new colour for the background.

This colour will replace the background.</source>
        <translation>Fare clic qui per scegliere un nuovo colore per lo sfondo.

Questo colore sostituirà lo sfondo.</translation>
    </message>
    <message>
        <source>Select this box to leave no background at all: PNG and WebP frames show the page behind the object.

JPG frames cannot be transparent.</source>
        <translation>Selezionare questa casella per non lasciare alcuno sfondo: i fotogrammi PNG e WebP mostrano la pagina dietro l’oggetto.

I fotogrammi JPG non possono essere trasparenti.</translation>
    </message>
    <message>
        <source>This slider controls how much background is removed.

Slide to the right to remove more background.
Slide to the left if too much is removed.</source>
        <translation>Questo cursore regola quanto sfondo viene rimosso.

Spostarlo a destra per rimuovere più sfondo.
Spostarlo a sinistra se ne viene rimosso troppo.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CFileThumbnailDlg</name>
    <message>
        <source>All raster files (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</source>
        <translation>Tutte le immagini raster (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</translation>
    </message>
    <message>
        <source>BMP Files (*.bmp *.BMP)</source>
        <translation>File BMP (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif *.GIF)</source>
        <translation>File GIF (*.gif *.GIF)</translation>
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
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>turnpixa::CFramePackDlg</name>
    <message>
        <source>Frame Pack</source>
        <translation>Pacchetto fotogrammi</translation>
    </message>
    <message>
        <source>The frames of one turn at equal steps, made from your photos with every setting, as JPEG files 01.jpg, 02.jpg ... in one zip file: for shops and marketplaces that take a spin as a set of numbered frames. Each step shows the photo nearest to its angle.</source>
        <translation>I fotogrammi di un giro a passi uguali, ricavati dalle foto con tutte le impostazioni, come file JPEG 01.jpg, 02.jpg ... in un file zip: per negozi e marketplace che accettano una rotazione come serie di fotogrammi numerati. Ogni passo mostra la foto più vicina al suo angolo.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Most marketplaces show frames of 1000 to 2000 pixels with a zoom. Wider than your photos, the frames are enlarged and less sharp.</source>
        <translation>La maggior parte dei marketplace mostra fotogrammi da 1000 a 2000 pixel con lo zoom. Più larghi delle foto, i fotogrammi vengono ingranditi e sono meno nitidi.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>%v of %m frames</source>
        <translation>%v di %m fotogrammi</translation>
    </message>
    <message>
        <source>Write Pack</source>
        <translation>Scrivi pacchetto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Fotogrammi</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>x %1 px</source>
        <translation>x %1 px</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)</source>
        <translation>File zip (*.zip)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>The frame pack could not be written.

%1</source>
        <translation>Impossibile scrivere il pacchetto di fotogrammi.

%1</translation>
    </message>
    <message>
        <source>Saved a frame pack of %1 frames (%2 x %3) to %4</source>
        <translation>Salvato un pacchetto di %1 fotogrammi (%2 x %3) in %4</translation>
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
        <translation>Passo 2: Carica le foto</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Acquire...</source>
        <translation>Acquisisci...</translation>
    </message>
    <message>
        <source>Scan pages from a scanner or take them from a camera.</source>
        <translation>Acquisisce pagine da uno scanner o immagini da una fotocamera.</translation>
    </message>
    <message>
        <source>Remove All Images...</source>
        <translation>Rimuovi tutte le immagini...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
    <message>
        <source>Step 2: Load your photos.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Use the Browse or Acquire button<byte value="xd"/>
<byte value="xd"/>
 or drag-and-drop files onto this window)</source>
        <translation>Passo 2: Caricare le foto.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Usare il pulsante Sfoglia o Acquisisci<byte value="xd"/>
<byte value="xd"/>
 oppure trascinare i file su questa finestra)</translation>
    </message>
    <message>
        <source>Loading %1 of %2: %3</source>
        <translation>Caricamento di %1 su %2: %3</translation>
    </message>
    <message>
        <source>%1: loaded, but damaged: %2</source>
        <translation>%1: caricato, ma danneggiato: %2</translation>
    </message>
    <message>
        <source>%1 photos loaded.</source>
        <translation>%1 foto caricate.</translation>
    </message>
    <message>
        <source>%1 of %2 files loaded.</source>
        <translation>Caricati %1 file su %2.</translation>
    </message>
    <message>
        <source>These files could not be read as pictures and were left out:

%1</source>
        <translation>Questi file non sono stati letti come immagini e sono stati esclusi:

%1</translation>
    </message>
    <message>
        <source>These photos were loaded, but not all is well:

%1</source>
        <translation>Queste foto sono state caricate, ma non tutto è a posto:

%1</translation>
    </message>
    <message>
        <source>Please wait until the photos being loaded are in.</source>
        <translation>Attendere il termine del caricamento delle foto.</translation>
    </message>
    <message>
        <source>

Drag across the picture to turn it. Drag a thumbnail onto another photo&apos;s line to move it there; right-click a thumbnail for more.</source>
        <translation>

Trascinare sull’immagine per ruotarla. Trascinare una miniatura sulla linea di un’altra foto per spostarla lì; fare clic con il pulsante destro su una miniatura per altre azioni.</translation>
    </message>
    <message>
        <source>Waiting for the scanner...</source>
        <translation>In attesa dello scanner...</translation>
    </message>
    <message>
        <source>Pages scanned: %1</source>
        <translation>Pagine acquisite: %1</translation>
    </message>
    <message>
        <source>1 page scanned.</source>
        <translation>1 pagina acquisita.</translation>
    </message>
    <message>
        <source>%1 pages scanned.</source>
        <translation>%1 pagine acquisite.</translation>
    </message>
    <message>
        <source>The scanner stopped: %1. %2</source>
        <translation>Lo scanner si è fermato: %1. %2</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the imported images from TurnPixa?</source>
        <translation>Rimuovere davvero da TurnPixa tutte le immagini importate?</translation>
    </message>
</context>
<context>
    <name>turnpixa::CPrintPadDlg</name>
    <message>
        <source>PDF file</source>
        <translation>File PDF</translation>
    </message>
    <message>
        <source>Print TurnPixa Pad</source>
        <translation>Stampa il supporto TurnPixa</translation>
    </message>
    <message>
        <source>Printer Properties...</source>
        <translation>Proprietà stampante...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Stampante:</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>Formato carta:</translation>
    </message>
    <message>
        <source>Number of photos:</source>
        <translation>Numero di foto:</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>Stampa su file PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The pad could not be printed.

%1</source>
        <translation>Impossibile stampare il supporto.

%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSaveDlg</name>
    <message>
        <source>JPG frames cannot be transparent: PNG is chosen (WebP weighs less).</source>
        <translation>I fotogrammi JPG non possono essere trasparenti: è scelto PNG (WebP pesa meno).</translation>
    </message>
    <message>
        <source>Step 5: Save TurnPixa</source>
        <translation>Passo 5: Salva TurnPixa</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>JPG (default)</source>
        <translation>JPG (predefinito)</translation>
    </message>
    <message>
        <source>WebP frames weigh about half as much as JPG frames and look as sharp; every current browser shows them.</source>
        <translation>I fotogrammi WebP pesano circa la metà dei fotogrammi JPG e sono altrettanto nitidi; tutti i browser attuali li mostrano.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Also saves large frames this wide in the frame folder&apos;s zoom folder, made from the photos, for zooming and sharp screens. 0 = none.</source>
        <translation>Salva anche fotogrammi grandi di questa larghezza, ricavati dalle foto, nella cartella zoom della cartella dei fotogrammi, per lo zoom e gli schermi ad alta risoluzione. 0 = nessuno.</translation>
    </message>
    <message>
        <source>Zoom frames</source>
        <translation>Fotogrammi zoom</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Rotazione automatica</translation>
    </message>
    <message>
        <source>Spin to the left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Spin to the right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Preview in Browser</source>
        <translation>Anteprima nel browser</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Upload to Web</source>
        <translation>Carica sul Web</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
    <message>
        <source>JPG frames cannot carry the transparent background chosen on the Edit page.</source>
        <translation>I fotogrammi JPG non possono avere lo sfondo trasparente scelto nel passo Modifica.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>HTML Files (*.htm *.HTM)</source>
        <translation>File HTML (*.htm *.HTM)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Saving frame %1 of %2...</source>
        <translation>Salvataggio del fotogramma %1 di %2...</translation>
    </message>
    <message>
        <source>Saving failed.</source>
        <translation>Salvataggio non riuscito.</translation>
    </message>
    <message>
        <source>The rotatable image could not be saved completely.

%1</source>
        <translation>Impossibile salvare completamente l’immagine rotante.

%1</translation>
    </message>
    <message>
        <source>Saved %1 frames to %2</source>
        <translation>Salvati %1 fotogrammi in %2</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Nota: </translation>
    </message>
    <message>
        <source>Drag across the picture to turn it, as visitors of your page will.</source>
        <translation>Trascinare sull’immagine per ruotarla, come faranno i visitatori della pagina.</translation>
    </message>
    <message>
        <source>
%1 rows of %2 photos.</source>
        <translation>
%1 righe di %2 foto.</translation>
    </message>
    <message>
        <source>Animated image...</source>
        <translation>Immagine animata...</translation>
    </message>
    <message>
        <source>Also writes an animated GIF or WebP of the spin into the frame folder, for listings and pages that take no scripts.</source>
        <translation>Scrive anche una GIF o WebP animata della rotazione nella cartella dei fotogrammi, per inserzioni e pagine che non accettano script.</translation>
    </message>
    <message>
        <source>No animated image is written from now on.</source>
        <translation>D’ora in poi non viene scritta alcuna immagine animata.</translation>
    </message>
    <message>
        <source>The animated image is written with the next save.</source>
        <translation>L’immagine animata viene scritta al prossimo salvataggio.</translation>
    </message>
    <message>
        <source>Making the animated image...</source>
        <translation>Creazione dell’immagine animata...</translation>
    </message>
    <message>
        <source>Making the animated image: frame %1 of %2...</source>
        <translation>Creazione dell’immagine animata: fotogramma %1 di %2...</translation>
    </message>
    <message>
        <source>The animated image could not be written.</source>
        <translation>Impossibile scrivere l’immagine animata.</translation>
    </message>
    <message>
        <source>The animated image could not be written.

%1</source>
        <translation>Impossibile scrivere l’immagine animata.

%1</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>Scritto %1 in %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Frame pack…</source>
        <translation>Pacchetto fotogrammi…</translation>
    </message>
    <message>
        <source>Writes the frames of one turn as numbered JPEG files in a zip file, for shops that take a spin as a set of frames.</source>
        <translation>Scrive i fotogrammi di un giro come file JPEG numerati in un file zip, per i negozi che accettano una rotazione come serie di fotogrammi.</translation>
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
        <translation>Seleziona origine</translation>
    </message>
    <message>
        <source>No scanner or camera was found.

Check that it is connected and turned on, then try again.</source>
        <translation>Non è stato trovato nessuno scanner né fotocamera.

Verificare che il dispositivo sia collegato e acceso, poi riprovare.</translation>
    </message>
    <message>
        <source>Sources:</source>
        <translation>Origini:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
</context>
<context>
    <name>turnpixa::CScanSourceDlg</name>
    <message>
        <source>Scan - %1</source>
        <translation>Acquisizione - %1</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Paper from:</source>
        <translation>Carta da:</translation>
    </message>
    <message>
        <source>Put the page on the scanner and press Scan.</source>
        <translation>Appoggiare la pagina sullo scanner e premere Acquisisci.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Acquisisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Acquisizione...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSizeDlg</name>
    <message>
        <source>Step3: Size TurnPixa</source>
        <translation>Passo 3: Dimensioni TurnPixa</translation>
    </message>
    <message>
        <source>Reverse spin direction</source>
        <translation>Inverti il senso di rotazione</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Left 90</source>
        <translation>Sinistra 90</translation>
    </message>
    <message>
        <source>Right 90</source>
        <translation>Destra 90</translation>
    </message>
    <message>
        <source>Crop &amp;&amp; Pan</source>
        <translation>Ritaglia e sposta</translation>
    </message>
    <message>
        <source>Crop...</source>
        <translation>Ritaglia...</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>All Images</source>
        <translation>Tutte le immagini</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Questa immagine</translation>
    </message>
    <message>
        <source>Auto-centre</source>
        <translation>Centratura automatica</translation>
    </message>
    <message>
        <source>Centring</source>
        <translation>Centratura</translation>
    </message>
    <message>
        <source>A frame of %1 x %2 pixels is too large to make.

Please choose a smaller size.</source>
        <translation>Un fotogramma di %L1 x %L2 pixel è troppo grande.

Scegliere una dimensione più piccola.</translation>
    </message>
    <message>
        <source>Apply Crop</source>
        <translation>Applica ritaglio</translation>
    </message>
    <message>
        <source>Undo Crop</source>
        <translation>Annulla ritaglio</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Libero</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Photos shot in several rows at different camera heights: row 1&apos;s photos first, every row the same number. Only row counts that divide the photo count are offered.</source>
        <translation>Foto scattate in più righe a diverse altezze della fotocamera: prima le foto della riga 1, ogni riga con lo stesso numero. Sono proposti solo numeri di righe che dividono il numero di foto.</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 riga</translation>
    </message>
    <message>
        <source>%1 rows of %2</source>
        <translation>%1 righe da %2</translation>
    </message>
    <message>
        <source>%1 rows need a multiple of %1 photos: the %2 photos are one row.</source>
        <translation>%1 righe richiedono un multiplo di %1 foto: le %2 foto formano una riga.</translation>
    </message>
    <message>
        <source>Row %1 of %2, photo %3 of %4. Drag up and down to tilt.</source>
        <translation>Riga %1 di %2, foto %3 di %4. Trascinare in su e in giù per inclinare.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSnippetDlg</name>
    <message>
        <source>Copy To Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>First TurnPixa on page</source>
        <translation>Primo TurnPixa della pagina</translation>
    </message>
    <message>
        <source>Copy for Ebay</source>
        <translation>Copia per eBay</translation>
    </message>
    <message>
        <source>Copy for Webpage</source>
        <translation>Copia per pagina Web</translation>
    </message>
    <message>
        <source>Copy for IFrame</source>
        <translation>Copia per IFrame</translation>
    </message>
    <message>
        <source>How the snippets work</source>
        <translation>Come funzionano i frammenti di codice</translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation>Indirizzo del proprio spazio Web</translation>
    </message>
    <message>
        <source>TurnPixa folder in your webspace</source>
        <translation>Cartella TurnPixa nello spazio Web</translation>
    </message>
    <message>
        <source>TurnPixa Image Name</source>
        <translation>Nome dell’immagine TurnPixa</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please enter the name of a previously uploaded TurnPixa image</source>
        <translation>Immettere il nome di un’immagine TurnPixa già caricata</translation>
    </message>
    <message>
        <source>Can&apos;t find a TurnPixa image called &quot;%1&quot; at
%2

Please check the name you have entered.
Remember to upload your TurnPixa image before using
this Copy To Clipboard facility</source>
        <translation>Nessuna immagine TurnPixa di nome «%1» trovata all’indirizzo
%2

Verificare il nome immesso.
Ricordarsi di caricare l’immagine TurnPixa prima di
copiarla negli appunti.</translation>
    </message>
    <message>
        <source>Auction listing, no scripts</source>
        <translation>Inserzione d’asta, senza script</translation>
    </message>
    <message>
        <source>The uploaded animated image, linked to the uploaded page: for listings that take no scripts</source>
        <translation>L’immagine animata caricata, collegata alla pagina caricata: per inserzioni che non accettano script</translation>
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
        <translation>Passo 1: Scattare le foto.<byte value="xd"/>
<byte value="xd"/>
O 1. Ruotare l’oggetto tra una foto e l’altra, tenendo ferma la fotocamera.<byte value="xd"/>
<byte value="xd"/>
 Oppure 2. Girare con la fotocamera intorno all’oggetto, tenendo fermo l’oggetto.<byte value="xd"/>
<byte value="xd"/>
 Oppure 3. Ruotare su se stessi con la fotocamera per riprendere tutta la scena.</translation>
    </message>
    <message>
        <source>Step 1 : Take Photos</source>
        <translation>Passo 1: Scatta le foto</translation>
    </message>
    <message>
        <source>Step 1 - Take Photos</source>
        <translation>Passo 1 - Scatta le foto</translation>
    </message>
    <message>
        <source>Print a TurnPixa Pad...</source>
        <translation>Stampa un supporto TurnPixa...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
    <message>
        <source>Start by Loading Photos</source>
        <translation>Inizia caricando le foto</translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation>Aggiornamenti...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CTurnPixaDlg</name>
    <message>
        <source>About TurnPixa...</source>
        <translation>Informazioni su TurnPixa...</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Indietro</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Avanti &gt;&gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finire</translation>
    </message>
    <message>
        <source>Preparing the photos for the new size: %1 of %2</source>
        <translation>Preparazione delle foto per le nuove dimensioni: %1 di %2</translation>
    </message>
    <message>
        <source>1 photo could not be read again; its frame may look less sharp.</source>
        <translation>Impossibile rileggere 1 foto; il suo fotogramma potrebbe apparire meno nitido.</translation>
    </message>
    <message>
        <source>%1 photos could not be read again; their frames may look less sharp.</source>
        <translation>Impossibile rileggere %1 foto; i loro fotogrammi potrebbero apparire meno nitidi.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpToDateDlg</name>
    <message>
        <source>Up To Date</source>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>This is already the latest version.
(ver %1)</source>
        <translation>Questa è già la versione più recente.
(versione %1)</translation>
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
        <translation>Controllo aggiornamenti...</translation>
    </message>
    <message>
        <source>Update available...</source>
        <translation>Aggiornamento disponibile...</translation>
    </message>
    <message>
        <source>You are up-to-date</source>
        <translation>Nessun aggiornamento</translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation>Aggiornamenti...</translation>
    </message>
    <message>
        <source>TurnPixa could not check for updates.

Please check your internet connection and try again later.</source>
        <translation>TurnPixa non è riuscito a controllare gli aggiornamenti.

Verificare la connessione a Internet e riprovare più tardi.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.

%1</source>
        <translation>Impossibile scaricare la nuova versione.

%1</translation>
    </message>
    <message>
        <source>The new version was downloaded to
%1
but could not be started. Please start it from there.</source>
        <translation>La nuova versione è stata scaricata in
%1
ma non è stato possibile avviarla. Avviarla da lì.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpdateOfferDlg</name>
    <message>
        <source>New TurnPixa Version Available</source>
        <translation>Nuova versione di TurnPixa disponibile</translation>
    </message>
    <message>
        <source>Version %1 is now available</source>
        <translation>È disponibile la versione %1</translation>
    </message>
    <message>
        <source>Yes, download and install</source>
        <translation>Sì, scarica e installa</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opzioni...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
    <message>
        <source>Would you like to upgrade?</source>
        <translation>Aggiornare il programma?</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUploadDlg</name>
    <message>
        <source>Upload to Your Webspace</source>
        <translation>Caricamento nello spazio Web</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
    <message>
        <source>(no server set: see Settings...)</source>
        <translation>(nessun server impostato: vedere Impostazioni...)</translation>
    </message>
    <message>
        <source>%1 and its %2 frames go to the folder &quot;%3&quot; on %4.</source>
        <translation>%1 e i suoi %2 fotogrammi vanno nella cartella «%3» su %4.</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation>%1 porta %2</translation>
    </message>
    <message>
        <source>TurnPixa has not met the webspace server %1 before, and cannot tell whether it is the server you mean.

Its %2 key fingerprint is
%3

Compare it with the fingerprint your host publishes. If they are the same, trust the key: it is remembered, and the next upload goes ahead without asking.</source>
        <translation>TurnPixa non conosce ancora il server dello spazio Web %1 e non può sapere se è il server desiderato.

L’impronta della sua chiave %2 è
%3

Confrontarla con l’impronta pubblicata dal provider. Se coincidono, fidarsi della chiave: viene memorizzata e il prossimo caricamento procede senza chiedere.</translation>
    </message>
    <message>
        <source>The SSH key %1 is protected by a passphrase.

Passphrase:</source>
        <translation>La chiave SSH %1 è protetta da una passphrase.

Passphrase:</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Il caricamento è stato annullato.</translation>
    </message>
    <message>
        <source>The upload did not work.</source>
        <translation>Il caricamento non è riuscito.</translation>
    </message>
    <message>
        <source>Uploaded. Checking that the files are online...</source>
        <translation>Caricato. Verifica che i file siano online...</translation>
    </message>
    <message>
        <source>The upload is complete.

%1</source>
        <translation>Il caricamento è completato.

%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CViewDlg</name>
    <message>
        <source>Image Number</source>
        <translation>Numero immagine</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Set Start Image</source>
        <translation>Imposta come immagine iniziale</translation>
    </message>
    <message>
        <source>Remove this Image</source>
        <translation>Rimuovi questa immagine</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CWebspaceSettingsDlg</name>
    <message>
        <source>Webspace Upload Settings</source>
        <translation>Impostazioni di caricamento</translation>
    </message>
    <message>
        <source>ftp.example.com, ftps://ftp.example.com or sftp://example.com</source>
        <translation>ftp.example.com, ftps://ftp.example.com o sftp://example.com</translation>
    </message>
    <message>
        <source>The name of your webspace&apos;s FTP server. Write it as ftps://name for a secure connection, or as sftp://name (sftp://name:port for a port other than 22) for SFTP over SSH; with SFTP an empty password logs on with your SSH agent or your key in ~/.ssh.</source>
        <translation>Il nome del server FTP dello spazio Web. Scriverlo come ftps://nome per una connessione sicura, o come sftp://nome (sftp://nome:porta per una porta diversa da 22) per SFTP su SSH; con SFTP una password vuota accede con l’agente SSH o con la chiave in ~/.ssh.</translation>
    </message>
    <message>
        <source>Webspace FTP Server</source>
        <translation>Server FTP dello spazio Web</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Sub Folder for your website</source>
        <translation>Sottocartella del sito Web</translation>
    </message>
    <message>
        <source>Website Folder</source>
        <translation>Cartella del sito</translation>
    </message>
    <message>
        <source>empty: htdocs or public_html</source>
        <translation>vuoto: htdocs o public_html</translation>
    </message>
    <message>
        <source>Folder to store in on your webspace</source>
        <translation>Cartella di salvataggio nello spazio Web</translation>
    </message>
    <message>
        <source>TurnPixa Folder</source>
        <translation>Cartella TurnPixa</translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation>Indirizzo del proprio spazio Web</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
</context>
<context>
    <name>turnpixa::DialogSeam</name>
    <message>
        <source>Unknown Server Key</source>
        <translation>Chiave del server sconosciuta</translation>
    </message>
    <message>
        <source>Trust and Connect</source>
        <translation>Fidati e connetti</translation>
    </message>
    <message>
        <source>SSH Key Passphrase</source>
        <translation>Passphrase della chiave SSH</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>About TurnPixa</source>
        <translation>Informazioni su TurnPixa</translation>
    </message>
    <message>
        <source>TurnPixa Version 1.0</source>
        <translation>TurnPixa versione 1.0</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Le pagine della guida sono in inglese.</translation>
    </message>
</context>
<context>
    <name>turnpixa::HelpOpener</name>
    <message>
        <source>Unable to find the help file: %1

It should be in the installation folder:
%2</source>
        <translation>Impossibile trovare il file della guida: %1

Dovrebbe trovarsi nella cartella di installazione:
%2</translation>
    </message>
    <message>
        <source>Unable to open the web page in your Browser.
Please point your web browser to:
%1</source>
        <translation>Impossibile aprire la pagina Web nel browser.
Aprire nel browser l’indirizzo:
%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::SeriesAdjustBox</name>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>There are no photos to adjust.</source>
        <translation>Non ci sono foto da regolare.</translation>
    </message>
    <message>
        <source> %1 of %2...</source>
        <translation> %1 di %2...</translation>
    </message>
    <message>
        <source>Undone: the photos are as they were.</source>
        <translation>Annullato: le foto sono come prima.</translation>
    </message>
    <message>
        <source>The photos have changed since, so there is nothing to undo.</source>
        <translation>Nel frattempo le foto sono cambiate: non c’è niente da annullare.</translation>
    </message>
    <message>
        <source>The photos are already centred; nothing was changed.</source>
        <translation>Le foto sono già centrate; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The photos are already evenly lit; nothing was changed.</source>
        <translation>Le foto sono già illuminate in modo uniforme; non è stato cambiato nulla.</translation>
    </message>
</context>
</TS>
