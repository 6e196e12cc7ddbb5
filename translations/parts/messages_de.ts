<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CChooseFolderDlg</name>
    <message>
        <source>&amp;Folder:</source>
        <translation>Or&amp;dner:</translation>
    </message>
    <message>
        <source>Your local folders; the messages go into the one chosen</source>
        <translation>Ihre lokalen Ordner; die Nachrichten kommen in den gewählten Ordner</translation>
    </message>
</context>
<context>
    <name>CLeftView</name>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>ReName</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Export Messages...</source>
        <translation>Nachrichten exportieren...</translation>
    </message>
    <message>
        <source>Export Messages with Subfolders...</source>
        <translation>Nachrichten mit Unterordnern exportieren...</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The pager&apos;s folders and your local folders, each with its count of messages</source>
        <translation>Die Ordner des Pagers und Ihre lokalen Ordner, jeweils mit der Anzahl ihrer Nachrichten</translation>
    </message>
    <message>
        <source>Download Completed ! </source>
        <translation>Herunterladen abgeschlossen! </translation>
    </message>
</context>
<context>
    <name>CMessageTableView</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Copy to Folder...</source>
        <translation>In Ordner kopieren...</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>In Ordner verschieben...</translation>
    </message>
    <message>
        <source>Export Messages...</source>
        <translation>Nachrichten exportieren...</translation>
    </message>
    <message>
        <source>Copy to Folder</source>
        <translation>In Ordner kopieren</translation>
    </message>
    <message>
        <source>Move to Folder</source>
        <translation>In Ordner verschieben</translation>
    </message>
</context>
<context>
    <name>CRightDetailView</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>The header and text of the message chosen in the list</source>
        <translation>Kopfzeile und Text der in der Liste gewählten Nachricht</translation>
    </message>
</context>
<context>
    <name>CRightListView</name>
    <message>
        <source>Message list</source>
        <translation>Nachrichtenliste</translation>
    </message>
    <message>
        <source>The messages of the folder chosen in the folder tree</source>
        <translation>Die Nachrichten des in der Ordnerstruktur gewählten Ordners</translation>
    </message>
</context>
<context>
    <name>CRightView</name>
    <message>
        <source>Search all folders (Ctrl+F)</source>
        <translation>Alle Ordner durchsuchen (Strg+F)</translation>
    </message>
    <message>
        <source>Search all folders</source>
        <translation>Alle Ordner durchsuchen</translation>
    </message>
    <message>
        <source>Words to find in the messages of every folder; Esc ends the search</source>
        <translation>Wörter, die in den Nachrichten aller Ordner gesucht werden; Esc beendet die Suche</translation>
    </message>
</context>
<context>
    <name>CSearchResultsView</name>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>The messages of every folder that hold the words searched for</source>
        <translation>Die Nachrichten aller Ordner, die die gesuchten Wörter enthalten</translation>
    </message>
    <message>
        <source>Messages</source>
        <comment>export file name</comment>
        <extracomment>The name suggested for a file of exported search results.</extracomment>
        <translation>Nachrichten</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message numerus="yes">
        <source>%n messages</source>
        <translation>
            <numerusform>%n Nachricht</numerusform>
            <numerusform>%n Nachrichten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 message</source>
        <translation>1 Nachricht</translation>
    </message>
</context>
<context>
    <name>messages::columns</name>
    <message>
        <source>No</source>
        <extracomment>Heading of the column that numbers the rows (0, 1, 2, ...).</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Folder</source>
        <extracomment>Heading of the column that names the folder a found message lies in.</extracomment>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>messages::export</name>
    <message>
        <source>The export file %1 could not be written: %2</source>
        <translation>Die Exportdatei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Mail Folder( *.mbox )</source>
        <translation>Mail-Ordner( *.mbox )</translation>
    </message>
    <message>
        <source>CSV File( *.csv )</source>
        <translation>CSV-Datei( *.csv )</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Nachrichten exportieren</translation>
    </message>
    <message>
        <source>CSV: &amp;write fields unchanged (no &apos; before =, +, - or @)</source>
        <translation>CSV: Felder &amp;unverändert schreiben (kein &apos; vor =, +, - oder @)</translation>
    </message>
    <message>
        <source>Export Completed ! </source>
        <translation>Export abgeschlossen! </translation>
    </message>
</context>
<context>
    <name>messages::folderdb</name>
    <message>
        <source>The folder database is cut short: the file ends at byte %1, inside its header (at byte %2).</source>
        <translation>Die Ordnerdatenbank ist unvollständig: Die Datei endet bei Byte %1, innerhalb ihres Kopfes (bei Byte %2).</translation>
    </message>
    <message>
        <source>record %1 of %2 (starting at byte %3), field %4 at byte %5</source>
        <translation>Datensatz %1 von %2 (ab Byte %3), Feld %4 bei Byte %5</translation>
    </message>
    <message numerus="yes">
        <source>The folder database is cut short: the file ends at byte %1, inside %2. The %n records before it were read.</source>
        <translation>
            <numerusform>Die Ordnerdatenbank ist unvollständig: Die Datei endet bei Byte %1, innerhalb von %2. Der %n Datensatz davor wurde gelesen.</numerusform>
            <numerusform>Die Ordnerdatenbank ist unvollständig: Die Datei endet bei Byte %1, innerhalb von %2. Die %n Datensätze davor wurden gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The folder database is damaged or cut short: %1 claims %2 bytes, but the file ends at byte %3. The %n records before it were read.</source>
        <translation>
            <numerusform>Die Ordnerdatenbank ist beschädigt oder unvollständig: %1 gibt %2 Bytes an, aber die Datei endet bei Byte %3. Der %n Datensatz davor wurde gelesen.</numerusform>
            <numerusform>Die Ordnerdatenbank ist beschädigt oder unvollständig: %1 gibt %2 Bytes an, aber die Datei endet bei Byte %3. Die %n Datensätze davor wurden gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The folder database is damaged: %1 has a length this file cannot hold. The %n records before it were read.</source>
        <translation>
            <numerusform>Die Ordnerdatenbank ist beschädigt: %1 hat eine Länge, die diese Datei nicht aufnehmen kann. Der %n Datensatz davor wurde gelesen.</numerusform>
            <numerusform>Die Ordnerdatenbank ist beschädigt: %1 hat eine Länge, die diese Datei nicht aufnehmen kann. Die %n Datensätze davor wurden gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder database %1 cannot be read: %2</source>
        <translation>Die Ordnerdatenbank %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The folder database %1 cannot be read past byte %2: %3</source>
        <translation>Die Ordnerdatenbank %1 kann nicht über Byte %2 hinaus gelesen werden: %3</translation>
    </message>
    <message>
        <source>The folder database %1 could not be written: %2</source>
        <translation>Die Ordnerdatenbank %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>there are more records than the file format allows.</source>
        <translation>Es gibt mehr Datensätze, als das Dateiformat erlaubt.</translation>
    </message>
    <message>
        <source>The damaged folder database %1 could not be moved aside: %2</source>
        <translation>Die beschädigte Ordnerdatenbank %1 konnte nicht beiseitegelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>messages::folders</name>
    <message>
        <source>Inbox</source>
        <translation>Posteingang</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Postausgang</translation>
    </message>
    <message>
        <source>Drafts</source>
        <translation>Entwürfe</translation>
    </message>
    <message>
        <source>Folder1</source>
        <translation>Ordner1</translation>
    </message>
    <message>
        <source>Folder2</source>
        <translation>Ordner2</translation>
    </message>
    <message>
        <source>Folder3</source>
        <translation>Ordner3</translation>
    </message>
    <message>
        <source>News/Info1</source>
        <translation>News/Info1</translation>
    </message>
    <message>
        <source>News/Info2</source>
        <translation>News/Info2</translation>
    </message>
    <message>
        <source>News/Info3</source>
        <translation>News/Info3</translation>
    </message>
    <message>
        <source>News/Info4</source>
        <translation>News/Info4</translation>
    </message>
    <message>
        <source>News/Info5</source>
        <translation>News/Info5</translation>
    </message>
    <message>
        <source>News/Info6</source>
        <translation>News/Info6</translation>
    </message>
    <message>
        <source>News/Info7</source>
        <translation>News/Info7</translation>
    </message>
    <message>
        <source>News/Info8</source>
        <translation>News/Info8</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>LocalFolder</source>
        <translation>Lokale Ordner</translation>
    </message>
    <message>
        <source>You Must Input FolderName.</source>
        <translation>Bitte geben Sie einen Ordnernamen ein.</translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <source>Existed Folder Name.
You Must Input the Different FolderName.</source>
        <translation>Dieser Ordnername ist bereits vorhanden.
Bitte geben Sie einen anderen Ordnernamen ein.</translation>
    </message>
    <message>
        <source>Folder ReName Failed </source>
        <translation>Umbenennen des Ordners fehlgeschlagen </translation>
    </message>
</context>
<context>
    <name>platform::filedialog</name>
    <message>
        <source>%1
File not found.
Check the file name and try again.</source>
        <translation>%1
Datei nicht gefunden.
Überprüfen Sie den Dateinamen, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Confirm Save As</source>
        <translation>Speichern unter bestätigen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>platform::files</name>
    <message>
        <source>the contents could not be made</source>
        <translation>der Inhalt konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>es ist eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is %1 bytes long, more than the %2 MB that are read at most</source>
        <translation>sie ist %1 Bytes groß, mehr als die höchstens %2 MB, die gelesen werden</translation>
    </message>
</context>
<context>
    <name>platform::rename</name>
    <message>
        <source>%1 - ReName Failed.
%2</source>
        <extracomment>%1 is the item&apos;s name as the tree shows it, %2 the tree&apos;s own reason and advice.</extracomment>
        <translation>%1 - Umbenennen fehlgeschlagen.
%2</translation>
    </message>
</context>
</TS>
