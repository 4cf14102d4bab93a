<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Cancel this calibration? The pedal keeps the calibration it had.</source>
        <translation>Diese Kalibrierung abbrechen? Das Pedal behält seine bisherige Kalibrierung.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>KALIBRIEREN</translation>
    </message>
    <message>
        <source>Press the pedal all the way down, let it come back up, then click SAVE.</source>
        <translation>Das Pedal ganz durchtreten, zurückkommen lassen, dann SPEICHERN klicken.</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then click SAVE; %2.</source>
        <translation>%1: Pedal ganz durchtreten, zurückkommen lassen, dann SPEICHERN klicken; %2.</translation>
    </message>
    <message>
        <source>Save the calibration?</source>
        <translation>Kalibrierung speichern?</translation>
    </message>
</context>
<context>
    <name>DevicePage</name>
    <message>
        <source>CHECK UPDATE</source>
        <translation>UPDATE SUCHEN</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The firmware file could not be read. Nothing was sent to the unit.</source>
        <translation>Die Firmware-Datei konnte nicht gelesen werden. Es wurde nichts an die Einheit gesendet.</translation>
    </message>
    <message>
        <source>Not a valid firmware.</source>
        <translation>Keine gültige Firmware.</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Another firmware update is running. Please try again when it is finished.</source>
        <translation>Ein anderes Firmware-Update läuft. Bitte erneut versuchen, wenn es abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Firmware updated successfully.</source>
        <translation>Firmware erfolgreich aktualisiert.</translation>
    </message>
    <message>
        <source>Firmware update failed: the pedal unit was unplugged while it wrote its firmware. Please plug it in again and run the update again.</source>
        <translation>Firmware-Update fehlgeschlagen: Die Pedaleinheit wurde abgezogen, während sie ihre Firmware schrieb. Bitte wieder anschließen und das Update erneut ausführen.</translation>
    </message>
    <message>
        <source>Firmware update failed: the unit did not take the whole image. Please try again.</source>
        <translation>Firmware-Update fehlgeschlagen: Die Einheit hat nicht das ganze Image angenommen. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Writing ...</source>
        <translation>Schreiben ...</translation>
    </message>
    <message>
        <source>Uploading ...</source>
        <translation>Hochladen ...</translation>
    </message>
    <message>
        <source>Do you want to continue?
This operation will delete all the settings stored in the device flash memory.</source>
        <translation>Möchten Sie fortfahren?
Dabei werden alle im Flash-Speicher des Geräts gespeicherten Einstellungen gelöscht.</translation>
    </message>
    <message>
        <source>Flash data has been cleared.</source>
        <translation>Die Flash-Daten wurden gelöscht.</translation>
    </message>
    <message>
        <source>Firmware update stopped: the program ended while the pedal unit wrote its firmware. Please run the update again.</source>
        <translation>Firmware-Update abgebrochen: Das Programm wurde beendet, während die Pedaleinheit ihre Firmware schrieb. Bitte das Update erneut ausführen.</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name ends in .bin.</source>
        <translation>Der Name einer Firmware-Datei endet auf .bin.</translation>
    </message>
    <message>
        <source>There is no file of that name.</source>
        <translation>Es gibt keine Datei dieses Namens.</translation>
    </message>
    <message>
        <source>It is not a regular file, but a folder, a device or a pipe.</source>
        <translation>Das ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, the most the unit takes.</source>
        <translation>Die Datei ist größer als %1 Byte, das Höchste, was die Einheit annimmt.</translation>
    </message>
    <message>
        <source>Upload the firmware file %1 (%2 bytes) to the unit?</source>
        <translation>Die Firmware-Datei %1 (%2 Byte) auf die Einheit übertragen?</translation>
    </message>
    <message>
        <source>MD5: %1</source>
        <translation>MD5: %1</translation>
    </message>
    <message>
        <source>The unit cannot check what a file holds and takes any file as its firmware. Upload only the maker&apos;s image for this unit, and compare the MD5 above with the one the maker publishes.</source>
        <translation>Die Einheit kann den Inhalt einer Datei nicht prüfen und nimmt jede Datei als Firmware an. Übertragen Sie nur das Abbild des Herstellers für diese Einheit und vergleichen Sie die MD5 oben mit der, die der Hersteller veröffentlicht.</translation>
    </message>
</context>
<context>
    <name>InputsPage</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>KestAxis</name>
    <message>
        <source>curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Left and Right choose a point; Up and Down move it by 1 %, Page Up and Page Down by 10 %.</source>
        <translation>Links und Rechts wählen einen Punkt; Hoch und Runter verschieben ihn um 1 %, Bild auf und Bild ab um 10 %.</translation>
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
        <translation>%1 Punkt %2: %3</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Progressive</source>
        <translation>Progressiv</translation>
    </message>
    <message>
        <source>Degressive</source>
        <translation>Degressiv</translation>
    </message>
    <message>
        <source>S-curve</source>
        <translation>S-Kurve</translation>
    </message>
    <message>
        <source>Copy curve</source>
        <translation>Kurve kopieren</translation>
    </message>
    <message>
        <source>Paste curve</source>
        <translation>Kurve einfügen</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>KestSlider</name>
    <message>
        <source>Left and Right move the handle by 1 %, with Shift by 5 %.</source>
        <translation>Links und Rechts verschieben den Regler um 1 %, mit Umschalt um 5 %.</translation>
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
        <translation>EINGABEN</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>KALIBRIERUNG</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>GERÄT</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PROFILE</translation>
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
        <translation>KUPPLUNG AKTIV</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>KALIBRIEREN</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>GAS</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>BREMSE</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>KUPPLUNG</translation>
    </message>
    <message>
        <source>NEW PROFILE</source>
        <translation>NEUES PROFIL</translation>
    </message>
    <message>
        <source>SAVE </source>
        <translation>SPEICHERN </translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>ENTFERNEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTIEREN</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTIEREN</translation>
    </message>
    <message>
        <source>MANUAL UPDATE</source>
        <translation>MANUELLES UPDATE</translation>
    </message>
    <message>
        <source>UPLOADING...</source>
        <translation>HOCHLADEN ...</translation>
    </message>
    <message>
        <source>CHECK UPDATE</source>
        <translation>UPDATE SUCHEN</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>CLEAR FLASH DATA</source>
        <translation>FLASH-DATEN LÖSCHEN</translation>
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
        <translation>Keine Pedaleinheit gefunden. Prüfen Sie, ob das USB-Kabel eingesteckt ist, am besten direkt am Computer statt an einem Hub. Unter Linux zeigt lsusb die Einheit als e5b7:6a1c.</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read; trying again.</source>
        <translation>Die Pedaleinheit wurde gefunden, hat aber nicht auf jede Abfrage geantwortet; neuer Versuch.</translation>
    </message>
    <message>
        <source>%1 curve</source>
        <translation>%1 Kurve</translation>
    </message>
    <message>
        <source>%1 low deadzone</source>
        <translation>%1 untere Totzone</translation>
    </message>
    <message>
        <source>%1 high deadzone</source>
        <translation>%1 obere Totzone</translation>
    </message>
    <message>
        <source>Firmware Version:	</source>
        <translation>Firmware-Version:	</translation>
    </message>
    <message>
        <source>WAITING FOR DEVICE...</source>
        <translation>WARTE AUF GERÄT ...</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The firmware update is still running. Please wait until it is finished.</source>
        <translation>Das Firmware-Update läuft noch. Bitte warten, bis es abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 low deadzone: the first part of the travel, which counts as released. Drag it, or Tab to it and use Left and Right.</source>
        <translation>%1 untere Totzone: der erste Teil des Pedalwegs, der als losgelassen zählt. Ziehen, oder mit Tab anwählen und mit Links und Rechts verschieben.</translation>
    </message>
    <message>
        <source>%1 high deadzone: the last part of the travel, which counts as fully pressed. Drag it, or Tab to it and use Left and Right.</source>
        <translation>%1 obere Totzone: der letzte Teil des Pedalwegs, der als voll durchgetreten zählt. Ziehen, oder mit Tab anwählen und mit Links und Rechts verschieben.</translation>
    </message>
    <message>
        <source>Program Version:	</source>
        <translation>Programmversion:	</translation>
    </message>
    <message>
        <source>Report a problem: see &quot;How to report a problem&quot; in %1</source>
        <translation>Ein Problem melden: siehe „How to report a problem“ in %1</translation>
    </message>
    <message>
        <source>The pedal unit is connected but cannot be opened: this user has no access to it. Install the kest-setting package or its udev rule (70-kest-pedals.rules), then unplug the unit and plug it in again. kestctl doctor says what is missing; more in %1.</source>
        <translation>Die Pedaleinheit ist angeschlossen, lässt sich aber nicht öffnen: Dieser Benutzer hat keinen Zugriff darauf. Installieren Sie das Paket kest-setting oder seine udev-Regel (70-kest-pedals.rules), ziehen Sie die Einheit dann ab und stecken Sie sie wieder ein. kestctl doctor zeigt, was fehlt; mehr in %1.</translation>
    </message>
</context>
<context>
    <name>ProfilesPage</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>slot %1 (&quot;%2&quot;)</source>
        <translation>Slot %1 („%2“)</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The pedal unit holds a profile that belongs to no pedal in %1. It is left as it is and shown in no list, and EXPORT does not write it. IMPORT of a profile file or CLEAR FLASH on the DEVICE page clears it.</source>
        <translation>Die Pedaleinheit hält ein Profil, das in %1 keinem Pedal gehört. Es bleibt unverändert, erscheint in keiner Liste und wird von EXPORTIEREN nicht geschrieben. IMPORTIEREN einer Profildatei oder FLASH-DATEN LÖSCHEN auf der Seite GERÄT entfernt es.</translation>
    </message>
    <message>
        <source>Profile is saved</source>
        <translation>Profil gespeichert</translation>
    </message>
    <message>
        <source>Curve changed, not saved in &quot;%1&quot;</source>
        <translation>Kurve geändert, nicht in „%1“ gespeichert</translation>
    </message>
    <message>
        <source>Curve not saved</source>
        <translation>Kurve nicht gespeichert</translation>
    </message>
    <message>
        <source>The %1 curve of profile &quot;%2&quot; was changed and is not saved.</source>
        <translation>Die Kurve %1 des Profils „%2“ wurde geändert und ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save the curve as &quot;%1&quot; first?</source>
        <translation>Die Kurve zuerst als „%1“ speichern?</translation>
    </message>
    <message>
        <source>%1: curve of profile &quot;%2&quot;</source>
        <translation>%1: Kurve des Profils „%2“</translation>
    </message>
    <message>
        <source>Changed and not saved:</source>
        <translation>Geändert und nicht gespeichert:</translation>
    </message>
    <message>
        <source>Save before closing?</source>
        <translation>Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Remove the %1 profile &quot;%2&quot; from the unit?</source>
        <translation>Das Profil „%2“ von %1 von der Einheit entfernen?</translation>
    </message>
    <message>
        <source>Import the profiles of %1?
This replaces all 16 profiles on the unit.</source>
        <translation>Die Profile aus %1 importieren?
Das ersetzt alle 16 Profile auf der Einheit.</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>Profile in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>Profile aus %1 importiert.</translation>
    </message>
    <message>
        <source>The file is a backup. It also holds these settings:
%1
Yes restores them too; No imports the profiles only.</source>
        <translation>Die Datei ist eine Sicherung. Sie enthält auch diese Einstellungen:
%1
Ja stellt auch sie wieder her; Nein importiert nur die Profile.</translation>
    </message>
    <message>
        <source>The file&apos;s other settings cannot be restored, only its profiles: %1</source>
        <translation>Die übrigen Einstellungen der Datei lassen sich nicht wiederherstellen, nur ihre Profile: %1</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>Profile und Einstellungen aus %1 wiederhergestellt.</translation>
    </message>
    <message>
        <source>Restore from %1 stopped part-way.</source>
        <translation>Die Wiederherstellung aus %1 brach mittendrin ab.</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Checking ...</source>
        <translation>Suche ...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>A new firmware is available. Please check again when the running update is finished.</source>
        <translation>Eine neue Firmware ist verfügbar. Bitte erneut suchen, wenn das laufende Update abgeschlossen ist.</translation>
    </message>
    <message>
        <source>A new firmware is available, update now?</source>
        <translation>Eine neue Firmware ist verfügbar. Jetzt aktualisieren?</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Herunterladen ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>kest</name>
    <message>
        <source>Not a curve: a curve is written kest-curve: and five numbers, like kest-curve:17,33,50,67,83.</source>
        <translation>Keine Kurve: Eine Kurve wird als kest-curve: mit fünf Zahlen geschrieben, etwa kest-curve:17,33,50,67,83.</translation>
    </message>
    <message>
        <source>Not a curve: it has %1 numbers, a curve has five.</source>
        <translation>Keine Kurve: Sie hat %1 Zahlen, eine Kurve hat fünf.</translation>
    </message>
    <message>
        <source>Not a curve: %1 is not a percent from 0 to 100.</source>
        <translation>Keine Kurve: %1 ist kein Prozentwert von 0 bis 100.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the value is no profile record of 7 bytes.</source>
        <translation>Schlüssel „%1“: Der Wert ist kein Profil-Datensatz aus 7 Byte.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: slot %2 does not exist; the slots are 0 to 15.</source>
        <translation>Schlüssel „%1“: Slot %2 gibt es nicht; die Slots sind 0 bis 15.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: pedal code %2; it must be 1 (clutch), 2 (brake) or 3 (throttle).</source>
        <translation>Schlüssel „%1“: Pedalcode %2; er muss 1 (Kupplung), 2 (Bremse) oder 3 (Gas) sein.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: curve point %2 is %3; curve points are 0 to 100.</source>
        <translation>Schlüssel „%1“: Kurvenpunkt %2 ist %3; Kurvenpunkte liegen zwischen 0 und 100.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the profile has no name.</source>
        <translation>Schlüssel „%1“: Das Profil hat keinen Namen.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name holds a zero byte.</source>
        <translation>Schlüssel „%1“: Der Name enthält ein Null-Byte.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name is not valid UTF-8 text.</source>
        <translation>Schlüssel „%1“: Der Name ist kein gültiger UTF-8-Text.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name takes %2 bytes; the unit keeps 16 (accented letters take two).</source>
        <translation>Schlüssel „%1“: Der Name belegt %2 Byte; die Einheit speichert 16 (Umlaute und Akzente zählen doppelt).</translation>
    </message>
    <message>
        <source>Line %1 runs on into the next line (a \ at its end or an unmatched &quot;).</source>
        <translation>Zeile %1 setzt sich in der nächsten Zeile fort (ein \ am Ende oder ein offenes &quot;).</translation>
    </message>
    <message>
        <source>Line %1: the section header has no &apos;]&apos;.</source>
        <translation>Zeile %1: Dem Abschnittskopf fehlt die &apos;]&apos;.</translation>
    </message>
    <message>
        <source>Line %1: the text after the section header&apos;s &apos;]&apos; would be ignored.</source>
        <translation>Zeile %1: Der Text nach der &apos;]&apos; des Abschnittskopfs würde ignoriert.</translation>
    </message>
    <message>
        <source>Line %1 is no key: a &apos;;&apos; starts a comment there (in a name, write it as %3B).</source>
        <translation>Zeile %1 ist kein Schlüssel: Ein &apos;;&apos; beginnt dort einen Kommentar (in einem Namen als %3B schreiben).</translation>
    </message>
    <message>
        <source>Line %1 is neither a key (it has no &apos;=&apos;), a comment (&apos;;&apos;) nor a section header.</source>
        <translation>Zeile %1 ist weder ein Schlüssel (ihr fehlt das &apos;=&apos;), ein Kommentar (&apos;;&apos;) noch ein Abschnittskopf.</translation>
    </message>
    <message>
        <source>Line 1 does not read back as written.</source>
        <translation>Zeile 1 liest sich nicht so zurück, wie sie geschrieben wurde.</translation>
    </message>
    <message>
        <source>Line %1: the key is in the section [%2]; profiles belong in [General].</source>
        <translation>Zeile %1: Der Schlüssel steht im Abschnitt [%2]; Profile gehören in [General].</translation>
    </message>
    <message>
        <source>Line %1: the key &quot;%2&quot; is there twice (lines %3 and %1).</source>
        <translation>Zeile %1: Der Schlüssel „%2“ steht doppelt da (Zeilen %3 und %1).</translation>
    </message>
    <message>
        <source>The key INDEX is missing.</source>
        <translation>Der Schlüssel INDEX fehlt.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot; does not begin with its slot number as two digits.</source>
        <translation>Schlüssel „%1“ beginnt nicht mit seiner Slotnummer als zwei Ziffern.</translation>
    </message>
    <message>
        <source>The file holds %1 profiles; the unit keeps 16 at most.</source>
        <translation>Die Datei enthält %1 Profile; die Einheit speichert höchstens 16.</translation>
    </message>
    <message>
        <source>INDEX is no number with EF (hex) in its top byte.</source>
        <translation>INDEX ist keine Zahl mit EF (hex) im obersten Byte.</translation>
    </message>
    <message>
        <source>Line %1: the name is not valid UTF-8 text.</source>
        <translation>Zeile %1: Der Name ist kein gültiger UTF-8-Text.</translation>
    </message>
    <message>
        <source>Keys &quot;%1&quot; and &quot;%2&quot; are both for slot %3; a slot holds one profile.</source>
        <translation>Die Schlüssel „%1“ und „%2“ gelten beide für Slot %3; ein Slot enthält ein Profil.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Das ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB; a file of 16 profiles takes 2 KB.</source>
        <translation>Die Datei ist größer als 1 MiB; eine Datei mit 16 Profilen belegt 2 KB.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key per pedal: CLUTCH, BRAKE or THROTTLE.</source>
        <translation>Zeile %1: Der Abschnitt [%2] enthält einen Schlüssel je Pedal: CLUTCH, BRAKE oder THROTTLE.</translation>
    </message>
    <message>
        <source>Line %1: %2 in [%3] is not a low and a high bound from 0 to 65535, such as &quot;1200 64000&quot;.</source>
        <translation>Zeile %1: %2 in [%3] ist keine untere und obere Grenze von 0 bis 65535, etwa „1200 64000“.</translation>
    </message>
    <message>
        <source>[%1] has both process and steam-app; a section watches one of them.</source>
        <translation>[%1] hat sowohl process als auch steam-app; ein Abschnitt überwacht nur eines davon.</translation>
    </message>
    <message>
        <source>[%1] names no process and no steam-app.</source>
        <translation>[%1] nennt weder process noch steam-app.</translation>
    </message>
    <message>
        <source>[%1] chooses no profile: give clutch, brake or throttle.</source>
        <translation>[%1] wählt kein Profil: clutch, brake oder throttle angeben.</translation>
    </message>
    <message>
        <source>[%1] watches the same %2 as [%3].</source>
        <translation>[%1] überwacht dasselbe wie [%3]: %2.</translation>
    </message>
    <message>
        <source>this line is not UTF-8 text.</source>
        <translation>diese Zeile ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>neither a [game] header nor a &quot;key = value&quot; line.</source>
        <translation>weder ein Abschnittskopf [Spiel] noch eine Zeile „Schlüssel = Wert“.</translation>
    </message>
    <message>
        <source>the section has no name: [the game&apos;s name].</source>
        <translation>der Abschnitt hat keinen Namen: [Name des Spiels].</translation>
    </message>
    <message>
        <source>a second [%1] section; the first is on line %2.</source>
        <translation>ein zweiter Abschnitt [%1]; der erste steht in Zeile %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes before the first [game] section.</source>
        <translation>„%1“ steht vor dem ersten Abschnitt [Spiel].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice in [%2].</source>
        <translation>„%1“ steht zweimal in [%2].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value.</source>
        <translation>„%1“ hat keinen Wert.</translation>
    </message>
    <message>
        <source>process is a program&apos;s file name, without a folder: %1.</source>
        <translation>process ist der Dateiname eines Programms, ohne Ordner: %1.</translation>
    </message>
    <message>
        <source>steam-app is a Steam game&apos;s number, as 227300: %1.</source>
        <translation>steam-app ist die Nummer eines Steam-Spiels, etwa 227300: %1.</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;; the keys are process, steam-app, clutch, brake and throttle.</source>
        <translation>unbekannter Schlüssel „%1“; die Schlüssel sind process, steam-app, clutch, brake und throttle.</translation>
    </message>
    <message>
        <source>the profile name &quot;%1&quot; is longer than the unit&apos;s names (16 bytes).</source>
        <translation>der Profilname „%1“ ist länger, als die Einheit Namen speichert (16 Byte).</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>There is no rules file %1.</source>
        <translation>Es gibt keine Regeldatei %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than a rules file can be (256 KiB).</source>
        <translation>%1 ist größer, als eine Regeldatei sein darf (256 KiB).</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key, ENABLED.</source>
        <translation>Zeile %1: Der Abschnitt [%2] enthält einen Schlüssel, ENABLED.</translation>
    </message>
    <message>
        <source>Line %1: ENABLED in [%2] is 1 (the clutch pedal on) or 0 (off).</source>
        <translation>Zeile %1: ENABLED in [%2] ist 1 (Kupplungspedal ein) oder 0 (aus).</translation>
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
        <translation>Aufruf: kest-setting [--lang CODE] [--trace DATEI]
Richtet das Pedalset Kest Labs RM25 ein: die Pedale live, Totzonen, Kalibrierung,
Kennlinien, die auf der Einheit gespeicherten Profile und Firmware-Updates.

  --lang CODE    die Sprache der Texte: de, fr, es, it, pt_BR, ja; en für Englisch
  --trace DATEI  hängt jeden Austausch mit der Einheit an DATEI an, für eine Fehlermeldung
  --help         zeigt diese Hilfe und endet
  --version      zeigt die Version des Programms und endet
Qts eigene Optionen (etwa -platform) gehen an Qt weiter.

Die Einstellungen liegen in der Pedaleinheit. Vor jeder Änderung, die sich nicht
rückgängig machen lässt (ein Import, ein Entfernen, das Löschen des Flash-Speichers,
ein Firmware-Update), wird eine Sicherung der Einstellungen der Einheit gespeichert in:
  %1
kestctl(1) tut dasselbe im Terminal.
</translation>
    </message>
</context>
<context>
    <name>kest::AutoSwitch</name>
    <message>
        <source>Stopped while %1 runs.</source>
        <translation>Beendet, während %1 läuft.</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 wurde beendet.</translation>
    </message>
    <message>
        <source>%1 is running (%2).</source>
        <translation>%1 läuft (%2).</translation>
    </message>
    <message>
        <source>No pedal unit: the profiles switch once it is plugged in.</source>
        <translation>Keine Pedaleinheit: Die Profile wechseln, sobald sie eingesteckt ist.</translation>
    </message>
    <message>
        <source>The profiles could not be read from the pedal unit; the switch is tried again.</source>
        <translation>Die Profile konnten nicht aus der Pedaleinheit gelesen werden; der Wechsel wird erneut versucht.</translation>
    </message>
    <message>
        <source>%1 has no profile called &quot;%2&quot;; it keeps its profile.</source>
        <translation>%1 hat kein Profil namens „%2“; das Pedal behält sein Profil.</translation>
    </message>
    <message>
        <source>The switch is tried again.</source>
        <translation>Der Wechsel wird erneut versucht.</translation>
    </message>
    <message>
        <source>In effect now: %1.</source>
        <translation>Jetzt wirksam: %1.</translation>
    </message>
</context>
<context>
    <name>kest::KestUnit</name>
    <message>
        <source>The deadzones were not saved: the pedal unit did not take them. It keeps the deadzones it had.</source>
        <translation>Die Totzonen wurden nicht gespeichert: Die Pedaleinheit hat sie nicht angenommen. Sie behält ihre bisherigen Totzonen.</translation>
    </message>
    <message>
        <source>The clutch setting was not changed: the pedal unit did not answer. It keeps the setting it had.</source>
        <translation>Die Kupplungseinstellung wurde nicht geändert: Die Pedaleinheit hat nicht geantwortet. Sie behält ihre bisherige Einstellung.</translation>
    </message>
    <message>
        <source>The calibration did not start: the pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>Die Kalibrierung hat nicht begonnen: Die Pedaleinheit hat nicht geantwortet. Sie behält ihre bisherige Kalibrierung.</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not answer. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>Die Kalibrierung wurde nicht gespeichert: Die Pedaleinheit hat nicht geantwortet. Sie behält ihre bisherige Kalibrierung; SPEICHERN versucht es erneut.</translation>
    </message>
    <message>
        <source>Move the pedal through its whole travel, then save.</source>
        <translation>Das Pedal über den ganzen Weg bewegen, dann speichern.</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not take it. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>Die Kalibrierung wurde nicht gespeichert: Die Pedaleinheit hat sie nicht angenommen. Sie behält ihre bisherige Kalibrierung; SPEICHERN versucht es erneut.</translation>
    </message>
    <message>
        <source>The calibration was saved, but the pedal unit did not take the cleared deadzones of this pedal: it keeps the deadzones it had.</source>
        <translation>Die Kalibrierung wurde gespeichert, aber die Pedaleinheit hat die zurückgesetzten Totzonen dieses Pedals nicht angenommen: Sie behält ihre bisherigen Totzonen.</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the calibration it had; plug it in again to bring it back.</source>
        <translation>Die Pedaleinheit hat ihre bisherige Kalibrierung nicht zurückgenommen; zum Wiederherstellen neu einstecken.</translation>
    </message>
    <message>
        <source>The flash data was not cleared: the pedal unit did not take the command. It keeps the settings it had.</source>
        <translation>Die Flash-Daten wurden nicht gelöscht: Die Pedaleinheit hat den Befehl nicht angenommen. Sie behält ihre bisherigen Einstellungen.</translation>
    </message>
    <message>
        <source>A profile write to the pedal unit was cut off half-way: until the unit is plugged in again, its profile table reads otherwise than the unit keeps it.</source>
        <translation>Ein Profil-Schreibvorgang zur Pedaleinheit brach mittendrin ab: Bis die Einheit neu eingesteckt wird, liest sich ihre Profiltabelle anders, als die Einheit sie hält.</translation>
    </message>
    <message>
        <source>The pedal unit did not take the choice of profile.</source>
        <translation>Die Pedaleinheit hat die Profilwahl nicht angenommen.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored; the pedal unit keeps the choice it had.</source>
        <translation>Die Wahl der aktiven Profile wurde nicht gespeichert; die Pedaleinheit behält ihre bisherige Wahl.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the pedal unit did not answer. It keeps the choice it had.</source>
        <translation>Die Wahl der aktiven Profile wurde nicht gespeichert: Die Pedaleinheit hat nicht geantwortet. Sie behält ihre bisherige Wahl.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the profile lists could not be read from the pedal unit. It keeps the choice it had.</source>
        <translation>Die Wahl der aktiven Profile wurde nicht gespeichert: Die Profillisten konnten nicht von der Pedaleinheit gelesen werden. Sie behält ihre bisherige Wahl.</translation>
    </message>
    <message>
        <source>Can not save to DEFAULT, please use a different name.</source>
        <translation>Unter DEFAULT kann nicht gespeichert werden, bitte einen anderen Namen verwenden.</translation>
    </message>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Bitte einen Profilnamen eingeben.</translation>
    </message>
    <message>
        <source>Profile name holds a character that cannot be stored (a zero byte or an unreadable character).</source>
        <translation>Der Profilname enthält ein Zeichen, das nicht gespeichert werden kann (ein Null-Byte oder ein unlesbares Zeichen).</translation>
    </message>
    <message>
        <source>Profile name is too long: 16 bytes at most (accented letters take two).</source>
        <translation>Der Profilname ist zu lang: höchstens 16 Byte (Umlaute und Akzente zählen doppelt).</translation>
    </message>
    <message>
        <source>The profile was not saved.</source>
        <translation>Das Profil wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The profile was not saved: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>Das Profil wurde nicht gespeichert: Die Profillisten konnten nicht von der Pedaleinheit gelesen werden. Sie behält ihre bisherigen Profile.</translation>
    </message>
    <message>
        <source>The profile was not saved: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>Das Profil wurde nicht gespeichert: Die Pedaleinheit hat nicht geantwortet. Sie behält ihre bisherigen Profile.</translation>
    </message>
    <message>
        <source>Profile is full</source>
        <translation>Alle Profilplätze sind belegt</translation>
    </message>
    <message>
        <source>The profile was saved, but the pedal unit did not store it as the active profile.</source>
        <translation>Das Profil wurde gespeichert, aber die Pedaleinheit hat es nicht als aktives Profil übernommen.</translation>
    </message>
    <message>
        <source>The profile was saved, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>Das Profil wurde gespeichert, aber die Profillisten konnten nicht von der Pedaleinheit zurückgelesen werden. Sie werden vor dem nächsten Speichern neu gelesen.</translation>
    </message>
    <message>
        <source>DEFAULT can not be removed.</source>
        <translation>DEFAULT kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The profile was not removed.</source>
        <translation>Das Profil wurde nicht entfernt.</translation>
    </message>
    <message>
        <source>The profile was not removed: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>Das Profil wurde nicht entfernt: Die Profillisten konnten nicht von der Pedaleinheit gelesen werden. Sie behält ihre bisherigen Profile.</translation>
    </message>
    <message>
        <source>The profile was not removed: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>Das Profil wurde nicht entfernt: Die Pedaleinheit hat nicht geantwortet. Sie behält ihre bisherigen Profile.</translation>
    </message>
    <message>
        <source>The profile was removed, but the pedal unit did not store the new choice of active profiles.</source>
        <translation>Das Profil wurde entfernt, aber die Pedaleinheit hat die neue Wahl der aktiven Profile nicht gespeichert.</translation>
    </message>
    <message>
        <source>The profiles were not exported.</source>
        <translation>Die Profile wurden nicht exportiert.</translation>
    </message>
    <message>
        <source>The profiles were not exported: the profile lists could not be read from the pedal unit.</source>
        <translation>Die Profile wurden nicht exportiert: Die Profillisten konnten nicht von der Pedaleinheit gelesen werden.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Die Profildatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file that was there is kept as it was.</source>
        <translation>Die vorhandene Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>The profiles were exported, except the one of no pedal in slot %1.</source>
        <translation>Die Profile wurden exportiert, bis auf das keinem Pedal zugeordnete in Slot %1.</translation>
    </message>
    <message>
        <source>The profiles were exported except slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is.</source>
        <translation>Die Profile wurden exportiert, bis auf Slot %1: Der Name, den die Pedaleinheit dort hält, ist kein gültiger Text und käme nicht unverändert zurück.</translation>
    </message>
    <message>
        <source>Please choose INI file</source>
        <translation>Bitte eine INI-Datei wählen</translation>
    </message>
    <message>
        <source>INI file is not valid.</source>
        <translation>Die INI-Datei ist ungültig.</translation>
    </message>
    <message>
        <source>The import stopped after %1 of %2 profiles: the pedal unit did not answer. Its profile table is incomplete; please import the file again.</source>
        <translation>Der Import brach nach %1 von %2 Profilen ab: Die Pedaleinheit hat nicht geantwortet. Ihre Profiltabelle ist unvollständig; bitte die Datei erneut importieren.</translation>
    </message>
    <message>
        <source>The profiles were imported, but the pedal unit did not store the file&apos;s choice of active profiles.</source>
        <translation>Die Profile wurden importiert, aber die Pedaleinheit hat die Wahl der aktiven Profile aus der Datei nicht gespeichert.</translation>
    </message>
    <message>
        <source>A backup of the unit&apos;s profiles, deadzones and calibration is saved first, to:
%1</source>
        <translation>Zuvor wird eine Sicherung der Profile, Totzonen und Kalibrierung der Einheit gespeichert, unter:
%1</translation>
    </message>
    <message>
        <source>No backup could be made. Nothing was changed.</source>
        <translation>Es konnte keine Sicherung angelegt werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>No backup could be made: the profile lists could not be read from the pedal unit. Nothing was changed.</source>
        <translation>Es konnte keine Sicherung angelegt werden: Die Profillisten konnten nicht aus der Pedaleinheit gelesen werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its calibration and deadzones. Nothing was changed.</source>
        <translation>Es konnte keine Sicherung angelegt werden: Die Pedaleinheit hat ihre Kalibrierung und Totzonen nicht mitgeteilt. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>No backup could be written to %1. Nothing was changed.</source>
        <translation>In %1 konnte keine Sicherung geschrieben werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>KUPPLUNG</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>BREMSE</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>GAS</translation>
    </message>
    <message>
        <source>%1 low %2 % and high %3 %</source>
        <translation>%1 unten %2 % und oben %3 %</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: it has no deadzones to set.</source>
        <translation>Das Kupplungspedal ist ausgeschaltet: Es hat keine Totzonen zum Einstellen.</translation>
    </message>
    <message>
        <source>A deadzone is a whole percent from 0 to %1.</source>
        <translation>Eine Totzone ist ein ganzer Prozentwert von 0 bis %1.</translation>
    </message>
    <message>
        <source>The deadzones were not saved: the pedal unit still reports the ones it had (%1). It keeps the deadzones it had.</source>
        <translation>Die Totzonen wurden nicht gespeichert: Die Pedaleinheit meldet weiter ihre bisherigen (%1). Sie behält ihre bisherigen Totzonen.</translation>
    </message>
    <message>
        <source>Please save other channel calibrate first.</source>
        <translation>Bitte zuerst die Kalibrierung des anderen Pedals speichern.</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: switch it on first.</source>
        <translation>Das Kupplungspedal ist ausgeschaltet: Bitte erst einschalten.</translation>
    </message>
    <message>
        <source>no travel seen yet</source>
        <translation>noch kein Pedalweg erfasst</translation>
    </message>
    <message>
        <source>travel seen %1 to %2 (%3 %)</source>
        <translation>erfasster Weg %1 bis %2 (%3 %)</translation>
    </message>
    <message>
        <source>Saving the %1 calibration also resets its deadzones: low %2 % and high %3 % go back to 0 %, and the new travel counts from 0 to 100 %. You can set them again on the INPUTS page afterwards.</source>
        <translation>Das Speichern der Kalibrierung von %1 setzt auch die Totzonen zurück: unten %2 % und oben %3 % werden wieder 0 %, und der neue Pedalweg zählt von 0 bis 100 %. Sie können sie danach auf der Seite EINGABEN neu einstellen.</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the deadzones of the %1: it still reports none, and keeps low %2 % and high %3 %; plug it in again to bring them back.</source>
        <translation>Die Pedaleinheit hat die Totzonen von %1 nicht zurückgenommen: Sie meldet weiter keine und behält unten %2 % und oben %3 %; zum Wiederherstellen neu einstecken.</translation>
    </message>
    <message>
        <source>Calibration cancelled: the %1 keeps the calibration it had.</source>
        <translation>Kalibrierung abgebrochen: %1 behält die bisherige Kalibrierung.</translation>
    </message>
    <message>
        <source>The settings it had are in the backup %1.</source>
        <translation>Die bisherigen Einstellungen der Einheit liegen in der Sicherung %1.</translation>
    </message>
    <message>
        <source>No backup could be written to %1.</source>
        <translation>In %1 konnte keine Sicherung geschrieben werden.</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its clutch setting. Nothing was changed.</source>
        <translation>Es konnte keine Sicherung angelegt werden: Die Pedaleinheit hat ihre Kupplungseinstellung nicht mitgeteilt. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The profiles were not switched.</source>
        <translation>Die Profile wurden nicht gewechselt.</translation>
    </message>
    <message>
        <source>The profiles were not switched: the profile lists could not be read from the pedal unit.</source>
        <translation>Die Profile wurden nicht gewechselt: Die Profillisten konnten nicht aus der Pedaleinheit gelesen werden.</translation>
    </message>
    <message>
        <source>The %1 has no profile called &quot;%2&quot;.</source>
        <translation>%1 hat kein Profil namens „%2“.</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the profile lists could not be read from the pedal unit.</source>
        <translation>Die zuvor wirksamen Profile wurden nicht wiederhergestellt: Die Profillisten konnten nicht aus der Pedaleinheit gelesen werden.</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the pedal unit did not take them.</source>
        <translation>Die zuvor wirksamen Profile wurden nicht wiederhergestellt: Die Pedaleinheit hat sie nicht angenommen.</translation>
    </message>
    <message>
        <source>The backup&apos;s calibration of the %1 runs from %2 to %3: its low bound must be below its high bound.</source>
        <translation>Die Kalibrierung von %1 in der Sicherung reicht von %2 bis %3: Die untere Grenze muss unter der oberen liegen.</translation>
    </message>
    <message>
        <source>The backup&apos;s deadzones of the %1 (low %2 %, high %3 %) lie beyond the handles&apos; travel of 0 to %4 %.</source>
        <translation>Die Totzonen von %1 in der Sicherung (unten %2 %, oben %3 %) liegen außerhalb des Wegs der Griffe von 0 bis %4 %.</translation>
    </message>
    <message>
        <source>%1 holds profiles only: it is no backup of the unit&apos;s settings.</source>
        <translation>%1 enthält nur Profile: Das ist keine Sicherung der Einstellungen der Einheit.</translation>
    </message>
    <message>
        <source>The backup is not whole: its section [%1] has no key %2.</source>
        <translation>Die Sicherung ist unvollständig: Ihrem Abschnitt [%1] fehlt der Schlüssel %2.</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel):</source>
        <translation>Kalibrierung (Rohwert, % des Pedalwegs):</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2 (%3 %) bis %4 (%5 %)</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw):</source>
        <translation>Totzonen (% wie die Griffe sie zeigen, Rohwert):</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3), high %4 % (%5)</source>
        <translation>%1 unten %2 % (%3), oben %4 % (%5)</translation>
    </message>
    <message>
        <source>Clutch pedal: on</source>
        <translation>Kupplungspedal: ein</translation>
    </message>
    <message>
        <source>Clutch pedal: off</source>
        <translation>Kupplungspedal: aus</translation>
    </message>
    <message>
        <source>A calibration is under way: save or cancel it first.</source>
        <translation>Eine Kalibrierung läuft: Bitte zuerst speichern oder abbrechen.</translation>
    </message>
    <message>
        <source>clutch setting</source>
        <translation>Kupplungseinstellung</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>deadzones</source>
        <translation>Totzonen</translation>
    </message>
    <message>
        <source>profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>choice of active profiles</source>
        <translation>Wahl der aktiven Profile</translation>
    </message>
    <message>
        <source>profiles of slots 0 to %1</source>
        <translation>Profile der Slots 0 bis %1</translation>
    </message>
    <message>
        <source>profiles of slots %1 to 15</source>
        <translation>Profile der Slots %1 bis 15</translation>
    </message>
    <message>
        <source>The restore stopped part-way: the pedal unit did not answer.</source>
        <translation>Die Wiederherstellung brach mittendrin ab: Die Pedaleinheit hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>It has the backup&apos;s %1.</source>
        <translation>Aus der Sicherung hat sie nun: %1.</translation>
    </message>
    <message>
        <source>It keeps the %1 it had.</source>
        <translation>Wie bisher behält sie: %1.</translation>
    </message>
    <message>
        <source>The backup was restored, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>Die Sicherung wurde wiederhergestellt, aber die Profillisten konnten nicht von der Pedaleinheit zurückgelesen werden. Sie werden vor dem nächsten Speichern neu gelesen.</translation>
    </message>
    <message>
        <source>The backup holds no clutch setting (it was made before backups kept it): the unit keeps the one it had.</source>
        <translation>Die Sicherung enthält keine Kupplungseinstellung (sie entstand, bevor Sicherungen diese enthielten): Die Einheit behält ihre bisherige.</translation>
    </message>
    <message>
        <source>The backup leaves out slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is. A restore of this backup clears the slot.</source>
        <translation>Die Sicherung lässt Slot %1 aus: Der Name, den die Pedaleinheit dort hält, ist kein gültiger Text und käme nicht unverändert zurück. Eine Wiederherstellung aus dieser Sicherung leert den Slot.</translation>
    </message>
</context>
<context>
    <name>kest::UpdateClient</name>
    <message>
        <source>a minute</source>
        <translation>einer Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Update check failed: the update server did not answer in %1.</source>
        <translation>Update-Suche fehlgeschlagen: keine Antwort binnen %1.</translation>
    </message>
    <message>
        <source>Update check failed: the update server could not be reached.</source>
        <translation>Update-Suche fehlgeschlagen: Server nicht erreichbar.</translation>
    </message>
    <message>
        <source>Update check failed: the update server&apos;s answer could not be read.</source>
        <translation>Update-Suche fehlgeschlagen: Antwort nicht lesbar.</translation>
    </message>
    <message>
        <source>No valid device.</source>
        <translation>Kein gültiges Gerät.</translation>
    </message>
    <message>
        <source>Your firmware is already up to date.</source>
        <translation>Ihre Firmware ist bereits aktuell.</translation>
    </message>
    <message>
        <source>A new firmware is available: %1 (the unit has %2)</source>
        <translation>Eine neue Firmware ist verfügbar: %1 (die Einheit hat %2)</translation>
    </message>
    <message>
        <source>Download file fail.</source>
        <translation>Download fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Download given up: the firmware did not arrive within %1.</source>
        <translation>Download abgebrochen: Firmware nicht binnen %1 erhalten.</translation>
    </message>
    <message>
        <source>Can not write to temp.</source>
        <translation>Schreiben in den temporären Ordner nicht möglich.</translation>
    </message>
</context>
<context>
    <name>kestctl</name>
    <message>
        <source>The pedal unit did not tell its firmware version.</source>
        <translation>Die Pedaleinheit hat ihre Firmware-Version nicht mitgeteilt.</translation>
    </message>
    <message>
        <source>Image: %1</source>
        <translation>Abbild: %1</translation>
    </message>
    <message>
        <source>MD5:   %1</source>
        <translation>MD5:    %1</translation>
    </message>
    <message>
        <source>usage: kestctl firmware check | update FILE</source>
        <translation>Aufruf: kestctl firmware check | update FILE</translation>
    </message>
    <message>
        <source>watch takes no arguments</source>
        <translation>watch nimmt keine Argumente</translation>
    </message>
    <message>
        <source>the pedal unit is back</source>
        <translation>die Pedaleinheit ist wieder da</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged; waiting for it (Ctrl-C ends)</source>
        <translation>die Pedaleinheit wurde abgezogen; warte auf sie (Strg-C beendet)</translation>
    </message>
    <message>
        <source>usage: kestctl calibrate PEDAL</source>
        <translation>Aufruf: kestctl calibrate PEDAL</translation>
    </message>
    <message>
        <source>unknown pedal &apos;%1&apos;: clutch, brake or throttle</source>
        <translation>unbekanntes Pedal „%1“: clutch, brake oder throttle</translation>
    </message>
    <message>
        <source>The pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>Die Pedaleinheit hat nicht geantwortet. Sie behält ihre bisherige Kalibrierung.</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then press Enter to save (Ctrl-C cancels; the pedal then keeps the calibration it had).</source>
        <translation>%1: Pedal ganz durchtreten, wieder zurückkommen lassen, dann mit Enter speichern (Strg-C bricht ab; das Pedal behält dann seine bisherige Kalibrierung).</translation>
    </message>
    <message>
        <source>The pedal unit was unplugged during the calibration. It keeps the calibration it had.</source>
        <translation>Die Pedaleinheit wurde während der Kalibrierung abgezogen. Sie behält ihre bisherige Kalibrierung.</translation>
    </message>
    <message>
        <source>Input ended before Enter: the calibration was cancelled. The pedal keeps the calibration it had.</source>
        <translation>Die Eingabe endete vor Enter: Die Kalibrierung wurde abgebrochen. Das Pedal behält seine bisherige Kalibrierung.</translation>
    </message>
    <message>
        <source>(Enter saves, Ctrl-C cancels)</source>
        <translation>(Enter speichert, Strg-C bricht ab)</translation>
    </message>
    <message>
        <source>(Enter tries again, Ctrl-C cancels)</source>
        <translation>(Enter versucht es erneut, Strg-C bricht ab)</translation>
    </message>
    <message>
        <source>%1 calibrated: the unit keeps %2 to %3.</source>
        <translation>%1 kalibriert: Die Einheit speichert %2 bis %3.</translation>
    </message>
    <message>
        <source>%1 needs a value (kestctl --help)</source>
        <translation>%1 braucht einen Wert (kestctl --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (kestctl --help)</source>
        <translation>unbekannte Option „%1“ (kestctl --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (kestctl --help)</source>
        <translation>unbekannter Befehl „%1“ (kestctl --help)</translation>
    </message>
    <message>
        <source>more than one pedal has a profile called &quot;%1&quot;: name one with --pedal</source>
        <translation>mehr als ein Pedal hat ein Profil namens „%1“: eines mit --pedal angeben</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; (kestctl profile list)</source>
        <translation>kein Profil namens „%1“ (kestctl profile list)</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; for the %2 (kestctl profile list)</source>
        <translation>kein Profil namens „%1“ für %2 (kestctl profile list)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>save needs --curve with five points from 0 to 100, as 17,33,50,67,83</source>
        <translation>save braucht --curve mit fünf Punkten von 0 bis 100, etwa 17,33,50,67,83</translation>
    </message>
    <message>
        <source>%1 exists: add --yes to replace it</source>
        <translation>%1 existiert: --yes ersetzt die Datei</translation>
    </message>
    <message>
        <source>%1 is not a profile file (*.ini)</source>
        <translation>%1 ist keine Profildatei (*.ini)</translation>
    </message>
    <message>
        <source>The profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>Die Profillisten konnten nicht aus der Pedaleinheit gelesen werden. Sie behält ihre bisherigen Profile.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is the active profile.</source>
        <translation>%1: „%2“ ist das aktive Profil.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was removed.</source>
        <translation>%1: „%2“ wurde entfernt.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is saved and is the active profile.</source>
        <translation>%1: „%2“ ist gespeichert und das aktive Profil.</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>Profile in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>Profile aus %1 importiert.</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read.</source>
        <translation>Die Pedaleinheit wurde gefunden, hat aber nicht auf jede Abfrage geantwortet.</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3)  high %4 % (%5)</source>
        <translation>%1 unten %2 % (%3)  oben %4 % (%5)</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info nimmt keine Argumente</translation>
    </message>
    <message>
        <source>Firmware version: %1</source>
        <translation>Firmware-Version: %1</translation>
    </message>
    <message>
        <source>Clutch pedal:     %1</source>
        <translation>Kupplungspedal:   %1</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel)</source>
        <translation>Kalibrierung (Rohwert, % des Pedalwegs)</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2 (%3 %) bis %4 (%5 %)</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw)</source>
        <translation>Totzonen (% wie die Griffe sie zeigen, Rohwert)</translation>
    </message>
    <message>
        <source>Profiles (* active)</source>
        <translation>Profile (* aktiv)</translation>
    </message>
    <message>
        <source>Active profiles</source>
        <translation>Aktive Profile</translation>
    </message>
    <message>
        <source>%1 (slot %2)</source>
        <translation>%1 (Slot %2)</translation>
    </message>
    <message>
        <source>usage: kestctl deadzone [PEDAL [LOW HIGH]]</source>
        <translation>Aufruf: kestctl deadzone [PEDAL [LOW HIGH]]</translation>
    </message>
    <message>
        <source>%1 must be a whole percent from 0 to %2, not &apos;%3&apos;</source>
        <translation>%1 muss eine ganze Prozentzahl von 0 bis %2 sein, nicht „%3“</translation>
    </message>
    <message>
        <source>(clutch off)</source>
        <translation>(Kupplung aus)</translation>
    </message>
    <message>
        <source>usage: kestctl clutch [on|off]</source>
        <translation>Aufruf: kestctl clutch [on|off]</translation>
    </message>
    <message>
        <source>Clutch pedal: %1</source>
        <translation>Kupplungspedal: %1</translation>
    </message>
    <message>
        <source>clear-flash takes no arguments</source>
        <translation>clear-flash nimmt keine Argumente</translation>
    </message>
    <message>
        <source>clear-flash deletes every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>clear-flash löscht alle Einstellungen der Einheit: außerhalb eines Terminals mit --yes bestätigen</translation>
    </message>
    <message>
        <source>Nothing was cleared.</source>
        <translation>Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Backup of the unit&apos;s settings: %1</source>
        <translation>Sicherung der Einstellungen der Einheit: %1</translation>
    </message>
    <message>
        <source>firmware update sends the file to the unit, which cannot check it: confirm with --yes when not asked on a terminal</source>
        <translation>firmware update sendet die Datei an die Einheit, die sie nicht prüfen kann: außerhalb eines Terminals mit --yes bestätigen</translation>
    </message>
    <message>
        <source>Nothing was sent to the unit.</source>
        <translation>Es wurde nichts an die Einheit gesendet.</translation>
    </message>
    <message>
        <source>This operation will delete all the settings stored in the device flash memory. Continue?</source>
        <translation>Dabei werden alle im Flash-Speicher des Geräts gespeicherten Einstellungen gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>OFFEN</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Abhilfe: %1</translation>
    </message>
    <message>
        <source>Install the kest-setting package, or where /usr is read-only the rule by hand: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; then load it with sudo udevadm control --reload &amp;&amp; sudo udevadm trigger, or plug the unit in again. The rule gives access to the user logged in at the seat only (more in %2).</source>
        <translation>Installieren Sie das Paket kest-setting oder, wo /usr schreibgeschützt ist, die Regel von Hand: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; laden Sie sie dann mit sudo udevadm control --reload &amp;&amp; sudo udevadm trigger oder stecken Sie die Einheit neu ein. Die Regel gibt nur dem am Platz angemeldeten Benutzer Zugriff (mehr in %2).</translation>
    </message>
    <message>
        <source>%1 is this version&apos;s rule.</source>
        <translation>%1 ist die Regel dieser Version.</translation>
    </message>
    <message>
        <source>%1 differs from this version&apos;s rule.</source>
        <translation>%1 weicht von der Regel dieser Version ab.</translation>
    </message>
    <message>
        <source>The udev rule %1 is not installed.</source>
        <translation>Die udev-Regel %1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again.</source>
        <translation>Ziehen Sie die Einheit ab und stecken Sie sie wieder ein.</translation>
    </message>
    <message>
        <source>The firmware is %1. Whether it is the newest was not checked: the update server could not be reached.</source>
        <translation>Die Firmware ist %1. Ob sie die neueste ist, wurde nicht geprüft: Der Update-Server war nicht erreichbar.</translation>
    </message>
    <message>
        <source>The firmware is %1; %2 is available.</source>
        <translation>Die Firmware ist %1; %2 ist verfügbar.</translation>
    </message>
    <message>
        <source>Update it on the DEVICE page, or with kestctl firmware update FILE (kestctl firmware check says where the image is).</source>
        <translation>Aktualisieren Sie sie auf der Seite GERÄT oder mit kestctl firmware update DATEI (kestctl firmware check nennt den Ort des Abbilds).</translation>
    </message>
    <message>
        <source>The firmware %1 is the newest.</source>
        <translation>Die Firmware %1 ist die neueste.</translation>
    </message>
    <message>
        <source>No pedal unit on USB.</source>
        <translation>Keine Pedaleinheit am USB.</translation>
    </message>
    <message>
        <source>%1 (%2:%3) is on USB %4.</source>
        <translation>%1 (%2:%3) ist an USB %4.</translation>
    </message>
    <message>
        <source>The kernel made no hidraw node for the unit.</source>
        <translation>Der Kernel hat für die Einheit keinen hidraw-Knoten angelegt.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; sudo dmesg says why the node is missing.</source>
        <translation>Ziehen Sie die Einheit ab und stecken Sie sie wieder ein; sudo dmesg sagt, warum der Knoten fehlt.</translation>
    </message>
    <message>
        <source>This user cannot open the unit&apos;s hidraw node %1: %2.</source>
        <translation>Dieser Benutzer kann den hidraw-Knoten %1 der Einheit nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>This user can open the unit&apos;s hidraw node %1.</source>
        <translation>Dieser Benutzer kann den hidraw-Knoten %1 der Einheit öffnen.</translation>
    </message>
    <message>
        <source>Only this user&apos;s programs could be looked at.</source>
        <translation>Nur die Programme dieses Benutzers konnten geprüft werden.</translation>
    </message>
    <message>
        <source>No other program has %1 open.</source>
        <translation>Kein anderes Programm hat %1 geöffnet.</translation>
    </message>
    <message>
        <source>%1 is open in: %2.</source>
        <translation>%1 ist geöffnet in: %2.</translation>
    </message>
    <message>
        <source>Close these programs while kestctl or the window talks to the unit: two programs exchanging reports with it at once mix up its replies.</source>
        <translation>Schließen Sie diese Programme, während kestctl oder das Fenster mit der Einheit spricht: Tauschen zwei Programme zugleich Berichte mit ihr aus, geraten ihre Antworten durcheinander.</translation>
    </message>
    <message>
        <source>The unit has no input device: games find no pedals.</source>
        <translation>Die Einheit hat kein Eingabegerät: Spiele finden keine Pedale.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; if it stays missing, sudo dmesg says why (the usbhid and hid-generic modules must be loaded).</source>
        <translation>Ziehen Sie die Einheit ab und stecken Sie sie wieder ein; fehlt es weiter, sagt sudo dmesg, warum (die Module usbhid und hid-generic müssen geladen sein).</translation>
    </message>
    <message>
        <source>The unit&apos;s input device is %1.</source>
        <translation>Das Eingabegerät der Einheit ist %1.</translation>
    </message>
    <message>
        <source>%1 is marked as a joystick (ID_INPUT_JOYSTICK=1).</source>
        <translation>%1 ist als Joystick gekennzeichnet (ID_INPUT_JOYSTICK=1).</translation>
    </message>
    <message>
        <source>%1 is not marked as a joystick (ID_INPUT_JOYSTICK): games and Steam do not see the pedals.</source>
        <translation>%1 ist nicht als Joystick gekennzeichnet (ID_INPUT_JOYSTICK): Spiele und Steam sehen die Pedale nicht.</translation>
    </message>
    <message>
        <source>This user can read %1.</source>
        <translation>Dieser Benutzer kann %1 lesen.</translation>
    </message>
    <message>
        <source>This user cannot read %1.</source>
        <translation>Dieser Benutzer kann %1 nicht lesen.</translation>
    </message>
    <message>
        <source>The firmware was not checked: the unit cannot be opened.</source>
        <translation>Die Firmware wurde nicht geprüft: Die Einheit lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>usage: kestctl doctor [--print-rules]</source>
        <translation>Aufruf: kestctl doctor [--print-rules]</translation>
    </message>
    <message>
        <source>doctor checks a Linux system with udev.</source>
        <translation>doctor prüft ein Linux-System mit udev.</translation>
    </message>
    <message>
        <source>Calibrate and reset them?</source>
        <translation>Kalibrieren und sie zurücksetzen?</translation>
    </message>
    <message>
        <source>calibrate resets the %1 deadzones (low %2 % and high %3 %): confirm with --yes when not asked on a terminal</source>
        <translation>calibrate setzt die Totzonen von %1 zurück (unten %2 % und oben %3 %): außerhalb eines Terminals mit --yes bestätigen</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is open in: %2, which take turns with kestctl through the unit&apos;s lock.</source>
        <translation>%1 ist geöffnet in: %2; diese wechseln sich über die Sperre der Einheit mit kestctl ab.</translation>
    </message>
    <message>
        <source>Service:     %1: no systemd for this user</source>
        <translation>Dienst:      %1: kein systemd für diesen Benutzer</translation>
    </message>
    <message>
        <source>Service:     %1: %2, %3</source>
        <translation>Dienst:      %1: %2, %3</translation>
    </message>
    <message>
        <source>Rules file:  %1</source>
        <translation>Regeldatei:  %1</translation>
    </message>
    <message>
        <source>Watching:    no</source>
        <translation>Überwachung: nein</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), no game running</source>
        <translation>Überwachung: ja (Prozess %1), kein Spiel läuft</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), %2 running since %3%4</source>
        <translation>Überwachung: ja (Prozess %1), %2 läuft seit %3%4</translation>
    </message>
    <message>
        <source> (its profiles wait for the unit)</source>
        <translation> (seine Profile warten auf die Einheit)</translation>
    </message>
    <message>
        <source>usage: kestctl autoswitch [--status]</source>
        <translation>Aufruf: kestctl autoswitch [--status]</translation>
    </message>
    <message>
        <source>See kestctl(1), AUTOMATIC SWITCHING.</source>
        <translation>Siehe kestctl(1), AUTOMATIC SWITCHING.</translation>
    </message>
    <message>
        <source>%1 holds no rules.</source>
        <translation>%1 enthält keine Regeln.</translation>
    </message>
    <message>
        <source>autoswitch runs already (process %1)</source>
        <translation>autoswitch läuft bereits (Prozess %1)</translation>
    </message>
    <message>
        <source>Watching for the games in %1 (Ctrl-C ends).</source>
        <translation>Überwache die Spiele aus %1 (Strg-C beendet).</translation>
    </message>
    <message>
        <source>usage: kestctl backup [FILE] [--yes]</source>
        <translation>Aufruf: kestctl backup [FILE] [--yes]</translation>
    </message>
    <message>
        <source>usage: kestctl restore FILE [--yes]</source>
        <translation>Aufruf: kestctl restore FILE [--yes]</translation>
    </message>
    <message>
        <source>Restore everything %1 holds? It replaces all 16 profiles on the unit, the choice of active profiles and these settings:</source>
        <translation>Alles aus %1 wiederherstellen? Das ersetzt alle 16 Profile auf der Einheit, die Wahl der aktiven Profile und diese Einstellungen:</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Fortfahren?</translation>
    </message>
    <message>
        <source>restore replaces every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>restore ersetzt alle Einstellungen der Einheit: außerhalb eines Terminals mit --yes bestätigen</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>Es wurde nichts wiederhergestellt.</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>Profile und Einstellungen aus %1 wiederhergestellt.</translation>
    </message>
    <message>
        <source>usage: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</source>
        <translation>Aufruf: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</translation>
    </message>
    <message>
        <source>the profiles were not switched: %1</source>
        <translation>die Profile wurden nicht gewechselt: %1</translation>
    </message>
    <message>
        <source>the pedal unit is attached, but the profiles were not switched: %1</source>
        <translation>die Pedaleinheit ist angeschlossen, aber die Profile wurden nicht gewechselt: %1</translation>
    </message>
    <message>
        <source>the pedal unit is back; the profiles are switched again</source>
        <translation>die Pedaleinheit ist wieder da; die Profile sind wieder gewechselt</translation>
    </message>
    <message>
        <source>the pedal unit is attached; the profiles are switched</source>
        <translation>die Pedaleinheit ist angeschlossen; die Profile sind gewechselt</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>usage: kestctl record FILE [--seconds N]</source>
        <translation>Aufruf: kestctl record FILE [--seconds N]</translation>
    </message>
    <message>
        <source>--seconds takes a time in seconds above 0, as 3 or 0.5</source>
        <translation>--seconds nimmt eine Zeit in Sekunden über 0, etwa 3 oder 0.5</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged: the recording ends there</source>
        <translation>die Pedaleinheit wurde abgezogen: die Aufzeichnung endet hier</translation>
    </message>
    <message>
        <source>recorded %1 reports in %2 s (%3 reports/s)</source>
        <translation>%1 Berichte in %2 s aufgezeichnet (%3 Berichte/s)</translation>
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
        <translation>Aufruf: kestctl [--json] BEFEHL [ARGUMENTE...]

Befehle:
  info                          Firmware, Kupplung, Kalibrierung, Totzonen, Profile
  watch                         Pedalstellungen live bis Strg-C
  record FILE [--seconds N]     jeden Eingabebericht mit Zeitstempel als CSV, bis
                                Strg-C oder N s; --json: JSON-Zeilen; FILE - ist
                                stdout; --yes ersetzt eine vorhandene Datei
  deadzone [PEDAL [LOW HIGH]]   zeigen, oder in % setzen (0-21 von jedem Ende)
  clutch [on|off]               zeigen, oder das Kupplungspedal ein-/ausschalten
  calibrate PEDAL [--yes]       den Pedalweg einlernen (Enter speichert)
  profile list
  profile apply NAME [--pedal P]
  profile save PEDAL NAME --curve C1,C2,C3,C4,C5
  profile remove NAME [--pedal P]
  profile export FILE [--yes]   --yes ersetzt eine vorhandene Datei
  profile import FILE
  backup [FILE] [--yes]         alle Einstellungen der Einheit sichern (ohne FILE:
                                eine neue Datei im Sicherungsordner)
  restore FILE [--yes]          alles zurückschreiben, was eine Sicherung enthält
  firmware check                beim Update-Server nach neuerer Firmware fragen
  firmware update FILE [--yes]  ein Firmware-Abbild (.bin) auf die Einheit schreiben
  clear-flash [--yes]           alle Einstellungen der Einheit löschen
  doctor [--print-rules]        prüfen, was kestctl von der Einheit oder Spiele von
                                den Pedalen fernhält; --print-rules gibt die
                                udev-Regel aus
  autoswitch [--status]         Profile wechseln, solange ein Spiel der Regeldatei
                                (~/.config/kest-setting/autoswitch.ini) läuft, bis
                                Strg-C; --status: der Dienst, die Regeln, das
                                gerade aktive Spiel

PEDAL ist clutch, brake oder throttle. Optionen: --json (maschinenlesbare Ausgabe
auf stdout), --trace FILE (jeder Austausch mit der Einheit, für einen
Fehlerbericht), --lang CODE (de, fr, es, it, pt_BR, ja; en für Englisch), --help,
--version.
Exit-Status: 0 erledigt; 1 falsche Eingabe oder abgelehnt, nichts gesendet; 2 die
Einheit ist mittendrin gescheitert (die Meldung sagt, was sie behält); 3 keine
Einheit oder kein Zugriff darauf.
Siehe kestctl(1).
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
Profile für ein Spiel (wirksam, solange es läuft; die Einheit behält ihre
gespeicherte Wahl):
  profile apply NAME [--pedal P] --for-now
                                das Profil wirksam machen, ohne es zu speichern;
                                gibt die zuvor wirksame Wahl aus
  launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]
                                COMMAND mit diesen Profilen ausführen, danach die
                                vorherigen zurücksetzen; endet mit dem Status von
                                COMMAND. In den Startoptionen von Steam:
                                kestctl launch --brake NAME -- %command%
</translation>
    </message>
    <message>
        <source>--clutch, --brake and --throttle are for launch (kestctl --help)</source>
        <translation>--clutch, --brake und --throttle gehören zu launch (kestctl --help)</translation>
    </message>
    <message>
        <source>--for-now is for profile apply (kestctl --help)</source>
        <translation>--for-now gehört zu profile apply (kestctl --help)</translation>
    </message>
    <message>
        <source>usage: kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME --curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | import FILE</source>
        <translation>Aufruf: kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME --curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | import FILE</translation>
    </message>
    <message>
        <source>Before: %1</source>
        <translation>Zuvor: %1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is in effect for now; the unit keeps its stored choice.</source>
        <translation>%1: „%2“ ist vorerst wirksam; die Einheit behält ihre gespeicherte Wahl.</translation>
    </message>
    <message>
        <source>the profiles in effect before were not put back: %1</source>
        <translation>die zuvor wirksamen Profile wurden nicht wiederhergestellt: %1</translation>
    </message>
</context>
</TS>
