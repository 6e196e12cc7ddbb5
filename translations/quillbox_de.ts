<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CQuillboxApp</name>
    <message>
        <source>The settings could not be written to
%1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden in
%1</translation>
    </message>
    <message>
        <source>Quillbox: the desktop companion of a two-way pager.</source>
        <translation>Quillbox: das Desktop-Programm zu Ihrem Zwei-Wege-Pager.</translation>
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
        <translation>Eine Ordnerdatenbank, mit der dieser Lauf statt mit der im Ordner der Einstellungen arbeitet.</translation>
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
</TS>
