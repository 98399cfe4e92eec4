<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CLanguageSetting</name>
    <message>
        <source>Language Setting</source>
        <translation>Configuração de idioma</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Language has changed.Need reopen application.</source>
        <translation>O idioma foi alterado. Reinicie o aplicativo para aplicá-lo.</translation>
    </message>
</context>
<context>
    <name>CUpdateNotifier</name>
    <message>
        <source>Update </source>
        <translation>Atualização </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Remind Later</source>
        <translation>Lembrar depois</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>DLCaptureController</name>
    <message>
        <source>Capture Region</source>
        <translation>Capturar região</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>Capturar tela</translation>
    </message>
    <message>
        <source>Capture Delay</source>
        <translation>Atraso da captura</translation>
    </message>
    <message>
        <source>No Delay</source>
        <translation>Sem atraso</translation>
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
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>The picture could not be kept in the temporary folder.</source>
        <translation>Não foi possível guardar a imagem na pasta temporária.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture or file that can be opened.</source>
        <translation>A área de transferência não contém nenhuma imagem ou arquivo que possa ser aberto.</translation>
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
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>Color Pick</source>
        <translation>Conta-gotas</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Fit Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Auto Detect</source>
        <translation>Detecção automática</translation>
    </message>
    <message>
        <source>Finish Edit</source>
        <translation>Concluir edição</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>Atualizar imagem</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Alterar idioma</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>About App</source>
        <translation>Sobre o aplicativo</translation>
    </message>
    <message>
        <source>Could not open document file.</source>
        <translation>Não foi possível abrir o arquivo do documento.</translation>
    </message>
    <message>
        <source>Could not read document file.</source>
        <translation>Não foi possível ler o arquivo do documento.</translation>
    </message>
    <message>
        <source>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</source>
        <translation>Este documento requer a versão %1.%2.%3 ou posterior; você está usando a versão %4. Atualize o aplicativo para abri-lo.</translation>
    </message>
    <message>
        <source>Could not parse image data. Open Failed. :(</source>
        <translation>Não foi possível ler os dados da imagem. Falha ao abrir.</translation>
    </message>
    <message>
        <source>Could not save image file.</source>
        <translation>Não foi possível salvar o arquivo de imagem.</translation>
    </message>
    <message>
        <source>Could not open output file.</source>
        <translation>Não foi possível abrir o arquivo de saída.</translation>
    </message>
    <message>
        <source>MoveEditFixSize</source>
        <translation>46</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Arquivos de imagem</translation>
    </message>
    <message>
        <source>Replace current document?</source>
        <translation>Substituir o documento atual?</translation>
    </message>
    <message>
        <source>File Existed. Replace?</source>
        <translation>O arquivo já existe. Substituir?</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>Salvo com sucesso.</translation>
    </message>
    <message>
        <source>discard all change?</source>
        <translation>Descartar todas as alterações?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</source>
        <translation>Arquivo DLD (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;Arquivos BMP (*.bmp)</translation>
    </message>
</context>
<context>
    <name>DLGraphicsScene</name>
    <message>
        <source>Drop File Here</source>
        <translation>Solte um arquivo aqui</translation>
    </message>
    <message>
        <source>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</source>
        <translation>Imagem Retina detectada, mas o tamanho pode ser inválido [%1x%2]. Ela será tratada como uma imagem normal.</translation>
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
        <translation>Cor das marcas:</translation>
    </message>
    <message>
        <source>MacOS Generic Color Profile</source>
        <translation>Perfil de cor genérico do macOS</translation>
    </message>
    <message>
        <source>Default Format #FFFFFF(90%)</source>
        <translation>Formato padrão #FFFFFF(90%)</translation>
    </message>
    <message>
        <source>Alpha will show if need.</source>
        <translation>Alfa exibido se necessário.</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Cor de fundo:</translation>
    </message>
    <message>
        <source>Color Format:</source>
        <translation>Formato de cor:</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>Origem:</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>sup. esquerdo</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>inf. esquerdo</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>The screen cannot be captured: there is no desktop session bus.</source>
        <translation>Não é possível capturar a tela: não há barramento de sessão da área de trabalho.</translation>
    </message>
    <message>
        <source>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</source>
        <translation>Não é possível capturar a tela: o serviço de captura de tela da área de trabalho não está disponível.</translation>
    </message>
    <message>
        <source>The screenshot was cancelled. Nothing was changed.</source>
        <translation>A captura de tela foi cancelada. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not take a screenshot.</source>
        <translation>O serviço de captura de tela da área de trabalho não fez nenhuma captura.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>O serviço de captura de tela da área de trabalho não respondeu.</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Não foi possível capturar a tela.</translation>
    </message>
    <message>
        <source>The screen cannot be captured on this desktop.</source>
        <translation>Nesta área de trabalho não é possível capturar a tela.</translation>
    </message>
    <message>
        <source>The screenshot from the desktop&apos;s screenshot service could not be read.</source>
        <translation>Não foi possível ler a captura do serviço de captura de tela da área de trabalho.</translation>
    </message>
</context>
</TS>
