<?xml version="1.0" encoding="utf-8"?>
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
    <name>CAddressEntryDlg</name>
    <message>
        <source>New</source>
        <extracomment>Title of the address entry dialog until its caller names it.</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>An e-mail or wireless address of at most %1 bytes.</source>
        <translation>Une adresse e-mail ou sans fil de %1 octets au plus.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Input Address</source>
        <translation>Saisissez une adresse</translation>
    </message>
    <message>
        <source>New Email Address</source>
        <translation>Nouvelle adresse e-mail</translation>
    </message>
    <message>
        <source>New Wireless Address</source>
        <translation>Nouvelle adresse sans fil</translation>
    </message>
</context>
<context>
    <name>CAddressPickerDlg</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>E-Mail2</source>
        <translation>E-mail 2</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sans fil</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Every contact with its name, two e-mail addresses and wireless address.</source>
        <translation>Tous les contacts avec leur nom, deux adresses e-mail et leur adresse sans fil.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>E-Mail&amp;2</source>
        <translation>E-mail &amp;2</translation>
    </message>
    <message>
        <source>&amp;Wireless</source>
        <translation>&amp;Sans fil</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Choisir</translation>
    </message>
</context>
<context>
    <name>CCardDavAccountDlg</name>
    <message>
        <source>Address Book Account</source>
        <translation>Compte du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Quillbox keeps its address book in step with one address book on a CardDAV server. Give the server&apos;s name (or the address book&apos;s URL), your user name and your password.</source>
        <translation>Quillbox garde son carnet d&apos;adresses en phase avec un carnet d&apos;adresses sur un serveur CardDAV. Indiquez le nom du serveur (ou l&apos;URL du carnet d&apos;adresses), votre nom d&apos;utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <source>A host name, such as dav.example.org, or the URL of an address book</source>
        <translation>Un nom d&apos;hôte, comme dav.example.org, ou l&apos;URL d&apos;un carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Your user name on the server</source>
        <translation>Votre nom d&apos;utilisateur sur le serveur</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s keychain, never written to a file</source>
        <translation>Conservé dans le trousseau du système, jamais écrit dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Address book:</source>
        <translation>&amp;Carnet d&apos;adresses :</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>Looking for the address books on the server...</source>
        <translation>Recherche des carnets d&apos;adresses sur le serveur...</translation>
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
The address book&apos;s password is never written to a file: Quillbox asks for it again at its next start.</source>
        <translation>%1.
Le mot de passe du carnet d&apos;adresses n&apos;est jamais écrit dans un fichier : Quillbox le redemandera au prochain démarrage.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop synchronizing the address book</source>
        <translation>Arrêter la synchronisation du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Cancelling the address book&apos;s synchronization...</source>
        <translation>Annulation de la synchronisation du carnet d&apos;adresses...</translation>
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
        <translation>Indiquez le serveur et le nom d&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Looking for the address books</source>
        <translation>Recherche des carnets d&apos;adresses</translation>
    </message>
    <message>
        <source>Address Book Account</source>
        <translation>Compte du carnet d&apos;adresses</translation>
    </message>
    <message numerus="yes">
        <source>The server has %n address books: choose the one to keep in step, then OK.</source>
        <translation>
            <numerusform>Le serveur a %n carnet d&apos;adresses : choisissez celui à garder en phase, puis OK.</numerusform>
            <numerusform>Le serveur a %n carnets d&apos;adresses : choisissez celui à garder en phase, puis OK.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Le mot de passe n&apos;a pas pu être conservé : %1</translation>
    </message>
    <message>
        <source>Synchronizing the address book</source>
        <translation>Synchronisation du carnet d&apos;adresses</translation>
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
        <translation>« Synchroniser le carnet d&apos;adresses » supprimerait %1.
Synchroniser quand même ?</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The address book&apos;s server could not be reached: %1.</source>
        <translation>Le serveur du carnet d&apos;adresses est injoignable : %1.</translation>
    </message>
    <message>
        <source>The server refused the login: check the user name and the password in File &gt; Address Book Account... (%1).</source>
        <translation>Le serveur a refusé la connexion : vérifiez le nom d&apos;utilisateur et le mot de passe dans Fichier &gt; Compte du carnet d&apos;adresses... (%1).</translation>
    </message>
    <message>
        <source>No CardDAV address book was found there: %1.</source>
        <translation>Aucun carnet d&apos;adresses CardDAV n&apos;a été trouvé à cet endroit : %1.</translation>
    </message>
    <message>
        <source>The server refused a card or a request: %1.</source>
        <translation>Le serveur a refusé une carte ou une requête : %1.</translation>
    </message>
    <message>
        <source>Nothing was changed in Quillbox&apos;s address book.</source>
        <translation>Rien n&apos;a été modifié dans le carnet d&apos;adresses de Quillbox.</translation>
    </message>
    <message>
        <source>Synchronize Address Book cancelled. %1</source>
        <translation>Synchronisation du carnet d&apos;adresses annulée. %1</translation>
    </message>
    <message>
        <source>Synchronize Address Book failed.</source>
        <translation>La synchronisation du carnet d&apos;adresses a échoué.</translation>
    </message>
    <message>
        <source>Synchronize Address Book stopped.</source>
        <translation>La synchronisation du carnet d&apos;adresses a été arrêtée.</translation>
    </message>
    <message>
        <source>The address book was changed while it was being synchronized, so the server&apos;s side was not put in place.
Synchronize Address Book again to merge both.</source>
        <translation>Le carnet d&apos;adresses a été modifié pendant sa synchronisation : la version du serveur n&apos;a donc pas été mise en place.
Relancez « Synchroniser le carnet d&apos;adresses » pour fusionner les deux.</translation>
    </message>
    <message>
        <source>The merged address book does not fit (error %1).
%2</source>
        <translation>Le carnet d&apos;adresses fusionné ne tient pas (erreur %1).
%2</translation>
    </message>
    <message>
        <source>Address book synchronized: %1 cards sent, %2 deleted on the server, %3 read from it.</source>
        <translation>Carnet d&apos;adresses synchronisé : %1 cartes envoyées, %2 supprimées sur le serveur, %3 lues depuis celui-ci.</translation>
    </message>
    <message>
        <source>These cards stay on the server, for the address book cannot hold them:
%1</source>
        <translation>Ces cartes restent sur le serveur, car le carnet d&apos;adresses ne peut pas les contenir :
%1</translation>
    </message>
    <message>
        <source>Synchronize Address Book</source>
        <translation>Synchroniser le carnet d&apos;adresses</translation>
    </message>
</context>
<context>
    <name>CChooseFolderDlg</name>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier :</translation>
    </message>
    <message>
        <source>Your local folders; the messages go into the one chosen</source>
        <translation>Vos dossiers locaux ; les messages vont dans celui que vous choisissez</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>CConflictReviewDlg</name>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <source>Parent Group</source>
        <translation>Groupe parent</translation>
    </message>
    <message>
        <source>(deleted)</source>
        <translation>(supprimé)</translation>
    </message>
    <message>
        <source>(changed)</source>
        <translation>(modifié)</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>(top level)</source>
        <translation>(niveau supérieur)</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>A change made in Quillbox and one made on the %1 since the last synchronize do not agree. Choose for each which to keep.</source>
        <translation>Une modification faite dans Quillbox et une autre faite sur le %1 depuis la dernière synchronisation ne concordent pas. Choisissez pour chacune ce qu&apos;il faut garder.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes made in Quillbox and on the %1 since the last synchronize do not agree. Choose for each which to keep.</source>
        <translation>
            <numerusform>%n modification faite dans Quillbox et sur le %1 depuis la dernière synchronisation ne concorde pas. Choisissez pour chacune ce qu&apos;il faut garder.</numerusform>
            <numerusform>%n modifications faites dans Quillbox et sur le %1 depuis la dernière synchronisation ne concordent pas. Choisissez pour chacune ce qu&apos;il faut garder.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Contact or Group</source>
        <translation>Contact ou groupe</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Last Synchronized</source>
        <translation>Dernière synchronisation</translation>
    </message>
    <message>
        <source>In Quillbox</source>
        <translation>Dans Quillbox</translation>
    </message>
    <message>
        <source>On the %1</source>
        <translation>Côté %1</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Conflits</translation>
    </message>
    <message>
        <source>One row per conflict: which side to keep, and the values of both sides.</source>
        <translation>Une ligne par conflit : le côté à garder et les valeurs des deux côtés.</translation>
    </message>
    <message>
        <source>Keep for %1</source>
        <translation>Côté à garder pour %1</translation>
    </message>
    <message>
        <source>Keep All from &amp;Quillbox</source>
        <translation>Tout garder de &amp;Quillbox</translation>
    </message>
    <message>
        <source>Keep All from &amp;the %1</source>
        <translation>Tout garder &amp;du %1</translation>
    </message>
    <message>
        <source>Synchronize Contacts</source>
        <translation>Synchroniser les contacts</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>server</source>
        <comment>inside a sentence</comment>
        <translation>serveur</translation>
    </message>
    <message>
        <source>pager</source>
        <comment>inside a sentence</comment>
        <translation>pager</translation>
    </message>
</context>
<context>
    <name>CContactDlg</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Informations du contact</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>&amp;First Name</source>
        <translation>&amp;Prénom</translation>
    </message>
    <message>
        <source>&amp;Last Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Wireless Address</source>
        <translation>Adresse sans &amp;fil</translation>
    </message>
    <message>
        <source>&amp;Email Address #1</source>
        <translation>Adresse &amp;e-mail 1</translation>
    </message>
    <message>
        <source>Email Address #&amp;2</source>
        <translation>Adresse e-mail &amp;2</translation>
    </message>
    <message>
        <source>Email Address #&amp;3</source>
        <translation>Adresse e-mail &amp;3</translation>
    </message>
    <message>
        <source>Wor&amp;k Number</source>
        <translation>Téléphone &amp;travail</translation>
    </message>
    <message>
        <source>&amp;Mobile Number</source>
        <translation>Téléphone &amp;mobile</translation>
    </message>
    <message>
        <source>&amp;Home Number</source>
        <translation>Téléphone &amp;domicile</translation>
    </message>
    <message>
        <source>Fa&amp;x Number</source>
        <translation>Fa&amp;x</translation>
    </message>
    <message>
        <source>C&amp;ompanyName</source>
        <translation>Nom de la &amp;société</translation>
    </message>
    <message>
        <source>Ma&amp;iling Address</source>
        <translation>Adresse p&amp;ostale</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Remarques</translation>
    </message>
</context>
<context>
    <name>CContactsDlg</name>
    <message>
        <source>Download Completed ! </source>
        <translation>Téléchargement terminé ! </translation>
    </message>
    <message>
        <source>Upload Completed ! </source>
        <translation>Envoi terminé ! </translation>
    </message>
    <message>
        <source>Delete Contact</source>
        <translation>Supprimer le contact</translation>
    </message>
    <message>
        <source>Contact</source>
        <comment>open</comment>
        <extracomment>Menu command: opens the selected contact.</extracomment>
        <translation>Ouvrir le contact</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>New Group</source>
        <translation>Nouveau groupe</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Modifier le groupe</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Rename Group</source>
        <translation>Renommer le groupe</translation>
    </message>
    <message>
        <source>Import vCard...</source>
        <translation>Importer des vCard...</translation>
    </message>
    <message>
        <source>Export vCard...</source>
        <translation>Exporter en vCard...</translation>
    </message>
    <message>
        <source>Contacts History...</source>
        <translation>Historique des contacts...</translation>
    </message>
    <message>
        <source>Folders and groups</source>
        <translation>Dossiers et groupes</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>The contacts, the groups or a group&apos;s members, as chosen on the left.</source>
        <translation>Les contacts, les groupes ou les membres d&apos;un groupe, selon le choix à gauche.</translation>
    </message>
</context>
<context>
    <name>CContactsHistoryDlg</name>
    <message>
        <source>Kept</source>
        <translation>Enregistré le</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Snapshots of the address book</source>
        <translation>Instantanés du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>When each snapshot was kept, the step it was kept before, and what it holds.</source>
        <translation>Quand chaque instantané a été pris, avant quelle étape, et ce qu&apos;il contient.</translation>
    </message>
    <message>
        <source>Snapshots that could not be read, and are not listed:
%1</source>
        <translation>Instantanés illisibles, non listés :
%1</translation>
    </message>
    <message>
        <source>What restoring it would &amp;change:</source>
        <translation>Ce que la restauration &amp;changerait :</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>No snapshot of the address book has been kept yet.</source>
        <translation>Aucun instantané du carnet d&apos;adresses n&apos;a encore été pris.</translation>
    </message>
    <message>
        <source>Download Contacts</source>
        <translation>Télécharger les contacts</translation>
    </message>
    <message>
        <source>Upload Contacts</source>
        <translation>Envoyer les contacts</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importer les contacts</translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation>Importer des vCard</translation>
    </message>
    <message>
        <source>Synchronize Contacts</source>
        <translation>Synchroniser les contacts</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The step a snapshot was kept before: restoring another snapshot.</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Close of Quillbox</source>
        <translation>Fermeture de Quillbox</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>Impossible de lire cet instantané : %1</translation>
    </message>
    <message>
        <source>The address book is now as this snapshot holds it.</source>
        <translation>Le carnet d&apos;adresses est déjà tel que cet instantané le contient.</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n: %1</source>
        <extracomment>Followed by how many contacts and groups, and their names.</extracomment>
        <translation>
            <numerusform>Ajoute %n : %1</numerusform>
            <numerusform>Ajoute %n : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removes %n: %1</source>
        <translation>
            <numerusform>Retire %n : %1</numerusform>
            <numerusform>Retire %n : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changes %n: %1</source>
        <translation>
            <numerusform>Modifie %n : %1</numerusform>
            <numerusform>Modifie %n : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacts History</source>
        <translation>Historique des contacts</translation>
    </message>
</context>
<context>
    <name>CDuplicateReviewDlg</name>
    <message>
        <source>(the same)</source>
        <translation>(identique)</translation>
    </message>
    <message numerus="yes">
        <source>%n of the contacts in the file are already in the address book. Choose for each whether to skip it, replace the contact in the address book with it, or add it as a new contact.</source>
        <translation>
            <numerusform>%n contact du fichier figure déjà dans le carnet d&apos;adresses. Choisissez pour chacun s&apos;il faut l&apos;ignorer, remplacer le contact du carnet d&apos;adresses par lui, ou l&apos;ajouter comme nouveau contact.</numerusform>
            <numerusform>%n contacts du fichier figurent déjà dans le carnet d&apos;adresses. Choisissez pour chacun s&apos;il faut l&apos;ignorer, remplacer le contact du carnet d&apos;adresses par lui, ou l&apos;ajouter comme nouveau contact.</numerusform>
        </translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>In the address book</source>
        <translation>Dans le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>Dans le fichier</translation>
    </message>
    <message>
        <source>Duplicate contacts</source>
        <translation>Contacts en doublon</translation>
    </message>
    <message>
        <source>One row per contact of the file already in the address book: what to do with it, and both contacts.</source>
        <translation>Une ligne par contact du fichier déjà présent dans le carnet d&apos;adresses : ce qu&apos;il faut en faire, et les deux contacts.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Add as new</source>
        <translation>Ajouter comme nouveau</translation>
    </message>
    <message>
        <source>Action for %1</source>
        <translation>Action pour %1</translation>
    </message>
    <message>
        <source>&amp;Skip All</source>
        <translation>&amp;Tout ignorer</translation>
    </message>
    <message>
        <source>&amp;Replace All</source>
        <translation>Tout &amp;remplacer</translation>
    </message>
    <message>
        <source>&amp;Add All as New</source>
        <translation>Tout ajouter comme n&amp;ouveaux</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>1 contact will be added.</source>
        <translation>1 contact sera ajouté.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts will be added.</source>
        <translation>
            <numerusform>%n contact sera ajouté.</numerusform>
            <numerusform>%n contacts seront ajoutés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n of them will not fit: the address book holds at most %1 contacts.</source>
        <translation>
            <numerusform> %n d&apos;entre eux ne pourra pas être ajouté : le carnet d&apos;adresses contient au plus %1 contacts.</numerusform>
            <numerusform> %n d&apos;entre eux ne pourront pas être ajoutés : le carnet d&apos;adresses contient au plus %1 contacts.</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate Contacts</source>
        <translation>Contacts en doublon</translation>
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
        <translation>Aucun pager n&apos;a répondu.</translation>
    </message>
    <message>
        <source>A pager answered on one port.</source>
        <translation>Un pager a répondu sur un port.</translation>
    </message>
    <message numerus="yes">
        <source>A pager answered on %n ports.</source>
        <translation>
            <numerusform>Un pager a répondu sur %n port.</numerusform>
            <numerusform>Un pager a répondu sur %n ports.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>a port and the pager that answered on it: its model and version</extracomment>
        <translation>%1 : %2 %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a port and why no pager answered on it</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>CGroupDlg</name>
    <message>
        <source>EMAIL</source>
        <translation>E-MAIL</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sans fil</translation>
    </message>
    <message>
        <source>&amp;GroupName</source>
        <translation>&amp;Nom du groupe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>The group&apos;s addresses with their kind; the context menu adds and deletes them.</source>
        <translation>Les adresses du groupe avec leur type ; le menu contextuel les ajoute et les supprime.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select Address</source>
        <translation>Choisir une adresse</translation>
    </message>
    <message>
        <source>New Email</source>
        <translation>Nouvelle adresse e-mail</translation>
    </message>
    <message>
        <source>New Wireless</source>
        <translation>Nouvelle adresse sans fil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
</context>
<context>
    <name>CLeftView</name>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>ReName</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Export Messages...</source>
        <translation>Exporter les messages...</translation>
    </message>
    <message>
        <source>Export Messages with Subfolders...</source>
        <translation>Exporter les messages avec les sous-dossiers...</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>The pager&apos;s folders and your local folders, each with its count of messages</source>
        <translation>Les dossiers du pager et vos dossiers locaux, chacun avec son nombre de messages</translation>
    </message>
    <message>
        <source>Download Completed ! </source>
        <translation>Téléchargement terminé ! </translation>
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
        <translation>&amp;Importer des vCard...</translation>
    </message>
    <message>
        <source>Add contacts and groups from a vCard file</source>
        <translation>Ajouter des contacts et des groupes depuis un fichier vCard</translation>
    </message>
    <message>
        <source>&amp;Export vCard...</source>
        <translation>&amp;Exporter en vCard...</translation>
    </message>
    <message>
        <source>Write the address book, or the selected contacts, to a vCard file</source>
        <translation>Écrire le carnet d&apos;adresses, ou les contacts sélectionnés, dans un fichier vCard</translation>
    </message>
    <message>
        <source>Contacts &amp;History...</source>
        <translation>&amp;Historique des contacts...</translation>
    </message>
    <message>
        <source>The address book as it was before each transfer, import and restore, to look at and restore</source>
        <translation>Le carnet d&apos;adresses tel qu&apos;il était avant chaque transfert, importation et restauration, à consulter et à restaurer</translation>
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
        <translation>Quitter l&apos;application</translation>
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
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Address Book Account...</source>
        <translation>Compte du &amp;carnet d&apos;adresses...</translation>
    </message>
    <message>
        <source>The CardDAV address book to keep in step with</source>
        <translation>Le carnet d&apos;adresses CardDAV avec lequel rester en phase</translation>
    </message>
    <message>
        <source>S&amp;ynchronize Address Book</source>
        <translation>Synchroniser le carnet d&apos;&amp;adresses</translation>
    </message>
    <message>
        <source>Synchronize the address book with its CardDAV server</source>
        <translation>Synchroniser le carnet d&apos;adresses avec son serveur CardDAV</translation>
    </message>
    <message>
        <source>Synchronize Address Book</source>
        <translation>Synchroniser le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>The pager was plugged in (%1).</source>
        <translation>Le pager a été branché (%1).</translation>
    </message>
    <message>
        <source>The recovery copy of the address book could not be written:
%1
%2</source>
        <translation>La copie de récupération du carnet d&apos;adresses n&apos;a pas pu être écrite :
%1
%2</translation>
    </message>
    <message>
        <source>Quillbox did not close normally, but the copy it kept of the address book changes is damaged:
%1
The copy was kept as:
%2</source>
        <translation>Quillbox ne s&apos;est pas fermé normalement, mais la copie des modifications du carnet d&apos;adresses est endommagée :
%1
La copie a été conservée sous :
%2</translation>
    </message>
    <message>
        <source>Quillbox did not close normally, and the address book had changes that were not saved.
Restore those changes?</source>
        <translation>Quillbox ne s&apos;est pas fermé normalement, et le carnet d&apos;adresses avait des modifications non enregistrées.
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

Quillbox continue avec ses dossiers locaux et n&apos;ouvre pas
%2</translation>
    </message>
    <message>
        <source>The Contacts will be overwitten to Quillbox</source>
        <translation>Les contacts de Quillbox seront écrasés</translation>
    </message>
    <message>
        <source>The Contacts will be Overwritten to the Device</source>
        <translation>Les contacts du pager seront écrasés</translation>
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
        <source>Couldn&apos;t save the link log:
%1
%2</source>
        <translation>Impossible d&apos;enregistrer le journal de liaison :
%1
%2</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
</context>
<context>
    <name>CMessageTableView</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Copy to Folder...</source>
        <translation>Copier dans un dossier...</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>Déplacer vers un dossier...</translation>
    </message>
    <message>
        <source>Export Messages...</source>
        <translation>Exporter les messages...</translation>
    </message>
    <message>
        <source>Copy to Folder</source>
        <translation>Copier dans un dossier</translation>
    </message>
    <message>
        <source>Move to Folder</source>
        <translation>Déplacer vers un dossier</translation>
    </message>
</context>
<context>
    <name>CQuillboxApp</name>
    <message>
        <source>The settings could not be written to
%1</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans
%1</translation>
    </message>
    <message>
        <source>Quillbox: the desktop companion of a two-way pager.</source>
        <translation>Quillbox : le compagnon de bureau de votre pager bidirectionnel.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>The language of the program&apos;s texts: %1. Without it, the desktop&apos;s language.</source>
        <translation>La langue des textes du programme : %1. Sans cette option, la langue du bureau.</translation>
    </message>
    <message>
        <source>language</source>
        <extracomment>The value of --lang, in the command line&apos;s help.</extracomment>
        <translation>langue</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of the command line&apos;s argument, in its help.</extracomment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>A folder database to work on in this run instead of the one in the settings&apos; folder.</source>
        <translation>Une base de dossiers à utiliser pour cette exécution au lieu de celle du dossier des paramètres.</translation>
    </message>
    <message>
        <source>[file]</source>
        <extracomment>The command line&apos;s argument in its usage line: the brackets say it may be left out.</extracomment>
        <translation>[fichier]</translation>
    </message>
    <message>
        <source>at most one file can be named.</source>
        <translation>un seul fichier au plus peut être indiqué.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;: the languages are %2.</source>
        <translation>Langue inconnue « %1 » : les langues sont %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a folder database: %2</source>
        <translation>%1 ne peut pas être ouvert comme base de dossiers : %2</translation>
    </message>
    <message>
        <source>Quillbox is already running with the folder database
%1

This start ends without touching it; use the Quillbox that is open.</source>
        <translation>Quillbox est déjà en cours d&apos;exécution avec la base de dossiers
%1

Ce démarrage s&apos;arrête sans la modifier ; utilisez le Quillbox déjà ouvert.</translation>
    </message>
    <message>
        <source>Another Quillbox is running with the folder database
%1

The folder is not changed: this Quillbox goes on with
%2</source>
        <translation>Un autre Quillbox est en cours d&apos;exécution avec la base de dossiers
%1

Le dossier n&apos;est pas changé : ce Quillbox continue avec
%2</translation>
    </message>
    <message>
        <source>Help File( *.chm )|*.chm;*.html;*.htm||</source>
        <extracomment>A file dialog&apos;s filter: the text before the first | is shown, the rest are patterns.</extracomment>
        <translation>Fichier d&apos;aide( *.chm )|*.chm;*.html;*.htm||</translation>
    </message>
</context>
<context>
    <name>CQuillboxDoc</name>
    <message>
        <source>%1

The file has not been changed. Quillbox starts with the default local folders, and asks before it writes over the file when it closes.</source>
        <translation>%1

Le fichier n&apos;a pas été modifié. Quillbox démarre avec les dossiers locaux par défaut, et demande avant d&apos;écraser le fichier à la fermeture.</translation>
    </message>
    <message>
        <source>The folder database
%1
could not be read whole.

%2

</source>
        <translation>La base de dossiers
%1
n&apos;a pas pu être lue entièrement.

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
Il n&apos;est pas écrasé : Quillbox essaiera de nouveau de le mettre de côté à la fermeture.</translation>
    </message>
    <message>
        <source>

Quillbox goes on with the folders and messages read before the damage.</source>
        <translation>

Quillbox continue avec les dossiers et messages lus avant la partie endommagée.</translation>
    </message>
    <message>
        <source>The folder database
%1
could not be read when Quillbox started, so its folders and messages are not among those of this run.

Write the local folders of this run over it?</source>
        <translation>La base de dossiers
%1
n&apos;a pas pu être lue au démarrage de Quillbox : ses dossiers et messages ne font donc pas partie de cette session.

Écrire les dossiers locaux de cette session par-dessus ?</translation>
    </message>
    <message>
        <source>The folder database
%1
is not the one Quillbox started with, so its folders and messages are not among those of this run.

Write the local folders of this run over it?</source>
        <translation>La base de dossiers
%1
n&apos;est pas celle avec laquelle Quillbox a démarré : ses dossiers et messages ne font donc pas partie de cette session.

Écrire les dossiers locaux de cette session par-dessus ?</translation>
    </message>
    <message>
        <source>The folder database %1 was not written: it is kept as it was.</source>
        <translation>La base de dossiers %1 n&apos;a pas été écrite : elle reste telle quelle.</translation>
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
    <name>CRightDetailView</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>The header and text of the message chosen in the list</source>
        <translation>L&apos;en-tête et le texte du message choisi dans la liste</translation>
    </message>
</context>
<context>
    <name>CRightListView</name>
    <message>
        <source>Message list</source>
        <translation>Liste des messages</translation>
    </message>
    <message>
        <source>The messages of the folder chosen in the folder tree</source>
        <translation>Les messages du dossier choisi dans l&apos;arborescence des dossiers</translation>
    </message>
</context>
<context>
    <name>CRightView</name>
    <message>
        <source>Search all folders (Ctrl+F)</source>
        <translation>Rechercher dans tous les dossiers (Ctrl+F)</translation>
    </message>
    <message>
        <source>Search all folders</source>
        <translation>Rechercher dans tous les dossiers</translation>
    </message>
    <message>
        <source>Words to find in the messages of every folder; Esc ends the search</source>
        <translation>Mots à rechercher dans les messages de tous les dossiers ; Échap termine la recherche</translation>
    </message>
</context>
<context>
    <name>CSearchResultsView</name>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>The messages of every folder that hold the words searched for</source>
        <translation>Les messages de tous les dossiers qui contiennent les mots recherchés</translation>
    </message>
    <message>
        <source>Messages</source>
        <comment>export file name</comment>
        <extracomment>The name suggested for a file of exported search results.</extracomment>
        <translation>Messages</translation>
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
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>The serial port the pager is attached to</source>
        <translation>Le port série auquel le pager est branché</translation>
    </message>
    <message>
        <source>The folder that keeps the local folders&apos; database</source>
        <translation>Le dossier qui contient la base des dossiers locaux</translation>
    </message>
    <message>
        <source> Choose PathFolder.</source>
        <translation> Choisir le dossier.</translation>
    </message>
    <message>
        <source>QUILLBOX_COM1 to QUILLBOX_COM8 set every port.
Set one of them to %1 to use it.</source>
        <translation>Les variables QUILLBOX_COM1 à QUILLBOX_COM8 définissent tous les ports.
Donnez la valeur %1 à l&apos;une d&apos;elles pour l&apos;utiliser.</translation>
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
n&apos;existe pas.
Le créer ?</translation>
    </message>
    <message>
        <source>The folder
%1
could not be created.</source>
        <translation>Le dossier
%1
n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1
is not a folder.</source>
        <translation>%1
n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder
%1
cannot be written.
Choose another folder.</source>
        <translation>Le dossier
%1
n&apos;est pas accessible en écriture.
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
        <translation>Préparation de l&apos;envoi...</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement en cours...</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Envoi en cours...</translation>
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
    <name>ChunkedInput</name>
    <message>
        <source>The file is not open for reading</source>
        <translation>Le fichier n&apos;est pas ouvert en lecture</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Erreur de lecture</translation>
    </message>
</context>
<context>
    <name>ContactsCommand</name>
    <message>
        <source>The address book was downloaded again while this was open.
Your changes were not kept.</source>
        <translation>Le carnet d&apos;adresses a été téléchargé à nouveau pendant que cette fenêtre était ouverte.
Vos modifications n&apos;ont pas été conservées.</translation>
    </message>
</context>
<context>
    <name>ContactsExchangeManager</name>
    <message>
        <source>Couldn&apos;t open source file:
%1</source>
        <translation>Impossible d&apos;ouvrir le fichier source :
%1</translation>
    </message>
    <message>
        <source>vCard Import Completed.</source>
        <translation>Importation vCard terminée.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <translation>%1, %2, %3.</translation>
    </message>
    <message>
        <source>1 contact added</source>
        <translation>1 contact ajouté</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts added</source>
        <translation>
            <numerusform>%n contact ajouté</numerusform>
            <numerusform>%n contacts ajoutés</numerusform>
        </translation>
    </message>
    <message>
        <source>1 replaced</source>
        <translation>1 remplacé</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n remplacé</numerusform>
            <numerusform>%n remplacés</numerusform>
        </translation>
    </message>
    <message>
        <source>1 duplicate skipped</source>
        <translation>1 doublon ignoré</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the address book holds at most %2.</source>
        <translation>%1 : le carnet d&apos;adresses en contient au plus %2.</translation>
    </message>
    <message>
        <source>1 contact did not fit</source>
        <translation>1 contact n&apos;a pas pu être ajouté</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts did not fit</source>
        <translation>
            <numerusform>%n contact n&apos;a pas pu être ajouté</numerusform>
            <numerusform>%n contacts n&apos;ont pas pu être ajoutés</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact was refused.</source>
        <translation>1 contact a été refusé.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts were refused.</source>
        <translation>
            <numerusform>%n contact a été refusé.</numerusform>
            <numerusform>%n contacts ont été refusés.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card could not be read.</source>
        <translation>1 carte n&apos;a pas pu être lue.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards could not be read.</source>
        <translation>
            <numerusform>%n carte n&apos;a pas pu être lue.</numerusform>
            <numerusform>%n cartes n&apos;ont pas pu être lues.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 group added</source>
        <translation>1 groupe ajouté</translation>
    </message>
    <message numerus="yes">
        <source>%n groups added</source>
        <translation>
            <numerusform>%n groupe ajouté</numerusform>
            <numerusform>%n groupes ajoutés</numerusform>
        </translation>
    </message>
    <message>
        <source>Not everything fitted:</source>
        <translation>Tout n&apos;a pas pu être repris :</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>ImportAddress PagerError</source>
        <translation>Importation d&apos;adresse : erreur du pager</translation>
    </message>
    <message>
        <source>Couldn&apos;t read source file:
%1</source>
        <translation>Impossible de lire le fichier source :
%1</translation>
    </message>
    <message>
        <source>Import Completed ! </source>
        <translation>Importation terminée ! </translation>
    </message>
    <message>
        <source>Couldn&apos;t save the contacts file:
%1
%2</source>
        <translation>Impossible d&apos;enregistrer le fichier de contacts :
%1
%2</translation>
    </message>
    <message>
        <source>Export Completed ! </source>
        <translation>Exportation terminée ! </translation>
    </message>
    <message>
        <source>Couldn&apos;t read source file:
%1
Nothing was imported.</source>
        <translation>Impossible de lire le fichier source :
%1
Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>There is no vCard in this file.</source>
        <translation>Ce fichier ne contient aucune vCard.</translation>
    </message>
    <message>
        <source>1 card in this file could not be read.
Nothing was imported.</source>
        <translation>1 carte de ce fichier n&apos;a pas pu être lue.
Rien n&apos;a été importé.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards in this file could not be read.
Nothing was imported.</source>
        <translation>
            <numerusform>%n carte de ce fichier n&apos;a pas pu être lue.
Rien n&apos;a été importé.</numerusform>
            <numerusform>%n cartes de ce fichier n&apos;ont pas pu être lues.
Rien n&apos;a été importé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The address book has room for %1 of the %n contacts in the file (it holds at most %2).
Import the first %1?</source>
        <translation>
            <numerusform>Le carnet d&apos;adresses a de la place pour %1 des %n contact du fichier (il en contient au plus %2).
Importer les %1 premiers ?</numerusform>
            <numerusform>Le carnet d&apos;adresses a de la place pour %1 des %n contacts du fichier (il en contient au plus %2).
Importer les %1 premiers ?</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book was replaced by a download.
Nothing was imported.</source>
        <translation>Le carnet d&apos;adresses a été remplacé par un téléchargement.
Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the vCard file:
%1
%2</source>
        <translation>Impossible d&apos;enregistrer le fichier vCard :
%1
%2</translation>
    </message>
    <message>
        <source>vCard Export Completed: %1, %2.</source>
        <translation>Exportation vCard terminée : %1, %2.</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 contact</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <translation>
            <numerusform>%n contact</numerusform>
            <numerusform>%n contacts</numerusform>
        </translation>
    </message>
    <message>
        <source>1 group</source>
        <translation>1 groupe</translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n groupe</numerusform>
            <numerusform>%n groupes</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillbox File( *.txt )|*.txt||</source>
        <extracomment>File dialog filter: translate the names before each &quot;(&quot;, keep the rest.</extracomment>
        <translation>Fichier Quillbox( *.txt )|*.txt||</translation>
    </message>
    <message>
        <source>vCard File( *.vcf )|*.vcf||</source>
        <extracomment>File dialog filter: translate the names before each &quot;(&quot;, keep the rest.</extracomment>
        <translation>Fichier vCard( *.vcf )|*.vcf||</translation>
    </message>
    <message>
        <source>vCard 4.0 File( *.vcf )|*.vcf|vCard 3.0 File( *.vcf )|*.vcf||</source>
        <extracomment>File dialog filter: translate the names before each &quot;(&quot;, keep the rest.</extracomment>
        <translation>Fichier vCard 4.0( *.vcf )|*.vcf|Fichier vCard 3.0( *.vcf )|*.vcf||</translation>
    </message>
    <message numerus="yes">
        <source>, %n already there</source>
        <translation>
            <numerusform>, %n déjà présent</numerusform>
            <numerusform>, %n déjà présents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n did not fit</source>
        <translation>
            <numerusform>, %n faute de place</numerusform>
            <numerusform>, %n faute de place</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContactsHistoryKeeper</name>
    <message>
        <source>The address book could not be kept in its history:
%1
%2

Quillbox goes on; this step cannot be undone from Contacts History.</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu être enregistré dans son historique :
%1
%2

Quillbox continue ; cette étape ne pourra pas être annulée depuis l&apos;historique des contacts.</translation>
    </message>
</context>
<context>
    <name>ContactsSynchronizer</name>
    <message>
        <source>%1: %2 added, %3 removed, %4 changed.</source>
        <translation>%1 : %2 ajouté(s), %3 supprimé(s), %4 modifié(s).</translation>
    </message>
    <message>
        <source>The book of the last synchronize with this pager cannot be read:
%1
%2

Nothing was synchronized.</source>
        <translation>Le carnet de la dernière synchronisation avec ce pager ne peut pas être lu :
%1
%2

Rien n&apos;a été synchronisé.</translation>
    </message>
    <message>
        <source>The address book changed while Synchronize Contacts waited.
Nothing was synchronized.</source>
        <translation>Le carnet d&apos;adresses a changé pendant que « Synchroniser les contacts » attendait.
Rien n&apos;a été synchronisé.</translation>
    </message>
    <message>
        <source>The pager holds the synchronized address book, but Quillbox cannot take it:
%1</source>
        <translation>Le pager contient le carnet d&apos;adresses synchronisé, mais Quillbox ne peut pas le reprendre :
%1</translation>
    </message>
    <message>
        <source>The book the pager now holds could not be kept for the next Synchronize Contacts:
%1
%2</source>
        <translation>Le carnet que contient maintenant le pager n&apos;a pas pu être conservé pour la prochaine synchronisation des contacts :
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
        <translation>
            <numerusform>%n conflit.</numerusform>
            <numerusform>%n conflits.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pager held this address book already: nothing was uploaded.</source>
        <translation>Le pager contenait déjà ce carnet d&apos;adresses : rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Changes made in Quillbox while the upload ran were replaced; Contacts History holds them.</source>
        <translation>Les modifications faites dans Quillbox pendant l&apos;envoi ont été remplacées ; l&apos;historique des contacts les conserve.</translation>
    </message>
    <message>
        <source>The address book could not hold:</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu contenir :</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... et %n autre.</numerusform>
            <numerusform>... et %n autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContactsTreeModel</name>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
</context>
<context>
    <name>FitReport</name>
    <message>
        <source>1 e-mail address</source>
        <translation>1 adresse e-mail</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail addresses</source>
        <translation>
            <numerusform>%n adresse e-mail</numerusform>
            <numerusform>%n adresses e-mail</numerusform>
        </translation>
    </message>
    <message>
        <source>1 telephone number</source>
        <translation>1 numéro de téléphone</translation>
    </message>
    <message numerus="yes">
        <source>%n telephone numbers</source>
        <translation>
            <numerusform>%n numéro de téléphone</numerusform>
            <numerusform>%n numéros de téléphone</numerusform>
        </translation>
    </message>
    <message>
        <source>1 other value</source>
        <translation>1 autre valeur</translation>
    </message>
    <message numerus="yes">
        <source>%n other values</source>
        <translation>
            <numerusform>%n autre valeur</numerusform>
            <numerusform>%n autres valeurs</numerusform>
        </translation>
    </message>
    <message>
        <source>1 member</source>
        <translation>1 membre</translation>
    </message>
    <message numerus="yes">
        <source>%n members</source>
        <translation>
            <numerusform>%n membre</numerusform>
            <numerusform>%n membres</numerusform>
        </translation>
    </message>
    <message>
        <source>1 character replaced by &apos;?&apos;</source>
        <translation>1 caractère remplacé par &apos;?&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n characters replaced by &apos;?&apos;</source>
        <translation>
            <numerusform>%n caractère remplacé par &apos;?&apos;</numerusform>
            <numerusform>%n caractères remplacés par &apos;?&apos;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cut</source>
        <extracomment>A field whose value was shortened to what the pager keeps.</extracomment>
        <translation>%1 tronqué</translation>
    </message>
    <message>
        <source>group name cut</source>
        <translation>nom du groupe tronqué</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message numerus="yes">
        <source>%n messages</source>
        <translation>
            <numerusform>%n message</numerusform>
            <numerusform>%n messages</numerusform>
        </translation>
    </message>
    <message>
        <source>1 message</source>
        <translation>1 message</translation>
    </message>
</context>
<context>
    <name>GroupCommands</name>
    <message>
        <source>You Must Input GropName.</source>
        <translation>Veuillez saisir un nom de groupe.</translation>
    </message>
    <message>
        <source>Group Name</source>
        <extracomment>Title of the message that a group&apos;s name is missing.</extracomment>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <source>Existed GroupName.
You Must Input the Different GroupName.</source>
        <translation>Ce nom de groupe existe déjà.
Veuillez saisir un autre nom de groupe.</translation>
    </message>
    <message>
        <source>Group ReName Failed </source>
        <translation>Échec du renommage du groupe </translation>
    </message>
</context>
<context>
    <name>GroupListModel</name>
    <message>
        <source>GROUP</source>
        <translation>GROUPE</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Sans fil</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
</context>
<context>
    <name>carddav::keychain</name>
    <message>
        <source>the keychain did not answer</source>
        <translation>le trousseau n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>no keychain answered (%1); the password is kept for this run only</source>
        <translation>aucun trousseau n&apos;a répondu (%1) ; le mot de passe n&apos;est conservé que pour cette session</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>aucun mot de passe n&apos;est conservé pour ce compte</translation>
    </message>
</context>
<context>
    <name>carddav::state</name>
    <message>
        <source>the sync state is larger than %1 MB</source>
        <translation>l&apos;état de synchronisation dépasse %1 Mo</translation>
    </message>
    <message>
        <source>the sync state is damaged or of another version</source>
        <translation>l&apos;état de synchronisation est endommagé ou d&apos;une autre version</translation>
    </message>
    <message>
        <source>the sync state is damaged (a card without href)</source>
        <translation>l&apos;état de synchronisation est endommagé (une carte sans href)</translation>
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
        <source>the server refused the login of user &apos;%1&apos;</source>
        <translation>le serveur a refusé la connexion de l&apos;utilisateur « %1 »</translation>
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
        <translation>%1 n&apos;est pas un carnet d&apos;adresses CardDAV</translation>
    </message>
    <message>
        <source>%1 is not a CardDAV address book, and no address book was found from it</source>
        <translation>%1 n&apos;est pas un carnet d&apos;adresses CardDAV, et aucun carnet d&apos;adresses n&apos;a été trouvé à partir de là</translation>
    </message>
    <message>
        <source>the account at %1 has no address-book home</source>
        <translation>le compte sur %1 n&apos;a pas de dossier de carnets d&apos;adresses</translation>
    </message>
    <message>
        <source>the account at %1 has no address book</source>
        <translation>le compte sur %1 n&apos;a pas de carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>the account at %1 has %2 address books; give the URL of one</source>
        <translation>le compte sur %1 a %2 carnets d&apos;adresses ; indiquez l&apos;URL de l&apos;un d&apos;eux</translation>
    </message>
    <message>
        <source>to send the cards</source>
        <translation>d&apos;envoyer les cartes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a server address</source>
        <translation>« %1 » n&apos;est pas une adresse de serveur</translation>
    </message>
    <message>
        <source>not a single vCard the address book can read</source>
        <translation>pas une vCard unique que le carnet d&apos;adresses sait lire</translation>
    </message>
    <message>
        <source>a group card</source>
        <translation>une carte de groupe</translation>
    </message>
    <message>
        <source>fields longer than the address book holds: %1</source>
        <translation>champs plus longs que ce que contient le carnet d&apos;adresses : %1</translation>
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
        <translation>de renvoyer la carte qu&apos;il a acceptée</translation>
    </message>
    <message>
        <source>cards kept changing on the server during the sync; try again</source>
        <translation>des cartes ont sans cesse changé sur le serveur pendant la synchronisation ; réessayez</translation>
    </message>
    <message>
        <source>the server did not answer in %1 s</source>
        <translation>le serveur n&apos;a pas répondu en %1 s</translation>
    </message>
    <message>
        <source>the server&apos;s answer is larger than %1 MB</source>
        <translation>la réponse du serveur dépasse %1 Mo</translation>
    </message>
    <message>
        <source>the answer is not a WebDAV multistatus document</source>
        <translation>la réponse n&apos;est pas un document multistatus WebDAV</translation>
    </message>
    <message>
        <source>the answer lists more than %1 resources</source>
        <translation>la réponse liste plus de %1 ressources</translation>
    </message>
    <message>
        <source>the server&apos;s XML answer is damaged (line %1: %2)</source>
        <translation>la réponse XML du serveur est endommagée (ligne %1 : %2)</translation>
    </message>
</context>
<context>
    <name>contacts::addressdlgs</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>contacts::errors</name>
    <message>
        <source>No error.</source>
        <translation>Aucune erreur.</translation>
    </message>
    <message>
        <source>The address memory is full (%1 contacts).</source>
        <translation>La mémoire d&apos;adresses est pleine (%1 contacts).</translation>
    </message>
    <message>
        <source>The address memory holds no more groups (%1 groups).</source>
        <translation>La mémoire d&apos;adresses ne peut plus contenir de groupes (%1 groupes).</translation>
    </message>
    <message>
        <source>Unknown address book operation.</source>
        <translation>Opération inconnue sur le carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>Wrong argument for the address book operation.</source>
        <translation>Argument incorrect pour l&apos;opération sur le carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>No contact or group was given.</source>
        <translation>Aucun contact ni groupe n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>The contact or group is not in the address book.</source>
        <translation>Le contact ou le groupe ne figure pas dans le carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>The contact does not fit the pager (a field is too long).</source>
        <translation>Le contact ne tient pas dans le pager (un champ est trop long).</translation>
    </message>
    <message>
        <source>The group does not fit the pager (name, members or address block too long).</source>
        <translation>Le groupe ne tient pas dans le pager (nom, membres ou bloc d&apos;adresses trop long).</translation>
    </message>
    <message>
        <source>The address book is damaged (a contact slot or a group id is repeated or out of range).</source>
        <translation>Le carnet d&apos;adresses est endommagé (un emplacement de contact ou un identifiant de groupe est répété ou hors limites).</translation>
    </message>
    <message>
        <source>Unknown error (code %1).</source>
        <translation>Erreur inconnue (code %1).</translation>
    </message>
</context>
<context>
    <name>contacts::fields</name>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Wireless Address</source>
        <translation>Adresse sans fil</translation>
    </message>
    <message>
        <source>Email Address #1</source>
        <translation>Adresse e-mail 1</translation>
    </message>
    <message>
        <source>Email Address #2</source>
        <translation>Adresse e-mail 2</translation>
    </message>
    <message>
        <source>Email Address #3</source>
        <translation>Adresse e-mail 3</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Téléphone travail</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Téléphone mobile</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Téléphone domicile</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Nom de la société</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
</context>
<context>
    <name>contacts::groupblock</name>
    <message>
        <source>Address Size OverFlow. Can&apos;t Add Group.</source>
        <translation>Dépassement de la taille des adresses. Impossible d&apos;ajouter le groupe.</translation>
    </message>
    <message>
        <source>Address Size OverFlow. Delete or Modify Address.<byte value="xd"/>
Cancel then Exit.</source>
        <translation>Dépassement de la taille des adresses. Supprimez ou modifiez des adresses.<byte value="xd"/>
Sinon annulez puis quittez.</translation>
    </message>
    <message>
        <source>Address Too Long(255 Max). Delete or Modify Address.</source>
        <translation>Adresse trop longue (255 au plus). Supprimez ou modifiez l&apos;adresse.</translation>
    </message>
    <message>
        <source>Max Member Count = 100EA<byte value="xd"/>
Can&apos;t Add Address</source>
        <translation>100 membres au maximum<byte value="xd"/>
Impossible d&apos;ajouter l&apos;adresse</translation>
    </message>
</context>
<context>
    <name>contacts::history</name>
    <message>
        <source>%1 (group)</source>
        <translation>%1 (groupe)</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>there is no snapshot %1</source>
        <translation>il n&apos;existe pas d&apos;instantané %1</translation>
    </message>
</context>
<context>
    <name>contacts::limits</name>
    <message>
        <source>Exceeded Contacts Limits(250)</source>
        <translation>Limite de contacts dépassée (250)</translation>
    </message>
    <message>
        <source>Max Group Count = 20EA<byte value="xd"/>
Can&apos;t Add NewGroup</source>
        <translation>20 groupes au maximum<byte value="xd"/>
Impossible d&apos;ajouter un nouveau groupe</translation>
    </message>
</context>
<context>
    <name>contacts::merge</name>
    <message>
        <source>a field is longer than the address book keeps</source>
        <translation>un champ est plus long que ce que garde le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>a group holds at most %1 members</source>
        <translation>un groupe contient au plus %1 membres</translation>
    </message>
    <message>
        <source>the address book holds at most %1 groups</source>
        <translation>le carnet d&apos;adresses contient au plus %1 groupes</translation>
    </message>
</context>
<context>
    <name>contacts::recovery</name>
    <message>
        <source>a string was expected</source>
        <translation>une chaîne était attendue</translation>
    </message>
    <message>
        <source>a character above U+00FF</source>
        <translation>un caractère au-delà de U+00FF</translation>
    </message>
    <message>
        <source>a 32-bit whole number was expected</source>
        <translation>un nombre entier sur 32 bits était attendu</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>an unknown format</source>
        <translation>un format inconnu</translation>
    </message>
    <message>
        <source>a member is missing</source>
        <translation>un membre est absent</translation>
    </message>
    <message>
        <source>thirteen fields were expected</source>
        <translation>treize champs étaient attendus</translation>
    </message>
    <message>
        <source>too many members or a block too long</source>
        <translation>trop de membres ou un bloc trop long</translation>
    </message>
    <message>
        <source>a member is damaged</source>
        <translation>un membre est endommagé</translation>
    </message>
</context>
<context>
    <name>contacts::sync</name>
    <message numerus="yes">
        <source>%1 of the %n contacts %2</source>
        <translation>
            <numerusform>%1 du %n contact %2</numerusform>
            <numerusform>%1 des %n contacts %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the one contact %1</source>
        <translation>l&apos;unique contact %1</translation>
    </message>
    <message numerus="yes">
        <source>all %n contacts %1</source>
        <translation>
            <numerusform>le %n contact %1</numerusform>
            <numerusform>les %n contacts %1</numerusform>
        </translation>
    </message>
    <message>
        <source>not a base of the address book</source>
        <translation>pas une base du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>the base of another pager (%1 on %2)</source>
        <translation>la base d&apos;un autre pager (%1 sur %2)</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>in Quillbox</source>
        <translation>dans Quillbox</translation>
    </message>
    <message>
        <source>on the pager</source>
        <translation>sur le pager</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Synchronize Contacts would delete %1.
Synchronize all the same?</source>
        <translation>« Synchroniser les contacts » supprimerait %1.
Synchroniser quand même ?</translation>
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
        <translation>Le carnet d&apos;adresses contient des données que le pager ne peut pas stocker.</translation>
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
        <translation>Aucun appareil n&apos;est défini.</translation>
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
        <translation>répond, mais sa version du protocole n&apos;est pas prise en charge</translation>
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
        <translation>vous n&apos;avez pas le droit de l&apos;ouvrir</translation>
    </message>
    <message>
        <source>it belongs to the group &quot;%1&quot;, which you joined after you logged in</source>
        <translation>il appartient au groupe « %1 », que vous avez rejoint après votre connexion</translation>
    </message>
    <message>
        <source>it belongs to the group &quot;%1&quot;, and you are not in that group</source>
        <translation>il appartient au groupe « %1 », et vous n&apos;êtes pas dans ce groupe</translation>
    </message>
    <message>
        <source>You may not open %1: %2.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir %1 : %2.</translation>
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
Or unplug the pager&apos;s adapter and plug it in again: Quillbox&apos;s device rule lets you open it from then on, if it names the adapter (the README says how to add one).</source>
        <translation>
Ou débranchez l&apos;adaptateur du pager et rebranchez-le : la règle de périphérique de Quillbox vous permet alors de l&apos;ouvrir, si elle nomme l&apos;adaptateur (le README explique comment en ajouter une).</translation>
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
<context>
    <name>messages::columns</name>
    <message>
        <source>No</source>
        <extracomment>Heading of the column that numbers the rows (0, 1, 2, ...).</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>Heading of the column that names the folder a found message lies in.</extracomment>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>messages::export</name>
    <message>
        <source>The export file %1 could not be written: %2</source>
        <translation>Le fichier d&apos;exportation %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Mail Folder( *.mbox )</source>
        <translation>Dossier de courrier( *.mbox )</translation>
    </message>
    <message>
        <source>CSV File( *.csv )</source>
        <translation>Fichier CSV( *.csv )</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Exporter les messages</translation>
    </message>
    <message>
        <source>CSV: &amp;write fields unchanged (no &apos; before =, +, - or @)</source>
        <translation>CSV : écrire les champs &amp;tels quels (sans &apos; devant =, +, - ou @)</translation>
    </message>
    <message>
        <source>Export Completed ! </source>
        <translation>Exportation terminée ! </translation>
    </message>
</context>
<context>
    <name>messages::folderdb</name>
    <message>
        <source>The folder database is cut short: the file ends at byte %1, inside its header (at byte %2).</source>
        <translation>La base de dossiers est tronquée : le fichier se termine à l&apos;octet %1, dans son en-tête (à l&apos;octet %2).</translation>
    </message>
    <message>
        <source>record %1 of %2 (starting at byte %3), field %4 at byte %5</source>
        <translation>enregistrement %1 sur %2 (commençant à l&apos;octet %3), champ %4 à l&apos;octet %5</translation>
    </message>
    <message numerus="yes">
        <source>The folder database is cut short: the file ends at byte %1, inside %2. The %n records before it were read.</source>
        <translation>
            <numerusform>La base de dossiers est tronquée : le fichier se termine à l&apos;octet %1, dans %2. %n enregistrement précédent a été lu.</numerusform>
            <numerusform>La base de dossiers est tronquée : le fichier se termine à l&apos;octet %1, dans %2. Les %n enregistrements précédents ont été lus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The folder database is damaged or cut short: %1 claims %2 bytes, but the file ends at byte %3. The %n records before it were read.</source>
        <translation>
            <numerusform>La base de dossiers est endommagée ou tronquée : %1 annonce %2 octets, mais le fichier se termine à l&apos;octet %3. %n enregistrement précédent a été lu.</numerusform>
            <numerusform>La base de dossiers est endommagée ou tronquée : %1 annonce %2 octets, mais le fichier se termine à l&apos;octet %3. Les %n enregistrements précédents ont été lus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The folder database is damaged: %1 has a length this file cannot hold. The %n records before it were read.</source>
        <translation>
            <numerusform>La base de dossiers est endommagée : %1 a une longueur que ce fichier ne peut pas contenir. %n enregistrement précédent a été lu.</numerusform>
            <numerusform>La base de dossiers est endommagée : %1 a une longueur que ce fichier ne peut pas contenir. Les %n enregistrements précédents ont été lus.</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder database %1 cannot be read: %2</source>
        <translation>La base de dossiers %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>The folder database %1 cannot be read past byte %2: %3</source>
        <translation>La base de dossiers %1 ne peut pas être lue au-delà de l&apos;octet %2 : %3</translation>
    </message>
    <message>
        <source>The folder database %1 could not be written: %2</source>
        <translation>La base de dossiers %1 n&apos;a pas pu être écrite : %2</translation>
    </message>
    <message>
        <source>there are more records than the file format allows.</source>
        <translation>il y a plus d&apos;enregistrements que le format de fichier ne le permet.</translation>
    </message>
    <message>
        <source>The damaged folder database %1 could not be moved aside: %2</source>
        <translation>La base de dossiers endommagée %1 n&apos;a pas pu être mise de côté : %2</translation>
    </message>
</context>
<context>
    <name>messages::folders</name>
    <message>
        <source>Inbox</source>
        <translation>Boîte de réception</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Boîte d&apos;envoi</translation>
    </message>
    <message>
        <source>Drafts</source>
        <translation>Brouillons</translation>
    </message>
    <message>
        <source>Folder1</source>
        <translation>Dossier1</translation>
    </message>
    <message>
        <source>Folder2</source>
        <translation>Dossier2</translation>
    </message>
    <message>
        <source>Folder3</source>
        <translation>Dossier3</translation>
    </message>
    <message>
        <source>News/Info1</source>
        <translation>Actualités/Info1</translation>
    </message>
    <message>
        <source>News/Info2</source>
        <translation>Actualités/Info2</translation>
    </message>
    <message>
        <source>News/Info3</source>
        <translation>Actualités/Info3</translation>
    </message>
    <message>
        <source>News/Info4</source>
        <translation>Actualités/Info4</translation>
    </message>
    <message>
        <source>News/Info5</source>
        <translation>Actualités/Info5</translation>
    </message>
    <message>
        <source>News/Info6</source>
        <translation>Actualités/Info6</translation>
    </message>
    <message>
        <source>News/Info7</source>
        <translation>Actualités/Info7</translation>
    </message>
    <message>
        <source>News/Info8</source>
        <translation>Actualités/Info8</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>LocalFolder</source>
        <translation>Dossiers locaux</translation>
    </message>
    <message>
        <source>You Must Input FolderName.</source>
        <translation>Veuillez saisir un nom de dossier.</translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation>Nom du dossier</translation>
    </message>
    <message>
        <source>Existed Folder Name.
You Must Input the Different FolderName.</source>
        <translation>Ce nom de dossier existe déjà.
Veuillez saisir un autre nom de dossier.</translation>
    </message>
    <message>
        <source>Folder ReName Failed </source>
        <translation>Échec du renommage du dossier </translation>
    </message>
</context>
<context>
    <name>platform::filedialog</name>
    <message>
        <source>%1
File not found.
Check the file name and try again.</source>
        <translation>%1
Fichier introuvable.
Vérifiez le nom du fichier et réessayez.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Confirm Save As</source>
        <translation>Confirmer l&apos;enregistrement sous</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>platform::files</name>
    <message>
        <source>the contents could not be made</source>
        <translation>le contenu n&apos;a pas pu être produit</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>c&apos;est un tube, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1 bytes long, more than the %2 MB that are read at most</source>
        <translation>il fait %1 octets, plus que les %2 Mo lus au maximum</translation>
    </message>
</context>
<context>
    <name>platform::rename</name>
    <message>
        <source>%1 - ReName Failed.
%2</source>
        <extracomment>%1 is the item&apos;s name as the tree shows it, %2 the tree&apos;s own reason and advice.</extracomment>
        <translation>%1 - Échec du renommage.
%2</translation>
    </message>
</context>
</TS>
