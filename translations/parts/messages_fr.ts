<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>La base de données des dossiers est tronquée : le fichier se termine à l&apos;octet %1, dans son en-tête (à l&apos;octet %2).</translation>
    </message>
    <message>
        <source>record %1 of %2 (starting at byte %3), field %4 at byte %5</source>
        <translation>enregistrement %1 sur %2 (commençant à l&apos;octet %3), champ %4 à l&apos;octet %5</translation>
    </message>
    <message numerus="yes">
        <source>The folder database is cut short: the file ends at byte %1, inside %2. The %n records before it were read.</source>
        <translation>
            <numerusform>La base de données des dossiers est tronquée : le fichier se termine à l&apos;octet %1, dans %2. %n enregistrement précédent a été lu.</numerusform>
            <numerusform>La base de données des dossiers est tronquée : le fichier se termine à l&apos;octet %1, dans %2. Les %n enregistrements précédents ont été lus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The folder database is damaged or cut short: %1 claims %2 bytes, but the file ends at byte %3. The %n records before it were read.</source>
        <translation>
            <numerusform>La base de données des dossiers est endommagée ou tronquée : %1 annonce %2 octets, mais le fichier se termine à l&apos;octet %3. %n enregistrement précédent a été lu.</numerusform>
            <numerusform>La base de données des dossiers est endommagée ou tronquée : %1 annonce %2 octets, mais le fichier se termine à l&apos;octet %3. Les %n enregistrements précédents ont été lus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The folder database is damaged: %1 has a length this file cannot hold. The %n records before it were read.</source>
        <translation>
            <numerusform>La base de données des dossiers est endommagée : %1 a une longueur que ce fichier ne peut pas contenir. %n enregistrement précédent a été lu.</numerusform>
            <numerusform>La base de données des dossiers est endommagée : %1 a une longueur que ce fichier ne peut pas contenir. Les %n enregistrements précédents ont été lus.</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder database %1 cannot be read: %2</source>
        <translation>La base de données des dossiers %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>The folder database %1 cannot be read past byte %2: %3</source>
        <translation>La base de données des dossiers %1 ne peut pas être lue au-delà de l&apos;octet %2 : %3</translation>
    </message>
    <message>
        <source>The folder database %1 could not be written: %2</source>
        <translation>La base de données des dossiers %1 n&apos;a pas pu être écrite : %2</translation>
    </message>
    <message>
        <source>there are more records than the file format allows.</source>
        <translation>il y a plus d&apos;enregistrements que le format de fichier ne le permet.</translation>
    </message>
    <message>
        <source>The damaged folder database %1 could not be moved aside: %2</source>
        <translation>La base de données des dossiers endommagée %1 n&apos;a pas pu être mise de côté : %2</translation>
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
