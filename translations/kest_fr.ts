<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Cancel this calibration? The pedal keeps the calibration it had.</source>
        <translation>Annuler ce calibrage ? La pédale garde le calibrage qu’elle avait.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>CALIBRER</translation>
    </message>
    <message>
        <source>Press the pedal all the way down, let it come back up, then click SAVE.</source>
        <translation>Enfoncez la pédale à fond, laissez-la remonter, puis cliquez sur ENREGISTRER.</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then click SAVE; %2.</source>
        <translation>%1 : enfoncez à fond, relâchez, puis cliquez sur ENREGISTRER ; %2.</translation>
    </message>
    <message>
        <source>Save the calibration?</source>
        <translation>Enregistrer le calibrage ?</translation>
    </message>
</context>
<context>
    <name>DevicePage</name>
    <message>
        <source>CHECK UPDATE</source>
        <translation>RECHERCHER MAJ</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The firmware file could not be read. Nothing was sent to the unit.</source>
        <translation>Le fichier du firmware n’a pas pu être lu. Rien n’a été envoyé au pédalier.</translation>
    </message>
    <message>
        <source>Not a valid firmware.</source>
        <translation>Firmware non valide.</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Another firmware update is running. Please try again when it is finished.</source>
        <translation>Une autre mise à jour du firmware est en cours. Réessayez quand elle sera terminée.</translation>
    </message>
    <message>
        <source>Firmware updated successfully.</source>
        <translation>Firmware mis à jour avec succès.</translation>
    </message>
    <message>
        <source>Firmware update failed: the pedal unit was unplugged while it wrote its firmware. Please plug it in again and run the update again.</source>
        <translation>Échec de la mise à jour du firmware : le pédalier a été débranché pendant l’écriture de son firmware. Rebranchez-le et relancez la mise à jour.</translation>
    </message>
    <message>
        <source>Firmware update failed: the unit did not take the whole image. Please try again.</source>
        <translation>Échec de la mise à jour du firmware : le pédalier n’a pas accepté l’image entière. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Writing ...</source>
        <translation>Écriture ...</translation>
    </message>
    <message>
        <source>Uploading ...</source>
        <translation>Envoi ...</translation>
    </message>
    <message>
        <source>Do you want to continue?
This operation will delete all the settings stored in the device flash memory.</source>
        <translation>Voulez-vous continuer ?
Cette opération efface tous les réglages enregistrés dans la mémoire flash de l’appareil.</translation>
    </message>
    <message>
        <source>Flash data has been cleared.</source>
        <translation>Les données flash ont été effacées.</translation>
    </message>
    <message>
        <source>Firmware update stopped: the program ended while the pedal unit wrote its firmware. Please run the update again.</source>
        <translation>Mise à jour du firmware interrompue : le programme s’est fermé pendant que le pédalier écrivait son firmware. Relancez la mise à jour.</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name ends in .bin.</source>
        <translation>Le nom d’un fichier de firmware se termine par .bin.</translation>
    </message>
    <message>
        <source>There is no file of that name.</source>
        <translation>Il n’y a pas de fichier de ce nom.</translation>
    </message>
    <message>
        <source>It is not a regular file, but a folder, a device or a pipe.</source>
        <translation>Ce n’est pas un fichier ordinaire, mais un dossier, un périphérique ou un tube.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, the most the unit takes.</source>
        <translation>Le fichier dépasse %1 octets, le maximum que le pédalier accepte.</translation>
    </message>
    <message>
        <source>Upload the firmware file %1 (%2 bytes) to the unit?</source>
        <translation>Envoyer le fichier de firmware %1 (%2 octets) au pédalier ?</translation>
    </message>
    <message>
        <source>MD5: %1</source>
        <translation>MD5: %1</translation>
    </message>
    <message>
        <source>The unit cannot check what a file holds and takes any file as its firmware. Upload only the maker&apos;s image for this unit, and compare the MD5 above with the one the maker publishes.</source>
        <translation>Le pédalier ne peut pas vérifier le contenu d’un fichier et accepte n’importe quel fichier comme firmware. N’envoyez que l’image du fabricant pour ce pédalier, et comparez le MD5 ci-dessus avec celui que publie le fabricant.</translation>
    </message>
</context>
<context>
    <name>InputsPage</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>KestAxis</name>
    <message>
        <source>curve</source>
        <translation>courbe</translation>
    </message>
    <message>
        <source>Left and Right choose a point; Up and Down move it by 1 %, Page Up and Page Down by 10 %.</source>
        <translation>Gauche et Droite choisissent un point ; Haut et Bas le déplacent de 1 %, Page préc. et Page suiv. de 10 %.</translation>
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
        <translation>%1, point %2 : %3</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Progressive</source>
        <translation>Progressive</translation>
    </message>
    <message>
        <source>Degressive</source>
        <translation>Dégressive</translation>
    </message>
    <message>
        <source>S-curve</source>
        <translation>Courbe en S</translation>
    </message>
    <message>
        <source>Copy curve</source>
        <translation>Copier la courbe</translation>
    </message>
    <message>
        <source>Paste curve</source>
        <translation>Coller la courbe</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>KestSlider</name>
    <message>
        <source>Left and Right move the handle by 1 %, with Shift by 5 %.</source>
        <translation>Gauche et Droite déplacent la poignée de 1 %, avec Maj de 5 %.</translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation>%1 : %2 %</translation>
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
        <translation>ENTRÉES</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>CALIBRAGE</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>APPAREIL</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>PROFILS</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>À PROPOS</translation>
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
        <translation>EMBRAYAGE</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>CALIBRER</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>ACCÉLÉRATEUR</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>FREIN</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>EMBRAYAGE</translation>
    </message>
    <message>
        <source>NEW PROFILE</source>
        <translation>NOUVEAU PROFIL</translation>
    </message>
    <message>
        <source>SAVE </source>
        <translation>ENREGISTRER </translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>MANUAL UPDATE</source>
        <translation>MAJ MANUELLE</translation>
    </message>
    <message>
        <source>UPLOADING...</source>
        <translation>ENVOI ...</translation>
    </message>
    <message>
        <source>CHECK UPDATE</source>
        <translation>RECHERCHER MAJ</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>CLEAR FLASH DATA</source>
        <translation>EFFACER LA FLASH</translation>
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
        <translation>Aucun pédalier trouvé. Vérifiez que son câble USB est branché, de préférence directement sur l’ordinateur plutôt que sur un hub. Sous Linux, lsusb affiche le pédalier comme e5b7:6a1c.</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read; trying again.</source>
        <translation>Le pédalier a été trouvé mais n’a pas répondu à toutes les lectures ; nouvelle tentative.</translation>
    </message>
    <message>
        <source>%1 curve</source>
        <translation>courbe %1</translation>
    </message>
    <message>
        <source>%1 low deadzone</source>
        <translation>zone morte basse %1</translation>
    </message>
    <message>
        <source>%1 high deadzone</source>
        <translation>zone morte haute %1</translation>
    </message>
    <message>
        <source>Firmware Version:	</source>
        <translation>Version du firmware :	</translation>
    </message>
    <message>
        <source>WAITING FOR DEVICE...</source>
        <translation>ATTENTE DU PÉDALIER...</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The firmware update is still running. Please wait until it is finished.</source>
        <translation>La mise à jour du firmware est toujours en cours. Veuillez attendre qu’elle soit terminée.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>%1 low deadzone: the first part of the travel, which counts as released. Drag it, or Tab to it and use Left and Right.</source>
        <translation>Zone morte basse %1 : le début de la course, compté comme relâché. Faites-la glisser, ou atteignez-la avec Tab et utilisez Gauche et Droite.</translation>
    </message>
    <message>
        <source>%1 high deadzone: the last part of the travel, which counts as fully pressed. Drag it, or Tab to it and use Left and Right.</source>
        <translation>Zone morte haute %1 : la fin de la course, comptée comme enfoncée à fond. Faites-la glisser, ou atteignez-la avec Tab et utilisez Gauche et Droite.</translation>
    </message>
    <message>
        <source>Program Version:	</source>
        <translation>Version du programme :	</translation>
    </message>
    <message>
        <source>Report a problem: see &quot;How to report a problem&quot; in %1</source>
        <translation>Signaler un problème : « How to report a problem » dans %1</translation>
    </message>
    <message>
        <source>The pedal unit is connected but cannot be opened: this user has no access to it. Install the kest-setting package or its udev rule (70-kest-pedals.rules), then unplug the unit and plug it in again. kestctl doctor says what is missing; more in %1.</source>
        <translation>Le pédalier est branché mais ne peut pas être ouvert : cet utilisateur n’y a pas accès. Installez le paquet kest-setting ou sa règle udev (70-kest-pedals.rules), puis débranchez le pédalier et rebranchez-le. kestctl doctor indique ce qui manque ; plus d’informations dans %1.</translation>
    </message>
</context>
<context>
    <name>ProfilesPage</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>slot %1 (&quot;%2&quot;)</source>
        <translation>emplacement %1 (« %2 »)</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The pedal unit holds a profile that belongs to no pedal in %1. It is left as it is and shown in no list, and EXPORT does not write it. IMPORT of a profile file or CLEAR FLASH on the DEVICE page clears it.</source>
        <translation>Le pédalier garde un profil qui n’appartient à aucune pédale dans %1. Il est laissé tel quel et n’apparaît dans aucune liste, et EXPORTER ne l’écrit pas. IMPORTER un fichier de profils ou EFFACER LA FLASH sur la page APPAREIL l’efface.</translation>
    </message>
    <message>
        <source>Profile is saved</source>
        <translation>Profil enregistré</translation>
    </message>
    <message>
        <source>Curve changed, not saved in &quot;%1&quot;</source>
        <translation>Courbe modifiée, non enregistrée dans « %1 »</translation>
    </message>
    <message>
        <source>Curve not saved</source>
        <translation>Courbe non enregistrée</translation>
    </message>
    <message>
        <source>The %1 curve of profile &quot;%2&quot; was changed and is not saved.</source>
        <translation>La courbe %1 du profil « %2 » a été modifiée et n’est pas enregistrée.</translation>
    </message>
    <message>
        <source>Save the curve as &quot;%1&quot; first?</source>
        <translation>Enregistrer d’abord la courbe sous « %1 » ?</translation>
    </message>
    <message>
        <source>%1: curve of profile &quot;%2&quot;</source>
        <translation>%1 : courbe du profil « %2 »</translation>
    </message>
    <message>
        <source>Changed and not saved:</source>
        <translation>Modifié et non enregistré :</translation>
    </message>
    <message>
        <source>Save before closing?</source>
        <translation>Enregistrer avant de fermer ?</translation>
    </message>
    <message>
        <source>Remove the %1 profile &quot;%2&quot; from the unit?</source>
        <translation>Supprimer le profil « %2 » de %1 du pédalier ?</translation>
    </message>
    <message>
        <source>Import the profiles of %1?
This replaces all 16 profiles on the unit.</source>
        <translation>Importer les profils de %1 ?
Cela remplace les 16 profils du pédalier.</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>Profils écrits dans %1.</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>Profils importés depuis %1.</translation>
    </message>
    <message>
        <source>The file is a backup. It also holds these settings:
%1
Yes restores them too; No imports the profiles only.</source>
        <translation>Le fichier est une sauvegarde. Il contient aussi ces réglages :
%1
Oui les restaure aussi ; Non importe seulement les profils.</translation>
    </message>
    <message>
        <source>The file&apos;s other settings cannot be restored, only its profiles: %1</source>
        <translation>Les autres réglages du fichier ne peuvent pas être restaurés, seulement ses profils : %1</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>Profils et réglages restaurés depuis %1.</translation>
    </message>
    <message>
        <source>Restore from %1 stopped part-way.</source>
        <translation>La restauration depuis %1 s’est arrêtée en cours de route.</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Checking ...</source>
        <translation>Recherche ...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>A new firmware is available. Please check again when the running update is finished.</source>
        <translation>Un nouveau firmware est disponible. Vérifiez de nouveau quand la mise à jour en cours sera terminée.</translation>
    </message>
    <message>
        <source>A new firmware is available, update now?</source>
        <translation>Un nouveau firmware est disponible, mettre à jour maintenant ?</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version : </translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Téléchargement ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>kest</name>
    <message>
        <source>Not a curve: a curve is written kest-curve: and five numbers, like kest-curve:17,33,50,67,83.</source>
        <translation>Pas une courbe : une courbe s’écrit kest-curve: suivi de cinq nombres, comme kest-curve:17,33,50,67,83.</translation>
    </message>
    <message>
        <source>Not a curve: it has %1 numbers, a curve has five.</source>
        <translation>Pas une courbe : elle a %1 nombres, une courbe en a cinq.</translation>
    </message>
    <message>
        <source>Not a curve: %1 is not a percent from 0 to 100.</source>
        <translation>Pas une courbe : %1 n’est pas un pourcentage de 0 à 100.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the value is no profile record of 7 bytes.</source>
        <translation>Clé « %1 » : la valeur n’est pas un enregistrement de profil de 7 octets.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: slot %2 does not exist; the slots are 0 to 15.</source>
        <translation>Clé « %1 » : l’emplacement %2 n’existe pas ; les emplacements vont de 0 à 15.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: pedal code %2; it must be 1 (clutch), 2 (brake) or 3 (throttle).</source>
        <translation>Clé « %1 » : code de pédale %2 ; il doit valoir 1 (embrayage), 2 (frein) ou 3 (accélérateur).</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: curve point %2 is %3; curve points are 0 to 100.</source>
        <translation>Clé « %1 » : le point de courbe %2 vaut %3 ; les points de courbe vont de 0 à 100.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the profile has no name.</source>
        <translation>Clé « %1 » : le profil n’a pas de nom.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name holds a zero byte.</source>
        <translation>Clé « %1 » : le nom contient un octet nul.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name is not valid UTF-8 text.</source>
        <translation>Clé « %1 » : le nom n’est pas un texte UTF-8 valide.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name takes %2 bytes; the unit keeps 16 (accented letters take two).</source>
        <translation>Clé « %1 » : le nom occupe %2 octets ; le pédalier en garde 16 (une lettre accentuée en prend deux).</translation>
    </message>
    <message>
        <source>Line %1 runs on into the next line (a \ at its end or an unmatched &quot;).</source>
        <translation>La ligne %1 se poursuit sur la ligne suivante (un \ à sa fin ou un &quot; sans fin).</translation>
    </message>
    <message>
        <source>Line %1: the section header has no &apos;]&apos;.</source>
        <translation>Ligne %1 : l’en-tête de section n’a pas de &apos;]&apos;.</translation>
    </message>
    <message>
        <source>Line %1: the text after the section header&apos;s &apos;]&apos; would be ignored.</source>
        <translation>Ligne %1 : le texte après le &apos;]&apos; de l’en-tête de section serait ignoré.</translation>
    </message>
    <message>
        <source>Line %1 is no key: a &apos;;&apos; starts a comment there (in a name, write it as %3B).</source>
        <translation>La ligne %1 n’est pas une clé : un &apos;;&apos; y commence un commentaire (dans un nom, écrivez-le %3B).</translation>
    </message>
    <message>
        <source>Line %1 is neither a key (it has no &apos;=&apos;), a comment (&apos;;&apos;) nor a section header.</source>
        <translation>La ligne %1 n’est ni une clé (elle n’a pas de &apos;=&apos;), ni un commentaire (&apos;;&apos;), ni un en-tête de section.</translation>
    </message>
    <message>
        <source>Line 1 does not read back as written.</source>
        <translation>La ligne 1 ne se relit pas telle qu’elle a été écrite.</translation>
    </message>
    <message>
        <source>Line %1: the key is in the section [%2]; profiles belong in [General].</source>
        <translation>Ligne %1 : la clé est dans la section [%2] ; les profils vont dans [General].</translation>
    </message>
    <message>
        <source>Line %1: the key &quot;%2&quot; is there twice (lines %3 and %1).</source>
        <translation>Ligne %1 : la clé « %2 » y est deux fois (lignes %3 et %1).</translation>
    </message>
    <message>
        <source>The key INDEX is missing.</source>
        <translation>La clé INDEX est absente.</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot; does not begin with its slot number as two digits.</source>
        <translation>La clé « %1 » ne commence pas par son numéro d’emplacement en deux chiffres.</translation>
    </message>
    <message>
        <source>The file holds %1 profiles; the unit keeps 16 at most.</source>
        <translation>Le fichier contient %1 profils ; le pédalier en garde 16 au plus.</translation>
    </message>
    <message>
        <source>INDEX is no number with EF (hex) in its top byte.</source>
        <translation>INDEX n’est pas un nombre avec EF (hex) dans son octet de poids fort.</translation>
    </message>
    <message>
        <source>Line %1: the name is not valid UTF-8 text.</source>
        <translation>Ligne %1 : le nom n’est pas un texte UTF-8 valide.</translation>
    </message>
    <message>
        <source>Keys &quot;%1&quot; and &quot;%2&quot; are both for slot %3; a slot holds one profile.</source>
        <translation>Les clés « %1 » et « %2 » visent toutes deux l’emplacement %3 ; un emplacement contient un seul profil.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB; a file of 16 profiles takes 2 KB.</source>
        <translation>Le fichier dépasse 1 Mio ; un fichier de 16 profils fait 2 Ko.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key per pedal: CLUTCH, BRAKE or THROTTLE.</source>
        <translation>Ligne %1 : la section [%2] contient une clé par pédale : CLUTCH, BRAKE ou THROTTLE.</translation>
    </message>
    <message>
        <source>Line %1: %2 in [%3] is not a low and a high bound from 0 to 65535, such as &quot;1200 64000&quot;.</source>
        <translation>Ligne %1 : %2 dans [%3] n’est pas une borne basse et une borne haute de 0 à 65535, comme « 1200 64000 ».</translation>
    </message>
    <message>
        <source>[%1] has both process and steam-app; a section watches one of them.</source>
        <translation>[%1] a à la fois process et steam-app ; une section surveille l’un des deux seulement.</translation>
    </message>
    <message>
        <source>[%1] names no process and no steam-app.</source>
        <translation>[%1] ne donne ni process ni steam-app.</translation>
    </message>
    <message>
        <source>[%1] chooses no profile: give clutch, brake or throttle.</source>
        <translation>[%1] ne choisit aucun profil : indiquez clutch, brake ou throttle.</translation>
    </message>
    <message>
        <source>[%1] watches the same %2 as [%3].</source>
        <translation>[%1] surveille la même chose que [%3] : %2.</translation>
    </message>
    <message>
        <source>this line is not UTF-8 text.</source>
        <translation>cette ligne n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>neither a [game] header nor a &quot;key = value&quot; line.</source>
        <translation>ni un en-tête [jeu] ni une ligne « clé = valeur ».</translation>
    </message>
    <message>
        <source>the section has no name: [the game&apos;s name].</source>
        <translation>la section n’a pas de nom : [le nom du jeu].</translation>
    </message>
    <message>
        <source>a second [%1] section; the first is on line %2.</source>
        <translation>une deuxième section [%1] ; la première est à la ligne %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes before the first [game] section.</source>
        <translation>« %1 » vient avant la première section [jeu].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice in [%2].</source>
        <translation>« %1 » est donné deux fois dans [%2].</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value.</source>
        <translation>« %1 » n’a pas de valeur.</translation>
    </message>
    <message>
        <source>process is a program&apos;s file name, without a folder: %1.</source>
        <translation>process est le nom de fichier d’un programme, sans dossier : %1.</translation>
    </message>
    <message>
        <source>steam-app is a Steam game&apos;s number, as 227300: %1.</source>
        <translation>steam-app est le numéro d’un jeu Steam, comme 227300 : %1.</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;; the keys are process, steam-app, clutch, brake and throttle.</source>
        <translation>clé inconnue « %1 » ; les clés sont process, steam-app, clutch, brake et throttle.</translation>
    </message>
    <message>
        <source>the profile name &quot;%1&quot; is longer than the unit&apos;s names (16 bytes).</source>
        <translation>le nom de profil « %1 » est plus long que les noms du pédalier (16 octets).</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>There is no rules file %1.</source>
        <translation>Il n’y a pas de fichier de règles %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is larger than a rules file can be (256 KiB).</source>
        <translation>%1 dépasse la taille maximale d’un fichier de règles (256 Kio).</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key, ENABLED.</source>
        <translation>Ligne %1 : la section [%2] contient une seule clé, ENABLED.</translation>
    </message>
    <message>
        <source>Line %1: ENABLED in [%2] is 1 (the clutch pedal on) or 0 (off).</source>
        <translation>Ligne %1 : ENABLED dans [%2] vaut 1 (pédale d’embrayage activée) ou 0 (désactivée).</translation>
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
        <translation>Usage : kest-setting [--lang CODE] [--trace FICHIER]
Règle le pédalier Kest Labs RM25 : les pédales en direct, les zones mortes, l&apos;étalonnage,
les courbes de réponse, les profils gardés dans le pédalier et les mises à jour du firmware.

  --lang CODE      la langue des textes : de, fr, es, it, pt_BR, ja ; en pour l&apos;anglais
  --trace FICHIER  ajoute chaque échange avec le pédalier à FICHIER, pour signaler un problème
  --help           affiche cette aide et termine
  --version        affiche la version du programme et termine
Les options propres à Qt (comme -platform) sont transmises à Qt.

Les réglages sont gardés dans le pédalier. Avant chaque changement qui ne peut être
annulé (une importation, une suppression, l&apos;effacement de la flash, une mise à jour du
firmware), une sauvegarde des réglages du pédalier est enregistrée dans :
  %1
kestctl(1) fait de même depuis un terminal.
</translation>
    </message>
</context>
<context>
    <name>kest::AutoSwitch</name>
    <message>
        <source>Stopped while %1 runs.</source>
        <translation>Arrêté pendant que %1 tourne.</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 s’est terminé.</translation>
    </message>
    <message>
        <source>%1 is running (%2).</source>
        <translation>%1 tourne (%2).</translation>
    </message>
    <message>
        <source>No pedal unit: the profiles switch once it is plugged in.</source>
        <translation>Aucun pédalier : les profils changeront dès qu’il sera branché.</translation>
    </message>
    <message>
        <source>The profiles could not be read from the pedal unit; the switch is tried again.</source>
        <translation>Les profils n’ont pas pu être lus dans le pédalier ; le changement sera retenté.</translation>
    </message>
    <message>
        <source>%1 has no profile called &quot;%2&quot;; it keeps its profile.</source>
        <translation>%1 n’a pas de profil nommé « %2 » ; la pédale garde son profil.</translation>
    </message>
    <message>
        <source>The switch is tried again.</source>
        <translation>Le changement sera retenté.</translation>
    </message>
    <message>
        <source>In effect now: %1.</source>
        <translation>En vigueur maintenant : %1.</translation>
    </message>
</context>
<context>
    <name>kest::KestUnit</name>
    <message>
        <source>The deadzones were not saved: the pedal unit did not take them. It keeps the deadzones it had.</source>
        <translation>Les zones mortes n’ont pas été enregistrées : le pédalier ne les a pas acceptées. Il garde les zones mortes qu’il avait.</translation>
    </message>
    <message>
        <source>The clutch setting was not changed: the pedal unit did not answer. It keeps the setting it had.</source>
        <translation>Le réglage de l’embrayage n’a pas été modifié : le pédalier n’a pas répondu. Il garde le réglage qu’il avait.</translation>
    </message>
    <message>
        <source>The calibration did not start: the pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>Le calibrage n’a pas démarré : le pédalier n’a pas répondu. Il garde le calibrage qu’il avait.</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not answer. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>Le calibrage n’a pas été enregistré : le pédalier n’a pas répondu. Il garde le calibrage qu’il avait ; appuyez sur ENREGISTRER pour réessayer.</translation>
    </message>
    <message>
        <source>Move the pedal through its whole travel, then save.</source>
        <translation>Parcourez toute la course de la pédale, puis enregistrez.</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not take it. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>Le calibrage n’a pas été enregistré : le pédalier ne l’a pas accepté. Il garde le calibrage qu’il avait ; appuyez sur ENREGISTRER pour réessayer.</translation>
    </message>
    <message>
        <source>The calibration was saved, but the pedal unit did not take the cleared deadzones of this pedal: it keeps the deadzones it had.</source>
        <translation>Le calibrage a été enregistré, mais le pédalier n’a pas accepté la remise à zéro des zones mortes de cette pédale : il garde les zones mortes qu’il avait.</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the calibration it had; plug it in again to bring it back.</source>
        <translation>Le pédalier n’a pas repris le calibrage qu’il avait ; rebranchez-le pour le rétablir.</translation>
    </message>
    <message>
        <source>The flash data was not cleared: the pedal unit did not take the command. It keeps the settings it had.</source>
        <translation>Les données flash n’ont pas été effacées : le pédalier n’a pas accepté la commande. Il garde les réglages qu’il avait.</translation>
    </message>
    <message>
        <source>A profile write to the pedal unit was cut off half-way: until the unit is plugged in again, its profile table reads otherwise than the unit keeps it.</source>
        <translation>Une écriture de profil vers le pédalier a été interrompue à mi-chemin : tant que le pédalier n’est pas rebranché, sa table de profils se lit autrement qu’il ne la garde.</translation>
    </message>
    <message>
        <source>The pedal unit did not take the choice of profile.</source>
        <translation>Le pédalier n’a pas accepté le choix du profil.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored; the pedal unit keeps the choice it had.</source>
        <translation>Le choix des profils actifs n’a pas été enregistré ; le pédalier garde le choix qu’il avait.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the pedal unit did not answer. It keeps the choice it had.</source>
        <translation>Le choix des profils actifs n’a pas été enregistré : le pédalier n’a pas répondu. Il garde le choix qu’il avait.</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the profile lists could not be read from the pedal unit. It keeps the choice it had.</source>
        <translation>Le choix des profils actifs n’a pas été enregistré : les listes de profils n’ont pas pu être lues sur le pédalier. Il garde le choix qu’il avait.</translation>
    </message>
    <message>
        <source>Can not save to DEFAULT, please use a different name.</source>
        <translation>Impossible d’enregistrer sous DEFAULT, veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>Please enter a profile name.</source>
        <translation>Veuillez saisir un nom de profil.</translation>
    </message>
    <message>
        <source>Profile name holds a character that cannot be stored (a zero byte or an unreadable character).</source>
        <translation>Le nom du profil contient un caractère qui ne peut pas être enregistré (un octet nul ou un caractère illisible).</translation>
    </message>
    <message>
        <source>Profile name is too long: 16 bytes at most (accented letters take two).</source>
        <translation>Le nom du profil est trop long : 16 octets au plus (une lettre accentuée en prend deux).</translation>
    </message>
    <message>
        <source>The profile was not saved.</source>
        <translation>Le profil n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>The profile was not saved: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>Le profil n’a pas été enregistré : les listes de profils n’ont pas pu être lues sur le pédalier. Il garde les profils qu’il avait.</translation>
    </message>
    <message>
        <source>The profile was not saved: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>Le profil n’a pas été enregistré : le pédalier n’a pas répondu. Il garde les profils qu’il avait.</translation>
    </message>
    <message>
        <source>Profile is full</source>
        <translation>Tous les emplacements de profil sont pris</translation>
    </message>
    <message>
        <source>The profile was saved, but the pedal unit did not store it as the active profile.</source>
        <translation>Le profil a été enregistré, mais le pédalier ne l’a pas retenu comme profil actif.</translation>
    </message>
    <message>
        <source>The profile was saved, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>Le profil a été enregistré, mais les listes de profils n’ont pas pu être relues sur le pédalier. Elles seront relues avant tout autre enregistrement.</translation>
    </message>
    <message>
        <source>DEFAULT can not be removed.</source>
        <translation>DEFAULT ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>The profile was not removed.</source>
        <translation>Le profil n’a pas été supprimé.</translation>
    </message>
    <message>
        <source>The profile was not removed: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>Le profil n’a pas été supprimé : les listes de profils n’ont pas pu être lues sur le pédalier. Il garde les profils qu’il avait.</translation>
    </message>
    <message>
        <source>The profile was not removed: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>Le profil n’a pas été supprimé : le pédalier n’a pas répondu. Il garde les profils qu’il avait.</translation>
    </message>
    <message>
        <source>The profile was removed, but the pedal unit did not store the new choice of active profiles.</source>
        <translation>Le profil a été supprimé, mais le pédalier n’a pas enregistré le nouveau choix de profils actifs.</translation>
    </message>
    <message>
        <source>The profiles were not exported.</source>
        <translation>Les profils n’ont pas été exportés.</translation>
    </message>
    <message>
        <source>The profiles were not exported: the profile lists could not be read from the pedal unit.</source>
        <translation>Les profils n’ont pas été exportés : les listes de profils n’ont pas pu être lues sur le pédalier.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Le fichier de profils n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The file that was there is kept as it was.</source>
        <translation>Le fichier existant est conservé tel quel.</translation>
    </message>
    <message>
        <source>The profiles were exported, except the one of no pedal in slot %1.</source>
        <translation>Les profils ont été exportés, sauf celui sans pédale de l’emplacement %1.</translation>
    </message>
    <message>
        <source>The profiles were exported except slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is.</source>
        <translation>Les profils ont été exportés sauf l’emplacement %1 : le nom que le pédalier y garde n’est pas un texte valide et ne reviendrait pas tel quel.</translation>
    </message>
    <message>
        <source>Please choose INI file</source>
        <translation>Veuillez choisir un fichier INI</translation>
    </message>
    <message>
        <source>INI file is not valid.</source>
        <translation>Le fichier INI n’est pas valide.</translation>
    </message>
    <message>
        <source>The import stopped after %1 of %2 profiles: the pedal unit did not answer. Its profile table is incomplete; please import the file again.</source>
        <translation>L’importation s’est arrêtée après %1 profils sur %2 : le pédalier n’a pas répondu. Sa table de profils est incomplète ; veuillez importer le fichier à nouveau.</translation>
    </message>
    <message>
        <source>The profiles were imported, but the pedal unit did not store the file&apos;s choice of active profiles.</source>
        <translation>Les profils ont été importés, mais le pédalier n’a pas enregistré le choix de profils actifs du fichier.</translation>
    </message>
    <message>
        <source>A backup of the unit&apos;s profiles, deadzones and calibration is saved first, to:
%1</source>
        <translation>Une sauvegarde des profils, zones mortes et calibrage du pédalier est d’abord enregistrée dans :
%1</translation>
    </message>
    <message>
        <source>No backup could be made. Nothing was changed.</source>
        <translation>Aucune sauvegarde n’a pu être faite. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>No backup could be made: the profile lists could not be read from the pedal unit. Nothing was changed.</source>
        <translation>Aucune sauvegarde n’a pu être faite : les listes de profils n’ont pas pu être lues depuis le pédalier. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its calibration and deadzones. Nothing was changed.</source>
        <translation>Aucune sauvegarde n’a pu être faite : le pédalier n’a pas donné son calibrage et ses zones mortes. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>No backup could be written to %1. Nothing was changed.</source>
        <translation>Aucune sauvegarde n’a pu être écrite dans %1. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>EMBRAYAGE</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>FREIN</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>ACCÉLÉRATEUR</translation>
    </message>
    <message>
        <source>%1 low %2 % and high %3 %</source>
        <translation>%1 bas %2 % et haut %3 %</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: it has no deadzones to set.</source>
        <translation>La pédale d’embrayage est désactivée : elle n’a pas de zones mortes à régler.</translation>
    </message>
    <message>
        <source>A deadzone is a whole percent from 0 to %1.</source>
        <translation>Une zone morte est un pourcentage entier de 0 à %1.</translation>
    </message>
    <message>
        <source>The deadzones were not saved: the pedal unit still reports the ones it had (%1). It keeps the deadzones it had.</source>
        <translation>Les zones mortes n’ont pas été enregistrées : le pédalier indique toujours celles qu’il avait (%1). Il garde les zones mortes qu’il avait.</translation>
    </message>
    <message>
        <source>Please save other channel calibrate first.</source>
        <translation>Enregistrez d’abord le calibrage de l’autre pédale.</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: switch it on first.</source>
        <translation>La pédale d’embrayage est désactivée : activez-la d’abord.</translation>
    </message>
    <message>
        <source>no travel seen yet</source>
        <translation>aucune course relevée</translation>
    </message>
    <message>
        <source>travel seen %1 to %2 (%3 %)</source>
        <translation>course relevée de %1 à %2 (%3 %)</translation>
    </message>
    <message>
        <source>Saving the %1 calibration also resets its deadzones: low %2 % and high %3 % go back to 0 %, and the new travel counts from 0 to 100 %. You can set them again on the INPUTS page afterwards.</source>
        <translation>Enregistrer le calibrage de %1 remet aussi ses zones mortes à zéro : basse %2 % et haute %3 % reviennent à 0 %, et la nouvelle course va de 0 à 100 %. Vous pourrez les régler de nouveau sur la page ENTRÉES.</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the deadzones of the %1: it still reports none, and keeps low %2 % and high %3 %; plug it in again to bring them back.</source>
        <translation>Le pédalier n’a pas repris les zones mortes de %1 : il n’en indique toujours aucune, et garde bas %2 % et haut %3 % ; rebranchez-le pour les rétablir.</translation>
    </message>
    <message>
        <source>Calibration cancelled: the %1 keeps the calibration it had.</source>
        <translation>Calibrage annulé : %1 garde le calibrage qu’il avait.</translation>
    </message>
    <message>
        <source>The settings it had are in the backup %1.</source>
        <translation>Les réglages qu’avait le pédalier sont dans la sauvegarde %1.</translation>
    </message>
    <message>
        <source>No backup could be written to %1.</source>
        <translation>Aucune sauvegarde n’a pu être écrite dans %1.</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its clutch setting. Nothing was changed.</source>
        <translation>Aucune sauvegarde n’a pu être faite : le pédalier n’a pas donné son réglage de l’embrayage. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The profiles were not switched.</source>
        <translation>Les profils n’ont pas été changés.</translation>
    </message>
    <message>
        <source>The profiles were not switched: the profile lists could not be read from the pedal unit.</source>
        <translation>Les profils n’ont pas été changés : les listes de profils n’ont pas pu être lues sur le pédalier.</translation>
    </message>
    <message>
        <source>The %1 has no profile called &quot;%2&quot;.</source>
        <translation>%1 n’a pas de profil nommé « %2 ».</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the profile lists could not be read from the pedal unit.</source>
        <translation>Les profils en vigueur auparavant n’ont pas été remis : les listes de profils n’ont pas pu être lues sur le pédalier.</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the pedal unit did not take them.</source>
        <translation>Les profils en vigueur auparavant n’ont pas été remis : le pédalier ne les a pas acceptés.</translation>
    </message>
    <message>
        <source>The backup&apos;s calibration of the %1 runs from %2 to %3: its low bound must be below its high bound.</source>
        <translation>Le calibrage de %1 dans la sauvegarde va de %2 à %3 : sa borne basse doit être inférieure à sa borne haute.</translation>
    </message>
    <message>
        <source>The backup&apos;s deadzones of the %1 (low %2 %, high %3 %) lie beyond the handles&apos; travel of 0 to %4 %.</source>
        <translation>Les zones mortes de %1 dans la sauvegarde (basse %2 %, haute %3 %) dépassent la course des poignées, de 0 à %4 %.</translation>
    </message>
    <message>
        <source>%1 holds profiles only: it is no backup of the unit&apos;s settings.</source>
        <translation>%1 ne contient que des profils : ce n’est pas une sauvegarde des réglages du pédalier.</translation>
    </message>
    <message>
        <source>The backup is not whole: its section [%1] has no key %2.</source>
        <translation>La sauvegarde est incomplète : sa section [%1] n’a pas de clé %2.</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel):</source>
        <translation>Calibrage (brut, % de la course) :</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2 (%3 %) à %4 (%5 %)</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw):</source>
        <translation>Zones mortes (% comme les poignées les affichent, brut) :</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3), high %4 % (%5)</source>
        <translation>%1 bas %2 % (%3), haut %4 % (%5)</translation>
    </message>
    <message>
        <source>Clutch pedal: on</source>
        <translation>Pédale d’embrayage : activée</translation>
    </message>
    <message>
        <source>Clutch pedal: off</source>
        <translation>Pédale d’embrayage : désactivée</translation>
    </message>
    <message>
        <source>A calibration is under way: save or cancel it first.</source>
        <translation>Un calibrage est en cours : enregistrez-le ou annulez-le d’abord.</translation>
    </message>
    <message>
        <source>clutch setting</source>
        <translation>réglage de l’embrayage</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibrage</translation>
    </message>
    <message>
        <source>deadzones</source>
        <translation>zones mortes</translation>
    </message>
    <message>
        <source>profiles</source>
        <translation>profils</translation>
    </message>
    <message>
        <source>choice of active profiles</source>
        <translation>choix des profils actifs</translation>
    </message>
    <message>
        <source>profiles of slots 0 to %1</source>
        <translation>profils des emplacements 0 à %1</translation>
    </message>
    <message>
        <source>profiles of slots %1 to 15</source>
        <translation>profils des emplacements %1 à 15</translation>
    </message>
    <message>
        <source>The restore stopped part-way: the pedal unit did not answer.</source>
        <translation>La restauration s’est arrêtée en cours de route : le pédalier n’a pas répondu.</translation>
    </message>
    <message>
        <source>It has the backup&apos;s %1.</source>
        <translation>Il a repris de la sauvegarde : %1.</translation>
    </message>
    <message>
        <source>It keeps the %1 it had.</source>
        <translation>Il garde comme avant : %1.</translation>
    </message>
    <message>
        <source>The backup was restored, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>La sauvegarde a été restaurée, mais les listes de profils n’ont pas pu être relues sur le pédalier. Elles seront relues avant tout autre enregistrement.</translation>
    </message>
    <message>
        <source>The backup holds no clutch setting (it was made before backups kept it): the unit keeps the one it had.</source>
        <translation>La sauvegarde ne contient pas de réglage de l’embrayage (elle date d’avant que les sauvegardes le gardent) : le pédalier garde celui qu’il avait.</translation>
    </message>
    <message>
        <source>The backup leaves out slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is. A restore of this backup clears the slot.</source>
        <translation>La sauvegarde laisse de côté l’emplacement %1 : le nom que le pédalier y garde n’est pas un texte valide et ne reviendrait pas tel quel. Une restauration de cette sauvegarde vide l’emplacement.</translation>
    </message>
</context>
<context>
    <name>kest::UpdateClient</name>
    <message>
        <source>a minute</source>
        <translation>une minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Update check failed: the update server did not answer in %1.</source>
        <translation>Recherche de MAJ échouée : pas de réponse en %1.</translation>
    </message>
    <message>
        <source>Update check failed: the update server could not be reached.</source>
        <translation>Recherche de MAJ échouée : serveur injoignable.</translation>
    </message>
    <message>
        <source>Update check failed: the update server&apos;s answer could not be read.</source>
        <translation>Recherche de MAJ échouée : réponse illisible.</translation>
    </message>
    <message>
        <source>No valid device.</source>
        <translation>Aucun appareil valide.</translation>
    </message>
    <message>
        <source>Your firmware is already up to date.</source>
        <translation>Votre firmware est déjà à jour.</translation>
    </message>
    <message>
        <source>A new firmware is available: %1 (the unit has %2)</source>
        <translation>Un nouveau firmware est disponible : %1 (le pédalier a %2)</translation>
    </message>
    <message>
        <source>Download file fail.</source>
        <translation>Échec du téléchargement.</translation>
    </message>
    <message>
        <source>Download given up: the firmware did not arrive within %1.</source>
        <translation>Firmware non reçu en %1 : téléchargement abandonné.</translation>
    </message>
    <message>
        <source>Can not write to temp.</source>
        <translation>Impossible d’écrire dans le dossier temporaire.</translation>
    </message>
</context>
<context>
    <name>kestctl</name>
    <message>
        <source>The pedal unit did not tell its firmware version.</source>
        <translation>Le pédalier n’a pas indiqué sa version de firmware.</translation>
    </message>
    <message>
        <source>Image: %1</source>
        <translation>Image : %1</translation>
    </message>
    <message>
        <source>MD5:   %1</source>
        <translation>MD5 :   %1</translation>
    </message>
    <message>
        <source>usage: kestctl firmware check | update FILE</source>
        <translation>usage : kestctl firmware check | update FILE</translation>
    </message>
    <message>
        <source>watch takes no arguments</source>
        <translation>watch ne prend pas d’arguments</translation>
    </message>
    <message>
        <source>the pedal unit is back</source>
        <translation>le pédalier est de retour</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged; waiting for it (Ctrl-C ends)</source>
        <translation>le pédalier a été débranché ; en attente (Ctrl-C arrête)</translation>
    </message>
    <message>
        <source>usage: kestctl calibrate PEDAL</source>
        <translation>usage : kestctl calibrate PEDAL</translation>
    </message>
    <message>
        <source>unknown pedal &apos;%1&apos;: clutch, brake or throttle</source>
        <translation>pédale inconnue « %1 » : clutch, brake ou throttle</translation>
    </message>
    <message>
        <source>The pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>Le pédalier n’a pas répondu. Il garde le calibrage qu’il avait.</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then press Enter to save (Ctrl-C cancels; the pedal then keeps the calibration it had).</source>
        <translation>%1 : enfoncez la pédale à fond, laissez-la remonter, puis appuyez sur Entrée pour enregistrer (Ctrl-C annule ; la pédale garde alors le calibrage qu’elle avait).</translation>
    </message>
    <message>
        <source>The pedal unit was unplugged during the calibration. It keeps the calibration it had.</source>
        <translation>Le pédalier a été débranché pendant le calibrage. Il garde le calibrage qu’il avait.</translation>
    </message>
    <message>
        <source>Input ended before Enter: the calibration was cancelled. The pedal keeps the calibration it had.</source>
        <translation>L’entrée s’est terminée avant Entrée : le calibrage a été annulé. La pédale garde le calibrage qu’elle avait.</translation>
    </message>
    <message>
        <source>(Enter saves, Ctrl-C cancels)</source>
        <translation>(Entrée enregistre, Ctrl-C annule)</translation>
    </message>
    <message>
        <source>(Enter tries again, Ctrl-C cancels)</source>
        <translation>(Entrée réessaie, Ctrl-C annule)</translation>
    </message>
    <message>
        <source>%1 calibrated: the unit keeps %2 to %3.</source>
        <translation>%1 calibré : le pédalier garde %2 à %3.</translation>
    </message>
    <message>
        <source>%1 needs a value (kestctl --help)</source>
        <translation>%1 demande une valeur (kestctl --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (kestctl --help)</source>
        <translation>option inconnue « %1 » (kestctl --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (kestctl --help)</source>
        <translation>commande inconnue « %1 » (kestctl --help)</translation>
    </message>
    <message>
        <source>more than one pedal has a profile called &quot;%1&quot;: name one with --pedal</source>
        <translation>plusieurs pédales ont un profil nommé « %1 » : choisissez-en une avec --pedal</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; (kestctl profile list)</source>
        <translation>aucun profil nommé « %1 » (kestctl profile list)</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; for the %2 (kestctl profile list)</source>
        <translation>aucun profil nommé « %1 » pour %2 (kestctl profile list)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>save needs --curve with five points from 0 to 100, as 17,33,50,67,83</source>
        <translation>save demande --curve avec cinq points de 0 à 100, comme 17,33,50,67,83</translation>
    </message>
    <message>
        <source>%1 exists: add --yes to replace it</source>
        <translation>%1 existe : ajoutez --yes pour le remplacer</translation>
    </message>
    <message>
        <source>%1 is not a profile file (*.ini)</source>
        <translation>%1 n’est pas un fichier de profils (*.ini)</translation>
    </message>
    <message>
        <source>The profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>Les listes de profils n’ont pas pu être lues dans le pédalier. Il garde les profils qu’il avait.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is the active profile.</source>
        <translation>%1 : « %2 » est le profil actif.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was removed.</source>
        <translation>%1 : « %2 » a été supprimé.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is saved and is the active profile.</source>
        <translation>%1 : « %2 » est enregistré et c’est le profil actif.</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>Profils écrits dans %1.</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>Profils importés depuis %1.</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read.</source>
        <translation>Le pédalier a été trouvé mais n’a pas répondu à toutes les lectures.</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3)  high %4 % (%5)</source>
        <translation>%1 bas %2 % (%3)  haut %4 % (%5)</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info ne prend pas d’arguments</translation>
    </message>
    <message>
        <source>Firmware version: %1</source>
        <translation>Version du firmware : %1</translation>
    </message>
    <message>
        <source>Clutch pedal:     %1</source>
        <translation>Pédale d’embrayage :  %1</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activée</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel)</source>
        <translation>Calibrage (brut, % de la course)</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2 (%3 %) à %4 (%5 %)</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw)</source>
        <translation>Zones mortes (% comme les poignées les affichent, brut)</translation>
    </message>
    <message>
        <source>Profiles (* active)</source>
        <translation>Profils (* actif)</translation>
    </message>
    <message>
        <source>Active profiles</source>
        <translation>Profils actifs</translation>
    </message>
    <message>
        <source>%1 (slot %2)</source>
        <translation>%1 (emplacement %2)</translation>
    </message>
    <message>
        <source>usage: kestctl deadzone [PEDAL [LOW HIGH]]</source>
        <translation>usage : kestctl deadzone [PEDAL [LOW HIGH]]</translation>
    </message>
    <message>
        <source>%1 must be a whole percent from 0 to %2, not &apos;%3&apos;</source>
        <translation>%1 doit être un pourcentage entier de 0 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>(clutch off)</source>
        <translation>(embrayage désactivé)</translation>
    </message>
    <message>
        <source>usage: kestctl clutch [on|off]</source>
        <translation>usage : kestctl clutch [on|off]</translation>
    </message>
    <message>
        <source>Clutch pedal: %1</source>
        <translation>Pédale d’embrayage : %1</translation>
    </message>
    <message>
        <source>clear-flash takes no arguments</source>
        <translation>clear-flash ne prend pas d’arguments</translation>
    </message>
    <message>
        <source>clear-flash deletes every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>clear-flash efface tous les réglages du pédalier : confirmez avec --yes hors d’un terminal</translation>
    </message>
    <message>
        <source>Nothing was cleared.</source>
        <translation>Rien n’a été effacé.</translation>
    </message>
    <message>
        <source>Backup of the unit&apos;s settings: %1</source>
        <translation>Sauvegarde des réglages du pédalier : %1</translation>
    </message>
    <message>
        <source>firmware update sends the file to the unit, which cannot check it: confirm with --yes when not asked on a terminal</source>
        <translation>firmware update envoie le fichier au pédalier, qui ne peut pas le vérifier : confirmez avec --yes hors d’un terminal</translation>
    </message>
    <message>
        <source>Nothing was sent to the unit.</source>
        <translation>Rien n’a été envoyé au pédalier.</translation>
    </message>
    <message>
        <source>This operation will delete all the settings stored in the device flash memory. Continue?</source>
        <translation>Cette opération efface tous les réglages enregistrés dans la mémoire flash de l’appareil. Continuer ?</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>IGNORÉ</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Solution : %1</translation>
    </message>
    <message>
        <source>Install the kest-setting package, or where /usr is read-only the rule by hand: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; then load it with sudo udevadm control --reload &amp;&amp; sudo udevadm trigger, or plug the unit in again. The rule gives access to the user logged in at the seat only (more in %2).</source>
        <translation>Installez le paquet kest-setting ou, là où /usr est en lecture seule, la règle à la main : kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1 ; puis chargez-la avec sudo udevadm control --reload &amp;&amp; sudo udevadm trigger, ou rebranchez le pédalier. La règle donne accès au seul utilisateur connecté au poste (plus d’informations dans %2).</translation>
    </message>
    <message>
        <source>%1 is this version&apos;s rule.</source>
        <translation>%1 est la règle de cette version.</translation>
    </message>
    <message>
        <source>%1 differs from this version&apos;s rule.</source>
        <translation>%1 diffère de la règle de cette version.</translation>
    </message>
    <message>
        <source>The udev rule %1 is not installed.</source>
        <translation>La règle udev %1 n’est pas installée.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again.</source>
        <translation>Débranchez le pédalier et rebranchez-le.</translation>
    </message>
    <message>
        <source>The firmware is %1. Whether it is the newest was not checked: the update server could not be reached.</source>
        <translation>Le firmware est %1. Il n’a pas été vérifié s’il est le plus récent : le serveur de mises à jour est injoignable.</translation>
    </message>
    <message>
        <source>The firmware is %1; %2 is available.</source>
        <translation>Le firmware est %1 ; %2 est disponible.</translation>
    </message>
    <message>
        <source>Update it on the DEVICE page, or with kestctl firmware update FILE (kestctl firmware check says where the image is).</source>
        <translation>Mettez-le à jour sur la page APPAREIL, ou avec kestctl firmware update FICHIER (kestctl firmware check indique où se trouve l’image).</translation>
    </message>
    <message>
        <source>The firmware %1 is the newest.</source>
        <translation>Le firmware %1 est le plus récent.</translation>
    </message>
    <message>
        <source>No pedal unit on USB.</source>
        <translation>Aucun pédalier sur l’USB.</translation>
    </message>
    <message>
        <source>%1 (%2:%3) is on USB %4.</source>
        <translation>%1 (%2:%3) est sur l’USB %4.</translation>
    </message>
    <message>
        <source>The kernel made no hidraw node for the unit.</source>
        <translation>Le noyau n’a créé aucun nœud hidraw pour le pédalier.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; sudo dmesg says why the node is missing.</source>
        <translation>Débranchez le pédalier et rebranchez-le ; sudo dmesg indique pourquoi le nœud manque.</translation>
    </message>
    <message>
        <source>This user cannot open the unit&apos;s hidraw node %1: %2.</source>
        <translation>Cet utilisateur ne peut pas ouvrir le nœud hidraw %1 du pédalier : %2.</translation>
    </message>
    <message>
        <source>This user can open the unit&apos;s hidraw node %1.</source>
        <translation>Cet utilisateur peut ouvrir le nœud hidraw %1 du pédalier.</translation>
    </message>
    <message>
        <source>Only this user&apos;s programs could be looked at.</source>
        <translation>Seuls les programmes de cet utilisateur ont pu être examinés.</translation>
    </message>
    <message>
        <source>No other program has %1 open.</source>
        <translation>Aucun autre programme n’a ouvert %1.</translation>
    </message>
    <message>
        <source>%1 is open in: %2.</source>
        <translation>%1 est ouvert dans : %2.</translation>
    </message>
    <message>
        <source>Close these programs while kestctl or the window talks to the unit: two programs exchanging reports with it at once mix up its replies.</source>
        <translation>Fermez ces programmes pendant que kestctl ou la fenêtre dialogue avec le pédalier : deux programmes qui échangent des rapports avec lui en même temps mélangent ses réponses.</translation>
    </message>
    <message>
        <source>The unit has no input device: games find no pedals.</source>
        <translation>Le pédalier n’a pas de périphérique d’entrée : les jeux ne trouvent aucune pédale.</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; if it stays missing, sudo dmesg says why (the usbhid and hid-generic modules must be loaded).</source>
        <translation>Débranchez le pédalier et rebranchez-le ; s’il manque toujours, sudo dmesg indique pourquoi (les modules usbhid et hid-generic doivent être chargés).</translation>
    </message>
    <message>
        <source>The unit&apos;s input device is %1.</source>
        <translation>Le périphérique d’entrée du pédalier est %1.</translation>
    </message>
    <message>
        <source>%1 is marked as a joystick (ID_INPUT_JOYSTICK=1).</source>
        <translation>%1 est marqué comme joystick (ID_INPUT_JOYSTICK=1).</translation>
    </message>
    <message>
        <source>%1 is not marked as a joystick (ID_INPUT_JOYSTICK): games and Steam do not see the pedals.</source>
        <translation>%1 n’est pas marqué comme joystick (ID_INPUT_JOYSTICK) : les jeux et Steam ne voient pas les pédales.</translation>
    </message>
    <message>
        <source>This user can read %1.</source>
        <translation>Cet utilisateur peut lire %1.</translation>
    </message>
    <message>
        <source>This user cannot read %1.</source>
        <translation>Cet utilisateur ne peut pas lire %1.</translation>
    </message>
    <message>
        <source>The firmware was not checked: the unit cannot be opened.</source>
        <translation>Le firmware n’a pas été vérifié : le pédalier ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>usage: kestctl doctor [--print-rules]</source>
        <translation>usage : kestctl doctor [--print-rules]</translation>
    </message>
    <message>
        <source>doctor checks a Linux system with udev.</source>
        <translation>doctor vérifie un système Linux avec udev.</translation>
    </message>
    <message>
        <source>Calibrate and reset them?</source>
        <translation>Calibrer et les remettre à zéro ?</translation>
    </message>
    <message>
        <source>calibrate resets the %1 deadzones (low %2 % and high %3 %): confirm with --yes when not asked on a terminal</source>
        <translation>calibrate remet à zéro les zones mortes de %1 (bas %2 % et haut %3 %) : confirmez avec --yes hors d’un terminal</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1 is open in: %2, which take turns with kestctl through the unit&apos;s lock.</source>
        <translation>%1 est ouvert dans : %2, qui alternent avec kestctl grâce au verrou du pédalier.</translation>
    </message>
    <message>
        <source>Service:     %1: no systemd for this user</source>
        <translation>Service :           %1 : pas de systemd pour cet utilisateur</translation>
    </message>
    <message>
        <source>Service:     %1: %2, %3</source>
        <translation>Service :           %1 : %2, %3</translation>
    </message>
    <message>
        <source>Rules file:  %1</source>
        <translation>Fichier de règles : %1</translation>
    </message>
    <message>
        <source>Watching:    no</source>
        <translation>Surveillance :      non</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), no game running</source>
        <translation>Surveillance :      oui (processus %1), aucun jeu en cours</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), %2 running since %3%4</source>
        <translation>Surveillance :      oui (processus %1), %2 en cours depuis %3%4</translation>
    </message>
    <message>
        <source> (its profiles wait for the unit)</source>
        <translation> (ses profils attendent le pédalier)</translation>
    </message>
    <message>
        <source>usage: kestctl autoswitch [--status]</source>
        <translation>usage : kestctl autoswitch [--status]</translation>
    </message>
    <message>
        <source>See kestctl(1), AUTOMATIC SWITCHING.</source>
        <translation>Voir kestctl(1), AUTOMATIC SWITCHING.</translation>
    </message>
    <message>
        <source>%1 holds no rules.</source>
        <translation>%1 ne contient aucune règle.</translation>
    </message>
    <message>
        <source>autoswitch runs already (process %1)</source>
        <translation>autoswitch tourne déjà (processus %1)</translation>
    </message>
    <message>
        <source>Watching for the games in %1 (Ctrl-C ends).</source>
        <translation>Surveillance des jeux de %1 (Ctrl-C arrête).</translation>
    </message>
    <message>
        <source>usage: kestctl backup [FILE] [--yes]</source>
        <translation>usage : kestctl backup [FILE] [--yes]</translation>
    </message>
    <message>
        <source>usage: kestctl restore FILE [--yes]</source>
        <translation>usage : kestctl restore FILE [--yes]</translation>
    </message>
    <message>
        <source>Restore everything %1 holds? It replaces all 16 profiles on the unit, the choice of active profiles and these settings:</source>
        <translation>Restaurer tout ce que contient %1 ? Cela remplace les 16 profils du pédalier, le choix des profils actifs et ces réglages :</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Continuer ?</translation>
    </message>
    <message>
        <source>restore replaces every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>restore remplace tous les réglages du pédalier : confirmez avec --yes hors d’un terminal</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>Rien n’a été restauré.</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>Profils et réglages restaurés depuis %1.</translation>
    </message>
    <message>
        <source>usage: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</source>
        <translation>usage : kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</translation>
    </message>
    <message>
        <source>the profiles were not switched: %1</source>
        <translation>les profils n’ont pas été changés : %1</translation>
    </message>
    <message>
        <source>the pedal unit is attached, but the profiles were not switched: %1</source>
        <translation>le pédalier est branché, mais les profils n’ont pas été changés : %1</translation>
    </message>
    <message>
        <source>the pedal unit is back; the profiles are switched again</source>
        <translation>le pédalier est de retour ; les profils sont de nouveau changés</translation>
    </message>
    <message>
        <source>the pedal unit is attached; the profiles are switched</source>
        <translation>le pédalier est branché ; les profils sont changés</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 n’a pas pu être lancé : %2</translation>
    </message>
    <message>
        <source>usage: kestctl record FILE [--seconds N]</source>
        <translation>usage : kestctl record FILE [--seconds N]</translation>
    </message>
    <message>
        <source>--seconds takes a time in seconds above 0, as 3 or 0.5</source>
        <translation>--seconds prend une durée en secondes supérieure à 0, comme 3 ou 0.5</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged: the recording ends there</source>
        <translation>le pédalier a été débranché : l’enregistrement s’arrête là</translation>
    </message>
    <message>
        <source>recorded %1 reports in %2 s (%3 reports/s)</source>
        <translation>%1 rapports enregistrés en %2 s (%3 rapports/s)</translation>
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
        <translation>usage : kestctl [--json] COMMANDE [ARGUMENTS...]

Commandes :
  info                          firmware, embrayage, calibrage, zones mortes, profils
  watch                         positions des pédales en direct jusqu’à Ctrl-C
  record FILE [--seconds N]     chaque rapport d’entrée avec son horodatage, en CSV,
                                jusqu’à Ctrl-C ou N s ; --json : lignes JSON ;
                                FILE - est stdout ; --yes remplace un fichier existant
  deadzone [PEDAL [LOW HIGH]]   afficher, ou régler en % (0-21 de chaque bout)
  clutch [on|off]               afficher, ou activer/désactiver l’embrayage
  calibrate PEDAL [--yes]       apprendre la course d’une pédale (Entrée enregistre)
  profile list
  profile apply NAME [--pedal P]
  profile save PEDAL NAME --curve C1,C2,C3,C4,C5
  profile remove NAME [--pedal P]
  profile export FILE [--yes]   --yes remplace un fichier existant
  profile import FILE
  backup [FILE] [--yes]         sauvegarder tous les réglages du pédalier (sans
                                FILE : un nouveau fichier dans le dossier des
                                sauvegardes)
  restore FILE [--yes]          remettre tout ce que contient une sauvegarde
  firmware check                chercher un firmware plus récent sur le serveur
  firmware update FILE [--yes]  écrire une image de firmware (.bin) dans le pédalier
  clear-flash [--yes]           effacer tous les réglages du pédalier
  doctor [--print-rules]        chercher ce qui empêche kestctl d’atteindre le
                                pédalier ou les jeux de voir les pédales ;
                                --print-rules affiche la règle udev
  autoswitch [--status]         changer de profils tant qu’un jeu du fichier de
                                règles (~/.config/kest-setting/autoswitch.ini)
                                tourne, jusqu’à Ctrl-C ; --status : le service,
                                les règles, le jeu actif en ce moment

PEDAL vaut clutch, brake ou throttle. Options : --json (sortie lisible par une
machine sur stdout), --trace FILE (chaque échange avec le pédalier, pour signaler
un problème), --lang CODE (de, fr, es, it, pt_BR, ja ; en pour l’anglais), --help,
--version.
Code de sortie : 0 fait ; 1 saisie incorrecte ou refusée, rien n’a été envoyé ;
2 le pédalier a échoué en cours de route (le message dit ce qu’il garde) ; 3 pas de
pédalier, ou pas d’accès à celui-ci.
Voir kestctl(1).
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
Profils pour un jeu (en vigueur tant qu’il tourne ; le pédalier garde son choix
enregistré) :
  profile apply NAME [--pedal P] --for-now
                                mettre le profil en vigueur sans l’enregistrer ;
                                affiche le choix qui était en vigueur avant
  launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]
                                lancer COMMAND avec ces profils, puis remettre
                                ceux d’avant ; se termine avec le code de sortie
                                de COMMAND. Dans les options de lancement de Steam :
                                kestctl launch --brake NAME -- %command%
</translation>
    </message>
    <message>
        <source>--clutch, --brake and --throttle are for launch (kestctl --help)</source>
        <translation>--clutch, --brake et --throttle sont pour launch (kestctl --help)</translation>
    </message>
    <message>
        <source>--for-now is for profile apply (kestctl --help)</source>
        <translation>--for-now est pour profile apply (kestctl --help)</translation>
    </message>
    <message>
        <source>usage: kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME --curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | import FILE</source>
        <translation>usage : kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME --curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | import FILE</translation>
    </message>
    <message>
        <source>Before: %1</source>
        <translation>Avant : %1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is in effect for now; the unit keeps its stored choice.</source>
        <translation>%1 : « %2 » est en vigueur pour l’instant ; le pédalier garde son choix enregistré.</translation>
    </message>
    <message>
        <source>the profiles in effect before were not put back: %1</source>
        <translation>les profils en vigueur auparavant n’ont pas été remis : %1</translation>
    </message>
</context>
</TS>
