<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>turnpixa::CAnimationDlg</name>
    <message>
        <source>Animated Image</source>
        <translation>Image animée</translation>
    </message>
    <message>
        <source>An animated image turns by itself, from the start image on, on pages and listings that take no scripts. It is written into the frame folder and uploaded with the frames.</source>
        <translation>Une image animée tourne d’elle-même, à partir de l’image de départ, sur les pages et annonces qui n’acceptent pas de scripts. Elle est écrite dans le dossier des images et publiée avec elles.</translation>
    </message>
    <message>
        <source>GIF (spin.gif): every browser and marketplace</source>
        <translation>GIF (spin.gif) : tous les navigateurs et places de marché</translation>
    </message>
    <message>
        <source>WebP (spin.webp): a fraction of the size</source>
        <translation>WebP (spin.webp) : une fraction de la taille</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The frames are %1 pixels wide; other widths are rendered from the photos.</source>
        <translation>Les images font %1 pixels de large ; les autres largeurs sont faites à partir des photos.</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Turn the other way</source>
        <translation>Tourner dans l’autre sens</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Time per frame</source>
        <translation>Durée par image</translation>
    </message>
    <message>
        <source>No animated image is made.</source>
        <translation>Aucune image animée n’est faite.</translation>
    </message>
    <message>
        <source>No animated image is made from now on; the ones written stay in the frame folder but are not uploaded.</source>
        <translation>Désormais aucune image animée n’est faite ; celles déjà écrites restent dans le dossier des images mais ne sont pas publiées.</translation>
    </message>
    <message>
        <source>OK writes it into the frame folder of the saved image now, and again with every save.</source>
        <translation>OK l’écrit maintenant dans le dossier des images de l’image enregistrée, puis à chaque enregistrement.</translation>
    </message>
    <message>
        <source>It is written with the image at the next save.</source>
        <translation>Elle est écrite avec l’image au prochain enregistrement.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CCheckUpdatesDlg</name>
    <message>
        <source>Check for Updates</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>TurnPixa can automatically detect when a new version is available.

Is it OK to access the internet to check for updates?</source>
        <translation>TurnPixa peut détecter automatiquement la parution d’une nouvelle version.

TurnPixa peut-il accéder à Internet pour rechercher les mises à jour ?</translation>
    </message>
    <message>
        <source>Yes, automatically check for updates?</source>
        <translation>Oui, rechercher automatiquement les mises à jour ?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Rechercher maintenant</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CEditDlg</name>
    <message>
        <source>Step4: Edit TurnPixa</source>
        <translation>Étape 4 : Retouche</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>All Images</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Cette image</translation>
    </message>
    <message>
        <source>Even out lightness</source>
        <translation>Égaliser la luminosité</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Background Removal</source>
        <translation>Suppression du fond</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Soft Edge Frame</source>
        <translation>Bord adouci</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Select this box to use the Background Removal option.

TurnPixa will analyse the image to automatically determine which part is the background.

This will work best when the background is fairly uniform. Use the slider to increase or decrease the removal.</source>
        <translation>Cochez cette case pour supprimer le fond.

TurnPixa analyse l’image pour déterminer automatiquement quelle partie est le fond.

Le résultat est meilleur avec un fond assez uniforme. Le curseur permet d’en supprimer plus ou moins.</translation>
    </message>
    <message>
        <source>Click here to choose a new colour for the background.

This colour will replace the background.</source>
        <translation>Cliquez ici pour choisir une nouvelle couleur de fond.

Cette couleur remplacera le fond.</translation>
    </message>
    <message>
        <source>Select this box to leave no background at all: PNG and WebP frames show the page behind the object.

JPG frames cannot be transparent.</source>
        <translation>Cochez cette case pour ne laisser aucun fond : les images PNG et WebP laissent voir la page derrière l’objet.

Les images JPG ne peuvent pas être transparentes.</translation>
    </message>
    <message>
        <source>This slider controls how much background is removed.

Slide to the right to remove more background.
Slide to the left if too much is removed.</source>
        <translation>Ce curseur règle la quantité de fond supprimée.

Faites-le glisser vers la droite pour supprimer plus de fond.
Faites-le glisser vers la gauche si trop de fond est supprimé.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CFileThumbnailDlg</name>
    <message>
        <source>All raster files (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</source>
        <translation>Toutes les images matricielles (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</translation>
    </message>
    <message>
        <source>BMP Files (*.bmp *.BMP)</source>
        <translation>Fichiers BMP (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif *.GIF)</source>
        <translation>Fichiers GIF (*.gif *.GIF)</translation>
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
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>turnpixa::CFramePackDlg</name>
    <message>
        <source>Frame Pack</source>
        <translation>Lot d’images</translation>
    </message>
    <message>
        <source>The frames of one turn at equal steps, made from your photos with every setting, as JPEG files 01.jpg, 02.jpg ... in one zip file: for shops and marketplaces that take a spin as a set of numbered frames. Each step shows the photo nearest to its angle.</source>
        <translation>Les images d’un tour à pas égaux, faites à partir de vos photos avec tous les réglages, en fichiers JPEG 01.jpg, 02.jpg ... dans un fichier zip : pour les boutiques et places de marché qui prennent une rotation comme série d’images numérotées. Chaque pas montre la photo la plus proche de son angle.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Most marketplaces show frames of 1000 to 2000 pixels with a zoom. Wider than your photos, the frames are enlarged and less sharp.</source>
        <translation>La plupart des places de marché affichent des images de 1000 à 2000 pixels avec un zoom. Plus larges que vos photos, les images sont agrandies et moins nettes.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>%v of %m frames</source>
        <translation>%v images sur %m</translation>
    </message>
    <message>
        <source>Write Pack</source>
        <translation>Écrire le lot</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>x %1 px</source>
        <translation>x %1 px</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)</source>
        <translation>Fichiers zip (*.zip)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The frame pack could not be written.

%1</source>
        <translation>Le lot d’images n’a pas pu être écrit.

%1</translation>
    </message>
    <message>
        <source>Saved a frame pack of %1 frames (%2 x %3) to %4</source>
        <translation>Lot de %1 images (%2 x %3) enregistré dans %4</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Remarque : </translation>
    </message>
</context>
<context>
    <name>turnpixa::CImportDlg</name>
    <message>
        <source>Step 2: Load Photos</source>
        <translation>Étape 2 : Charger les photos</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Acquire...</source>
        <translation>Acquérir...</translation>
    </message>
    <message>
        <source>Scan pages from a scanner or take them from a camera.</source>
        <translation>Numériser des pages avec un scanner ou les prendre d’un appareil photo.</translation>
    </message>
    <message>
        <source>Remove All Images...</source>
        <translation>Retirer toutes les images...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>Step 2: Load your photos.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Use the Browse or Acquire button<byte value="xd"/>
<byte value="xd"/>
 or drag-and-drop files onto this window)</source>
        <translation>Étape 2 : Chargez vos photos.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Utilisez le bouton « Parcourir » ou « Acquérir »<byte value="xd"/>
<byte value="xd"/>
 ou glissez-déposez des fichiers sur cette fenêtre)</translation>
    </message>
    <message>
        <source>Loading %1 of %2: %3</source>
        <translation>Chargement de %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>%1: loaded, but damaged: %2</source>
        <translation>%1 : chargé, mais endommagé : %2</translation>
    </message>
    <message>
        <source>%1 photos loaded.</source>
        <translation>%1 photos chargées.</translation>
    </message>
    <message>
        <source>%1 of %2 files loaded.</source>
        <translation>%1 fichiers chargés sur %2.</translation>
    </message>
    <message>
        <source>These files could not be read as pictures and were left out:

%1</source>
        <translation>Ces fichiers n’ont pas pu être lus comme des images et ont été ignorés :

%1</translation>
    </message>
    <message>
        <source>These photos were loaded, but not all is well:

%1</source>
        <translation>Ces photos ont été chargées, mais tout n’est pas en ordre :

%1</translation>
    </message>
    <message>
        <source>Please wait until the photos being loaded are in.</source>
        <translation>Veuillez attendre la fin du chargement des photos.</translation>
    </message>
    <message>
        <source>

Drag across the picture to turn it. Drag a thumbnail onto another photo&apos;s line to move it there; right-click a thumbnail for more.</source>
        <translation>

Faites glisser la souris sur l’image pour la faire tourner. Faites glisser une vignette sur le trait d’une autre photo pour l’y déplacer ; cliquez du bouton droit sur une vignette pour d’autres actions.</translation>
    </message>
    <message>
        <source>Waiting for the scanner...</source>
        <translation>En attente du scanner...</translation>
    </message>
    <message>
        <source>Pages scanned: %1</source>
        <translation>Pages numérisées : %1</translation>
    </message>
    <message>
        <source>1 page scanned.</source>
        <translation>1 page numérisée.</translation>
    </message>
    <message>
        <source>%1 pages scanned.</source>
        <translation>%1 pages numérisées.</translation>
    </message>
    <message>
        <source>The scanner stopped: %1. %2</source>
        <translation>Le scanner s’est arrêté : %1. %2</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the imported images from TurnPixa?</source>
        <translation>Voulez-vous vraiment retirer de TurnPixa toutes les images importées ?</translation>
    </message>
</context>
<context>
    <name>turnpixa::CPrintPadDlg</name>
    <message>
        <source>PDF file</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>Print TurnPixa Pad</source>
        <translation>Imprimer le support TurnPixa</translation>
    </message>
    <message>
        <source>Printer Properties...</source>
        <translation>Propriétés de l’imprimante...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Imprimante :</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>Format du papier :</translation>
    </message>
    <message>
        <source>Number of photos:</source>
        <translation>Nombre de photos :</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The pad could not be printed.

%1</source>
        <translation>Le support n’a pas pu être imprimé.

%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSaveDlg</name>
    <message>
        <source>JPG frames cannot be transparent: PNG is chosen (WebP weighs less).</source>
        <translation>Les images JPG ne peuvent pas être transparentes : PNG est choisi (WebP est plus léger).</translation>
    </message>
    <message>
        <source>Step 5: Save TurnPixa</source>
        <translation>Étape 5 : Enregistrer</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>JPG (default)</source>
        <translation>JPG (par défaut)</translation>
    </message>
    <message>
        <source>WebP frames weigh about half as much as JPG frames and look as sharp; every current browser shows them.</source>
        <translation>Les images WebP pèsent environ moitié moins que les images JPG et sont aussi nettes ; tous les navigateurs actuels les affichent.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Also saves large frames this wide in the frame folder&apos;s zoom folder, made from the photos, for zooming and sharp screens. 0 = none.</source>
        <translation>Enregistre en plus, dans le dossier zoom du dossier des images, de grandes images de cette largeur faites à partir des photos, pour le zoom et les écrans haute définition. 0 = aucune.</translation>
    </message>
    <message>
        <source>Zoom frames</source>
        <translation>Images zoom</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Rotation auto</translation>
    </message>
    <message>
        <source>Spin to the left</source>
        <translation>Tourner vers la gauche</translation>
    </message>
    <message>
        <source>Spin to the right</source>
        <translation>Tourner vers la droite</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Preview in Browser</source>
        <translation>Aperçu dans le navigateur</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Upload to Web</source>
        <translation>Publier sur le Web</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>JPG frames cannot carry the transparent background chosen on the Edit page.</source>
        <translation>Les images JPG ne peuvent pas porter le fond transparent choisi à l’étape Retoucher.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>HTML Files (*.htm *.HTM)</source>
        <translation>Fichiers HTML (*.htm *.HTM)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Saving frame %1 of %2...</source>
        <translation>Enregistrement de l’image %1 sur %2...</translation>
    </message>
    <message>
        <source>Saving failed.</source>
        <translation>L’enregistrement a échoué.</translation>
    </message>
    <message>
        <source>The rotatable image could not be saved completely.

%1</source>
        <translation>L’image rotative n’a pas pu être enregistrée entièrement.

%1</translation>
    </message>
    <message>
        <source>Saved %1 frames to %2</source>
        <translation>%1 images enregistrées dans %2</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Remarque : </translation>
    </message>
    <message>
        <source>Drag across the picture to turn it, as visitors of your page will.</source>
        <translation>Faites glisser la souris sur l’image pour la faire tourner, comme le feront les visiteurs de votre page.</translation>
    </message>
    <message>
        <source>
%1 rows of %2 photos.</source>
        <translation>
%1 rangées de %2 photos.</translation>
    </message>
    <message>
        <source>Animated image...</source>
        <translation>Image animée...</translation>
    </message>
    <message>
        <source>Also writes an animated GIF or WebP of the spin into the frame folder, for listings and pages that take no scripts.</source>
        <translation>Écrit en plus un GIF ou WebP animé de la rotation dans le dossier des images, pour les annonces et pages qui n’acceptent pas de scripts.</translation>
    </message>
    <message>
        <source>No animated image is written from now on.</source>
        <translation>Désormais aucune image animée n’est écrite.</translation>
    </message>
    <message>
        <source>The animated image is written with the next save.</source>
        <translation>L’image animée est écrite au prochain enregistrement.</translation>
    </message>
    <message>
        <source>Making the animated image...</source>
        <translation>Création de l’image animée...</translation>
    </message>
    <message>
        <source>Making the animated image: frame %1 of %2...</source>
        <translation>Création de l’image animée : image %1 sur %2...</translation>
    </message>
    <message>
        <source>The animated image could not be written.</source>
        <translation>L’image animée n’a pas pu être écrite.</translation>
    </message>
    <message>
        <source>The animated image could not be written.

%1</source>
        <translation>L’image animée n’a pas pu être écrite.

%1</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>%1 écrit dans %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Frame pack…</source>
        <translation>Lot d’images…</translation>
    </message>
    <message>
        <source>Writes the frames of one turn as numbered JPEG files in a zip file, for shops that take a spin as a set of frames.</source>
        <translation>Écrit les images d’un tour en fichiers JPEG numérotés dans un fichier zip, pour les boutiques qui prennent une rotation comme série d’images.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
</context>
<context>
    <name>turnpixa::CScanSelectDlg</name>
    <message>
        <source>Select Source</source>
        <translation>Choisir la source</translation>
    </message>
    <message>
        <source>No scanner or camera was found.

Check that it is connected and turned on, then try again.</source>
        <translation>Aucun scanner ni appareil photo n’a été trouvé.

Vérifiez qu’il est branché et allumé, puis réessayez.</translation>
    </message>
    <message>
        <source>Sources:</source>
        <translation>Sources :</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
</context>
<context>
    <name>turnpixa::CScanSourceDlg</name>
    <message>
        <source>Scan - %1</source>
        <translation>Numériser - %1</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>Scanner :</translation>
    </message>
    <message>
        <source>Paper from:</source>
        <translation>Papier depuis :</translation>
    </message>
    <message>
        <source>Put the page on the scanner and press Scan.</source>
        <translation>Posez la page sur le scanner et cliquez sur « Numériser ».</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Numériser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Numérisation...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSizeDlg</name>
    <message>
        <source>Step3: Size TurnPixa</source>
        <translation>Étape 3 : Taille</translation>
    </message>
    <message>
        <source>Reverse spin direction</source>
        <translation>Inverser le sens de rotation</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Faire pivoter</translation>
    </message>
    <message>
        <source>Left 90</source>
        <translation>Gauche 90</translation>
    </message>
    <message>
        <source>Right 90</source>
        <translation>Droite 90</translation>
    </message>
    <message>
        <source>Crop &amp;&amp; Pan</source>
        <translation>Recadrer &amp;&amp; déplacer</translation>
    </message>
    <message>
        <source>Crop...</source>
        <translation>Recadrer...</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>All Images</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Cette image</translation>
    </message>
    <message>
        <source>Auto-centre</source>
        <translation>Centrage auto</translation>
    </message>
    <message>
        <source>Centring</source>
        <translation>Centrage</translation>
    </message>
    <message>
        <source>A frame of %1 x %2 pixels is too large to make.

Please choose a smaller size.</source>
        <translation>Une image de %L1 x %L2 pixels est trop grande.

Veuillez choisir une taille plus petite.</translation>
    </message>
    <message>
        <source>Apply Crop</source>
        <translation>Appliquer le recadrage</translation>
    </message>
    <message>
        <source>Undo Crop</source>
        <translation>Annuler le recadrage</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rangées</translation>
    </message>
    <message>
        <source>Photos shot in several rows at different camera heights: row 1&apos;s photos first, every row the same number. Only row counts that divide the photo count are offered.</source>
        <translation>Photos prises en plusieurs rangées à différentes hauteurs d’appareil : d’abord celles de la rangée 1, chaque rangée en même nombre. Seuls les nombres de rangées qui divisent le nombre de photos sont proposés.</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 rangée</translation>
    </message>
    <message>
        <source>%1 rows of %2</source>
        <translation>%1 rangées de %2</translation>
    </message>
    <message>
        <source>%1 rows need a multiple of %1 photos: the %2 photos are one row.</source>
        <translation>%1 rangées demandent un multiple de %1 photos : les %2 photos forment une rangée.</translation>
    </message>
    <message>
        <source>Row %1 of %2, photo %3 of %4. Drag up and down to tilt.</source>
        <translation>Rangée %1 sur %2, photo %3 sur %4. Faites glisser vers le haut ou le bas pour incliner.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CSnippetDlg</name>
    <message>
        <source>Copy To Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>First TurnPixa on page</source>
        <translation>Premier TurnPixa de la page</translation>
    </message>
    <message>
        <source>Copy for Ebay</source>
        <translation>Copier pour eBay</translation>
    </message>
    <message>
        <source>Copy for Webpage</source>
        <translation>Copier pour une page Web</translation>
    </message>
    <message>
        <source>Copy for IFrame</source>
        <translation>Copier pour une IFrame</translation>
    </message>
    <message>
        <source>How the snippets work</source>
        <translation>Fonctionnement des extraits de code</translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation>Adresse de votre espace Web</translation>
    </message>
    <message>
        <source>TurnPixa folder in your webspace</source>
        <translation>Dossier TurnPixa dans votre espace Web</translation>
    </message>
    <message>
        <source>TurnPixa Image Name</source>
        <translation>Nom de l’image TurnPixa</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please enter the name of a previously uploaded TurnPixa image</source>
        <translation>Veuillez saisir le nom d’une image TurnPixa déjà publiée</translation>
    </message>
    <message>
        <source>Can&apos;t find a TurnPixa image called &quot;%1&quot; at
%2

Please check the name you have entered.
Remember to upload your TurnPixa image before using
this Copy To Clipboard facility</source>
        <translation>Aucune image TurnPixa nommée « %1 » n’a été trouvée à l’adresse
%2

Veuillez vérifier le nom saisi.
Pensez à publier votre image TurnPixa avant de la
copier dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Auction listing, no scripts</source>
        <translation>Annonce d’enchères, sans scripts</translation>
    </message>
    <message>
        <source>The uploaded animated image, linked to the uploaded page: for listings that take no scripts</source>
        <translation>L’image animée publiée, liée à la page publiée : pour les annonces qui n’acceptent pas de scripts</translation>
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
        <translation>Étape 1 : Prenez vos photos.<byte value="xd"/>
<byte value="xd"/>
Soit 1. Faites tourner l’objet entre chaque photo, sans bouger l’appareil.<byte value="xd"/>
<byte value="xd"/>
 Soit 2. Tournez avec l’appareil autour de l’objet, sans bouger l’objet.<byte value="xd"/>
<byte value="xd"/>
 Soit 3. Tournez sur vous-même avec l’appareil pour saisir toute la scène.</translation>
    </message>
    <message>
        <source>Step 1 : Take Photos</source>
        <translation>Étape 1 : Photographier</translation>
    </message>
    <message>
        <source>Step 1 - Take Photos</source>
        <translation>Étape 1 - Prendre les photos</translation>
    </message>
    <message>
        <source>Print a TurnPixa Pad...</source>
        <translation>Imprimer un support TurnPixa...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>Start by Loading Photos</source>
        <translation>Commencer par charger les photos</translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation>Mises à jour...</translation>
    </message>
</context>
<context>
    <name>turnpixa::CTurnPixaDlg</name>
    <message>
        <source>About TurnPixa...</source>
        <translation>À propos de TurnPixa...</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Retour</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Preparing the photos for the new size: %1 of %2</source>
        <translation>Préparation des photos pour la nouvelle taille : %1 sur %2</translation>
    </message>
    <message>
        <source>1 photo could not be read again; its frame may look less sharp.</source>
        <translation>1 photo n’a pas pu être relue ; son image risque d’être moins nette.</translation>
    </message>
    <message>
        <source>%1 photos could not be read again; their frames may look less sharp.</source>
        <translation>%1 photos n’ont pas pu être relues ; leurs images risquent d’être moins nettes.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpToDateDlg</name>
    <message>
        <source>Up To Date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>This is already the latest version.
(ver %1)</source>
        <translation>Vous avez déjà la dernière version.
(version %1)</translation>
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
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>Update available...</source>
        <translation>Mise à jour disponible...</translation>
    </message>
    <message>
        <source>You are up-to-date</source>
        <translation>Vous êtes à jour</translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation>Mises à jour...</translation>
    </message>
    <message>
        <source>TurnPixa could not check for updates.

Please check your internet connection and try again later.</source>
        <translation>TurnPixa n’a pas pu rechercher les mises à jour.

Vérifiez votre connexion Internet et réessayez plus tard.</translation>
    </message>
    <message>
        <source>The new version could not be downloaded.

%1</source>
        <translation>La nouvelle version n’a pas pu être téléchargée.

%1</translation>
    </message>
    <message>
        <source>The new version was downloaded to
%1
but could not be started. Please start it from there.</source>
        <translation>La nouvelle version a été téléchargée dans
%1
mais n’a pas pu être lancée. Veuillez la lancer depuis cet emplacement.</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpdateOfferDlg</name>
    <message>
        <source>New TurnPixa Version Available</source>
        <translation>Nouvelle version de TurnPixa disponible</translation>
    </message>
    <message>
        <source>Version %1 is now available</source>
        <translation>La version %1 est disponible</translation>
    </message>
    <message>
        <source>Yes, download and install</source>
        <translation>Oui, télécharger et installer</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>Would you like to upgrade?</source>
        <translation>Voulez-vous mettre à jour ?</translation>
    </message>
</context>
<context>
    <name>turnpixa::CUploadDlg</name>
    <message>
        <source>Upload to Your Webspace</source>
        <translation>Publier sur votre espace Web</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Réglages...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>(no server set: see Settings...)</source>
        <translation>(aucun serveur indiqué : voir Réglages...)</translation>
    </message>
    <message>
        <source>%1 and its %2 frames go to the folder &quot;%3&quot; on %4.</source>
        <translation>%1 et ses %2 images vont dans le dossier « %3 » sur %4.</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation>%1 port %2</translation>
    </message>
    <message>
        <source>TurnPixa has not met the webspace server %1 before, and cannot tell whether it is the server you mean.

Its %2 key fingerprint is
%3

Compare it with the fingerprint your host publishes. If they are the same, trust the key: it is remembered, and the next upload goes ahead without asking.</source>
        <translation>TurnPixa ne connaît pas encore le serveur d’espace Web %1 et ne peut pas savoir si c’est bien le serveur voulu.

L’empreinte de sa clé %2 est
%3

Comparez-la avec l’empreinte publiée par votre hébergeur. Si elles sont identiques, faites confiance à la clé : elle est mémorisée, et la prochaine publication se fera sans question.</translation>
    </message>
    <message>
        <source>The SSH key %1 is protected by a passphrase.

Passphrase:</source>
        <translation>La clé SSH %1 est protégée par une phrase secrète.

Phrase secrète :</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Publication...</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>La publication a été annulée.</translation>
    </message>
    <message>
        <source>The upload did not work.</source>
        <translation>La publication a échoué.</translation>
    </message>
    <message>
        <source>Uploaded. Checking that the files are online...</source>
        <translation>Publié. Vérification de la présence des fichiers en ligne...</translation>
    </message>
    <message>
        <source>The upload is complete.

%1</source>
        <translation>La publication est terminée.

%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CViewDlg</name>
    <message>
        <source>Image Number</source>
        <translation>Numéro de l’image</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Set Start Image</source>
        <translation>Image de départ</translation>
    </message>
    <message>
        <source>Remove this Image</source>
        <translation>Retirer cette image</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rangée %1</translation>
    </message>
</context>
<context>
    <name>turnpixa::CWebspaceSettingsDlg</name>
    <message>
        <source>Webspace Upload Settings</source>
        <translation>Réglages de publication</translation>
    </message>
    <message>
        <source>ftp.example.com, ftps://ftp.example.com or sftp://example.com</source>
        <translation>ftp.example.com, ftps://ftp.example.com ou sftp://example.com</translation>
    </message>
    <message>
        <source>The name of your webspace&apos;s FTP server. Write it as ftps://name for a secure connection, or as sftp://name (sftp://name:port for a port other than 22) for SFTP over SSH; with SFTP an empty password logs on with your SSH agent or your key in ~/.ssh.</source>
        <translation>Le nom du serveur FTP de votre espace Web. Écrivez ftps://nom pour une connexion sécurisée, ou sftp://nom (sftp://nom:port pour un autre port que 22) pour SFTP par SSH ; en SFTP, un mot de passe vide connecte avec votre agent SSH ou votre clé dans ~/.ssh.</translation>
    </message>
    <message>
        <source>Webspace FTP Server</source>
        <translation>Serveur FTP de l’espace Web</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Sub Folder for your website</source>
        <translation>Sous-dossier de votre site Web</translation>
    </message>
    <message>
        <source>Website Folder</source>
        <translation>Dossier du site Web</translation>
    </message>
    <message>
        <source>empty: htdocs or public_html</source>
        <translation>vide : htdocs ou public_html</translation>
    </message>
    <message>
        <source>Folder to store in on your webspace</source>
        <translation>Dossier d’enregistrement sur votre espace Web</translation>
    </message>
    <message>
        <source>TurnPixa Folder</source>
        <translation>Dossier TurnPixa</translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation>Adresse de votre espace Web</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
</context>
<context>
    <name>turnpixa::DialogSeam</name>
    <message>
        <source>Unknown Server Key</source>
        <translation>Clé de serveur inconnue</translation>
    </message>
    <message>
        <source>Trust and Connect</source>
        <translation>Faire confiance et se connecter</translation>
    </message>
    <message>
        <source>SSH Key Passphrase</source>
        <translation>Phrase secrète de la clé SSH</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>About TurnPixa</source>
        <translation>À propos de TurnPixa</translation>
    </message>
    <message>
        <source>TurnPixa Version 1.0</source>
        <translation>TurnPixa version 1.0</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Les pages d’aide sont en anglais.</translation>
    </message>
</context>
<context>
    <name>turnpixa::HelpOpener</name>
    <message>
        <source>Unable to find the help file: %1

It should be in the installation folder:
%2</source>
        <translation>Fichier d’aide introuvable : %1

Il devrait se trouver dans le dossier d’installation :
%2</translation>
    </message>
    <message>
        <source>Unable to open the web page in your Browser.
Please point your web browser to:
%1</source>
        <translation>Impossible d’ouvrir la page Web dans votre navigateur.
Veuillez ouvrir dans votre navigateur :
%1</translation>
    </message>
</context>
<context>
    <name>turnpixa::SeriesAdjustBox</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>There are no photos to adjust.</source>
        <translation>Il n’y a aucune photo à ajuster.</translation>
    </message>
    <message>
        <source> %1 of %2...</source>
        <translation> %1 sur %2...</translation>
    </message>
    <message>
        <source>Undone: the photos are as they were.</source>
        <translation>Annulé : les photos sont comme avant.</translation>
    </message>
    <message>
        <source>The photos have changed since, so there is nothing to undo.</source>
        <translation>Les photos ont changé depuis, il n’y a rien à annuler.</translation>
    </message>
    <message>
        <source>The photos are already centred; nothing was changed.</source>
        <translation>Les photos sont déjà centrées ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The photos are already evenly lit; nothing was changed.</source>
        <translation>Les photos sont déjà éclairées de façon égale ; rien n’a été modifié.</translation>
    </message>
</context>
</TS>
