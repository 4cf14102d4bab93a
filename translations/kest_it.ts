<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Cancel this calibration? The pedal keeps the calibration it had.</source>
        <translation>Annullare questa calibrazione? Il pedale mantiene la calibrazione che aveva.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>CALIBRA</translation>
    </message>
    <message>
        <source>Press the pedal all the way down, let it come back up, then click SAVE.</source>
        <translation>Premi il pedale fino in fondo, lascialo risalire, poi fai clic su SALVA.</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then click SAVE; %2.</source>
        <translation>%1: premi il pedale fino in fondo, lascialo risalire, poi fai clic su SALVA; %2.</translation>
    </message>
    <message>
        <source>Save the calibration?</source>
        <translation>Salvare la calibrazione?</translation>
    </message>
</context>
<context>
    <name>DevicePage</name>
    <message>
        <source>CHECK UPDATE</source>
        <translation>CERCA AGGIORNAMENTI</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The firmware file could not be read. Nothing was sent to the unit.</source>
        <translation>Impossibile leggere il file del firmware. Non è stato inviato nulla all’unità.</translation>
    </message>
    <message>
        <source>Not a valid firmware.</source>
        <translation>Firmware non valido.</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Another firmware update is running. Please try again when it is finished.</source>
        <translation>È in corso un altro aggiornamento del firmware. Riprova quando è terminato.</translation>
    </message>
    <message>
        <source>Firmware updated successfully.</source>
        <translation>Firmware aggiornato correttamente.</translation>
    </message>
    <message>
        <source>Firmware update failed: the pedal unit was unplugged while it wrote its firmware. Please plug it in again and run the update again.</source>
        <translation>Aggiornamento del firmware non riuscito: la pedaliera è stata scollegata mentre scriveva il firmware. Ricollegala ed esegui di nuovo l’aggiornamento.</translation>
    </message>
    <message>
        <source>Firmware update failed: the unit did not take the whole image. Please try again.</source>
        <translation>Aggiornamento del firmware non riuscito: l’unità non ha accettato l’intera immagine. Riprova.</translation>
    </message>
    <message>
        <source>Writing ...</source>
        <translation>Scrittura ...</translation>
    </message>
    <message>
        <source>Uploading ...</source>
        <translation>Invio ...</translation>
    </message>
    <message>
        <source>Do you want to continue?
This operation will delete all the settings stored in the device flash memory.</source>
        <translation>Vuoi continuare?
Questa operazione cancella tutte le impostazioni salvate nella memoria flash del dispositivo.</translation>
    </message>
    <message>
        <source>Flash data has been cleared.</source>
        <translation>I dati flash sono stati cancellati.</translation>
    </message>
    <message>
        <source>Firmware update stopped: the program ended while the pedal unit wrote its firmware. Please run the update again.</source>
        <translation>Aggiornamento del firmware interrotto: il programma è stato chiuso mentre la pedaliera scriveva il firmware. Esegui di nuovo l’aggiornamento.</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name ends in .bin.</source>
        <translation>Il nome di un file di firmware termina con .bin.</translation>
    </message>
    <message>
        <source>There is no file of that name.</source>
        <translation>Non c’è nessun file con questo nome.</translation>
    </message>
    <message>
        <source>It is not a regular file, but a folder, a device or a pipe.</source>
        <translation>Non è un file normale, ma una cartella, un dispositivo o una pipe.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, the most the unit takes.</source>
        <translation>Il file supera i %1 byte, il massimo che la pedaliera accetta.</translation>
    </message>
    <message>
        <source>Upload the firmware file %1 (%2 bytes) to the unit?</source>
        <translation>Caricare il file firmware %1 (%2 byte) sulla pedaliera?</translation>
    </message>
    <message>
        <source>MD5: %1</source>
        <translation>MD5: %1</translation>
    </message>
    <message>
        <source>The unit cannot check what a file holds and takes any file as its firmware. Upload only the maker&apos;s image for this unit, and compare the MD5 above with the one the maker publishes.</source>
        <translation>La pedaliera non può verificare il contenuto di un file e accetta qualsiasi file come firmware. Caricate solo l’immagine del produttore per questa pedaliera e confrontate l’MD5 qui sopra con quello pubblicato dal produttore.</translation>
    </message>
</context>
<context>
    <name>InputsPage</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
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
        <translation>Sinistra e Destra scelgono un punto; Su e Giù lo spostano dell’1 %, Pag Su e Pag Giù del 10 %.</translation>
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
        <translation>Lineare</translation>
    </message>
    <message>
        <source>Progressive</source>
        <translation>Progressiva</translation>
    </message>
    <message>
        <source>Degressive</source>
        <translation>Degressiva</translation>
    </message>
    <message>
        <source>S-curve</source>
        <translation>Curva a S</translation>
    </message>
    <message>
        <source>Copy curve</source>
        <translation>Copia curva</translation>
    </message>
    <message>
        <source>Paste curve</source>
        <translation>Incolla curva</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Avviso</translation>
    </message>
</context>
<context>
    <name>KestSlider</name>
    <message>
        <source>Left and Right move the handle by 1 %, with Shift by 5 %.</source>
        <translation>Sinistra e Destra spostano il cursore dell’1 %, con Maiusc del 5 %.</translation>
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
        <translation>INGRESSI</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>CALIBRAZIONE</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>DISPOSITIVO</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PROFILI</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>INFO</translation>
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
        <translation>ATTIVA FRIZIONE</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>CALIBRA</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>ACCELERATORE</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>FRENO</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>FRIZIONE</translation>
    </message>
    <message>
        <source>NEW PROFILE</source>
        <translation>NUOVO PROFILO</translation>
    </message>
    <message>
        <source>SAVE </source>
        <translation>SALVA </translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>RIMUOVI</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTA</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>ESPORTA</translation>
    </message>
    <message>
        <source>MANUAL UPDATE</source>
        <translation>AGGIORNA DA FILE</translation>
    </message>
    <message>
        <source>UPLOADING...</source>
        <translation>INVIO...</translation>
    </message>
    <message>
        <source>CHECK UPDATE</source>
        <translation>CERCA AGGIORNAMENTI</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>CLEAR FLASH DATA</source>
        <translation>CANCELLA DATI FLASH</translation>
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
        <translation>Nessuna pedaliera trovata. Controlla che il cavo USB sia collegato, preferibilmente direttamente al computer anziché a un hub. Su Linux, lsusb mostra la pedaliera come e5b7:6a1c.</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read; trying again.</source>
        <translation>La pedaliera è stata trovata ma non ha risposto a tutte le letture; nuovo tentativo.</translation>
    </message>
    <message>
        <source>%1 curve</source>
        <translation>curva %1</translation>
    </message>
    <message>
        <source>%1 low deadzone</source>
        <translation>zona morta inferiore %1</translation>
    </message>
    <message>
        <source>%1 high deadzone</source>
        <translation>zona morta superiore %1</translation>
    </message>
    <message>
        <source>Firmware Version:	</source>
        <translation>Versione firmware:	</translation>
    </message>
    <message>
        <source>WAITING FOR DEVICE...</source>
        <translation>IN ATTESA DEI PEDALI...</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>The firmware update is still running. Please wait until it is finished.</source>
        <translation>L’aggiornamento del firmware è ancora in corso. Attendi che sia terminato.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>%1 low deadzone: the first part of the travel, which counts as released. Drag it, or Tab to it and use Left and Right.</source>
        <translation>Zona morta inferiore %1: la prima parte della corsa, che conta come rilasciata. Trascinala, oppure raggiungila con Tab e usa Sinistra e Destra.</translation>
    </message>
    <message>
        <source>%1 high deadzone: the last part of the travel, which counts as fully pressed. Drag it, or Tab to it and use Left and Right.</source>
        <translation>Zona morta superiore %1: l’ultima parte della corsa, che conta come premuta a fondo. Trascinala, oppure raggiungila con Tab e usa Sinistra e Destra.</translation>
    </message>
    <message>
        <source>Program Version:	</source>
        <translation>Versione programma:	</translation>
    </message>
    <message>
        <source>Report a problem: see &quot;How to report a problem&quot; in %1</source>
        <translation>Segnalare un problema: vedi «How to report a problem» in %1</translation>
    </message>
    <message>
        <source>The pedal unit is connected but cannot be opened: this user has no access to it. Install the kest-setting package or its udev rule (70-kest-pedals.rules), then unplug the unit and plug it in again. kestctl doctor says what is missing; more in %1.</source>
        <translation>La pedaliera è collegata ma non può essere aperta: questo utente non ha accesso. Installa il pacchetto kest-setting o la sua regola udev (70-kest-pedals.rules), poi scollega la pedaliera e ricollegala. kestctl doctor indica cosa manca; maggiori dettagli in %1.</translation>
    </message>
</context>
<context>
    <name>ProfilesPage</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>slot %1 (&quot;%2&quot;)</source>
        <translation>slot %1 («%2»)</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>The pedal unit holds a profile that belongs to no pedal in %1. It is left as it is and shown in no list, and EXPORT does not write it. IMPORT of a profile file or CLEAR FLASH on the DEVICE page clears it.</source>
        <translation>La pedaliera conserva un profilo che non appartiene a nessun pedale in %1. Resta com’è, non compare in nessun elenco ed ESPORTA non lo scrive. IMPORTA di un file di profili o CANCELLA DATI FLASH nella pagina DISPOSITIVO lo elimina.</translation>
    </message>
    <message>
        <source>Profile is saved</source>
        <translation>Profilo salvato</translation>
    </message>
    <message>
        <source>Curve changed, not saved in &quot;%1&quot;</source>
        <translation>Curva modificata, non salvata in «%1»</translation>
    </message>
    <message>
        <source>Curve not saved</source>
        <translation>Curva non salvata</translation>
    </message>
    <message>
        <source>The %1 curve of profile &quot;%2&quot; was changed and is not saved.</source>
        <translation>La curva %1 del profilo «%2» è stata modificata e non è salvata.</translation>
    </message>
    <message>
        <source>Save the curve as &quot;%1&quot; first?</source>
        <translation>Salvare prima la curva come «%1»?</translation>
    </message>
    <message>
        <source>%1: curve of profile &quot;%2&quot;</source>
        <translation>%1: curva del profilo «%2»</translation>
    </message>
    <message>
        <source>Changed and not saved:</source>
        <translation>Modificato e non salvato:</translation>
    </message>
    <message>
        <source>Save before closing?</source>
        <translation>Salvare prima di chiudere?</translation>
    </message>
    <message>
        <source>Remove the %1 profile &quot;%2&quot; from the unit?</source>
        <translation>Rimuovere dalla pedaliera il profilo «%2» di %1?</translation>
    </message>
    <message>
        <source>Import the profiles of %1?
This replaces all 16 profiles on the unit.</source>
        <translation>Importare i profili di %1?
Questo sostituisce tutti i 16 profili della pedaliera.</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>Profili scritti in %1.</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>Profili importati da %1.</translation>
    </message>
    <message>
        <source>The file is a backup. It also holds these settings:
%1
Yes restores them too; No imports the profiles only.</source>
        <translation>Il file è un backup. Contiene anche queste impostazioni:
%1
Sì ripristina anche queste; No importa solo i profili.</translation>
    </message>
    <message>
        <source>The file&apos;s other settings cannot be restored, only its profiles: %1</source>
        <translation>Le altre impostazioni del file non si possono ripristinare, solo i suoi profili: %1</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>Profili e impostazioni ripristinati da %1.</translation>
    </message>
    <message>
        <source>Restore from %1 stopped part-way.</source>
        <translation>Il ripristino da %1 si è interrotto a metà.</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Checking ...</source>
        <translation>Ricerca ...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>A new firmware is available. Please check again when the running update is finished.</source>
        <translation>È disponibile un nuovo firmware. Controlla di nuovo quando l’aggiornamento in corso è terminato.</translation>
    </message>
    <message>
        <source>A new firmware is available, update now?</source>
        <translation>È disponibile un nuovo firmware. Aggiornare ora?</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versione: </translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Download ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>kest</name>
    <message>
        <source>Not a curve: a curve is written kest-curve: and five numbers, like kest-curve:17,33,50,67,83.</source>
        <translation>Non è una curva: una curva si scrive kest-curve: seguito da cinque numeri, come kest-curve:17,33,50,67,83.</translation>
    </message>
    <message>
        <source>Not a curve: it has %1 numbers, a curve has five.</source>
        <translation>Non è una curva: ha %1 numeri, una curva ne ha cinque.</translation>
    </message>
    <message>
        <source>Not a curve: %1 is not a percent from 0 to 100.</source>
        <translation>Non è una curva: %1 non è una percentuale da 0 a 100.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the value is no profile record of 7 bytes.</source>
        <translation>Chiave «%1»: il valore non è un record di profilo di 7 byte.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: slot %2 does not exist; the slots are 0 to 15.</source>
        <translation>Chiave «%1»: lo slot %2 non esiste; gli slot vanno da 0 a 15.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: pedal code %2; it must be 1 (clutch), 2 (brake) or 3 (throttle).</source>
        <translation>Chiave «%1»: codice pedale %2; deve essere 1 (frizione), 2 (freno) o 3 (acceleratore).</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: curve point %2 is %3; curve points are 0 to 100.</source>
        <translation>Chiave «%1»: il punto di curva %2 vale %3; i punti di curva vanno da 0 a 100.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the profile has no name.</source>
        <translation>Chiave «%1»: il profilo non ha nome.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name holds a zero byte.</source>
        <translation>Chiave «%1»: il nome contiene un byte zero.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name is not valid UTF-8 text.</source>
        <translation>Chiave «%1»: il nome non è un testo UTF-8 valido.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name takes %2 bytes; the unit keeps 16 (accented letters take two).</source>
        <translation>Chiave «%1»: il nome occupa %2 byte; l’unità ne conserva 16 (le lettere accentate ne occupano due).</translation>
    </message>
    <message>
        <source>Line %1 runs on into the next line (a \ at its end or an unmatched &quot;).</source>
        <translation>La riga %1 prosegue nella riga successiva (un \ alla fine o un &quot; non chiuso).</translation>
    </message>
    <message>
        <source>Line %1: the section header has no &apos;]&apos;.</source>
        <translation>Riga %1: all’intestazione di sezione manca la &apos;]&apos;.</translation>
    </message>
    <message>
        <source>Line %1: the text after the section header&apos;s &apos;]&apos; would be ignored.</source>
        <translation>Riga %1: il testo dopo la &apos;]&apos; dell’intestazione di sezione verrebbe ignorato.</translation>
    </message>
    <message>
        <source>Line %1 is no key: a &apos;;&apos; starts a comment there (in a name, write it as %3B).</source>
        <translation>La riga %1 non è una chiave: un &apos;;&apos; vi inizia un commento (in un nome, scrivilo come %3B).</translation>
    </message>
    <message>
        <source>Line %1 is neither a key (it has no &apos;=&apos;), a comment (&apos;;&apos;) nor a section header.</source>
        <translation>La riga %1 non è né una chiave (non ha &apos;=&apos;), né un commento (&apos;;&apos;), né un’intestazione di sezione.</translation>
    </message>
    <message>
        <source>Line 1 does not read back as written.</source>
        <translation>La riga 1 non si rilegge come è stata scritta.</translation>
    </message>
    <message>
        <source>Line %1: the key is in the section [%2]; profiles belong in [General].</source>
        <translation>Riga %1: la chiave è nella sezione [%2]; i profili vanno in [General].</translation>
    </message>
    <message>
        <source>Line %1: the key &quot;%2&quot; is there twice (lines %3 and %1).</source>
        <translation>Riga %1: la chiave «%2» compare due volte (righe %3 e %1).</translation>
    </message>
    <message>
        <source>The key INDEX is missing.</source>
        <translation>Manca la chiave INDEX.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot; does not begin with its slot number as two digits.</source>
        <translation>La chiave «%1» non inizia con il numero di slot a due cifre.</translation>
    </message>
    <message>
        <source>The file holds %1 profiles; the unit keeps 16 at most.</source>
        <translation>Il file contiene %1 profili; l’unità ne conserva al massimo 16.</translation>
    </message>
    <message>
        <source>INDEX is no number with EF (hex) in its top byte.</source>
        <translation>INDEX non è un numero con EF (hex) nel byte più alto.</translation>
    </message>
    <message>
        <source>Line %1: the name is not valid UTF-8 text.</source>
        <translation>Riga %1: il nome non è un testo UTF-8 valido.</translation>
    </message>
    <message>
        <source>Keys &quot;%1&quot; and &quot;%2&quot; are both for slot %3; a slot holds one profile.</source>
        <translation>Le chiavi «%1» e «%2» sono entrambe per lo slot %3; uno slot contiene un solo profilo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB; a file of 16 profiles takes 2 KB.</source>
        <translation>Il file supera 1 MiB; un file di 16 profili occupa 2 KB.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key per pedal: CLUTCH, BRAKE or THROTTLE.</source>
        <translation>Riga %1: la sezione [%2] contiene una chiave per pedale: CLUTCH, BRAKE o THROTTLE.</translation>
    </message>
    <message>
        <source>Line %1: %2 in [%3] is not a low and a high bound from 0 to 65535, such as &quot;1200 64000&quot;.</source>
        <translation>Riga %1: %2 in [%3] non è un limite inferiore e uno superiore da 0 a 65535, come «1200 64000».</translation>
    </message>
    <message>
        <source>[%1] has both process and steam-app; a section watches one of them.</source>
        <translation>[%1] ha sia process sia steam-app; una sezione ne sorveglia uno solo.</translation>
    </message>
    <message>
        <source>[%1] names no process and no steam-app.</source>
        <translation>[%1] non indica né process né steam-app.</translation>
    </message>
    <message>
        <source>[%1] chooses no profile: give clutch, brake or throttle.</source>
        <translation>[%1] non sceglie alcun profilo: indica clutch, brake o throttle.</translation>
    </message>
    <message>
        <source>[%1] watches the same %2 as [%3].</source>
        <translation>[%1] sorveglia lo stesso %2 di [%3].</translation>
    </message>
    <message>
        <source>this line is not UTF-8 text.</source>
        <translation>questa riga non è testo UTF-8.</translation>
    </message>
    <message>
        <source>neither a [game] header nor a &quot;key = value&quot; line.</source>
        <translation>né un’intestazione [gioco] né una riga «chiave = valore».</translation>
    </message>
    <message>
        <source>the section has no name: [the game&apos;s name].</source>
        <translation>la sezione non ha nome: [il nome del gioco].</translation>
    </message>
    <message>
        <source>a second [%1] section; the first is on line %2.</source>
        <translation>una seconda sezione [%1]; la prima è alla riga %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes before the first [game] section.</source>
        <translation>«%1» precede la prima sezione [gioco].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice in [%2].</source>
        <translation>«%1» è indicato due volte in [%2].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value.</source>
        <translation>«%1» non ha valore.</translation>
    </message>
    <message>
        <source>process is a program&apos;s file name, without a folder: %1.</source>
        <translation>process è il nome del file di un programma, senza cartella: %1.</translation>
    </message>
    <message>
        <source>steam-app is a Steam game&apos;s number, as 227300: %1.</source>
        <translation>steam-app è il numero di un gioco Steam, come 227300: %1.</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;; the keys are process, steam-app, clutch, brake and throttle.</source>
        <translation>chiave sconosciuta «%1»; le chiavi sono process, steam-app, clutch, brake e throttle.</translation>
    </message>
    <message>
        <source>the profile name &quot;%1&quot; is longer than the unit&apos;s names (16 bytes).</source>
        <translation>il nome di profilo «%1» è più lungo dei nomi della pedaliera (16 byte).</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>There is no rules file %1.</source>
        <translation>Il file delle regole %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>%1 is larger than a rules file can be (256 KiB).</source>
        <translation>%1 è più grande di quanto possa essere un file delle regole (256 KiB).</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key, ENABLED.</source>
        <translation>Riga %1: la sezione [%2] contiene una sola chiave, ENABLED.</translation>
    </message>
    <message>
        <source>Line %1: ENABLED in [%2] is 1 (the clutch pedal on) or 0 (off).</source>
        <translation>Riga %1: ENABLED in [%2] vale 1 (pedale della frizione attivo) o 0 (disattivato).</translation>
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
        <translation>Uso: kest-setting [--lang CODICE] [--trace FILE]
Imposta la pedaliera Kest Labs RM25: i pedali dal vivo, le zone morte, la calibrazione,
le curve di risposta, i profili salvati nella pedaliera e gli aggiornamenti del firmware.

  --lang CODICE  la lingua dei testi: de, fr, es, it, pt_BR, ja; en per l&apos;inglese
  --trace FILE   aggiunge ogni scambio con la pedaliera a FILE, per segnalare un problema
  --help         mostra questo aiuto ed esce
  --version      mostra la versione del programma ed esce
Le opzioni proprie di Qt (come -platform) passano a Qt.

Le impostazioni restano nella pedaliera. Prima di ogni modifica che non si può
annullare (un&apos;importazione, una rimozione, la cancellazione della flash, un
aggiornamento del firmware) un backup delle impostazioni della pedaliera viene salvato in:
  %1
kestctl(1) fa lo stesso da un terminale.
</translation>
    </message>
</context>
<context>
    <name>kest::AutoSwitch</name>
    <message>
        <source>Stopped while %1 runs.</source>
        <translation>Interrotto mentre %1 è in esecuzione.</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 è terminato.</translation>
    </message>
    <message>
        <source>%1 is running (%2).</source>
        <translation>%1 è in esecuzione (%2).</translation>
    </message>
    <message>
        <source>No pedal unit: the profiles switch once it is plugged in.</source>
        <translation>Nessuna pedaliera: i profili vengono cambiati appena viene collegata.</translation>
    </message>
    <message>
        <source>The profiles could not be read from the pedal unit; the switch is tried again.</source>
        <translation>Impossibile leggere i profili dalla pedaliera; il cambio verrà ritentato.</translation>
    </message>
    <message>
        <source>%1 has no profile called &quot;%2&quot;; it keeps its profile.</source>
        <translation>%1 non ha un profilo chiamato «%2»; mantiene il suo profilo.</translation>
    </message>
    <message>
        <source>The switch is tried again.</source>
        <translation>Il cambio verrà ritentato.</translation>
    </message>
    <message>
        <source>In effect now: %1.</source>
        <translation>Ora in vigore: %1.</translation>
    </message>
</context>
<context>
    <name>kest::KestUnit</name>
    <message>
        <source>The deadzones were not saved: the pedal unit did not take them. It keeps the deadzones it had.</source>
        <translation>Le zone morte non sono state salvate: la pedaliera non le ha accettate. Mantiene le zone morte che aveva.</translation>
    </message>
    <message>
        <source>The clutch setting was not changed: the pedal unit did not answer. It keeps the setting it had.</source>
        <translation>L’impostazione della frizione non è stata modificata: la pedaliera non ha risposto. Mantiene l’impostazione che aveva.</translation>
    </message>
    <message>
        <source>The calibration did not start: the pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>La calibrazione non è partita: la pedaliera non ha risposto. Mantiene la calibrazione che aveva.</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not answer. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>La calibrazione non è stata salvata: la pedaliera non ha risposto. Mantiene la calibrazione che aveva; premi SALVA per riprovare.</translation>
    </message>
    <message>
        <source>Move the pedal through its whole travel, then save.</source>
        <translation>Porta il pedale lungo tutta la corsa, poi salva.</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not take it. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>La calibrazione non è stata salvata: la pedaliera non l’ha accettata. Mantiene la calibrazione che aveva; premi SALVA per riprovare.</translation>
    </message>
    <message>
        <source>The calibration was saved, but the pedal unit did not take the cleared deadzones of this pedal: it keeps the deadzones it had.</source>
        <translation>La calibrazione è stata salvata, ma la pedaliera non ha accettato l’azzeramento delle zone morte di questo pedale: mantiene le zone morte che aveva.</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the calibration it had; plug it in again to bring it back.</source>
        <translation>La pedaliera non ha ripristinato la calibrazione che aveva; ricollegala per recuperarla.</translation>
    </message>
    <message>
        <source>The flash data was not cleared: the pedal unit did not take the command. It keeps the settings it had.</source>
        <translation>I dati flash non sono stati cancellati: la pedaliera non ha accettato il comando. Mantiene le impostazioni che aveva.</translation>
    </message>
    <message>
        <source>A profile write to the pedal unit was cut off half-way: until the unit is plugged in again, its profile table reads otherwise than the unit keeps it.</source>
        <translation>Una scrittura di profilo nella pedaliera si è interrotta a metà: finché la pedaliera non viene ricollegata, la sua tabella dei profili si legge diversamente da come la conserva.</translation>
    </message>
    <message>
        <source>The pedal unit did not take the choice of profile.</source>
        <translation>La pedaliera non ha accettato la scelta del profilo.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored; the pedal unit keeps the choice it had.</source>
        <translation>La scelta dei profili attivi non è stata salvata; la pedaliera mantiene la scelta che aveva.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the pedal unit did not answer. It keeps the choice it had.</source>
        <translation>La scelta dei profili attivi non è stata salvata: la pedaliera non ha risposto. Mantiene la scelta che aveva.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the profile lists could not be read from the pedal unit. It keeps the choice it had.</source>
        <translation>La scelta dei profili attivi non è stata salvata: non è stato possibile leggere gli elenchi dei profili dalla pedaliera. Mantiene la scelta che aveva.</translation>
    </message>
    <message>
        <source>Can not save to DEFAULT, please use a different name.</source>
        <translation>Impossibile salvare in DEFAULT, usa un nome diverso.</translation>
    </message>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Inserisci un nome per il profilo.</translation>
    </message>
    <message>
        <source>Profile name holds a character that cannot be stored (a zero byte or an unreadable character).</source>
        <translation>Il nome del profilo contiene un carattere che non può essere salvato (un byte zero o un carattere illeggibile).</translation>
    </message>
    <message>
        <source>Profile name is too long: 16 bytes at most (accented letters take two).</source>
        <translation>Il nome del profilo è troppo lungo: al massimo 16 byte (le lettere accentate ne occupano due).</translation>
    </message>
    <message>
        <source>The profile was not saved.</source>
        <translation>Il profilo non è stato salvato.</translation>
    </message>
    <message>
        <source>The profile was not saved: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>Il profilo non è stato salvato: non è stato possibile leggere gli elenchi dei profili dalla pedaliera. Mantiene i profili che aveva.</translation>
    </message>
    <message>
        <source>The profile was not saved: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>Il profilo non è stato salvato: la pedaliera non ha risposto. Mantiene i profili che aveva.</translation>
    </message>
    <message>
        <source>Profile is full</source>
        <translation>Tutti gli slot dei profili sono occupati</translation>
    </message>
    <message>
        <source>The profile was saved, but the pedal unit did not store it as the active profile.</source>
        <translation>Il profilo è stato salvato, ma la pedaliera non lo ha impostato come profilo attivo.</translation>
    </message>
    <message>
        <source>The profile was saved, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>Il profilo è stato salvato, ma non è stato possibile rileggere gli elenchi dei profili dalla pedaliera. Verranno riletti prima di qualsiasi altro salvataggio.</translation>
    </message>
    <message>
        <source>DEFAULT can not be removed.</source>
        <translation>DEFAULT non può essere rimosso.</translation>
    </message>
    <message>
        <source>The profile was not removed.</source>
        <translation>Il profilo non è stato rimosso.</translation>
    </message>
    <message>
        <source>The profile was not removed: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>Il profilo non è stato rimosso: non è stato possibile leggere gli elenchi dei profili dalla pedaliera. Mantiene i profili che aveva.</translation>
    </message>
    <message>
        <source>The profile was not removed: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>Il profilo non è stato rimosso: la pedaliera non ha risposto. Mantiene i profili che aveva.</translation>
    </message>
    <message>
        <source>The profile was removed, but the pedal unit did not store the new choice of active profiles.</source>
        <translation>Il profilo è stato rimosso, ma la pedaliera non ha salvato la nuova scelta dei profili attivi.</translation>
    </message>
    <message>
        <source>The profiles were not exported.</source>
        <translation>I profili non sono stati esportati.</translation>
    </message>
    <message>
        <source>The profiles were not exported: the profile lists could not be read from the pedal unit.</source>
        <translation>I profili non sono stati esportati: non è stato possibile leggere gli elenchi dei profili dalla pedaliera.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Impossibile scrivere il file dei profili.</translation>
    </message>
    <message>
        <source>The file that was there is kept as it was.</source>
        <translation>Il file esistente resta com’era.</translation>
    </message>
    <message>
        <source>The profiles were exported, except the one of no pedal in slot %1.</source>
        <translation>I profili sono stati esportati, tranne quello senza pedale nello slot %1.</translation>
    </message>
    <message>
        <source>The profiles were exported except slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is.</source>
        <translation>I profili sono stati esportati tranne lo slot %1: il nome che la pedaliera vi conserva non è un testo valido e non tornerebbe identico.</translation>
    </message>
    <message>
        <source>Please choose INI file</source>
        <translation>Scegli un file INI</translation>
    </message>
    <message>
        <source>INI file is not valid.</source>
        <translation>Il file INI non è valido.</translation>
    </message>
    <message>
        <source>The import stopped after %1 of %2 profiles: the pedal unit did not answer. Its profile table is incomplete; please import the file again.</source>
        <translation>L’importazione si è fermata dopo %1 profili su %2: la pedaliera non ha risposto. La sua tabella dei profili è incompleta; importa di nuovo il file.</translation>
    </message>
    <message>
        <source>The profiles were imported, but the pedal unit did not store the file&apos;s choice of active profiles.</source>
        <translation>I profili sono stati importati, ma la pedaliera non ha salvato la scelta dei profili attivi del file.</translation>
    </message>
    <message>
        <source>A backup of the unit&apos;s profiles, deadzones and calibration is saved first, to:
%1</source>
        <translation>Prima viene salvato un backup di profili, zone morte e calibrazione della pedaliera in:
%1</translation>
    </message>
    <message>
        <source>No backup could be made. Nothing was changed.</source>
        <translation>Non è stato possibile fare un backup. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>No backup could be made: the profile lists could not be read from the pedal unit. Nothing was changed.</source>
        <translation>Non è stato possibile fare un backup: non è stato possibile leggere gli elenchi dei profili dalla pedaliera. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its calibration and deadzones. Nothing was changed.</source>
        <translation>Non è stato possibile fare un backup: la pedaliera non ha comunicato la sua calibrazione e le zone morte. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>No backup could be written to %1. Nothing was changed.</source>
        <translation>Non è stato possibile scrivere un backup in %1. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>FRIZIONE</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>FRENO</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>ACCELERATORE</translation>
    </message>
    <message>
        <source>%1 low %2 % and high %3 %</source>
        <translation>%1 inferiore %2 % e superiore %3 %</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: it has no deadzones to set.</source>
        <translation>Il pedale della frizione è disattivato: non ha zone morte da impostare.</translation>
    </message>
    <message>
        <source>A deadzone is a whole percent from 0 to %1.</source>
        <translation>Una zona morta è una percentuale intera da 0 a %1.</translation>
    </message>
    <message>
        <source>The deadzones were not saved: the pedal unit still reports the ones it had (%1). It keeps the deadzones it had.</source>
        <translation>Le zone morte non sono state salvate: la pedaliera indica ancora quelle che aveva (%1). Mantiene le zone morte che aveva.</translation>
    </message>
    <message>
        <source>Please save other channel calibrate first.</source>
        <translation>Salva prima la calibrazione dell’altro pedale.</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: switch it on first.</source>
        <translation>Il pedale della frizione è disattivato: attivalo prima.</translation>
    </message>
    <message>
        <source>no travel seen yet</source>
        <translation>nessuna corsa rilevata finora</translation>
    </message>
    <message>
        <source>travel seen %1 to %2 (%3 %)</source>
        <translation>corsa rilevata da %1 a %2 (%3 %)</translation>
    </message>
    <message>
        <source>Saving the %1 calibration also resets its deadzones: low %2 % and high %3 % go back to 0 %, and the new travel counts from 0 to 100 %. You can set them again on the INPUTS page afterwards.</source>
        <translation>Salvare la calibrazione di %1 azzera anche le sue zone morte: inferiore %2 % e superiore %3 % tornano a 0 %, e la nuova corsa va da 0 a 100 %. Potrai impostarle di nuovo nella pagina INGRESSI.</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the deadzones of the %1: it still reports none, and keeps low %2 % and high %3 %; plug it in again to bring them back.</source>
        <translation>La pedaliera non ha ripristinato le zone morte di %1: non ne indica ancora nessuna, e mantiene inferiore %2 % e superiore %3 %; ricollegala per recuperarle.</translation>
    </message>
    <message>
        <source>Calibration cancelled: the %1 keeps the calibration it had.</source>
        <translation>Calibrazione annullata: %1 mantiene la calibrazione che aveva.</translation>
    </message>
    <message>
        <source>The settings it had are in the backup %1.</source>
        <translation>Le impostazioni che aveva sono nel backup %1.</translation>
    </message>
    <message>
        <source>No backup could be written to %1.</source>
        <translation>Non è stato possibile scrivere un backup in %1.</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its clutch setting. Nothing was changed.</source>
        <translation>Non è stato possibile fare un backup: la pedaliera non ha comunicato l’impostazione della frizione. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The profiles were not switched.</source>
        <translation>I profili non sono stati cambiati.</translation>
    </message>
    <message>
        <source>The profiles were not switched: the profile lists could not be read from the pedal unit.</source>
        <translation>I profili non sono stati cambiati: non è stato possibile leggere gli elenchi dei profili dalla pedaliera.</translation>
    </message>
    <message>
        <source>The %1 has no profile called &quot;%2&quot;.</source>
        <translation>%1 non ha un profilo chiamato «%2».</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the profile lists could not be read from the pedal unit.</source>
        <translation>I profili in vigore prima non sono stati ripristinati: non è stato possibile leggere gli elenchi dei profili dalla pedaliera.</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the pedal unit did not take them.</source>
        <translation>I profili in vigore prima non sono stati ripristinati: la pedaliera non li ha accettati.</translation>
    </message>
    <message>
        <source>The backup&apos;s calibration of the %1 runs from %2 to %3: its low bound must be below its high bound.</source>
        <translation>Nel backup la calibrazione di %1 va da %2 a %3: il limite inferiore deve essere sotto quello superiore.</translation>
    </message>
    <message>
        <source>The backup&apos;s deadzones of the %1 (low %2 %, high %3 %) lie beyond the handles&apos; travel of 0 to %4 %.</source>
        <translation>Nel backup le zone morte di %1 (inferiore %2 %, superiore %3 %) vanno oltre la corsa delle maniglie, da 0 a %4 %.</translation>
    </message>
    <message>
        <source>%1 holds profiles only: it is no backup of the unit&apos;s settings.</source>
        <translation>%1 contiene solo profili: non è un backup delle impostazioni della pedaliera.</translation>
    </message>
    <message>
        <source>The backup is not whole: its section [%1] has no key %2.</source>
        <translation>Il backup non è completo: alla sua sezione [%1] manca la chiave %2.</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel):</source>
        <translation>Calibrazione (grezza, % della corsa):</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2 (%3 %) a %4 (%5 %)</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw):</source>
        <translation>Zone morte (% come le mostrano le maniglie, grezze):</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3), high %4 % (%5)</source>
        <translation>%1 inferiore %2 % (%3), superiore %4 % (%5)</translation>
    </message>
    <message>
        <source>Clutch pedal: on</source>
        <translation>Pedale frizione: attivo</translation>
    </message>
    <message>
        <source>Clutch pedal: off</source>
        <translation>Pedale frizione: disattivato</translation>
    </message>
    <message>
        <source>A calibration is under way: save or cancel it first.</source>
        <translation>È in corso una calibrazione: prima salvala o annullala.</translation>
    </message>
    <message>
        <source>clutch setting</source>
        <translation>impostazione della frizione</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibrazione</translation>
    </message>
    <message>
        <source>deadzones</source>
        <translation>zone morte</translation>
    </message>
    <message>
        <source>profiles</source>
        <translation>profili</translation>
    </message>
    <message>
        <source>choice of active profiles</source>
        <translation>scelta dei profili attivi</translation>
    </message>
    <message>
        <source>profiles of slots 0 to %1</source>
        <translation>profili degli slot da 0 a %1</translation>
    </message>
    <message>
        <source>profiles of slots %1 to 15</source>
        <translation>profili degli slot da %1 a 15</translation>
    </message>
    <message>
        <source>The restore stopped part-way: the pedal unit did not answer.</source>
        <translation>Il ripristino si è interrotto a metà: la pedaliera non ha risposto.</translation>
    </message>
    <message>
        <source>It has the backup&apos;s %1.</source>
        <translation>Dal backup ha già ricevuto: %1.</translation>
    </message>
    <message>
        <source>It keeps the %1 it had.</source>
        <translation>Mantiene com’erano: %1.</translation>
    </message>
    <message>
        <source>The backup was restored, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>Il backup è stato ripristinato, ma non è stato possibile rileggere gli elenchi dei profili dalla pedaliera. Verranno riletti prima di qualsiasi altro salvataggio.</translation>
    </message>
    <message>
        <source>The backup holds no clutch setting (it was made before backups kept it): the unit keeps the one it had.</source>
        <translation>Il backup non contiene l’impostazione della frizione (è stato fatto prima che i backup la conservassero): la pedaliera mantiene quella che aveva.</translation>
    </message>
    <message>
        <source>The backup leaves out slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is. A restore of this backup clears the slot.</source>
        <translation>Il backup esclude lo slot %1: il nome che la pedaliera vi conserva non è un testo valido e non tornerebbe identico. Un ripristino da questo backup svuota lo slot.</translation>
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
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>Update check failed: the update server did not answer in %1.</source>
        <translation>Ricerca non riuscita: il server non ha risposto entro %1.</translation>
    </message>
    <message>
        <source>Update check failed: the update server could not be reached.</source>
        <translation>Ricerca non riuscita: server non raggiungibile.</translation>
    </message>
    <message>
        <source>Update check failed: the update server&apos;s answer could not be read.</source>
        <translation>Ricerca non riuscita: risposta del server illeggibile.</translation>
    </message>
    <message>
        <source>No valid device.</source>
        <translation>Nessun dispositivo valido.</translation>
    </message>
    <message>
        <source>Your firmware is already up to date.</source>
        <translation>Il firmware è già aggiornato.</translation>
    </message>
    <message>
        <source>A new firmware is available: %1 (the unit has %2)</source>
        <translation>È disponibile un nuovo firmware: %1 (la pedaliera ha %2)</translation>
    </message>
    <message>
        <source>Download file fail.</source>
        <translation>Download del file non riuscito.</translation>
    </message>
    <message>
        <source>Download given up: the firmware did not arrive within %1.</source>
        <translation>Download abbandonato: il firmware non è arrivato entro %1.</translation>
    </message>
    <message>
        <source>Can not write to temp.</source>
        <translation>Impossibile scrivere nella cartella temporanea.</translation>
    </message>
</context>
<context>
    <name>kestctl</name>
    <message>
        <source>The pedal unit did not tell its firmware version.</source>
        <translation>La pedaliera non ha comunicato la versione del firmware.</translation>
    </message>
    <message>
        <source>Image: %1</source>
        <translation>Immagine: %1</translation>
    </message>
    <message>
        <source>MD5:   %1</source>
        <translation>MD5:      %1</translation>
    </message>
    <message>
        <source>usage: kestctl firmware check | update FILE</source>
        <translation>uso: kestctl firmware check | update FILE</translation>
    </message>
    <message>
        <source>watch takes no arguments</source>
        <translation>watch non accetta argomenti</translation>
    </message>
    <message>
        <source>the pedal unit is back</source>
        <translation>la pedaliera è di nuovo collegata</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged; waiting for it (Ctrl-C ends)</source>
        <translation>la pedaliera è stata scollegata; in attesa (Ctrl-C termina)</translation>
    </message>
    <message>
        <source>usage: kestctl calibrate PEDAL</source>
        <translation>uso: kestctl calibrate PEDAL</translation>
    </message>
    <message>
        <source>unknown pedal &apos;%1&apos;: clutch, brake or throttle</source>
        <translation>pedale sconosciuto «%1»: clutch, brake o throttle</translation>
    </message>
    <message>
        <source>The pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>La pedaliera non ha risposto. Mantiene la calibrazione che aveva.</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then press Enter to save (Ctrl-C cancels; the pedal then keeps the calibration it had).</source>
        <translation>%1: premi il pedale fino in fondo, lascialo risalire, poi premi Invio per salvare (Ctrl-C annulla; il pedale mantiene la calibrazione che aveva).</translation>
    </message>
    <message>
        <source>The pedal unit was unplugged during the calibration. It keeps the calibration it had.</source>
        <translation>La pedaliera è stata scollegata durante la calibrazione. Mantiene la calibrazione che aveva.</translation>
    </message>
    <message>
        <source>Input ended before Enter: the calibration was cancelled. The pedal keeps the calibration it had.</source>
        <translation>L’input è terminato prima di Invio: la calibrazione è stata annullata. Il pedale mantiene la calibrazione che aveva.</translation>
    </message>
    <message>
        <source>(Enter saves, Ctrl-C cancels)</source>
        <translation>(Invio salva, Ctrl-C annulla)</translation>
    </message>
    <message>
        <source>(Enter tries again, Ctrl-C cancels)</source>
        <translation>(Invio riprova, Ctrl-C annulla)</translation>
    </message>
    <message>
        <source>%1 calibrated: the unit keeps %2 to %3.</source>
        <translation>%1 calibrato: la pedaliera memorizza da %2 a %3.</translation>
    </message>
    <message>
        <source>%1 needs a value (kestctl --help)</source>
        <translation>%1 richiede un valore (kestctl --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (kestctl --help)</source>
        <translation>opzione sconosciuta «%1» (kestctl --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (kestctl --help)</source>
        <translation>comando sconosciuto «%1» (kestctl --help)</translation>
    </message>
    <message>
        <source>more than one pedal has a profile called &quot;%1&quot;: name one with --pedal</source>
        <translation>più di un pedale ha un profilo chiamato «%1»: indicane uno con --pedal</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; (kestctl profile list)</source>
        <translation>nessun profilo chiamato «%1» (kestctl profile list)</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; for the %2 (kestctl profile list)</source>
        <translation>nessun profilo chiamato «%1» per %2 (kestctl profile list)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>save needs --curve with five points from 0 to 100, as 17,33,50,67,83</source>
        <translation>save richiede --curve con cinque punti da 0 a 100, come 17,33,50,67,83</translation>
    </message>
    <message>
        <source>%1 exists: add --yes to replace it</source>
        <translation>%1 esiste già: aggiungi --yes per sostituirlo</translation>
    </message>
    <message>
        <source>%1 is not a profile file (*.ini)</source>
        <translation>%1 non è un file di profili (*.ini)</translation>
    </message>
    <message>
        <source>The profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>Impossibile leggere gli elenchi dei profili dalla pedaliera. Mantiene i profili che aveva.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is the active profile.</source>
        <translation>%1: «%2» è il profilo attivo.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was removed.</source>
        <translation>%1: «%2» è stato rimosso.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is saved and is the active profile.</source>
        <translation>%1: «%2» è stato salvato ed è il profilo attivo.</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>Profili scritti in %1.</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>Profili importati da %1.</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read.</source>
        <translation>La pedaliera è stata trovata ma non ha risposto a tutte le letture.</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3)  high %4 % (%5)</source>
        <translation>%1 inferiore %2 % (%3)  superiore %4 % (%5)</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info non accetta argomenti</translation>
    </message>
    <message>
        <source>Firmware version: %1</source>
        <translation>Versione firmware: %1</translation>
    </message>
    <message>
        <source>Clutch pedal:     %1</source>
        <translation>Pedale frizione:   %1</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivato</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel)</source>
        <translation>Calibrazione (grezza, % della corsa)</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2 (%3 %) a %4 (%5 %)</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw)</source>
        <translation>Zone morte (% come le mostrano le maniglie, grezze)</translation>
    </message>
    <message>
        <source>Profiles (* active)</source>
        <translation>Profili (* attivo)</translation>
    </message>
    <message>
        <source>Active profiles</source>
        <translation>Profili attivi</translation>
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
        <translation>%1 deve essere una percentuale intera da 0 a %2, non «%3»</translation>
    </message>
    <message>
        <source>(clutch off)</source>
        <translation>(frizione disattivata)</translation>
    </message>
    <message>
        <source>usage: kestctl clutch [on|off]</source>
        <translation>uso: kestctl clutch [on|off]</translation>
    </message>
    <message>
        <source>Clutch pedal: %1</source>
        <translation>Pedale frizione: %1</translation>
    </message>
    <message>
        <source>clear-flash takes no arguments</source>
        <translation>clear-flash non accetta argomenti</translation>
    </message>
    <message>
        <source>clear-flash deletes every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>clear-flash cancella tutte le impostazioni della pedaliera: conferma con --yes se non viene chiesto in un terminale</translation>
    </message>
    <message>
        <source>Nothing was cleared.</source>
        <translation>Non è stato cancellato nulla.</translation>
    </message>
    <message>
        <source>Backup of the unit&apos;s settings: %1</source>
        <translation>Backup delle impostazioni della pedaliera: %1</translation>
    </message>
    <message>
        <source>firmware update sends the file to the unit, which cannot check it: confirm with --yes when not asked on a terminal</source>
        <translation>firmware update invia il file alla pedaliera, che non può verificarlo: confermate con --yes fuori da un terminale</translation>
    </message>
    <message>
        <source>Nothing was sent to the unit.</source>
        <translation>Non è stato inviato nulla alla pedaliera.</translation>
    </message>
    <message>
        <source>This operation will delete all the settings stored in the device flash memory. Continue?</source>
        <translation>Questa operazione cancella tutte le impostazioni salvate nella memoria flash del dispositivo. Continuare?</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>SALTATO</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Rimedio: %1</translation>
    </message>
    <message>
        <source>Install the kest-setting package, or where /usr is read-only the rule by hand: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; then load it with sudo udevadm control --reload &amp;&amp; sudo udevadm trigger, or plug the unit in again. The rule gives access to the user logged in at the seat only (more in %2).</source>
        <translation>Installa il pacchetto kest-setting oppure, dove /usr è in sola lettura, la regola a mano: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; poi caricala con sudo udevadm control --reload &amp;&amp; sudo udevadm trigger, o ricollega la pedaliera. La regola dà accesso solo all’utente connesso alla postazione (maggiori dettagli in %2).</translation>
    </message>
    <message>
        <source>%1 is this version&apos;s rule.</source>
        <translation>%1 è la regola di questa versione.</translation>
    </message>
    <message>
        <source>%1 differs from this version&apos;s rule.</source>
        <translation>%1 è diverso dalla regola di questa versione.</translation>
    </message>
    <message>
        <source>The udev rule %1 is not installed.</source>
        <translation>La regola udev %1 non è installata.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again.</source>
        <translation>Scollega la pedaliera e ricollegala.</translation>
    </message>
    <message>
        <source>The firmware is %1. Whether it is the newest was not checked: the update server could not be reached.</source>
        <translation>Il firmware è %1. Non è stato verificato se è il più recente: il server degli aggiornamenti non è raggiungibile.</translation>
    </message>
    <message>
        <source>The firmware is %1; %2 is available.</source>
        <translation>Il firmware è %1; è disponibile %2.</translation>
    </message>
    <message>
        <source>Update it on the DEVICE page, or with kestctl firmware update FILE (kestctl firmware check says where the image is).</source>
        <translation>Aggiornalo nella pagina DISPOSITIVO, o con kestctl firmware update FILE (kestctl firmware check indica dove si trova l’immagine).</translation>
    </message>
    <message>
        <source>The firmware %1 is the newest.</source>
        <translation>Il firmware %1 è il più recente.</translation>
    </message>
    <message>
        <source>No pedal unit on USB.</source>
        <translation>Nessuna pedaliera sull’USB.</translation>
    </message>
    <message>
        <source>%1 (%2:%3) is on USB %4.</source>
        <translation>%1 (%2:%3) è sull’USB %4.</translation>
    </message>
    <message>
        <source>The kernel made no hidraw node for the unit.</source>
        <translation>Il kernel non ha creato alcun nodo hidraw per la pedaliera.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; sudo dmesg says why the node is missing.</source>
        <translation>Scollega la pedaliera e ricollegala; sudo dmesg dice perché il nodo manca.</translation>
    </message>
    <message>
        <source>This user cannot open the unit&apos;s hidraw node %1: %2.</source>
        <translation>Questo utente non può aprire il nodo hidraw %1 della pedaliera: %2.</translation>
    </message>
    <message>
        <source>This user can open the unit&apos;s hidraw node %1.</source>
        <translation>Questo utente può aprire il nodo hidraw %1 della pedaliera.</translation>
    </message>
    <message>
        <source>Only this user&apos;s programs could be looked at.</source>
        <translation>Si sono potuti esaminare solo i programmi di questo utente.</translation>
    </message>
    <message>
        <source>No other program has %1 open.</source>
        <translation>Nessun altro programma ha aperto %1.</translation>
    </message>
    <message>
        <source>%1 is open in: %2.</source>
        <translation>%1 è aperto in: %2.</translation>
    </message>
    <message>
        <source>Close these programs while kestctl or the window talks to the unit: two programs exchanging reports with it at once mix up its replies.</source>
        <translation>Chiudi questi programmi mentre kestctl o la finestra comunicano con la pedaliera: due programmi che scambiano report con essa insieme ne confondono le risposte.</translation>
    </message>
    <message>
        <source>The unit has no input device: games find no pedals.</source>
        <translation>La pedaliera non ha un dispositivo di input: i giochi non trovano pedali.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; if it stays missing, sudo dmesg says why (the usbhid and hid-generic modules must be loaded).</source>
        <translation>Scollega la pedaliera e ricollegala; se manca ancora, sudo dmesg dice perché (i moduli usbhid e hid-generic devono essere caricati).</translation>
    </message>
    <message>
        <source>The unit&apos;s input device is %1.</source>
        <translation>Il dispositivo di input della pedaliera è %1.</translation>
    </message>
    <message>
        <source>%1 is marked as a joystick (ID_INPUT_JOYSTICK=1).</source>
        <translation>%1 è contrassegnato come joystick (ID_INPUT_JOYSTICK=1).</translation>
    </message>
    <message>
        <source>%1 is not marked as a joystick (ID_INPUT_JOYSTICK): games and Steam do not see the pedals.</source>
        <translation>%1 non è contrassegnato come joystick (ID_INPUT_JOYSTICK): i giochi e Steam non vedono i pedali.</translation>
    </message>
    <message>
        <source>This user can read %1.</source>
        <translation>Questo utente può leggere %1.</translation>
    </message>
    <message>
        <source>This user cannot read %1.</source>
        <translation>Questo utente non può leggere %1.</translation>
    </message>
    <message>
        <source>The firmware was not checked: the unit cannot be opened.</source>
        <translation>Il firmware non è stato verificato: la pedaliera non si può aprire.</translation>
    </message>
    <message>
        <source>usage: kestctl doctor [--print-rules]</source>
        <translation>uso: kestctl doctor [--print-rules]</translation>
    </message>
    <message>
        <source>doctor checks a Linux system with udev.</source>
        <translation>doctor verifica un sistema Linux con udev.</translation>
    </message>
    <message>
        <source>Calibrate and reset them?</source>
        <translation>Calibrare e azzerarle?</translation>
    </message>
    <message>
        <source>calibrate resets the %1 deadzones (low %2 % and high %3 %): confirm with --yes when not asked on a terminal</source>
        <translation>calibrate azzera le zone morte di %1 (inferiore %2 % e superiore %3 %): conferma con --yes se non viene chiesto in un terminale</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 is open in: %2, which take turns with kestctl through the unit&apos;s lock.</source>
        <translation>%1 è aperto in: %2, che si alternano con kestctl tramite il blocco della pedaliera.</translation>
    </message>
    <message>
        <source>Service:     %1: no systemd for this user</source>
        <translation>Servizio:     %1: nessun systemd per questo utente</translation>
    </message>
    <message>
        <source>Service:     %1: %2, %3</source>
        <translation>Servizio:     %1: %2, %3</translation>
    </message>
    <message>
        <source>Rules file:  %1</source>
        <translation>File regole:  %1</translation>
    </message>
    <message>
        <source>Watching:    no</source>
        <translation>Monitoraggio: no</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), no game running</source>
        <translation>Monitoraggio: sì (processo %1), nessun gioco in esecuzione</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), %2 running since %3%4</source>
        <translation>Monitoraggio: sì (processo %1), %2 in esecuzione dalle %3%4</translation>
    </message>
    <message>
        <source> (its profiles wait for the unit)</source>
        <translation> (i suoi profili attendono la pedaliera)</translation>
    </message>
    <message>
        <source>usage: kestctl autoswitch [--status]</source>
        <translation>uso: kestctl autoswitch [--status]</translation>
    </message>
    <message>
        <source>See kestctl(1), AUTOMATIC SWITCHING.</source>
        <translation>Vedi kestctl(1), AUTOMATIC SWITCHING.</translation>
    </message>
    <message>
        <source>%1 holds no rules.</source>
        <translation>%1 non contiene regole.</translation>
    </message>
    <message>
        <source>autoswitch runs already (process %1)</source>
        <translation>autoswitch è già in esecuzione (processo %1)</translation>
    </message>
    <message>
        <source>Watching for the games in %1 (Ctrl-C ends).</source>
        <translation>Monitoraggio dei giochi di %1 (Ctrl-C termina).</translation>
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
        <translation>Ripristinare tutto ciò che contiene %1? Sostituisce tutti i 16 profili della pedaliera, la scelta dei profili attivi e queste impostazioni:</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Continuare?</translation>
    </message>
    <message>
        <source>restore replaces every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>restore sostituisce tutte le impostazioni della pedaliera: conferma con --yes se non viene chiesto in un terminale</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>Non è stato ripristinato nulla.</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>Profili e impostazioni ripristinati da %1.</translation>
    </message>
    <message>
        <source>usage: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</source>
        <translation>uso: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</translation>
    </message>
    <message>
        <source>the profiles were not switched: %1</source>
        <translation>i profili non sono stati cambiati: %1</translation>
    </message>
    <message>
        <source>the pedal unit is attached, but the profiles were not switched: %1</source>
        <translation>la pedaliera è collegata, ma i profili non sono stati cambiati: %1</translation>
    </message>
    <message>
        <source>the pedal unit is back; the profiles are switched again</source>
        <translation>la pedaliera è di nuovo collegata; i profili sono di nuovo cambiati</translation>
    </message>
    <message>
        <source>the pedal unit is attached; the profiles are switched</source>
        <translation>la pedaliera è collegata; i profili sono cambiati</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>impossibile avviare %1: %2</translation>
    </message>
    <message>
        <source>usage: kestctl record FILE [--seconds N]</source>
        <translation>uso: kestctl record FILE [--seconds N]</translation>
    </message>
    <message>
        <source>--seconds takes a time in seconds above 0, as 3 or 0.5</source>
        <translation>--seconds richiede un tempo in secondi maggiore di 0, come 3 o 0.5</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged: the recording ends there</source>
        <translation>la pedaliera è stata scollegata: la registrazione termina qui</translation>
    </message>
    <message>
        <source>recorded %1 reports in %2 s (%3 reports/s)</source>
        <translation>registrati %1 report in %2 s (%3 report/s)</translation>
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
        <translation>uso: kestctl [--json] COMANDO [ARGOMENTI...]

Comandi:
  info                          firmware, frizione, calibrazione, zone morte, profili
  watch                         posizioni dei pedali in tempo reale fino a Ctrl-C
  record FILE [--seconds N]     ogni report di input col suo tempo, in CSV, fino a
                                Ctrl-C o N s; --json: righe JSON; FILE - è stdout;
                                --yes sostituisce un FILE esistente
  deadzone [PEDAL [LOW HIGH]]   mostra, o imposta in % (0-21 da ogni estremo)
  clutch [on|off]               mostra, o attiva/disattiva la frizione
  calibrate PEDAL [--yes]       insegna la corsa di un pedale (Invio salva)
  profile list
  profile apply NAME [--pedal P]
  profile save PEDAL NAME --curve C1,C2,C3,C4,C5
  profile remove NAME [--pedal P]
  profile export FILE [--yes]   --yes sostituisce un file esistente
  profile import FILE
  backup [FILE] [--yes]         salva tutte le impostazioni della pedaliera (senza
                                FILE: un nuovo file nella cartella dei backup)
  restore FILE [--yes]          ripristina tutto ciò che contiene un backup
  firmware check                cerca un firmware più recente sul server
  firmware update FILE [--yes]  scrive un’immagine del firmware (.bin) nella pedaliera
  clear-flash [--yes]           cancella tutte le impostazioni della pedaliera
  doctor [--print-rules]        verifica cosa impedisce a kestctl di raggiungere
                                la pedaliera o ai giochi di vedere i pedali;
                                --print-rules stampa la regola udev
  autoswitch [--status]         cambia i profili mentre gira un gioco del file delle
                                regole (~/.config/kest-setting/autoswitch.ini) fino
                                a Ctrl-C; --status: il servizio, le regole, il
                                gioco attivo ora

PEDAL è clutch, brake o throttle. Opzioni: --json (output leggibile dalle
macchine su stdout), --trace FILE (ogni scambio con la pedaliera, per segnalare un
problema), --lang CODE (de, fr, es, it, pt_BR, ja; en per l’inglese), --help,
--version.
Stato di uscita: 0 fatto; 1 input errato o rifiutato, non è stato inviato nulla;
2 la pedaliera ha fallito a metà (il messaggio dice cosa mantiene); 3 nessuna
pedaliera, o nessun accesso a essa.
Vedi kestctl(1).
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
Profili per un gioco (in vigore mentre è in esecuzione; la pedaliera mantiene la
scelta salvata):
  profile apply NAME [--pedal P] --for-now
                                mette in vigore il profilo senza salvarlo;
                                stampa la scelta che era in vigore prima
  launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]
                                esegue COMMAND con questi profili, poi ripristina
                                quelli di prima; esce con lo stato di COMMAND.
                                Nelle opzioni di avvio di Steam:
                                kestctl launch --brake NAME -- %command%
</translation>
    </message>
    <message>
        <source>--clutch, --brake and --throttle are for launch (kestctl --help)</source>
        <translation>--clutch, --brake e --throttle sono per launch (kestctl --help)</translation>
    </message>
    <message>
        <source>--for-now is for profile apply (kestctl --help)</source>
        <translation>--for-now è per profile apply (kestctl --help)</translation>
    </message>
    <message>
        <source>usage: kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME --curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | import FILE</source>
        <translation>uso: kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME --curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | import FILE</translation>
    </message>
    <message>
        <source>Before: %1</source>
        <translation>Prima: %1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is in effect for now; the unit keeps its stored choice.</source>
        <translation>%1: «%2» è in vigore per ora; la pedaliera mantiene la scelta salvata.</translation>
    </message>
    <message>
        <source>the profiles in effect before were not put back: %1</source>
        <translation>i profili in vigore prima non sono stati ripristinati: %1</translation>
    </message>
</context>
</TS>
