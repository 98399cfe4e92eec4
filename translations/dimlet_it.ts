<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CLanguageSetting</name>
    <message>
        <source>Language Setting</source>
        <translation>Impostazioni lingua</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Language has changed.Need reopen application.</source>
        <translation>La lingua è stata cambiata. Riavvia l’applicazione per applicarla.</translation>
    </message>
</context>
<context>
    <name>CUpdateNotifier</name>
    <message>
        <source>Update </source>
        <translation>Aggiornamento </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Remind Later</source>
        <translation>Ricorda più tardi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>DLCaptureController</name>
    <message>
        <source>Capture Region</source>
        <translation>Cattura area</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>Cattura schermo</translation>
    </message>
    <message>
        <source>Capture Delay</source>
        <translation>Ritardo di cattura</translation>
    </message>
    <message>
        <source>No Delay</source>
        <translation>Nessun ritardo</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 secondi</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 secondi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Copia immagine</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>The picture could not be kept in the temporary folder.</source>
        <translation>Impossibile conservare l&apos;immagine nella cartella temporanea.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture or file that can be opened.</source>
        <translation>Gli appunti non contengono immagini o file che si possano aprire.</translation>
    </message>
</context>
<context>
    <name>DLEditor</name>
    <message>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Color Pick</source>
        <translation>Contagocce</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Fit Size</source>
        <translation>Dimensioni reali</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Auto Detect</source>
        <translation>Rilevamento automatico</translation>
    </message>
    <message>
        <source>Finish Edit</source>
        <translation>Termina modifica</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>Aggiorna immagine</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Cambia lingua</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>About App</source>
        <translation>Informazioni sull’app</translation>
    </message>
    <message>
        <source>Could not open document file.</source>
        <translation>Impossibile aprire il file del documento.</translation>
    </message>
    <message>
        <source>Could not read document file.</source>
        <translation>Impossibile leggere il file del documento.</translation>
    </message>
    <message>
        <source>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</source>
        <translation>Questo documento richiede la versione %1.%2.%3 o successiva; stai usando la versione %4. Aggiorna l’applicazione per aprirlo.</translation>
    </message>
    <message>
        <source>Could not parse image data. Open Failed. :(</source>
        <translation>Impossibile leggere i dati dell’immagine. Apertura non riuscita.</translation>
    </message>
    <message>
        <source>Could not save image file.</source>
        <translation>Impossibile salvare il file immagine.</translation>
    </message>
    <message>
        <source>Could not open output file.</source>
        <translation>Impossibile aprire il file di output.</translation>
    </message>
    <message>
        <source>MoveEditFixSize</source>
        <translation>47</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>Replace current document?</source>
        <translation>Sostituire il documento corrente?</translation>
    </message>
    <message>
        <source>File Existed. Replace?</source>
        <translation>Il file esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>Salvataggio riuscito.</translation>
    </message>
    <message>
        <source>discard all change?</source>
        <translation>Scartare tutte le modifiche?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</source>
        <translation>File DLD (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;File BMP (*.bmp)</translation>
    </message>
</context>
<context>
    <name>DLGraphicsScene</name>
    <message>
        <source>Drop File Here</source>
        <translation>Trascina qui un file</translation>
    </message>
    <message>
        <source>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</source>
        <translation>Rilevata un’immagine Retina, ma le dimensioni potrebbero non essere valide [%1x%2]. Verrà trattata come un’immagine normale.</translation>
    </message>
</context>
<context>
    <name>DLSetting</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Mark Color:</source>
        <translation>Colore segni:</translation>
    </message>
    <message>
        <source>MacOS Generic Color Profile</source>
        <translation>Profilo colore generico macOS</translation>
    </message>
    <message>
        <source>Default Format #FFFFFF(90%)</source>
        <translation>Formato predefinito #FFFFFF(90%)</translation>
    </message>
    <message>
        <source>Alpha will show if need.</source>
        <translation>Alfa mostrato se necessario.</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Colore sfondo:</translation>
    </message>
    <message>
        <source>Color Format:</source>
        <translation>Formato colore:</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>Origine:</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>alto a sinistra</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>basso a sinistra</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>The screen cannot be captured: there is no desktop session bus.</source>
        <translation>Impossibile catturare lo schermo: non c&apos;è un bus di sessione del desktop.</translation>
    </message>
    <message>
        <source>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</source>
        <translation>Impossibile catturare lo schermo: il servizio di screenshot del desktop non è disponibile.</translation>
    </message>
    <message>
        <source>The screenshot was cancelled. Nothing was changed.</source>
        <translation>Lo screenshot è stato annullato. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not take a screenshot.</source>
        <translation>Il servizio di screenshot del desktop non ha acquisito alcuno screenshot.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>Il servizio di screenshot del desktop non ha risposto.</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Impossibile catturare lo schermo.</translation>
    </message>
    <message>
        <source>The screen cannot be captured on this desktop.</source>
        <translation>Su questo desktop non è possibile catturare lo schermo.</translation>
    </message>
    <message>
        <source>The screenshot from the desktop&apos;s screenshot service could not be read.</source>
        <translation>Impossibile leggere lo screenshot fornito dal servizio di screenshot del desktop.</translation>
    </message>
</context>
</TS>
