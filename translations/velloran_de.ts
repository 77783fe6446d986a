<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BackupCommands</name>
    <message>
        <source><byte value="xd"/>
The files you had before are kept in<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
Die Dateien, die Sie vorher hatten, liegen in<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>&amp;Back Up Data…</source>
        <translation>&amp;Daten sichern…</translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation>&amp;Wiederherstellen…</translation>
    </message>
    <message>
        <source>Choose a folder for the backup</source>
        <translation>Wählen Sie einen Ordner für die Sicherung</translation>
    </message>
    <message>
        <source>Choose the backup folder to restore</source>
        <translation>Wählen Sie den Sicherungsordner, der wiederhergestellt werden soll</translation>
    </message>
    <message>
        <source>Your records and diary were backed up and the copy was checked:<byte value="xd"/>
%1</source>
        <translation>Ihre Einträge und Ihr Tagebuch wurden gesichert, und die Kopie wurde geprüft:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The backup could not be made.<byte value="xd"/>
%1</source>
        <translation>Die Sicherung konnte nicht angelegt werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Replace your records and diary with those of the backup<byte value="xd"/>
%1 ?<byte value="xd"/>
Your current files are kept aside as a backup of their own.</source>
        <translation>Möchten Sie Ihre Einträge und Ihr Tagebuch durch die der Sicherung ersetzen?<byte value="xd"/>
%1<byte value="xd"/>
Ihre jetzigen Dateien werden als eigene Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>Your records and diary were restored from<byte value="xd"/>
%1</source>
        <translation>Ihre Einträge und Ihr Tagebuch wurden wiederhergestellt aus<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This backup cannot be restored; nothing was changed.<byte value="xd"/>
%1</source>
        <translation>Diese Sicherung kann nicht wiederhergestellt werden; es wurde nichts geändert.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Nothing was restored; your records and diary are as they were.<byte value="xd"/>
%1</source>
        <translation>Es wurde nichts wiederhergestellt; Ihre Einträge und Ihr Tagebuch sind unverändert.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The restore did not finish, so your records and diary were put back as they were.</source>
        <translation>Die Wiederherstellung wurde nicht abgeschlossen; Ihre Einträge und Ihr Tagebuch wurden daher in den vorigen Zustand zurückversetzt.</translation>
    </message>
    <message>
        <source>The restore did not finish and could not be undone; Velloran tries again when it next starts.</source>
        <translation>Die Wiederherstellung wurde nicht abgeschlossen und konnte nicht rückgängig gemacht werden; Velloran versucht es beim nächsten Start erneut.</translation>
    </message>
    <message>
        <source>The restore from<byte value="xd"/>
%1<byte value="xd"/>
was cut off when Velloran last ran. </source>
        <translation>Die Wiederherstellung aus<byte value="xd"/>
%1<byte value="xd"/>
wurde beim letzten Lauf von Velloran unterbrochen. </translation>
    </message>
    <message>
        <source>It has now been finished: your records and diary are those of the backup.</source>
        <translation>Sie wurde jetzt abgeschlossen: Ihre Einträge und Ihr Tagebuch sind die der Sicherung.</translation>
    </message>
    <message>
        <source>It could not be finished, so it was undone: your records and diary are as they were before it.<byte value="xd"/>
%1</source>
        <translation>Sie konnte nicht abgeschlossen werden und wurde deshalb rückgängig gemacht: Ihre Einträge und Ihr Tagebuch sind wie vorher.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>It could neither be finished nor undone, so your records and diary may be from two different times; Velloran tries again when it next starts.<byte value="xd"/>
%1</source>
        <translation>Sie konnte weder abgeschlossen noch rückgängig gemacht werden; Ihre Einträge und Ihr Tagebuch können daher aus zwei verschiedenen Zeitpunkten stammen. Velloran versucht es beim nächsten Start erneut.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Replace the records and diary of the shared database %1 with those of the backup<byte value="xd"/>
%2 ?<byte value="xd"/>
Every user of the database sees the backup&apos;s.</source>
        <translation>Möchten Sie die Einträge und das Tagebuch der gemeinsamen Datenbank %1 durch die der Sicherung ersetzen?<byte value="xd"/>
%2<byte value="xd"/>
Alle Benutzer der Datenbank sehen danach die der Sicherung.</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Field %1 holds bytes that are not %2 text.</source>
        <translation>Feld %1 enthält Bytes, die kein %2-Text sind.</translation>
    </message>
    <message>
        <source>Field %1 has text after its closing quote.</source>
        <translation>Feld %1 hat Text nach seinem schließenden Anführungszeichen.</translation>
    </message>
    <message>
        <source>The row runs on for more than %1 characters; it is cut at the end of its first line.</source>
        <translation>Die Zeile ist länger als %1 Zeichen; sie wird am Ende ihrer ersten Zeile in der Datei abgeschnitten.</translation>
    </message>
    <message>
        <source>A quote in the row is never closed; the row is read to the end of its line.</source>
        <translation>Ein Anführungszeichen in der Zeile wird nie geschlossen; sie wird bis zum Ende ihrer Zeile in der Datei gelesen.</translation>
    </message>
    <message>
        <source>The row has %1 fields where the first row has %2.</source>
        <translation>Die Zeile hat %1 Felder, die erste Zeile %2.</translation>
    </message>
</context>
<context>
    <name>DataBackup</name>
    <message>
        <source>%1 is missing from the backup.</source>
        <translation>%1 fehlt in der Sicherung.</translation>
    </message>
    <message>
        <source>%1 in the backup is not the file that was backed up.</source>
        <translation>%1 in der Sicherung ist nicht die Datei, die gesichert wurde.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 could not be restored: %2</source>
        <translation>%1 konnte nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2</source>
        <translation>%1 konnte nicht kopiert werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be read back.</source>
        <translation>%1 konnte nicht zurückgelesen werden.</translation>
    </message>
    <message>
        <source>There is no data file in %1.</source>
        <translation>In %1 liegt keine Datendatei.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written. %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be found.</source>
        <translation>Der Ordner %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 is not a Velloran backup.</source>
        <translation>%1 ist keine Velloran-Sicherung.</translation>
    </message>
    <message>
        <source>%1 in the backup is damaged: %2</source>
        <translation>%1 in der Sicherung ist beschädigt: %2</translation>
    </message>
    <message>
        <source>The backup holds no data file.</source>
        <translation>Die Sicherung enthält keine Datendatei.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The current files could not be kept aside, so nothing was changed. %1</source>
        <translation>Die jetzigen Dateien konnten nicht beiseitegelegt werden; es wurde daher nichts geändert. %1</translation>
    </message>
    <message>
        <source>The restore could not begin. %1</source>
        <translation>Die Wiederherstellung konnte nicht beginnen. %1</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The folder is read-only.</source>
        <translation>Der Ordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Velloran cannot keep your dowsing records and diary in the folder<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Velloran kann Ihre Radiästhesie-Einträge und Ihr Tagebuch nicht in diesem Ordner ablegen:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The folder cannot be created: %1</source>
        <translation>Der Ordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>The folder cannot be written: %1</source>
        <translation>In den Ordner kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be copied there: %2</source>
        <translation>%1 kann nicht dorthin kopiert werden: %2</translation>
    </message>
</context>
<context>
    <name>DataSourceChoice</name>
    <message>
        <source>The password of %1 on the shared database:</source>
        <translation>Das Passwort von %1 in der gemeinsamen Datenbank:</translation>
    </message>
    <message>
        <source>&amp;Data Source…</source>
        <translation>Daten&amp;quelle…</translation>
    </message>
    <message>
        <source>Cop&amp;y Local Files to the Shared Database…</source>
        <translation>&amp;Lokale Dateien in die gemeinsame Datenbank kopieren…</translation>
    </message>
    <message>
        <source>The shared database given cannot be used: %1.<byte value="xd"/>
Velloran uses the files on this computer.</source>
        <translation>Die angegebene gemeinsame Datenbank kann nicht verwendet werden: %1.<byte value="xd"/>
Velloran verwendet die Dateien auf diesem Computer.</translation>
    </message>
    <message>
        <source>The database %1 is empty.<byte value="xd"/>
Make Velloran&apos;s tables in it, so that its users can keep their records and diary there?</source>
        <translation>Die Datenbank %1 ist leer.<byte value="xd"/>
Sollen die Tabellen von Velloran darin angelegt werden, damit ihre Benutzer dort ihre Einträge und ihr Tagebuch führen können?</translation>
    </message>
    <message>
        <source>The tables in the database %1 were made by an earlier Velloran.<byte value="xd"/>
Bring them up to date? Earlier versions of Velloran cannot use them after that.</source>
        <translation>Die Tabellen in der Datenbank %1 stammen von einer früheren Velloran-Version.<byte value="xd"/>
Sollen sie auf den neuesten Stand gebracht werden? Frühere Versionen von Velloran können sie danach nicht mehr verwenden.</translation>
    </message>
    <message>
        <source>Velloran cannot use the database %1: %2.</source>
        <translation>Velloran kann die Datenbank %1 nicht verwenden: %2.</translation>
    </message>
    <message>
        <source>The shared database could not be opened</source>
        <translation>Die gemeinsame Datenbank konnte nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>the file %1 is missing</source>
        <translation>die Datei %1 fehlt</translation>
    </message>
    <message>
        <source>the file %1 is in use by another program</source>
        <translation>die Datei %1 wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>the file %1 or its folder is read-only</source>
        <translation>die Datei %1 oder ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file %1 is damaged (%2)</source>
        <translation>die Datei %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation>der Datenträger mit %1 ist voll</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>the file %1 does not exist</source>
        <translation>die Datei %1 existiert nicht</translation>
    </message>
    <message>
        <source>The database %1 could not be made</source>
        <translation>Die Datenbank %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file already exists</source>
        <translation>die Datei existiert bereits</translation>
    </message>
    <message>
        <source>the schema ends inside a statement</source>
        <translation>das Schema endet mitten in einer Anweisung</translation>
    </message>
    <message>
        <source>the finished file could not be moved into place</source>
        <translation>die fertige Datei konnte nicht an ihren Platz verschoben werden</translation>
    </message>
    <message>
        <source>the server %1 cannot be reached (%2)</source>
        <translation>der Server %1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>the server %1 refused the connection (%2)</source>
        <translation>der Server %1 hat die Verbindung abgelehnt (%2)</translation>
    </message>
    <message>
        <source>the record is in use by another user of the server %1 (%2)</source>
        <translation>der Eintrag wird von einem anderen Benutzer des Servers %1 verwendet (%2)</translation>
    </message>
    <message>
        <source>the server %1 does not let this user change the records (%2)</source>
        <translation>der Server %1 erlaubt diesem Benutzer nicht, die Einträge zu ändern (%2)</translation>
    </message>
    <message>
        <source>the database %1 does not hold Velloran&apos;s tables (%2)</source>
        <translation>die Datenbank %1 enthält nicht die Tabellen von Velloran (%2)</translation>
    </message>
    <message>
        <source>the disk of the server %1 is full</source>
        <translation>der Datenträger des Servers %1 ist voll</translation>
    </message>
    <message>
        <source>the row was removed meanwhile</source>
        <translation>die Zeile wurde inzwischen entfernt</translation>
    </message>
    <message>
        <source>the connection to the server %1 was lost before it answered (%2)</source>
        <translation>die Verbindung zum Server %1 brach ab, bevor er antwortete (%2)</translation>
    </message>
</context>
<context>
    <name>DiaryKeywordModel</name>
    <message>
        <source>The %1 section has no line %2</source>
        <translation>Der Bereich %1 hat keine Zeile %2</translation>
    </message>
</context>
<context>
    <name>DiaryStore</name>
    <message>
        <source>Spell</source>
        <translation>Zaubersprüche</translation>
    </message>
    <message>
        <source>Incense</source>
        <translation>Räucherwerk</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Rezepte</translation>
    </message>
    <message>
        <source>Rituals</source>
        <translation>Rituale</translation>
    </message>
    <message>
        <source>The %1 section could not be read</source>
        <translation>Der Bereich %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>No entry of the %1 section has the number %2</source>
        <translation>Kein Eintrag des Bereichs %1 hat die Nummer %2</translation>
    </message>
    <message>
        <source>the file %1 does not number its entries itself (the &quot;Index&quot; column of the %2 section is no automatic key), so an entry could be neither edited nor removed; it may be an older or converted file</source>
        <translation>die Datei %1 nummeriert ihre Einträge nicht selbst (die Spalte „Index“ des Bereichs %2 ist kein automatischer Schlüssel), daher könnte ein Eintrag weder bearbeitet noch entfernt werden; es ist vielleicht eine ältere oder umgewandelte Datei</translation>
    </message>
    <message>
        <source>The entry could not be read from the %1 section</source>
        <translation>Der Eintrag konnte nicht aus dem Bereich %1 gelesen werden</translation>
    </message>
    <message>
        <source>The entry could not be added to the %1 section</source>
        <translation>Der Eintrag konnte nicht zum Bereich %1 hinzugefügt werden</translation>
    </message>
    <message>
        <source>The entry could not be saved in the %1 section</source>
        <translation>Der Eintrag konnte nicht im Bereich %1 gespeichert werden</translation>
    </message>
    <message>
        <source>The entry could not be removed from the %1 section</source>
        <translation>Der Eintrag konnte nicht aus dem Bereich %1 entfernt werden</translation>
    </message>
    <message>
        <source>The entry %1 of the %2 section was changed by someone else since it was shown</source>
        <translation>Der Eintrag %1 des Bereichs %2 wurde von jemand anderem geändert, seit er angezeigt wurde</translation>
    </message>
    <message>
        <source>The entry could not be put back in the %1 section</source>
        <translation>Der Eintrag konnte nicht wieder in den Bereich %1 gestellt werden</translation>
    </message>
    <message>
        <source>no such section</source>
        <translation>diesen Bereich gibt es nicht</translation>
    </message>
    <message>
        <source>The server did not say whether the entry of the %1 section was saved</source>
        <translation>Der Server hat nicht mehr gemeldet, ob der Eintrag im Bereich %1 gespeichert wurde</translation>
    </message>
    <message>
        <source>The server did not say whether the entry of the %1 section was removed</source>
        <translation>Der Server hat nicht mehr gemeldet, ob der Eintrag aus dem Bereich %1 entfernt wurde</translation>
    </message>
    <message>
        <source>The server did not say whether the entry of the %1 section was put back</source>
        <translation>Der Server hat nicht mehr gemeldet, ob der Eintrag wieder in den Bereich %1 gestellt wurde</translation>
    </message>
</context>
<context>
    <name>DiaryTools</name>
    <message>
        <source>CSV file | *.csv</source>
        <translation>CSV-Datei | *.csv</translation>
    </message>
    <message>
        <source>PDF file | *.pdf</source>
        <translation>PDF-Datei | *.pdf</translation>
    </message>
    <message>
        <source>%1 Section</source>
        <extracomment>The heading of a section&apos;s pages: &quot;Spell Section&quot;.</extracomment>
        <translation>Bereich %1</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>Export Section to &amp;CSV…</source>
        <translation>Bereich als &amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Export Section to &amp;PDF…</source>
        <translation>Bereich als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view of Section…</source>
        <translation>Druck&amp;vorschau des Bereichs…</translation>
    </message>
    <message>
        <source>The section was exported to<byte value="xd"/>
%1</source>
        <translation>Der Bereich wurde exportiert nach<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The section could not be exported to %1.<byte value="xd"/>
%2</source>
        <translation>Der Bereich konnte nicht nach %1 exportiert werden.<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>DowsingEntryRules</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Rods</source>
        <translation>Winkelruten</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Astgabel</translation>
    </message>
    <message>
        <source>Pendulam</source>
        <translation>Pendel</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Anderes</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Oil</source>
        <translation>Öl</translation>
    </message>
    <message>
        <source>Treasure</source>
        <translation>Schatz</translation>
    </message>
    <message>
        <source>Missing Person</source>
        <translation>Vermisste Person</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Anderes</translation>
    </message>
</context>
<context>
    <name>DowsingGridModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Phone No</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Time Of Dowsing</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Dowsing Tool</source>
        <translation>Hilfsmittel</translation>
    </message>
    <message>
        <source>Item Of Dowsing</source>
        <translation>Gesuchtes</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort der Suche</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>IdNumber</source>
        <translation>Nummer</translation>
    </message>
</context>
<context>
    <name>DowsingSearch</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Making the search index was stopped.</source>
        <translation>Das Anlegen des Suchindex wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>DowsingSheet</name>
    <message>
        <source>Date :- </source>
        <translation>Datum :- </translation>
    </message>
    <message>
        <source>Name :- </source>
        <translation>Name :- </translation>
    </message>
    <message>
        <source>Address :- </source>
        <translation>Adresse :- </translation>
    </message>
    <message>
        <source>City :- </source>
        <translation>Ort :- </translation>
    </message>
    <message>
        <source>State :- </source>
        <translation>Region :- </translation>
    </message>
    <message>
        <source>Pin :- </source>
        <translation>PLZ :- </translation>
    </message>
    <message>
        <source>Phone Number :- </source>
        <translation>Telefonnummer :- </translation>
    </message>
    <message>
        <source>Email :- </source>
        <translation>E-Mail :- </translation>
    </message>
    <message>
        <source>Dowsing Time :- </source>
        <translation>Uhrzeit :- </translation>
    </message>
    <message>
        <source>Dowsing Tool :- </source>
        <translation>Hilfsmittel :- </translation>
    </message>
    <message>
        <source>Dowsing Item :- </source>
        <translation>Gesuchtes :- </translation>
    </message>
    <message>
        <source>Location :- </source>
        <translation>Ort der Suche :- </translation>
    </message>
    <message>
        <source>Notes :- </source>
        <translation>Notizen :- </translation>
    </message>
    <message>
        <source>Dowsin Item :- </source>
        <translation>Gesuchtes :- </translation>
    </message>
    <message>
        <source>This data has not been entered</source>
        <translation>Diese Angabe wurde nicht eingetragen</translation>
    </message>
</context>
<context>
    <name>DowsingStore</name>
    <message>
        <source>No record has the number %1</source>
        <translation>Kein Eintrag hat die Nummer %1</translation>
    </message>
    <message>
        <source>The dowsing records could not be opened</source>
        <translation>Die Radiästhesie-Einträge konnten nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file %1 does not number its records itself (its IdNumber column is no automatic key), so a record added to it could be neither changed nor removed; it may be an older or converted file</source>
        <translation>die Datei %1 nummeriert ihre Einträge nicht selbst (ihre Spalte IdNumber ist kein automatischer Schlüssel), daher könnte ein neuer Eintrag weder geändert noch entfernt werden; es ist vielleicht eine ältere oder umgewandelte Datei</translation>
    </message>
    <message>
        <source>The record could not be removed</source>
        <translation>Der Eintrag konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>The record %1 was changed by someone else since it was shown</source>
        <translation>Der Eintrag %1 wurde von jemand anderem geändert, seit er angezeigt wurde</translation>
    </message>
    <message>
        <source>The record could not be put back</source>
        <translation>Der Eintrag konnte nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>it is no record</source>
        <translation>es ist kein Eintrag</translation>
    </message>
    <message>
        <source>The records could not be read</source>
        <translation>Die Einträge konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>The records could not be written</source>
        <translation>Die Einträge konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The record could not be saved</source>
        <translation>Der Eintrag konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The server did not say whether the record was saved</source>
        <translation>Der Server hat nicht mehr gemeldet, ob der Eintrag gespeichert wurde</translation>
    </message>
    <message>
        <source>The server did not say whether the record was removed</source>
        <translation>Der Server hat nicht mehr gemeldet, ob der Eintrag gelöscht wurde</translation>
    </message>
    <message>
        <source>The server did not say whether the record was put back</source>
        <translation>Der Server hat nicht mehr gemeldet, ob der Eintrag wiederhergestellt wurde</translation>
    </message>
</context>
<context>
    <name>DowsingTools</name>
    <message>
        <source>Dowsing Records</source>
        <extracomment>The title of the PDF file of every record&apos;s sheet.</extracomment>
        <translation>Radiästhesie-Einträge</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Find Records…</source>
        <translation>Einträge &amp;suchen…</translation>
    </message>
    <message>
        <source>Export Records to &amp;CSV…</source>
        <translation>Einträge als &amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Export Records to &amp;PDF…</source>
        <translation>Einträge als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view of All Records…</source>
        <translation>Druck&amp;vorschau aller Einträge…</translation>
    </message>
    <message>
        <source>Print Preview of Record &amp;Sheet…</source>
        <translation>Druckvorschau des &amp;Eintragsblatts…</translation>
    </message>
    <message>
        <source>CSV file | *.csv</source>
        <translation>CSV-Datei | *.csv</translation>
    </message>
    <message>
        <source>PDF file | *.pdf</source>
        <translation>PDF-Datei | *.pdf</translation>
    </message>
    <message>
        <source>The records were exported to<byte value="xd"/>
%1</source>
        <translation>Die Einträge wurden exportiert nach<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The records could not be exported to %1.<byte value="xd"/>
%2</source>
        <translation>Die Einträge konnten nicht nach %1 exportiert werden.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Open a record on the record sheet first.</source>
        <translation>Öffnen Sie zuerst einen Eintrag im Eintragsblatt.</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>The pages could not be drawn.</source>
        <translation>Die Seiten konnten nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>MDIDowsingForm1</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo Deletion of “%1”</source>
        <translation>Löschen von „%1“ &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>“%1” is back as record number %2: another record has taken its number meanwhile.</source>
        <translation>„%1“ ist wieder da, als Eintrag Nummer %2: ein anderer Eintrag hat inzwischen seine Nummer bekommen.</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>Eintrag %1</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The manual cannot be shown: its pages are not installed with the program (%1).</source>
        <translation>Das Handbuch kann nicht angezeigt werden: seine Seiten sind nicht mit dem Programm installiert (%1).</translation>
    </message>
    <message>
        <source>Velloran &amp;Manual</source>
        <translation>Velloran-&amp;Handbuch</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Keep Theirs</source>
        <translation>&amp;Andere Fassung behalten</translation>
    </message>
    <message>
        <source>&amp;Save Mine</source>
        <translation>Meine &amp;speichern</translation>
    </message>
    <message>
        <source>Save Mine as &amp;New</source>
        <translation>Meine als &amp;neuen Eintrag speichern</translation>
    </message>
    <message>
        <source>Save as &amp;New Record</source>
        <translation>Als &amp;neuen Eintrag speichern</translation>
    </message>
    <message>
        <source>&amp;Leave It Removed</source>
        <translation>&amp;Entfernt lassen</translation>
    </message>
</context>
<context>
    <name>PaganLore</name>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Spirit</source>
        <translation>Geist</translation>
    </message>
</context>
<context>
    <name>ServerCopy</name>
    <message>
        <source>Velloran uses the files on this computer</source>
        <translation>Velloran verwendet die Dateien auf diesem Computer</translation>
    </message>
    <message>
        <source>The shared database could not be prepared</source>
        <translation>Die gemeinsame Datenbank konnte nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The shared database refused the rows of %1</source>
        <translation>Die gemeinsame Datenbank hat die Zeilen von %1 abgelehnt</translation>
    </message>
    <message>
        <source>The copy could not be finished</source>
        <translation>Die Kopie konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>The copy could not be committed</source>
        <translation>Die Kopie konnte nicht festgeschrieben werden</translation>
    </message>
    <message>
        <source>The shared database could not be read</source>
        <translation>Die gemeinsame Datenbank konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Choose a shared database first (Tools &gt; Data Source…).</source>
        <translation>Wählen Sie zuerst eine gemeinsame Datenbank (Extras &gt; Datenquelle…).</translation>
    </message>
    <message>
        <source>Copy the records and diary in %1 to the shared database %2?</source>
        <translation>Die Einträge und das Tagebuch in %1 in die gemeinsame Datenbank %2 kopieren?</translation>
    </message>
    <message>
        <source>The shared database %1 already holds %2 records and entries.<byte value="xd"/>
Add the records and diary in %3 to them, under new numbers?</source>
        <translation>Die gemeinsame Datenbank %1 enthält bereits %2 Einträge.<byte value="xd"/>
Die Einträge und das Tagebuch in %3 unter neuen Nummern hinzufügen?</translation>
    </message>
    <message>
        <source>The records and diary were copied to the shared database %1.</source>
        <translation>Die Einträge und das Tagebuch wurden in die gemeinsame Datenbank %1 kopiert.</translation>
    </message>
    <message>
        <source>Nothing was copied; the shared database is as it was.<byte value="xd"/>
</source>
        <translation>Es wurde nichts kopiert; die gemeinsame Datenbank ist unverändert.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>ServerDriver</name>
    <message>
        <source>the server did not answer within %1 seconds</source>
        <translation>der Server hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
</context>
<context>
    <name>ServerSource</name>
    <message>
        <source>the PostgreSQL driver of Qt is not installed</source>
        <translation>der PostgreSQL-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>its tables were made by a newer Velloran</source>
        <translation>ihre Tabellen stammen von einer neueren Velloran-Version</translation>
    </message>
    <message>
        <source>it holds tables of another program</source>
        <translation>sie enthält Tabellen eines anderen Programms</translation>
    </message>
    <message>
        <source>its tables are of version %1, not %2</source>
        <translation>ihre Tabellen haben die Version %1, nicht %2</translation>
    </message>
    <message>
        <source>the count of %1 is missing</source>
        <translation>die Anzahl für %1 fehlt</translation>
    </message>
    <message>
        <source>the server still runs the session that lost its connection</source>
        <translation>der Server führt die Sitzung, deren Verbindung abbrach, noch weiter</translation>
    </message>
</context>
<context>
    <name>SharedDatabase</name>
    <message>
        <source>&apos;%1&apos; is no postgresql:// address</source>
        <translation>„%1“ ist keine postgresql://-Adresse</translation>
    </message>
    <message>
        <source>the address names no database</source>
        <translation>die Adresse nennt keine Datenbank</translation>
    </message>
    <message>
        <source>the address names no user</source>
        <translation>die Adresse nennt keinen Benutzer</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no TLS mode</source>
        <translation>„%1“ ist kein TLS-Modus</translation>
    </message>
</context>
<context>
    <name>SharedMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besuchen Sie uns im Internet</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach A&amp;ktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber die Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Geld &amp;online verdienen</translation>
    </message>
</context>
<context>
    <name>SqliteFiles</name>
    <message>
        <source>the file is in use by another program; try again when it has finished</source>
        <translation>die Datei wird von einem anderen Programm verwendet; versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 existiert bereits</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>the table %1 is missing</source>
        <translation>die Tabelle %1 fehlt</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source><byte value="xd"/>
When the other program has let go of it, choose Retry.</source>
        <translation><byte value="xd"/>
Wenn das andere Programm sie freigegeben hat, wählen Sie „Wiederholen“.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Choose Retry once the server answers again.</source>
        <translation><byte value="xd"/>
Wählen Sie „Wiederholen“, sobald der Server wieder antwortet.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Keep their version, save yours over it, or save yours as a new record?</source>
        <translation><byte value="xd"/>
Die andere Fassung behalten, Ihre darüber speichern oder Ihre als neuen Eintrag speichern?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Retry looks again, and saves only what is not saved yet, once the server answers.</source>
        <translation><byte value="xd"/>
„Wiederholen“ sieht erneut nach, sobald der Server antwortet, und speichert nur, was noch nicht gespeichert ist.</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now</source>
        <translation>Das beliebteste Online-Forum für Mystik. Klicken Sie hier und besuchen Sie jetzt %1</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Das beliebteste Online-Forum für Mystik. Die beste Quelle für alles Mystische. Besuchen Sie jetzt %1</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit Ihrer Marke.  Mehr Treue und mehr Besucher für Ihre Website. Hier steht dann der Name Ihrer Website &amp;  ein Link. Einzelheiten unter „Hilfe“.    Klicken Sie hier für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz unter Ihrer Marke für Ihre Website. Klicken Sie hier für Einzelheiten.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise gibt es eine neuere Version dieser Software<byte value="xd"/>Möchten Sie nach einer Aktualisierung suchen?</translation>
    </message>
</context>
<context>
    <name>VelloranShell</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
</context>
<context>
    <name>WheelCalendarFile</name>
    <message>
        <source>%1 on its %2.</source>
        <extracomment>&quot;Imbolc on its traditional date.&quot;</extracomment>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2, %3.</translation>
    </message>
    <message>
        <source>%1: %2, %3 %4 (%5).</source>
        <translation>%1: %2, %3 %4 (%5).</translation>
    </message>
    <message>
        <source>%1 (traditional date)</source>
        <translation>%1 (traditionelles Datum)</translation>
    </message>
    <message>
        <source>%1 (astronomical)</source>
        <translation>%1 (astronomisch)</translation>
    </message>
    <message>
        <source>Wheel of the Year</source>
        <translation>Jahreskreis</translation>
    </message>
</context>
<context>
    <name>WheelOfTheYear</name>
    <message>
        <source>Wolf Moon</source>
        <translation>Wolfsmond</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Schneemond</translation>
    </message>
    <message>
        <source>Worm Moon</source>
        <translation>Wurmmond</translation>
    </message>
    <message>
        <source>Pink Moon</source>
        <translation>Rosa Mond</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Blumenmond</translation>
    </message>
    <message>
        <source>Strawberry Moon</source>
        <translation>Erdbeermond</translation>
    </message>
    <message>
        <source>Buck Moon</source>
        <translation>Bockmond</translation>
    </message>
    <message>
        <source>Sturgeon Moon</source>
        <translation>Störmond</translation>
    </message>
    <message>
        <source>Corn Moon</source>
        <translation>Maismond</translation>
    </message>
    <message>
        <source>Hunter&apos;s Moon</source>
        <translation>Jägermond</translation>
    </message>
    <message>
        <source>Beaver Moon</source>
        <translation>Bibermond</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Kalter Mond</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Erntemond</translation>
    </message>
    <message>
        <source>March equinox, sun at %1°</source>
        <translation>Märzäquinoktium, Sonne bei %1°</translation>
    </message>
    <message>
        <source>June solstice, sun at %1°</source>
        <translation>Junisonnenwende, Sonne bei %1°</translation>
    </message>
    <message>
        <source>September equinox, sun at %1°</source>
        <translation>Septemberäquinoktium, Sonne bei %1°</translation>
    </message>
    <message>
        <source>December solstice, sun at %1°</source>
        <translation>Dezembersonnenwende, Sonne bei %1°</translation>
    </message>
    <message>
        <source>sun at %1°</source>
        <translation>Sonne bei %1°</translation>
    </message>
    <message>
        <source>%1 (Blue Moon)</source>
        <translation>%1 (Blauer Mond)</translation>
    </message>
    <message>
        <source>traditional date</source>
        <translation>traditionelles Datum</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>new moon</source>
        <translation>Neumond</translation>
    </message>
</context>
<context>
    <name>WheelPicture</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Der Ordner %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Velloran is an advanced yet simple program that makes the user familiar to the lifestyle of the Pagans and the Wiccans. It offers an easy to use interface, which allows the user to get answers to all his personal queries that help him understand the Pagan culture. It is the ultimate Pagan software and is a must have online resource for all the pagans and the Wiccans which provides you with a whole lot of information related to the Pagan paths, pagan gods, goddesses, pagan festivals, pagan elements, the pagan calendar and much more. This tool also helps you maintain your Pagan diary.</source>
        <translation>Velloran ist ein ausgereiftes und doch einfaches Programm, das Sie mit der Lebensweise der Heiden und Wicca vertraut macht. Über eine leicht bedienbare Oberfläche erhalten Sie Antworten auf Ihre persönlichen Fragen, die Ihnen helfen, die heidnische Kultur zu verstehen. Es ist die heidnische Software schlechthin und ein Muss für alle Heiden und Wicca: eine Fülle an Wissen über heidnische Wege, Götter und Göttinnen, Feste, Elemente, den heidnischen Kalender und vieles mehr. Außerdem hilft es Ihnen, Ihr heidnisches Tagebuch zu führen.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Verdienen Sie online Geld. Diese Software ganz unter Ihrer Marke für Ihre Website.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Klicken Sie hier für Einzelheiten.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Besuchen Sie %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmDataSource</name>
    <message>
        <source>Data Source</source>
        <translation>Datenquelle</translation>
    </message>
    <message>
        <source>The &amp;files on this computer</source>
        <translation>Die &amp;Dateien auf diesem Computer</translation>
    </message>
    <message>
        <source>A shared &amp;PostgreSQL database</source>
        <translation>Eine gemeinsame &amp;PostgreSQL-Datenbank</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>Durch&amp;suchen…</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>Daten&amp;bank:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>Ben&amp;utzer:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>&amp;TLS mode:</source>
        <translation>&amp;TLS-Modus:</translation>
    </message>
    <message>
        <source>&amp;CA file:</source>
        <translation>&amp;CA-Datei:</translation>
    </message>
    <message>
        <source>T&amp;est Connection</source>
        <translation>Verbindung t&amp;esten</translation>
    </message>
    <message>
        <source>Choose the CA file</source>
        <translation>Wählen Sie die CA-Datei</translation>
    </message>
    <message>
        <source>The files on this computer need no connection.</source>
        <translation>Die Dateien auf diesem Computer brauchen keine Verbindung.</translation>
    </message>
    <message>
        <source>Connected to %1; it holds Velloran&apos;s records and diary.</source>
        <translation>Verbunden mit %1; die Datenbank enthält die Einträge und das Tagebuch von Velloran.</translation>
    </message>
    <message>
        <source>Connected to %1; the database is empty, and Velloran can make its tables there.</source>
        <translation>Verbunden mit %1; die Datenbank ist leer, und Velloran kann dort seine Tabellen anlegen.</translation>
    </message>
    <message>
        <source>Connected to %1; its tables are from an earlier Velloran and can be brought up to date.</source>
        <translation>Verbunden mit %1; die Tabellen stammen von einer früheren Velloran-Version und können auf den neuesten Stand gebracht werden.</translation>
    </message>
    <message>
        <source>Connected to %1, but its tables were made by a newer Velloran.</source>
        <translation>Verbunden mit %1, aber die Tabellen stammen von einer neueren Velloran-Version.</translation>
    </message>
    <message>
        <source>Connected to %1, but the database holds another program&apos;s tables.</source>
        <translation>Verbunden mit %1, aber die Datenbank enthält die Tabellen eines anderen Programms.</translation>
    </message>
    <message>
        <source>Fill in the host, the database and the user.</source>
        <translation>Geben Sie den Host, die Datenbank und den Benutzer an.</translation>
    </message>
    <message>
        <source>No secret store of the desktop keeps the password, so Velloran asks for it at each start.</source>
        <translation>Kein Passwortspeicher der Arbeitsumgebung bewahrt das Passwort auf, daher fragt Velloran bei jedem Start danach.</translation>
    </message>
</context>
<context>
    <name>frmDiaryFind</name>
    <message>
        <source>Find in the Diary</source>
        <translation>Im Tagebuch suchen</translation>
    </message>
    <message>
        <source>Search &amp;all four sections</source>
        <translation>&amp;Alle vier Bereiche durchsuchen</translation>
    </message>
    <message>
        <source>Save the entry you are adding or editing first.</source>
        <translation>Speichern Sie zuerst den Eintrag, den Sie hinzufügen oder bearbeiten.</translation>
    </message>
    <message>
        <source>This entry is no longer in the diary.</source>
        <translation>Dieser Eintrag ist nicht mehr im Tagebuch.</translation>
    </message>
    <message>
        <source>1 entry found</source>
        <translation>1 Eintrag gefunden</translation>
    </message>
    <message>
        <source>No entry found</source>
        <translation>Kein Eintrag gefunden</translation>
    </message>
    <message>
        <source>%1 entries found; the first %2 are listed, more words find fewer</source>
        <translation>%1 Einträge gefunden; die ersten %2 sind aufgelistet, mehr Wörter finden weniger</translation>
    </message>
    <message>
        <source>%1 entries found</source>
        <translation>%1 Einträge gefunden</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>Such&amp;begriffe:</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Gefundene Einträge</translation>
    </message>
</context>
<context>
    <name>frmDowsingAllRecord</name>
    <message>
        <source>There Is No Record !</source>
        <translation>Es gibt keinen Eintrag!</translation>
    </message>
    <message>
        <source>To Select Your Record, Move the Arrow Up and Down to the Chosen Row and  Double Click to See Complete Record Details. </source>
        <translation>Um einen Eintrag zu wählen, bewegen Sie den Pfeil nach oben oder unten auf die gewünschte Zeile; ein Doppelklick zeigt alle Angaben des Eintrags. </translation>
    </message>
    <message>
        <source>Short Summary Of Dowsing Records</source>
        <translation>Kurzübersicht der Radiästhesie-Einträge</translation>
    </message>
    <message>
        <source>Dowsing Records</source>
        <translation>Radiästhesie-Einträge</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
</context>
<context>
    <name>frmDowsingFind</name>
    <message>
        <source>Find Records</source>
        <translation>Einträge suchen</translation>
    </message>
    <message>
        <source>Type any words of a record or its date. Double click a record to see its sheet; click a column caption to sort.</source>
        <translation>Geben Sie beliebige Wörter eines Eintrags oder sein Datum ein. Ein Doppelklick auf einen Eintrag zeigt sein Blatt; ein Klick auf eine Spaltenüberschrift sortiert.</translation>
    </message>
    <message>
        <source>%1 records shown; scroll down for more</source>
        <translation>%1 Einträge angezeigt; für weitere nach unten blättern</translation>
    </message>
    <message>
        <source>1 record found</source>
        <translation>1 Eintrag gefunden</translation>
    </message>
    <message>
        <source>No record found</source>
        <translation>Kein Eintrag gefunden</translation>
    </message>
    <message>
        <source>%1 records found</source>
        <translation>%1 Einträge gefunden</translation>
    </message>
    <message>
        <source>The records cannot be searched.<byte value="xd"/>
%1</source>
        <translation>Die Einträge können nicht durchsucht werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The next records found could not be read.<byte value="xd"/>
%1</source>
        <translation>Die nächsten gefundenen Einträge konnten nicht gelesen werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Making the search index of the records…</source>
        <translation>Der Suchindex der Einträge wird angelegt…</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>Such&amp;begriffe:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%L1 records found; %L2 shown, scroll down for more</source>
        <translation>%L1 Einträge gefunden; %L2 angezeigt, für weitere nach unten blättern</translation>
    </message>
    <message>
        <source>Words are looked for once the search index is made (%1% so far).</source>
        <translation>Nach Wörtern wird gesucht, sobald der Suchindex angelegt ist (bisher %1 %).</translation>
    </message>
    <message>
        <source>Search index %p%</source>
        <translation>Suchindex %p %</translation>
    </message>
    <message>
        <source>Search index made so far</source>
        <translation>Bisher angelegter Suchindex</translation>
    </message>
    <message>
        <source>This record was deleted meanwhile.</source>
        <translation>Dieser Eintrag wurde inzwischen gelöscht.</translation>
    </message>
</context>
<context>
    <name>frmDowsingMain</name>
    <message>
        <source>Required File Is Missing<byte value="xd"/>Please Reinstall Software</source>
        <translation>Eine benötigte Datei fehlt<byte value="xd"/>Bitte installieren Sie die Software neu</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <translation>Bitte nur Buchstaben eingeben</translation>
    </message>
    <message>
        <source>Please Enter Number</source>
        <translation>Bitte eine Zahl eingeben</translation>
    </message>
    <message>
        <source>Please Enter Correct Email Address !</source>
        <translation>Bitte eine gültige E-Mail-Adresse eingeben!</translation>
    </message>
    <message>
        <source>Please Enter Dowsing Tool !</source>
        <translation>Bitte das Hilfsmittel eingeben!</translation>
    </message>
    <message>
        <source>Please Enter Dowsing Item !</source>
        <translation>Bitte das Gesuchte eingeben!</translation>
    </message>
    <message>
        <source>Record Saved Succesfully !</source>
        <translation>Eintrag erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Record Edited Succesfully !</source>
        <translation>Eintrag erfolgreich geändert!</translation>
    </message>
    <message>
        <source>The record was not saved.<byte value="xd"/>
%1.<byte value="xd"/>
Your entries are kept; try again when the problem is solved.</source>
        <translation>Der Eintrag wurde nicht gespeichert.<byte value="xd"/>
%1.<byte value="xd"/>
Ihre Eingaben bleiben erhalten; versuchen Sie es erneut, wenn das Problem behoben ist.</translation>
    </message>
    <message>
        <source>There is no %1 %2 in %3.<byte value="xd"/>
Please choose another day; the record was not saved.</source>
        <extracomment>&quot;There is no 30 February in 2007.&quot;</extracomment>
        <translation>Den %1. %2 gibt es %3 nicht.<byte value="xd"/>
Bitte wählen Sie einen anderen Tag; der Eintrag wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Add New Record</source>
        <translation>&amp;Neuen Eintrag anlegen</translation>
    </message>
    <message>
        <source>&amp;View All  Records</source>
        <translation>&amp;Alle Einträge anzeigen</translation>
    </message>
    <message>
        <source>Add New Record</source>
        <translation>Neuen Eintrag anlegen</translation>
    </message>
    <message>
        <source>Click On                                  To  Enter New Customer Details</source>
        <extracomment>The wide gap holds the button &quot;Add New Record&quot;; keep it as wide.</extracomment>
        <translation>Klicken Sie auf                                  um einen neuen Kunden einzugeben</translation>
    </message>
    <message>
        <source>Add New &amp;Record</source>
        <translation>Neuer &amp;Eintrag</translation>
    </message>
    <message>
        <source>Dowsing is one of the most ancient forms of divination and has been practised for around thousands of years, which detects things like underground water, hidden metal and treasures, oil, lost persons, etc. Quarrow is a divination software that allows you to keep a track of your different dowsing experiences in the form a dowsing diary. It helps you to know from a glance what customers you dowsed for, what were you trying to detect and other comments.</source>
        <translation>Das Wünschelrutengehen ist eine der ältesten Formen der Wahrsagung und wird seit Jahrtausenden geübt; man spürt damit unterirdisches Wasser, verborgenes Metall und Schätze, Öl, vermisste Personen usw. auf. Quarrow ist eine Wahrsage-Software, mit der Sie Ihre Erfahrungen mit der Wünschelrute als Tagebuch festhalten. So sehen Sie auf einen Blick, für welche Kunden Sie gesucht haben, was Sie aufspüren wollten, und weitere Bemerkungen.</translation>
    </message>
    <message>
        <source>Just input your customer details  (his name, address, contact number and other additional notes) and enjoy your dowsing experience!</source>
        <translation>Geben Sie einfach die Kundendaten ein (Name, Adresse, Telefon, weitere Notizen) und viel Freude mit der Wünschelrute!</translation>
    </message>
    <message>
        <source>&amp;View All Records</source>
        <translation>&amp;Alle Einträge</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Enter Customer&apos;s Details:-</source>
        <translation>Kundendaten eingeben:-</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Name:-</translation>
    </message>
    <message>
        <source>Address:-</source>
        <translation>Adresse:-</translation>
    </message>
    <message>
        <source>City:-</source>
        <translation>Ort:-</translation>
    </message>
    <message>
        <source>State:-</source>
        <translation>Region:-</translation>
    </message>
    <message>
        <source>Pin Number:-</source>
        <translation>Postleitzahl:-</translation>
    </message>
    <message>
        <source>Phone Number:-</source>
        <translation>Telefonnummer:-</translation>
    </message>
    <message>
        <source>Email Address:-</source>
        <translation>E-Mail-Adresse:-</translation>
    </message>
    <message>
        <source>Location:-</source>
        <translation>Ort der Suche:-</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>Tools And Item Used For Dowsing:-</source>
        <translation>Hilfsmittel und Gesuchtes:-</translation>
    </message>
    <message>
        <source>Dowsing Tool:-</source>
        <translation>Hilfsmittel:-</translation>
    </message>
    <message>
        <source>Enter The Name of The Dowsing Tool</source>
        <translation>Geben Sie das Hilfsmittel an</translation>
    </message>
    <message>
        <source>Dowsing Tool</source>
        <translation>Hilfsmittel</translation>
    </message>
    <message>
        <source>Other dowsing tool</source>
        <translation>Anderes Hilfsmittel</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Dowsing Item:-</source>
        <translation>Gesuchtes:-</translation>
    </message>
    <message>
        <source>Enter The Name of The Dowsing Item</source>
        <translation>Geben Sie an, was gesucht wurde</translation>
    </message>
    <message>
        <source>Dowsing Item</source>
        <translation>Gesuchtes</translation>
    </message>
    <message>
        <source>Other dowsing item</source>
        <translation>Anderes Gesuchtes</translation>
    </message>
    <message>
        <source>Dowsing Date and Time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Dowsing Date:-</source>
        <translation>Datum:-</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Dowsing Time:-</source>
        <translation>Uhrzeit:-</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>AM or PM</source>
        <translation>Vormittag oder Nachmittag</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation>&lt;&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Ak&amp;tualisieren</translation>
    </message>
    <message>
        <source>Someone else removed the record %1 while you were editing it.<byte value="xd"/>
Save what you typed as a new record, or leave it removed? What you typed stays in the window either way.</source>
        <translation>Jemand anderes hat den Eintrag %1 entfernt, während Sie ihn bearbeitet haben.<byte value="xd"/>
Ihre Eingaben als neuen Eintrag speichern oder ihn entfernt lassen? Ihre Eingaben bleiben in jedem Fall im Fenster.</translation>
    </message>
</context>
<context>
    <name>frmDowsingSave</name>
    <message>
        <source>Rich Text Format | *.rtf </source>
        <translation>Rich Text Format | *.rtf </translation>
    </message>
    <message>
        <source>There Is No Record to Edit</source>
        <translation>Es gibt keinen Eintrag zum Bearbeiten</translation>
    </message>
    <message>
        <source>Sorry The Given Record Is Not Found</source>
        <translation>Der Eintrag wurde leider nicht gefunden</translation>
    </message>
    <message>
        <source>There Is No Record to Delete</source>
        <translation>Es gibt keinen Eintrag zum Löschen</translation>
    </message>
    <message>
        <source>Do You Really Want To Delete This Record ?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Record Deleted Succesfully !</source>
        <translation>Eintrag erfolgreich gelöscht!</translation>
    </message>
    <message>
        <source>The sheet could not be printed to %1.</source>
        <translation>Das Blatt konnte nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>The sheet could not be saved as %1.<byte value="xd"/>
%2</source>
        <translation>Das Blatt konnte nicht als %1 gespeichert werden.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The record was not deleted.<byte value="xd"/>
%1</source>
        <translation>Der Eintrag wurde nicht gelöscht.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The record could not be read.<byte value="xd"/>
%1</source>
        <translation>Der Eintrag konnte nicht gelesen werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Record sheet</source>
        <translation>Eintragsblatt</translation>
    </message>
    <message>
        <source>&amp;Delete This Dowsing Record</source>
        <translation>Diesen Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Edit This Dowsing Record</source>
        <translation>Diesen Eintrag &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
Delete it all the same?</source>
        <translation>.<byte value="xd"/>
Trotzdem löschen?</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Welcome to the Velloran! Get to know more about the Pagan &amp; Wiccan Culture. Use the Pagan Diary to save your ritual details for further reference</source>
        <translation>Willkommen bei Velloran! Erfahren Sie mehr über die Kultur der Heiden und Wicca. Halten Sie Ihre Rituale im heidnischen Tagebuch fest</translation>
    </message>
    <message>
        <source>Pagan</source>
        <translation>Heidentum</translation>
    </message>
    <message>
        <source>Dowsing</source>
        <translation>Radiästhesie</translation>
    </message>
    <message>
        <source>Pagan Diary</source>
        <translation>Heidnisches Tagebuch</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
</context>
<context>
    <name>frmManual</name>
    <message>
        <source>Velloran Manual</source>
        <translation>Velloran-Handbuch</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Manual page</source>
        <translation>Handbuchseite</translation>
    </message>
</context>
<context>
    <name>frmPaganDiaryMain</name>
    <message>
        <source>Velloran Diary</source>
        <translation>Velloran-Tagebuch</translation>
    </message>
    <message>
        <source>Velloran Diary is an easy to use advanced software. It is a personal book of spells and also acts as a key to the mysteries of the Pagan culture. Velloran Diary software is the ultimate tool for safekeeping everything related to the Pagan and the Wiccan rituals and spells, and as such, it is a MUST HAVE for all Pagan followers.</source>
        <translation>Velloran-Tagebuch ist eine ausgereifte und leicht zu bedienende Software. Es ist ein persönliches Zauberbuch und zugleich ein Schlüssel zu den Geheimnissen der heidnischen Kultur. Velloran-Tagebuch ist das ideale Werkzeug, um alles rund um heidnische und Wicca-Rituale und Zaubersprüche sicher aufzubewahren – ein MUSS für alle Heiden.</translation>
    </message>
    <message>
        <source>Velloran Diary has divided the Diary into the following options for your convenience. Choose any one of the options which you feel is appropriate for your entry.</source>
        <translation>Velloran-Tagebuch ist zu Ihrer Bequemlichkeit in die folgenden Bereiche aufgeteilt. Wählen Sie den Bereich, der zu Ihrem Eintrag passt.</translation>
    </message>
    <message>
        <source>Click on Continue to Proceed.</source>
        <translation>Klicken Sie auf „Weiter“, um fortzufahren.</translation>
    </message>
    <message>
        <source>Select An Option</source>
        <translation>Wählen Sie einen Bereich</translation>
    </message>
    <message>
        <source>Spell Section</source>
        <translation>Bereich Zaubersprüche</translation>
    </message>
    <message>
        <source>Incense Section</source>
        <translation>Bereich Räucherwerk</translation>
    </message>
    <message>
        <source>Recipes Section</source>
        <translation>Bereich Rezepte</translation>
    </message>
    <message>
        <source>Rituals Section</source>
        <translation>Bereich Rituale</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Required Files Are Missing<byte value="xd"/>Please Reinstall The Software</source>
        <translation>Benötigte Dateien fehlen<byte value="xd"/>Bitte installieren Sie die Software neu</translation>
    </message>
    <message>
        <source>Please Select An Option</source>
        <translation>Bitte wählen Sie einen Bereich</translation>
    </message>
</context>
<context>
    <name>frmPaganDiaryResultBOS</name>
    <message>
        <source>The entry you were editing is no longer in the %1 section; another program may have removed it.<byte value="xd"/>
Do you want to add what you typed as a new entry?</source>
        <translation>Der Eintrag, den Sie bearbeitet haben, ist nicht mehr im Bereich %1; vielleicht hat ein anderes Programm ihn entfernt.<byte value="xd"/>
Möchten Sie Ihre Eingabe als neuen Eintrag hinzufügen?</translation>
    </message>
    <message>
        <source>Spell Section</source>
        <translation>Bereich Zaubersprüche</translation>
    </message>
    <message>
        <source>Click on Open Spell to Access the Spells Section</source>
        <translation>Klicken Sie auf „Bereich Zaubersprüche öffnen“</translation>
    </message>
    <message>
        <source>Add your new spell secrets and save them. Add, edit or remove the selected spells according to your preferences.</source>
        <translation>Tragen Sie Ihre neuen Zaubergeheimnisse ein und speichern Sie sie. Fügen Sie Zaubersprüche nach Belieben hinzu, bearbeiten oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>Incense Section</source>
        <translation>Bereich Räucherwerk</translation>
    </message>
    <message>
        <source>Click on Open Incense to Access the Incense Section</source>
        <translation>Klicken Sie auf „Bereich Räucherwerk öffnen“</translation>
    </message>
    <message>
        <source>Add your new incense secrets and save them. Add, edit or remove the selected incense according to your preferences.</source>
        <translation>Tragen Sie Ihre neuen Räuchergeheimnisse ein und speichern Sie sie. Fügen Sie Räucherwerk nach Belieben hinzu, bearbeiten oder entfernen Sie es.</translation>
    </message>
    <message>
        <source>Recipes Section</source>
        <translation>Bereich Rezepte</translation>
    </message>
    <message>
        <source>Click on Open Recipes to Access the Recipes Section</source>
        <translation>Klicken Sie auf „Bereich Rezepte öffnen“</translation>
    </message>
    <message>
        <source>Add your new recipe secrets and save them. Add, edit or remove the selected recipes according to your preferences.</source>
        <translation>Tragen Sie Ihre neuen Rezeptgeheimnisse ein und speichern Sie sie. Fügen Sie Rezepte nach Belieben hinzu, bearbeiten oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>Rituals Section</source>
        <translation>Bereich Rituale</translation>
    </message>
    <message>
        <source>Click on Open Rituals to Access the Rituals Section</source>
        <translation>Klicken Sie auf „Bereich Rituale öffnen“</translation>
    </message>
    <message>
        <source>Add your new ritual secrets and save them. Add, edit or remove the selected rituals according to your preferences.</source>
        <translation>Tragen Sie Ihre neuen Ritualgeheimnisse ein und speichern Sie sie. Fügen Sie Rituale nach Belieben hinzu, bearbeiten oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>Velloran Diary</source>
        <translation>Velloran-Tagebuch</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Verlassen</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Remove %1</source>
        <translation>Eintrag &amp;entfernen (%1)</translation>
    </message>
    <message>
        <source>E&amp;xit %1</source>
        <translation>Bereich %1 &amp;verlassen</translation>
    </message>
    <message>
        <source>&amp;Open %1</source>
        <translation>Bereich %1 &amp;öffnen</translation>
    </message>
    <message>
        <source>&amp;Close %1</source>
        <translation>Bereich %1 &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Save %1</source>
        <translation>Eintrag s&amp;peichern (%1)</translation>
    </message>
    <message>
        <source>&amp;Add %1</source>
        <translation>Eintrag &amp;hinzufügen (%1)</translation>
    </message>
    <message>
        <source>&amp;Edit %1</source>
        <translation>Eintrag &amp;bearbeiten (%1)</translation>
    </message>
    <message>
        <source>Please Enter Keyword And Its Corresponding Meaning</source>
        <translation>Bitte geben Sie ein Stichwort und seine Bedeutung ein</translation>
    </message>
    <message>
        <source>Please Enter The Keyword</source>
        <translation>Bitte geben Sie das Stichwort ein</translation>
    </message>
    <message>
        <source>Please Enter The Meaning Of The Keyword</source>
        <translation>Bitte geben Sie die Bedeutung des Stichworts ein</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo Removal of “%1”</source>
        <translation>Entfernen von „%1“ &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>“%1” is back in the %2 section as a new entry: another entry has taken its place meanwhile.</source>
        <translation>„%1“ ist wieder im Bereich %2, als neuer Eintrag: ein anderer Eintrag hat inzwischen seinen Platz eingenommen.</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
Remove it all the same?</source>
        <translation>.<byte value="xd"/>
Trotzdem entfernen?</translation>
    </message>
</context>
<context>
    <name>frmPaganMain</name>
    <message>
        <source>Pagan Calendar</source>
        <translation>Heidnischer Kalender</translation>
    </message>
    <message>
        <source>Pagan Information</source>
        <translation>Heidnisches Wissen</translation>
    </message>
    <message>
        <source>Pagan Festive Seasons</source>
        <translation>Heidnische Feste</translation>
    </message>
    <message>
        <source>Pagan Elements</source>
        <translation>Heidnische Elemente</translation>
    </message>
    <message>
        <source>Pagan Gods</source>
        <translation>Heidnische Götter</translation>
    </message>
    <message>
        <source>Pagan Goddesses</source>
        <translation>Heidnische Göttinnen</translation>
    </message>
    <message>
        <source>Show Pagan &amp;Calendar</source>
        <translation>Heidnischen &amp;Kalender zeigen</translation>
    </message>
    <message>
        <source>The following is the list of Pagan Festivals:</source>
        <translation>Hier ist die Liste der heidnischen Feste:</translation>
    </message>
    <message>
        <source>Please Select A Year</source>
        <translation>Bitte wählen Sie ein Jahr</translation>
    </message>
</context>
<context>
    <name>frmPaganResultCalendar</name>
    <message>
        <source>Display Festivals</source>
        <translation>Feste anzeigen</translation>
    </message>
    <message>
        <source>Velloran displays the festivals of the chosen month in the space below. Know the Pagan festivals for the current chosen month and make your plans.</source>
        <translation>Velloran zeigt die Feste des gewählten Monats im Feld an. Lernen Sie die heidnischen Feste dieses Monats kennen und planen Sie voraus.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Month calendar</source>
        <translation>Monatskalender</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>frmWheelOfTheYear</name>
    <message>
        <source>Wheel of the Year</source>
        <translation>Jahreskreis</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>Wheel of the Year…</source>
        <translation>Jahreskreis…</translation>
    </message>
    <message>
        <source>Times in %1, with daylight saving as it applied on each date, here and in the exported file.</source>
        <translation>Zeiten in %1, mit der Sommerzeit, wie sie am jeweiligen Tag galt – hier und in der exportierten Datei.</translation>
    </message>
    <message>
        <source>Times in UTC, here and in the exported file.</source>
        <translation>Zeiten in UTC, hier und in der exportierten Datei.</translation>
    </message>
    <message>
        <source>Years 1800 to 2200</source>
        <translation>Jahre 1800 bis 2200</translation>
    </message>
    <message>
        <source>The system&apos;s time zone could not be found, so the times and dates are in UTC.</source>
        <translation>Die Zeitzone des Systems wurde nicht gefunden; Zeiten und Daten sind daher in UTC.</translation>
    </message>
    <message>
        <source>Yule at the top, the year turning clockwise. Gold: solstices and equinoxes; orange: the sun at the cross-quarter points. Bright dots: full moons; dark dots: new moons. Red: today.</source>
        <translation>Yule oben, das Jahr dreht sich im Uhrzeigersinn. Gold: Sonnenwenden und Tagundnachtgleichen; orange: die Sonne an den Zwischenpunkten. Helle Punkte: Vollmonde; dunkle Punkte: Neumonde. Rot: heute.</translation>
    </message>
    <message>
        <source>Export the Wheel of the Year</source>
        <translation>Jahreskreis exportieren</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics)|*.ics</source>
        <translation>iCalendar-Datei (*.ics)|*.ics</translation>
    </message>
    <message>
        <source>The calendar file could not be saved as<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
No file was written; a file of that name that was there before is unchanged.</source>
        <translation>Die Kalenderdatei konnte nicht gespeichert werden als<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Es wurde keine Datei geschrieben; eine vorher vorhandene Datei dieses Namens ist unverändert.</translation>
    </message>
    <message>
        <source>The wheel of the year %1 was saved as<byte value="xd"/>
%2<byte value="xd"/>
(%3 events).</source>
        <translation>Der Jahreskreis %1 wurde gespeichert als<byte value="xd"/>
%2<byte value="xd"/>
(%3 Ereignisse).</translation>
    </message>
    <message>
        <source>days before</source>
        <translation>Tage vorher</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Festival or moon</source>
        <translation>Fest oder Mond</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <extracomment>How a day of the table is written (QDate format): weekday, day and month, short.</extracomment>
        <translation>ddd, d. MMM</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>&amp;Southern Hemisphere</source>
        <translation>Süd&amp;halbkugel</translation>
    </message>
    <message>
        <source>Times in &amp;UTC</source>
        <translation>Zeiten in &amp;UTC</translation>
    </message>
    <message>
        <source>Export to your calendar (.ics)</source>
        <translation>In Ihren Kalender exportieren (.ics)</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>Eight &amp;points</source>
        <translation>Acht &amp;Punkte</translation>
    </message>
    <message>
        <source>&amp;Traditional days</source>
        <translation>&amp;Traditionelle Tage</translation>
    </message>
    <message>
        <source>&amp;New moons</source>
        <translation>&amp;Neumonde</translation>
    </message>
    <message>
        <source>Fu&amp;ll moons</source>
        <translation>V&amp;ollmonde</translation>
    </message>
    <message>
        <source>&amp;Reminder</source>
        <translation>&amp;Erinnerung</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Export to Calendar…</source>
        <translation>In Kalender e&amp;xportieren…</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>ganztägig</translation>
    </message>
    <message>
        <source>Festivals and moons of the year</source>
        <translation>Feste und Monde des Jahres</translation>
    </message>
</context>
</TS>
