<?xml version='1.0' encoding='utf-8'?>
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
    <name>CCardDavAccountDlg</name>
    <message>
        <source>Address Book Account</source>
        <translation>Adressbuch-Konto</translation>
    </message>
    <message>
        <source>Quillbox keeps its address book in step with one address book on a CardDAV server. Give the server's name (or the address book's URL), your user name and your password.</source>
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
        <source>Kept in the system's keychain, never written to a file</source>
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
        <translation>Die Adressbücher auf dem Server werden gesucht...</translation>
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
The address book's password is never written to a file: Quillbox asks for it again at its next start.</source>
        <translation>%1.
Das Passwort des Adressbuchs wird nie in eine Datei geschrieben: Quillbox fragt beim nächsten Start erneut danach.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop synchronizing the address book</source>
        <translation>Synchronisieren des Adressbuchs anhalten</translation>
    </message>
    <message>
        <source>Cancelling the address book's synchronization...</source>
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
        <translation><numerusform>Der Server hat %n Adressbuch: Wählen Sie das abzugleichende und dann OK.</numerusform><numerusform>Der Server hat %n Adressbücher: Wählen Sie das abzugleichende und dann OK.</numerusform></translation>
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
        <source>Server</source>
        <translation>Server</translation>
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
        <translation>Adressbuch synchronisieren würde %1 löschen.
Trotzdem synchronisieren?</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The address book's server could not be reached: %1.</source>
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
        <source>Nothing was changed in Quillbox's address book.</source>
        <translation>Im Adressbuch von Quillbox wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Synchronize Address Book cancelled. %1</source>
        <translation>Adressbuch synchronisieren abgebrochen. %1</translation>
    </message>
    <message>
        <source>Synchronize Address Book failed.</source>
        <translation>Adressbuch synchronisieren ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Synchronize Address Book stopped.</source>
        <translation>Adressbuch synchronisieren wurde angehalten.</translation>
    </message>
    <message>
        <source>The address book was changed while it was being synchronized, so the server's side was not put in place.
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
        <translation>Adressbuch synchronisiert: %1 Karten gesendet, %2 auf dem Server gelöscht, %3 von ihm gelesen.</translation>
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
        <translation>Die Anschlüsse, an denen ein Pager geantwortet hat, danach die übrigen ausgegraut mit dem Grund</translation>
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
        <translation><numerusform>Ein Pager hat an %n Anschluss geantwortet.</numerusform><numerusform>Ein Pager hat an %n Anschlüssen geantwortet.</numerusform></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
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
(Nein lässt Quillbox geöffnet, ohne dass etwas verloren geht.)</translation>
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
        <source>Couldn't save the link log:
%1
%2</source>
        <translation>Das Verbindungsprotokoll konnte nicht gespeichert werden:
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

Die lokalen Ordner dieser Sitzung darüberschreiben?</translation>
    </message>
    <message>
        <source>The folder database
%1
is not the one Quillbox started with, so its folders and messages are not among those of this run.

Write the local folders of this run over it?</source>
        <translation>Die Ordnerdatenbank
%1
ist nicht die, mit der Quillbox gestartet ist, daher gehören ihre Ordner und Nachrichten nicht zu dieser Sitzung.

Die lokalen Ordner dieser Sitzung darüberschreiben?</translation>
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
        <source>The folder that keeps the local folders' database</source>
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
Erstellen?</translation>
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
        <translation>Das Adressbuch hat sich geändert, während Kontakte synchronisieren wartete.
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
        <translation>Das Adressbuch, das der Pager jetzt enthält, konnte für das nächste Kontakte synchronisieren nicht aufbewahrt werden:
%1
%2</translation>
    </message>
    <message>
        <source>Synchronize Contacts Completed.</source>
        <translation>Kontakte synchronisieren abgeschlossen.</translation>
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
        <translation><numerusform>%n Konflikt.</numerusform><numerusform>%n Konflikte.</numerusform></translation>
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
        <translation><numerusform>... und %n weiterer.</numerusform><numerusform>... und %n weitere.</numerusform></translation>
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
        <source>the server refused the login of user '%1'</source>
        <translation>der Server hat die Anmeldung des Benutzers '%1' abgelehnt</translation>
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
        <translation>das Konto unter %1 hat %2 Adressbücher; geben Sie die URL von einem an</translation>
    </message>
    <message>
        <source>to send the cards</source>
        <translation>die Karten senden</translation>
    </message>
    <message>
        <source>'%1' is not a server address</source>
        <translation>'%1' ist keine Serveradresse</translation>
    </message>
    <message>
        <source>not a single vCard the address book can read</source>
        <translation>keine einzelne vCard, die das Adressbuch lesen kann</translation>
    </message>
    <message>
        <source>a group card</source>
        <translation>eine Gruppenkarte</translation>
    </message>
    <message>
        <source>fields longer than the address book holds: %1</source>
        <translation>Felder länger, als das Adressbuch aufnimmt: %1</translation>
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
        <source>the server's answer is larger than %1 MB</source>
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
        <source>the server's XML answer is damaged (line %1: %2)</source>
        <translation>die XML-Antwort des Servers ist beschädigt (Zeile %1: %2)</translation>
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
        <translation>die Leitung ist weggefallen</translation>
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
        <source>it belongs to the group "%1", which you joined after you logged in</source>
        <translation>er gehört der Gruppe „%1“, der Sie nach Ihrer Anmeldung beigetreten sind</translation>
    </message>
    <message>
        <source>it belongs to the group "%1", and you are not in that group</source>
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
Fügen Sie sich ihr hinzu (sudo adduser $USER %1), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>
Or unplug the pager's adapter and plug it in again: Quillbox's device rule lets you open it from then on, if it names the adapter (the README says how to add one).</source>
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
</TS>