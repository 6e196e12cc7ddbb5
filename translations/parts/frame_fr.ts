<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Quillbox</source>
        <translation>À propos de Quillbox</translation>
    </message>
    <message>
        <source>Quillbox &amp;Version</source>
        <translation>&amp;Version de Quillbox</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>CCardDavAccountDlg</name>
    <message>
        <source>Address Book Account</source>
        <translation>Compte du carnet d'adresses</translation>
    </message>
    <message>
        <source>Quillbox keeps its address book in step with one address book on a CardDAV server. Give the server's name (or the address book's URL), your user name and your password.</source>
        <translation>Quillbox garde son carnet d'adresses en accord avec un carnet d'adresses sur un serveur CardDAV. Indiquez le nom du serveur (ou l'URL du carnet d'adresses), votre nom d'utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <source>A host name, such as dav.example.org, or the URL of an address book</source>
        <translation>Un nom d'hôte, comme dav.example.org, ou l'URL d'un carnet d'adresses</translation>
    </message>
    <message>
        <source>Your user name on the server</source>
        <translation>Votre nom d'utilisateur sur le serveur</translation>
    </message>
    <message>
        <source>Kept in the system's keychain, never written to a file</source>
        <translation>Conservé dans le trousseau du système, jamais écrit dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Address book:</source>
        <translation>&amp;Carnet d'adresses :</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d'&amp;utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>Looking for the address books on the server...</source>
        <translation>Recherche des carnets d'adresses sur le serveur...</translation>
    </message>
</context>
<context>
    <name>CCardDavSyncDriver</name>
    <message>
        <source>Quillbox was built without the keychain</source>
        <translation>Quillbox a été compilé sans le trousseau</translation>
    </message>
    <message>
        <source>%1.
The address book's password is never written to a file: Quillbox asks for it again at its next start.</source>
        <translation>%1.
Le mot de passe du carnet d'adresses n'est jamais écrit dans un fichier : Quillbox le redemandera au prochain démarrage.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop synchronizing the address book</source>
        <translation>Arrêter la synchronisation du carnet d'adresses</translation>
    </message>
    <message>
        <source>Cancelling the address book's synchronization...</source>
        <translation>Annulation de la synchronisation du carnet d'adresses...</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>sending cards</source>
        <translation>envoi des cartes</translation>
    </message>
    <message>
        <source>deleting cards</source>
        <translation>suppression des cartes</translation>
    </message>
    <message>
        <source>reading the server</source>
        <translation>lecture du serveur</translation>
    </message>
    <message>
        <source>%1: %2 (request %3)...</source>
        <translation>%1 : %2 (requête %3)...</translation>
    </message>
    <message>
        <source>Give the server and the user name.</source>
        <translation>Indiquez le serveur et le nom d'utilisateur.</translation>
    </message>
    <message>
        <source>Looking for the address books</source>
        <translation>Recherche des carnets d'adresses</translation>
    </message>
    <message>
        <source>Address Book Account</source>
        <translation>Compte du carnet d'adresses</translation>
    </message>
    <message numerus="yes">
        <source>The server has %n address books: choose the one to keep in step, then OK.</source>
        <translation><numerusform>Le serveur a %n carnet d'adresses : choisissez celui à garder en accord, puis OK.</numerusform><numerusform>Le serveur a %n carnets d'adresses : choisissez celui à garder en accord, puis OK.</numerusform></translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Le mot de passe n'a pas pu être conservé : %1</translation>
    </message>
    <message>
        <source>Synchronizing the address book</source>
        <translation>Synchronisation du carnet d'adresses</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>%1 of the %2 contacts in Quillbox</source>
        <translation>%1 des %2 contacts dans Quillbox</translation>
    </message>
    <message>
        <source>%1 of the %2 contacts on the server</source>
        <translation>%1 des %2 contacts sur le serveur</translation>
    </message>
    <message>
        <source>Synchronize Address Book would delete %1.
Synchronize all the same?</source>
        <translation>Synchroniser le carnet d'adresses supprimerait %1.
Synchroniser quand même ?</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The address book's server could not be reached: %1.</source>
        <translation>Le serveur du carnet d'adresses est injoignable : %1.</translation>
    </message>
    <message>
        <source>The server refused the login: check the user name and the password in File &gt; Address Book Account... (%1).</source>
        <translation>Le serveur a refusé la connexion : vérifiez le nom d'utilisateur et le mot de passe dans Fichier &gt; Compte du carnet d'adresses... (%1).</translation>
    </message>
    <message>
        <source>No CardDAV address book was found there: %1.</source>
        <translation>Aucun carnet d'adresses CardDAV n'a été trouvé à cet endroit : %1.</translation>
    </message>
    <message>
        <source>The server refused a card or a request: %1.</source>
        <translation>Le serveur a refusé une carte ou une requête : %1.</translation>
    </message>
    <message>
        <source>Nothing was changed in Quillbox's address book.</source>
        <translation>Rien n'a été modifié dans le carnet d'adresses de Quillbox.</translation>
    </message>
    <message>
        <source>Synchronize Address Book cancelled. %1</source>
        <translation>Synchronisation du carnet d'adresses annulée. %1</translation>
    </message>
    <message>
        <source>Synchronize Address Book failed.</source>
        <translation>La synchronisation du carnet d'adresses a échoué.</translation>
    </message>
    <message>
        <source>Synchronize Address Book stopped.</source>
        <translation>La synchronisation du carnet d'adresses a été arrêtée.</translation>
    </message>
    <message>
        <source>The address book was changed while it was being synchronized, so the server's side was not put in place.
Synchronize Address Book again to merge both.</source>
        <translation>Le carnet d'adresses a été modifié pendant sa synchronisation : la version du serveur n'a donc pas été mise en place.
Synchronisez de nouveau le carnet d'adresses pour fusionner les deux.</translation>
    </message>
    <message>
        <source>The merged address book does not fit (error %1).
%2</source>
        <translation>Le carnet d'adresses fusionné ne tient pas (erreur %1).
%2</translation>
    </message>
    <message>
        <source>Address book synchronized: %1 cards sent, %2 deleted on the server, %3 read from it.</source>
        <translation>Carnet d'adresses synchronisé : %1 cartes envoyées, %2 supprimées sur le serveur, %3 lues depuis celui-ci.</translation>
    </message>
    <message>
        <source>These cards stay on the server, for the address book cannot hold them:
%1</source>
        <translation>Ces cartes restent sur le serveur, car le carnet d'adresses ne peut pas les contenir :
%1</translation>
    </message>
    <message>
        <source>Synchronize Address Book</source>
        <translation>Synchroniser le carnet d'adresses</translation>
    </message>
</context>
<context>
    <name>CFindPagerDlg</name>
    <message>
        <source>Find the pager</source>
        <translation>Rechercher le pager</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>The ports where a pager answered, then the others, greyed, with the reason</source>
        <translation>Les ports où un pager a répondu, puis les autres, grisés, avec la raison</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Progression de la recherche</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Utiliser</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Looking at %1 (%2 of %3)...</source>
        <translation>Examen de %1 (%2 sur %3)...</translation>
    </message>
    <message>
        <source>in use by Quillbox: a transfer is running</source>
        <translation>utilisé par Quillbox : un transfert est en cours</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>No pager answered.</source>
        <translation>Aucun pager n'a répondu.</translation>
    </message>
    <message>
        <source>A pager answered on one port.</source>
        <translation>Un pager a répondu sur un port.</translation>
    </message>
    <message numerus="yes">
        <source>A pager answered on %n ports.</source>
        <translation><numerusform>Un pager a répondu sur %n port.</numerusform><numerusform>Un pager a répondu sur %n ports.</numerusform></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Contacts</source>
        <translation>&amp;Contacts</translation>
    </message>
    <message>
        <source>View Contacts Window</source>
        <translation>Afficher la fenêtre des contacts</translation>
    </message>
    <message>
        <source>View Contacts</source>
        <translation>Afficher les contacts</translation>
    </message>
    <message>
        <source>Download Contacts</source>
        <translation>Télécharger les contacts</translation>
    </message>
    <message>
        <source>Download Contacts from Pager </source>
        <translation>Télécharger les contacts depuis le pager </translation>
    </message>
    <message>
        <source>Upload Contacts</source>
        <translation>Envoyer les contacts</translation>
    </message>
    <message>
        <source>Upload Contacts to Pager </source>
        <translation>Envoyer les contacts vers le pager </translation>
    </message>
    <message>
        <source>&amp;Synchronize Contacts</source>
        <translation>&amp;Synchroniser les contacts</translation>
    </message>
    <message>
        <source>Keep the changes made in Quillbox and on the pager</source>
        <translation>Conserver les modifications faites dans Quillbox et sur le pager</translation>
    </message>
    <message>
        <source>Synchronize Contacts</source>
        <translation>Synchroniser les contacts</translation>
    </message>
    <message>
        <source>Import/Open Contacts</source>
        <translation>Importer/ouvrir des contacts</translation>
    </message>
    <message>
        <source>Export/Save Contacts</source>
        <translation>Exporter/enregistrer les contacts</translation>
    </message>
    <message>
        <source>&amp;Import vCard...</source>
        <translation>&amp;Importer une vCard...</translation>
    </message>
    <message>
        <source>Add contacts and groups from a vCard file</source>
        <translation>Ajouter des contacts et des groupes depuis un fichier vCard</translation>
    </message>
    <message>
        <source>&amp;Export vCard...</source>
        <translation>&amp;Exporter une vCard...</translation>
    </message>
    <message>
        <source>Write the address book, or the selected contacts, to a vCard file</source>
        <translation>Écrire le carnet d'adresses, ou les contacts sélectionnés, dans un fichier vCard</translation>
    </message>
    <message>
        <source>Contacts &amp;History...</source>
        <translation>&amp;Historique des contacts...</translation>
    </message>
    <message>
        <source>The address book as it was before each transfer, import and restore, to look at and restore</source>
        <translation>Le carnet d'adresses tel qu'il était avant chaque transfert, import et restauration, à consulter et à restaurer</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Modifier le contact</translation>
    </message>
    <message>
        <source>New Contact</source>
        <translation>Nouveau contact</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Messages</translation>
    </message>
    <message>
        <source>View Messages Window</source>
        <translation>Afficher la fenêtre des messages</translation>
    </message>
    <message>
        <source>View Messages</source>
        <translation>Afficher les messages</translation>
    </message>
    <message>
        <source>Download Messages</source>
        <translation>Télécharger les messages</translation>
    </message>
    <message>
        <source>Download Messages From Pager </source>
        <translation>Télécharger les messages depuis le pager </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Quitter l'application</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Quillbox...</source>
        <translation>À &amp;propos de Quillbox...</translation>
    </message>
    <message>
        <source>Save &amp;Link Log...</source>
        <translation>Enregistrer le &amp;journal de liaison...</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d'outils</translation>
    </message>
    <message>
        <source>&amp;Address Book Account...</source>
        <translation>Compte du &amp;carnet d'adresses...</translation>
    </message>
    <message>
        <source>The CardDAV address book to keep in step with</source>
        <translation>Le carnet d'adresses CardDAV avec lequel rester en accord</translation>
    </message>
    <message>
        <source>S&amp;ynchronize Address Book</source>
        <translation>Synchroniser le carnet d'&amp;adresses</translation>
    </message>
    <message>
        <source>Synchronize the address book with its CardDAV server</source>
        <translation>Synchroniser le carnet d'adresses avec son serveur CardDAV</translation>
    </message>
    <message>
        <source>Synchronize Address Book</source>
        <translation>Synchroniser le carnet d'adresses</translation>
    </message>
    <message>
        <source>The pager was plugged in (%1).</source>
        <translation>Le pager a été branché (%1).</translation>
    </message>
    <message>
        <source>The recovery copy of the address book could not be written:
%1
%2</source>
        <translation>La copie de récupération du carnet d'adresses n'a pas pu être écrite :
%1
%2</translation>
    </message>
    <message>
        <source>Quillbox did not close normally, but the copy it kept of the address book changes is damaged:
%1
The copy was kept as:
%2</source>
        <translation>Quillbox ne s'est pas fermé normalement, mais la copie des modifications du carnet d'adresses est endommagée :
%1
La copie a été conservée sous :
%2</translation>
    </message>
    <message>
        <source>Quillbox did not close normally, and the address book had changes that were not saved.
Restore those changes?</source>
        <translation>Quillbox ne s'est pas fermé normalement, et le carnet d'adresses avait des modifications non enregistrées.
Restaurer ces modifications ?</translation>
    </message>
    <message>
        <source>Folder Database( *.psf )|*.psf|All Files( * )|*||</source>
        <translation>Base de dossiers( *.psf )|*.psf|Tous les fichiers( * )|*||</translation>
    </message>
    <message>
        <source>%1
cannot be opened as a folder database:
%2</source>
        <translation>%1
ne peut pas être ouvert comme base de dossiers :
%2</translation>
    </message>
    <message>
        <source>%1

Quillbox goes on with the local folders it has, and does not open
%2</source>
        <translation>%1

Quillbox continue avec ses dossiers locaux et n'ouvre pas
%2</translation>
    </message>
    <message>
        <source>The Contacts will be overwitten to Quillbox</source>
        <translation>Les contacts de Quillbox seront écrasés</translation>
    </message>
    <message>
        <source>The Contacts will be Overwritten to the Device</source>
        <translation>Les contacts de l'appareil seront écrasés</translation>
    </message>
    <message>
        <source>%1

Quit Quillbox without saving the local folders?
(No keeps Quillbox open with nothing lost.)</source>
        <translation>%1

Quitter Quillbox sans enregistrer les dossiers locaux ?
(Non laisse Quillbox ouvert, sans rien perdre.)</translation>
    </message>
    <message>
        <source>Contacts Not Saved.
Save Contacts Now?</source>
        <translation>Contacts non enregistrés.
Enregistrer les contacts maintenant ?</translation>
    </message>
    <message>
        <source>Link Log( *.log )|*.log||</source>
        <translation>Journal de liaison( *.log )|*.log||</translation>
    </message>
    <message>
        <source>Save Link Log</source>
        <translation>Enregistrer le journal de liaison</translation>
    </message>
    <message>
        <source>Couldn't save the link log:
%1
%2</source>
        <translation>Impossible d'enregistrer le journal de liaison :
%1
%2</translation>
    </message>
</context>
<context>
    <name>CQuillboxDoc</name>
    <message>
        <source>%1

The file has not been changed. Quillbox starts with the default local folders, and asks before it writes over the file when it closes.</source>
        <translation>%1

Le fichier n'a pas été modifié. Quillbox démarre avec les dossiers locaux par défaut, et demande avant d'écraser le fichier à la fermeture.</translation>
    </message>
    <message>
        <source>The folder database
%1
could not be read whole.

%2

</source>
        <translation>La base de dossiers
%1
n'a pas pu être lue entièrement.

%2

</translation>
    </message>
    <message>
        <source>The damaged file has been kept as
%1</source>
        <translation>Le fichier endommagé a été conservé sous
%1</translation>
    </message>
    <message>
        <source>%1
It is not written over: Quillbox tries again to move it aside when it closes.</source>
        <translation>%1
Il n'est pas écrasé : Quillbox essaiera de nouveau de le mettre de côté à la fermeture.</translation>
    </message>
    <message>
        <source>

Quillbox goes on with the folders and messages read before the damage.</source>
        <translation>

Quillbox continue avec les dossiers et messages lus avant le dommage.</translation>
    </message>
    <message>
        <source>The folder database
%1
could not be read when Quillbox started, so its folders and messages are not among those of this run.

Write the local folders of this run over it?</source>
        <translation>La base de dossiers
%1
n'a pas pu être lue au démarrage de Quillbox : ses dossiers et messages ne font donc pas partie de cette session.

Écrire les dossiers locaux de cette session par-dessus ?</translation>
    </message>
    <message>
        <source>The folder database
%1
is not the one Quillbox started with, so its folders and messages are not among those of this run.

Write the local folders of this run over it?</source>
        <translation>La base de dossiers
%1
n'est pas celle avec laquelle Quillbox a démarré : ses dossiers et messages ne font donc pas partie de cette session.

Écrire les dossiers locaux de cette session par-dessus ?</translation>
    </message>
    <message>
        <source>The folder database %1 was not written: it is kept as it was.</source>
        <translation>La base de dossiers %1 n'a pas été écrite : elle reste telle quelle.</translation>
    </message>
</context>
<context>
    <name>CRateLine</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Settins</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>P&amp;ath</source>
        <translation>&amp;Chemin</translation>
    </message>
    <message>
        <source>&amp;Download messages when the pager is plugged in</source>
        <translation>&amp;Télécharger les messages quand le pager est branché</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Définir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>The serial port the pager is attached to</source>
        <translation>Le port série auquel le pager est branché</translation>
    </message>
    <message>
        <source>The folder that keeps the local folders' database</source>
        <translation>Le dossier qui contient la base des dossiers locaux</translation>
    </message>
    <message>
        <source> Choose PathFolder.</source>
        <translation> Choisir le dossier.</translation>
    </message>
    <message>
        <source>QUILLBOX_COM1 to QUILLBOX_COM8 set every port.
Set one of them to %1 to use it.</source>
        <translation>QUILLBOX_COM1 à QUILLBOX_COM8 fixent tous les ports.
Donnez la valeur %1 à l'une d'elles pour l'utiliser.</translation>
    </message>
    <message>
        <source>Input the Path of the folder for the local folders.</source>
        <translation>Saisissez le chemin du dossier des dossiers locaux.</translation>
    </message>
    <message>
        <source>The folder
%1
does not exist.
Create it?</source>
        <translation>Le dossier
%1
n'existe pas.
Le créer ?</translation>
    </message>
    <message>
        <source>The folder
%1
could not be created.</source>
        <translation>Le dossier
%1
n'a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1
is not a folder.</source>
        <translation>%1
n'est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder
%1
cannot be written.
Choose another folder.</source>
        <translation>Le dossier
%1
n'est pas accessible en écriture.
Choisissez un autre dossier.</translation>
    </message>
</context>
<context>
    <name>CSyncDriver</name>
    <message>
        <source>Download Preparing...</source>
        <translation>Préparation du téléchargement...</translation>
    </message>
    <message>
        <source>Upload Preparing...</source>
        <translation>Préparation de l'envoi...</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement...</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Envoi...</translation>
    </message>
</context>
<context>
    <name>CSyncProgressWnd</name>
    <message>
        <source>Transfer progress</source>
        <translation>Progression du transfert</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source> Cancel </source>
        <extracomment>Only measured: the blank area right of the bar is as wide as this button would be.</extracomment>
        <translation> Annuler </translation>
    </message>
</context>
<context>
    <name>ContactsSynchronizer</name>
    <message>
        <source>%1: %2 added, %3 removed, %4 changed.</source>
        <translation>%1 : %2 ajoutés, %3 supprimés, %4 modifiés.</translation>
    </message>
    <message>
        <source>The book of the last synchronize with this pager cannot be read:
%1
%2

Nothing was synchronized.</source>
        <translation>Le carnet de la dernière synchronisation avec ce pager ne peut pas être lu :
%1
%2

Rien n'a été synchronisé.</translation>
    </message>
    <message>
        <source>The address book changed while Synchronize Contacts waited.
Nothing was synchronized.</source>
        <translation>Le carnet d'adresses a changé pendant que Synchroniser les contacts attendait.
Rien n'a été synchronisé.</translation>
    </message>
    <message>
        <source>The pager holds the synchronized address book, but Quillbox cannot take it:
%1</source>
        <translation>Le pager contient le carnet d'adresses synchronisé, mais Quillbox ne peut pas le reprendre :
%1</translation>
    </message>
    <message>
        <source>The book the pager now holds could not be kept for the next Synchronize Contacts:
%1
%2</source>
        <translation>Le carnet que contient maintenant le pager n'a pas pu être conservé pour la prochaine synchronisation des contacts :
%1
%2</translation>
    </message>
    <message>
        <source>Synchronize Contacts Completed.</source>
        <translation>Synchronisation des contacts terminée.</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>1 conflict.</source>
        <translation>1 conflit.</translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts.</source>
        <translation><numerusform>%n conflit.</numerusform><numerusform>%n conflits.</numerusform></translation>
    </message>
    <message>
        <source>The pager held this address book already: nothing was uploaded.</source>
        <translation>Le pager contenait déjà ce carnet d'adresses : rien n'a été envoyé.</translation>
    </message>
    <message>
        <source>Changes made in Quillbox while the upload ran were replaced; Contacts History holds them.</source>
        <translation>Les modifications faites dans Quillbox pendant l'envoi ont été remplacées ; l'historique des contacts les conserve.</translation>
    </message>
    <message>
        <source>The address book could not hold:</source>
        <translation>Le carnet d'adresses n'a pas pu contenir :</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation><numerusform>... et %n autre.</numerusform><numerusform>... et %n autres.</numerusform></translation>
    </message>
</context>
<context>
    <name>carddav::keychain</name>
    <message>
        <source>the keychain did not answer</source>
        <translation>le trousseau n'a pas répondu</translation>
    </message>
    <message>
        <source>no keychain answered (%1); the password is kept for this run only</source>
        <translation>aucun trousseau n'a répondu (%1) ; le mot de passe n'est conservé que pour cette session</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>aucun mot de passe n'est conservé pour ce compte</translation>
    </message>
</context>
<context>
    <name>carddav::state</name>
    <message>
        <source>the sync state is larger than %1 MB</source>
        <translation>l'état de synchronisation dépasse %1 Mo</translation>
    </message>
    <message>
        <source>the sync state is damaged or of another version</source>
        <translation>l'état de synchronisation est endommagé ou d'une autre version</translation>
    </message>
    <message>
        <source>the sync state is damaged (a card without href)</source>
        <translation>l'état de synchronisation est endommagé (une carte sans href)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>carddav::sync</name>
    <message>
        <source>the sync was cancelled</source>
        <translation>la synchronisation a été annulée</translation>
    </message>
    <message>
        <source>no connection to %1: %2</source>
        <translation>pas de connexion à %1 : %2</translation>
    </message>
    <message>
        <source>the server refused the login of user '%1'</source>
        <translation>le serveur a refusé la connexion de l'utilisateur '%1'</translation>
    </message>
    <message>
        <source>the server refused %1 (HTTP %2)</source>
        <translation>le serveur a refusé %1 (HTTP %2)</translation>
    </message>
    <message>
        <source>to list %1</source>
        <translation>de lister %1</translation>
    </message>
    <message>
        <source>%1 is not a CardDAV address book</source>
        <translation>%1 n'est pas un carnet d'adresses CardDAV</translation>
    </message>
    <message>
        <source>%1 is not a CardDAV address book, and no address book was found from it</source>
        <translation>%1 n'est pas un carnet d'adresses CardDAV, et aucun carnet d'adresses n'a été trouvé à partir de là</translation>
    </message>
    <message>
        <source>the account at %1 has no address-book home</source>
        <translation>le compte sur %1 n'a pas de dossier de carnets d'adresses</translation>
    </message>
    <message>
        <source>the account at %1 has no address book</source>
        <translation>le compte sur %1 n'a pas de carnet d'adresses</translation>
    </message>
    <message>
        <source>the account at %1 has %2 address books; give the URL of one</source>
        <translation>le compte sur %1 a %2 carnets d'adresses ; indiquez l'URL de l'un d'eux</translation>
    </message>
    <message>
        <source>to send the cards</source>
        <translation>d'envoyer les cartes</translation>
    </message>
    <message>
        <source>'%1' is not a server address</source>
        <translation>'%1' n'est pas une adresse de serveur</translation>
    </message>
    <message>
        <source>not a single vCard the address book can read</source>
        <translation>pas une vCard unique que le carnet d'adresses sait lire</translation>
    </message>
    <message>
        <source>a group card</source>
        <translation>une carte de groupe</translation>
    </message>
    <message>
        <source>fields longer than the address book holds: %1</source>
        <translation>champs plus longs que ce que contient le carnet d'adresses : %1</translation>
    </message>
    <message>
        <source>another card has the same UID</source>
        <translation>une autre carte a le même UID</translation>
    </message>
    <message>
        <source>the sync would delete %1 of the %2 contacts of the book and %3 of the %4 cards on the server; --allow-deletes syncs all the same</source>
        <translation>la synchronisation supprimerait %1 des %2 contacts du carnet et %3 des %4 cartes sur le serveur ; --allow-deletes synchronise quand même</translation>
    </message>
    <message>
        <source>to delete the card of %1</source>
        <translation>de supprimer la carte de %1</translation>
    </message>
    <message>
        <source>the card of %1</source>
        <translation>la carte de %1</translation>
    </message>
    <message>
        <source>to send back the card it took</source>
        <translation>de renvoyer la carte reprise</translation>
    </message>
    <message>
        <source>cards kept changing on the server during the sync; try again</source>
        <translation>des cartes ont sans cesse changé sur le serveur pendant la synchronisation ; réessayez</translation>
    </message>
    <message>
        <source>the server did not answer in %1 s</source>
        <translation>le serveur n'a pas répondu en %1 s</translation>
    </message>
    <message>
        <source>the server's answer is larger than %1 MB</source>
        <translation>la réponse du serveur dépasse %1 Mo</translation>
    </message>
    <message>
        <source>the answer is not a WebDAV multistatus document</source>
        <translation>la réponse n'est pas un document multistatus WebDAV</translation>
    </message>
    <message>
        <source>the answer lists more than %1 resources</source>
        <translation>la réponse liste plus de %1 ressources</translation>
    </message>
    <message>
        <source>the server's XML answer is damaged (line %1: %2)</source>
        <translation>la réponse XML du serveur est endommagée (ligne %1 : %2)</translation>
    </message>
</context>
<context>
    <name>devlink::errors</name>
    <message>
        <source>No error.</source>
        <translation>Aucune erreur.</translation>
    </message>
    <message>
        <source>The serial port cannot be opened.</source>
        <translation>Le port série ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The pager does not answer.</source>
        <translation>Le pager ne répond pas.</translation>
    </message>
    <message>
        <source>The line stays corrupt after the retries.</source>
        <translation>La ligne reste corrompue après les nouvelles tentatives.</translation>
    </message>
    <message>
        <source>The pager refuses: memory full.</source>
        <translation>Le pager refuse : mémoire pleine.</translation>
    </message>
    <message>
        <source>The pager refuses: invalid data.</source>
        <translation>Le pager refuse : données non valides.</translation>
    </message>
    <message>
        <source>A transfer is already running.</source>
        <translation>Un transfert est déjà en cours.</translation>
    </message>
    <message>
        <source>The connection to the pager was lost.</source>
        <translation>La connexion avec le pager a été perdue.</translation>
    </message>
    <message>
        <source>Protocol error.</source>
        <translation>Erreur de protocole.</translation>
    </message>
    <message>
        <source>The pager speaks another version of the protocol.</source>
        <translation>Le pager parle une autre version du protocole.</translation>
    </message>
    <message>
        <source>Unknown transfer mode.</source>
        <translation>Mode de transfert inconnu.</translation>
    </message>
    <message>
        <source>The address book holds data the pager cannot store.</source>
        <translation>Le carnet d'adresses contient des données que le pager ne peut pas stocker.</translation>
    </message>
    <message>
        <source>Unknown error (code %1).</source>
        <translation>Erreur inconnue (code %1).</translation>
    </message>
</context>
<context>
    <name>devlink::link</name>
    <message>
        <source>No device is set.</source>
        <translation>Aucun appareil n'est défini.</translation>
    </message>
</context>
<context>
    <name>devlink::ports</name>
    <message>
        <source>no such device</source>
        <translation>appareil inexistant</translation>
    </message>
    <message>
        <source>not permitted: %1</source>
        <translation>non autorisé : %1</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>utilisé par un autre programme</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>does not answer</source>
        <translation>ne répond pas</translation>
    </message>
    <message>
        <source>answers, but its protocol version is not supported</source>
        <translation>répond, mais sa version du protocole n'est pas prise en charge</translation>
    </message>
    <message>
        <source>the line went away</source>
        <translation>la ligne a disparu</translation>
    </message>
    <message>
        <source>answers, but not as a pager</source>
        <translation>répond, mais pas comme un pager</translation>
    </message>
    <message>
        <source>you may not open it</source>
        <translation>vous n'avez pas le droit de l'ouvrir</translation>
    </message>
    <message>
        <source>it belongs to the group "%1", which you joined after you logged in</source>
        <translation>il appartient au groupe « %1 », que vous avez rejoint après votre connexion</translation>
    </message>
    <message>
        <source>it belongs to the group "%1", and you are not in that group</source>
        <translation>il appartient au groupe « %1 », et vous n'êtes pas dans ce groupe</translation>
    </message>
    <message>
        <source>You may not open %1: %2.</source>
        <translation>Vous n'avez pas le droit d'ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>
Log out and in again.</source>
        <translation>
Déconnectez-vous puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>
Add yourself to it (sudo adduser $USER %1), then log out and in again.</source>
        <translation>
Ajoutez-vous à ce groupe (sudo adduser $USER %1), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>
Or unplug the pager's adapter and plug it in again: Quillbox's device rule lets you open it from then on, if it names the adapter (the README says how to add one).</source>
        <translation>
Ou débranchez l'adaptateur du pager et rebranchez-le : la règle de périphérique de Quillbox vous permet alors de l'ouvrir, si elle nomme l'adaptateur (le README explique comment en ajouter une).</translation>
    </message>
</context>
<context>
    <name>devlink::rate</name>
    <message>
        <source>B</source>
        <translation>o</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 of %2%3 %4</source>
        <translation>%1 sur %2%3 %4</translation>
    </message>
    <message>
        <source> · %1 %2/s</source>
        <translation> · %1 %2/s</translation>
    </message>
    <message>
        <source> · %1 left</source>
        <translation> · reste %1</translation>
    </message>
</context>
</TS>