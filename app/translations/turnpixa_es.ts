<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>turnpixa::CCheckUpdatesDlg</name>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TurnPixa can automatically detect when a new version is available.

Is it OK to access the internet to check for updates?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, automatically check for updates?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CEditDlg</name>
    <message>
        <source>Step4: Edit TurnPixa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even out lightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Removal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soft Edge Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select this box to use the Background Removal option.

TurnPixa will analyse the image to automatically determine which part is the background.

This will work best when the background is fairly uniform. Use the slider to increase or decrease the removal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to choose a new colour for the background.

This colour will replace the background.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select this box to leave no background at all: PNG and WebP frames show the page behind the object.

JPG frames cannot be transparent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This slider controls how much background is removed.

Slide to the right to remove more background.
Slide to the left if too much is removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CFileThumbnailDlg</name>
    <message>
        <source>All raster files (*.bmp *.tif *.tiff *.gif *.jpg *.jpeg *.png *.webp *.BMP *.TIF *.TIFF *.GIF *.JPG *.JPEG *.PNG *.WEBP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP Files (*.bmp *.BMP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF Files (*.gif *.GIF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tagged Image File Format - TIFF (*.tif *.tiff *.TIF *.TIFF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG/JFIF (*.jpg *.jpeg *.JPG *.JPEG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portable Network Graphic (*.png *.PNG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebP (*.webp *.WEBP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CImportDlg</name>
    <message>
        <source>Step 2: Load Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acquire...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan pages from a scanner or take them from a camera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove All Images...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 2: Load your photos.<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
(Use the Browse or Acquire button<byte value="xd"/>
<byte value="xd"/>
 or drag-and-drop files onto this window)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: loaded, but damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 photos loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 files loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files could not be read as pictures and were left out:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These photos were loaded, but not all is well:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait until the photos being loaded are in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Drag across the picture to turn it. Drag a thumbnail onto another photo&apos;s line to move it there; right-click a thumbnail for more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the scanner...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages scanned: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 page scanned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pages scanned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scanner stopped: %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove all the imported images from TurnPixa?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CPrintPadDlg</name>
    <message>
        <source>PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print TurnPixa Pad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Properties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of photos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pad could not be printed.

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CSaveDlg</name>
    <message>
        <source>JPG frames cannot be transparent: PNG is chosen (WebP weighs less).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 5: Save TurnPixa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPG (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebP frames weigh about half as much as JPG frames and look as sharp; every current browser shows them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also saves large frames this wide in the frame folder&apos;s zoom folder, made from the photos, for zooming and sharp screens. 0 = none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin to the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin to the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload to Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPG frames cannot carry the transparent background chosen on the Edit page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Files (*.htm *.HTM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving frame %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rotatable image could not be saved completely.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1 frames to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag across the picture to turn it, as visitors of your page will.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CScanSelectDlg</name>
    <message>
        <source>Select Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No scanner or camera was found.

Check that it is connected and turned on, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sources:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CScanSourceDlg</name>
    <message>
        <source>Scan - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the page on the scanner and press Scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CSizeDlg</name>
    <message>
        <source>Step3: Size TurnPixa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse spin direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop &amp;&amp; Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A frame of %1 x %2 pixels is too large to make.

Please choose a smaller size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CSnippetDlg</name>
    <message>
        <source>Copy To Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First TurnPixa on page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy for Ebay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy for Webpage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy for IFrame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the snippets work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TurnPixa folder in your webspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TurnPixa Image Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the name of a previously uploaded TurnPixa image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find a TurnPixa image called &quot;%1&quot; at
%2

Please check the name you have entered.
Remember to upload your TurnPixa image before using
this Copy To Clipboard facility</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1 : Take Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step 1 - Take Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print a TurnPixa Pad...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start by Loading Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CTurnPixaDlg</name>
    <message>
        <source>TurnPixa v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About TurnPixa...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the photos for the new size: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 photo could not be read again; its frame may look less sharp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 photos could not be read again; their frames may look less sharp.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpToDateDlg</name>
    <message>
        <source>Up To Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is already the latest version.
(ver %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpdateCheck</name>
    <message>
        <source>Checking for update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update available...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are up-to-date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TurnPixa could not check for updates.

Please check your internet connection and try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new version could not be downloaded.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new version was downloaded to
%1
but could not be started. Please start it from there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CUpdateOfferDlg</name>
    <message>
        <source>New TurnPixa Version Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 is now available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, download and install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to upgrade?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CUploadDlg</name>
    <message>
        <source>Upload to Your Webspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no server set: see Settings...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and its %2 frames go to the folder &quot;%3&quot; on %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TurnPixa has not met the webspace server %1 before, and cannot tell whether it is the server you mean.

Its %2 key fingerprint is
%3

Compare it with the fingerprint your host publishes. If they are the same, trust the key: it is remembered, and the next upload goes ahead without asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SSH key %1 is protected by a passphrase.

Passphrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload did not work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploaded. Checking that the files are online...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload is complete.

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CViewDlg</name>
    <message>
        <source>Image Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Start Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove this Image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::CWebspaceSettingsDlg</name>
    <message>
        <source>Webspace Upload Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ftp.example.com, ftps://ftp.example.com or sftp://example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of your webspace&apos;s FTP server. Write it as ftps://name for a secure connection, or as sftp://name (sftp://name:port for a port other than 22) for SFTP over SSH; with SFTP an empty password logs on with your SSH agent or your key in ~/.ssh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Webspace FTP Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub Folder for your website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty: htdocs or public_html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder to store in on your webspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TurnPixa Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your webspace location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::DialogSeam</name>
    <message>
        <source>Unknown Server Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trust and Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSH Key Passphrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About TurnPixa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TurnPixa Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::HelpOpener</name>
    <message>
        <source>../share/turnpixa/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to find the help file: %1

It should be in the installation folder:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open the web page in your Browser.
Please point your web browser to:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>turnpixa::SeriesAdjustBox</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no photos to adjust.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: the photos are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photos have changed since, so there is nothing to undo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
