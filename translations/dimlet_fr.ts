<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CLanguageSetting</name>
    <message>
        <source>Language Setting</source>
        <translation>Paramètres de langue</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Language has changed.Need reopen application.</source>
        <translation>La langue a été modifiée. Redémarrez l’application pour l’appliquer.</translation>
    </message>
</context>
<context>
    <name>CUpdateNotifier</name>
    <message>
        <source>Update </source>
        <translation>Mise à jour </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Remind Later</source>
        <translation>Rappeler plus tard</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>DLCaptureController</name>
    <message>
        <source>Capture Region</source>
        <translation>Capturer une zone</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>Capturer l&apos;écran</translation>
    </message>
    <message>
        <source>Capture Delay</source>
        <translation>Délai de capture</translation>
    </message>
    <message>
        <source>No Delay</source>
        <translation>Sans délai</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 secondes</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 secondes</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>The picture could not be kept in the temporary folder.</source>
        <translation>L&apos;image n&apos;a pas pu être conservée dans le dossier temporaire.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture or file that can be opened.</source>
        <translation>Le presse-papiers ne contient aucune image ni aucun fichier pouvant être ouvert.</translation>
    </message>
</context>
<context>
    <name>DLEditor</name>
    <message>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Color Pick</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Auto Detect</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>Finish Edit</source>
        <translation>Terminer la modification</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>Mettre à jour l’image</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Changer de langue</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>About App</source>
        <translation>À propos de l’application</translation>
    </message>
    <message>
        <source>Could not open document file.</source>
        <translation>Impossible d’ouvrir le fichier du document.</translation>
    </message>
    <message>
        <source>Could not read document file.</source>
        <translation>Impossible de lire le fichier du document.</translation>
    </message>
    <message>
        <source>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</source>
        <translation>Ce document nécessite la version %1.%2.%3 ou ultérieure ; vous utilisez la version %4. Mettez à jour l’application pour l’ouvrir.</translation>
    </message>
    <message>
        <source>Could not parse image data. Open Failed. :(</source>
        <translation>Impossible de lire les données de l’image. Échec de l’ouverture.</translation>
    </message>
    <message>
        <source>Could not save image file.</source>
        <translation>Impossible d’enregistrer le fichier image.</translation>
    </message>
    <message>
        <source>Could not open output file.</source>
        <translation>Impossible d’ouvrir le fichier de sortie.</translation>
    </message>
    <message>
        <source>MoveEditFixSize</source>
        <translation>59</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>Replace current document?</source>
        <translation>Remplacer le document actuel ?</translation>
    </message>
    <message>
        <source>File Existed. Replace?</source>
        <translation>Le fichier existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>Enregistrement réussi.</translation>
    </message>
    <message>
        <source>discard all change?</source>
        <translation>Abandonner toutes les modifications ?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</source>
        <translation>Fichier DLD (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;Fichiers BMP (*.bmp)</translation>
    </message>
</context>
<context>
    <name>DLGraphicsScene</name>
    <message>
        <source>Drop File Here</source>
        <translation>Déposez un fichier ici</translation>
    </message>
    <message>
        <source>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</source>
        <translation>Image Retina détectée, mais sa taille semble incorrecte [%1x%2]. Elle sera traitée comme une image normale.</translation>
    </message>
</context>
<context>
    <name>DLSetting</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Mark Color:</source>
        <translation>Couleur repère :</translation>
    </message>
    <message>
        <source>MacOS Generic Color Profile</source>
        <translation>Profil colorimétrique générique macOS</translation>
    </message>
    <message>
        <source>Default Format #FFFFFF(90%)</source>
        <translation>Format par défaut #FFFFFF(90%)</translation>
    </message>
    <message>
        <source>Alpha will show if need.</source>
        <translation>Alpha affiché si nécessaire.</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Arrière-plan :</translation>
    </message>
    <message>
        <source>Color Format:</source>
        <translation>Format couleur :</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>Origine :</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>haut à gauche</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>bas à gauche</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>The screen cannot be captured: there is no desktop session bus.</source>
        <translation>Impossible de capturer l&apos;écran : il n&apos;y a pas de bus de session du bureau.</translation>
    </message>
    <message>
        <source>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</source>
        <translation>Impossible de capturer l&apos;écran : le service de capture d&apos;écran du bureau n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>The screenshot was cancelled. Nothing was changed.</source>
        <translation>La capture d&apos;écran a été annulée. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not take a screenshot.</source>
        <translation>Le service de capture d&apos;écran du bureau n&apos;a pris aucune capture.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>Le service de capture d&apos;écran du bureau n&apos;a pas répondu.</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>L&apos;écran n&apos;a pas pu être capturé.</translation>
    </message>
    <message>
        <source>The screen cannot be captured on this desktop.</source>
        <translation>Impossible de capturer l&apos;écran sur ce bureau.</translation>
    </message>
    <message>
        <source>The screenshot from the desktop&apos;s screenshot service could not be read.</source>
        <translation>La capture fournie par le service de capture d&apos;écran du bureau n&apos;a pas pu être lue.</translation>
    </message>
</context>
</TS>
