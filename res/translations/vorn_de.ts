<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Counted</name>
    <message>
        <source>difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <source>differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>pending change</source>
        <translation>offene Änderung</translation>
    </message>
    <message>
        <source>pending changes</source>
        <translation>offene Änderungen</translation>
    </message>
    <message>
        <source>item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>items</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>failures</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>leftover temporary file</source>
        <translation>übrig gebliebene temporäre Datei</translation>
    </message>
    <message>
        <source>leftover temporary files</source>
        <translation>übrig gebliebene temporäre Dateien</translation>
    </message>
    <message>
        <source>finding</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>byte</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;New Archive from Folder...</source>
        <translation>&amp;Neues Archiv aus Ordner...</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>S&amp;chließen	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Speichern &amp;unter...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Extract...	Ctrl+E</source>
        <translation>&amp;Entpacken...	Ctrl+E</translation>
    </message>
    <message>
        <source>Extract to &amp;Default Folder</source>
        <translation>In den Stan&amp;dardordner entpacken</translation>
    </message>
    <message>
        <source>&amp;Test Archive	Ctrl+T</source>
        <translation>Archiv &amp;prüfen	Ctrl+T</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Ver&amp;gleichen mit...</translation>
    </message>
    <message>
        <source>P&amp;roperties	Alt+Enter</source>
        <translation>Eigensc&amp;haften	Alt+Enter</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Wiederholen	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Re&amp;place...</source>
        <translation>&amp;Ersetzen...</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>Dateien &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add F&amp;older...</source>
        <translation>&amp;Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;New Folder	Ctrl+Shift+N</source>
        <translation>&amp;Neuer Ordner	Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>Rena&amp;me	F2</source>
        <translation>&amp;Umbenennen	F2</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Löschen	Del</translation>
    </message>
    <message>
        <source>&amp;Copy Path	Ctrl+Shift+C</source>
        <translation>&amp;Pfad kopieren	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>&amp;Find	Ctrl+F</source>
        <translation>&amp;Suchen	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Preview	F3</source>
        <translation>&amp;Vorschau	F3</translation>
    </message>
    <message>
        <source>Name &amp;Encoding</source>
        <translation>&amp;Kodierung der Namen</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Nach &amp;Name sortieren</translation>
    </message>
    <message>
        <source>Sort by Si&amp;ze</source>
        <translation>Nach &amp;Größe sortieren</translation>
    </message>
    <message>
        <source>Sort by T&amp;ype</source>
        <translation>Nach &amp;Typ sortieren</translation>
    </message>
    <message>
        <source>Size in &amp;Bytes</source>
        <translation>Größe in &amp;Bytes</translation>
    </message>
    <message>
        <source>O&amp;ffset</source>
        <translation>&amp;Offset</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Back	Alt+Left</source>
        <translation>&amp;Zurück	Alt+Left</translation>
    </message>
    <message>
        <source>&amp;Forward	Alt+Right</source>
        <translation>&amp;Vorwärts	Alt+Right</translation>
    </message>
    <message>
        <source>&amp;Up One Level	Alt+Up</source>
        <translation>Eine Ebene &amp;höher	Alt+Up</translation>
    </message>
    <message>
        <source>&amp;About Vorn...</source>
        <translation>Ü&amp;ber Vorn...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>DIR, records of %1 bytes</source>
        <translation>DIR, Einträge zu je %1 Bytes</translation>
    </message>
    <message>
        <source>PCK, records of %1 bytes</source>
        <translation>PCK, Einträge zu je %1 Bytes</translation>
    </message>
    <message>
        <source>None: no DIR or PCK extension</source>
        <translation>Keines: keine Endung DIR oder PCK</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Catalogue records:</source>
        <translation>Katalogeinträge:</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>Total size of the files:</source>
        <translation>Gesamtgröße der Dateien:</translation>
    </message>
    <message>
        <source>Size of the archive:</source>
        <translation>Größe des Archivs:</translation>
    </message>
    <message>
        <source>Data bytes no entry covers:</source>
        <translation>Datenbytes ohne Eintrag:</translation>
    </message>
    <message>
        <source>What loading found:</source>
        <translation>Befunde beim Laden:</translation>
    </message>
    <message>
        <source>Nothing: the catalogue loaded cleanly.</source>
        <translation>Keine: der Katalog wurde fehlerfrei geladen.</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>Folder only in %1</source>
        <translation>Ordner nur in %1</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Nur in %1</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Unterschiedlich</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>Not read whole in %1</source>
        <translation>In %1 nicht vollständig gelesen</translation>
    </message>
    <message>
        <source>Could not create directory %1</source>
        <translation>Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2</source>
        <translation>Abgebrochen nach %1 von %2</translation>
    </message>
    <message>
        <source>%1 — see the report</source>
        <translation>%1 – siehe Bericht</translation>
    </message>
    <message>
        <source>%1 extracted</source>
        <translation>%1 entpackt</translation>
    </message>
    <message>
        <source>%1, %2 skipped</source>
        <translation>%1, %2 übersprungen</translation>
    </message>
    <message>
        <source>%1; %2 of an interrupted run removed</source>
        <translation>%1; %2 eines abgebrochenen Laufs entfernt</translation>
    </message>
    <message>
        <source>Extracting %1
%2 of %3 files, %4 of %5</source>
        <translation>Entpacke %1
%2 von %3 Dateien, %4 von %5</translation>
    </message>
    <message>
        <source>unknown size</source>
        <translation>unbekannte Größe</translation>
    </message>
    <message>
        <source>Open %1, or add it to the archive shown?</source>
        <translation>%1 öffnen oder dem angezeigten Archiv hinzufügen?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Add to Archive</source>
        <translation>Zum Archiv hinzufügen</translation>
    </message>
    <message>
        <source>A run is going on. Stop it and quit?</source>
        <translation>Ein Vorgang läuft. Abbrechen und beenden?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Abbrechen und beenden</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation>Weiterlaufen lassen</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Speichere %1...</translation>
    </message>
    <message>
        <source>No findings: the catalogue of %1 and its %2 look sound.</source>
        <translation>Keine Befunde: der Katalog von %1 und seine %2 sind in Ordnung.</translation>
    </message>
    <message>
        <source>%1 in %2 (%3).</source>
        <translation>%1 in %2 (%3).</translation>
    </message>
    <message>
        <source> The first %1 are listed.</source>
        <translation> Die ersten %1 sind aufgeführt.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>PCK archives (*.pck);;DIR archives (*.dir)</source>
        <translation>PCK-Archive (*.pck);;DIR-Archive (*.dir)</translation>
    </message>
    <message>
        <source>New Archive from Folder</source>
        <translation>Neues Archiv aus Ordner</translation>
    </message>
    <message>
        <source>New archive %1</source>
        <translation>Neues Archiv %1</translation>
    </message>
    <message>
        <source>Nothing was written: %1.</source>
        <translation>Nichts wurde geschrieben: %1.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Will not write %1</source>
        <translation>%1 wird nicht geschrieben</translation>
    </message>
    <message>
        <source>the name must end in .pck or .dir, which gives the format</source>
        <translation>der Name muss auf .pck oder .dir enden, was das Format bestimmt</translation>
    </message>
    <message>
        <source>Save the pending changes to %1?</source>
        <translation>Die offenen Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Not a readable %1 picture: %2</source>
        <translation>Kein lesbares %1-Bild: %2</translation>
    </message>
    <message>
        <source>Too large to show as a picture; shown as hex.</source>
        <translation>Zu groß für die Bildanzeige; als Hex angezeigt.</translation>
    </message>
    <message>
        <source>Comparing the archives...</source>
        <translation>Vergleiche die Archive...</translation>
    </message>
    <message>
        <source>Could not compare %1 with %2</source>
        <translation>%1 konnte nicht mit %2 verglichen werden</translation>
    </message>
    <message>
        <source>One of them cannot be read as a DIR or PCK archive.</source>
        <translation>Eines davon lässt sich nicht als DIR- oder PCK-Archiv lesen.</translation>
    </message>
    <message>
        <source>No differences: %1 and %2 hold the same folders and files.</source>
        <translation>Keine Unterschiede: %1 und %2 enthalten dieselben Ordner und Dateien.</translation>
    </message>
    <message>
        <source>%1 between %2 and %3.</source>
        <translation>%1 zwischen %2 und %3.</translation>
    </message>
    <message>
        <source>%1 compared with %2</source>
        <translation>%1 verglichen mit %2</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Moved to</source>
        <translation>Verschoben nach</translation>
    </message>
    <message>
        <source>Testing the archive...</source>
        <translation>Prüfe das Archiv...</translation>
    </message>
    <message>
        <source>Test of %1</source>
        <translation>Prüfung von %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schwere</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>Unknown file type encountered.</source>
        <translation>Unbekannter Dateityp gefunden.</translation>
    </message>
    <message>
        <source>The archive&apos;s catalogue is damaged.</source>
        <translation>Der Katalog des Archivs ist beschädigt.</translation>
    </message>
    <message>
        <source>%1: %2; what could be read is shown.</source>
        <translation>%1: %2; was sich lesen ließ, wird gezeigt.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>%1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>No private temporary folder: %1</source>
        <translation>Kein privater temporärer Ordner: %1</translation>
    </message>
    <message>
        <source>No application to open it with was found.</source>
        <translation>Es wurde kein Programm gefunden, das sie öffnet.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Vorn v2.0


Vorn.Document (*.pck)</source>
        <translation>Vorn v2.0


Vorn.Document (*.pck)</translation>
    </message>
    <message>
        <source>Vorn 2.0 by Tamsin Vell (tamsin.vell@example.net)</source>
        <translation>Vorn 2.0 by Tamsin Vell (tamsin.vell@example.net)</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Open DIR or PCK file
Open</source>
        <translation>DIR- oder PCK-Datei öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Extract files or a directory
Extract</source>
        <translation>Dateien oder einen Ordner entpacken
Entpacken</translation>
    </message>
    <message>
        <source>Show the options dialog
Options</source>
        <translation>Den Einstellungsdialog zeigen
Einstellungen</translation>
    </message>
    <message>
        <source>Extract the selection into the default extraction folder
Extract to Default Folder</source>
        <translation>Die Auswahl in den Standardordner zum Entpacken entpacken
In den Standardordner entpacken</translation>
    </message>
    <message>
        <source>Show the path, size and place in the archive of the selection, or the figures of the archive itself
Properties</source>
        <translation>Pfad, Größe und Lage der Auswahl im Archiv zeigen, oder die Kennzahlen des Archivs selbst
Eigenschaften</translation>
    </message>
    <message>
        <source>Copy the paths of the selection in the archive
Copy Path</source>
        <translation>Die Pfade der Auswahl im Archiv kopieren
Pfad kopieren</translation>
    </message>
    <message>
        <source>Show the folder&apos;s content, or open the file with the desktop&apos;s application for it
Open</source>
        <translation>Den Inhalt des Ordners zeigen, oder die Datei mit dem Programm des Desktops dafür öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Show the file&apos;s content
Preview</source>
        <translation>Den Inhalt der Datei zeigen
Vorschau</translation>
    </message>
    <message>
        <source>Show only the names that match a text
Find</source>
        <translation>Nur die Namen zeigen, die zu einem Text passen
Suchen</translation>
    </message>
    <message>
        <source>Go back to the folder shown before
Back</source>
        <translation>Zum zuvor gezeigten Ordner zurückgehen
Zurück</translation>
    </message>
    <message>
        <source>Go forward to the folder shown next
Forward</source>
        <translation>Zum danach gezeigten Ordner vorgehen
Vorwärts</translation>
    </message>
    <message>
        <source>Show the folder that holds this one
Up One Level</source>
        <translation>Den Ordner zeigen, der diesen enthält
Eine Ebene höher</translation>
    </message>
    <message>
        <source>Show or hide the preview of the selected file
Preview</source>
        <translation>Die Vorschau der gewählten Datei zeigen oder verbergen
Vorschau</translation>
    </message>
    <message>
        <source>Choose the code page the names of this archive are decoded from
Name Encoding</source>
        <translation>Die Codepage wählen, aus der die Namen dieses Archivs gelesen werden
Kodierung der Namen</translation>
    </message>
    <message>
        <source>Check the whole archive for damage and hostile names
Test Archive</source>
        <translation>Das ganze Archiv auf Schäden und gefährliche Namen prüfen
Archiv prüfen</translation>
    </message>
    <message>
        <source>List what changed between this archive and another
Compare With</source>
        <translation>Auflisten, was sich zwischen diesem und einem anderen Archiv unterscheidet
Vergleichen mit</translation>
    </message>
    <message>
        <source>Sort the list by name; again: descending; a third time: catalogue order
Sort by Name</source>
        <translation>Die Liste nach Name sortieren; erneut: absteigend; ein drittes Mal: Katalogreihenfolge
Nach Name sortieren</translation>
    </message>
    <message>
        <source>Sort the list by size; again: descending; a third time: catalogue order
Sort by Size</source>
        <translation>Die Liste nach Größe sortieren; erneut: absteigend; ein drittes Mal: Katalogreihenfolge
Nach Größe sortieren</translation>
    </message>
    <message>
        <source>Sort the list by type; again: descending; a third time: catalogue order
Sort by Type</source>
        <translation>Die Liste nach Typ sortieren; erneut: absteigend; ein drittes Mal: Katalogreihenfolge
Nach Typ sortieren</translation>
    </message>
    <message>
        <source>Show or hide the exact size in bytes
Size in Bytes</source>
        <translation>Die genaue Größe in Bytes zeigen oder verbergen
Größe in Bytes</translation>
    </message>
    <message>
        <source>Show or hide where each file&apos;s data starts in the archive
Offset</source>
        <translation>Zeigen oder verbergen, wo die Daten jeder Datei im Archiv beginnen
Offset</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument anlegen
Neu</translation>
    </message>
    <message>
        <source>Close the open archive
Close</source>
        <translation>Das geöffnete Archiv schließen
Schließen</translation>
    </message>
    <message>
        <source>Write the archive with the pending changes
Save</source>
        <translation>Das Archiv mit den offenen Änderungen schreiben
Speichern</translation>
    </message>
    <message>
        <source>Make an archive of a folder on disk and open it
New Archive from Folder</source>
        <translation>Aus einem Ordner auf der Festplatte ein Archiv machen und es öffnen
Neues Archiv aus Ordner</translation>
    </message>
    <message>
        <source>Write the archive with the pending changes to another file
Save As</source>
        <translation>Das Archiv mit den offenen Änderungen in eine andere Datei schreiben
Speichern unter</translation>
    </message>
    <message>
        <source>Take back the last change
Undo</source>
        <translation>Die letzte Änderung zurücknehmen
Rückgängig</translation>
    </message>
    <message>
        <source>Make the change taken back again
Redo</source>
        <translation>Die zurückgenommene Änderung erneut ausführen
Wiederholen</translation>
    </message>
    <message>
        <source>Replace the selected file with a file on disk
Replace</source>
        <translation>Die gewählte Datei durch eine Datei auf der Festplatte ersetzen
Ersetzen</translation>
    </message>
    <message>
        <source>Add files from disk to the folder shown
Add Files</source>
        <translation>Dateien von der Festplatte dem gezeigten Ordner hinzufügen
Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add a folder from disk, with everything in it, to the folder shown
Add Folder</source>
        <translation>Einen Ordner von der Festplatte mit allem darin dem gezeigten Ordner hinzufügen
Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Make a new folder in the folder shown
New Folder</source>
        <translation>Im gezeigten Ordner einen neuen Ordner anlegen
Neuer Ordner</translation>
    </message>
    <message>
        <source>Delete the selection from the archive
Delete</source>
        <translation>Die Auswahl aus dem Archiv löschen
Löschen</translation>
    </message>
    <message>
        <source>Rename the selected item
Rename</source>
        <translation>Das gewählte Element umbenennen
Umbenennen</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Zum nächsten Fensterbereich wechseln
Nächster Bereich</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Zum vorigen Fensterbereich zurückwechseln
Voriger Bereich</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Werkzeugleiste zeigen oder verbergen
Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste zeigen oder verbergen
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No changes are pending: there is nothing to save.</source>
        <translation>Es sind keine Änderungen offen: es gibt nichts zu speichern.</translation>
    </message>
    <message>
        <source>Game archives (*.pck *.dir);;All files (*)</source>
        <translation>Spielarchive (*.pck *.dir);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>No DIR or PCK extension: nothing to show</source>
        <translation>Keine Endung DIR oder PCK: nichts anzuzeigen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Dateiordner</translation>
    </message>
    <message>
        <source>KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Size (bytes)</source>
        <translation>Größe (Bytes)</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>No default folder is set: choose one in View &gt; Options</source>
        <translation>Es ist kein Standardordner festgelegt: unter Ansicht &gt; Einstellungen einen wählen</translation>
    </message>
</context>
<context>
    <name>vorn::CAboutDialog</name>
    <message>
        <source>About Vorn...</source>
        <translation>Über Vorn...</translation>
    </message>
    <message>
        <source>Vorn - Game Archive Browser</source>
        <translation>Vorn – Browser für Spielarchive</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 2.0 04-12-2002</source>
        <translation>Version 2.0 04-12-2002</translation>
    </message>
    <message>
        <source>Written by the Vorn authors.</source>
        <translation>Geschrieben von den Autoren von Vorn.</translation>
    </message>
    <message>
        <source>This program is freeware.</source>
        <translation>Dieses Programm ist Freeware.</translation>
    </message>
    <message>
        <source>For the latest updates and news see:</source>
        <translation>Aktuelle Versionen und Neuigkeiten unter:</translation>
    </message>
    <message>
        <source>Additional credits to:</source>
        <translation>Weiterer Dank an:</translation>
    </message>
    <message>
        <source>     - Ada Example for creating the icons;</source>
        <translation>     - Ada Example für die Symbole;</translation>
    </message>
    <message>
        <source>     - Jo Sample for source code of Example Unpacker.</source>
        <translation>     - Jo Sample für den Quelltext von Example Unpacker.</translation>
    </message>
</context>
<context>
    <name>vorn::CDirView</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>vorn::CEditCommands</name>
    <message>
        <source>Pending changes</source>
        <translation>Offene Änderungen</translation>
    </message>
    <message>
        <source>Extract, drag out, Test, Properties and Compare read the archive as saved: the pending changes are in it once File &gt; Save has written them</source>
        <translation>Entpacken, Herausziehen, Prüfen, Eigenschaften und Vergleichen lesen das gespeicherte Archiv: die offenen Änderungen sind darin, sobald Datei &gt; Speichern sie geschrieben hat</translation>
    </message>
    <message>
        <source> (as saved: without the pending changes)</source>
        <translation> (wie gespeichert: ohne die offenen Änderungen)</translation>
    </message>
    <message>
        <source>Replace %1</source>
        <translation>%1 ersetzen</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Neuer Ordner %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Name of the new folder:</source>
        <translation>Name des neuen Ordners:</translation>
    </message>
    <message>
        <source>NEW FOLDER</source>
        <translation>NEUER ORDNER</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New name of %1:</source>
        <translation>Neuer Name von %1:</translation>
    </message>
</context>
<context>
    <name>vorn::CExtractDialog</name>
    <message>
        <source>Extract to...</source>
        <translation>Entpacken nach...</translation>
    </message>
    <message>
        <source>Recent folders (Alt+Down)</source>
        <translation>Zuletzt benutzte Ordner (Alt+Runter)</translation>
    </message>
</context>
<context>
    <name>vorn::CExtractionJob</name>
    <message>
        <source>Preparing the extraction...</source>
        <translation>Bereite das Entpacken vor...</translation>
    </message>
    <message>
        <source>Cancelling: the file being written is discarded...</source>
        <translation>Breche ab: die gerade geschriebene Datei wird verworfen...</translation>
    </message>
</context>
<context>
    <name>vorn::CFailureReportDialog</name>
    <message>
        <source>1 problem occurred during the extraction:</source>
        <translation>Beim Entpacken trat 1 Problem auf:</translation>
    </message>
    <message>
        <source>%1 problems occurred during the extraction:</source>
        <translation>Beim Entpacken traten %1 Probleme auf:</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>vorn::CFilesModel</name>
    <message>
        <source>Added from %1</source>
        <translation>Hinzugefügt aus %1</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Replaced by %1, %2 → %3 bytes</source>
        <translation>Ersetzt durch %1, %2 → %3 Bytes</translation>
    </message>
    <message>
        <source>Renamed from %1</source>
        <translation>Umbenannt von %1</translation>
    </message>
    <message>
        <source>Size: %1
Offset: %2</source>
        <translation>Größe: %1
Offset: %2</translation>
    </message>
</context>
<context>
    <name>vorn::CFilesPane</name>
    <message>
        <source>Filter names (Ctrl+F)</source>
        <translation>Namen filtern (Strg+F)</translation>
    </message>
    <message>
        <source>Shows only the names that contain this text; * and ? are wildcards (Ctrl+F, Esc clears)</source>
        <translation>Zeigt nur die Namen, die diesen Text enthalten; * und ? sind Platzhalter (Strg+F, Esc leert)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>&amp;Whole archive</source>
        <translation>&amp;Ganzes Archiv</translation>
    </message>
    <message>
        <source>Search every folder of the archive instead of the one shown (Alt+W)</source>
        <translation>Alle Ordner des Archivs durchsuchen statt nur des gezeigten (Alt+G)</translation>
    </message>
    <message>
        <source>Search the whole archive</source>
        <translation>Das ganze Archiv durchsuchen</translation>
    </message>
    <message>
        <source>Save the pending changes to search the whole archive</source>
        <translation>Die offenen Änderungen speichern, um das ganze Archiv zu durchsuchen</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 selected, %2</source>
        <translation>%1 gewählt, %2</translation>
    </message>
</context>
<context>
    <name>vorn::CFilesView</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>vorn::CFolderBoxDialog</name>
    <message>
        <source>Extract files or directory</source>
        <translation>Dateien oder Ordner entpacken</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
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
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>vorn::CFolderDialog</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Ordner wählen</translation>
    </message>
</context>
<context>
    <name>vorn::CHexView</name>
    <message>
        <source>Hex dump</source>
        <translation>Hex-Ansicht</translation>
    </message>
</context>
<context>
    <name>vorn::CImageView</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>vorn::CLinkStatic</name>
    <message>
        <source>Unable to open hyperlink:</source>
        <translation>Der Link lässt sich nicht öffnen:</translation>
    </message>
</context>
<context>
    <name>vorn::CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
<context>
    <name>vorn::COptionsDialog</name>
    <message>
        <source>Extract Options</source>
        <translation>Einstellungen zum Entpacken</translation>
    </message>
    <message>
        <source>This folder does not exist; extracting makes it.</source>
        <translation>Diesen Ordner gibt es nicht; das Entpacken legt ihn an.</translation>
    </message>
</context>
<context>
    <name>vorn::COverwriteQuestion</name>
    <message>
        <source>The file %1 already exists in the target folder.

Replace it?</source>
        <translation>Die Datei %1 gibt es im Zielordner schon.

Ersetzen?</translation>
    </message>
    <message>
        <source>Existing file: %1
New file: %2</source>
        <translation>Vorhandene Datei: %1
Neue Datei: %2</translation>
    </message>
</context>
<context>
    <name>vorn::CPreviewPane</name>
    <message>
        <source>Select a file to see what it holds.</source>
        <translation>Eine Datei wählen, um ihren Inhalt zu sehen.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>He&amp;x</source>
        <translation>He&amp;x</translation>
    </message>
    <message>
        <source>Show every file as a hex dump (Alt+X)</source>
        <translation>Jede Datei als Hex-Ansicht zeigen (Alt+X)</translation>
    </message>
    <message>
        <source>Show as hex</source>
        <translation>Als Hex zeigen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lese...</translation>
    </message>
    <message>
        <source>Only the first %1 of %2 lie inside the archive; the rest is past its end.</source>
        <translation>Nur die ersten %1 von %2 liegen im Archiv; der Rest liegt hinter seinem Ende.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The data of this file lies past the end of the archive: there is nothing to show.</source>
        <translation>Die Daten dieser Datei liegen hinter dem Ende des Archivs: es gibt nichts zu zeigen.</translation>
    </message>
    <message>
        <source>%1 at offset %2; the archive holds %3</source>
        <translation>%1 bei Offset %2; das Archiv umfasst %3</translation>
    </message>
    <message>
        <source>%1 picture, %2 × %3 pixels, %4</source>
        <translation>%1-Bild, %2 × %3 Pixel, %4</translation>
    </message>
    <message>
        <source>Text, %1, the first 1 MiB of %2</source>
        <translation>Text, %1, das erste MiB von %2</translation>
    </message>
    <message>
        <source>Text, %1, %2</source>
        <translation>Text, %1, %2</translation>
    </message>
    <message>
        <source>%1, shown as hex</source>
        <translation>%1, als Hex gezeigt</translation>
    </message>
</context>
<context>
    <name>vorn::CReportDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>vorn::CStatusPanes</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Folder summary</source>
        <translation>Übersicht des Ordners</translation>
    </message>
    <message>
        <source>Selection summary</source>
        <translation>Übersicht der Auswahl</translation>
    </message>
</context>
<context>
    <name>vorn::CVornApp</name>
    <message>
        <source>Could not drag the rows out</source>
        <translation>Die Zeilen konnten nicht herausgezogen werden</translation>
    </message>
    <message>
        <source>No private temporary folder: %1</source>
        <translation>Kein privater temporärer Ordner: %1</translation>
    </message>
    <message>
        <source>Packing %1...</source>
        <translation>Packe %1...</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
</context>
<context>
    <name>vorn::FactTexts</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Gewählt:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>Enthält:</translation>
    </message>
    <message>
        <source>Extract the whole archive</source>
        <translation>Das ganze Archiv entpacken</translation>
    </message>
    <message>
        <source>Extract folder %1</source>
        <translation>Ordner %1 entpacken</translation>
    </message>
    <message>
        <source>Extract file %1</source>
        <translation>Datei %1 entpacken</translation>
    </message>
    <message>
        <source>Extract %1</source>
        <translation>%1 entpacken</translation>
    </message>
</context>
</TS>
