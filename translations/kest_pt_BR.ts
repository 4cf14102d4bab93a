<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cancel this calibration? The pedal keeps the calibration it had.</source>
        <translation>Cancelar esta calibração? O pedal mantém a calibração que tinha.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVAR</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>CALIBRAR</translation>
    </message>
    <message>
        <source>Press the pedal all the way down, let it come back up, then click SAVE.</source>
        <translation>Pise o pedal até o fim, deixe-o voltar e clique em SALVAR.</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then click SAVE; %2.</source>
        <translation>%1: pise o pedal até o fim, deixe-o voltar e clique em SALVAR; %2.</translation>
    </message>
    <message>
        <source>Save the calibration?</source>
        <translation>Salvar a calibração?</translation>
    </message>
</context>
<context>
    <name>DevicePage</name>
    <message>
        <source>CHECK UPDATE</source>
        <translation>BUSCAR ATUALIZAÇÃO</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The firmware file could not be read. Nothing was sent to the unit.</source>
        <translation>Não foi possível ler o arquivo de firmware. Nada foi enviado à unidade.</translation>
    </message>
    <message>
        <source>Not a valid firmware.</source>
        <translation>Firmware inválido.</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Another firmware update is running. Please try again when it is finished.</source>
        <translation>Outra atualização de firmware está em andamento. Tente novamente quando ela terminar.</translation>
    </message>
    <message>
        <source>Firmware updated successfully.</source>
        <translation>Firmware atualizado com sucesso.</translation>
    </message>
    <message>
        <source>Firmware update failed: the pedal unit was unplugged while it wrote its firmware. Please plug it in again and run the update again.</source>
        <translation>Falha na atualização do firmware: a unidade de pedais foi desconectada enquanto gravava o firmware. Conecte-a novamente e repita a atualização.</translation>
    </message>
    <message>
        <source>Firmware update failed: the unit did not take the whole image. Please try again.</source>
        <translation>Falha na atualização do firmware: a unidade não aceitou a imagem inteira. Tente novamente.</translation>
    </message>
    <message>
        <source>Writing ...</source>
        <translation>Gravando ...</translation>
    </message>
    <message>
        <source>Uploading ...</source>
        <translation>Enviando ...</translation>
    </message>
    <message>
        <source>Do you want to continue?
This operation will delete all the settings stored in the device flash memory.</source>
        <translation>Deseja continuar?
Esta operação apaga todas as configurações guardadas na memória flash do dispositivo.</translation>
    </message>
    <message>
        <source>Flash data has been cleared.</source>
        <translation>Os dados da flash foram apagados.</translation>
    </message>
    <message>
        <source>Firmware update stopped: the program ended while the pedal unit wrote its firmware. Please run the update again.</source>
        <translation>Atualização do firmware interrompida: o programa foi encerrado enquanto a unidade de pedais gravava o firmware. Repita a atualização.</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name ends in .bin.</source>
        <translation>O nome de um arquivo de firmware termina em .bin.</translation>
    </message>
    <message>
        <source>There is no file of that name.</source>
        <translation>Não há arquivo com esse nome.</translation>
    </message>
    <message>
        <source>It is not a regular file, but a folder, a device or a pipe.</source>
        <translation>Não é um arquivo comum, mas uma pasta, um dispositivo ou um pipe.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, the most the unit takes.</source>
        <translation>O arquivo tem mais de %1 bytes, o máximo que a unidade aceita.</translation>
    </message>
    <message>
        <source>Upload the firmware file %1 (%2 bytes) to the unit?</source>
        <translation>Enviar o arquivo de firmware %1 (%2 bytes) para a unidade?</translation>
    </message>
    <message>
        <source>MD5: %1</source>
        <translation>MD5: %1</translation>
    </message>
    <message>
        <source>The unit cannot check what a file holds and takes any file as its firmware. Upload only the maker&apos;s image for this unit, and compare the MD5 above with the one the maker publishes.</source>
        <translation>A unidade não consegue verificar o conteúdo de um arquivo e aceita qualquer arquivo como firmware. Envie apenas a imagem do fabricante para esta unidade e compare o MD5 acima com o que o fabricante publica.</translation>
    </message>
</context>
<context>
    <name>InputsPage</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>KestAxis</name>
    <message>
        <source>curve</source>
        <translation>curva</translation>
    </message>
    <message>
        <source>Left and Right choose a point; Up and Down move it by 1 %, Page Up and Page Down by 10 %.</source>
        <translation>Esquerda e Direita escolhem um ponto; Cima e Baixo o movem 1 %, Page Up e Page Down 10 %.</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>%1 point %2: %3</source>
        <translation>%1, ponto %2: %3</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Progressive</source>
        <translation>Progressiva</translation>
    </message>
    <message>
        <source>Degressive</source>
        <translation>Regressiva</translation>
    </message>
    <message>
        <source>S-curve</source>
        <translation>Curva em S</translation>
    </message>
    <message>
        <source>Copy curve</source>
        <translation>Copiar curva</translation>
    </message>
    <message>
        <source>Paste curve</source>
        <translation>Colar curva</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>KestSlider</name>
    <message>
        <source>Left and Right move the handle by 1 %, with Shift by 5 %.</source>
        <translation>Esquerda e Direita movem o controle 1 %, com Shift 5 %.</translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation>%1: %2 %</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kest Labs Setting</source>
        <translation>Kest Labs Setting</translation>
    </message>
    <message>
        <source>KEST LABS RM25</source>
        <translation>KEST LABS RM25</translation>
    </message>
    <message>
        <source>INPUTS</source>
        <translation>ENTRADAS</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>CALIBRAÇÃO</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>DISPOSITIVO</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PERFIS</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>SOBRE</translation>
    </message>
    <message>
        <source>%v</source>
        <translation>%v</translation>
    </message>
    <message>
        <source>20000</source>
        <translation>20000</translation>
    </message>
    <message>
        <source>ENABLE CLUTCH</source>
        <translation>EMBREAGEM</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>CALIBRAR</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>ACELERADOR</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>FREIO</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>EMBREAGEM</translation>
    </message>
    <message>
        <source>NEW PROFILE</source>
        <translation>NOVO PERFIL</translation>
    </message>
    <message>
        <source>SAVE </source>
        <translation>SALVAR </translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>REMOVER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVAR</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTAR</translation>
    </message>
    <message>
        <source>MANUAL UPDATE</source>
        <translation>ATUALIZAÇÃO MANUAL</translation>
    </message>
    <message>
        <source>UPLOADING...</source>
        <translation>ENVIANDO...</translation>
    </message>
    <message>
        <source>CHECK UPDATE</source>
        <translation>BUSCAR ATUALIZAÇÃO</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>CLEAR FLASH DATA</source>
        <translation>APAGAR DADOS FLASH</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>www.kestlabs.com</source>
        <translation>www.kestlabs.com</translation>
    </message>
    <message>
        <source>No pedal unit found. Check that its USB cable is plugged in, preferably straight into the computer rather than into a hub. On Linux, lsusb lists the unit as e5b7:6a1c.</source>
        <translation>Nenhuma unidade de pedais encontrada. Verifique se o cabo USB está conectado, de preferência direto no computador em vez de em um hub. No Linux, o lsusb mostra a unidade como e5b7:6a1c.</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read; trying again.</source>
        <translation>A unidade de pedais foi encontrada, mas não respondeu a todas as leituras; tentando novamente.</translation>
    </message>
    <message>
        <source>%1 curve</source>
        <translation>curva do %1</translation>
    </message>
    <message>
        <source>%1 low deadzone</source>
        <translation>zona morta inferior do %1</translation>
    </message>
    <message>
        <source>%1 high deadzone</source>
        <translation>zona morta superior do %1</translation>
    </message>
    <message>
        <source>Firmware Version:	</source>
        <translation>Versão do firmware:	</translation>
    </message>
    <message>
        <source>WAITING FOR DEVICE...</source>
        <translation>AGUARDANDO PEDAIS...</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The firmware update is still running. Please wait until it is finished.</source>
        <translation>A atualização do firmware ainda está em andamento. Aguarde até que termine.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>%1 low deadzone: the first part of the travel, which counts as released. Drag it, or Tab to it and use Left and Right.</source>
        <translation>Zona morta inferior do %1: a primeira parte do curso, que conta como solto. Arraste-a, ou chegue a ela com Tab e use Esquerda e Direita.</translation>
    </message>
    <message>
        <source>%1 high deadzone: the last part of the travel, which counts as fully pressed. Drag it, or Tab to it and use Left and Right.</source>
        <translation>Zona morta superior do %1: a última parte do curso, que conta como pisado até o fim. Arraste-a, ou chegue a ela com Tab e use Esquerda e Direita.</translation>
    </message>
    <message>
        <source>Program Version:	</source>
        <translation>Versão do programa:	</translation>
    </message>
    <message>
        <source>Report a problem: see &quot;How to report a problem&quot; in %1</source>
        <translation>Relatar um problema: veja &quot;How to report a problem&quot; em %1</translation>
    </message>
    <message>
        <source>The pedal unit is connected but cannot be opened: this user has no access to it. Install the kest-setting package or its udev rule (70-kest-pedals.rules), then unplug the unit and plug it in again. kestctl doctor says what is missing; more in %1.</source>
        <translation>A unidade de pedais está conectada, mas não pode ser aberta: este usuário não tem acesso a ela. Instale o pacote kest-setting ou sua regra udev (70-kest-pedals.rules), depois desconecte a unidade e conecte-a novamente. kestctl doctor mostra o que falta; mais em %1.</translation>
    </message>
</context>
<context>
    <name>ProfilesPage</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>slot %1 (&quot;%2&quot;)</source>
        <translation>slot %1 (“%2”)</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The pedal unit holds a profile that belongs to no pedal in %1. It is left as it is and shown in no list, and EXPORT does not write it. IMPORT of a profile file or CLEAR FLASH on the DEVICE page clears it.</source>
        <translation>A unidade de pedais guarda um perfil que não pertence a nenhum pedal em %1. Ele é deixado como está, não aparece em nenhuma lista e EXPORTAR não o grava. IMPORTAR um arquivo de perfis ou APAGAR DADOS FLASH na página DISPOSITIVO o remove.</translation>
    </message>
    <message>
        <source>Profile is saved</source>
        <translation>Perfil salvo</translation>
    </message>
    <message>
        <source>Curve changed, not saved in &quot;%1&quot;</source>
        <translation>Curva alterada, não salva em “%1”</translation>
    </message>
    <message>
        <source>Curve not saved</source>
        <translation>Curva não salva</translation>
    </message>
    <message>
        <source>The %1 curve of profile &quot;%2&quot; was changed and is not saved.</source>
        <translation>A curva do %1 do perfil “%2” foi alterada e não está salva.</translation>
    </message>
    <message>
        <source>Save the curve as &quot;%1&quot; first?</source>
        <translation>Salvar a curva como “%1” primeiro?</translation>
    </message>
    <message>
        <source>%1: curve of profile &quot;%2&quot;</source>
        <translation>%1: curva do perfil “%2”</translation>
    </message>
    <message>
        <source>Changed and not saved:</source>
        <translation>Alterado e não salvo:</translation>
    </message>
    <message>
        <source>Save before closing?</source>
        <translation>Salvar antes de fechar?</translation>
    </message>
    <message>
        <source>Remove the %1 profile &quot;%2&quot; from the unit?</source>
        <translation>Remover o perfil “%2” do %1 da unidade?</translation>
    </message>
    <message>
        <source>Import the profiles of %1?
This replaces all 16 profiles on the unit.</source>
        <translation>Importar os perfis de %1?
Isso substitui todos os 16 perfis da unidade.</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>Perfis gravados em %1.</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>Perfis importados de %1.</translation>
    </message>
    <message>
        <source>The file is a backup. It also holds these settings:
%1
Yes restores them too; No imports the profiles only.</source>
        <translation>O arquivo é um backup. Ele também contém estas configurações:
%1
Sim restaura também essas; Não importa só os perfis.</translation>
    </message>
    <message>
        <source>The file&apos;s other settings cannot be restored, only its profiles: %1</source>
        <translation>As outras configurações do arquivo não podem ser restauradas, só os perfis: %1</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>Perfis e configurações restaurados de %1.</translation>
    </message>
    <message>
        <source>Restore from %1 stopped part-way.</source>
        <translation>A restauração de %1 parou no meio.</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Checking ...</source>
        <translation>Buscando ...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>A new firmware is available. Please check again when the running update is finished.</source>
        <translation>Há um novo firmware disponível. Verifique novamente quando a atualização em andamento terminar.</translation>
    </message>
    <message>
        <source>A new firmware is available, update now?</source>
        <translation>Há um novo firmware disponível. Atualizar agora?</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versão: </translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Baixando ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>kest</name>
    <message>
        <source>Not a curve: a curve is written kest-curve: and five numbers, like kest-curve:17,33,50,67,83.</source>
        <translation>Não é uma curva: uma curva se escreve kest-curve: e cinco números, como kest-curve:17,33,50,67,83.</translation>
    </message>
    <message>
        <source>Not a curve: it has %1 numbers, a curve has five.</source>
        <translation>Não é uma curva: ela tem %1 números, uma curva tem cinco.</translation>
    </message>
    <message>
        <source>Not a curve: %1 is not a percent from 0 to 100.</source>
        <translation>Não é uma curva: %1 não é uma porcentagem de 0 a 100.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the value is no profile record of 7 bytes.</source>
        <translation>Chave “%1”: o valor não é um registro de perfil de 7 bytes.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: slot %2 does not exist; the slots are 0 to 15.</source>
        <translation>Chave “%1”: o slot %2 não existe; os slots vão de 0 a 15.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: pedal code %2; it must be 1 (clutch), 2 (brake) or 3 (throttle).</source>
        <translation>Chave “%1”: código de pedal %2; ele deve ser 1 (embreagem), 2 (freio) ou 3 (acelerador).</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: curve point %2 is %3; curve points are 0 to 100.</source>
        <translation>Chave “%1”: o ponto de curva %2 vale %3; os pontos de curva vão de 0 a 100.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the profile has no name.</source>
        <translation>Chave “%1”: o perfil não tem nome.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name holds a zero byte.</source>
        <translation>Chave “%1”: o nome contém um byte zero.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name is not valid UTF-8 text.</source>
        <translation>Chave “%1”: o nome não é um texto UTF-8 válido.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name takes %2 bytes; the unit keeps 16 (accented letters take two).</source>
        <translation>Chave “%1”: o nome ocupa %2 bytes; a unidade guarda 16 (letras acentuadas ocupam dois).</translation>
    </message>
    <message>
        <source>Line %1 runs on into the next line (a \ at its end or an unmatched &quot;).</source>
        <translation>A linha %1 continua na linha seguinte (um \ no fim ou uma &quot; sem par).</translation>
    </message>
    <message>
        <source>Line %1: the section header has no &apos;]&apos;.</source>
        <translation>Linha %1: o cabeçalho de seção não tem &apos;]&apos;.</translation>
    </message>
    <message>
        <source>Line %1: the text after the section header&apos;s &apos;]&apos; would be ignored.</source>
        <translation>Linha %1: o texto após o &apos;]&apos; do cabeçalho de seção seria ignorado.</translation>
    </message>
    <message>
        <source>Line %1 is no key: a &apos;;&apos; starts a comment there (in a name, write it as %3B).</source>
        <translation>A linha %1 não é uma chave: um &apos;;&apos; inicia ali um comentário (em um nome, escreva-o como %3B).</translation>
    </message>
    <message>
        <source>Line %1 is neither a key (it has no &apos;=&apos;), a comment (&apos;;&apos;) nor a section header.</source>
        <translation>A linha %1 não é uma chave (não tem &apos;=&apos;), nem um comentário (&apos;;&apos;), nem um cabeçalho de seção.</translation>
    </message>
    <message>
        <source>Line 1 does not read back as written.</source>
        <translation>A linha 1 não é lida de volta como foi escrita.</translation>
    </message>
    <message>
        <source>Line %1: the key is in the section [%2]; profiles belong in [General].</source>
        <translation>Linha %1: a chave está na seção [%2]; os perfis ficam em [General].</translation>
    </message>
    <message>
        <source>Line %1: the key &quot;%2&quot; is there twice (lines %3 and %1).</source>
        <translation>Linha %1: a chave “%2” aparece duas vezes (linhas %3 e %1).</translation>
    </message>
    <message>
        <source>The key INDEX is missing.</source>
        <translation>Falta a chave INDEX.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot; does not begin with its slot number as two digits.</source>
        <translation>A chave “%1” não começa com o número do slot em dois dígitos.</translation>
    </message>
    <message>
        <source>The file holds %1 profiles; the unit keeps 16 at most.</source>
        <translation>O arquivo contém %1 perfis; a unidade guarda no máximo 16.</translation>
    </message>
    <message>
        <source>INDEX is no number with EF (hex) in its top byte.</source>
        <translation>INDEX não é um número com EF (hex) no byte mais alto.</translation>
    </message>
    <message>
        <source>Line %1: the name is not valid UTF-8 text.</source>
        <translation>Linha %1: o nome não é um texto UTF-8 válido.</translation>
    </message>
    <message>
        <source>Keys &quot;%1&quot; and &quot;%2&quot; are both for slot %3; a slot holds one profile.</source>
        <translation>As chaves “%1” e “%2” são ambas do slot %3; um slot guarda um só perfil.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB; a file of 16 profiles takes 2 KB.</source>
        <translation>O arquivo tem mais de 1 MiB; um arquivo de 16 perfis ocupa 2 KB.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Não é possível ler o arquivo.</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key per pedal: CLUTCH, BRAKE or THROTTLE.</source>
        <translation>Linha %1: a seção [%2] contém uma chave por pedal: CLUTCH, BRAKE ou THROTTLE.</translation>
    </message>
    <message>
        <source>Line %1: %2 in [%3] is not a low and a high bound from 0 to 65535, such as &quot;1200 64000&quot;.</source>
        <translation>Linha %1: %2 em [%3] não é um limite inferior e um superior de 0 a 65535, como “1200 64000”.</translation>
    </message>
    <message>
        <source>[%1] has both process and steam-app; a section watches one of them.</source>
        <translation>[%1] tem process e steam-app ao mesmo tempo; uma seção observa só um deles.</translation>
    </message>
    <message>
        <source>[%1] names no process and no steam-app.</source>
        <translation>[%1] não indica nem process nem steam-app.</translation>
    </message>
    <message>
        <source>[%1] chooses no profile: give clutch, brake or throttle.</source>
        <translation>[%1] não escolhe nenhum perfil: indique clutch, brake ou throttle.</translation>
    </message>
    <message>
        <source>[%1] watches the same %2 as [%3].</source>
        <translation>[%1] observa o mesmo %2 que [%3].</translation>
    </message>
    <message>
        <source>this line is not UTF-8 text.</source>
        <translation>esta linha não é texto UTF-8.</translation>
    </message>
    <message>
        <source>neither a [game] header nor a &quot;key = value&quot; line.</source>
        <translation>nem um cabeçalho [jogo] nem uma linha “chave = valor”.</translation>
    </message>
    <message>
        <source>the section has no name: [the game&apos;s name].</source>
        <translation>a seção não tem nome: [o nome do jogo].</translation>
    </message>
    <message>
        <source>a second [%1] section; the first is on line %2.</source>
        <translation>uma segunda seção [%1]; a primeira está na linha %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes before the first [game] section.</source>
        <translation>“%1” vem antes da primeira seção [jogo].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice in [%2].</source>
        <translation>“%1” aparece duas vezes em [%2].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value.</source>
        <translation>“%1” não tem valor.</translation>
    </message>
    <message>
        <source>process is a program&apos;s file name, without a folder: %1.</source>
        <translation>process é o nome do arquivo de um programa, sem pasta: %1.</translation>
    </message>
    <message>
        <source>steam-app is a Steam game&apos;s number, as 227300: %1.</source>
        <translation>steam-app é o número de um jogo do Steam, como 227300: %1.</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;; the keys are process, steam-app, clutch, brake and throttle.</source>
        <translation>chave desconhecida “%1”; as chaves são process, steam-app, clutch, brake e throttle.</translation>
    </message>
    <message>
        <source>the profile name &quot;%1&quot; is longer than the unit&apos;s names (16 bytes).</source>
        <translation>o nome de perfil “%1” é mais longo que os nomes da unidade (16 bytes).</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>There is no rules file %1.</source>
        <translation>O arquivo de regras %1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 is larger than a rules file can be (256 KiB).</source>
        <translation>%1 é maior do que um arquivo de regras pode ser (256 KiB).</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Não foi possível ler %1.</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key, ENABLED.</source>
        <translation>Linha %1: a seção [%2] contém uma única chave, ENABLED.</translation>
    </message>
    <message>
        <source>Line %1: ENABLED in [%2] is 1 (the clutch pedal on) or 0 (off).</source>
        <translation>Linha %1: ENABLED em [%2] é 1 (pedal de embreagem ativado) ou 0 (desativado).</translation>
    </message>
</context>
<context>
    <name>kest-setting</name>
    <message>
        <source>Usage: kest-setting [--lang CODE] [--trace FILE]
Sets up the Kest Labs RM25 pedal set: the pedals live, deadzones, calibration,
response curves, the profiles kept on the unit, and firmware updates.

  --lang CODE   the language of the texts: de, fr, es, it, pt_BR, ja; en for English
  --trace FILE  appends every exchange with the unit to FILE, for a problem report
  --help        shows this help and ends
  --version     shows the program&apos;s version and ends
Qt&apos;s own options (such as -platform) are passed on to Qt.

The settings live in the pedal unit. Before every change that cannot be undone
(an import, a removal, clearing the flash, a firmware update) a backup of the
unit&apos;s settings is saved in:
  %1
kestctl(1) does the same from a terminal.
</source>
        <translation>Uso: kest-setting [--lang CÓDIGO] [--trace ARQUIVO]
Configura os pedais Kest Labs RM25: os pedais ao vivo, as zonas mortas, a calibração,
as curvas de resposta, os perfis guardados na unidade e as atualizações de firmware.

  --lang CÓDIGO    o idioma dos textos: de, fr, es, it, pt_BR, ja; en para inglês
  --trace ARQUIVO  acrescenta cada troca com a unidade a ARQUIVO, para relatar um problema
  --help           mostra esta ajuda e termina
  --version        mostra a versão do programa e termina
As opções próprias do Qt (como -platform) são passadas ao Qt.

As configurações ficam na unidade de pedais. Antes de cada mudança que não pode ser
desfeita (uma importação, uma remoção, limpar a flash, uma atualização de firmware),
um backup das configurações da unidade é salvo em:
  %1
kestctl(1) faz o mesmo em um terminal.
</translation>
    </message>
</context>
<context>
    <name>kest::AutoSwitch</name>
    <message>
        <source>Stopped while %1 runs.</source>
        <translation>Interrompido enquanto %1 está em execução.</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 terminou.</translation>
    </message>
    <message>
        <source>%1 is running (%2).</source>
        <translation>%1 está em execução (%2).</translation>
    </message>
    <message>
        <source>No pedal unit: the profiles switch once it is plugged in.</source>
        <translation>Nenhuma unidade de pedais: os perfis são trocados assim que ela for conectada.</translation>
    </message>
    <message>
        <source>The profiles could not be read from the pedal unit; the switch is tried again.</source>
        <translation>Não foi possível ler os perfis da unidade de pedais; a troca será tentada de novo.</translation>
    </message>
    <message>
        <source>%1 has no profile called &quot;%2&quot;; it keeps its profile.</source>
        <translation>%1 não tem nenhum perfil chamado “%2”; mantém o perfil atual.</translation>
    </message>
    <message>
        <source>The switch is tried again.</source>
        <translation>A troca será tentada de novo.</translation>
    </message>
    <message>
        <source>In effect now: %1.</source>
        <translation>Em vigor agora: %1.</translation>
    </message>
</context>
<context>
    <name>kest::KestUnit</name>
    <message>
        <source>The deadzones were not saved: the pedal unit did not take them. It keeps the deadzones it had.</source>
        <translation>As zonas mortas não foram salvas: a unidade de pedais não as aceitou. Ela mantém as zonas mortas que tinha.</translation>
    </message>
    <message>
        <source>The clutch setting was not changed: the pedal unit did not answer. It keeps the setting it had.</source>
        <translation>A configuração da embreagem não foi alterada: a unidade de pedais não respondeu. Ela mantém a configuração que tinha.</translation>
    </message>
    <message>
        <source>The calibration did not start: the pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>A calibração não começou: a unidade de pedais não respondeu. Ela mantém a calibração que tinha.</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not answer. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>A calibração não foi salva: a unidade de pedais não respondeu. Ela mantém a calibração que tinha; clique em SALVAR para tentar de novo.</translation>
    </message>
    <message>
        <source>Move the pedal through its whole travel, then save.</source>
        <translation>Mova o pedal por todo o curso e depois salve.</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not take it. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>A calibração não foi salva: a unidade de pedais não a aceitou. Ela mantém a calibração que tinha; clique em SALVAR para tentar de novo.</translation>
    </message>
    <message>
        <source>The calibration was saved, but the pedal unit did not take the cleared deadzones of this pedal: it keeps the deadzones it had.</source>
        <translation>A calibração foi salva, mas a unidade de pedais não aceitou as zonas mortas zeradas deste pedal: ela mantém as zonas mortas que tinha.</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the calibration it had; plug it in again to bring it back.</source>
        <translation>A unidade de pedais não retomou a calibração que tinha; conecte-a novamente para recuperá-la.</translation>
    </message>
    <message>
        <source>The flash data was not cleared: the pedal unit did not take the command. It keeps the settings it had.</source>
        <translation>Os dados da flash não foram apagados: a unidade de pedais não aceitou o comando. Ela mantém as configurações que tinha.</translation>
    </message>
    <message>
        <source>A profile write to the pedal unit was cut off half-way: until the unit is plugged in again, its profile table reads otherwise than the unit keeps it.</source>
        <translation>Uma gravação de perfil na unidade de pedais foi interrompida no meio: até a unidade ser conectada novamente, sua tabela de perfis é lida de forma diferente de como ela a guarda.</translation>
    </message>
    <message>
        <source>The pedal unit did not take the choice of profile.</source>
        <translation>A unidade de pedais não aceitou a escolha de perfil.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored; the pedal unit keeps the choice it had.</source>
        <translation>A escolha dos perfis ativos não foi salva; a unidade de pedais mantém a escolha que tinha.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the pedal unit did not answer. It keeps the choice it had.</source>
        <translation>A escolha dos perfis ativos não foi salva: a unidade de pedais não respondeu. Ela mantém a escolha que tinha.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the profile lists could not be read from the pedal unit. It keeps the choice it had.</source>
        <translation>A escolha dos perfis ativos não foi salva: não foi possível ler as listas de perfis da unidade de pedais. Ela mantém a escolha que tinha.</translation>
    </message>
    <message>
        <source>Can not save to DEFAULT, please use a different name.</source>
        <translation>Não é possível salvar em DEFAULT, use outro nome.</translation>
    </message>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Digite um nome de perfil.</translation>
    </message>
    <message>
        <source>Profile name holds a character that cannot be stored (a zero byte or an unreadable character).</source>
        <translation>O nome do perfil contém um caractere que não pode ser salvo (um byte zero ou um caractere ilegível).</translation>
    </message>
    <message>
        <source>Profile name is too long: 16 bytes at most (accented letters take two).</source>
        <translation>O nome do perfil é longo demais: no máximo 16 bytes (letras acentuadas ocupam dois).</translation>
    </message>
    <message>
        <source>The profile was not saved.</source>
        <translation>O perfil não foi salvo.</translation>
    </message>
    <message>
        <source>The profile was not saved: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>O perfil não foi salvo: não foi possível ler as listas de perfis da unidade de pedais. Ela mantém os perfis que tinha.</translation>
    </message>
    <message>
        <source>The profile was not saved: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>O perfil não foi salvo: a unidade de pedais não respondeu. Ela mantém os perfis que tinha.</translation>
    </message>
    <message>
        <source>Profile is full</source>
        <translation>Todos os slots de perfil estão ocupados</translation>
    </message>
    <message>
        <source>The profile was saved, but the pedal unit did not store it as the active profile.</source>
        <translation>O perfil foi salvo, mas a unidade de pedais não o guardou como perfil ativo.</translation>
    </message>
    <message>
        <source>The profile was saved, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>O perfil foi salvo, mas não foi possível reler as listas de perfis da unidade de pedais. Elas serão lidas novamente antes de qualquer outra gravação.</translation>
    </message>
    <message>
        <source>DEFAULT can not be removed.</source>
        <translation>DEFAULT não pode ser removido.</translation>
    </message>
    <message>
        <source>The profile was not removed.</source>
        <translation>O perfil não foi removido.</translation>
    </message>
    <message>
        <source>The profile was not removed: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>O perfil não foi removido: não foi possível ler as listas de perfis da unidade de pedais. Ela mantém os perfis que tinha.</translation>
    </message>
    <message>
        <source>The profile was not removed: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>O perfil não foi removido: a unidade de pedais não respondeu. Ela mantém os perfis que tinha.</translation>
    </message>
    <message>
        <source>The profile was removed, but the pedal unit did not store the new choice of active profiles.</source>
        <translation>O perfil foi removido, mas a unidade de pedais não salvou a nova escolha de perfis ativos.</translation>
    </message>
    <message>
        <source>The profiles were not exported.</source>
        <translation>Os perfis não foram exportados.</translation>
    </message>
    <message>
        <source>The profiles were not exported: the profile lists could not be read from the pedal unit.</source>
        <translation>Os perfis não foram exportados: não foi possível ler as listas de perfis da unidade de pedais.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Não foi possível gravar o arquivo de perfis.</translation>
    </message>
    <message>
        <source>The file that was there is kept as it was.</source>
        <translation>O arquivo que já existia foi mantido como estava.</translation>
    </message>
    <message>
        <source>The profiles were exported, except the one of no pedal in slot %1.</source>
        <translation>Os perfis foram exportados, exceto o que não pertence a nenhum pedal no slot %1.</translation>
    </message>
    <message>
        <source>The profiles were exported except slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is.</source>
        <translation>Os perfis foram exportados, exceto o slot %1: o nome que a unidade de pedais guarda ali não é um texto válido e não voltaria igual.</translation>
    </message>
    <message>
        <source>Please choose INI file</source>
        <translation>Escolha um arquivo INI</translation>
    </message>
    <message>
        <source>INI file is not valid.</source>
        <translation>O arquivo INI não é válido.</translation>
    </message>
    <message>
        <source>The import stopped after %1 of %2 profiles: the pedal unit did not answer. Its profile table is incomplete; please import the file again.</source>
        <translation>A importação parou após %1 de %2 perfis: a unidade de pedais não respondeu. Sua tabela de perfis está incompleta; importe o arquivo novamente.</translation>
    </message>
    <message>
        <source>The profiles were imported, but the pedal unit did not store the file&apos;s choice of active profiles.</source>
        <translation>Os perfis foram importados, mas a unidade de pedais não salvou a escolha de perfis ativos do arquivo.</translation>
    </message>
    <message>
        <source>A backup of the unit&apos;s profiles, deadzones and calibration is saved first, to:
%1</source>
        <translation>Antes, um backup dos perfis, zonas mortas e calibração da unidade é salvo em:
%1</translation>
    </message>
    <message>
        <source>No backup could be made. Nothing was changed.</source>
        <translation>Não foi possível fazer o backup. Nada foi alterado.</translation>
    </message>
    <message>
        <source>No backup could be made: the profile lists could not be read from the pedal unit. Nothing was changed.</source>
        <translation>Não foi possível fazer o backup: as listas de perfis não puderam ser lidas da unidade de pedais. Nada foi alterado.</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its calibration and deadzones. Nothing was changed.</source>
        <translation>Não foi possível fazer o backup: a unidade de pedais não informou a calibração e as zonas mortas. Nada foi alterado.</translation>
    </message>
    <message>
        <source>No backup could be written to %1. Nothing was changed.</source>
        <translation>Não foi possível gravar o backup em %1. Nada foi alterado.</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>EMBREAGEM</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>FREIO</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>ACELERADOR</translation>
    </message>
    <message>
        <source>%1 low %2 % and high %3 %</source>
        <translation>%1 inferior %2 % e superior %3 %</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: it has no deadzones to set.</source>
        <translation>O pedal de embreagem está desativado: não tem zonas mortas para ajustar.</translation>
    </message>
    <message>
        <source>A deadzone is a whole percent from 0 to %1.</source>
        <translation>Uma zona morta é uma porcentagem inteira de 0 a %1.</translation>
    </message>
    <message>
        <source>The deadzones were not saved: the pedal unit still reports the ones it had (%1). It keeps the deadzones it had.</source>
        <translation>As zonas mortas não foram salvas: a unidade de pedais ainda informa as que tinha (%1). Ela mantém as zonas mortas que tinha.</translation>
    </message>
    <message>
        <source>Please save other channel calibrate first.</source>
        <translation>Salve primeiro a calibração do outro pedal.</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: switch it on first.</source>
        <translation>O pedal de embreagem está desativado: ative-o primeiro.</translation>
    </message>
    <message>
        <source>no travel seen yet</source>
        <translation>nenhum curso registrado ainda</translation>
    </message>
    <message>
        <source>travel seen %1 to %2 (%3 %)</source>
        <translation>curso registrado de %1 a %2 (%3 %)</translation>
    </message>
    <message>
        <source>Saving the %1 calibration also resets its deadzones: low %2 % and high %3 % go back to 0 %, and the new travel counts from 0 to 100 %. You can set them again on the INPUTS page afterwards.</source>
        <translation>Salvar a calibração do %1 também zera as zonas mortas: inferior %2 % e superior %3 % voltam a 0 %, e o novo curso conta de 0 a 100 %. Depois você pode ajustá-las de novo na página ENTRADAS.</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the deadzones of the %1: it still reports none, and keeps low %2 % and high %3 %; plug it in again to bring them back.</source>
        <translation>A unidade de pedais não retomou as zonas mortas de %1: ainda informa nenhuma e mantém inferior %2 % e superior %3 %; conecte-a novamente para recuperá-las.</translation>
    </message>
    <message>
        <source>Calibration cancelled: the %1 keeps the calibration it had.</source>
        <translation>Calibração cancelada: %1 mantém a calibração que tinha.</translation>
    </message>
    <message>
        <source>The settings it had are in the backup %1.</source>
        <translation>As configurações que ela tinha estão no backup %1.</translation>
    </message>
    <message>
        <source>No backup could be written to %1.</source>
        <translation>Não foi possível gravar o backup em %1.</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its clutch setting. Nothing was changed.</source>
        <translation>Não foi possível fazer o backup: a unidade de pedais não informou a configuração da embreagem. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The profiles were not switched.</source>
        <translation>Os perfis não foram trocados.</translation>
    </message>
    <message>
        <source>The profiles were not switched: the profile lists could not be read from the pedal unit.</source>
        <translation>Os perfis não foram trocados: não foi possível ler as listas de perfis da unidade de pedais.</translation>
    </message>
    <message>
        <source>The %1 has no profile called &quot;%2&quot;.</source>
        <translation>%1 não tem nenhum perfil chamado “%2”.</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the profile lists could not be read from the pedal unit.</source>
        <translation>Os perfis em vigor antes não foram restabelecidos: não foi possível ler as listas de perfis da unidade de pedais.</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the pedal unit did not take them.</source>
        <translation>Os perfis em vigor antes não foram restabelecidos: a unidade de pedais não os aceitou.</translation>
    </message>
    <message>
        <source>The backup&apos;s calibration of the %1 runs from %2 to %3: its low bound must be below its high bound.</source>
        <translation>No backup, a calibração do %1 vai de %2 a %3: o limite inferior deve ficar abaixo do superior.</translation>
    </message>
    <message>
        <source>The backup&apos;s deadzones of the %1 (low %2 %, high %3 %) lie beyond the handles&apos; travel of 0 to %4 %.</source>
        <translation>No backup, as zonas mortas do %1 (inferior %2 %, superior %3 %) ultrapassam o curso das alças, de 0 a %4 %.</translation>
    </message>
    <message>
        <source>%1 holds profiles only: it is no backup of the unit&apos;s settings.</source>
        <translation>%1 contém só perfis: não é um backup das configurações da unidade.</translation>
    </message>
    <message>
        <source>The backup is not whole: its section [%1] has no key %2.</source>
        <translation>O backup não está completo: a seção [%1] não tem a chave %2.</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel):</source>
        <translation>Calibração (bruta, % do curso):</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2 (%3 %) a %4 (%5 %)</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw):</source>
        <translation>Zonas mortas (% como as alças mostram, bruto):</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3), high %4 % (%5)</source>
        <translation>%1 inferior %2 % (%3), superior %4 % (%5)</translation>
    </message>
    <message>
        <source>Clutch pedal: on</source>
        <translation>Pedal de embreagem: ativado</translation>
    </message>
    <message>
        <source>Clutch pedal: off</source>
        <translation>Pedal de embreagem: desativado</translation>
    </message>
    <message>
        <source>A calibration is under way: save or cancel it first.</source>
        <translation>Há uma calibração em andamento: salve-a ou cancele-a primeiro.</translation>
    </message>
    <message>
        <source>clutch setting</source>
        <translation>configuração da embreagem</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibração</translation>
    </message>
    <message>
        <source>deadzones</source>
        <translation>zonas mortas</translation>
    </message>
    <message>
        <source>profiles</source>
        <translation>perfis</translation>
    </message>
    <message>
        <source>choice of active profiles</source>
        <translation>escolha dos perfis ativos</translation>
    </message>
    <message>
        <source>profiles of slots 0 to %1</source>
        <translation>perfis dos slots 0 a %1</translation>
    </message>
    <message>
        <source>profiles of slots %1 to 15</source>
        <translation>perfis dos slots %1 a 15</translation>
    </message>
    <message>
        <source>The restore stopped part-way: the pedal unit did not answer.</source>
        <translation>A restauração parou no meio: a unidade de pedais não respondeu.</translation>
    </message>
    <message>
        <source>It has the backup&apos;s %1.</source>
        <translation>Do backup, ela já tem: %1.</translation>
    </message>
    <message>
        <source>It keeps the %1 it had.</source>
        <translation>Ela mantém como estavam: %1.</translation>
    </message>
    <message>
        <source>The backup was restored, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>O backup foi restaurado, mas não foi possível reler as listas de perfis da unidade de pedais. Elas serão lidas novamente antes de qualquer outra gravação.</translation>
    </message>
    <message>
        <source>The backup holds no clutch setting (it was made before backups kept it): the unit keeps the one it had.</source>
        <translation>O backup não contém a configuração da embreagem (foi feito antes de os backups a guardarem): a unidade mantém a que tinha.</translation>
    </message>
    <message>
        <source>The backup leaves out slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is. A restore of this backup clears the slot.</source>
        <translation>O backup deixa de fora o slot %1: o nome que a unidade de pedais guarda ali não é um texto válido e não voltaria igual. Uma restauração deste backup esvazia o slot.</translation>
    </message>
</context>
<context>
    <name>kest::UpdateClient</name>
    <message>
        <source>a minute</source>
        <translation>um minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Update check failed: the update server did not answer in %1.</source>
        <translation>Falha na busca: o servidor não respondeu em %1.</translation>
    </message>
    <message>
        <source>Update check failed: the update server could not be reached.</source>
        <translation>Falha na busca: servidor inacessível.</translation>
    </message>
    <message>
        <source>Update check failed: the update server&apos;s answer could not be read.</source>
        <translation>Falha na busca: resposta do servidor ilegível.</translation>
    </message>
    <message>
        <source>No valid device.</source>
        <translation>Nenhum dispositivo válido.</translation>
    </message>
    <message>
        <source>Your firmware is already up to date.</source>
        <translation>Seu firmware já está atualizado.</translation>
    </message>
    <message>
        <source>A new firmware is available: %1 (the unit has %2)</source>
        <translation>Há um novo firmware disponível: %1 (a unidade tem %2)</translation>
    </message>
    <message>
        <source>Download file fail.</source>
        <translation>Falha ao baixar o arquivo.</translation>
    </message>
    <message>
        <source>Download given up: the firmware did not arrive within %1.</source>
        <translation>Download cancelado: o firmware não chegou em %1.</translation>
    </message>
    <message>
        <source>Can not write to temp.</source>
        <translation>Não é possível gravar na pasta temporária.</translation>
    </message>
</context>
<context>
    <name>kestctl</name>
    <message>
        <source>The pedal unit did not tell its firmware version.</source>
        <translation>A unidade de pedais não informou a versão do firmware.</translation>
    </message>
    <message>
        <source>Image: %1</source>
        <translation>Imagem: %1</translation>
    </message>
    <message>
        <source>MD5:   %1</source>
        <translation>MD5:    %1</translation>
    </message>
    <message>
        <source>usage: kestctl firmware check | update FILE</source>
        <translation>uso: kestctl firmware check | update FILE</translation>
    </message>
    <message>
        <source>watch takes no arguments</source>
        <translation>watch não aceita argumentos</translation>
    </message>
    <message>
        <source>the pedal unit is back</source>
        <translation>a unidade de pedais voltou</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged; waiting for it (Ctrl-C ends)</source>
        <translation>a unidade de pedais foi desconectada; aguardando (Ctrl-C encerra)</translation>
    </message>
    <message>
        <source>usage: kestctl calibrate PEDAL</source>
        <translation>uso: kestctl calibrate PEDAL</translation>
    </message>
    <message>
        <source>unknown pedal &apos;%1&apos;: clutch, brake or throttle</source>
        <translation>pedal desconhecido “%1”: clutch, brake ou throttle</translation>
    </message>
    <message>
        <source>The pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>A unidade de pedais não respondeu. Ela mantém a calibração que tinha.</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then press Enter to save (Ctrl-C cancels; the pedal then keeps the calibration it had).</source>
        <translation>%1: pise o pedal até o fim, deixe-o voltar e pressione Enter para salvar (Ctrl-C cancela; o pedal mantém então a calibração que tinha).</translation>
    </message>
    <message>
        <source>The pedal unit was unplugged during the calibration. It keeps the calibration it had.</source>
        <translation>A unidade de pedais foi desconectada durante a calibração. Ela mantém a calibração que tinha.</translation>
    </message>
    <message>
        <source>Input ended before Enter: the calibration was cancelled. The pedal keeps the calibration it had.</source>
        <translation>A entrada terminou antes do Enter: a calibração foi cancelada. O pedal mantém a calibração que tinha.</translation>
    </message>
    <message>
        <source>(Enter saves, Ctrl-C cancels)</source>
        <translation>(Enter salva, Ctrl-C cancela)</translation>
    </message>
    <message>
        <source>(Enter tries again, Ctrl-C cancels)</source>
        <translation>(Enter tenta de novo, Ctrl-C cancela)</translation>
    </message>
    <message>
        <source>%1 calibrated: the unit keeps %2 to %3.</source>
        <translation>%1 calibrado: a unidade guarda de %2 a %3.</translation>
    </message>
    <message>
        <source>%1 needs a value (kestctl --help)</source>
        <translation>%1 precisa de um valor (kestctl --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (kestctl --help)</source>
        <translation>opção desconhecida “%1” (kestctl --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (kestctl --help)</source>
        <translation>comando desconhecido “%1” (kestctl --help)</translation>
    </message>
    <message>
        <source>more than one pedal has a profile called &quot;%1&quot;: name one with --pedal</source>
        <translation>mais de um pedal tem um perfil chamado “%1”: indique um com --pedal</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; (kestctl profile list)</source>
        <translation>nenhum perfil chamado “%1” (kestctl profile list)</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; for the %2 (kestctl profile list)</source>
        <translation>nenhum perfil chamado “%1” para %2 (kestctl profile list)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>save needs --curve with five points from 0 to 100, as 17,33,50,67,83</source>
        <translation>save precisa de --curve com cinco pontos de 0 a 100, como 17,33,50,67,83</translation>
    </message>
    <message>
        <source>%1 exists: add --yes to replace it</source>
        <translation>%1 já existe: adicione --yes para substituí-lo</translation>
    </message>
    <message>
        <source>%1 is not a profile file (*.ini)</source>
        <translation>%1 não é um arquivo de perfis (*.ini)</translation>
    </message>
    <message>
        <source>The profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>Não foi possível ler as listas de perfis da unidade de pedais. Ela mantém os perfis que tinha.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is the active profile.</source>
        <translation>%1: “%2” é o perfil ativo.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was removed.</source>
        <translation>%1: “%2” foi removido.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is saved and is the active profile.</source>
        <translation>%1: “%2” foi salvo e é o perfil ativo.</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>Perfis gravados em %1.</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>Perfis importados de %1.</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read.</source>
        <translation>A unidade de pedais foi encontrada, mas não respondeu a todas as leituras.</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3)  high %4 % (%5)</source>
        <translation>%1 inferior %2 % (%3)  superior %4 % (%5)</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info não aceita argumentos</translation>
    </message>
    <message>
        <source>Firmware version: %1</source>
        <translation>Versão do firmware: %1</translation>
    </message>
    <message>
        <source>Clutch pedal:     %1</source>
        <translation>Pedal de embreagem: %1</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ativado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desativado</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel)</source>
        <translation>Calibração (bruta, % do curso)</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2 (%3 %) a %4 (%5 %)</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw)</source>
        <translation>Zonas mortas (% como as alças mostram, bruto)</translation>
    </message>
    <message>
        <source>Profiles (* active)</source>
        <translation>Perfis (* ativo)</translation>
    </message>
    <message>
        <source>Active profiles</source>
        <translation>Perfis ativos</translation>
    </message>
    <message>
        <source>%1 (slot %2)</source>
        <translation>%1 (slot %2)</translation>
    </message>
    <message>
        <source>usage: kestctl deadzone [PEDAL [LOW HIGH]]</source>
        <translation>uso: kestctl deadzone [PEDAL [LOW HIGH]]</translation>
    </message>
    <message>
        <source>%1 must be a whole percent from 0 to %2, not &apos;%3&apos;</source>
        <translation>%1 deve ser uma porcentagem inteira de 0 a %2, não “%3”</translation>
    </message>
    <message>
        <source>(clutch off)</source>
        <translation>(embreagem desativada)</translation>
    </message>
    <message>
        <source>usage: kestctl clutch [on|off]</source>
        <translation>uso: kestctl clutch [on|off]</translation>
    </message>
    <message>
        <source>Clutch pedal: %1</source>
        <translation>Pedal de embreagem: %1</translation>
    </message>
    <message>
        <source>clear-flash takes no arguments</source>
        <translation>clear-flash não aceita argumentos</translation>
    </message>
    <message>
        <source>clear-flash deletes every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>clear-flash apaga todas as configurações da unidade: confirme com --yes quando não for perguntado num terminal</translation>
    </message>
    <message>
        <source>Nothing was cleared.</source>
        <translation>Nada foi apagado.</translation>
    </message>
    <message>
        <source>Backup of the unit&apos;s settings: %1</source>
        <translation>Backup das configurações da unidade: %1</translation>
    </message>
    <message>
        <source>firmware update sends the file to the unit, which cannot check it: confirm with --yes when not asked on a terminal</source>
        <translation>firmware update envia o arquivo à unidade, que não pode verificá-lo: confirme com --yes fora de um terminal</translation>
    </message>
    <message>
        <source>Nothing was sent to the unit.</source>
        <translation>Nada foi enviado à unidade.</translation>
    </message>
    <message>
        <source>This operation will delete all the settings stored in the device flash memory. Continue?</source>
        <translation>Esta operação apaga todas as configurações guardadas na memória flash do dispositivo. Continuar?</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>IGNORADO</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FALHA</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Solução: %1</translation>
    </message>
    <message>
        <source>Install the kest-setting package, or where /usr is read-only the rule by hand: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; then load it with sudo udevadm control --reload &amp;&amp; sudo udevadm trigger, or plug the unit in again. The rule gives access to the user logged in at the seat only (more in %2).</source>
        <translation>Instale o pacote kest-setting ou, onde /usr é somente leitura, a regra à mão: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; depois carregue-a com sudo udevadm control --reload &amp;&amp; sudo udevadm trigger, ou conecte a unidade novamente. A regra dá acesso apenas ao usuário com sessão no posto (mais em %2).</translation>
    </message>
    <message>
        <source>%1 is this version&apos;s rule.</source>
        <translation>%1 é a regra desta versão.</translation>
    </message>
    <message>
        <source>%1 differs from this version&apos;s rule.</source>
        <translation>%1 difere da regra desta versão.</translation>
    </message>
    <message>
        <source>The udev rule %1 is not installed.</source>
        <translation>A regra udev %1 não está instalada.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again.</source>
        <translation>Desconecte a unidade e conecte-a novamente.</translation>
    </message>
    <message>
        <source>The firmware is %1. Whether it is the newest was not checked: the update server could not be reached.</source>
        <translation>O firmware é %1. Não foi verificado se é o mais recente: o servidor de atualizações não pôde ser contatado.</translation>
    </message>
    <message>
        <source>The firmware is %1; %2 is available.</source>
        <translation>O firmware é %1; %2 está disponível.</translation>
    </message>
    <message>
        <source>Update it on the DEVICE page, or with kestctl firmware update FILE (kestctl firmware check says where the image is).</source>
        <translation>Atualize-o na página DISPOSITIVO, ou com kestctl firmware update ARQUIVO (kestctl firmware check diz onde está a imagem).</translation>
    </message>
    <message>
        <source>The firmware %1 is the newest.</source>
        <translation>O firmware %1 é o mais recente.</translation>
    </message>
    <message>
        <source>No pedal unit on USB.</source>
        <translation>Nenhuma unidade de pedais no USB.</translation>
    </message>
    <message>
        <source>%1 (%2:%3) is on USB %4.</source>
        <translation>%1 (%2:%3) está no USB %4.</translation>
    </message>
    <message>
        <source>The kernel made no hidraw node for the unit.</source>
        <translation>O kernel não criou nenhum nó hidraw para a unidade.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; sudo dmesg says why the node is missing.</source>
        <translation>Desconecte a unidade e conecte-a novamente; sudo dmesg diz por que o nó está faltando.</translation>
    </message>
    <message>
        <source>This user cannot open the unit&apos;s hidraw node %1: %2.</source>
        <translation>Este usuário não pode abrir o nó hidraw %1 da unidade: %2.</translation>
    </message>
    <message>
        <source>This user can open the unit&apos;s hidraw node %1.</source>
        <translation>Este usuário pode abrir o nó hidraw %1 da unidade.</translation>
    </message>
    <message>
        <source>Only this user&apos;s programs could be looked at.</source>
        <translation>Só os programas deste usuário puderam ser examinados.</translation>
    </message>
    <message>
        <source>No other program has %1 open.</source>
        <translation>Nenhum outro programa tem %1 aberto.</translation>
    </message>
    <message>
        <source>%1 is open in: %2.</source>
        <translation>%1 está aberto em: %2.</translation>
    </message>
    <message>
        <source>Close these programs while kestctl or the window talks to the unit: two programs exchanging reports with it at once mix up its replies.</source>
        <translation>Feche esses programas enquanto o kestctl ou a janela conversam com a unidade: dois programas trocando relatórios com ela ao mesmo tempo misturam as respostas.</translation>
    </message>
    <message>
        <source>The unit has no input device: games find no pedals.</source>
        <translation>A unidade não tem dispositivo de entrada: os jogos não encontram pedais.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; if it stays missing, sudo dmesg says why (the usbhid and hid-generic modules must be loaded).</source>
        <translation>Desconecte a unidade e conecte-a novamente; se continuar faltando, sudo dmesg diz por quê (os módulos usbhid e hid-generic devem estar carregados).</translation>
    </message>
    <message>
        <source>The unit&apos;s input device is %1.</source>
        <translation>O dispositivo de entrada da unidade é %1.</translation>
    </message>
    <message>
        <source>%1 is marked as a joystick (ID_INPUT_JOYSTICK=1).</source>
        <translation>%1 está marcado como joystick (ID_INPUT_JOYSTICK=1).</translation>
    </message>
    <message>
        <source>%1 is not marked as a joystick (ID_INPUT_JOYSTICK): games and Steam do not see the pedals.</source>
        <translation>%1 não está marcado como joystick (ID_INPUT_JOYSTICK): os jogos e o Steam não veem os pedais.</translation>
    </message>
    <message>
        <source>This user can read %1.</source>
        <translation>Este usuário pode ler %1.</translation>
    </message>
    <message>
        <source>This user cannot read %1.</source>
        <translation>Este usuário não pode ler %1.</translation>
    </message>
    <message>
        <source>The firmware was not checked: the unit cannot be opened.</source>
        <translation>O firmware não foi verificado: a unidade não pode ser aberta.</translation>
    </message>
    <message>
        <source>usage: kestctl doctor [--print-rules]</source>
        <translation>uso: kestctl doctor [--print-rules]</translation>
    </message>
    <message>
        <source>doctor checks a Linux system with udev.</source>
        <translation>doctor verifica um sistema Linux com udev.</translation>
    </message>
    <message>
        <source>Calibrate and reset them?</source>
        <translation>Calibrar e zerá-las?</translation>
    </message>
    <message>
        <source>calibrate resets the %1 deadzones (low %2 % and high %3 %): confirm with --yes when not asked on a terminal</source>
        <translation>calibrate zera as zonas mortas de %1 (inferior %2 % e superior %3 %): confirme com --yes quando não for perguntado num terminal</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 is open in: %2, which take turns with kestctl through the unit&apos;s lock.</source>
        <translation>%1 está aberto em: %2, que se revezam com o kestctl pelo bloqueio da unidade.</translation>
    </message>
    <message>
        <source>Service:     %1: no systemd for this user</source>
        <translation>Serviço:           %1: sem systemd para este usuário</translation>
    </message>
    <message>
        <source>Service:     %1: %2, %3</source>
        <translation>Serviço:           %1: %2, %3</translation>
    </message>
    <message>
        <source>Rules file:  %1</source>
        <translation>Arquivo de regras: %1</translation>
    </message>
    <message>
        <source>Watching:    no</source>
        <translation>Monitorando:       não</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), no game running</source>
        <translation>Monitorando:       sim (processo %1), nenhum jogo em execução</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), %2 running since %3%4</source>
        <translation>Monitorando:       sim (processo %1), %2 em execução desde %3%4</translation>
    </message>
    <message>
        <source> (its profiles wait for the unit)</source>
        <translation> (os perfis dele aguardam a unidade)</translation>
    </message>
    <message>
        <source>usage: kestctl autoswitch [--status]</source>
        <translation>uso: kestctl autoswitch [--status]</translation>
    </message>
    <message>
        <source>See kestctl(1), AUTOMATIC SWITCHING.</source>
        <translation>Veja kestctl(1), AUTOMATIC SWITCHING.</translation>
    </message>
    <message>
        <source>%1 holds no rules.</source>
        <translation>%1 não contém regras.</translation>
    </message>
    <message>
        <source>autoswitch runs already (process %1)</source>
        <translation>autoswitch já está em execução (processo %1)</translation>
    </message>
    <message>
        <source>Watching for the games in %1 (Ctrl-C ends).</source>
        <translation>Monitorando os jogos de %1 (Ctrl-C encerra).</translation>
    </message>
    <message>
        <source>usage: kestctl backup [FILE] [--yes]</source>
        <translation>uso: kestctl backup [FILE] [--yes]</translation>
    </message>
    <message>
        <source>usage: kestctl restore FILE [--yes]</source>
        <translation>uso: kestctl restore FILE [--yes]</translation>
    </message>
    <message>
        <source>Restore everything %1 holds? It replaces all 16 profiles on the unit, the choice of active profiles and these settings:</source>
        <translation>Restaurar tudo o que %1 contém? Isso substitui todos os 16 perfis da unidade, a escolha dos perfis ativos e estas configurações:</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Continuar?</translation>
    </message>
    <message>
        <source>restore replaces every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>restore substitui todas as configurações da unidade: confirme com --yes quando não for perguntado num terminal</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>Nada foi restaurado.</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>Perfis e configurações restaurados de %1.</translation>
    </message>
    <message>
        <source>usage: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</source>
        <translation>uso: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</translation>
    </message>
    <message>
        <source>the profiles were not switched: %1</source>
        <translation>os perfis não foram trocados: %1</translation>
    </message>
    <message>
        <source>the pedal unit is attached, but the profiles were not switched: %1</source>
        <translation>a unidade de pedais está conectada, mas os perfis não foram trocados: %1</translation>
    </message>
    <message>
        <source>the pedal unit is back; the profiles are switched again</source>
        <translation>a unidade de pedais voltou; os perfis foram trocados de novo</translation>
    </message>
    <message>
        <source>the pedal unit is attached; the profiles are switched</source>
        <translation>a unidade de pedais está conectada; os perfis foram trocados</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>não foi possível iniciar %1: %2</translation>
    </message>
    <message>
        <source>usage: kestctl record FILE [--seconds N]</source>
        <translation>uso: kestctl record FILE [--seconds N]</translation>
    </message>
    <message>
        <source>--seconds takes a time in seconds above 0, as 3 or 0.5</source>
        <translation>--seconds precisa de um tempo em segundos acima de 0, como 3 ou 0.5</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged: the recording ends there</source>
        <translation>a unidade de pedais foi desconectada: a gravação termina aí</translation>
    </message>
    <message>
        <source>recorded %1 reports in %2 s (%3 reports/s)</source>
        <translation>gravados %1 relatórios em %2 s (%3 relatórios/s)</translation>
    </message>
    <message>
        <source>usage: kestctl [--json] COMMAND [ARGS...]

Commands:
  info                          firmware, clutch, calibration, deadzones, profiles
  watch                         live pedal positions until Ctrl-C
  record FILE [--seconds N]     every input report with its time, as CSV, until
                                Ctrl-C or N s; --json: JSON lines; FILE - is stdout;
                                --yes replaces an existing FILE
  deadzone [PEDAL [LOW HIGH]]   show, or set in % (0-21 from each end)
  clutch [on|off]               show, or switch the clutch pedal on or off
  calibrate PEDAL [--yes]       teach the unit a pedal&apos;s travel (Enter saves)
  profile list
  profile apply NAME [--pedal P]
  profile save PEDAL NAME --curve C1,C2,C3,C4,C5
  profile remove NAME [--pedal P]
  profile export FILE [--yes]   --yes replaces an existing file
  profile import FILE
  backup [FILE] [--yes]         save every setting the unit keeps (without FILE:
                                a new file in the backup folder)
  restore FILE [--yes]          put back everything a backup holds
  firmware check                ask the update server for newer firmware
  firmware update FILE [--yes]  write a firmware image (.bin) to the unit
  clear-flash [--yes]           delete every setting the unit keeps
  doctor [--print-rules]        check what keeps kestctl from the unit or games
                                from the pedals; --print-rules prints the udev rule
  autoswitch [--status]         switch profiles while a game of the rules file runs
                                (~/.config/kest-setting/autoswitch.ini) until Ctrl-C;
                                --status: the service, the rules, the game active now

PEDAL is clutch, brake or throttle. Options: --json (machine-readable output on
stdout), --trace FILE (every exchange with the unit, for a problem report),
--lang CODE (de, fr, es, it, pt_BR, ja; en for English), --help, --version.
Exit status: 0 done; 1 bad input or refused, nothing sent; 2 the unit failed
part-way (the message says what it keeps); 3 no unit, or no access to it.
See kestctl(1).
</source>
        <translation>uso: kestctl [--json] COMANDO [ARGUMENTOS...]

Comandos:
  info                          firmware, embreagem, calibração, zonas mortas, perfis
  watch                         posições dos pedais ao vivo até Ctrl-C
  record FILE [--seconds N]     cada relatório de entrada com seu tempo, em CSV, até
                                Ctrl-C ou N s; --json: linhas JSON; FILE - é stdout;
                                --yes substitui um FILE existente
  deadzone [PEDAL [LOW HIGH]]   mostrar, ou ajustar em % (0-21 a partir de cada ponta)
  clutch [on|off]               mostrar, ou ativar/desativar a embreagem
  calibrate PEDAL [--yes]       ensinar o curso de um pedal (Enter salva)
  profile list
  profile apply NAME [--pedal P]
  profile save PEDAL NAME --curve C1,C2,C3,C4,C5
  profile remove NAME [--pedal P]
  profile export FILE [--yes]   --yes substitui um arquivo existente
  profile import FILE
  backup [FILE] [--yes]         salvar todas as configurações da unidade (sem FILE:
                                um novo arquivo na pasta de backups)
  restore FILE [--yes]          restaurar tudo o que um backup contém
  firmware check                procurar um firmware mais novo no servidor
  firmware update FILE [--yes]  gravar uma imagem de firmware (.bin) na unidade
  clear-flash [--yes]           apagar todas as configurações da unidade
  doctor [--print-rules]        verificar o que impede o kestctl de alcançar a
                                unidade ou os jogos de ver os pedais;
                                --print-rules mostra a regra udev
  autoswitch [--status]         trocar os perfis enquanto roda um jogo do arquivo de
                                regras (~/.config/kest-setting/autoswitch.ini) até
                                Ctrl-C; --status: o serviço, as regras, o jogo
                                ativo agora

PEDAL é clutch, brake ou throttle. Opções: --json (saída legível por máquina no
stdout), --trace FILE (cada troca com a unidade, para relatar um problema),
--lang CODE (de, fr, es, it, pt_BR, ja; en para inglês), --help, --version.
Status de saída: 0 feito; 1 entrada inválida ou recusada, nada enviado; 2 a
unidade falhou no meio do caminho (a mensagem diz o que ela mantém); 3 nenhuma
unidade, ou sem acesso a ela.
Veja kestctl(1).
</translation>
    </message>
    <message>
        <source>
Profiles for a game (in effect while it runs; the unit keeps its stored choice):
  profile apply NAME [--pedal P] --for-now
                                put the profile into effect without storing it;
                                prints the choice that was in effect before
  launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]
                                run COMMAND with these profiles, then put back the
                                ones before; exits with COMMAND&apos;s status. In Steam&apos;s
                                launch options: kestctl launch --brake NAME -- %command%
</source>
        <translation>
Perfis para um jogo (em vigor enquanto ele roda; a unidade mantém a escolha salva):
  profile apply NAME [--pedal P] --for-now
                                pôr o perfil em vigor sem salvá-lo; mostra a
                                escolha que estava em vigor antes
  launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]
                                executar COMMAND com esses perfis e depois
                                restabelecer os de antes; sai com o status de
                                COMMAND. Nas opções de inicialização do Steam:
                                kestctl launch --brake NAME -- %command%
</translation>
    </message>
    <message>
        <source>--clutch, --brake and --throttle are for launch (kestctl --help)</source>
        <translation>--clutch, --brake e --throttle são para launch (kestctl --help)</translation>
    </message>
    <message>
        <source>--for-now is for profile apply (kestctl --help)</source>
        <translation>--for-now é para profile apply (kestctl --help)</translation>
    </message>
    <message>
        <source>usage: kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME --curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | import FILE</source>
        <translation>uso: kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME --curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | import FILE</translation>
    </message>
    <message>
        <source>Before: %1</source>
        <translation>Antes: %1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is in effect for now; the unit keeps its stored choice.</source>
        <translation>%1: “%2” está em vigor por enquanto; a unidade mantém a escolha salva.</translation>
    </message>
    <message>
        <source>the profiles in effect before were not put back: %1</source>
        <translation>os perfis em vigor antes não foram restabelecidos: %1</translation>
    </message>
</context>
</TS>
