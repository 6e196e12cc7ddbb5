<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Quillbox</source>
        <translation>Über Quillbox</translation>
    </message>
    <message>
        <source>Quillbox &amp;Version</source>
        <translation>Quillbox-&amp;Version</translation>
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
    <name>CCardDavAccountDlg</name>
    <message>
        <source>Address Book Account</source>
        <translation>Adressbuch-Konto</translation>
    </message>
    <message>
        <source>Quillbox keeps its address book in step with one address book on a CardDAV server. Give the server&apos;s name (or the address book&apos;s URL), your user name and your password.</source>
        <translation>Quillbox hält sein Adressbuch mit einem Adressbuch auf einem CardDAV-Server abgeglichen. Geben Sie den Namen des Servers (oder die URL des Adressbuchs), Ihren Benutzernamen und Ihr Passwort an.</translation>
    </message>
    <message>
        <source>A host name, such as dav.example.org, or the URL of an address book</source>
        <translation>Ein Rechnername wie dav.example.org oder die URL eines Adressbuchs</translation>
    </message>
    <message>
        <source>Your user name on the server</source>
        <translation>Ihr Benutzername auf dem Server</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s keychain, never written to a file</source>
        <translation>Wird im Schlüsselbund des Systems aufbewahrt, nie in eine Datei geschrieben</translation>
    </message>
    <message>
        <source>&amp;Address book:</source>
        <translation>A&amp;dressbuch:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Looking for the address books on the server...</source>
        <translation>Adressbücher auf dem Server werden gesucht...</translation>
    </message>
</context>
<context>
    <name>CCardDavSyncDriver</name>
    <message>
        <source>Quillbox was built without the keychain</source>
        <translation>Quillbox wurde ohne Schlüsselbund erstellt</translation>
    </message>
    <message>
        <source>%1.
The address book&apos;s password is never written to a file: Quillbox asks for it again at its next start.</source>
        <translation>%1.
Das Passwort des Adressbuchs wird nie in eine Datei geschrieben: Quillbox fragt beim nächsten Start erneut danach.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop synchronizing the address book</source>
        <translation>Synchronisieren des Adressbuchs abbrechen</translation>
    </message>
    <message>
        <source>Cancelling the address book&apos;s synchronization...</source>
        <translation>Synchronisieren des Adressbuchs wird abgebrochen...</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>sending cards</source>
        <translation>Karten werden gesendet</translation>
    </message>
    <message>
        <source>deleting cards</source>
        <translation>Karten werden gelöscht</translation>
    </message>
    <message>
        <source>reading the server</source>
        <translation>Server wird gelesen</translation>
    </message>
    <message>
        <source>%1: %2 (request %3)...</source>
        <translation>%1: %2 (Anfrage %3)...</translation>
    </message>
    <message>
        <source>Give the server and the user name.</source>
        <translation>Geben Sie den Server und den Benutzernamen an.</translation>
    </message>
    <message>
        <source>Looking for the address books</source>
        <translation>Adressbücher werden gesucht</translation>
    </message>
    <message>
        <source>Address Book Account</source>
        <translation>Adressbuch-Konto</translation>
    </message>
    <message numerus="yes">
        <source>The server has %n address books: choose the one to keep in step, then OK.</source>
        <translation>
            <numerusform>Der Server hat %n Adressbuch: Wählen Sie das abzugleichende aus und klicken Sie dann auf OK.</numerusform>
            <numerusform>Der Server hat %n Adressbücher: Wählen Sie das abzugleichende aus und klicken Sie dann auf OK.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Das Passwort konnte nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>Synchronizing the address book</source>
        <translation>Adressbuch wird synchronisiert</translation>
    </message>
    <message>
        <source>%1 of the %2 contacts in Quillbox</source>
        <translation>%1 der %2 Kontakte in Quillbox</translation>
    </message>
    <message>
        <source>%1 of the %2 contacts on the server</source>
        <translation>%1 der %2 Kontakte auf dem Server</translation>
    </message>
    <message>
        <source>Synchronize Address Book would delete %1.
Synchronize all the same?</source>
        <translation>„Adressbuch synchronisieren“ würde %1 löschen.
Trotzdem synchronisieren?</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The address book&apos;s server could not be reached: %1.</source>
        <translation>Der Server des Adressbuchs war nicht erreichbar: %1.</translation>
    </message>
    <message>
        <source>The server refused the login: check the user name and the password in File &gt; Address Book Account... (%1).</source>
        <translation>Der Server hat die Anmeldung abgelehnt: Prüfen Sie Benutzername und Passwort unter Datei &gt; Adressbuch-Konto... (%1).</translation>
    </message>
    <message>
        <source>No CardDAV address book was found there: %1.</source>
        <translation>Dort wurde kein CardDAV-Adressbuch gefunden: %1.</translation>
    </message>
    <message>
        <source>The server refused a card or a request: %1.</source>
        <translation>Der Server hat eine Karte oder eine Anfrage abgelehnt: %1.</translation>
    </message>
    <message>
        <source>Nothing was changed in Quillbox&apos;s address book.</source>
        <translation>Im Adressbuch von Quillbox wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Synchronize Address Book cancelled. %1</source>
        <translation>Synchronisieren des Adressbuchs abgebrochen. %1</translation>
    </message>
    <message>
        <source>Synchronize Address Book failed.</source>
        <translation>Synchronisieren des Adressbuchs fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Synchronize Address Book stopped.</source>
        <translation>Synchronisieren des Adressbuchs gestoppt.</translation>
    </message>
    <message>
        <source>The address book was changed while it was being synchronized, so the server&apos;s side was not put in place.
Synchronize Address Book again to merge both.</source>
        <translation>Das Adressbuch wurde während des Synchronisierens geändert, daher wurde der Stand des Servers nicht übernommen.
Synchronisieren Sie das Adressbuch erneut, um beide zusammenzuführen.</translation>
    </message>
    <message>
        <source>The merged address book does not fit (error %1).
%2</source>
        <translation>Das zusammengeführte Adressbuch passt nicht (Fehler %1).
%2</translation>
    </message>
    <message>
        <source>Address book synchronized: %1 cards sent, %2 deleted on the server, %3 read from it.</source>
        <translation>Adressbuch synchronisiert: %1 Karten gesendet, %2 auf dem Server gelöscht, %3 von dort gelesen.</translation>
    </message>
    <message>
        <source>These cards stay on the server, for the address book cannot hold them:
%1</source>
        <translation>Diese Karten bleiben auf dem Server, da das Adressbuch sie nicht aufnehmen kann:
%1</translation>
    </message>
    <message>
        <source>Synchronize Address Book</source>
        <translation>Adressbuch synchronisieren</translation>
    </message>
</context>
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
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
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
        <translation>Eine Änderung in Quillbox und eine auf der Seite „%1“ seit der letzten Synchronisierung widersprechen sich. Wählen Sie, welche behalten werden soll.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes made in Quillbox and on the %1 since the last synchronize do not agree. Choose for each which to keep.</source>
        <translation>
            <numerusform>%n Änderung in Quillbox und auf der Seite „%1“ seit der letzten Synchronisierung widerspricht sich. Wählen Sie jeweils, was behalten werden soll.</numerusform>
            <numerusform>%n Änderungen in Quillbox und auf der Seite „%1“ seit der letzten Synchronisierung widersprechen sich. Wählen Sie jeweils, was behalten werden soll.</numerusform>
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
        <translation>Auf dem %1</translation>
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
        <translation>Alle &amp;vom %1 behalten</translation>
    </message>
    <message>
        <source>Synchronize Contacts</source>
        <translation>Kontakte synchronisieren</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>server</source>
        <comment>inside a sentence</comment>
        <translation>Server</translation>
    </message>
    <message>
        <source>pager</source>
        <comment>inside a sentence</comment>
        <translation>Pager</translation>
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
        <translation>Herunterladen abgeschlossen! </translation>
    </message>
    <message>
        <source>Upload Completed ! </source>
        <translation>Hochladen abgeschlossen! </translation>
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
            <numerusform>%n Kontakt der Datei ist schon im Adressbuch. Wählen Sie, ob er übersprungen wird, den Kontakt im Adressbuch ersetzt oder als neuer Kontakt hinzugefügt wird.</numerusform>
            <numerusform>%n Kontakte der Datei sind schon im Adressbuch. Wählen Sie für jeden, ob er übersprungen wird, den Kontakt im Adressbuch ersetzt oder als neuer Kontakt hinzugefügt wird.</numerusform>
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
    <name>CFindPagerDlg</name>
    <message>
        <source>Find the pager</source>
        <translation>Pager suchen</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Anschlüsse</translation>
    </message>
    <message>
        <source>The ports where a pager answered, then the others, greyed, with the reason</source>
        <translation>Die Anschlüsse, an denen ein Pager geantwortet hat, danach die übrigen, ausgegraut und mit dem Grund</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Fortschritt der Suche</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Looking at %1 (%2 of %3)...</source>
        <translation>%1 wird geprüft (%2 von %3)...</translation>
    </message>
    <message>
        <source>in use by Quillbox: a transfer is running</source>
        <translation>von Quillbox belegt: eine Übertragung läuft</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>No pager answered.</source>
        <translation>Kein Pager hat geantwortet.</translation>
    </message>
    <message>
        <source>A pager answered on one port.</source>
        <translation>Ein Pager hat an einem Anschluss geantwortet.</translation>
    </message>
    <message numerus="yes">
        <source>A pager answered on %n ports.</source>
        <translation>
            <numerusform>Ein Pager hat an %n Anschluss geantwortet.</numerusform>
            <numerusform>Ein Pager hat an %n Anschlüssen geantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>a port and the pager that answered on it: its model and version</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a port and why no pager answered on it</extracomment>
        <translation>%1: %2</translation>
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
        <translation>Neue E-Mail-Adresse</translation>
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
    <name>CMainFrame</name>
    <message>
        <source>&amp;Contacts</source>
        <translation>&amp;Kontakte</translation>
    </message>
    <message>
        <source>View Contacts Window</source>
        <translation>Kontaktfenster anzeigen</translation>
    </message>
    <message>
        <source>View Contacts</source>
        <translation>Kontakte anzeigen</translation>
    </message>
    <message>
        <source>Download Contacts</source>
        <translation>Kontakte herunterladen</translation>
    </message>
    <message>
        <source>Download Contacts from Pager </source>
        <translation>Kontakte vom Pager herunterladen </translation>
    </message>
    <message>
        <source>Upload Contacts</source>
        <translation>Kontakte hochladen</translation>
    </message>
    <message>
        <source>Upload Contacts to Pager </source>
        <translation>Kontakte auf den Pager hochladen </translation>
    </message>
    <message>
        <source>&amp;Synchronize Contacts</source>
        <translation>Kontakte &amp;synchronisieren</translation>
    </message>
    <message>
        <source>Keep the changes made in Quillbox and on the pager</source>
        <translation>Die Änderungen in Quillbox und auf dem Pager behalten</translation>
    </message>
    <message>
        <source>Synchronize Contacts</source>
        <translation>Kontakte synchronisieren</translation>
    </message>
    <message>
        <source>Import/Open Contacts</source>
        <translation>Kontakte importieren/öffnen</translation>
    </message>
    <message>
        <source>Export/Save Contacts</source>
        <translation>Kontakte exportieren/speichern</translation>
    </message>
    <message>
        <source>&amp;Import vCard...</source>
        <translation>vCard &amp;importieren...</translation>
    </message>
    <message>
        <source>Add contacts and groups from a vCard file</source>
        <translation>Kontakte und Gruppen aus einer vCard-Datei hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Export vCard...</source>
        <translation>vCard &amp;exportieren...</translation>
    </message>
    <message>
        <source>Write the address book, or the selected contacts, to a vCard file</source>
        <translation>Das Adressbuch oder die ausgewählten Kontakte in eine vCard-Datei schreiben</translation>
    </message>
    <message>
        <source>Contacts &amp;History...</source>
        <translation>Kontakt&amp;verlauf...</translation>
    </message>
    <message>
        <source>The address book as it was before each transfer, import and restore, to look at and restore</source>
        <translation>Das Adressbuch, wie es vor jeder Übertragung, jedem Import und jeder Wiederherstellung war, zum Ansehen und Wiederherstellen</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Kontakt bearbeiten</translation>
    </message>
    <message>
        <source>New Contact</source>
        <translation>Neuer Kontakt</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Nachrichten</translation>
    </message>
    <message>
        <source>View Messages Window</source>
        <translation>Nachrichtenfenster anzeigen</translation>
    </message>
    <message>
        <source>View Messages</source>
        <translation>Nachrichten anzeigen</translation>
    </message>
    <message>
        <source>Download Messages</source>
        <translation>Nachrichten herunterladen</translation>
    </message>
    <message>
        <source>Download Messages From Pager </source>
        <translation>Nachrichten vom Pager herunterladen </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Die Anwendung beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>Einstellun&amp;gen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Quillbox...</source>
        <translation>Ü&amp;ber Quillbox...</translation>
    </message>
    <message>
        <source>Save &amp;Link Log...</source>
        <translation>Verbindungs&amp;protokoll speichern...</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Address Book Account...</source>
        <translation>&amp;Adressbuch-Konto...</translation>
    </message>
    <message>
        <source>The CardDAV address book to keep in step with</source>
        <translation>Das CardDAV-Adressbuch, mit dem abgeglichen wird</translation>
    </message>
    <message>
        <source>S&amp;ynchronize Address Book</source>
        <translation>Adressbuch s&amp;ynchronisieren</translation>
    </message>
    <message>
        <source>Synchronize the address book with its CardDAV server</source>
        <translation>Das Adressbuch mit seinem CardDAV-Server synchronisieren</translation>
    </message>
    <message>
        <source>Synchronize Address Book</source>
        <translation>Adressbuch synchronisieren</translation>
    </message>
    <message>
        <source>The pager was plugged in (%1).</source>
        <translation>Der Pager wurde angeschlossen (%1).</translation>
    </message>
    <message>
        <source>The recovery copy of the address book could not be written:
%1
%2</source>
        <translation>Die Wiederherstellungskopie des Adressbuchs konnte nicht geschrieben werden:
%1
%2</translation>
    </message>
    <message>
        <source>Quillbox did not close normally, but the copy it kept of the address book changes is damaged:
%1
The copy was kept as:
%2</source>
        <translation>Quillbox wurde nicht normal beendet, aber die Kopie der Änderungen am Adressbuch ist beschädigt:
%1
Die Kopie wurde aufbewahrt als:
%2</translation>
    </message>
    <message>
        <source>Quillbox did not close normally, and the address book had changes that were not saved.
Restore those changes?</source>
        <translation>Quillbox wurde nicht normal beendet, und das Adressbuch hatte ungespeicherte Änderungen.
Diese Änderungen wiederherstellen?</translation>
    </message>
    <message>
        <source>Folder Database( *.psf )|*.psf|All Files( * )|*||</source>
        <translation>Ordnerdatenbank( *.psf )|*.psf|Alle Dateien( * )|*||</translation>
    </message>
    <message>
        <source>%1
cannot be opened as a folder database:
%2</source>
        <translation>%1
kann nicht als Ordnerdatenbank geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>%1

Quillbox goes on with the local folders it has, and does not open
%2</source>
        <translation>%1

Quillbox arbeitet mit seinen lokalen Ordnern weiter und öffnet nicht
%2</translation>
    </message>
    <message>
        <source>The Contacts will be overwitten to Quillbox</source>
        <translation>Die Kontakte in Quillbox werden überschrieben</translation>
    </message>
    <message>
        <source>The Contacts will be Overwritten to the Device</source>
        <translation>Die Kontakte auf dem Gerät werden überschrieben</translation>
    </message>
    <message>
        <source>%1

Quit Quillbox without saving the local folders?
(No keeps Quillbox open with nothing lost.)</source>
        <translation>%1

Quillbox beenden, ohne die lokalen Ordner zu speichern?
(„Nein“ lässt Quillbox geöffnet, ohne dass etwas verloren geht.)</translation>
    </message>
    <message>
        <source>Contacts Not Saved.
Save Contacts Now?</source>
        <translation>Kontakte nicht gespeichert.
Kontakte jetzt speichern?</translation>
    </message>
    <message>
        <source>Link Log( *.log )|*.log||</source>
        <translation>Verbindungsprotokoll( *.log )|*.log||</translation>
    </message>
    <message>
        <source>Save Link Log</source>
        <translation>Verbindungsprotokoll speichern</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the link log:
%1
%2</source>
        <translation>Das Verbindungsprotokoll konnte nicht gespeichert werden:
%1
%2</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
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
    <name>CQuillboxApp</name>
    <message>
        <source>The settings could not be written to
%1</source>
        <translation>Die Einstellungen konnten nicht in folgende Datei geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>Quillbox: the desktop companion of a two-way pager.</source>
        <translation>Quillbox: das Desktop-Begleitprogramm für einen Zwei-Wege-Pager.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>The language of the program&apos;s texts: %1. Without it, the desktop&apos;s language.</source>
        <translation>Die Sprache der Programmtexte: %1. Ohne diese Angabe die Sprache des Desktops.</translation>
    </message>
    <message>
        <source>language</source>
        <extracomment>The value of --lang, in the command line&apos;s help.</extracomment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of the command line&apos;s argument, in its help.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>A folder database to work on in this run instead of the one in the settings&apos; folder.</source>
        <translation>Eine Ordnerdatenbank, mit der in dieser Sitzung statt mit der im Ordner der Einstellungen gearbeitet wird.</translation>
    </message>
    <message>
        <source>[file]</source>
        <extracomment>The command line&apos;s argument in its usage line: the brackets say it may be left out.</extracomment>
        <translation>[Datei]</translation>
    </message>
    <message>
        <source>at most one file can be named.</source>
        <translation>Es kann höchstens eine Datei angegeben werden.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;: the languages are %2.</source>
        <translation>Unbekannte Sprache „%1“: Die Sprachen sind %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a folder database: %2</source>
        <translation>%1 kann nicht als Ordnerdatenbank geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Quillbox is already running with the folder database
%1

This start ends without touching it; use the Quillbox that is open.</source>
        <translation>Quillbox läuft bereits mit der Ordnerdatenbank
%1

Dieser Start endet, ohne sie zu verändern; verwenden Sie das geöffnete Quillbox.</translation>
    </message>
    <message>
        <source>Another Quillbox is running with the folder database
%1

The folder is not changed: this Quillbox goes on with
%2</source>
        <translation>Ein anderes Quillbox läuft mit der Ordnerdatenbank
%1

Der Ordner wird nicht geändert: Dieses Quillbox arbeitet weiter mit
%2</translation>
    </message>
    <message>
        <source>Help File( *.chm )|*.chm;*.html;*.htm||</source>
        <extracomment>A file dialog&apos;s filter: the text before the first | is shown, the rest are patterns.</extracomment>
        <translation>Hilfedatei( *.chm )|*.chm;*.html;*.htm||</translation>
    </message>
</context>
<context>
    <name>CQuillboxDoc</name>
    <message>
        <source>%1

The file has not been changed. Quillbox starts with the default local folders, and asks before it writes over the file when it closes.</source>
        <translation>%1

Die Datei wurde nicht verändert. Quillbox startet mit den lokalen Standardordnern und fragt beim Beenden, bevor es die Datei überschreibt.</translation>
    </message>
    <message>
        <source>The folder database
%1
could not be read whole.

%2

</source>
        <translation>Die Ordnerdatenbank
%1
konnte nicht vollständig gelesen werden.

%2

</translation>
    </message>
    <message>
        <source>The damaged file has been kept as
%1</source>
        <translation>Die beschädigte Datei wurde aufbewahrt als
%1</translation>
    </message>
    <message>
        <source>%1
It is not written over: Quillbox tries again to move it aside when it closes.</source>
        <translation>%1
Sie wird nicht überschrieben: Quillbox versucht beim Beenden erneut, sie beiseitezulegen.</translation>
    </message>
    <message>
        <source>

Quillbox goes on with the folders and messages read before the damage.</source>
        <translation>

Quillbox arbeitet mit den Ordnern und Nachrichten weiter, die vor der Beschädigung gelesen wurden.</translation>
    </message>
    <message>
        <source>The folder database
%1
could not be read when Quillbox started, so its folders and messages are not among those of this run.

Write the local folders of this run over it?</source>
        <translation>Die Ordnerdatenbank
%1
konnte beim Start von Quillbox nicht gelesen werden, daher gehören ihre Ordner und Nachrichten nicht zu dieser Sitzung.

Die Datei mit den lokalen Ordnern dieser Sitzung überschreiben?</translation>
    </message>
    <message>
        <source>The folder database
%1
is not the one Quillbox started with, so its folders and messages are not among those of this run.

Write the local folders of this run over it?</source>
        <translation>Die Ordnerdatenbank
%1
ist nicht die, mit der Quillbox gestartet ist, daher gehören ihre Ordner und Nachrichten nicht zu dieser Sitzung.

Die Datei mit den lokalen Ordnern dieser Sitzung überschreiben?</translation>
    </message>
    <message>
        <source>The folder database %1 was not written: it is kept as it was.</source>
        <translation>Die Ordnerdatenbank %1 wurde nicht geschrieben: Sie bleibt, wie sie war.</translation>
    </message>
</context>
<context>
    <name>CRateLine</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
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
        <translation>Die Nachrichten des im Ordnerbaum gewählten Ordners</translation>
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
    <name>CSettingsDlg</name>
    <message>
        <source>Settins</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Den Ordner wählen</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Anschluss</translation>
    </message>
    <message>
        <source>P&amp;ath</source>
        <translation>&amp;Pfad</translation>
    </message>
    <message>
        <source>&amp;Download messages when the pager is plugged in</source>
        <translation>Nachrichten &amp;herunterladen, wenn der Pager angeschlossen wird</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Festlegen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>The serial port the pager is attached to</source>
        <translation>Der serielle Anschluss, an dem der Pager hängt</translation>
    </message>
    <message>
        <source>The folder that keeps the local folders&apos; database</source>
        <translation>Der Ordner, der die Datenbank der lokalen Ordner enthält</translation>
    </message>
    <message>
        <source> Choose PathFolder.</source>
        <translation> Ordner wählen.</translation>
    </message>
    <message>
        <source>QUILLBOX_COM1 to QUILLBOX_COM8 set every port.
Set one of them to %1 to use it.</source>
        <translation>QUILLBOX_COM1 bis QUILLBOX_COM8 legen jeden Anschluss fest.
Setzen Sie einen davon auf %1, um ihn zu verwenden.</translation>
    </message>
    <message>
        <source>Input the Path of the folder for the local folders.</source>
        <translation>Geben Sie den Pfad des Ordners für die lokalen Ordner ein.</translation>
    </message>
    <message>
        <source>The folder
%1
does not exist.
Create it?</source>
        <translation>Der Ordner
%1
existiert nicht.
Soll er erstellt werden?</translation>
    </message>
    <message>
        <source>The folder
%1
could not be created.</source>
        <translation>Der Ordner
%1
konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1
is not a folder.</source>
        <translation>%1
ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder
%1
cannot be written.
Choose another folder.</source>
        <translation>In den Ordner
%1
kann nicht geschrieben werden.
Wählen Sie einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>CSyncDriver</name>
    <message>
        <source>Download Preparing...</source>
        <translation>Herunterladen wird vorbereitet...</translation>
    </message>
    <message>
        <source>Upload Preparing...</source>
        <translation>Hochladen wird vorbereitet...</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Wird hochgeladen...</translation>
    </message>
</context>
<context>
    <name>CSyncProgressWnd</name>
    <message>
        <source>Transfer progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source> Cancel </source>
        <extracomment>Only measured: the blank area right of the bar is as wide as this button would be.</extracomment>
        <translation> Abbrechen </translation>
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
        <translation>Das Adressbuch wurde erneut heruntergeladen, während dieses Fenster geöffnet war.
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
        <translation>Import abgeschlossen! </translation>
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
        <translation>Export abgeschlossen! </translation>
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
            <numerusform>Das Adressbuch hat Platz für %1 von %n Kontakt in der Datei (es fasst höchstens %2).
Die ersten %1 importieren?</numerusform>
            <numerusform>Das Adressbuch hat Platz für %1 von %n Kontakten in der Datei (es fasst höchstens %2).
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
    <message numerus="yes">
        <source>, %n already there</source>
        <translation>
            <numerusform>, %n schon vorhanden</numerusform>
            <numerusform>, %n schon vorhanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n did not fit</source>
        <translation>
            <numerusform>, kein Platz für %n</numerusform>
            <numerusform>, kein Platz für %n</numerusform>
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
        <translation>Das Adressbuch konnte nicht im Verlauf gesichert werden:
%1
%2

Quillbox arbeitet weiter; dieser Schritt kann nicht über den Kontaktverlauf rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>ContactsSynchronizer</name>
    <message>
        <source>%1: %2 added, %3 removed, %4 changed.</source>
        <translation>%1: %2 hinzugefügt, %3 entfernt, %4 geändert.</translation>
    </message>
    <message>
        <source>The book of the last synchronize with this pager cannot be read:
%1
%2

Nothing was synchronized.</source>
        <translation>Das Adressbuch der letzten Synchronisierung mit diesem Pager kann nicht gelesen werden:
%1
%2

Es wurde nichts synchronisiert.</translation>
    </message>
    <message>
        <source>The address book changed while Synchronize Contacts waited.
Nothing was synchronized.</source>
        <translation>Das Adressbuch hat sich geändert, während „Kontakte synchronisieren“ wartete.
Es wurde nichts synchronisiert.</translation>
    </message>
    <message>
        <source>The pager holds the synchronized address book, but Quillbox cannot take it:
%1</source>
        <translation>Der Pager enthält das synchronisierte Adressbuch, aber Quillbox kann es nicht übernehmen:
%1</translation>
    </message>
    <message>
        <source>The book the pager now holds could not be kept for the next Synchronize Contacts:
%1
%2</source>
        <translation>Das Adressbuch, das der Pager jetzt enthält, konnte für das nächste „Kontakte synchronisieren“ nicht aufbewahrt werden:
%1
%2</translation>
    </message>
    <message>
        <source>Synchronize Contacts Completed.</source>
        <translation>Synchronisieren der Kontakte abgeschlossen.</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>1 conflict.</source>
        <translation>1 Konflikt.</translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts.</source>
        <translation>
            <numerusform>%n Konflikt.</numerusform>
            <numerusform>%n Konflikte.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pager held this address book already: nothing was uploaded.</source>
        <translation>Der Pager enthielt dieses Adressbuch bereits: Es wurde nichts hochgeladen.</translation>
    </message>
    <message>
        <source>Changes made in Quillbox while the upload ran were replaced; Contacts History holds them.</source>
        <translation>Änderungen in Quillbox während des Hochladens wurden ersetzt; der Kontaktverlauf enthält sie.</translation>
    </message>
    <message>
        <source>The address book could not hold:</source>
        <translation>Das Adressbuch konnte nicht aufnehmen:</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weiterer.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
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
    <name>GroupCommands</name>
    <message>
        <source>You Must Input GropName.</source>
        <translation>Bitte geben Sie einen Gruppennamen ein.</translation>
    </message>
    <message>
        <source>Group Name</source>
        <extracomment>Title of the message that a group&apos;s name is missing.</extracomment>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Existed GroupName.
You Must Input the Different GroupName.</source>
        <translation>Dieser Gruppenname ist bereits vorhanden.
Bitte geben Sie einen anderen Gruppennamen ein.</translation>
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
    <name>carddav::keychain</name>
    <message>
        <source>the keychain did not answer</source>
        <translation>der Schlüsselbund hat nicht geantwortet</translation>
    </message>
    <message>
        <source>no keychain answered (%1); the password is kept for this run only</source>
        <translation>kein Schlüsselbund hat geantwortet (%1); das Passwort wird nur für diese Sitzung aufbewahrt</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>für dieses Konto ist kein Passwort aufbewahrt</translation>
    </message>
</context>
<context>
    <name>carddav::state</name>
    <message>
        <source>the sync state is larger than %1 MB</source>
        <translation>der Synchronisierungsstand ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the sync state is damaged or of another version</source>
        <translation>der Synchronisierungsstand ist beschädigt oder von einer anderen Version</translation>
    </message>
    <message>
        <source>the sync state is damaged (a card without href)</source>
        <translation>der Synchronisierungsstand ist beschädigt (eine Karte ohne href)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>carddav::sync</name>
    <message>
        <source>the sync was cancelled</source>
        <translation>das Synchronisieren wurde abgebrochen</translation>
    </message>
    <message>
        <source>no connection to %1: %2</source>
        <translation>keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>the server refused the login of user &apos;%1&apos;</source>
        <translation>der Server hat die Anmeldung des Benutzers &apos;%1&apos; abgelehnt</translation>
    </message>
    <message>
        <source>the server refused %1 (HTTP %2)</source>
        <translation>der Server hat abgelehnt: %1 (HTTP %2)</translation>
    </message>
    <message>
        <source>to list %1</source>
        <translation>%1 auflisten</translation>
    </message>
    <message>
        <source>%1 is not a CardDAV address book</source>
        <translation>%1 ist kein CardDAV-Adressbuch</translation>
    </message>
    <message>
        <source>%1 is not a CardDAV address book, and no address book was found from it</source>
        <translation>%1 ist kein CardDAV-Adressbuch, und von dort aus wurde kein Adressbuch gefunden</translation>
    </message>
    <message>
        <source>the account at %1 has no address-book home</source>
        <translation>das Konto unter %1 hat keinen Adressbuch-Stammordner</translation>
    </message>
    <message>
        <source>the account at %1 has no address book</source>
        <translation>das Konto unter %1 hat kein Adressbuch</translation>
    </message>
    <message>
        <source>the account at %1 has %2 address books; give the URL of one</source>
        <translation>das Konto unter %1 hat %2 Adressbücher; geben Sie die URL eines davon an</translation>
    </message>
    <message>
        <source>to send the cards</source>
        <translation>die Karten senden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a server address</source>
        <translation>&apos;%1&apos; ist keine Serveradresse</translation>
    </message>
    <message>
        <source>not a single vCard the address book can read</source>
        <translation>nicht genau eine vCard, die das Adressbuch lesen kann</translation>
    </message>
    <message>
        <source>a group card</source>
        <translation>eine Gruppenkarte</translation>
    </message>
    <message>
        <source>fields longer than the address book holds: %1</source>
        <translation>Felder sind länger, als das Adressbuch aufnimmt: %1</translation>
    </message>
    <message>
        <source>another card has the same UID</source>
        <translation>eine andere Karte hat dieselbe UID</translation>
    </message>
    <message>
        <source>the sync would delete %1 of the %2 contacts of the book and %3 of the %4 cards on the server; --allow-deletes syncs all the same</source>
        <translation>das Synchronisieren würde %1 der %2 Kontakte des Adressbuchs und %3 der %4 Karten auf dem Server löschen; --allow-deletes synchronisiert trotzdem</translation>
    </message>
    <message>
        <source>to delete the card of %1</source>
        <translation>die Karte von %1 löschen</translation>
    </message>
    <message>
        <source>the card of %1</source>
        <translation>die Karte von %1</translation>
    </message>
    <message>
        <source>to send back the card it took</source>
        <translation>die übernommene Karte zurücksenden</translation>
    </message>
    <message>
        <source>cards kept changing on the server during the sync; try again</source>
        <translation>Karten haben sich während des Synchronisierens auf dem Server ständig geändert; versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the server did not answer in %1 s</source>
        <translation>der Server hat nicht innerhalb von %1 s geantwortet</translation>
    </message>
    <message>
        <source>the server&apos;s answer is larger than %1 MB</source>
        <translation>die Antwort des Servers ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the answer is not a WebDAV multistatus document</source>
        <translation>die Antwort ist kein WebDAV-Multistatus-Dokument</translation>
    </message>
    <message>
        <source>the answer lists more than %1 resources</source>
        <translation>die Antwort listet mehr als %1 Ressourcen auf</translation>
    </message>
    <message>
        <source>the server&apos;s XML answer is damaged (line %1: %2)</source>
        <translation>die XML-Antwort des Servers ist beschädigt (Zeile %1: %2)</translation>
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
            <numerusform>%1 von %n Kontakt %2</numerusform>
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
<context>
    <name>devlink::errors</name>
    <message>
        <source>No error.</source>
        <translation>Kein Fehler.</translation>
    </message>
    <message>
        <source>The serial port cannot be opened.</source>
        <translation>Der serielle Anschluss kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The pager does not answer.</source>
        <translation>Der Pager antwortet nicht.</translation>
    </message>
    <message>
        <source>The line stays corrupt after the retries.</source>
        <translation>Die Leitung bleibt auch nach den Wiederholungen gestört.</translation>
    </message>
    <message>
        <source>The pager refuses: memory full.</source>
        <translation>Der Pager lehnt ab: Speicher voll.</translation>
    </message>
    <message>
        <source>The pager refuses: invalid data.</source>
        <translation>Der Pager lehnt ab: ungültige Daten.</translation>
    </message>
    <message>
        <source>A transfer is already running.</source>
        <translation>Es läuft bereits eine Übertragung.</translation>
    </message>
    <message>
        <source>The connection to the pager was lost.</source>
        <translation>Die Verbindung zum Pager wurde unterbrochen.</translation>
    </message>
    <message>
        <source>Protocol error.</source>
        <translation>Protokollfehler.</translation>
    </message>
    <message>
        <source>The pager speaks another version of the protocol.</source>
        <translation>Der Pager spricht eine andere Version des Protokolls.</translation>
    </message>
    <message>
        <source>Unknown transfer mode.</source>
        <translation>Unbekannte Übertragungsart.</translation>
    </message>
    <message>
        <source>The address book holds data the pager cannot store.</source>
        <translation>Das Adressbuch enthält Daten, die der Pager nicht speichern kann.</translation>
    </message>
    <message>
        <source>Unknown error (code %1).</source>
        <translation>Unbekannter Fehler (Code %1).</translation>
    </message>
</context>
<context>
    <name>devlink::link</name>
    <message>
        <source>No device is set.</source>
        <translation>Es ist kein Gerät eingestellt.</translation>
    </message>
</context>
<context>
    <name>devlink::ports</name>
    <message>
        <source>no such device</source>
        <translation>kein solches Gerät</translation>
    </message>
    <message>
        <source>not permitted: %1</source>
        <translation>nicht erlaubt: %1</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>does not answer</source>
        <translation>antwortet nicht</translation>
    </message>
    <message>
        <source>answers, but its protocol version is not supported</source>
        <translation>antwortet, aber seine Protokollversion wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the line went away</source>
        <translation>die Leitung wurde getrennt</translation>
    </message>
    <message>
        <source>answers, but not as a pager</source>
        <translation>antwortet, aber nicht als Pager</translation>
    </message>
    <message>
        <source>you may not open it</source>
        <translation>Sie dürfen ihn nicht öffnen</translation>
    </message>
    <message>
        <source>it belongs to the group &quot;%1&quot;, which you joined after you logged in</source>
        <translation>er gehört der Gruppe „%1“, der Sie nach Ihrer Anmeldung beigetreten sind</translation>
    </message>
    <message>
        <source>it belongs to the group &quot;%1&quot;, and you are not in that group</source>
        <translation>er gehört der Gruppe „%1“, und Sie sind nicht in dieser Gruppe</translation>
    </message>
    <message>
        <source>You may not open %1: %2.</source>
        <translation>Sie dürfen %1 nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>
Log out and in again.</source>
        <translation>
Melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>
Add yourself to it (sudo adduser $USER %1), then log out and in again.</source>
        <translation>
Treten Sie ihr bei (sudo adduser $USER %1), und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>
Or unplug the pager&apos;s adapter and plug it in again: Quillbox&apos;s device rule lets you open it from then on, if it names the adapter (the README says how to add one).</source>
        <translation>
Oder ziehen Sie den Adapter des Pagers ab und stecken Sie ihn wieder ein: Die Geräteregel von Quillbox erlaubt Ihnen dann das Öffnen, sofern sie den Adapter nennt (das README erklärt, wie man eine hinzufügt).</translation>
    </message>
</context>
<context>
    <name>devlink::rate</name>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
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
        <translation>%1 von %2%3 %4</translation>
    </message>
    <message>
        <source> · %1 %2/s</source>
        <translation> · %1 %2/s</translation>
    </message>
    <message>
        <source> · %1 left</source>
        <translation> · noch %1</translation>
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
        <translation>die Datei ist %1 Bytes groß; gelesen werden höchstens %2 MB</translation>
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
