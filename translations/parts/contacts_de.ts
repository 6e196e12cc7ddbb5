<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAddressEntryDlg</name>
    <message>
        <source>New</source>
        <extracomment>Title of the address entry dialog until its caller names it.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>An e-mail or wireless address of at most %1 bytes.</source>
        <translation>Eine E-Mail- oder Funkadresse mit höchstens %1 Bytes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Input Address</source>
        <translation>Adresse eingeben</translation>
    </message>
    <message>
        <source>New Email Address</source>
        <translation>Neue E-Mail-Adresse</translation>
    </message>
    <message>
        <source>New Wireless Address</source>
        <translation>Neue Funkadresse</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>E-Mail2</source>
        <translation>E-Mail 2</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Funk</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Every contact with its name, two e-mail addresses and wireless address.</source>
        <translation>Alle Kontakte mit Name, zwei E-Mail-Adressen und Funkadresse.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>E-Mail&amp;2</source>
        <translation>E-Mail &amp;2</translation>
    </message>
    <message>
        <source>&amp;Wireless</source>
        <translation>&amp;Funk</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Aus&amp;wählen</translation>
    </message>
</context>
<context>
    <name>CConflictReviewDlg</name>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Parent Group</source>
        <translation>Übergeordnete Gruppe</translation>
    </message>
    <message>
        <source>(deleted)</source>
        <translation>(gelöscht)</translation>
    </message>
    <message>
        <source>(changed)</source>
        <translation>(geändert)</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>(top level)</source>
        <translation>(oberste Ebene)</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>A change made in Quillbox and one made on the %1 since the last synchronize do not agree. Choose for each which to keep.</source>
        <translation>Eine Änderung in Quillbox und eine auf dem Gerät „%1“ seit der letzten Synchronisierung widersprechen sich. Wählen Sie jeweils, was behalten werden soll.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes made in Quillbox and on the %1 since the last synchronize do not agree. Choose for each which to keep.</source>
        <translation>
            <numerusform>%n Änderung in Quillbox und auf dem Gerät „%1“ seit der letzten Synchronisierung widerspricht sich. Wählen Sie jeweils, was behalten werden soll.</numerusform>
            <numerusform>%n Änderungen in Quillbox und auf dem Gerät „%1“ seit der letzten Synchronisierung widersprechen sich. Wählen Sie jeweils, was behalten werden soll.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Contact or Group</source>
        <translation>Kontakt oder Gruppe</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Last Synchronized</source>
        <translation>Zuletzt synchronisiert</translation>
    </message>
    <message>
        <source>In Quillbox</source>
        <translation>In Quillbox</translation>
    </message>
    <message>
        <source>On the %1</source>
        <translation>Auf %1</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Konflikte</translation>
    </message>
    <message>
        <source>One row per conflict: which side to keep, and the values of both sides.</source>
        <translation>Eine Zeile je Konflikt: welche Seite behalten wird und die Werte beider Seiten.</translation>
    </message>
    <message>
        <source>Keep for %1</source>
        <translation>Behalten für %1</translation>
    </message>
    <message>
        <source>Keep All from &amp;Quillbox</source>
        <translation>Alle aus &amp;Quillbox behalten</translation>
    </message>
    <message>
        <source>Keep All from &amp;the %1</source>
        <translation>Alle &amp;von %1 behalten</translation>
    </message>
    <message>
        <source>Synchronize Contacts</source>
        <translation>Kontakte synchronisieren</translation>
    </message>
</context>
<context>
    <name>CContactDlg</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>Kontaktinformationen</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>&amp;First Name</source>
        <translation>&amp;Vorname</translation>
    </message>
    <message>
        <source>&amp;Last Name</source>
        <translation>&amp;Nachname</translation>
    </message>
    <message>
        <source>&amp;Wireless Address</source>
        <translation>&amp;Funkadresse</translation>
    </message>
    <message>
        <source>&amp;Email Address #1</source>
        <translation>&amp;E-Mail-Adresse 1</translation>
    </message>
    <message>
        <source>Email Address #&amp;2</source>
        <translation>E-Mail-Adresse &amp;2</translation>
    </message>
    <message>
        <source>Email Address #&amp;3</source>
        <translation>E-Mail-Adresse &amp;3</translation>
    </message>
    <message>
        <source>Wor&amp;k Number</source>
        <translation>&amp;Telefon (Arbeit)</translation>
    </message>
    <message>
        <source>&amp;Mobile Number</source>
        <translation>&amp;Mobiltelefon</translation>
    </message>
    <message>
        <source>&amp;Home Number</source>
        <translation>Telefon (&amp;Privat)</translation>
    </message>
    <message>
        <source>Fa&amp;x Number</source>
        <translation>Fa&amp;x</translation>
    </message>
    <message>
        <source>C&amp;ompanyName</source>
        <translation>Fi&amp;rmenname</translation>
    </message>
    <message>
        <source>Ma&amp;iling Address</source>
        <translation>Postan&amp;schrift</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>Noti&amp;zen</translation>
    </message>
</context>
<context>
    <name>CContactsDlg</name>
    <message>
        <source>Download Completed ! </source>
        <translation>Herunterladen abgeschlossen ! </translation>
    </message>
    <message>
        <source>Upload Completed ! </source>
        <translation>Hochladen abgeschlossen ! </translation>
    </message>
    <message>
        <source>Delete Contact</source>
        <translation>Kontakt löschen</translation>
    </message>
    <message>
        <source>Contact</source>
        <comment>open</comment>
        <extracomment>Menu command: opens the selected contact.</extracomment>
        <translation>Kontakt öffnen</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>New Group</source>
        <translation>Neue Gruppe</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Gruppe bearbeiten</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Rename Group</source>
        <translation>Gruppe umbenennen</translation>
    </message>
    <message>
        <source>Import vCard...</source>
        <translation>vCard importieren...</translation>
    </message>
    <message>
        <source>Export vCard...</source>
        <translation>vCard exportieren...</translation>
    </message>
    <message>
        <source>Contacts History...</source>
        <translation>Kontaktverlauf...</translation>
    </message>
    <message>
        <source>Folders and groups</source>
        <translation>Ordner und Gruppen</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>The contacts, the groups or a group&apos;s members, as chosen on the left.</source>
        <translation>Die Kontakte, die Gruppen oder die Mitglieder einer Gruppe, je nach Auswahl links.</translation>
    </message>
</context>
<context>
    <name>CContactsHistoryDlg</name>
    <message>
        <source>Kept</source>
        <translation>Gesichert</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Snapshots of the address book</source>
        <translation>Sicherungen des Adressbuchs</translation>
    </message>
    <message>
        <source>When each snapshot was kept, the step it was kept before, and what it holds.</source>
        <translation>Wann jede Sicherung angelegt wurde, vor welchem Schritt und was sie enthält.</translation>
    </message>
    <message>
        <source>Snapshots that could not be read, and are not listed:
%1</source>
        <translation>Sicherungen, die nicht gelesen werden konnten und nicht aufgeführt sind:
%1</translation>
    </message>
    <message>
        <source>What restoring it would &amp;change:</source>
        <translation>Was die Wiederherstellung ä&amp;ndern würde:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>No snapshot of the address book has been kept yet.</source>
        <translation>Es wurde noch keine Sicherung des Adressbuchs angelegt.</translation>
    </message>
    <message>
        <source>Download Contacts</source>
        <translation>Kontakte herunterladen</translation>
    </message>
    <message>
        <source>Upload Contacts</source>
        <translation>Kontakte hochladen</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation>vCard importieren</translation>
    </message>
    <message>
        <source>Synchronize Contacts</source>
        <translation>Kontakte synchronisieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The step a snapshot was kept before: restoring another snapshot.</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close of Quillbox</source>
        <translation>Beenden von Quillbox</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>Diese Sicherung kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The address book is now as this snapshot holds it.</source>
        <translation>Das Adressbuch entspricht bereits dieser Sicherung.</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n: %1</source>
        <extracomment>Followed by how many contacts and groups, and their names.</extracomment>
        <translation>
            <numerusform>Fügt %n hinzu: %1</numerusform>
            <numerusform>Fügt %n hinzu: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removes %n: %1</source>
        <translation>
            <numerusform>Entfernt %n: %1</numerusform>
            <numerusform>Entfernt %n: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Changes %n: %1</source>
        <translation>
            <numerusform>Ändert %n: %1</numerusform>
            <numerusform>Ändert %n: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacts History</source>
        <translation>Kontaktverlauf</translation>
    </message>
</context>
<context>
    <name>CDuplicateReviewDlg</name>
    <message>
        <source>(the same)</source>
        <translation>(gleich)</translation>
    </message>
    <message numerus="yes">
        <source>%n of the contacts in the file are already in the address book. Choose for each whether to skip it, replace the contact in the address book with it, or add it as a new contact.</source>
        <translation>
            <numerusform>%n Kontakt der Datei ist schon im Adressbuch. Wählen Sie jeweils, ob er übersprungen werden, den Kontakt im Adressbuch ersetzen oder als neuer Kontakt hinzugefügt werden soll.</numerusform>
            <numerusform>%n Kontakte der Datei sind schon im Adressbuch. Wählen Sie jeweils, ob er übersprungen werden, den Kontakt im Adressbuch ersetzen oder als neuer Kontakt hinzugefügt werden soll.</numerusform>
        </translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>In the address book</source>
        <translation>Im Adressbuch</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>In der Datei</translation>
    </message>
    <message>
        <source>Duplicate contacts</source>
        <translation>Doppelte Kontakte</translation>
    </message>
    <message>
        <source>One row per contact of the file already in the address book: what to do with it, and both contacts.</source>
        <translation>Eine Zeile je Kontakt der Datei, der schon im Adressbuch steht: was damit geschehen soll, und beide Kontakte.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Add as new</source>
        <translation>Als neu hinzufügen</translation>
    </message>
    <message>
        <source>Action for %1</source>
        <translation>Aktion für %1</translation>
    </message>
    <message>
        <source>&amp;Skip All</source>
        <translation>Alle &amp;überspringen</translation>
    </message>
    <message>
        <source>&amp;Replace All</source>
        <translation>Alle &amp;ersetzen</translation>
    </message>
    <message>
        <source>&amp;Add All as New</source>
        <translation>Alle als &amp;neu hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>1 contact will be added.</source>
        <translation>1 Kontakt wird hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts will be added.</source>
        <translation>
            <numerusform>%n Kontakt wird hinzugefügt.</numerusform>
            <numerusform>%n Kontakte werden hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n of them will not fit: the address book holds at most %1 contacts.</source>
        <translation>
            <numerusform> %n davon passt nicht hinein: Das Adressbuch fasst höchstens %1 Kontakte.</numerusform>
            <numerusform> %n davon passen nicht hinein: Das Adressbuch fasst höchstens %1 Kontakte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate Contacts</source>
        <translation>Doppelte Kontakte</translation>
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
        <translation>Funk</translation>
    </message>
    <message>
        <source>&amp;GroupName</source>
        <translation>&amp;Gruppenname</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>The group&apos;s addresses with their kind; the context menu adds and deletes them.</source>
        <translation>Die Adressen der Gruppe mit ihrer Art; das Kontextmenü fügt sie hinzu und löscht sie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select Address</source>
        <translation>Adresse auswählen</translation>
    </message>
    <message>
        <source>New Email</source>
        <translation>Neue E-Mail</translation>
    </message>
    <message>
        <source>New Wireless</source>
        <translation>Neue Funkadresse</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
</context>
<context>
    <name>ChunkedInput</name>
    <message>
        <source>The file is not open for reading</source>
        <translation>Die Datei ist nicht zum Lesen geöffnet</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Lesefehler</translation>
    </message>
</context>
<context>
    <name>ContactsCommand</name>
    <message>
        <source>The address book was downloaded again while this was open.
Your changes were not kept.</source>
        <translation>Das Adressbuch wurde erneut heruntergeladen, während dies geöffnet war.
Ihre Änderungen wurden nicht übernommen.</translation>
    </message>
</context>
<context>
    <name>ContactsExchangeManager</name>
    <message>
        <source>Couldn&apos;t open source file:
%1</source>
        <translation>Die Quelldatei konnte nicht geöffnet werden:
%1</translation>
    </message>
    <message>
        <source>vCard Import Completed.</source>
        <translation>vCard-Import abgeschlossen.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <translation>%1, %2, %3.</translation>
    </message>
    <message>
        <source>1 contact added</source>
        <translation>1 Kontakt hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts added</source>
        <translation>
            <numerusform>%n Kontakt hinzugefügt</numerusform>
            <numerusform>%n Kontakte hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>1 replaced</source>
        <translation>1 ersetzt</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <translation>
            <numerusform>%n ersetzt</numerusform>
            <numerusform>%n ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>1 duplicate skipped</source>
        <translation>1 Duplikat übersprungen</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the address book holds at most %2.</source>
        <translation>%1: Das Adressbuch fasst höchstens %2.</translation>
    </message>
    <message>
        <source>1 contact did not fit</source>
        <translation>1 Kontakt passte nicht hinein</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts did not fit</source>
        <translation>
            <numerusform>%n Kontakt passte nicht hinein</numerusform>
            <numerusform>%n Kontakte passten nicht hinein</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact was refused.</source>
        <translation>1 Kontakt wurde abgelehnt.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts were refused.</source>
        <translation>
            <numerusform>%n Kontakt wurde abgelehnt.</numerusform>
            <numerusform>%n Kontakte wurden abgelehnt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card could not be read.</source>
        <translation>1 Karte konnte nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards could not be read.</source>
        <translation>
            <numerusform>%n Karte konnte nicht gelesen werden.</numerusform>
            <numerusform>%n Karten konnten nicht gelesen werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 group added</source>
        <translation>1 Gruppe hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>%n groups added</source>
        <translation>
            <numerusform>%n Gruppe hinzugefügt</numerusform>
            <numerusform>%n Gruppen hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 already there</source>
        <translation>, %1 schon vorhanden</translation>
    </message>
    <message>
        <source>, %1 did not fit</source>
        <translation>, %1 passten nicht hinein</translation>
    </message>
    <message>
        <source>Not everything fitted:</source>
        <translation>Nicht alles passte hinein:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>ImportAddress PagerError</source>
        <translation>Adressimport: Pager-Fehler</translation>
    </message>
    <message>
        <source>Couldn&apos;t read source file:
%1</source>
        <translation>Die Quelldatei konnte nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>Import Completed ! </source>
        <translation>Import abgeschlossen ! </translation>
    </message>
    <message>
        <source>Couldn&apos;t save the contacts file:
%1
%2</source>
        <translation>Die Kontaktdatei konnte nicht gespeichert werden:
%1
%2</translation>
    </message>
    <message>
        <source>Export Completed ! </source>
        <translation>Export abgeschlossen ! </translation>
    </message>
    <message>
        <source>Couldn&apos;t read source file:
%1
Nothing was imported.</source>
        <translation>Die Quelldatei konnte nicht gelesen werden:
%1
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>There is no vCard in this file.</source>
        <translation>Diese Datei enthält keine vCard.</translation>
    </message>
    <message>
        <source>1 card in this file could not be read.
Nothing was imported.</source>
        <translation>1 Karte in dieser Datei konnte nicht gelesen werden.
Es wurde nichts importiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards in this file could not be read.
Nothing was imported.</source>
        <translation>
            <numerusform>%n Karte in dieser Datei konnte nicht gelesen werden.
Es wurde nichts importiert.</numerusform>
            <numerusform>%n Karten in dieser Datei konnten nicht gelesen werden.
Es wurde nichts importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The address book has room for %1 of the %n contacts in the file (it holds at most %2).
Import the first %1?</source>
        <translation>
            <numerusform>Das Adressbuch hat Platz für %1 des %n Kontakts in der Datei (es fasst höchstens %2).
Die ersten %1 importieren?</numerusform>
            <numerusform>Das Adressbuch hat Platz für %1 der %n Kontakte in der Datei (es fasst höchstens %2).
Die ersten %1 importieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book was replaced by a download.
Nothing was imported.</source>
        <translation>Das Adressbuch wurde durch ein Herunterladen ersetzt.
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the vCard file:
%1
%2</source>
        <translation>Die vCard-Datei konnte nicht gespeichert werden:
%1
%2</translation>
    </message>
    <message>
        <source>vCard Export Completed: %1, %2.</source>
        <translation>vCard-Export abgeschlossen: %1, %2.</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 Kontakt</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <translation>
            <numerusform>%n Kontakt</numerusform>
            <numerusform>%n Kontakte</numerusform>
        </translation>
    </message>
    <message>
        <source>1 group</source>
        <translation>1 Gruppe</translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n Gruppe</numerusform>
            <numerusform>%n Gruppen</numerusform>
        </translation>
    </message>
    <message>
        <source>Quillbox File( *.txt )|*.txt||</source>
        <extracomment>File dialog filter: translate the names before each &quot;(&quot;, keep the rest.</extracomment>
        <translation>Quillbox-Datei( *.txt )|*.txt||</translation>
    </message>
    <message>
        <source>vCard File( *.vcf )|*.vcf||</source>
        <extracomment>File dialog filter: translate the names before each &quot;(&quot;, keep the rest.</extracomment>
        <translation>vCard-Datei( *.vcf )|*.vcf||</translation>
    </message>
    <message>
        <source>vCard 4.0 File( *.vcf )|*.vcf|vCard 3.0 File( *.vcf )|*.vcf||</source>
        <extracomment>File dialog filter: translate the names before each &quot;(&quot;, keep the rest.</extracomment>
        <translation>vCard-4.0-Datei( *.vcf )|*.vcf|vCard-3.0-Datei( *.vcf )|*.vcf||</translation>
    </message>
</context>
<context>
    <name>ContactsHistoryKeeper</name>
    <message>
        <source>The address book could not be kept in its history:
%1
%2

Quillbox goes on; this step cannot be undone from Contacts History.</source>
        <translation>Das Adressbuch konnte nicht im Verlauf gesichert werden:
%1
%2

Quillbox arbeitet weiter; dieser Schritt kann nicht über den Kontaktverlauf rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>ContactsTreeModel</name>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
</context>
<context>
    <name>FitReport</name>
    <message>
        <source>1 e-mail address</source>
        <translation>1 E-Mail-Adresse</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail addresses</source>
        <translation>
            <numerusform>%n E-Mail-Adresse</numerusform>
            <numerusform>%n E-Mail-Adressen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 telephone number</source>
        <translation>1 Telefonnummer</translation>
    </message>
    <message numerus="yes">
        <source>%n telephone numbers</source>
        <translation>
            <numerusform>%n Telefonnummer</numerusform>
            <numerusform>%n Telefonnummern</numerusform>
        </translation>
    </message>
    <message>
        <source>1 other value</source>
        <translation>1 weiterer Wert</translation>
    </message>
    <message numerus="yes">
        <source>%n other values</source>
        <translation>
            <numerusform>%n weiterer Wert</numerusform>
            <numerusform>%n weitere Werte</numerusform>
        </translation>
    </message>
    <message>
        <source>1 member</source>
        <translation>1 Mitglied</translation>
    </message>
    <message numerus="yes">
        <source>%n members</source>
        <translation>
            <numerusform>%n Mitglied</numerusform>
            <numerusform>%n Mitglieder</numerusform>
        </translation>
    </message>
    <message>
        <source>1 character replaced by &apos;?&apos;</source>
        <translation>1 Zeichen durch &apos;?&apos; ersetzt</translation>
    </message>
    <message numerus="yes">
        <source>%n characters replaced by &apos;?&apos;</source>
        <translation>
            <numerusform>%n Zeichen durch &apos;?&apos; ersetzt</numerusform>
            <numerusform>%n Zeichen durch &apos;?&apos; ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cut</source>
        <extracomment>A field whose value was shortened to what the pager keeps.</extracomment>
        <translation>%1 gekürzt</translation>
    </message>
    <message>
        <source>group name cut</source>
        <translation>Gruppenname gekürzt</translation>
    </message>
</context>
<context>
    <name>GroupCommands</name>
    <message>
        <source>You Must Input GropName.</source>
        <translation>Sie müssen einen Gruppennamen eingeben.</translation>
    </message>
    <message>
        <source>Group Name</source>
        <extracomment>Title of the message that a group&apos;s name is missing.</extracomment>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Existed GroupName.
You Must Input the Different GroupName.</source>
        <translation>Der Gruppenname ist bereits vorhanden.
Sie müssen einen anderen Gruppennamen eingeben.</translation>
    </message>
    <message>
        <source>Group ReName Failed </source>
        <translation>Umbenennen der Gruppe fehlgeschlagen </translation>
    </message>
</context>
<context>
    <name>GroupListModel</name>
    <message>
        <source>GROUP</source>
        <translation>GRUPPE</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Funk</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
</context>
<context>
    <name>contacts::addressdlgs</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>contacts::errors</name>
    <message>
        <source>No error.</source>
        <translation>Kein Fehler.</translation>
    </message>
    <message>
        <source>The address memory is full (%1 contacts).</source>
        <translation>Der Adressspeicher ist voll (%1 Kontakte).</translation>
    </message>
    <message>
        <source>The address memory holds no more groups (%1 groups).</source>
        <translation>Der Adressspeicher fasst keine weiteren Gruppen (%1 Gruppen).</translation>
    </message>
    <message>
        <source>Unknown address book operation.</source>
        <translation>Unbekannte Adressbuch-Operation.</translation>
    </message>
    <message>
        <source>Wrong argument for the address book operation.</source>
        <translation>Falsches Argument für die Adressbuch-Operation.</translation>
    </message>
    <message>
        <source>No contact or group was given.</source>
        <translation>Es wurde kein Kontakt und keine Gruppe angegeben.</translation>
    </message>
    <message>
        <source>The contact or group is not in the address book.</source>
        <translation>Der Kontakt oder die Gruppe ist nicht im Adressbuch.</translation>
    </message>
    <message>
        <source>The contact does not fit the pager (a field is too long).</source>
        <translation>Der Kontakt passt nicht in den Pager (ein Feld ist zu lang).</translation>
    </message>
    <message>
        <source>The group does not fit the pager (name, members or address block too long).</source>
        <translation>Die Gruppe passt nicht in den Pager (Name, Mitglieder oder Adressblock zu lang).</translation>
    </message>
    <message>
        <source>The address book is damaged (a contact slot or a group id is repeated or out of range).</source>
        <translation>Das Adressbuch ist beschädigt (ein Kontaktplatz oder eine Gruppen-ID ist doppelt oder außerhalb des Bereichs).</translation>
    </message>
    <message>
        <source>Unknown error (code %1).</source>
        <translation>Unbekannter Fehler (Code %1).</translation>
    </message>
</context>
<context>
    <name>contacts::fields</name>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Wireless Address</source>
        <translation>Funkadresse</translation>
    </message>
    <message>
        <source>Email Address #1</source>
        <translation>E-Mail-Adresse 1</translation>
    </message>
    <message>
        <source>Email Address #2</source>
        <translation>E-Mail-Adresse 2</translation>
    </message>
    <message>
        <source>Email Address #3</source>
        <translation>E-Mail-Adresse 3</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Telefon (Arbeit)</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Mobiltelefon</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Telefon (Privat)</translation>
    </message>
    <message>
        <source>Fax Number</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>contacts::groupblock</name>
    <message>
        <source>Address Size OverFlow. Can&apos;t Add Group.</source>
        <translation>Adressblock übergelaufen. Die Gruppe kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Address Size OverFlow. Delete or Modify Address.<byte value="xd"/>
Cancel then Exit.</source>
        <translation>Adressblock übergelaufen. Löschen oder ändern Sie Adressen.<byte value="xd"/>
Sonst abbrechen und beenden.</translation>
    </message>
    <message>
        <source>Address Too Long(255 Max). Delete or Modify Address.</source>
        <translation>Adresse zu lang (höchstens 255). Löschen oder ändern Sie die Adresse.</translation>
    </message>
    <message>
        <source>Max Member Count = 100EA<byte value="xd"/>
Can&apos;t Add Address</source>
        <translation>Höchstens 100 Mitglieder<byte value="xd"/>
Die Adresse kann nicht hinzugefügt werden</translation>
    </message>
</context>
<context>
    <name>contacts::history</name>
    <message>
        <source>%1 (group)</source>
        <translation>%1 (Gruppe)</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>there is no snapshot %1</source>
        <translation>es gibt keine Sicherung %1</translation>
    </message>
</context>
<context>
    <name>contacts::limits</name>
    <message>
        <source>Exceeded Contacts Limits(250)</source>
        <translation>Kontaktgrenze überschritten (250)</translation>
    </message>
    <message>
        <source>Max Group Count = 20EA<byte value="xd"/>
Can&apos;t Add NewGroup</source>
        <translation>Höchstens 20 Gruppen<byte value="xd"/>
Es kann keine neue Gruppe hinzugefügt werden</translation>
    </message>
</context>
<context>
    <name>contacts::merge</name>
    <message>
        <source>a field is longer than the address book keeps</source>
        <translation>ein Feld ist länger, als das Adressbuch speichert</translation>
    </message>
    <message>
        <source>a group holds at most %1 members</source>
        <translation>eine Gruppe fasst höchstens %1 Mitglieder</translation>
    </message>
    <message>
        <source>the address book holds at most %1 groups</source>
        <translation>das Adressbuch fasst höchstens %1 Gruppen</translation>
    </message>
</context>
<context>
    <name>contacts::recovery</name>
    <message>
        <source>a string was expected</source>
        <translation>eine Zeichenkette wurde erwartet</translation>
    </message>
    <message>
        <source>a character above U+00FF</source>
        <translation>ein Zeichen über U+00FF</translation>
    </message>
    <message>
        <source>a 32-bit whole number was expected</source>
        <translation>eine ganze 32-Bit-Zahl wurde erwartet</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>an unknown format</source>
        <translation>ein unbekanntes Format</translation>
    </message>
    <message>
        <source>a member is missing</source>
        <translation>ein Eintrag fehlt</translation>
    </message>
    <message>
        <source>thirteen fields were expected</source>
        <translation>dreizehn Felder wurden erwartet</translation>
    </message>
    <message>
        <source>too many members or a block too long</source>
        <translation>zu viele Mitglieder oder ein zu langer Block</translation>
    </message>
    <message>
        <source>a member is damaged</source>
        <translation>ein Mitglied ist beschädigt</translation>
    </message>
</context>
<context>
    <name>contacts::sync</name>
    <message numerus="yes">
        <source>%1 of the %n contacts %2</source>
        <translation>
            <numerusform>%1 des %n Kontakts %2</numerusform>
            <numerusform>%1 der %n Kontakte %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the one contact %1</source>
        <translation>den einen Kontakt %1</translation>
    </message>
    <message numerus="yes">
        <source>all %n contacts %1</source>
        <translation>
            <numerusform>den %n Kontakt %1</numerusform>
            <numerusform>alle %n Kontakte %1</numerusform>
        </translation>
    </message>
    <message>
        <source>not a base of the address book</source>
        <translation>keine Basis des Adressbuchs</translation>
    </message>
    <message>
        <source>the base of another pager (%1 on %2)</source>
        <translation>die Basis eines anderen Pagers (%1 an %2)</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>in Quillbox</source>
        <translation>in Quillbox</translation>
    </message>
    <message>
        <source>on the pager</source>
        <translation>auf dem Pager</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Synchronize Contacts would delete %1.
Synchronize all the same?</source>
        <translation>„Kontakte synchronisieren“ würde %1 löschen.
Trotzdem synchronisieren?</translation>
    </message>
</context>
</TS>
