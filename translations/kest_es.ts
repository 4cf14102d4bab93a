<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cancel this calibration? The pedal keeps the calibration it had.</source>
        <translation>¿Cancelar esta calibración? El pedal conserva la calibración que tenía.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>CALIBRAR</translation>
    </message>
    <message>
        <source>Press the pedal all the way down, let it come back up, then click SAVE.</source>
        <translation>Pisa el pedal a fondo, déjalo volver y luego pulsa GUARDAR.</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then click SAVE; %2.</source>
        <translation>%1: pisa el pedal a fondo, déjalo volver y luego pulsa GUARDAR; %2.</translation>
    </message>
    <message>
        <source>Save the calibration?</source>
        <translation>¿Guardar la calibración?</translation>
    </message>
</context>
<context>
    <name>DevicePage</name>
    <message>
        <source>CHECK UPDATE</source>
        <translation>BUSCAR FIRMWARE</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The firmware file could not be read. Nothing was sent to the unit.</source>
        <translation>No se pudo leer el archivo de firmware. No se envió nada a la unidad.</translation>
    </message>
    <message>
        <source>Not a valid firmware.</source>
        <translation>No es un firmware válido.</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Another firmware update is running. Please try again when it is finished.</source>
        <translation>Hay otra actualización de firmware en curso. Vuelve a intentarlo cuando termine.</translation>
    </message>
    <message>
        <source>Firmware updated successfully.</source>
        <translation>Firmware actualizado correctamente.</translation>
    </message>
    <message>
        <source>Firmware update failed: the pedal unit was unplugged while it wrote its firmware. Please plug it in again and run the update again.</source>
        <translation>Error al actualizar el firmware: la unidad de pedales se desconectó mientras escribía su firmware. Vuelve a conectarla y repite la actualización.</translation>
    </message>
    <message>
        <source>Firmware update failed: the unit did not take the whole image. Please try again.</source>
        <translation>Error al actualizar el firmware: la unidad no aceptó la imagen completa. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Writing ...</source>
        <translation>Escribiendo ...</translation>
    </message>
    <message>
        <source>Uploading ...</source>
        <translation>Enviando ...</translation>
    </message>
    <message>
        <source>Do you want to continue?
This operation will delete all the settings stored in the device flash memory.</source>
        <translation>¿Quieres continuar?
Esta operación borrará todos los ajustes guardados en la memoria flash del dispositivo.</translation>
    </message>
    <message>
        <source>Flash data has been cleared.</source>
        <translation>Se han borrado los datos de la flash.</translation>
    </message>
    <message>
        <source>Firmware update stopped: the program ended while the pedal unit wrote its firmware. Please run the update again.</source>
        <translation>Actualización del firmware detenida: el programa se cerró mientras la unidad de pedales escribía su firmware. Repite la actualización.</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name ends in .bin.</source>
        <translation>El nombre de un archivo de firmware termina en .bin.</translation>
    </message>
    <message>
        <source>There is no file of that name.</source>
        <translation>No hay ningún archivo con ese nombre.</translation>
    </message>
    <message>
        <source>It is not a regular file, but a folder, a device or a pipe.</source>
        <translation>No es un archivo normal, sino una carpeta, un dispositivo o una tubería.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, the most the unit takes.</source>
        <translation>El archivo supera los %1 bytes, lo máximo que admite la unidad.</translation>
    </message>
    <message>
        <source>Upload the firmware file %1 (%2 bytes) to the unit?</source>
        <translation>¿Enviar el archivo de firmware %1 (%2 bytes) a la unidad?</translation>
    </message>
    <message>
        <source>MD5: %1</source>
        <translation>MD5: %1</translation>
    </message>
    <message>
        <source>The unit cannot check what a file holds and takes any file as its firmware. Upload only the maker&apos;s image for this unit, and compare the MD5 above with the one the maker publishes.</source>
        <translation>La unidad no puede comprobar el contenido de un archivo y acepta cualquier archivo como firmware. Envíe solo la imagen del fabricante para esta unidad y compare el MD5 de arriba con el que publica el fabricante.</translation>
    </message>
</context>
<context>
    <name>InputsPage</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
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
        <translation>Izquierda y Derecha eligen un punto; Arriba y Abajo lo mueven un 1 %, Re Pág y Av Pág un 10 %.</translation>
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
        <translation>%1, punto %2: %3</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Progressive</source>
        <translation>Progresiva</translation>
    </message>
    <message>
        <source>Degressive</source>
        <translation>Degresiva</translation>
    </message>
    <message>
        <source>S-curve</source>
        <translation>Curva en S</translation>
    </message>
    <message>
        <source>Copy curve</source>
        <translation>Copiar curva</translation>
    </message>
    <message>
        <source>Paste curve</source>
        <translation>Pegar curva</translation>
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
        <translation>Izquierda y Derecha mueven el tirador un 1 %, con Mayús un 5 %.</translation>
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
        <translation>CALIBRACIÓN</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>DISPOSITIVO</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PERFILES</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>ACERCA DE</translation>
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
        <translation>USAR EMBRAGUE</translation>
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
        <translation>FRENO</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>EMBRAGUE</translation>
    </message>
    <message>
        <source>NEW PROFILE</source>
        <translation>NUEVO PERFIL</translation>
    </message>
    <message>
        <source>SAVE </source>
        <translation>GUARDAR </translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>ELIMINAR</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
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
        <translation>ACTUALIZAR A MANO</translation>
    </message>
    <message>
        <source>UPLOADING...</source>
        <translation>ENVIANDO...</translation>
    </message>
    <message>
        <source>CHECK UPDATE</source>
        <translation>BUSCAR FIRMWARE</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>CLEAR FLASH DATA</source>
        <translation>BORRAR DATOS FLASH</translation>
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
        <translation>No se encontró ninguna unidad de pedales. Comprueba que su cable USB esté conectado, mejor directamente al ordenador que a un hub. En Linux, lsusb muestra la unidad como e5b7:6a1c.</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read; trying again.</source>
        <translation>Se encontró la unidad de pedales, pero no respondió a todas las lecturas; se vuelve a intentar.</translation>
    </message>
    <message>
        <source>%1 curve</source>
        <translation>curva de %1</translation>
    </message>
    <message>
        <source>%1 low deadzone</source>
        <translation>zona muerta inferior de %1</translation>
    </message>
    <message>
        <source>%1 high deadzone</source>
        <translation>zona muerta superior de %1</translation>
    </message>
    <message>
        <source>Firmware Version:	</source>
        <translation>Versión de firmware:	</translation>
    </message>
    <message>
        <source>WAITING FOR DEVICE...</source>
        <translation>ESPERANDO PEDALES...</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The firmware update is still running. Please wait until it is finished.</source>
        <translation>La actualización de firmware sigue en curso. Espera a que termine.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 low deadzone: the first part of the travel, which counts as released. Drag it, or Tab to it and use Left and Right.</source>
        <translation>Zona muerta inferior de %1: la primera parte del recorrido, que cuenta como suelto. Arrástrala, o llega a ella con Tab y usa Izquierda y Derecha.</translation>
    </message>
    <message>
        <source>%1 high deadzone: the last part of the travel, which counts as fully pressed. Drag it, or Tab to it and use Left and Right.</source>
        <translation>Zona muerta superior de %1: la última parte del recorrido, que cuenta como pisado a fondo. Arrástrala, o llega a ella con Tab y usa Izquierda y Derecha.</translation>
    </message>
    <message>
        <source>Program Version:	</source>
        <translation>Versión del programa:	</translation>
    </message>
    <message>
        <source>Report a problem: see &quot;How to report a problem&quot; in %1</source>
        <translation>Informar de un problema: ver «How to report a problem» en %1</translation>
    </message>
    <message>
        <source>The pedal unit is connected but cannot be opened: this user has no access to it. Install the kest-setting package or its udev rule (70-kest-pedals.rules), then unplug the unit and plug it in again. kestctl doctor says what is missing; more in %1.</source>
        <translation>La unidad de pedales está conectada pero no se puede abrir: este usuario no tiene acceso a ella. Instala el paquete kest-setting o su regla udev (70-kest-pedals.rules), luego desconecta la unidad y vuelve a conectarla. kestctl doctor indica qué falta; más información en %1.</translation>
    </message>
</context>
<context>
    <name>ProfilesPage</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>slot %1 (&quot;%2&quot;)</source>
        <translation>ranura %1 («%2»)</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The pedal unit holds a profile that belongs to no pedal in %1. It is left as it is and shown in no list, and EXPORT does not write it. IMPORT of a profile file or CLEAR FLASH on the DEVICE page clears it.</source>
        <translation>La unidad de pedales guarda un perfil que no pertenece a ningún pedal en %1. Se deja tal cual, no aparece en ninguna lista y EXPORTAR no lo escribe. IMPORTAR un archivo de perfiles o BORRAR DATOS FLASH en la página DISPOSITIVO lo elimina.</translation>
    </message>
    <message>
        <source>Profile is saved</source>
        <translation>Perfil guardado</translation>
    </message>
    <message>
        <source>Curve changed, not saved in &quot;%1&quot;</source>
        <translation>Curva modificada, no guardada en «%1»</translation>
    </message>
    <message>
        <source>Curve not saved</source>
        <translation>Curva no guardada</translation>
    </message>
    <message>
        <source>The %1 curve of profile &quot;%2&quot; was changed and is not saved.</source>
        <translation>La curva de %1 del perfil «%2» se ha modificado y no está guardada.</translation>
    </message>
    <message>
        <source>Save the curve as &quot;%1&quot; first?</source>
        <translation>¿Guardar antes la curva como «%1»?</translation>
    </message>
    <message>
        <source>%1: curve of profile &quot;%2&quot;</source>
        <translation>%1: curva del perfil «%2»</translation>
    </message>
    <message>
        <source>Changed and not saved:</source>
        <translation>Modificado y no guardado:</translation>
    </message>
    <message>
        <source>Save before closing?</source>
        <translation>¿Guardar antes de cerrar?</translation>
    </message>
    <message>
        <source>Remove the %1 profile &quot;%2&quot; from the unit?</source>
        <translation>¿Eliminar el perfil «%2» de %1 de la unidad?</translation>
    </message>
    <message>
        <source>Import the profiles of %1?
This replaces all 16 profiles on the unit.</source>
        <translation>¿Importar los perfiles de %1?
Esto sustituye los 16 perfiles de la unidad.</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>Perfiles escritos en %1.</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>Perfiles importados de %1.</translation>
    </message>
    <message>
        <source>The file is a backup. It also holds these settings:
%1
Yes restores them too; No imports the profiles only.</source>
        <translation>El archivo es una copia de seguridad. También contiene estos ajustes:
%1
Sí los restaura también; No importa solo los perfiles.</translation>
    </message>
    <message>
        <source>The file&apos;s other settings cannot be restored, only its profiles: %1</source>
        <translation>Los demás ajustes del archivo no se pueden restaurar, solo sus perfiles: %1</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>Perfiles y ajustes restaurados de %1.</translation>
    </message>
    <message>
        <source>Restore from %1 stopped part-way.</source>
        <translation>La restauración desde %1 se detuvo a medias.</translation>
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
        <translation>Actualización</translation>
    </message>
    <message>
        <source>A new firmware is available. Please check again when the running update is finished.</source>
        <translation>Hay un firmware nuevo disponible. Vuelve a buscar cuando termine la actualización en curso.</translation>
    </message>
    <message>
        <source>A new firmware is available, update now?</source>
        <translation>Hay un firmware nuevo disponible. ¿Actualizar ahora?</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versión: </translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Descargando ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>kest</name>
    <message>
        <source>Not a curve: a curve is written kest-curve: and five numbers, like kest-curve:17,33,50,67,83.</source>
        <translation>No es una curva: una curva se escribe kest-curve: y cinco números, como kest-curve:17,33,50,67,83.</translation>
    </message>
    <message>
        <source>Not a curve: it has %1 numbers, a curve has five.</source>
        <translation>No es una curva: tiene %1 números y una curva tiene cinco.</translation>
    </message>
    <message>
        <source>Not a curve: %1 is not a percent from 0 to 100.</source>
        <translation>No es una curva: %1 no es un porcentaje de 0 a 100.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the value is no profile record of 7 bytes.</source>
        <translation>Clave «%1»: el valor no es un registro de perfil de 7 bytes.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: slot %2 does not exist; the slots are 0 to 15.</source>
        <translation>Clave «%1»: la ranura %2 no existe; las ranuras van de 0 a 15.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: pedal code %2; it must be 1 (clutch), 2 (brake) or 3 (throttle).</source>
        <translation>Clave «%1»: código de pedal %2; debe ser 1 (embrague), 2 (freno) o 3 (acelerador).</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: curve point %2 is %3; curve points are 0 to 100.</source>
        <translation>Clave «%1»: el punto de curva %2 vale %3; los puntos de curva van de 0 a 100.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the profile has no name.</source>
        <translation>Clave «%1»: el perfil no tiene nombre.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name holds a zero byte.</source>
        <translation>Clave «%1»: el nombre contiene un byte cero.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name is not valid UTF-8 text.</source>
        <translation>Clave «%1»: el nombre no es texto UTF-8 válido.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name takes %2 bytes; the unit keeps 16 (accented letters take two).</source>
        <translation>Clave «%1»: el nombre ocupa %2 bytes; la unidad guarda 16 (las letras con tilde ocupan dos).</translation>
    </message>
    <message>
        <source>Line %1 runs on into the next line (a \ at its end or an unmatched &quot;).</source>
        <translation>La línea %1 continúa en la siguiente (un \ al final o unas &quot; sin cerrar).</translation>
    </message>
    <message>
        <source>Line %1: the section header has no &apos;]&apos;.</source>
        <translation>Línea %1: a la cabecera de sección le falta &apos;]&apos;.</translation>
    </message>
    <message>
        <source>Line %1: the text after the section header&apos;s &apos;]&apos; would be ignored.</source>
        <translation>Línea %1: el texto tras el &apos;]&apos; de la cabecera de sección se ignoraría.</translation>
    </message>
    <message>
        <source>Line %1 is no key: a &apos;;&apos; starts a comment there (in a name, write it as %3B).</source>
        <translation>La línea %1 no es una clave: un &apos;;&apos; inicia ahí un comentario (en un nombre, escríbelo como %3B).</translation>
    </message>
    <message>
        <source>Line %1 is neither a key (it has no &apos;=&apos;), a comment (&apos;;&apos;) nor a section header.</source>
        <translation>La línea %1 no es una clave (no tiene &apos;=&apos;), ni un comentario (&apos;;&apos;), ni una cabecera de sección.</translation>
    </message>
    <message>
        <source>Line 1 does not read back as written.</source>
        <translation>La línea 1 no se lee igual que se escribió.</translation>
    </message>
    <message>
        <source>Line %1: the key is in the section [%2]; profiles belong in [General].</source>
        <translation>Línea %1: la clave está en la sección [%2]; los perfiles van en [General].</translation>
    </message>
    <message>
        <source>Line %1: the key &quot;%2&quot; is there twice (lines %3 and %1).</source>
        <translation>Línea %1: la clave «%2» está dos veces (líneas %3 y %1).</translation>
    </message>
    <message>
        <source>The key INDEX is missing.</source>
        <translation>Falta la clave INDEX.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot; does not begin with its slot number as two digits.</source>
        <translation>La clave «%1» no empieza con su número de ranura en dos cifras.</translation>
    </message>
    <message>
        <source>The file holds %1 profiles; the unit keeps 16 at most.</source>
        <translation>El archivo contiene %1 perfiles; la unidad guarda 16 como máximo.</translation>
    </message>
    <message>
        <source>INDEX is no number with EF (hex) in its top byte.</source>
        <translation>INDEX no es un número con EF (hex) en su byte alto.</translation>
    </message>
    <message>
        <source>Line %1: the name is not valid UTF-8 text.</source>
        <translation>Línea %1: el nombre no es texto UTF-8 válido.</translation>
    </message>
    <message>
        <source>Keys &quot;%1&quot; and &quot;%2&quot; are both for slot %3; a slot holds one profile.</source>
        <translation>Las claves «%1» y «%2» son ambas de la ranura %3; una ranura guarda un solo perfil.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB; a file of 16 profiles takes 2 KB.</source>
        <translation>El archivo supera 1 MiB; un archivo de 16 perfiles ocupa 2 KB.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key per pedal: CLUTCH, BRAKE or THROTTLE.</source>
        <translation>Línea %1: la sección [%2] contiene una clave por pedal: CLUTCH, BRAKE o THROTTLE.</translation>
    </message>
    <message>
        <source>Line %1: %2 in [%3] is not a low and a high bound from 0 to 65535, such as &quot;1200 64000&quot;.</source>
        <translation>Línea %1: %2 en [%3] no es un límite inferior y uno superior de 0 a 65535, como «1200 64000».</translation>
    </message>
    <message>
        <source>[%1] has both process and steam-app; a section watches one of them.</source>
        <translation>[%1] tiene process y steam-app a la vez; una sección vigila solo uno de los dos.</translation>
    </message>
    <message>
        <source>[%1] names no process and no steam-app.</source>
        <translation>[%1] no indica process ni steam-app.</translation>
    </message>
    <message>
        <source>[%1] chooses no profile: give clutch, brake or throttle.</source>
        <translation>[%1] no elige ningún perfil: indica clutch, brake o throttle.</translation>
    </message>
    <message>
        <source>[%1] watches the same %2 as [%3].</source>
        <translation>[%1] vigila lo mismo que [%3]: %2.</translation>
    </message>
    <message>
        <source>this line is not UTF-8 text.</source>
        <translation>esta línea no es texto UTF-8.</translation>
    </message>
    <message>
        <source>neither a [game] header nor a &quot;key = value&quot; line.</source>
        <translation>ni una cabecera [juego] ni una línea «clave = valor».</translation>
    </message>
    <message>
        <source>the section has no name: [the game&apos;s name].</source>
        <translation>la sección no tiene nombre: [el nombre del juego].</translation>
    </message>
    <message>
        <source>a second [%1] section; the first is on line %2.</source>
        <translation>una segunda sección [%1]; la primera está en la línea %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes before the first [game] section.</source>
        <translation>«%1» aparece antes de la primera sección [juego].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice in [%2].</source>
        <translation>«%1» aparece dos veces en [%2].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value.</source>
        <translation>«%1» no tiene valor.</translation>
    </message>
    <message>
        <source>process is a program&apos;s file name, without a folder: %1.</source>
        <translation>process es el nombre de archivo de un programa, sin carpeta: %1.</translation>
    </message>
    <message>
        <source>steam-app is a Steam game&apos;s number, as 227300: %1.</source>
        <translation>steam-app es el número de un juego de Steam, como 227300: %1.</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;; the keys are process, steam-app, clutch, brake and throttle.</source>
        <translation>clave desconocida «%1»; las claves son process, steam-app, clutch, brake y throttle.</translation>
    </message>
    <message>
        <source>the profile name &quot;%1&quot; is longer than the unit&apos;s names (16 bytes).</source>
        <translation>el nombre de perfil «%1» es más largo que los nombres de la unidad (16 bytes).</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>There is no rules file %1.</source>
        <translation>No existe el archivo de reglas %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is larger than a rules file can be (256 KiB).</source>
        <translation>%1 supera el tamaño máximo de un archivo de reglas (256 KiB).</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key, ENABLED.</source>
        <translation>Línea %1: la sección [%2] contiene una sola clave, ENABLED.</translation>
    </message>
    <message>
        <source>Line %1: ENABLED in [%2] is 1 (the clutch pedal on) or 0 (off).</source>
        <translation>Línea %1: ENABLED en [%2] es 1 (pedal de embrague activado) o 0 (desactivado).</translation>
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
        <translation>Uso: kest-setting [--lang CÓDIGO] [--trace ARCHIVO]
Configura los pedales Kest Labs RM25: los pedales en vivo, las zonas muertas, la
calibración, las curvas de respuesta, los perfiles guardados en la unidad y las
actualizaciones de firmware.

  --lang CÓDIGO    el idioma de los textos: de, fr, es, it, pt_BR, ja; en para inglés
  --trace ARCHIVO  añade cada intercambio con la unidad a ARCHIVO, para informar de un problema
  --help           muestra esta ayuda y termina
  --version        muestra la versión del programa y termina
Las opciones propias de Qt (como -platform) se pasan a Qt.

Los ajustes se guardan en la unidad de pedales. Antes de cada cambio que no se puede
deshacer (una importación, una eliminación, borrar la flash, una actualización de
firmware) se guarda una copia de seguridad de los ajustes de la unidad en:
  %1
kestctl(1) hace lo mismo desde una terminal.
</translation>
    </message>
</context>
<context>
    <name>kest::AutoSwitch</name>
    <message>
        <source>Stopped while %1 runs.</source>
        <translation>Detenido mientras %1 se ejecuta.</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 ha terminado.</translation>
    </message>
    <message>
        <source>%1 is running (%2).</source>
        <translation>%1 se está ejecutando (%2).</translation>
    </message>
    <message>
        <source>No pedal unit: the profiles switch once it is plugged in.</source>
        <translation>No hay unidad de pedales: los perfiles cambiarán en cuanto se conecte.</translation>
    </message>
    <message>
        <source>The profiles could not be read from the pedal unit; the switch is tried again.</source>
        <translation>No se pudieron leer los perfiles de la unidad de pedales; se volverá a intentar el cambio.</translation>
    </message>
    <message>
        <source>%1 has no profile called &quot;%2&quot;; it keeps its profile.</source>
        <translation>%1 no tiene ningún perfil llamado «%2»; el pedal conserva su perfil.</translation>
    </message>
    <message>
        <source>The switch is tried again.</source>
        <translation>Se volverá a intentar el cambio.</translation>
    </message>
    <message>
        <source>In effect now: %1.</source>
        <translation>Ahora en vigor: %1.</translation>
    </message>
</context>
<context>
    <name>kest::KestUnit</name>
    <message>
        <source>The deadzones were not saved: the pedal unit did not take them. It keeps the deadzones it had.</source>
        <translation>No se guardaron las zonas muertas: la unidad de pedales no las aceptó. Conserva las zonas muertas que tenía.</translation>
    </message>
    <message>
        <source>The clutch setting was not changed: the pedal unit did not answer. It keeps the setting it had.</source>
        <translation>No se cambió el ajuste del embrague: la unidad de pedales no respondió. Conserva el ajuste que tenía.</translation>
    </message>
    <message>
        <source>The calibration did not start: the pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>La calibración no empezó: la unidad de pedales no respondió. Conserva la calibración que tenía.</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not answer. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>No se guardó la calibración: la unidad de pedales no respondió. Conserva la calibración que tenía; pulsa GUARDAR para reintentarlo.</translation>
    </message>
    <message>
        <source>Move the pedal through its whole travel, then save.</source>
        <translation>Mueve el pedal por todo su recorrido y luego guarda.</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not take it. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>No se guardó la calibración: la unidad de pedales no la aceptó. Conserva la calibración que tenía; pulsa GUARDAR para reintentarlo.</translation>
    </message>
    <message>
        <source>The calibration was saved, but the pedal unit did not take the cleared deadzones of this pedal: it keeps the deadzones it had.</source>
        <translation>Se guardó la calibración, pero la unidad de pedales no aceptó las zonas muertas borradas de este pedal: conserva las zonas muertas que tenía.</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the calibration it had; plug it in again to bring it back.</source>
        <translation>La unidad de pedales no recuperó la calibración que tenía; vuelve a conectarla para restaurarla.</translation>
    </message>
    <message>
        <source>The flash data was not cleared: the pedal unit did not take the command. It keeps the settings it had.</source>
        <translation>No se borraron los datos de la flash: la unidad de pedales no aceptó la orden. Conserva los ajustes que tenía.</translation>
    </message>
    <message>
        <source>A profile write to the pedal unit was cut off half-way: until the unit is plugged in again, its profile table reads otherwise than the unit keeps it.</source>
        <translation>Una escritura de perfil en la unidad de pedales se cortó a medias: hasta que se vuelva a conectar la unidad, su tabla de perfiles se lee distinta de como la guarda.</translation>
    </message>
    <message>
        <source>The pedal unit did not take the choice of profile.</source>
        <translation>La unidad de pedales no aceptó la selección de perfil.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored; the pedal unit keeps the choice it had.</source>
        <translation>No se guardó la selección de perfiles activos; la unidad de pedales conserva la que tenía.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the pedal unit did not answer. It keeps the choice it had.</source>
        <translation>No se guardó la selección de perfiles activos: la unidad de pedales no respondió. Conserva la selección que tenía.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the profile lists could not be read from the pedal unit. It keeps the choice it had.</source>
        <translation>No se guardó la selección de perfiles activos: no se pudieron leer las listas de perfiles de la unidad de pedales. Conserva la selección que tenía.</translation>
    </message>
    <message>
        <source>Can not save to DEFAULT, please use a different name.</source>
        <translation>No se puede guardar en DEFAULT; usa otro nombre.</translation>
    </message>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Introduce un nombre de perfil.</translation>
    </message>
    <message>
        <source>Profile name holds a character that cannot be stored (a zero byte or an unreadable character).</source>
        <translation>El nombre del perfil contiene un carácter que no se puede guardar (un byte cero o un carácter ilegible).</translation>
    </message>
    <message>
        <source>Profile name is too long: 16 bytes at most (accented letters take two).</source>
        <translation>El nombre del perfil es demasiado largo: 16 bytes como máximo (las letras con tilde ocupan dos).</translation>
    </message>
    <message>
        <source>The profile was not saved.</source>
        <translation>No se guardó el perfil.</translation>
    </message>
    <message>
        <source>The profile was not saved: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>No se guardó el perfil: no se pudieron leer las listas de perfiles de la unidad de pedales. Conserva los perfiles que tenía.</translation>
    </message>
    <message>
        <source>The profile was not saved: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>No se guardó el perfil: la unidad de pedales no respondió. Conserva los perfiles que tenía.</translation>
    </message>
    <message>
        <source>Profile is full</source>
        <translation>No quedan ranuras de perfil libres</translation>
    </message>
    <message>
        <source>The profile was saved, but the pedal unit did not store it as the active profile.</source>
        <translation>Se guardó el perfil, pero la unidad de pedales no lo guardó como perfil activo.</translation>
    </message>
    <message>
        <source>The profile was saved, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>Se guardó el perfil, pero no se pudieron releer las listas de perfiles de la unidad de pedales. Se volverán a leer antes de guardar nada más.</translation>
    </message>
    <message>
        <source>DEFAULT can not be removed.</source>
        <translation>DEFAULT no se puede eliminar.</translation>
    </message>
    <message>
        <source>The profile was not removed.</source>
        <translation>No se eliminó el perfil.</translation>
    </message>
    <message>
        <source>The profile was not removed: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>No se eliminó el perfil: no se pudieron leer las listas de perfiles de la unidad de pedales. Conserva los perfiles que tenía.</translation>
    </message>
    <message>
        <source>The profile was not removed: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>No se eliminó el perfil: la unidad de pedales no respondió. Conserva los perfiles que tenía.</translation>
    </message>
    <message>
        <source>The profile was removed, but the pedal unit did not store the new choice of active profiles.</source>
        <translation>Se eliminó el perfil, pero la unidad de pedales no guardó la nueva selección de perfiles activos.</translation>
    </message>
    <message>
        <source>The profiles were not exported.</source>
        <translation>No se exportaron los perfiles.</translation>
    </message>
    <message>
        <source>The profiles were not exported: the profile lists could not be read from the pedal unit.</source>
        <translation>No se exportaron los perfiles: no se pudieron leer las listas de perfiles de la unidad de pedales.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>No se pudo escribir el archivo de perfiles.</translation>
    </message>
    <message>
        <source>The file that was there is kept as it was.</source>
        <translation>El archivo que había se conserva tal cual.</translation>
    </message>
    <message>
        <source>The profiles were exported, except the one of no pedal in slot %1.</source>
        <translation>Se exportaron los perfiles, salvo el que no pertenece a ningún pedal en la ranura %1.</translation>
    </message>
    <message>
        <source>The profiles were exported except slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is.</source>
        <translation>Se exportaron los perfiles salvo la ranura %1: el nombre que la unidad de pedales guarda ahí no es un texto válido y no volvería tal cual.</translation>
    </message>
    <message>
        <source>Please choose INI file</source>
        <translation>Elige un archivo INI</translation>
    </message>
    <message>
        <source>INI file is not valid.</source>
        <translation>El archivo INI no es válido.</translation>
    </message>
    <message>
        <source>The import stopped after %1 of %2 profiles: the pedal unit did not answer. Its profile table is incomplete; please import the file again.</source>
        <translation>La importación se detuvo tras %1 de %2 perfiles: la unidad de pedales no respondió. Su tabla de perfiles está incompleta; vuelve a importar el archivo.</translation>
    </message>
    <message>
        <source>The profiles were imported, but the pedal unit did not store the file&apos;s choice of active profiles.</source>
        <translation>Se importaron los perfiles, pero la unidad de pedales no guardó la selección de perfiles activos del archivo.</translation>
    </message>
    <message>
        <source>A backup of the unit&apos;s profiles, deadzones and calibration is saved first, to:
%1</source>
        <translation>Antes se guarda una copia de seguridad de los perfiles, zonas muertas y calibración de la unidad en:
%1</translation>
    </message>
    <message>
        <source>No backup could be made. Nothing was changed.</source>
        <translation>No se pudo hacer la copia de seguridad. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>No backup could be made: the profile lists could not be read from the pedal unit. Nothing was changed.</source>
        <translation>No se pudo hacer la copia de seguridad: no se pudieron leer las listas de perfiles de la unidad de pedales. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its calibration and deadzones. Nothing was changed.</source>
        <translation>No se pudo hacer la copia de seguridad: la unidad de pedales no indicó su calibración y sus zonas muertas. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>No backup could be written to %1. Nothing was changed.</source>
        <translation>No se pudo escribir la copia de seguridad en %1. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>EMBRAGUE</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>FRENO</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>ACELERADOR</translation>
    </message>
    <message>
        <source>%1 low %2 % and high %3 %</source>
        <translation>%1 inferior %2 % y superior %3 %</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: it has no deadzones to set.</source>
        <translation>El pedal de embrague está desactivado: no tiene zonas muertas que ajustar.</translation>
    </message>
    <message>
        <source>A deadzone is a whole percent from 0 to %1.</source>
        <translation>Una zona muerta es un porcentaje entero de 0 a %1.</translation>
    </message>
    <message>
        <source>The deadzones were not saved: the pedal unit still reports the ones it had (%1). It keeps the deadzones it had.</source>
        <translation>No se guardaron las zonas muertas: la unidad de pedales sigue indicando las que tenía (%1). Conserva las zonas muertas que tenía.</translation>
    </message>
    <message>
        <source>Please save other channel calibrate first.</source>
        <translation>Guarda primero la calibración del otro pedal.</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: switch it on first.</source>
        <translation>El pedal de embrague está desactivado: actívalo primero.</translation>
    </message>
    <message>
        <source>no travel seen yet</source>
        <translation>aún no se ha registrado recorrido</translation>
    </message>
    <message>
        <source>travel seen %1 to %2 (%3 %)</source>
        <translation>recorrido registrado de %1 a %2 (%3 %)</translation>
    </message>
    <message>
        <source>Saving the %1 calibration also resets its deadzones: low %2 % and high %3 % go back to 0 %, and the new travel counts from 0 to 100 %. You can set them again on the INPUTS page afterwards.</source>
        <translation>Guardar la calibración de %1 también restablece sus zonas muertas: inferior %2 % y superior %3 % vuelven a 0 %, y el nuevo recorrido cuenta de 0 a 100 %. Después puede ajustarlas de nuevo en la página ENTRADAS.</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the deadzones of the %1: it still reports none, and keeps low %2 % and high %3 %; plug it in again to bring them back.</source>
        <translation>La unidad de pedales no recuperó las zonas muertas de %1: sigue indicando ninguna y conserva inferior %2 % y superior %3 %; vuelve a conectarla para restaurarlas.</translation>
    </message>
    <message>
        <source>Calibration cancelled: the %1 keeps the calibration it had.</source>
        <translation>Calibración cancelada: %1 conserva la calibración que tenía.</translation>
    </message>
    <message>
        <source>The settings it had are in the backup %1.</source>
        <translation>Los ajustes que tenía la unidad están en la copia de seguridad %1.</translation>
    </message>
    <message>
        <source>No backup could be written to %1.</source>
        <translation>No se pudo escribir la copia de seguridad en %1.</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its clutch setting. Nothing was changed.</source>
        <translation>No se pudo hacer la copia de seguridad: la unidad de pedales no indicó su ajuste del embrague. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The profiles were not switched.</source>
        <translation>No se cambiaron los perfiles.</translation>
    </message>
    <message>
        <source>The profiles were not switched: the profile lists could not be read from the pedal unit.</source>
        <translation>No se cambiaron los perfiles: no se pudieron leer las listas de perfiles de la unidad de pedales.</translation>
    </message>
    <message>
        <source>The %1 has no profile called &quot;%2&quot;.</source>
        <translation>%1 no tiene ningún perfil llamado «%2».</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the profile lists could not be read from the pedal unit.</source>
        <translation>No se repusieron los perfiles que estaban en vigor antes: no se pudieron leer las listas de perfiles de la unidad de pedales.</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the pedal unit did not take them.</source>
        <translation>No se repusieron los perfiles que estaban en vigor antes: la unidad de pedales no los aceptó.</translation>
    </message>
    <message>
        <source>The backup&apos;s calibration of the %1 runs from %2 to %3: its low bound must be below its high bound.</source>
        <translation>La calibración de %1 en la copia de seguridad va de %2 a %3: su límite inferior debe estar por debajo del superior.</translation>
    </message>
    <message>
        <source>The backup&apos;s deadzones of the %1 (low %2 %, high %3 %) lie beyond the handles&apos; travel of 0 to %4 %.</source>
        <translation>Las zonas muertas de %1 en la copia de seguridad (inferior %2 %, superior %3 %) quedan fuera del recorrido de los tiradores, de 0 a %4 %.</translation>
    </message>
    <message>
        <source>%1 holds profiles only: it is no backup of the unit&apos;s settings.</source>
        <translation>%1 solo contiene perfiles: no es una copia de seguridad de los ajustes de la unidad.</translation>
    </message>
    <message>
        <source>The backup is not whole: its section [%1] has no key %2.</source>
        <translation>La copia de seguridad está incompleta: a su sección [%1] le falta la clave %2.</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel):</source>
        <translation>Calibración (en bruto, % del recorrido):</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2 (%3 %) a %4 (%5 %)</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw):</source>
        <translation>Zonas muertas (% como las muestran los tiradores, en bruto):</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3), high %4 % (%5)</source>
        <translation>%1 inferior %2 % (%3), superior %4 % (%5)</translation>
    </message>
    <message>
        <source>Clutch pedal: on</source>
        <translation>Pedal de embrague: activado</translation>
    </message>
    <message>
        <source>Clutch pedal: off</source>
        <translation>Pedal de embrague: desactivado</translation>
    </message>
    <message>
        <source>A calibration is under way: save or cancel it first.</source>
        <translation>Hay una calibración en curso: guárdala o cancélala primero.</translation>
    </message>
    <message>
        <source>clutch setting</source>
        <translation>ajuste del embrague</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibración</translation>
    </message>
    <message>
        <source>deadzones</source>
        <translation>zonas muertas</translation>
    </message>
    <message>
        <source>profiles</source>
        <translation>perfiles</translation>
    </message>
    <message>
        <source>choice of active profiles</source>
        <translation>selección de perfiles activos</translation>
    </message>
    <message>
        <source>profiles of slots 0 to %1</source>
        <translation>perfiles de las ranuras 0 a %1</translation>
    </message>
    <message>
        <source>profiles of slots %1 to 15</source>
        <translation>perfiles de las ranuras %1 a 15</translation>
    </message>
    <message>
        <source>The restore stopped part-way: the pedal unit did not answer.</source>
        <translation>La restauración se detuvo a medias: la unidad de pedales no respondió.</translation>
    </message>
    <message>
        <source>It has the backup&apos;s %1.</source>
        <translation>Ya tiene de la copia de seguridad: %1.</translation>
    </message>
    <message>
        <source>It keeps the %1 it had.</source>
        <translation>Conserva como antes: %1.</translation>
    </message>
    <message>
        <source>The backup was restored, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>Se restauró la copia de seguridad, pero no se pudieron releer las listas de perfiles de la unidad de pedales. Se volverán a leer antes de guardar nada más.</translation>
    </message>
    <message>
        <source>The backup holds no clutch setting (it was made before backups kept it): the unit keeps the one it had.</source>
        <translation>La copia de seguridad no contiene ajuste del embrague (se hizo antes de que las copias lo guardaran): la unidad conserva el que tenía.</translation>
    </message>
    <message>
        <source>The backup leaves out slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is. A restore of this backup clears the slot.</source>
        <translation>La copia de seguridad deja fuera la ranura %1: el nombre que la unidad de pedales guarda ahí no es un texto válido y no volvería tal cual. Una restauración de esta copia vacía la ranura.</translation>
    </message>
</context>
<context>
    <name>kest::UpdateClient</name>
    <message>
        <source>a minute</source>
        <translation>un minuto</translation>
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
        <translation>Búsqueda fallida: el servidor no respondió en %1.</translation>
    </message>
    <message>
        <source>Update check failed: the update server could not be reached.</source>
        <translation>Búsqueda fallida: no se pudo contactar con el servidor.</translation>
    </message>
    <message>
        <source>Update check failed: the update server&apos;s answer could not be read.</source>
        <translation>Búsqueda fallida: la respuesta del servidor es ilegible.</translation>
    </message>
    <message>
        <source>No valid device.</source>
        <translation>Ningún dispositivo válido.</translation>
    </message>
    <message>
        <source>Your firmware is already up to date.</source>
        <translation>Tu firmware ya está actualizado.</translation>
    </message>
    <message>
        <source>A new firmware is available: %1 (the unit has %2)</source>
        <translation>Hay un firmware nuevo disponible: %1 (la unidad tiene %2)</translation>
    </message>
    <message>
        <source>Download file fail.</source>
        <translation>Error al descargar el archivo.</translation>
    </message>
    <message>
        <source>Download given up: the firmware did not arrive within %1.</source>
        <translation>Descarga abandonada: el firmware no llegó en %1.</translation>
    </message>
    <message>
        <source>Can not write to temp.</source>
        <translation>No se puede escribir en la carpeta temporal.</translation>
    </message>
</context>
<context>
    <name>kestctl</name>
    <message>
        <source>The pedal unit did not tell its firmware version.</source>
        <translation>La unidad de pedales no indicó su versión de firmware.</translation>
    </message>
    <message>
        <source>Image: %1</source>
        <translation>Imagen: %1</translation>
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
        <translation>watch no admite argumentos</translation>
    </message>
    <message>
        <source>the pedal unit is back</source>
        <translation>la unidad de pedales ha vuelto</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged; waiting for it (Ctrl-C ends)</source>
        <translation>la unidad de pedales se desconectó; esperándola (Ctrl-C termina)</translation>
    </message>
    <message>
        <source>usage: kestctl calibrate PEDAL</source>
        <translation>uso: kestctl calibrate PEDAL</translation>
    </message>
    <message>
        <source>unknown pedal &apos;%1&apos;: clutch, brake or throttle</source>
        <translation>pedal desconocido «%1»: clutch, brake o throttle</translation>
    </message>
    <message>
        <source>The pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>La unidad de pedales no respondió. Conserva la calibración que tenía.</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then press Enter to save (Ctrl-C cancels; the pedal then keeps the calibration it had).</source>
        <translation>%1: pisa el pedal a fondo, déjalo volver y pulsa Intro para guardar (Ctrl-C cancela; el pedal conserva entonces la calibración que tenía).</translation>
    </message>
    <message>
        <source>The pedal unit was unplugged during the calibration. It keeps the calibration it had.</source>
        <translation>La unidad de pedales se desconectó durante la calibración. Conserva la calibración que tenía.</translation>
    </message>
    <message>
        <source>Input ended before Enter: the calibration was cancelled. The pedal keeps the calibration it had.</source>
        <translation>La entrada terminó antes de Intro: se canceló la calibración. El pedal conserva la calibración que tenía.</translation>
    </message>
    <message>
        <source>(Enter saves, Ctrl-C cancels)</source>
        <translation>(Intro guarda, Ctrl-C cancela)</translation>
    </message>
    <message>
        <source>(Enter tries again, Ctrl-C cancels)</source>
        <translation>(Intro lo reintenta, Ctrl-C cancela)</translation>
    </message>
    <message>
        <source>%1 calibrated: the unit keeps %2 to %3.</source>
        <translation>%1 calibrado: la unidad guarda de %2 a %3.</translation>
    </message>
    <message>
        <source>%1 needs a value (kestctl --help)</source>
        <translation>%1 necesita un valor (kestctl --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (kestctl --help)</source>
        <translation>opción desconocida «%1» (kestctl --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (kestctl --help)</source>
        <translation>comando desconocido «%1» (kestctl --help)</translation>
    </message>
    <message>
        <source>more than one pedal has a profile called &quot;%1&quot;: name one with --pedal</source>
        <translation>más de un pedal tiene un perfil llamado «%1»: indica uno con --pedal</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; (kestctl profile list)</source>
        <translation>no hay ningún perfil llamado «%1» (kestctl profile list)</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; for the %2 (kestctl profile list)</source>
        <translation>no hay ningún perfil llamado «%1» para %2 (kestctl profile list)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>save needs --curve with five points from 0 to 100, as 17,33,50,67,83</source>
        <translation>save necesita --curve con cinco puntos de 0 a 100, como 17,33,50,67,83</translation>
    </message>
    <message>
        <source>%1 exists: add --yes to replace it</source>
        <translation>%1 ya existe: añade --yes para reemplazarlo</translation>
    </message>
    <message>
        <source>%1 is not a profile file (*.ini)</source>
        <translation>%1 no es un archivo de perfiles (*.ini)</translation>
    </message>
    <message>
        <source>The profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>No se pudieron leer las listas de perfiles de la unidad de pedales. Conserva los perfiles que tenía.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is the active profile.</source>
        <translation>%1: «%2» es el perfil activo.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was removed.</source>
        <translation>%1: «%2» se ha eliminado.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is saved and is the active profile.</source>
        <translation>%1: «%2» se ha guardado y es el perfil activo.</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>Perfiles escritos en %1.</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>Perfiles importados de %1.</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read.</source>
        <translation>Se encontró la unidad de pedales, pero no respondió a todas las lecturas.</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3)  high %4 % (%5)</source>
        <translation>%1 inferior %2 % (%3)  superior %4 % (%5)</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info no admite argumentos</translation>
    </message>
    <message>
        <source>Firmware version: %1</source>
        <translation>Versión de firmware: %1</translation>
    </message>
    <message>
        <source>Clutch pedal:     %1</source>
        <translation>Pedal de embrague:   %1</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel)</source>
        <translation>Calibración (en bruto, % del recorrido)</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2 (%3 %) a %4 (%5 %)</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw)</source>
        <translation>Zonas muertas (% como las muestran los tiradores, en bruto)</translation>
    </message>
    <message>
        <source>Profiles (* active)</source>
        <translation>Perfiles (* activo)</translation>
    </message>
    <message>
        <source>Active profiles</source>
        <translation>Perfiles activos</translation>
    </message>
    <message>
        <source>%1 (slot %2)</source>
        <translation>%1 (ranura %2)</translation>
    </message>
    <message>
        <source>usage: kestctl deadzone [PEDAL [LOW HIGH]]</source>
        <translation>uso: kestctl deadzone [PEDAL [LOW HIGH]]</translation>
    </message>
    <message>
        <source>%1 must be a whole percent from 0 to %2, not &apos;%3&apos;</source>
        <translation>%1 debe ser un porcentaje entero de 0 a %2, no «%3»</translation>
    </message>
    <message>
        <source>(clutch off)</source>
        <translation>(embrague desactivado)</translation>
    </message>
    <message>
        <source>usage: kestctl clutch [on|off]</source>
        <translation>uso: kestctl clutch [on|off]</translation>
    </message>
    <message>
        <source>Clutch pedal: %1</source>
        <translation>Pedal de embrague: %1</translation>
    </message>
    <message>
        <source>clear-flash takes no arguments</source>
        <translation>clear-flash no admite argumentos</translation>
    </message>
    <message>
        <source>clear-flash deletes every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>clear-flash borra todos los ajustes de la unidad: confírmalo con --yes si no se pregunta en un terminal</translation>
    </message>
    <message>
        <source>Nothing was cleared.</source>
        <translation>No se borró nada.</translation>
    </message>
    <message>
        <source>Backup of the unit&apos;s settings: %1</source>
        <translation>Copia de seguridad de los ajustes de la unidad: %1</translation>
    </message>
    <message>
        <source>firmware update sends the file to the unit, which cannot check it: confirm with --yes when not asked on a terminal</source>
        <translation>firmware update envía el archivo a la unidad, que no puede comprobarlo: confirme con --yes fuera de una terminal</translation>
    </message>
    <message>
        <source>Nothing was sent to the unit.</source>
        <translation>No se envió nada a la unidad.</translation>
    </message>
    <message>
        <source>This operation will delete all the settings stored in the device flash memory. Continue?</source>
        <translation>Esta operación borrará todos los ajustes guardados en la memoria flash del dispositivo. ¿Continuar?</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>OMITIDO</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FALLO</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Solución: %1</translation>
    </message>
    <message>
        <source>Install the kest-setting package, or where /usr is read-only the rule by hand: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; then load it with sudo udevadm control --reload &amp;&amp; sudo udevadm trigger, or plug the unit in again. The rule gives access to the user logged in at the seat only (more in %2).</source>
        <translation>Instala el paquete kest-setting o, donde /usr es de solo lectura, la regla a mano: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; luego cárgala con sudo udevadm control --reload &amp;&amp; sudo udevadm trigger, o vuelve a conectar la unidad. La regla da acceso solo al usuario con sesión en el puesto (más información en %2).</translation>
    </message>
    <message>
        <source>%1 is this version&apos;s rule.</source>
        <translation>%1 es la regla de esta versión.</translation>
    </message>
    <message>
        <source>%1 differs from this version&apos;s rule.</source>
        <translation>%1 difiere de la regla de esta versión.</translation>
    </message>
    <message>
        <source>The udev rule %1 is not installed.</source>
        <translation>La regla udev %1 no está instalada.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again.</source>
        <translation>Desconecta la unidad y vuelve a conectarla.</translation>
    </message>
    <message>
        <source>The firmware is %1. Whether it is the newest was not checked: the update server could not be reached.</source>
        <translation>El firmware es %1. No se comprobó si es el más reciente: no se pudo contactar con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>The firmware is %1; %2 is available.</source>
        <translation>El firmware es %1; está disponible %2.</translation>
    </message>
    <message>
        <source>Update it on the DEVICE page, or with kestctl firmware update FILE (kestctl firmware check says where the image is).</source>
        <translation>Actualízalo en la página DISPOSITIVO, o con kestctl firmware update ARCHIVO (kestctl firmware check dice dónde está la imagen).</translation>
    </message>
    <message>
        <source>The firmware %1 is the newest.</source>
        <translation>El firmware %1 es el más reciente.</translation>
    </message>
    <message>
        <source>No pedal unit on USB.</source>
        <translation>No hay ninguna unidad de pedales en el USB.</translation>
    </message>
    <message>
        <source>%1 (%2:%3) is on USB %4.</source>
        <translation>%1 (%2:%3) está en el USB %4.</translation>
    </message>
    <message>
        <source>The kernel made no hidraw node for the unit.</source>
        <translation>El kernel no creó ningún nodo hidraw para la unidad.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; sudo dmesg says why the node is missing.</source>
        <translation>Desconecta la unidad y vuelve a conectarla; sudo dmesg dice por qué falta el nodo.</translation>
    </message>
    <message>
        <source>This user cannot open the unit&apos;s hidraw node %1: %2.</source>
        <translation>Este usuario no puede abrir el nodo hidraw %1 de la unidad: %2.</translation>
    </message>
    <message>
        <source>This user can open the unit&apos;s hidraw node %1.</source>
        <translation>Este usuario puede abrir el nodo hidraw %1 de la unidad.</translation>
    </message>
    <message>
        <source>Only this user&apos;s programs could be looked at.</source>
        <translation>Solo se pudieron examinar los programas de este usuario.</translation>
    </message>
    <message>
        <source>No other program has %1 open.</source>
        <translation>Ningún otro programa tiene %1 abierto.</translation>
    </message>
    <message>
        <source>%1 is open in: %2.</source>
        <translation>%1 está abierto en: %2.</translation>
    </message>
    <message>
        <source>Close these programs while kestctl or the window talks to the unit: two programs exchanging reports with it at once mix up its replies.</source>
        <translation>Cierra estos programas mientras kestctl o la ventana hablan con la unidad: dos programas que intercambian informes con ella a la vez mezclan sus respuestas.</translation>
    </message>
    <message>
        <source>The unit has no input device: games find no pedals.</source>
        <translation>La unidad no tiene dispositivo de entrada: los juegos no encuentran pedales.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; if it stays missing, sudo dmesg says why (the usbhid and hid-generic modules must be loaded).</source>
        <translation>Desconecta la unidad y vuelve a conectarla; si sigue faltando, sudo dmesg dice por qué (los módulos usbhid y hid-generic deben estar cargados).</translation>
    </message>
    <message>
        <source>The unit&apos;s input device is %1.</source>
        <translation>El dispositivo de entrada de la unidad es %1.</translation>
    </message>
    <message>
        <source>%1 is marked as a joystick (ID_INPUT_JOYSTICK=1).</source>
        <translation>%1 está marcado como joystick (ID_INPUT_JOYSTICK=1).</translation>
    </message>
    <message>
        <source>%1 is not marked as a joystick (ID_INPUT_JOYSTICK): games and Steam do not see the pedals.</source>
        <translation>%1 no está marcado como joystick (ID_INPUT_JOYSTICK): los juegos y Steam no ven los pedales.</translation>
    </message>
    <message>
        <source>This user can read %1.</source>
        <translation>Este usuario puede leer %1.</translation>
    </message>
    <message>
        <source>This user cannot read %1.</source>
        <translation>Este usuario no puede leer %1.</translation>
    </message>
    <message>
        <source>The firmware was not checked: the unit cannot be opened.</source>
        <translation>No se comprobó el firmware: la unidad no se puede abrir.</translation>
    </message>
    <message>
        <source>usage: kestctl doctor [--print-rules]</source>
        <translation>uso: kestctl doctor [--print-rules]</translation>
    </message>
    <message>
        <source>doctor checks a Linux system with udev.</source>
        <translation>doctor comprueba un sistema Linux con udev.</translation>
    </message>
    <message>
        <source>Calibrate and reset them?</source>
        <translation>¿Calibrar y restablecerlas?</translation>
    </message>
    <message>
        <source>calibrate resets the %1 deadzones (low %2 % and high %3 %): confirm with --yes when not asked on a terminal</source>
        <translation>calibrate restablece las zonas muertas de %1 (inferior %2 % y superior %3 %): confírmalo con --yes si no se pregunta en un terminal</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 is open in: %2, which take turns with kestctl through the unit&apos;s lock.</source>
        <translation>%1 está abierto en: %2, que se turnan con kestctl mediante el bloqueo de la unidad.</translation>
    </message>
    <message>
        <source>Service:     %1: no systemd for this user</source>
        <translation>Servicio:          %1: no hay systemd para este usuario</translation>
    </message>
    <message>
        <source>Service:     %1: %2, %3</source>
        <translation>Servicio:          %1: %2, %3</translation>
    </message>
    <message>
        <source>Rules file:  %1</source>
        <translation>Archivo de reglas: %1</translation>
    </message>
    <message>
        <source>Watching:    no</source>
        <translation>Vigilancia:        no</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), no game running</source>
        <translation>Vigilancia:        sí (proceso %1), ningún juego en marcha</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), %2 running since %3%4</source>
        <translation>Vigilancia:        sí (proceso %1), %2 en marcha desde las %3%4</translation>
    </message>
    <message>
        <source> (its profiles wait for the unit)</source>
        <translation> (sus perfiles esperan a la unidad)</translation>
    </message>
    <message>
        <source>usage: kestctl autoswitch [--status]</source>
        <translation>uso: kestctl autoswitch [--status]</translation>
    </message>
    <message>
        <source>See kestctl(1), AUTOMATIC SWITCHING.</source>
        <translation>Ver kestctl(1), AUTOMATIC SWITCHING.</translation>
    </message>
    <message>
        <source>%1 holds no rules.</source>
        <translation>%1 no contiene ninguna regla.</translation>
    </message>
    <message>
        <source>autoswitch runs already (process %1)</source>
        <translation>autoswitch ya se está ejecutando (proceso %1)</translation>
    </message>
    <message>
        <source>Watching for the games in %1 (Ctrl-C ends).</source>
        <translation>Vigilando los juegos de %1 (Ctrl-C termina).</translation>
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
        <translation>¿Restaurar todo lo que contiene %1? Esto sustituye los 16 perfiles de la unidad, la selección de perfiles activos y estos ajustes:</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>¿Continuar?</translation>
    </message>
    <message>
        <source>restore replaces every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>restore sustituye todos los ajustes de la unidad: confírmalo con --yes si no se pregunta en un terminal</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>No se restauró nada.</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>Perfiles y ajustes restaurados de %1.</translation>
    </message>
    <message>
        <source>usage: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</source>
        <translation>uso: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</translation>
    </message>
    <message>
        <source>the profiles were not switched: %1</source>
        <translation>no se cambiaron los perfiles: %1</translation>
    </message>
    <message>
        <source>the pedal unit is attached, but the profiles were not switched: %1</source>
        <translation>la unidad de pedales está conectada, pero no se cambiaron los perfiles: %1</translation>
    </message>
    <message>
        <source>the pedal unit is back; the profiles are switched again</source>
        <translation>la unidad de pedales ha vuelto; los perfiles se han vuelto a cambiar</translation>
    </message>
    <message>
        <source>the pedal unit is attached; the profiles are switched</source>
        <translation>la unidad de pedales está conectada; los perfiles se han cambiado</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 no se pudo iniciar: %2</translation>
    </message>
    <message>
        <source>usage: kestctl record FILE [--seconds N]</source>
        <translation>uso: kestctl record FILE [--seconds N]</translation>
    </message>
    <message>
        <source>--seconds takes a time in seconds above 0, as 3 or 0.5</source>
        <translation>--seconds admite un tiempo en segundos mayor que 0, como 3 o 0.5</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged: the recording ends there</source>
        <translation>la unidad de pedales se desconectó: la grabación termina ahí</translation>
    </message>
    <message>
        <source>recorded %1 reports in %2 s (%3 reports/s)</source>
        <translation>%1 informes grabados en %2 s (%3 informes/s)</translation>
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
  info                          firmware, embrague, calibración, zonas muertas, perfiles
  watch                         posiciones de los pedales en vivo hasta Ctrl-C
  record FILE [--seconds N]     cada informe de entrada con su marca de tiempo, en
                                CSV, hasta Ctrl-C o N s; --json: líneas JSON;
                                FILE - es stdout; --yes reemplaza un archivo existente
  deadzone [PEDAL [LOW HIGH]]   mostrar, o ajustar en % (0-21 desde cada extremo)
  clutch [on|off]               mostrar, o activar/desactivar el embrague
  calibrate PEDAL [--yes]       enseñar el recorrido de un pedal (Intro guarda)
  profile list
  profile apply NAME [--pedal P]
  profile save PEDAL NAME --curve C1,C2,C3,C4,C5
  profile remove NAME [--pedal P]
  profile export FILE [--yes]   --yes reemplaza un archivo existente
  profile import FILE
  backup [FILE] [--yes]         guardar todos los ajustes de la unidad (sin FILE:
                                un archivo nuevo en la carpeta de copias de seguridad)
  restore FILE [--yes]          restaurar todo lo que contiene una copia de seguridad
  firmware check                buscar un firmware más nuevo en el servidor
  firmware update FILE [--yes]  escribir una imagen de firmware (.bin) en la unidad
  clear-flash [--yes]           borrar todos los ajustes de la unidad
  doctor [--print-rules]        comprobar qué impide a kestctl llegar a la unidad o
                                a los juegos ver los pedales; --print-rules muestra
                                la regla udev
  autoswitch [--status]         cambiar de perfiles mientras se ejecuta un juego del
                                archivo de reglas (~/.config/kest-setting/autoswitch.ini),
                                hasta Ctrl-C; --status: el servicio, las reglas, el
                                juego activo ahora

PEDAL es clutch, brake o throttle. Opciones: --json (salida legible por máquina
en stdout), --trace FILE (cada intercambio con la unidad, para informar de un
problema), --lang CODE (de, fr, es, it, pt_BR, ja; en para inglés), --help,
--version.
Estado de salida: 0 hecho; 1 entrada incorrecta o rechazada, no se envió nada;
2 la unidad falló a medias (el mensaje dice qué conserva); 3 no hay unidad o no
hay acceso a ella.
Ver kestctl(1).
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
Perfiles para un juego (en vigor mientras se ejecuta; la unidad conserva su
selección guardada):
  profile apply NAME [--pedal P] --for-now
                                poner el perfil en vigor sin guardarlo; muestra
                                la selección que estaba en vigor antes
  launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]
                                ejecutar COMMAND con estos perfiles y luego reponer
                                los de antes; sale con el estado de COMMAND. En las
                                opciones de lanzamiento de Steam:
                                kestctl launch --brake NAME -- %command%
</translation>
    </message>
    <message>
        <source>--clutch, --brake and --throttle are for launch (kestctl --help)</source>
        <translation>--clutch, --brake y --throttle son para launch (kestctl --help)</translation>
    </message>
    <message>
        <source>--for-now is for profile apply (kestctl --help)</source>
        <translation>--for-now es para profile apply (kestctl --help)</translation>
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
        <translation>%1: «%2» está en vigor por ahora; la unidad conserva su selección guardada.</translation>
    </message>
    <message>
        <source>the profiles in effect before were not put back: %1</source>
        <translation>no se repusieron los perfiles que estaban en vigor antes: %1</translation>
    </message>
</context>
</TS>
