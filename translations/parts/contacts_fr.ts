<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Tous les contacts avec leur nom, deux adresses e-mail et l&apos;adresse sans fil.</translation>
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
        <translation>Une modification faite dans Quillbox et une autre faite sur « %1 » depuis la dernière synchronisation ne concordent pas. Choisissez pour chacune ce qu&apos;il faut garder.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes made in Quillbox and on the %1 since the last synchronize do not agree. Choose for each which to keep.</source>
        <translation>
            <numerusform>%n modification faite dans Quillbox et sur « %1 » depuis la dernière synchronisation ne concorde pas. Choisissez pour chacune ce qu&apos;il faut garder.</numerusform>
            <numerusform>%n modifications faites dans Quillbox et sur « %1 » depuis la dernière synchronisation ne concordent pas. Choisissez pour chacune ce qu&apos;il faut garder.</numerusform>
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
        <translation>Sur %1</translation>
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
        <translation>À garder pour %1</translation>
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
        <translation>Importer une vCard...</translation>
    </message>
    <message>
        <source>Export vCard...</source>
        <translation>Exporter une vCard...</translation>
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
        <translation>Importer une vCard</translation>
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
        <translation>Nouvel e-mail</translation>
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
        <translation>Le carnet d&apos;adresses a été téléchargé à nouveau pendant que ceci était ouvert.
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
        <translation>1 fiche n&apos;a pas pu être lue.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards could not be read.</source>
        <translation>
            <numerusform>%n fiche n&apos;a pas pu être lue.</numerusform>
            <numerusform>%n fiches n&apos;ont pas pu être lues.</numerusform>
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
        <source>, %1 already there</source>
        <translation>, %1 déjà présents</translation>
    </message>
    <message>
        <source>, %1 did not fit</source>
        <translation>, %1 n&apos;ont pas pu être ajoutés</translation>
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
        <translation>1 fiche de ce fichier n&apos;a pas pu être lue.
Rien n&apos;a été importé.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards in this file could not be read.
Nothing was imported.</source>
        <translation>
            <numerusform>%n fiche de ce fichier n&apos;a pas pu être lue.
Rien n&apos;a été importé.</numerusform>
            <numerusform>%n fiches de ce fichier n&apos;ont pas pu être lues.
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
    <name>GroupCommands</name>
    <message>
        <source>You Must Input GropName.</source>
        <translation>Vous devez saisir un nom de groupe.</translation>
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
Vous devez saisir un autre nom de groupe.</translation>
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
</TS>
