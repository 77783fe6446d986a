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
    <name>CsvImport</name>
    <message>
        <source>the import was cancelled; nothing was stored</source>
        <translation>der Import wurde abgebrochen; nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The imported rows could not be read</source>
        <translation>Die importierten Zeilen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>The rows already stored could not be read</source>
        <translation>Die bereits gespeicherten Zeilen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>“%1” is no date of the form %2 (%3)</source>
        <extracomment>A line&apos;s fault: the date, the form dates are read in, and the field.</extracomment>
        <translation>„%1“ ist kein Datum der Form %2 (%3)</translation>
    </message>
    <message>
        <source>%1 holds a null character, which the database cannot keep</source>
        <translation>%1 enthält ein Nullzeichen, das die Datenbank nicht speichern kann</translation>
    </message>
    <message>
        <source>%1 is longer than the database keeps (a billion bytes)</source>
        <translation>%1 ist länger, als die Datenbank speichert (eine Milliarde Bytes)</translation>
    </message>
    <message>
        <source>The file %1 could not be imported</source>
        <translation>Die Datei %1 konnte nicht importiert werden</translation>
    </message>
    <message>
        <source>The import could not begin</source>
        <translation>Der Import konnte nicht beginnen</translation>
    </message>
    <message>
        <source>The server did not say whether the file was imported</source>
        <translation>Der Server hat nicht gesagt, ob die Datei importiert wurde</translation>
    </message>
    <message>
        <source>not every row was added</source>
        <translation>nicht jede Zeile wurde hinzugefügt</translation>
    </message>
    <message>
        <source>The import of %1 could not be undone</source>
        <translation>Der Import von %1 konnte nicht rückgängig gemacht werden</translation>
    </message>
    <message>
        <source>The import could not be undone</source>
        <translation>Der Import konnte nicht rückgängig gemacht werden</translation>
    </message>
    <message>
        <source>The server did not say whether the import was undone</source>
        <translation>Der Server hat nicht gesagt, ob der Import rückgängig gemacht wurde</translation>
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
    <message>
        <source>Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>&amp;Import Section from CSV…</source>
        <translation>Bereich aus CSV &amp;importieren…</translation>
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
    <message>
        <source>&amp;Import Records from CSV…</source>
        <translation>Einträge aus CSV &amp;importieren…</translation>
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
    <name>PaganFestivals</name>
    <message>
        <source></source>
        <comment>A festival&apos;s name as the month view lists it under its date. Keep the names of festivals, gods, goddesses and heroes as the traditions write them (Imbolc, Beltane, Samhain, Lughnasadh, Yule, Litha, Eostre, Danu, Cernunnos, Rhiannon, Epona, Cerridwen, Taliesin, Llyr, Lugh, Merlin, Braciaca, Bellisama, Merriddyn, Raud, Loki, Fontus); translate the rest, and write the day counts and dates as your language does (&quot;(4 DAYS) 3rd March Onward&quot;). Capitals in the English mark the great festivals: keep them in capitals.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Day of Braciaca(2 DAYS)23rd Onward</source>
        <translation>Tag des Braciaca (2 Tage) ab dem 23. Januar</translation>
    </message>
    <message>
        <source>Raud the Strong`s Day</source>
        <translation>Tag Rauds des Starken</translation>
    </message>
    <message>
        <source>IMBOLC</source>
        <translation>IMBOLC</translation>
    </message>
    <message>
        <source>Festival of Love : Danu and cernunnos(9 DAYS) 13th Feb Onward</source>
        <translation>Fest der Liebe: Danu und Cernunnos (9 Tage) ab dem 13. Februar</translation>
    </message>
    <message>
        <source>Day of Merriddyn</source>
        <translation>Tag des Merriddyn</translation>
    </message>
    <message>
        <source>Feast of Merlin</source>
        <translation>Fest des Merlin</translation>
    </message>
    <message>
        <source>Lesser Mysteries of Rhiannon (4 DAYS) 3rd March Onward</source>
        <translation>Kleine Mysterien der Rhiannon (4 Tage) ab dem 3. März</translation>
    </message>
    <message>
        <source>SPRING EQUINOX-(Eostre) and the start of the Rites of wine and Pleasure(5 DAYS)</source>
        <translation>FRÜHLINGS-TAGUNDNACHTGLEICHE (Eostre) und Beginn der Riten von Wein und Genuss (5 Tage)</translation>
    </message>
    <message>
        <source>BELTANE- and day of cernunnos</source>
        <translation>BELTANE und Tag des Cernunnos</translation>
    </message>
    <message>
        <source>Loki&apos;s day</source>
        <translation>Lokis Tag</translation>
    </message>
    <message>
        <source>Day of Dark Goddess</source>
        <translation>Tag der Dunklen Göttin</translation>
    </message>
    <message>
        <source>Bank Holiday</source>
        <translation>Bank Holiday (Feiertag in Großbritannien)</translation>
    </message>
    <message>
        <source>Rites of Harvest (10 DAYS) 5th June Onward</source>
        <translation>Riten der Ernte (10 Tage) ab dem 5. Juni</translation>
    </message>
    <message>
        <source>Feast of Epona</source>
        <translation>Fest der Epona</translation>
    </message>
    <message>
        <source>Festival of the Birds (6 DAYS) 17 June Onwards</source>
        <translation>Fest der Vögel (6 Tage) ab dem 17. Juni</translation>
    </message>
    <message>
        <source>MIDSUMMER-(Litha)</source>
        <translation>MITTSOMMER (Litha)</translation>
    </message>
    <message>
        <source>Well Blessing Rites to the Water Goddess</source>
        <translation>Riten der Brunnensegnung für die Wassergöttin</translation>
    </message>
    <message>
        <source>Feast of cerridwen</source>
        <translation>Fest der Cerridwen</translation>
    </message>
    <message>
        <source>Festival of the Forest Spirits (3 DAYS) 19th July Onward</source>
        <translation>Fest der Waldgeister (3 Tage) ab dem 19. Juli</translation>
    </message>
    <message>
        <source>LUGHNASADH</source>
        <translation>LUGHNASADH</translation>
    </message>
    <message>
        <source>Day of Lugh</source>
        <translation>Tag des Lugh</translation>
    </message>
    <message>
        <source>Day of the Queen of Heaven</source>
        <translation>Tag der Himmelskönigin</translation>
    </message>
    <message>
        <source>Feast of the Late Wine</source>
        <translation>Fest des späten Weins</translation>
    </message>
    <message>
        <source>Festival of the Heroes (4 DAYS) 22nd August Onward</source>
        <translation>Fest der Helden (4 Tage) ab dem 22. August</translation>
    </message>
    <message>
        <source>Birth of the Mother</source>
        <translation>Geburt der Mutter</translation>
    </message>
    <message>
        <source>AUTUMN EQUINOX</source>
        <translation>HERBST-TAGUNDNACHTGLEICHE</translation>
    </message>
    <message>
        <source>Greater Mysteries of llyr (5 DAYS) 24 th Sept Onward</source>
        <translation>Große Mysterien des Llyr (5 Tage) ab dem 24. September</translation>
    </message>
    <message>
        <source>Birth of Taliesin</source>
        <translation>Geburt des Taliesin</translation>
    </message>
    <message>
        <source>SAMHAIN</source>
        <translation>SAMHAIN</translation>
    </message>
    <message>
        <source>Fontus festival</source>
        <translation>Fest des Fontus</translation>
    </message>
    <message>
        <source>Feast of Ancestors</source>
        <translation>Fest der Ahnen</translation>
    </message>
    <message>
        <source>Feast of Gods of Harvest and hunt(3 DAYS)</source>
        <translation>Fest der Götter von Ernte und Jagd (3 Tage)</translation>
    </message>
    <message>
        <source>Feast of Rhiannon</source>
        <translation>Fest der Rhiannon</translation>
    </message>
    <message>
        <source>day of Bellisama</source>
        <translation>Tag der Bellisama</translation>
    </message>
    <message>
        <source>Festival of Lights</source>
        <translation>Lichterfest</translation>
    </message>
    <message>
        <source>YULE</source>
        <translation>YULE</translation>
    </message>
    <message>
        <source>Yuletide Tree and Elder Festival</source>
        <translation>Fest des Yule-Baums und des Holunders</translation>
    </message>
    <message>
        <source>Festival of Wine and pleasure (4 DAYS) 28th Dec Onward</source>
        <translation>Fest von Wein und Genuss (4 Tage) ab dem 28. Dezember</translation>
    </message>
    <message>
        <source>Festival of Wine and pleasure (4 DAYS) 28th December Onward</source>
        <translation>Fest von Wein und Genuss (4 Tage) ab dem 28. Dezember</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>How the month view writes a festival&apos;s date above its name, as a date format of Qt&apos;s QDate::toString (MMMM the month&apos;s name, d the day, yyyy the year), in the order and with the words your language uses.</extracomment>
        <translation>d. MMMM yyyy</translation>
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
    <message>
        <source>The term Pagan is taken from the Latin word &apos;Paganus&apos;, meaning a dweller of the countryside. Today it names the many nature based faiths that honour the old gods and goddesses, the turning seasons and the living earth, and that hold all of nature to be sacred.</source>
        <extracomment>On the Pagan Information tab, and above the festive seasons.</extracomment>
        <translation>Das Wort „Pagan“, mit dem man im Englischen die Heiden bezeichnet, ist vom lateinischen „paganus“ abgeleitet, das einen Bewohner des ländlichen Raums meint. Heute steht es für die vielen naturverbundenen Glaubensrichtungen, die die alten Götter und Göttinnen, den Wechsel der Jahreszeiten und die lebendige Erde ehren und die ganze Natur als heilig betrachten.</translation>
    </message>
    <message>
        <source>The oldest known religion to humanity is Paganism. Long before temples and scriptures, people watched the sun rise and set, the moon grow and fade and the crops come and go, and they saw the hand of the divine in all of it. Paganism has no single founder, no single holy book and no central church. It is a family of traditions that share a deep respect for nature and a belief that the sacred can be found in the land, the sky, the sea and in every living creature. Many Pagans honour both a god and a goddess, or a whole company of gods, and they mark the year with festivals that follow the seasons. Pagans value personal experience, freedom of belief and living in balance with the world, and they respect other paths.</source>
        <extracomment>On the Pagan Information tab.</extracomment>
        <translation>Das Heidentum ist die älteste Religion, die die Menschheit kennt. Lange vor Tempeln und heiligen Schriften sahen die Menschen die Sonne auf- und untergehen, den Mond zu- und abnehmen, die Feldfrüchte wachsen und vergehen, und in alldem erkannten sie die Hand des Göttlichen. Das Heidentum hat keinen einzelnen Gründer, kein einzelnes heiliges Buch und keine zentrale Kirche. Es ist eine Familie von Traditionen, die eine tiefe Achtung vor der Natur verbindet und der Glaube, dass das Heilige im Land, im Himmel, im Meer und in jedem Lebewesen zu finden ist. Viele Heiden verehren einen Gott und eine Göttin oder eine ganze Schar von Göttern, und sie begehen das Jahr mit Festen, die dem Lauf der Jahreszeiten folgen. Heiden schätzen die eigene Erfahrung, die Freiheit des Glaubens und ein Leben im Einklang mit der Welt, und sie achten andere Wege.</translation>
    </message>
    <message>
        <source>One of the most significant things in the ancient Anglo-Saxon culture is the old pagan calendar. It did not count the days by the sun alone, as our calendar does, but by the moon and the seasons together. A month began with a new moon, and the names of the months told people what work the season asked of them and which powers were honoured. The year was split into two great halves, winter and summer, and the turning points between them were kept as holy days with fires, feasts and offerings. Midwinter, the time of the longest night, was the start of the year, and the nights before it were thought to be full of spirits and ancestors who walked close to the living. As the year went on, farmers watched the calendar to know when to plough, when to sow and when to gather the harvest. Because twelve moons fall short of a full solar year, an extra month was added to keep the feasts in step with the seasons. Much of this calendar lives on today in the names of our weekdays and in festivals such as Easter and Yule. Choose a month and year on this page and Velloran will show you the pagan festivals that fall in that month, so that you can plan your own rites and celebrations ahead of time.</source>
        <extracomment>On the Pagan Calendar tab, beside the month and year.</extracomment>
        <translation>Zu den bedeutendsten Zeugnissen der alten angelsächsischen Kultur gehört der alte heidnische Kalender. Er zählte die Tage nicht allein nach der Sonne, wie unser Kalender es tut, sondern nach Mond und Jahreszeiten zugleich. Ein Monat begann mit dem Neumond, und die Namen der Monate sagten den Menschen, welche Arbeit die Jahreszeit von ihnen verlangte und welche Mächte verehrt wurden. Das Jahr war in zwei große Hälften geteilt, Winter und Sommer, und die Wendepunkte zwischen ihnen wurden als heilige Tage mit Feuern, Festmählern und Opfergaben begangen. Mittwinter, die Zeit der längsten Nacht, war der Beginn des Jahres, und man glaubte, dass in den Nächten davor Geister und Ahnen umgingen und den Lebenden ganz nahe kamen. Im Lauf des Jahres richteten sich die Bauern nach dem Kalender, um zu wissen, wann sie pflügen, wann sie säen und wann sie die Ernte einbringen sollten. Weil zwölf Monde kein volles Sonnenjahr ergeben, wurde ein zusätzlicher Monat eingeschoben, damit die Feste im Einklang mit den Jahreszeiten blieben. Vieles von diesem Kalender lebt bis heute fort, in den Namen unserer Wochentage und in Festen wie Ostern und Yule. Wählen Sie auf dieser Seite einen Monat und ein Jahr, und Velloran zeigt Ihnen die heidnischen Feste, die in diesen Monat fallen, damit Sie Ihre eigenen Riten und Feiern rechtzeitig planen können.</translation>
    </message>
    <message>
        <source>This is generally celebrated during the winter time i.e. from December 23-25. Yule marks the winter solstice, the longest night of the year, after which the sun returns and the days begin to grow longer. Pagans light candles and fires to welcome the light, bring evergreen branches into the home as a sign of lasting life, and share food, gifts and stories with their loved ones.</source>
        <extracomment>Festive season tab &quot;Yule&quot;.</extracomment>
        <translation>Dieses Fest wird gewöhnlich im Winter gefeiert, vom 23. bis 25. Dezember. Yule ist die Wintersonnenwende, die längste Nacht des Jahres; danach kehrt die Sonne zurück, und die Tage werden wieder länger. Heiden zünden Kerzen und Feuer an, um das Licht willkommen zu heißen, holen immergrüne Zweige als Zeichen des fortdauernden Lebens ins Haus und teilen Speisen, Geschenke und Geschichten mit ihren Lieben.</translation>
    </message>
    <message>
        <source>This day is observed on 2nd February as the birthday of Brigid - the goddess of inspiration and fire. It is also called Imbolc, the first stirring of spring, when the ewes give milk and the earth begins to wake. Candles are lit in every window of the house, homes are swept, and new plans and promises are made.</source>
        <extracomment>Festive season tab &quot;Candlemas&quot;.</extracomment>
        <translation>Dieser Tag wird am 2. Februar als Geburtstag der Brigid begangen, der Göttin der Inspiration und des Feuers. Er heißt auch Imbolc und ist die erste Regung des Frühlings, wenn die Mutterschafe Milch geben und die Erde zu erwachen beginnt. In jedem Fenster des Hauses werden Kerzen entzündet, die Häuser werden ausgekehrt, und man fasst neue Pläne und gibt neue Versprechen.</translation>
    </message>
    <message>
        <source>Observed within March 20-23, this day is the start of the Pagan year of springs. At the spring equinox day and night stand in balance. Eggs, hares and fresh spring blooms are the signs of this festival, which honours new life, fertility and the green growth returning to the fields.</source>
        <extracomment>Festive season tab &quot;Eostar&quot;.</extracomment>
        <translation>Dieser Tag, begangen zwischen dem 20. und 23. März, ist der Beginn des Frühlings im heidnischen Jahr. Zur Frühlings-Tagundnachtgleiche stehen Tag und Nacht im Gleichgewicht. Eier, Hasen und frische Frühlingsblumen sind die Zeichen dieses Festes, das das neue Leben ehrt, die Fruchtbarkeit und das junge Grün, das auf die Felder zurückkehrt.</translation>
    </message>
    <message>
        <source>Also known as the Halloween, this day is celebrated on October 31st. Samhain ends the harvest and opens the dark half of the year. It is said that on this night the veil between the world of the living and the world of the dead is at its thinnest, so Pagans remember their ancestors, set a place for them at the table and light bonfires to guide the spirits safely home.</source>
        <extracomment>Festive season tab &quot;Samhain&quot;.</extracomment>
        <translation>Dieser Tag, auch als Halloween bekannt, wird am 31. Oktober gefeiert. Samhain beschließt die Ernte und öffnet die dunkle Hälfte des Jahres. Man sagt, in dieser Nacht sei der Schleier zwischen der Welt der Lebenden und der Welt der Toten am dünnsten; darum gedenken Heiden ihrer Ahnen, decken für sie einen Platz am Tisch und entzünden Feuer, die den Geistern sicher den Weg nach Hause weisen.</translation>
    </message>
    <message>
        <source>Though the period from September 20-23 is observed as a holiday, but this day is not so widely celebrated and looked upon. It is the autumn equinox and the second harvest.</source>
        <extracomment>Festive season tab &quot;Mabon&quot;.</extracomment>
        <translation>Die Zeit vom 20. bis 23. September wird zwar als Feiertag begangen, doch dieser Tag wird nicht so weithin gefeiert und beachtet. Er ist die Herbst-Tagundnachtgleiche und das Fest der zweiten Ernte.</translation>
    </message>
    <message>
        <source>Observed during the summer time i.e. from June 20-23, this festival is held on the longest day. At midsummer the sun stands at the height of its power, and Pagans gather to greet the sunrise, light bonfires on the hills and leap the flames for luck. Herbs gathered at this time are thought to be at their strongest, and it is a joyful time for weddings, music and dancing under the open skies.</source>
        <extracomment>Festive season tab &quot;Litha&quot;.</extracomment>
        <translation>Dieses Fest wird im Sommer, vom 20. bis 23. Juni, am längsten Tag des Jahres gefeiert. Zu Mittsommer steht die Sonne auf der Höhe ihrer Kraft; Heiden kommen zusammen, um den Sonnenaufgang zu begrüßen, entzünden Feuer auf den Hügeln und springen um des Glückes willen über die Flammen. Kräuter, die um diese Zeit gesammelt werden, gelten als besonders kräftig, und es ist eine fröhliche Zeit für Hochzeiten, Musik und Tanz unter freiem Himmel.</translation>
    </message>
    <message>
        <source>The most important festive for the Pagans after Samhain. Beltan falls on the eve of May and welcomes the bright half of the year. Two great fires were lit and the cattle were driven between them to guard them before they went out to their summer pastures. Young people rose early to gather flowers and green branches, a maypole was raised in the village, and people danced around it. It is a festival of fertility, love and growth, when the god and goddess are joined and the land springs to life.</source>
        <extracomment>Festive season tab &quot;Beltan&quot;.</extracomment>
        <translation>Nach Samhain das wichtigste Fest der Heiden. Beltan fällt auf den Vorabend des Mai und begrüßt die helle Hälfte des Jahres. Man entzündete zwei große Feuer und trieb das Vieh zwischen ihnen hindurch, um es zu schützen, bevor es auf die Sommerweiden zog. Die jungen Leute standen früh auf, um Blumen und grüne Zweige zu sammeln, im Dorf wurde ein Maibaum aufgestellt, und man tanzte um ihn herum. Es ist ein Fest der Fruchtbarkeit, der Liebe und des Wachstums, an dem sich Gott und Göttin vereinen und das Land zu neuem Leben erwacht.</translation>
    </message>
    <message>
        <source>1st August is the day of Lughnasad. It is the first of the harvest festivals and is named after the god Lugh. The first corn is cut and baked into bread, and people give thanks for the earth&apos;s gifts.</source>
        <extracomment>Festive season tab &quot;Lughnasad&quot;.</extracomment>
        <translation>Der 1. August ist der Tag von Lughnasad. Es ist das erste der Erntefeste und nach dem Gott Lugh benannt. Das erste Korn wird geschnitten und zu Brot gebacken, und man dankt der Erde für ihre Gaben.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the North direction. Earth is the ground under our feet, the rock, the soil and the hills, and it stands for stability, strength, patience and growth. It is the element of the body and of all things that can be touched, of wealth, homes and family. Its season is winter, its time of day is midnight, and its colours are green, brown and black. In ritual it is shown by a dish of salt, a stone, a crystal or a bowl of earth, and on the altar by the pentacle. Earth is linked to the bull and to trees that stand firm in every storm. Pagans call on Earth when they wish to ground themselves, to find a steady footing, to protect their home or to bring prosperity and healing. It reminds us that we are part of nature, not apart from it.</source>
        <extracomment>Element tab &quot;Earth&quot;.</extracomment>
        <translation>Dieses Element gehört zur Himmelsrichtung Norden. Die Erde ist der Boden unter unseren Füßen, der Fels, die Ackerkrume und die Hügel, und sie steht für Beständigkeit, Kraft, Geduld und Wachstum. Sie ist das Element des Körpers und aller Dinge, die man berühren kann, des Wohlstands, des Heims und der Familie. Ihre Jahreszeit ist der Winter, ihre Tageszeit die Mitternacht, und ihre Farben sind Grün, Braun und Schwarz. Im Ritual wird sie durch eine Schale mit Salz, einen Stein, einen Kristall oder eine Schale mit Erde dargestellt, auf dem Altar durch das Pentakel. Die Erde ist dem Stier verbunden und den Bäumen, die jedem Sturm standhalten. Heiden rufen die Erde an, wenn sie sich erden und festen Halt finden, ihr Heim schützen oder Wohlstand und Heilung herbeirufen wollen. Sie erinnert uns daran, dass wir ein Teil der Natur sind und nicht von ihr getrennt.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the East direction. Air is the breath of life and the wind that carries seeds and songs across the land. It stands for the mind, thought, learning, memory and speech, and for new beginnings, just as each day begins when the sun rises in the East. Its season is spring, its time of day is dawn, and its colours are yellow and pale blue. In ritual it is shown by incense smoke, a feather or a bell, and on the altar by the wand or the athame. Birds are its creatures. Pagans call upon Air for clear thinking, for inspiration, for travel and for the right words.</source>
        <extracomment>Element tab &quot;Air&quot;.</extracomment>
        <translation>Dieses Element gehört zur Himmelsrichtung Osten. Die Luft ist der Atem des Lebens und der Wind, der Samen und Lieder über das Land trägt. Sie steht für den Verstand, das Denken, das Lernen, das Gedächtnis und die Sprache und für jeden Neubeginn, so wie jeder Tag beginnt, wenn im Osten die Sonne aufgeht. Ihre Jahreszeit ist der Frühling, ihre Tageszeit die Morgendämmerung, und ihre Farben sind Gelb und Hellblau. Im Ritual wird sie durch Räucherrauch, eine Feder oder eine Glocke dargestellt, auf dem Altar durch den Stab oder das Athame. Die Vögel sind ihre Geschöpfe. Heiden rufen die Luft an, wenn sie klare Gedanken, Inspiration oder die rechten Worte suchen und wenn sie auf Reisen gehen.</translation>
    </message>
    <message>
        <source>Fire is the element of Energy; it also represents action and activeness. It is linked to the South direction, to the heat of summer and to the midday sun. Fire gives light and warmth, it cooks our food and forges tools, but it can also destroy. It stands for will, courage, passion, desire and change, for the spark that turns an idea into a deed. Its colours are red, orange and gold. In ritual it is shown by a candle, a lamp or a bonfire, and on the altar by the athame or the wand. The lion, the salamander and the dragon are its creatures. Pagans call upon Fire when they need strength to act, when they want to burn off old habits and fears, and when they seek purification. Many festivals are marked by fires on the hills, for Fire is a sign of the sun and of life itself.</source>
        <extracomment>Element tab &quot;Fire&quot;.</extracomment>
        <translation>Feuer ist das Element der Energie; es steht auch für Tat und Tatkraft. Es gehört zur Himmelsrichtung Süden, zur Hitze des Sommers und zur Mittagssonne. Feuer spendet Licht und Wärme, es gart unsere Speisen und schmiedet Werkzeuge, doch es kann auch zerstören. Es steht für Willen, Mut, Leidenschaft, Begehren und Wandel, für den Funken, der aus einer Idee eine Tat werden lässt. Seine Farben sind Rot, Orange und Gold. Im Ritual wird es durch eine Kerze, eine Lampe oder ein offenes Feuer dargestellt, auf dem Altar durch das Athame oder den Stab. Löwe, Salamander und Drache sind seine Geschöpfe. Heiden rufen das Feuer an, wenn sie Kraft zum Handeln brauchen, wenn sie alte Gewohnheiten und Ängste verbrennen wollen und wenn sie Läuterung suchen. Viele Feste werden mit Feuern auf den Hügeln begangen, denn das Feuer ist ein Zeichen der Sonne und des Lebens selbst.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the West direction. Water is found in rivers, lakes, wells, rain and the great sea, and in the blood and tears of every living being. It stands for feelings, love, dreams, intuition and healing, and for the hidden depths of the mind. Its season is autumn, its time of day is dusk, when the sun sets in the West, and its colours are blue, silver and sea green. In ritual it is shown by a bowl of water or a shell, and on the altar by the cup or chalice. Fish, dolphins and water birds are its creatures. The sacred wells and springs were honoured by the old Pagans, and offerings were left there. Pagans call upon Water for cleansing, for healing of the heart, for friendship and for seeing what lies beneath the surface.</source>
        <extracomment>Element tab &quot;Water&quot;.</extracomment>
        <translation>Dieses Element gehört zur Himmelsrichtung Westen. Wasser findet sich in Flüssen, Seen, Brunnen, im Regen und im weiten Meer, und im Blut und in den Tränen jedes Lebewesens. Es steht für Gefühle, Liebe, Träume, Intuition und Heilung und für die verborgenen Tiefen der Seele. Seine Jahreszeit ist der Herbst, seine Tageszeit die Abenddämmerung, wenn im Westen die Sonne untergeht, und seine Farben sind Blau, Silber und Meergrün. Im Ritual wird es durch eine Schale mit Wasser oder eine Muschel dargestellt, auf dem Altar durch den Becher oder Kelch. Fische, Delfine und Wasservögel sind seine Geschöpfe. Die alten Heiden ehrten die heiligen Brunnen und Quellen und ließen dort Opfergaben zurück. Heiden rufen das Wasser an, wenn sie Reinigung, Heilung für das Herz oder Freundschaft suchen und wenn sie sehen wollen, was unter der Oberfläche liegt.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the center; the element which is associated with the realm of the gods. Spirit, also called Aether, is the fifth element, the one that binds Earth, Air, Fire and Water together and lives in all of them. It has no one direction, for it is everywhere, above, below and within. It is shown as the top point of the pentagram, and its colours are white and violet. Pagans call upon Spirit to feel their link with the divine and with all of life.</source>
        <extracomment>Element tab &quot;Spirit&quot;.</extracomment>
        <translation>Dieses Element gehört zur Mitte; es ist das Element, das dem Reich der Götter zugeordnet ist. Der Geist, auch Äther genannt, ist das fünfte Element: Er verbindet Erde, Luft, Feuer und Wasser miteinander und lebt in ihnen allen. Er hat keine einzelne Richtung, denn er ist überall, oben, unten und im Innern. Er wird als oberste Spitze des Pentagramms dargestellt, und seine Farben sind Weiß und Violett. Heiden rufen den Geist an, um ihre Verbindung mit dem Göttlichen und mit allem Leben zu spüren.</translation>
    </message>
    <message>
        <source>Angus is the son of Dagda. He is the young god of love, youth and beauty, and four birds flew around his head, whose kisses became the songs of lovers. He dreamt of a maiden named Caer and searched for her for a whole year, finding her at last in the form of a swan. He became a swan himself to join her, and together they flew to his home, the Brugh on the river Boyne.</source>
        <extracomment>God tab &quot;Angus of the Brugh&quot;.</extracomment>
        <translation>Angus ist der Sohn des Dagda. Er ist der junge Gott der Liebe, der Jugend und der Schönheit; vier Vögel umflogen sein Haupt, und ihre Küsse wurden zu den Liedern der Liebenden. Er träumte von einem Mädchen namens Caer und suchte ein ganzes Jahr lang nach ihr, bis er sie schließlich in Gestalt eines Schwans fand. Da wurde er selbst zum Schwan, um bei ihr zu sein, und gemeinsam flogen sie zu seinem Heim, dem Brugh am Fluss Boyne.</translation>
    </message>
    <message>
        <source>The god of virility flanked by the ram-headed serpent and a stag. Cernunnos is the horned god of the forest and of wild animals, and he is shown seated with crossed legs, with antlers on his head and a torc around his neck. He is the lord of nature, of plenty and of the hunt, and he keeps the gate between life and death. Pagans honour him as the partner of the Goddess and the father of all living things.</source>
        <extracomment>God tab &quot;Cernunnos&quot;.</extracomment>
        <translation>Der Gott der Manneskraft, flankiert von der widderköpfigen Schlange und einem Hirsch. Cernunnos ist der gehörnte Gott des Waldes und der wilden Tiere; er wird im Schneidersitz dargestellt, mit einem Geweih auf dem Kopf und einem Torques um den Hals. Er ist der Herr der Natur, der Fülle und der Jagd, und er hütet das Tor zwischen Leben und Tod. Heiden ehren ihn als Gefährten der Göttin und als Vater alles Lebendigen.</translation>
    </message>
    <message>
        <source>&quot;The Good God&apos; is the father of Angus. The Dagda was the chief of the Tuatha De Danann, the ancient gods of Ireland, and he was wise, strong and generous. He owned a great cauldron that was never empty, so that no one who came to him ever went away hungry, and a club that could kill nine men with one end and bring them back to life with the other. He also had a harp of oak whose music could change the seasons and move the hearts of all who heard it. He was the god of plenty, of the earth and of druid wisdom, and he was the lover of the Morrigan, whom he met at a river on the feast of Samhain.</source>
        <extracomment>God tab &quot;Dagda&quot;.</extracomment>
        <translation>„Der Gute Gott“ ist der Vater des Angus. Der Dagda war das Oberhaupt der Tuatha Dé Danann, der alten Götter Irlands, und er war weise, stark und großzügig. Er besaß einen großen Kessel, der niemals leer wurde, sodass keiner, der zu ihm kam, je hungrig fortging, und eine Keule, die mit dem einen Ende neun Männer erschlagen und sie mit dem anderen wieder zum Leben erwecken konnte. Außerdem hatte er eine Harfe aus Eichenholz, deren Klang die Jahreszeiten wechseln ließ und die Herzen aller bewegte, die sie hörten. Er war der Gott der Fülle, der Erde und der Weisheit der Druiden, und er war der Geliebte der Morrigan, der er an Samhain an einem Fluss begegnete.</translation>
    </message>
    <message>
        <source>The healer god. Dian Cecht was the physician of the Tuatha De Danann. When King Nuada lost his hand in battle, Dian Cecht made him a new hand of silver that could move like a living one. He also blessed a well that healed the wounded warriors who were bathed in it, so that they could fight again. He was jealous of his son Miach, whose skill was even greater than his own. From the grave of Miach grew hundreds of healing herbs, one for each part of the body.</source>
        <extracomment>God tab &quot;Dian Cecht&quot;.</extracomment>
        <translation>Der Gott der Heilkunst. Dian Cecht war der Arzt der Tuatha Dé Danann. Als König Nuada in der Schlacht seine Hand verlor, fertigte Dian Cecht ihm eine neue Hand aus Silber, die sich bewegen ließ wie eine lebendige. Er segnete auch eine Quelle, die die verwundeten Krieger heilte, wenn man sie darin badete, sodass sie wieder kämpfen konnten. Er war eifersüchtig auf seinen Sohn Miach, dessen Kunst die seine noch übertraf. Aus dem Grab des Miach wuchsen Hunderte von Heilkräutern, eines für jeden Teil des Körpers.</translation>
    </message>
    <message>
        <source>Originally a god of death and the underworld, later the chief god of the Gauls. He ruled the riches hidden under the ground, and the Gauls believed that they came from him.</source>
        <extracomment>God tab &quot;Dis Pater&quot;.</extracomment>
        <translation>Ursprünglich ein Gott des Todes und der Unterwelt, später der oberste Gott der Gallier. Er herrschte über die Schätze, die unter der Erde verborgen liegen, und die Gallier glaubten, von ihm abzustammen.</translation>
    </message>
    <message>
        <source>The god of storms and thunders. Donn is the lord of the dead, who dwells on an island off the coast, where all souls go after death.</source>
        <extracomment>God tab &quot;Donn&quot;.</extracomment>
        <translation>Der Gott der Stürme und des Donners. Donn ist der Herr der Toten; er wohnt auf einer Insel vor der Küste, zu der alle Seelen nach dem Tod gehen.</translation>
    </message>
    <message>
        <source>The god of Gauls who is very often portrayed as woodcutter. He is shown cutting branches from a willow next to a bull and three cranes, and offerings were hung in sacred trees in his honour.</source>
        <extracomment>God tab &quot;Esus&quot;.</extracomment>
        <translation>Der Gott der Gallier, der sehr oft als Holzfäller dargestellt wird. Er ist zu sehen, wie er neben einem Stier und drei Kranichen Zweige von einer Weide schneidet, und ihm zu Ehren wurden Opfergaben in heilige Bäume gehängt.</translation>
    </message>
    <message>
        <source>The god of weapons and armors- the smith god. Govannon is the Welsh smith, a son of the goddess Don, and he is known in Ireland as Goibniu. His forge never cooled, and the spears and swords he made always struck true and did not break. He also brewed an ale that kept the gods young and free from sickness. Smiths were held in high honour by the old Pagans, for they could shape iron with fire as if by magic.</source>
        <extracomment>God tab &quot;Govannon&quot;.</extracomment>
        <translation>Der Gott der Waffen und Rüstungen, der Schmiedegott. Govannon ist der walisische Schmied, ein Sohn der Göttin Don; in Irland kennt man ihn als Goibniu. Seine Esse erkaltete nie, und die Speere und Schwerter, die er schmiedete, trafen stets ihr Ziel und zerbrachen nicht. Er braute auch ein Bier, das die Götter jung und frei von Krankheit hielt. Die alten Heiden hielten die Schmiede in hohen Ehren, denn sie konnten das Eisen mit Feuer formen wie durch Zauberei.</translation>
    </message>
    <message>
        <source>The sun god. Lug, called Lugh of the Long Arm, was a master of every art and craft: a warrior, a poet, a smith, a healer, a harpist and a magician all at once. He led the gods into battle against the Fomorians and won the day with a stone from his sling. His spear could never be defeated. The festival of Lughnasad at the start of August bears his name, and many towns across Europe were named in his honour.</source>
        <extracomment>God tab &quot;Lug or Lugh&quot;.</extracomment>
        <translation>Der Sonnengott. Lug, genannt Lugh mit dem langen Arm, war ein Meister aller Künste und Handwerke: Krieger, Dichter, Schmied, Heiler, Harfner und Zauberer zugleich. Er führte die Götter in die Schlacht gegen die Fomori und entschied sie mit einem Stein aus seiner Schleuder. Sein Speer war unbesiegbar. Das Fest Lughnasad zu Beginn des Augusts trägt seinen Namen, und viele Städte in ganz Europa wurden ihm zu Ehren benannt.</translation>
    </message>
    <message>
        <source>He is the god of healing and water. Nuadhu was the first king of the Tuatha De Danann. He lost his hand in battle and, since a king had to be whole, he gave up his throne until Dian Cecht made him a hand of silver. In Britain he was known as Nodens, and a temple was built to him beside the river Severn, where the sick came from far and wide to seek a cure.</source>
        <extracomment>God tab &quot;Nuadhu or Nud/ Nodens/ Lud&quot;.</extracomment>
        <translation>Er ist der Gott der Heilung und des Wassers. Nuadhu war der erste König der Tuatha Dé Danann. Er verlor in der Schlacht seine Hand, und da ein König unversehrt sein musste, gab er seinen Thron auf, bis Dian Cecht ihm eine Hand aus Silber fertigte. In Britannien kannte man ihn als Nodens, und am Ufer des Flusses Severn wurde ihm ein Tempel errichtet, zu dem die Kranken von nah und fern kamen, um Heilung zu suchen.</translation>
    </message>
    <message>
        <source>The god of language, eloquence and genius. He is portrayed as an old man who leads a crowd of people with fine gold chains that run from his tongue to their ears, for wise words bind people more strongly than any rope.</source>
        <extracomment>God tab &quot;Ogmios&quot;.</extracomment>
        <translation>Der Gott der Sprache, der Beredsamkeit und des Genies. Er wird als alter Mann dargestellt, der eine Menschenmenge an feinen goldenen Ketten führt, die von seiner Zunge zu ihren Ohren reichen, denn weise Worte binden die Menschen fester als jedes Seil.</translation>
    </message>
    <message>
        <source>He is the god of forest and agriculture. He is shown holding a long handled hammer and a pot, with a loyal dog beside him, and he brings good harvests and a plentiful supply of wine.</source>
        <extracomment>God tab &quot;Sucellus&quot;.</extracomment>
        <translation>Er ist der Gott des Waldes und des Ackerbaus. Er wird mit einem langstieligen Hammer und einem Topf dargestellt, einen treuen Hund an seiner Seite, und er schenkt gute Ernten und reichlich Wein.</translation>
    </message>
    <message>
        <source>Arianrhod means Silver Circle; she is the Goddess of Virgin. She is a Welsh goddess of the moon and the stars, whose home is the castle Caer Arianrhod up in the northern sky. She turns the silver wheel of the heavens, which carries the souls of the dead, and she rules over fate, time and rebirth.</source>
        <extracomment>Goddess tab &quot;Arianrhod&quot;.</extracomment>
        <translation>Arianrhod bedeutet „Silberner Kreis“; sie ist die jungfräuliche Göttin. Sie ist eine walisische Göttin des Mondes und der Sterne, deren Heim die Burg Caer Arianrhod hoch oben am nördlichen Himmel ist. Sie dreht das silberne Rad des Himmels, das die Seelen der Toten trägt, und sie herrscht über Schicksal, Zeit und Wiedergeburt.</translation>
    </message>
    <message>
        <source>The Goddess of war who is known to use her magic to decide war. Badb would often appear on the field of battle as a crow or a raven, and her wild cries filled her enemies with dread. Before a battle she might be seen as a washer woman at a ford, washing the armour of those who were about to die. She is one of the three sisters of the Morrigan, and she is linked with wisdom, life and death, and the endless cycle that joins them.</source>
        <extracomment>Goddess tab &quot;Badb&quot;.</extracomment>
        <translation>Die Göttin des Krieges, von der es heißt, dass sie mit ihrer Magie über den Ausgang des Krieges entscheidet. Badb erschien oft als Krähe oder Rabe auf dem Schlachtfeld, und ihre wilden Schreie erfüllten ihre Feinde mit Grauen. Vor einer Schlacht sah man sie mitunter als Wäscherin an einer Furt, wo sie die Rüstungen derer wusch, die bald sterben sollten. Sie ist eine der drei Schwestern der Morrigan und mit Weisheit, Leben und Tod verbunden und mit dem ewigen Kreislauf, der beide vereint.</translation>
    </message>
    <message>
        <source>Brigit is the goddess of craftsmanship, healing and metalwork. She is also the goddess of poetry and of the hearth fire, and her festival of Imbolc at the start of February marks the first signs of spring. She was said to have two sisters, also named Brigit, so that she is one goddess and three at once. At her shrine in Kildare a holy fire was kept alight for centuries. Many wells across Ireland are named after her, and their waters are thought to heal. She protects mothers, children and farm animals.</source>
        <extracomment>Goddess tab &quot;Brighit or Brigit&quot;.</extracomment>
        <translation>Brigit ist die Göttin der Handwerkskunst, der Heilkunst und der Metallarbeit. Sie ist auch die Göttin der Dichtkunst und des Herdfeuers, und ihr Fest Imbolc zu Beginn des Februars kündet von den ersten Zeichen des Frühlings. Es hieß, sie habe zwei Schwestern, die ebenfalls Brigit hießen, sodass sie eine Göttin und zugleich drei ist. In ihrem Heiligtum in Kildare wurde jahrhundertelang ein heiliges Feuer am Brennen gehalten. Viele Brunnen in ganz Irland sind nach ihr benannt, und ihrem Wasser wird Heilkraft zugeschrieben. Sie beschützt Mütter, Kinder und die Tiere des Hofes.</translation>
    </message>
    <message>
        <source>The goddess of grains and corns. Caridwen is a Welsh goddess of magic and change who brewed a cauldron of insight for a year and a day. Three drops of it fell on young Gwion, who gained all its wisdom. She chased him through many shapes until she swallowed him as a grain of corn, and she later bore him again as the great bard Taliesin.</source>
        <extracomment>Goddess tab &quot;Caridwen or Hen Wen&quot;.</extracomment>
        <translation>Die Göttin des Korns und des Getreides. Caridwen ist eine walisische Göttin der Magie und der Verwandlung, die ein Jahr und einen Tag lang einen Kessel der Erkenntnis braute. Drei Tropfen daraus fielen auf den jungen Gwion, der so die ganze Weisheit des Kessels erlangte. Sie jagte ihm durch viele Gestalten nach, bis sie ihn als Getreidekorn verschlang, und später gebar sie ihn neu als den großen Barden Taliesin.</translation>
    </message>
    <message>
        <source>Danu is the Mother goddess. She is the mother of the Tuatha De Danann, whose name means the people of Danu. She is linked with the rivers, wind, wisdom and the fruitful earth, and the Danube river may bear her name. Many Pagans honour her as the great source of all life, wisdom and plenty.</source>
        <extracomment>Goddess tab &quot;Danu&quot;.</extracomment>
        <translation>Danu ist die Muttergöttin. Sie ist die Mutter der Tuatha Dé Danann, deren Name „das Volk der Danu“ bedeutet. Sie ist mit den Flüssen, dem Wind, der Weisheit und der fruchtbaren Erde verbunden, und vielleicht trägt die Donau ihren Namen. Viele Heiden ehren sie als den großen Quell allen Lebens, aller Weisheit und aller Fülle.</translation>
    </message>
    <message>
        <source>The goddess of horse. Epona was honoured by the Gauls and later by the Roman cavalry, who carried her worship across the Empire. She is shown riding side saddle on a mare or sitting between two horses, often with a basket of fruit or grains in her lap. She protects horses, donkeys and mules and those who care for them, and she also guides the souls of the dead on their journey. Her feast fell on December 18th.</source>
        <extracomment>Goddess tab &quot;Epona&quot;.</extracomment>
        <translation>Die Göttin der Pferde. Epona wurde von den Galliern verehrt und später von der römischen Reiterei, die ihren Kult durch das ganze Reich trug. Sie wird im Damensitz auf einer Stute reitend dargestellt oder zwischen zwei Pferden sitzend, oft mit einem Korb voller Früchte oder Getreide auf dem Schoß. Sie beschützt Pferde, Esel und Maultiere und alle, die für sie sorgen, und sie geleitet auch die Seelen der Toten auf ihrer Reise. Ihr Fest fiel auf den 18. Dezember.</translation>
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
        <translation>S&amp;chließen</translation>
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
        <translation>S&amp;chließen</translation>
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
        <translation>&amp;Neuer Eintrag</translation>
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
    <name>frmImportCsv</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import into %1 – %2</source>
        <extracomment>The import window&apos;s title: what the rows go into, and the file.</extracomment>
        <translation>Importieren in %1 – %2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Dateiformat</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Double quote (&quot;)</source>
        <translation>Doppeltes Anführungszeichen (&quot;)</translation>
    </message>
    <message>
        <source>Single quote (&apos;)</source>
        <translation>Einfaches Anführungszeichen (&apos;)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>UTF-8 with BOM</source>
        <translation>UTF-8 mit BOM</translation>
    </message>
    <message>
        <source>UTF-16 LE with BOM</source>
        <translation>UTF-16 LE mit BOM</translation>
    </message>
    <message>
        <source>UTF-16 BE with BOM</source>
        <translation>UTF-16 BE mit BOM</translation>
    </message>
    <message>
        <source>%1 (your short date)</source>
        <translation>%1 (Ihr kurzes Datum)</translation>
    </message>
    <message>
        <source>First row &amp;names the columns</source>
        <translation>Erste Zeile &amp;benennt die Spalten</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Quotes:</source>
        <translation>&amp;Anführungszeichen:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>&amp;Dates:</source>
        <translation>&amp;Datumsangaben:</translation>
    </message>
    <message>
        <source>Column of the file for each field</source>
        <translation>Spalte der Datei für jedes Feld</translation>
    </message>
    <message>
        <source>The first rows, as they will be &amp;stored:</source>
        <translation>Die ersten Zeilen, wie sie &amp;gespeichert werden:</translation>
    </message>
    <message>
        <source>&amp;Leave out rows that are stored already (every field the same)</source>
        <translation>Bereits gespeicherte Zeilen aus&amp;lassen (jedes Feld gleich)</translation>
    </message>
    <message>
        <source>&amp;Lines that cannot be stored as they stand:</source>
        <translation>&amp;Zeilen, die so nicht gespeichert werden können:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Import from CSV</source>
        <translation>Aus CSV importieren</translation>
    </message>
    <message>
        <source>&amp;Undo Import of “%1”</source>
        <translation>Import von „%1“ &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>U&amp;ndo Import</source>
        <translation>Import rückgängig &amp;machen</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1 (column %2)</source>
        <translation>%1 (Spalte %2)</translation>
    </message>
    <message>
        <source>Choose the file&apos;s column for at least one field.</source>
        <translation>Wählen Sie für mindestens ein Feld die Spalte der Datei.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen…</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was stored.</source>
        <translation>Der Import wurde abgebrochen; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Leave them out and import the other rows? No stops the import, and nothing is stored.</source>
        <translation>Sollen sie ausgelassen und die anderen Zeilen importiert werden? Nein bricht den Import ab, und nichts wird gespeichert.</translation>
    </message>
    <message>
        <source>The import was stopped; nothing was stored.</source>
        <translation>Der Import wurde angehalten; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>%1 wird importiert…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Looking at the rows imported from %1…</source>
        <translation>Die aus %1 importierten Zeilen werden geprüft…</translation>
    </message>
    <message>
        <source>Removing the rows imported from %1…</source>
        <translation>Die aus %1 importierten Zeilen werden entfernt…</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… %1 weitere</translation>
    </message>
    <message>
        <source>Lines of the file that cannot be stored as they stand: %1. The window lists them with the reason.</source>
        <translation>Zeilen der Datei, die so nicht gespeichert werden können: %1. Das Fenster listet sie mit dem Grund auf.</translation>
    </message>
    <message>
        <source>Rows added: %1.</source>
        <translation>Hinzugefügte Zeilen: %1.</translation>
    </message>
    <message>
        <source>Left out as stored already: %1.</source>
        <translation>Ausgelassen, da bereits gespeichert: %1.</translation>
    </message>
    <message>
        <source>Left out as they could not be stored: %1.</source>
        <translation>Ausgelassen, da nicht speicherbar: %1.</translation>
    </message>
    <message>
        <source>None of the rows imported from %1 is as it was imported: each was changed or removed since. Nothing was removed.</source>
        <translation>Keine der aus %1 importierten Zeilen ist so, wie sie importiert wurde: jede wurde seitdem geändert oder entfernt. Nichts wurde entfernt.</translation>
    </message>
    <message>
        <source>Rows imported from %4: %1. Changed since: %2; removed since: %3.<byte value="xd"/>
<byte value="xd"/>
Remove the %5 that are still as they were imported, and keep the changed ones?</source>
        <extracomment>The numbers of rows imported, changed since and removed since, the file, and the number unchanged.</extracomment>
        <translation>Aus %4 importierte Zeilen: %1. Seitdem geändert: %2; seitdem entfernt: %3.<byte value="xd"/>
<byte value="xd"/>
Sollen die %5 entfernt werden, die noch so sind, wie sie importiert wurden, und die geänderten bleiben?</translation>
    </message>
    <message>
        <source>Rows changed meanwhile, and kept: %1.</source>
        <translation>Zwischenzeitlich geänderte und behaltene Zeilen: %1.</translation>
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
        <translation>S&amp;chließen</translation>
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
        <translation>Eintrag ent&amp;fernen (%1)</translation>
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
        <translation>Eintrag hin&amp;zufügen (%1)</translation>
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
        <translation>Südhalb&amp;kugel</translation>
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
        <translation>Vo&amp;llmonde</translation>
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
        <translation>S&amp;chließen</translation>
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
