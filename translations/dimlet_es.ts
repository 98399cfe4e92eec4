<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CLanguageSetting</name>
    <message>
        <source>Language Setting</source>
        <translation>Configuración de idioma</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Language has changed.Need reopen application.</source>
        <translation>El idioma ha cambiado. Reinicia la aplicación para aplicarlo.</translation>
    </message>
</context>
<context>
    <name>CUpdateNotifier</name>
    <message>
        <source>Update </source>
        <translation>Actualización </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Remind Later</source>
        <translation>Recordar después</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>DLCaptureController</name>
    <message>
        <source>Capture Region</source>
        <translation>Capturar región</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>Capturar pantalla</translation>
    </message>
    <message>
        <source>Capture Delay</source>
        <translation>Retardo de captura</translation>
    </message>
    <message>
        <source>No Delay</source>
        <translation>Sin retardo</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 segundos</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 segundos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>The picture could not be kept in the temporary folder.</source>
        <translation>No se pudo guardar la imagen en la carpeta temporal.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture or file that can be opened.</source>
        <translation>El portapapeles no contiene ninguna imagen ni archivo que se pueda abrir.</translation>
    </message>
</context>
<context>
    <name>DLEditor</name>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Color Pick</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Auto Detect</source>
        <translation>Detección automática</translation>
    </message>
    <message>
        <source>Finish Edit</source>
        <translation>Terminar edición</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>Actualizar imagen</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Cambiar idioma</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>About App</source>
        <translation>Acerca de la aplicación</translation>
    </message>
    <message>
        <source>Could not open document file.</source>
        <translation>No se pudo abrir el archivo del documento.</translation>
    </message>
    <message>
        <source>Could not read document file.</source>
        <translation>No se pudo leer el archivo del documento.</translation>
    </message>
    <message>
        <source>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</source>
        <translation>Este documento requiere la versión %1.%2.%3 o posterior; estás usando la versión %4. Actualiza la aplicación para abrirlo.</translation>
    </message>
    <message>
        <source>Could not parse image data. Open Failed. :(</source>
        <translation>No se pudieron leer los datos de la imagen. Error al abrir.</translation>
    </message>
    <message>
        <source>Could not save image file.</source>
        <translation>No se pudo guardar el archivo de imagen.</translation>
    </message>
    <message>
        <source>Could not open output file.</source>
        <translation>No se pudo abrir el archivo de salida.</translation>
    </message>
    <message>
        <source>MoveEditFixSize</source>
        <translation>46</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Replace current document?</source>
        <translation>¿Reemplazar el documento actual?</translation>
    </message>
    <message>
        <source>File Existed. Replace?</source>
        <translation>El archivo ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>Guardado correctamente.</translation>
    </message>
    <message>
        <source>discard all change?</source>
        <translation>¿Descartar todos los cambios?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</source>
        <translation>Archivo DLD (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;Archivos BMP (*.bmp)</translation>
    </message>
</context>
<context>
    <name>DLGraphicsScene</name>
    <message>
        <source>Drop File Here</source>
        <translation>Suelta un archivo aquí</translation>
    </message>
    <message>
        <source>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</source>
        <translation>Se ha detectado una imagen Retina, pero su tamaño puede no ser válido [%1x%2]. Se tratará como una imagen normal.</translation>
    </message>
</context>
<context>
    <name>DLSetting</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Mark Color:</source>
        <translation>Color de marca:</translation>
    </message>
    <message>
        <source>MacOS Generic Color Profile</source>
        <translation>Perfil de color genérico de macOS</translation>
    </message>
    <message>
        <source>Default Format #FFFFFF(90%)</source>
        <translation>Formato por defecto #FFFFFF(90%)</translation>
    </message>
    <message>
        <source>Alpha will show if need.</source>
        <translation>Alfa visible si hace falta.</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Color de fondo:</translation>
    </message>
    <message>
        <source>Color Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>Origen:</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>arriba izquierda</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>abajo izquierda</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>The screen cannot be captured: there is no desktop session bus.</source>
        <translation>No se puede capturar la pantalla: no hay bus de sesión del escritorio.</translation>
    </message>
    <message>
        <source>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</source>
        <translation>No se puede capturar la pantalla: el servicio de capturas del escritorio no está disponible.</translation>
    </message>
    <message>
        <source>The screenshot was cancelled. Nothing was changed.</source>
        <translation>La captura de pantalla se canceló. No se cambió nada.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not take a screenshot.</source>
        <translation>El servicio de capturas del escritorio no hizo ninguna captura.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>El servicio de capturas del escritorio no respondió.</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>No se pudo capturar la pantalla.</translation>
    </message>
    <message>
        <source>The screen cannot be captured on this desktop.</source>
        <translation>En este escritorio no se puede capturar la pantalla.</translation>
    </message>
    <message>
        <source>The screenshot from the desktop&apos;s screenshot service could not be read.</source>
        <translation>No se pudo leer la captura del servicio de capturas del escritorio.</translation>
    </message>
</context>
</TS>
