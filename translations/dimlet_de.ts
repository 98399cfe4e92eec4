<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CLanguageSetting</name>
    <message>
        <source>Language Setting</source>
        <translation>Spracheinstellung</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Language has changed.Need reopen application.</source>
        <translation>Die Sprache wurde geändert. Bitte starten Sie die Anwendung neu.</translation>
    </message>
</context>
<context>
    <name>CUpdateNotifier</name>
    <message>
        <source>Update </source>
        <translation>Aktualisierung </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Remind Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>DLCaptureController</name>
    <message>
        <source>Capture Region</source>
        <translation>Bereich aufnehmen</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>Capture Delay</source>
        <translation>Aufnahmeverzögerung</translation>
    </message>
    <message>
        <source>No Delay</source>
        <translation>Keine Verzögerung</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 Sekunden</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 Sekunden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>The picture could not be kept in the temporary folder.</source>
        <translation>Das Bild konnte nicht im temporären Ordner abgelegt werden.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture or file that can be opened.</source>
        <translation>Die Zwischenablage enthält kein Bild und keine Datei, die sich öffnen lässt.</translation>
    </message>
</context>
<context>
    <name>DLEditor</name>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Color Pick</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Auto Detect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>Finish Edit</source>
        <translation>Bearbeitung beenden</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>Bild aktualisieren</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Sprache ändern</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>About App</source>
        <translation>Über die App</translation>
    </message>
    <message>
        <source>Could not open document file.</source>
        <translation>Die Dokumentdatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not read document file.</source>
        <translation>Die Dokumentdatei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</source>
        <translation>Dieses Dokument erfordert Version %1.%2.%3 oder neuer, Sie verwenden Version %4. Bitte aktualisieren Sie die Anwendung, um es zu öffnen.</translation>
    </message>
    <message>
        <source>Could not parse image data. Open Failed. :(</source>
        <translation>Die Bilddaten konnten nicht gelesen werden. Öffnen fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Could not save image file.</source>
        <translation>Die Bilddatei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Could not open output file.</source>
        <translation>Die Ausgabedatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>MoveEditFixSize</source>
        <translation>77</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Replace current document?</source>
        <translation>Aktuelles Dokument ersetzen?</translation>
    </message>
    <message>
        <source>File Existed. Replace?</source>
        <translation>Die Datei existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>Erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>discard all change?</source>
        <translation>Alle Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</source>
        <translation>DLD-Datei (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP-Dateien (*.bmp)</translation>
    </message>
</context>
<context>
    <name>DLGraphicsScene</name>
    <message>
        <source>Drop File Here</source>
        <translation>Datei hier ablegen</translation>
    </message>
    <message>
        <source>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</source>
        <translation>Retina-Bild erkannt, aber die Größe ist möglicherweise ungültig [%1x%2]. Es wird als normales Bild behandelt.</translation>
    </message>
</context>
<context>
    <name>DLSetting</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Mark Color:</source>
        <translation>Markerfarbe:</translation>
    </message>
    <message>
        <source>MacOS Generic Color Profile</source>
        <translation>Generisches macOS-Farbprofil</translation>
    </message>
    <message>
        <source>Default Format #FFFFFF(90%)</source>
        <translation>Standardformat #FFFFFF(90%)</translation>
    </message>
    <message>
        <source>Alpha will show if need.</source>
        <translation>Alpha nur bei Bedarf.</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Color Format:</source>
        <translation>Farbformat:</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>Ursprung:</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>unten links</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>The screen cannot be captured: there is no desktop session bus.</source>
        <translation>Der Bildschirm kann nicht aufgenommen werden: Es gibt keinen Sitzungsbus des Desktops.</translation>
    </message>
    <message>
        <source>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</source>
        <translation>Der Bildschirm kann nicht aufgenommen werden: Der Bildschirmfoto-Dienst des Desktops ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The screenshot was cancelled. Nothing was changed.</source>
        <translation>Das Bildschirmfoto wurde abgebrochen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not take a screenshot.</source>
        <translation>Der Bildschirmfoto-Dienst des Desktops hat kein Bildschirmfoto aufgenommen.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>Der Bildschirmfoto-Dienst des Desktops hat nicht geantwortet.</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>The screen cannot be captured on this desktop.</source>
        <translation>Auf diesem Desktop kann der Bildschirm nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>The screenshot from the desktop&apos;s screenshot service could not be read.</source>
        <translation>Das Bildschirmfoto des Bildschirmfoto-Dienstes konnte nicht gelesen werden.</translation>
    </message>
</context>
</TS>
