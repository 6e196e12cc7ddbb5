<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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

Le dossier n&apos;est pas modifié : ce Quillbox continue avec
%2</translation>
    </message>
    <message>
        <source>Help File( *.chm )|*.chm;*.html;*.htm||</source>
        <extracomment>A file dialog&apos;s filter: the text before the first | is shown, the rest are patterns.</extracomment>
        <translation>Fichier d&apos;aide( *.chm )|*.chm;*.html;*.htm||</translation>
    </message>
</context>
</TS>
